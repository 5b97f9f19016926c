#include "core/text/atomic_file.h"
#include "core/text/line_file.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <sys/resource.h>
#include <unistd.h>

namespace velmora::text {
namespace {

namespace fs = std::filesystem;

class TempDir : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "velmora-text-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir = pattern;
    }
    void TearDown() override {
        fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(dir);
    }
    fs::path dir;
};

TEST(SplitLines, BinarySafe) {
    using namespace std::string_literals;
    const std::string bytes = "one\r\ntw\0o\r\nthr\x1A"
                              "ee\nfour\rstill\r\nlast"s;
    const std::vector<std::string> expected = {"one", std::string("tw\0o", 4),
                                               "thr\x1A"
                                               "ee",
                                               "four\rstill", "last"};
    EXPECT_EQ(splitLines(bytes), expected);
    EXPECT_TRUE(splitLines("").empty());
    EXPECT_EQ(splitLines("\r\n"), std::vector<std::string>{""});
}

using Files = TempDir;

TEST_F(Files, ReadLinesFromDisk) {
    const fs::path p = dir / "lines.txt";
    {
        std::ofstream out(p, std::ios::binary);
        out.write("a\0b\r\nc\nd", 8);
    }
    const auto lines = readLines(p);
    ASSERT_TRUE(lines.has_value());
    EXPECT_EQ(*lines, (std::vector<std::string>{std::string("a\0b", 3), "c", "d"}));
    EXPECT_FALSE(readLines(dir / "missing.txt").has_value());
}

TEST_F(Files, AtomicWriteReplacesTheFile) {
    const fs::path p = dir / "out.txt";
    ASSERT_TRUE(writeLinesAtomic(p, {"first"}));
    ASSERT_TRUE(writeLinesAtomic(p, {"x", "y"}));
    EXPECT_EQ(readFileBytes(p), "x\r\ny\r\n");
    // No temporary file is left behind.
    int count = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir)) {
        ++count;
    }
    EXPECT_EQ(count, 1);
}

TEST_F(Files, WriteIntoAMissingFolderFails) {
    const auto r = writeFileAtomic(dir / "no-such-folder" / "f.txt", "new");
    EXPECT_FALSE(r);
    EXPECT_NE(r.error.find("no-such-folder"), std::string::npos);
}

TEST_F(Files, ReadOnlyFolderLeavesTheOldFile) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root writes into read-only folders; the full-disk case covers root";
    }
    const fs::path p = dir / "keep.txt";
    ASSERT_TRUE(writeFileAtomic(p, "old"));
    fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
    const auto r = writeFileAtomic(p, "new");
    fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add);
    EXPECT_FALSE(r);
    EXPECT_EQ(readFileBytes(p), "old");
}

TEST_F(Files, FullDiskLeavesTheOldFile) {
    // A file-size limit makes every write past it fail, as a full disk does.
    const fs::path p = dir / "keep.txt";
    ASSERT_TRUE(writeFileAtomic(p, "old"));
    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto* previous = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit tiny = saved;
    tiny.rlim_cur = 4;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tiny), 0);
    const auto r = writeFileAtomic(p, std::string(4096, 'n'));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    EXPECT_FALSE(r);
    EXPECT_FALSE(r.error.empty());
    EXPECT_EQ(readFileBytes(p), "old");
    int count = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir)) {
        ++count;
    }
    EXPECT_EQ(count, 1) << "the temporary file was left behind";
}

} // namespace
} // namespace velmora::text
