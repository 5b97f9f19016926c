#include "core/ladder/logic_commands.h"
#include "support/scripted_prompts.h"
#include "test_language.h"

#include <gtest/gtest.h>

namespace velmora::ladder {
namespace {

using Answer = Prompts::Answer;
using Kind = Prompts::Kind;
using velmora::test::ScriptedPrompts;

const std::string kContact = "CNA1001010#%I0.0";

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

class Commands : public ::testing::Test {
protected:
    Language language = fixtures::testLanguage();
    ScriptedPrompts prompts;
};

// --- Insert by button ---

TEST_F(Commands, ButtonInsertAppendsOpensAndMarksModified) {
    EditorSession s = sessionOf(3);
    const ViewUpdate u = insertLogicByButton(s, prompts);
    EXPECT_TRUE(u.modified);
    EXPECT_TRUE(u.layout);
    EXPECT_EQ(u.scrollTo, 4);
    EXPECT_EQ(s.program.count(), 4);
    EXPECT_EQ(s.openLogic(), 4);
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(Commands, ButtonInsertStoresAnOpenLogicFirst) {
    EditorSession s = sessionOf(2, 1);
    s.workingCopy.cell(3, 0).set("CRT1001000");
    insertLogicByButton(s, prompts);
    EXPECT_EQ(s.program.logic(1).cell(3, 0).text, "CRT1001000");
    EXPECT_EQ(s.openLogic(), 3);
}

TEST_F(Commands, ButtonInsertRefusedAtTheLogicLimit) {
    EditorSession s = sessionOf(kMaxLogics);
    const ViewUpdate u = insertLogicByButton(s, prompts);
    EXPECT_EQ(u, ViewUpdate{});
    EXPECT_EQ(s.program.count(), kMaxLogics);
    EXPECT_EQ(prompts.texts(), std::vector<std::string>{kTextoLimiteLogicas});
}

// --- Insert by menu ---

struct MenuInsertCase {
    const char* name;
    std::optional<std::string> typed;
    int count;
    int insertedAt;                      // 0: nothing inserted
    std::vector<std::string> shownTexts; // boxes shown after the prompt
};
class MenuInsert : public Commands, public ::testing::WithParamInterface<MenuInsertCase> {};
TEST_P(MenuInsert, InsertsWhereTypedOrRefuses) {
    const auto& c = GetParam();
    EditorSession s = sessionOf(c.count);
    prompts.queueInput(c.typed);
    const ViewUpdate u = insertLogicByMenu(s, prompts, language);
    ASSERT_EQ(prompts.inputs.size(), 1u);
    EXPECT_EQ(prompts.inputs[0].caption, "M26");
    EXPECT_EQ(prompts.inputs[0].prompt, "M444");
    EXPECT_EQ(prompts.inputs[0].defaultValue, std::to_string(c.count));
    EXPECT_EQ(prompts.texts(), c.shownTexts);
    if (c.insertedAt == 0) {
        EXPECT_EQ(u, ViewUpdate{});
        EXPECT_EQ(s.program.count(), c.count);
        EXPECT_FALSE(s.isOpen());
        return;
    }
    EXPECT_TRUE(u.modified); // the menu insert marks the project modified, as the button does
    EXPECT_EQ(u.scrollTo, c.insertedAt);
    EXPECT_EQ(u.keyPreview, ViewUpdate::KeyPreview::On);
    EXPECT_EQ(s.program.count(), c.count + 1);
    EXPECT_EQ(s.openLogic(), c.insertedAt);
    EXPECT_EQ(LinhasUsadas(s.program.logic(c.insertedAt)), 0);
}
INSTANTIATE_TEST_SUITE_P(
    Cases, MenuInsert,
    ::testing::Values(MenuInsertCase{"AtTwo", "2", 3, 2, {}},
                      MenuInsertCase{"BeyondAppends", "7", 3, 4, {}},
                      MenuInsertCase{"Cancelled", std::nullopt, 3, 0, {}},
                      MenuInsertCase{"Zero", "0", 3, 0, {"M277"}},
                      MenuInsertCase{"Negative", "-1", 3, 0, {"M277"}},
                      MenuInsertCase{"Letters", "2a", 3, 0, {"M277"}},
                      MenuInsertCase{"Empty", "", 3, 0, {"M277"}},
                      MenuInsertCase{"AtLimit", "5", kMaxLogics, 0, {kTextoLimiteLogicas}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Commands, MenuInsertWithALogicOpenRefusesWith225) {
    EditorSession s = sessionOf(2, 1);
    EXPECT_EQ(insertLogicByMenu(s, prompts, language), ViewUpdate{});
    EXPECT_TRUE(prompts.inputs.empty());
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].kind, Kind::Information);
    EXPECT_EQ(prompts.shown[0].text, "M225");
}

TEST_F(Commands, MenuInsertRenumbersJumps) {
    EditorSession s = sessionOf(5);
    s.program.logic(5).cell(3, 1).set("JMP1001000#2");
    s.program.logic(5).cell(3, 2).set("JMP1001000#1");
    prompts.queueInput("2");
    insertLogicByMenu(s, prompts, language);
    EXPECT_EQ(s.program.logic(6).cell(3, 1).text, "JMP1001000#3");
    EXPECT_EQ(s.program.logic(6).cell(3, 2).text, "JMP1001000#1");
}

// --- Delete ---

struct DeleteCase {
    const char* name;
    std::optional<std::string> typed;
    std::optional<Answer> confirmation; // queued answer to the confirmation, if one is asked
    bool removed;
    bool modified;
    std::vector<std::string> shownTexts;
};
class Delete : public Commands, public ::testing::WithParamInterface<DeleteCase> {};
TEST_P(Delete, RemovesAfterConfirmationOrRefuses) {
    const auto& c = GetParam();
    EditorSession s = sessionOf(4);
    s.program.logic(4).cell(3, 1).set("JMP1001000#2");
    s.program.logic(4).cell(3, 2).set("JMP1001000#3");
    prompts.queueInput(c.typed);
    if (c.confirmation) {
        prompts.queueAnswer(*c.confirmation);
    }
    const ViewUpdate u = deleteLogic(s, prompts, language);
    ASSERT_EQ(prompts.inputs.size(), 1u);
    EXPECT_EQ(prompts.inputs[0].caption, "M398");
    EXPECT_EQ(prompts.inputs[0].prompt, "M399");
    EXPECT_EQ(prompts.inputs[0].defaultValue, "4");
    EXPECT_EQ(prompts.texts(), c.shownTexts);
    EXPECT_EQ(prompts.unexpectedQuestions, 0);
    EXPECT_EQ(u.modified, c.modified);
    EXPECT_EQ(u.layout, c.removed);
    if (c.removed) {
        ASSERT_EQ(s.program.count(), 3);
        EXPECT_EQ(s.program.logic(2).title, "L3");
        EXPECT_EQ(s.program.logic(3).cell(3, 1).text, "JMP1001000# ");
        EXPECT_EQ(s.program.logic(3).cell(3, 2).text, "JMP1001000#2");
    } else {
        EXPECT_EQ(s.program.count(), 4);
        EXPECT_EQ(s.program.logic(4).cell(3, 1).text, "JMP1001000#2");
    }
}
INSTANTIATE_TEST_SUITE_P(
    Cases, Delete,
    ::testing::Values(DeleteCase{"Yes", "2", Answer::Yes, true, true, {"M453 2"}},
                      DeleteCase{"No", "2", Answer::No, false, false, {"M453 2"}},
                      DeleteCase{"Cancelled", std::nullopt, std::nullopt, false, false, {}},
                      DeleteCase{"Zero", "0", std::nullopt, false, false, {"M277"}},
                      DeleteCase{"Letters", "x", std::nullopt, false, false, {"M277"}},
                      DeleteCase{
                          "BeyondCount", "5", std::nullopt, false, false, {"Logica Inexistente"}},
                      DeleteCase{"HugeNumber",
                                 "123456789012345678901",
                                 std::nullopt,
                                 false,
                                 false,
                                 {"Logica Inexistente"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Commands, DeleteTheOnlyLogicRemovesNothingButMarksModified) {
    EditorSession s;
    prompts.queueInput("1");
    prompts.queueAnswer(Answer::Yes);
    const ViewUpdate u = deleteLogic(s, prompts, language);
    EXPECT_TRUE(u.modified);
    EXPECT_FALSE(u.layout);
    EXPECT_EQ(s.program.count(), 1);
}

TEST_F(Commands, DeleteWithALogicOpenRefusesWith225) {
    EditorSession s = sessionOf(2, 2);
    EXPECT_EQ(deleteLogic(s, prompts, language), ViewUpdate{});
    EXPECT_EQ(prompts.texts(), std::vector<std::string>{"M225"});
    EXPECT_EQ(s.program.count(), 2);
}

// --- Go to ---

struct GoToCase {
    std::optional<std::string> typed;
    int scrollTo;
    std::vector<std::string> shownTexts;
};
class GoTo : public Commands, public ::testing::WithParamInterface<GoToCase> {};
TEST_P(GoTo, ScrollsOrRefuses) {
    const auto& c = GetParam();
    EditorSession s = sessionOf(3);
    prompts.queueInput(c.typed);
    const ViewUpdate u = goToLogic(s, prompts, language);
    ASSERT_EQ(prompts.inputs.size(), 1u);
    EXPECT_EQ(prompts.inputs[0].caption, "Velmora");
    EXPECT_EQ(prompts.inputs[0].prompt, "M443");
    EXPECT_EQ(prompts.inputs[0].defaultValue, "");
    EXPECT_EQ(u.scrollTo, c.scrollTo);
    EXPECT_FALSE(u.modified);
    EXPECT_EQ(prompts.texts(), c.shownTexts);
    for (const auto& shown : prompts.shown) {
        EXPECT_EQ(shown.kind, Kind::Error);
    }
    EXPECT_FALSE(s.isOpen());
}
INSTANTIATE_TEST_SUITE_P(Cases, GoTo,
                         ::testing::Values(GoToCase{"3", 3, {}}, GoToCase{"4", 0, {"M280"}},
                                           GoToCase{"0", 0, {"M277"}}, GoToCase{"", 0, {"M277"}},
                                           GoToCase{std::nullopt, 0, {}}));

// --- Title ---

TEST_F(Commands, TitleWithNothingOpenGoesIntoTheLogicAndIsCut) {
    EditorSession s = sessionOf(3);
    prompts.queueInput(std::string(60, 'T'));
    const ViewUpdate u = editLogicTitle(s, 2, prompts, language);
    ASSERT_EQ(prompts.inputs.size(), 1u);
    EXPECT_EQ(prompts.inputs[0].caption, "M394");
    EXPECT_EQ(prompts.inputs[0].prompt, "M395");
    EXPECT_EQ(prompts.inputs[0].defaultValue, "L2");
    EXPECT_TRUE(u.modified);
    EXPECT_TRUE(u.layout);
    EXPECT_EQ(s.program.logic(2).title, std::string(50, 'T'));
}

TEST_F(Commands, TitleForAnotherLogicLeavesTheOpenOneAlone) {
    EditorSession s = sessionOf(3, 1);
    prompts.queueInput("novo");
    const ViewUpdate u = editLogicTitle(s, 3, prompts, language);
    EXPECT_TRUE(u.modified);
    EXPECT_TRUE(u.redrawOpenLogic);
    EXPECT_EQ(s.program.logic(3).title, "novo");
    EXPECT_EQ(s.workingCopy.title, "L1");
    s.ConfirmaLogica([](TLogica&) { return true; });
    EXPECT_EQ(s.program.logic(1).title, "L1");
    EXPECT_EQ(s.program.logic(3).title, "novo");
}

TEST_F(Commands, TitleForTheOpenLogicSurvivesItsCommit) {
    EditorSession s = sessionOf(3, 2);
    prompts.queueInput("novo");
    editLogicTitle(s, 2, prompts, language);
    EXPECT_EQ(s.workingCopy.title, "novo");
    s.ConfirmaLogica([](TLogica&) { return true; });
    EXPECT_EQ(s.program.logic(2).title, "novo");
}

TEST_F(Commands, TitleCancelledChangesNothing) {
    EditorSession s = sessionOf(3);
    prompts.queueInput(std::nullopt);
    EXPECT_EQ(editLogicTitle(s, 2, prompts, language), ViewUpdate{});
    EXPECT_EQ(s.program.logic(2).title, "L2");
    EXPECT_EQ(editLogicTitle(s, 9, prompts, language), ViewUpdate{});
}

} // namespace
} // namespace velmora::ladder
