#pragma once

// The second pass over the expression list: the separate lines that a timer, counter, PID
// block or fast counter left behind are merged into one function line per block.

#include "core/compiler/compile_state.h"
#include "core/ladder/program.h"

#include <string>
#include <vector>

namespace velmora::compiler {

// Merges the blocks of `lines`. Timer kinds come from state.timerKindLines, counter kinds
// from state.counterLines, PID parameters from the first PID cell of `program` naming the
// block (nullptr: no PID cell can be found). The free bit buffers of state.pools are the ones
// the rewrites take. Blocks that cannot be merged (no kind, a missing input, no PID cell) are
// compile errors.
std::vector<std::string> UneBlocos(std::vector<std::string> lines, CompileState& state,
                                   const ladder::TPrograma* program);

} // namespace velmora::compiler
