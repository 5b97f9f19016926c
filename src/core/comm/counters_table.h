#pragma once

// The counters table: one row per counter element (CUP, CDO, CUD), fed by registration.

#include <string>
#include <string_view>
#include <vector>

namespace velmora::comm {

// Columns ID, TIPO ("Contador UP", "Contador Down", "Contador Up-Down"), PRESET, TAG.
struct CounterRow {
    std::string id;
    std::string kind;
    std::string preset;
    std::string tag; // left empty

    bool empty() const { return id.empty() && kind.empty() && preset.empty() && tag.empty(); }
    bool operator==(const CounterRow&) const = default;
};

struct CountersTable {
    std::vector<CounterRow> rows{CounterRow{}};
    void clear() { rows.assign(1, CounterRow{}); }
    bool operator==(const CountersTable&) const = default;
};

// TIPO text of a counter code; empty for any other code.
std::string_view counterKindText(std::string_view code);

// Registers the first cell of a counter (fourth character "1"); other cells change nothing.
void RegistraContador(CountersTable& table, std::string_view cellText);

} // namespace velmora::comm
