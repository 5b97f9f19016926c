#include "input_support.h"

#include <gtest/gtest.h>

namespace velmora::ladder {
namespace {

using fixtures::InputRig;

struct HitCase {
    const char* name;
    int dx, dy; // offset from logic 2's top-left corner of the drawing
    int logic;
    bool hasCell;
    CellPosition cell;
    bool header;
};

class PointerHitTest : public ::testing::TestWithParam<HitCase> {};

TEST_P(PointerHitTest, FindsLogicCellAndHeader) {
    const auto& c = GetParam();
    InputRig rig(3, 2);
    const auto& g = rig.geometry;
    const int top = rig.session.program.logic(2).topY;
    const PointerHit hit = hitTest(g, rig.session.program, 1, g.leftMargin + c.dx, top + c.dy);
    EXPECT_EQ(hit.logic, c.logic);
    EXPECT_EQ(hit.cell.has_value(), c.hasCell);
    if (hit.cell && c.hasCell) {
        EXPECT_EQ(*hit.cell, c.cell);
    }
    EXPECT_EQ(hit.headerBand, c.header);
}

// Geometry of the address display: header 50, row pitch 44, column pitch 75.
INSTANTIATE_TEST_SUITE_P(
    Cases, PointerHitTest,
    ::testing::Values(HitCase{"FirstCell", 1, 51, 2, true, {0, 0}, false},
                      HitCase{"SecondColumnThirdRow", 80, 50 + 2 * 44 + 1, 2, true, {1, 2}, false},
                      HitCase{"RowLimitedToSeven", 1, 50 + 7 * 44 + 43, 2, true, {0, 7}, false},
                      HitCase{"HeaderBand", 1, 20, 2, false, {}, true},
                      HitCase{"LeftOfTheMargin", -5, 60, 2, false, {}, false},
                      HitCase{"AboveEveryLogicKeepsThePrevious", 1, -100, 1, false, {}, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(InputEvents, PointerShapeAndStatusFollowThePointer) {
    InputRig rig(2, 1);
    auto [x, y] = rig.pointAt(1, 4, 3);
    rig.input->mouseMove(rig.geometry, x, y);
    EXPECT_EQ(rig.input->pointerShape(), PointerShape::Tool);
    EXPECT_EQ(rig.input->pointerStatus(), "Linha : 3 ; Col :4");
    std::tie(x, y) = rig.pointAt(2, 0, 0);
    rig.input->mouseMove(rig.geometry, x, y);
    EXPECT_EQ(rig.input->pointerShape(), PointerShape::Arrow);
    rig.input->mouseMove(rig.geometry, x, rig.session.program.logic(2).topY + 10);
    EXPECT_EQ(rig.input->pointerShape(), PointerShape::Hand);
}

TEST(InputEvents, PressAndReleaseMarkAnArea) {
    InputRig rig;
    rig.tool = -2;
    rig.click(1, 1);
    EXPECT_EQ(rig.cursor, (CellPosition{1, 1}));
    const auto [x, y] = rig.pointAt(1, 3, 2);
    rig.input->mouseUp(rig.geometry, x, y);
    ASSERT_EQ(rig.areas.size(), 1u);
    EXPECT_EQ(rig.areas[0].first, (CellPosition{1, 1}));
    EXPECT_EQ(rig.areas[0].second, (CellPosition{3, 2}));
}

TEST(InputEvents, PressOnAnotherCellWhileTheMemoIsShownHidesBothAndIsHandledOnce) {
    InputRig rig;
    rig.session.workingCopy.element(0, 0).set("CNA1001010#%I0.4");
    rig.cursor = {0, 0};
    rig.input->editAtCursor();
    rig.tool = -2;
    // The same cell: nothing happens.
    auto r = rig.click(0, 0, MouseButton::Left, true);
    EXPECT_FALSE(r.hideMemo);
    EXPECT_TRUE(rig.input->entry().visible);
    // Another cell: the entry and the memo hide and the cursor goes there, once.
    r = rig.click(2, 3, MouseButton::Left, true);
    EXPECT_TRUE(r.hideMemo);
    EXPECT_TRUE(r.entryChanged);
    EXPECT_FALSE(rig.input->entry().visible);
    EXPECT_EQ(rig.cursor, (CellPosition{2, 3}));
    EXPECT_EQ(rig.cellText(0, 0), "CNA1001010#%I0.4");
    // With only the memo visible the same holds.
    r = rig.click(4, 4, MouseButton::Left, true);
    EXPECT_TRUE(r.hideMemo);
    EXPECT_EQ(rig.cursor, (CellPosition{4, 4}));
}

TEST(InputEvents, ArrowKeysStayInTheGrid) {
    InputRig rig;
    struct Step {
        Key key;
        CellPosition after;
    } steps[] = {{Key::Left, {0, 0}},
                 {Key::Up, {0, 0}},
                 {Key::Right, {1, 0}},
                 {Key::Down, {1, 1}},
                 {Key::Down, {1, 2}}};
    for (const auto& s : steps) {
        const auto r = rig.input->keyDown(s.key);
        EXPECT_TRUE(r.consumed);
        EXPECT_EQ(rig.cursor, s.after);
    }
    rig.cursor = {9, 7};
    rig.input->keyDown(Key::Right);
    rig.input->keyDown(Key::Down);
    EXPECT_EQ(rig.cursor, (CellPosition{9, 7}));
}

TEST(InputEvents, DeleteAsksOnlyForAnElement) {
    InputRig rig;
    rig.session.workingCopy.element(2, 1).set("CNA1001000#%I0.0");
    rig.cursor = {4, 4};
    rig.input->keyDown(Key::Delete);
    EXPECT_TRUE(rig.prompts.shown.empty());
    rig.cursor = {2, 1};
    rig.prompts.queueAnswer(Prompts::Answer::Yes);
    const auto r = rig.input->keyDown(Key::Delete);
    EXPECT_EQ(rig.prompts.texts(), std::vector<std::string>{"M230"});
    EXPECT_TRUE(rig.cellText(2, 1).empty());
    EXPECT_TRUE(r.view.redrawOpenLogic);
}

TEST(InputEvents, EnterCommitsAndEscapeDiscards) {
    InputRig rig(2, 1);
    rig.session.workingCopy.element(0, 0).set("CNA1001010#%I0.0");
    auto r = rig.input->keyDown(Key::Enter);
    EXPECT_EQ(rig.validations, 1);
    EXPECT_EQ(rig.session.program.logic(1).element(0, 0).text, "CNA1001010#%I0.0");
    EXPECT_EQ(rig.tool, 0);
    EXPECT_FALSE(rig.session.isOpen());
    EXPECT_TRUE(r.view.layout);

    rig.session.AbreLogica(2);
    rig.session.workingCopy.element(0, 0).set("CNF1001010#%I0.1");
    r = rig.input->keyDown(Key::Escape);
    EXPECT_FALSE(rig.session.isOpen());
    EXPECT_TRUE(rig.session.program.logic(2).element(0, 0).empty());
    // No logic open: keys go to the scroll bar; F4 switches the page on any page.
    r = rig.input->keyDown(Key::Down);
    EXPECT_TRUE(r.focusScrollBar);
    EXPECT_FALSE(r.consumed);
    EXPECT_TRUE(rig.input->keyDown(Key::F4, false).togglePage);
}

TEST(InputEvents, DoubleClickOnAnotherLogicCommitsAndOpensIt) {
    InputRig rig(3, 1);
    rig.session.workingCopy.element(0, 0).set("CNA1001010#%I0.0");
    const auto [x, y] = rig.pointAt(3, 0, 0);
    const auto r = rig.input->doubleClick(rig.geometry, x, y);
    EXPECT_EQ(rig.session.openLogic(), 3);
    EXPECT_EQ(rig.session.program.logic(1).element(0, 0).text, "CNA1001010#%I0.0");
    EXPECT_EQ(r.view.scrollTo, 3);
    EXPECT_EQ(rig.tool, -2);
    EXPECT_EQ(r.view.keyPreview, ViewUpdate::KeyPreview::On);
}

TEST(InputEvents, TypedCommandShowsTheMonitorInAnyCaseAndEnterStartsOver) {
    InputRig rig;
    auto typeText = [&](const std::string& s) {
        bool shown = false;
        for (char ch : s) {
            shown = rig.input->keyPress(ch).showMonitor || shown;
        }
        return shown;
    };
    EXPECT_TRUE(typeText("zunderak plovige"));
    rig.input->keyPress('\r');
    EXPECT_FALSE(typeText("zunderak\rplovige"));
    rig.input->keyPress('\r');
    EXPECT_FALSE(typeText("xzunderak plovige"));
    rig.input->keyPress('\r');
    EXPECT_TRUE(typeText("ZUNDERAK PLOVIGE"));
    // A long run of typing keeps the buffer small.
    EXPECT_FALSE(typeText(std::string(1000, 'A')));
    EXPECT_LE(rig.input->typedCommand().size(), kComandoMonitor.size() + 1);
}

struct MenuCase {
    const char* name;
    const char* cell; // text at (2, 1), empty for none
    Key key;          // Key::Other: the right button
    std::optional<MenuRequest> expected;
};

class ContextMenu : public ::testing::TestWithParam<MenuCase> {};

TEST_P(ContextMenu, OpensWithItsHiddenItems) {
    const auto& c = GetParam();
    InputRig rig;
    if (*c.cell != '\0') {
        rig.session.workingCopy.element(2, 1).set(c.cell);
    }
    InputResult r;
    if (c.key == Key::Other) {
        rig.tool = -2;
        r = rig.click(2, 1, MouseButton::Right);
    } else {
        rig.cursor = {2, 1};
        r = rig.input->keyDown(c.key);
    }
    EXPECT_EQ(r.menu, c.expected);
}

const std::vector<std::string> kNoHidden;

INSTANTIATE_TEST_SUITE_P(
    Cases, ContextMenu,
    ::testing::Values(
        MenuCase{"Contact", "CNF1001000#%I0.1", Key::Other,
                 MenuRequest{"PopupEntradas", {"miContantoNormalmenteFechado"}, "", false}},
        MenuCase{"Coil", "BOS1001000#%Q0.1", Key::Other,
                 MenuRequest{"PopupSaidas", {"miBobinaSet"}, "", false}},
        MenuCase{"Comparison", "CM51001000#%MB1#2", Key::Other,
                 MenuRequest{"PopupComp", {"MIigual"}, "", false}},
        MenuCase{"MoveHasNoRightButtonMenu", "MBB1001000#1#%MB1", Key::Other, std::nullopt},
        MenuCase{"EmptyCellHasNone", "", Key::Other, std::nullopt},
        MenuCase{
            "F5OnEmptyHidesParameterItems", "", Key::F5,
            MenuRequest{
                "PopupEntradas", {"miAlteraSimboloContato", "miAlterarEnderecoContato"}, "", true}},
        MenuCase{
            "F6OnAContact", "CNA1001000#%I0.1", Key::F6,
            MenuRequest{
                "PopupSaidas", {"miAlterarSimboloSaidas", "miAlterarEnderecoSaidas"}, "", true}},
        MenuCase{"F11OnAMove", "MBB1001000#1#%MB1", Key::F11,
                 MenuRequest{"PopupAvancadas", {}, "", true}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(InputMenus, ContactItemChangesOnlyTheCode) {
    InputRig rig;
    rig.session.workingCopy.element(0, 0).set("CNA1001010#%I0.1");
    rig.last = {0, 0};
    rig.input->menuItem("miContatoporBordaNegativa");
    EXPECT_EQ(rig.cellText(0, 0), "CBN1001010#%I0.1");
}

TEST(InputMenus, ContactItemOnAnEmptyCellPlacesAndAsksForTheOperand) {
    InputRig rig;
    rig.session.workingCopy.element(0, 0).set("CNA1001010#%I0.0");
    rig.last = {3, 2};
    rig.input->menuItem("miContatoNormalmenteAberto");
    EXPECT_EQ(rig.cellText(3, 2), "CNA1001000#% ");
    EXPECT_TRUE(rig.input->entry().visible);
}

TEST(InputMenus, CounterUpDownBecomesUpAndLosesItsLastCells) {
    InputRig rig;
    const ElementKind* cud = findElement("CUD");
    ASSERT_TRUE(writeElement(rig.session.workingCopy, *cud, 2, 0));
    rig.session.workingCopy.element(2, 0).set("CUD1001000#%C1#5");
    rig.last = {2, 2};
    rig.input->menuItem("miContadorUP");
    EXPECT_EQ(rig.cellText(2, 0), "CUP1001000#%C1#5");
    EXPECT_EQ(rig.cellText(2, 1), "CUP2001000");
    EXPECT_TRUE(rig.cellText(2, 2).empty());
    EXPECT_TRUE(rig.cellText(2, 3).empty());
    EXPECT_EQ(rig.timersChanged, 1);
}

struct RecodeCase {
    const char* name;
    const char* before;
    const char* item;
    const char* after;
    bool message;
};

class Recode : public ::testing::TestWithParam<RecodeCase> {};

TEST_P(Recode, RevalidatesTheOperands) {
    const auto& c = GetParam();
    InputRig rig;
    const ElementKind* kind = elementOfCell(c.before);
    ASSERT_TRUE(writeElement(rig.session.workingCopy, *kind, 1, 0));
    rig.session.workingCopy.element(1, 0).set(c.before);
    rig.last = {1, 1};
    rig.input->menuItem(c.item);
    EXPECT_EQ(rig.cellText(1, 0), c.after);
    EXPECT_EQ(rig.cellText(1, 1).substr(0, 4), std::string(c.after).substr(0, 3) + "2");
    EXPECT_EQ(rig.prompts.texts(), c.message ? std::vector<std::string>{kTextoOperandosApagados}
                                             : std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Recode,
    ::testing::Values(RecodeCase{"WordSumToByteClearsWordOperands", "SMW1001000#%MW1#200#%MW3",
                                 "MISoma_B", "SMB1001000# #200# ", true},
                      RecodeCase{"ByteToByteKeepsThem", "SMB1001000#%MB1#2#%MB3", "MIDivisao_B",
                                 "DVB1001000#%MB1#2#%MB3", false},
                      RecodeCase{"WordItemsDoNothing", "SMB1001000#%MB1#2#%MB3", "MISoma_W",
                                 "SMB1001000#%MB1#2#%MB3", false},
                      RecodeCase{"WordComparisonToByte", "CM71001000#%MW1#%MB2", "MiMenor",
                                 "CM21001000# #%MB2", true},
                      RecodeCase{"PlaceholdersStay", "CMB1001000#% #% ", "Midiferente",
                                 "CM61001000#% #% ", false}),
    [](const auto& info) { return std::string(info.param.name); });

struct PresetCase {
    const char* name;
    std::optional<std::string> answer;
    const char* preset; // field 2 afterwards
    bool refused;
};

class PresetItem : public ::testing::TestWithParam<PresetCase> {};

TEST_P(PresetItem, AppliesThePresetRule) {
    const auto& c = GetParam();
    InputRig rig;
    rig.session.workingCopy.element(1, 0).set("TON1001000#%T1#100#1#1");
    rig.session.workingCopy.element(1, 1).set("TON2001000");
    rig.last = {1, 0};
    rig.prompts.queueInput(c.answer);
    rig.input->menuItem("miPresetTimer");
    ASSERT_EQ(rig.prompts.inputs.size(), 1u);
    EXPECT_EQ(rig.prompts.inputs[0].caption, "Velmora");
    EXPECT_EQ(rig.prompts.inputs[0].prompt, "M396");
    EXPECT_EQ(rig.prompts.inputs[0].defaultValue, "100");
    EXPECT_EQ(cellField(rig.cellText(1, 0), 2).value_or(""), c.preset);
    EXPECT_EQ(rig.prompts.texts(),
              c.refused ? std::vector<std::string>{"M277"} : std::vector<std::string>{});
    EXPECT_EQ(rig.timersChanged, c.refused || !c.answer ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(Cases, PresetItem,
                         ::testing::Values(PresetCase{"Number", "250", "250", false},
                                           PresetCase{"Trimmed", " 7 ", "7", false},
                                           PresetCase{"Highest", "65535", "65535", false},
                                           PresetCase{"TooHigh", "65536", "100", true},
                                           PresetCase{"Letters", "1a", "100", true},
                                           PresetCase{"Hash", "1#2", "100", true},
                                           PresetCase{"Cancelled", std::nullopt, "100", false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(InputMenus, SymbolEditNamesTheOperandUnlessAnotherHasThatName) {
    InputRig rig;
    rig.session.workingCopy.element(0, 0).set("CNA1001010#%I0.1");
    tables::DefineSimbolo(rig.symbols, "%I0.2", "PARADA");
    rig.last = {0, 0};
    rig.prompts.queueInput(std::string("parada"));
    rig.input->menuItem("miAlteraSimboloContato");
    EXPECT_EQ(rig.prompts.inputs[0].prompt, "M404%I0.1");
    EXPECT_EQ(rig.prompts.texts(), std::vector<std::string>{"M250"});
    EXPECT_EQ(tables::SimboloDoEndereco(rig.symbols, "%I0.1"), "%I0.1");

    rig.prompts.queueInput(std::string("partida do motor"));
    rig.input->menuItem("miAlteraSimboloContato");
    EXPECT_EQ(tables::SimboloDoEndereco(rig.symbols, "%I0.1"), "PARTIDA D");
    // Its own symbol again is no clash.
    rig.prompts.queueInput(std::string("PARTIDA D"));
    rig.input->menuItem("miAlteraSimboloContato");
    EXPECT_EQ(rig.prompts.inputs[2].defaultValue, "PARTIDA D");
    EXPECT_EQ(rig.prompts.texts().size(), 1u);
}

TEST(InputMenus, ParameterItemsOpenTheirField) {
    InputRig rig;
    rig.session.workingCopy.element(1, 0).set("SMW1001000#%MW1#%MW2#%MW3");
    rig.session.workingCopy.element(1, 1).set("SMW2001000");
    rig.session.workingCopy.element(1, 2).set("SMW3001000");
    rig.last = {1, 0};
    rig.input->menuItem("miAltOp3");
    ASSERT_TRUE(rig.input->entry().visible);
    EXPECT_EQ(rig.input->entry().field, 3);
    EXPECT_EQ(rig.input->entry().mask.prefix, "OPR3:=");
    rig.type("OPR3:=MW7");
    EXPECT_EQ(rig.cellText(1, 0), "SMW1001000#%MW1#%MW2#%MW7");
    EXPECT_FALSE(rig.input->entry().visible);
}

} // namespace
} // namespace velmora::ladder
