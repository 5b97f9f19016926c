#pragma once

// The timers table: one row per timer element of the ladder (TON, TOF, TPP), mirroring the
// parameters its first cell carries, and the timer configuration lines made from it.

#include "core/ladder/program.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::comm {

inline constexpr std::string_view kSim = "SIM";
inline constexpr std::string_view kNao = "N\xC3O";

// Columns ID, TAG, TIPO ("TON", "TOFF", "TP"), PRESET, BASE ("1s" ... "0.001s") and the
// send-parameters check box ("SIM" / "NÃO").
struct TimerRow {
    std::string id;
    std::string tag;
    std::string kind;
    std::string preset;
    std::string base;
    bool send = false;

    bool empty() const {
        return id.empty() && tag.empty() && kind.empty() && preset.empty() && base.empty() && !send;
    }
    std::string sendText() const { return std::string(send ? kSim : kNao); }
    bool operator==(const TimerRow&) const = default;
};

// The data rows; a table without timers holds one empty row.
struct TimersTable {
    std::vector<TimerRow> rows{TimerRow{}};
    void clear() { rows.assign(1, TimerRow{}); }
    bool operator==(const TimersTable&) const = default;
};

// The symbol of an operand, or the operand itself when it has none.
using SymbolLookup = std::function<std::string(std::string_view operand)>;

// Base text of a cell's field 3 ("1" ... "4"); empty for any other value.
std::string_view timerBaseText(std::string_view field3);
// TIPO text of a timer code ("TON" -> "TON", "TOF" -> "TOFF", "TPP" -> "TP"); empty otherwise.
std::string_view timerKindText(std::string_view code);

// Registers the first cell of a timer (fourth character "1"); other cells change nothing.
void RegistraTemporizador(TimersTable& table, std::string_view cellText);

// Removes the row of timer `number` (decimal text); nothing when no row holds it.
void RetiraTemporizador(TimersTable& table, std::string_view number);

// Rebuilds the table from the timer first cells of the program: logics in order, rows top to
// bottom, storage columns left to right. TAG from `symbol` (the operand itself when none).
void RefazTabelaTemporizadores(TimersTable& table, const ladder::TPrograma& program,
                               const SymbolLookup& symbol = {});

// The partial-send setting: 0 send every timer's parameters, 1 none, 2 those marked "SIM".
struct TimerLines {
    std::vector<std::string> kinds;   // "TIMER(n,TON)" ...
    std::vector<std::string> presets; // "TIMERP(n,preset)", "TIMERB(n,code)"
};

// Rebuilds the table, then the timer kind lines and the timer preset lines from it.
TimerLines LinhasTemporizadores(TimersTable& table, const ladder::TPrograma& program,
                                int partialSend, const SymbolLookup& symbol = {});

} // namespace velmora::comm
