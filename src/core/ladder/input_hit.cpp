#include "core/ladder/input_hit.h"

#include <algorithm>

namespace velmora::ladder {

PointerHit hitTest(const LadderGeometry& g, const TPrograma& program, int previousLogic, int x,
                   int y) {
    PointerHit hit;
    hit.logic = std::clamp(previousLogic, 1, program.count());
    for (int i = 1; i <= program.count(); ++i) {
        const TLogica& logic = program.logic(i);
        if (logic.topY < y && y < logic.bottomY) {
            hit.logic = i;
            break;
        }
    }
    if (!(g.leftMargin < x && x < g.drawingWidth())) {
        return hit;
    }
    const int inLogic = y - program.logic(hit.logic).topY;
    if (inLogic > g.headerHeight) {
        const int column = (x - g.leftMargin) / std::max(1, g.columnPitch());
        const int row = (inLogic - g.headerHeight) / std::max(1, g.rowPitch());
        hit.cell =
            CellPosition{std::min(column, kLastElementColumn), std::min(row, kEditedRows - 1)};
    } else if (inLogic >= 0 && inLogic < g.headerHeight) {
        hit.headerBand = true;
    }
    return hit;
}

} // namespace velmora::ladder
