#include "core/ladder/cell.h"
#include "core/ladder/program.h"

#include <gtest/gtest.h>

namespace velmora::ladder {
namespace {

// A three-logic program; logic 3 holds jumps to 1, 2 and 3 in rows 0 ... 2, plus cells that
// merely contain the letters of a jump.
TPrograma threeLogics() {
    TPrograma p;
    setLogicCount(p, 3);
    TLogica& l3 = p.logic(3);
    l3.cell(3, 0).set("JMP1001000#1");
    l3.cell(3, 1).set("JMP1001000#2");
    l3.cell(3, 2).set("JMP1001000#3");
    l3.cell(3, 3).set("JMP1001000# ");
    l3.cell(3, 4).set("JMP1001000#ROTINA");  // not a number: left alone
    l3.cell(1, 5).set("OPR1001000#JMP1#2");  // an expression holding the letters
    l3.cell(1, 6).set("CAL1001000#XJMP1#2"); // a call whose name holds them
    l3.cell(5, 0).set("JMP2001000");
    return p;
}

struct JumpCase {
    const char* name;
    int position, delta;
    std::vector<std::string> expected; // rows 0 ... 4 of storage column 3 in logic 3
};

class Renumber : public ::testing::TestWithParam<JumpCase> {};
TEST_P(Renumber, FollowsTheMovedLogicsAndNothingElse) {
    const auto& c = GetParam();
    TPrograma p = threeLogics();
    RenumeraSaltos(p, c.position, c.delta);
    for (int r = 0; r < 5; ++r) {
        EXPECT_EQ(p.logic(3).cell(3, r).text, c.expected[static_cast<std::size_t>(r)])
            << "row " << r;
    }
    EXPECT_EQ(p.logic(3).cell(1, 5).text, "OPR1001000#JMP1#2");
    EXPECT_EQ(p.logic(3).cell(1, 6).text, "CAL1001000#XJMP1#2");
    EXPECT_EQ(p.logic(3).cell(5, 0).text, "JMP2001000");
}
INSTANTIATE_TEST_SUITE_P(Cases, Renumber,
                         ::testing::Values(JumpCase{"InsertAt2",
                                                    2,
                                                    +1,
                                                    {"JMP1001000#1", "JMP1001000#3", "JMP1001000#4",
                                                     "JMP1001000# ", "JMP1001000#ROTINA"}},
                                           JumpCase{"RemoveAt2",
                                                    2,
                                                    -1,
                                                    {"JMP1001000#1", "JMP1001000# ", "JMP1001000#2",
                                                     "JMP1001000# ", "JMP1001000#ROTINA"}},
                                           JumpCase{"RemoveAt3",
                                                    3,
                                                    -1,
                                                    {"JMP1001000#1", "JMP1001000#2", "JMP1001000# ",
                                                     "JMP1001000# ", "JMP1001000#ROTINA"}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Renumber, InsertThroughInsereLogicaMovesTargets) {
    TPrograma p = threeLogics();
    ASSERT_TRUE(InsereLogica(p, NovaLogica(), 2));
    ASSERT_EQ(p.count(), 4);
    const TLogica& moved = p.logic(4); // the old logic 3
    EXPECT_EQ(moved.cell(3, 0).text, "JMP1001000#1");
    EXPECT_EQ(moved.cell(3, 1).text, "JMP1001000#3");
    EXPECT_EQ(moved.cell(3, 2).text, "JMP1001000#4");
}

// A jump that lost its target holds the blank placeholder, so a later renumbering reads it as
// "no target" and leaves it alone instead of tripping over a missing field.
TEST(Renumber, LostTargetSurvivesTheNextRenumbering) {
    TPrograma p = threeLogics();
    ASSERT_TRUE(RemoveLogica(p, 2));
    RenumeraSaltos(p, 2, -1);
    const TLogica& l = p.logic(2);
    EXPECT_EQ(l.cell(3, 1).text, "JMP1001000# ");
    EXPECT_EQ(CampoCelula(l.cell(3, 1).text, 1), " ");
    ASSERT_TRUE(InsereLogica(p, NovaLogica(), 1));
    EXPECT_EQ(p.logic(3).cell(3, 1).text, "JMP1001000# ");
    EXPECT_EQ(p.logic(3).cell(3, 0).text, "JMP1001000#2");
}

TEST(Renumber, OnlyRowsZeroToSevenAndColumnsZeroToNineteen) {
    TPrograma p;
    p.logic(1).cell(3, 8).set("JMP1001000#1");
    p.logic(1).cell(20, 0).set("JMP1001000#1");
    RenumeraSaltos(p, 1, +1);
    EXPECT_EQ(p.logic(1).cell(3, 8).text, "JMP1001000#1");
    EXPECT_EQ(p.logic(1).cell(20, 0).text, "JMP1001000#1");
}

TEST(Renumber, HugeTargetIsLeftAlone) {
    TPrograma p;
    p.logic(1).cell(3, 0).set("JMP1001000#99999999999999999999");
    RenumeraSaltos(p, 1, +1);
    EXPECT_EQ(p.logic(1).cell(3, 0).text, "JMP1001000#99999999999999999999");
}

} // namespace
} // namespace velmora::ladder
