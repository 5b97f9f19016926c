#include "core/compiler/il_blocks.h"

#include <string_view>

namespace velmora::compiler {

namespace {

constexpr std::string_view kCrlf = "\r\n";

bool startsWith(std::string_view s, std::string_view p) {
    return s.substr(0, p.size()) == p;
}

bool sameSpan(const TBloco& a, const TBloco& b) {
    return a.endColumn == b.endColumn && a.endRow == b.endRow &&
           ((a.startColumn == b.startColumn && a.startRow == b.startRow) ||
            (a.startColumn == 0 && b.startColumn == 0));
}

// A text made of one load line and then OR lines only: it may follow an OR directly.
bool loadThenOrs(std::string_view text) {
    std::size_t pos = 0;
    bool firstLine = true;
    while (pos < text.size()) {
        std::size_t next = text.find(kCrlf, pos + 2);
        if (next == std::string_view::npos) {
            next = text.size();
        }
        const std::string_view l = text.substr(pos + 2, next - pos - 2);
        if (firstLine ? !startsWith(l, "LD")
                      : !startsWith(l, "OR ") && !startsWith(l, "ORN") && !startsWith(l, "ORR") &&
                            !startsWith(l, "ORS")) {
            return false;
        }
        firstLine = false;
        pos = next;
    }
    return !firstLine;
}

bool orPass(std::vector<TBloco>& blocks) {
    bool merged = false;
    for (std::size_t i = 0; i + 1 < blocks.size();) {
        TBloco& a = blocks[i];
        TBloco& b = blocks[i + 1];
        const bool exact = a.startColumn == b.startColumn && a.startRow == b.startRow &&
                           a.endColumn == b.endColumn && a.endRow == b.endRow;
        if (!a.output && !b.output && sameSpan(a, b)) {
            if (a.wire() || b.wire()) {
                // A bypass: the parallel group always conducts.
                a.text = std::string(kCrlf) + "LD   1";
                a.count = 1;
            } else if (a.endColumn - a.startColumn == 2 && loadThenOrs(b.text)) {
                std::string t = b.text;
                const auto p = t.find("LD");
                t.replace(p, 2, "OR");
                a.text += t;
                a.count += b.count;
            } else {
                a.text += b.text;
                a.text += kCrlf;
                a.text += "ORLD";
                a.count += b.count;
            }
            blocks.erase(blocks.begin() + static_cast<long>(i) + 1);
            merged = true;
        } else if (a.output && b.output && exact) {
            a.text += b.text;
            a.level = 0;
            a.count += b.count;
            blocks.erase(blocks.begin() + static_cast<long>(i) + 1);
            merged = true;
        } else {
            ++i;
        }
    }
    return merged;
}

bool andPass(std::vector<TBloco>& blocks) {
    for (std::size_t i = 0; i + 1 < blocks.size(); ++i) {
        TBloco& a = blocks[i];
        const TBloco& b = blocks[i + 1];
        const bool joins = a.endRow == b.startRow &&
                           (a.endColumn == b.startColumn || a.endColumn == b.startColumn + 2);
        if (!joins) {
            continue;
        }
        bool shared = false;
        for (std::size_t k = 0; k < blocks.size(); ++k) {
            if (k != i && k != i + 1 && blocks[k].startColumn == b.startColumn &&
                blocks[k].startRow == b.startRow) {
                shared = true;
            }
        }
        if (shared) {
            continue;
        }
        const bool andld = b.level != 0 && !a.output && !b.output && !a.wire() && !b.wire();
        a.text += b.text;
        if (andld) {
            a.text += kCrlf;
            a.text += "ANDLD";
        }
        a.endColumn = b.endColumn;
        a.endRow = b.endRow;
        a.output = b.output;
        a.count += b.count;
        blocks.erase(blocks.begin() + static_cast<long>(i) + 1);
        for (auto& e : blocks) {
            if (e.level > 1) {
                --e.level;
            }
        }
        return true;
    }
    return false;
}

} // namespace

std::string Junta(std::vector<TBloco>& blocks, CompileState& state) {
    if (blocks.empty()) {
        return {};
    }
    while (orPass(blocks)) {
    }
    while (blocks.size() > 1) {
        const std::size_t before = blocks.size();
        andPass(blocks);
        while (orPass(blocks)) {
        }
        if (blocks.size() == before) {
            state.error(kMsgTranslation, "network of row " +
                                             std::to_string(blocks.front().startRow + 1) +
                                             " does not reduce to one block");
            return {};
        }
    }
    return blocks.front().text;
}

} // namespace velmora::compiler
