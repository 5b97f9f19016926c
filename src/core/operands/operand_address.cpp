#include "core/operands/operand_address.h"

#include "core/operands/operand_class.h"
#include "core/operands/operand_limits.h"

#include <array>

namespace velmora {

namespace {

using K = MapKey;

// One class with an area: address = start + scale * n + add, tested against start and size.
struct Row {
    std::string_view cls;
    K start;
    K size;
    int scale;
    int add;
    std::string_view text; // what the error box says before the operand
};

constexpr std::string_view kTimerView = "Endere\xE7o da visualiza\xE7\xE3o de Timer ";
constexpr std::string_view kFastCounter = "Endere\xE7o da Saida do contador Rapido ";
constexpr std::string_view kPid = "Endere\xE7o do PID ";

constexpr std::array<Row, 33> kRows = {{
    {"T.Q", K::ADDTIMERSTORE, K::TAMTIMERSTORE, 1, 0, "Endere\xE7o da Saida de Timer "},
    {"T.P", K::ADDTIMERPRESET, K::TAMTIMERPRESET, 2, 0, "Endere\xE7o do Preset de Timer "},
    {"T.V", K::ADDTIMERATUAL, K::TAMTIMERATUAL, 2, 0, kTimerView},
    {"T.B", K::ADDTIMERBASE, K::TAMTIMERBASE, 1, 0, kTimerView},
    {"CR.Q", K::ADD_OUT_CR, K::TAM_OUT_CR, 1, 0, kFastCounter},
    {"CR.V", K::ADD_VALOR_CR, K::TAM_VALOR_CR, 2, 0, kFastCounter},
    {"CR.P", K::ADD_PRESET_CR, K::TAM_PRESET_CR, 2, 0, kFastCounter},
    {"C.V", K::ADDCOUNTERATUAL, K::TAMCOUNTERATUAL, 2, 0,
     "Endere\xE7o da visualiza\xE7\xE3o do contador "},
    {"C.P", K::ADDCOUNTERPRESET, K::TAMCOUNTERPRESET, 2, 0, "Endere\xE7o de preset do contador "},
    {"C.Q", K::ADDCOUNTEREQUAL, K::TAMCOUNTEREQUAL, 2, 0, "Endere\xE7o de Equal do contador "},
    {"PID.KP", K::ADDPID, K::TAMPID, 128, 44, kPid},
    {"PID.KI", K::ADDPID, K::TAMPID, 128, 46, kPid},
    {"PID.KD", K::ADDPID, K::TAMPID, 128, 48, kPid},
    {"PID.SP", K::ADDPID, K::TAMPID, 128, 50, kPid},
    {"M", K::ADDBITMEMORY, K::TAMBITMEMORY, 1, 0, "Endere\xE7o do BitMemory "},
    {"MRR", K::ADDBITRETENTIVO_R, K::TAMBITRETENTIVO_R, 1, 0,
     "Endere\xE7o do BitRetentivo DA RAM "},
    {"MRE", K::ADDBITRETENTIVO_E, K::TAMBITRETENTIVO_E, 1, 0,
     "Endere\xE7o do BitRetentivo DA E2PROM "},
    {"MB", K::ADDBYTEMEMORY, K::TAMBYTEMEMORY, 1, 0, "Endere\xE7o do ByteMemory "},
    {"MBRR", K::ADDBYTERETENTIVO_R, K::TAMBYTERETENTIVO_R, 1, 0, "Endere\xE7o do ByteRetentivo "},
    {"MBRE", K::ADDBYTERETENTIVO_E, K::TAMBYTERETENTIVO_E, 1, 0, "Endere\xE7o do ByteRetentivo "},
    {"MW", K::ADDWORDMEMORY, K::TAMWORDMEMORY, 2, 0, "Endere\xE7o do WordMemory "},
    {"MWRR", K::ADDWORDRETENTIVO_R, K::TAMWORDRETENTIVO_R, 2, 0, "Endere\xE7o do WordRetentivo "},
    {"MWRE", K::ADDWORDRETENTIVO_E, K::TAMWORDRETENTIVO_E, 2, 0, "Endere\xE7o do WordRetentivo "},
    {"B", K::ADDBUFFER, K::TAMBUFFER, 1, 0, "Endere\xE7o do Buffer "},
    {"IA", K::ADDINPUTANALOG, K::TAMINPUTANALOG, 2, 0, "Endere\xE7o do InputAnalog "},
    {"QA", K::ADDOUTPUTANALOG, K::TAMOUTPUTANALOG, 2, 0, "Endere\xE7o do OutputAnalog "},
    {"O", K::ADDBUFFERWORD, K::TAMBUFFERWORD, 2, 0, "Endere\xE7o do BufferWord "},
    {"ML", K::ADDLONGINT, K::TAMLONGINT, 4, 0, "Endere\xE7o da Longint "},
    {"L", K::ADDLINHA, K::TAMLINHA, 1, 0, "Endere\xE7o do Linha "},
    {"S", K::ADDBITSISTEMA, K::TAMBITSISTEMA, 1, 0, "Endere\xE7o do BitSistema "},
    {"SB", K::ADDBYTESISTEMA, K::TAMBYTESISTEMA, 1, 0, "Endere\xE7o do ByteSistema "},
    {"SW", K::ADDWORDSISTEMA, K::TAMWORDSISTEMA, 2, 0, "Endere\xE7o do WordSistema "},
    {"LT", K::ADDLED, K::TAMLED, 1, -1, "Endere\xE7o do Led "},
}};

constexpr std::string_view kFora = " fora de Faixa";

AddressResult outOfRange(std::string_view rowText, std::string_view operand) {
    AddressResult r;
    r.status = AddressResult::Status::OutOfRange;
    r.text = std::string(rowText) + std::string(operand) + std::string(kFora);
    return r;
}

// Checks start <= start + offset < start + size on the exact sum; an address outside the
// 16-bit space never resolves (it would only alias another area after wrapping).
AddressResult inArea(const MemoryMap& map, K startKey, K sizeKey, long long offset,
                     std::string_view rowText, std::string_view operand) {
    const long long start = map[startKey];
    const long long size = map[sizeKey];
    const long long address = start + offset;
    if (address < start || address >= start + size || address < 0 || address > 0xFFFF) {
        return outOfRange(rowText, operand);
    }
    AddressResult r;
    r.status = AddressResult::Status::Ok;
    r.address = static_cast<std::uint16_t>(address);
    return r;
}

AddressResult pointAddress(const MemoryMap& map, std::string_view operand, bool input) {
    // The word number is one digit (the class guarantees it); words 0 and 1 and words 2 and up
    // live in two areas.
    const int n = operand[2] - '0';
    const auto b = toInt32(SufixoOperando(operand));
    std::string_view text;
    K start;
    K size;
    if (input) {
        text = n <= 1 ? "Endere\xE7o da Saida digital " : "Endere\xE7o da Saida digital_2 ";
        start = n <= 1 ? K::ADDINPUT : K::ADDINPUT_2;
        size = n <= 1 ? K::TAMINPUT : K::TAMINPUT_2;
    } else {
        text = n <= 1 ? "Endere\xE7o da saida digital " : "Endere\xE7o da saida_2 digital ";
        start = n <= 1 ? K::ADDOUTPUT : K::ADDOUTPUT_2;
        size = n <= 1 ? K::TAMOUTPUT : K::TAMOUTPUT_2;
    }
    if (!b) {
        return outOfRange(text, operand);
    }
    const long long word = n <= 1 ? n : n - 2;
    return inArea(map, start, size, 8 * word + *b, text, operand);
}

} // namespace

std::uint16_t EnderecoTecla(const MemoryMap& map, std::string_view operand) {
    if (operand.substr(0, 4) != "%TC.") {
        return 0;
    }
    const auto offset = teclaOffset(operand.substr(4));
    if (!offset) {
        return 0;
    }
    return static_cast<std::uint16_t>(static_cast<long long>(map[K::ADDTECLA]) + *offset);
}

AddressResult resolveAddress(const MemoryMap& map, std::string_view operand) {
    const std::string_view op = operand == " " ? std::string_view{} : operand;
    const std::string c = ClasseOperando(op);
    AddressResult r;
    if (!isOperandClass(c) || c == "D") {
        r.status = AddressResult::Status::NotAnOperand;
        return r;
    }
    if (c == "N") {
        r.status = AddressResult::Status::Ok;
        r.address = static_cast<std::uint16_t>(toInt32(op).value_or(0));
        return r;
    }
    if (c == "REC") {
        r.status = AddressResult::Status::Ok;
        r.address = static_cast<std::uint16_t>(map[K::ADDREC]);
        return r;
    }
    if (c == "I" || c == "Q") {
        return pointAddress(map, op, c == "I");
    }
    if (c == "TC") {
        // An unknown key name is always out of range, even when the key area starts at 0.
        const auto offset = teclaOffset(op.substr(4));
        if (!offset) {
            return outOfRange("Endere\xE7o do Tecla ", op);
        }
        return inArea(map, K::ADDTECLA, K::TAMTECLA, *offset, "Endere\xE7o do Tecla ", op);
    }
    for (const auto& row : kRows) {
        if (row.cls != c) {
            continue;
        }
        std::optional<std::int32_t> n;
        if (c == "LT") {
            const std::string field = SufixoOperando(op);
            if (!field.empty()) {
                n = toInt32(std::string_view(field).substr(1));
            }
        } else {
            n = toInt32(NumeroOperando(op));
        }
        if (!n) {
            return outOfRange(row.text, op);
        }
        return inArea(map, row.start, row.size, static_cast<long long>(row.scale) * *n + row.add,
                      row.text, op);
    }
    r.status = AddressResult::Status::NoAddress;
    return r;
}

std::uint16_t EnderecoOperando(const MemoryMap& map, std::string_view operand, Prompts& prompts,
                               AddressDiagnostics* diagnostics) {
    AddressResult r = resolveAddress(map, operand);
    if (r.status == AddressResult::Status::OutOfRange) {
        prompts.error(r.text);
        if (diagnostics) {
            diagnostics->push_back({std::string(operand), std::move(r.text)});
        }
        return 0;
    }
    return r.address;
}

} // namespace velmora
