#pragma once

// The edited program and the working copy: the one logic open for editing. All editing changes
// the working copy; the stored logic changes only when the working copy is committed (by the
// compile button, by Enter, or by a double click on another logic). The validation of a logic
// is passed in, so this object does not depend on the compiler.

#include "core/ladder/program.h"
#include "core/seams/prompts.h"

#include <functional>

namespace velmora::ladder {

// Validates the working copy before it is stored; may normalise it in place; shows its own
// messages; answers whether the logic may be stored.
using LogicValidator = std::function<bool(TLogica&)>;

// What a command did that the view (and the project) must follow.
struct ViewUpdate {
    enum class KeyPreview { Unchanged, On, Off };

    bool modified = false;        // stored logics changed: mark the project modified
    bool layout = false;          // run the layout pass (redraws everything)
    bool redrawOpenLogic = false; // redraw the open logic only
    int scrollTo = 0;             // bring logic n into view (0: none)
    int scrollToTop = 0;          // put logic n at the top of the view (0: none)
    bool cursorHome = false;      // editing cursor to element column 0, row 0
    KeyPreview keyPreview = KeyPreview::Unchanged;

    bool operator==(const ViewUpdate&) const = default;
};

// Shown when a command would make the program longer than the files can number.
// "The program already holds the most logics it can have (999)".
inline constexpr const char* kTextoLimiteLogicas =
    "O programa j\xE1 tem o m\xE1ximo de l\xF3gicas (999)";

class EditorSession {
public:
    // A cleared program and no logic open (inline, like the program's own constructor).
    EditorSession() { workingCopy.number = -1; }

    TPrograma program;   // the edited program
    TLogica workingCopy; // number -1 when no logic is open

    // The open logic's number, 0 when none is open.
    int openLogic() const;
    bool isOpen() const { return openLogic() != 0; }

    // Working copy := stored logic n. False (nothing changed) when n is not a logic.
    bool AbreLogica(int n);

    // The compile button: validates and stores the open logic, then closes it.
    ViewUpdate ConfirmaLogica(const LogicValidator& validate);

    // Enter on the open logic: an empty logic is removed (when not the only one), otherwise it
    // is validated and stored, and on the last logic a new empty one is appended and opened.
    // At the most logics the program can hold, the logic is stored and closed and an error
    // box says why nothing was appended.
    ViewUpdate confirmByEnter(const LogicValidator& validate, Prompts& prompts);

    // A double click on logic m: opens it, first committing the open logic when it is another.
    ViewUpdate openByDoubleClick(int m, const LogicValidator& validate);

    // Escape: closes the open logic; its edits are dropped.
    ViewUpdate DescartaLogica();

    // Starting up and a new project: a cleared program and no logic open.
    void reset();

private:
    // Stores the working copy into its logic; true when that changed the stored logic.
    bool storeWorkingCopy();
    void close(ViewUpdate& update);
};

} // namespace velmora::ladder
