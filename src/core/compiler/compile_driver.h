#pragma once

// The whole-program compile of a project, as the download needs it: the expression lines of
// the main program ("LD") or of the instruction list ("ML"), the configuration lines, the code
// size and checksum, and every reason the code cannot be sent, each with its logic number.

#include "core/comm/timers_table.h"
#include "core/ladder/program.h"
#include "core/lang/language.h"
#include "core/operands/memory_map.h"
#include "core/project/projeto.h"
#include "core/text/atomic_file.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace velmora::compiler {

enum class DiagnosticKind {
    Validation,  // a logic the commit check refuses (messages 226 ... 228)
    Range,       // an operand without a controller address
    Compile,     // a logic or line the stages cannot translate
    Consistency, // the warning window's lines
    Size,        // the code does not fit the program area
    Call,        // a call of a program the download does not carry
};

struct CompileDiagnostic {
    DiagnosticKind kind = DiagnosticKind::Compile;
    int logic = 0;         // 0: the program as a whole (and every line of an "ML" project)
    bool blocking = true;  // false only for warnings the user may go on with
    int message = 0;       // language table number; 0 when `detail` is the whole text
    std::string arguments; // of the message
    std::string detail;    // what is concerned, or the product's own text
    bool operator==(const CompileDiagnostic&) const = default;
};

struct ProgramCompile {
    std::vector<std::string> lines;       // expression lines in download order, "EP" last
    std::vector<std::string> presetLines; // timer lines, then counter and fast-counter lines
    std::int32_t codeSize = 0;
    std::uint8_t checksum = 0;
    std::int64_t programStart = 0;               // ADDINICIOPROGRAMA
    std::int64_t programArea = 0;                // bytes the controller holds from there
    std::vector<std::int64_t> logicPositions;    // main program; index 0 unused
    std::vector<std::int64_t> slotAddresses;     // slots 1 ... count; index 0 unused
    std::vector<CompileDiagnostic> diagnostics;  // in the order found
    std::optional<text::WriteResult> debugWrite; // when a debug folder was given

    // True when nothing blocks the download.
    bool downloadable() const;
};

struct CompileInput {
    // The edited program, standing for slot 1 (nullptr: the project's slot 1). Its logics
    // receive their code positions.
    ladder::TPrograma* editedMain = nullptr;
    // The instruction list of an "ML" project, one line each.
    std::vector<std::string> instructionList;
    comm::TimersTable* timers = nullptr; // the session's table, rebuilt when given
    comm::SymbolLookup symbol;           // timers-table tags (optional)
    // The start-up folder: the instruction list goes to slListaInstrucao.txt there.
    std::optional<std::filesystem::path> debugFolder;
};

// Compiles the project: addresses for every slot, then the main program (or the instruction
// list) into expression lines; stores the code size into the project. "LD" projects also get
// the commit check of every logic and the consistency checks. Everything it uses lives in the
// call, so two compiles of the same project give the same result.
ProgramCompile CompilaPrograma(project::TProjeto& project, const MemoryMap& map,
                               const CompileInput& input = {});

// The user-visible text: "Lógica nnn: " (for a logic), the message or the product's own text,
// and the detail in parentheses after a message.
std::string diagnosticText(const CompileDiagnostic& d, const Language& language);

} // namespace velmora::compiler
