#include "core/compiler/compile_state.h"

#include <algorithm>

namespace velmora::compiler {

void OperandPools::reset() {
    freeBits.clear();
    for (int i = 0; i < kBitBuffers; ++i) {
        freeBits.push_back(i);
    }
    bitStack.clear();
    nextEdge = 1;
    freeWords.clear();
    for (int i = 0; i < kWordBuffers; ++i) {
        freeWords.push_back(i);
    }
}

std::vector<std::string> OperandPools::freeBitNames() const {
    std::vector<std::string> names;
    for (int b : freeBits) {
        names.push_back("B" + std::to_string(b));
    }
    return names;
}

std::vector<std::string> CompileState::presetLines() const {
    std::vector<std::string> all = timerPresetLines;
    all.insert(all.end(), configLines.begin(), configLines.end());
    return all;
}

void addOnce(std::vector<std::string>& list, std::string_view line) {
    if (std::find(list.begin(), list.end(), line) == list.end()) {
        list.emplace_back(line);
    }
}

} // namespace velmora::compiler
