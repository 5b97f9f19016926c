#include "core/ladder/cell.h"

namespace velmora::ladder {

namespace {

// Position just after the k-th "#", or npos when the text holds fewer than k of them.
std::size_t afterHash(std::string_view text, int k) {
    std::size_t pos = 0;
    for (int i = 0; i < k; ++i) {
        const std::size_t hash = text.find('#', pos);
        if (hash == std::string_view::npos) {
            return std::string_view::npos;
        }
        pos = hash + 1;
    }
    return pos;
}

} // namespace

std::optional<std::string> cellField(std::string_view text, int k) {
    if (k < 1) {
        return std::nullopt;
    }
    const std::size_t start = afterHash(text, k);
    if (start == std::string_view::npos || start >= text.size()) {
        return std::nullopt;
    }
    const std::size_t end = text.find('#', start);
    return std::string(text.substr(start, end == std::string_view::npos ? end : end - start));
}

std::string CampoCelula(std::string_view text, int k) {
    return cellField(text, k).value_or(std::string(kMissingField));
}

std::string TrocaCampo(std::string_view text, int k, std::string_view value) {
    if (k < 1) {
        return std::string(text);
    }
    const std::size_t start = afterHash(text, k);
    if (start == std::string_view::npos) {
        return std::string(text);
    }
    std::size_t end = text.find('#', start);
    if (end == std::string_view::npos) {
        end = text.size();
    }
    std::string out;
    out.reserve(text.size() + value.size());
    out.append(text.substr(0, start));
    out.append(value);
    out.append(text.substr(end));
    return out;
}

char ParteCelula(std::string_view text) {
    return text.size() >= 4 ? text[3] : '\0';
}

int cellPart(std::string_view text) {
    const char p = ParteCelula(text);
    return p >= '1' && p <= '9' ? p - '0' : 0;
}

std::string CodigoCelula(std::string_view text) {
    return std::string(text.substr(0, 3));
}

bool isElementCell(std::string_view text, std::string_view code, char part) {
    return text.size() >= 4 && text.substr(0, 3) == code && text[3] == part;
}

std::string CabecalhoCelula(std::string_view code, char part, bool inColumnZero) {
    std::string out(code.substr(0, 3));
    out.push_back(part);
    out.append("001");
    out.append(inColumnZero ? "010" : "000");
    return out;
}

} // namespace velmora::ladder
