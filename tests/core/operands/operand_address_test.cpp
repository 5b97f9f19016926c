#include "core/operands/operand_address.h"

#include "support/scripted_prompts.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

using Status = AddressResult::Status;

// A small map with every area at its own easy start.
MemoryMap fixtureMap() {
    MemoryMap map;
    const auto r =
        readMemoryMapText(map, "ADDOUTPUT = 0100\r\nTAMOUTPUT = 0010\r\n"
                               "ADDOUTPUT_2 = 0110\r\nTAMOUTPUT_2 = 0010\r\n"
                               "ADDINPUT = 0120\r\nTAMINPUT = 0010\r\n"
                               "ADDINPUT_2 = 0130\r\nTAMINPUT_2 = 0010\r\n"
                               "ADDTIMERSTORE = 0200\r\nTAMTIMERSTORE = 0040\r\n"
                               "ADDTIMERPRESET = 0300\r\nTAMTIMERPRESET = 0080\r\n"
                               "ADDTIMERATUAL = 0400\r\nTAMTIMERATUAL = 0080\r\n"
                               "ADDTIMERBASE = 0480\r\nTAMTIMERBASE = 0040\r\n"
                               "ADD_OUT_CR = 0500\r\nTAM_OUT_CR = 0003\r\n"
                               "ADD_VALOR_CR = 0510\r\nTAM_VALOR_CR = 0006\r\n"
                               "ADD_PRESET_CR = 0520\r\nTAM_PRESET_CR = 0006\r\n"
                               "ADDCOUNTERATUAL = 0600\r\nTAMCOUNTERATUAL = 0080\r\n"
                               "ADDCOUNTERPRESET = 0700\r\nTAMCOUNTERPRESET = 0080\r\n"
                               "ADDCOUNTEREQUAL = 0800\r\nTAMCOUNTEREQUAL = 0080\r\n"
                               "ADDPID = 0900\r\nTAMPID = 0200\r\n"
                               "ADDBITMEMORY = 1000\r\nTAMBITMEMORY = 0200\r\n"
                               "ADDBITRETENTIVO_R = 1200\r\nTAMBITRETENTIVO_R = 0200\r\n"
                               "ADDBITRETENTIVO_E = 1400\r\nTAMBITRETENTIVO_E = 0100\r\n"
                               "ADDBYTEMEMORY = 1500\r\nTAMBYTEMEMORY = 0200\r\n"
                               "ADDBYTERETENTIVO_R = 1700\r\nTAMBYTERETENTIVO_R = 0200\r\n"
                               "ADDBYTERETENTIVO_E = 1900\r\nTAMBYTERETENTIVO_E = 0200\r\n"
                               "ADDWORDMEMORY = 2000\r\nTAMWORDMEMORY = 0400\r\n"
                               "ADDWORDRETENTIVO_R = 2400\r\nTAMWORDRETENTIVO_R = 0200\r\n"
                               "ADDWORDRETENTIVO_E = 2600\r\nTAMWORDRETENTIVO_E = 0100\r\n"
                               "ADDBUFFER = 2700\r\nTAMBUFFER = 0010\r\n"
                               "ADDINPUTANALOG = 2710\r\nTAMINPUTANALOG = 0010\r\n"
                               "ADDOUTPUTANALOG = 2720\r\nTAMOUTPUTANALOG = 0012\r\n"
                               "ADDBUFFERWORD = 2740\r\nTAMBUFFERWORD = 0010\r\n"
                               "ADDLONGINT = 2800\r\nTAMLONGINT = 0040\r\n"
                               "ADDLINHA = 2900\r\nTAMLINHA = 0101\r\n"
                               "ADDBITSISTEMA = 2A10\r\nTAMBITSISTEMA = 0100\r\n"
                               "ADDBYTESISTEMA = 2B10\r\nTAMBYTESISTEMA = 0100\r\n"
                               "ADDWORDSISTEMA = 2C10\r\nTAMWORDSISTEMA = 0200\r\n"
                               "ADDTECLA = 2E10\r\nTAMTECLA = 0014\r\n"
                               "ADDLED = 2E30\r\nTAMLED = 0008\r\n"
                               "ADDREC = 3000\r\n");
    EXPECT_TRUE(r.ok && r.problems.empty());
    return map;
}

