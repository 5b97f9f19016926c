#include "core/tables/hmi_string_table.h"
#include "core/tables/recipe_grid.h"

#include <gtest/gtest.h>

namespace velmora::tables {
namespace {

RecipeGrid grid(std::vector<std::vector<std::string>> rows) {
    RecipeGrid g;
    g.rows = std::move(rows);
    g.columns = static_cast<int>(g.rows.front().size());
    return g;
}

TEST(RecipeGrid, NewAndClearedGridIsTwoRowsOneColumn) {
    RecipeGrid g = grid({{"%MW1", "%MW2"}, {"1", "2"}, {"3", "4"}});
    LimpaReceitas(g);
    EXPECT_EQ(g, RecipeGrid{});
    EXPECT_EQ(g.rowCount(), 2);
    EXPECT_EQ(g.columns, 1);
    EXPECT_EQ(g.cell(0, 1), "");
}

TEST(RecipeGrid, DerivedNumbers) {
    struct Case {
        std::vector<std::vector<std::string>> rows;
        int recipes;
        int fit;
    };
    const std::vector<Case> cases = {
        {{{"%MW1", "%MW2", "%MW3"}, {"1", "2", "3"}, {"4", "5", "6"}}, 2, 682},
        {{{"%MW1", "%MW2", "%MW3"}, {"1", "2", "3"}, {"", "", ""}}, 1, 682},
        {{{"%MW1"}, {""}}, 0, 2047},
        {{{"%MW1", "%MW2"}, {"", "7"}}, 1, 1023},
    };
    for (const auto& c : cases) {
        const RecipeGrid g = grid(c.rows);
        EXPECT_EQ(QuantidadeReceitas(g), c.recipes);
        EXPECT_EQ(receitasQueCabem(g), c.fit);
    }
}

TEST(RecipeSection, EmptyTopLeftCellWritesNoLines) {
    EXPECT_TRUE(writeRecipeSection(grid({{"", "%MW2"}, {"10", "20"}})).empty());
    EXPECT_TRUE(writeRecipeSection(RecipeGrid{}).empty());
}

TEST(RecipeSection, EveryCellFollowedBySemicolon) {
    const RecipeGrid g = grid({{"%MW10", "%MW11"}, {"1", ""}, {"", ""}});
    const std::vector<std::string> expected = {"%MW10;%MW11;", "1;;", ";;"};
    EXPECT_EQ(writeRecipeSection(g), expected);
    RecipeGrid back;
    readRecipeSection(back, writeRecipeSection(g));
    EXPECT_EQ(back, g);
}

TEST(RecipeSection, ColumnCountFollowsTheLastLineAndOneRowPerLine) {
    RecipeGrid g;
    readRecipeSection(g, {"%MW1;%MW2;%MW3;", "1;2;3;", "4;5;"});
    EXPECT_EQ(g.columns, 2);
    EXPECT_EQ(g, grid({{"%MW1", "%MW2"}, {"1", "2"}, {"4", "5"}}));

    readRecipeSection(g, {"%MW1;"});
    EXPECT_EQ(g.rowCount(), 1);
    EXPECT_EQ(g.cell(0, 0), "%MW1");

    readRecipeSection(g, {""}); // no fields: one empty column, never none
    EXPECT_EQ(g.columns, 1);
    EXPECT_EQ(g.rowCount(), 1);
}

TEST(StringSection, IndexThenText) {
    HmiStringTable t;
    t.texts = {"LIGADO", "", "DESLIGADO"};
    const std::vector<std::string> expected = {"0;LIGADO", "1;", "2;DESLIGADO"};
    EXPECT_EQ(writeStringSection(t), expected);
}

TEST(StringSection, IndexFieldIsIgnored) {
    HmiStringTable t;
    t.texts = {"old"};
    readStringSection(t, {"3;PRIMEIRO", "0;SEGUNDO;ignored", "nofield", "7;"});
    const std::vector<std::string> expected = {"PRIMEIRO", "SEGUNDO", "", ""};
    EXPECT_EQ(t.texts, expected);
}

} // namespace
} // namespace velmora::tables
