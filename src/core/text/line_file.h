#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::text {

// Splits bytes into lines: CR LF or a lone LF ends a line (a lone CR is kept as a byte);
// a missing final line end is accepted. Every other byte, NUL and 0x1A included, is kept.
std::vector<std::string> splitLines(std::string_view bytes);

// Reads a whole file as bytes; nullopt when it cannot be opened or read.
std::optional<std::string> readFileBytes(const std::filesystem::path& path);

// Reads a file as lines (see splitLines); nullopt when it cannot be read.
std::optional<std::vector<std::string>> readLines(const std::filesystem::path& path);

// The lines joined with CR LF after each one.
std::string joinCrLf(const std::vector<std::string>& lines);

} // namespace velmora::text
