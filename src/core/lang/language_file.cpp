#include "core/lang/language_file.h"

#include "core/seams/prompts.h"
#include "core/text/line_file.h"
#include "core/text/strings.h"

namespace velmora {

namespace {

bool storable(const std::string& field) {
    return field.find_first_of(";\r\n") == std::string::npos;
}

} // namespace

LanguageLoadResult parseLanguageTable(std::string_view bytes, LanguageTable& table) {
    std::vector<std::string> lines = text::splitLines(bytes);
    while (!lines.empty() && lines.back().empty()) {
        lines.pop_back();
    }
    LanguageLoadResult result;
    if (lines.empty()) {
        result.reason = "the file holds no header row";
        return result;
    }
    LanguageTable read;
    read.rows.reserve(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        read.rows.push_back(text::splitFields(lines[i]));
        if (read.rows.back().size() != read.rows.front().size()) {
            result.badLine = static_cast<int>(i + 1);
            result.reason = "line " + std::to_string(i + 1) + " has " +
                            std::to_string(read.rows.back().size()) + " fields, the first has " +
                            std::to_string(read.rows.front().size());
            return result;
        }
    }
    if (read.languageCount() < 1) {
        result.reason = "the header row names no language";
        return result;
    }
    table = std::move(read);
    result.ok = true;
    return result;
}

LanguageLoadResult CarregaIdiomas(const std::filesystem::path& path, LanguageTable& table) {
    const auto bytes = text::readFileBytes(path);
    if (!bytes) {
        LanguageLoadResult result;
        result.reason = path.string() + ": cannot be read";
        return result;
    }
    return parseLanguageTable(*bytes, table);
}

std::vector<std::string> formatLanguageTable(const LanguageTable& table) {
    std::vector<std::string> lines;
    lines.reserve(table.rows.size());
    for (const auto& row : table.rows) {
        lines.push_back(text::joinFields(row));
    }
    return lines;
}

text::WriteResult GravaIdiomas(const std::filesystem::path& path, const LanguageTable& table) {
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        for (const auto& field : table.rows[r]) {
            if (!storable(field)) {
                return {false, "row " + std::to_string(r) + " holds \";\" or a line break"};
            }
        }
    }
    return text::writeLinesAtomic(path, formatLanguageTable(table));
}

bool loadLanguageAtStartup(const std::filesystem::path& path, Language& language,
                           Prompts& prompts) {
    const bool ok = static_cast<bool>(CarregaIdiomas(path, language.table));
    if (!ok) {
        prompts.message(std::string(kLanguageFileFailure));
    }
    language.edited = 0;
    language.comparison = 0;
    return ok;
}

} // namespace velmora
