#include "core/session/session.h"

#include "core/lang/language_file.h"
#include "core/operands/memory_map.h"
#include "core/operands/operand_limits.h"
#include "core/project/settings.h"
#include "core/seams/prompts.h"
#include "core/workspace.h"

#include <system_error>

namespace velmora {

void startSession(Workspace& ws, Prompts& prompts) {
    loadLanguageAtStartup(ws.home.languageFile(), ws.language, prompts);
    // The settings come after the table: the stored language must name one of its languages.
    LeConfiguracoes(ws.home.settingsFile(), ws.settings, ws.language);

    // The memory map is read when present; the operand limits follow from it.
    std::error_code ec;
    if (std::filesystem::exists(ws.home.memoryMapFile(), ec)) {
        const auto read = LeMapaMemoria(ws.operands.map, ws.home.memoryMapFile());
        if (!read) {
            prompts.error(read.error);
        }
    }
    ws.operands.limits = LimitesOperandos(ws.operands.map);
}

void endSession(Workspace& ws, Prompts& prompts) {
    if (const auto written =
            GravaConfiguracoes(ws.home.settingsFile(), ws.settings, ws.language.current);
        !written) {
        prompts.error(written.error);
    }
    // The map goes back to the file it came from, and only when one was read.
    if (const auto written = writeBackMemoryMap(ws.operands.map); written && !*written) {
        prompts.error(written->error);
    }
}

} // namespace velmora
