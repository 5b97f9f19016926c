#include "gui/ladder/ladder_input.h"

#include "core/compiler/validation.h"
#include "core/ladder/logic_commands.h"
#include "gui/adapters/qt_text.h"
#include "gui/app/main_window.h"
#include "gui/ladder/ladder_page.h"
#include "gui/ladder/ladder_tools.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QToolBar>
#include <QToolButton>

#include <array>

namespace velmora::gui {

namespace {

using namespace velmora::ladder;

const char* const kPopups[] = {"PopupEntradas", "PopupSaidas", "PopupMenuTemp", "PopupCont",
                               "PopupOpMat",    "PopupComp",   "PopupAvancadas"};

bool isTextEditor(QObject* o) {
    return qobject_cast<QLineEdit*>(o) != nullptr || qobject_cast<QPlainTextEdit*>(o) != nullptr ||
           o->inherits("QTextEdit") || o->inherits("QAbstractSpinBox");
}

std::optional<Key> keyOf(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Left:
        return Key::Left;
    case Qt::Key_Up:
        return Key::Up;
    case Qt::Key_Right:
        return Key::Right;
    case Qt::Key_Down:
        return Key::Down;
    case Qt::Key_Delete:
        return Key::Delete;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Key::Enter;
    case Qt::Key_Escape:
        return Key::Escape;
    case Qt::Key_F4:
        return Key::F4;
    case Qt::Key_F5:
        return Key::F5;
    case Qt::Key_F6:
        return Key::F6;
    case Qt::Key_F7:
        return Key::F7;
    case Qt::Key_F8:
        return Key::F8;
    case Qt::Key_F9:
        return Key::F9;
    case Qt::Key_F10:
        return Key::F10;
    case Qt::Key_F11:
        return Key::F11;
    default:
        return std::nullopt;
    }
}

// The validation that stands for a mask: the fixed prefix, then the body.
QValidator* validatorFor(const EntryMask& mask, QObject* parent) {
    if (mask.unmasked() || mask.promptOnly) {
        return nullptr;
    }
    QString body =
        mask.body == EntryMask::Body::Digits ? QStringLiteral("[0-9 ]") : QStringLiteral(".");
    body += mask.length > 0 ? QStringLiteral("{0,%1}").arg(mask.length) : QStringLiteral("*");
    const QString pattern =
        QStringLiteral("^") + QRegularExpression::escape(toQt(mask.prefix)) + body + "$";
    return new QRegularExpressionValidator(QRegularExpression(pattern), parent);
}

} // namespace

Prompts::Answer LadderInput::WindowPrompts::ask(Kind kind, const std::string& text,
                                                Buttons buttons) {
    return window_.prompts().ask(kind, text, buttons);
}

std::optional<std::string> LadderInput::WindowPrompts::input(const std::string& caption,
                                                             const std::string& prompt,
                                                             const std::string& defaultValue) {
    return window_.prompts().input(caption, prompt, defaultValue);
}

LadderInput::LadderInput(MainWindow& window) : QObject(&window), window_(window), prompts_(window) {
    setObjectName(QStringLiteral("LadderInput"));
    page_ = window.findChild<LadderPage*>(QStringLiteral("PaginaLadder"));
    Workspace& ws = window.workspace();
    InputEnvironment env{ws.ladder,
                         ws.ladderEditor.cursor,
                         ws.ladderEditor.last,
                         ws.ladderEditor.tool,
                         ws.ladderEditor.placing,
                         ws.project.symbols,
                         ws.operands,
                         prompts_,
                         ws.language,
                         compiler::logicValidator(ws.language, prompts_)};
    controller_ = std::make_unique<InputController>(std::move(env), hooks());
    if (page_ != nullptr) {
        ImageLadder* image = page_->image();
        image_ = image;
        image->setMouseTracking(true);
        image->setFocusPolicy(Qt::StrongFocus);
        editValor_ = new QLineEdit(image);
        editValorAlive_ = editValor_;
        editValor_->setObjectName(QStringLiteral("EditValor"));
        editValor_->hide();
        connect(page_, &LadderPage::layoutDone, this, [this] {
            controller_->setGeometry(page_->state().geometry);
            if (editValorAlive_ != nullptr && editValor_->isVisible()) {
                editValor_->raise();
            }
        });
        controller_->setGeometry(page_->state().geometry);
    }
    wireMenus();
    qApp->installEventFilter(this);
}

LadderInput::~LadderInput() {
    qApp->removeEventFilter(this);
}

