#include "core/operands/operand_class.h"

#include <array>
#include <charconv>
#include <limits>
#include <utility>

namespace velmora {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Characters from 1-based position `pos` on (empty when the text is shorter).
std::string_view from(std::string_view s, std::size_t pos) {
    return pos - 1 < s.size() ? s.substr(pos - 1) : std::string_view{};
}

// The class of a field operand: `base` + "." + the field part when the field is one of
// `fields`, else "".
template <std::size_t N>
std::string fieldClass(std::string_view operand, std::string_view base,
                       const std::array<std::string_view, N>& fields) {
    const std::string field = SufixoOperando(operand);
    for (auto f : fields) {
        if (field == f) {
            return std::string(base) + "." + field;
        }
    }
    return {};
}

bool hasDot(std::string_view s) {
    return s.find('.') != std::string_view::npos;
}

std::string memoryClass(std::string_view s) {
    // Longest prefixes first; a prefix wins only when digits follow it.
    static constexpr std::array<std::string_view, 12> prefixes = {
        "MBRR", "MWRR", "MWRE", "MBRE", "MB", "MW", "MD", "MF", "ML", "MRR", "MRE", "M"};
    for (auto p : prefixes) {
        if (s.substr(1, p.size()) == p && SoDigitos(from(s, 2 + p.size()))) {
            return std::string(p);
        }
    }
    return {};
}

std::string prefixedDigitsClass(std::string_view s, std::initializer_list<std::string_view> ps) {
    for (auto p : ps) {
        if (s.substr(1, p.size()) == p && SoDigitos(from(s, 2 + p.size()))) {
            return std::string(p);
        }
    }
    return {};
}

// "I"/"IA" or "Q"/"QA" (letter is the second character).
std::string pointClass(std::string_view s, char letter) {
    if (s.size() >= 4 && isDigit(s[2]) && s[3] == '.') {
        return std::string(1, letter);
    }
    if (s.size() >= 3 && s[2] == 'A' && SoDigitos(from(s, 4))) {
        return std::string(1, letter) + "A";
    }
    return {};
}

} // namespace

std::string ClasseOperando(std::string_view s) {
    if (s.empty()) {
        return std::string(kOperandoVazio);
    }
    if (s[0] != '%') {
        if (s[0] == 'L' || s[0] == 'B' || s[0] == 'O') {
            return std::string(1, s[0]);
        }
        return toInt32(s) ? "N" : "D";
    }
    if (s.size() == 1) {
        return std::string(kOperandoIncompleto);
    }
    const char second = s[1];
    const std::string_view two = s.substr(1, 2);
    const std::string_view three = s.substr(1, 3);
    if (second == 'M') {
        return memoryClass(s);
    }
    if (second == 'K') {
        return prefixedDigitsClass(s, {"KB", "KW", "KD", "KF"});
    }
    if (second == 'S') {
        return prefixedDigitsClass(s, {"SW", "SB", "S"});
    }
    if (three == "TC.") {
        return "TC";
    }
    if (second == 'T') {
        if (!hasDot(s)) {
            return s.size() > 2 && SoDigitos(from(s, 3)) ? "T" : "";
        }
        static constexpr std::array<std::string_view, 5> fields = {"V", "P", "E", "Q", "B"};
        return fieldClass(s, "T", fields);
    }
    if (two == "CR") {
        if (!hasDot(s)) {
            return "CR";
        }
        static constexpr std::array<std::string_view, 5> fields = {"V", "P", "E", "R", "Q"};
        return fieldClass(s, "CR", fields);
    }
    if (second == 'C') {
        if (!hasDot(s)) {
            return "C";
        }
        static constexpr std::array<std::string_view, 9> fields = {"V", "P", "Q",  "D", "F",
                                                                   "R", "S", "CU", "CD"};
        return fieldClass(s, "C", fields);
    }
    if (two == "RC") {
        return hasDot(s) ? "" : "REC";
    }
    if (three == "PID") {
        if (!hasDot(s)) {
            return "PID";
        }
        static constexpr std::array<std::string_view, 4> fields = {"KP", "KI", "KD", "SP"};
        return fieldClass(s, "PID", fields);
    }
    if (second == 'I' || second == 'Q') {
        return pointClass(s, second);
    }
    if (three == "LT.") {
        return "LT";
    }
    return {};
}

