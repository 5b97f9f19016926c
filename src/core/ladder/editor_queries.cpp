#include "core/ladder/editor_queries.h"

#include "core/ladder/catalogue.h"
#include "core/ladder/cell.h"

#include <functional>

namespace velmora::ladder {

namespace {

// Rows the content queries look at (the editor's rows and the two below them).
constexpr int kQueryRows = 10;

bool anyCell(const TLogica& logic, const std::function<bool(const ElementKind&)>& test) {
    for (int s = 0; s < kStorageColumns; ++s) {
        for (int r = 0; r < kQueryRows; ++r) {
            const ElementKind* kind = elementOfCell(logic.cell(s, r).text);
            if (kind != nullptr && test(*kind)) {
                return true;
            }
        }
    }
    return false;
}

CellPosition lastElementCell(const TLogica& logic,
                             const std::function<bool(const ElementKind&)>& test) {
    CellPosition found{-1, -1};
    for (int c = 0; c < kElementColumns; ++c) {
        for (int r = 0; r < kEditedRows; ++r) {
            const ElementKind* kind = elementOfCell(logic.element(c, r).text);
            if (kind != nullptr && test(*kind)) {
                found = {c, r};
            }
        }
    }
    return found;
}

bool isTimer(const ElementKind& k) {
    return k.family == Family::Timer;
}
bool isUpOrDownCounter(const ElementKind& k) {
    return k.family == Family::Counter && k.code != "CUD";
}

} // namespace

bool TemTemporizadorContador(const TLogica& logic) {
    return anyCell(logic, [](const ElementKind& k) {
        return isTimer(k) || isUpOrDownCounter(k) || k.family == Family::FastCounter;
    });
}

bool TemBlocoDados(const TLogica& logic) {
    return anyCell(logic, [](const ElementKind& k) {
        return k.family == Family::Move || k.family == Family::Arithmetic;
    });
}

bool TemBobina(const TLogica& logic) {
    return anyCell(logic, [](const ElementKind& k) { return k.family == Family::Coil; });
}

CellPosition UltimoTemporizador(const TLogica& logic) {
    return lastElementCell(logic, isTimer);
}

CellPosition UltimoContador(const TLogica& logic) {
    return lastElementCell(logic, isUpOrDownCounter);
}

std::optional<int> footprintRows(int tool) {
    if (tool == kToolNone) {
        return 1;
    }
    const ElementKind* kind = elementOfTool(tool);
    if (kind == nullptr) {
        return std::nullopt;
    }
    return kind->rows();
}

std::optional<Occupancy> ExisteComponente(const TLogica& logic, int storageCol, int row, int tool) {
    const auto rows = footprintRows(tool);
    if (!rows) {
        return std::nullopt;
    }
    Occupancy result{false, *rows};
    for (int i = 0; i < *rows; ++i) {
        if (!inGrid(storageCol, row + i)) {
            continue;
        }
        const std::string& text = logic.cell(storageCol, row + i).text;
        if (!text.empty() && CodigoCelula(text) != kLineCode) {
            result.occupied = true;
        }
    }
    return result;
}

std::vector<CellPosition> footprintCells(int tool, int c, int r) {
    std::vector<CellPosition> cells;
    auto add = [&](int col, int row) {
        if (col >= 0 && col < kElementColumns && row >= 0 && row < kEditedRows) {
            cells.push_back({col, row});
        }
    };
    const ElementKind* kind = tool == kToolNone ? nullptr : elementOfTool(tool);
    if (kind == nullptr) {
        if (footprintRows(tool)) {
            add(c, r);
        }
        return cells;
    }
    if (kind->coilColumn) {
        add(c, r);
        if (c != kLastElementColumn) {
            add(kLastElementColumn, r);
        }
        return cells;
    }
    for (int i = 0; i < kind->rows(); ++i) {
        for (int j = 0; j < kind->columns(); ++j) {
            add(c + j, r + i);
        }
    }
    return cells;
}

bool footprintOccupied(const TLogica& logic, int tool, int c, int r) {
    for (const CellPosition& p : footprintCells(tool, c, r)) {
        const std::string& text = logic.element(p.column, p.row).text;
        if (!text.empty() && CodigoCelula(text) != kLineCode) {
            return true;
        }
    }
    return false;
}

} // namespace velmora::ladder
