#include "core/comm/sharing_table.h"

#include "core/text/strings.h"

#include <algorithm>

namespace velmora::comm {

const std::array<SharingFunction, 7>& sharingFunctions() {
    static const std::array<SharingFunction, 7> functions = {{
        {"Read coil status", 1},
        {"Read input status", 2},
        {"Read holding register", 3},
        {"Force single coil", 5},
        {"Preset single register", 6},
        {"Force multiple coil", 15},
        {"Preset multiple register", 16},
    }};
    return functions;
}

std::optional<std::uint8_t> sharingFunctionCode(std::string_view name) {
    for (const auto& f : sharingFunctions()) {
        if (f.name == name) {
            return f.code;
        }
    }
    return std::nullopt;
}

int NumeroEntradasCompartilhamento(const SharingTable& table) {
    int count = static_cast<int>(table.rows.size());
    if (!table.rows.empty()) {
        const auto& last = table.rows.back();
        if (std::all_of(last.begin(), last.end(), [](const std::string& c) { return c.empty(); })) {
            --count;
        }
    }
    return count;
}

std::vector<std::string> EscreveTabComp(const SharingTable& table) {
    std::vector<std::string> lines;
    lines.reserve(table.rows.size());
    for (const auto& row : table.rows) {
        std::string line = row[0];
        for (std::size_t i = 1; i < row.size(); ++i) {
            line += ';';
            line += row[i];
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

void LeTabComp(SharingTable& table, const std::vector<std::string>& lines) {
    table.rows.clear();
    for (const auto& line : lines) {
        const auto fields = text::splitFields(line);
        SharingRow row;
        for (std::size_t i = 0; i < row.size() && i < fields.size(); ++i) {
            row[i] = fields[i];
        }
        table.rows.push_back(std::move(row));
    }
}

std::uint16_t hexSharingAddress(std::string_view text) {
    unsigned value = 0;
    for (const char c : text) {
        unsigned digit = 0;
        if (c >= '0' && c <= '9') {
            digit = static_cast<unsigned>(c - '0');
        } else if (c >= 'A' && c <= 'F') {
            digit = static_cast<unsigned>(c - 'A' + 10);
        }
        value = ((value << 4) | digit) & 0xFFFFu;
    }
    return static_cast<std::uint16_t>(value);
}

std::optional<std::array<std::uint8_t, 10>> EntradaCompartilhamento(const SharingRow& row) {
    const auto code = sharingFunctionCode(row[0]);
    const auto station = text::parseInteger(text::trimmed(row[1]));
    if (!code || !station) {
        return std::nullopt;
    }
    std::array<std::uint8_t, 10> bytes{};
    bytes[0] = *code;
    bytes[1] = static_cast<std::uint8_t>(static_cast<unsigned long long>(*station) & 0xFFu);
    for (std::size_t i = 0; i < 4; ++i) {
        const std::uint16_t address = hexSharingAddress(row[2 + i]);
        bytes[2 + 2 * i] = static_cast<std::uint8_t>(address >> 8);
        bytes[3 + 2 * i] = static_cast<std::uint8_t>(address & 0xFFu);
    }
    return bytes;
}

} // namespace velmora::comm
