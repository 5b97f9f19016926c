#include "core/ladder/ladder_geometry.h"

#include <algorithm>

namespace velmora::ladder {

int frac(double fraction, int length) {
    const double product = fraction * length;
    return static_cast<int>(product < 0 ? product - 1e-9 : product + 1e-9);
}

int LadderGeometry::drawingWidth() const {
    return kElementColumns * columnWidth + (kElementColumns - 1) * columnGap + leftMargin +
           rightExtra;
}

int LadderGeometry::openLogicHeight() const {
    return kEditedRows * rowHeight + (kEditedRows - 1) * rowGap + headerHeight + bottomMargin;
}

int LadderGeometry::closedHeight(int rows) const {
    const int h = std::max(1, rows);
    return (h - 1) * rowGap + h * rowHeight + headerHeight + bottomMargin;
}

Rect LadderGeometry::cellRect(int c, int r, int top) const {
    const int left = c * columnPitch() + leftMargin;
    const int y = r * rowPitch() + headerHeight + top;
    return {left, y, left + columnWidth, y + rowHeight};
}

int LadderGeometry::wireY(int r, int top) const {
    return r * rowPitch() + headerHeight + top + addressBand + wireOffset;
}

int LadderGeometry::gapMiddleRight(int c) const {
    return c * columnPitch() + leftMargin + columnWidth + columnGap / 2;
}

LadderGeometry baseGeometry(OperandDisplay mode) {
    LadderGeometry g;
    if (mode == OperandDisplay::SimboloEndereco) {
        g.addressBand = 29;
    }
    g.rowHeight = g.addressBand + g.symbolBand;
    g.bitmapWidth = static_cast<int>(1.2 * g.drawingWidth());
    return g;
}

bool AjustaGeometria(LadderGeometry& g, int availableWidth, int availableHeight) {
    g.bitmapHeight = std::max(1, availableHeight);
    if (availableWidth < kMinAvailableWidth) {
        return false;
    }
    const double e = static_cast<double>(availableWidth) / g.drawingWidth();
    const auto scale = [e](int& metric, int floor) { metric = std::max(floor, frac(e, metric)); };
    scale(g.leftMargin, 1);
    scale(g.rightExtra, 0);
    scale(g.headerHeight, 1);
    scale(g.bottomMargin, 1);
    scale(g.rowGap, 1);
    scale(g.columnGap, 1);
    scale(g.columnWidth, 1);
    scale(g.addressBand, 1);
    scale(g.symbolBand, 1);
    scale(g.wireOffset, 1);
    scale(g.fontSize, kMinFontSize);
    scale(g.lineWidth, 1);
    scale(g.smallOffset, 1);
    g.rowHeight = g.addressBand + g.symbolBand;
    g.bitmapWidth = static_cast<int>(1.2 * g.drawingWidth());
    return true;
}

int AlturaLogica(const LadderGeometry& geometry, const TLogica& logic) {
    return geometry.closedHeight(LinhasUsadas(logic));
}

} // namespace velmora::ladder
