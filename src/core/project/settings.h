#pragma once

#include "core/lang/language.h"
#include "core/text/atomic_file.h"

#include <array>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// How operands are drawn: by address, by symbol, or both. None until the user chooses one.
enum class DisplayMode { None, Endereco, Simbolo, SimboloEndereco };

// "ENDERECO", "SIMBOLO", "SIMBOLOENDERECO"; empty for None.
std::string_view displayModeText(DisplayMode mode);

// Which of miExibeEndereco, miExibeSimbolo, miEnderecoSimbolo carries the check mark
// (miExibeEndereco while no mode is set).
struct DisplayModeChecks {
    bool miExibeEndereco = false;
    bool miExibeSimbolo = false;
    bool miEnderecoSimbolo = false;
};
DisplayModeChecks displayModeChecks(DisplayMode mode);

// One item of the recent-projects place in miProjeto (position 8, above the separator before
// miSair), top to bottom. Each entry keeps the path it opens; the placeholder is the disabled
// "Aplicações Recentes" item that stands there until the list is first rebuilt.
struct RecentMenuItem {
    std::string caption;
    std::string path;
    bool placeholder = false;
    bool operator==(const RecentMenuItem&) const = default;
};

RecentMenuItem recentPlaceholder();

// The user's preferences kept in configvlm.cfg. The language index is kept by the session's
// Language (Language::current), which these functions read and set.
// Paths are the file system's own bytes (UTF-8 on Linux).
struct Settings {
    static constexpr std::size_t kPortCapacity = 100; // a device path on Linux
    static constexpr std::size_t kPathCapacity = 100;

    DisplayMode modoExibicao = DisplayMode::None;
    std::string porta;                   // serial device path, or "SIMULADOR"
    int tempoEntreBytes = 0;             // the link adjusts it
    bool manterLadder = false;           // TbMantendo down
    std::array<std::string, 4> recentes; // entries 01 (most recent) ... 04
    std::vector<RecentMenuItem> recentMenu = {recentPlaceholder()};
};

struct SettingsReadResult {
    bool found = false;            // the file was there and could be read
    std::vector<int> skippedLines; // 1-based lines that were not understood and left out
};

// Applies the lines of the file. Unknown keys are ignored; a line without "=", a value
// that is not a number or a language index that names no language is skipped and reading
// goes on. Each PROJETO line also puts a menu entry on top of the recent place.
SettingsReadResult parseSettings(const std::vector<std::string>& lines, Settings& settings,
                                 Language& language);

// Reads the file when it exists; a missing file leaves every setting as it is.
SettingsReadResult LeConfiguracoes(const std::filesystem::path& path, Settings& settings,
                                   Language& language);

// The file's lines, in the writer's order.
std::vector<std::string> formatSettings(const Settings& settings, int language);

// Rewrites the file whole, atomically.
text::WriteResult GravaConfiguracoes(const std::filesystem::path& path, const Settings& settings,
                                     int language);

// Whether a project file exists; tests pass their own.
using FileExists = std::function<bool(const std::string& path)>;
bool projectFileExists(const std::string& path);

// Puts `path` at the head of the recent list (an older occurrence is removed, the oldest
// falls out) and rebuilds the menu entries from the entries whose file exists. A path that
// holds a line break cannot be stored in the file and is refused (false).
bool AtualizaRecentes(Settings& settings, const std::string& path,
                      const FileExists& exists = projectFileExists);

// The shortened path shown in the menu: the middle folders give way to ".../", keeping the
// caption near 35 characters. A path without "/" comes back unchanged.
std::string EncurtaCaminho(std::string_view path);

} // namespace velmora
