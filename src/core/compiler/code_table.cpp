#include "core/compiler/code_table.h"

#include <array>
#include <vector>

namespace velmora::compiler {

namespace {

using L = Layout;
using C = Choice;

constexpr CodeEntry plain(std::string_view name, Layout layout, std::uint8_t opcode,
                          std::uint8_t counted) {
    return {name, layout, opcode, std::nullopt, C::None, 0, layout, counted, -1};
}
constexpr CodeEntry chosen(std::string_view name, std::uint8_t op, std::uint8_t constant,
                           int argument, std::uint8_t counted) {
    return {name,     L::ThreeAddress, op,      constant, C::Constant,
            argument, L::ThreeAddress, counted, -1};
}
constexpr CodeEntry longCompare(std::string_view name, std::uint8_t op, std::uint8_t constant) {
    return {name, L::ThreeAddress, op, constant, C::Constant, 2, L::LongConstant, 8, -1};
}
constexpr CodeEntry arithmetic(std::string_view name, std::uint8_t op, std::uint8_t constant,
                               int sizeClass) {
    return {name, L::FourAddress, op, constant, C::ConstantOrSize,
            3,    L::FourAddress, 10, sizeClass};
}

constexpr std::array kTable = {
    plain("NOT", L::TwoAddress, 1, 6),
    plain("AND", L::ThreeAddress, 2, 8),
    plain("OR", L::ThreeAddress, 3, 8),
    plain("ANDS", L::ThreeAddress, 5, 8),
    plain("ORS", L::ThreeAddress, 6, 8),
    plain("ANDR", L::ThreeAddress, 8, 8),
    plain("ORR", L::ThreeAddress, 9, 8),
    plain("BP", L::ThreeAddress, 16, 8),
    plain("BN", L::ThreeAddress, 17, 8),
    plain("TIMERON", L::ThreeAddress, 10, 7),
    plain("TIMEROFF", L::ThreeAddress, 11, 7),
    plain("TIMERP", L::ThreeAddress, 12, 7),
    plain("COUNTERUP", L::FourAddress, 13, 9),
    plain("COUNTERDO", L::FourAddress, 14, 9),
    plain("COUNTERUD", L::Packed8, 15, 15),
    plain("BO", L::Packed1, 26, 3),
    plain("EO", L::Short, 27, 1),
    plain("JUMP", L::TwoAddress, 39, 5),
    plain("CALL", L::TwoAddress, 40, 5),
    chosen("MBB", 62, 64, 2, 8),
    chosen("MWW", 63, 65, 2, 8),
    plain("MBW", L::ThreeAddress, 66, 8),
    plain("MWB", L::ThreeAddress, 68, 8),
    plain("MP1", L::ThreeAddress, 74, 8),
    plain("MP2", L::ThreeAddress, 72, 8),
    plain("MP3", L::ThreeAddress, 75, 8),
    plain("MP4", L::ThreeAddress, 73, 8),
    // Panel event and alarm lines count what they occupy, like every other instruction.
    plain("EVENTO", L::ThreeAddress, 80, 8),
    plain("ALARME", L::ThreeAddress, 81, 8),
    plain("CR", L::FastCounter, 82, 7),
    // A PRP block occupies its 17 bytes; counting them keeps later code positions right.
    plain("PRP", L::Packed8, 0, 17),
    plain("PID", L::Pid, 41, 31),
    plain("ECR", L::Short, 253, 1),
    plain("ESR", L::Short, 254, 1),
    plain("EP", L::Short, 255, 1),
    chosen("MAIOR_B", 38, 40, 2, 8),
    chosen("MAIORIGUAL_B", 42, 44, 2, 8),
    chosen("MENOR_B", 46, 48, 2, 8),
    chosen("MENORIGUAL_B", 50, 52, 2, 8),
    chosen("IGUAL_B", 54, 56, 2, 8),
    chosen("DIFERENTE_B", 58, 60, 2, 8),
    chosen("MAIOR_W", 39, 41, 2, 8),
    chosen("MAIORIGUAL_W", 43, 45, 2, 8),
    chosen("MENOR_W", 47, 49, 2, 8),
    chosen("MENORIGUAL_W", 51, 53, 2, 8),
    chosen("IGUAL_W", 55, 57, 2, 8),
    chosen("DIFERENTE_W", 59, 61, 2, 8),
    longCompare("MAIOR_L", 108, 109),
    longCompare("MAIORIGUAL_L", 110, 111),
    longCompare("MENOR_L", 112, 113),
    longCompare("MENORIGUAL_L", 114, 115),
    longCompare("IGUAL_L", 116, 117),
    longCompare("DIFERENTE_L", 118, 119),
    arithmetic("SMB", 22, 24, 1),
    arithmetic("SBB", 26, 28, 1),
    arithmetic("DVB", 30, 32, 1),
    arithmetic("MLB", 34, 36, 1),
    arithmetic("SMW", 23, 25, 2),
    arithmetic("SBW", 27, 29, 2),
    arithmetic("DVW", 31, 33, 2),
    arithmetic("MLW", 35, 37, 2),
    arithmetic("SML", 92, 93, 4),
    arithmetic("SBL", 94, 95, 4),
    arithmetic("DVL", 96, 97, 4),
    arithmetic("MLL", 98, 99, 4),
};

struct ReverseIndex {
    std::array<std::vector<OpcodeMatch>, 256> byOpcode;
    ReverseIndex() {
        for (const auto& e : kTable) {
            byOpcode[e.opcode].push_back({&e, false});
            if (e.constantOpcode) {
                byOpcode[*e.constantOpcode].push_back({&e, true});
            }
        }
    }
};

} // namespace

std::span<const CodeEntry> codeTable() {
    return kTable;
}

const CodeEntry* findCode(std::string_view name) {
    for (const auto& e : kTable) {
        if (e.name == name) {
            return &e;
        }
    }
    return nullptr;
}

int layoutLength(Layout layout) {
    switch (layout) {
    case L::Short:
        return 2;
    case L::TwoAddress:
        return 6;
    case L::ThreeAddress:
        return 8;
    case L::FourAddress:
    case L::FastCounter:
    case L::LongConstant:
        return 10;
    case L::Packed1:
        return 3;
    case L::Packed8:
        return 17;
    case L::Pid:
        return 31;
    }
    return 0;
}

std::span<const OpcodeMatch> entriesWithOpcode(std::uint8_t opcode) {
    static const ReverseIndex index; // built once from the constant table; never changes
    return index.byOpcode[opcode];
}

} // namespace velmora::compiler
