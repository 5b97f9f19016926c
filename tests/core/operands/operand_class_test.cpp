#include "core/operands/operand_class.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace velmora {
namespace {

struct ClassCase {
    std::string operand;
    std::string cls;
};

TEST(ClasseOperando, EveryWrittenForm) {
    const std::vector<ClassCase> cases = {
        // results in place of a class
        {"", "Operando Vazio"},
        {"%", "Operando Incompleto"},
        {"%X5", ""},
        // digital points
        {"%I0.7", "I"},
        {"%I3.x", "I"},
        {"%I0.", "I"},
        {"%I10.0", ""},
        {"%I0", ""},
        {"%Q1.7", "Q"},
        {"%Q10.0", ""},
        {"%IA0", "IA"},
        {"%IA", ""},
        {"%IA1.2", ""},
        {"%QA8", "QA"},
        {"%QA", ""},
        // memories: longest prefix with digits wins, else the next prefix is tried
        {"%M12", "M"},
        {"%M1.2", ""},
        {"%M", ""},
        {"%MRR3", "MRR"},
        {"%MRE3", "MRE"},
        {"%MR3", ""},
        {"%MB4", "MB"},
        {"%MBRR7", "MBRR"},
        {"%MBRE7", "MBRE"},
        {"%MBR7", ""},
        {"%MW12", "MW"},
        {"%MW", ""},
        {"%MW1.2", ""},
        {"%MWRR5", "MWRR"},
        {"%MWRE5", "MWRE"},
        {"%MD2", "MD"},
        {"%MF2", "MF"},
        {"%ML2", "ML"},
        // constants
        {"%KB1", "KB"},
        {"%KW1", "KW"},
        {"%KD1", "KD"},
        {"%KF15", "KF"},
        {"%KF1.5", ""},
        {"%K1", ""},
        // system
        {"%S3", "S"},
        {"%SB3", "SB"},
        {"%SW3", "SW"},
        {"%SX", ""},
        // timers
        {"%T5", "T"},
        {"%T", ""},
        {"%TX", ""},
        {"%T5.V", "T.V"},
        {"%T5.P", "T.P"},
        {"%T5.E", "T.E"},
        {"%T5.Q", "T.Q"},
        {"%T5.B", "T.B"},
        {"%TX.Q", "T.Q"},
        {"%T5.Z", ""},
        // counters and fast counters
        {"%C7", "C"},
        {"%CX", "C"},
        {"%C1.V", "C.V"},
        {"%C1.P", "C.P"},
        {"%C1.Q", "C.Q"},
        {"%C1.D", "C.D"},
        {"%C1.F", "C.F"},
        {"%C1.R", "C.R"},
        {"%C1.S", "C.S"},
        {"%C2.CU", "C.CU"},
        {"%C2.CD", "C.CD"},
        {"%C2.E", ""},
        {"%CR1", "CR"},
        {"%CR0.V", "CR.V"},
        {"%CR0.P", "CR.P"},
        {"%CR0.E", "CR.E"},
        {"%CR0.R", "CR.R"},
        {"%CR0.Q", "CR.Q"},
        {"%CR0.S", ""},
        // PID, panel, recipe
        {"%PID", "PID"},
        {"%PID1", "PID"},
        {"%PID1.KP", "PID.KP"},
        {"%PID1.KI", "PID.KI"},
        {"%PID1.KD", "PID.KD"},
        {"%PID1.SP", "PID.SP"},
        {"%PID1.XX", ""},
        {"%TC.ENTER", "TC"},
        {"%TC.XYZ", "TC"},
        {"%TC", ""},
        {"%LT.F1", "LT"},
        {"%LT", ""},
        {"%RC1", "REC"},
        {"%RC1.2", ""},
        // texts without "%"
        {"123", "N"},
        {"-4", "N"},
        {"2147483647", "N"},
        {"2147483648", "D"},
        {"+4", "D"},
        {"1.5", "D"},
        {"L12", "L"},
        {"B3", "B"},
        {"Bomba", "B"},
        {"O2", "O"},
        {"Motor", "D"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ClasseOperando(c.operand), c.cls) << '"' << c.operand << '"';
    }
}

TEST(OperandParts, NumberAndField) {
    struct Case {
        std::string operand, number, field;
    };
    const std::vector<Case> cases = {
        {"%I1.7", "1", "7"},       {"%MW12", "12", "Erro"}, {"%PID2.KP", "2", "KP"},
        {"%LT.F1", "1", "F1"},     {"%TX.Q", "Q", "Q"},     {"%TC.ENTER", "R", "ENTER"},
        {"%CR0.R", "0", "R"},      {"Motor", "r", "Erro"},  {"", "Erro", "Erro"},
        {"%T12.3.4", "12", "3.4"}, {"%LT.", ".", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NumeroOperando(c.operand), c.number) << c.operand;
        EXPECT_EQ(SufixoOperando(c.operand), c.field) << c.operand;
    }
}

TEST(SoDigitos, NonEmptyRunOfDigits) {
    EXPECT_TRUE(SoDigitos("0"));
    EXPECT_TRUE(SoDigitos("0123456789"));
    EXPECT_FALSE(SoDigitos(""));
    EXPECT_FALSE(SoDigitos("-1"));
    EXPECT_FALSE(SoDigitos("1 "));
    EXPECT_FALSE(SoDigitos("1a"));
}

TEST(TamanhoOperando, SizeClassOfEachClass) {
    struct Case {
        std::string operand;
        int size;
    };
    const std::vector<Case> cases = {
        {"%I0.0", 0},      {"%Q0.0", 0},     {"%IA1", 2},        {"%QA1", 2},
        {"%M1", 0},        {"%MRR1", 0},     {"%MRE1", 0},       {"%MB1", 1},
        {"%MBRR1", 1},     {"%MBRE1", 1},    {"%MW1", 2},        {"%MWRR1", 2},
        {"%MWRE1", 2},     {"%ML1", 4},      {"%S1", 0},         {"%SB1", 1},
        {"%SW1", 2},       {"%T1.V", 2},     {"%T1.P", 2},       {"%T1.E", 0},
        {"%T1.Q", 0},      {"%T1.B", 1},     {"%C1.V", 2},       {"%C1.P", 2},
        {"%C1.Q", 0},      {"%C1.CU", 0},    {"%CR1.V", 2},      {"%CR1.P", 2},
        {"%CR1.Q", 0},     {"%PID1.KP", 2},  {"%TC.F1", 0},      {"%LT.F1", 0},
        {"%RC1", 1},       {"%T1", kNoSize}, {"%C1", kNoSize},   {"%MD1", kNoSize},
        {"%KW1", kNoSize}, {"123", kNoSize}, {"Motor", kNoSize}, {"", kNoSize},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TamanhoOperando(c.operand), c.size) << c.operand;
    }
}

