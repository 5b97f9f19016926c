// velmora-cli check: clean example projects, and a project with one logic for each kind of
// error (check_errors.vlp) listed with its logic number and message.
#include "cli/cli.h"
#include "run_cli.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <unistd.h>

namespace velmora::cli {
namespace {

test::Run check(std::vector<std::string> args) {
    args.insert(args.begin(), {"check", "--map", std::string(VELMORA_DATA_DIR) + "/Enderecos.txt",
                               "--lang", std::string(VELMORA_DATA_DIR) + "/ConfigIdiomas.txt"});
    return test::run(args);
}

const std::string kCliDir = std::string(VELMORA_CLI_TEST_DIR) + "/";

struct CleanCase {
    const char* name;
    std::string path;
    const char* size;
    const char* checksum;
};

class CheckClean : public ::testing::TestWithParam<CleanCase> {};

TEST_P(CheckClean, Downloadable) {
    const test::Run r = check({GetParam().path});
    EXPECT_EQ(r.status, 0) << r.out << r.err;
    EXPECT_EQ(r.out, std::string("size ") + GetParam().size + " of 8704 bytes\nchecksum " +
                         GetParam().checksum + "\n0 error(s), 0 warning(s): can be downloaded\n");
}

INSTANTIATE_TEST_SUITE_P(
    Examples, CheckClean,
    ::testing::Values(CleanCase{"tabelas", std::string(VELMORA_DATA_DIR) + "/examples/tabelas.vlp",
                                "23", "3F"},
                      CleanCase{"compile_example", kCliDir + "compile_example.vlp", "111", "91"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Check, EveryKindOfErrorWithItsLogic) {
    const test::Run r = check({kCliDir + "check_errors.vlp"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "");
    const char* const expected[] = {
        "error: L\u00f3gica 002: Existe um elemento sem operando na l\u00f3gica.\n",
        "error: L\u00f3gica 003: Existe um elemento sem liga\u00e7\u00e3o na l\u00f3gica.\n",
        "error: L\u00f3gica 004: A segunda entrada do contador n\u00e3o est\u00e1 ligada.\n",
        "error: L\u00f3gica 009: Temporizador 3 est\u00e1 repetido na l\u00f3gica 9\n",
        "error: L\u00f3gica 005: A bobina %Q0.0 est\u00e1 repetida na l\u00f3gica 5\n",
        "warning: L\u00f3gica 006: O endere\u00e7o %M1 possui instru\u00e7\u00e3o de Set, mas "
        "n\u00e3o "
        "possui instru\u00e7\u00e3o de Reset\n",
        "error: L\u00f3gica 007: AND(%I0.5,1,%Q99.0): not an operand\n",
        "8 error(s), 1 warning(s): cannot be downloaded\n",
    };
    std::size_t at = 0;
    for (const char* line : expected) {
        const std::size_t found = r.out.find(line, at);
        ASSERT_NE(found, std::string::npos) << line << "\nin\n" << r.out;
        at = found;
    }
    // The correct logic 1 and the timer without number's code problems are its own lines.
    EXPECT_EQ(r.out.find("L\u00f3gica 001"), std::string::npos);
}

TEST(Check, ProgramLargerThanTheAreaIsRefused) {
    // The shipped map with the program starting 16 bytes before the panel pages.
    std::ifstream in(std::string(VELMORA_DATA_DIR) + "/Enderecos.txt", std::ios::binary);
    std::string map((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::string key = "ADDINICIOPROGRAMA = ";
    const std::size_t at = map.find(key);
    ASSERT_NE(at, std::string::npos);
    map.replace(at + key.size(), map.find('\r', at) - at - key.size(), "4FF0");
    const auto path = std::filesystem::temp_directory_path() /
                      ("velmora_check_map_" + std::to_string(::getpid()) + ".txt");
    std::ofstream(path, std::ios::binary) << map;

    std::ostringstream out, err;
    const int status = runCli({"check", "--map", path.string(), "--lang",
                               std::string(VELMORA_DATA_DIR) + "/ConfigIdiomas.txt",
                               kCliDir + "compile_example.vlp"},
                              out, err);
    std::filesystem::remove(path);
    EXPECT_EQ(status, 1);
    EXPECT_EQ(out.str(), "error: O programa precisa de 111 bytes, o CLP tem 16\n"
                         "size 111 of 16 bytes\nchecksum 91\n"
                         "1 error(s), 0 warning(s): cannot be downloaded\n");
}

TEST(Check, Usage) {
    const test::Run none = check({});
    EXPECT_EQ(none.status, 2);
    EXPECT_NE(none.err.find("usage: velmora-cli check FILE.vlp"), std::string::npos);
    const test::Run missing = check({kCliDir + "no_such_project.vlp"});
    EXPECT_EQ(missing.status, 2);
    EXPECT_FALSE(missing.err.empty());
}

} // namespace
} // namespace velmora::cli
