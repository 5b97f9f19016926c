#pragma once

// The checks a program passes before it is downloaded: a timer, counter or coil written by
// more than one element, and a set coil without its reset (or the reverse).

#include "core/ladder/program.h"

#include <functional>
#include <string>
#include <vector>

namespace velmora::compiler {

struct ConsistencyWarning {
    int logic = 0;
    std::string text;      // the window's line
    bool blocking = false; // a repetition: the program cannot be downloaded
    bool operator==(const ConsistencyWarning&) const = default;
};

// Every line of the warning window, in its order: repeated timers, counters and coils (each
// repetition named by the logic where it occurs again), then sets without a reset and resets
// without a set (each operand once). Elements are recognised by the code and part digit that
// open their first cell, so an operand or program name that merely contains a code is no
// element.
std::vector<ConsistencyWarning> avisosPrograma(const ladder::TPrograma& program);

// True when some line blocks the download.
bool hasBlockingWarning(const std::vector<ConsistencyWarning>& warnings);

// Shows the warning window with these lines; answers true when the user chose to go on (the
// window offers that only when no line blocks).
using WarningWindow = std::function<bool(const std::vector<ConsistencyWarning>&)>;

// True when the program may be downloaded: no line at all (the window is not shown), or only
// warnings that the user, in the window, chose to go on with.
bool VerificaPrograma(const ladder::TPrograma& program, const WarningWindow& window);

} // namespace velmora::compiler
