#include "core/comm/timers_table.h"

#include "core/comm/counters_table.h"

#include <gtest/gtest.h>

namespace velmora::comm {
namespace {

ladder::TPrograma programWith(const std::vector<std::string>& cells) {
    ladder::TPrograma p;
    int c = 0;
    for (const auto& t : cells) {
        p.logic(1).element(c, 0).set(t);
        c += 2;
    }
    return p;
}

TEST(TimersTable, LinesFollowKindsBasesAndTheSendSetting) {
    const auto p =
        programWith({"TON1001000#%T3#100#4#1", "TPP1001000#%T5#7#1#0", "TOF1001000#%T6#9#x#1"});
    struct Case {
        int setting;
        std::vector<std::string> presets;
    };
    const std::vector<Case> cases = {
        {0, {"TIMERP(3,100)", "TIMERB(3,3)", "TIMERP(5,7)", "TIMERB(5,0)", "TIMERP(6,9)"}},
        {1, {}},
        {2, {"TIMERP(3,100)", "TIMERB(3,3)", "TIMERP(6,9)"}},
    };
    for (const auto& c : cases) {
        TimersTable t;
        const TimerLines lines = LinhasTemporizadores(t, p, c.setting);
        EXPECT_EQ(lines.kinds,
                  (std::vector<std::string>{"TIMER(3,TON)", "TIMER(5,TPP)", "TIMER(6,TOF)"}));
        EXPECT_EQ(lines.presets, c.presets) << "setting " << c.setting;
    }
}

TEST(TimersTable, ProgramWithoutTimersGivesNoLines) {
    TimersTable t;
    const TimerLines lines = LinhasTemporizadores(t, ladder::TPrograma{}, 0);
    EXPECT_TRUE(lines.kinds.empty());
    EXPECT_TRUE(lines.presets.empty());
    EXPECT_EQ(t.rows.size(), 1u);
}

TEST(TimersTable, RebuildTakesTagsFromTheSymbols) {
    TimersTable t;
    RefazTabelaTemporizadores(t, programWith({"TON1001000#%T3#100#2#1"}),
                              [](std::string_view op) { return "tag" + std::string(op); });
    ASSERT_EQ(t.rows.size(), 1u);
    EXPECT_EQ(t.rows[0], (TimerRow{"3", "tag%T3", "TON", "100", "0.1s", true}));
}

TEST(TimersTable, RegistrationFillsAnEmptyLastRowAndIgnoresSecondCells) {
    TimersTable t;
    RegistraTemporizador(t, "TON2001000");
    EXPECT_EQ(t.rows.size(), 1u);
    EXPECT_TRUE(t.rows[0].empty());
    RegistraTemporizador(t, "TON1001000#%T3#100#2#1");
    RegistraTemporizador(t, "TPP1001000#%T4#5#9#0");  // unknown base: column left as it was
    RegistraTemporizador(t, "TOF1001000#%T3#50#1#0"); // the same timer again: its row
    ASSERT_EQ(t.rows.size(), 2u);
    EXPECT_EQ(t.rows[0], (TimerRow{"3", "", "TOFF", "50", "1s", false}));
    EXPECT_EQ(t.rows[1], (TimerRow{"4", "", "TP", "5", "", false}));
    RetiraTemporizador(t, "3");
    RetiraTemporizador(t, "99");
    ASSERT_EQ(t.rows.size(), 1u);
    EXPECT_EQ(t.rows[0].id, "4");
}

TEST(CountersTable, RegistrationByNumber) {
    CountersTable t;
    RegistraContador(t, "CUD2001000");
    EXPECT_TRUE(t.rows[0].empty());
    RegistraContador(t, "CUD1001000#%C2#10");
    RegistraContador(t, "CUP1001000#%C3#4");
    RegistraContador(t, "CDO1001000#%C2#8");
    ASSERT_EQ(t.rows.size(), 2u);
    EXPECT_EQ(t.rows[0], (CounterRow{"2", "Contador Down", "8", ""}));
    EXPECT_EQ(t.rows[1], (CounterRow{"3", "Contador UP", "4", ""}));
    RegistraContador(t, "CUD1001000#%C3#4");
    EXPECT_EQ(t.rows[1].kind, "Contador Up-Down");
}

} // namespace
} // namespace velmora::comm
