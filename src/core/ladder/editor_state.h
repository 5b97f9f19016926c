#pragma once

// The state of the ladder editor beside the working copy: where operations act, which tool is
// chosen and which area is marked. One instance lives in the Workspace for the whole session.

#include "core/ladder/ladder_drawing.h"
#include "core/ladder/program.h"

namespace velmora::ladder {

// Tool numbers. Element tools are the numbers the catalogue gives (elementOfTool).
inline constexpr int kToolArrow = -2; // selection: a click only moves the editing cursor
inline constexpr int kToolNone = 0;   // a click on an occupied cell offers to delete it
inline constexpr int kToolLinkInsert = 25;
inline constexpr int kToolLine = 26;
inline constexpr int kToolFill = 27;
inline constexpr int kToolLinkDelete = 37;

// A rectangle of element columns and rows; all four -1 when nothing was ever marked.
struct MarkedArea {
    int left = -1;
    int top = -1;
    int right = -1;
    int bottom = -1;
    bool marked = false;

    bool singleCell() const { return left == right && top == bottom; }
    bool operator==(const MarkedArea&) const = default;
};

struct EditorState {
    CellPosition cursor;   // the editing cursor: operations act here
    CellPosition last;     // where the cursor highlight was last drawn; set by every edit
    CellPosition pointer;  // the cell under the mouse pointer
    int pointerLogic = 0;  // the stored logic under the pointer
    int tool = kToolNone;  // the current tool
    bool placing = false;  // operands of a just placed element are being entered
    MarkedArea area;       // the marked area
    bool keepTool = false; // TbMantendo: the tool stays after a placement by mouse
};

} // namespace velmora::ladder
