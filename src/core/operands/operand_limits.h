#pragma once

#include "core/operands/memory_map.h"

#include <optional>
#include <string_view>

namespace velmora {

// The operand limit table the editors check operand numbers against. All 0 until
// LimitesOperandos sets it (so every check that uses it fails).
struct OperandLimits {
    int bitMemory = 0;            // "M"
    int systemBits = 0;           // "S"
    int retentiveBitsRam = 0;     // "MRR"
    int retentiveBitsE2prom = 0;  // "MRE"
    int bytes = 0;                // "MB", "MBRR", "MBRE"
    int systemBytes = 0;          // "SB"
    int words = 0;                // "MW"
    int systemWords = 0;          // "SW"
    int retentiveWordsRam = 0;    // "MWRR"
    int retentiveWordsE2prom = 0; // "MWRE"
    int inputWords = 0;           // "I"
    int outputWords = 0;          // "Q"
    int analogInputs = 0;         // "IA"
    int analogOutputs = 0;        // "QA"
    int timers = 0;               // "T", "T.V", "T.P", "T.Q", "T.B"
    int counters = 0;             // "C", "C.V", "C.P", "C.Q"
    int fastCounters = 0;         // "CR.Q", "CR.V", "CR.P"
    int longints = 0;             // "ML"
};

// Highest PID block number, LED count and bit count per input/output word: fixed.
inline constexpr int kMaxPidBlock = 3;
inline constexpr int kLedCount = 8;
inline constexpr int kBitsPerWord = 8;

// The limit table as set when a project is created or opened (analog inputs from the map's
// TAMINPUTANALOG / 2).
OperandLimits LimitesOperandos(const MemoryMap& map);

// The offset of a panel key name ("ESQ" 0 ... "ENTER" 19) in the key area; nullopt otherwise.
std::optional<int> teclaOffset(std::string_view keyName);

// The silent range check: true when the operand is a valid operand within the limit table.
bool OperandoNaFaixa(const OperandLimits& limits, std::string_view operand);

} // namespace velmora