EditorContext LadderInput::context() {
    Workspace& ws = window_.workspace();
    TPrograma* slot = nullptr;
    const int n = ws.ladder.program.slot;
    if (n >= 1 && n <= static_cast<int>(ws.project.record.programs.size())) {
        slot = &ws.project.record.program(n);
    }
    return EditorContext{ws.ladder, ws.ladderEditor, prompts_, ws.language, slot};
}

void LadderInput::releaseToolButtons() {
    auto* bar = window_.findChild<QToolBar*>(QStringLiteral("ToolBarLadder"));
    if (bar == nullptr) {
        return;
    }
    for (QAction* a : bar->actions()) {
        if (a->isCheckable() && a->objectName() != QStringLiteral("TbMantendo")) {
            a->setChecked(false);
        }
    }
}

PlaceOutcome LadderInput::follow(const EditResult& result) {
    PlaceOutcome out;
    out.changed = result.changed;
    out.layout = result.layout;
    out.operandEntry = result.operandEntry;
    return out;
}

InputHooks LadderInput::hooks() {
    InputHooks h;
    h.click = [this](CellPosition cell) {
        // The tools release their buttons and show the pointer of the tool that is left.
        if (auto* tools = window_.findChild<LadderTools*>(QStringLiteral("LadderTools"))) {
            return follow(tools->clickCell(cell));
        }
        EditorContext ctx = context();
        const PlaceOutcome out = follow(ladder::clickCell(ctx, cell));
        releaseToolButtons();
        return out;
    };
    h.place = [this](int tool) {
        EditorContext ctx = context();
        ctx.state.tool = tool;
        const PlaceOutcome out = follow(placeWithReplacing(ctx));
        releaseToolButtons();
        return out;
    };
    h.pressDelete = [this] {
        EditorContext ctx = context();
        return follow(ladder::pressDelete(ctx));
    };
    h.insertLink = [this] {
        EditorContext ctx = context();
        return follow(InsereLigacao(ctx));
    };
    h.deleteLink = [this] {
        EditorContext ctx = context();
        return follow(ApagaLigacao(ctx));
    };
    h.fillLine = [this] {
        EditorContext ctx = context();
        return follow(CompletaTraco(ctx));
    };
    h.markArea = [this](CellPosition from, CellPosition to) {
        Workspace& ws = window_.workspace();
        MarkedArea area{std::min(from.column, to.column), std::min(from.row, to.row),
                        std::max(from.column, to.column), std::max(from.row, to.row), false};
        area = AlargaArea(ws.ladder.workingCopy, area);
        area.marked = true;
        ws.ladderEditor.area = area;
        if (page_ != nullptr) {
            page_->DesenhaArea({{area.left, area.top}, {area.right, area.bottom}});
        }
        for (const char* name : {"TbCopiar", "TbRecortar"}) {
            if (auto* a = window_.findChild<QAction*>(QString::fromLatin1(name))) {
                a->setEnabled(true);
            }
        }
    };
    h.clearArea = [this] { window_.workspace().ladderEditor.area.marked = false; };
    h.editTitle = [this](int logic) {
        Workspace& ws = window_.workspace();
        return editLogicTitle(ws.ladder, logic, prompts_, ws.language);
    };
    return h;
}

void LadderInput::wireMenus() {
    for (const char* name : kPopups) {
        auto* menu = window_.findChild<QMenu*>(QString::fromLatin1(name));
        if (menu == nullptr) {
            continue;
        }
        QList<QAction*> actions = menu->actions();
        for (QAction* a : menu->findChildren<QAction*>()) {
            if (!actions.contains(a)) {
                actions.push_back(a);
            }
        }
        for (QMenu* sub : menu->findChildren<QMenu*>()) {
            actions += sub->actions();
        }
        for (QAction* a : actions) {
            if (a->isSeparator() || a->objectName().isEmpty()) {
                continue;
            }
            a->setEnabled(true);
            if (a->menu() != nullptr) {
                continue;
            }
            connect(a, &QAction::triggered, this, [this, a] {
                for (const char* popup : kPopups) {
                    if (auto* m = window_.findChild<QMenu*>(QString::fromLatin1(popup))) {
                        m->hide();
                    }
                }
                apply(controller_->menuItem(a->objectName().toStdString()));
            });
        }
    }
}

