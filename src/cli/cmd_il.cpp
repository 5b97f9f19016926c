// velmora-cli il FILE.vlp: the instruction list of the main program.
#include "cli/cli.h"

#include "core/compiler/expressions.h"
#include "core/compiler/instruction_list.h"
#include "core/compiler/program_compile.h"
#include "core/project/project_file.h"
#include "core/text/cp1252.h"

#include <ostream>

namespace velmora::cli {

namespace compile_cli { // defined with the expressions command
bool loadProject(Context& ctx, project::Project& project, ladder::TPrograma& edited);
Language loadLanguage(Context& ctx);
} // namespace compile_cli

int runIl(Context& ctx) {
    if (ctx.args.size() != 1) {
        *ctx.err << "usage: velmora-cli il FILE.vlp\n";
        return 2;
    }
    project::Project project;
    ladder::TPrograma edited;
    if (!compile_cli::loadProject(ctx, project, edited)) {
        return 2;
    }
    if (project.record.kind == "ML") {
        // An instruction-list project is its own instruction list.
        for (const auto& l : project.instructionList) {
            *ctx.out << text::cp1252ToUtf8(l) << "\n";
        }
        return 0;
    }
    compiler::CompileState state;
    const std::string il = compiler::TraduzPrograma(project.record.program(1), state);
    for (const auto& l : compiler::splitInstructionList(il)) {
        *ctx.out << text::cp1252ToUtf8(l) << "\n";
    }
    if (state.errors.empty()) {
        return 0;
    }
    const Language language = compile_cli::loadLanguage(ctx);
    for (const auto& e : state.errors) {
        *ctx.err << "velmora-cli: " << text::cp1252ToUtf8(compiler::compileErrorText(e, language))
                 << "\n";
    }
    return 1;
}

} // namespace velmora::cli
