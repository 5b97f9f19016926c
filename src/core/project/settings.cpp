#include "core/project/settings.h"

#include "core/text/line_file.h"
#include "core/text/strings.h"

#include <climits>
#include <optional>

namespace velmora {

namespace {

constexpr const char* kModo = "MODO EXIBICAO";
constexpr const char* kPorta = "PORTA DE COM";
constexpr const char* kTempo = "TEMPOENTREBYTES";
constexpr const char* kIdioma = "IDIOMA";
constexpr const char* kManter = "MANTER LADDER";

std::string projectKey(int entry) {
    return "PROJETO 0" + std::to_string(entry);
}

std::optional<int> asInt32(std::string_view value) {
    const auto n = text::parseInteger(value);
    if (!n || *n < INT_MIN || *n > INT_MAX) {
        return std::nullopt;
    }
    return static_cast<int>(*n);
}

bool holdsLineBreak(std::string_view s) {
    return s.find_first_of("\r\n") != std::string_view::npos;
}

// A value written into one line; a stray line break would start a line of its own.
std::string oneLine(std::string_view s) {
    return std::string(s.substr(0, s.find_first_of("\r\n")));
}

} // namespace

std::string_view displayModeText(DisplayMode mode) {
    switch (mode) {
    case DisplayMode::Endereco:
        return "ENDERECO";
    case DisplayMode::Simbolo:
        return "SIMBOLO";
    case DisplayMode::SimboloEndereco:
        return "SIMBOLOENDERECO";
    case DisplayMode::None:
        break;
    }
    return {};
}

DisplayModeChecks displayModeChecks(DisplayMode mode) {
    DisplayModeChecks checks;
    checks.miExibeSimbolo = mode == DisplayMode::Simbolo;
    checks.miEnderecoSimbolo = mode == DisplayMode::SimboloEndereco;
    checks.miExibeEndereco = !checks.miExibeSimbolo && !checks.miEnderecoSimbolo;
    return checks;
}

RecentMenuItem recentPlaceholder() {
    return {"Aplica\xE7\xF5"
            "es Recentes",
            "", true};
}

SettingsReadResult parseSettings(const std::vector<std::string>& lines, Settings& settings,
                                 Language& language) {
    SettingsReadResult result;
    result.found = true;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        const int lineNumber = static_cast<int>(i + 1);
        const std::size_t eq = line.find('=');
        if (eq == std::string::npos) {
            // The writer's own empty first line (no display mode) is one of these.
            if (!line.empty()) {
                result.skippedLines.push_back(lineNumber);
            }
            continue;
        }
        // The key stops one character (the blank) before "="; the value starts after "= ".
        const std::string key = eq == 0 ? std::string() : line.substr(0, eq - 1);
        const std::string value = line.substr(std::min(eq + 2, line.size()));
        bool understood = true;
        if (key == kModo) {
            if (value == "S") {
                settings.modoExibicao = DisplayMode::Simbolo;
            } else if (value == "E") {
                settings.modoExibicao = DisplayMode::Endereco;
            } else if (value == "B") {
                settings.modoExibicao = DisplayMode::SimboloEndereco;
            }
        } else if (key == kPorta) {
            settings.porta = text::cut(value, Settings::kPortCapacity);
        } else if (key == kManter) {
            settings.manterLadder = value == "TRUE";
        } else if (key == kTempo) {
            const auto n = asInt32(value);
            understood = n.has_value();
            if (n) {
                settings.tempoEntreBytes = *n;
            }
        } else if (key == kIdioma) {
            const auto n = asInt32(value);
            const int count = language.table.languageCount();
            // With the table read, an index past it would turn every text into a failure.
            understood = n && *n >= 0 && (count == 0 || *n < count);
            if (understood) {
                language.current = *n;
            }
        } else {
            for (int entry = 1; entry <= 4; ++entry) {
                if (key == projectKey(entry)) {
                    const std::string path = text::cut(value, Settings::kPathCapacity);
                    settings.recentes[static_cast<std::size_t>(entry - 1)] = path;
                    settings.recentMenu.insert(settings.recentMenu.begin(),
                                               {EncurtaCaminho(path), path, false});
                }
            }
        }
        if (!understood) {
            result.skippedLines.push_back(lineNumber);
        }
    }
    return result;
}

