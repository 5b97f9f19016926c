#pragma once

// The drawing geometry of the ladder page, in pixels: the base values for each display mode,
// the values derived from them, the cell rectangles, and the fitting of all of it to the width
// of the window.

#include "core/ladder/program.h"
#include "core/seams/canvas.h"

namespace velmora::ladder {

// How operands are written on the drawing: by address, by symbol, or both.
enum class OperandDisplay { Endereco, Simbolo, SimboloEndereco };

// Below this available width the window is minimised or too small to read: fitting keeps the
// last geometry instead of shrinking every metric towards zero.
inline constexpr int kMinAvailableWidth = 100;
// The smallest operand font, whatever the fitting does.
inline constexpr int kMinFontSize = 12;
// Space above the first logic of the page.
inline constexpr int kTopMargin = 5;

struct LadderGeometry {
    int leftMargin = 15; // x of the left power rail and of element column 0
    int rightExtra = 0;  // added to the drawing width
    int headerHeight = 50;
    int bottomMargin = 10;
    int rowGap = 5;
    int columnGap = 5;
    int columnWidth = 70;
    int addressBand = 17; // upper part of a cell, the operand text
    int symbolBand = 22;  // lower part of a cell, the symbol
    int rowHeight = 39;   // addressBand + symbolBand
    int wireOffset = 10;  // the wire lies this far below the top of the symbol band
    int fontSize = 12;
    int lineWidth = 1; // symbols and wires with the thick-line flag; the header frame is twice it
    int smallOffset = 3;
    int bitmapWidth = 912; // 1.2 x the drawing width
    int bitmapHeight = 0;  // the available height

    int rowPitch() const { return rowHeight + rowGap; }
    int columnPitch() const { return columnWidth + columnGap; }
    // columns x column width + (columns - 1) x column gap + left margin + right extra.
    int drawingWidth() const;
    // The height of the open logic: always all rows.
    int openLogicHeight() const;
    // The height of a closed logic showing `rows` rows (at least one).
    int closedHeight(int rows) const;

    // Element column c, row r of a logic whose top is `top`.
    Rect cellRect(int c, int r, int top) const;
    // The y of the wire of row r.
    int wireY(int r, int top) const;
    // The x in the middle of the gap on the right of element column c (c = -1: left of 0).
    int gapMiddleRight(int c) const;

    // x of the left and right power rails.
    int leftRailX() const { return leftMargin - 1; }
    int rightRailX() const { return drawingWidth() - rightExtra + 1; }

    bool operator==(const LadderGeometry&) const = default;
};

// The base values of a display mode (the address band is 29 when both texts are shown).
LadderGeometry baseGeometry(OperandDisplay mode);

// Fits the geometry to the window: every metric but the constants is scaled by
// available width / current drawing width and truncated, the font kept at 12 at least, every
// other metric at 1 at least (the right extra at 0); the bitmap gets 1.2 x the new drawing width
// and the available height. Below kMinAvailableWidth the metrics are kept (only the bitmap
// height follows) and false is returned.
bool AjustaGeometria(LadderGeometry& geometry, int availableWidth, int availableHeight);

// The height of a logic drawn closed: as many rows as it uses, at least one.
int AlturaLogica(const LadderGeometry& geometry, const TLogica& logic);

// The product of a fraction and a length, truncated toward zero (0.142W and the like). A tiny
// tolerance keeps products such as 0.6 x 70 from falling one pixel short.
int frac(double fraction, int length);

} // namespace velmora::ladder
