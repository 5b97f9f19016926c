#pragma once

#include <string>
#include <vector>

namespace velmora::tables {

// The HMI string table: the field texts received with the last upload, index = position from 0.
struct HmiStringTable {
    std::vector<std::string> texts;

    void clear() { texts.clear(); }
    bool operator==(const HmiStringTable&) const = default;
};

// The #TABSTR lines: "index;text" for each entry from index 0.
std::vector<std::string> writeStringSection(const HmiStringTable& table);
// Clears the table and appends the second field of every line; the index field is not used,
// so entries take the order of the lines.
void readStringSection(HmiStringTable& table, const std::vector<std::string>& lines);

} // namespace velmora::tables
