#include "core/lang/language_file.h"

#include "core/text/line_file.h"
#include "support/scripted_prompts.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace velmora {
namespace {

namespace fs = std::filesystem;

class TempFolder {
public:
    TempFolder() {
        path_ = fs::temp_directory_path() /
                ("velmora-lang-" + std::to_string(::getpid()) + "-" + std::to_string(next_++));
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~TempFolder() { fs::remove_all(path_); }
    const fs::path& path() const { return path_; }

private:
    static inline int next_ = 0;
    fs::path path_;
};

struct ParseCase {
    const char* what;
    std::string bytes;
    bool ok;
    int badLine;
    std::size_t rows;
};

class ParseLanguage : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseLanguage, AcceptsRowsOfEqualWidthOnly) {
    const auto& c = GetParam();
    LanguageTable table;
    table.rows = {{"untouched"}};
    const auto result = parseLanguageTable(c.bytes, table);
    EXPECT_EQ(result.ok, c.ok) << c.what << ": " << result.reason;
    EXPECT_EQ(result.badLine, c.badLine) << c.what;
    if (c.ok) {
        EXPECT_EQ(table.rows.size(), c.rows) << c.what;
    } else {
        ASSERT_EQ(table.rows.size(), 1u) << c.what;
        EXPECT_EQ(table.rows[0][0], "untouched") << c.what;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseLanguage,
    ::testing::Values(
        ParseCase{"writer's form", "0;;Pt;En;\r\n1;menu;Abrir;Open;\r\n", true, 0, 2},
        ParseCase{"no final ;", "0;;Pt;En\r\n1;menu;Abrir;Open\r\n", true, 0, 2},
        ParseCase{"empty fields count", "0;;Pt;\r\n1;;;\r\n2;x;;\r\n", true, 0, 3},
        ParseCase{"LF only, no final line end", "0;;Pt;\n1;a;b;", true, 0, 2},
        ParseCase{"trailing empty lines ignored", "0;;Pt;\r\n1;a;b;\r\n\r\n\r\n", true, 0, 2},
        ParseCase{"a row with an extra field", "0;;Pt;\r\n1;a;b;c;\r\n2;a;b;\r\n", false, 2, 0},
        ParseCase{"a short row", "0;;Pt;En;\r\n1;a;b;c;\r\n2;a;b;\r\n", false, 3, 0},
        ParseCase{"an empty line inside", "0;;Pt;\r\n\r\n2;a;b;\r\n", false, 2, 0},
        ParseCase{"empty file", "", false, 0, 0},
        ParseCase{"header without language", "0;x;\r\n1;y;\r\n", false, 0, 0}));

TEST(LanguageFile, WriteThenReadGivesTheSameTableAndBytes) {
    TempFolder folder;
    LanguageTable table;
    table.rows = {{"0", "", "Portugu\xEAs", "English"},
                  {"1", "menu Projeto", "&Projeto", "&Project"},
                  {"2", "", "", ""},
                  {"3", "box", "Arquivo [0] n\xE3o encontrado", "File [0] not found"}};
    const fs::path file = folder.path() / "ConfigIdiomas.txt";
    ASSERT_TRUE(GravaIdiomas(file, table));
    const auto bytes = text::readFileBytes(file);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(*bytes, "0;;Portugu\xEAs;English;\r\n1;menu Projeto;&Projeto;&Project;\r\n"
                      "2;;;;\r\n3;box;Arquivo [0] n\xE3o encontrado;File [0] not found;\r\n");
    LanguageTable back;
    ASSERT_TRUE(CarregaIdiomas(file, back));
    EXPECT_EQ(back.rows, table.rows);
}

TEST(LanguageFile, RefusesToWriteATextThatWouldBreakTheFile) {
    TempFolder folder;
    const fs::path file = folder.path() / "ConfigIdiomas.txt";
    LanguageTable good;
    good.rows = {{"0", "", "Pt"}, {"1", "", "ok"}};
    ASSERT_TRUE(GravaIdiomas(file, good));
    for (const std::string bad : {"a;b", "a\nb", "a\rb"}) {
        LanguageTable table = good;
        table.rows[1][2] = bad;
        const auto result = GravaIdiomas(file, table);
        EXPECT_FALSE(result) << bad;
        EXPECT_FALSE(result.error.empty());
    }
    LanguageTable back;
    ASSERT_TRUE(CarregaIdiomas(file, back));
    EXPECT_EQ(back.rows, good.rows);
}

TEST(LanguageFile, StartupShowsTheFailureAndGoesOn) {
    TempFolder folder;
    struct Case {
        const char* what;
        std::optional<std::string> bytes; // nullopt: no file
        bool ok;
    };
    const std::vector<Case> cases = {
        {"missing", std::nullopt, false},
        {"unequal rows", std::string("0;;Pt;\r\n1;a;\r\n"), false},
        {"good", std::string("0;;Pt;En;\r\n1;a;b;c;\r\n"), true},
    };
    for (const auto& c : cases) {
        const fs::path file = folder.path() / "ConfigIdiomas.txt";
        fs::remove(file);
        if (c.bytes) {
            ASSERT_TRUE(text::writeFileAtomic(file, *c.bytes));
        }
        Language lang;
        lang.edited = 3;
        lang.comparison = 2;
        test::ScriptedPrompts prompts;
        EXPECT_EQ(loadLanguageAtStartup(file, lang, prompts), c.ok) << c.what;
        EXPECT_EQ(lang.edited, 0);
        EXPECT_EQ(lang.comparison, 0);
        if (c.ok) {
            EXPECT_TRUE(prompts.shown.empty()) << c.what;
            EXPECT_EQ(lang.text(1), "b");
        } else {
            ASSERT_EQ(prompts.shown.size(), 1u) << c.what;
            EXPECT_EQ(prompts.shown[0].kind, Prompts::Kind::Plain);
            EXPECT_EQ(prompts.shown[0].text, "Falha na abertura do arquivo de Idiomas");
            EXPECT_EQ(lang.text(1), " [1 ] com Falha") << c.what;
        }
    }
}

} // namespace
} // namespace velmora
