#pragma once

#include "core/text/atomic_file.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// The keys of the memory map file, in the order the file is written. ADD... keys are start
// addresses, TAM... keys sizes in bytes of controller memory.
enum class MapKey : int {
    ADDBUFFER,
    TAMBUFFER,
    ADDTIMERBASE,
    TAMTIMERBASE,
    ADDTIMERSTORE,
    TAMTIMERSTORE,
    ADDLINHA,
    TAMLINHA,
    ADDINPUT,
    TAMINPUT,
    ADDOUTPUT,
    TAMOUTPUT,
    ADDINPUT_2,
    TAMINPUT_2,
    ADDOUTPUT_2,
    TAMOUTPUT_2,
    ADDTECLA,
    TAMTECLA,
    ADDLED,
    TAMLED,
    ADDOUTPUTANALOG,
    TAMOUTPUTANALOG,
    ADDBITMEMORY,
    TAMBITMEMORY,
    ADDBYTEMEMORY,
    TAMBYTEMEMORY,
    ADDBITRETENTIVO_E,
    TAMBITRETENTIVO_E,
    ADDBYTERETENTIVO_E,
    TAMBYTERETENTIVO_E,
    ADDBITRETENTIVO_R,
    TAMBITRETENTIVO_R,
    ADDBYTERETENTIVO_R,
    TAMBYTERETENTIVO_R,
    ADDBITSISTEMA,
    TAMBITSISTEMA,
    ADDBYTESISTEMA,
    TAMBYTESISTEMA,
    ADDWORDMEMORY,
    TAMWORDMEMORY,
    ADDWORDRETENTIVO_E,
    TAMWORDRETENTIVO_E,
    ADDWORDRETENTIVO_R,
    TAMWORDRETENTIVO_R,
    ADDTIMERATUAL,
    TAMTIMERATUAL,
    ADDTIMERPRESET,
    TAMTIMERPRESET,
    ADDCOUNTERATUAL,
    TAMCOUNTERATUAL,
    ADDCOUNTERPRESET,
    TAMCOUNTERPRESET,
    ADDCOUNTEREQUAL,
    TAMCOUNTEREQUAL,
    ADDWORDSISTEMA,
    TAMWORDSISTEMA,
    ADDINPUTANALOG,
    TAMINPUTANALOG,
    ADDPID,
    TAMPID,
    ADDCOUNTERR,
    TAMCOUNTERR,
    ADDBUFFERWORD,
    TAMBUFFERWORD,
    ADDINICIOPROGRAMA,
    ADDCR,
    TAMCR,
    ADDLONGINT,
    TAMLONGINT,
    ADDREC,
    ADD_OUT_CR,
    TAM_OUT_CR,
    ADD_VALOR_CR,
    TAM_VALOR_CR,
    ADD_PRESET_CR,
    TAM_PRESET_CR,
    Count
};

inline constexpr std::size_t kMapKeyCount = static_cast<std::size_t>(MapKey::Count);

// The key's text as it stands in the file ("ADDBUFFER").
std::string_view mapKeyName(MapKey key);

// The key whose text is exactly `name` (case-sensitive); nullopt for an unknown key.
std::optional<MapKey> findMapKey(std::string_view name);

// The memory map: 76 signed 32-bit values, all 0 until a file is read.
struct MemoryMap {
    std::array<std::int32_t, kMapKeyCount> values{};
    // The file the map was last read from; empty while no file has been read.
    std::optional<std::filesystem::path> source;

    std::int32_t operator[](MapKey key) const { return values[static_cast<std::size_t>(key)]; }
    std::int32_t& operator[](MapKey key) { return values[static_cast<std::size_t>(key)]; }
};

// One line of a map file whose value could not be taken (the key keeps its earlier value).
struct MapLineProblem {
    std::size_t line = 0; // 1-based
    std::string text;     // the line as read
};

struct MapReadResult {
    bool ok = false;                      // false: the file could not be read, map unchanged
    std::string error;                    // why, when !ok
    std::vector<MapLineProblem> problems; // lines whose value was refused
    explicit operator bool() const { return ok; }
};

// A map value: hexadecimal read from the last character to the first; 0-9, A-F and a-f are
// digits, any other character counts 0 in its place; nullopt for more than 8 characters.
std::optional<std::int32_t> parseMapValue(std::string_view value);

// Applies the lines of a map file to `map` key by key (later lines win, unknown keys and
// lines without "=" are ignored). Does not touch `map.source`.
MapReadResult readMemoryMapText(MemoryMap& map, std::string_view bytes);

// Reads a memory map file into `map` and remembers it as `map.source`.
MapReadResult LeMapaMemoria(MemoryMap& map, const std::filesystem::path& path);

// The normal form of the map: one "KEY = HHHH" line per key, in file order.
std::vector<std::string> memoryMapLines(const MemoryMap& map);

// Writes the map in normal form (CR LF lines), replacing the file atomically.
text::WriteResult GravaMapaMemoria(const MemoryMap& map, const std::filesystem::path& path);

// The write-back at close: the map is written to the file it was read from; a map that was
// never read is not written (nullopt).
std::optional<text::WriteResult> writeBackMemoryMap(const MemoryMap& map);

} // namespace velmora
