#pragma once

// The ladder editing tools as the main window offers them: every tool button with its tool
// number and cursor name, and the pictures of both, drawn by the same code that draws the
// elements on the ladder page (the program ships no image files).

#include <QCursor>
#include <QIcon>
#include <QImage>

#include <span>

namespace velmora::gui {

struct LadderToolButton {
    const char* component; // the QAction's objectName
    int tool;
    const char* cursor; // the cursor's name; empty for the system arrow
    bool hidden;        // declared hidden on the form
    bool byModel;       // enabled only once a project's controller model is applied
};

// Every tool button, in tool-bar order.
std::span<const LadderToolButton> ladderToolButtons();
const LadderToolButton* ladderToolButton(int tool);

// The picture of what a tool places, on white, cut to the element's cells.
QImage ladderToolImage(int tool);
QIcon ladderToolIcon(int tool);
// The pointer over the open logic while the tool is chosen: an arrow with the tool's picture.
// The arrow and no tool use the system arrow.
QCursor ladderToolCursor(int tool);

} // namespace velmora::gui
