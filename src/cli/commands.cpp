#include "cli/cli.h"

namespace velmora::cli {

int runAddress(Context&);
int runDump(Context&);
int runConvert(Context&);

// Each subcommand lives in its own file; this table is the one place that lists them.
const std::vector<Command>& commands() {
    static const std::vector<Command> table = {
        {"address", "address OPERAND...  the controller address of each operand", &runAddress},
        {"dump", "dump FILE.vlp  the project text unscrambled", &runDump},
        {"convert", "convert IN OUT [--plain]  rewrite a project (scrambled unless --plain)",
         &runConvert},
    };
    return table;
}

} // namespace velmora::cli
