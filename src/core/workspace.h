#pragma once

#include "core/lang/language.h"
#include "core/project/home.h"

namespace velmora {

// The state of one open session: everything the main window owns for the whole run.
// Each subsystem adds its part here; a test builds its own Workspace, and two can coexist.
struct Workspace {
    HomeFolder home;
    Language language;
};

} // namespace velmora
