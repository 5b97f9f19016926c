#include "editor_support.h"

namespace velmora::ladder {
namespace {

class Links : public ::testing::Test, public fixtures::EditorFixture {
protected:
    EditResult insert(int c, int r) {
        state.cursor = {c, r};
        return InsereLigacao(ctx);
    }
    EditResult remove(int c, int r) {
        state.cursor = {c, r};
        return ApagaLigacao(ctx);
    }
};

TEST_F(Links, LinkGoesRightOfTheCursorColumn) {
    EXPECT_TRUE(insert(3, 1).changed);
    EXPECT_EQ(link(8, 1), "I000");
    EXPECT_EQ(link(20, 1), "");
    EXPECT_TRUE(remove(3, 1).changed);
    EXPECT_EQ(link(8, 1), "");
}

TEST_F(Links, OutsideTheLinkPositionsNothingHappens) {
    const TLogica before = logic();
    for (const CellPosition p : {CellPosition{9, 0}, CellPosition{2, 7}, CellPosition{9, 7}}) {
        EXPECT_FALSE(insert(p.column, p.row).changed);
        EXPECT_FALSE(remove(p.column, p.row).changed);
    }
    EXPECT_TRUE(LogicasIguais(before, logic()));
}

TEST_F(Links, ColumnEightTogglesTheRail) {
    insert(8, 2);
    EXPECT_EQ(link(18, 2), "I000");
    EXPECT_EQ(link(20, 2), "I000");
    EXPECT_EQ(link(20, 3), "N000");
    insert(8, 2);
    EXPECT_EQ(link(18, 2), "I000");
    EXPECT_EQ(link(20, 2), "");
    EXPECT_EQ(link(20, 3), "");
}

TEST_F(Links, DeletingAtColumnEightClearsLinkAndRail) {
    insert(8, 2);
    EXPECT_TRUE(remove(8, 2).changed);
    EXPECT_EQ(link(18, 2), "");
    EXPECT_EQ(link(20, 2), "");
    EXPECT_EQ(link(20, 3), "");
}

TEST_F(Links, DeletingNeverSetsTheRail) {
    logic().cell(18, 2).set("I000");
    EXPECT_TRUE(remove(8, 2).changed);
    EXPECT_EQ(link(18, 2), "");
    EXPECT_EQ(link(20, 2), "");
    EXPECT_EQ(link(20, 3), "");
}

TEST_F(Links, DeletingKeepsARailLinkThatGoesOnDown) {
    logic().cell(18, 2).set("I000");
    logic().cell(20, 2).set("I000");
    logic().cell(20, 3).set("I000");
    remove(8, 2);
    EXPECT_EQ(link(20, 2), "");
    EXPECT_EQ(link(20, 3), "I000");
}

TEST_F(Links, RailLinkStaysWhileCoilsBelowUseIt) {
    put(5, 9, 2);
    put(6, 9, 4);
    insert(8, 2);
    const TLogica before = logic();
    const EditResult r = remove(8, 2);
    EXPECT_FALSE(r.changed);
    EXPECT_EQ(r.message, 220);
    EXPECT_EQ(prompts.texts(), std::vector<std::string>{"M220"});
    EXPECT_EQ(prompts.shown[0].kind, Prompts::Kind::Information);
    EXPECT_TRUE(LogicasIguais(before, logic()));
    // Another column is not held by the coils.
    insert(4, 2);
    EXPECT_TRUE(remove(4, 2).changed);
}

} // namespace
} // namespace velmora::ladder
