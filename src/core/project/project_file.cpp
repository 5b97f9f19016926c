#include "core/project/project_file.h"

#include "core/text/atomic_file.h"
#include "core/text/line_file.h"
#include "core/text/strings.h"

#include <algorithm>

namespace velmora::project {

namespace {

constexpr std::size_t kHistoryRecordSize = 96;

std::string droppedCellsArgument(int logic, const std::vector<DroppedCell>& dropped) {
    std::string cells;
    for (const auto& d : dropped) {
        if (d.logic != logic) {
            continue;
        }
        if (!cells.empty()) {
            cells += ' ';
        }
        cells += "(" + std::to_string(d.row) + "," + std::to_string(d.column) + ")";
    }
    return std::to_string(logic) + ";" + cells;
}

std::vector<Notice> droppedCellNotices(const std::vector<DroppedCell>& dropped) {
    std::vector<Notice> notices;
    int lastLogic = 0;
    for (const auto& d : dropped) {
        if (d.logic != lastLogic) {
            lastLogic = d.logic;
            notices.push_back(Notice{Prompts::Kind::Warning, kMsgCellsDropped,
                                     droppedCellsArgument(d.logic, dropped)});
        }
    }
    return notices;
}

int validSlot(int slot) {
    return slot >= 1 && slot <= kProgramSlots ? slot : 1;
}

std::string projectName(const std::filesystem::path& path) {
    std::string name = path.filename().string();
    if (isProjectFileName(path)) {
        name.resize(name.size() - 4);
    }
    return text::cut(name, kProjectNameCapacity);
}

// A new project for the file at `path`: reset, named after the file, in the file's folder.
Project freshProject(const std::filesystem::path& path) {
    Project project;
    resetProject(project.record);
    project.record.name = projectName(path);
    project.record.location = path.parent_path();
    return project;
}

void readSectioned(const SplitSections& split, Project& project, ladder::TPrograma& edited,
                   LoadResult& result) {
    TProjeto& record = project.record;
    ConfigGeralSection config{record.kind, record.model, record.config};
    if (const Section* s = split.find("#CONFIGGERAL")) {
        LeConfigGeral(config, s->lines);
    }
    record.kind = config.tipo;
    record.model = config.modelo;
    record.config = config.config;

    auto lines = [&](std::string_view name) -> const std::vector<std::string>* {
        const Section* s = split.find(name);
        return s != nullptr && !s->lines.empty() ? &s->lines : nullptr;
    };
    if (const auto* l = lines("#TABSIMB")) {
        tables::readSymbolSection(project.symbols, *l);
    }
    edited = record.program(1);
    if (const auto* l = lines("#LADDER")) {
        result.ladder = readLadderSection(edited, *l);
        edited.slot = 1;
        record.program(1) = edited;
    }
    if (const auto* l = lines("#IHM")) {
        record.hmiLines = *l;
    }
    if (const auto* l = lines("#TABSTR")) {
        tables::readStringSection(project.hmiStrings, *l);
    }
    if (const auto* l = lines("#TABREC")) {
        tables::readRecipeSection(project.recipes, *l);
    }
    if (const auto* l = lines("#TABCOMP")) {
        comm::LeTabComp(project.sharing, *l);
    }
    for (const auto& section : split.sections) {
        const bool known = std::find(kSectionNames.begin(), kSectionNames.end(), section.name) !=
                           kSectionNames.end();
        if (!known) {
            project.foreignSections.push_back(ForeignSection{section.name, section.lines});
        }
    }
}

} // namespace

bool isProjectFileName(const std::filesystem::path& path) {
    return text::endsWithIgnoreCase(path.filename().string(), ".vlp");
}

ProjectLines projectLines(const Project& project, const ladder::TPrograma& edited) {
    ProjectLines out;
    const TProjeto& record = project.record;
    LadderLines ladderLines = writeLadderSection(edited);
    out.dropped = std::move(ladderLines.dropped);

    std::vector<Section> sections;
    sections.reserve(kSectionNames.size() + project.foreignSections.size());
    sections.push_back(
        {"#CONFIGGERAL", LinhasConfigGeral({record.kind, record.model, record.config})});
    sections.push_back({"#LADDER", std::move(ladderLines.lines)});
    sections.push_back({"#IHM", record.hmiLines});
    sections.push_back({"#TABSIMB", tables::writeSymbolSection(project.symbols)});
    sections.push_back({"#TABSTR", tables::writeStringSection(project.hmiStrings)});
    sections.push_back({"#TABREC", tables::writeRecipeSection(project.recipes)});
    sections.push_back({"#TABCOMP", comm::EscreveTabComp(project.sharing)});
    for (const auto& foreign : project.foreignSections) {
        sections.push_back({foreign.name, foreign.lines});
    }
    for (auto& section : sections) {
        bool sectionChanged = false;
        section.name = safeContentLine(section.name, sectionChanged);
        for (auto& line : section.lines) {
            bool changed = false;
            line = safeContentLine(line, changed);
            sectionChanged = sectionChanged || changed;
        }
        if (sectionChanged) {
            out.cleanedSections.push_back(section.name);
        }
    }
    out.lines = frameSections(sections);
    return out;
}

text::WriteResult markDownloadHistory(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        return text::WriteResult{true, {}};
    }
    auto bytes = text::readFileBytes(path);
    if (!bytes) {
        return text::WriteResult{false, "cannot read"};
    }
    for (std::size_t i = 0; i + kHistoryRecordSize <= bytes->size(); i += kHistoryRecordSize) {
        (*bytes)[i] = 1;
    }
    return text::writeFileAtomic(path, *bytes);
}

