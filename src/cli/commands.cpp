#include "cli/cli.h"

namespace velmora::cli {

int runAddress(Context&);

// Each subcommand lives in its own file; this table is the one place that lists them.
const std::vector<Command>& commands() {
    static const std::vector<Command> table = {
        {"address", "address OPERAND...  the controller address of each operand", &runAddress},
    };
    return table;
}

} // namespace velmora::cli
