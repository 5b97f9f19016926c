#include "core/project/file_framing.h"

#include <algorithm>

namespace velmora::project {

std::string scrambleLine(std::string_view line) {
    std::string out(line);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const auto shift = static_cast<unsigned>((i + 1) % 10);
        out[i] = static_cast<char>((static_cast<unsigned char>(out[i]) + shift) & 0xFFu);
    }
    return out;
}

std::string unscrambleLine(std::string_view line) {
    std::string out(line);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const auto shift = static_cast<unsigned>((i + 1) % 10);
        out[i] = static_cast<char>((static_cast<unsigned char>(out[i]) + 256u - shift) & 0xFFu);
    }
    return out;
}

FileLayout detectLayout(const std::vector<std::string>& lines) {
    if (!lines.empty() && lines.front() == "#") {
        return FileLayout::Plain;
    }
    if (!lines.empty() && lines.front() == "$") {
        return FileLayout::Scrambled;
    }
    return FileLayout::Older;
}

const Section* SplitSections::find(std::string_view name) const {
    for (const auto& s : sections) {
        if (s.name == name) {
            return &s;
        }
    }
    return nullptr;
}

SplitSections splitSections(const std::vector<std::string>& lines) {
    SplitSections result;
    std::size_t i = 0;
    while (i < lines.size() && lines[i] != "#") {
        ++i;
    }
    // lines[i] is a "#" (or the end): it closes the previous section and opens the next.
    while (i < lines.size()) {
        ++i; // past the "#"
        if (i >= lines.size()) {
            break; // the final "#"
        }
        const std::string& name = lines[i++];
        std::vector<std::string> content;
        while (i < lines.size() && lines[i] != "#") {
            content.push_back(lines[i++]);
        }
        if (i >= lines.size()) {
            // Blank lines after the final "#" (an editor's extra line end) are no section.
            const bool blank = name.empty() && std::all_of(content.begin(), content.end(),
                                                           [](const auto& l) { return l.empty(); });
            if (!blank) {
                result.unclosed = name;
            }
            break;
        }
        Section* target = nullptr;
        for (auto& s : result.sections) {
            if (s.name == name) {
                target = &s;
            }
        }
        if (target == nullptr) {
            result.sections.push_back(Section{name, {}});
            target = &result.sections.back();
        }
        target->lines.insert(target->lines.end(), std::make_move_iterator(content.begin()),
                             std::make_move_iterator(content.end()));
    }
    return result;
}

std::vector<std::string> frameSections(const std::vector<Section>& sections) {
    std::vector<std::string> lines;
    std::size_t total = 1;
    for (const auto& s : sections) {
        total += 2 + s.lines.size();
    }
    lines.reserve(total);
    for (const auto& s : sections) {
        lines.emplace_back("#");
        lines.push_back(s.name);
        lines.insert(lines.end(), s.lines.begin(), s.lines.end());
    }
    lines.emplace_back("#");
    return lines;
}

bool storableText(std::string_view text) {
    return std::none_of(text.begin(), text.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 32; });
}

std::string safeContentLine(std::string_view line, bool& changed) {
    std::string out(line);
    changed = false;
    for (char& c : out) {
        if (static_cast<unsigned char>(c) < 32) {
            c = ' ';
            changed = true;
        }
    }
    if (out == "#") {
        out += ' ';
        changed = true;
    }
    return out;
}

} // namespace velmora::project
