#include "core/ladder/cell.h"
#include "core/ladder/ladder_geometry.h"
#include "core/ladder/program.h"

#include <gtest/gtest.h>

namespace velmora::ladder {
namespace {

TEST(LadderGeometry, BaseValuesAndDerivedSizes) {
    const LadderGeometry g = baseGeometry(OperandDisplay::Endereco);
    EXPECT_EQ(g.rowHeight, 39);
    EXPECT_EQ(g.drawingWidth(), 760);
    EXPECT_EQ(g.openLogicHeight(), 8 * 39 + 7 * 5 + 50 + 10);
    EXPECT_EQ(g.bitmapWidth, 912);
    EXPECT_EQ(baseGeometry(OperandDisplay::SimboloEndereco).rowHeight, 51);
    EXPECT_EQ(baseGeometry(OperandDisplay::Simbolo).rowHeight, 39);

    // Element column 2, row 1 of a logic at y 100.
    EXPECT_EQ(g.cellRect(2, 1, 100), (Rect{165, 194, 235, 233}));
    EXPECT_EQ(g.wireY(1, 100), 194 + 17 + 10);
    EXPECT_EQ(g.gapMiddleRight(2), 237);
}

TEST(LadderGeometry, ImageOf765KeepsTheBaseValues) {
    LadderGeometry g = baseGeometry(OperandDisplay::Endereco);
    ASSERT_TRUE(AjustaGeometria(g, 765 - 5, 600));
    LadderGeometry expected = baseGeometry(OperandDisplay::Endereco);
    expected.bitmapHeight = 600;
    EXPECT_EQ(g, expected);
    // Applied again to the current metrics (as every layout pass does) nothing moves.
    ASSERT_TRUE(AjustaGeometria(g, 760, 600));
    EXPECT_EQ(g, expected);
}

struct FitCase {
    int available;
    int columnWidth, columnGap, leftMargin, headerHeight, rowHeight, wireOffset, fontSize;
};

class LadderFitting : public ::testing::TestWithParam<FitCase> {};

TEST_P(LadderFitting, ScalesAndTruncatesEveryMetric) {
    const FitCase& c = GetParam();
    LadderGeometry g = baseGeometry(OperandDisplay::Endereco);
    ASSERT_TRUE(AjustaGeometria(g, c.available, 480));
    EXPECT_EQ(g.columnWidth, c.columnWidth);
    EXPECT_EQ(g.columnGap, c.columnGap);
    EXPECT_EQ(g.leftMargin, c.leftMargin);
    EXPECT_EQ(g.headerHeight, c.headerHeight);
    EXPECT_EQ(g.rowHeight, c.rowHeight);
    EXPECT_EQ(g.wireOffset, c.wireOffset);
    EXPECT_EQ(g.fontSize, c.fontSize);
    EXPECT_GE(g.lineWidth, 1);
    EXPECT_EQ(g.rowHeight, g.addressBand + g.symbolBand);
    EXPECT_EQ(g.bitmapWidth, static_cast<int>(1.2 * g.drawingWidth()));
    EXPECT_EQ(g.bitmapHeight, 480);
    EXPECT_LE(g.drawingWidth(), c.available);
}

INSTANTIATE_TEST_SUITE_P(TwoWidths, LadderFitting,
                         ::testing::Values(
                             // Half as wide: e = 0.5; the font stays at 12.
                             FitCase{380, 35, 2, 7, 25, 8 + 11, 5, 12},
                             // Twice as wide: e = 2.
                             FitCase{1520, 140, 10, 30, 100, 34 + 44, 20, 24}));

TEST(LadderFitting, TooNarrowKeepsTheLastGeometryAndEveryMetricPositive) {
    for (int width : {-40, 0, 1, kMinAvailableWidth - 1}) {
        LadderGeometry g = baseGeometry(OperandDisplay::Endereco);
        const LadderGeometry before = g;
        EXPECT_FALSE(AjustaGeometria(g, width, 0)) << width;
        LadderGeometry expected = before;
        expected.bitmapHeight = 1;
        EXPECT_EQ(g, expected) << width;
    }
    // The narrowest accepted width still leaves every metric at 1 at least.
    LadderGeometry g = baseGeometry(OperandDisplay::Endereco);
    ASSERT_TRUE(AjustaGeometria(g, kMinAvailableWidth, 100));
    for (int metric :
         {g.leftMargin, g.headerHeight, g.bottomMargin, g.rowGap, g.columnGap, g.columnWidth,
          g.addressBand, g.symbolBand, g.wireOffset, g.lineWidth, g.smallOffset}) {
        EXPECT_GE(metric, 1);
    }
    EXPECT_EQ(g.fontSize, 12);
}

TEST(LadderGeometry, ClosedHeightsByRowsUsed) {
    struct Case {
        OperandDisplay mode;
        int lastRow; // -1: empty logic
        int height;
    };
    for (const Case& c : std::vector<Case>{{OperandDisplay::Endereco, 0, 99},
                                           {OperandDisplay::Endereco, -1, 99},
                                           {OperandDisplay::Endereco, 1, 143},
                                           {OperandDisplay::SimboloEndereco, 0, 111},
                                           {OperandDisplay::Simbolo, 7, 407}}) {
        TLogica logic = NovaLogica();
        if (c.lastRow >= 0) {
            logic.element(0, c.lastRow).set("CNA1001010#%I0.0");
        }
        EXPECT_EQ(AlturaLogica(baseGeometry(c.mode), logic), c.height) << c.lastRow;
    }
}

TEST(LadderGeometry, FractionsTruncateTowardZero) {
    EXPECT_EQ(frac(0.142, 70), 9);
    EXPECT_EQ(frac(0.828, 70), 57);
    EXPECT_EQ(frac(0.6, 70), 42);
    EXPECT_EQ(frac(0.0714, 70), 4);
    EXPECT_EQ(frac(0.9, 66), 59);
    EXPECT_EQ(frac(-0.5, 5), -2);
}

} // namespace
} // namespace velmora::ladder
