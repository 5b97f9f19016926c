#include "cli/cli.h"
#include "run_cli.h"

#include <gtest/gtest.h>

#include <sstream>

namespace velmora::cli {
namespace {

using test::run;

TEST(Cli, HelpListsTheCommonOptions) {
    const auto r = run({"--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("--map FILE"), std::string::npos);
}

TEST(Cli, UnknownCommandAndMissingValuesAreErrors) {
    EXPECT_EQ(run({"no-such-command"}).status, 2);
    EXPECT_EQ(run({}).status, 2);
    const auto r = run({"address", "--map"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("--map"), std::string::npos);
}

} // namespace
} // namespace velmora::cli
