#include "core/project/projeto.h"

namespace velmora::project {

TProjeto::TProjeto() {
    for (int slot = 1; slot <= kProgramSlots; ++slot) {
        program(slot).slot = slot;
    }
}

void resetProject(TProjeto& record) {
    for (int slot = 1; slot <= kProgramSlots; ++slot) {
        ladder::LimpaPrograma(record.program(slot));
        record.program(slot).slot = slot;
    }
    record.programCount = 1;
    record.name.clear();
    record.location.clear();
    record.author.clear();
    record.modified = false;
}

} // namespace velmora::project
