#pragma once

#include "core/operands/memory_map.h"
#include "core/seams/prompts.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// One operand that EnderecoOperando reported out of range (and answered with address 0).
struct AddressFailure {
    std::string operand;
    std::string text; // the error box text: row text, operand, " fora de Faixa"
};

// What a caller collects over many EnderecoOperando calls; empty when every operand resolved.
using AddressDiagnostics = std::vector<AddressFailure>;

// The outcome of resolving one operand without showing anything.
struct AddressResult {
    enum class Status {
        Ok,           // `address` is the operand's controller address
        OutOfRange,   // `text` is the out-of-range text; address 0
        NoAddress,    // a class without an address (%T5, %KW1, %C2.CU ...); address 0
        NotAnOperand, // "", "%", a name, or a "%" text of no class; address 0
    };
    Status status = Status::NotAnOperand;
    std::uint16_t address = 0;
    std::string text;
};

// Resolves an operand against the map, silently (see EnderecoOperando). The range test uses
// the exact sum, so an address that lands in its area only by wrapping at 65536 is refused.
AddressResult resolveAddress(const MemoryMap& map, std::string_view operand);

// The controller address of an operand; out of range: error box through `prompts`, an entry
// in `diagnostics` (when given) and 0. Classes without an address give 0 silently.
std::uint16_t EnderecoOperando(const MemoryMap& map, std::string_view operand, Prompts& prompts,
                               AddressDiagnostics* diagnostics = nullptr);

// The address of a panel key operand (%TC.ENTER): ADDTECLA + the key's offset; 0 for an
// unknown key name.
std::uint16_t EnderecoTecla(const MemoryMap& map, std::string_view operand);

} // namespace velmora
