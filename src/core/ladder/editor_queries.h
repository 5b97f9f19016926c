#pragma once

// Questions the placement rules ask about the working copy. Cells are recognised by their code
// (characters 1-3) through the catalogue, never by a code found elsewhere in the text, so an
// operand or an expression that happens to spell a code does not count.

#include "core/ladder/editor_state.h"
#include "core/ladder/ladder_drawing.h"
#include "core/ladder/program.h"

#include <optional>
#include <string_view>
#include <vector>

namespace velmora::ladder {

// Shown when a tool has no footprint; no tool the editor offers reaches it.
inline constexpr const char* kTextoFalhaExisteComponente =
    "function ExisteComponente apresenta falha";

// A timer (TON, TOF, TPP), an up or down counter (CUP, CDO) or a fast counter (CRP) anywhere in
// storage columns 0 ... 20, rows 0 ... 9.
bool TemTemporizadorContador(const TLogica& logic);
// A move or arithmetic block (MBB ... MP4, SMB ... DVL) in the same cells.
bool TemBlocoDados(const TLogica& logic);
// A coil (BOB, BON, BOS, BOR) in the same cells.
bool TemBobina(const TLogica& logic);

// The last cell of a timer (TON, TOF, TPP), scanning element columns 0 ... 9 and rows 0 ... 7
// within each; column and row -1 when there is none.
CellPosition UltimoTemporizador(const TLogica& logic);
// The same for the counters CUP and CDO.
CellPosition UltimoContador(const TLogica& logic);

// How many rows a placement with `tool` covers from the cursor down; nothing for a tool that
// places nothing (arrow, links) or is unknown.
std::optional<int> footprintRows(int tool);

struct Occupancy {
    bool occupied = false;
    int rows = 0; // the tool's footprint rows
};

// Whether any of the tool's footprint rows, from `row` down in storage column `storageCol`,
// holds a text that is not a horizontal line. Nothing for a tool without a footprint.
std::optional<Occupancy> ExisteComponente(const TLogica& logic, int storageCol, int row, int tool);

// Every element cell a placement with `tool` at (c, r) would write or replace, within the grid:
// the rows and columns of the element, and for coils both the cursor cell and the coil column.
std::vector<CellPosition> footprintCells(int tool, int c, int r);

// Whether any of those cells holds something other than a horizontal line.
bool footprintOccupied(const TLogica& logic, int tool, int c, int r);

} // namespace velmora::ladder
