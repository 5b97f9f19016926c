// Logic validation, coil compaction, the consistency checks and the whole-program compile on
// arbitrary cells: each input line is the text of the next cell (storage columns left to
// right, rows 0 to 10 in each). Nothing may crash or hang, and validation must leave a logic
// it only checks unchanged.
#include "core/compiler/compile_driver.h"
#include "core/compiler/consistency.h"
#include "core/compiler/validation.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmora;
    std::string_view text(reinterpret_cast<const char*>(data), size);
    ladder::TLogica logic;
    logic.number = 1;
    int at = 0;
    while (!text.empty() && at < ladder::kStorageColumns * ladder::kStorageRows) {
        const std::size_t end = text.find('\n');
        logic.cell(at / ladder::kStorageRows, at % ladder::kStorageRows).set(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        ++at;
    }
    const ladder::TLogica before = logic;
    compiler::checkLogic(logic);
    if (!ladder::LogicasIguais(before, logic)) {
        std::abort();
    }
    ladder::TLogica normalised = logic;
    compiler::NormalizaContatos(normalised);
    compiler::CompactaUltimaColuna(normalised);

    project::TProjeto project;
    ladder::setLogicCount(project.program(1), 2);
    project.program(1).logic(1) = logic;
    project.program(1).logic(2) = normalised;
    project.program(1).logic(2).number = 2;
    compiler::avisosPrograma(project.program(1));
    MemoryMap map;
    map[MapKey::ADDINICIOPROGRAMA] = 0x1000;
    compiler::CompilaPrograma(project, map);
    return 0;
}
