#include "cli/cli.h"

#include "core/project/home.h"

#include <algorithm>
#include <cstdlib>
#include <ostream>
#include <string_view>

namespace velmora::cli {

namespace fs = std::filesystem;

fs::path Context::homeFolder() const {
    return resolveHomeFolder(home, std::getenv("VELMORA_HOME"), std::getenv("XDG_DATA_HOME"),
                             std::getenv("HOME"));
}

fs::path Context::mapFile() const {
    if (map) {
        return *map;
    }
    const fs::path own = homeFolder() / "Enderecos.txt";
    if (fs::exists(own)) {
        return own;
    }
    return fs::path(VELMORA_SOURCE_DATA_DIR) / "Enderecos.txt";
}

namespace {

void printHelp(std::ostream& out) {
    out << "usage: velmora-cli COMMAND [ARGS...] [--map FILE] [--lang FILE] [--home DIR]\n\n"
           "commands:\n";
    // A usage line is the syntax, two blanks, then what the command prints: align the latter.
    std::size_t width = 0;
    for (const auto& c : commands()) {
        const std::string_view usage = c.usage;
        width = std::max(width, std::min(usage.find("  "), usage.size()));
    }
    for (const auto& c : commands()) {
        const std::string_view usage = c.usage;
        const std::size_t gap = usage.find("  ");
        if (gap == std::string_view::npos) {
            out << "  " << usage << "\n";
            continue;
        }
        out << "  " << usage.substr(0, gap) << std::string(width - gap + 2, ' ')
            << usage.substr(gap + 2) << "\n";
    }
    out << "\noptions:\n"
           "  --map FILE   memory map (default: the start-up folder's Enderecos.txt)\n"
           "  --lang FILE  language table (default: the start-up folder's ConfigIdiomas.txt)\n"
           "  --home DIR   start-up folder (default: $VELMORA_HOME, else "
           "$XDG_DATA_HOME/velmora)\n";
}

} // namespace

int runCli(const std::vector<std::string>& argv, std::ostream& out, std::ostream& err) {
    Context ctx;
    ctx.out = &out;
    ctx.err = &err;
    std::optional<std::string> name;
    for (std::size_t i = 0; i < argv.size(); ++i) {
        const std::string& a = argv[i];
        auto value = [&](std::optional<fs::path>& target) {
            if (i + 1 >= argv.size()) {
                err << "velmora-cli: " << a << " needs a value\n";
                return false;
            }
            target = argv[++i];
            return true;
        };
        if (a == "--map" || a == "--lang" || a == "--home") {
            auto& target = a == "--map" ? ctx.map : a == "--lang" ? ctx.lang : ctx.home;
            if (!value(target)) {
                return 2;
            }
        } else if (!name && (a == "--help" || a == "-h" || a == "help")) {
            printHelp(out);
            return 0;
        } else if (!name) {
            name = a;
        } else {
            ctx.args.push_back(a);
        }
    }
    if (!name) {
        printHelp(err);
        return 2;
    }
    for (const auto& c : commands()) {
        if (*name == c.name) {
            return c.run(ctx);
        }
    }
    err << "velmora-cli: unknown command '" << *name << "' (see velmora-cli --help)\n";
    return 2;
}

} // namespace velmora::cli
