#pragma once

#include "core/operands/memory_map.h"
#include "core/operands/operand_limits.h"

namespace velmora {

// The memory map and the operand limit table of a session (held by the Workspace).
struct OperandTables {
    MemoryMap map;
    OperandLimits limits;
};

} // namespace velmora
