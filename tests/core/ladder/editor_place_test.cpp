#include "core/ladder/editor_queries.h"
#include "editor_support.h"

namespace velmora::ladder {
namespace {

using Answer = Prompts::Answer;
using Kind = Prompts::Kind;

class Placement : public ::testing::Test, public fixtures::EditorFixture {
protected:
    // A logic that is not empty, so the first-element rule stays out of the way.
    void SetUp() override { logic().element(0, 7).set("CNA1001010#%I0.0"); }
};

struct PositionCase {
    int tool;
    int c, r;
    bool placed;
    const char* code; // first cell code when placed
};

class PlacementPositions : public Placement, public ::testing::WithParamInterface<PositionCase> {};

TEST_P(PlacementPositions, LegalPlacesIllegalIsSilent) {
    const PositionCase& k = GetParam();
    const TLogica before = logic();
    const EditResult r = direct(k.tool, k.c, k.r);
    EXPECT_TRUE(prompts.shown.empty());
    if (!k.placed) {
        EXPECT_FALSE(r.changed);
        EXPECT_TRUE(LogicasIguais(before, logic()));
        return;
    }
    ASSERT_TRUE(r.changed);
    const ElementKind* kind = elementOfTool(k.tool);
    const int col = kind->coilColumn ? 9 : k.c;
    EXPECT_EQ(at(col, k.r), firstCellText(*kind, col == 0)) << k.tool;
    for (int p = 2; p <= kind->cellCount; ++p) {
        const bool down = kind->shape == Shape::Vertical;
        EXPECT_EQ(at(down ? col : col + p - 1, down ? k.r + p - 1 : k.r),
                  partText(*kind, p, col == 0));
    }
    EXPECT_EQ(code(col, k.r), k.code);
    EXPECT_EQ(state.last, (CellPosition{k.c, k.r}));
    EXPECT_TRUE(state.placing);
}

INSTANTIATE_TEST_SUITE_P(
    EveryKind, PlacementPositions,
    ::testing::Values(PositionCase{1, 0, 0, true, "CNA"}, PositionCase{2, 8, 3, true, "CNF"},
                      PositionCase{3, 9, 0, false, ""}, PositionCase{4, 4, 6, true, "CBN"},
                      PositionCase{5, 9, 0, true, "BOB"}, PositionCase{8, 9, 2, true, "BOR"},
                      PositionCase{9, 1, 5, true, "TON"}, PositionCase{9, 0, 2, false, ""},
                      PositionCase{30, 9, 2, false, ""}, PositionCase{29, 3, 7, false, ""},
                      PositionCase{31, 8, 0, true, "CUP"}, PositionCase{33, 0, 0, false, ""},
                      PositionCase{10, 0, 4, true, "CUD"}, PositionCase{10, 0, 5, false, ""},
                      PositionCase{43, 2, 5, true, "CRP"}, PositionCase{43, 2, 6, false, ""},
                      PositionCase{13, 0, 6, true, "CM1"}, PositionCase{66, 3, 7, false, ""},
                      PositionCase{51, 8, 1, true, "CMB"}, PositionCase{57, 0, 5, true, "MBB"},
                      PositionCase{72, 2, 7, false, ""}, PositionCase{21, 0, 4, true, "SMB"},
                      PositionCase{47, 5, 6, false, ""}, PositionCase{67, 8, 4, true, "DVL"},
                      PositionCase{26, 8, 3, true, "CRT"}, PositionCase{26, 9, 3, false, ""},
                      PositionCase{28, 7, 1, true, "OPR"}, PositionCase{28, 8, 1, false, ""},
                      PositionCase{35, 8, 1, true, "CAL"}, PositionCase{34, 9, 1, false, ""},
                      PositionCase{42, 4, 4, true, "PID"}, PositionCase{42, 4, 5, false, ""}));

TEST_F(Placement, FirstElementOfAnEmptyLogicGoesToRowZeroAndContactsToColumnZero) {
    logic().element(0, 7).clear();
    ASSERT_TRUE(direct(1, 4, 3).changed);
    EXPECT_EQ(at(0, 0), "CNA1001010#% ");
    EXPECT_EQ(state.cursor, (CellPosition{0, 0}));

    logic().element(0, 0).clear();
    ASSERT_TRUE(direct(9, 3, 5).changed);
    EXPECT_EQ(at(3, 0), "TON1001000#T # #1#1");
    EXPECT_EQ(at(3, 1), "TON2001000");
    EXPECT_EQ(state.cursor.row, 0);
}

struct ContentCase {
    const char* name;
    int existing; // tool whose element is already in the logic
    int ec, er;
    int tool;
    int c, r;
    int message; // 0: accepted
};

class PlacementContent : public Placement, public ::testing::WithParamInterface<ContentCase> {};

TEST_P(PlacementContent, RefusesWithTheMessageAndChangesNothing) {
    const ContentCase& k = GetParam();
    put(k.existing, k.ec, k.er);
    const TLogica before = logic();
    const EditResult r = direct(k.tool, k.c, k.r);
    if (k.message == 0) {
        EXPECT_TRUE(r.changed);
        EXPECT_TRUE(prompts.shown.empty());
        return;
    }
    EXPECT_FALSE(r.changed);
    EXPECT_EQ(r.message, k.message);
    EXPECT_TRUE(LogicasIguais(before, logic()));
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].kind, Kind::Information);
    EXPECT_EQ(prompts.shown[0].text, "M" + std::to_string(k.message));
}