TEST(NotANumber, OnlyDecimalNumbersAreNumbers) {
    EXPECT_FALSE(isNotNumber("123"));
    EXPECT_FALSE(isNotNumber("-4"));
    EXPECT_TRUE(isNotNumber("%MW1"));
    EXPECT_TRUE(isNotNumber("B3"));
    EXPECT_TRUE(isNotNumber(""));
}

TEST(OrdemClasse, PositionsAndDefault) {
    EXPECT_EQ(OrdemClasse("I"), 0);
    EXPECT_EQ(OrdemClasse("Q"), 1);
    EXPECT_EQ(OrdemClasse("K"), 10);
    EXPECT_EQ(OrdemClasse("MW"), 16);
    EXPECT_EQ(OrdemClasse("T.Q"), 29);
    EXPECT_EQ(OrdemClasse("C.CD"), 39);
    for (const char* other : {"CR", "PID", "REC", "L", "B", "O", "D", "N", "T.B", ""}) {
        EXPECT_EQ(OrdemClasse(other), 0) << other;
    }
}

TEST(ComparaOperandos, Order) {
    struct Case {
        std::string a, b;
        int result;
    };
    const std::vector<Case> cases = {
        {"%I0.7", "%I1.0", 2}, {"%I1.0", "%Q0.0", 2}, {"%MW2", "%MW10", 2},  {"%T1.V", "%T1.P", 2},
        {"%T2.V", "%T1.P", 2}, {"%I0.3", "%I0.2", 1}, {"%MW5", "%MW5", 0},   {"", "%I0.0", 2},
        {"%I0.0", "", 1},      {"", "", 0},           {"Motor", "Bomba", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ComparaOperandos(c.a, c.b), c.result) << c.a << " vs " << c.b;
    }
}

TEST(ComparaOperandos, SortsAsAStrictWeakOrder) {
    // Empty texts (the rows a grid leaves blank) among others: the sort must stay well defined.
    std::vector<std::string> v = {"%MW10", "",      "%Q0.0", "%T1.P", "", "%I1.0",
                                  "%MW2",  "%I0.7", "%T1.V", "Motor", ""};
    std::stable_sort(v.begin(), v.end(), operandLess);
    const std::vector<std::string> sorted = {"",      "",     "",      "Motor", "%I0.7", "%I1.0",
                                             "%Q0.0", "%MW2", "%MW10", "%T1.V", "%T1.P"};
    EXPECT_EQ(v, sorted);
}

} // namespace
} // namespace velmora
