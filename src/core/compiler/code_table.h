#pragma once

// The instruction table: for every function of the expression language, its byte layout,
// its opcode (and the opcode used when the deciding argument is a constant) and the bytes
// it counts in the controller's program memory. The code generator reads it forwards; the
// upload decoder reads it backwards (opcode and layout to function), so both share this one
// table and cannot drift apart.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace velmora::compiler {

enum class Layout : std::uint8_t {
    Short,        // opcode, 0
    TwoAddress,   // opcode, 0, A1, A2
    ThreeAddress, // opcode, 0, A1, A2, A3
    FourAddress,  // opcode, 0, A1, A2, A3, A4
    Packed1,      // opcode, A1
    Packed8,      // opcode, A1 ... A8
    FastCounter,  // opcode, 0, A1, A2, K (argument 3 as a 16-bit integer), A4
    Pid,          // opcode, A1 ... A9, A13, A14, A15, A10, A11, A12
    LongConstant, // opcode, 0, A1, argument 2 as a 32-bit integer, A3
};

// What decides between the operand and the constant opcode.
enum class Choice : std::uint8_t {
    None,
    Constant,       // the chosen argument is a decimal number
    ConstantOrSize, // arithmetic: a number, or else an operand of the function's own size
};

struct CodeEntry {
    std::string_view name;
    Layout layout;
    std::uint8_t opcode;                        // operand form (PID: the base; PRP: 0)
    std::optional<std::uint8_t> constantOpcode; // constant form, when there is a choice
    Choice choice;
    int choiceArgument;    // 1-based; 0 with Choice::None
    Layout constantLayout; // the layout of the constant form (long comparisons differ)
    std::uint8_t counted;  // bytes counted in program memory
    int sizeClass;         // arithmetic: the operand size class of its own width; else -1
};

// Every function that produces code, in the order the generator documents them.
std::span<const CodeEntry> codeTable();

// The entry of a function name; nullptr when the function produces no code.
const CodeEntry* findCode(std::string_view name);

// Bytes of an instruction of this layout (Pid and the others are fixed lengths).
int layoutLength(Layout layout);

// Upload: the entries whose operand or constant opcode is `opcode` (several functions share
// some values: 26, 27, 39 ... 44). A PID's first byte is 41 + block address; the decoder
// looks for Layout::Pid by length.
struct OpcodeMatch {
    const CodeEntry* entry;
    bool constant; // the opcode is the constant form
};
std::span<const OpcodeMatch> entriesWithOpcode(std::uint8_t opcode);

} // namespace velmora::compiler