bool isOperandClass(std::string_view cls) {
    return !cls.empty() && cls != kOperandoVazio && cls != kOperandoIncompleto;
}

std::string NumeroOperando(std::string_view s) {
    if (s.empty()) {
        return std::string(kErro);
    }
    std::size_t start = 0;
    while (start < s.size() && !isDigit(s[start])) {
        ++start;
    }
    if (start == s.size()) {
        return std::string(s.substr(s.size() - 1));
    }
    const std::size_t dot = s.find('.', start);
    return std::string(s.substr(start, dot == std::string_view::npos ? dot : dot - start));
}

std::string SufixoOperando(std::string_view s) {
    const std::size_t dot = s.find('.');
    return dot == std::string_view::npos ? std::string(kErro) : std::string(s.substr(dot + 1));
}

bool SoDigitos(std::string_view text) {
    if (text.empty()) {
        return false;
    }
    for (char c : text) {
        if (!isDigit(c)) {
            return false;
        }
    }
    return true;
}

std::optional<std::int32_t> toInt32(std::string_view text) {
    if (text.empty() || text[0] == '+') {
        return std::nullopt;
    }
    std::int32_t value = 0;
    const char* last = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), last, value);
    if (ec != std::errc() || ptr != last) {
        return std::nullopt;
    }
    return value;
}

int TamanhoClasse(std::string_view cls) {
    static constexpr std::array<std::pair<std::string_view, int>, 43> sizes = {{
        {"I", 0},      {"Q", 0},      {"IA", 2},     {"QA", 2},     {"M", 0},    {"MRR", 0},
        {"MRE", 0},    {"MB", 1},     {"MBRR", 1},   {"MBRE", 1},   {"MW", 2},   {"MWRR", 2},
        {"MWRE", 2},   {"ML", 4},     {"S", 0},      {"SB", 1},     {"SW", 2},   {"T.V", 2},
        {"T.P", 2},    {"T.E", 0},    {"T.Q", 0},    {"T.B", 1},    {"C.V", 2},  {"C.P", 2},
        {"C.Q", 0},    {"C.D", 0},    {"C.F", 0},    {"C.R", 0},    {"C.S", 0},  {"C.CU", 0},
        {"C.CD", 0},   {"CR.V", 2},   {"CR.P", 2},   {"CR.E", 0},   {"CR.R", 0}, {"CR.Q", 0},
        {"PID.KP", 2}, {"PID.KI", 2}, {"PID.KD", 2}, {"PID.SP", 2}, {"TC", 0},   {"LT", 0},
        {"REC", 1},
    }};
    for (const auto& [name, size] : sizes) {
        if (name == cls) {
            return size;
        }
    }
    return kNoSize;
}

int TamanhoOperando(std::string_view operand) {
    return TamanhoClasse(ClasseOperando(operand));
}

bool isNotNumber(std::string_view operand) {
    return ClasseOperando(operand) != "N";
}

int OrdemClasse(std::string_view cls) {
    static constexpr std::array<std::string_view, 40> order = {
        "I",  "Q",   "TC",   "LT",   "IA",  "QA",  "M",   "S",    "MRE",  "MRR",
        "K",  "MB",  "MBRE", "MBRR", "KB",  "SB",  "MW",  "MWRE", "MWRR", "KW",
        "SW", "MD",  "KD",   "MF",   "KF",  "T",   "T.V", "T.P",  "T.E",  "T.Q",
        "C",  "C.V", "C.P",  "C.Q",  "C.D", "C.F", "C.R", "C.S",  "C.CU", "C.CD"};
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (order[i] == cls) {
            return static_cast<int>(i);
        }
    }
    return 0;
}

int ComparaOperandos(std::string_view a, std::string_view b) {
    // The empty text sorts first; two empty texts are equal (a strict weak order needs it).
    if (a.empty() || b.empty()) {
        return a.empty() == b.empty() ? 0 : (a.empty() ? 2 : 1);
    }
    const auto key = [](std::string_view s) {
        const auto part = [](const std::string& t) { return toInt32(t).value_or(-1); };
        return std::array<long long, 3>{OrdemClasse(ClasseOperando(s)), part(NumeroOperando(s)),
                                        part(SufixoOperando(s))};
    };
    const auto ka = key(a);
    const auto kb = key(b);
    if (ka < kb) {
        return 2;
    }
    if (kb < ka) {
        return 1;
    }
    return 0;
}

} // namespace velmora
