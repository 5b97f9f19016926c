#include "core/lang/language.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

// Header, then messages 1 and 2 in two languages.
LanguageTable sampleTable() {
    LanguageTable t;
    t.rows = {
        {"0", "", "Portugues", "English"},
        {"1", "a box", "x [1] y [0]", "X [1] Y [0]"},
        {"2", "twice", "[0] e [0]", "[0] and [0]"},
        {"3", "ten", "[0][1][2][3][4][5][6][7][8][9][10]", "-"},
        {"4", "plain", "Abrir", "Open"},
    };
    return t;
}

struct LookupCase {
    const char* what;
    int language;
    int number;
    std::string arguments;
    std::string expected;
};

class Lookup : public ::testing::TestWithParam<LookupCase> {};

TEST_P(Lookup, GivesTheTextOrTheFailureText) {
    const auto& c = GetParam();
    EXPECT_EQ(TextoMensagem(sampleTable(), c.language, c.number, c.arguments), c.expected)
        << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Lookup,
    ::testing::Values(
        LookupCase{"two arguments", 0, 1, "a;b", "x b y a"},
        LookupCase{"one argument leaves [1]", 0, 1, "a", "x [1] y a"},
        LookupCase{"second language", 1, 1, "a;b", "X b Y a"},
        LookupCase{"no arguments", 1, 4, "", "Open"},
        LookupCase{"one past the table", 0, 5, "",
                   "Portugues [5 ]"
                   " com Falha"},
        LookupCase{"far past the table", 1, 459, "a", "English [459 ] com Falha"},
        LookupCase{"doubled [0] keeps the second", 0, 2, "z", "z e [0]"},
        LookupCase{"argument without placeholder fails", 0, 4, "a", "Portugues [4 ] com Falha"},
        LookupCase{"third argument has no [2]", 0, 1, "a;b;c", "Portugues [1 ] com Falha"},
        LookupCase{"empty arguments count", 0, 1, ";;", "x  y "},
        LookupCase{"final ; adds no argument", 0, 1, "a;", "x [1] y a"},
        LookupCase{"header row is no message", 0, 0, "", "Portugues [0 ] com Falha"},
        LookupCase{"negative number", 0, -3, "", "Portugues [-3 ] com Falha"},
        LookupCase{"language past the header", 2, 4, "", " [4 ] com Falha"},
        LookupCase{"negative language", -1, 4, "", " [4 ] com Falha"},
        LookupCase{"placeholder text inside an argument is not replaced", 0, 1, "[1];b",
                   "x b y [1]"},
        LookupCase{"eleven arguments", 0, 3, "0;1;2;3;4;5;6;7;8;9;A", "0123456789A"}));

TEST(Lookup, TableNeverReadGivesFailureWithEmptyName) {
    const LanguageTable empty;
    EXPECT_EQ(TextoMensagem(empty, 0, 12), " [12 ] com Falha");
}

TEST(Lookup, LanguageUsesItsCurrentIndex) {
    Language lang;
    lang.table = sampleTable();
    lang.current = 1;
    EXPECT_EQ(lang.text(4), "Open");
    EXPECT_EQ(lang.text(1, "p;q"), "X q Y p");
}

TEST(Lookup, ShortRowFails) {
    LanguageTable t = sampleTable();
    t.rows[4].resize(3);
    EXPECT_EQ(TextoMensagem(t, 1, 4), "English [4 ] com Falha");
    EXPECT_EQ(TextoMensagem(t, 0, 4), "Abrir");
}

TEST(Arguments, AnArgumentHoldingSemicolonStaysOne) {
    const std::string joined = joinArguments({"proj;1.vlp", "b"});
    EXPECT_EQ(TextoMensagem(sampleTable(), 0, 1, joined), "x b y proj;1.vlp");
}

TEST(Arguments, JoinAndSplitRoundTrip) {
    const std::vector<std::vector<std::string>> cases = {
        {},
        {""},
        {"a", ""},
        {"", "", ""},
        {";", ";;", "a;b;"},
        {"\x1F", "x\x1F;y", "\x1F\x1F"},
        {"plain", "D:/proj/x.vlp"},
    };
    for (const auto& args : cases) {
        EXPECT_EQ(splitArguments(joinArguments(args)), args) << joinArguments(args);
    }
}

TEST(Arguments, PlainTextSplitsLikeTheFileFields) {
    struct Case {
        std::string text;
        std::vector<std::string> fields;
    };
    const std::vector<Case> cases = {
        {"", {}},      {"a", {"a"}}, {"a;b", {"a", "b"}}, {"a;;b", {"a", "", "b"}},
        {"a;", {"a"}}, {";", {""}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(splitArguments(c.text), c.fields) << c.text;
    }
}

TEST(LanguageTable, CountsAndNames) {
    const LanguageTable t = sampleTable();
    EXPECT_EQ(t.languageCount(), 2);
    EXPECT_EQ(t.languageName(1), "English");
    EXPECT_EQ(t.languageName(2), "");
    EXPECT_EQ(LanguageTable{}.languageCount(), 0);
}

} // namespace
} // namespace velmora
