#include "core/compiler/program_compile.h"

#include "core/compiler/block_merge.h"
#include "core/compiler/expressions.h"
#include "core/compiler/instruction_list.h"
#include "core/text/strings.h"

#include <algorithm>
#include <cstdio>

namespace velmora::compiler {

std::vector<std::string> compileLogic(const ladder::TLogica& logic, CompileState& state,
                                      const ladder::TPrograma* program) {
    const std::string il = translateLogicBody(logic, state);
    return UneBlocos(ListaParaExpressoes(il, state), state, program);
}

CompileResult compileLadderProgram(std::span<const ladder::TPrograma> slots, int programCount,
                                   const MemoryMap& map, const CompileOptions& options) {
    CompileResult result;
    programCount = std::clamp(programCount, 1, static_cast<int>(slots.size()));
    const ladder::TPrograma& main = slots[0];

    comm::TimersTable localTimers;
    comm::TimersTable& timers = options.timers != nullptr ? *options.timers : localTimers;
    const comm::TimerLines timerLines =
        comm::LinhasTemporizadores(timers, main, options.partialSend, options.symbol);

    // Code addresses: every logic compiled on its own gives its size. Calls and jumps have
    // a fixed size, so their targets do not matter yet.
    std::vector<std::vector<std::int32_t>> positions(static_cast<std::size_t>(programCount) + 1);
    result.slotAddresses.assign(static_cast<std::size_t>(programCount) + 1, 0);
    std::int64_t address = map[MapKey::ADDINICIOPROGRAMA];
    std::vector<std::string> crpsLines;
    for (int s = 1; s <= programCount; ++s) {
        const ladder::TPrograma& slot = slots[static_cast<std::size_t>(s - 1)];
        result.slotAddresses[static_cast<std::size_t>(s)] = static_cast<std::uint16_t>(address);
        auto& pos = positions[static_cast<std::size_t>(s)];
        pos.assign(static_cast<std::size_t>(slot.count()) + 1, 0);
        CompileState sizing;
        sizing.timerKindLines = timerLines.kinds;
        sizing.addresses.slotAddress = [](std::string_view) { return std::uint16_t{0}; };
        sizing.addresses.logicPosition = [](int, int) { return std::int32_t{0}; };
        std::int64_t running = address;
        for (int i = 1; i <= slot.count(); ++i) {
            pos[static_cast<std::size_t>(i)] = static_cast<std::int32_t>(running);
            sizing.currentLogic = i;
            running += TamanhoCodigo(compileLogic(slot.logic(i), sizing, &slot));
        }
        if (text::toUpperAscii(slot.name) == "CR0") {
            crpsLines.push_back("CRPS(0," + std::to_string(address) + ")");
        }
        address = running;
    }
    result.logicPositions = positions[1];

    CompileState state;
    state.timerKindLines = timerLines.kinds;
    state.timerPresetLines = timerLines.presets;
    for (const auto& l : crpsLines) {
        addOnce(state.configLines, l);
    }
    state.addresses.slotAddress = [&](std::string_view name) -> std::optional<std::uint16_t> {
        for (int s = 1; s <= programCount; ++s) {
            if (text::equalsIgnoreCaseAscii(slots[static_cast<std::size_t>(s - 1)].name, name)) {
                return result.slotAddresses[static_cast<std::size_t>(s)];
            }
        }
        return std::nullopt;
    };
    state.addresses.logicPosition = [&](int logic, int slot) -> std::optional<std::int32_t> {
        if (slot < 1 || slot > programCount) {
            return std::nullopt;
        }
        const auto& pos = positions[static_cast<std::size_t>(slot)];
        if (logic < 1 || logic >= static_cast<int>(pos.size())) {
            return std::nullopt;
        }
        return pos[static_cast<std::size_t>(logic)];
    };
    state.pools.reset();
    std::vector<std::string> debug;
    for (int i = 1; i <= main.count(); ++i) {
        state.currentLogic = i;
        std::vector<std::string> lines = compileLogic(main.logic(i), state, &main);
        debug.insert(debug.end(), state.debugList.begin(), state.debugList.end());
        for (auto& l : lines) {
            CodeDiagnostics problems;
            for (std::uint8_t byte : GeraCodigo(l, map, &problems)) {
                result.checksum ^= byte;
            }
            result.codeSize += countedBytes(l, &problems);
            for (auto& p : problems) {
                p.logic = i;
                result.codeProblems.push_back(std::move(p));
            }
            result.lines.push_back(std::move(l));
        }
    }
    result.lines.emplace_back("EP");
    for (std::uint8_t byte : GeraCodigo(result.lines.back(), map)) {
        result.checksum ^= byte;
    }
    result.codeSize += countedBytes(result.lines.back());
    state.debugList = std::move(debug);
    if (options.debugFolder) {
        result.debugWrite = writeDebugList(*options.debugFolder, state);
    }
    result.presetLines = state.presetLines();
    result.timerKindLines = state.timerKindLines;
    result.counterLines = state.counterLines;
    result.fastCounters = state.fastCounters;
    result.errors = state.errors;
    return result;
}

std::string compileErrorText(const CompileError& e, const Language& language) {
    std::string text;
    if (e.logic > 0) {
        char number[16];
        std::snprintf(number, sizeof number, "%03d", e.logic);
        text = language.text(kMsgLogicHeader, number) + ": ";
    }
    text += language.text(e.message);
    if (!e.detail.empty()) {
        text += " (" + e.detail + ")";
    }
    return text;
}

} // namespace velmora::compiler
