#include "core/ladder/catalogue.h"
#include "core/ladder/cell.h"
#include "core/ladder/editor_detail.h"

namespace velmora::ladder {

namespace {

// The header digits of an element that starts beside the left rail, and elsewhere.
constexpr std::string_view kAtRail = "001010";
constexpr std::string_view kAwayFromRail = "001000";

void refuse(EditorContext& ctx, EditResult& result, const char* text) {
    detail::show(ctx, result, detail::Refusal{0, text, Prompts::Kind::Information});
}

// A cell of row r that belongs to an element whose first cell lies above r.
bool cutAboveRow(const TLogica& logic, int r) {
    for (int c = 0; c < kElementColumns; ++c) {
        const auto origin = elementAt(logic, c, r);
        if (origin && origin->kind->shape == Shape::Vertical && origin->row < r) {
            return true;
        }
    }
    return false;
}

// A cell of column c that belongs to an element whose first cell lies left of c.
bool cutLeftOfColumn(const TLogica& logic, int c) {
    for (int r = 0; r < kEditedRows; ++r) {
        const auto origin = elementAt(logic, c, r);
        if (origin && origin->kind->shape == Shape::Horizontal && origin->column < c) {
            return true;
        }
    }
    return false;
}

bool columnEmpty(const TLogica& logic, int c) {
    for (int r = 0; r < kEditedRows; ++r) {
        if (!logic.element(c, r).empty()) {
            return false;
        }
    }
    return true;
}

} // namespace

EditResult insertRow(EditorContext& ctx) {
    EditResult result;
    if (!ctx.session.isOpen()) {
        return result;
    }
    TLogica& logic = ctx.session.workingCopy;
    const int row = ctx.state.last.row;
    const int used = LinhasUsadas(logic);
    if (used >= kEditedRows || row < 0 || row >= used) {
        return result;
    }
    if (cutAboveRow(logic, row)) {
        refuse(ctx, result, kTextoDividiriaElemento);
        return result;
    }
    for (int s = 0; s < kStorageColumns; ++s) {
        if (!logic.cell(s, kEditedRows - 1).empty()) {
            refuse(ctx, result, kTextoSemEspaco);
            return result;
        }
    }
    for (int s = 0; s < kStorageColumns; ++s) {
        for (int e = kEditedRows - 1; e > row; --e) {
            logic.cell(s, e) = logic.cell(s, e - 1);
        }
        // The new row is empty; vertical links that reached it continue through it.
        TCelula& cell = logic.cell(s, row);
        if (!isElementColumn(s) && row > 0 && logic.cell(s, row - 1).text == kLinkDown) {
            cell.set(kLinkDown);
        } else {
            cell.clear();
        }
    }
    result.changed = true;
    result.layout = true;
    detail::copyToSlot(ctx);
    return result;
}

EditResult insertColumn(EditorContext& ctx) {
    EditResult result;
    if (!ctx.session.isOpen()) {
        return result;
    }
    TLogica& logic = ctx.session.workingCopy;
    const int column = ctx.state.last.column;
    if (column < 0 || column >= kLastElementColumn - 1) {
        return result;
    }
    int empty = column;
    while (empty < kElementColumns && !columnEmpty(logic, empty)) {
        ++empty;
    }
    // An empty column right at the cursor is already the room asked for; none left of column 8
    // means there is no room.
    if (empty == column) {
        return result;
    }
    if (empty >= kLastElementColumn - 1) {
        refuse(ctx, result, kTextoSemEspaco);
        return result;
    }
    if (cutLeftOfColumn(logic, column)) {
        refuse(ctx, result, kTextoDividiriaElemento);
        return result;
    }
    // The link right of the empty column would be written over by the one moving into it.
    const int overwritten = 2 * empty + 2;
    for (int r = 0; r < kEditedRows; ++r) {
        if (!logic.cell(overwritten, r).empty()) {
            refuse(ctx, result, kTextoSemEspaco);
            return result;
        }
    }
    // Element columns column ... empty - 1 and the links on their right move two storage
    // columns right; the link on the left of the given column stays where it is.
    for (int s = 2 * empty; s >= storageColumn(column); --s) {
        for (int r = 0; r < kEditedRows; ++r) {
            logic.cell(s + 2, r) = logic.cell(s, r);
        }
    }
    for (int r = 0; r < kEditedRows; ++r) {
        logic.element(column, r).clear();
        logic.cell(storageColumn(column) + 1, r).clear();
        // Elements moved away from the left rail: their headers say so.
        for (int c = 1; column == 0 && c <= empty; ++c) {
            TCelula& moved = logic.element(c, r);
            if (moved.text.size() >= 10 && moved.text.compare(4, 6, kAtRail) == 0) {
                std::string text = moved.text;
                text.replace(4, 6, kAwayFromRail);
                moved.set(text);
            }
        }
    }
    for (int r = 0; r < kEditedRows; ++r) {
        const bool leftOccupied = column == 0 || !logic.element(column - 1, r).empty();
        if (leftOccupied && !logic.element(column + 1, r).empty()) {
            logic.element(column, r).set(detail::lineText(column));
        }
    }
    result.changed = true;
    result.layout = true;
    detail::copyToSlot(ctx);
    return result;
}

} // namespace velmora::ladder
