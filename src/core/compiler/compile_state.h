#pragma once

// The state of one compile: operand pools, the configuration lists, the debug text and the
// errors found. A compile owns one CompileState; nothing of it outlives the compile, so two
// compiles of the same program give the same result.

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::compiler {

inline constexpr int kBitBuffers = 16;    // B0 ... B15
inline constexpr int kEdgeMemories = 256; // L1 ... L256
inline constexpr int kWordBuffers = 8;    // O0 ... O7

// Message numbers of the language table used by the compiler.
inline constexpr int kMsgTranslation = 286; // the logic cannot be translated
inline constexpr int kMsgNoEdgeMemory = 279;
inline constexpr int kMsgLogicHeader = 11; // "Lógica [0]"

// One reason the compile cannot give controller code. `detail` names the element, operand
// or line concerned (the message text alone would not say which).
struct CompileError {
    int logic = 0; // 0 when the error belongs to no logic (an instruction-list project)
    int message = kMsgTranslation;
    std::string detail;
    bool operator==(const CompileError&) const = default;
};

// The bit and word buffer pools: first-in first-out free lists (B0 first), and the stack of
// bit buffers holding saved results. Edge memories are taken in order, never returned.
struct OperandPools {
    std::deque<int> freeBits;
    std::vector<int> bitStack;
    int nextEdge = 1;
    std::deque<int> freeWords;

    OperandPools() { reset(); }
    void reset();
    // The free bit buffers as texts, first to last (for the block merge).
    std::vector<std::string> freeBitNames() const;
};

// What the compile needs from the project: the code start of a program slot by name (the
// name compared without regard to case) and the code position of logic `logic` of slot
// `slot`. Both answer nullopt when there is no such slot or logic.
struct CodeAddresses {
    std::function<std::optional<std::uint16_t>(std::string_view name)> slotAddress;
    std::function<std::optional<std::int32_t>(int logic, int slot)> logicPosition;
};

struct CompileState {
    OperandPools pools;

    // "COUNTERP(", "CRPP(" and "CRPS(" lines, each once, in the order found. The timer lines
    // are kept apart (timerPresetLines) so that rebuilding them never drops these.
    std::vector<std::string> configLines;
    std::vector<std::string> counterLines;     // "COUNTER(n,kind)"
    std::vector<std::string> fastCounters;     // fast-counter numbers
    std::vector<std::string> timerKindLines;   // "TIMER(n,kind)"
    std::vector<std::string> timerPresetLines; // "TIMERP(" and "TIMERB(" lines

    // The instruction list last handed to ListaParaExpressoes (blank lines removed).
    std::vector<std::string> debugList;

    std::vector<CompileError> errors;
    int currentLogic = 0;

    CodeAddresses addresses;

    void error(int message, std::string detail) {
        errors.push_back({currentLogic, message, std::move(detail)});
    }
    bool failed() const { return !errors.empty(); }

    // Every configuration line the download sends: timer lines first, then the others.
    std::vector<std::string> presetLines() const;
};

// Adds `line` to `list` unless it is already there.
void addOnce(std::vector<std::string>& list, std::string_view line);

} // namespace velmora::compiler
