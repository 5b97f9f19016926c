#include "core/operands/operand_limits.h"

#include "core/operands/operand_class.h"

#include <array>

namespace velmora {

OperandLimits LimitesOperandos(const MemoryMap& map) {
    OperandLimits l;
    l.bitMemory = 512;
    l.systemBits = 256;
    l.retentiveBitsRam = 512;
    l.retentiveBitsE2prom = 256;
    l.bytes = 512;
    l.systemBytes = 256;
    l.words = 512;
    l.systemWords = 256;
    l.retentiveWordsRam = 256;
    l.retentiveWordsE2prom = 128;
    l.inputWords = 4;
    l.outputWords = 4;
    l.analogInputs = map[MapKey::TAMINPUTANALOG] / 2;
    l.analogOutputs = 9;
    l.timers = 64;
    l.counters = 64;
    l.fastCounters = 3;
    l.longints = 16;
    return l;
}

std::optional<int> teclaOffset(std::string_view keyName) {
    static constexpr std::array<std::string_view, 20> keys = {
        "ESQ", "UP", "DOWN", "DIR", "1", "2", "3",   "4", "F1", "F2",
        "F3",  "F4", "5",    "6",   "7", "8", "ALT", "9", "0",  "ENTER"};
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (keys[i] == keyName) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

namespace {

// The limit an operand number of this class must stay below; nullopt for classes that the
// check does not accept through a plain number limit.
std::optional<int> numberLimit(const OperandLimits& l, std::string_view c) {
    struct Row {
        std::string_view cls;
        int OperandLimits::*limit;
    };
    static constexpr std::array<Row, 27> rows = {{
        {"M", &OperandLimits::bitMemory},
        {"MRR", &OperandLimits::retentiveBitsRam},
        {"MRE", &OperandLimits::retentiveBitsE2prom},
        {"MB", &OperandLimits::bytes},
        {"MBRR", &OperandLimits::bytes},
        {"MBRE", &OperandLimits::bytes},
        {"MW", &OperandLimits::words},
        {"MWRR", &OperandLimits::retentiveWordsRam},
        {"MWRE", &OperandLimits::retentiveWordsE2prom},
        {"S", &OperandLimits::systemBits},
        {"SB", &OperandLimits::systemBytes},
        {"SW", &OperandLimits::systemWords},
        {"IA", &OperandLimits::analogInputs},
        {"QA", &OperandLimits::analogOutputs},
        {"C", &OperandLimits::counters},
        {"C.V", &OperandLimits::counters},
        {"C.P", &OperandLimits::counters},
        {"C.Q", &OperandLimits::counters},
        {"T", &OperandLimits::timers},
        {"T.V", &OperandLimits::timers},
        {"T.Q", &OperandLimits::timers},
        {"T.P", &OperandLimits::timers},
        {"T.B", &OperandLimits::timers},
        {"CR.Q", &OperandLimits::fastCounters},
        {"CR.V", &OperandLimits::fastCounters},
        {"CR.P", &OperandLimits::fastCounters},
        {"ML", &OperandLimits::longints},
    }};
    for (const auto& r : rows) {
        if (r.cls == c) {
            return l.*r.limit;
        }
    }
    return std::nullopt;
}

} // namespace

bool OperandoNaFaixa(const OperandLimits& limits, std::string_view operand) {
    const std::string c = ClasseOperando(operand);
    if (c == "TC") {
        // Only the twenty key names are keys.
        return teclaOffset(operand.substr(4)).has_value();
    }
    const int n = toInt32(NumeroOperando(operand)).value_or(-1);
    if (n < 0) {
        return false;
    }
    if (c == "I" || c == "Q") {
        const int b = toInt32(SufixoOperando(operand)).value_or(-1);
        const int words = c == "I" ? limits.inputWords : limits.outputWords;
        return n < words && b >= 0 && b < kBitsPerWord;
    }
    if (c == "PID.SP" || c == "PID.KP" || c == "PID.KI" || c == "PID.KD") {
        return n <= kMaxPidBlock;
    }
    if (c == "LT") {
        // %LT.F1 is the first LED: the field part less its first character.
        const std::string field = SufixoOperando(operand);
        const int k = field.empty() ? -1 : toInt32(std::string_view(field).substr(1)).value_or(-1);
        return k >= 1 && k <= kLedCount;
    }
    if (c == "REC") {
        return true; // one recipe area; the number only has to be a number
    }
    const auto limit = numberLimit(limits, c);
    return limit && n < *limit;
}

} // namespace velmora
