#include "cli/cli.h"
#include "run_cli.h"

#include "core/text/atomic_file.h"

#include <gtest/gtest.h>

#include <sstream>
#include <unistd.h>

namespace velmora::cli {
namespace {

namespace fs = std::filesystem;

using test::run;

const std::string kShippedMap = std::string(VELMORA_DATA_DIR) + "/Enderecos.txt";

class AddressCommand : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "velmora-address-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir = pattern;
    }
    void TearDown() override { fs::remove_all(dir); }
    fs::path dir;
};

TEST_F(AddressCommand, FourAddressesFromTheShippedMap) {
    // An empty start-up folder: the shipped map is the default.
    const auto r = run({"address", "%I0.0", "%Q1.7", "%MW12", "%T5.Q", "--home", dir.string()});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "%I0.0\t01B0\n%Q1.7\t01CF\n%MW12\t0F58\n%T5.Q\t0065\n");
    EXPECT_EQ(r.err, "");
}

TEST_F(AddressCommand, OutOfRangeAndNotOperandsExitOne) {
    const auto r =
        run({"address", "%MW12", "%MW512", "%TC.XYZ", "Motor", "%T5", "--map", kShippedMap});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "%MW12\t0F58\n"
                     "%MW512\tEndere\xC3\xA7o do WordMemory %MW512 fora de Faixa\n"
                     "%TC.XYZ\tEndere\xC3\xA7o do Tecla %TC.XYZ fora de Faixa\n"
                     "Motor\tnot an operand\n"
                     "%T5\tno address\n");
}

TEST_F(AddressCommand, MapGivenOnTheCommandLine) {
    const fs::path map = dir / "map.txt";
    ASSERT_TRUE(text::writeFileAtomic(map, "ADDWORDMEMORY = 1000\r\nTAMWORDMEMORY = 0010\r\n"
                                           "ADDPID = 123456789\r\n"));
    const auto r = run({"address", "--map", map.string(), "%MW7", "%MW8", "70001"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "%MW7\t100E\n"
                     "%MW8\tEndere\xC3\xA7o do WordMemory %MW8 fora de Faixa\n"
                     "70001\t1171\n");
    EXPECT_NE(r.err.find(":3: value refused"), std::string::npos) << r.err;
}

TEST_F(AddressCommand, UsageAndUnreadableMap) {
    const auto none = run({"address", "--map", kShippedMap});
    EXPECT_EQ(none.status, 2);
    EXPECT_NE(none.err.find("usage"), std::string::npos);
    const auto missing = run({"address", "%MW1", "--map", (dir / "none.txt").string()});
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.out, "");
    EXPECT_NE(missing.err.find("none.txt"), std::string::npos);
}

} // namespace
} // namespace velmora::cli
