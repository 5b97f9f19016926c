#pragma once

// The ladder editing tools and commands of the main window: finds the tool buttons and menu
// items by name, sets the current tool, gives the buttons and the open logic their pictures,
// runs the editing operations and the logic commands, and keeps the items enabled as the
// editor's state allows.

#include "core/ladder/editor_commands.h"

#include <QCursor>
#include <QObject>

class QAction;
class QActionGroup;

namespace velmora::gui {

class LadderPage;
class MainWindow;

class LadderTools : public QObject {
    Q_OBJECT
public:
    explicit LadderTools(MainWindow& window);

    // As a tool button does: the current tool, its button down, the others up.
    void setTool(int tool);
    int tool() const;
    QAction* toolAction(int tool) const;

    // A left click on cell `cell` of the open logic with the current tool; the view follows.
    ladder::EditResult clickCell(ladder::CellPosition cell);

    // The buttons that come with the controller model of a project.
    void enableModelTools();

    // Until the editor's mouse input takes over, a left press on a cell of the open logic goes
    // to clickCell and the pointer shows the tool's cursor over the open logic.
    void setMouseHandling(bool on) { mouseHandling_ = on; }

signals:
    // A placed element's operands are to be entered, from its first cell.
    void elementPlaced(int column, int row);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ladder::EditorContext context();
    void wireTools();
    void wireCommands();
    void follow(const ladder::EditResult& result);
    void follow(const ladder::ViewUpdate& update);
    void refreshEnabled();
    void releaseButtons();
    // The cell of the open logic at a point of ImageLadder, or nothing.
    std::optional<ladder::CellPosition> cellAt(const QPoint& point) const;

    MainWindow& window_;
    LadderPage* page_ = nullptr;
    QActionGroup* group_ = nullptr;
    bool mouseHandling_ = true;
};

// Wires the ladder tools into the main window (called once, when it is built).
LadderTools* wireLadderTools(MainWindow& window);

} // namespace velmora::gui
