#include "core/project/settings.h"

#include "core/text/line_file.h"

#include <gtest/gtest.h>

#include <set>
#include <unistd.h>

namespace velmora {
namespace {

namespace fs = std::filesystem;

class SettingsFile : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("velmora-settings-" + std::to_string(::getpid()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }
    fs::path file() const { return folder_ / "configvlm.cfg"; }
    void write(const std::string& bytes) { ASSERT_TRUE(text::writeFileAtomic(file(), bytes)); }
    std::string bytes() const { return text::readFileBytes(file()).value_or("<none>"); }

    fs::path folder_;
};

// A table naming `count` languages, as read at start-up before the settings.
Language languages(int count) {
    Language lang;
    lang.table.rows = {{"0", ""}};
    for (int k = 0; k < count; ++k) {
        lang.table.rows[0].push_back("L" + std::to_string(k));
    }
    return lang;
}

const std::string kFullFile = "MODO EXIBICAO = B\r\n"
                              "PORTA DE COM = /dev/ttyUSB0\r\n"
                              "TEMPOENTREBYTES = 250\r\n"
                              "IDIOMA = 1\r\n"
                              "PROJETO 04 = /home/ana/projetos/d.vlp\r\n"
                              "PROJETO 03 = /home/ana/projetos/c.vlp\r\n"
                              "PROJETO 02 = /home/ana/projetos/b.vlp\r\n"
                              "PROJETO 01 = /home/ana/projetos/a.vlp\r\n"
                              "MANTER LADDER = TRUE\r\n";

TEST_F(SettingsFile, ReadWriteReadGivesTheSameFile) {
    for (const std::string& original :
         {kFullFile, std::string("\r\nPORTA DE COM = \r\nTEMPOENTREBYTES = -3\r\nIDIOMA = 0\r\n"
                                 "PROJETO 01 = /p/x.vlp\r\nMANTER LADDER = FALSE\r\n")}) {
        write(original);
        Settings settings;
        Language lang = languages(2);
        const auto read = LeConfiguracoes(file(), settings, lang);
        EXPECT_TRUE(read.found);
        EXPECT_TRUE(read.skippedLines.empty());
        ASSERT_TRUE(GravaConfiguracoes(file(), settings, lang.current));
        EXPECT_EQ(bytes(), original);
        Settings again;
        Language lang2 = languages(2);
        LeConfiguracoes(file(), again, lang2);
        EXPECT_EQ(again.recentes, settings.recentes);
        EXPECT_EQ(again.porta, settings.porta);
        EXPECT_EQ(lang2.current, lang.current);
    }
}

TEST_F(SettingsFile, ReadsEverySetting) {
    write(kFullFile);
    Settings s;
    Language lang = languages(2);
    LeConfiguracoes(file(), s, lang);
    EXPECT_EQ(s.modoExibicao, DisplayMode::SimboloEndereco);
    EXPECT_EQ(s.porta, "/dev/ttyUSB0");
    EXPECT_EQ(s.tempoEntreBytes, 250);
    EXPECT_EQ(lang.current, 1);
    EXPECT_TRUE(s.manterLadder);
    EXPECT_EQ(s.recentes[0], "/home/ana/projetos/a.vlp");
    EXPECT_EQ(s.recentes[3], "/home/ana/projetos/d.vlp");
    // Start-up inserts each line's entry on top, the placeholder stays below them.
    ASSERT_EQ(s.recentMenu.size(), 5u);
    EXPECT_EQ(s.recentMenu[0].path, "/home/ana/projetos/a.vlp");
    EXPECT_EQ(s.recentMenu[0].caption, "/home/.../projetos/a.vlp");
    EXPECT_EQ(s.recentMenu[3].path, "/home/ana/projetos/d.vlp");
    EXPECT_EQ(s.recentMenu[4], recentPlaceholder());
}

TEST_F(SettingsFile, MissingFileKeepsTheValuesWhenNeverSet) {
    Settings s;
    Language lang = languages(2);
    EXPECT_FALSE(LeConfiguracoes(file(), s, lang).found);
    EXPECT_EQ(s.modoExibicao, DisplayMode::None);
    EXPECT_EQ(s.porta, "");
    EXPECT_EQ(s.tempoEntreBytes, 0);
    EXPECT_EQ(lang.current, 0);
    EXPECT_FALSE(s.manterLadder);
    EXPECT_EQ(s.recentMenu, std::vector<RecentMenuItem>{recentPlaceholder()});
    EXPECT_TRUE(displayModeChecks(s.modoExibicao).miExibeEndereco);
    ASSERT_TRUE(GravaConfiguracoes(file(), s, lang.current));
    EXPECT_EQ(bytes(), "\r\nPORTA DE COM = \r\nTEMPOENTREBYTES = 0\r\nIDIOMA = 0\r\n"
                       "MANTER LADDER = FALSE\r\n");
}

struct LineCase {
    const char* what;
    std::vector<std::string> lines;
    DisplayMode mode;
    std::string port;
    int time;
    int language;
    bool keep;
    std::vector<int> skipped;
};

class ParseLines : public ::testing::TestWithParam<LineCase> {};

TEST_P(ParseLines, AppliesWhatItUnderstandsAndGoesOn) {
    const auto& c = GetParam();
    Settings s;
    Language lang = languages(3);
    const auto result = parseSettings(c.lines, s, lang);
    EXPECT_EQ(s.modoExibicao, c.mode) << c.what;
    EXPECT_EQ(s.porta, c.port) << c.what;
    EXPECT_EQ(s.tempoEntreBytes, c.time) << c.what;
    EXPECT_EQ(lang.current, c.language) << c.what;
    EXPECT_EQ(s.manterLadder, c.keep) << c.what;
    EXPECT_EQ(result.skippedLines, c.skipped) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseLines,
    ::testing::Values(
        LineCase{"only the language", {"IDIOMA = 1"}, DisplayMode::None, "", 0, 1, false, {}},
        LineCase{"modes", {"MODO EXIBICAO = S"}, DisplayMode::Simbolo, "", 0, 0, false, {}},
        LineCase{"unknown mode changes nothing",
                 {"MODO EXIBICAO = E", "MODO EXIBICAO = X"},
                 DisplayMode::Endereco,
                 "",
                 0,
                 0,
                 false,
                 {}},
        LineCase{"lower-case TRUE leaves the button up",
                 {"MANTER LADDER = true"},
                 DisplayMode::None,
                 "",
                 0,
                 0,
                 false,
                 {}},
        LineCase{"bad numbers are skipped, reading goes on",
                 {"TEMPOENTREBYTES = 12x", "IDIOMA = ", "TEMPOENTREBYTES = 99999999999",
                  "PORTA DE COM = SIMULADOR", "IDIOMA = 2"},
                 DisplayMode::None,
                 "SIMULADOR",
                 0,
                 2,
                 false,
                 {1, 2, 3}},
        LineCase{"language index naming no language",
                 {"IDIOMA = 3", "IDIOMA = -1"},
                 DisplayMode::None,
                 "",
                 0,
                 0,
                 false,
                 {1, 2}},
        LineCase{"lines without = and = first",
                 {"", "garbage", "=", "= 5", "IDIOMA=1", "TEMPOENTREBYTES = 7"},
                 DisplayMode::None,
                 "",
                 7,
                 0,
                 false,
                 {2}},
        LineCase{"value cut short", {"PORTA DE COM ="}, DisplayMode::None, "", 0, 0, false, {}},
        LineCase{"unknown keys ignored",
                 {"COR = AZUL", "MANTER LADDER = TRUE"},
                 DisplayMode::None,
                 "",
                 0,
                 0,
                 true,
                 {}}));

TEST(Settings, PortHoldsADevicePathOfAHundredCharacters) {
    Settings s;
    Language lang;
    const std::string longPath = "/dev/serial/by-id/" + std::string(120, 'x');
    parseSettings({"PORTA DE COM = " + longPath}, s, lang);
    EXPECT_EQ(s.porta.size(), 100u);
    EXPECT_EQ(s.porta, longPath.substr(0, 100));
}

TEST(Settings, LanguageIndexIsTakenAsItIsWhenTheTableWasNotRead) {
    Settings s;
    Language lang;
    parseSettings({"IDIOMA = 4"}, s, lang);
    EXPECT_EQ(lang.current, 4);
}

TEST(Settings, BadLineDoesNotLoseTheRecentList) {
    Settings s;
    Language lang = languages(1);
    parseSettings({"IDIOMA = x", "PROJETO 01 = /p/a.vlp"}, s, lang);
    EXPECT_EQ(s.recentes[0], "/p/a.vlp");
    const auto lines = formatSettings(s, lang.current);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "PROJETO 01 = /p/a.vlp"), lines.end());
}

