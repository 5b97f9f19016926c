#pragma once

#include "core/lang/language.h"
#include "core/lang/message_args.h"
#include "core/seams/prompts.h"

#include <filesystem>
#include <string>
#include <vector>

namespace velmora::project {

// Messages of the project and program files (their arguments are in the one table of
// messages with arguments).
inline constexpr int kMsgFileCannotRead = msg::kFileCannotRead;
inline constexpr int kMsgFileDamaged = msg::kFileDamaged;
inline constexpr int kMsgFileCannotWrite = msg::kFileCannotWrite;
inline constexpr int kMsgCellsDropped = msg::kCellsDropped;
inline constexpr int kMsgTextCleaned = msg::kTextCleaned;
inline constexpr int kMsgNotAProject = msg::kNotAProject;

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
