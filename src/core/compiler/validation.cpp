#include "core/compiler/validation.h"

#include "core/ladder/catalogue.h"
#include "core/ladder/cell.h"
#include "core/text/strings.h"

#include <array>

namespace velmora::compiler {

using ladder::Family;
using ladder::TLogica;

namespace {

// The text a normalised contact leaves behind.
constexpr std::string_view kLineLeft = "CRT0001010";

bool isContactCode(std::string_view code) {
    return code == "CNA" || code == "CNF" || code == "CBP" || code == "CBN";
}

int usedRows(const TLogica& logic) {
    return ladder::LinhasUsadas(logic);
}

// Link cell on the left of element column c (storage 2c), row r.
const ladder::TCelula& leftLink(const TLogica& logic, int c, int r) {
    return logic.cell(2 * c, r);
}

bool hasLeftConnection(const TLogica& logic, int c, int r) {
    if (c == 0) {
        return true; // the left rail
    }
    return !logic.element(c - 1, r).empty() || (r >= 1 && !leftLink(logic, c, r - 1).empty());
}

bool hasRightConnection(const TLogica& logic, int c, int r) {
    // Nothing stands right of the coil column; its link column is the last storage column.
    const bool neighbour = c + 1 < ladder::kElementColumns && !logic.element(c + 1, r).empty();
    return neighbour || (r >= 1 && !logic.cell(2 * c + 2, r - 1).empty());
}

enum class Sides { None, Left, Right, Both };

// Where current must reach an element cell: contacts and comparisons pass it on, lines feed
// the next cell, every other box takes it on its first cell.
Sides sidesNeeded(const ladder::ElementKind& kind, int part) {
    if (kind.family == Family::Line) {
        return Sides::Right;
    }
    if (part != 1) {
        return Sides::None;
    }
    switch (kind.family) {
    case Family::Contact:
    case Family::Comparison:
        return Sides::Both;
    default:
        return Sides::Left;
    }
}

template <typename F> LogicCheck scan(const TLogica& logic, int code, int firstColumn, F&& fails) {
    const int rows = usedRows(logic);
    for (int r = 0; r < rows; ++r) {
        for (int c = firstColumn; c < ladder::kElementColumns; ++c) {
            if (fails(c, r)) {
                return {code, c, r};
            }
        }
    }
    return {};
}

} // namespace

bool isMissingOperand(const ladder::ElementKind& kind, int field, std::string_view value) {
    const std::string_view v = text::trimmed(value);
    if (v.empty() || v == "%") {
        return true;
    }
    // A default that ends in a blank is a prefix waiting for its number ("T ", "CR ", "PID ").
    const std::string fresh = ladder::firstCellText(kind, false);
    const auto placeholder = ladder::cellField(fresh, field);
    return placeholder && !placeholder->empty() && placeholder->back() == ' ' &&
           v == text::trimmed(*placeholder);
}

void NormalizaContatos(TLogica& logic) {
    for (int r = 1; r < ladder::kEditedRows; ++r) {
        for (int c = 1; c < ladder::kElementColumns; ++c) {
            ladder::TCelula& here = logic.element(c, r);
            ladder::TCelula& left = logic.element(c - 1, r);
            if (!isContactCode(ladder::CodigoCelula(here.text)) ||
                ladder::CodigoCelula(left.text) != ladder::kLineCode ||
                leftLink(logic, c, r).text == ladder::kLinkDown ||
                leftLink(logic, c, r - 1).text == ladder::kLinkDown) {
                continue;
            }
            left.set(here.text);
            here.set(kLineLeft);
        }
    }
}

LogicCheck checkLogic(const TLogica& logic) {
    if (usedRows(logic) == 0) {
        return {kLogicaVazia, -1, -1};
    }
    LogicCheck check = scan(logic, kLogicaSemOperando, 0, [&](int c, int r) {
        const std::string& t = logic.element(c, r).text;
        const ladder::ElementKind* kind = ladder::elementOfCell(t);
        if (kind == nullptr || ladder::cellPart(t) != 1) {
            return false;
        }
        for (std::size_t k = 1; k <= kind->fieldSpecs.size(); ++k) {
            const auto f = ladder::cellField(t, static_cast<int>(k));
            if (!f || isMissingOperand(*kind, static_cast<int>(k), *f)) {
                return true;
            }
        }
        return false;
    });
    if (check.code != kLogicaAceita) {
        return check;
    }
    check = scan(logic, kLogicaSemLigacao, 0, [&](int c, int r) {
        const std::string& t = logic.element(c, r).text;
        const ladder::ElementKind* kind = ladder::elementOfCell(t);
        if (kind == nullptr) {
            return false;
        }
        const Sides s = sidesNeeded(*kind, ladder::cellPart(t));
        const bool left = s == Sides::Left || s == Sides::Both;
        const bool right = s == Sides::Right || s == Sides::Both;
        return (left && !hasLeftConnection(logic, c, r)) ||
               (right && !hasRightConnection(logic, c, r));
    });
    if (check.code != kLogicaAceita) {
        return check;
    }
    return scan(logic, kLogicaContadorSemLigacao, 1, [&](int c, int r) {
        const std::string& t = logic.element(c, r).text;
        return (ladder::isElementCell(t, "CUP", '2') || ladder::isElementCell(t, "CDO", '2')) &&
               logic.element(c - 1, r).empty();
    });
}

int VerificaLogica(const TLogica& logic) {
    return checkLogic(logic).code;
}

int validationMessage(int code) {
    switch (code) {
    case kLogicaSemOperando:
        return kMsgElementWithoutOperand;
    case kLogicaSemLigacao:
        return kMsgElementNotConnected;
    case kLogicaContadorSemLigacao:
        return kMsgCounterInputNotConnected;
    default:
        return 0;
    }
}

bool CompactaUltimaColuna(TLogica& logic) {
    constexpr int c = ladder::kLastElementColumn;
    constexpr int rows = ladder::kEditedRows;
    std::array<ladder::TCelula, rows> cells;
    std::array<int, rows> origin; // the row each cell came from
    for (int i = 0; i < rows; ++i) {
        cells[static_cast<std::size_t>(i)] = logic.element(c, i);
        origin[static_cast<std::size_t>(i)] = i;
    }
    bool moved = false;
    for (int i = 0; i < rows - 1; ++i) {
        if (!cells[static_cast<std::size_t>(i)].empty()) {
            continue;
        }
        for (int k = i; k < rows - 1; ++k) {
            cells[static_cast<std::size_t>(k)] = cells[static_cast<std::size_t>(k + 1)];
            origin[static_cast<std::size_t>(k)] = origin[static_cast<std::size_t>(k + 1)];
        }
        cells[rows - 1].clear();
        origin[rows - 1] = rows - 1;
        moved = true;
    }
    if (!moved) {
        return false;
    }
    // A moved cell keeps its feed only when vertical links join all rows it passed.
    bool changed = false;
    for (int i = 0; i < rows; ++i) {
        const auto& cell = cells[static_cast<std::size_t>(i)];
        const int from = origin[static_cast<std::size_t>(i)];
        if (cell.empty() || from == i) {
            continue;
        }
        for (int r = i; r < from; ++r) {
            if (logic.cell(2 * c, r).text != ladder::kLinkDown) {
                return false;
            }
        }
        changed = true;
    }
    if (!changed) {
        return false;
    }
    for (int i = 0; i < rows; ++i) {
        logic.element(c, i) = cells[static_cast<std::size_t>(i)];
    }
    return true;
}

bool ValidaLogica(TLogica& logic, const Language& language, Prompts& prompts,
                  const std::function<void()>& hideOperandEntry) {
    if (hideOperandEntry) {
        hideOperandEntry();
    }
    NormalizaContatos(logic);
    const int code = VerificaLogica(logic);
    if (const int message = validationMessage(code); message != 0) {
        prompts.error(language.text(message));
    }
    if (code != kLogicaAceita) {
        return false;
    }
    CompactaUltimaColuna(logic);
    return true;
}

ladder::LogicValidator logicValidator(const Language& language, Prompts& prompts,
                                      std::function<void()> hideOperandEntry) {
    return [&language, &prompts, hide = std::move(hideOperandEntry)](TLogica& logic) {
        return ValidaLogica(logic, language, prompts, hide);
    };
}

} // namespace velmora::compiler
