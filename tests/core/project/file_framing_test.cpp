#include "core/project/file_framing.h"

#include <gtest/gtest.h>

namespace velmora::project {
namespace {

TEST(Scrambling, AddsThePositionModuloTen) {
    EXPECT_EQ(scrambleLine("#"), "$");
    EXPECT_EQ(scrambleLine("AAAAAAAAAAAA"), "BCDEFGHIJABC");
    EXPECT_EQ(unscrambleLine("BCDEFGHIJABC"), "AAAAAAAAAAAA");
    EXPECT_EQ(scrambleLine(""), "");
}

TEST(Scrambling, HighBytesWrapAndComeBack) {
    // A byte 250 at position 6 becomes 0, at 9 becomes 3; neither ends the line.
    std::string line = "ABCDE\xFA"
                       "AB\xFA";
    const std::string stored = scrambleLine(line);
    ASSERT_EQ(stored.size(), 9u);
    EXPECT_EQ(stored[5], '\0');
    EXPECT_EQ(stored[8], '\x03');
    EXPECT_EQ(unscrambleLine(stored), line);
    for (int b = 0; b < 256; ++b) {
        const std::string all(20, static_cast<char>(b));
        EXPECT_EQ(unscrambleLine(scrambleLine(all)), all);
    }
}

TEST(Layout, FirstLineDecides) {
    EXPECT_EQ(detectLayout({"#", "x"}), FileLayout::Plain);
    EXPECT_EQ(detectLayout({"$", "x"}), FileLayout::Scrambled);
    EXPECT_EQ(detectLayout({"TIPO     = LD"}), FileLayout::Older);
    EXPECT_EQ(detectLayout({}), FileLayout::Older);
    EXPECT_EQ(detectLayout({"# "}), FileLayout::Older);
}

TEST(SplitSections, NamesContentRepeatsAndForeignNames) {
    const auto split = splitSections({"ignored before the first mark", "#", "#A", "a1", "a2", "#",
                                      "#B", "#", "#X", "x1", "#", "#A", "a3", "#"});
    EXPECT_FALSE(split.unclosed);
    ASSERT_EQ(split.sections.size(), 3u);
    EXPECT_EQ(split.sections[0].name, "#A");
    EXPECT_EQ(split.sections[0].lines, (std::vector<std::string>{"a1", "a2", "a3"}));
    EXPECT_EQ(split.sections[1].name, "#B");
    EXPECT_TRUE(split.sections[1].lines.empty());
    EXPECT_EQ(split.find("#X")->lines, std::vector<std::string>{"x1"});
    EXPECT_EQ(split.find("#Y"), nullptr);
}

TEST(SplitSections, ASectionNoMarkClosesIsReported) {
    struct Case {
        std::vector<std::string> lines;
        std::optional<std::string> unclosed;
    };
    const std::vector<Case> cases = {
        {{"#", "#A", "a1", "#", "#B", "b1"}, "#B"},
        {{"#", "#A", "a1", "#", "#B"}, "#B"},
        {{"#", "#A", "a1"}, "#A"},
        {{"#", "#A", "a1", "#"}, std::nullopt},
        {{"#"}, std::nullopt},
        {{}, std::nullopt},
        {{"#", "#A", "a1", "#", ""}, std::nullopt},
        {{"#", "#A", "a1", "#", "", ""}, std::nullopt},
        {{"#", "#A", "a1", "#", "", "x"}, std::string()},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(splitSections(c.lines).unclosed, c.unclosed);
    }
}

TEST(FrameSections, MarksEverySectionAndTheEnd) {
    const std::vector<Section> sections = {{"#A", {"1", "2"}}, {"#B", {}}};
    const std::vector<std::string> expected = {"#", "#A", "1", "2", "#", "#B", "#"};
    EXPECT_EQ(frameSections(sections), expected);
    const auto split = splitSections(expected);
    ASSERT_EQ(split.sections.size(), 2u);
    EXPECT_EQ(split.sections[0].lines, sections[0].lines);
}

TEST(SafeContentLine, NothingThatWouldSplitOrMarkASection) {
    struct Case {
        std::string line;
        std::string safe;
        bool changed;
    };
    const std::vector<Case> cases = {
        {"ordinary \xE7 text", "ordinary \xE7 text", false},
        {"\tx", " x", true}, // a tab at position 1 would be stored as LF
        {"a\r\nb", "a  b", true},
        {std::string("a\0b", 3), "a b", true},
        {"#", "# ", true},
        {"##", "##", false},
    };
    for (const auto& c : cases) {
        bool changed = false;
        EXPECT_EQ(safeContentLine(c.line, changed), c.safe);
        EXPECT_EQ(changed, c.changed);
        EXPECT_EQ(storableText(c.line), c.line == c.safe || c.line == "#");
        const std::string stored = scrambleLine(c.safe);
        EXPECT_EQ(stored.find_first_of("\r\n"), std::string::npos);
    }
}

} // namespace
} // namespace velmora::project
