#include "core/ladder/catalogue.h"
#include "core/ladder/ladder_drawing.h"

#include "drawing_support.h"

#include <gtest/gtest.h>

namespace velmora::ladder {
namespace {

using namespace drawing_test;

struct Scene {
    OperandDisplay mode = OperandDisplay::Endereco;
    LadderGeometry geometry = baseGeometry(OperandDisplay::Endereco);
    tables::SymbolTable symbols;
    Language language = headerLanguage();
    NoMonitoring none;
    MonitorHooks* monitor = &none;
    test::RecordingCanvas canvas;
    TLogica logic = NovaLogica();

    explicit Scene(OperandDisplay m = OperandDisplay::Endereco)
        : mode(m), geometry(baseGeometry(m)) {}

    LadderDrawContext context() {
        return LadderDrawContext{canvas, geometry, mode, symbols, language, *monitor, false};
    }
    // Puts `text` at element column c, row r and draws that cell.
    void cell(int c, int r, const std::string& text, CellMode cellMode = CellMode::Normal) {
        logic.element(c, r).set(text);
        auto ctx = context();
        DesenhaCelula(ctx, logic, storageColumn(c), r, cellMode, text);
    }
};

// Element column 1, row 0 of a logic at top 0: x = 90, t = 50, b = 67, Y = 77.
constexpr int X = 90, T = 50, B = 67, Y = 77;

TEST(ElementDrawing, TimerBoxAndTexts) {
    Scene s;
    s.logic.element(1, 1).set("TON2001000");
    s.cell(1, 0, "TON1001000#%T3#100#1#1");
    const auto boxes = callsOf(s.canvas, Op::Rectangle);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].rect, (Rect{X + 9, B + 0, X + 57, B + 59}));
    EXPECT_EQ(boxes[0].brush.color, colors::white);
    const Call* id = findText(s.canvas, "    %T3"); // centred in 12
    ASSERT_NE(id, nullptr);
    EXPECT_EQ(id->points[0], (Point{X + 12, T + 3}));
    EXPECT_EQ(id->font.family, "Verdana");
    const Call* preset = findText(s.canvas, "   100"); // centred in 9
    ASSERT_NE(preset, nullptr);
    EXPECT_EQ(preset->points[0], (Point{X + 12, T + 42}));
    ASSERT_NE(findText(s.canvas, "TON"), nullptr);
    EXPECT_EQ(findText(s.canvas, "TON")->points[0], (Point{X + 24, B + 42}));
    // Input and output wires on row 0.
    EXPECT_TRUE(hasLine(s.canvas, {X, Y}, {X + 9, Y}));
    EXPECT_TRUE(hasLine(s.canvas, {X + 57, Y}, {X + 70, Y}));

    // The second part is drawn from the first cell, one row higher.
    Scene again;
    again.logic.element(1, 0).set("TON1001000#%T3#100#1#1");
    again.cell(1, 1, "TON2001000");
    ASSERT_EQ(callsOf(again.canvas, Op::Rectangle).size(), 1u);
    EXPECT_EQ(callsOf(again.canvas, Op::Rectangle)[0].rect, boxes[0].rect);
}

TEST(ElementDrawing, PartThatDoesNotFitItsRowDrawsNothing) {
    for (const char* text : {"TON2001000", "CUD4001000", "PRP5001000", "OPR3001000"}) {
        Scene s;
        s.cell(0, 0, text);
        EXPECT_TRUE(s.canvas.calls.empty()) << text;
    }
    // A part whose first cell holds another element draws nothing either.
    Scene s;
    s.logic.element(1, 0).set("CNA1001000#%I0.0");
    s.cell(1, 1, "TON2001000");
    EXPECT_TRUE(s.canvas.calls.empty());
}

TEST(ElementDrawing, ContactSymbolAndHighlight) {
    Scene s;
    s.cell(1, 0, "CNA1001000#%I0.1", CellMode::Highlighted);
    EXPECT_TRUE(hasFill(s.canvas, {X, T, X + 70, T + 39}, colors::silver));
    EXPECT_TRUE(hasLine(s.canvas, {X, Y}, {X + 28, Y}));
    EXPECT_TRUE(hasLine(s.canvas, {X + 28, Y - 7}, {X + 28, Y + 7}));
    EXPECT_TRUE(hasLine(s.canvas, {X + 42, Y - 7}, {X + 42, Y + 7}));
    EXPECT_TRUE(hasLine(s.canvas, {X + 42, Y}, {X + 70, Y}));
    EXPECT_FALSE(hasLine(s.canvas, {X + 38, Y - 5}, {X + 31, Y + 5})); // no stroke on CNA
    const Call* text = findText(s.canvas, "  %I0.1");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->points[0], (Point{X + 4, T + 5}));
    EXPECT_EQ(text->brush.color, colors::silver);

    Scene nf;
    nf.cell(1, 0, "CNF1001000#%I0.1");
    EXPECT_TRUE(hasLine(nf.canvas, {X + 38, Y - 5}, {X + 31, Y + 5}));
}

