#include "core/lang/language_editor.h"

#include "core/lang/language_file.h"
#include "support/scripted_prompts.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace velmora {
namespace {

using Answer = Prompts::Answer;
using Kind = Prompts::Kind;

// A header with `names`, then `messages` rows whose texts are "<language>-<row>".
Language makeLanguage(const std::vector<std::string>& names, int messages) {
    Language lang;
    std::vector<std::string> header = {"0", ""};
    header.insert(header.end(), names.begin(), names.end());
    lang.table.rows.push_back(header);
    for (int r = 1; r <= messages; ++r) {
        std::vector<std::string> row = {std::to_string(r), "where " + std::to_string(r)};
        for (const auto& n : names) {
            row.push_back(n + "-" + std::to_string(r));
        }
        lang.table.rows.push_back(row);
    }
    return lang;
}

TEST(LanguageEditor, ShowSelectsTheCurrentLanguageAndBuildsTheGrid) {
    Language lang = makeLanguage({"Pt", "En", "Es"}, 3);
    lang.current = 2;
    LanguageEditor editor(lang);
    editor.show();
    EXPECT_EQ(lang.edited, 2);
    EXPECT_EQ(lang.comparison, 2);
    editor.selectComparison(1);
    const auto& g = editor.grid();
    ASSERT_EQ(g.size(), 4u);
    EXPECT_EQ(g[0], (std::vector<std::string>{"ID", "Local/Descri\xE7\xE3o", "Tradu\xE7\xE3o - Es",
                                              "Compara\xE7\xE3o - En"}));
    EXPECT_EQ(g[2], (std::vector<std::string>{"2", "where 2", "Es-2", "En-2"}));
}

TEST(LanguageEditor, OnlyDescriptionAndTranslationOfMessageRowsAreEditable) {
    struct Case {
        int row, column;
        bool editable;
    };
    const std::vector<Case> cases = {{0, 1, false}, {0, 2, false}, {1, 0, false}, {1, 1, true},
                                     {1, 2, true},  {1, 3, false}, {3, 2, true},  {-1, 2, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(LanguageEditor::isEditable(c.row, c.column), c.editable)
            << c.row << "," << c.column;
    }
}

TEST(LanguageEditor, TypedCellsGoBackToTheEditedLanguageOnly) {
    Language lang = makeLanguage({"Pt", "En"}, 2);
    LanguageEditor editor(lang);
    editor.show();
    editor.selectComparison(1);
    test::ScriptedPrompts prompts;
    EXPECT_TRUE(editor.setCell(1, 1, "new place", prompts));
    EXPECT_TRUE(editor.setCell(1, 2, "novo", prompts));
    EXPECT_FALSE(editor.setCell(1, 3, "compare", prompts));
    EXPECT_FALSE(editor.setCell(0, 2, "header", prompts));
    EXPECT_EQ(lang.table.rows[1][2], "Pt-1"); // not before a command takes the grid back
    editor.selectEdited(1);                   // grid back, then the new index
    EXPECT_EQ(lang.table.rows[1], (std::vector<std::string>{"1", "new place", "novo", "En-1"}));
    EXPECT_EQ(editor.grid()[1][2], "En-1");
    EXPECT_TRUE(prompts.shown.empty());
}

TEST(LanguageEditor, RefusesSemicolonAndControlCharactersWhereTextsAreTyped) {
    Language lang = makeLanguage({"Pt"}, 2);
    LanguageEditor editor(lang);
    editor.show();
    for (const std::string bad : {"a;b", "line\r\nbreak", "tab\there", ";"}) {
        test::ScriptedPrompts prompts;
        EXPECT_FALSE(editor.setCell(2, 2, bad, prompts)) << bad;
        ASSERT_EQ(prompts.shown.size(), 1u);
        EXPECT_EQ(prompts.shown[0].kind, Kind::Error);
    }
    test::ScriptedPrompts prompts;
    EXPECT_TRUE(editor.setCell(2, 2, "Opera\xE7\xE3o [0] ok", prompts));
    editor.takeGridBack();
    EXPECT_EQ(lang.table.rows[2][2], "Opera\xE7\xE3o [0] ok");

    // The same rule holds for language names.
    prompts.queueInput(std::string("Bad;Name"));
    EXPECT_FALSE(editor.newLanguage(prompts));
    prompts.queueInput(std::string("Bad\nName"));
    EXPECT_FALSE(editor.renameLanguage(prompts));
    EXPECT_EQ(lang.table.languageCount(), 1);
    EXPECT_EQ(lang.table.languageName(0), "Pt");
    EXPECT_EQ(prompts.shown.size(), 2u);
}

TEST(LanguageEditor, NewLanguageAddsAnEmptyColumnUnlessTheNameExists) {
    Language lang = makeLanguage({"Pt", "En"}, 2);
    LanguageEditor editor(lang);
    editor.show();
    test::ScriptedPrompts prompts;
    prompts.queueInput(std::string("En"));
    EXPECT_FALSE(editor.newLanguage(prompts));
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].kind, Kind::Error);
    EXPECT_EQ(prompts.shown[0].text, "Idioma j\xE1 cadastrado");
    EXPECT_EQ(prompts.inputs[0].caption, "Inser\xE7\xE3o de Idioma");
    EXPECT_EQ(prompts.inputs[0].prompt, "Digite o nome do novo Idioma");

