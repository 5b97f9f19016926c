#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::text {

// A fixed-capacity text field: the value is cut to `capacity` bytes when assigned.
inline std::string cut(std::string_view value, std::size_t capacity) {
    return std::string(value.substr(0, capacity));
}
inline void assignCut(std::string& field, std::string_view value, std::size_t capacity) {
    field.assign(value.substr(0, capacity));
}

// The ";" field splitting used by every table file and by message arguments: the text up
// to the next ";" is one field; ";;" is an empty field; a final ";" adds no field; an empty
// text has no fields.
std::vector<std::string> splitFields(std::string_view line, char separator = ';');

// Takes the first field off `rest` (the text before the next separator, removing it).
std::string takeField(std::string& rest, char separator = ';');

// Joins fields with a separator after each one, as the table writers do.
std::string joinFields(const std::vector<std::string>& fields, char separator = ';');

// ASCII-only case mapping (1252 letters above 127 are left alone, as the controller does).
std::string toUpperAscii(std::string_view s);
std::string toLowerAscii(std::string_view s);
bool equalsIgnoreCaseAscii(std::string_view a, std::string_view b);
bool endsWithIgnoreCase(std::string_view s, std::string_view suffix);

std::string_view trimmed(std::string_view s);

// A non-empty run of decimal digits, as numeric prompts require.
bool isDigits(std::string_view s);

// A decimal integer that fits an int, with optional leading '-'; nothing else accepted.
std::optional<long long> parseInteger(std::string_view s);

} // namespace velmora::text