struct Case {
    std::string operand;
    Status status;
    std::uint16_t address; // when Ok
    std::string text;      // row text, when out of range
};

Case ok(std::string op, std::uint16_t a) {
    return {std::move(op), Status::Ok, a, {}};
}
Case out(std::string op, std::string rowText) {
    return {std::move(op), Status::OutOfRange, 0, std::move(rowText)};
}
Case none(std::string op, Status s) {
    return {std::move(op), s, 0, {}};
}

void check(const MemoryMap& map, const std::vector<Case>& cases) {
    for (const auto& c : cases) {
        const auto r = resolveAddress(map, c.operand);
        EXPECT_EQ(r.status, c.status) << '"' << c.operand << '"';
        EXPECT_EQ(r.address, c.address) << c.operand;
        if (c.status == Status::OutOfRange) {
            EXPECT_EQ(r.text, c.text + c.operand + " fora de Faixa");
        } else {
            EXPECT_EQ(r.text, "") << c.operand;
        }
    }
}

TEST(ResolveAddress, EveryClassRow) {
    check(fixtureMap(),
          {
              ok("%Q0.0", 0x100),
              ok("%Q1.7", 0x10F),
              ok("%Q0.9", 0x109), // the bit is not limited here (OperandoNaFaixa does that)
              ok("%Q2.0", 0x110),
              ok("%Q3.7", 0x11F),
              out("%Q4.0", "Endere\xE7o da saida_2 digital "),
              out("%Q1.8", "Endere\xE7o da saida digital "),
              ok("%I0.0", 0x120),
              ok("%I1.7", 0x12F),
              ok("%I2.0", 0x130),
              out("%I9.0", "Endere\xE7o da Saida digital_2 "),
              out("%I0.X", "Endere\xE7o da Saida digital "),
              out("%I0.-1", "Endere\xE7o da Saida digital "),
              ok("%T5.Q", 0x205),
              out("%T64.Q", "Endere\xE7o da Saida de Timer "),
              out("%TX.Q", "Endere\xE7o da Saida de Timer "),
              ok("%T5.P", 0x30A),
              out("%T64.P", "Endere\xE7o do Preset de Timer "),
              ok("%T5.V", 0x40A),
              out("%T64.V", "Endere\xE7o da visualiza\xE7\xE3o de Timer "),
              ok("%T5.B", 0x485),
              out("%T64.B", "Endere\xE7o da visualiza\xE7\xE3o de Timer "),
              ok("%CR1.Q", 0x501),
              out("%CR3.Q", "Endere\xE7o da Saida do contador Rapido "),
              ok("%CR2.V", 0x514),
              ok("%CR2.P", 0x524),
              out("%CR3.P", "Endere\xE7o da Saida do contador Rapido "),
              ok("%C3.V", 0x606),
              out("%C64.V", "Endere\xE7o da visualiza\xE7\xE3o do contador "),
              ok("%C3.P", 0x706),
              out("%C64.P", "Endere\xE7o de preset do contador "),
              ok("%C3.Q", 0x806),
              out("%C64.Q", "Endere\xE7o de Equal do contador "),
              ok("%PID0.KP", 0x92C),
              ok("%PID0.KI", 0x92E),
              ok("%PID0.KD", 0x930),
              ok("%PID1.SP", 0x9B2),
              ok("%PID3.SP", 0xAB2),
              out("%PID4.KP", "Endere\xE7o do PID "),
              ok("%M511", 0x11FF),
              out("%M512", "Endere\xE7o do BitMemory "),
              ok("%MRR3", 0x1203),
              out("%MRR512", "Endere\xE7o do BitRetentivo DA RAM "),
              ok("%MRE3", 0x1403),
              out("%MRE256", "Endere\xE7o do BitRetentivo DA E2PROM "),
              ok("%MB4", 0x1504),
              out("%MB512", "Endere\xE7o do ByteMemory "),
              ok("%MBRR4", 0x1704),
              out("%MBRR512", "Endere\xE7o do ByteRetentivo "),
              ok("%MBRE4", 0x1904),
              out("%MBRE512", "Endere\xE7o do ByteRetentivo "),
              ok("%MW3", 0x2006),
              out("%MW512", "Endere\xE7o do WordMemory "),
              ok("%MWRR3", 0x2406),
              out("%MWRR256", "Endere\xE7o do WordRetentivo "),
              ok("%MWRE3", 0x2606),
              out("%MWRE128", "Endere\xE7o do WordRetentivo "),
              ok("B3", 0x2703),
              out("B16", "Endere\xE7o do Buffer "),
              out("Bomba", "Endere\xE7o do Buffer "), // no number: reported, nothing thrown
              ok("%IA2", 0x2714),
              out("%IA8", "Endere\xE7o do InputAnalog "),
              ok("%QA8", 0x2730),
              out("%QA9", "Endere\xE7o do OutputAnalog "),
              ok("O2", 0x2744),
              out("O8", "Endere\xE7o do BufferWord "),
              ok("%ML2", 0x2808),
              out("%ML16", "Endere\xE7o da Longint "),
              ok("L256", 0x2A00),
              out("L257", "Endere\xE7o do Linha "),
              ok("%S3", 0x2A13),
              out("%S256", "Endere\xE7o do BitSistema "),
              ok("%SB3", 0x2B13),
              out("%SB256", "Endere\xE7o do ByteSistema "),
              ok("%SW3", 0x2C16),
              out("%SW256", "Endere\xE7o do WordSistema "),
              ok("%TC.ESQ", 0x2E10),
              ok("%TC.ENTER", 0x2E23),
              out("%TC.XYZ", "Endere\xE7o do Tecla "),
              ok("%LT.F1", 0x2E30),
              ok("%LT.F8", 0x2E37),
              out("%LT.F9", "Endere\xE7o do Led "),
              out("%LT.F0", "Endere\xE7o do Led "),
              out("%LT.X", "Endere\xE7o do Led "),
              out("%LT.", "Endere\xE7o do Led "),
              ok("%RC1", 0x3000),
              ok("300", 300),
              ok("70001", 4465),
              ok("-1", 0xFFFF),
              none("%T5", Status::NoAddress),
              none("%T5.E", Status::NoAddress),
              none("%C2", Status::NoAddress),
              none("%C2.CU", Status::NoAddress),
              none("%C2.R", Status::NoAddress),
              none("%CR1", Status::NoAddress),
              none("%CR1.E", Status::NoAddress),
              none("%PID1", Status::NoAddress),
              none("%MD1", Status::NoAddress),
              none("%MF1", Status::NoAddress),
              none("%KW1", Status::NoAddress),
              none("", Status::NotAnOperand),
              none(" ", Status::NotAnOperand),
              none("%", Status::NotAnOperand),
              none("%X5", Status::NotAnOperand),
              none("Motor", Status::NotAnOperand),
          });
}