    prompts.queueInput(std::nullopt); // cancelled
    EXPECT_FALSE(editor.newLanguage(prompts));
    prompts.queueInput(std::string("Es"));
    EXPECT_TRUE(editor.newLanguage(prompts));
    EXPECT_EQ(lang.table.languageCount(), 3);
    EXPECT_EQ(lang.table.rows[0][4], "Es");
    for (std::size_t r = 1; r < lang.table.rows.size(); ++r) {
        EXPECT_EQ(lang.table.rows[r].size(), 5u);
        EXPECT_EQ(lang.table.rows[r][4], "");
    }
    prompts.queueInput(std::string("")); // an empty answer is a name too
    EXPECT_TRUE(editor.newLanguage(prompts));
    EXPECT_EQ(lang.table.languageCount(), 4);
}

TEST(LanguageEditor, DeletingTheLastLanguageIsRefused) {
    Language lang = makeLanguage({"Pt"}, 2);
    LanguageEditor editor(lang);
    editor.show();
    test::ScriptedPrompts prompts;
    EXPECT_FALSE(editor.deleteLanguage(prompts));
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].kind, Kind::Information);
    EXPECT_EQ(prompts.shown[0].text,
              "N\xE3o \xE9 permitido excluir um idioma quando s\xF3 existe ele");
    EXPECT_EQ(lang.table.languageCount(), 1);
}

TEST(LanguageEditor, DeletingMovesEveryIndexToALanguageThatExists) {
    struct Case {
        const char* what;
        int edited, comparison, current;
        Answer answer;
        std::vector<std::string> names; // after
        int editedAfter, comparisonAfter, currentAfter;
    };
    const std::vector<Case> cases = {
        {"first of two leaves the second", 0, 0, 0, Answer::Yes, {"En"}, 0, 0, 0},
        {"the current, last one", 2, 0, 2, Answer::Yes, {"Pt", "En"}, 1, 0, 1},
        {"one before the current", 0, 1, 2, Answer::Yes, {"En", "Es"}, 0, 0, 1},
        {"the middle one", 1, 2, 1, Answer::Yes, {"Pt", "Es"}, 0, 1, 0},
        {"answered No", 1, 2, 1, Answer::No, {"Pt", "En", "Es"}, 1, 2, 1},
    };
    for (const auto& c : cases) {
        Language lang = c.names.size() == 1 ? makeLanguage({"Pt", "En"}, 2)
                                            : makeLanguage({"Pt", "En", "Es"}, 2);
        LanguageEditor editor(lang);
        lang.current = c.current;
        editor.show();
        editor.selectEdited(c.edited);
        editor.selectComparison(c.comparison);
        test::ScriptedPrompts prompts;
        prompts.queueAnswer(c.answer);
        const std::string name = lang.table.languageName(c.edited);
        EXPECT_EQ(editor.deleteLanguage(prompts), c.answer == Answer::Yes) << c.what;
        ASSERT_EQ(prompts.shown.size(), 1u) << c.what;
        EXPECT_EQ(prompts.shown[0].text, "Deseja realmente excluir o idioma " + name);
        EXPECT_EQ(editor.languageNames(), c.names) << c.what;
        EXPECT_EQ(lang.edited, c.editedAfter) << c.what;
        EXPECT_EQ(lang.comparison, c.comparisonAfter) << c.what;
        EXPECT_EQ(lang.current, c.currentAfter) << c.what;
        for (const auto& row : lang.table.rows) {
            EXPECT_EQ(row.size(), c.names.size() + 2) << c.what;
        }
        EXPECT_EQ(lang.text(1), c.names[static_cast<std::size_t>(c.currentAfter)] + "-1") << c.what;
    }
}

