#include "core/operands/memory_map.h"

#include "core/text/line_file.h"

#include <cstdio>

namespace velmora {

namespace {

constexpr std::array<std::string_view, kMapKeyCount> kKeyNames = {
    "ADDBUFFER",
    "TAMBUFFER",
    "ADDTIMERBASE",
    "TAMTIMERBASE",
    "ADDTIMERSTORE",
    "TAMTIMERSTORE",
    "ADDLINHA",
    "TAMLINHA",
    "ADDINPUT",
    "TAMINPUT",
    "ADDOUTPUT",
    "TAMOUTPUT",
    "ADDINPUT_2",
    "TAMINPUT_2",
    "ADDOUTPUT_2",
    "TAMOUTPUT_2",
    "ADDTECLA",
    "TAMTECLA",
    "ADDLED",
    "TAMLED",
    "ADDOUTPUTANALOG",
    "TAMOUTPUTANALOG",
    "ADDBITMEMORY",
    "TAMBITMEMORY",
    "ADDBYTEMEMORY",
    "TAMBYTEMEMORY",
    "ADDBITRETENTIVO_E",
    "TAMBITRETENTIVO_E",
    "ADDBYTERETENTIVO_E",
    "TAMBYTERETENTIVO_E",
    "ADDBITRETENTIVO_R",
    "TAMBITRETENTIVO_R",
    "ADDBYTERETENTIVO_R",
    "TAMBYTERETENTIVO_R",
    "ADDBITSISTEMA",
    "TAMBITSISTEMA",
    "ADDBYTESISTEMA",
    "TAMBYTESISTEMA",
    "ADDWORDMEMORY",
    "TAMWORDMEMORY",
    "ADDWORDRETENTIVO_E",
    "TAMWORDRETENTIVO_E",
    "ADDWORDRETENTIVO_R",
    "TAMWORDRETENTIVO_R",
    "ADDTIMERATUAL",
    "TAMTIMERATUAL",
    "ADDTIMERPRESET",
    "TAMTIMERPRESET",
    "ADDCOUNTERATUAL",
    "TAMCOUNTERATUAL",
    "ADDCOUNTERPRESET",
    "TAMCOUNTERPRESET",
    "ADDCOUNTEREQUAL",
    "TAMCOUNTEREQUAL",
    "ADDWORDSISTEMA",
    "TAMWORDSISTEMA",
    "ADDINPUTANALOG",
    "TAMINPUTANALOG",
    "ADDPID",
    "TAMPID",
    "ADDCOUNTERR",
    "TAMCOUNTERR",
    "ADDBUFFERWORD",
    "TAMBUFFERWORD",
    "ADDINICIOPROGRAMA",
    "ADDCR",
    "TAMCR",
    "ADDLONGINT",
    "TAMLONGINT",
    "ADDREC",
    "ADD_OUT_CR",
    "TAM_OUT_CR",
    "ADD_VALOR_CR",
    "TAM_VALOR_CR",
    "ADD_PRESET_CR",
    "TAM_PRESET_CR",
};

int hexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return 0; // any other character still takes its digit place
}

// Blanks, tabs and a CR left at the line end (CR LF files, hand-edited files) are not digits.
std::string_view trimEnd(std::string_view s) {
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) {
        s.remove_suffix(1);
    }
    return s;
}

} // namespace

std::string_view mapKeyName(MapKey key) {
    const auto i = static_cast<std::size_t>(key);
    return i < kKeyNames.size() ? kKeyNames[i] : std::string_view{};
}

std::optional<MapKey> findMapKey(std::string_view name) {
    for (std::size_t i = 0; i < kKeyNames.size(); ++i) {
        if (kKeyNames[i] == name) {
            return static_cast<MapKey>(i);
        }
    }
    return std::nullopt;
}

std::optional<std::int32_t> parseMapValue(std::string_view value) {
    if (value.size() > 8) {
        return std::nullopt; // would not fit 32 bits
    }
    std::uint32_t v = 0;
    for (char c : value) {
        v = v * 16 + static_cast<std::uint32_t>(hexDigit(c));
    }
    return static_cast<std::int32_t>(v);
}

MapReadResult readMemoryMapText(MemoryMap& map, std::string_view bytes) {
    MapReadResult result;
    result.ok = true;
    const auto lines = text::splitLines(bytes);
    for (std::size_t n = 0; n < lines.size(); ++n) {
        const std::string_view line = trimEnd(lines[n]);
        const std::size_t eq = line.find('=');
        if (eq == std::string_view::npos) {
            continue;
        }
        // The key is the text before "=" less its last character (the blank).
        const std::string_view key = eq == 0 ? std::string_view{} : line.substr(0, eq - 1);
        const auto k = findMapKey(key);
        if (!k) {
            continue;
        }
        const std::string_view value =
            eq + 2 <= line.size() ? line.substr(eq + 2) : std::string_view{};
        if (const auto v = parseMapValue(value)) {
            map[*k] = *v;
        } else {
            result.problems.push_back({n + 1, lines[n]});
        }
    }
    return result;
}

MapReadResult LeMapaMemoria(MemoryMap& map, const std::filesystem::path& path) {
    const auto bytes = text::readFileBytes(path);
    if (!bytes) {
        MapReadResult failed;
        failed.error = "cannot read the memory map " + path.string();
        return failed;
    }
    auto result = readMemoryMapText(map, *bytes);
    map.source = path;
    return result;
}

std::vector<std::string> memoryMapLines(const MemoryMap& map) {
    std::vector<std::string> lines;
    lines.reserve(kMapKeyCount);
    for (std::size_t i = 0; i < kMapKeyCount; ++i) {
        char hex[16];
        std::snprintf(hex, sizeof hex, "%04X", static_cast<unsigned>(map.values[i]));
        lines.push_back(std::string(kKeyNames[i]) + " = " + hex);
    }
    return lines;
}

text::WriteResult GravaMapaMemoria(const MemoryMap& map, const std::filesystem::path& path) {
    return text::writeLinesAtomic(path, memoryMapLines(map));
}

std::optional<text::WriteResult> writeBackMemoryMap(const MemoryMap& map) {
    if (!map.source) {
        return std::nullopt; // an unread map is all zeros: writing it would destroy the file
    }
    return GravaMapaMemoria(map, *map.source);
}

} // namespace velmora
