#include "core/ladder/catalogue.h"
#include "core/ladder/cell.h"
#include "core/ladder/editor_session.h"
#include "support/scripted_prompts.h"
#include "test_language.h"

#include <gtest/gtest.h>

namespace velmora::ladder {
namespace {

using KeyPreview = ViewUpdate::KeyPreview;

const std::string kContact = "CNA1001010#%I0.0";

// A validator that records its calls and answers as told.
struct FakeValidator {
    bool accept = true;
    int calls = 0;
    LogicValidator fn() {
        return [this](TLogica&) {
            ++calls;
            return accept;
        };
    }
};

// A session with `n` logics, each holding a contact, and logic `open` open (0: none).
EditorSession sessionOf(int n, int open = 0) {
    EditorSession s;
    setLogicCount(s.program, n);
    for (int i = 1; i <= n; ++i) {
        s.program.logic(i).cell(1, 0).set(kContact);
        s.program.logic(i).setTitle("L" + std::to_string(i));
    }
    if (open != 0) {
        s.AbreLogica(open);
    }
    return s;
}

void putJump(TLogica& logic, int row, const std::string& target) {
    logic.cell(3, row).set("JMP1001000#" + target);
    logic.cell(5, row).set("JMP2001000");
}

TEST(Session, StartsWithOneEmptyLogicAndNoneOpen) {
    EditorSession s;
    EXPECT_EQ(s.program.count(), 1);
    EXPECT_EQ(s.workingCopy.number, -1);
    EXPECT_FALSE(s.isOpen());
    EXPECT_FALSE(s.AbreLogica(2));
    EXPECT_TRUE(s.AbreLogica(1));
    EXPECT_EQ(s.openLogic(), 1);
}

TEST(Session, EditsChangeOnlyTheWorkingCopyUntilCommitted) {
    EditorSession s = sessionOf(2, 2);
    s.workingCopy.cell(3, 0).set("CRT1001000");
    EXPECT_TRUE(s.program.logic(2).cell(3, 0).empty());
    EXPECT_EQ(s.workingCopy.number, 2);
}

// --- The compile button ---

TEST(ConfirmaLogica, RejectedKeepsTheLogicOpenAndTheProgramUnchanged) {
    EditorSession s = sessionOf(2, 1);
    s.workingCopy.cell(3, 0).set("CRT1001000");
    FakeValidator v{false};
    EXPECT_EQ(s.ConfirmaLogica(v.fn()), ViewUpdate{});
    EXPECT_EQ(v.calls, 1);
    EXPECT_EQ(s.openLogic(), 1);
    EXPECT_TRUE(s.program.logic(1).cell(3, 0).empty());
}

TEST(ConfirmaLogica, AcceptedStoresClosesAndMarksModified) {
    EditorSession s = sessionOf(2, 1);
    s.workingCopy.cell(3, 0).set("CRT1001000");
    FakeValidator v;
    const ViewUpdate u = s.ConfirmaLogica(v.fn());
    EXPECT_TRUE(u.modified);
    EXPECT_TRUE(u.layout);
    EXPECT_EQ(u.keyPreview, KeyPreview::Off);
    EXPECT_FALSE(s.isOpen());
    EXPECT_EQ(s.program.logic(1).cell(3, 0).text, "CRT1001000");
    EXPECT_EQ(s.program.logic(1).number, 1);
}

TEST(ConfirmaLogica, UnchangedLogicDoesNotMarkModified) {
    EditorSession s = sessionOf(2, 1);
    FakeValidator v;
    const ViewUpdate u = s.ConfirmaLogica(v.fn());
    EXPECT_FALSE(u.modified);
    EXPECT_FALSE(s.isOpen());
}

TEST(ConfirmaLogica, NothingOpenDoesNothing) {
    EditorSession s = sessionOf(2);
    FakeValidator v;
    EXPECT_EQ(s.ConfirmaLogica(v.fn()), ViewUpdate{});
    EXPECT_EQ(v.calls, 0);
}

// --- Enter ---

TEST(Enter, EmptyLogicIsRemovedAndLaterJumpsFollow) {
    EditorSession s = sessionOf(4, 2);
    putJump(s.program.logic(4), 1, "4");
    putJump(s.program.logic(1), 1, "2");
    s.workingCopy = NovaLogica(); // the user emptied logic 2
    s.workingCopy.number = 2;
    velmora::test::ScriptedPrompts prompts;
    FakeValidator v;
    const ViewUpdate u = s.confirmByEnter(v.fn(), prompts);
    EXPECT_EQ(v.calls, 0);
    EXPECT_TRUE(u.modified);
    EXPECT_TRUE(u.layout);
    EXPECT_EQ(u.keyPreview, KeyPreview::Off);
    EXPECT_FALSE(s.isOpen());
    ASSERT_EQ(s.program.count(), 3);
    EXPECT_EQ(s.program.logic(2).title, "L3");
    EXPECT_EQ(s.program.logic(3).cell(3, 1).text, "JMP1001000#3");
    EXPECT_EQ(s.program.logic(1).cell(3, 1).text, "JMP1001000# ");
}

TEST(Enter, EmptySingleLogicIsValidatedAndStored) {
    EditorSession s;
    s.AbreLogica(1);
    velmora::test::ScriptedPrompts prompts;
    FakeValidator v{false}; // the validator refuses an empty logic
    const ViewUpdate u = s.confirmByEnter(v.fn(), prompts);
    EXPECT_EQ(v.calls, 1);
    EXPECT_EQ(s.program.count(), 1);
    EXPECT_EQ(s.openLogic(), 1);
    EXPECT_FALSE(u.layout);
}

TEST(Enter, OnTheLastLogicAppendsAndOpensANewOne) {
    EditorSession s = sessionOf(2, 2);
    s.workingCopy.cell(3, 0).set("CRT1001000");
    velmora::test::ScriptedPrompts prompts;
    FakeValidator v;
    const ViewUpdate u = s.confirmByEnter(v.fn(), prompts);
    EXPECT_TRUE(u.modified);
    EXPECT_TRUE(u.layout);
    EXPECT_EQ(u.scrollToTop, 2);
    EXPECT_TRUE(u.cursorHome);
    ASSERT_EQ(s.program.count(), 3);
    EXPECT_EQ(s.program.logic(2).cell(3, 0).text, "CRT1001000");
    EXPECT_EQ(s.program.logic(3).number, 3);
    EXPECT_EQ(s.openLogic(), 3);
    EXPECT_EQ(LinhasUsadas(s.workingCopy), 0);
}

TEST(Enter, OnAMiddleLogicStoresAndCloses) {
    EditorSession s = sessionOf(3, 2);
    velmora::test::ScriptedPrompts prompts;
    FakeValidator v;
    const ViewUpdate u = s.confirmByEnter(v.fn(), prompts);
    EXPECT_FALSE(u.modified); // nothing was edited
    EXPECT_EQ(u.keyPreview, KeyPreview::Off);
    EXPECT_EQ(s.program.count(), 3);
    EXPECT_FALSE(s.isOpen());
}

TEST(Enter, RejectedStillReportsTheEditButStoresNothing) {
    EditorSession s = sessionOf(3, 3);
    s.workingCopy.cell(3, 0).set("CRT1001000");
    velmora::test::ScriptedPrompts prompts;
    FakeValidator v{false};
    const ViewUpdate u = s.confirmByEnter(v.fn(), prompts);
    EXPECT_TRUE(u.modified);
    EXPECT_FALSE(u.layout);
    EXPECT_EQ(s.openLogic(), 3);
    EXPECT_EQ(s.program.count(), 3);
    EXPECT_TRUE(s.program.logic(3).cell(3, 0).empty());
}

TEST(Enter, AtTheLogicLimitStoresClosesAndSaysSo) {
    EditorSession s = sessionOf(kMaxLogics, kMaxLogics);
    s.workingCopy.cell(3, 0).set("CRT1001000");
    velmora::test::ScriptedPrompts prompts;
    FakeValidator v;
    const ViewUpdate u = s.confirmByEnter(v.fn(), prompts);
    EXPECT_TRUE(u.modified);
    EXPECT_EQ(s.program.count(), kMaxLogics);
    EXPECT_FALSE(s.isOpen());
    EXPECT_EQ(s.program.logic(kMaxLogics).cell(3, 0).text, "CRT1001000");
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].kind, Prompts::Kind::Error);
    EXPECT_EQ(prompts.shown[0].text, kTextoLimiteLogicas);
}

