#include "core/text/line_file.h"

#include <fstream>
#include <iterator>

namespace velmora::text {

std::vector<std::string> splitLines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t lf = bytes.find('\n', start);
        if (lf == std::string_view::npos) {
            lines.emplace_back(bytes.substr(start));
            break;
        }
        std::size_t end = lf;
        if (end > start && bytes[end - 1] == '\r') {
            --end;
        }
        lines.emplace_back(bytes.substr(start, end - start));
        start = lf + 1;
    }
    return lines;
}

std::optional<std::string> readFileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        return std::nullopt;
    }
    return bytes;
}

std::optional<std::vector<std::string>> readLines(const std::filesystem::path& path) {
    auto bytes = readFileBytes(path);
    if (!bytes) {
        return std::nullopt;
    }
    return splitLines(*bytes);
}

std::string joinCrLf(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& l : lines) {
        out += l;
        out += "\r\n";
    }
    return out;
}

} // namespace velmora::text
