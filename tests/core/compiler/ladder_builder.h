#pragma once

// Writes element and link cells into a logic for the compiler tests.

#include "core/ladder/cell.h"
#include "core/ladder/program.h"

#include <string>
#include <string_view>
#include <vector>

namespace velmora::compiler::test {

inline std::string cellText(std::string_view code, char part, int column,
                            const std::vector<std::string>& fields = {}) {
    std::string t = ladder::CabecalhoCelula(code, part, column == 0);
    for (const auto& f : fields) {
        t += "#" + f;
    }
    return t;
}

struct LogicBuilder {
    ladder::TLogica logic = ladder::NovaLogica();

    LogicBuilder() { logic.number = 1; }

    LogicBuilder& put(int c, int r, std::string text) {
        logic.element(c, r).set(text);
        return *this;
    }
    LogicBuilder& contact(int c, int r, std::string_view op, std::string_view code = "CNA") {
        return put(c, r, cellText(code, '1', c, {std::string(op)}));
    }
    LogicBuilder& wire(int c, int r) { return put(c, r, cellText("CRT", '1', c)); }
    // Horizontal lines in columns from ... to (inclusive) of row r.
    LogicBuilder& wires(int from, int to, int r) {
        for (int c = from; c <= to; ++c) {
            wire(c, r);
        }
        return *this;
    }
    LogicBuilder& coil(int r, std::string_view op, std::string_view code = "BOB") {
        return put(9, r, cellText(code, '1', 9, {std::string(op)}));
    }
    // The vertical link on the right of element column c, from row r down to row r + 1.
    LogicBuilder& link(int c, int r) {
        logic.cell(2 * c + 2, r).set(ladder::kLinkDown);
        return *this;
    }
    // The vertical link on the left of element column c.
    LogicBuilder& leftLink(int c, int r) {
        logic.cell(2 * c, r).set(ladder::kLinkDown);
        return *this;
    }
    // A two-cell vertical element (timer, counter, comparison, move).
    LogicBuilder& vertical(int c, int r, std::string_view code, const std::vector<std::string>& f,
                           int parts = 2) {
        put(c, r, cellText(code, '1', c, f));
        for (int p = 2; p <= parts; ++p) {
            put(c, r + p - 1, cellText(code, static_cast<char>('0' + p), c));
        }
        return *this;
    }
};

} // namespace velmora::compiler::test
