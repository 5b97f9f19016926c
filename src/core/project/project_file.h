#pragma once

// The project file (.vlp): save and open of the sectioned, scrambled form, and the open of the
// older multi-file layout (see older_layout.h).

#include "core/ladder/program.h"
#include "core/project/file_framing.h"
#include "core/project/file_report.h"
#include "core/project/ladder_section.h"
#include "core/project/older_layout.h"
#include "core/project/projeto.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace velmora::project {

// ".vlp", compared without regard to case.
bool isProjectFileName(const std::filesystem::path& path);

struct ProjectLines {
    std::vector<std::string> lines; // plain, framed
    std::vector<DroppedCell> dropped;
    std::vector<std::string> cleanedSections; // sections whose control characters became blanks
};

// The plain project text: the seven sections in their order (#LADDER from `edited`), then the
// sections the system does not know, as they were read.
ProjectLines projectLines(const Project& project, const ladder::TPrograma& edited);

struct SaveOptions {
    bool scrambled = true; // the plain form only for conversions and tests
    // Runs once the file is written (the recent-projects list is updated there).
    std::function<void(const std::filesystem::path&)> onSaved;
};

// Writes the project to `path`, replacing the file atomically. Only when the write succeeded:
// the edited program goes into its slot, cells that could not be written are emptied (and
// named in a warning), a modified project marks every record of its .hdw file and loses its
// modified mark, and onSaved runs. On failure nothing in memory or on disk changes.
FileReport SalvaProjeto(const std::filesystem::path& path, Project& project,
                        ladder::TPrograma& edited, const SaveOptions& options = {});

struct LoadResult : FileReport {
    FileLayout layout = FileLayout::Plain;
    LadderReadResult ladder; // skipped lines and the timer and counter cells to register
    OlderLayoutExtras older; // side files of the older layout kept for their owners
};

// Reads the file at `path` (either layout) into a new project named after the file. Only when
// the whole file was read does it replace `project` and `edited` (the edited program becomes
// slot 1, or the last program of the older layout); a file that cannot be read, a section no
// "#" closes, or a file that is not a project leaves both untouched and says why.
LoadResult CarregaProjeto(const std::filesystem::path& path, Project& project,
                          ladder::TPrograma& edited);

// Parses plain or scrambled project bytes, as CarregaProjeto does after reading the file.
LoadResult parseProjectFile(std::string_view bytes, const std::filesystem::path& path,
                            Project& project, ladder::TPrograma& edited);

// The project text of a sectioned file, unscrambled; the lines of any other file as they are.
std::vector<std::string> plainProjectText(std::string_view bytes);

// Sets the first byte of every 96-byte record of the download history to 1 (replaced
// atomically). A missing file is left missing.
text::WriteResult markDownloadHistory(const std::filesystem::path& path);

} // namespace velmora::project
