// Save and load of a 999-logic project (target: each well under 50 ms).
#include "core/ladder/program.h"
#include "core/project/project_file.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

using namespace velmora;

// 999 logics of a contact row, a timer and a coil, with a title and a two-line comment each.
ladder::TPrograma bigProgram() {
    ladder::TPrograma p;
    ladder::setLogicCount(p, ladder::kMaxLogics);
    for (int q = 1; q <= p.count(); ++q) {
        auto& logic = p.logic(q);
        const std::string n = std::to_string(q);
        for (int c = 0; c < 4; ++c) {
            logic.element(c, 0).set("CNA100100" + std::string(c == 0 ? "10" : "00") + "#%I0." +
                                    std::to_string(c));
        }
        logic.element(4, 0).set("TON1001000#%T" + n + "#100#2#1");
        logic.element(4, 1).set("TON2001000");
        for (int c = 5; c < 9; ++c) {
            logic.element(c, 0).set("CRT1001000");
        }
        logic.element(9, 0).set("BOB1001000#%Q0." + std::to_string(q % 8));
        logic.cell(2, 0).set("I000");
        logic.element(0, 1).set("CNA1001010#%M" + n);
        logic.setTitle("Logica " + n + " partida do motor da bomba");
        logic.setComment("Liga a bomba quando o nivel baixa\r\nDesliga no nivel alto");
    }
    p.setName("Principal");
    return p;
}

std::filesystem::path benchFile() {
    return std::filesystem::temp_directory_path() /
           ("velmora-bench-" + std::to_string(::getpid()) + ".vlp");
}

void BM_SaveProject999(benchmark::State& state) {
    project::Project project;
    ladder::TPrograma edited = bigProgram();
    const auto path = benchFile();
    for (auto _ : state) {
        const auto report = project::SalvaProjeto(path, project, edited);
        if (!report.ok) {
            state.SkipWithError("save failed");
            break;
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(std::filesystem::file_size(path)));
    std::filesystem::remove(path);
}
BENCHMARK(BM_SaveProject999)->Unit(benchmark::kMillisecond);

void BM_LoadProject999(benchmark::State& state) {
    project::Project project;
    ladder::TPrograma edited = bigProgram();
    const auto path = benchFile();
    if (!project::SalvaProjeto(path, project, edited).ok) {
        state.SkipWithError("save failed");
        return;
    }
    for (auto _ : state) {
        project::Project loaded;
        ladder::TPrograma loadedEdited;
        const auto result = project::CarregaProjeto(path, loaded, loadedEdited);
        if (!result.ok || loadedEdited.count() != ladder::kMaxLogics) {
            state.SkipWithError("load failed");
            break;
        }
        benchmark::DoNotOptimize(loadedEdited);
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_LoadProject999)->Unit(benchmark::kMillisecond);

} // namespace
