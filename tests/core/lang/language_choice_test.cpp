#include "core/lang/language_choice.h"

#include "support/scripted_prompts.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

using Answer = Prompts::Answer;

Language twoLanguages() {
    Language lang;
    lang.table.rows = {{"0", "", "Pt", "En"}};
    for (int r = 1; r <= 441; ++r) {
        lang.table.rows.push_back(
            {std::to_string(r), "", "pt" + std::to_string(r), "en" + std::to_string(r)});
    }
    return lang;
}

TEST(ChooseLanguage, AsksOnlyWhenTheSelectionDiffers) {
    struct Case {
        const char* what;
        int selection;
        std::optional<Answer> answer; // nullopt: no question expected
        bool changed;
        int currentAfter;
    };
    const std::vector<Case> cases = {
        {"same language", 0, std::nullopt, false, 0},
        {"confirmed", 1, Answer::Yes, true, 1},
        {"declined", 1, Answer::No, false, 0},
        {"no such language", 2, std::nullopt, false, 0},
        {"nothing selected", -1, std::nullopt, false, 0},
    };
    for (const auto& c : cases) {
        Language lang = twoLanguages();
        test::ScriptedPrompts prompts;
        if (c.answer) {
            prompts.queueAnswer(*c.answer);
        }
        EXPECT_EQ(chooseLanguage(lang, c.selection, prompts), c.changed) << c.what;
        EXPECT_EQ(lang.current, c.currentAfter) << c.what;
        if (c.answer) {
            ASSERT_EQ(prompts.shown.size(), 1u) << c.what;
            EXPECT_EQ(prompts.shown[0].text, "pt441");
            EXPECT_EQ(prompts.shown[0].buttons, Prompts::Buttons::YesNo);
        } else {
            EXPECT_TRUE(prompts.shown.empty()) << c.what;
        }
    }
}

TEST(AccessCode, OpensOnTheFifteenLettersWhateverCameBefore) {
    struct Case {
        const char* what;
        std::string keys;
        int opens; // how many times the code completed
    };
    const std::vector<Case> cases = {
        {"exact", "TRVMKQZWXDFGBJN", 1},
        {"lower case", "trvmkqzwxdfgbjn", 1},
        {"noise before", "abcTRVMKQZWXDFGBJN", 1},
        {"restarted by T", "TRVMKTRVMKQZWXDFGBJN", 1},
        {"one wrong letter", "TRVMKQZWXDFGBJM", 0},
        {"noise without T before", "XTRVMKQZWXDFGBJN", 1},
        {"extra letter in the middle", "TRVMKQZWAXDFGBJN", 0},
        {"twice", "TRVMKQZWXDFGBJNTRVMKQZWXDFGBJN", 2},
        {"long noise then code", std::string(200, 'Q') + "TRVMKQZWXDFGBJN", 1},
    };
    for (const auto& c : cases) {
        AccessCodeWatcher watcher;
        int opens = 0;
        for (char k : c.keys) {
            opens += watcher.feed(k) ? 1 : 0;
        }
        EXPECT_EQ(opens, c.opens) << c.what;
        EXPECT_LE(watcher.typed().size(), AccessCodeWatcher::kCode.size());
    }
}

} // namespace
} // namespace velmora
