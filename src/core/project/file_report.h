#pragma once

#include "core/lang/language.h"
#include "core/seams/prompts.h"

#include <filesystem>
#include <string>
#include <vector>

namespace velmora::project {

// Messages of the project and program files. The language table holds their texts; the
// argument counts are listed in fileMessages() so the table can be checked against them.
inline constexpr int kMsgFileCannotRead = 460;  // [0] file
inline constexpr int kMsgFileDamaged = 461;     // [0] file, [1] section left open
inline constexpr int kMsgFileCannotWrite = 462; // [0] file, [1] reason
inline constexpr int kMsgCellsDropped = 463;    // [0] logic, [1] the cells as (row,column) ...
inline constexpr int kMsgTextCleaned = 464;     // [0] section whose control characters went
inline constexpr int kMsgNotAProject = 465;     // [0] file

struct FileMessageInfo {
    int number;
    int arguments;
};
const std::vector<FileMessageInfo>& fileMessages();

// One box to show: its kind, message number and ";"-separated arguments.
struct Notice {
    Prompts::Kind kind = Prompts::Kind::Error;
    int message = 0;
    std::string arguments;
    bool operator==(const Notice&) const = default;
};

// What a read or write came to: ok, and the boxes to show (errors, or warnings on success).
struct FileReport {
    bool ok = false;
    std::vector<Notice> notices;
    explicit operator bool() const { return ok; }
};

// A path as a message argument: 1252 text with no ";" (which would split the arguments).
std::string pathArgument(const std::filesystem::path& path);
// Any text as one message argument: its ";" become ",".
std::string messageArgument(std::string_view text);

// Shows every notice through `prompts`, texts looked up in `language`.
void showReport(const FileReport& report, const Language& language, Prompts& prompts);

} // namespace velmora::project
