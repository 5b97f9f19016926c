#include "core/session/session.h"

#include "core/operands/operand_limits.h"
#include "core/text/line_file.h"
#include "core/workspace.h"
#include "support/scripted_prompts.h"

#include <gtest/gtest.h>

#include <fstream>
#include <unistd.h>

namespace velmora {
namespace {

namespace fs = std::filesystem;

class SessionTest : public ::testing::Test {
protected:
    void SetUp() override {
        ws.home.path =
            fs::temp_directory_path() / ("velmora-session-" + std::to_string(::getpid()));
        fs::remove_all(ws.home.path);
        fs::create_directories(ws.home.path);
    }
    void TearDown() override { fs::remove_all(ws.home.path); }
    Workspace ws;
    test::ScriptedPrompts prompts;
};

TEST_F(SessionTest, ReadsTheLanguageTableOfTheStartupFolder) {
    std::ofstream(ws.home.languageFile(), std::ios::binary)
        << "ID;Local;Portugu\xEAs;English;\r\n1;t;Um;One;\r\n";
    startSession(ws, prompts);
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ(ws.language.text(1), "Um");
}

TEST_F(SessionTest, AMissingLanguageTableIsReportedAndStartUpGoesOn) {
    startSession(ws, prompts);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, "Falha na abertura do arquivo de Idiomas");
    EXPECT_EQ(prompts.shown[0].kind, Prompts::Kind::Plain);
}

TEST_F(SessionTest, TheMemoryMapIsReadAtStartAndWrittenBackWhereItCameFrom) {
    fs::copy_file(fs::path(VELMORA_DATA_DIR) / "Enderecos.txt", ws.home.memoryMapFile());
    startSession(ws, prompts);
    EXPECT_EQ(ws.operands.map.source, ws.home.memoryMapFile());
    EXPECT_TRUE(OperandoNaFaixa(ws.operands.limits, "%MW12"));
    fs::remove(ws.home.memoryMapFile());
    endSession(ws, prompts);
    EXPECT_TRUE(fs::exists(ws.home.memoryMapFile()));
    EXPECT_EQ(text::readFileBytes(ws.home.memoryMapFile()),
              text::readFileBytes(fs::path(VELMORA_DATA_DIR) / "Enderecos.txt"));
}

TEST_F(SessionTest, SettingsAreReadAfterTheLanguageTableAndWrittenAtClose) {
    std::ofstream(ws.home.languageFile(), std::ios::binary)
        << "ID;Local;Portugu\xEAs;English;\r\n1;t;Um;One;\r\n";
    std::ofstream(ws.home.settingsFile(), std::ios::binary) << "\r\nIDIOMA = 1\r\n";
    startSession(ws, prompts);
    EXPECT_EQ(ws.language.current, 1);
    EXPECT_EQ(ws.language.text(1), "One");
    ws.settings.manterLadder = true;
    endSession(ws, prompts);
    Workspace again;
    again.home = ws.home;
    test::ScriptedPrompts quiet;
    startSession(again, quiet);
    EXPECT_TRUE(again.settings.manterLadder);
    EXPECT_EQ(again.language.current, 1);
}

TEST_F(SessionTest, AMapThatWasNeverReadIsNeverWritten) {
    startSession(ws, prompts);
    endSession(ws, prompts);
    EXPECT_FALSE(fs::exists(ws.home.memoryMapFile()));
}

} // namespace
} // namespace velmora