SettingsReadResult LeConfiguracoes(const std::filesystem::path& path, Settings& settings,
                                   Language& language) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        return {};
    }
    const auto lines = text::readLines(path);
    if (!lines) {
        return {};
    }
    return parseSettings(*lines, settings, language);
}

std::vector<std::string> formatSettings(const Settings& settings, int language) {
    std::vector<std::string> lines;
    switch (settings.modoExibicao) {
    case DisplayMode::Endereco:
        lines.push_back(std::string(kModo) + " = E");
        break;
    case DisplayMode::Simbolo:
        lines.push_back(std::string(kModo) + " = S");
        break;
    case DisplayMode::SimboloEndereco:
        lines.push_back(std::string(kModo) + " = B");
        break;
    case DisplayMode::None:
        lines.emplace_back();
        break;
    }
    lines.push_back(std::string(kPorta) + " = " + oneLine(settings.porta));
    lines.push_back(std::string(kTempo) + " = " + std::to_string(settings.tempoEntreBytes));
    lines.push_back(std::string(kIdioma) + " = " + std::to_string(language));
    for (int entry = 4; entry >= 1; --entry) {
        const std::string& path = settings.recentes[static_cast<std::size_t>(entry - 1)];
        if (!path.empty() && !holdsLineBreak(path)) {
            lines.push_back(projectKey(entry) + " = " + path);
        }
    }
    lines.push_back(std::string(kManter) + (settings.manterLadder ? " = TRUE" : " = FALSE"));
    return lines;
}

text::WriteResult GravaConfiguracoes(const std::filesystem::path& path, const Settings& settings,
                                     int language) {
    return text::writeLinesAtomic(path, formatSettings(settings, language));
}

bool projectFileExists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(std::filesystem::path(path), ec);
}

bool AtualizaRecentes(Settings& settings, const std::string& path, const FileExists& exists) {
    if (path.empty() || holdsLineBreak(path)) {
        return false;
    }
    // The new path first, then the old entries without it; the oldest falls out.
    const std::string head = text::cut(path, Settings::kPathCapacity);
    std::array<std::string, 4> list;
    list[0] = head;
    std::size_t next = 1;
    for (const auto& entry : settings.recentes) {
        if (next < list.size() && entry != head) {
            list[next++] = entry;
        }
    }
    settings.recentes = list;
    settings.recentMenu.clear();
    for (const auto& entry : settings.recentes) {
        if (!entry.empty() && exists(entry)) {
            settings.recentMenu.push_back({EncurtaCaminho(entry), entry, false});
        }
    }
    return true;
}

std::string EncurtaCaminho(std::string_view path) {
    // b holds the 1-based positions of the separators.
    std::vector<std::size_t> b;
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (path[i] == '/') {
            b.push_back(i + 1);
        }
    }
    if (b.empty()) {
        return std::string(path);
    }
    const long long len = static_cast<long long>(path.size());
    std::size_t lo = 0;
    std::size_t hi = b.size() - 1;
    const auto width = [&] {
        return len + static_cast<long long>(b[lo]) - static_cast<long long>(b[hi]);
    };
    long long L = width();
    while (L < 35 && hi > lo + 1) {
        ++lo;
        L = width();
        if (L < 35) {
            --hi;
            L = width();
        }
    }
    // Keep up to and including separator lo, put the marker, go on after separator hi.
    return std::string(path.substr(0, b[lo])) + ".../" + std::string(path.substr(b[hi]));
}

} // namespace velmora
