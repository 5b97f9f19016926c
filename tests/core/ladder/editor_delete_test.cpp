#include "editor_support.h"

namespace velmora::ladder {
namespace {

using Answer = Prompts::Answer;

class Deleting : public ::testing::Test, public fixtures::EditorFixture {};

struct DeleteCase {
    const char* name;
    int tool; // element put at (ec, er)
    int ec, er;
    int c, r; // cursor
};

class DeleteWholeElement : public Deleting, public ::testing::WithParamInterface<DeleteCase> {};

TEST_P(DeleteWholeElement, FromAnyOfItsCells) {
    const DeleteCase& k = GetParam();
    put(k.tool, k.ec, k.er);
    put(1, 0, 7); // a neighbour that stays
    state.cursor = {k.c, k.r};
    EXPECT_TRUE(ApagaElemento(ctx).changed);
    for (int c = 0; c < kElementColumns; ++c) {
        for (int r = 0; r < 7; ++r) {
            EXPECT_EQ(at(c, r), "") << c << "," << r;
        }
    }
    EXPECT_EQ(code(0, 7), "CNA");
    EXPECT_EQ(state.last, (CellPosition{k.c, k.r}));
}

INSTANTIATE_TEST_SUITE_P(Kinds, DeleteWholeElement,
                         ::testing::Values(DeleteCase{"TimerSecondCell", 9, 3, 1, 3, 2},
                                           DeleteCase{"PidLastCell", 42, 2, 0, 2, 3},
                                           DeleteCase{"OprMiddle", 28, 4, 5, 5, 5},
                                           DeleteCase{"JumpFirst", 34, 7, 6, 7, 6},
                                           DeleteCase{"Contact", 4, 8, 2, 8, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Deleting, EmptyCellStaysAndNothingElseIsTouched) {
    put(9, 3, 1);
    const TLogica before = logic();
    state.cursor = {4, 1};
    EXPECT_FALSE(ApagaElemento(ctx).changed);
    EXPECT_TRUE(LogicasIguais(before, logic()));
}

struct DamagedCase {
    const char* name;
    const char* text;
    int c, r;
};

class DeleteDamaged : public Deleting, public ::testing::WithParamInterface<DamagedCase> {};

TEST_P(DeleteDamaged, EmptiesTheCellAlone) {
    const DamagedCase& k = GetParam();
    put(9, 0, 0);
    put(1, 1, 0);
    logic().element(k.c, k.r).set(k.text);
    TLogica expected = logic();
    expected.element(k.c, k.r).clear();
    state.cursor = {k.c, k.r};
    EXPECT_TRUE(ApagaElemento(ctx).changed);
    EXPECT_TRUE(LogicasIguais(expected, logic()));
}

INSTANTIATE_TEST_SUITE_P(
    Mend, DeleteDamaged,
    ::testing::Values(DamagedCase{"PartAboveTheGrid", "TON5001000", 2, 0},
                      DamagedCase{"PartLeftOfTheGrid", "CAL2001000", 0, 3},
                      DamagedCase{"PartBeyondTheKind", "TON7001000", 3, 6},
                      DamagedCase{"UnknownCode", "XYZ1001000#A", 4, 4},
                      DamagedCase{"ShortText", "CN", 5, 5},
                      DamagedCase{"PartDigitMissing", "TONx", 6, 6},
                      // The timer's second cell below a contact: the contact is not the timer.
                      DamagedCase{"FirstCellIsAnother", "TON2001000", 1, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Deleting, DeleteKeyAsksForAnElement) {
    put(2, 3, 3);
    state.cursor = {3, 3};
    state.tool = 5;
    prompts.queueAnswer(Answer::No);
    EXPECT_FALSE(pressDelete(ctx).changed);
    EXPECT_EQ(prompts.texts(), std::vector<std::string>{"M230"});
    EXPECT_EQ(code(3, 3), "CNF");
    EXPECT_EQ(state.tool, kToolNone);

    prompts.queueAnswer(Answer::Yes);
    EXPECT_TRUE(pressDelete(ctx).changed);
    EXPECT_EQ(at(3, 3), "");
}

TEST_F(Deleting, DeleteKeyRemovesALineWithoutAskingAndAnEmptyCellSilently) {
    logic().element(3, 3).set("CRT1001000");
    state.cursor = {3, 3};
    EXPECT_TRUE(pressDelete(ctx).changed);
    EXPECT_EQ(at(3, 3), "");
    EXPECT_FALSE(pressDelete(ctx).changed);
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(Deleting, DeleteKeyWithAnAreaAsksAndDeletesTheArea) {
    put(9, 2, 1);
    put(1, 3, 1);
    put(1, 5, 1);
    logic().cell(storageColumn(3) - 1, 1).set("I000");
    state.area = MarkedArea{2, 1, 3, 2, true};
    prompts.queueAnswer(Answer::Yes);
    EXPECT_TRUE(pressDelete(ctx).changed);
    EXPECT_EQ(prompts.texts(), std::vector<std::string>{"M229"});
    EXPECT_EQ(at(2, 1), "");
    EXPECT_EQ(at(2, 2), "");
    EXPECT_EQ(at(3, 1), "");
    EXPECT_EQ(link(storageColumn(3) - 1, 1), "");
    EXPECT_EQ(code(5, 1), "CNA");
}

TEST_F(Deleting, DeleteKeyWithASingleCellAreaDeletesAtTheCursor) {
    put(1, 5, 1);
    put(1, 6, 6);
    state.area = MarkedArea{6, 6, 6, 6, true};
    state.cursor = {5, 1};
    prompts.queueAnswer(Answer::Yes);
    EXPECT_TRUE(pressDelete(ctx).changed);
    EXPECT_FALSE(state.area.marked);
    EXPECT_EQ(prompts.texts(), std::vector<std::string>{"M230"});
    EXPECT_EQ(at(5, 1), "");
    EXPECT_EQ(code(6, 6), "CNA");
}

TEST_F(Deleting, AreaDeletionDeclinedKeepsEverything) {
    put(9, 2, 1);
    state.area = MarkedArea{2, 1, 3, 2, true};
    const TLogica before = logic();
    prompts.queueAnswer(Answer::No);
    EXPECT_FALSE(pressDelete(ctx).changed);
    EXPECT_TRUE(LogicasIguais(before, logic()));
}

} // namespace
} // namespace velmora::ladder
