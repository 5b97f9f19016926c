// The project file reader on arbitrary bytes: it never crashes, and what it accepts is written
// in a form that reads back to the same text.
#include "core/ladder/program.h"
#include "core/project/project_file.h"
#include "core/text/line_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // A folder that does not exist: the older layout finds no side files.
    const std::filesystem::path path = "/nonexistent-velmora-fuzz/fuzz.vlp";
    project::Project project;
    ladder::TPrograma edited;
    const auto loaded = project::parseProjectFile(bytes, path, project, edited);
    if (!loaded.ok) {
        return 0;
    }
    const auto first = project::projectLines(project, edited);
    for (const auto& line : first.lines) {
        const std::string stored = project::scrambleLine(line);
        if (stored.find_first_of("\r\n") != std::string::npos ||
            project::unscrambleLine(stored) != line) {
            std::abort(); // a written line would split or not come back
        }
    }
    project::Project again;
    ladder::TPrograma againEdited;
    if (!project::parseProjectFile(text::joinCrLf(first.lines), path, again, againEdited).ok) {
        std::abort();
    }
    if (project::projectLines(again, againEdited).lines != first.lines) {
        std::abort();
    }
    return 0;
}
