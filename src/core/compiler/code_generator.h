#pragma once

// Expression lines to controller instruction bytes, the bytes they count in program memory
// and the checksum of the code.

#include "core/operands/memory_map.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::compiler {

// Why a line's code cannot be trusted: an operand out of range or without an address (it
// would be encoded as address 0), a number that is not one, a function without code.
struct CodeProblem {
    std::string line;
    int logic = 0;       // set by the compile: the logic the line comes from
    std::string operand; // empty when the line as a whole is concerned
    std::string text;    // the out-of-range text, or what is wrong
    bool operator==(const CodeProblem&) const = default;
};
using CodeDiagnostics = std::vector<CodeProblem>;

// The literal text of a line the size count does not know.
inline constexpr std::string_view kComponenteNaoAchado = "Componente n\xE3o Achado";

// The instruction of one line; empty for functions without code (configuration lines such
// as "TIMERB(", formula steps, unknown lines). Problems go into `diagnostics` when given.
std::vector<std::uint8_t> GeraCodigo(std::string_view line, const MemoryMap& map,
                                     CodeDiagnostics* diagnostics = nullptr);

// The bytes one line counts in program memory; 0 (and "Componente não Achado" in
// `diagnostics`) for a line without code.
int countedBytes(std::string_view line, CodeDiagnostics* diagnostics = nullptr);

// The sum of the counted bytes of all lines.
std::int32_t TamanhoCodigo(const std::vector<std::string>& lines,
                           CodeDiagnostics* diagnostics = nullptr);

// The exclusive-OR of every instruction byte of all lines, in order; 0 for no lines.
std::uint8_t ChecksumCodigo(const std::vector<std::string>& lines, const MemoryMap& map);

} // namespace velmora::compiler
