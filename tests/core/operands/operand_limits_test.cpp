#include "core/operands/operand_limits.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

OperandLimits projectLimits() {
    MemoryMap map;
    map[MapKey::TAMINPUTANALOG] = 16;
    return LimitesOperandos(map);
}

struct Case {
    std::string operand;
    bool inRange;
};

void check(const OperandLimits& limits, const std::vector<Case>& cases) {
    for (const auto& c : cases) {
        EXPECT_EQ(OperandoNaFaixa(limits, c.operand), c.inRange) << '"' << c.operand << '"';
    }
}

TEST(LimitesOperandos, TheFixedTableAndTheAnalogInputs) {
    const OperandLimits l = projectLimits();
    EXPECT_EQ(l.bitMemory, 512);
    EXPECT_EQ(l.retentiveWordsE2prom, 128);
    EXPECT_EQ(l.inputWords, 4);
    EXPECT_EQ(l.analogInputs, 8);
    EXPECT_EQ(l.analogOutputs, 9);
    EXPECT_EQ(l.fastCounters, 3);
    EXPECT_EQ(l.longints, 16);
    MemoryMap odd;
    odd[MapKey::TAMINPUTANALOG] = 17;
    EXPECT_EQ(LimitesOperandos(odd).analogInputs, 8);
    EXPECT_EQ(LimitesOperandos(MemoryMap{}).analogInputs, 0);
}

TEST(OperandoNaFaixa, EachRowAtItsLimit) {
    check(projectLimits(),
          {
              {"%I3.7", true},    {"%I4.0", false},    {"%I0.8", false},    {"%Q3.7", true},
              {"%Q4.0", false},   {"%Q0.8", false},    {"%M511", true},     {"%M512", false},
              {"%MRR511", true},  {"%MRR512", false},  {"%MRE255", true},   {"%MRE256", false},
              {"%MB511", true},   {"%MB512", false},   {"%MBRR511", true},  {"%MBRR512", false},
              {"%MBRE511", true}, {"%MBRE512", false}, {"%MW511", true},    {"%MW512", false},
              {"%MWRR255", true}, {"%MWRR256", false}, {"%MWRE127", true},  {"%MWRE128", false},
              {"%S255", true},    {"%S256", false},    {"%SB255", true},    {"%SB256", false},
              {"%SW255", true},   {"%SW256", false},   {"%IA7", true},      {"%IA8", false},
              {"%QA8", true},     {"%QA9", false},     {"%T63", true},      {"%T64", false},
              {"%T63.V", true},   {"%T64.V", false},   {"%T63.P", true},    {"%T63.Q", true},
              {"%T63.B", true},   {"%T64.B", false},   {"%C63", true},      {"%C64", false},
              {"%C63.V", true},   {"%C63.P", true},    {"%C63.Q", true},    {"%C64.Q", false},
              {"%PID3.KP", true}, {"%PID4.KP", false}, {"%PID0.KI", true},  {"%PID3.KD", true},
              {"%PID3.SP", true}, {"%PID4.SP", false}, {"%TC.ENTER", true}, {"%TC.ESQ", true},
              {"%TC.0", true},    {"%RC1", true},
          });
}

TEST(OperandoNaFaixa, ClassesTheCheckNeverAccepts) {
    check(projectLimits(),
          {
              {"123", false},    {"Motor", false},  {"%T1.E", false},  {"%C1.D", false},
              {"%C1.F", false},  {"%C1.R", false},  {"%C1.S", false},  {"%C1.CU", false},
              {"%C1.CD", false}, {"%CR1.E", false}, {"%CR1.R", false}, {"%CR1", false},
              {"%PID1", false},  {"L1", false},     {"B1", false},     {"O1", false},
              {"%MD1", false},   {"%KW1", false},   {"", false},       {"%", false},
              {"%X5", false},
          });
}

// Fields that used to pass unchecked, and parts that are not numbers.
TEST(OperandoNaFaixa, LimitsOfLongintsFastCountersLedsKeysAndBits) {
    check(projectLimits(), {
                               {"%ML15", true},    {"%ML16", false},  {"%CR2.Q", true},
                               {"%CR3.Q", false},  {"%CR2.V", true},  {"%CR3.V", false},
                               {"%CR2.P", true},   {"%CR3.P", false}, {"%LT.F1", true},
                               {"%LT.F8", true},   {"%LT.F9", false}, {"%LT.F0", false},
                               {"%LT.X", false},   {"%LT.", false},   {"%LT.F", false},
                               {"%TC.XYZ", false}, {"%TC.", false},   {"%TC.enter", false},
                               {"%I0.X", false},   {"%I0.", false},   {"%I0.-1", false},
                               {"%Q1.x", false},   {"%TX.Q", false},  {"%T99999999999.Q", false},
                               {"%RCX", false},
                           });
}

TEST(OperandoNaFaixa, AnUnsetTableRefusesEveryLimitedOperand) {
    check(OperandLimits{}, {
                               {"%M0", false},
                               {"%I0.0", false},
                               {"%T0.V", false},
                               {"%ML0", false},
                               {"%CR0.Q", false},
                               {"%TC.ENTER", true}, // keys, LEDs, PID and recipe have no entry
                               {"%LT.F1", true},
                               {"%PID0.KP", true},
                               {"%RC1", true},
                           });
}

} // namespace
} // namespace velmora
