// The settings reader on arbitrary bytes; what it keeps must survive a write and a re-read.
#include "core/lang/language.h"
#include "core/project/settings.h"
#include "core/text/line_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

velmora::Language twoLanguages() {
    velmora::Language lang;
    lang.table.rows = {{"0", "", "A", "B"}, {"1", "", "a", "b"}};
    return lang;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    velmora::Settings settings;
    velmora::Language lang = twoLanguages();
    velmora::parseSettings(velmora::text::splitLines(bytes), settings, lang);
    const auto written = velmora::formatSettings(settings, lang.current);

    velmora::Settings again;
    velmora::Language lang2 = twoLanguages();
    const auto reread = velmora::parseSettings(written, again, lang2);
    if (!reread.skippedLines.empty() || velmora::formatSettings(again, lang2.current) != written) {
        std::abort();
    }
    for (const auto& item : settings.recentMenu) {
        (void)velmora::EncurtaCaminho(item.path);
    }
    (void)velmora::AtualizaRecentes(settings, std::string(bytes.substr(0, 120)),
                                    [](const std::string&) { return true; });
    return 0;
}
