#pragma once

// The older project layout, read only: a plain key file ("KEY      = value", value from
// character 10) naming the program files, plus side files named project name + suffix.
// Side files holding a grid are read as one line per data row, cells separated by ";" (the
// same form as the table's project-file section).

#include "core/ladder/program.h"
#include "core/project/file_report.h"
#include "core/project/projeto.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace velmora::project {

// What the older layout carries that later readers take over.
struct OlderLayoutExtras {
    std::optional<std::filesystem::path> hmiFile; // the stand-alone HMI file the project names
    std::optional<std::vector<std::string>> timerGrid;
    std::optional<std::vector<std::string>> counterGrid;
};

// Finds `name` in `folder`, first exactly, then ignoring letter case (projects copied from
// other systems). nullopt when there is no such file.
std::optional<std::filesystem::path> findFileIgnoringCase(const std::filesystem::path& folder,
                                                          const std::string& name);

// Reads the key lines and the side files into `project` (already reset, named and located)
// and `edited`. Fails with message 465 when no line is one of the layout's keys.
FileReport readOlderLayout(const std::vector<std::string>& lines, Project& project,
                           ladder::TPrograma& edited, OlderLayoutExtras& extras);

} // namespace velmora::project
