#include "gui/ladder/ladder_page.h"

#include "gui/adapters/qt_canvas.h"
#include "gui/adapters/qt_text.h"
#include "gui/ladder/ladder_canvas.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPainter>
#include <QPlainTextEdit>
#include <QResizeEvent>
#include <QScrollBar>
#include <QToolButton>
#include <QWheelEvent>

#include <algorithm>

namespace velmora::gui {

namespace {

// A small note; crossed out on the button that closes the comment.
QIcon commentIcon(bool close) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(QColor(128, 128, 0));
    p.setBrush(QColor(255, 255, 160));
    p.drawRect(1, 1, 13, 11);
    p.drawLine(4, 12, 3, 15);
    p.drawLine(3, 15, 8, 12);
    p.setPen(QColor(64, 64, 64));
    for (int y = 4; y <= 9; y += 3) {
        p.drawLine(4, y, 11, y);
    }
    if (close) {
        p.setPen(QPen(QColor(192, 0, 0), 2));
        p.drawLine(3, 2, 12, 11);
        p.drawLine(12, 2, 3, 11);
    }
    return QIcon(pixmap);
}

QToolButton* commentButton(QWidget* parent, const char* name, bool close) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(commentIcon(close));
    button->setAutoRaise(true);
    button->setFixedSize(20, 20);
    button->hide();
    return button;
}

} // namespace

ImageLadder::ImageLadder(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ImageLadder"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ImageLadder::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.fillRect(event->rect(), Qt::white);
    p.drawImage(event->rect().topLeft(), bitmap_, event->rect());
}

void ImageLadder::wheelEvent(QWheelEvent* event) {
    emit wheelScrolled(event->angleDelta().y());
    event->accept();
}

