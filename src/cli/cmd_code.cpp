// velmora-cli code FILE.vlp: each expression line with its instruction bytes and the bytes it
// counts, then the code size and checksum.
#include "cli/cli.h"

#include "core/compiler/code_generator.h"
#include "core/compiler/compile_driver.h"
#include "core/text/cp1252.h"

#include <cstdio>
#include <optional>
#include <ostream>

namespace velmora::cli {

namespace compile_cli { // defined with the expressions command
std::optional<compiler::ProgramCompile> compileProject(Context& ctx, MemoryMap& map,
                                                       const char* usage);
bool reportErrors(Context& ctx, const compiler::ProgramCompile& r, const Language& language);
Language loadLanguage(Context& ctx);
std::string hexBytes(const std::vector<std::uint8_t>& bytes);
} // namespace compile_cli

int runCode(Context& ctx) {
    MemoryMap map;
    const auto r = compile_cli::compileProject(ctx, map, "code FILE.vlp");
    if (!r) {
        return 2;
    }
    for (const auto& l : r->lines) {
        *ctx.out << text::cp1252ToUtf8(l) << '\t'
                 << compile_cli::hexBytes(compiler::GeraCodigo(l, map)) << '\t'
                 << compiler::countedBytes(l) << "\n";
    }
    char sum[8];
    std::snprintf(sum, sizeof sum, "%02X", static_cast<unsigned>(r->checksum));
    *ctx.out << "size " << r->codeSize << "\nchecksum " << sum << "\n";
    return compile_cli::reportErrors(ctx, *r, compile_cli::loadLanguage(ctx)) ? 0 : 1;
}

} // namespace velmora::cli
