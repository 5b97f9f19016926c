#include "core/project/older_layout.h"

#include "core/project/config_geral.h"
#include "core/project/ladder_section.h"
#include "core/text/line_file.h"
#include "core/text/strings.h"

#include <system_error>

namespace velmora::project {

namespace {

// The value of a key line: character 10 to the end.
std::string_view valueOf(std::string_view line) {
    return line.size() > 9 ? line.substr(9) : std::string_view();
}

// Files the key file names live in the project's folder: only the last part of the name is
// used, so a name with folders (or an absolute one) cannot reach files elsewhere.
std::string localName(std::string_view value) {
    const std::size_t slash = value.find_last_of("/\\");
    return std::string(slash == std::string_view::npos ? value : value.substr(slash + 1));
}

bool startsWith(std::string_view line, std::string_view key) {
    return line.substr(0, key.size()) == key;
}

std::optional<std::vector<std::string>> readSideFile(const std::filesystem::path& folder,
                                                     const std::string& name) {
    const auto path = findFileIgnoringCase(folder, name);
    if (!path) {
        return std::nullopt;
    }
    return text::readLines(*path);
}

} // namespace

std::optional<std::filesystem::path> findFileIgnoringCase(const std::filesystem::path& folder,
                                                          const std::string& name) {
    if (name.empty()) {
        return std::nullopt;
    }
    const std::filesystem::path dir = folder.empty() ? std::filesystem::path(".") : folder;
    std::error_code ec;
    const auto exact = dir / name;
    if (std::filesystem::is_regular_file(exact, ec)) {
        return exact;
    }
    for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string candidate = it->path().filename().string();
        if (text::equalsIgnoreCaseAscii(candidate, name) && it->is_regular_file(ec)) {
            return it->path();
        }
    }
    return std::nullopt;
}

FileReport readOlderLayout(const std::vector<std::string>& lines, Project& project,
                           ladder::TPrograma& edited, OlderLayoutExtras& extras) {
    FileReport report;
    TProjeto& record = project.record;
    const std::filesystem::path folder = record.location;
    bool anyKey = false;
    for (const auto& line : lines) {
        const std::string_view value = valueOf(line);
        if (startsWith(line, "TIPO")) {
            record.kind = std::string(line.size() > 9 ? std::string_view(line).substr(9, 2)
                                                      : std::string_view());
            anyKey = true;
        } else if (startsWith(line, "IHM")) {
            extras.hmiFile =
                findFileIgnoringCase(folder, localName(value)).value_or(folder / localName(value));
            anyKey = true;
        } else if (startsWith(line, "AUTOR")) {
            record.author = text::cut(value, kAuthorCapacity);
            anyKey = true;
        } else if (startsWith(line, "MODELO")) {
            record.model = std::string(value);
            anyKey = true;
        } else if (startsWith(line, "SRT")) {
            anyKey = true;
            if (record.kind != "LD" || line.size() < 6) {
                continue;
            }
            const std::string_view nn = std::string_view(line).substr(4, 2);
            const auto slot = text::isDigits(nn) ? text::parseInteger(nn) : std::nullopt;
            if (!slot || *slot < 1 || *slot > kProgramSlots) {
                continue; // only slots 01 ... 20 exist
            }
            const int n = static_cast<int>(*slot);
            record.programCount = std::max(record.programCount, n);
            ladder::TPrograma& program = record.program(n);
            ladder::LimpaPrograma(program);
            if (const auto file = findFileIgnoringCase(folder, localName(value))) {
                LeArquivoPrograma(*file, program);
            }
            program.slot = n;
            edited = program;
        }
    }
    if (!anyKey) {
        report.notices.push_back(
            Notice{Prompts::Kind::Error, kMsgNotAProject, pathArgument(record.filePath())});
        return report;
    }
    const std::string& name = record.name;
    if (record.kind == "ML") {
        if (auto il = readSideFile(folder, name + ".txt")) {
            project.instructionList = std::move(*il);
        }
    }
    extras.timerGrid = readSideFile(folder, name + "cfgtc.txt");
    extras.counterGrid = readSideFile(folder, name + "cfgCounter.txt");
    if (auto l = readSideFile(folder, name + "tabsimb.txt")) {
        tables::readSymbolSection(project.symbols, *l);
    }
    if (auto l = readSideFile(folder, name + "receita.txt")) {
        tables::readRecipeSection(project.recipes, *l);
    }
    if (auto l = readSideFile(folder, name + "compartilha.txt")) {
        comm::LeTabComp(project.sharing, *l);
    }
    if (const auto cfg = findFileIgnoringCase(folder, name + "CFGPRJ.CFG")) {
        LeArquivoConfig(*cfg, record.config);
    }
    report.ok = true;
    return report;
}

} // namespace velmora::project
