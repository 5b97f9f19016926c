#include "core/lang/language.h"

namespace velmora {

std::string Language::text(int number, std::string_view arguments) const {
    return TextoMensagem(table, current, number, arguments);
}

std::string TextoMensagem(const LanguageTable& table, int language, int number,
                          std::string_view arguments) {
    // Placeholder until the real lookup lands: always the failure text.
    (void)arguments;
    std::string name;
    if (!table.rows.empty() && language >= 0 &&
        static_cast<std::size_t>(language) + 2 < table.rows[0].size()) {
        name = table.rows[0][static_cast<std::size_t>(language) + 2];
    }
    return name + " [" + std::to_string(number) + " ]" + " com Falha";
}

} // namespace velmora