void LadderInput::openMenu(const MenuRequest& request, QPoint globalAt) {
    auto* menu = window_.findChild<QMenu*>(toQt(request.menu));
    if (menu == nullptr) {
        return;
    }
    QList<QAction*> actions = menu->actions();
    for (QMenu* sub : menu->findChildren<QMenu*>()) {
        actions += sub->actions();
    }
    for (QAction* a : actions) {
        if (a->isSeparator() || a->objectName().isEmpty()) {
            continue;
        }
        const std::string name = a->objectName().toStdString();
        a->setVisible(std::find(request.hidden.begin(), request.hidden.end(), name) ==
                      request.hidden.end());
        if (a->isCheckable()) {
            a->setChecked(name == request.checked);
        }
    }
    menu->popup(globalAt);
}

void LadderInput::apply(const InputResult& result, QPoint menuAt) {
    Workspace& ws = window_.workspace();
    const ViewUpdate& v = result.view;
    if (v.modified) {
        ws.project.record.modified = true;
    }
    if (page_ != nullptr) {
        if (result.hideMemo) {
            if (auto* fechar = page_->findChild<QToolButton*>(QStringLiteral("ImageFecharCom"));
                fechar != nullptr && fechar->isVisible()) {
                fechar->click();
            } else if (auto* memo =
                           page_->findChild<QPlainTextEdit*>(QStringLiteral("MemoComentario"))) {
                memo->hide();
            }
        }
        if (v.scrollToTop != 0) {
            page_->RolaParaLogica(v.scrollToTop);
        } else if (v.scrollTo != 0) {
            page_->RolaParaLogica(v.scrollTo);
        } else if (v.layout) {
            page_->Desenha();
        } else if (v.redrawOpenLogic) {
            page_->redrawOpenLogic();
        }
        if ((result.drawCursor || v.redrawOpenLogic || v.layout) && ws.ladder.isOpen()) {
            page_->DesenhaCursor(ws.ladderEditor.cursor, ws.ladderEditor.cursor);
            ws.ladderEditor.last = ws.ladderEditor.cursor;
        }
        if (result.focusScrollBar && page_->scrollBar()->isVisible()) {
            page_->scrollBar()->setFocus();
        }
    }
    if (result.togglePage) {
        window_.showPage(window_.currentPage() == MainWindow::InstructionListPage
                             ? MainWindow::LadderPage
                             : MainWindow::InstructionListPage);
    }
    if (editValorAlive_ != nullptr &&
        (result.entryChanged || result.entryRefused || !editValor_->isVisible())) {
        syncEntry(result.entryRefused);
    }
    if (result.menu && page_ != nullptr) {
        QPoint at = menuAt;
        if (result.menu->atCursor || at.isNull()) {
            const auto& g = page_->state().geometry;
            const Rect cell = g.cellRect(ws.ladderEditor.cursor.column, ws.ladderEditor.cursor.row,
                                         ws.ladder.workingCopy.topY);
            at = page_->image()->mapToGlobal(QPoint(cell.left, cell.bottom));
        }
        openMenu(*result.menu, at);
    }
}

void LadderInput::syncEntry(bool refused) {
    if (editValorAlive_ == nullptr) {
        return;
    }
    const EntryView& e = controller_->entry();
    if (!e.visible) {
        if (editValor_->isVisible()) {
            editValor_->hide();
            if (page_ != nullptr) {
                page_->scrollBar()->setEnabled(true);
                page_->image()->setFocus();
            }
        }
        return;
    }
    if (refused) {
        // The refused value stays for correction, selected.
        editValor_->setFocus();
        editValor_->selectAll();
        return;
    }
    const QString prefix = e.mask.promptOnly ? QString() : toQt(e.mask.prefix);
    const QString text = prefix + toQt(e.text);
    QValidator* old = const_cast<QValidator*>(editValor_->validator());
    editValor_->setValidator(nullptr);
    delete old;
    editValor_->setText(text);
    editValor_->setValidator(validatorFor(e.mask, editValor_));
    editValor_->setGeometry(e.rect.left, e.rect.top, e.rect.width(), e.rect.height());
    if (!prefix.isEmpty()) {
        editValor_->setSelection(static_cast<int>(prefix.size()),
                                 static_cast<int>(text.size() - prefix.size()));
    } else if (e.selectAll && !text.isEmpty()) {
        editValor_->selectAll();
    } else {
        editValor_->setCursorPosition(static_cast<int>(text.size()));
    }
    editValor_->show();
    editValor_->raise();
    editValor_->setFocus();
    if (page_ != nullptr) {
        page_->scrollBar()->setEnabled(false);
    }
}

