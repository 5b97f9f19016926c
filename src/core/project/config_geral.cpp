#include "core/project/config_geral.h"

#include "core/text/line_file.h"
#include "core/text/strings.h"

#include <limits>
#include <optional>
#include <string_view>

namespace velmora::project {

ConfigGeral configGeralPadrao() {
    ConfigGeral c;
    c.enderecoRS232 = 1;
    c.protocoloRS232 = 1;
    c.baudRS232 = 8;
    c.enderecoRS485 = 1;
    c.protocoloRS485 = 2;
    c.baudRS485 = 5;
    c.senhas = {"5182", "5182", "5182"};
    c.envioParcial = 0;
    return c;
}

std::vector<std::string> LinhasConfigGeral(const ConfigGeralSection& v) {
    const ConfigGeral& c = v.config;
    auto n = [](long long value) { return std::to_string(value); };
    return {
        "TIPO = " + v.tipo,
        "MODELO = " + v.modelo,
        "VERSAO = 1",
        "ENDERECO CLP_RS232 = " + n(c.enderecoRS232),
        "ENDERECO CLP_RS485 = " + n(c.enderecoRS485),
        "TIPO PROTOCOLO_RS232 = " + n(c.protocoloRS232),
        "TIPO PROTOCOLO_RS485 = " + n(c.protocoloRS485),
        "BAUDRATE_RS232 = " + n(c.baudRS232),
        "BAUDRATE_RS485 = " + n(c.baudRS485),
        "SENHA 1 = " + c.senhas[0],
        "SENHA 2 = " + c.senhas[1],
        "SENHA 3 = " + c.senhas[2],
        "CONFIGENVIOPARTEMP = " + n(c.envioParcial),
    };
}

namespace {

struct KeyValue {
    std::string_view key;
    std::string_view value;
};

// The key is the text before the first "=" less the two characters before it (blank and the
// "=" form " = "); the value is everything after "= ". Lines without that form give nothing.
std::optional<KeyValue> splitKeyValue(std::string_view line) {
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos || eq < 1) {
        return std::nullopt;
    }
    KeyValue kv;
    kv.key = line.substr(0, eq - 1);
    kv.value = eq + 2 <= line.size() ? line.substr(eq + 2) : std::string_view();
    return kv;
}

void setByte(std::uint8_t& target, std::string_view value) {
    const auto number = text::parseInteger(text::trimmed(value));
    if (number && *number >= 0 && *number <= 255) {
        target = static_cast<std::uint8_t>(*number);
    }
}

void setInt(std::int32_t& target, std::string_view value) {
    const auto number = text::parseInteger(text::trimmed(value));
    if (number && *number >= std::numeric_limits<std::int32_t>::min() &&
        *number <= std::numeric_limits<std::int32_t>::max()) {
        target = static_cast<std::int32_t>(*number);
    }
}

// Applies one line to the configuration; returns false when the key is not one of its keys.
bool applyConfigLine(ConfigGeral& c, const KeyValue& kv) {
    if (kv.key == "ENDERECO CLP_RS232") {
        setByte(c.enderecoRS232, kv.value);
    } else if (kv.key == "ENDERECO CLP_RS485") {
        setByte(c.enderecoRS485, kv.value);
    } else if (kv.key == "TIPO PROTOCOLO_RS232") {
        setByte(c.protocoloRS232, kv.value);
    } else if (kv.key == "TIPO PROTOCOLO_RS485") {
        setByte(c.protocoloRS485, kv.value);
    } else if (kv.key == "BAUDRATE_RS232") {
        setByte(c.baudRS232, kv.value);
    } else if (kv.key == "BAUDRATE_RS485") {
        setByte(c.baudRS485, kv.value);
    } else if (kv.key == "SENHA 1") {
        c.senhas[0] = text::cut(kv.value, kPasswordCapacity);
    } else if (kv.key == "SENHA 2") {
        c.senhas[1] = text::cut(kv.value, kPasswordCapacity);
    } else if (kv.key == "SENHA 3") {
        c.senhas[2] = text::cut(kv.value, kPasswordCapacity);
    } else if (kv.key == "CONFIGENVIOPARTEMP") {
        setInt(c.envioParcial, kv.value);
    } else {
        return false; // "ARQUIVOS DE RECEITA", "VERSAO" and unknown keys
    }
    return true;
}

} // namespace

void LeConfigGeral(ConfigGeralSection& values, const std::vector<std::string>& lines) {
    for (const auto& line : lines) {
        const auto kv = splitKeyValue(line);
        if (!kv) {
            continue;
        }
        if (kv->key == "TIPO") {
            values.tipo = std::string(kv->value);
        } else if (kv->key == "MODELO") {
            values.modelo = std::string(kv->value);
        } else {
            applyConfigLine(values.config, *kv);
        }
    }
}

bool LeArquivoConfig(const std::filesystem::path& path, ConfigGeral& config) {
    const auto lines = text::readLines(path);
    if (!lines) {
        return false;
    }
    for (const auto& line : *lines) {
        if (const auto kv = splitKeyValue(line)) {
            applyConfigLine(config, *kv);
        }
    }
    return true;
}

} // namespace velmora::project
