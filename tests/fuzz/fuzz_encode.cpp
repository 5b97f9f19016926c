// The compiler's passes on arbitrary text: the input as an instruction list (first pass and
// block merge), as expression lines (block merge, the line parser, the code generator, the
// size count and the checksum). Nothing may crash or hang.
#include "core/compiler/block_merge.h"
#include "core/compiler/code_generator.h"
#include "core/compiler/expression_text.h"
#include "core/compiler/expressions.h"

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