TEST(ResolveAddress, EmptyMapPutsEveryAreaOutOfRange) {
    const MemoryMap empty;
    check(empty, {
                     out("%Q0.0", "Endere\xE7o da saida digital "),
                     out("%MW0", "Endere\xE7o do WordMemory "),
                     out("%TC.ENTER", "Endere\xE7o do Tecla "),
                     out("%TC.XYZ", "Endere\xE7o do Tecla "), // not silently the first key
                     out("%LT.F1", "Endere\xE7o do Led "),
                     ok("300", 300),
                     ok("70001", 4465),
                     ok("%RC1", 0),
                 });
}

TEST(ResolveAddress, UnknownKeyIsReportedEvenWhenTheKeyAreaStartsAtZero) {
    MemoryMap map;
    map[MapKey::TAMTECLA] = 20;
    check(map, {
                   ok("%TC.ESQ", 0),
                   ok("%TC.ENTER", 19),
                   out("%TC.XYZ", "Endere\xE7o do Tecla "),
                   out("%TC.", "Endere\xE7o do Tecla "),
               });
}

TEST(ResolveAddress, AddressesStayInTheSixteenBitSpace) {
    MemoryMap map;
    map[MapKey::ADDBITMEMORY] = 0xFFF8;
    map[MapKey::TAMBITMEMORY] = 0x10;
    map[MapKey::ADDWORDMEMORY] = 0x1FFF0;
    map[MapKey::TAMWORDMEMORY] = 0x20;
    map[MapKey::ADDBYTEMEMORY] = 0x100;
    map[MapKey::TAMBYTEMEMORY] = 0x200;
    check(map, {
                   ok("%M7", 0xFFFF),
                   // 0xFFF8 + 8 wraps to 0: below the area's start
                   out("%M8", "Endere\xE7o do BitMemory "),
                   // a start above 16 bits: every address wraps below it
                   out("%MW0", "Endere\xE7o do WordMemory "),
                   ok("%MB0", 0x100),
                   // 0x100 + 65536 would wrap onto %MB0: refused, not aliased
                   out("%MB65536", "Endere\xE7o do ByteMemory "),
                   // a number past 32 bits does not convert
                   out("%MB4294967296", "Endere\xE7o do ByteMemory "),
               });
}

