#include "core/comm/counters_table.h"

#include "core/ladder/cell.h"

#include <algorithm>

namespace velmora::comm {

std::string_view counterKindText(std::string_view code) {
    if (code == "CUP") {
        return "Contador UP";
    }
    if (code == "CDO") {
        return "Contador Down";
    }
    if (code == "CUD") {
        return "Contador Up-Down";
    }
    return {};
}

void RegistraContador(CountersTable& table, std::string_view cellText) {
    if (ladder::ParteCelula(cellText) != '1') {
        return;
    }
    const std::string op = ladder::cellField(cellText, 1).value_or("");
    const std::string n = op.size() > 2 ? op.substr(2) : std::string();
    auto it = std::find_if(table.rows.begin(), table.rows.end(),
                           [&](const CounterRow& r) { return r.id == n; });
    if (it == table.rows.end()) {
        if (table.rows.empty() || !table.rows.back().empty()) {
            table.rows.emplace_back();
        }
        it = table.rows.end() - 1;
    }
    it->id = n;
    it->kind = std::string(counterKindText(ladder::CodigoCelula(cellText)));
    it->preset = ladder::cellField(cellText, 2).value_or("");
}

} // namespace velmora::comm
