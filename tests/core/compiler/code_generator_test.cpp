#include "core/compiler/code_generator.h"

#include "core/compiler/code_table.h"
#include "core/compiler/expression_text.h"

#include <gtest/gtest.h>

#include <set>

namespace velmora::compiler {
namespace {

using Bytes = std::vector<std::uint8_t>;

MemoryMap testMap() {
    MemoryMap m;
    m[MapKey::ADDINPUT] = 0x0100;
    m[MapKey::TAMINPUT] = 0x10;
    m[MapKey::ADDOUTPUT] = 0x0200;
    m[MapKey::TAMOUTPUT] = 0x10;
    m[MapKey::ADDBUFFER] = 0x0800;
    m[MapKey::TAMBUFFER] = 0x10;
    m[MapKey::ADDLINHA] = 0x0900;
    m[MapKey::TAMLINHA] = 0x100;
    m[MapKey::ADDBYTEMEMORY] = 0x0A00;
    m[MapKey::TAMBYTEMEMORY] = 0x100;
    m[MapKey::ADDWORDMEMORY] = 0x0C00;
    m[MapKey::TAMWORDMEMORY] = 0x200;
    m[MapKey::ADDLONGINT] = 0x0E00;
    m[MapKey::TAMLONGINT] = 0x100;
    m[MapKey::ADDBITMEMORY] = 0x1000;
    m[MapKey::TAMBITMEMORY] = 0x100;
    return m;
}

struct CodeCase {
    const char* line;
    Bytes bytes;
    int counted;
};

class Encode : public ::testing::TestWithParam<CodeCase> {};

TEST_P(Encode, BytesAndCount) {
    const MemoryMap map = testMap();
    CodeDiagnostics d;
    EXPECT_EQ(GeraCodigo(GetParam().line, map, &d), GetParam().bytes);
    EXPECT_EQ(countedBytes(GetParam().line), GetParam().counted);
    EXPECT_TRUE(d.empty()) << d.front().text;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, Encode,
    ::testing::Values(
        CodeCase{"AND(%I0.0,%I0.1,B0)", {0x02, 0x00, 0x00, 0x01, 0x01, 0x01, 0x00, 0x08}, 8},
        CodeCase{"MAIOR_W(%MW2,100,B1)", {41, 0, 0x04, 0x0C, 0x64, 0x00, 0x01, 0x08}, 8},
        CodeCase{"MAIOR_W(%MW2,%MW4,B1)", {39, 0, 0x04, 0x0C, 0x08, 0x0C, 0x01, 0x08}, 8},
        CodeCase{
            "MAIOR_L(%ML1,70001,B2)", {109, 0, 0x04, 0x0E, 0x71, 0x11, 0x01, 0x00, 0x02, 0x08}, 8},
        CodeCase{"MAIOR_L(%ML1,%ML2,B2)", {108, 0, 0x04, 0x0E, 0x08, 0x0E, 0x02, 0x08}, 8},
        CodeCase{"EP", {0xFF, 0x00}, 1}, CodeCase{"BO(B3)", {26, 0x03, 0x08}, 3},
        CodeCase{"EO(1)", {27, 0}, 1},
        CodeCase{"TIMERON(%I0.0,3,%Q0.0)", {10, 0, 0x00, 0x01, 3, 0, 0x00, 0x02}, 7},
        CodeCase{"JUMP(B0,4096)", {39, 0, 0x00, 0x08, 0x00, 0x10}, 5},
        CodeCase{"SMB(B0,%MB1,5,%MB2)", {24, 0, 0x00, 0x08, 0x01, 0x0A, 5, 0, 0x02, 0x0A}, 10},
        CodeCase{
            "SMB(B0,%MB1,%MB3,%MB2)", {22, 0, 0x00, 0x08, 0x01, 0x0A, 0x03, 0x0A, 0x02, 0x0A}, 10},
        CodeCase{"NOT(B0,%Q0.1)", {1, 0, 0x00, 0x08, 0x01, 0x02}, 6},
        CodeCase{"BP(%I0.2,L1,B0)", {16, 0, 0x02, 0x01, 0x01, 0x09, 0x00, 0x08}, 8},
        CodeCase{"MWW(B0,7,%MW2)", {65, 0, 0x00, 0x08, 7, 0, 0x04, 0x0C}, 8},
        CodeCase{
            "COUNTERUP(%I0.0,%I0.1,2,%Q0.0)", {13, 0, 0x00, 0x01, 0x01, 0x01, 2, 0, 0x00, 0x02}, 9},
        CodeCase{"CR(B4,B5,1,B6)", {82, 0, 0x04, 0x08, 0x05, 0x08, 1, 0, 0x06, 0x08}, 7},
        CodeCase{
            "PRP(B0,B1,B2,0,1,2,3,4)", {0, 0, 8, 1, 8, 2, 8, 0, 0, 1, 0, 2, 0, 3, 0, 4, 0}, 17},
        CodeCase{"TIMERB(3,1)", {}, 0}));

TEST(Encode, PidOpcodeAndLayout) {
    const MemoryMap map = testMap();
    const std::string line = "PID(B4,B5,2,1,2,3,4,5,6,7,8,9,10,11,12)";
    const Bytes b = GeraCodigo(line, map);
    ASSERT_EQ(b.size(), 31u);
    EXPECT_EQ(b[0], 43);
    // A1, A2, A3 then A4 ... A9, A13, A14, A15, A10, A11, A12.
    const Bytes words = {b[1],  b[3],  b[5],  b[7],  b[9],  b[11], b[13], b[15],
                         b[17], b[19], b[21], b[23], b[25], b[27], b[29]};
    EXPECT_EQ(words, (Bytes{4, 5, 2, 1, 2, 3, 4, 5, 6, 10, 11, 12, 7, 8, 9}));
    EXPECT_EQ(countedBytes(line), 31);
}

TEST(Encode, ProblemsAreReportedNotHidden) {
    const MemoryMap map = testMap();
    const std::vector<std::string> bad = {
        "AND(%I0.0,1,%Q9.7)",          // out of range
        "AND(%I0.0,1,%T3.E)",          // a block input never merged: no address
        "CR(B4,B5,X,B6)",              // not a number
        "MAIOR_L(%ML1,7000000000,B2)", // a constant that does not fit
        "SMB(B0,%MB1,%MW3,%MB2)",      // operand of another size
    };
    for (const auto& line : bad) {
        CodeDiagnostics d;
        GeraCodigo(line, map, &d);
        EXPECT_FALSE(d.empty()) << line;
    }
    CodeDiagnostics d;
    EXPECT_EQ(countedBytes("SUM(%MW1,%MW2,O0)", &d), 0);
    ASSERT_EQ(d.size(), 1u);
    EXPECT_EQ(d[0].text, kComponenteNaoAchado);
}

TEST(Checksum, EmptyAndEp) {
    const MemoryMap map = testMap();
    EXPECT_EQ(ChecksumCodigo({}, map), 0);
    EXPECT_EQ(ChecksumCodigo({"EP"}, map), 255);
    EXPECT_EQ(ChecksumCodigo({"EP", "EP"}, map), 0);
    EXPECT_EQ(TamanhoCodigo({"AND(%I0.0,%I0.1,B0)", "TIMERON(B0,3,0)", "EP"}), 16);
}

TEST(Names, SearchOrderAndArguments) {
    struct Case {
        const char* line;
        const char* name;
    };
    const std::vector<Case> cases = {
        {"ANDR(B0,1,%M1)", "ANDR"}, {"ANDS(B0,1,%M1)", "ANDS"},
        {"AND(B0,1,%M1)", "AND"},   {"CRPP(1,100)", "CRPP"},
        {"CRPS(0,4096)", "CRPS"},   {"CR(B0,B1,1,B2)", "CR"},
        {"TIMERB(1,0)", "TIMERB"},  {"EP", "EP"},
        {"SUM(%MW1,%MW2,O0)", ""},  {"RESET(1)", "SET"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NomeFuncao(c.line), c.name) << c.line;
    }
    EXPECT_EQ(ArgumentoExpressao("AND(%I0.0,%I0.1,B0)", 2), "%I0.1");
    EXPECT_EQ(ArgumentoExpressao("AND(%I0.0,%I0.1,B0)", 3), "B0");
    EXPECT_EQ(ArgumentoExpressao("AND(%I0.0,%I0.1,B0)", 4), "");
    EXPECT_EQ(ArgumentoExpressao("EP", 1), "");
}

// The decoder reads the table backwards: every opcode leads back to its functions, and
// the lengths of the forms agree with what the generator writes.
TEST(CodeTable, ReadsBackwards) {
    const MemoryMap map = testMap();
    std::set<std::string_view> names;
    for (const auto& e : codeTable()) {
        EXPECT_TRUE(names.insert(e.name).second) << e.name;
        bool found = false;
        for (const auto& m : entriesWithOpcode(e.opcode)) {
            found = found || (m.entry == &e && !m.constant);
        }
        EXPECT_TRUE(found) << e.name;
    }
    const auto shared = entriesWithOpcode(39);
    std::set<std::string_view> at39;
    for (const auto& m : shared) {
        at39.insert(m.entry->name);
    }
    EXPECT_EQ(at39, (std::set<std::string_view>{"JUMP", "MAIOR_W"}));
    EXPECT_EQ(layoutLength(findCode("COUNTERUD")->layout),
              static_cast<int>(GeraCodigo("COUNTERUD(1,1,1,1,1,1,1,1)", map).size()));
}

} // namespace
} // namespace velmora::compiler
