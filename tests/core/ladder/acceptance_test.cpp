#include "core/ladder/acceptance.h"
#include "core/ladder/catalogue.h"
#include "core/operands/operand_limits.h"
#include "support/scripted_prompts.h"
#include "test_language.h"

#include <gtest/gtest.h>

namespace velmora::ladder {
namespace {

// Every area starts at 0x100 and is 0x2000 bytes long, so only the limit table decides.
OperandTables roomyTables() {
    OperandTables t;
    for (std::size_t i = 0; i < kMapKeyCount; ++i) {
        const auto key = static_cast<MapKey>(i);
        t.map[key] = mapKeyName(key).substr(0, 3) == "TAM" ? 0x2000 : 0x100;
    }
    t.limits = LimitesOperandos(t.map);
    return t;
}

// Five logics: timer %T3, reset coil %Q0.2 and PID 1 in logic 2; counters %C5 and %C2, fast
// counter 0 and texts that merely contain a coil code in logic 3; a coil %Q0.1 in logic 4.
TPrograma sampleProgram() {
    TPrograma p;
    setLogicCount(p, 5);
    TLogica& l2 = p.logic(2);
    l2.element(3, 0).set("TON1001000#%T3#100#1#1");
    l2.element(3, 1).set("TON2001000");
    l2.element(9, 1).set("BOR1001000#%Q0.2");
    l2.element(5, 2).set("PID1001000#%PID1#0#0#0#0#0#255#%#0#255#%#0#4095");
    TLogica& l3 = p.logic(3);
    l3.element(3, 0).set("CUP1001000#%C5# ");
    l3.element(5, 0).set("CRP1001000#%CR0#10");
    l3.element(0, 3).set("OPR1001010#BOB%Q0.3");
    l3.element(4, 5).set("CAL1001000#BOB%Q0.3");
    l3.element(7, 4).set("CDO1001000#%C2#1");
    p.logic(4).element(9, 0).set("BOB1001000#%Q0.1");
    return p;
}

struct EntryCase {
    const char* name;
    const char* code;
    int field;
    const char* value;
    bool accepted;
    int message = 0;
    const char* arguments = "";
    int logic = 1; // the open logic
};

class Entry : public ::testing::TestWithParam<EntryCase> {
protected:
    OperandTables tables = roomyTables();
    TPrograma program = sampleProgram();
    std::vector<std::string> names = {"PRINCIPAL", "SUB1"};
};

TEST_P(Entry, AcceptsOrRefuses) {
    const auto& c = GetParam();
    const ElementKind* kind = findElement(c.code);
    ASSERT_NE(kind, nullptr);
    const int column = kind->coilColumn ? 9 : 3;
    const EntryContext ctx{tables, program, c.logic, column, 0, names};
    const Acceptance a = AceitaCampo(ctx, *kind, c.field, c.value);
    EXPECT_EQ(a.accepted, c.accepted);
    EXPECT_EQ(a.message, c.message);
    EXPECT_EQ(a.arguments, c.arguments);
}

INSTANTIATE_TEST_SUITE_P(
    Contacts, Entry,
    ::testing::Values(
        EntryCase{"Input", "CNA", 1, "%I0.1", true},
        EntryCase{"InputBit8", "CNF", 1, "%I0.8", false},
        EntryCase{"InputWordBeyondLimit", "CNA", 1, "%I4.0", false},
        EntryCase{"Output", "CBP", 1, "%Q3.7", true},
        EntryCase{"LastMemoryBit", "CNA", 1, "%M511", true},
        EntryCase{"MemoryBitBeyond", "CNA", 1, "%M512", false},
        EntryCase{"RetentiveRam", "CNA", 1, "%MRR10", true},
        EntryCase{"RetentiveE2promBeyondItsArea", "CNA", 1, "%MRE300", false},
        EntryCase{"SystemBit255", "CBN", 1, "%S255", true},
        EntryCase{"SystemBit256", "CBN", 1, "%S256", false},
        EntryCase{"Led", "CNA", 1, "%LT.F1", true}, EntryCase{"Led9", "CNA", 1, "%LT.F9", false},
        EntryCase{"Key", "CNA", 1, "%TC.ENTER", true},
        EntryCase{"UnknownKey", "CNA", 1, "%TC.XYZ", false},
        EntryCase{"TimerOutput", "CNA", 1, "%T63.Q", true},
        EntryCase{"TimerOutputBeyond", "CNA", 1, "%T64.Q", false},
        EntryCase{"CounterOutput", "CNA", 1, "%C2.Q", true},
        EntryCase{"FastCounterOutput", "CNA", 1, "%CR2.Q", true},
        EntryCase{"FastCounterOutputBeyond", "CNA", 1, "%CR3.Q", false},
        EntryCase{"Word", "CNA", 1, "%MW1", false}, EntryCase{"Constant", "CNA", 1, "12", false},
        EntryCase{"Name", "CNA", 1, "MOTOR", false}, EntryCase{"Empty", "CNA", 1, "", false},
        EntryCase{"Hash", "CNA", 1, "%I0.1#", false},
        EntryCase{"NoSecondField", "CNA", 2, "%I0.1", false}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Coils, Entry,
    ::testing::Values(EntryCase{"UsedByCoilInLogic4", "BOB", 1, "%Q0.1", false, 215, "4"},
                      EntryCase{"UsedByCoilOfTheEditedLogic", "BOB", 1, "%Q0.1", true, 0, "", 4},
                      EntryCase{"SetCoilOverSingleCoil", "BOS", 1, "%Q0.1", false, 215, "4"},
                      EntryCase{"SetCoilOverTheSkippedCell", "BOS", 1, "%Q0.1", true, 0, "", 4},
                      EntryCase{"ComplementOverReset", "BON", 1, "%Q0.2", false, 215, "2"},
                      EntryCase{"SingleOverResetSameLogic", "BOB", 1, "%Q0.2", false, 215, "2", 2},
                      EntryCase{"ResetOverReset", "BOR", 1, "%Q0.2", true},
                      EntryCase{"TextsThatOnlyContainTheCode", "BOB", 1, "%Q0.3", true},
                      EntryCase{"FreeOutput", "BOB", 1, "%Q1.0", true},
                      EntryCase{"NotABit", "BOB", 1, "%MB1", false}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(Comparisons, Entry,
                         ::testing::Values(EntryCase{"ByteFirst", "CM1", 1, "%MB1", true},
                                           EntryCase{"ByteRefusesWord", "CM1", 1, "%MW1", false},
                                           EntryCase{"FirstRefusesConstant", "CM3", 1, "12", false},
                                           EntryCase{"SecondTakesConstant", "CM6", 2, "12", true},
                                           EntryCase{"SecondTakesByte", "CM6", 2, "%SB3", true},
                                           EntryCase{"ByteBeyondLimit", "CM1", 1, "%MB600", false},
                                           EntryCase{"TypedConstantHasNoAddress", "CM1", 2, "%KB1",
                                                     false},
                                           EntryCase{"TimerValueIsAWord", "CM7", 1, "%T1.V", true},
                                           EntryCase{"TimerValueBeyond", "CM7", 1, "%T64.V", false},
                                           EntryCase{"WordRefusesByte", "CMC", 2, "%MB1", false},
                                           EntryCase{"Long", "CMD", 1, "%ML1", true},
                                           EntryCase{"LongBeyond", "CMI", 1, "%ML16", false},
                                           EntryCase{"NameNotResolved", "CM7", 1, "NIVEL", false}),
                         [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Moves, Entry,
    ::testing::Values(EntryCase{"MbbConstant", "MBB", 1, "12", true},
                      EntryCase{"MbwRefusesConstant", "MBW", 1, "12", false},
                      EntryCase{"MbwByteSource", "MBW", 1, "%MB1", true},
                      EntryCase{"MbwWordDestination", "MBW", 2, "%MW1", true},
                      EntryCase{"MbwRefusesByteDestination", "MBW", 2, "%MB1", false},
                      EntryCase{"MwwConstant", "MWW", 1, "300", true},
                      EntryCase{"MwwDestinationNotConstant", "MWW", 2, "300", false},
                      EntryCase{"MwbSource", "MWB", 1, "%IA2", true},
                      EntryCase{"Mp3BitSource", "MP3", 1, "%M1", true},
                      EntryCase{"Mp3RefusesLong", "MP3", 1, "%ML1", false},
                      EntryCase{"Mp2WordPointer", "MP2", 1, "%MW4", true},
                      EntryCase{"Mp4RefusesByte", "MP4", 2, "%MB4", false},
                      EntryCase{"WordBeyondLimit", "MWW", 2, "%MW512", false}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(Arithmetic, Entry,
                         ::testing::Values(EntryCase{"ByteFirst", "SMB", 1, "%MB1", true},
                                           EntryCase{"ResultNotConstant", "SMB", 3, "12", false},
                                           EntryCase{"WordSecondConstant", "SMW", 2, "5", true},
                                           EntryCase{"WordBeyond", "DVW", 1, "%MW999", false},
                                           EntryCase{"LongResult", "MLL", 3, "%ML2", true},
                                           EntryCase{"LongRefusesWord", "SBL", 1, "%MW2", false}),
                         [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Timers, Entry,
    ::testing::Values(
        EntryCase{"UsedInAnotherLogic", "TON", 1, "%T3", false},
        EntryCase{"UsedByAnotherKind", "TPP", 1, "%T3", false},
        EntryCase{"ItsOwnLogic", "TOF", 1, "%T3", true, 0, "", 2},
        EntryCase{"Free", "TON", 1, "%T5", true}, EntryCase{"BeyondLimit", "TON", 1, "%T64", false},
        EntryCase{"NotANumber", "TON", 1, "%TX", false},
        EntryCase{"Field", "TON", 1, "%T5.Q", false}, EntryCase{"Preset", "TON", 2, "100", true},
        EntryCase{"LargestPreset", "TON", 2, "65535", true},
        EntryCase{"PresetBeyond16Bits", "TON", 2, "65536", false},
        EntryCase{"Preset99999", "TOF", 2, "99999", false},
        EntryCase{"NegativePreset", "TON", 2, "-1", false},
        EntryCase{"PresetNotDigits", "TON", 2, "1a", false},
        EntryCase{"TimeBase", "TON", 3, "4", true}, EntryCase{"BadTimeBase", "TON", 3, "5", false}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Counters, Entry,
    ::testing::Values(EntryCase{"UsedInAnotherLogic", "CUP", 1, "%C5", false},
                      EntryCase{"UsedByAnotherKind", "CUD", 1, "%C5", false},
                      EntryCase{"Free", "CDO", 1, "%C6", true},
                      EntryCase{"BeyondLimit", "CUP", 1, "%C64", false},
                      EntryCase{"NotANumber", "CUP", 1, "%CX", false},
                      EntryCase{"PresetBeyond16Bits", "CUP", 2, "65536", false},
                      EntryCase{"FastCounter", "CRP", 1, "%CR2", true},
                      EntryCase{"FastCounterNotUnique", "CRP", 1, "%CR0", true},
                      EntryCase{"FastCounterBeyond", "CRP", 1, "%CR3", false},
                      EntryCase{"FastCounterPreset", "CRP", 2, "500", true}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Blocks, Entry,
    ::testing::Values(EntryCase{"PidUsedInAnotherLogic", "PID", 1, "%PID1", false},
                      EntryCase{"PidLastBlock", "PID", 1, "%PID3", true},
                      EntryCase{"PidBeyondBlocks", "PID", 1, "%PID4", false},
                      EntryCase{"PidWithinCounterLimit", "PID", 1, "%PID5", false},
                      EntryCase{"PidTwoDigits", "PID", 1, "%PID01", false},
                      EntryCase{"PidNumberOfACounter", "PID", 1, "%PID2", true},
                      EntryCase{"ParameterConstant", "PRP", 1, "5", true},
                      EntryCase{"ParameterNotConstant", "PRP", 2, "%MW1", false},
                      EntryCase{"ParameterVeWord", "PRP", 3, "%MW1", true},
                      EntryCase{"ParameterVeAnalogIn", "PRP", 3, "%IA2", true},
                      EntryCase{"ParameterVeNotAnalogOut", "PRP", 3, "%QA1", false},
                      EntryCase{"ParameterVoAnalogOut", "PRP", 4, "%QA1", true},
                      EntryCase{"ParameterVoBeyond", "PRP", 4, "%QA9", false},
                      EntryCase{"ParameterVoNotAnalogIn", "PRP", 4, "%IA1", false},
                      EntryCase{"JumpFirst", "JMP", 1, "1", true},
                      EntryCase{"JumpLast", "JMP", 1, "5", true},
                      EntryCase{"JumpBeyond", "JMP", 1, "6", false},
                      EntryCase{"JumpZero", "JMP", 1, "0", false},
                      EntryCase{"JumpNotANumber", "JMP", 1, "x", false},
                      EntryCase{"CallAnyCase", "CAL", 1, "sub1", true},
                      EntryCase{"CallUnknown", "CAL", 1, "OUTRO", false},
                      EntryCase{"Operation", "OPR", 1, "%MW1:=%MW2+1", true},
                      EntryCase{"OperationEmpty", "OPR", 1, "", false},
                      EntryCase{"OperationHash", "OPR", 1, "A#B", false},
                      EntryCase{"LineHasNoField", "CRT", 1, "x", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Entry, IdentifierPrefixes) {
    EXPECT_EQ(identifierPrefix(*findElement("TPP")), "%T");
    EXPECT_EQ(identifierPrefix(*findElement("CUD")), "%C");
    EXPECT_EQ(identifierPrefix(*findElement("CRP")), "%CR");
    EXPECT_EQ(identifierPrefix(*findElement("PID")), "%PID");
    EXPECT_EQ(identifierPrefix(*findElement("CNA")), "");
}

TEST(Entry, CoilRefusalShowsMessage215WithTheLogic) {
    const OperandTables tables = roomyTables();
    const TPrograma program = sampleProgram();
    const EntryContext ctx{tables, program, 1, 9, 0};
    const Acceptance a = AceitaCampo(ctx, *findElement("BOB"), 1, "%Q0.1");
    velmora::test::ScriptedPrompts prompts;
    const Language language = fixtures::testLanguage();
    showRefusal(a, prompts, language);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].kind, Prompts::Kind::Error);
    EXPECT_EQ(prompts.shown[0].text, "M215 4");
    showRefusal(Acceptance::no(), prompts, language);
    showRefusal(Acceptance::yes(), prompts, language);
    EXPECT_EQ(prompts.shown.size(), 1u);
}

TEST(Entry, LimitTableNotSetRefusesOperands) {
    const OperandTables empty;
    const TPrograma program;
    const EntryContext ctx{empty, program, 1, 3, 0};
    EXPECT_FALSE(AceitaCampo(ctx, *findElement("CNA"), 1, "%I0.0").accepted);
    EXPECT_FALSE(AceitaCampo(ctx, *findElement("TON"), 1, "%T0").accepted);
    EXPECT_TRUE(AceitaCampo(ctx, *findElement("TON"), 2, "10").accepted);
}

} // namespace
} // namespace velmora::ladder
