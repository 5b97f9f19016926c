#include "core/text/strings.h"

#include <gtest/gtest.h>

namespace velmora::text {
namespace {

TEST(SplitFields, Table) {
    struct Case {
        std::string line;
        std::vector<std::string> fields;
    };
    const std::vector<Case> cases = {
        {"", {}},
        {"a", {"a"}},
        {"a;", {"a"}},
        {"a;b", {"a", "b"}},
        {"a;b;", {"a", "b"}},
        {"a;;b;", {"a", "", "b"}},
        {";", {""}},
        {";;", {"", ""}},
        {";a", {"", "a"}},
        {"a;b;;", {"a", "b", ""}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(splitFields(c.line), c.fields) << '"' << c.line << '"';
    }
}

TEST(SplitFields, JoinThenSplitGivesTheFieldsBack) {
    const std::vector<std::string> fields = {"1", "", "texto", ""};
    EXPECT_EQ(joinFields(fields), "1;;texto;;");
    EXPECT_EQ(splitFields(joinFields(fields)), fields);
}

TEST(TakeField, RemovesTheFieldAndItsSeparator) {
    std::string rest = "a;;b";
    EXPECT_EQ(takeField(rest), "a");
    EXPECT_EQ(rest, ";b");
    EXPECT_EQ(takeField(rest), "");
    EXPECT_EQ(takeField(rest), "b");
    EXPECT_EQ(rest, "");
}

TEST(Cut, KeepsAtMostTheCapacity) {
    EXPECT_EQ(cut("abcdef", 4), "abcd");
    EXPECT_EQ(cut("ab", 4), "ab");
    std::string field = "old";
    assignCut(field, "a longer name", 6);
    EXPECT_EQ(field, "a long");
}

TEST(Numbers, DigitsAndIntegers) {
    EXPECT_TRUE(isDigits("0123"));
    EXPECT_FALSE(isDigits(""));
    EXPECT_FALSE(isDigits("12a"));
    EXPECT_FALSE(isDigits("-1"));
    EXPECT_EQ(parseInteger("-42"), -42);
    EXPECT_EQ(parseInteger("7"), 7);
    EXPECT_EQ(parseInteger("7 "), std::nullopt);
    EXPECT_EQ(parseInteger(""), std::nullopt);
    EXPECT_EQ(parseInteger("99999999999999999999"), std::nullopt);
}

TEST(Case, AsciiOnlyAndSuffixes) {
    EXPECT_EQ(toUpperAscii("%mw12\xE9"), "%MW12\xE9");
    EXPECT_TRUE(endsWithIgnoreCase("obra.VLP", ".vlp"));
    EXPECT_FALSE(endsWithIgnoreCase("vlp", ".vlp"));
}

} // namespace
} // namespace velmora::text
