#include "core/ladder/catalogue.h"
#include "core/ladder/cell.h"
#include "core/ladder/editor_detail.h"
#include "core/ladder/editor_queries.h"

namespace velmora::ladder {

namespace detail {

namespace {

bool isCoilOrLineTool(int tool) {
    return (tool >= 5 && tool <= 8) || tool == kToolLine || tool == kToolFill;
}

// The column rules: a timer's (or counter's) column takes nothing more, and right of it only
// coils and horizontal lines may go, so nothing is wired in parallel with it.
bool columnAllowed(int found, int c, int tool) {
    return found < 0 || c < found || c == kLastElementColumn ||
           (c > found && isCoilOrLineTool(tool));
}

std::optional<Refusal> contentRule(const TLogica& logic, const ElementKind& kind, int tool) {
    auto info = [](int message) { return Refusal{message, {}, Prompts::Kind::Information}; };
    switch (kind.family) {
    case Family::Coil:
        if (TemBlocoDados(logic)) {
            return info(kMsgCoilWithDataBlock);
        }
        break;
    case Family::Timer:
    case Family::FastCounter:
        if (TemTemporizadorContador(logic)) {
            return info(kMsgSecondTimer);
        }
        break;
    case Family::Counter:
        if (tool != 10 && TemTemporizadorContador(logic)) {
            return info(kMsgSecondTimer);
        }
        break;
    case Family::Move:
        if (TemBlocoDados(logic)) {
            return info(kMsgSecondDataBlock);
        }
        if (TemBobina(logic)) {
            return info(kMsgMoveWithCoil);
        }
        break;
    case Family::Arithmetic:
        if (TemBlocoDados(logic)) {
            return info(kMsgSecondDataBlock);
        }
        if (kind.code != "SMB" && kind.code != "SBB" && TemBobina(logic)) {
            return info(kMsgArithmeticWithCoil);
        }
        break;
    default:
        break;
    }
    return std::nullopt;
}

// The position rule: every element stays left of the coil column (OPR, three columns wide,
// may reach into it) and within the rows; timers, up and down counters and the fast counter
// may not touch the left rail either.
bool positionAllowed(const ElementKind& kind, int tool, int c, int r) {
    if (kind.coilColumn) {
        return true;
    }
    const int columnLimit =
        kind.family == Family::Operation ? kLastElementColumn - 1 : kLastElementColumn;
    if (c < 0 || c >= columnLimit || r < 0 || r + kind.rows() > kEditedRows) {
        return false;
    }
    const bool needsLeftContact = kind.family == Family::Timer ||
                                  kind.family == Family::FastCounter ||
                                  (kind.family == Family::Counter && tool != 10);
    return !needsLeftContact || c > 0;
}

// Coils go to column 9: row 0 is wired with horizontal lines from the cursor; a lower row is
// joined on the right to the coil above it through the rail links.
bool placeCoil(TLogica& logic, const ElementKind& kind, int c, int r) {
    for (int k = c; k < kLastElementColumn; ++k) {
        if (!logic.element(k, r).empty()) {
            return false;
        }
    }
    if (r == 0) {
        for (int k = c; k < kLastElementColumn; ++k) {
            logic.element(k, r).set(lineText(k));
        }
    }
    writeElement(logic, kind, kLastElementColumn, r);
    for (int k = r - 1; k >= 0; --k) {
        logic.cell(kRightRailColumn, k).set(kLinkDown);
        if (!logic.element(kLastElementColumn, k).empty()) {
            break;
        }
    }
    return true;
}

} // namespace

std::string lineText(int c) {
    return CabecalhoCelula(kLineCode, '1', c == 0);
}

Placement placeOn(TLogica& logic, EditorState& state) {
    Placement result;
    const int tool = state.tool;
    int c = state.cursor.column;
    int r = state.cursor.row;
    const ElementKind* kind = tool == kToolNone ? nullptr : elementOfTool(tool);
    if (kind == nullptr) {
        state.last = state.cursor;
        return result;
    }
    if (!columnAllowed(UltimoTemporizador(logic).column, c, tool)) {
        result.refusal = Refusal{kMsgTimerColumn, {}, Prompts::Kind::Plain};
    } else if (!columnAllowed(UltimoContador(logic).column, c, tool)) {
        result.refusal = Refusal{0, kTextoContadorParalelo, Prompts::Kind::Plain};
    }
    if (result.refusal) {
        state.last = state.cursor;
        return result;
    }

    state.placing = true;
    if (LinhasUsadas(logic) == 0) {
        r = 0;
        if (kind->family == Family::Contact) {
            c = 0;
        }
        state.cursor = {c, r};
    }

    if (positionAllowed(*kind, tool, c, r)) {
        result.refusal = contentRule(logic, *kind, tool);
        if (!result.refusal) {
            if (tool == kToolFill) {
                for (; c < kLastElementColumn && logic.element(c, r).empty(); ++c) {
                    logic.element(c, r).set(lineText(c));
                    result.changed = true;
                }
                state.cursor = {c, r};
            } else if (kind->coilColumn) {
                result.changed = placeCoil(logic, *kind, c, r);
                if (result.changed) {
                    result.operandEntry = CellPosition{kLastElementColumn, r};
                }
            } else {
                result.changed = writeElement(logic, *kind, c, r);
                if (result.changed && kind->family != Family::Line) {
                    result.operandEntry = CellPosition{c, r};
                }
            }
        }
    }
    state.last = state.cursor;
    return result;
}

void show(EditorContext& ctx, EditResult& result, const Refusal& refusal) {
    result.message = refusal.message;
    result.shown = refusal.literal.empty() ? ctx.language.text(refusal.message) : refusal.literal;
    ctx.prompts.ask(refusal.kind, result.shown, Prompts::Buttons::Ok);
}

void copyToSlot(EditorContext& ctx) {
    if (ctx.projectSlot != nullptr) {
        *ctx.projectSlot = ctx.session.program;
    }
}

} // namespace detail

EditResult ColocaElemento(EditorContext& ctx) {
    EditResult result;
    if (!ctx.session.isOpen()) {
        return result;
    }
    const detail::Placement placed = detail::placeOn(ctx.session.workingCopy, ctx.state);
    result.changed = placed.changed;
    result.operandEntry = placed.operandEntry;
    if (placed.refusal) {
        detail::show(ctx, result, *placed.refusal);
    }
    detail::copyToSlot(ctx);
    return result;
}

EditResult placeWithReplacing(EditorContext& ctx) {
    EditResult result;
    if (!ctx.session.isOpen()) {
        return result;
    }
    TLogica& logic = ctx.session.workingCopy;
    const int tool = ctx.state.tool;
    const CellPosition at = ctx.state.cursor;
    if (!footprintRows(tool)) {
        ctx.prompts.error(kTextoFalhaExisteComponente);
        result.shown = kTextoFalhaExisteComponente;
        return result;
    }
    if (!footprintOccupied(logic, tool, at.column, at.row)) {
        return ColocaElemento(ctx);
    }

    // Everything is decided on a trial copy with the old elements gone; the working copy
    // changes only when the rules pass and the user agrees.
    TLogica trial = logic;
    EditorState trialState = ctx.state;
    for (const CellPosition& p : footprintCells(tool, at.column, at.row)) {
        detail::deleteElementAt(trial, p.column, p.row);
    }
    trialState.cursor = at;
    detail::Placement placed;
    if (tool != kToolNone) {
        placed = detail::placeOn(trial, trialState);
        if (placed.refusal) {
            ctx.state.last = at;
            detail::show(ctx, result, *placed.refusal);
            return result;
        }
        if (!placed.changed) {
            ctx.state.last = at;
            return result;
        }
    } else {
        trialState.last = at;
    }
    result.message = kMsgConfirmReplace;
    result.shown = ctx.language.text(kMsgConfirmReplace);
    if (!ctx.prompts.confirm(result.shown)) {
        return result;
    }
    logic.cells = trial.cells;
    ctx.state = trialState;
    result.changed = true;
    result.operandEntry = placed.operandEntry;
    detail::copyToSlot(ctx);
    return result;
}

EditResult TracoHorizontal(EditorContext& ctx) {
    ctx.state.tool = kToolLine;
    return placeWithReplacing(ctx);
}

EditResult CompletaTraco(EditorContext& ctx) {
    EditResult result;
    if (!ctx.session.isOpen()) {
        return result;
    }
    TLogica& logic = ctx.session.workingCopy;
    int c = ctx.state.cursor.column;
    const int r = ctx.state.cursor.row;
    if (r < 0 || r >= kEditedRows) {
        return result;
    }
    for (; c >= 0 && c < kLastElementColumn && logic.element(c, r).empty(); ++c) {
        logic.element(c, r).set(detail::lineText(c));
        result.changed = true;
    }
    ctx.state.cursor = {c, r};
    ctx.state.last = ctx.state.cursor;
    if (result.changed) {
        detail::copyToSlot(ctx);
    }
    return result;
}

EditResult clickCell(EditorContext& ctx, CellPosition cell) {
    EditResult result;
    if (!ctx.session.isOpen() || cell.column < 0 || cell.column >= kElementColumns ||
        cell.row < 0 || cell.row >= kEditedRows) {
        return result;
    }
    ctx.state.area.marked = false;
    ctx.state.cursor = cell;
    switch (ctx.state.tool) {
    case kToolArrow:
        ctx.state.last = cell;
        return result;
    case kToolLinkInsert:
        result = InsereLigacao(ctx);
        break;
    case kToolLinkDelete:
        result = ApagaLigacao(ctx);
        break;
    default:
        result = placeWithReplacing(ctx);
        break;
    }
    if (!ctx.state.keepTool) {
        ctx.state.tool = kToolArrow;
    }
    return result;
}

} // namespace velmora::ladder
