// The language file reader on arbitrary bytes, then lookups over whatever it accepted.
#include "core/lang/language.h"
#include "core/lang/language_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    velmora::LanguageTable table;
    const auto result = velmora::parseLanguageTable(bytes, table);
    // The arguments are the input's first line, so placeholders and ";" get exercised.
    const std::string_view arguments = bytes.substr(0, bytes.find('\n'));
    const int rows = static_cast<int>(table.rows.size());
    for (int language = -1; language <= table.languageCount() && language < 8; ++language) {
        for (int number = -1; number <= rows && number < 64; ++number) {
            (void)velmora::TextoMensagem(table, language, number, arguments);
        }
    }
    if (result) {
        // What was read is written back to the same rows.
        std::string again;
        for (const auto& line : velmora::formatLanguageTable(table)) {
            again += line + "\r\n";
        }
        velmora::LanguageTable back;
        if (!velmora::parseLanguageTable(again, back) || back.rows != table.rows) {
            std::abort();
        }
    }
    return 0;
}
