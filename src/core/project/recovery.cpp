#include "core/project/recovery.h"

#include "core/text/strings.h"

namespace velmora {

std::filesystem::path recoveryFile(const std::filesystem::path& projectFile) {
    std::string name = projectFile.filename().string();
    if (text::endsWithIgnoreCase(name, ".vlp")) {
        name.resize(name.size() - 4);
    }
    if (name.empty()) {
        name = "projeto";
    }
    return projectFile.parent_path() / (name + ".recuperacao.vlp");
}

} // namespace velmora
