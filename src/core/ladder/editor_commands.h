#pragma once

// The editing operations on the open logic (the working copy): placing the element of the
// current tool with its rules, replacing and deleting elements, vertical links, horizontal
// lines, the marked area, and inserting rows and columns. Each operation shows its own boxes
// through Prompts and reports what it did; a refused operation leaves the working copy as it
// was. With no logic open nothing is done.

#include "core/ladder/editor_session.h"
#include "core/ladder/editor_state.h"
#include "core/lang/language.h"
#include "core/seams/prompts.h"

#include <optional>
#include <string>

namespace velmora::ladder {

// Message numbers of the editing operations.
inline constexpr int kMsgTimerColumn = 278;       // a timer's column or beyond it
inline constexpr int kMsgCoilWithDataBlock = 216; // a coil where a move or arithmetic block is
inline constexpr int kMsgSecondTimer = 217;       // one timer or counter per logic
inline constexpr int kMsgSecondDataBlock = 218;   // one move or arithmetic block per logic
inline constexpr int kMsgMoveWithCoil = 219;      // a move where a coil is
inline constexpr int kMsgLinkUnderCoils = 220;    // the rail link still joins coils below
inline constexpr int kMsgConfirmDeleteArea = 229;
inline constexpr int kMsgConfirmDeleteElement = 230;
inline constexpr int kMsgConfirmReplace = 232;
inline constexpr int kMsgArithmeticWithCoil = 449; // a multiply or divide block where a coil is

// "Parallel links with counters are not allowed".
inline constexpr const char* kTextoContadorParalelo = "N\xE3o \xE9 permitido fazer liga\xE7\xF5"
                                                      "es em paralelo com Contadores";
// Insert row or column would cut a multi-cell element in two.
inline constexpr const char* kTextoDividiriaElemento =
    "N\xE3o \xE9 poss\xEDvel inserir aqui: um elemento seria dividido";
// Insert row or column would push cells out of the logic.
inline constexpr const char* kTextoSemEspaco =
    "N\xE3o \xE9 poss\xEDvel inserir aqui: n\xE3o h\xE1 espa\xE7o na l\xF3gica";

// What an operation works on. `projectSlot`, when given, receives the edited program after
// each placement and deletion (the project's slot the program belongs to).
struct EditorContext {
    EditorSession& session;
    EditorState& state;
    Prompts& prompts;
    const Language& language;
    TPrograma* projectSlot = nullptr;
};

struct EditResult {
    bool changed = false; // the working copy changed: redraw the open logic
    bool layout = false;  // rows or columns moved: run the layout pass
    int message = 0;      // the numbered message shown (0: none or a literal text)
    std::string shown;    // the text of the box shown, empty when none
    // The first cell of a placed element whose operands are to be entered next.
    std::optional<CellPosition> operandEntry;
};

// Places the element of the current tool at the editing cursor, with the column, position and
// content rules. Does not replace: an occupied footprint is written over as it stands, so
// callers that act for the user go through placeWithReplacing.
EditResult ColocaElemento(EditorContext& ctx);

// A placement by the user at the editing cursor: when the footprint of the current tool holds
// anything but horizontal lines, every rule is checked first (as if the elements there were
// gone), then message 232 asks, and only on Yes are they deleted and the element placed. With
// tool 0 it offers to delete the element at the cursor.
EditResult placeWithReplacing(EditorContext& ctx);

// A left click on cell `cell` of the open logic: the cursor moves there, the current tool acts
// (links, placement with replacing; the arrow only moves the cursor), then the tool returns to
// the arrow unless keep tool is set.
EditResult clickCell(EditorContext& ctx, CellPosition cell);

// Deletes the element that has a cell at the editing cursor (all its cells); a single-cell
// element, a horizontal line or an unknown text is emptied alone; an empty cell stays.
EditResult ApagaElemento(EditorContext& ctx);

// The Delete key: a marked area of one cell is unmarked; a marked area is deleted after
// message 229; otherwise the tool becomes 0 and the element at the cursor is deleted, after
// message 230 when it is more than a horizontal line.
EditResult pressDelete(EditorContext& ctx);

// A vertical link on the right of the cursor's element column (column 8: also the rail link).
EditResult InsereLigacao(EditorContext& ctx);
EditResult ApagaLigacao(EditorContext& ctx);

// A horizontal line at the cursor (tool 26, with replacing); horizontal lines from the cursor
// rightwards into the empty cells before the first occupied one (never into column 9).
EditResult TracoHorizontal(EditorContext& ctx);
EditResult CompletaTraco(EditorContext& ctx);

// The area normalised and widened until it cuts no element; stays within the grid.
MarkedArea AlargaArea(const TLogica& logic, MarkedArea area);
// Deletes every element of the area and the link cells on the left of its cells.
EditResult ApagaArea(EditorContext& ctx, const MarkedArea& area);

// "Inserir" > "linha" and "coluna": at the last position's row or column of the open logic.
EditResult insertRow(EditorContext& ctx);
EditResult insertColumn(EditorContext& ctx);

} // namespace velmora::ladder
