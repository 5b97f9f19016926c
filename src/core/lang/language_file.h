#pragma once

#include "core/lang/language.h"
#include "core/text/atomic_file.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

class Prompts;

struct LanguageLoadResult {
    bool ok = false;
    int badLine = 0;    // 1-based line whose field count differs from the first; 0 if none
    std::string reason; // for logs and tests; the user sees the fixed start-up message
    explicit operator bool() const { return ok; }
};

// The text shown when the table cannot be read (the table itself is not there to give it).
inline constexpr std::string_view kLanguageFileFailure = "Falha na abertura do arquivo de Idiomas";

// Reads ConfigIdiomas.txt bytes: one row per line, fields separated by ";". Every line must
// have as many fields as the first, and the first must name at least one language. Empty
// lines at the very end (an editor's habit) are ignored. On failure `table` is unchanged.
LanguageLoadResult parseLanguageTable(std::string_view bytes, LanguageTable& table);

// Reads the file into the table (see parseLanguageTable).
LanguageLoadResult CarregaIdiomas(const std::filesystem::path& path, LanguageTable& table);

// The lines of the file: every field followed by ";".
std::vector<std::string> formatLanguageTable(const LanguageTable& table);

// Writes the table atomically. A field holding ";" or a line break would make the file
// unreadable at the next start, so such a table is refused and the file left as it was.
text::WriteResult GravaIdiomas(const std::filesystem::path& path, const LanguageTable& table);

// Start-up: reads the table, shows the failure message in a plain box when it cannot be
// read, and starts the editor's two indices at 0. The program goes on either way.
bool loadLanguageAtStartup(const std::filesystem::path& path, Language& language, Prompts& prompts);

} // namespace velmora
