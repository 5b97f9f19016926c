// The compiler's passes on arbitrary text: the input as an instruction list (first pass and
// block merge), as expression lines (block merge, the line parser, the code generator, the
// size count and the checksum). Nothing may crash or hang.
#include "core/compiler/block_merge.h"
#include "core/compiler/code_generator.h"
#include "core/compiler/expression_text.h"
#include "core/compiler/expressions.h"
#include "core/compiler/instruction_list.h"
#include "core/ladder/program.h"

#include <array>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

const velmora::MemoryMap& sampleMap() {
    static const velmora::MemoryMap map = [] {
        velmora::MemoryMap m;
        for (std::size_t i = 0; i < velmora::kMapKeyCount; ++i) {
            m.values[i] = static_cast<std::int32_t>(i % 2 == 0 ? i * 0x0931 : 0x100 + i * 7);
        }
        return m;
    }();
    return map;
}

// Cell texts a loaded file may put anywhere, links and parts of boxes included.
constexpr std::array<std::string_view, 24> kCells = {
    "",
    "CNA1001000#%I0.0",
    "CNF1001000#%I0.1",
    "CBP1001000#%M1",
    "CRT1001000",
    "BOB1001000#%Q0.0",
    "BON1001000#%Q0.1",
    "TON1001000#%T1#5#1#1",
    "TON2001000",
    "CUP1001000#%C1#3",
    "CUP2001000",
    "CUD1001000#%C2#3",
    "CUD3001000",
    "CUD4001000",
    "CM71001000#%MW1#5",
    "CM72001000",
    "SMB1001000#%MB1#2#%MB3",
    "MWW1001000#%MW1#%MW2",
    "CRP2001000",
    "PID1001000#%PID1#0#0#0#0#0#255#%#0#255#%#0#4095",
    "PRP5001000",
    "JMP1001000#1",
    "I000",
    "N000",
};

// The input as a grid: one byte per cell, row by row.
velmora::ladder::TLogica grid(std::string_view text) {
    velmora::ladder::TLogica logic = velmora::ladder::NovaLogica();
    logic.number = 1;
    std::size_t i = 0;
    for (int r = 0; r < velmora::ladder::kEditedRows && i < text.size(); ++r) {
        for (int s = 0; s < velmora::ladder::kStorageColumns && i < text.size(); ++s, ++i) {
            const auto pick = static_cast<unsigned char>(text[i]) % kCells.size();
            logic.cell(s, r).set(kCells[pick]);
        }
    }
    return logic;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmora::compiler;
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    CompileState first;
    first.timerKindLines = {"TIMER(1,TON)", "TIMER(2,TOF)", "TIMER(3,TPP)"};
    first.counterLines = {"COUNTER(1,CUP)", "COUNTER(2,CDO)", "COUNTER(3,CUD)"};
    const auto lines = ListaParaExpressoes(text, first);
    UneBlocos(lines, first, nullptr);

    CompileState second;
    second.timerKindLines = first.timerKindLines;
    second.counterLines = first.counterLines;
    const auto asExpressions = splitInstructionList(text);
    const auto merged = UneBlocos(asExpressions, second, nullptr);

    CompileState ladderState;
    ladderState.timerKindLines = first.timerKindLines;
    const std::string il = TraduzLogica(grid(text), ladderState);
    UneBlocos(ListaParaExpressoes(il, ladderState), ladderState, nullptr);

    CodeDiagnostics problems;
    for (const auto& l : asExpressions) {
        NomeFuncao(l);
        for (int k = 0; k <= 16; ++k) {
            ArgumentoExpressao(l, k);
        }
        GeraCodigo(l, sampleMap(), &problems);
    }
    TamanhoCodigo(merged, &problems);
    ChecksumCodigo(merged, sampleMap());
    return 0;
}
