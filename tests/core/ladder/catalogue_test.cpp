#include "core/ladder/catalogue.h"
#include "core/ladder/cell.h"

#include <gtest/gtest.h>

#include <set>

namespace velmora::ladder {
namespace {

// What placing each kind writes, written out independently of the catalogue table: the code,
// where its cells go (D = down, R = right), how many, and the first cell's fields.
struct PlaceCase {
    std::string code;
    int tool;
    char direction; // '1' single, 'D' vertical, 'R' horizontal, 'C' coil (column 9)
    int cells;
    std::string fields;
};

std::vector<PlaceCase> placeCases() {
    std::vector<PlaceCase> cases = {
        {"CNA", 1, '1', 1, "#% "},
        {"CNF", 2, '1', 1, "#% "},
        {"CBP", 3, '1', 1, "#% "},
        {"CBN", 4, '1', 1, "#% "},
        {"BOB", 5, 'C', 1, "#% "},
        {"BON", 6, 'C', 1, "#% "},
        {"BOS", 7, 'C', 1, "#% "},
        {"BOR", 8, 'C', 1, "#% "},
        {"CRT", 26, '1', 1, ""},
        {"TON", 9, 'D', 2, "#T # #1#1"},
        {"TOF", 30, 'D', 2, "#T # #1#1"},
        {"TPP", 29, 'D', 2, "#T # #1#1"},
        {"CUP", 31, 'D', 2, "#C # "},
        {"CDO", 33, 'D', 2, "#C # "},
        {"CUD", 10, 'D', 4, "#C # "},
        {"CRP", 43, 'D', 3, "#CR # "},
        {"MBB", 57, 'D', 2, "# # "},
        {"MWW", 58, 'D', 2, "# # "},
        {"MBW", 59, 'D', 2, "# # "},
        {"MWB", 60, 'D', 2, "# # "},
        {"MP1", 46, 'D', 2, "# # "},
        {"MP2", 45, 'D', 2, "# # "},
        {"MP3", 72, 'D', 2, "# # "},
        {"MP4", 71, 'D', 2, "# # "},
        {"OPR", 28, 'R', 3, "# "},
        {"CAL", 35, 'R', 2, "# "},
        {"JMP", 34, 'R', 2, "# "},
        {"PID", 42, 'D', 4, "#PID #0#0#0#0#0#255#%#0#255#%#0#4095"},
        {"PRP", 0, 'D', 5, "# # # # "},
    };
    const std::vector<std::pair<std::string, int>> compares = {
        {"CM1", 13}, {"CM2", 15}, {"CM3", 14}, {"CM4", 16}, {"CM5", 11}, {"CM6", 12},
        {"CM7", 53}, {"CM8", 55}, {"CM9", 54}, {"CMA", 56}, {"CMB", 51}, {"CMC", 52},
        {"CMD", 63}, {"CME", 65}, {"CMF", 64}, {"CMG", 66}, {"CMH", 61}, {"CMI", 62}};
    for (const auto& [code, tool] : compares) {
        cases.push_back({code, tool, 'D', 2, "#% #% "});
    }
    const std::vector<std::pair<std::string, int>> arithmetic = {
        {"SMB", 21}, {"SBB", 20}, {"MLB", 19}, {"DVB", 18}, {"SMW", 50}, {"SBW", 49},
        {"MLW", 48}, {"DVW", 47}, {"SML", 70}, {"SBL", 69}, {"MLL", 68}, {"DVL", 67}};
    for (const auto& [code, tool] : arithmetic) {
        cases.push_back({code, tool, 'D', 3, "# # # "});
    }
    return cases;
}

class Place : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(Place, WritesFirstAndOtherCellsInColumnsZeroAndThree) {
    const auto& pc = GetParam();
    const ElementKind* kind = findElement(pc.code);
    ASSERT_NE(kind, nullptr);
    if (pc.tool != 0) {
        EXPECT_EQ(elementOfTool(pc.tool), kind);
    }
    for (const int c : {0, 3}) {
        const int r = 1;
        TLogica logic;
        ASSERT_TRUE(writeElement(logic, *kind, c, r)) << pc.code << " column " << c;
        const int first = pc.direction == 'C' ? 9 : c;
        const std::string mark = first == 0 ? "010" : "000";
        std::set<std::pair<int, int>> expectedCells;
        for (int p = 1; p <= pc.cells; ++p) {
            const int col = pc.direction == 'R' ? first + p - 1 : first;
            const int row = pc.direction == 'D' ? r + p - 1 : r;
            expectedCells.insert({storageColumn(col), row});
            std::string expected = pc.code + std::to_string(p) + "001" + mark;
            if (p == 1) {
                expected += pc.fields;
            }
            EXPECT_EQ(logic.element(col, row).text, expected) << "part " << p << ", column " << c;
            const auto origin = elementAt(logic, col, row);
            ASSERT_TRUE(origin.has_value());
            EXPECT_EQ(origin->kind, kind);
            EXPECT_EQ(origin->column, first);
            EXPECT_EQ(origin->row, r);
        }
        for (int s = 0; s < kStorageColumns; ++s) {
            for (int row = 0; row < kStorageRows; ++row) {
                if (!expectedCells.count({s, row})) {
                    EXPECT_TRUE(logic.cell(s, row).empty())
                        << pc.code << " wrote " << s << "," << row << " from column " << c;
                }
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryKind, Place, ::testing::ValuesIn(placeCases()),
                         [](const auto& info) { return info.param.code; });

TEST(Catalogue, HoldsEachCodeOnceAndEveryKindIsCovered) {
    std::set<std::string_view> codes;
    for (const auto& kind : catalogue()) {
        EXPECT_TRUE(codes.insert(kind.code).second) << kind.code;
        EXPECT_EQ(kind.fieldSpecs.size(),
                  static_cast<std::size_t>(std::count(kind.fields.begin(), kind.fields.end(), '#')))
            << kind.code;
    }
    EXPECT_EQ(codes.size(), placeCases().size());
}

TEST(Catalogue, FillToolPlacesHorizontalLinesAndUnknownsAreNull) {
    EXPECT_EQ(elementOfTool(27), findElement("CRT"));
    EXPECT_EQ(elementOfTool(0), nullptr);
    EXPECT_EQ(elementOfTool(25), nullptr);
    EXPECT_EQ(findElement("XYZ"), nullptr);
    EXPECT_EQ(elementOfCell("I000"), nullptr);
    EXPECT_EQ(elementOfCell("CUD3001000")->code, "CUD");
}

TEST(Catalogue, WidthsOfComparisonsAndArithmetic) {
    EXPECT_EQ(findElement("CM6")->width(), 1);
    EXPECT_EQ(findElement("CM7")->width(), 2);
    EXPECT_EQ(findElement("CMI")->width(), 4);
    EXPECT_EQ(findElement("DVB")->width(), 1);
    EXPECT_EQ(findElement("SMW")->width(), 2);
    EXPECT_EQ(findElement("MLL")->width(), 4);
    EXPECT_EQ(findElement("MBB")->width(), 0);
}

struct FitCase {
    std::string code;
    int c, r;
};
class DoesNotFit : public ::testing::TestWithParam<FitCase> {};
TEST_P(DoesNotFit, WritesNothing) {
    const auto& fc = GetParam();
    TLogica logic;
    EXPECT_FALSE(writeElement(logic, *findElement(fc.code), fc.c, fc.r));
    EXPECT_TRUE(LogicasIguais(logic, TLogica{}));
}
INSTANTIATE_TEST_SUITE_P(Cases, DoesNotFit,
                         ::testing::Values(FitCase{"TON", 3, 7}, FitCase{"PID", 0, 5},
                                           FitCase{"OPR", 8, 0}, FitCase{"CAL", 9, 0},
                                           FitCase{"CNA", 10, 0}, FitCase{"CNA", -1, 0},
                                           FitCase{"BOB", 0, 8}, FitCase{"PRP", 2, 4}));

TEST(ElementAt, RefusesPartsThatPointOutsideTheGrid) {
    TLogica logic;
    logic.element(0, 0).set("TON2001010"); // second part without room for a first above it
    logic.element(0, 1).set("JMP2001010");
    logic.element(0, 2).set("I000");
    EXPECT_FALSE(elementAt(logic, 0, 0).has_value());
    EXPECT_FALSE(elementAt(logic, 0, 1).has_value());
    EXPECT_FALSE(elementAt(logic, 0, 2).has_value());
    EXPECT_FALSE(elementAt(logic, 0, 3).has_value());
    EXPECT_FALSE(elementAt(logic, 10, 0).has_value());
}

} // namespace
} // namespace velmora::ladder
