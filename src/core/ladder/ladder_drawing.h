#pragma once

// Drawing of logics and cells onto a Canvas: the header band and frame, a closed logic with its
// wire stubs, the open logic with its connection grid, every element, the vertical links, the
// cursor and marked-area highlights and the status-bar text of the cell under the cursor. The
// same code paints the screen and the printer: the canvas and the thick-line flag are given.

#include "core/ladder/ladder_geometry.h"
#include "core/ladder/monitor_hooks.h"
#include "core/ladder/program.h"
#include "core/lang/language.h"
#include "core/seams/canvas.h"
#include "core/tables/symbol_table.h"

#include <string>
#include <string_view>

namespace velmora::ladder {

// The background of a drawn cell: "B" is the normal white one, any other mode ("A" from the
// editor) the highlighted silver one.
enum class CellMode { Normal, Highlighted };

// How a logic's cells are drawn: "loginc" as a closed logic, "logcom" as the open one.
enum class LogicKind { Closed, Open };

struct LadderDrawContext {
    Canvas& canvas;
    const LadderGeometry& geometry;
    OperandDisplay display;
    const tables::SymbolTable& symbols;
    const Language& language;
    MonitorHooks& monitor;
    bool thickLines = false; // the printout's thick-line flag: pens as wide as the line width
};

// "Logica 001: title" (message 11 with the number in three digits, ": ", the title).
std::string headerText(const Language& language, const TLogica& logic);

// The logic's area filled white, the header line and the frame with both rails.
void drawLogicHeader(LadderDrawContext& ctx, const TLogica& logic, int top, int height);

// Draws the logic closed with its top at `top`; returns its height.
int DesenhaLogicaFechada(LadderDrawContext& ctx, const TLogica& logic, int top);

// Draws the open logic (the working copy) with its top at `top`: all rows and the grid of
// points where vertical links can be set.
void DesenhaLogicaAberta(LadderDrawContext& ctx, const TLogica& logic, int top);

// All non-empty element cells of rows 0 ... 7 in mode "B", then all non-empty link cells of
// storage columns 0 ... 18, at the logic's top y.
void RedesenhaCelulas(LadderDrawContext& ctx, const TLogica& logic, LogicKind kind);

// Draws the cell at storage column s, row r of the logic (at its top y) whose text is `text`.
// A later part of an element is drawn from its first cell; a part that would lie outside the
// grid, or whose first cell is not that element's, draws nothing.
void DesenhaCelula(LadderDrawContext& ctx, const TLogica& logic, int s, int r, CellMode mode,
                   std::string_view text);

// A link cell of a logic whose top is `top`: "I..." is the vertical link from row r's wire down
// to row r + 1's; an empty text draws the same line white, erasing it.
void DesenhaLigacao(LadderDrawContext& ctx, int top, int s, int r, std::string_view text,
                    LogicKind kind);

// Element column and row of the editing cursor.
struct CellPosition {
    int column = 0;
    int row = 0;
    bool operator==(const CellPosition&) const = default;
};

// The cursor highlight moves from `last` to `cursor` in the open logic; returns the text of
// the status bar's fifth panel. Cells outside the grid are left alone.
std::string DesenhaCursor(LadderDrawContext& ctx, const TLogica& openLogic, CellPosition last,
                          CellPosition cursor);

// The status-bar text of the cell under the cursor: for a contact or coil its operand, " : "
// and its comment, or " : " and its symbol when it has no comment; empty for other cells.
std::string cursorStatusText(const tables::SymbolTable& symbols, std::string_view cellText);

// A marked area of element columns and rows (corners in any order), highlighted silver.
struct CellArea {
    CellPosition from;
    CellPosition to;
};
void DesenhaArea(LadderDrawContext& ctx, const TLogica& openLogic, CellArea area);

} // namespace velmora::ladder
