#pragma once

#include "core/ladder/editor_session.h"
#include "core/ladder/editor_state.h"
#include "core/lang/language.h"
#include "core/operands/operand_tables.h"
#include "core/project/home.h"
#include "core/project/projeto.h"
#include "core/project/settings.h"

namespace velmora {

// The state of one open session: everything the main window owns for the whole run.
// Each subsystem adds its part here; a test builds its own Workspace, and two can coexist.
struct Workspace {
    HomeFolder home;
    Language language;
    project::Project project; // the open project: record, configuration, tables
    OperandTables operands;   // memory map and operand limit table
    Settings settings;        // the preferences kept in configvlm.cfg
    ladder::EditorSession ladder;
    ladder::EditorState ladderEditor; // cursor, tool and marked area of the ladder editor
};

} // namespace velmora
