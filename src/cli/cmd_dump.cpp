// velmora-cli dump FILE.vlp: the project text unscrambled, as CR LF lines in the file's own
// Windows-1252 bytes.
#include "cli/cli.h"

#include "core/project/file_framing.h"
#include "core/project/project_file.h"
#include "core/text/line_file.h"

#include <ostream>

namespace velmora::cli {

int runDump(Context& ctx) {
    std::ostream& err = *ctx.err;
    if (ctx.args.size() != 1) {
        err << "usage: velmora-cli dump FILE.vlp\n";
        return 2;
    }
    const std::filesystem::path path = ctx.args[0];
    const auto bytes = text::readFileBytes(path);
    if (!bytes) {
        err << "velmora-cli: cannot read " << path.string() << "\n";
        return 1;
    }
    const std::vector<std::string> lines = project::plainProjectText(*bytes);
    *ctx.out << text::joinCrLf(lines);
    if (project::detectLayout(lines) != project::FileLayout::Older) {
        const auto split = project::splitSections(lines);
        if (split.unclosed) {
            err << "velmora-cli: " << path.string() << " is damaged: no \"#\" closes the last "
                << "section; the program would not open it\n";
            return 1;
        }
    }
    return 0;
}

} // namespace velmora::cli
