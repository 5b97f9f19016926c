#pragma once

// The catalogue of ladder element kinds: the one table that the editor, the drawing, the
// compiler and the operand acceptance read. Each kind has its three-letter code, the tools
// that place it, its footprint (cells relative to where it is placed), the fields that follow
// the header in its first cell when freshly placed, and what each field means and accepts.

#include "core/ladder/program.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::ladder {

enum class Family : std::uint8_t {
    Contact,
    Coil,
    Line, // horizontal wire through an element cell
    Timer,
    Counter,
    FastCounter,
    Comparison,
    Move,
    Arithmetic,
    Operation, // free expression block
    Call,
    Jump,
    Pid,
    Parameters, // four-value parameter block; no tool places it
};

enum class Shape : std::uint8_t { Single, Vertical, Horizontal };

enum class FieldRole : std::uint8_t {
    BitOperand,
    Timer,
    Preset,
    TimeBase,
    SendParameters,
    Counter,
    FastCounter,
    FirstOperand,
    SecondOperand,
    Source,
    Destination,
    Pointer,
    Result,
    Expression,
    ProgramName,
    TargetLogic,
    PidBlock,
    ProportionalGain,
    IntegralGain,
    DerivativeGain,
    SetPoint,
    MinSetPoint,
    MaxSetPoint,
    ProcessVariable,
    MinProcessVariable,
    MaxProcessVariable,
    ControlVariable,
    MinControlVariable,
    MaxControlVariable,
    Vx1,
    Vx2,
    Ve,
    Vo,
};

// Operand widths a data field accepts, as a mask over the operand size classes.
inline constexpr std::uint8_t kWidthBit = 1;  // size class 0
inline constexpr std::uint8_t kWidthByte = 2; // size class 1
inline constexpr std::uint8_t kWidthWord = 4; // size class 2
inline constexpr std::uint8_t kWidthLong = 8; // size class 4

// Mask bit of a size class (0, 1, 2, 4); 0 for anything else.
constexpr std::uint8_t widthBit(int sizeClass) {
    switch (sizeClass) {
    case 0:
        return kWidthBit;
    case 1:
        return kWidthByte;
    case 2:
        return kWidthWord;
    case 4:
        return kWidthLong;
    default:
        return 0;
    }
}

struct FieldSpec {
    FieldRole role;
    std::uint8_t widths = 0;      // data fields of comparisons, moves and arithmetic
    bool constantAllowed = false; // a decimal constant is accepted there
};

struct ElementKind {
    std::string_view code;
    std::string_view meaning;
    Family family;
    std::array<int, 2> tools; // editing tools that place it; 0 = none
    Shape shape;
    int cellCount;           // cells of the footprint
    bool coilColumn;         // always placed in element column 9
    std::string_view fields; // what follows the header in a freshly placed first cell
    std::span<const FieldSpec> fieldSpecs;

    bool placedBy(int tool) const { return tool != 0 && (tools[0] == tool || tools[1] == tool); }
    // Rows the element covers from its first cell down (1 for single and horizontal kinds).
    int rows() const { return shape == Shape::Vertical ? cellCount : 1; }
    // Element columns it covers from its first cell rightwards.
    int columns() const { return shape == Shape::Horizontal ? cellCount : 1; }
    // The width of comparisons and arithmetic (size class 1, 2 or 4), 0 for other kinds.
    int width() const;
};

// Every kind, in catalogue order.
std::span<const ElementKind> catalogue();

const ElementKind* findElement(std::string_view code);
// The kind that tool `tool` places (tool 27, the fill, places horizontal lines).
const ElementKind* elementOfTool(int tool);
// The kind of a cell text (by characters 1-3), or nullptr for links, empty cells and others.
const ElementKind* elementOfCell(std::string_view text);

// The text of part `part` (1 ... cellCount) of a freshly placed element; the first part carries
// the default fields.
std::string partText(const ElementKind& kind, int part, bool inColumnZero);
std::string firstCellText(const ElementKind& kind, bool inColumnZero);

struct PlacedCell {
    int storageColumn;
    int row;
    std::string text;
    bool operator==(const PlacedCell&) const = default;
};

// The cells a freshly placed element writes when placed at element column c, row r (coils go
// to column 9 of row r). Nothing when the footprint leaves element columns 0 ... 9 or rows 0 ... 7.
std::vector<PlacedCell> elementCells(const ElementKind& kind, int c, int r);

// Writes those cells into the logic; false (nothing written) when the footprint does not fit.
bool writeElement(TLogica& logic, const ElementKind& kind, int c, int r);

struct ElementOrigin {
    const ElementKind* kind;
    int column; // element column of the first cell
    int row;
};

// The element having a cell at element column c, row r, located by its code and part digit:
// part p lies p - 1 rows below the first cell (p - 1 columns right for horizontal kinds).
// Nothing for an empty cell, an unknown code or a part that would lie outside the grid.
std::optional<ElementOrigin> elementAt(const TLogica& logic, int c, int r);

} // namespace velmora::ladder
