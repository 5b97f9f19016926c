// A full compile of the main program: every logic through instruction list, expression
// lines with block merges and code, plus the code addresses. Each logic holds five
// contacts, a vertical link and a coil, about what fills the controller's code area at 500
// logics. Target: 500 logics under 25 ms, and 500 at most 2.2 times 250.
#include "core/compiler/compile_driver.h"
#include "core/compiler/program_compile.h"
#include "core/ladder/cell.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string>

namespace {

using namespace velmora;

std::string cell(std::string_view code, int column, const std::string& operand = {}) {
    std::string t = ladder::CabecalhoCelula(code, '1', column == 0);
    if (!operand.empty()) {
        t += "#" + operand;
    }
    return t;
}

ladder::TLogica logic(int i) {
    ladder::TLogica l = ladder::NovaLogica();
    for (int c = 0; c < 4; ++c) {
        l.element(c, 0).set(cell("CNA", c, "%M" + std::to_string((i * 5 + c) % 500)));
    }
    l.element(0, 1).set(cell("CNF", 0, "%I0." + std::to_string(i % 8)));
    l.cell(2, 0).set(ladder::kLinkDown);
    for (int c = 4; c < 9; ++c) {
        l.element(c, 0).set(cell("CRT", c));
    }
    l.element(9, 0).set(cell("BOB", 9, "%M" + std::to_string(i))); // one coil per operand
    return l;
}

MemoryMap benchMap() {
    MemoryMap m;
    m[MapKey::ADDINPUT] = 0x01B0;
    m[MapKey::TAMINPUT] = 0x10;
    m[MapKey::ADDOUTPUT] = 0x01C0;
    m[MapKey::TAMOUTPUT] = 0x10;
    m[MapKey::ADDBITMEMORY] = 0x0240;
    m[MapKey::TAMBITMEMORY] = 0x200;
    m[MapKey::ADDBUFFER] = 0x10;
    m[MapKey::TAMBUFFER] = 0x10;
    m[MapKey::ADDINICIOPROGRAMA] = 0x2E00;
    return m;
}

void BM_CompileProgram(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    std::array<ladder::TPrograma, 20> slots;
    ladder::setLogicCount(slots[0], count);
    for (int i = 1; i <= count; ++i) {
        slots[0].logic(i) = logic(i);
        slots[0].logic(i).number = i;
    }
    const MemoryMap map = benchMap();
    std::int32_t size = 0;
    for (auto _ : state) {
        const compiler::CompileResult r = compiler::compileLadderProgram(slots, 1, map);
        size = r.codeSize;
        benchmark::DoNotOptimize(r.checksum);
        if (!r.ok()) {
            state.SkipWithError("compile failed");
            break;
        }
    }
    state.counters["code_bytes"] = size;
}
BENCHMARK(BM_CompileProgram)->Arg(250)->Arg(500)->Unit(benchmark::kMillisecond);

// The compile a download runs: the same, plus the commit check of every logic and the
// consistency checks.
void BM_CompilaPrograma(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    project::TProjeto project;
    ladder::setLogicCount(project.program(1), count);
    for (int i = 1; i <= count; ++i) {
        project.program(1).logic(i) = logic(i);
        project.program(1).logic(i).number = i;
    }
    const MemoryMap map = benchMap();
    std::size_t diagnostics = 0;
    for (auto _ : state) {
        const compiler::ProgramCompile r = compiler::CompilaPrograma(project, map);
        benchmark::DoNotOptimize(r.checksum);
        // Only the program-area size may be refused here: the time is what is measured.
        diagnostics = r.diagnostics.size();
    }
    state.counters["diagnostics"] = static_cast<double>(diagnostics);
}
BENCHMARK(BM_CompilaPrograma)->Arg(250)->Arg(500)->Unit(benchmark::kMillisecond);

} // namespace
