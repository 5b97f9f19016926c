#include "core/ladder/cell.h"
#include "core/ladder/program.h"

#include <gtest/gtest.h>

namespace velmora::ladder {
namespace {

TLogica logicWith(int s, int r, const std::string& text) {
    TLogica l = NovaLogica();
    l.cell(s, r).set(text);
    return l;
}

// A program of `n` empty logics.
TPrograma programOf(int n) {
    TPrograma p;
    setLogicCount(p, n);
    return p;
}

TEST(Program, NewProgramHoldsOneEmptyLogicNumberedOne) {
    TPrograma p;
    EXPECT_EQ(p.count(), 1);
    EXPECT_EQ(p.logics.size(), 2u);
    EXPECT_EQ(p.logic(1).number, 1);
    EXPECT_EQ(LinhasUsadas(p.logic(1)), 0);
    EXPECT_FALSE(RemoveLogica(p, 1));
    EXPECT_EQ(p.count(), 1);
}

TEST(Program, NovaLogicaIsEmptyWithUncomputedBookkeeping) {
    const TLogica l = NovaLogica();
    EXPECT_EQ(l.number, 0);
    EXPECT_EQ(l.lastElementColumn, -1);
    EXPECT_EQ(l.lastRow, -1);
    EXPECT_TRUE(l.title.empty());
    EXPECT_TRUE(LogicasIguais(l, TLogica{}));
}

TEST(Program, LimpaProgramaKeepsSlot) {
    TPrograma p = programOf(4);
    p.slot = 7;
    p.setName("MAIN");
    p.logic(2).cell(1, 0).set("CNA1001010#%I0.0");
    LimpaPrograma(p);
    EXPECT_EQ(p.count(), 1);
    EXPECT_EQ(p.slot, 7);
    EXPECT_TRUE(p.name.empty());
    EXPECT_EQ(p.logic(1).number, 1);
}

TEST(Program, CapacitiesCutStoredText) {
    TLogica l;
    l.cell(1, 0).set(std::string(300, 'A'));
    l.setTitle(std::string(80, 'T'));
    l.setComment(std::string(400, 'C'));
    TPrograma p;
    p.setName(std::string(60, 'N'));
    EXPECT_EQ(l.cell(1, 0).text.size(), kCellCapacity);
    EXPECT_EQ(l.title.size(), kTitleCapacity);
    EXPECT_EQ(l.comment.size(), kCommentCapacity);
    EXPECT_EQ(p.name.size(), kProgramNameCapacity);
}

struct UsedRowsCase {
    int s, r;
    int expected;
};
class UsedRows : public ::testing::TestWithParam<UsedRowsCase> {};
TEST_P(UsedRows, CountsRowsZeroToSevenOfColumnsZeroToNineteen) {
    const auto& c = GetParam();
    EXPECT_EQ(LinhasUsadas(logicWith(c.s, c.r, "CNA1001000#%I0.0")), c.expected);
}
INSTANTIATE_TEST_SUITE_P(Cases, UsedRows,
                         ::testing::Values(UsedRowsCase{1, 5, 6}, UsedRowsCase{0, 0, 1},
                                           UsedRowsCase{19, 7, 8}, UsedRowsCase{20, 3, 0},
                                           UsedRowsCase{3, 8, 0}, UsedRowsCase{3, 10, 0}));

TEST(Program, InsertAbovePositionRangeAppends) {
    TPrograma p = programOf(3);
    ASSERT_TRUE(InsereLogica(p, logicWith(1, 0, "CNA1001010#%I0.0"), 7));
    EXPECT_EQ(p.count(), 4);
    EXPECT_EQ(p.logic(4).cell(1, 0).text, "CNA1001010#%I0.0");
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(p.logic(i).number, i);
    }
}

TEST(Program, InsertMovesLaterLogicsDown) {
    TPrograma p = programOf(3);
    p.logic(2).setTitle("two");
    ASSERT_TRUE(InsereLogica(p, logicWith(1, 0, "X"), 2));
    EXPECT_EQ(p.logic(2).cell(1, 0).text, "X");
    EXPECT_EQ(p.logic(3).title, "two");
    EXPECT_EQ(p.logic(3).number, 3);
}

TEST(Program, InsertBeyondTheFileLimitIsRefused) {
    TPrograma p = programOf(kMaxLogics);
    EXPECT_FALSE(InsereLogica(p, NovaLogica(), 1));
    EXPECT_EQ(p.count(), kMaxLogics);
    EXPECT_EQ(setLogicCount(p, kMaxLogics + 5), kMaxLogics);
}

TEST(Program, RemoveMovesLaterLogicsUp) {
    TPrograma p = programOf(3);
    p.logic(3).setTitle("three");
    EXPECT_FALSE(RemoveLogica(p, 0));
    EXPECT_FALSE(RemoveLogica(p, 4));
    ASSERT_TRUE(RemoveLogica(p, 2));
    EXPECT_EQ(p.count(), 2);
    EXPECT_EQ(p.logics.size(), 3u);
    EXPECT_EQ(p.logic(2).title, "three");
    EXPECT_EQ(p.logic(2).number, 2);
}

TEST(Program, LogicasIguaisComparesCellsOnly) {
    TLogica a = logicWith(3, 2, "CNA1001000#%I0.1");
    TLogica b = a;
    b.setTitle("other");
    b.number = 9;
    EXPECT_TRUE(LogicasIguais(a, b));
    b.cell(20, 10).set("N000");
    EXPECT_FALSE(LogicasIguais(a, b));
}

TEST(Program, CompactaLinhasPacksRowsUpwards) {
    TLogica l;
    l.cell(1, 2).set("CNA1001010#%I0.0");
    l.cell(20, 5).set("I000");
    l.cell(3, 5).set("CNF1001000#%I0.1");
    CompactaLinhas(l);
    EXPECT_EQ(l.cell(1, 0).text, "CNA1001010#%I0.0");
    EXPECT_EQ(l.cell(20, 1).text, "I000");
    EXPECT_EQ(l.cell(3, 1).text, "CNF1001000#%I0.1");
    EXPECT_EQ(LinhasUsadas(l), 2);
    for (int r = 2; r < kStorageRows; ++r) {
        for (int s = 0; s < kStorageColumns; ++s) {
            EXPECT_TRUE(l.cell(s, r).empty()) << s << "," << r;
        }
    }
}

TEST(Program, CompactaLinhasTakesRowEightAlongAndLeavesNineAndTen) {
    TLogica l;
    l.cell(5, 8).set("A");
    l.cell(5, 9).set("B");
    CompactaLinhas(l);
    EXPECT_EQ(l.cell(5, 0).text, "A");
    EXPECT_EQ(l.cell(5, 9).text, "B");
    EXPECT_TRUE(l.cell(5, 8).empty());
}

} // namespace
} // namespace velmora::ladder