bool LadderInput::entryKey(QKeyEvent* key) {
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        apply(controller_->entryEnter(fromQt(editValor_->text())));
        return true;
    }
    if (key->key() == Qt::Key_Escape) {
        apply(controller_->entryEscape());
        return true;
    }
    return false;
}

bool LadderInput::imageEvent(QEvent* event) {
    const auto& g = page_->state().geometry;
    auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint p = mouse->position().toPoint();
    switch (event->type()) {
    case QEvent::MouseMove: {
        controller_->mouseMove(g, p.x(), p.y());
        if (auto* panel = window_.findChild<QLabel*>(QStringLiteral("StatusBarPrincipalPanel3"))) {
            const std::string status = controller_->pointerStatus();
            if (!status.empty()) {
                panel->setText(toQt(status));
            }
        }
        if (controller_->pointerShape() == PointerShape::Hand) {
            page_->image()->setCursor(Qt::PointingHandCursor);
            return true; // the tools' own pointer shape would cover it
        }
        return false;
    }
    case QEvent::MouseButtonPress: {
        const MouseButton button = mouse->button() == Qt::RightButton  ? MouseButton::Right
                                   : mouse->button() == Qt::LeftButton ? MouseButton::Left
                                                                       : MouseButton::Middle;
        auto* memo = page_->findChild<QPlainTextEdit*>(QStringLiteral("MemoComentario"));
        const bool memoVisible = memo != nullptr && memo->isVisible();
        const QPoint global = mouse->globalPosition().toPoint();
        apply(controller_->mouseDown(g, button, p.x(), p.y(), memoVisible), global);
        return true;
    }
    case QEvent::MouseButtonRelease:
        apply(controller_->mouseUp(g, p.x(), p.y()));
        return true;
    case QEvent::MouseButtonDblClick:
        apply(controller_->doubleClick(g, p.x(), p.y()));
        return true;
    default:
        return false;
    }
}

bool LadderInput::windowKey(QObject* watched, QKeyEvent* key) {
    // Application shortcuts (Ctrl and Alt combinations) stay with the window.
    if ((key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) != 0) {
        return false;
    }
    auto* w = qobject_cast<QWidget*>(watched);
    if (w == nullptr || w->window() != &window_ || w == editValorAlive_.data()) {
        return false;
    }
    // A key passed on to the parents passes every filter again: act on it once.
    if (!lastKeyWidget_.isNull() && w != lastKeyWidget_ && w->isAncestorOf(lastKeyWidget_) &&
        key->timestamp() == lastKeyTime_ && key->key() == lastKeyCode_) {
        return false;
    }
    lastKeyWidget_ = w;
    lastKeyTime_ = key->timestamp();
    lastKeyCode_ = key->key();
    const auto k = keyOf(key->key());
    const bool ladderPage = window_.currentPage() == MainWindow::LadderPage;
    if (k == Key::F4) {
        apply(controller_->keyDown(Key::F4, ladderPage));
        return true;
    }
    if (isTextEditor(w)) {
        return false;
    }
    if (!key->text().isEmpty()) {
        for (QChar ch : key->text()) {
            apply(controller_->keyPress(static_cast<char>(ch.toLatin1())));
        }
    }
    if (!ladderPage) {
        return false;
    }
    if (!window_.workspace().ladder.isOpen()) {
        apply(controller_->keyDown(k.value_or(Key::Other), true));
        return false;
    }
    if (!controller_->keyPreview()) {
        return false;
    }
    apply(controller_->keyDown(k.value_or(Key::Other), true));
    return true;
}

bool LadderInput::eventFilter(QObject* watched, QEvent* event) {
    if (editValorAlive_ != nullptr && watched == editValorAlive_.data() &&
        event->type() == QEvent::KeyPress) {
        return entryKey(static_cast<QKeyEvent*>(event));
    }
    if (!image_.isNull() && watched == image_.data()) {
        switch (event->type()) {
        case QEvent::MouseMove:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            return imageEvent(event);
        default:
            break;
        }
    }
    if (event->type() == QEvent::KeyPress) {
        return windowKey(watched, static_cast<QKeyEvent*>(event));
    }
    if (event->type() == QEvent::KeyRelease) {
        // The press has gone through all its parents by now.
        lastKeyWidget_.clear();
    }
    return QObject::eventFilter(watched, event);
}

LadderInput* installLadderInput(MainWindow& window) {
    return new LadderInput(window);
}

} // namespace velmora::gui
