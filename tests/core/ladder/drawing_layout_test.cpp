#include "core/ladder/ladder_layout.h"

#include "drawing_support.h"

#include <gtest/gtest.h>

namespace velmora::ladder {
namespace {

using namespace drawing_test;

// Logics using 1, 0 and 2 rows: closed heights 99, 99, 143.
TPrograma threeLogics() {
    TPrograma p;
    InsereLogica(p, NovaLogica(), 2);
    InsereLogica(p, NovaLogica(), 3);
    p.logic(1).element(0, 0).set("CNA1001010#%I0.0");
    p.logic(3).element(0, 1).set("CNA1001010#%I0.1");
    p.logic(3).element(9, 0).set("BOB1001000#%Q0.0");
    return p;
}

struct Page {
    TPrograma program = threeLogics();
    TLogica workingCopy = [] {
        TLogica l = NovaLogica();
        l.number = -1;
        return l;
    }();
    tables::SymbolTable symbols;
    Language language = headerLanguage();
    NoMonitoring monitor;
    LadderPageState state;
    test::RecordingCanvas canvas;

    LadderLayout draw(int height = 600) {
        LadderPageSources src{program, workingCopy, symbols, language, monitor};
        canvas.calls.clear();
        return Desenha(state, src, canvas, {765, height}, 800);
    }
};

TEST(LadderLayoutPass, TopAndBottomOfEveryLogic) {
    Page page;
    const LadderLayout out = page.draw();
    EXPECT_EQ(page.program.logic(1).topY, 5);
    EXPECT_EQ(page.program.logic(1).bottomY, 104);
    EXPECT_EQ(page.program.logic(2).topY, 104);
    EXPECT_EQ(page.program.logic(2).bottomY, 203);
    EXPECT_EQ(page.program.logic(3).topY, 203);
    EXPECT_EQ(page.program.logic(3).bottomY, 346);
    EXPECT_EQ(out.firstDrawn, 1);
    EXPECT_EQ(out.lastDrawn, 3);
    EXPECT_EQ(out.scrollBoxRange, static_cast<int>(1.2 * 407 * 3) + 7);
    // 5 + 341 + 60 = 406 fits in 600: no scroll bar.
    EXPECT_EQ(out.scrollBarMaximum, 0);
    EXPECT_FALSE(out.scrollBarVisible);
    EXPECT_TRUE(out.insereLogicaEnabled);
    EXPECT_FALSE(out.compilaEnabled);
    EXPECT_FALSE(out.abrirComVisible);
    EXPECT_NE(findText(page.canvas, "L\xF3gica 003: "), nullptr);
}

TEST(LadderLayoutPass, RolaParaLogicaBringsALogicToTheTop) {
    Page page;
    page.draw();
    EXPECT_EQ(RolaParaLogica(page.state, page.program, -1, false, 1), 0);
    EXPECT_EQ(RolaParaLogica(page.state, page.program, -1, false, 3), 99 + 99);
    EXPECT_EQ(RolaParaLogica(page.state, page.program, -1, false, 99), 99 + 99);

    // A short image: the scroll bar appears and logic 3 comes to the top margin.
    page.state.scrollPosition = RolaParaLogica(page.state, page.program, -1, false, 3);
    const LadderLayout out = page.draw(150);
    EXPECT_EQ(out.scrollBarMaximum, 406 - 150 + 100);
    EXPECT_TRUE(out.scrollBarVisible);
    EXPECT_EQ(out.scrollBarPosition, 198);
    EXPECT_EQ(page.program.logic(3).topY, 5);
    EXPECT_EQ(page.program.logic(1).topY, 5 - 198);
    // Only the logics that intersect the image are drawn.
    EXPECT_EQ(out.firstDrawn, 2);
    EXPECT_EQ(out.lastDrawn, 3);
    EXPECT_EQ(findText(page.canvas, "L\xF3gica 001: "), nullptr);
}

TEST(LadderLayoutPass, OpenLogicIsDrawnFromTheWorkingCopyWithAllRows) {
    Page page;
    page.workingCopy = page.program.logic(2);
    page.workingCopy.element(3, 4).set("CNF1001000#%I0.5");
    const LadderLayout out = page.draw();
    EXPECT_EQ(page.program.logic(2).bottomY - page.program.logic(2).topY, 407);
    EXPECT_EQ(page.program.logic(3).topY, 104 + 407);
    EXPECT_EQ(page.workingCopy.topY, 104);
    EXPECT_EQ(page.workingCopy.bottomY, 511);
    EXPECT_TRUE(page.program.logic(2).element(3, 4).empty()); // cells are left alone
    EXPECT_TRUE(out.abrirComVisible);
    EXPECT_EQ(out.abrirComPosition, (Point{800 - 70, 114}));
    EXPECT_EQ(out.openLogicTop, 104);
    EXPECT_FALSE(out.insereLogicaEnabled);
    EXPECT_TRUE(out.compilaEnabled);
    EXPECT_NE(findText(page.canvas, "  %I0.5"), nullptr);
    EXPECT_EQ(RolaParaLogica(page.state, page.program, 2, false, 3), 99 + 407);
}

TEST(LadderLayoutPass, ScrollPositionBeyondTheMaximumIsClamped) {
    Page page;
    page.state.scrollPosition = 100000;
    const LadderLayout out = page.draw(150);
    EXPECT_EQ(out.scrollBarPosition, out.scrollBarMaximum);
    EXPECT_EQ(page.state.scrollPosition, out.scrollBarMaximum);
    EXPECT_EQ(page.program.logic(1).topY, 5 - out.scrollBarMaximum);
}

TEST(LadderLayoutPass, LaterPassesClearTheMonitoringRegistry) {
    TPrograma program = threeLogics();
    TLogica workingCopy = NovaLogica();
    workingCopy.number = -1;
    tables::SymbolTable symbols;
    Language language = headerLanguage();
    ScriptedMonitor monitor;
    LadderPageState state;
    test::RecordingCanvas canvas;
    LadderPageSources src{program, workingCopy, symbols, language, monitor};
    Desenha(state, src, canvas, {765, 600}, 800);
    EXPECT_EQ(monitor.clears, 0);
    EXPECT_EQ(monitor.registered, (std::vector<std::string>{"%I0.0", "%I0.1", "%Q0.0"}));
    Desenha(state, src, canvas, {765, 600}, 800);
    EXPECT_EQ(monitor.clears, 1);
    EXPECT_EQ(monitor.registered.size(), 3u);
}

TEST(LadderLayoutPass, DisplayModeChangeRefitsTheBaseGeometry) {
    Page page;
    page.state.setDisplay(OperandDisplay::SimboloEndereco, 765, 600);
    EXPECT_EQ(page.state.geometry.rowHeight, 51);
    page.draw();
    EXPECT_EQ(page.program.logic(1).bottomY - page.program.logic(1).topY, 111);
    // A minimised window keeps the geometry.
    page.state.resize(0, 0);
    EXPECT_EQ(page.state.geometry.rowHeight, 51);
    page.draw(1);
    EXPECT_EQ(page.program.logic(1).bottomY - page.program.logic(1).topY, 111);
}

TEST(LadderLayoutPass, LogicAtY) {
    Page page;
    page.draw();
    EXPECT_EQ(logicAtY(page.program, 4), 0);
    EXPECT_EQ(logicAtY(page.program, 5), 1);
    EXPECT_EQ(logicAtY(page.program, 104), 2);
    EXPECT_EQ(logicAtY(page.program, 345), 3);
    EXPECT_EQ(logicAtY(page.program, 346), 0);
}

} // namespace
} // namespace velmora::ladder