TEST(EnderecoOperando, ShowsTheBoxRecordsTheFailureAndGivesZero) {
    const MemoryMap map = fixtureMap();
    test::ScriptedPrompts prompts;
    AddressDiagnostics diagnostics;
    EXPECT_EQ(EnderecoOperando(map, "%MW3", prompts, &diagnostics), 0x2006);
    EXPECT_EQ(EnderecoOperando(map, "%T5", prompts, &diagnostics), 0);
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_TRUE(diagnostics.empty());

    EXPECT_EQ(EnderecoOperando(map, "%TC.XYZ", prompts, &diagnostics), 0);
    EXPECT_EQ(EnderecoOperando(map, "%TX.Q", prompts, &diagnostics), 0);
    EXPECT_EQ(EnderecoOperando(map, "%MW512", prompts), 0); // no list: the box alone
    ASSERT_EQ(prompts.shown.size(), 3u);
    EXPECT_EQ(prompts.shown[0].kind, Prompts::Kind::Error);
    EXPECT_EQ(prompts.shown[0].buttons, Prompts::Buttons::Ok);
    EXPECT_EQ(prompts.texts(),
              (std::vector<std::string>{"Endere\xE7o do Tecla %TC.XYZ fora de Faixa",
                                        "Endere\xE7o da Saida de Timer %TX.Q fora de Faixa",
                                        "Endere\xE7o do WordMemory %MW512 fora de Faixa"}));
    ASSERT_EQ(diagnostics.size(), 2u);
    EXPECT_EQ(diagnostics[0].operand, "%TC.XYZ");
    EXPECT_EQ(diagnostics[0].text, prompts.shown[0].text);
    EXPECT_EQ(diagnostics[1].operand, "%TX.Q");
}

TEST(EnderecoTecla, TheTwentyKeys) {
    MemoryMap map;
    map[MapKey::ADDTECLA] = 0x500;
    const std::vector<std::string> keys = {"ESQ", "UP", "DOWN", "DIR", "1",  "2",    "3",
                                           "4",   "F1", "F2",   "F3",  "F4", "5",    "6",
                                           "7",   "8",  "ALT",  "9",   "0",  "ENTER"};
    for (std::size_t i = 0; i < keys.size(); ++i) {
        EXPECT_EQ(EnderecoTecla(map, "%TC." + keys[i]), 0x500 + i) << keys[i];
    }
    EXPECT_EQ(EnderecoTecla(map, "%TC.XYZ"), 0);
    EXPECT_EQ(EnderecoTecla(map, "%TC.enter"), 0);
    EXPECT_EQ(EnderecoTecla(map, "%TC."), 0);
    EXPECT_EQ(EnderecoTecla(map, "%MW1"), 0);
    EXPECT_EQ(EnderecoTecla(map, ""), 0);
}

} // namespace
} // namespace velmora
