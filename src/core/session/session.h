#pragma once

namespace velmora {

class Prompts;
struct Workspace;

// What the main window does when it is created: reads the start-up folder's language table
// and the other session files into the workspace. Problems are shown and start-up goes on.
void startSession(Workspace& ws, Prompts& prompts);

// What the main window does when it closes: writes back what the session keeps in files.
void endSession(Workspace& ws, Prompts& prompts);

} // namespace velmora
