#include "core/project/home.h"

#include "core/text/line_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <unistd.h>

namespace velmora {
namespace {

namespace fs = std::filesystem;

TEST(HomeFolder, OptionThenEnvironmentThenXdgThenHome) {
    struct Case {
        std::optional<fs::path> option;
        const char* velmora;
        const char* xdg;
        const char* home;
        fs::path expected;
    };
    const std::vector<Case> cases = {
        {fs::path("/opt/h"), "/v", "/x", "/home/u", "/opt/h"},
        {std::nullopt, "/v", "/x", "/home/u", "/v"},
        {std::nullopt, "", "/x", "/home/u", "/x/velmora"},
        {std::nullopt, nullptr, nullptr, "/home/u", "/home/u/.local/share/velmora"},
        {fs::path(), nullptr, "", "/home/u", "/home/u/.local/share/velmora"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(resolveHomeFolder(c.option, c.velmora, c.xdg, c.home), c.expected);
    }
}

TEST(HomeFolder, SeedsMissingFilesAndKeepsTheUsersOwn) {
    const fs::path root =
        fs::temp_directory_path() / ("velmora-home-" + std::to_string(::getpid()));
    fs::remove_all(root);
    const fs::path shipped = root / "shipped";
    fs::create_directories(shipped / "examples");
    std::ofstream(shipped / "ConfigIdiomas.txt") << "shipped";
    std::ofstream(shipped / "Enderecos.txt") << "shipped";
    std::ofstream(shipped / "examples" / "a.vlp") << "example";
    HomeFolder home{root / "home"};
    fs::create_directories(home.path);
    std::ofstream(home.memoryMapFile()) << "mine";

    const auto r = prepareHomeFolder(home, shipped);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_TRUE(fs::is_directory(home.projects()));
    EXPECT_EQ(text::readFileBytes(home.languageFile()), "shipped");
    EXPECT_EQ(text::readFileBytes(home.memoryMapFile()), "mine");
    EXPECT_EQ(text::readFileBytes(home.path / "examples" / "a.vlp"), "example");
    EXPECT_EQ(r.seeded.size(), 2u);
    fs::remove_all(root);
}

} // namespace
} // namespace velmora