LadderPage::LadderPage(Workspace& ws, QWidget* parent) : QWidget(parent), ws_(ws) {
    setObjectName(QStringLiteral("PaginaLadder"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);

    scrollBox_ = new QWidget(this);
    scrollBox_->setObjectName(QStringLiteral("ScrollBoxLadder"));
    scrollBox_->installEventFilter(this);
    image_ = new ImageLadder(scrollBox_);
    scrollBar_ = new QScrollBar(Qt::Vertical, this);
    scrollBar_->setObjectName(QStringLiteral("ScrollBarLadder"));
    // Showing and hiding the bar must not change the width the drawing is fitted to.
    QSizePolicy policy = scrollBar_->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    scrollBar_->setSizePolicy(policy);
    scrollBar_->setSingleStep(20);
    scrollBar_->hide();

    abrirCom_ = commentButton(scrollBox_, "ImageAbrirCom", false);
    fecharCom_ = commentButton(scrollBox_, "ImageFecharCom", true);
    memo_ = new QPlainTextEdit(scrollBox_);
    memo_->setObjectName(QStringLiteral("MemoComentario"));
    memo_->setReadOnly(true);
    memo_->hide();

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(scrollBox_, 1);
    row->addWidget(scrollBar_);

    connect(scrollBar_, &QScrollBar::valueChanged, this, [this](int value) {
        if (value != state_.scrollPosition) {
            state_.scrollPosition = value;
            Desenha();
        }
    });
    connect(image_, &ImageLadder::wheelScrolled, this, [this](int delta) {
        if (scrollBar_->isVisible()) {
            scrollBar_->setValue(scrollBar_->value() - delta / 120 * 3 * scrollBar_->singleStep());
        }
    });
    connect(abrirCom_, &QToolButton::clicked, this, &LadderPage::openComment);
    connect(fecharCom_, &QToolButton::clicked, this, &LadderPage::closeComment);
}

ladder::LadderPageSources LadderPage::sources() {
    return ladder::LadderPageSources{ws_.ladder.program, ws_.ladder.workingCopy,
                                     ws_.project.symbols, ws_.language, *monitor_};
}

template <class Draw> void LadderPage::paintOnBitmap(Draw draw) {
    QImage& bitmap = image_->bitmap();
    QPainter painter(&bitmap);
    QtCanvas qtCanvas(painter);
    FontMappingCanvas canvas(qtCanvas);
    draw(canvas);
    painter.end();
    image_->update();
}

void LadderPage::Desenha() {
    const QSize size(std::max(1, image_->width()), std::max(1, image_->height()));
    QImage& bitmap = image_->bitmap();
    if (bitmap.size() != size) {
        bitmap = QImage(size, QImage::Format_RGB32);
    }
    paintOnBitmap([&](Canvas& canvas) {
        auto src = sources();
        layout_ = ladder::Desenha(state_, src, canvas, {size.width(), size.height()},
                                  scrollBox_->width());
    });

    {
        const QSignalBlocker blocker(scrollBar_);
        scrollBar_->setMaximum(layout_.scrollBarMaximum);
        scrollBar_->setPageStep(std::max(1, size.height()));
        scrollBar_->setValue(layout_.scrollBarPosition);
        scrollBar_->setVisible(layout_.scrollBarVisible);
    }
    image_->raise();
    placeCommentControls();
    emit layoutDone();
}

void LadderPage::placeCommentControls() {
    const QPoint at(layout_.abrirComPosition.x, layout_.abrirComPosition.y);
    if (!layout_.abrirComVisible) {
        abrirCom_->hide();
        fecharCom_->hide();
        memo_->hide();
        return;
    }
    abrirCom_->move(at);
    fecharCom_->move(at);
    if (memo_->isVisible()) {
        openComment(); // follows the logic as it scrolls
        return;
    }
    abrirCom_->show();
    abrirCom_->raise();
}

void LadderPage::openComment() {
    const ladder::LadderGeometry& g = state_.geometry;
    const int top = layout_.openLogicTop + g.headerHeight;
    memo_->setGeometry(g.leftMargin, top, g.drawingWidth() - g.leftMargin,
                       std::max(20, g.openLogicHeight() - g.headerHeight - g.bottomMargin));
    QString text = toQt(ws_.ladder.workingCopy.comment);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (memo_->toPlainText() != text) {
        memo_->setPlainText(text);
    }
    memo_->show();
    memo_->raise();
    abrirCom_->hide();
    fecharCom_->show();
    fecharCom_->raise();
}

void LadderPage::closeComment() {
    memo_->hide();
    fecharCom_->hide();
    if (layout_.abrirComVisible) {
        abrirCom_->show();
        abrirCom_->raise();
    }
}

void LadderPage::RolaParaLogica(int n) {
    const auto& session = ws_.ladder;
    state_.scrollPosition = ladder::RolaParaLogica(state_, session.program, session.openLogic(),
                                                   monitor_->running(), n);
    Desenha();
}

void LadderPage::setDisplay(ladder::OperandDisplay mode) {
    state_.setDisplay(mode, image_->width(), image_->height());
    Desenha();
}

void LadderPage::setMonitor(ladder::MonitorHooks* monitor) {
    monitor_ = monitor != nullptr ? monitor : &noMonitoring_;
}

void LadderPage::redrawOpenLogic() {
    auto& session = ws_.ladder;
    if (!session.isOpen() || image_->bitmap().isNull()) {
        return;
    }
    paintOnBitmap([&](Canvas& canvas) {
        auto src = sources();
        ladder::LadderDrawContext ctx{canvas,       state_.geometry, state_.display, src.symbols,
                                      src.language, src.monitor,     false};
        ladder::DesenhaLogicaAberta(ctx, session.workingCopy, session.workingCopy.topY);
    });
}

void LadderPage::DesenhaCursor(ladder::CellPosition last, ladder::CellPosition cursor) {
    auto& session = ws_.ladder;
    if (!session.isOpen() || image_->bitmap().isNull()) {
        return;
    }
    std::string status;
    paintOnBitmap([&](Canvas& canvas) {
        auto src = sources();
        ladder::LadderDrawContext ctx{canvas,       state_.geometry, state_.display, src.symbols,
                                      src.language, src.monitor,     false};
        status = ladder::DesenhaCursor(ctx, session.workingCopy, last, cursor);
    });
    emit cursorStatus(toQt(status));
}

void LadderPage::DesenhaArea(ladder::CellArea area) {
    auto& session = ws_.ladder;
    if (!session.isOpen() || image_->bitmap().isNull()) {
        return;
    }
    paintOnBitmap([&](Canvas& canvas) {
        auto src = sources();
        ladder::LadderDrawContext ctx{canvas,       state_.geometry, state_.display, src.symbols,
                                      src.language, src.monitor,     false};
        ladder::DesenhaArea(ctx, session.workingCopy, area);
    });
}

void LadderPage::fitToImage() {
    state_.resize(image_->width(), image_->height());
}

bool LadderPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == scrollBox_ && event->type() == QEvent::Resize) {
        image_->setGeometry(scrollBox_->rect());
        fitToImage();
        Desenha();
    }
    return QWidget::eventFilter(watched, event);
}

void LadderPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Desenha();
}

} // namespace velmora::gui
