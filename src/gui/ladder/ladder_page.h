#pragma once

// The ladder page: the whole edited program drawn logic by logic into an off-screen bitmap as
// large as the visible image, shown by ImageLadder inside ScrollBoxLadder, with ScrollBarLadder
// beside it. Only the logics that intersect the image are drawn on each pass.

#include "core/ladder/ladder_layout.h"
#include "core/ladder/monitor_hooks.h"
#include "core/workspace.h"

#include <QImage>
#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QScrollBar;
class QToolButton;

namespace velmora::gui {

// The image the bitmap is copied onto.
class ImageLadder : public QWidget {
    Q_OBJECT
public:
    explicit ImageLadder(QWidget* parent = nullptr);

    QImage& bitmap() { return bitmap_; }
    const QImage& bitmap() const { return bitmap_; }

signals:
    void wheelScrolled(int delta);

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    QImage bitmap_;
};

class LadderPage : public QWidget {
    Q_OBJECT
public:
    explicit LadderPage(Workspace& ws, QWidget* parent = nullptr);

    // The layout pass: lays out and draws the visible logics, sets the scroll bar.
    void Desenha();
    // Brings logic n to the top of the page.
    void RolaParaLogica(int n);
    // A new display mode: the geometry is reset to that mode's base values and fitted.
    void setDisplay(ladder::OperandDisplay mode);
    ladder::OperandDisplay display() const { return state_.display; }
    // Monitoring fills these later; until then nothing is registered and no values are drawn.
    void setMonitor(ladder::MonitorHooks* monitor);

    // Redraws only the open logic (after an edit inside it).
    void redrawOpenLogic();
    // Moves the cursor highlight in the open logic; the status text goes out by signal.
    void DesenhaCursor(ladder::CellPosition last, ladder::CellPosition cursor);
    void DesenhaArea(ladder::CellArea area);

    const ladder::LadderLayout& lastLayout() const { return layout_; }
    const ladder::LadderPageState& state() const { return state_; }
    ImageLadder* image() const { return image_; }
    QScrollBar* scrollBar() const { return scrollBar_; }

signals:
    // After every layout pass (the tool buttons follow the open logic).
    void layoutDone();
    // The text of the status bar's fifth panel.
    void cursorStatus(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    ladder::LadderPageSources sources();
    // Runs `draw` on the bitmap through the shipped-font canvas, then shows it.
    template <class Draw> void paintOnBitmap(Draw draw);
    void fitToImage();
    void placeCommentControls();
    void openComment();
    void closeComment();

    Workspace& ws_;
    ladder::NoMonitoring noMonitoring_;
    ladder::MonitorHooks* monitor_ = &noMonitoring_;
    ladder::LadderPageState state_;
    ladder::LadderLayout layout_;

    QWidget* scrollBox_ = nullptr;
    ImageLadder* image_ = nullptr;
    QScrollBar* scrollBar_ = nullptr;
    QToolButton* abrirCom_ = nullptr;
    QToolButton* fecharCom_ = nullptr;
    QPlainTextEdit* memo_ = nullptr;
};

} // namespace velmora::gui
