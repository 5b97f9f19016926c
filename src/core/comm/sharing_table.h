#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::comm {

// One exchange of the RS-485 sharing table: function name, destination station (decimal),
// then four addresses in hexadecimal: master first/last, destination first/last.
using SharingRow = std::array<std::string, 6>;

// The sharing table's data rows (the grid's title row is not kept). A new or cleared table is
// one empty row.
struct SharingTable {
    std::vector<SharingRow> rows{SharingRow{}};

    void clear() { rows.assign(1, SharingRow{}); }
    bool operator==(const SharingTable&) const = default;
};

// The ModBus function names and their codes; the editor's list offers the first five.
struct SharingFunction {
    std::string_view name;
    std::uint8_t code;
};
const std::array<SharingFunction, 7>& sharingFunctions();
std::optional<std::uint8_t> sharingFunctionCode(std::string_view name);

// Data rows, less one when the last row's six cells are all empty.
int NumeroEntradasCompartilhamento(const SharingTable& table);

// The #TABCOMP lines: one per data row, the six cells joined by ";".
std::vector<std::string> EscreveTabComp(const SharingTable& table);
// Each line's first six fields fill one row (missing ones empty); no lines leave no rows.
void LeTabComp(SharingTable& table, const std::vector<std::string>& lines);

// Hex digits 0-9 and A-F; any other character counts as the digit 0; the low 16 bits are kept.
std::uint16_t hexSharingAddress(std::string_view text);

// The 10 data bytes sent for `row`: function code, destination, then the four addresses high
// byte first. nullopt when the function name is unknown or the destination is not a decimal
// number, so such a row is refused instead of being sent with an undefined byte.
std::optional<std::array<std::uint8_t, 10>> EntradaCompartilhamento(const SharingRow& row);

} // namespace velmora::comm
