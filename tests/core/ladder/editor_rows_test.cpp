#include "editor_support.h"

namespace velmora::ladder {
namespace {

class Rows : public ::testing::Test, public fixtures::EditorFixture {
protected:
    // contact, TON in column 1, a contact after it and a coil:
    //   row 0: CNA TON CNA .. BOB     row 1: CNA TON(2)
    void SetUp() override {
        put(1, 0, 0);
        put(9, 1, 0);
        put(2, 2, 0);
        put(5, 9, 0);
        put(1, 0, 1);
        logic().cell(2, 0).set("I000"); // joins rows 0 and 1 right of column 0
    }
    EditResult row(int r) {
        state.last = {0, r};
        return insertRow(ctx);
    }
    EditResult column(int c) {
        state.last = {c, 0};
        return insertColumn(ctx);
    }
};

TEST_F(Rows, InsertRowAboveTheTimerMovesItDown) {
    const EditResult r = row(0);
    EXPECT_TRUE(r.changed);
    EXPECT_TRUE(r.layout);
    for (int c = 0; c < kElementColumns; ++c) {
        EXPECT_EQ(at(c, 0), "") << c;
    }
    EXPECT_EQ(code(1, 1), "TON");
    EXPECT_EQ(code(1, 2), "TON");
    EXPECT_EQ(code(9, 1), "BOB");
    EXPECT_EQ(link(2, 1), "I000");
    EXPECT_EQ(link(2, 0), "");
}

TEST_F(Rows, InsertRowContinuesLinksAcrossTheNewRow) {
    put(1, 0, 2);
    logic().cell(2, 1).set("I000"); // rows 0 ... 2 joined right of column 0
    logic().element(1, 1).clear();  // make row 1 free of the timer
    logic().element(1, 0).clear();
    ASSERT_TRUE(row(1).changed);
    EXPECT_EQ(link(2, 0), "I000");
    EXPECT_EQ(link(2, 1), "I000");
    EXPECT_EQ(link(2, 2), "I000");
    EXPECT_EQ(at(0, 1), "");
    EXPECT_EQ(code(0, 2), "CNA");
    EXPECT_EQ(code(0, 3), "CNA");
}

TEST_F(Rows, InsertRowThroughTheTimerIsRefused) {
    const TLogica before = logic();
    const EditResult r = row(1);
    EXPECT_FALSE(r.changed);
    EXPECT_EQ(prompts.texts(), std::vector<std::string>{kTextoDividiriaElemento});
    EXPECT_TRUE(LogicasIguais(before, logic()));
}

TEST_F(Rows, InsertRowOnlyInUsedRowsOfANotFullLogic) {
    EXPECT_FALSE(row(2).changed);
    for (int r = 2; r < kEditedRows; ++r) {
        logic().element(5, r).set("CRT1001000");
    }
    const TLogica full = logic();
    EXPECT_FALSE(row(0).changed);
    EXPECT_TRUE(LogicasIguais(full, logic()));
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(Rows, InsertRowDoesNotPushTheRailOutOfTheLogic) {
    logic().cell(20, 7).set("N000");
    const TLogica before = logic();
    EXPECT_FALSE(row(0).changed);
    EXPECT_EQ(prompts.texts(), std::vector<std::string>{kTextoSemEspaco});
    EXPECT_TRUE(LogicasIguais(before, logic()));
}

TEST_F(Rows, InsertColumnBeforeTheTimerShiftsUpToTheFirstEmptyColumn) {
    logic().cell(4, 0).set("I000"); // right of the timer's column
    const EditResult r = column(1);
    ASSERT_TRUE(r.changed);
    EXPECT_TRUE(r.layout);
    EXPECT_EQ(at(1, 0), "CRT1001000"); // both neighbours occupied
    EXPECT_EQ(at(1, 1), "CRT1001000");
    EXPECT_EQ(at(2, 0), "TON1001000#T # #1#1");
    EXPECT_EQ(at(2, 1), "TON2001000");
    EXPECT_EQ(code(3, 0), "CNF");
    EXPECT_EQ(code(9, 0), "BOB");
    EXPECT_EQ(link(2, 0), "I000"); // the link left of the given column stays
    EXPECT_EQ(link(4, 0), "");
    EXPECT_EQ(link(6, 0), "I000");
}

TEST_F(Rows, InsertColumnAtTheRailRewritesTheHeaders) {
    ASSERT_TRUE(column(0).changed);
    EXPECT_EQ(at(0, 0), "CRT1001010");
    EXPECT_EQ(at(1, 0), "CNA1001000#% ");
    EXPECT_EQ(at(1, 1), "CNA1001000#% ");
    EXPECT_EQ(code(2, 0), "TON");
}

TEST_F(Rows, InsertColumnOnAnEmptyColumnChangesNothing) {
    const TLogica before = logic();
    EXPECT_FALSE(column(4).changed);
    EXPECT_TRUE(LogicasIguais(before, logic()));
}

TEST_F(Rows, InsertColumnWithoutRoomIsRefused) {
    for (int c = 3; c <= 8; ++c) {
        logic().element(c, 0).set("CRT1001000");
    }
    const TLogica before = logic();
    EXPECT_FALSE(column(1).changed);
    EXPECT_EQ(prompts.texts(), std::vector<std::string>{kTextoSemEspaco});
    EXPECT_TRUE(LogicasIguais(before, logic()));
}

TEST_F(Rows, InsertColumnThroughAWideElementIsRefused) {
    put(35, 4, 3); // CAL in columns 4 and 5
    const TLogica before = logic();
    EXPECT_FALSE(column(5).changed);
    EXPECT_EQ(prompts.texts(), std::vector<std::string>{kTextoDividiriaElemento});
    EXPECT_TRUE(LogicasIguais(before, logic()));
    EXPECT_TRUE(column(4).changed);
    EXPECT_EQ(code(5, 3), "CAL");
    EXPECT_EQ(code(6, 3), "CAL");
}

TEST_F(Rows, InsertColumnKeepsALinkRightOfTheEmptyColumn) {
    logic().cell(8, 3).set("I000"); // right of column 3, the first empty one
    const TLogica before = logic();
    EXPECT_FALSE(column(1).changed);
    EXPECT_EQ(prompts.texts(), std::vector<std::string>{kTextoSemEspaco});
    EXPECT_TRUE(LogicasIguais(before, logic()));
}

} // namespace
} // namespace velmora::ladder
