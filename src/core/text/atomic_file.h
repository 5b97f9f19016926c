#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::text {

struct WriteResult {
    bool ok = false;
    std::string error; // why it failed, for the user; empty on success
    explicit operator bool() const { return ok; }
};

// Replaces `target` with `bytes` atomically: a temporary file in the same folder is written,
// flushed and synced, then renamed over the target. On any failure the old file is untouched
// and the temporary file is removed.
WriteResult writeFileAtomic(const std::filesystem::path& target, std::string_view bytes);

// The same for lines, each ended by CR LF.
WriteResult writeLinesAtomic(const std::filesystem::path& target,
                             const std::vector<std::string>& lines);

} // namespace velmora::text