TEST(LanguageEditor, RenameRefusesAnyExistingNameTheCurrentOneIncluded) {
    Language lang = makeLanguage({"Pt", "En"}, 1);
    LanguageEditor editor(lang);
    editor.show();
    editor.selectEdited(1);
    test::ScriptedPrompts prompts;
    prompts.queueInput(std::string("En"));
    prompts.queueInput(std::string("Pt"));
    prompts.queueInput(std::string("English"));
    EXPECT_FALSE(editor.renameLanguage(prompts));
    EXPECT_FALSE(editor.renameLanguage(prompts));
    EXPECT_TRUE(editor.renameLanguage(prompts));
    EXPECT_EQ(editor.languageNames(), (std::vector<std::string>{"Pt", "English"}));
    ASSERT_EQ(prompts.inputs.size(), 3u);
    EXPECT_EQ(prompts.inputs[0].caption, "Edi\xE7\xE3o de edioma");
    EXPECT_EQ(prompts.inputs[0].prompt, "Edite o nome do idioma");
    EXPECT_EQ(prompts.inputs[0].defaultValue, "En");
    EXPECT_EQ(prompts.texts(), (std::vector<std::string>{"J\xE1 existe um idioma com este nome",
                                                         "J\xE1 existe um idioma com este nome"}));
    EXPECT_EQ(editor.grid()[0][2], "Tradu\xE7\xE3o - English");
}

TEST(LanguageEditor, NewPhraseReusesAnEmptiedRowBeforeAppending) {
    Language lang = makeLanguage({"Pt", "En"}, 40);
    LanguageEditor editor(lang);
    editor.show();
    test::ScriptedPrompts prompts;
    prompts.queueAnswer(Answer::Yes);
    ASSERT_TRUE(editor.deletePhrase(37, prompts));
    EXPECT_EQ(prompts.texts(), (std::vector<std::string>{"Deseja realmente apagar a linha 37"}));
    EXPECT_EQ(lang.table.rows[37], (std::vector<std::string>{"37", "", "", ""}));

    editor.newPhrase();
    EXPECT_EQ(editor.selectedRow(), 37);
    EXPECT_EQ(lang.table.rows.size(), 41u);

    // Typing into the emptied row fills it; the next new phrase appends row 41.
    ASSERT_TRUE(editor.setCell(37, 2, "again", prompts));
    editor.newPhrase();
    EXPECT_EQ(lang.table.rows[37][2], "again");
    ASSERT_EQ(lang.table.rows.size(), 42u);
    EXPECT_EQ(lang.table.rows[41], (std::vector<std::string>{"41", "", "", ""}));
    EXPECT_EQ(editor.selectedRow(), 41);
    EXPECT_EQ(editor.grid().size(), 42u);
}

TEST(LanguageEditor, DeletePhraseOnlyFromRowTwoAndKeepsTheNumber) {
    Language lang = makeLanguage({"Pt"}, 3);
    LanguageEditor editor(lang);
    editor.show();
    test::ScriptedPrompts prompts;
    EXPECT_FALSE(editor.deletePhrase(1, prompts));
    EXPECT_FALSE(editor.deletePhrase(0, prompts));
    EXPECT_FALSE(editor.deletePhrase(4, prompts));
    EXPECT_TRUE(prompts.shown.empty());
    prompts.queueAnswer(Answer::No);
    EXPECT_FALSE(editor.deletePhrase(2, prompts));
    EXPECT_EQ(lang.table.rows[2][2], "Pt-2");
    prompts.queueAnswer(Answer::Yes);
    EXPECT_TRUE(editor.deletePhrase(3, prompts));
    EXPECT_EQ(lang.table.rows.size(), 4u);
    EXPECT_EQ(lang.table.rows[3], (std::vector<std::string>{"3", "", ""}));
}

TEST(LanguageEditor, SaveTakesTheGridBackAndWritesTheFile) {
    const auto folder =
        std::filesystem::temp_directory_path() / ("velmora-editor-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    Language lang = makeLanguage({"Pt", "En"}, 2);
    LanguageEditor editor(lang);
    editor.show();
    test::ScriptedPrompts prompts;
    ASSERT_TRUE(editor.setCell(2, 2, "salvo", prompts));
    const auto file = folder / "ConfigIdiomas.txt";
    EXPECT_TRUE(editor.save(file, prompts));
    LanguageTable back;
    ASSERT_TRUE(CarregaIdiomas(file, back));
    EXPECT_EQ(back.rows, lang.table.rows);
    EXPECT_EQ(back.rows[2][2], "salvo");

    // A folder that does not exist: the failure is told, not hidden.
    EXPECT_FALSE(editor.save(folder / "missing" / "ConfigIdiomas.txt", prompts));
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].kind, Kind::Error);
    std::filesystem::remove_all(folder);
}

TEST(LanguageEditor, WorksOnATableThatWasNeverRead) {
    Language lang;
    LanguageEditor editor(lang);
    editor.show();
    test::ScriptedPrompts prompts;
    editor.newPhrase();
    EXPECT_FALSE(editor.deleteLanguage(prompts));
    prompts.queueInput(std::string("Pt"));
    EXPECT_TRUE(editor.newLanguage(prompts));
    editor.newPhrase();
    EXPECT_EQ(lang.table.rows,
              (std::vector<std::vector<std::string>>{{"", "", "Pt"}, {"1", "", ""}}));
}

} // namespace
} // namespace velmora
