#include "core/ladder/catalogue.h"
#include "core/ladder/cell.h"
#include "core/ladder/editor_detail.h"
#include "core/ladder/editor_queries.h"

namespace velmora::ladder {

namespace detail {

bool deleteElementAt(TLogica& logic, int c, int r) {
    if (c < 0 || c >= kElementColumns || r < 0 || r >= kEditedRows) {
        return false;
    }
    TCelula& here = logic.element(c, r);
    if (here.empty()) {
        return false;
    }
    // Only cells that really are the element's own parts go: a damaged neighbour of another
    // element is never taken along.
    if (const auto origin = elementAt(logic, c, r)) {
        const ElementKind& kind = *origin->kind;
        const bool down = kind.shape != Shape::Horizontal;
        for (int p = 1; p <= kind.cellCount; ++p) {
            const int col = down ? origin->column : origin->column + p - 1;
            const int row = down ? origin->row + p - 1 : origin->row;
            if (col >= kElementColumns || row >= kEditedRows) {
                continue;
            }
            TCelula& cell = logic.element(col, row);
            if (CodigoCelula(cell.text) == kind.code && cellPart(cell.text) == p) {
                cell.clear();
            }
        }
    }
    here.clear();
    return true;
}

} // namespace detail

EditResult ApagaElemento(EditorContext& ctx) {
    EditResult result;
    if (!ctx.session.isOpen()) {
        return result;
    }
    result.changed = detail::deleteElementAt(ctx.session.workingCopy, ctx.state.cursor.column,
                                             ctx.state.cursor.row);
    ctx.state.last = ctx.state.cursor;
    detail::copyToSlot(ctx);
    return result;
}

EditResult pressDelete(EditorContext& ctx) {
    EditResult result;
    if (!ctx.session.isOpen()) {
        return result;
    }
    MarkedArea& area = ctx.state.area;
    if (area.marked && area.singleCell()) {
        area.marked = false;
    }
    if (area.marked) {
        result.message = kMsgConfirmDeleteArea;
        result.shown = ctx.language.text(kMsgConfirmDeleteArea);
        if (ctx.prompts.confirm(result.shown)) {
            const EditResult deleted = ApagaArea(ctx, area);
            result.changed = deleted.changed;
        }
        detail::copyToSlot(ctx);
        return result;
    }
    ctx.state.tool = kToolNone;
    const CellPosition at = ctx.state.cursor;
    const auto occupancy =
        ExisteComponente(ctx.session.workingCopy, storageColumn(at.column), at.row, kToolNone);
    if (occupancy && occupancy->occupied) {
        result.message = kMsgConfirmDeleteElement;
        result.shown = ctx.language.text(kMsgConfirmDeleteElement);
        if (!ctx.prompts.confirm(result.shown)) {
            detail::copyToSlot(ctx);
            return result;
        }
    }
    result.changed = ApagaElemento(ctx).changed;
    return result;
}

} // namespace velmora::ladder
