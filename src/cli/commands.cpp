#include "cli/cli.h"

namespace velmora::cli {

// Each subcommand lives in its own file; this table is the one place that lists them.
const std::vector<Command>& commands() {
    static const std::vector<Command> table = {};
    return table;
}

} // namespace velmora::cli
