#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace velmora::project {

// The controller's general configuration: passwords and the two serial channels. All zero and
// empty before any project exists; a new project gets configGeralPadrao().
struct ConfigGeral {
    std::uint8_t enderecoRS232 = 0;
    std::uint8_t protocoloRS232 = 0; // 1 Tarnet, 2 ModBus
    std::uint8_t baudRS232 = 0;      // speed code 1 ... 8
    std::uint8_t enderecoRS485 = 0;
    std::uint8_t protocoloRS485 = 0;
    std::uint8_t baudRS485 = 0;
    std::array<std::string, 3> senhas; // at most 4 characters each
    std::int32_t envioParcial = 0;     // CONFIGENVIOPARTEMP: 0 all, 1 none, 2 per element

    bool operator==(const ConfigGeral&) const = default;
};

inline constexpr std::size_t kPasswordCapacity = 4;

// The values a new project starts with.
ConfigGeral configGeralPadrao();

// Kind and model are project values kept beside the configuration; the section carries both.
struct ConfigGeralSection {
    std::string tipo;   // "LD" or "ML"
    std::string modelo; // controller model
    ConfigGeral config;
};

// The thirteen #CONFIGGERAL lines.
std::vector<std::string> LinhasConfigGeral(const ConfigGeralSection& values);

// Applies key = value lines in any order. Unknown keys are skipped; a numeric key whose value
// is not a number 0 ... 255 (any 32-bit number for CONFIGENVIOPARTEMP) keeps its value.
void LeConfigGeral(ConfigGeralSection& values, const std::vector<std::string>& lines);

// The older layout's CFGPRJ.CFG: same line form and keys; TIPO and MODELO are not taken from
// it. A missing or unreadable file leaves the values as they are; returns whether it was read.
bool LeArquivoConfig(const std::filesystem::path& path, ConfigGeral& config);

} // namespace velmora::project
