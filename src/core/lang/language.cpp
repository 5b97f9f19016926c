#include "core/lang/language.h"

#include <algorithm>

namespace velmora {

namespace {

// Marks the next byte as literal inside an argument text. A control byte: typed texts and
// the table never hold one, so plain "a;b" argument texts mean what they always meant.
constexpr char kEscape = '\x1F';

std::string failureText(const LanguageTable& table, int language, int number) {
    return table.languageName(language) + " [" + std::to_string(number) + " ]" + " com Falha";
}

struct Placeholder {
    std::size_t position;
    std::size_t length;
    std::size_t argument;
};

} // namespace

int LanguageTable::languageCount() const {
    if (rows.empty() || rows[0].size() < 2) {
        return 0;
    }
    return static_cast<int>(rows[0].size() - 2);
}

std::string LanguageTable::languageName(int language) const {
    if (language < 0 || language >= languageCount()) {
        return {};
    }
    return rows[0][static_cast<std::size_t>(language) + 2];
}

std::string Language::text(int number, std::string_view arguments) const {
    return TextoMensagem(table, current, number, arguments);
}

std::vector<std::string> splitArguments(std::string_view arguments) {
    std::vector<std::string> out;
    std::string field;
    bool open = false; // a field has started and not been closed by ";"
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const char c = arguments[i];
        if (c == kEscape && i + 1 < arguments.size()) {
            field.push_back(arguments[++i]);
            open = true;
        } else if (c == ';') {
            out.push_back(std::move(field));
            field.clear();
            open = false;
        } else {
            field.push_back(c);
            open = true;
        }
    }
    if (open) {
        out.push_back(std::move(field));
    }
    return out;
}

std::string joinArguments(const std::vector<std::string>& arguments) {
    std::string out;
    for (const auto& argument : arguments) {
        for (char c : argument) {
            if (c == ';' || c == kEscape) {
                out.push_back(kEscape);
            }
            out.push_back(c);
        }
        // A ";" after every argument, so an empty last argument is kept.
        out.push_back(';');
    }
    return out;
}

std::string TextoMensagem(const LanguageTable& table, int language, int number,
                          std::string_view arguments) {
    // Row 0 is the header, not a message.
    if (number < 1 || static_cast<std::size_t>(number) >= table.rows.size() || language < 0 ||
        language >= table.languageCount()) {
        return failureText(table, language, number);
    }
    const auto& row = table.rows[static_cast<std::size_t>(number)];
    const std::size_t field = static_cast<std::size_t>(language) + 2;
    if (field >= row.size()) {
        return failureText(table, language, number);
    }
    const std::string& message = row[field];
    const std::vector<std::string> args = splitArguments(arguments);

    // Each argument's placeholder is its first occurrence in the message text itself;
    // distinct placeholders can never overlap, so they are put in from left to right.
    std::vector<Placeholder> found;
    found.reserve(args.size());
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string mark = "[" + std::to_string(i) + "]";
        const std::size_t at = message.find(mark);
        if (at == std::string::npos) {
            return failureText(table, language, number);
        }
        found.push_back({at, mark.size(), i});
    }
    std::sort(found.begin(), found.end(),
              [](const Placeholder& a, const Placeholder& b) { return a.position < b.position; });
    std::string out;
    std::size_t from = 0;
    for (const auto& p : found) {
        out.append(message, from, p.position - from);
        out += args[p.argument];
        from = p.position + p.length;
    }
    out.append(message, from, std::string::npos);
    return out;
}

} // namespace velmora
