#include "cli/cli.h"
#include "run_cli.h"

#include "core/project/file_framing.h"
#include "core/text/atomic_file.h"
#include "core/text/line_file.h"

#include <gtest/gtest.h>

#include <sstream>
#include <unistd.h>

namespace velmora::cli {
namespace {

namespace fs = std::filesystem;

using test::run;

const std::vector<std::string> kPlain = {"#",
                                         "#CONFIGGERAL",
                                         "TIPO = LD",
                                         "MODELO = ZT640",
                                         "#",
                                         "#LADDER",
                                         "0010001CNA1001010#%I0.0",
                                         "00199Primeira \xE1rea",
                                         "00198P",
                                         "00198P",
                                         "#",
                                         "#TABSTR",
                                         "0;ON",
                                         "#"};

class ProjectCommands : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "velmora-prjcli-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir = pattern;
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string scrambled(const std::vector<std::string>& lines) {
        std::vector<std::string> s;
        for (const auto& l : lines) {
            s.push_back(project::scrambleLine(l));
        }
        return text::joinCrLf(s);
    }
    fs::path dir;
};

TEST_F(ProjectCommands, DumpPrintsTheUnscrambledText) {
    const auto path = dir / "a.vlp";
    ASSERT_TRUE(text::writeFileAtomic(path, scrambled(kPlain)));
    const test::Run r = run({"dump", path.string()});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, text::joinCrLf(kPlain)); // the file's own 1252 bytes
}

TEST_F(ProjectCommands, DumpReportsProblems) {
    auto truncated = kPlain;
    truncated.pop_back();
    const auto path = dir / "t.vlp";
    ASSERT_TRUE(text::writeFileAtomic(path, scrambled(truncated)));
    test::Run r = run({"dump", path.string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("damaged"), std::string::npos);
    EXPECT_EQ(r.out, text::joinCrLf(truncated));

    r = run({"dump", (dir / "none.vlp").string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("cannot read"), std::string::npos);
    EXPECT_EQ(run({"dump"}).status, 2);
}

TEST_F(ProjectCommands, ConvertBetweenPlainAndScrambled) {
    const auto in = dir / "in.vlp";
    ASSERT_TRUE(text::writeFileAtomic(in, text::joinCrLf(kPlain)));
    const auto scrambledOut = dir / "s.vlp";
    test::Run r = run({"convert", in.string(), scrambledOut.string()});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto bytes = text::readFileBytes(scrambledOut);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->substr(0, 3), "$\r\n");

    const auto plainOut = dir / "p.vlp";
    r = run({"convert", scrambledOut.string(), plainOut.string(), "--plain"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto lines = text::readLines(plainOut);
    ASSERT_TRUE(lines);
    EXPECT_EQ(lines->front(), "#");
    EXPECT_NE(std::find(lines->begin(), lines->end(), "00199Primeira \xE1rea"), lines->end());
    EXPECT_NE(std::find(lines->begin(), lines->end(), "#TABCOMP"), lines->end());
    EXPECT_EQ(run({"dump", scrambledOut.string()}).out, text::joinCrLf(*lines));
}

TEST_F(ProjectCommands, ConvertRefusesADamagedFileAndWritesNothing) {
    auto truncated = kPlain;
    truncated.pop_back();
    const auto in = dir / "in.vlp";
    ASSERT_TRUE(text::writeFileAtomic(in, text::joinCrLf(truncated)));
    const test::Run r = run({"convert", in.string(), (dir / "out.vlp").string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("damaged"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir / "out.vlp"));
    EXPECT_EQ(run({"convert", in.string()}).status, 2);
}

} // namespace
} // namespace velmora::cli
