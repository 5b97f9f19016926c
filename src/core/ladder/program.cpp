#include "core/ladder/program.h"

#include "core/ladder/cell.h"
#include "core/text/strings.h"

#include <algorithm>

namespace velmora::ladder {

TLogica NovaLogica() {
    return TLogica{};
}

void LimpaPrograma(TPrograma& program) {
    program.logics.clear();
    program.logics.resize(2);
    program.logics.shrink_to_fit();
    program.logics[1].number = 1;
    program.name.clear();
}

int setLogicCount(TPrograma& program, int count) {
    count = std::clamp(count, 1, kMaxLogics);
    program.logics.resize(static_cast<std::size_t>(count) + 1);
    for (int i = 1; i <= count; ++i) {
        program.logic(i).number = i;
    }
    return count;
}

std::int32_t LinhasUsadas(const TLogica& logic) {
    for (int r = kEditedRows - 1; r >= 0; --r) {
        for (int s = 0; s < kStorageColumns - 1; ++s) {
            if (!logic.cell(s, r).empty()) {
                return r + 1;
            }
        }
    }
    return 0;
}

bool InsereLogica(TPrograma& program, const TLogica& logic, int position) {
    const int count = program.count();
    if (count >= kMaxLogics) {
        return false;
    }
    position = std::clamp(position, 1, count + 1);
    const auto at = program.logics.begin() + position;
    program.logics.insert(at, logic);
    for (int i = position; i <= program.count(); ++i) {
        program.logic(i).number = i;
    }
    RenumeraSaltos(program, position, +1);
    return true;
}

bool RemoveLogica(TPrograma& program, int position) {
    const int count = program.count();
    if (count <= 1 || position < 1 || position > count) {
        return false;
    }
    program.logics.erase(program.logics.begin() + position);
    for (int i = position; i <= program.count(); ++i) {
        program.logic(i).number = i;
    }
    return true;
}

void RenumeraSaltos(TPrograma& program, int position, int delta) {
    for (int q = 1; q <= program.count(); ++q) {
        TLogica& logic = program.logic(q);
        for (int s = 0; s < kStorageColumns - 1; ++s) {
            for (int r = 0; r < kEditedRows; ++r) {
                TCelula& cell = logic.cell(s, r);
                if (!isElementCell(cell.text, "JMP", '1')) {
                    continue;
                }
                const auto target = cellField(cell.text, 1);
                if (!target || !text::isDigits(*target)) {
                    continue; // the placeholder, or not a number: nothing to follow
                }
                const auto n = text::parseInteger(*target);
                if (!n) {
                    continue;
                }
                std::string replacement;
                if (delta > 0 && *n >= position) {
                    replacement = std::to_string(*n + 1);
                } else if (delta < 0 && *n == position) {
                    replacement = std::string(kBlankField);
                } else if (delta < 0 && *n > position) {
                    replacement = std::to_string(*n - 1);
                } else {
                    continue;
                }
                cell.set(TrocaCampo(cell.text, 1, replacement));
            }
        }
    }
}

bool LogicasIguais(const TLogica& a, const TLogica& b) {
    return a.cells == b.cells;
}

namespace {

bool rowEmpty(const TLogica& logic, int r) {
    for (int s = 0; s < kStorageColumns; ++s) {
        if (!logic.cell(s, r).empty()) {
            return false;
        }
    }
    return true;
}

} // namespace

void CompactaLinhas(TLogica& logic) {
    constexpr int lastRow = kEditedRows; // rows 0 ... 8 take part
    int removed = 0;
    for (int j = 0; j <= lastRow; ++j) {
        while (rowEmpty(logic, j) && removed < lastRow + 1) {
            for (int s = 0; s < kStorageColumns; ++s) {
                for (int r = j; r < lastRow; ++r) {
                    logic.cell(s, r) = std::move(logic.cell(s, r + 1));
                }
                logic.cell(s, lastRow).clear();
            }
            ++removed;
        }
    }
}

} // namespace velmora::ladder