TEST(Settings, WriterKeepsEveryValueOnItsOwnLine) {
    Settings s;
    s.porta = "/dev/tty\nIDIOMA = 9";
    s.recentes[0] = "/p/a\nb.vlp";
    s.recentes[1] = "/p/ok.vlp";
    const auto lines = formatSettings(s, 0);
    EXPECT_EQ(lines, (std::vector<std::string>{"", "PORTA DE COM = /dev/tty", "TEMPOENTREBYTES = 0",
                                               "IDIOMA = 0", "PROJETO 02 = /p/ok.vlp",
                                               "MANTER LADDER = FALSE"}));
}

TEST(Settings, DisplayModeTextsAndChecks) {
    struct Case {
        DisplayMode mode;
        std::string_view text;
        bool endereco, simbolo, ambos;
    };
    const std::vector<Case> cases = {
        {DisplayMode::None, "", true, false, false},
        {DisplayMode::Endereco, "ENDERECO", true, false, false},
        {DisplayMode::Simbolo, "SIMBOLO", false, true, false},
        {DisplayMode::SimboloEndereco, "SIMBOLOENDERECO", false, false, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(displayModeText(c.mode), c.text);
        const auto checks = displayModeChecks(c.mode);
        EXPECT_EQ(checks.miExibeEndereco, c.endereco) << c.text;
        EXPECT_EQ(checks.miExibeSimbolo, c.simbolo) << c.text;
        EXPECT_EQ(checks.miEnderecoSimbolo, c.ambos) << c.text;
    }
}

TEST(RecentProjects, ListUpdates) {
    struct Case {
        const char* what;
        std::vector<std::string> saves;
        std::array<std::string, 4> entries;
    };
    const std::vector<Case> cases = {
        {"A, B, A gives A, B",
         {"/p/A.vlp", "/p/B.vlp", "/p/A.vlp"},
         {"/p/A.vlp", "/p/B.vlp", "", ""}},
        {"five saves keep four",
         {"/p/1.vlp", "/p/2.vlp", "/p/3.vlp", "/p/4.vlp", "/p/5.vlp"},
         {"/p/5.vlp", "/p/4.vlp", "/p/3.vlp", "/p/2.vlp"}},
        {"the oldest moves to the top",
         {"/p/1", "/p/2", "/p/3", "/p/4", "/p/1"},
         {"/p/1", "/p/4", "/p/3", "/p/2"}},
        {"same twice", {"/p/A", "/p/A"}, {"/p/A", "", "", ""}},
    };
    for (const auto& c : cases) {
        Settings s;
        for (const auto& p : c.saves) {
            EXPECT_TRUE(AtualizaRecentes(s, p, [](const std::string&) { return true; }));
        }
        EXPECT_EQ(s.recentes, c.entries) << c.what;
    }
}

TEST(RecentProjects, MenuShowsExistingEntriesMostRecentFirst) {
    Settings s;
    Language lang;
    parseSettings({"PROJETO 02 = /p/gone.vlp", "PROJETO 01 = /p/a.vlp"}, s, lang);
    ASSERT_EQ(s.recentMenu.size(), 3u); // start-up does not look at the files
    const std::set<std::string> present = {"/p/a.vlp", "/p/Fabrica/Linha2/Maquina/b.vlp"};
    const auto exists = [&](const std::string& p) { return present.count(p) > 0; };
    AtualizaRecentes(s, "/p/Fabrica/Linha2/Maquina/b.vlp", exists);
    EXPECT_EQ(s.recentes[2], "/p/gone.vlp");
    ASSERT_EQ(s.recentMenu.size(), 2u);
    EXPECT_EQ(s.recentMenu[0].caption, EncurtaCaminho("/p/Fabrica/Linha2/Maquina/b.vlp"));
    EXPECT_EQ(s.recentMenu[0].path, "/p/Fabrica/Linha2/Maquina/b.vlp");
    EXPECT_EQ(s.recentMenu[1].caption, "/.../a.vlp");
    EXPECT_EQ(s.recentMenu[1].path, "/p/a.vlp");
    EXPECT_FALSE(s.recentMenu[0].placeholder || s.recentMenu[1].placeholder);
}

TEST(RecentProjects, PathsThatCannotBeStoredAreRefused) {
    Settings s;
    const auto any = [](const std::string&) { return true; };
    EXPECT_FALSE(AtualizaRecentes(s, "", any));
    EXPECT_FALSE(AtualizaRecentes(s, "/p/a\nb.vlp", any));
    EXPECT_EQ(s.recentes, (std::array<std::string, 4>{}));
    EXPECT_TRUE(AtualizaRecentes(s, "/p/" + std::string(150, 'x'), any));
    EXPECT_EQ(s.recentes[0].size(), 100u);
}

TEST(EncurtaCaminho, ShortensTheMiddleFolders) {
    struct Case {
        std::string path, caption;
    };
    const std::vector<Case> cases = {
        {"D:/Projetos/Fabrica/Linha2/Maquina/prog.vlp", "D:/Projetos/Fabrica/.../Maquina/prog.vlp"},
        {"D:/a/b/prog.vlp", "D:/a/.../b/prog.vlp"},
        {"D:/prog.vlp", "D:/.../prog.vlp"},
        {"/home/ana/projetos/fabrica/linha2/maquina/prog.vlp",
         "/home/ana/projetos/.../linha2/maquina/prog.vlp"},
        {"/x.vlp", "/.../x.vlp"},
        {"prog.vlp", "prog.vlp"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EncurtaCaminho(c.path), c.caption) << c.path;
    }
    EXPECT_EQ(EncurtaCaminho("D:/Projetos/Fabrica/Linha2/Maquina/prog.vlp").size(), 40u);
}

} // namespace
} // namespace velmora
