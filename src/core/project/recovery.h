#pragma once

#include <filesystem>

namespace velmora {

// Where the last-resort handler writes the open project: beside the project's own file,
// never over it ("obra.vlp" -> "obra.recuperacao.vlp").
std::filesystem::path recoveryFile(const std::filesystem::path& projectFile);

} // namespace velmora
