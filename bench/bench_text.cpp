// Splitting a large CR LF file into lines and fields (the table readers' inner loop).
#include "core/text/line_file.h"
#include "core/text/strings.h"

#include <benchmark/benchmark.h>

static void BM_SplitLinesAndFields(benchmark::State& state) {
    std::string bytes;
    for (int i = 0; i < state.range(0); ++i) {
        bytes +=
            std::to_string(i) + ";Local da mensagem;Texto em portugu\xEAs;Text in English;\r\n";
    }
    for (auto _ : state) {
        std::size_t fields = 0;
        for (const auto& line : velmora::text::splitLines(bytes)) {
            fields += velmora::text::splitFields(line).size();
        }
        benchmark::DoNotOptimize(fields);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_SplitLinesAndFields)->Arg(460)->Arg(20000);
