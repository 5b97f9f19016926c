#include "input_support.h"

#include <gtest/gtest.h>

namespace velmora::ladder {
namespace {

using fixtures::InputRig;

TEST(InputEntry, TimerPlacedByClickAsksNumberThenPresetAndTakesItsBaseFromTheMenu) {
    InputRig rig;
    const auto placed = rig.place(9, 1, 0);
    EXPECT_TRUE(placed.entryChanged);
    const EntryView& e = rig.input->entry();
    ASSERT_TRUE(e.visible);
    EXPECT_EQ(e.field, 1);
    EXPECT_EQ(e.mask, (EntryMask{"%T", EntryMask::Body::Digits, 2, false}));
    EXPECT_FALSE(rig.input->keyPreview());
    const Rect numberRect = e.rect;

    // The mask leaves blanks where nothing was typed.
    auto r = rig.type("%T5 ");
    EXPECT_FALSE(r.entryRefused);
    EXPECT_EQ(rig.cellText(1, 0), "TON1001000#%T5# #1#1");
    ASSERT_TRUE(rig.input->entry().visible);
    EXPECT_EQ(rig.input->entry().field, 2);
    EXPECT_EQ(rig.input->entry().mask.prefix, "P:=");
    EXPECT_EQ(rig.input->entry().text, "");
    EXPECT_EQ(rig.input->entry().rect.top, numberRect.top + rig.geometry.rowPitch());
    EXPECT_EQ(rig.cursor, (CellPosition{1, 1}));
    EXPECT_EQ(rig.timersChanged, 0);

    r = rig.type("P:=  150");
    EXPECT_EQ(rig.cellText(1, 0), "TON1001000#%T5#150#1#1");
    EXPECT_FALSE(rig.input->entry().visible);
    EXPECT_TRUE(r.entryChanged);
    EXPECT_EQ(r.view.keyPreview, ViewUpdate::KeyPreview::On);
    EXPECT_TRUE(rig.input->keyPreview());
    EXPECT_EQ(rig.timersChanged, 1);

    const auto menu = rig.input->menuForLastPosition();
    ASSERT_TRUE(menu);
    EXPECT_EQ(menu->menu, "PopupMenuTemp");
    EXPECT_EQ(menu->hidden, std::vector<std::string>{"miTON"});
    EXPECT_EQ(menu->checked, "miBase1s");
    rig.input->menuItem("miBase01s");
    EXPECT_EQ(rig.cellText(1, 0), "TON1001000#%T5#150#2#1");
    EXPECT_EQ(rig.cellText(1, 1), "TON2001000");
    EXPECT_EQ(rig.input->menuForLastPosition()->checked, "miBase01s");
    EXPECT_TRUE(rig.prompts.shown.empty());
}

TEST(InputEntry, CoilUsedElsewhereIsRefusedWith215AndTheFieldStaysForCorrection) {
    InputRig rig(2, 1);
    rig.session.program.logic(2).element(9, 0).set("BOB1001000#%Q0.0");
    rig.place(5, 3, 0);
    ASSERT_TRUE(rig.input->entry().visible);
    EXPECT_TRUE(rig.input->entry().mask.unmasked());

    const auto r = rig.type("q0.0");
    EXPECT_TRUE(r.entryRefused);
    EXPECT_EQ(rig.prompts.texts(), std::vector<std::string>{"M215 2"});
    EXPECT_EQ(rig.prompts.shown[0].kind, Prompts::Kind::Error);
    EXPECT_TRUE(rig.input->entry().visible);
    EXPECT_EQ(rig.cellText(9, 0), "BOB1001000#% ");

    rig.type(" q0.1 ");
    EXPECT_EQ(rig.cellText(9, 0), "BOB1001000#%Q0.1");
    EXPECT_FALSE(rig.input->entry().visible);
}

struct OperandCase {
    const char* name;
    const char* typed;
    bool accepted;
    const char* stored; // field 1 afterwards
    int boxes;          // boxes shown
};

class ContactOperand : public ::testing::TestWithParam<OperandCase> {};

TEST_P(ContactOperand, IsNormalisedAndChecked) {
    const auto& c = GetParam();
    InputRig rig;
    tables::DefineSimbolo(rig.symbols, "%I0.3", "PARTIDA");
    rig.place(1, 0, 0);
    const auto r = rig.type(c.typed);
    EXPECT_EQ(r.entryRefused, !c.accepted);
    EXPECT_EQ(rig.input->entry().visible, !c.accepted);
    EXPECT_EQ(cellField(rig.cellText(0, 0), 1).value_or("?"), c.stored);
    EXPECT_EQ(static_cast<int>(rig.prompts.shown.size()), c.boxes);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ContactOperand,
    ::testing::Values(OperandCase{"WithoutPercent", "I0.1", true, "%I0.1", 0},
                      OperandCase{"WithPercent", "%i0.2", true, "%I0.2", 0},
                      OperandCase{"Symbol", "partida", true, "%I0.3", 0},
                      OperandCase{"UnknownWordIsRefused", "MOTOR", false, "% ", 0},
                      OperandCase{"OutOfRange", "I9.9", false, "% ", 0},
                      OperandCase{"HashIsRefusedWithAMessage", "%I0.1#1", false, "% ", 1},
                      OperandCase{"AccentIsRefusedWithAMessage", "%I0.\xE9", false, "% ", 1},
                      OperandCase{"ControlCharacterIsRefused", "%I0.\x01", false, "% ", 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(InputEntry, RefusedCharactersInFreeTextFieldsShowTheirMessage) {
    InputRig rig;
    rig.place(28, 0, 0); // OPR
    ASSERT_TRUE(rig.input->entry().visible);
    rig.type("%M1 = 1 # 2");
    EXPECT_EQ(rig.prompts.texts(), std::vector<std::string>{kTextoCaractereInvalido});
    EXPECT_EQ(rig.cellText(0, 0), "OPR1001010# ");
    rig.type("%m1 = 1");
    EXPECT_EQ(rig.cellText(0, 0), "OPR1001010#%M1 = 1");
}

TEST(InputEntry, EscapeDuringPresetEntryCancelsAndLeavesThePlaceholder) {
    InputRig rig;
    rig.place(9, 1, 0);
    rig.type("7");
    ASSERT_EQ(rig.input->entry().field, 2);
    const auto r = rig.input->entryEscape();
    EXPECT_TRUE(r.entryChanged);
    EXPECT_FALSE(rig.input->entry().visible);
    EXPECT_EQ(r.view.keyPreview, ViewUpdate::KeyPreview::On);
    EXPECT_FALSE(rig.placing);
    // Nothing was written into any field, the cursor's cell included.
    EXPECT_EQ(rig.cellText(1, 0), "TON1001000#%T7# #1#1");
    EXPECT_EQ(rig.cellText(1, 1), "TON2001000");
}

TEST(InputEntry, EscapeKeepsTheValueAnExistingFieldHad) {
    InputRig rig;
    rig.session.workingCopy.element(0, 0).set("CNA1001010#%I0.4");
    rig.cursor = {0, 0};
    rig.input->editAtCursor();
    ASSERT_TRUE(rig.input->entry().visible);
    EXPECT_EQ(rig.input->entry().text, "%I0.4");
    rig.input->entryEscape();
    EXPECT_EQ(rig.cellText(0, 0), "CNA1001010#%I0.4");
}

TEST(InputEntry, CursorMovesOneRowDownButNotBeyondTheLastRow) {
    InputRig rig;
    rig.session.workingCopy.element(0, 7).set("CNA1001010#% ");
    rig.cursor = {0, 7};
    rig.input->editAtCursor();
    rig.type("I0.0");
    EXPECT_EQ(rig.cellText(0, 7), "CNA1001010#%I0.0");
    EXPECT_EQ(rig.cursor, (CellPosition{0, 7}));
}

struct EditCase {
    const char* name;
    const char* first; // first cell text at (2, 1)
    int part;          // the part under the cursor
    int field;
    const char* prefix;
    const char* text;
};

class ParameterEditing : public ::testing::TestWithParam<EditCase> {};

TEST_P(ParameterEditing, OpensTheFieldOfTheCellUnderTheCursor) {
    const auto& c = GetParam();
    InputRig rig;
    const ElementKind* kind = elementOfCell(c.first);
    ASSERT_NE(kind, nullptr);
    ASSERT_TRUE(writeElement(rig.session.workingCopy, *kind, 2, 1));
    rig.session.workingCopy.element(2, 1).set(c.first);
    rig.cursor = kind->shape == Shape::Horizontal ? CellPosition{2 + c.part - 1, 1}
                                                  : CellPosition{2, 1 + c.part - 1};
    rig.input->editAtCursor();
    const EntryView& e = rig.input->entry();
    ASSERT_TRUE(e.visible);
    EXPECT_EQ(e.field, c.field);
    EXPECT_EQ(e.mask.prefix, c.prefix);
    EXPECT_EQ(e.text, c.text);
    EXPECT_EQ(e.origin, (CellPosition{2, 1}));
    EXPECT_FALSE(rig.placing);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ParameterEditing,
    ::testing::Values(EditCase{"Contact", "CNA1001000#%I0.1", 1, 1, "", "%I0.1"},
                      EditCase{"ContactPlaceholder", "CNA1001000#% ", 1, 1, "", "%"},
                      EditCase{"TimerNumber", "TON1001000#%T12#100#1#1", 1, 1, "%T", "12"},
                      EditCase{"TimerPreset", "TON1001000#%T12#100#1#1", 2, 2, "P:=", "100"},
                      EditCase{"CounterNumber", "CUP1001000#%C3# ", 1, 1, "%C", "3"},
                      EditCase{"CounterPresetBlank", "CUP1001000#%C3# ", 2, 2, "P:=", ""},
                      EditCase{"FastCounter", "CRP1001000#%CR1#10", 1, 1, "%CR", "1"},
                      EditCase{"ComparisonSecond", "CM71001000#%MW1#10", 2, 2, "OPR2:=", "10"},
                      EditCase{"MoveFirst", "MWW1001000#%MW1#%MW2", 1, 1, "OPR1:=", "%MW1"},
                      EditCase{"ArithmeticThird", "SMW1001000#%MW1#%MW2#%MW3", 3, 3,
                               "OPR3:=", "%MW3"},
                      EditCase{"JumpSecondCell", "JMP1001000#4", 2, 1, "", "4"},
                      EditCase{"Call", "CAL1001000#SUB1", 1, 1, "", "SUB1"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(InputEntry, DoubleClickOnTheTimersSecondCellEditsOnlyThePreset) {
    InputRig rig;
    rig.session.workingCopy.element(3, 0).set("TON1001000#%T2#10#1#1");
    rig.session.workingCopy.element(3, 1).set("TON2001000");
    rig.placing = true;
    const auto [x, y] = rig.pointAt(1, 3, 1);
    rig.input->mouseDown(rig.geometry, MouseButton::Left, x, y);
    rig.input->doubleClick(rig.geometry, x, y);
    ASSERT_TRUE(rig.input->entry().visible);
    EXPECT_FALSE(rig.placing);
    EXPECT_EQ(rig.input->entry().field, 2);
    EXPECT_EQ(rig.input->entry().text, "10");
    rig.type("P:=2500 ");
    EXPECT_EQ(rig.cellText(3, 0), "TON1001000#%T2#2500#1#1");
    EXPECT_FALSE(rig.input->entry().visible);
    EXPECT_EQ(rig.timersChanged, 1);
}

TEST(InputEntry, PresetOverTheLimitIsRefused) {
    InputRig rig;
    rig.place(31, 1, 0);
    rig.type("4");
    rig.type("P:=65536");
    EXPECT_TRUE(rig.input->entry().visible);
    rig.type("P:=65535");
    EXPECT_EQ(rig.cellText(1, 0), "CUP1001000#%C4#65535");
}

TEST(InputEntry, ArithmeticAsksForThreeOperandsWithTheResultPromptLast) {
    InputRig rig;
    tables::DefineSimbolo(rig.symbols, "%MW9", "TOTAL");
    rig.place(50, 1, 0);
    EXPECT_EQ(rig.input->entry().mask.prefix, "OPR1:=");
    rig.type("OPR1:=MW1");
    EXPECT_EQ(rig.input->entry().mask.prefix, "OPR2:=");
    rig.type("OPR2:=100");
    EXPECT_EQ(rig.input->entry().mask.prefix, "RES:=");
    rig.type("RES:=total");
    EXPECT_EQ(rig.cellText(1, 0), "SMW1001000#%MW1#100#%MW9");
    EXPECT_FALSE(rig.input->entry().visible);
}

TEST(InputEntry, PidAsksItsNumberThenOpensTheDialog) {
    InputRig rig;
    std::string seen;
    InputHooks hooks;
    // The rig's own hooks stay; only the dialog is added through a second controller.
    hooks.click = rig.clickHook;
    hooks.pidDialog = [&](const std::string& text) -> std::optional<std::string> {
        seen = text;
        return TrocaCampo(text, 2, "5");
    };
    InputController input({rig.session, rig.cursor, rig.last, rig.tool, rig.placing, rig.symbols,
                           rig.operands, rig.prompts, rig.language, [](TLogica&) { return true; }},
                          hooks);
    input.setGeometry(rig.geometry);
    rig.tool = 42;
    const auto [x, y] = rig.pointAt(1, 2, 0);
    input.mouseDown(rig.geometry, MouseButton::Left, x, y);
    ASSERT_TRUE(input.entry().visible);
    EXPECT_EQ(input.entry().mask.prefix, "%PID");
    input.entryEnter("%PID1");
    EXPECT_FALSE(input.entry().visible);
    EXPECT_EQ(cellField(seen, 1).value_or(""), "%PID1");
    EXPECT_EQ(cellField(rig.cellText(2, 0), 2).value_or(""), "5");
}

} // namespace
} // namespace velmora::ladder
