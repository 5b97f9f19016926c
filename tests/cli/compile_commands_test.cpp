// Golden outputs of il, expressions, code and encode, worked out by hand for the example
// project compile_example.vlp: contacts in series and in parallel, a coil group, a TON with a
// contact after it, a CUP with CU and R rows, a byte comparison in series with contacts, an
// arithmetic box and a word move; addresses from the shipped memory map.
#include "cli/cli.h"
#include "run_cli.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace velmora::cli {
namespace {

namespace fs = std::filesystem;

using test::run;

const std::string kMap = std::string(VELMORA_DATA_DIR) + "/Enderecos.txt";
const std::string kExample = std::string(VELMORA_CLI_TEST_DIR) + "/compile_example.vlp";

const char* const kIl = "LD   %I0.0\n"
                        "AND  %I0.1\n"
                        "ST   %Q0.0\n"
                        "LD   %I0.2\n"
                        "OR   %I0.3\n"
                        "ST   %Q0.1\n"
                        "LD   %I0.4\n"
                        "ST   %Q0.2\n"
                        "STN  %Q0.3\n"
                        "LD   %I0.5\n"
                        "ST   %T1.E\n"
                        "LD   %T1.Q\n"
                        "AND  %I0.6\n"
                        "ST   %Q0.4\n"
                        "LD   %I0.7\n"
                        "ST   %C2.CU\n"
                        "LD   %C2.Q\n"
                        "ST   %Q0.5\n"
                        "LD   %I1.0\n"
                        "ST   %C2.R\n"
                        "LD   %M1\n"
                        "AND  [%MB1>B%MB2]\n"
                        "ANDN %M2\n"
                        "ST   %Q0.6\n"
                        "LD   %I1.1\n"
                        "SMB  (%MB3,5,%MB4)\n"
                        "LD   %I1.2\n"
                        "MWW  (%MW1,%MW2)\n";

const char* const kCode = "AND(%I0.0,%I0.1,%Q0.0)\t02 00 B0 01 B1 01 C0 01\t8\n"
                          "OR(%I0.2,%I0.3,%Q0.1)\t03 00 B2 01 B3 01 C1 01\t8\n"
                          "AND(%I0.4,1,B0)\t02 00 B4 01 01 00 10 00\t8\n"
                          "AND(B0,1,%Q0.2)\t02 00 10 00 01 00 C2 01\t8\n"
                          "NOT(B0,%Q0.3)\t01 00 10 00 C3 01\t6\n"
                          "TIMERON(%I0.5,1,B1)\t0A 00 B5 01 01 00 11 00\t7\n"
                          "AND(B1,%I0.6,%Q0.4)\t02 00 11 00 B6 01 C4 01\t8\n"
                          "COUNTERUP(%I0.7,%I1.0,2,%Q0.5)\t0D 00 B7 01 B8 01 02 00 C5 01\t9\n"
                          "MAIOR_B(%MB1,%MB2,B2)\t26 00 41 04 42 04 12 00\t8\n"
                          "AND(%M1,B2,B3)\t02 00 41 02 12 00 13 00\t8\n"
                          "NOT(%M2,B4)\t01 00 42 02 14 00\t6\n"
                          "AND(B3,B4,%Q0.6)\t02 00 13 00 14 00 C6 01\t8\n"
                          "SMB(%I1.1,%MB3,5,%MB4)\t18 00 B9 01 43 04 05 00 44 04\t10\n"
                          "MWW(%I1.2,%MW1,%MW2)\t3F 00 BA 01 42 0F 44 0F\t8\n"
                          "EP\tFF 00\t1\n"
                          "size 111\n"
                          "checksum 91\n";

std::string expressionsOf(const std::string& code) {
    std::istringstream in(code);
    std::string line, out;
    while (std::getline(in, line)) {
        if (line.rfind("size ", 0) != 0 && line.rfind("checksum ", 0) != 0) {
            out += line.substr(0, line.find('\t')) + "\n";
        }
    }
    return out;
}

TEST(CompileCommands, InstructionListOfTheExample) {
    const auto r = run({"il", kExample, "--map", kMap});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, kIl);
}

TEST(CompileCommands, ExpressionsOfTheExample) {
    const auto r = run({"expressions", kExample, "--map", kMap});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, expressionsOf(kCode));
}

TEST(CompileCommands, CodeOfTheExample) {
    const auto r = run({"code", kExample, "--map", kMap});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, kCode);
    EXPECT_EQ(r.err, "");
}

TEST(CompileCommands, EncodeLines) {
    const auto r = run({"encode", "AND(%I0.0,%I0.1,B0)", "EP", "BO(B3)", "--map", kMap});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "AND(%I0.0,%I0.1,B0)\t02 00 B0 01 B1 01 10 00\t8\n"
                     "EP\tFF 00\t1\n"
                     "BO(B3)\t1A 13 00\t3\n");
}

TEST(CompileCommands, EncodeReportsWhatHasNoCodeOrNoAddress) {
    const auto r = run({"encode", "TIMERB(1,0)", "AND(%I0.0,1,%Q9.0)", "--map", kMap});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "TIMERB(1,0)\t\t0\nAND(%I0.0,1,%Q9.0)\t02 00 B0 01 01 00 00 00\t8\n");
    EXPECT_NE(r.err.find("Componente n\xC3\xA3o Achado"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("%Q9.0 fora de Faixa"), std::string::npos) << r.err;
}

class CompileErrors : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "velmora-compile-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir = pattern;
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string project(const std::vector<std::string>& ladder) {
        const fs::path p = dir / "p.vlp";
        std::ofstream f(p, std::ios::binary);
        f << "#\r\n#CONFIGGERAL\r\n#\r\n#LADDER\r\n";
        for (const auto& l : ladder) {
            f << l << "\r\n";
        }
        f << "00198P\r\n00198P\r\n#\r\n#IHM\r\n#\r\n#TABSIMB\r\n#\r\n#TABSTR\r\n#\r\n#TABREC\r\n"
             "#\r\n#TABCOMP\r\n#\r\n";
        return p.string();
    }
    fs::path dir;
};

TEST_F(CompileErrors, AnOutOfRangeOperandFailsTheCompile) {
    const std::string p =
        project({"0010001CNA1001010#%I0.0", "0010003CRT1001000", "0010005CRT1001000",
                 "0010007CRT1001000", "0010009CRT1001000", "0010011CRT1001000", "0010013CRT1001000",
                 "0010015CRT1001000", "0010017CRT1001000", "0010019BOB1001000#%M999"});
    const auto r = run({"code", p, "--map", kMap});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("L\xC3\xB3gica 001"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("%M999 fora de Faixa"), std::string::npos) << r.err;
}

TEST_F(CompileErrors, ALadderJumpIsReportedWithItsLogic) {
    const std::string p =
        project({"0010001CNA1001010#%I0.0", "0010003CRT1001000", "0010005CRT1001000",
                 "0010007CRT1001000", "0010009CRT1001000", "0010011CRT1001000", "0010013CRT1001000",
                 "0010015JMP1001000#1", "0010017JMP2001000"});
    const auto r = run({"expressions", p, "--map", kMap});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("001"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("JMP"), std::string::npos) << r.err;
}

TEST(CompileCommands, MissingProjectIsAnError) {
    const auto r = run({"code", "/nonexistent/x.vlp", "--map", kMap});
    EXPECT_EQ(r.status, 2);
    EXPECT_FALSE(r.err.empty());
}

} // namespace
} // namespace velmora::cli