FileReport SalvaProjeto(const std::filesystem::path& path, Project& project,
                        ladder::TPrograma& edited, const SaveOptions& options) {
    FileReport report;
    ProjectLines out = projectLines(project, edited);
    if (options.scrambled) {
        for (auto& line : out.lines) {
            line = scrambleLine(line);
        }
    }
    const auto written = text::writeLinesAtomic(path, out.lines);
    if (!written) {
        report.notices.push_back(Notice{Prompts::Kind::Error, kMsgFileCannotWrite,
                                        pathArgument(path) + ";" + messageArgument(written.error)});
        return report;
    }
    report.ok = true;
    removeDroppedCells(edited, out.dropped);
    project.record.program(validSlot(edited.slot)) = edited;
    for (auto& n : droppedCellNotices(out.dropped)) {
        report.notices.push_back(std::move(n));
    }
    for (const auto& section : out.cleanedSections) {
        report.notices.push_back(
            Notice{Prompts::Kind::Warning, kMsgTextCleaned, messageArgument(section)});
    }
    if (project.record.modified && !project.record.name.empty()) {
        const auto history = project.record.historyPath();
        const auto marked = markDownloadHistory(history);
        if (!marked) {
            report.notices.push_back(
                Notice{Prompts::Kind::Warning, kMsgFileCannotWrite,
                       pathArgument(history) + ";" + messageArgument(marked.error)});
        }
    }
    project.record.modified = false;
    if (options.onSaved) {
        options.onSaved(path);
    }
    return report;
}

std::vector<std::string> plainProjectText(std::string_view bytes) {
    std::vector<std::string> lines = text::splitLines(bytes);
    if (detectLayout(lines) == FileLayout::Scrambled) {
        for (auto& line : lines) {
            line = unscrambleLine(line);
        }
    }
    return lines;
}

LoadResult parseProjectFile(std::string_view bytes, const std::filesystem::path& path,
                            Project& project, ladder::TPrograma& edited) {
    LoadResult result;
    std::vector<std::string> lines = text::splitLines(bytes);
    result.layout = detectLayout(lines);
    Project fresh = freshProject(path);
    ladder::TPrograma freshEdited = fresh.record.program(1);

    if (result.layout == FileLayout::Older) {
        const FileReport older = readOlderLayout(lines, fresh, freshEdited, result.older);
        result.notices = older.notices;
        if (!older.ok) {
            return result;
        }
    } else {
        if (result.layout == FileLayout::Scrambled) {
            for (auto& line : lines) {
                line = unscrambleLine(line);
            }
        }
        const SplitSections split = splitSections(lines);
        if (split.unclosed) {
            result.notices.push_back(
                Notice{Prompts::Kind::Error, kMsgFileDamaged,
                       pathArgument(path) + ";" + messageArgument(text::cut(*split.unclosed, 50))});
            return result;
        }
        readSectioned(split, fresh, freshEdited, result);
    }
    fresh.record.modified = false;
    project = std::move(fresh);
    edited = std::move(freshEdited);
    result.ok = true;
    return result;
}

LoadResult CarregaProjeto(const std::filesystem::path& path, Project& project,
                          ladder::TPrograma& edited) {
    const auto bytes = text::readFileBytes(path);
    if (!bytes) {
        LoadResult result;
        result.notices.push_back(
            Notice{Prompts::Kind::Error, kMsgFileCannotRead, pathArgument(path)});
        return result;
    }
    return parseProjectFile(*bytes, path, project, edited);
}

} // namespace velmora::project
