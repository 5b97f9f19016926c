// The whole-program compile: code addresses of slots and logics, the diagnostics of every
// kind with their logic numbers, repeat compiles, instruction-list projects.
#include "core/compiler/addressing.h"
#include "core/compiler/code_generator.h"
#include "core/compiler/compile_driver.h"
#include "core/compiler/program_compile.h"
#include "core/lang/language_file.h"
#include "ladder_builder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace velmora::compiler {
namespace {

using test::cellText;
using test::LogicBuilder;

MemoryMap shippedMap(std::int32_t programStart = 0x1000) {
    MemoryMap map;
    EXPECT_TRUE(LeMapaMemoria(map, std::string(VELMORA_DATA_DIR) + "/Enderecos.txt"));
    map[MapKey::ADDINICIOPROGRAMA] = programStart;
    return map;
}

ladder::TLogica simpleRung(const std::string& in, const std::string& out,
                           std::string_view contact = "CNA") {
    LogicBuilder b;
    b.contact(0, 0, in, contact).wires(1, 8, 0).coil(0, out);
    return b.logic;
}

void setLogics(ladder::TPrograma& p, const std::vector<ladder::TLogica>& logics) {
    ladder::setLogicCount(p, static_cast<int>(logics.size()));
    for (std::size_t i = 0; i < logics.size(); ++i) {
        p.logic(static_cast<int>(i) + 1) = logics[i];
        p.logic(static_cast<int>(i) + 1).number = static_cast<int>(i) + 1;
    }
}

// Bytes of one logic compiled on its own.
std::int64_t logicBytes(const ladder::TLogica& logic, const ladder::TPrograma& program) {
    CompileState s;
    s.addresses.slotAddress = [](std::string_view) { return std::uint16_t{0}; };
    s.addresses.logicPosition = [](int, int) { return std::int32_t{0}; };
    return TamanhoCodigo(compileLogic(logic, s, &program));
}

std::vector<DiagnosticKind> kinds(const ProgramCompile& r) {
    std::vector<DiagnosticKind> k;
    for (const auto& d : r.diagnostics) {
        k.push_back(d.kind);
    }
    return k;
}

TEST(Addressing, TwoSlotPositions) {
    project::TProjeto p;
    p.programCount = 2;
    // A rung with two coils is longer than one with a single coil, so a wrong start shows.
    LogicBuilder two;
    two.contact(0, 0, "%I0.0").wires(1, 8, 0).coil(0, "%Q0.1").coil(1, "%Q0.3").leftLink(9, 0);
    setLogics(p.program(1), {simpleRung("%I0.0", "%Q0.0"), two.logic});
    setLogics(p.program(2), {simpleRung("%I0.2", "%Q0.2")});
    p.program(2).setName("SUB");
    const MemoryMap map = shippedMap(0x1000);

    const ProgramAddresses a = EnderecaProgramas(p, map);
    const std::int64_t first = logicBytes(p.program(1).logic(1), p.program(1));
    const std::int64_t second = logicBytes(p.program(1).logic(2), p.program(1));
    ASSERT_GT(first, 0);
    ASSERT_GT(second, first);
    ASSERT_EQ(a.slots.size(), 3u);
    EXPECT_EQ(a.slots[1].start, 0x1000);
    EXPECT_EQ(a.slots[1].positions, (std::vector<std::int64_t>{0, 0x1000, 0x1000 + first}));
    EXPECT_EQ(a.slots[1].size, first + second);
    EXPECT_EQ(a.slots[2].start, 0x1000 + first + second);
    EXPECT_EQ(p.program(1).logic(2).codePosition, 0x1000 + first);
    EXPECT_EQ(p.program(1).reserved[0],
              static_cast<std::int32_t>(0x1000 | ((first + second) << 16)));
    EXPECT_EQ(p.program(2).reserved[0] & 0xFFFF, 0x1000 + first + second);
    EXPECT_EQ(a.slotNumber("sub"), 2);

    // The compile carries the same positions, and its lines count the main program's bytes.
    const ProgramCompile r = CompilaPrograma(p, map);
    EXPECT_EQ(r.logicPositions, a.slots[1].positions);
    EXPECT_EQ(r.slotAddresses, (std::vector<std::int64_t>{0, 0x1000, 0x1000 + first + second}));
    EXPECT_EQ(r.codeSize, first + second + countedBytes("EP"));
    EXPECT_EQ(p.codeSize, r.codeSize);
    EXPECT_TRUE(r.downloadable()) << r.diagnostics.size();
}

TEST(Addressing, FastCounterSlotLine) {
    project::TProjeto p;
    p.programCount = 2;
    setLogics(p.program(1), {simpleRung("%I0.0", "%Q0.0")});
    setLogics(p.program(2), {simpleRung("%I0.1", "%Q0.1")});
    p.program(2).setName("cr0");
    const ProgramAddresses a = EnderecaProgramas(p, shippedMap(0x1000));
    EXPECT_EQ(a.configLines,
              std::vector<std::string>{"CRPS(0," + std::to_string(a.slots[2].start) + ")"});
}

TEST(Driver, AgreesWithWholeProgramCompile) {
    project::TProjeto p;
    LogicBuilder timer;
    timer.contact(0, 0, "%I0.5").vertical(1, 0, "TON", {"%T1", "10", "1", "1"});
    timer.wires(2, 8, 0).coil(0, "%Q0.4");
    setLogics(p.program(1),
              {simpleRung("%I0.0", "%Q0.0"), timer.logic, simpleRung("%I0.1", "%Q0.1", "CBP")});
    const MemoryMap map = shippedMap(0x2E00);
    const ProgramCompile r = CompilaPrograma(p, map);
    const CompileResult other = compileLadderProgram(p.programs, p.programCount, map);
    EXPECT_EQ(r.lines, other.lines);
    EXPECT_EQ(r.presetLines, other.presetLines);
    EXPECT_EQ(r.codeSize, other.codeSize);
    EXPECT_EQ(r.checksum, other.checksum);
    EXPECT_TRUE(r.downloadable());
    EXPECT_TRUE(other.ok());
}

TEST(Driver, RepeatCompileOfManyEdgesIsIdentical) {
    project::TProjeto p;
    std::vector<ladder::TLogica> logics;
    for (int i = 0; i < 150; ++i) {
        logics.push_back(simpleRung("%I0." + std::to_string(i % 8), "%M" + std::to_string(i + 1),
                                    i % 2 ? "CBP" : "CBN"));
    }
    setLogics(p.program(1), logics);
    const MemoryMap map = shippedMap(0x1000);
    const ProgramCompile first = CompilaPrograma(p, map);
    const ProgramCompile second = CompilaPrograma(p, map);
    EXPECT_TRUE(first.downloadable());
    for (const auto& d : first.diagnostics) {
        ADD_FAILURE() << "logic " << d.logic << ": " << d.message << " " << d.detail;
    }
    EXPECT_EQ(first.lines, second.lines);
    EXPECT_EQ(first.logicPositions, second.logicPositions);
    EXPECT_EQ(first.codeSize, second.codeSize);
    // Every logic has the same shape, so the positions step evenly.
    const std::int64_t step = first.logicPositions[2] - first.logicPositions[1];
    EXPECT_GT(step, 0);
    EXPECT_EQ(first.logicPositions[150], 0x1000 + 149 * step);
}

struct DiagnosticCase {
    const char* name;
    std::vector<ladder::TLogica> logics;
    DiagnosticKind kind;
    int logic;
    int message;
};

class Diagnostics : public ::testing::TestWithParam<DiagnosticCase> {};

TEST_P(Diagnostics, Reported) {
    const DiagnosticCase& c = GetParam();
    project::TProjeto p;
    setLogics(p.program(1), c.logics);
    const ProgramCompile r = CompilaPrograma(p, shippedMap(0x1000));
    EXPECT_FALSE(r.downloadable());
    const auto it = std::find_if(r.diagnostics.begin(), r.diagnostics.end(),
                                 [&](const CompileDiagnostic& d) { return d.kind == c.kind; });
    ASSERT_NE(it, r.diagnostics.end());
    EXPECT_EQ(it->logic, c.logic);
    EXPECT_EQ(it->message, c.message);
    EXPECT_TRUE(it->blocking);
}

std::vector<DiagnosticCase> diagnosticCases() {
    const ladder::TLogica ok = simpleRung("%I0.0", "%Q0.0");
    LogicBuilder ton;
    ton.contact(0, 0, "%I0.0").vertical(1, 0, "TON", {"T ", " ", "1", "1"}).wires(2, 8, 0);
    ton.coil(0, "%Q0.1");
    LogicBuilder move;
    move.vertical(3, 0, "MWW", {"%MW1", "%MW2"});
    LogicBuilder counter;
    counter.contact(0, 0, "%I0.0").vertical(1, 0, "CUP", {"%C1", "10"}).wires(2, 8, 0);
    counter.coil(0, "%Q0.0");
    return {
        {"ton_placeholder", {ok, ton.logic}, DiagnosticKind::Validation, 2, 226},
        {"move_unconnected", {move.logic, ok}, DiagnosticKind::Validation, 1, 227},
        {"counter_reset", {ok, ok, counter.logic}, DiagnosticKind::Validation, 3, 228},
        {"repeated_coil", {ok, ok}, DiagnosticKind::Consistency, 2, 0},
        {"operand_out_of_range", {simpleRung("%I0.0", "%Q99.0")}, DiagnosticKind::Range, 1, 0},
    };
}

INSTANTIATE_TEST_SUITE_P(Cases, Diagnostics, ::testing::ValuesIn(diagnosticCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Driver, SetWithoutResetIsOnlyAWarning) {
    project::TProjeto p;
    LogicBuilder set;
    set.contact(0, 0, "%I0.0").wires(1, 8, 0).coil(0, "%M1", "BOS");
    setLogics(p.program(1), {set.logic});
    const ProgramCompile r = CompilaPrograma(p, shippedMap(0x1000));
    EXPECT_EQ(kinds(r), std::vector<DiagnosticKind>{DiagnosticKind::Consistency});
    EXPECT_FALSE(r.diagnostics[0].blocking);
    EXPECT_TRUE(r.downloadable());
}

TEST(Driver, CallOfAnotherSlotIsRefused) {
    project::TProjeto p;
    p.programCount = 2;
    LogicBuilder call;
    call.contact(0, 0, "%I0.0").put(1, 0, cellText("CAL", '1', 1, {"SUB"}));
    call.put(2, 0, cellText("CAL", '2', 2));
    setLogics(p.program(1), {simpleRung("%I0.1", "%Q0.1"), call.logic});
    setLogics(p.program(2), {simpleRung("%I0.2", "%Q0.2")});
    p.program(2).setName("SUB");
    const ProgramCompile r = CompilaPrograma(p, shippedMap(0x1000));
    EXPECT_FALSE(r.downloadable());
    ASSERT_EQ(kinds(r), std::vector<DiagnosticKind>{DiagnosticKind::Call});
    EXPECT_EQ(r.diagnostics[0].logic, 2);
    EXPECT_NE(r.diagnostics[0].detail.find("SUB"), std::string::npos);
}

TEST(Driver, FastCounterSlotThatIsNotSentIsRefused) {
    // Its start goes out in a CRPS line, but its code would never reach the controller.
    project::TProjeto p;
    p.programCount = 2;
    setLogics(p.program(1), {simpleRung("%I0.1", "%Q0.1")});
    setLogics(p.program(2), {simpleRung("%I0.2", "%Q0.2")});
    p.program(2).setName("CR0");
    const ProgramCompile r = CompilaPrograma(p, shippedMap(0x1000));
    ASSERT_EQ(kinds(r), std::vector<DiagnosticKind>{DiagnosticKind::Call});
    EXPECT_EQ(r.diagnostics[0].logic, 0);
    EXPECT_FALSE(r.downloadable());
    EXPECT_NE(std::find(r.presetLines.begin(), r.presetLines.end(),
                        "CRPS(0," + std::to_string(r.slotAddresses[2]) + ")"),
              r.presetLines.end());
}

TEST(Driver, ProgramThatDoesNotFitIsRefused) {
    project::TProjeto p;
    setLogics(p.program(1), {simpleRung("%I0.0", "%Q0.0"), simpleRung("%I0.1", "%Q0.1")});
    const std::int32_t start = 0x5000 - 8; // eight bytes of program area
    const ProgramCompile r = CompilaPrograma(p, shippedMap(start));
    ASSERT_GT(r.codeSize, 8);
    EXPECT_EQ(r.programArea, 8);
    ASSERT_EQ(kinds(r), std::vector<DiagnosticKind>{DiagnosticKind::Size});
    EXPECT_EQ(r.diagnostics[0].detail,
              "O programa precisa de " + std::to_string(r.codeSize) + " bytes, o CLP tem 8");
    EXPECT_FALSE(r.downloadable());
    EXPECT_EQ(programAreaSize(0x2E00), 0x5000 - 0x2E00);
    EXPECT_EQ(programAreaSize(0x6000), 0x10000 - 0x6000);
}

TEST(Driver, InstructionListProjectGetsAddressesAndTimerLines) {
    project::TProjeto p;
    p.kind = "ML";
    comm::TimersTable timers;
    timers.rows = {comm::TimerRow{"1", "%T1", "TON", "10", "1s", true}};
    CompileInput in;
    in.timers = &timers;
    in.instructionList = {"ld   %i0.0", "st   %t1.e", "ld   %t1.q", "st   %q0.0"};
    const ProgramCompile r = CompilaPrograma(p, shippedMap(0x1000), in);
    for (const auto& d : r.diagnostics) {
        ADD_FAILURE() << d.message << " " << d.detail;
    }
    ASSERT_FALSE(r.lines.empty());
    EXPECT_EQ(r.lines.back(), "EP");
    EXPECT_TRUE(std::any_of(r.lines.begin(), r.lines.end(), [](const std::string& l) {
        return l.rfind("TIMERON(", 0) == 0;
    })) << r.lines.front();
    EXPECT_EQ(r.presetLines, (std::vector<std::string>{"TIMERP(1,10)", "TIMERB(1,0)"}));
    EXPECT_EQ(r.slotAddresses, (std::vector<std::int64_t>{0, 0x1000}));
    EXPECT_EQ(p.codeSize, r.codeSize);
}

TEST(Driver, DiagnosticText) {
    Language language;
    CarregaIdiomas(std::string(VELMORA_DATA_DIR) + "/ConfigIdiomas.txt", language.table);
    EXPECT_EQ(diagnosticText({DiagnosticKind::Validation, 7, true, 226, {}, {}}, language),
              "L\xF3gica 007: " + language.text(226));
    EXPECT_EQ(diagnosticText({DiagnosticKind::Size, 0, true, 0, {}, "texto"}, language), "texto");
    EXPECT_EQ(diagnosticText({DiagnosticKind::Compile, 2, true, 286, {}, "JMP 9"}, language),
              "L\xF3gica 002: " + language.text(286) + " (JMP 9)");
}

} // namespace
} // namespace velmora::compiler
