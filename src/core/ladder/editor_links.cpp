#include "core/ladder/cell.h"
#include "core/ladder/editor_detail.h"

namespace velmora::ladder {

namespace {

// The column just before the coils: its links also join the coils through the right rail.
constexpr int kColumnBeforeCoils = kLastElementColumn - 1;

bool linkPositionAllowed(const CellPosition& p) {
    return p.column >= 0 && p.column < kLastElementColumn && p.row >= 0 && p.row < kEditedRows - 1;
}

} // namespace

EditResult InsereLigacao(EditorContext& ctx) {
    EditResult result;
    const CellPosition at = ctx.state.cursor;
    if (!ctx.session.isOpen() || !linkPositionAllowed(at)) {
        return result;
    }
    TLogica& logic = ctx.session.workingCopy;
    logic.cell(2 * at.column + 2, at.row).set(kLinkDown);
    if (at.column == kColumnBeforeCoils) {
        TCelula& rail = logic.cell(kRightRailColumn, at.row);
        TCelula& below = logic.cell(kRightRailColumn, at.row + 1);
        if (rail.text == kLinkDown) {
            rail.clear();
            below.clear();
        } else {
            rail.set(kLinkDown);
            below.set(kLinkBelowRail);
        }
    }
    result.changed = true;
    return result;
}

EditResult ApagaLigacao(EditorContext& ctx) {
    EditResult result;
    const CellPosition at = ctx.state.cursor;
    if (!ctx.session.isOpen() || !linkPositionAllowed(at)) {
        return result;
    }
    TLogica& logic = ctx.session.workingCopy;
    if (at.column == kColumnBeforeCoils) {
        const int used = LinhasUsadas(logic);
        for (int k = at.row + 1; k < used; ++k) {
            if (!logic.element(kLastElementColumn, k).empty()) {
                detail::show(ctx, result,
                             detail::Refusal{kMsgLinkUnderCoils, {}, Prompts::Kind::Information});
                return result;
            }
        }
    }
    TCelula& link = logic.cell(2 * at.column + 2, at.row);
    result.changed = !link.empty();
    link.clear();
    if (at.column == kColumnBeforeCoils) {
        // Deleting only ever clears: the rail link of this row, and the mark below it.
        TCelula& rail = logic.cell(kRightRailColumn, at.row);
        TCelula& below = logic.cell(kRightRailColumn, at.row + 1);
        if (rail.text == kLinkDown) {
            rail.clear();
            result.changed = true;
            if (below.text == kLinkBelowRail) {
                below.clear();
            }
        }
    }
    return result;
}

} // namespace velmora::ladder
