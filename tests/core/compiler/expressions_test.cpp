#include "core/compiler/block_merge.h"
#include "core/compiler/expressions.h"

#include <gtest/gtest.h>

namespace velmora::compiler {
namespace {

using Lines = std::vector<std::string>;

std::string il(const Lines& ls) {
    std::string s;
    for (const auto& l : ls) {
        s += "\r\n" + l;
    }
    return s;
}

struct ExprCase {
    const char* name;
    Lines il;
    Lines expected;
};

class FirstPass : public ::testing::TestWithParam<ExprCase> {};

TEST_P(FirstPass, WritesTheLines) {
    CompileState state;
    EXPECT_EQ(ListaParaExpressoes(il(GetParam().il), state), GetParam().expected);
    EXPECT_TRUE(state.errors.empty()) << state.errors.front().detail;
    EXPECT_TRUE(state.pools.bitStack.empty());
    EXPECT_EQ(state.pools.freeBits.size(), static_cast<std::size_t>(kBitBuffers));
}

INSTANTIATE_TEST_SUITE_P(
    Lines, FirstPass,
    ::testing::Values(
        ExprCase{"series", {"LD   %I0.0", "AND  %I0.1", "ST   %Q0.0"}, {"AND(%I0.0,%I0.1,%Q0.0)"}},
        ExprCase{"two outputs",
                 {"LD   %I0.0", "ST   %Q0.0", "ST   %Q0.1"},
                 {"AND(%I0.0,1,B0)", "AND(B0,1,%Q0.0)", "AND(B0,1,%Q0.1)"}},
        ExprCase{"negated output",
                 {"LD   %I0.0", "OR   %I0.1", "STN  %Q0.0"},
                 {"OR(%I0.0,%I0.1,B0)", "NOT(B0,%Q0.0)"}},
        ExprCase{
            "rising edge set", {"LDR  %I0.2", "S    %M5"}, {"BP(%I0.2,L1,B0)", "ANDS(B0,1,%M5)"}},
        ExprCase{"ORLD",
                 {"LD   %I0.0", "LD   %I0.1", "AND  %I0.2", "ORLD", "ST   %Q0.0"},
                 {"AND(%I0.0,1,B0)", "AND(%I0.1,%I0.2,B1)", "OR(B0,B1,%Q0.0)"}},
        ExprCase{"ANDLD",
                 {"LD   %I0.0", "LD   %I0.1", "OR   %I0.2", "ANDLD", "ST   %Q0.0"},
                 {"AND(%I0.0,1,B0)", "OR(%I0.1,%I0.2,B1)", "AND(B0,B1,%Q0.0)"}},
        ExprCase{"comparison load",
                 {"LD   [%MW1>W%MW2]", "ST   %Q0.0"},
                 {"MAIOR_W(%MW1,%MW2,B0)", "AND(B0,1,%Q0.0)"}},
        // The comparison's buffer is the operand of the AND, not a saved result.
        ExprCase{"comparison in series",
                 {"LD   %I0.0", "AND  %I0.1", "AND  [%MB1>=B%MB2]", "ST   %Q0.0"},
                 {"AND(%I0.0,%I0.1,B0)", "MAIORIGUAL_B(%MB1,%MB2,B1)", "AND(B0,B1,%Q0.0)"}},
        ExprCase{"comparison then box",
                 {"LD   %I0.0", "AND  [%MB1<>B5]", "AND  %I0.1", "SMB  (%MB1,5,%MB2)"},
                 {"DIFERENTE_B(%MB1,5,B0)", "AND(%I0.0,B0,B1)", "AND(B1,%I0.1,B2)",
                  "SMB(B2,%MB1,5,%MB2)"}},
        ExprCase{
            "arithmetic box", {"LD   %I0.0", "SMB  (%MB1,5,%MB2)"}, {"SMB(%I0.0,%MB1,5,%MB2)"}},
        ExprCase{"move box",
                 {"LD   %I0.0", "AND  %I0.1", "MWW  (%MW1,%MW2)"},
                 {"AND(%I0.0,%I0.1,B0)", "MWW(B0,%MW1,%MW2)"}},
        ExprCase{"bypass", {"LD   1", "AND  %I0.1", "ST   %Q0.0"}, {"AND(1,%I0.1,%Q0.0)"}},
        ExprCase{"formula box",
                 {"LD   %I0.0", "OPR  [%MW1 =(%MW2+%MW3)*%MW4]"},
                 {"BO(%I0.0)", "SUM(%MW2,%MW3,O0)", "MUL(O0,%MW4,%MW1)", "EO(1)"}},
        ExprCase{"end markers pass", {"EP"}, {"EP"}},
        ExprCase{"PRP block",
                 {"LD   %I0.0", "ST   %PRP.E", "LD   %I0.1", "ST   %PRP.x1", "LD   %I0.2",
                  "ST   %PRP.x2", "LD    1", "PRP(1,2,%MW1,%MW2)"},
                 {"PRP(%I0.2,%I0.1,%I0.0,0,1,2,%MW1,%MW2)"}}),
    [](const auto& info) {
        std::string n = info.param.name;
        for (auto& ch : n) {
            if (!std::isalnum(static_cast<unsigned char>(ch))) {
                ch = '_';
            }
        }
        return n;
    });

TEST(FirstPassErrors, FaultsAreCompileErrors) {
    struct Case {
        Lines il;
        int message;
    };
    const std::vector<Case> cases = {
        {{"ANDLD", "ST   %Q0.0"}, kMsgTranslation},                    // nothing to combine
        {{"LD   %I0.0", "ORLD", "ST   %Q0.0"}, kMsgTranslation},       // one result only
        {{"LD   %I0.0", "LD   %I0.1", "AND  %I0.2"}, kMsgTranslation}, // results left over
        {{"XYZ  %I0.0"}, kMsgTranslation},
        {{"LD   %I0.0", "OPR  [%MW1 %MW2]"}, kMsgTranslation},
        {{"LD   %I0.0", "CALL (NOWHERE)"}, kMsgTranslation},
    };
    for (const auto& c : cases) {
        CompileState state;
        state.currentLogic = 3;
        ListaParaExpressoes(il(c.il), state);
        ASSERT_FALSE(state.errors.empty()) << c.il.back();
        EXPECT_EQ(state.errors[0].message, c.message);
        EXPECT_EQ(state.errors[0].logic, 3);
    }
}

TEST(FirstPassErrors, TheEdgeMemoriesRunOutAt256) {
    CompileState state;
    Lines lines;
    for (int i = 0; i < 257; ++i) {
        lines.push_back("LDR  %I0.0");
        lines.push_back("ST   %Q0.0");
    }
    const Lines out = ListaParaExpressoes(il(lines), state);
    ASSERT_EQ(state.errors.size(), 1u);
    EXPECT_EQ(state.errors[0].message, kMsgNoEdgeMemory);
    EXPECT_EQ(out[2 * 255], "BP(%I0.0,L256,B15)"); // freed buffers join the end of the list
}

TEST(FirstPassErrors, SeventeenSavedResultsExhaustTheBuffers) {
    CompileState state;
    Lines lines;
    for (int i = 0; i < 18; ++i) {
        lines.push_back("LD   %I0.0");
    }
    ListaParaExpressoes(il(lines), state);
    ASSERT_FALSE(state.errors.empty());
    EXPECT_NE(state.errors[0].detail.find("buffer"), std::string::npos);
}

TEST(FirstPass, KeepsTheInstructionListForTheDebugFile) {
    CompileState state;
    ListaParaExpressoes("\r\nLD   %I0.0\r\n\r\n  \nST   %Q0.0", state);
    EXPECT_EQ(state.debugList, (Lines{"LD   %I0.0", "ST   %Q0.0"}));
}

TEST(Formula, StepsAndErrors) {
    struct Case {
        const char* formula;
        Lines expected; // empty: an error
    };
    const std::vector<Case> cases = {
        {"%MW1 =(%MW2+%MW3)*%MW4", {"SUM(%MW2,%MW3,O0)", "MUL(O0,%MW4,%MW1)"}},
        {"%MW1 =%MW2+%MW3*%MW4", {"MUL(%MW3,%MW4,O0)", "SUM(%MW2,O0,%MW1)"}},
        {"%MW1 =%MW2-%MW3", {"SUB(%MW2,%MW3,%MW1)"}},
        {"%MW1 =(%MW2/%MW3)", {"DIV(%MW2,%MW3,%MW1)"}},
        {"%MW1 %MW2", {}},
        {"%MW1 =(%MW2+%MW3", {}},
        {"%MW1 =%MW2", {}},
        // Nine groups waiting at once need nine word buffers; there are eight.
        {"%MW1 =(%MW2+%MW3)*(%MW2+%MW3)*(%MW2+%MW3)*(%MW2+%MW3)*(%MW2+%MW3)*(%MW2+%MW3)*(%MW2+"
         "%MW3)*(%MW2+%MW3)*(%MW2+%MW3)",
         {}},
    };
    for (const auto& c : cases) {
        CompileState state;
        EXPECT_EQ(ConverteFormula(c.formula, state), c.expected) << c.formula;
        EXPECT_EQ(state.errors.empty(), !c.expected.empty()) << c.formula;
        EXPECT_EQ(state.pools.freeWords.size(), static_cast<std::size_t>(kWordBuffers));
    }
}

struct MergeCase {
    const char* name;
    Lines lines;
    Lines expected;
};

class Merge : public ::testing::TestWithParam<MergeCase> {};

TEST_P(Merge, MergesTheBlock) {
    CompileState state;
    state.timerKindLines = {"TIMER(3,TON)"};
    state.counterLines = {"COUNTER(2,CUP)", "COUNTER(4,CUD)"};
    state.pools.freeBits = {4, 5, 6, 7};
    EXPECT_EQ(UneBlocos(GetParam().lines, state, nullptr), GetParam().expected);
    EXPECT_TRUE(state.errors.empty()) << state.errors.front().detail;
}

INSTANTIATE_TEST_SUITE_P(
    Blocks, Merge,
    ::testing::Values(
        MergeCase{"timer in and out",
                  {"AND(%I0.0,1,%T3.E)", "AND(%T3.Q,1,%Q0.0)"},
                  {"TIMERON(%I0.0,3,%Q0.0)"}},
        MergeCase{"timer without output", {"AND(%I0.0,1,%T3.E)"}, {"TIMERON(%I0.0,3,0)"}},
        MergeCase{"timer with series on both sides",
                  {"AND(%I0.0,%I0.1,%T3.E)", "AND(%T3.Q,%I0.2,%Q0.0)"},
                  {"AND(%I0.0,%I0.1,B4)", "TIMERON(B4,3,B5)", "AND(B5,%I0.2,%Q0.0)"}},
        MergeCase{"timer into a box",
                  {"AND(%I0.0,1,%T3.E)", "SMB(%T3.Q,%MB1,5,%MB2)"},
                  {"TIMERON(%I0.0,3,B5)", "SMB(B5,%MB1,5,%MB2)"}},
        MergeCase{"up counter",
                  {"AND(%I0.0,1,%C2.CU)", "AND(%C2.Q,1,%Q0.0)", "AND(%I0.1,1,%C2.R)"},
                  {"COUNTERUP(%I0.0,%I0.1,2,%Q0.0)"}},
        MergeCase{"up counter with series inputs",
                  {"AND(%I0.0,%I0.3,%C2.CU)", "AND(%C2.Q,%I0.4,%Q0.0)", "AND(%I0.1,1,%C2.R)"},
                  {"AND(%I0.0,%I0.3,B4)", "COUNTERUP(B4,%I0.1,2,B5)", "AND(B5,%I0.4,%Q0.0)"}},
        MergeCase{"up-down counter",
                  {"AND(%I0.0,1,%C4.R)", "AND(%C4.Q,1,%Q0.0)", "AND(%I0.1,1,%C4.S)",
                   "AND(%C4.D,1,%Q0.1)", "AND(%I0.2,1,%C4.CU)", "AND(%C4.F,1,%Q0.2)",
                   "AND(%I0.3,1,%C4.CD)"},
                  {"COUNTERUD(%I0.0,%I0.1,%I0.2,%I0.3,4,%Q0.0,%Q0.1,%Q0.2)"}},
        MergeCase{"counter output read elsewhere", {"AND(%C2.Q,1,%Q0.0)"}, {"AND(%C2.Q,1,%Q0.0)"}}),
    [](const auto& info) {
        std::string n = info.param.name;
        for (auto& ch : n) {
            if (!std::isalnum(static_cast<unsigned char>(ch))) {
                ch = '_';
            }
        }
        return n;
    });

TEST(MergeErrors, UnmergeableBlocksAreErrors) {
    const std::vector<Lines> cases = {
        {"AND(%I0.0,1,%T9.E)", "AND(%T9.Q,1,%Q0.0)"},  // timer without a kind
        {"AND(%I0.0,1,%C2.CU)", "AND(%C2.Q,1,%Q0.0)"}, // counter without its reset
        {"AND(%I0.0,1,%C7.CU)", "AND(%I0.1,1,%C7.R)"}, // counter without a kind
        {"AND(%I0.0,1,%PID1.E)"},                      // no PID cell
        {"AND(%I0.0,1,%CR1.R)"},                       // fast counter without enable
    };
    for (const auto& c : cases) {
        CompileState state;
        state.timerKindLines = {"TIMER(3,TON)"};
        state.counterLines = {"COUNTER(2,CUP)"};
        UneBlocos(c, state, nullptr);
        EXPECT_FALSE(state.errors.empty()) << c.front();
    }
}

TEST(Merge, PidTakesItsParametersFromTheFirstPidCell) {
    ladder::TPrograma p;
    p.logic(1).element(3, 0).set("PID1001000#%PID1#1#2#3#4#5#6#%MW1#7#8#%MW2#9#10");
    const ladder::TPrograma before = p;
    CompileState state;
    state.pools.freeBits = {4, 5};
    const Lines out = UneBlocos({"AND(%I0.0,1,%PID1.E)", "AND(%I0.1,1,%PID1.LD)"}, state, &p);
    EXPECT_EQ(out, (Lines{"AND(%I0.0,1,B4)", "AND(%I0.1,1,B5)",
                          "PID(B4,B5,1,1,2,3,4,5,6,%MW1,7,8,%MW2,9,10)"}));
    EXPECT_TRUE(ladder::LogicasIguais(before.logic(1), p.logic(1)));
}

TEST(Merge, FastCounter) {
    CompileState state;
    state.pools.freeBits = {4, 5, 6};
    const Lines out = UneBlocos(
        {"AND(%I0.0,1,%CR1.E)", "AND(%I0.1,1,%CR1.R)", "AND(%I0.2,1,%CR1.D)"}, state, nullptr);
    EXPECT_EQ(out,
              (Lines{"AND(%I0.0,1,B4)", "AND(%I0.1,1,B5)", "AND(%I0.2,1,B6)", "CR(B4,B5,1,B6)"}));
}

} // namespace
} // namespace velmora::compiler
