// The .vlm program reader on arbitrary bytes: it never crashes, and the program it reads is
// written in a form that reads back to the same lines.
#include "core/ladder/program.h"
#include "core/project/ladder_section.h"
#include "core/text/atomic_file.h"
#include "core/text/line_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <unistd.h>

using namespace velmora;

namespace {

std::filesystem::path scratchFile() {
    return std::filesystem::temp_directory_path() /
           ("velmora-fuzz-" + std::to_string(::getpid()) + ".vlm");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::filesystem::path path = scratchFile();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (!text::writeFileAtomic(path, bytes)) {
        return 0;
    }
    ladder::TPrograma program;
    if (!project::LeArquivoPrograma(path, program)) {
        std::abort(); // the file exists
    }
    const auto first = project::writeLadderSection(program);
    ladder::TPrograma again;
    project::readLadderSection(again, first.lines, project::LadderReadOptions{false, "x"});
    const auto second = project::writeLadderSection(again);
    // Control bytes in titles and comments are blanked by the file writer, not here.
    if (second.lines != first.lines && first.dropped.empty()) {
        bool control = false;
        for (const auto& line : first.lines) {
            for (const char c : line) {
                control = control || static_cast<unsigned char>(c) < 32;
            }
        }
        if (!control) {
            std::abort();
        }
    }
    return 0;
}
