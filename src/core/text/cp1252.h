#pragma once

#include <string>
#include <string_view>

namespace velmora::text {

// Windows-1252 <-> UTF-8. Texts inside the core are 1252 byte strings; these convert at the
// boundary. The five bytes 1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the
// C1 control characters of the same value, so every byte survives a round trip.
std::string cp1252ToUtf8(std::string_view bytes);

// Characters 1252 cannot hold become '?'; malformed UTF-8 sequences become '?' as well.
std::string utf8ToCp1252(std::string_view utf8);

// The Unicode code point of one 1252 byte.
char32_t cp1252ToCodePoint(unsigned char byte);

} // namespace velmora::text
