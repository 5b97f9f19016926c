// Classification, parts, order, limit check and address resolution of arbitrary operand texts.
#include "core/operands/memory_map.h"
#include "core/operands/operand_address.h"
#include "core/operands/operand_class.h"
#include "core/operands/operand_limits.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

const velmora::MemoryMap& sampleMap() {
    static const velmora::MemoryMap map = [] {
        velmora::MemoryMap m;
        for (std::size_t i = 0; i < velmora::kMapKeyCount; ++i) {
            // Starts spread over the whole 16-bit space and beyond, sizes of every kind.
            m.values[i] = static_cast<std::int32_t>(i % 2 == 0 ? i * 0x0931 : 0x100 + i * 7);
        }
        m[velmora::MapKey::ADDLED] = 0xFFFC;
        m[velmora::MapKey::ADDTECLA] = 0;
        return m;
    }();
    return map;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t cut = bytes.find('\n');
    const std::string_view a = bytes.substr(0, cut);
    const std::string_view b =
        cut == std::string_view::npos ? std::string_view{} : bytes.substr(cut + 1);

    const std::string cls = velmora::ClasseOperando(a);
    const int order = velmora::OrdemClasse(cls);
    const int sz = velmora::TamanhoOperando(a);
    if (order < 0 || order > 39 || !(sz == -1 || sz == 0 || sz == 1 || sz == 2 || sz == 4)) {
        std::abort();
    }
    (void)velmora::NumeroOperando(a);
    (void)velmora::SufixoOperando(a);

    // The sort order must be a strict weak order.
    const int ab = velmora::ComparaOperandos(a, b);
    const int ba = velmora::ComparaOperandos(b, a);
    if (velmora::ComparaOperandos(a, a) != 0 || (ab == 2) != (ba == 1) || (ab == 0) != (ba == 0)) {
        std::abort();
    }

    velmora::MemoryMap limitsMap;
    limitsMap[velmora::MapKey::TAMINPUTANALOG] = 16;
    const bool inRange = velmora::OperandoNaFaixa(velmora::LimitesOperandos(limitsMap), a);
    if (inRange && !velmora::isOperandClass(cls)) {
        std::abort();
    }

    const auto r = velmora::resolveAddress(sampleMap(), a);
    if (r.status != velmora::AddressResult::Status::Ok && r.address != 0) {
        std::abort();
    }
    if ((r.status == velmora::AddressResult::Status::OutOfRange) == r.text.empty()) {
        std::abort();
    }
    return 0;
}
