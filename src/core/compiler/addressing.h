#pragma once

// Code addresses of a project: where each program slot's code starts and how long it is, and
// where each logic's code begins. Sizes come from compiling every logic on its own; calls and
// jumps have a fixed size, so their targets need not be known yet.

#include "core/ladder/program.h"
#include "core/operands/memory_map.h"
#include "core/project/projeto.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::compiler {

// The controller's program area ends where the operator-panel pages begin.
inline constexpr std::int64_t kProgramAreaEnd = 0x5000;
inline constexpr std::int64_t kAddressSpaceEnd = 0x10000;

// The bytes the program area holds from `start` on.
std::int64_t programAreaSize(std::int64_t start);

struct SlotCode {
    std::string name;
    std::int64_t start = 0;
    std::int64_t size = 0;
    std::vector<std::int64_t> positions; // logics 1 ... count; index 0 unused
};

struct ProgramAddresses {
    std::vector<SlotCode> slots;          // slots 1 ... program count; index 0 unused
    std::vector<std::string> configLines; // "CRPS(0,address)" of a slot named CR0

    // The slot named `name` (compared without regard to case), 0 when there is none.
    int slotNumber(std::string_view name) const;
};

// Assigns code addresses from the map's ADDINICIOPROGRAMA on: each slot's start (low half of
// its first reserved word) and size (high half), and each logic's code position. `main`, when
// given, stands for slot 1 (the edited program) and receives its positions. `timerKindLines`
// are the "TIMER(n,kind)" lines the timer merges need. Sizing works on its own scratch state,
// its operand pools fresh for every logic, so the result never depends on an earlier compile.
ProgramAddresses EnderecaProgramas(project::TProjeto& project, const MemoryMap& map,
                                   ladder::TPrograma* main = nullptr,
                                   const std::vector<std::string>& timerKindLines = {});

} // namespace velmora::compiler
