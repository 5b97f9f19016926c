#pragma once

// The framing of a project file: lines scrambled by position, sections opened by a line "#"
// and named by the line after it, the file ended by a last "#".

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::project {

// The sections the system writes, in the order it writes them.
inline constexpr std::array<std::string_view, 7> kSectionNames = {
    "#CONFIGGERAL", "#LADDER", "#IHM", "#TABSIMB", "#TABSTR", "#TABREC", "#TABCOMP"};

// Byte at position p (from 1) stored as (byte + p mod 10) mod 256, and back.
std::string scrambleLine(std::string_view line);
std::string unscrambleLine(std::string_view line);

enum class FileLayout { Plain, Scrambled, Older };

// "#" first: plain; "$" first: scrambled; anything else (an empty file too): the older layout.
FileLayout detectLayout(const std::vector<std::string>& lines);

struct Section {
    std::string name;
    std::vector<std::string> lines;
};

struct SplitSections {
    // Sections in the order their names first appear; a repeated name adds to the same one.
    std::vector<Section> sections;
    // Empty when the file is whole; else the name of the section no "#" closes (a truncated
    // file), whose content is not used. Blank lines after the final "#" do not count.
    std::optional<std::string> unclosed;

    const Section* find(std::string_view name) const;
};

// Splits plain lines into sections. Lines before the first "#" belong to no section and are
// not used.
SplitSections splitSections(const std::vector<std::string>& lines);

// "#", name, lines for each section, then the final "#".
std::vector<std::string> frameSections(const std::vector<Section>& sections);

// Whether a text can be stored in a project file as it is (no byte below 32): what the editors
// check before they accept a title, comment or table text.
bool storableText(std::string_view text);

// A content line must neither split when scrambled or written plain (no byte below 32) nor
// read as a section mark ("#" alone). Returns the line made safe: control bytes become blanks,
// a lone "#" gets a blank after it; `changed` tells whether anything was altered.
std::string safeContentLine(std::string_view line, bool& changed);

} // namespace velmora::project
