#include "core/compiler/addressing.h"

#include "core/compiler/code_generator.h"
#include "core/compiler/compile_state.h"
#include "core/compiler/program_compile.h"
#include "core/text/strings.h"

#include <algorithm>

namespace velmora::compiler {

std::int64_t programAreaSize(std::int64_t start) {
    const std::int64_t end = start < kProgramAreaEnd ? kProgramAreaEnd : kAddressSpaceEnd;
    return std::max<std::int64_t>(0, end - start);
}

int ProgramAddresses::slotNumber(std::string_view name) const {
    for (std::size_t s = 1; s < slots.size(); ++s) {
        if (text::equalsIgnoreCaseAscii(slots[s].name, name)) {
            return static_cast<int>(s);
        }
    }
    return 0;
}

ProgramAddresses EnderecaProgramas(project::TProjeto& project, const MemoryMap& map,
                                   ladder::TPrograma* main,
                                   const std::vector<std::string>& timerKindLines) {
    ProgramAddresses out;
    const int count = std::clamp<int>(project.programCount, 1, project::kProgramSlots);
    out.slots.resize(static_cast<std::size_t>(count) + 1);
    std::int64_t address = map[MapKey::ADDINICIOPROGRAMA];
    for (int s = 1; s <= count; ++s) {
        ladder::TPrograma& slot = s == 1 && main != nullptr ? *main : project.program(s);
        SlotCode& code = out.slots[static_cast<std::size_t>(s)];
        code.name = slot.name;
        code.start = address;
        code.positions.assign(static_cast<std::size_t>(slot.count()) + 1, 0);

        CompileState sizing;
        sizing.timerKindLines = timerKindLines;
        sizing.addresses.slotAddress = [](std::string_view) { return std::uint16_t{0}; };
        sizing.addresses.logicPosition = [](int, int) { return std::int32_t{0}; };
        std::int64_t running = address;
        for (int i = 1; i <= slot.count(); ++i) {
            code.positions[static_cast<std::size_t>(i)] = running;
            slot.logic(i).codePosition = static_cast<std::int32_t>(running);
            sizing.pools.reset();
            sizing.currentLogic = i;
            running += TamanhoCodigo(compileLogic(slot.logic(i), sizing, &slot));
        }
        code.size = running - address;
        // Two 16-bit halves, as the slot record keeps them; the compile refuses a program
        // that does not fit, so a cut value is never sent.
        const auto low = static_cast<std::uint32_t>(code.start) & 0xFFFFu;
        const auto high = static_cast<std::uint32_t>(code.size) & 0xFFFFu;
        slot.reserved[0] = static_cast<std::int32_t>(low | (high << 16));
        if (main != nullptr && s == 1) {
            project.program(1).reserved[0] = slot.reserved[0];
        }
        if (text::toUpperAscii(slot.name) == "CR0") {
            addOnce(out.configLines, "CRPS(0," + std::to_string(address) + ")");
        }
        address = running;
    }
    return out;
}

} // namespace velmora::compiler
