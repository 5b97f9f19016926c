#include "gui/ladder/ladder_tools.h"

#include "core/compiler/validation.h"
#include "core/ladder/logic_commands.h"
#include "gui/app/main_window.h"
#include "gui/ladder/ladder_page.h"
#include "gui/ladder/ladder_tools_images.h"

#include <QAction>
#include <QActionGroup>
#include <QMouseEvent>
#include <QToolBar>

#include <algorithm>

namespace velmora::gui {

namespace {

using namespace velmora::ladder;

QAction* action(QObject& window, const char* name) {
    return window.findChild<QAction*>(QString::fromLatin1(name));
}

} // namespace

LadderTools::LadderTools(MainWindow& window) : QObject(&window), window_(window) {
    setObjectName(QStringLiteral("LadderTools"));
    page_ = window.findChild<LadderPage*>(QStringLiteral("PaginaLadder"));
    wireTools();
    wireCommands();
    if (page_ != nullptr) {
        page_->image()->setMouseTracking(true);
        page_->image()->installEventFilter(this);
        // The page goes before this object when the window closes.
        connect(page_, &QObject::destroyed, this, [this] { page_ = nullptr; });
        connect(page_, &LadderPage::layoutDone, this, &LadderTools::refreshEnabled);
    }
    refreshEnabled();
}

EditorContext LadderTools::context() {
    Workspace& ws = window_.workspace();
    TPrograma* slot = nullptr;
    const int n = ws.ladder.program.slot;
    if (n >= 1 && n <= static_cast<int>(ws.project.record.programs.size())) {
        slot = &ws.project.record.program(n);
    }
    return EditorContext{ws.ladder, ws.ladderEditor, window_.prompts(), ws.language, slot};
}

void LadderTools::wireTools() {
    auto* bar = window_.findChild<QToolBar*>(QStringLiteral("ToolBarLadder"));
    group_ = new QActionGroup(this);
    group_->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    QAction* first = bar != nullptr && !bar->actions().isEmpty() ? bar->actions().first() : nullptr;
    for (const LadderToolButton& b : ladderToolButtons()) {
        QAction* a = action(window_, b.component);
        if (a == nullptr && bar != nullptr) {
            // Buttons the form declares but the tool bar was built without.
            a = new QAction(bar);
            a->setObjectName(QString::fromLatin1(b.component));
            a->setText(a->objectName());
            if (b.tool == kToolArrow) {
                bar->insertAction(first, a);
            } else {
                bar->addAction(a);
            }
            if (QWidget* button = bar->widgetForAction(a)) {
                button->setObjectName(a->objectName());
            }
        }
        if (a == nullptr) {
            continue;
        }
        a->setIcon(ladderToolIcon(b.tool));
        a->setCheckable(true);
        a->setData(b.tool);
        a->setVisible(!b.hidden);
        a->setEnabled(!b.byModel);
        group_->addAction(a);
        connect(a, &QAction::triggered, this, [this, tool = b.tool] { setTool(tool); });
    }
    if (QAction* keep = action(window_, "TbMantendo")) {
        window_.workspace().ladderEditor.keepTool = keep->isChecked();
        connect(keep, &QAction::toggled, this,
                [this](bool down) { window_.workspace().ladderEditor.keepTool = down; });
    }
}

void LadderTools::enableModelTools() {
    for (const LadderToolButton& b : ladderToolButtons()) {
        if (QAction* a = action(window_, b.component); a != nullptr && b.byModel) {
            a->setEnabled(true);
        }
    }
}

void LadderTools::wireCommands() {
    Workspace& ws = window_.workspace();
    auto on = [this](const char* name, auto handler) {
        if (QAction* a = action(window_, name)) {
            connect(a, &QAction::triggered, this, handler);
        }
    };
    on("TbInsereLogica",
       [this, &ws] { follow(insertLogicByButton(ws.ladder, window_.prompts())); });
    on("miInserirLogica",
       [this, &ws] { follow(insertLogicByMenu(ws.ladder, window_.prompts(), ws.language)); });
    on("miApagarLogica",
       [this, &ws] { follow(deleteLogic(ws.ladder, window_.prompts(), ws.language)); });
    on("miIrParLogica",
       [this, &ws] { follow(goToLogic(ws.ladder, window_.prompts(), ws.language)); });
    on("TbCompila", [this, &ws] {
        const auto validate = compiler::logicValidator(ws.language, window_.prompts());
        follow(ws.ladder.ConfirmaLogica(validate));
    });
    on("miInserirLinha", [this] {
        EditorContext ctx = context();
        follow(insertRow(ctx));
    });
    on("miInserirColuna", [this] {
        EditorContext ctx = context();
        follow(insertColumn(ctx));
    });
    // The logic commands refuse by themselves while they cannot act.
    for (const char* name : {"miInserirLogica", "miApagarLogica", "miIrParLogica"}) {
        if (QAction* a = action(window_, name)) {
            a->setEnabled(true);
        }
    }
}

void LadderTools::setTool(int tool) {
    Workspace& ws = window_.workspace();
    ws.ladderEditor.tool = tool;
    for (QAction* a : group_->actions()) {
        a->setChecked(a->data().toInt() == tool);
    }
    if (page_ != nullptr) {
        page_->image()->setCursor(ladderToolCursor(tool));
    }
}

int LadderTools::tool() const {
    return window_.workspace().ladderEditor.tool;
}

QAction* LadderTools::toolAction(int tool) const {
    for (QAction* a : group_->actions()) {
        if (a->data().toInt() == tool) {
            return a;
        }
    }
    return nullptr;
}

void LadderTools::releaseButtons() {
    for (QAction* a : group_->actions()) {
        a->setChecked(false);
    }
}

EditResult LadderTools::clickCell(CellPosition cell) {
    EditorContext ctx = context();
    const CellPosition highlighted = ctx.state.last;
    const EditResult result = ladder::clickCell(ctx, cell);
    releaseButtons();
    if (page_ != nullptr) {
        page_->image()->setCursor(ladderToolCursor(ctx.state.tool));
    }
    if (result.layout || result.changed) {
        follow(result);
    } else if (page_ != nullptr) {
        page_->DesenhaCursor(highlighted, ctx.state.cursor);
        ctx.state.last = ctx.state.cursor;
    }
    return result;
}

void LadderTools::follow(const EditResult& result) {
    EditorState& state = window_.workspace().ladderEditor;
    if (page_ != nullptr) {
        if (result.layout) {
            page_->Desenha();
        } else if (result.changed) {
            page_->redrawOpenLogic();
        }
        page_->DesenhaCursor(state.cursor, state.cursor);
    }
    state.last = state.cursor;
    if (result.operandEntry) {
        emit elementPlaced(result.operandEntry->column, result.operandEntry->row);
    }
    refreshEnabled();
}

void LadderTools::follow(const ViewUpdate& update) {
    Workspace& ws = window_.workspace();
    if (update.modified) {
        ws.project.record.modified = true;
    }
    if (update.cursorHome) {
        ws.ladderEditor.cursor = {0, 0};
    }
    if (page_ != nullptr) {
        if (update.scrollToTop != 0) {
            page_->RolaParaLogica(update.scrollToTop);
        } else if (update.scrollTo != 0) {
            page_->RolaParaLogica(update.scrollTo);
        } else if (update.layout) {
            page_->Desenha();
        } else if (update.redrawOpenLogic) {
            page_->redrawOpenLogic();
        }
    }
    refreshEnabled();
}

void LadderTools::refreshEnabled() {
    const bool open = window_.workspace().ladder.isOpen();
    if (QAction* a = action(window_, "TbCompila")) {
        a->setEnabled(open);
    }
    if (QAction* a = action(window_, "TbInsereLogica")) {
        a->setEnabled(!open);
    }
    for (const char* name : {"miInserirLinha", "miInserirColuna"}) {
        if (QAction* a = action(window_, name)) {
            a->setEnabled(open);
        }
    }
}

std::optional<CellPosition> LadderTools::cellAt(const QPoint& point) const {
    const Workspace& ws = window_.workspace();
    const int open = ws.ladder.openLogic();
    if (page_ == nullptr || open == 0 || logicAtY(ws.ladder.program, point.y()) != open) {
        return std::nullopt;
    }
    const LadderGeometry& g = page_->state().geometry;
    const int dy = point.y() - ws.ladder.program.logic(open).topY;
    if (point.x() <= g.leftMargin || point.x() >= g.drawingWidth() || dy <= g.headerHeight) {
        return std::nullopt;
    }
    const int column = std::min((point.x() - g.leftMargin) / g.columnPitch(), kElementColumns - 1);
    const int row = std::min((dy - g.headerHeight) / g.rowPitch(), kEditedRows - 1);
    return CellPosition{column, row};
}

bool LadderTools::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if ((type != QEvent::MouseMove && type != QEvent::MouseButtonPress) || !mouseHandling_ ||
        page_ == nullptr || watched != page_->image()) {
        return QObject::eventFilter(watched, event);
    }
    if (type == QEvent::MouseMove) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const bool overOpen = cellAt(mouse->position().toPoint()).has_value();
        page_->image()->setCursor(overOpen ? ladderToolCursor(tool()) : QCursor(Qt::ArrowCursor));
    } else {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            if (const auto cell = cellAt(mouse->position().toPoint())) {
                clickCell(*cell);
                return true;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

LadderTools* wireLadderTools(MainWindow& window) {
    return new LadderTools(window);
}

} // namespace velmora::gui
