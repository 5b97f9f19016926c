#include "core/ladder/catalogue.h"

#include "core/ladder/cell.h"

#include <algorithm>

namespace velmora::ladder {

namespace {

using R = FieldRole;

constexpr FieldSpec kBitFields[] = {{R::BitOperand}};
constexpr FieldSpec kTimerFields[] = {{R::Timer}, {R::Preset}, {R::TimeBase}, {R::SendParameters}};
constexpr FieldSpec kCounterFields[] = {{R::Counter}, {R::Preset}};
constexpr FieldSpec kFastCounterFields[] = {{R::FastCounter}, {R::Preset}};

constexpr FieldSpec kCompareB[] = {{R::FirstOperand, kWidthByte, false},
                                   {R::SecondOperand, kWidthByte, true}};
constexpr FieldSpec kCompareW[] = {{R::FirstOperand, kWidthWord, false},
                                   {R::SecondOperand, kWidthWord, true}};
constexpr FieldSpec kCompareL[] = {{R::FirstOperand, kWidthLong, false},
                                   {R::SecondOperand, kWidthLong, true}};

constexpr FieldSpec kMBBFields[] = {{R::Source, kWidthByte, true}, {R::Destination, kWidthByte}};
constexpr FieldSpec kMWWFields[] = {{R::Source, kWidthWord, true}, {R::Destination, kWidthWord}};
constexpr FieldSpec kMBWFields[] = {{R::Source, kWidthByte}, {R::Destination, kWidthWord}};
constexpr FieldSpec kMWBFields[] = {{R::Source, kWidthWord}, {R::Destination, kWidthByte}};
constexpr FieldSpec kMP1Fields[] = {{R::Source, kWidthByte}, {R::Pointer, kWidthWord}};
constexpr FieldSpec kMP2Fields[] = {{R::Pointer, kWidthWord}, {R::Destination, kWidthByte}};
constexpr FieldSpec kMP3Fields[] = {{R::Source, kWidthBit | kWidthByte | kWidthWord},
                                    {R::Pointer, kWidthWord}};
constexpr FieldSpec kMP4Fields[] = {{R::Pointer, kWidthWord}, {R::Destination, kWidthWord}};

constexpr FieldSpec kArithmeticB[] = {{R::FirstOperand, kWidthByte, false},
                                      {R::SecondOperand, kWidthByte, true},
                                      {R::Result, kWidthByte, false}};
constexpr FieldSpec kArithmeticW[] = {{R::FirstOperand, kWidthWord, false},
                                      {R::SecondOperand, kWidthWord, true},
                                      {R::Result, kWidthWord, false}};
constexpr FieldSpec kArithmeticL[] = {{R::FirstOperand, kWidthLong, false},
                                      {R::SecondOperand, kWidthLong, true},
                                      {R::Result, kWidthLong, false}};

constexpr FieldSpec kOperationFields[] = {{R::Expression}};
constexpr FieldSpec kCallFields[] = {{R::ProgramName}};
constexpr FieldSpec kJumpFields[] = {{R::TargetLogic}};
constexpr FieldSpec kPidFields[] = {
    {R::PidBlock},           {R::ProportionalGain},   {R::IntegralGain},    {R::DerivativeGain},
    {R::SetPoint},           {R::MinSetPoint},        {R::MaxSetPoint},     {R::ProcessVariable},
    {R::MinProcessVariable}, {R::MaxProcessVariable}, {R::ControlVariable}, {R::MinControlVariable},
    {R::MaxControlVariable}};
constexpr FieldSpec kParameterFields[] = {{R::Vx1}, {R::Vx2}, {R::Ve}, {R::Vo}};

// clang-format off
const ElementKind kCatalogue[] = {
    {"CNA", "contact, normally open", Family::Contact, {1, 0}, Shape::Single, 1, false, "#% ", kBitFields},
    {"CNF", "contact, normally closed", Family::Contact, {2, 0}, Shape::Single, 1, false, "#% ", kBitFields},
    {"CBP", "contact, rising edge", Family::Contact, {3, 0}, Shape::Single, 1, false, "#% ", kBitFields},
    {"CBN", "contact, falling edge", Family::Contact, {4, 0}, Shape::Single, 1, false, "#% ", kBitFields},
    {"BOB", "coil", Family::Coil, {5, 0}, Shape::Single, 1, true, "#% ", kBitFields},
    {"BON", "complementary coil", Family::Coil, {6, 0}, Shape::Single, 1, true, "#% ", kBitFields},
    {"BOS", "set coil", Family::Coil, {7, 0}, Shape::Single, 1, true, "#% ", kBitFields},
    {"BOR", "reset coil", Family::Coil, {8, 0}, Shape::Single, 1, true, "#% ", kBitFields},
    {"CRT", "horizontal line", Family::Line, {26, 27}, Shape::Single, 1, false, "", {}},
    {"TON", "on-delay timer", Family::Timer, {9, 0}, Shape::Vertical, 2, false, "#T # #1#1", kTimerFields},
    {"TOF", "off-delay timer", Family::Timer, {30, 0}, Shape::Vertical, 2, false, "#T # #1#1", kTimerFields},
    {"TPP", "pulse timer", Family::Timer, {29, 0}, Shape::Vertical, 2, false, "#T # #1#1", kTimerFields},
    {"CUP", "up counter", Family::Counter, {31, 0}, Shape::Vertical, 2, false, "#C # ", kCounterFields},
    {"CDO", "down counter", Family::Counter, {33, 0}, Shape::Vertical, 2, false, "#C # ", kCounterFields},
    {"CUD", "up-down counter", Family::Counter, {10, 0}, Shape::Vertical, 4, false, "#C # ", kCounterFields},
    {"CRP", "fast counter", Family::FastCounter, {43, 0}, Shape::Vertical, 3, false, "#CR # ", kFastCounterFields},
    {"CM1", "byte comparison, greater", Family::Comparison, {13, 0}, Shape::Vertical, 2, false, "#% #% ", kCompareB},
    {"CM2", "byte comparison, less", Family::Comparison, {15, 0}, Shape::Vertical, 2, false, "#% #% ", kCompareB},
    {"CM3", "byte comparison, greater or equal", Family::Comparison, {14, 0}, Shape::Vertical, 2, false, "#% #% ", kCompareB},
    {"CM4", "byte comparison, less or equal", Family::Comparison, {16, 0}, Shape::Vertical, 2, false, "#% #% ", kCompareB},
    {"CM5", "byte comparison, equal", Family::Comparison, {11, 0}, Shape::Vertical, 2, false, "#% #% ", kCompareB},
    {"CM6", "byte comparison, different", Family::Comparison, {12, 0}, Shape::Vertical, 2, false, "#% #% ", kCompareB},
    {"CM7", "word comparison, greater", Family::Comparison, {53, 0}, Shape::Vertical, 2, false, "#% #% ", kCompareW},
    {"CM8", "word comparison, less", Family::Comparison, {55, 0}, Shape::Vertical, 2, false, "#% #% ", kCompareW},
    {"CM9", "word comparison, greater or equal", Family::Comparison, {54, 0}, Shape::Vertical, 2, false, "#% #% ", kCompareW},
    {"CMA", "word comparison, less or equal", Family::Comparison, {56, 0}, Shape::Vertical, 2, false, "#% #% ", kCompareW},
    {"CMB", "word comparison, equal", Family::Comparison, {51, 0}, Shape::Vertical, 2, false, "#% #% ", kCompareW},
    {"CMC", "word comparison, different", Family::Comparison, {52, 0}, Shape::Vertical, 2, false, "#% #% ", kCompareW},
    {"CMD", "long comparison, greater", Family::Comparison, {63, 0}, Shape::Vertical, 2, false, "#% #% ", kCompareL},
    {"CME", "long comparison, less", Family::Comparison, {65, 0}, Shape::Vertical, 2, false, "#% #% ", kCompareL},
    {"CMF", "long comparison, greater or equal", Family::Comparison, {64, 0}, Shape::Vertical, 2, false, "#% #% ", kCompareL},
    {"CMG", "long comparison, less or equal", Family::Comparison, {66, 0}, Shape::Vertical, 2, false, "#% #% ", kCompareL},
    {"CMH", "long comparison, equal", Family::Comparison, {61, 0}, Shape::Vertical, 2, false, "#% #% ", kCompareL},
    {"CMI", "long comparison, different", Family::Comparison, {62, 0}, Shape::Vertical, 2, false, "#% #% ", kCompareL},
    {"MBB", "move byte to byte", Family::Move, {57, 0}, Shape::Vertical, 2, false, "# # ", kMBBFields},
    {"MWW", "move word to word", Family::Move, {58, 0}, Shape::Vertical, 2, false, "# # ", kMWWFields},
    {"MBW", "convert byte to word", Family::Move, {59, 0}, Shape::Vertical, 2, false, "# # ", kMBWFields},
    {"MWB", "convert word to byte", Family::Move, {60, 0}, Shape::Vertical, 2, false, "# # ", kMWBFields},
    {"MP1", "move byte, pointer at the destination", Family::Move, {46, 0}, Shape::Vertical, 2, false, "# # ", kMP1Fields},
    {"MP2", "move byte, pointer at the source", Family::Move, {45, 0}, Shape::Vertical, 2, false, "# # ", kMP2Fields},
    {"MP3", "move word, pointer at the destination", Family::Move, {72, 0}, Shape::Vertical, 2, false, "# # ", kMP3Fields},
    {"MP4", "move word, pointer at the source", Family::Move, {71, 0}, Shape::Vertical, 2, false, "# # ", kMP4Fields},
    {"SMB", "add bytes", Family::Arithmetic, {21, 0}, Shape::Vertical, 3, false, "# # # ", kArithmeticB},
    {"SBB", "subtract bytes", Family::Arithmetic, {20, 0}, Shape::Vertical, 3, false, "# # # ", kArithmeticB},
    {"MLB", "multiply bytes", Family::Arithmetic, {19, 0}, Shape::Vertical, 3, false, "# # # ", kArithmeticB},
    {"DVB", "divide bytes", Family::Arithmetic, {18, 0}, Shape::Vertical, 3, false, "# # # ", kArithmeticB},
    {"SMW", "add words", Family::Arithmetic, {50, 0}, Shape::Vertical, 3, false, "# # # ", kArithmeticW},
    {"SBW", "subtract words", Family::Arithmetic, {49, 0}, Shape::Vertical, 3, false, "# # # ", kArithmeticW},
    {"MLW", "multiply words", Family::Arithmetic, {48, 0}, Shape::Vertical, 3, false, "# # # ", kArithmeticW},
    {"DVW", "divide words", Family::Arithmetic, {47, 0}, Shape::Vertical, 3, false, "# # # ", kArithmeticW},
    {"SML", "add longs", Family::Arithmetic, {70, 0}, Shape::Vertical, 3, false, "# # # ", kArithmeticL},
    {"SBL", "subtract longs", Family::Arithmetic, {69, 0}, Shape::Vertical, 3, false, "# # # ", kArithmeticL},
    {"MLL", "multiply longs", Family::Arithmetic, {68, 0}, Shape::Vertical, 3, false, "# # # ", kArithmeticL},
    {"DVL", "divide longs", Family::Arithmetic, {67, 0}, Shape::Vertical, 3, false, "# # # ", kArithmeticL},
    {"OPR", "operation block", Family::Operation, {28, 0}, Shape::Horizontal, 3, false, "# ", kOperationFields},
    {"CAL", "call of a program", Family::Call, {35, 0}, Shape::Horizontal, 2, false, "# ", kCallFields},
    {"JMP", "jump to a logic", Family::Jump, {34, 0}, Shape::Horizontal, 2, false, "# ", kJumpFields},
    {"PID", "PID control block", Family::Pid, {42, 0}, Shape::Vertical, 4, false, "#PID #0#0#0#0#0#255#%#0#255#%#0#4095", kPidFields},
    {"PRP", "parameter block", Family::Parameters, {0, 0}, Shape::Vertical, 5, false, "# # # # ", kParameterFields},
};
// clang-format on

} // namespace

int ElementKind::width() const {
    if ((family != Family::Comparison && family != Family::Arithmetic) || fieldSpecs.empty()) {
        return 0;
    }
    switch (fieldSpecs[0].widths) {
    case kWidthByte:
        return 1;
    case kWidthWord:
        return 2;
    case kWidthLong:
        return 4;
    default:
        return 0;
    }
}

std::span<const ElementKind> catalogue() {
    return kCatalogue;
}

const ElementKind* findElement(std::string_view code) {
    const auto it = std::find_if(std::begin(kCatalogue), std::end(kCatalogue),
                                 [&](const ElementKind& k) { return k.code == code; });
    return it == std::end(kCatalogue) ? nullptr : &*it;
}

const ElementKind* elementOfTool(int tool) {
    const auto it = std::find_if(std::begin(kCatalogue), std::end(kCatalogue),
                                 [&](const ElementKind& k) { return k.placedBy(tool); });
    return it == std::end(kCatalogue) ? nullptr : &*it;
}

const ElementKind* elementOfCell(std::string_view text) {
    return text.size() < 4 ? nullptr : findElement(text.substr(0, 3));
}

std::string partText(const ElementKind& kind, int part, bool inColumnZero) {
    std::string text = CabecalhoCelula(kind.code, static_cast<char>('0' + part), inColumnZero);
    if (part == 1) {
        text.append(kind.fields);
    }
    return text;
}

std::string firstCellText(const ElementKind& kind, bool inColumnZero) {
    return partText(kind, 1, inColumnZero);
}

std::vector<PlacedCell> elementCells(const ElementKind& kind, int c, int r) {
    if (kind.coilColumn) {
        c = kLastElementColumn;
    }
    if (c < 0 || r < 0 || c + kind.columns() > kElementColumns || r + kind.rows() > kEditedRows) {
        return {};
    }
    std::vector<PlacedCell> cells;
    cells.reserve(static_cast<std::size_t>(kind.cellCount));
    for (int p = 1; p <= kind.cellCount; ++p) {
        const bool down = kind.shape == Shape::Vertical;
        const int col = down ? c : c + p - 1;
        const int row = down ? r + p - 1 : r;
        cells.push_back({storageColumn(col), row, partText(kind, p, c == 0)});
    }
    return cells;
}

bool writeElement(TLogica& logic, const ElementKind& kind, int c, int r) {
    const auto cells = elementCells(kind, c, r);
    for (const auto& cell : cells) {
        logic.cell(cell.storageColumn, cell.row).set(cell.text);
    }
    return !cells.empty();
}

std::optional<ElementOrigin> elementAt(const TLogica& logic, int c, int r) {
    if (c < 0 || c >= kElementColumns || r < 0 || r >= kEditedRows) {
        return std::nullopt;
    }
    const std::string& text = logic.element(c, r).text;
    const ElementKind* kind = elementOfCell(text);
    const int part = cellPart(text);
    if (kind == nullptr || part < 1 || part > kind->cellCount) {
        return std::nullopt;
    }
    const bool down = kind->shape != Shape::Horizontal;
    const int col = down ? c : c - (part - 1);
    const int row = down ? r - (part - 1) : r;
    if (col < 0 || row < 0) {
        return std::nullopt;
    }
    return ElementOrigin{kind, col, row};
}

} // namespace velmora::ladder
