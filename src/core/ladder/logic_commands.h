#pragma once

// The commands on whole logics: insert (tool button and menu), delete, go to, and the title
// edit. They ask through Prompts, show texts from the language table, change the session and
// report what the view must do. Positions typed by the user must be 1 or more.

#include "core/ladder/editor_session.h"
#include "core/lang/language.h"
#include "core/seams/prompts.h"

namespace velmora::ladder {

// TbInsereLogica: an empty logic appended after the last and opened (a logic that happens to
// be open is stored first).
ViewUpdate insertLogicByButton(EditorSession& session, Prompts& prompts);

// "Inserir lógica": asks for the position, inserts an empty logic there and opens it.
ViewUpdate insertLogicByMenu(EditorSession& session, Prompts& prompts, const Language& language);

// "Apagar lógica": asks for the number, confirms, removes it and renumbers jump targets.
ViewUpdate deleteLogic(EditorSession& session, Prompts& prompts, const Language& language);

// "Ir para lógica...": asks for the number and scrolls to it; nothing is opened.
ViewUpdate goToLogic(EditorSession& session, Prompts& prompts, const Language& language);

// A press on the header band of logic `logic`: asks for its new title and writes it into that
// logic (and into the working copy too when it is the open logic, so a commit keeps it).
ViewUpdate editLogicTitle(EditorSession& session, int logic, Prompts& prompts,
                          const Language& language);

} // namespace velmora::ladder
