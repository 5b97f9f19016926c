#pragma once

// The blocks of one network of a logic (series runs of elements between vertical links) and
// their joining into one instruction list by OR and AND merges.

#include "core/compiler/compile_state.h"

#include <string>
#include <vector>

namespace velmora::compiler {

// One block: where it starts and ends (link columns, top rows of the links there), its nesting
// level (0 for a continuation), the elements written into it and its instructions.
struct TBloco {
    int level = 0;
    int startColumn = 0;
    int startRow = 0;
    int endColumn = -1;
    int endRow = 0;
    int count = 0;
    bool output = false;
    bool rail = false; // begins at the left rail, or at an element with nothing before it
    std::string text;

    bool open() const { return endColumn == -1; }
    // A block of horizontal lines only: it conducts, whatever stands beside it.
    bool wire() const { return count == 0 && !output && text.empty(); }
};

// Joins the blocks into one text (they are consumed). A network that does not reduce to one
// block is an error in `state` and gives no text.
std::string Junta(std::vector<TBloco>& blocks, CompileState& state);

} // namespace velmora::compiler
