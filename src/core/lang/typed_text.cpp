#include "core/lang/typed_text.h"

namespace velmora {

bool isStorableText(std::string_view text) {
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (ch == ';' || c < 0x20 || c == 0x7F) {
            return false;
        }
    }
    return true;
}

std::string storableTextRefusal() {
    return "O texto n\xE3o pode conter \";\" nem quebras de linha ou caracteres de controle";
}

} // namespace velmora
