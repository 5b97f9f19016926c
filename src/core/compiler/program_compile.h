#pragma once

// One whole compile of a ladder project's main program: every logic through the three
// stages (instruction list, expression lines with their block merges, instruction bytes),
// the configuration lines, the code size and the checksum. Everything it uses lives in the
// compile: nothing survives from one compile to the next.

#include "core/comm/timers_table.h"
#include "core/compiler/code_generator.h"
#include "core/compiler/compile_state.h"
#include "core/ladder/program.h"
#include "core/lang/language.h"
#include "core/operands/memory_map.h"
#include "core/text/atomic_file.h"

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace velmora::compiler {

struct CompileOptions {
    int partialSend = 0;                 // the timers' partial-send setting
    comm::SymbolLookup symbol;           // timers-table tags (optional)
    comm::TimersTable* timers = nullptr; // the session's table, rebuilt when given
    // The start-up folder: the instruction list goes to slListaInstrucao.txt there.
    std::optional<std::filesystem::path> debugFolder;
};

struct CompileResult {
    std::vector<std::string> lines;       // the expression list in download order, "EP" last
    std::vector<std::string> presetLines; // timer lines, then counter and fast-counter lines
    std::vector<std::string> timerKindLines;
    std::vector<std::string> counterLines;
    std::vector<std::string> fastCounters;
    std::vector<CompileError> errors;
    CodeDiagnostics codeProblems;
    std::int32_t codeSize = 0;
    std::uint8_t checksum = 0;
    std::vector<std::int32_t> logicPositions;    // main program, index 0 unused
    std::vector<std::uint16_t> slotAddresses;    // slots 1 ... count, index 0 unused
    std::optional<text::WriteResult> debugWrite; // when a folder was given

    // True when the code may be downloaded.
    bool ok() const { return errors.empty() && codeProblems.empty(); }
};

// Compiles slot 1 of `slots` (the main program), with code addresses for slots
// 1 ... programCount starting at the map's ADDINICIOPROGRAMA.
CompileResult compileLadderProgram(std::span<const ladder::TPrograma> slots, int programCount,
                                   const MemoryMap& map, const CompileOptions& options = {});

// The expression lines of one logic on its own (instruction list, first pass, block merge),
// with `state`'s pools and lists. `program` is the edited program (PID parameters).
std::vector<std::string> compileLogic(const ladder::TLogica& logic, CompileState& state,
                                      const ladder::TPrograma* program);

// The user-visible text of a compile error: "Lógica n: " + the message + the detail.
std::string compileErrorText(const CompileError& e, const Language& language);

} // namespace velmora::compiler
