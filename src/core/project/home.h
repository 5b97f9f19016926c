#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace velmora {

// The start-up folder: where ConfigIdiomas.txt, configvlm.cfg and Enderecos.txt live, with
// the default projects folder projetos/ below it.
struct HomeFolder {
    std::filesystem::path path;
    std::filesystem::path projects() const { return path / "projetos"; }
    std::filesystem::path languageFile() const { return path / "ConfigIdiomas.txt"; }
    std::filesystem::path settingsFile() const { return path / "configvlm.cfg"; }
    std::filesystem::path memoryMapFile() const { return path / "Enderecos.txt"; }
};

// --home DIR, else $VELMORA_HOME, else $XDG_DATA_HOME/velmora, else ~/.local/share/velmora.
// Empty values count as unset.
std::filesystem::path resolveHomeFolder(const std::optional<std::filesystem::path>& option,
                                        const char* velmoraHome, const char* xdgDataHome,
                                        const char* home);

struct PrepareResult {
    bool ok = false;
    std::string error;
    std::vector<std::string> seeded; // files copied in from the shipped data
};

// Creates the folder (and projetos/) when missing and copies in every shipped data file
// that is not there yet; files the user already has are never overwritten.
PrepareResult prepareHomeFolder(const HomeFolder& home, const std::filesystem::path& shippedData);

} // namespace velmora
