#pragma once

#include <string>
#include <string_view>

namespace velmora {

// A text typed into the language editor (a phrase, a description, a language name) is
// stored as one ";"-separated field of one line: ";" would add a field and a line break a
// line, and the next start would refuse the whole file. Control characters are refused too.
bool isStorableText(std::string_view text);

// The refusal shown when a typed text is not storable.
std::string storableTextRefusal();

} // namespace velmora
