#pragma once

// Ladder to instruction list: each network of a logic is split into blocks (series runs of
// elements between vertical links), each block's instructions are written as the walk goes,
// and the blocks are joined by OR and AND merges into one text. Every instruction is
// preceded by CR LF.

#include "core/compiler/compile_state.h"
#include "core/ladder/program.h"

#include <string>

namespace velmora::compiler {

// The instruction list of one logic followed by the line "EP". Works on a copy. Counter
// and fast-counter configuration lines go into `state`; faults go into state.errors under
// the logic's number.
std::string TraduzLogica(const ladder::TLogica& logic, CompileState& state);

// The instruction list of logics 1 ... count joined, without "EP". Resets the bit buffers
// and edge memories first.
std::string TraduzPrograma(const ladder::TPrograma& program, CompileState& state);

// The instruction list of a logic without the final "EP" (what both operations join).
std::string translateLogicBody(const ladder::TLogica& logic, CompileState& state);

} // namespace velmora::compiler
