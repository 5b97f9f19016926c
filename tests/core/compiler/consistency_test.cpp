// The warning lines before a download: repeated timers, counters and coils, sets without
// resets, and what blocks the download.
#include "core/compiler/consistency.h"
#include "ladder_builder.h"

#include <gtest/gtest.h>

namespace velmora::compiler {
namespace {

using test::cellText;
using test::LogicBuilder;

// One element per logic: the text of its cell and where it stands.
struct Placed {
    int logic;
    int column;
    int row;
    std::string text;
};

ladder::TPrograma programOf(const std::vector<Placed>& cells, int count) {
    ladder::TPrograma p;
    ladder::setLogicCount(p, count);
    for (const auto& c : cells) {
        p.logic(c.logic).element(c.column, c.row).set(c.text);
    }
    return p;
}

Placed timer(int logic, std::string op, std::string_view code = "TON") {
    return {logic, 2, 0, cellText(code, '1', 2, {std::move(op), "10", "1", "1"})};
}
Placed counter(int logic, std::string op, std::string_view code = "CUP") {
    return {logic, 2, 0, cellText(code, '1', 2, {std::move(op), "10"})};
}
Placed coil(int logic, std::string op, std::string_view code = "BOB", int column = 9, int row = 0) {
    return {logic, column, row, cellText(code, '1', column, {std::move(op)})};
}
Placed call(int logic, std::string name) {
    return {logic, 3, 0, cellText("CAL", '1', 3, {std::move(name)})};
}

struct Case {
    const char* name;
    std::vector<Placed> cells;
    std::vector<ConsistencyWarning> lines;
};

class Consistency : public ::testing::TestWithParam<Case> {};

TEST_P(Consistency, Lines) {
    const Case& c = GetParam();
    EXPECT_EQ(avisosPrograma(programOf(c.cells, 5)), c.lines);
}

std::vector<Case> cases() {
    const std::string rep = " est\xE1 repetido na l\xF3gica ";
    return {
        {"timer_twice",
         {timer(2, "%T5"), timer(4, "%T5")},
         {{4, "Temporizador 5" + rep + "4", true}}},
        {"timer_three_times",
         {timer(1, "%T5"), timer(2, "%T5", "TOF"), timer(4, "%T5", "TPP")},
         {{2, "Temporizador 5" + rep + "2", true}, {4, "Temporizador 5" + rep + "4", true}}},
        {"coil_and_complement",
         {coil(1, "%Q0.0"), coil(3, "%Q0.0", "BON")},
         {{3, "A bobina %Q0.0 est\xE1 repetida na l\xF3gica 3", true}}},
        {"set_twice_without_reset",
         {coil(1, "%M10", "BOS"), coil(2, "%M10", "BOS")},
         {{1,
           "O endere\xE7o %M10 possui instru\xE7\xE3o de Set, mas n\xE3o possui instru\xE7\xE3o "
           "de Reset",
           false}}},
        {"reset_without_set",
         {coil(3, "%M11", "BOR")},
         {{3,
           "O endere\xE7o %M11 possui instru\xE7\xE3o de Reset, mas n\xE3o possui instru\xE7\xE3o "
           "de Set",
           false}}},
        {"set_and_reset", {coil(1, "%M10", "BOS"), coil(4, "%M10", "BOR")}, {}},
        {"coil_outside_column_9", {coil(1, "%Q0.0"), coil(2, "%Q0.0", "BOB", 5)}, {}},
        {"timer_and_counter_same_number", {timer(1, "%T5"), counter(2, "%C5")}, {}},
        {"call_named_like_a_timer", {call(1, "BUTTON1"), call(2, "BUTTON1")}, {}},
        {"up_down_counter_twice",
         {counter(1, "%C3", "CUD"), counter(3, "%C3", "CDO")},
         {{3, "Contador 3" + rep + "3", true}}},
        {"second_cell_not_counted", {timer(1, "%T5"), {1, 2, 1, cellText("TON", '2', 2)}}, {}},
        {"clean", {timer(1, "%T1"), counter(1, "%C1"), coil(1, "%Q0.0")}, {}},
    };
}

INSTANTIATE_TEST_SUITE_P(Cases, Consistency, ::testing::ValuesIn(cases()),
                         [](const auto& info) { return std::string(info.param.name); });

struct GoOnCase {
    const char* name;
    std::vector<Placed> cells;
    bool windowShown;
    bool userGoesOn;
    bool result;
};

class ConsistencyGate : public ::testing::TestWithParam<GoOnCase> {};

TEST_P(ConsistencyGate, WindowAndAnswer) {
    const GoOnCase& c = GetParam();
    int shown = 0;
    const bool r = VerificaPrograma(programOf(c.cells, 5), [&](const auto& lines) {
        ++shown;
        EXPECT_FALSE(lines.empty());
        return c.userGoesOn;
    });
    EXPECT_EQ(shown, c.windowShown ? 1 : 0);
    EXPECT_EQ(r, c.result);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConsistencyGate,
    ::testing::Values(
        GoOnCase{"clean_no_window", {coil(1, "%Q0.0")}, false, false, true},
        GoOnCase{"warning_go_on", {coil(1, "%M1", "BOS")}, true, true, true},
        GoOnCase{"warning_stop", {coil(1, "%M1", "BOS")}, true, false, false},
        GoOnCase{"repetition_blocks", {timer(1, "%T2"), timer(2, "%T2")}, true, true, false}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace velmora::compiler
