#include "core/session/session.h"

#include "core/lang/language_file.h"
#include "core/workspace.h"

namespace velmora {

void startSession(Workspace& ws, Prompts& prompts) {
    loadLanguageAtStartup(ws.home.languageFile(), ws.language, prompts);
}

void endSession(Workspace& ws, Prompts& prompts) {
    (void)ws;
    (void)prompts;
}

} // namespace velmora
