#pragma once

// The grammar of a cell text: a ten-character header (three-letter code, part digit, "001",
// "010" in element column 0 or "000" elsewhere) followed, in an element's first cell, by
// "#"-separated parameter fields. Field k is the text between the k-th "#" and the next "#" or
// the end; a "#" that ends the text opens no field.

#include <optional>
#include <string>
#include <string_view>

namespace velmora::ladder {

inline constexpr std::string_view kMissingField = "erro";
// The placeholder a field holds before it is entered (also a jump that lost its target).
inline constexpr std::string_view kBlankField = " ";
inline constexpr std::string_view kLinkDown = "I000";
inline constexpr std::string_view kLinkBelowRail = "N000";
inline constexpr std::string_view kLineCode = "CRT";

// Field k (k >= 1), or nothing when the text has no such field.
std::optional<std::string> cellField(std::string_view text, int k);

// Field k, or "erro" when there is none. Kept for the places that show the text; code that
// decides anything uses cellField, since "erro" cannot be told from a real value.
std::string CampoCelula(std::string_view text, int k);

// The text with field k's characters replaced by `value`. When the text holds k "#" but the
// k-th ends it, the value is put after it; with fewer than k "#" the text is returned unchanged.
std::string TrocaCampo(std::string_view text, int k, std::string_view value);

// Character 4 (the part digit), or '\0' when the text is shorter.
char ParteCelula(std::string_view text);
// The part digit as a number 1 ... 9, or 0 when character 4 is not a digit.
int cellPart(std::string_view text);

// Characters 1 ... 3 (fewer when the text is shorter).
std::string CodigoCelula(std::string_view text);

// True when the text is a cell of element `code` (characters 1-3) with part digit `part`.
bool isElementCell(std::string_view text, std::string_view code, char part);

// Code, part digit, "001", then "010" when the element starts in element column 0, else "000".
std::string CabecalhoCelula(std::string_view code, char part, bool inColumnZero);

} // namespace velmora::ladder
