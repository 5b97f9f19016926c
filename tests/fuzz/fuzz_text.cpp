// Line splitting, field splitting and the 1252 conversion on arbitrary bytes.
#include "core/text/cp1252.h"
#include "core/text/line_file.h"
#include "core/text/strings.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (const auto& line : velmora::text::splitLines(bytes)) {
        const auto fields = velmora::text::splitFields(line);
        (void)fields;
    }
    if (velmora::text::utf8ToCp1252(velmora::text::cp1252ToUtf8(bytes)) != bytes) {
        std::abort();
    }
    return 0;
}