INSTANTIATE_TEST_SUITE_P(
    Rules, PlacementContent,
    ::testing::Values(ContentCase{"CoilBesideMove", 57, 2, 0, 5, 9, 3, 216},
                      ContentCase{"CoilBesideAdd", 21, 2, 0, 7, 9, 4, 216},
                      ContentCase{"SecondTimerOtherRow", 9, 5, 0, 29, 2, 4, 217},
                      ContentCase{"TimerBesideCounter", 31, 5, 0, 9, 2, 3, 217},
                      ContentCase{"FastCounterBesideTimer", 30, 6, 3, 43, 1, 0, 217},
                      ContentCase{"CudIsNotChecked", 9, 6, 0, 10, 1, 2, 0},
                      ContentCase{"SecondMove", 58, 4, 0, 59, 1, 0, 218},
                      ContentCase{"MoveBesideArithmetic", 50, 4, 0, 46, 1, 0, 218},
                      ContentCase{"MoveBesideCoil", 5, 9, 0, 45, 1, 0, 219},
                      ContentCase{"MultiplyBesideCoil", 6, 9, 2, 19, 1, 0, 449},
                      ContentCase{"DivideLongBesideCoil", 8, 9, 2, 67, 1, 0, 449},
                      ContentCase{"AddBesideCoil", 5, 9, 0, 21, 1, 0, 0},
                      ContentCase{"SubtractBesideCoil", 5, 9, 0, 20, 1, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

struct ColumnCase {
    int tool;
    int c;
    bool accepted;
};

TEST_F(Placement, TimerColumnRule) {
    put(9, 3, 0); // TON in column 3
    const ColumnCase cases[] = {{1, 5, false}, {1, 3, false}, {5, 5, true},  {26, 5, true},
                                {27, 4, true}, {1, 2, true},  {13, 6, false}};
    for (const ColumnCase& k : cases) {
        SCOPED_TRACE(testing::Message() << "tool " << k.tool << " column " << k.c);
        TLogica before = logic();
        prompts.shown.clear();
        const EditResult r = direct(k.tool, k.c, 3);
        EXPECT_EQ(r.changed, k.accepted);
        if (!k.accepted) {
            EXPECT_TRUE(LogicasIguais(before, logic()));
            ASSERT_EQ(prompts.shown.size(), 1u);
            EXPECT_EQ(prompts.shown[0].kind, Kind::Plain);
            EXPECT_EQ(prompts.shown[0].text, "M278");
        }
        logic() = before;
    }
}

TEST_F(Placement, CounterColumnRuleShowsItsOwnText) {
    put(33, 3, 0); // CDO in column 3
    const EditResult r = direct(2, 6, 4);
    EXPECT_FALSE(r.changed);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].kind, Kind::Plain);
    EXPECT_EQ(prompts.shown[0].text, "N\xE3o \xE9 permitido fazer liga\xE7\xF5"
                                     "es em paralelo com Contadores");
    EXPECT_TRUE(direct(2, 2, 4).changed);
    EXPECT_TRUE(direct(5, 6, 4).changed);
}

TEST_F(Placement, CoilInRowZeroFillsTheRowWithLines) {
    ASSERT_TRUE(direct(5, 4, 0).changed);
    for (int c = 4; c <= 8; ++c) {
        EXPECT_EQ(at(c, 0), "CRT1001000") << c;
    }
    EXPECT_EQ(at(3, 0), "");
    EXPECT_EQ(at(9, 0), "BOB1001000#% ");
    EXPECT_EQ(state.last, (CellPosition{4, 0}));
}

TEST_F(Placement, CoilFromColumnZeroWritesTheRailLine) {
    ASSERT_TRUE(direct(6, 0, 0).changed);
    EXPECT_EQ(at(0, 0), "CRT1001010");
    EXPECT_EQ(at(1, 0), "CRT1001000");
}

TEST_F(Placement, CoilWithAnOccupiedCellOnTheWayDoesNothing) {
    put(1, 6, 0);
    const TLogica before = logic();
    EXPECT_FALSE(direct(5, 4, 0).changed);
    EXPECT_TRUE(LogicasIguais(before, logic()));
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(Placement, LowerCoilJoinsTheCoilAbove) {
    put(5, 9, 1);
    ASSERT_TRUE(direct(7, 9, 3).changed);
    EXPECT_EQ(at(9, 3), "BOS1001000#% ");
    EXPECT_EQ(link(20, 2), "I000");
    EXPECT_EQ(link(20, 1), "I000");
    EXPECT_EQ(link(20, 0), "");
    EXPECT_EQ(link(20, 3), "");
    EXPECT_EQ(at(5, 3), ""); // no fill below row 0
}

TEST_F(Placement, OperandEntryStartsAtTheFirstCell) {
    EXPECT_EQ(direct(9, 2, 1).operandEntry, (CellPosition{2, 1}));
    EXPECT_EQ(direct(5, 3, 4).operandEntry, (CellPosition{9, 4}));
    EXPECT_EQ(direct(26, 3, 5).operandEntry, std::nullopt);
}

TEST_F(Placement, EditedProgramGoesBackToItsSlot) {
    session.program.setName("PRINCIPAL");
    direct(1, 2, 2);
    EXPECT_EQ(slot.name, "PRINCIPAL");
}

TEST_F(Placement, NothingWithoutAnOpenLogic) {
    session.workingCopy.number = -1;
    EXPECT_FALSE(place(1, 2, 2).changed);
    EXPECT_EQ(at(2, 2), "");
}

TEST_F(Placement, FillStopsAtTheFirstOccupiedCell) {
    put(1, 5, 2);
    state.cursor = {2, 2};
    ASSERT_TRUE(CompletaTraco(ctx).changed);
    for (int c = 2; c <= 4; ++c) {
        EXPECT_EQ(at(c, 2), "CRT1001000");
    }
    EXPECT_EQ(code(5, 2), "CNA");
    EXPECT_EQ(state.cursor, (CellPosition{5, 2}));
}

TEST_F(Placement, FillNeverReachesTheCoilColumn) {
    state.cursor = {6, 1};
    CompletaTraco(ctx);
    EXPECT_EQ(at(8, 1), "CRT1001000");
    EXPECT_EQ(at(9, 1), "");
    EXPECT_EQ(state.cursor, (CellPosition{9, 1}));
}

TEST_F(Placement, FillToolFromColumnZero) {
    ASSERT_TRUE(place(27, 0, 3).changed);
    EXPECT_EQ(at(0, 3), "CRT1001010");
    EXPECT_EQ(at(8, 3), "CRT1001000");
}

// --- Replacing ---

TEST_F(Placement, ReplacingAsksAndReplacesOnYes) {
    put(2, 2, 1);
    prompts.queueAnswer(Answer::Yes);
    const EditResult r = place(1, 2, 1);
    EXPECT_TRUE(r.changed);
    EXPECT_EQ(prompts.texts(), std::vector<std::string>{"M232"});
    EXPECT_EQ(at(2, 1), "CNA1001000#% ");
}

TEST_F(Placement, ReplacingOnNoKeepsTheOldElement) {
    put(2, 2, 1);
    prompts.queueAnswer(Answer::No);
    EXPECT_FALSE(place(1, 2, 1).changed);
    EXPECT_EQ(code(2, 1), "CNF");
}

TEST_F(Placement, HorizontalLinesAreOverwrittenWithoutAsking) {
    logic().element(2, 1).set("CRT1001000");
    EXPECT_TRUE(place(3, 2, 1).changed);
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ(code(2, 1), "CBP");
}

TEST_F(Placement, ReplacingATimerByAnotherTimer) {
    put(9, 2, 0);
    prompts.queueAnswer(Answer::Yes);
    ASSERT_TRUE(place(30, 2, 1).changed);
    EXPECT_EQ(at(2, 0), "");
    EXPECT_EQ(at(2, 1), "TOF1001000#T # #1#1");
    EXPECT_EQ(at(2, 2), "TOF2001000");
}

struct RefusedReplaceCase {
    const char* name;
    int ruleTool; // element that makes the rule refuse
    int rc, rr;
    int oldTool; // element being replaced
    int oc, or_;
    int tool;
    int message; // 0: silent
};

class RefusedReplacing : public Placement,
                         public ::testing::WithParamInterface<RefusedReplaceCase> {};

TEST_P(RefusedReplacing, KeepsTheOldElementAndAsksNothing) {
    const RefusedReplaceCase& k = GetParam();
    put(k.ruleTool, k.rc, k.rr);
    put(k.oldTool, k.oc, k.or_);
    const TLogica before = logic();
    prompts.queueAnswer(Answer::Yes);
    const EditResult r = place(k.tool, k.oc, k.or_);
    EXPECT_FALSE(r.changed);
    EXPECT_TRUE(LogicasIguais(before, logic()));
    EXPECT_EQ(r.message, k.message);
    if (k.message == 0) {
        EXPECT_TRUE(prompts.shown.empty());
    } else {
        EXPECT_EQ(prompts.texts(), std::vector<std::string>{"M" + std::to_string(k.message)});
    }
}

INSTANTIATE_TEST_SUITE_P(
    Mend, RefusedReplacing,
    ::testing::Values(RefusedReplaceCase{"TimerColumn", 9, 3, 0, 1, 5, 2, 2, 278},
                      RefusedReplaceCase{"CoilBesideMove", 57, 1, 0, 2, 4, 3, 5, 216},
                      RefusedReplaceCase{"SecondTimer", 9, 5, 0, 1, 2, 2, 29, 217},
                      RefusedReplaceCase{"SecondMove", 21, 1, 3, 2, 4, 0, 58, 218},
                      RefusedReplaceCase{"MoveBesideCoil", 5, 9, 0, 2, 4, 3, 60, 219},
                      RefusedReplaceCase{"DivideBesideCoil", 5, 9, 0, 2, 4, 3, 18, 449},
                      RefusedReplaceCase{"PositionRule", 1, 0, 0, 2, 4, 7, 9, 0},
                      RefusedReplaceCase{"ContactOnCoilColumn", 1, 0, 0, 5, 9, 2, 1, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Placement, WideElementsAskForEveryCellTheyCover) {
    put(1, 3, 0);
    prompts.queueAnswer(Answer::No);
    EXPECT_FALSE(place(28, 2, 0).changed); // OPR over columns 2 ... 4
    EXPECT_EQ(prompts.texts(), std::vector<std::string>{"M232"});
    EXPECT_EQ(code(3, 0), "CNA");

    prompts.queueAnswer(Answer::Yes);
    ASSERT_TRUE(place(28, 2, 0).changed);
    EXPECT_EQ(at(2, 0), "OPR1001000# ");
    EXPECT_EQ(at(3, 0), "OPR2001000");
    EXPECT_EQ(at(4, 0), "OPR3001000");
}

TEST_F(Placement, ReplacingThePartOfAWideElementDeletesAllOfIt) {
    put(35, 4, 2); // CAL in columns 4 and 5
    prompts.queueAnswer(Answer::Yes);
    ASSERT_TRUE(place(1, 5, 2).changed);
    EXPECT_EQ(at(4, 2), "");
    EXPECT_EQ(code(5, 2), "CNA");
}

TEST_F(Placement, ACoilFromAnEarlierColumnAsksBeforeReplacingTheCoil) {
    put(5, 9, 2);
    prompts.queueAnswer(Answer::No);
    EXPECT_FALSE(place(6, 4, 2).changed);
    EXPECT_EQ(prompts.texts(), std::vector<std::string>{"M232"});
    EXPECT_EQ(code(9, 2), "BOB");

    prompts.queueAnswer(Answer::Yes);
    ASSERT_TRUE(place(6, 4, 2).changed);
    EXPECT_EQ(code(9, 2), "BON");
}

TEST_F(Placement, NoToolOffersToDelete) {
    put(9, 3, 2);
    prompts.queueAnswer(Answer::Yes);
    EXPECT_TRUE(place(kToolNone, 3, 3).changed);
    EXPECT_EQ(prompts.texts(), std::vector<std::string>{"M232"});
    EXPECT_EQ(at(3, 2), "");
    EXPECT_EQ(at(3, 3), "");
    EXPECT_FALSE(place(kToolNone, 3, 3).changed); // empty: nothing asked
    EXPECT_EQ(prompts.shown.size(), 1u);
}

// --- Clicks ---

TEST_F(Placement, ClickWithAToolPlacesAndReturnsToTheArrow) {
    state.tool = 2;
    ASSERT_TRUE(clickCell(ctx, {3, 2}).changed);
    EXPECT_EQ(code(3, 2), "CNF");
    EXPECT_EQ(state.tool, kToolArrow);

    state.tool = 2;
    state.keepTool = true;
    clickCell(ctx, {4, 2});
    EXPECT_EQ(state.tool, 2);
}

TEST_F(Placement, ClickWithTheArrowOnlyMovesTheCursor) {
    put(2, 3, 2);
    state.tool = kToolArrow;
    EXPECT_FALSE(clickCell(ctx, {3, 2}).changed);
    EXPECT_EQ(state.cursor, (CellPosition{3, 2}));
    EXPECT_TRUE(prompts.shown.empty());
}

// --- Queries ---

TEST_F(Placement, QueriesLookAtCodesNotAtOperands) {
    logic().element(2, 0).set("OPR1001000#TON+BOB+MBB");
    logic().element(3, 3).set("CAL1001000#CUP");
    EXPECT_FALSE(TemTemporizadorContador(logic()));
    EXPECT_FALSE(TemBobina(logic()));
    EXPECT_FALSE(TemBlocoDados(logic()));
    EXPECT_EQ(UltimoTemporizador(logic()).column, -1);
    put(29, 2, 4);
    put(9, 6, 1);
    put(31, 4, 5);
    EXPECT_TRUE(TemTemporizadorContador(logic()));
    EXPECT_EQ(UltimoTemporizador(logic()), (CellPosition{6, 2}));
    EXPECT_EQ(UltimoContador(logic()), (CellPosition{4, 6}));
}

TEST_F(Placement, ExisteComponenteFollowsTheFootprintRows) {
    put(13, 4, 3); // comparison in rows 3 and 4
    logic().element(4, 1).set("CRT1001000");
    const auto one = ExisteComponente(logic(), storageColumn(4), 2, 1);
    ASSERT_TRUE(one);
    EXPECT_FALSE(one->occupied);
    EXPECT_EQ(one->rows, 1);
    const auto three = ExisteComponente(logic(), storageColumn(4), 1, 21);
    ASSERT_TRUE(three);
    EXPECT_TRUE(three->occupied);
    EXPECT_EQ(three->rows, 3);
    EXPECT_EQ(ExisteComponente(logic(), storageColumn(4), 1, 42)->rows, 4);
    EXPECT_FALSE(ExisteComponente(logic(), storageColumn(4), 1, kToolLinkInsert));
}

} // namespace
} // namespace velmora::ladder
