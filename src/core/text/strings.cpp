#include "core/text/strings.h"

#include <charconv>

namespace velmora::text {

std::vector<std::string> splitFields(std::string_view line, char separator) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (start < line.size()) {
        const std::size_t next = line.find(separator, start);
        if (next == std::string_view::npos) {
            fields.emplace_back(line.substr(start));
            break;
        }
        fields.emplace_back(line.substr(start, next - start));
        start = next + 1;
    }
    return fields;
}

std::string takeField(std::string& rest, char separator) {
    const std::size_t next = rest.find(separator);
    std::string field;
    if (next == std::string::npos) {
        field = std::move(rest);
        rest.clear();
    } else {
        field = rest.substr(0, next);
        rest.erase(0, next + 1);
    }
    return field;
}

std::string joinFields(const std::vector<std::string>& fields, char separator) {
    std::string out;
    for (const auto& f : fields) {
        out += f;
        out.push_back(separator);
    }
    return out;
}

std::string toUpperAscii(std::string_view s) {
    std::string out(s);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return out;
}

std::string toLowerAscii(std::string_view s) {
    std::string out(s);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return out;
}

bool equalsIgnoreCaseAscii(std::string_view a, std::string_view b) {
    return a.size() == b.size() && toUpperAscii(a) == toUpperAscii(b);
}

bool endsWithIgnoreCase(std::string_view s, std::string_view suffix) {
    return s.size() >= suffix.size() &&
           equalsIgnoreCaseAscii(s.substr(s.size() - suffix.size()), suffix);
}

std::string_view trimmed(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!s.empty() && blank(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && blank(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

bool isDigits(std::string_view s) {
    if (s.empty()) {
        return false;
    }
    for (char c : s) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

std::optional<long long> parseInteger(std::string_view s) {
    long long value = 0;
    if (s.empty()) {
        return std::nullopt;
    }
    const auto* first = s.data();
    const auto* last = s.data() + s.size();
    auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || ptr != last) {
        return std::nullopt;
    }
    return value;
}

} // namespace velmora::text