struct ModeCase {
    OperandDisplay mode;
    bool withSymbol;
    std::vector<std::pair<std::string, Point>> texts;
};

class OperandTexts : public ::testing::TestWithParam<ModeCase> {};

TEST_P(OperandTexts, ContactTextByDisplayMode) {
    const ModeCase& c = GetParam();
    Scene s(c.mode);
    if (c.withSymbol) {
        tables::DefineSimbolo(s.symbols, "%I0.1", "START");
    } else {
        // A row for the address with an empty symbol.
        s.symbols.rows = {{"%I0.1", "", "a comment"}};
    }
    s.cell(1, 0, "CNA1001000#%I0.1");
    std::vector<std::pair<std::string, Point>> texts;
    for (const auto& call : s.canvas.calls) {
        if (call.op == Op::Text) {
            texts.emplace_back(call.text, call.points[0]);
        }
    }
    EXPECT_EQ(texts, c.texts);
}

INSTANTIATE_TEST_SUITE_P(
    AllModes, OperandTexts,
    ::testing::Values(ModeCase{OperandDisplay::Endereco, true, {{"  %I0.1", {X + 4, T + 5}}}},
                      ModeCase{OperandDisplay::Endereco, false, {{"  %I0.1", {X + 4, T + 5}}}},
                      ModeCase{OperandDisplay::Simbolo, true, {{"  START", {X + 4, T + 5}}}},
                      ModeCase{OperandDisplay::Simbolo, false, {{"  %I0.1", {X + 4, T + 5}}}},
                      ModeCase{OperandDisplay::SimboloEndereco,
                               true,
                               {{"  %I0.1", {X + 4, T + 5}}, {"  START", {X + 4, T + 17}}}},
                      ModeCase{
                          OperandDisplay::SimboloEndereco, false, {{"  %I0.1", {X + 4, T + 11}}}}));

TEST(ElementDrawing, MonitoredContactsFillByValue) {
    struct Case {
        const char* text;
        std::int32_t value;
        bool filled;
    };
    for (const Case& c : std::vector<Case>{{"CNF1001000#%M1", 0, true},
                                           {"CNA1001000#%M1", 0, false},
                                           {"CNA1001000#%M1", 1, true},
                                           {"CNF1001000#%M1", 1, false},
                                           {"BOB1001000#%M1", 1, true}}) {
        Scene s;
        ScriptedMonitor monitor;
        monitor.table["%M1"] = c.value;
        s.monitor = &monitor;
        s.cell(1, 0, c.text);
        EXPECT_EQ(hasFill(s.canvas, {X + 31, Y - 6, X + 40, Y + 6}, colors::blue), c.filled)
            << c.text << " " << c.value;
        EXPECT_EQ(monitor.registered, std::vector<std::string>{"%M1"});
    }
    // Without values nothing is filled.
    Scene s;
    s.cell(1, 0, "CNF1001000#%M1");
    EXPECT_TRUE(callsOf(s.canvas, Op::FillRect).size() == 2u); // the cell and its symbol band
}

TEST(ElementDrawing, ForcedOperandGetsAGreenMark) {
    Scene s;
    ScriptedMonitor monitor;
    monitor.forces.insert("%M1");
    s.monitor = &monitor;
    s.cell(1, 0, "CNA1001000#%M1");
    const Call* mark = findText(s.canvas, "f");
    ASSERT_NE(mark, nullptr);
    EXPECT_EQ(mark->font.color, colors::green);
    EXPECT_TRUE(mark->font.bold);
    EXPECT_EQ(mark->font.pixelHeight, 10);
    EXPECT_EQ(mark->points[0], (Point{X + 49, B + 12}));
}

TEST(ElementDrawing, CoilLeavesTwoArcsAndItsLetter) {
    Scene s;
    s.cell(9, 0, "BOS1001000#%Q0.0");
    const int x = 9 * 75 + 15;
    EXPECT_TRUE(hasLine(s.canvas, {x, Y}, {x + 24, Y}));
    EXPECT_TRUE(hasLine(s.canvas, {x + 45, Y}, {x + 70, Y}));
    EXPECT_EQ(callsOf(s.canvas, Op::Arc).size(), 4u);
    EXPECT_TRUE(hasFill(s.canvas, {x + 29, B, x + 40, B + 20}, colors::white));
    const Call* letter = findText(s.canvas, "S");
    ASSERT_NE(letter, nullptr);
    EXPECT_EQ(letter->points[0], (Point{x + 31, Y - 7}));
}

