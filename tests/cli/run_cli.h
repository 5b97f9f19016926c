#pragma once

#include "cli/cli.h"

#include <sstream>
#include <string>
#include <vector>

namespace velmora::cli::test {

// What one in-process run of the command line gave.
struct Run {
    int status;
    std::string out, err;
};

inline Run run(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = runCli(args, out, err);
    return {status, out.str(), err.str()};
}

} // namespace velmora::cli::test