// --- Double click on another logic ---

TEST(DoubleClick, RejectedKeepsTheOpenLogic) {
    EditorSession s = sessionOf(3, 1);
    s.workingCopy.cell(3, 0).set("CRT1001000");
    FakeValidator v{false};
    EXPECT_EQ(s.openByDoubleClick(3, v.fn()), ViewUpdate{});
    EXPECT_EQ(s.openLogic(), 1);
    EXPECT_TRUE(s.program.logic(1).cell(3, 0).empty());
}

TEST(DoubleClick, CommitsThenOpensTheOtherAndMarksModified) {
    EditorSession s = sessionOf(3, 1);
    s.workingCopy.cell(3, 0).set("CRT1001000");
    FakeValidator v;
    const ViewUpdate u = s.openByDoubleClick(3, v.fn());
    EXPECT_TRUE(u.modified);
    EXPECT_TRUE(u.layout);
    EXPECT_EQ(u.scrollTo, 3);
    EXPECT_EQ(s.openLogic(), 3);
    EXPECT_EQ(s.workingCopy.title, "L3");
    EXPECT_EQ(s.program.logic(1).cell(3, 0).text, "CRT1001000");
}

TEST(DoubleClick, EmptyWorkingCopyIsStoredWithoutValidation) {
    EditorSession s = sessionOf(3, 2);
    s.workingCopy.cell(1, 0).clear();
    FakeValidator v{false};
    const ViewUpdate u = s.openByDoubleClick(1, v.fn());
    EXPECT_EQ(v.calls, 0);
    EXPECT_TRUE(u.modified);
    EXPECT_EQ(s.program.count(), 3); // not removed, unlike Enter
    EXPECT_EQ(LinhasUsadas(s.program.logic(2)), 0);
    EXPECT_EQ(s.openLogic(), 1);
}

