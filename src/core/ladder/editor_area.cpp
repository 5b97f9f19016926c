#include "core/ladder/catalogue.h"
#include "core/ladder/cell.h"
#include "core/ladder/editor_detail.h"

#include <algorithm>
#include <utility>

namespace velmora::ladder {

namespace {

// Part 2 ... 5 of an element stacked over several rows.
bool laterVerticalPart(const TLogica& logic, int c, int r) {
    const std::string& text = logic.element(c, r).text;
    const ElementKind* kind = elementOfCell(text);
    const int part = cellPart(text);
    return kind != nullptr && kind->shape == Shape::Vertical && part >= 2 && part <= 5;
}

// Part 2 or 3 of an element spread over several columns (OPR, CAL, JMP).
bool laterHorizontalPart(const TLogica& logic, int c, int r) {
    const std::string& text = logic.element(c, r).text;
    const ElementKind* kind = elementOfCell(text);
    const int part = cellPart(text);
    return kind != nullptr && kind->shape == Shape::Horizontal && (part == 2 || part == 3);
}

// Whether the rule applies with its edge inside the grid; a rule that cannot move its edge
// does not match, so damaged data (a later part in row 0 or column 0) cannot keep it going.
bool widenOnce(const TLogica& logic, MarkedArea& a) {
    if (a.top > 0) {
        for (int c = a.left; c <= a.right; ++c) {
            if (laterVerticalPart(logic, c, a.top)) {
                --a.top;
                return true;
            }
        }
    }
    if (a.bottom + 1 < kEditedRows) {
        for (int c = a.left; c <= a.right; ++c) {
            if (laterVerticalPart(logic, c, a.bottom + 1)) {
                ++a.bottom;
                return true;
            }
        }
    }
    if (a.left > 0) {
        for (int r = a.top; r <= a.bottom; ++r) {
            if (laterHorizontalPart(logic, a.left, r)) {
                --a.left;
                return true;
            }
        }
    }
    if (a.right + 1 < kElementColumns) {
        for (int r = a.top; r <= a.bottom; ++r) {
            if (laterHorizontalPart(logic, a.right + 1, r)) {
                ++a.right;
                return true;
            }
        }
    }
    return false;
}

} // namespace

MarkedArea AlargaArea(const TLogica& logic, MarkedArea area) {
    if (area.left > area.right) {
        std::swap(area.left, area.right);
    }
    if (area.top > area.bottom) {
        std::swap(area.top, area.bottom);
    }
    area.left = std::clamp(area.left, 0, kElementColumns - 1);
    area.right = std::clamp(area.right, 0, kElementColumns - 1);
    area.top = std::clamp(area.top, 0, kEditedRows - 1);
    area.bottom = std::clamp(area.bottom, 0, kEditedRows - 1);
    // Every step moves one edge outwards within the grid, so this ends.
    while (widenOnce(logic, area)) {
    }
    area.marked = true;
    return area;
}

EditResult ApagaArea(EditorContext& ctx, const MarkedArea& area) {
    EditResult result;
    if (!ctx.session.isOpen()) {
        return result;
    }
    TLogica& logic = ctx.session.workingCopy;
    const int left = std::max(0, std::min(area.left, area.right));
    const int right = std::min(kElementColumns - 1, std::max(area.left, area.right));
    const int top = std::max(0, std::min(area.top, area.bottom));
    const int bottom = std::min(kEditedRows - 1, std::max(area.top, area.bottom));
    for (int c = left; c <= right; ++c) {
        for (int r = top; r <= bottom; ++r) {
            result.changed |= detail::deleteElementAt(logic, c, r);
            TCelula& link = logic.cell(2 * c, r);
            result.changed |= !link.empty();
            link.clear();
        }
    }
    ctx.state.area.marked = false;
    detail::copyToSlot(ctx);
    return result;
}

} // namespace velmora::ladder