TEST(ElementDrawing, ComparisonLabelsAndOperands) {
    struct Case {
        const char* text;
        const char* label;
        Point at;
    };
    for (const Case& c : std::vector<Case>{{"CM11001000#%MB1#12", "> B", {X + 31, B + 26}},
                                           {"CM31001000#%MB1#12", ">= B", {X + 24, B + 26}},
                                           {"CMC1001000#%MW1#12", "<> W", {X + 24, B + 26}},
                                           {"CMH1001000#%ML1#12", "= L", {X + 24, B + 26}}}) {
        Scene s;
        s.cell(1, 0, c.text);
        const Call* label = findText(s.canvas, c.label);
        ASSERT_NE(label, nullptr) << c.text;
        EXPECT_EQ(label->points[0], c.at) << c.text;
        EXPECT_EQ(callsOf(s.canvas, Op::Rectangle)[0].rect, (Rect{X + 7, B + 0, X + 63, B + 59}));
    }
    Scene s;
    s.cell(1, 0, "CM11001000#%MB1#12");
    ASSERT_NE(findText(s.canvas, " %MB1"), nullptr); // centred in 6
    EXPECT_EQ(findText(s.canvas, " %MB1")->points[0], (Point{X + 9, T + 24}));
    ASSERT_NE(findText(s.canvas, "  12"), nullptr);
    EXPECT_EQ(findText(s.canvas, "  12")->points[0], (Point{X + 9, T + 54}));
}

TEST(ElementDrawing, ComparisonShowsVariableValuesWhileMonitoring) {
    Scene s;
    ScriptedMonitor monitor;
    monitor.table["%MB1"] = 42;
    monitor.table["12"] = 7; // a constant never shows a value
    s.monitor = &monitor;
    s.cell(1, 0, "CM11001000#%MB1#12");
    EXPECT_NE(findText(s.canvas, "  42"), nullptr);
    EXPECT_EQ(findText(s.canvas, " %MB1"), nullptr);
    EXPECT_NE(findText(s.canvas, "  12"), nullptr);
}

TEST(ElementDrawing, SymbolAndAddressOfBoxOperands) {
    Scene s(OperandDisplay::SimboloEndereco);
    tables::DefineSimbolo(s.symbols, "%MW1", "LEVEL");
    s.cell(1, 0, "MWW1001000#%MW1#%MW2");
    // Field 1 has a symbol: address at 0.7 rh, symbol at 0.9 rh; field 2 alone at 1.5 rh.
    const int rh = 51;
    ASSERT_NE(findText(s.canvas, "   %MW1"), nullptr);
    EXPECT_EQ(findText(s.canvas, "   %MW1")->points[0], (Point{X + 8, T + frac(0.7, rh)}));
    ASSERT_NE(findText(s.canvas, "  LEVEL"), nullptr);
    EXPECT_EQ(findText(s.canvas, "  LEVEL")->points[0], (Point{X + 8, T + frac(0.9, rh)}));
    ASSERT_NE(findText(s.canvas, "   %MW2"), nullptr);
    EXPECT_EQ(findText(s.canvas, "   %MW2")->points[0], (Point{X + 8, T + frac(1.5, rh)}));
    EXPECT_NE(findText(s.canvas, "MOV"), nullptr);
}

TEST(ElementDrawing, EveryElementOfTheCatalogueDraws) {
    for (const ElementKind& kind : catalogue()) {
        Scene s;
        ASSERT_TRUE(writeElement(s.logic, kind, 0, 0)) << kind.code;
        auto ctx = s.context();
        RedesenhaCelulas(ctx, s.logic, LogicKind::Closed);
        EXPECT_FALSE(s.canvas.calls.empty()) << kind.code;
        if (kind.family != Family::Contact && kind.family != Family::Coil &&
            kind.family != Family::Line) {
            EXPECT_EQ(callsOf(s.canvas, Op::Rectangle).size(), 1u) << kind.code;
        }
    }
}

TEST(ElementDrawing, OneRowBlocks) {
    Scene s;
    s.cell(1, 0, "JMP1001000#12");
    s.logic.element(2, 0).set("JMP2001000");
    const int L = 2 * 70 + 5;
    ASSERT_EQ(callsOf(s.canvas, Op::Rectangle).size(), 1u);
    EXPECT_EQ(callsOf(s.canvas, Op::Rectangle)[0].rect,
              (Rect{X + 9, T + frac(0.068, 39), X + frac(0.95, L), T + frac(0.9, 39)}));
    ASSERT_NE(findText(s.canvas, "JUMP"), nullptr);
    EXPECT_EQ(findText(s.canvas, "JUMP")->points[0], (Point{X + frac(0.4, L), T}));
    ASSERT_NE(findText(s.canvas, "12"), nullptr);
    EXPECT_EQ(findText(s.canvas, "12")->points[0], (Point{X + 23, T + 19}));
}

} // namespace
} // namespace velmora::ladder

