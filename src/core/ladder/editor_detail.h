#pragma once

// Pieces the editing operations share; not for use outside them.

#include "core/ladder/editor_commands.h"

#include <optional>
#include <string>

namespace velmora::ladder::detail {

// A refusal to show: a numbered message or a literal text, in a box of `kind`.
struct Refusal {
    int message = 0;
    std::string literal;
    Prompts::Kind kind = Prompts::Kind::Information;
};

// What a placement on a logic did, before anything is shown.
struct Placement {
    bool changed = false;
    std::optional<Refusal> refusal; // set when refused with a box; silent refusals leave it
    std::optional<CellPosition> operandEntry;
};

// Runs the rules of the current tool at the state's cursor on `logic`, writes the element when
// they pass and updates the cursor, the placing flag and the last position in `state`.
Placement placeOn(TLogica& logic, EditorState& state);

// Empties every cell of the element having a cell at (c, r); true when anything was emptied.
bool deleteElementAt(TLogica& logic, int c, int r);

// Shows a refusal and records it in the result.
void show(EditorContext& ctx, EditResult& result, const Refusal& refusal);

// The edited program goes back into its project slot.
void copyToSlot(EditorContext& ctx);

// The horizontal line text for element column c.
std::string lineText(int c);

} // namespace velmora::ladder::detail
