#include "core/comm/timers_table.h"

#include "core/ladder/cell.h"
#include "core/text/strings.h"

#include <algorithm>
#include <array>

namespace velmora::comm {

namespace {

struct Base {
    std::string_view field;
    std::string_view text;
    std::string_view lineCode; // the TIMERB line counts from 0
};
constexpr std::array<Base, 4> kBases = {{
    {"1", "1s", "0"},
    {"2", "0.1s", "1"},
    {"3", "0.01s", "2"},
    {"4", "0.001s", "3"},
}};

bool isTimerFirstCell(std::string_view t) {
    const std::string_view head = t.substr(0, 4);
    return head == "TON1" || head == "TOF1" || head == "TPP1";
}

std::string timerNumber(std::string_view cellText) {
    const std::string op = ladder::cellField(cellText, 1).value_or("");
    return op.size() > 2 ? op.substr(2) : std::string();
}

// Registration step 4 (column 1 is not touched).
void fillRow(TimerRow& row, std::string_view cellText) {
    row.id = timerNumber(cellText);
    row.kind = std::string(timerKindText(ladder::CodigoCelula(cellText)));
    row.preset = ladder::cellField(cellText, 2).value_or("");
    const std::string_view base = timerBaseText(ladder::cellField(cellText, 3).value_or(""));
    if (!base.empty()) {
        row.base = std::string(base);
    }
    row.send = ladder::cellField(cellText, 4).value_or("") == "1";
}

void addOnceIgnoreCase(std::vector<std::string>& list, const std::string& line) {
    for (const auto& l : list) {
        if (text::equalsIgnoreCaseAscii(l, line)) {
            return;
        }
    }
    list.push_back(line);
}

} // namespace

std::string_view timerBaseText(std::string_view field3) {
    for (const auto& b : kBases) {
        if (b.field == field3) {
            return b.text;
        }
    }
    return {};
}

std::string_view timerKindText(std::string_view code) {
    if (code == "TON") {
        return "TON";
    }
    if (code == "TOF") {
        return "TOFF";
    }
    if (code == "TPP") {
        return "TP";
    }
    return {};
}

void RegistraTemporizador(TimersTable& table, std::string_view cellText) {
    if (ladder::ParteCelula(cellText) != '1') {
        return;
    }
    const std::string n = timerNumber(cellText);
    auto it = std::find_if(table.rows.begin(), table.rows.end(),
                           [&](const TimerRow& r) { return r.id == n; });
    if (it == table.rows.end()) {
        if (table.rows.empty() || !table.rows.back().empty()) {
            table.rows.emplace_back();
        }
        it = table.rows.end() - 1;
        it->send = false;
    }
    fillRow(*it, cellText);
}

void RetiraTemporizador(TimersTable& table, std::string_view number) {
    const auto it = std::find_if(table.rows.begin(), table.rows.end(),
                                 [&](const TimerRow& r) { return r.id == number; });
    if (it != table.rows.end()) {
        table.rows.erase(it);
        if (table.rows.empty()) {
            table.rows.emplace_back();
        }
    }
}

void RefazTabelaTemporizadores(TimersTable& table, const ladder::TPrograma& program,
                               const SymbolLookup& symbol) {
    table.clear();
    bool firstFilled = false;
    for (int i = 1; i <= program.count(); ++i) {
        const ladder::TLogica& logic = program.logic(i);
        for (int r = 0; r < ladder::kStorageRows; ++r) {
            for (int s = 0; s < ladder::kStorageColumns; ++s) {
                const std::string& t = logic.cell(s, r).text;
                if (!isTimerFirstCell(t)) {
                    continue;
                }
                if (firstFilled) {
                    table.rows.emplace_back();
                }
                firstFilled = true;
                TimerRow& row = table.rows.back();
                fillRow(row, t);
                const std::string op = "%T" + row.id;
                row.tag = symbol ? symbol(op) : op;
            }
        }
    }
}

TimerLines LinhasTemporizadores(TimersTable& table, const ladder::TPrograma& program,
                                int partialSend, const SymbolLookup& symbol) {
    RefazTabelaTemporizadores(table, program, symbol);
    TimerLines lines;
    if (table.rows.size() == 1 && table.rows[0].kind.empty()) {
        return lines;
    }
    for (const auto& row : table.rows) {
        const std::string& n = row.id;
        if (row.kind == "TP") {
            lines.kinds.push_back("TIMER(" + n + ",TPP)");
        } else if (row.kind == "TON") {
            lines.kinds.push_back("TIMER(" + n + ",TON)");
        } else if (row.kind == "TOFF") {
            lines.kinds.push_back("TIMER(" + n + ",TOF)");
        }
        const bool send = partialSend == 0 || (partialSend == 2 && row.send);
        if (!send) {
            continue;
        }
        addOnceIgnoreCase(lines.presets, "TIMERP(" + n + "," + row.preset + ")");
        for (const auto& b : kBases) {
            if (b.text == row.base) {
                addOnceIgnoreCase(lines.presets,
                                  "TIMERB(" + n + "," + std::string(b.lineCode) + ")");
            }
        }
    }
    return lines;
}

} // namespace velmora::comm
