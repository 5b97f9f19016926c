#include "core/compiler/program_compile.h"

#include "core/text/line_file.h"

#include "ladder_builder.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <functional>
#include <unistd.h>

namespace velmora::compiler {
namespace {

using test::LogicBuilder;
using Lines = std::vector<std::string>;

MemoryMap map() {
    MemoryMap m;
    m[MapKey::ADDINPUT] = 0x0100;
    m[MapKey::TAMINPUT] = 0x10;
    m[MapKey::ADDOUTPUT] = 0x0200;
    m[MapKey::TAMOUTPUT] = 0x10;
    m[MapKey::ADDBUFFER] = 0x0800;
    m[MapKey::TAMBUFFER] = 0x10;
    m[MapKey::ADDINICIOPROGRAMA] = 0x1000;
    return m;
}

ladder::TLogica simpleLogic(const char* in, const char* out) {
    LogicBuilder b;
    b.contact(0, 0, in).wires(1, 8, 0).coil(0, out);
    return b.logic;
}

std::array<ladder::TPrograma, 20> slotsWith(std::vector<ladder::TLogica> main) {
    std::array<ladder::TPrograma, 20> slots;
    slots[0].logic(1) = main[0];
    for (std::size_t i = 1; i < main.size(); ++i) {
        ladder::InsereLogica(slots[0], main[i], static_cast<int>(i) + 1);
    }
    return slots;
}

TEST(ProgramCompile, TwoCompilesGiveTheSameCode) {
    LogicBuilder t;
    t.contact(0, 0, "%I0.0")
        .vertical(1, 0, "TON", {"%T3", "10", "1", "1"})
        .contact(2, 0, "%I0.1")
        .wires(3, 8, 0)
        .coil(0, "%Q0.0");
    LogicBuilder c;
    c.contact(0, 0, "%I0.2")
        .vertical(1, 0, "CUP", {"%C1", "5"})
        .contact(0, 1, "%I0.3")
        .wires(2, 8, 0)
        .coil(0, "%Q0.1");
    const auto slots = slotsWith({t.logic, c.logic, simpleLogic("%I0.4", "%Q0.2")});
    const CompileResult a = compileLadderProgram(slots, 1, map());
    const CompileResult b = compileLadderProgram(slots, 1, map());
    EXPECT_TRUE(a.errors.empty());
    EXPECT_EQ(a.lines, b.lines);
    EXPECT_EQ(a.checksum, b.checksum);
    EXPECT_EQ(a.codeSize, b.codeSize);
    EXPECT_EQ(a.lines, (Lines{"TIMERON(%I0.0,3,B0)", "AND(B0,%I0.1,%Q0.0)",
                              "COUNTERUP(%I0.2,%I0.3,1,%Q0.1)", "AND(%I0.4,1,%Q0.2)", "EP"}));
    // Timer lines and counter lines both reach the download.
    EXPECT_EQ(a.presetLines, (Lines{"TIMERP(3,10)", "TIMERB(3,0)", "COUNTERP(1,5)"}));
    EXPECT_EQ(a.timerKindLines, Lines{"TIMER(3,TON)"});
    EXPECT_EQ(a.codeSize, 7 + 8 + 9 + 8 + 1);
    EXPECT_EQ(a.logicPositions, (std::vector<std::int32_t>{0, 0x1000, 0x1000 + 15, 0x1000 + 24}));
}

TEST(ProgramCompile, CallsAndJumpsGetTheirAddresses) {
    auto slots = slotsWith({simpleLogic("%I0.0", "%Q0.0"), simpleLogic("%I0.1", "%Q0.1")});
    LogicBuilder call;
    call.contact(0, 0, "%I0.2").wires(1, 7, 0);
    call.put(8, 0, test::cellText("CAL", '1', 8, {"sub"})).put(9, 0, test::cellText("CAL", '2', 9));
    ladder::InsereLogica(slots[0], call.logic, 3);
    slots[1].setName("SUB");
    slots[1].logic(1) = simpleLogic("%I0.3", "%Q0.3");
    const CompileResult r = compileLadderProgram(slots, 2, map());
    EXPECT_TRUE(r.errors.empty()) << r.errors.front().detail;
    // The main program is 8 + 8 + 5 bytes and EP is not counted in the slot: SUB starts after.
    EXPECT_EQ(r.slotAddresses[2], 0x1000 + 21);
    EXPECT_EQ(r.lines[2], "CALL(%I0.2," + std::to_string(0x1000 + 21) + ")");
}

TEST(ProgramCompile, FastCounterSubroutineLine) {
    auto slots = slotsWith({simpleLogic("%I0.0", "%Q0.0")});
    slots[1].setName("CR0");
    const CompileResult r = compileLadderProgram(slots, 2, map());
    EXPECT_EQ(r.presetLines, Lines{"CRPS(0," + std::to_string(0x1000 + 8) + ")"});
}

TEST(ProgramCompile, DebugListGoesToTheFolderAndAFailureDoesNotStopTheCompile) {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "velmora-debug-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    const std::filesystem::path dir = pattern;
    const auto slots = slotsWith({simpleLogic("%I0.0", "%Q0.0"), simpleLogic("%I0.1", "%Q0.1")});
    CompileOptions options;
    options.debugFolder = dir;
    const CompileResult ok = compileLadderProgram(slots, 1, map(), options);
    ASSERT_TRUE(ok.debugWrite.has_value());
    EXPECT_TRUE(*ok.debugWrite);
    EXPECT_EQ(text::readLines(dir / "slListaInstrucao.txt"),
              (Lines{"LD   %I0.0", "ST   %Q0.0", "LD   %I0.1", "ST   %Q0.1"}));

    options.debugFolder = dir / "missing" / "folder";
    const CompileResult failed = compileLadderProgram(slots, 1, map(), options);
    ASSERT_TRUE(failed.debugWrite.has_value());
    EXPECT_FALSE(*failed.debugWrite);
    EXPECT_TRUE(failed.ok());
    EXPECT_EQ(failed.lines, ok.lines);
    std::filesystem::remove_all(dir);
}

TEST(ProgramCompile, ErrorsCarryTheLogicNumber) {
    LogicBuilder jmp;
    jmp.contact(0, 0, "%I0.0").contact(1, 0, "%I0.1").wires(2, 7, 0);
    jmp.put(8, 0, test::cellText("JMP", '1', 8, {"1"})).put(9, 0, test::cellText("JMP", '2', 9));
    const auto slots = slotsWith({simpleLogic("%I0.0", "%Q0.0"), jmp.logic});
    const CompileResult r = compileLadderProgram(slots, 1, map());
    ASSERT_FALSE(r.ok());
    ASSERT_FALSE(r.errors.empty());
    EXPECT_EQ(r.errors[0].logic, 2);
    Language language; // no table: the failure text, still with the detail
    EXPECT_NE(compileErrorText(r.errors[0], language).find("JMP"), std::string::npos);
}

TEST(ProgramCompile, OutOfRangeOperandsAreProblemsOfTheirLogic) {
    const auto slots = slotsWith({simpleLogic("%I0.0", "%Q0.0"), simpleLogic("%I0.0", "%Q7.7")});
    const CompileResult r = compileLadderProgram(slots, 1, map());
    ASSERT_EQ(r.codeProblems.size(), 1u);
    EXPECT_EQ(r.codeProblems[0].logic, 2);
    EXPECT_EQ(r.codeProblems[0].operand, "%Q7.7");
    EXPECT_FALSE(r.ok());
}

} // namespace
} // namespace velmora::compiler

