#pragma once

// Reading an expression line NAME(argument 1,...,argument n).

#include <string>
#include <string_view>
#include <vector>

namespace velmora::compiler {

// The function of a line: the first keyword of the fixed search order that the line
// contains ("ANDR(" before "AND(", "CRPP(" before "CR(" ...); empty when none matches.
std::string NomeFuncao(std::string_view line);

// Argument k (1-based): the text after the (k - 1)-th "," following the first "(", up to
// the next "," or ")". Empty for "EP", a line without "(" or a k past the last argument.
std::string ArgumentoExpressao(std::string_view line, int k);

// Every argument of the line, in order (none for a line without "(").
std::vector<std::string> expressionArguments(std::string_view line);

// The text before the first "(" (the whole line when there is none).
std::string expressionName(std::string_view line);

// NAME(a1,...,an).
std::string expressionLine(std::string_view name, const std::vector<std::string>& args);

} // namespace velmora::compiler
