// velmora-cli convert IN OUT [--plain]: reads a project of either layout and writes it as a
// sectioned project file, scrambled unless --plain.
#include "cli/cli.h"

#include "core/ladder/program.h"
#include "core/project/project_file.h"
#include "core/text/cp1252.h"

#include <ostream>

namespace velmora::cli {

namespace {

// What a notice means, in the command line's own words (arguments as they are).
std::string describe(const project::Notice& n) {
    std::string what;
    switch (n.message) {
    case project::kMsgFileCannotRead:
        what = "cannot read the file";
        break;
    case project::kMsgFileDamaged:
        what = "damaged file (a section is not closed), nothing loaded";
        break;
    case project::kMsgFileCannotWrite:
        what = "cannot write the file";
        break;
    case project::kMsgCellsDropped:
        what = "cells with bytes outside 32-126 were left out (logic; (row,column)...)";
        break;
    case project::kMsgTextCleaned:
        what = "control characters became blanks in section";
        break;
    case project::kMsgNotAProject:
        what = "not a project file";
        break;
    default:
        what = "message " + std::to_string(n.message);
        break;
    }
    return what + ": " + text::cp1252ToUtf8(n.arguments);
}

} // namespace

int runConvert(Context& ctx) {
    std::ostream& err = *ctx.err;
    std::vector<std::string> files;
    bool plain = false;
    for (const auto& a : ctx.args) {
        if (a == "--plain") {
            plain = true;
        } else {
            files.push_back(a);
        }
    }
    if (files.size() != 2) {
        err << "usage: velmora-cli convert IN OUT [--plain]\n";
        return 2;
    }
    project::Project project;
    ladder::TPrograma edited;
    const auto loaded = project::CarregaProjeto(files[0], project, edited);
    for (const auto& n : loaded.notices) {
        err << "velmora-cli: " << files[0] << ": " << describe(n) << "\n";
    }
    if (!loaded.ok) {
        return 1;
    }
    project::SaveOptions options;
    options.scrambled = !plain;
    const auto saved = project::SalvaProjeto(files[1], project, edited, options);
    for (const auto& n : saved.notices) {
        err << "velmora-cli: " << files[1] << ": " << describe(n) << "\n";
    }
    return saved.ok ? 0 : 1;
}

} // namespace velmora::cli
