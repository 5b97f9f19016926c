#include "core/compiler/compile_driver.h"

#include "core/compiler/addressing.h"
#include "core/compiler/block_merge.h"
#include "core/compiler/code_generator.h"
#include "core/compiler/compile_state.h"
#include "core/compiler/consistency.h"
#include "core/compiler/expressions.h"
#include "core/compiler/program_compile.h"
#include "core/compiler/validation.h"
#include "core/text/strings.h"

#include <algorithm>
#include <cstdio>

namespace velmora::compiler {

namespace {

constexpr std::string_view kCrlf = "\r\n";

std::string callNotSent(std::string_view name) {
    return "A chamada do programa " + std::string(name) +
           " n\xE3o pode ser transferida: s\xF3 o programa principal \xE9 enviado ao CLP";
}

std::string slotNotSent(std::string_view name) {
    return "O programa " + std::string(name) +
           " n\xE3o \xE9 enviado ao CLP: o contador r\xE1pido chamaria um c\xF3"
           "digo ausente";
}

std::string doesNotFit(std::int64_t needs, std::int64_t has) {
    return "O programa precisa de " + std::to_string(needs) + " bytes, o CLP tem " +
           std::to_string(has);
}

void validate(const ladder::TPrograma& main, std::vector<CompileDiagnostic>& out) {
    for (int i = 1; i <= main.count(); ++i) {
        ladder::TLogica copy = main.logic(i);
        NormalizaContatos(copy);
        const int code = VerificaLogica(copy);
        if (const int message = validationMessage(code); message != 0) {
            out.push_back({DiagnosticKind::Validation, i, true, message, {}, {}});
        }
    }
}

void addCodeProblems(const std::string& line, int logic, const MemoryMap& map,
                     std::vector<CompileDiagnostic>& out) {
    CodeDiagnostics problems;
    GeraCodigo(line, map, &problems);
    countedBytes(line, &problems);
    for (const auto& p : problems) {
        out.push_back({DiagnosticKind::Range, logic, true, 0, {}, p.line + ": " + p.text});
    }
}

// The code addresses the stages ask for, from EnderecaProgramas. A call of another slot is
// refused: only the main program's code is downloaded.
void bindAddresses(CompileState& state, const ProgramAddresses& addresses,
                   std::vector<CompileDiagnostic>& out) {
    state.addresses.slotAddress = [&state, &addresses,
                                   &out](std::string_view name) -> std::optional<std::uint16_t> {
        const int s = addresses.slotNumber(name);
        if (s == 0) {
            return std::nullopt;
        }
        if (s > 1) {
            CompileDiagnostic d{DiagnosticKind::Call, state.currentLogic, true, 0, {},
                                callNotSent(name)};
            if (std::find(out.begin(), out.end(), d) == out.end()) {
                out.push_back(std::move(d));
            }
        }
        return static_cast<std::uint16_t>(addresses.slots[static_cast<std::size_t>(s)].start);
    };
    state.addresses.logicPosition = [&addresses](int logic,
                                                 int slot) -> std::optional<std::int32_t> {
        if (slot < 1 || slot >= static_cast<int>(addresses.slots.size())) {
            return std::nullopt;
        }
        const auto& pos = addresses.slots[static_cast<std::size_t>(slot)].positions;
        if (logic < 1 || logic >= static_cast<int>(pos.size())) {
            return std::nullopt;
        }
        return static_cast<std::int32_t>(pos[static_cast<std::size_t>(logic)]);
    };
}

// The timer lines of an instruction-list project: no ladder cells to rebuild the table from,
// so the table's rows as they stand.
comm::TimerLines tableTimerLines(const comm::TimersTable& table, int partialSend) {
    comm::TimerLines lines;
    for (const auto& row : table.rows) {
        const std::string code = row.kind == "TP"     ? "TPP"
                                 : row.kind == "TON"  ? "TON"
                                 : row.kind == "TOFF" ? "TOF"
                                                      : "";
        if (row.id.empty() || code.empty()) {
            continue;
        }
        lines.kinds.push_back("TIMER(" + row.id + "," + code + ")");
        if (partialSend == 0 || (partialSend == 2 && row.send)) {
            addOnce(lines.presets, "TIMERP(" + row.id + "," + row.preset + ")");
            for (int b = 1; b <= 4; ++b) {
                if (comm::timerBaseText(std::to_string(b)) == row.base) {
                    addOnce(lines.presets, "TIMERB(" + row.id + "," + std::to_string(b - 1) + ")");
                }
            }
        }
    }
    return lines;
}

} // namespace

bool ProgramCompile::downloadable() const {
    return std::none_of(diagnostics.begin(), diagnostics.end(),
                        [](const CompileDiagnostic& d) { return d.blocking; });
}

ProgramCompile CompilaPrograma(project::TProjeto& project, const MemoryMap& map,
                               const CompileInput& input) {
    ProgramCompile result;
    auto& diags = result.diagnostics;
    ladder::TPrograma& main = input.editedMain != nullptr ? *input.editedMain : project.program(1);
    const bool ladderProject = project.kind != "ML";

    comm::TimersTable localTimers;
    comm::TimersTable& timers = input.timers != nullptr ? *input.timers : localTimers;
    const comm::TimerLines timerLines =
        ladderProject
            ? comm::LinhasTemporizadores(timers, main, project.config.envioParcial, input.symbol)
            : tableTimerLines(timers, project.config.envioParcial);

    if (ladderProject) {
        validate(main, diags);
        for (auto& w : avisosPrograma(main)) {
            diags.push_back(
                {DiagnosticKind::Consistency, w.logic, w.blocking, 0, {}, std::move(w.text)});
        }
    }

    const ProgramAddresses addresses =
        EnderecaProgramas(project, map, input.editedMain, timerLines.kinds);
    for (std::size_t s = 2; s < addresses.slots.size(); ++s) {
        if (text::toUpperAscii(addresses.slots[s].name) == "CR0") {
            diags.push_back({DiagnosticKind::Call, 0, true, 0, {}, slotNotSent("CR0")});
        }
    }
    result.slotAddresses.assign(addresses.slots.size(), 0);
    for (std::size_t s = 1; s < addresses.slots.size(); ++s) {
        result.slotAddresses[s] = addresses.slots[s].start;
    }
    result.logicPositions = addresses.slots[1].positions;

    CompileState state;
    state.timerKindLines = timerLines.kinds;
    state.timerPresetLines = timerLines.presets;
    for (const auto& l : addresses.configLines) {
        addOnce(state.configLines, l);
    }
    bindAddresses(state, addresses, diags);
    state.pools.reset();

    std::vector<std::string> debug;
    if (ladderProject) {
        for (int i = 1; i <= main.count(); ++i) {
            state.currentLogic = i;
            std::vector<std::string> lines = compileLogic(main.logic(i), state, &main);
            debug.insert(debug.end(), state.debugList.begin(), state.debugList.end());
            for (auto& l : lines) {
                addCodeProblems(l, i, map, diags);
                result.lines.push_back(std::move(l));
            }
        }
        result.lines.emplace_back("EP");
        state.debugList = std::move(debug);
    } else {
        std::string il;
        for (const auto& l : input.instructionList) {
            il += std::string(kCrlf) + text::toUpperAscii(l);
        }
        state.currentLogic = 0;
        result.lines = UneBlocos(ListaParaExpressoes(il, state), state, &main);
        if (result.lines.empty() || result.lines.back() != "EP") {
            result.lines.emplace_back("EP");
        }
        for (const auto& l : result.lines) {
            addCodeProblems(l, 0, map, diags);
        }
    }
    for (const auto& e : state.errors) {
        diags.push_back({DiagnosticKind::Compile, e.logic, true, e.message, {}, e.detail});
    }
    if (input.debugFolder) {
        result.debugWrite = writeDebugList(*input.debugFolder, state);
    }
    result.presetLines = state.presetLines();
    result.codeSize = TamanhoCodigo(result.lines);
    result.checksum = ChecksumCodigo(result.lines, map);
    result.programStart = map[MapKey::ADDINICIOPROGRAMA];
    result.programArea = programAreaSize(result.programStart);
    if (result.codeSize > result.programArea) {
        diags.push_back({DiagnosticKind::Size,
                         0,
                         true,
                         0,
                         {},
                         doesNotFit(result.codeSize, result.programArea)});
    }
    project.codeSize = result.codeSize;
    return result;
}

std::string diagnosticText(const CompileDiagnostic& d, const Language& language) {
    std::string text;
    if (d.logic > 0) {
        char number[16];
        std::snprintf(number, sizeof number, "%03d", d.logic);
        text = language.text(kMsgLogicHeader, number) + ": ";
    }
    if (d.message != 0) {
        text += language.text(d.message, d.arguments);
        if (!d.detail.empty()) {
            text += " (" + d.detail + ")";
        }
    } else {
        text += d.detail;
    }
    return text;
}

} // namespace velmora::compiler