namespace velmora::compiler {
namespace {

struct BlockCase {
    const char* name;
    std::function<void(test::LogicBuilder&)> build;
    Lines expected;
};

class BlocksEndToEnd : public ::testing::TestWithParam<BlockCase> {};

TEST_P(BlocksEndToEnd, OneLinePerBlock) {
    test::LogicBuilder b;
    GetParam().build(b);
    std::array<ladder::TPrograma, 1> slots;
    slots[0].logic(1) = b.logic;
    const CompileResult r = compileLadderProgram(slots, 1, MemoryMap{});
    EXPECT_TRUE(r.errors.empty()) << r.errors.front().detail;
    EXPECT_EQ(r.lines, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Ladder, BlocksEndToEnd,
    ::testing::Values(
        // Every input and output of an up-down counter; D and F rows load the counter's
        // outputs from the cell the input row kept.
        BlockCase{"up_down_counter",
                  [](test::LogicBuilder& b) {
                      for (int r = 0; r < 4; ++r) {
                          b.contact(0, r, "%I0." + std::to_string(r));
                      }
                      b.vertical(1, 0, "CUD", {"%C4", "9"}, 4);
                      for (int r = 0; r < 3; ++r) {
                          b.wires(2, 8, r).coil(r, "%Q0." + std::to_string(r));
                      }
                  },
                  {"COUNTERUD(%I0.0,%I0.1,%I0.2,%I0.3,4,%Q0.0,%Q0.1,%Q0.2)", "EP"}},
        BlockCase{"down_counter",
                  [](test::LogicBuilder& b) {
                      b.contact(0, 0, "%I0.0").contact(0, 1, "%I0.1");
                      b.vertical(1, 0, "CDO", {"%C5", "3"}).wires(2, 8, 0).coil(0, "%Q0.0");
                  },
                  {"COUNTERDO(%I0.0,%I0.1,5,%Q0.0)", "EP"}},
        BlockCase{"off_delay_timer_with_parallel_input",
                  [](test::LogicBuilder& b) {
                      b.contact(0, 0, "%I0.0").contact(0, 1, "%I0.1").link(0, 0);
                      b.vertical(1, 0, "TOF", {"%T2", "3", "1", "1"}).contact(2, 0, "%I0.2");
                      b.wires(3, 8, 0).coil(0, "%Q0.0");
                  },
                  {"OR(%I0.0,%I0.1,B0)", "TIMEROFF(B0,2,B1)", "AND(B1,%I0.2,%Q0.0)", "EP"}},
        // The timer's input store ends its block: no ANDLD joins it to the coil group.
        BlockCase{"pulse_timer_into_a_coil_group",
                  [](test::LogicBuilder& b) {
                      b.contact(0, 0, "%I0.0").vertical(1, 0, "TPP", {"%T2", "3", "3", "1"});
                      b.wires(2, 8, 0).coil(0, "%Q0.0").coil(1, "%Q0.1", "BOS").leftLink(9, 0);
                  },
                  {"TIMERP(%I0.0,2,B0)", "AND(B0,1,%Q0.0)", "ANDS(B0,1,%Q0.1)", "EP"}},
        BlockCase{"timer_then_comparison",
                  [](test::LogicBuilder& b) {
                      b.contact(0, 0, "%I0.0").vertical(1, 0, "TON", {"%T2", "3", "3", "1"});
                      b.vertical(2, 0, "CMB", {"%MW1", "5"}).wires(3, 8, 0).coil(0, "%Q0.0");
                  },
                  {"TIMERON(%I0.0,2,B2)", "IGUAL_W(%MW1,5,B0)", "AND(B2,B0,%Q0.0)", "EP"}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace velmora::compiler
