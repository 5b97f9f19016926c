#pragma once

// Shared by the drawing files only: where an element is drawn and the small helpers its
// drawings use.

#include "core/ladder/catalogue.h"
#include "core/ladder/ladder_drawing.h"

#include <optional>
#include <string>
#include <string_view>

namespace velmora::ladder::drawing {

inline constexpr const char* kArial = "Arial";
inline constexpr const char* kVerdana = "Verdana";

// An element being drawn, from its first cell.
struct ElementPlace {
    const ElementKind* kind = nullptr;
    std::string_view text; // the first cell's text
    const TLogica* logic = nullptr;
    int storageColumn = 0;
    int row = 0;
    int x = 0; // left x of the first cell
    int t = 0; // top y of the first cell
    int b = 0; // top of its symbol band
    int Y = 0; // wire of its first row
    Color background = colors::white;
};

// Field k of the first cell, or "" when it has none.
std::string field(const ElementPlace& e, int k);

// Blanks prepended to the text, half of n - length rounded down; longer texts are kept.
std::string centred(std::string_view text, int n);

// The black pen of symbols and wires (the line width with the thick-line flag, else 1 pixel).
void symbolPen(LadderDrawContext& ctx);
void fill(LadderDrawContext& ctx, const Rect& r, Color color);
// An outlined rectangle filled with the background.
void box(LadderDrawContext& ctx, const Rect& r, Color background);
void wire(LadderDrawContext& ctx, int x1, int x2, int y);
// Text with its top left at p, in a font at the given height, on the background (or on
// nothing when `clear`).
void write(LadderDrawContext& ctx, Point p, std::string_view text, const char* family, int height,
           Color background, bool bold = false, Color color = colors::black, bool clear = false);

std::string symbolOf(const LadderDrawContext& ctx, std::string_view operand);
// A variable is any operand whose class is not the decimal constant class.
bool isVariable(std::string_view operand);
// The operand's value while monitoring draws values.
std::optional<std::int32_t> shownValue(const LadderDrawContext& ctx, std::string_view operand);
// The green bold "f" of a forced operand, while monitoring draws values.
void forceMark(LadderDrawContext& ctx, std::string_view operand, Point p, int height);

// Contacts, coils and horizontal lines.
void drawSingleCellElement(LadderDrawContext& ctx, const ElementPlace& e);
// Timers, counters, comparisons, moves, arithmetic, PID, PRP, OPR, CAL and JMP.
void drawBoxElement(LadderDrawContext& ctx, const ElementPlace& e);

} // namespace velmora::ladder::drawing
