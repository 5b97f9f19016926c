// velmora-cli check FILE.vlp: compiles the project as a download would and lists every reason
// it could not be sent (refused logics, repeated timers, counters and coils, operands without
// an address, untranslatable logics, calls of slots that are not sent, a program too large),
// then the warnings, the code size and checksum. Exit 1 when the program cannot be downloaded.
#include "cli/cli.h"

#include "core/compiler/compile_driver.h"
#include "core/project/project_file.h"
#include "core/tables/symbol_table.h"
#include "core/text/cp1252.h"

#include <cstdio>
#include <ostream>

namespace velmora::cli {

namespace compile_cli { // defined with the expressions command
bool loadMap(Context& ctx, MemoryMap& map);
Language loadLanguage(Context& ctx);
} // namespace compile_cli

int runCheck(Context& ctx) {
    if (ctx.args.size() != 1) {
        *ctx.err << "usage: velmora-cli check FILE.vlp\n";
        return 2;
    }
    MemoryMap map;
    if (!compile_cli::loadMap(ctx, map)) {
        return 2;
    }
    const Language language = compile_cli::loadLanguage(ctx);
    project::Project project;
    ladder::TPrograma edited;
    const project::LoadResult loaded = project::CarregaProjeto(ctx.args[0], project, edited);
    if (!loaded.ok) {
        for (const auto& n : loaded.notices) {
            *ctx.err << "velmora-cli: " << text::cp1252ToUtf8(language.text(n.message, n.arguments))
                     << "\n";
        }
        return 2;
    }
    compiler::CompileInput input;
    input.editedMain = &edited;
    input.instructionList = project.instructionList;
    input.symbol = [&](std::string_view op) {
        return tables::SimboloDoEndereco(project.symbols, op);
    };
    const compiler::ProgramCompile r = compiler::CompilaPrograma(project.record, map, input);

    int errors = 0;
    int warnings = 0;
    for (const auto& d : r.diagnostics) {
        (d.blocking ? errors : warnings) += 1;
        *ctx.out << (d.blocking ? "error: " : "warning: ")
                 << text::cp1252ToUtf8(compiler::diagnosticText(d, language)) << "\n";
    }
    char sum[8];
    std::snprintf(sum, sizeof sum, "%02X", static_cast<unsigned>(r.checksum));
    *ctx.out << "size " << r.codeSize << " of " << r.programArea << " bytes\n"
             << "checksum " << sum << "\n"
             << errors << " error(s), " << warnings
             << " warning(s): " << (r.downloadable() ? "can be downloaded" : "cannot be downloaded")
             << "\n";
    return r.downloadable() ? 0 : 1;
}

} // namespace velmora::cli
