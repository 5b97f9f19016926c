#include "core/tables/hmi_string_table.h"

#include "core/text/strings.h"

namespace velmora::tables {

std::vector<std::string> writeStringSection(const HmiStringTable& table) {
    std::vector<std::string> lines;
    lines.reserve(table.texts.size());
    for (std::size_t i = 0; i < table.texts.size(); ++i) {
        lines.push_back(std::to_string(i) + ";" + table.texts[i]);
    }
    return lines;
}

void readStringSection(HmiStringTable& table, const std::vector<std::string>& lines) {
    table.clear();
    for (const auto& line : lines) {
        const auto fields = text::splitFields(line);
        table.texts.push_back(fields.size() > 1 ? fields[1] : std::string());
    }
}

} // namespace velmora::tables
