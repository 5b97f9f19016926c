#include "core/ladder/cell.h"

#include <gtest/gtest.h>

namespace velmora::ladder {
namespace {

struct FieldCase {
    std::string text;
    int k;
    std::optional<std::string> expected;
};
class Field : public ::testing::TestWithParam<FieldCase> {};
TEST_P(Field, ReadsFieldK) {
    const auto& c = GetParam();
    EXPECT_EQ(cellField(c.text, c.k), c.expected);
    EXPECT_EQ(CampoCelula(c.text, c.k), c.expected.value_or("erro"));
}
INSTANTIATE_TEST_SUITE_P(
    Cases, Field,
    ::testing::Values(FieldCase{"CNA1001000#%I0.1", 1, "%I0.1"},
                      FieldCase{"CNA1001000#", 1, std::nullopt}, // a final "#" opens no field
                      FieldCase{"TON1001000#%T3#100#2#1", 2, "100"},
                      FieldCase{"TON1001000#%T3#100#2#1", 4, "1"},
                      FieldCase{"TON1001000#%T3#100#2#1", 5, std::nullopt},
                      FieldCase{"CM11001000##5", 1, ""}, // an empty field exists
                      FieldCase{"CRT1001000", 1, std::nullopt},
                      FieldCase{"CNA1001000#%I0.1", 0, std::nullopt},
                      FieldCase{"", 1, std::nullopt}));

// A field that really holds "erro" is a value; only the optional twin tells the two apart.
TEST(Field, OptionalTwinSeparatesMissingFromErroValue) {
    EXPECT_EQ(cellField("CAL1001000#erro", 1), std::optional<std::string>("erro"));
    EXPECT_EQ(cellField("CAL1001000#", 1), std::nullopt);
}

struct ReplaceCase {
    std::string text;
    int k;
    std::string value, expected;
};
class Replace : public ::testing::TestWithParam<ReplaceCase> {};
TEST_P(Replace, ReplacesOnlyFieldK) {
    const auto& c = GetParam();
    EXPECT_EQ(TrocaCampo(c.text, c.k, c.value), c.expected);
}
INSTANTIATE_TEST_SUITE_P(
    Cases, Replace,
    ::testing::Values(ReplaceCase{"TON1001000#T # #1#1", 1, "%T3", "TON1001000#%T3# #1#1"},
                      ReplaceCase{"TON1001000#%T3# #1#1", 2, "100", "TON1001000#%T3#100#1#1"},
                      ReplaceCase{"TON1001000#%T3#100#1#1", 4, "0", "TON1001000#%T3#100#1#0"},
                      ReplaceCase{"JMP1001000#12", 1, " ", "JMP1001000# "},
                      ReplaceCase{"JMP1001000#", 1, "3", "JMP1001000#3"},
                      ReplaceCase{"CRT1001000", 1, "x", "CRT1001000"},
                      ReplaceCase{"CM11001000#% #% ", 3, "x", "CM11001000#% #% "},
                      ReplaceCase{"CM11001000#% #% ", 0, "x", "CM11001000#% #% "}));

TEST(Header, CodePartAndColumnZeroMark) {
    EXPECT_EQ(CabecalhoCelula("TON", '1', true), "TON1001010");
    EXPECT_EQ(CabecalhoCelula("TON", '2', false), "TON2001000");
    EXPECT_EQ(CodigoCelula("CMA1001000#%MW1#3"), "CMA");
    EXPECT_EQ(CodigoCelula("I0"), "I0");
    EXPECT_EQ(ParteCelula("CUD3001000"), '3');
    EXPECT_EQ(ParteCelula("CUD"), '\0');
    EXPECT_EQ(cellPart("CUD3001000"), 3);
    EXPECT_EQ(cellPart("I000"), 0);
}

TEST(Header, ElementCellMatchesCodeAndPartAtTheStart) {
    EXPECT_TRUE(isElementCell("JMP1001000#3", "JMP", '1'));
    EXPECT_FALSE(isElementCell("JMP2001000", "JMP", '1'));
    EXPECT_FALSE(isElementCell("OPR1001000#JMP1", "JMP", '1'));
    EXPECT_FALSE(isElementCell("JM", "JMP", '1'));
}

} // namespace
} // namespace velmora::ladder

namespace velmora::ladder {
namespace {

// Replacing any field of a real first-cell text, then reading every field back: the new value
// is where it was put and every other field is as before.
TEST(Field, ReplaceThenReadLeavesOtherFieldsAlone) {
    const std::vector<std::string> texts = {"TON1001000#%T3#100#2#1",
                                            "PID1001000#PID #0#0#0#0#0#255#%#0#255#%#0#4095",
                                            "SMW1001000# # # ", "CM71002020#%MW1#%MW2"};
    for (const auto& text : texts) {
        int fields = 0;
        while (cellField(text, fields + 1)) {
            ++fields;
        }
        ASSERT_GT(fields, 0) << text;
        for (int k = 1; k <= fields; ++k) {
            const std::string changed = TrocaCampo(text, k, "%MW77");
            for (int j = 1; j <= fields; ++j) {
                EXPECT_EQ(cellField(changed, j), j == k ? "%MW77" : cellField(text, j))
                    << text << " field " << k;
            }
            EXPECT_FALSE(cellField(changed, fields + 1).has_value());
            EXPECT_EQ(changed.substr(0, 10), text.substr(0, 10));
        }
    }
}

} // namespace
} // namespace velmora::ladder