TEST(DoubleClick, WithNothingOpenJustOpens) {
    EditorSession s = sessionOf(3);
    FakeValidator v;
    const ViewUpdate u = s.openByDoubleClick(2, v.fn());
    EXPECT_EQ(v.calls, 0);
    EXPECT_FALSE(u.modified);
    EXPECT_EQ(s.openLogic(), 2);
    EXPECT_EQ(s.openByDoubleClick(2, v.fn()), ViewUpdate{}); // the open logic itself
    EXPECT_EQ(s.openByDoubleClick(9, v.fn()), ViewUpdate{});
}

// --- Escape ---

TEST(Escape, DropsTheEdits) {
    EditorSession s = sessionOf(2, 2);
    s.workingCopy.cell(3, 0).set("CRT1001000");
    const ViewUpdate u = s.DescartaLogica();
    EXPECT_FALSE(u.modified);
    EXPECT_TRUE(u.layout);
    EXPECT_EQ(u.keyPreview, KeyPreview::Off);
    EXPECT_FALSE(s.isOpen());
    EXPECT_TRUE(s.program.logic(2).cell(3, 0).empty());
}

} // namespace
} // namespace velmora::ladder

namespace velmora::ladder {
namespace {

TEST(Session, MissingValidatorStoresNothing) {
    EditorSession s;
    setLogicCount(s.program, 2);
    s.AbreLogica(2);
    s.workingCopy.cell(3, 0).set("CRT1001000");
    velmora::test::ScriptedPrompts prompts;
    EXPECT_EQ(s.ConfirmaLogica(LogicValidator{}), ViewUpdate{});
    s.confirmByEnter(LogicValidator{}, prompts);
    EXPECT_EQ(s.openByDoubleClick(1, LogicValidator{}), ViewUpdate{});
    EXPECT_EQ(s.openLogic(), 2);
    EXPECT_TRUE(s.program.logic(2).cell(3, 0).empty());
}

} // namespace
} // namespace velmora::ladder
