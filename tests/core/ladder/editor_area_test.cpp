#include "editor_support.h"

namespace velmora::ladder {
namespace {

class Area : public ::testing::Test, public fixtures::EditorFixture {};

struct WidenCase {
    const char* name;
    int tool; // element put at (ec, er)
    int ec, er;
    MarkedArea given;
    MarkedArea widened;
};

class AreaWidening : public Area, public ::testing::WithParamInterface<WidenCase> {};

TEST_P(AreaWidening, GrowsToWholeElements) {
    const WidenCase& k = GetParam();
    put(k.tool, k.ec, k.er);
    EXPECT_EQ(AlargaArea(logic(), k.given), k.widened);
}

INSTANTIATE_TEST_SUITE_P(
    Elements, AreaWidening,
    ::testing::Values(
        WidenCase{"TopCutsTimer", 9, 2, 1, {1, 2, 3, 3, false}, {1, 1, 3, 3, true}},
        WidenCase{"BottomCutsTimer", 9, 2, 1, {0, 0, 2, 1, false}, {0, 0, 2, 2, true}},
        WidenCase{"TopCutsPidTwice", 42, 4, 2, {4, 4, 4, 4, false}, {4, 2, 4, 5, true}},
        WidenCase{"LeftCutsCall", 35, 4, 0, {5, 0, 6, 1, false}, {4, 0, 6, 1, true}},
        WidenCase{"RightCutsOpr", 28, 3, 6, {0, 6, 3, 7, false}, {0, 6, 5, 7, true}},
        WidenCase{"CornersReversed", 9, 2, 1, {3, 3, 1, 2, false}, {1, 1, 3, 3, true}},
        WidenCase{"NothingCut", 9, 2, 1, {0, 0, 5, 2, false}, {0, 0, 5, 2, true}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Area, WideningOverSeveralElementsRepeatsUntilNoneIsCut) {
    put(9, 2, 1);  // TON rows 1-2
    put(28, 3, 2); // OPR columns 3-5 in row 2
    put(9, 5, 0);  // TON rows 0-1, reached only once the OPR is taken in
    EXPECT_EQ(AlargaArea(logic(), {2, 2, 3, 2, false}), (MarkedArea{2, 0, 5, 2, true}));
}

TEST_F(Area, DamagedCellsAtTheEdgesDoNotLoop) {
    logic().element(3, 0).set("TON2001000");
    logic().element(0, 4).set("CAL3001000");
    logic().element(9, 7).set("OPR2001000");
    EXPECT_EQ(AlargaArea(logic(), {3, 0, 3, 0, false}), (MarkedArea{3, 0, 3, 0, true}));
    EXPECT_EQ(AlargaArea(logic(), {0, 4, 1, 4, false}), (MarkedArea{0, 4, 1, 4, true}));
    EXPECT_EQ(AlargaArea(logic(), {8, 7, 9, 7, false}), (MarkedArea{8, 7, 9, 7, true}));
}

TEST_F(Area, WideningClampsToTheGrid) {
    EXPECT_EQ(AlargaArea(logic(), {-3, 9, 12, -1, false}), (MarkedArea{0, 0, 9, 7, true}));
}

TEST_F(Area, ApagaAreaDeletesElementsAndLeftLinks) {
    put(9, 2, 1);
    put(1, 4, 1);
    logic().cell(4, 1).set("I000");  // left of column 2
    logic().cell(6, 2).set("I000");  // left of column 3
    logic().cell(10, 1).set("I000"); // right of the area: stays
    state.cursor = {2, 1};
    const EditResult r = ApagaArea(ctx, {2, 1, 3, 2, true});
    EXPECT_TRUE(r.changed);
    EXPECT_EQ(at(2, 1), "");
    EXPECT_EQ(at(2, 2), "");
    EXPECT_EQ(link(4, 1), "");
    EXPECT_EQ(link(6, 2), "");
    EXPECT_EQ(link(10, 1), "I000");
    EXPECT_EQ(code(4, 1), "CNA");
}

} // namespace
} // namespace velmora::ladder
