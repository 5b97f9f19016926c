// velmora-cli encode LINE...: the instruction bytes of expression lines.
#include "cli/cli.h"

#include "core/compiler/code_generator.h"
#include "core/text/cp1252.h"

#include <ostream>

namespace velmora::cli {

namespace compile_cli { // defined with the expressions command
bool loadMap(Context& ctx, MemoryMap& map);
std::string hexBytes(const std::vector<std::uint8_t>& bytes);
} // namespace compile_cli

int runEncode(Context& ctx) {
    if (ctx.args.empty()) {
        *ctx.err << "usage: velmora-cli encode LINE... [--map FILE]\n";
        return 2;
    }
    MemoryMap map;
    if (!compile_cli::loadMap(ctx, map)) {
        return 2;
    }
    int status = 0;
    for (const auto& arg : ctx.args) {
        const std::string line = text::utf8ToCp1252(arg);
        compiler::CodeDiagnostics problems;
        const auto bytes = compiler::GeraCodigo(line, map, &problems);
        const int counted = compiler::countedBytes(line, &problems);
        *ctx.out << arg << '\t' << compile_cli::hexBytes(bytes) << '\t' << counted << "\n";
        for (const auto& p : problems) {
            *ctx.err << "velmora-cli: " << arg << ": " << text::cp1252ToUtf8(p.text) << "\n";
            status = 1;
        }
    }
    return status;
}

} // namespace velmora::cli
