#pragma once

// Instruction list to expression lines: the stack-style IL (LD, AND, OR, ANDLD, ST ...)
// becomes flat NAME(arguments) lines, one controller instruction each, with intermediate
// results in the bit buffers B0 ... B15, edge memories L1 ... L256 and word buffers O0 ... O7
// of the compile's pools.

#include "core/compiler/compile_state.h"
#include "core/text/atomic_file.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::compiler {

// IL lines: CR LF, a lone CR or a lone LF ends a line; blank lines are dropped.
std::vector<std::string> splitInstructionList(std::string_view il);

// The first pass. The IL lines (blank ones removed) are kept in state.debugList. Errors
// (a stack that runs empty, no free buffer, no edge memory, an unknown line, a formula that
// cannot be read, a call or jump whose target is unknown) go into state.errors.
std::vector<std::string> ListaParaExpressoes(std::string_view il, CompileState& state);

// The formula lines of an "OPR" box: "%MW1 =(%MW2+%MW3)*%MW4" gives SUM(%MW2,%MW3,O0) and
// MUL(O0,%MW4,%MW1). Empty, with an error in `state`, when the formula cannot be read.
std::vector<std::string> ConverteFormula(std::string_view formula, CompileState& state);

// The mnemonic of an IL line: its text up to the first "[", blank or "(".
std::string ilMnemonic(std::string_view line);

// Writes state.debugList as the debug file slListaInstrucao.txt in `folder`. A failure is
// only reported back; it never stops a compile.
text::WriteResult writeDebugList(const std::filesystem::path& folder, const CompileState& state);

} // namespace velmora::compiler
