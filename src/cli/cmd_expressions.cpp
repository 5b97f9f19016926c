// velmora-cli expressions FILE.vlp: the expression lines of a full compile, in download order.
// Also holds what il, code and encode share: reading the map, the language and the project.
#include "cli/cli.h"

#include "core/compiler/compile_driver.h"
#include "core/lang/language_file.h"
#include "core/project/project_file.h"
#include "core/tables/symbol_table.h"
#include "core/text/cp1252.h"

#include <cstdio>
#include <ostream>

namespace velmora::cli {

namespace compile_cli {

bool loadMap(Context& ctx, MemoryMap& map) {
    const std::filesystem::path path = ctx.mapFile();
    const MapReadResult read = LeMapaMemoria(map, path);
    if (!read) {
        *ctx.err << "velmora-cli: " << read.error << "\n";
        return false;
    }
    return true;
}

Language loadLanguage(Context& ctx) {
    Language language;
    std::filesystem::path path;
    if (ctx.lang) {
        path = *ctx.lang;
    } else if (std::filesystem::exists(ctx.homeFolder() / "ConfigIdiomas.txt")) {
        path = ctx.homeFolder() / "ConfigIdiomas.txt";
    } else {
        path = std::filesystem::path(VELMORA_SOURCE_DATA_DIR) / "ConfigIdiomas.txt";
    }
    CarregaIdiomas(path, language.table);
    return language;
}

bool loadProject(Context& ctx, project::Project& project, ladder::TPrograma& edited) {
    if (ctx.args.size() != 1) {
        return false;
    }
    const project::LoadResult r = project::CarregaProjeto(ctx.args[0], project, edited);
    if (!r.ok) {
        const Language language = loadLanguage(ctx);
        for (const auto& n : r.notices) {
            *ctx.err << "velmora-cli: " << text::cp1252ToUtf8(language.text(n.message, n.arguments))
                     << "\n";
        }
        return false;
    }
    return true;
}

// Prints the reasons the code cannot be sent (and the warnings); true when nothing blocks.
bool reportErrors(Context& ctx, const compiler::ProgramCompile& r, const Language& language) {
    for (const auto& d : r.diagnostics) {
        *ctx.err << "velmora-cli: " << (d.blocking ? "" : "warning: ")
                 << text::cp1252ToUtf8(compiler::diagnosticText(d, language)) << "\n";
    }
    if (r.debugWrite && !*r.debugWrite) {
        *ctx.err << "velmora-cli: slListaInstrucao.txt not written: " << r.debugWrite->error
                 << "\n";
    }
    return r.downloadable();
}

// The full compile a download makes of the project named by the arguments; nullopt after
// printing why there is none.
std::optional<compiler::ProgramCompile> compileProject(Context& ctx, MemoryMap& map,
                                                       const char* usage) {
    if (ctx.args.size() != 1) {
        *ctx.err << "usage: velmora-cli " << usage << "\n";
        return std::nullopt;
    }
    project::Project project;
    ladder::TPrograma edited;
    if (!loadMap(ctx, map) || !loadProject(ctx, project, edited)) {
        return std::nullopt;
    }
    compiler::CompileInput input;
    input.editedMain = &edited;
    input.instructionList = project.instructionList;
    input.symbol = [&](std::string_view op) {
        return tables::SimboloDoEndereco(project.symbols, op);
    };
    return compiler::CompilaPrograma(project.record, map, input);
}

std::string hexBytes(const std::vector<std::uint8_t>& bytes) {
    std::string s;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        char h[4];
        std::snprintf(h, sizeof h, "%02X", static_cast<unsigned>(bytes[i]));
        if (i > 0) {
            s += ' ';
        }
        s += h;
    }
    return s;
}

} // namespace compile_cli

int runExpressions(Context& ctx) {
    MemoryMap map;
    const auto r = compile_cli::compileProject(ctx, map, "expressions FILE.vlp");
    if (!r) {
        return 2;
    }
    for (const auto& l : r->lines) {
        *ctx.out << text::cp1252ToUtf8(l) << "\n";
    }
    return compile_cli::reportErrors(ctx, *r, compile_cli::loadLanguage(ctx)) ? 0 : 1;
}

} // namespace velmora::cli
