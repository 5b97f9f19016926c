// The memory map reader on arbitrary bytes; the normal form it writes must read back the same.
#include "core/operands/memory_map.h"
#include "core/text/line_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    velmora::MemoryMap map;
    const auto result = velmora::readMemoryMapText(map, bytes);
    if (!result.ok) {
        std::abort(); // text in memory always reads
    }
    velmora::MemoryMap back;
    velmora::readMemoryMapText(back, velmora::text::joinCrLf(velmora::memoryMapLines(map)));
    if (back.values != map.values) {
        std::abort();
    }
    return 0;
}
