#pragma once

// What lies under the mouse pointer on the ladder page: the logic (as the last layout pass
// placed them), the cell of that logic, and whether the pointer is on the logic's header band.

#include "core/ladder/ladder_drawing.h"
#include "core/ladder/ladder_geometry.h"
#include "core/ladder/program.h"

#include <optional>

namespace velmora::ladder {

struct PointerHit {
    int logic = 0;                    // the logic under the pointer (1 ... count)
    std::optional<CellPosition> cell; // the cell, when the pointer is over the logic's cells
    bool headerBand = false;          // over the logic's header band (the title)
};

// The pointer at drawing coordinates (x, y). The logic is the first whose top y < y < bottom y;
// over none it stays `previousLogic`, at most count. Columns and rows stay within the grid.
PointerHit hitTest(const LadderGeometry& g, const TPrograma& program, int previousLogic, int x,
                   int y);

} // namespace velmora::ladder
