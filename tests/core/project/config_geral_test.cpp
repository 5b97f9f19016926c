#include "core/project/config_geral.h"

#include "temp_dir.h"

#include "core/text/atomic_file.h"

#include <gtest/gtest.h>

namespace velmora::project {
namespace {

TEST(ConfigGeral, DefaultsOfANewProject) {
    const ConfigGeral c = configGeralPadrao();
    EXPECT_EQ(c.enderecoRS232, 1);
    EXPECT_EQ(c.protocoloRS232, 1);
    EXPECT_EQ(c.baudRS232, 8);
    EXPECT_EQ(c.enderecoRS485, 1);
    EXPECT_EQ(c.protocoloRS485, 2);
    EXPECT_EQ(c.baudRS485, 5);
    EXPECT_EQ(c.senhas, (std::array<std::string, 3>{"5182", "5182", "5182"}));
    EXPECT_EQ(c.envioParcial, 0);
    EXPECT_EQ(ConfigGeral{}.senhas[0], ""); // before any project: empty and zero
    EXPECT_EQ(ConfigGeral{}.baudRS232, 0);
}

TEST(LinhasConfigGeral, ThirteenLinesInOrder) {
    ConfigGeralSection v{"LD", "ZT640", configGeralPadrao()};
    v.config.baudRS485 = 7; // 57.600
    v.config.enderecoRS232 = 12;
    v.config.senhas[2] = "0042";
    v.config.envioParcial = 2;
    const std::vector<std::string> expected = {
        "TIPO = LD",
        "MODELO = ZT640",
        "VERSAO = 1",
        "ENDERECO CLP_RS232 = 12",
        "ENDERECO CLP_RS485 = 1",
        "TIPO PROTOCOLO_RS232 = 1",
        "TIPO PROTOCOLO_RS485 = 2",
        "BAUDRATE_RS232 = 8",
        "BAUDRATE_RS485 = 7",
        "SENHA 1 = 5182",
        "SENHA 2 = 5182",
        "SENHA 3 = 0042",
        "CONFIGENVIOPARTEMP = 2",
    };
    EXPECT_EQ(LinhasConfigGeral(v), expected);
}

TEST(LeConfigGeral, ReadsWhatTheWriterWrites) {
    ConfigGeralSection v{"ML", "ZT 320", configGeralPadrao()};
    v.config = {7, 2, 3, 99, 1, 6, {"1", "22", "333"}, 1};
    ConfigGeralSection back{"", "", ConfigGeral{}};
    LeConfigGeral(back, LinhasConfigGeral(v));
    EXPECT_EQ(back.tipo, v.tipo);
    EXPECT_EQ(back.modelo, v.modelo);
    EXPECT_EQ(back.config, v.config);
}

TEST(LeConfigGeral, BadLinesKeepTheValueAndReadingGoesOn) {
    struct Case {
        const char* line;
        ConfigGeral expected;
    };
    const ConfigGeral d = configGeralPadrao();
    auto with = [&](auto change) {
        ConfigGeral c = d;
        change(c);
        return c;
    };
    const std::vector<Case> cases = {
        {"ENDERECO CLP_RS232 = 5", with([](ConfigGeral& c) { c.enderecoRS232 = 5; })},
        {"ENDERECO CLP_RS232 = abc", d},
        {"ENDERECO CLP_RS232 = ", d},
        {"ENDERECO CLP_RS232 = 300", d}, // does not fit the byte it is kept in
        {"ENDERECO CLP_RS232 = -1", d},
        {"BAUDRATE_RS485 = 7", with([](ConfigGeral& c) { c.baudRS485 = 7; })},
        {"CONFIGENVIOPARTEMP = x1", d},
        {"CONFIGENVIOPARTEMP = 99999999999", d},
        {"SENHA 1 =", with([](ConfigGeral& c) { c.senhas[0] = ""; })},
        {"SENHA 2 = 123456", with([](ConfigGeral& c) { c.senhas[1] = "1234"; })},
        {"senha 3 = 1111", d}, // keys are compared exactly
        {"ARQUIVOS DE RECEITA = 3", d},
        {"VERSAO = 9", d},
        {"no equals sign", d},
        {"=", d},
        {"", d},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        ConfigGeralSection v{"LD", "ZT640", d};
        LeConfigGeral(v, {c.line, "TIPO PROTOCOLO_RS485 = 1"});
        ConfigGeral expected = c.expected;
        expected.protocoloRS485 = 1; // the line after the bad one is still read
        EXPECT_EQ(v.config, expected);
    }
}

TEST(LeConfigGeral, LowerCaseKindKeyIsIgnored) {
    ConfigGeralSection v{"LD", "ZT640", configGeralPadrao()};
    LeConfigGeral(v, {"tipo = ML", "MODELO = Pelta"});
    EXPECT_EQ(v.tipo, "LD");
    EXPECT_EQ(v.modelo, "Pelta");
}

TEST(LeArquivoConfig, OlderFileTakesConfigurationKeysOnly) {
    test::TempDir dir;
    const auto path = dir / "obraCFGPRJ.CFG";
    ASSERT_TRUE(text::writeLinesAtomic(
        path, {"TIPO = ML", "SENHA 1 = 9999", "BAUDRATE_RS232 = zz", "BAUDRATE_RS485 = 3"}));
    ConfigGeral c = configGeralPadrao();
    EXPECT_TRUE(LeArquivoConfig(path, c));
    ConfigGeral expected = configGeralPadrao();
    expected.senhas[0] = "9999";
    expected.baudRS485 = 3;
    EXPECT_EQ(c, expected);
    EXPECT_FALSE(LeArquivoConfig(dir / "missing.CFG", c));
    EXPECT_EQ(c, expected);
}

} // namespace
} // namespace velmora::project