namespace velmora::ladder {
namespace {

using namespace drawing_test;

TEST(LogicDrawing, HeaderFrameStubsAndLinks) {
    Scene s;
    s.logic.number = 7;
    s.logic.setTitle("Bomba");
    s.logic.element(0, 0).set("CNA1001010#%I0.0");
    s.logic.element(0, 1).set("CNA1001010#%I0.1");
    s.logic.cell(2, 0).set("I000");
    auto ctx = s.context();
    EXPECT_EQ(DesenhaLogicaFechada(ctx, s.logic, 100), 143);

    const Call* header = findText(s.canvas, "L\xF3gica 007: Bomba");
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->points[0], (Point{20, 125}));
    EXPECT_EQ(header->font.pixelHeight, 16);
    EXPECT_TRUE(header->font.bold);
    EXPECT_EQ(header->font.family, "Arial");
    EXPECT_TRUE(hasFill(s.canvas, {0, 100, 760, 243}, colors::white));
    const auto frames = callsOf(s.canvas, Op::Polyline);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].points, (std::vector<Point>{{7, 115}, {7, 148}, {765, 148}}));
    EXPECT_EQ(frames[0].pen, (Pen{colors::gray, 2}));
    EXPECT_TRUE(hasLine(s.canvas, {14, 149}, {14, 243}));
    EXPECT_TRUE(hasLine(s.canvas, {761, 149}, {761, 243}));
    // Wire stubs from the rail to the middle of the gap, on both rows.
    EXPECT_TRUE(hasLine(s.canvas, {14, 177}, {87, 177}));
    EXPECT_TRUE(hasLine(s.canvas, {14, 221}, {87, 221}));
    // The link of a closed logic starts half a row gap below the wire.
    EXPECT_TRUE(hasLine(s.canvas, {87, 179}, {87, 221}));

    Scene open;
    open.logic = s.logic;
    auto openCtx = open.context();
    DesenhaLogicaAberta(openCtx, open.logic, 100);
    EXPECT_TRUE(hasLine(open.canvas, {87, 177}, {87, 221}));
    // The connection grid: a grey line across each gap and a tick in its middle.
    EXPECT_TRUE(hasLine(open.canvas, {85, 177}, {90, 177}));
    EXPECT_TRUE(hasLine(open.canvas, {87, 175}, {87, 180}));
    EXPECT_FALSE(hasLine(open.canvas, {14, 177}, {87, 177})); // no stubs when open

    // An empty link text erases the line in white.
    Scene erase;
    auto eraseCtx = erase.context();
    DesenhaLigacao(eraseCtx, 100, 2, 0, "", LogicKind::Open);
    ASSERT_EQ(erase.canvas.calls.size(), 1u);
    EXPECT_EQ(erase.canvas.calls[0].pen.color, colors::white);
}

TEST(LogicDrawing, CursorAndMarkedArea) {
    Scene s;
    tables::DefineSimbolo(s.symbols, "%I0.0", "PARTIDA");
    s.symbols.rows.push_back({"%I0.1", "", "Botao de parada"});
    s.logic.element(0, 0).set("CNA1001010#%I0.0");
    s.logic.element(1, 0).set("CNF1001000#%I0.1");
    s.logic.element(2, 0).set("CRT1001000");
    auto ctx = s.context();
    EXPECT_EQ(DesenhaCursor(ctx, s.logic, {0, 0}, {0, 0}), "%I0.0 : PARTIDA");
    EXPECT_EQ(DesenhaCursor(ctx, s.logic, {0, 0}, {1, 0}), "%I0.1 : Botao de parada");
    EXPECT_EQ(DesenhaCursor(ctx, s.logic, {1, 0}, {2, 0}), "");
    s.canvas.calls.clear();
    DesenhaCursor(ctx, s.logic, {1, 0}, {4, 3});
    EXPECT_TRUE(hasFill(s.canvas, {90, 50, 160, 89}, colors::white));
    EXPECT_TRUE(hasFill(s.canvas, {315, 182, 385, 221}, colors::silver));

    s.canvas.calls.clear();
    DesenhaArea(ctx, s.logic, {{2, 1}, {1, 0}});
    EXPECT_TRUE(hasFill(s.canvas, {90, 50, 235, 133}, colors::silver));
    const Call* text = findText(s.canvas, "  %I0.1");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->brush.color, colors::silver);
}

} // namespace
} // namespace velmora::ladder
