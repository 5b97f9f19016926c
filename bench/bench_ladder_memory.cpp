// Memory held by a full ladder program: 999 logics (the most a file can number) with 20 filled
// cells each. The target is under 10 MB; the run fails when it is not met.
#include "core/ladder/cell.h"
#include "core/ladder/program.h"

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>

namespace {

// Live heap bytes as the allocator hands them out (usable size, so rounding is counted).
std::atomic<long long> liveBytes{0};

void* countedAlloc(std::size_t n) {
    void* p = std::malloc(n == 0 ? 1 : n);
    if (p == nullptr) {
        throw std::bad_alloc();
    }
    liveBytes += static_cast<long long>(malloc_usable_size(p));
    return p;
}

void countedFree(void* p) noexcept {
    if (p != nullptr) {
        liveBytes -= static_cast<long long>(malloc_usable_size(p));
        std::free(p);
    }
}

} // namespace

void* operator new(std::size_t n) {
    return countedAlloc(n);
}
void* operator new[](std::size_t n) {
    return countedAlloc(n);
}
void operator delete(void* p) noexcept {
    countedFree(p);
}
void operator delete[](void* p) noexcept {
    countedFree(p);
}
void operator delete(void* p, std::size_t) noexcept {
    countedFree(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    countedFree(p);
}

namespace {

using namespace velmora::ladder;

constexpr double kLimitBytes = 10.0 * 1000 * 1000;

// Twenty cells of a busy logic: contacts, lines, a timer, links and a coil; most texts are
// longer than the string's inline buffer, so they cost a heap block each.
void fillLogic(TLogica& logic, int q) {
    int filled = 0;
    for (int c = 0; c < 8 && filled < 14; ++c) {
        for (int r = 0; r < 2 && filled < 14; ++r, ++filled) {
            logic.element(c, r).set("CNA100100" + std::string(c == 0 ? "10" : "00") + "#%I" +
                                    std::to_string(r) + "." + std::to_string(c));
        }
    }
    logic.element(3, 3).set("TON1001000#%T" + std::to_string(q % 64) + "#100#1#1");
    logic.element(3, 4).set("TON2001000");
    logic.cell(2, 0).set("I000");
    logic.cell(6, 2).set("I000");
    logic.element(9, 0).set("BOB1001000#%Q" + std::to_string(q % 4) + ".1");
    logic.element(9, 1).set("BOS1001000#%M" + std::to_string(q % 512));
    logic.setTitle("Logica " + std::to_string(q));
}

// Built the way the editor grows a program: one logic appended at a time.
TPrograma buildProgram() {
    TPrograma program;
    fillLogic(program.logic(1), 1);
    for (int q = 2; q <= kMaxLogics; ++q) {
        TLogica logic = NovaLogica();
        fillLogic(logic, q);
        InsereLogica(program, logic, q);
    }
    return program;
}

void BM_FullProgramMemory(benchmark::State& state) {
    double bytes = 0;
    for (auto _ : state) {
        const long long before = liveBytes.load();
        auto* program = new TPrograma(buildProgram());
        bytes = static_cast<double>(liveBytes.load() - before);
        benchmark::DoNotOptimize(program);
        delete program;
    }
    state.counters["bytes_per_logic"] = bytes / kMaxLogics;
    state.counters["total_MB"] = bytes / 1e6;
    if (bytes >= kLimitBytes) {
        state.SkipWithError("a 999-logic program needs 10 MB or more");
    }
}
BENCHMARK(BM_FullProgramMemory)->Unit(benchmark::kMillisecond)->Iterations(3);

// Renumbering jumps over the full program (runs on every insertion and removal).
void BM_RenumberJumps(benchmark::State& state) {
    TPrograma program = buildProgram();
    for (auto _ : state) {
        RenumeraSaltos(program, 500, +1);
        RenumeraSaltos(program, 500, -1);
    }
}
BENCHMARK(BM_RenumberJumps)->Unit(benchmark::kMillisecond);

} // namespace
