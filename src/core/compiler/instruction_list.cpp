#include "core/compiler/instruction_list.h"

#include "core/compiler/il_blocks.h"

#include "core/ladder/cell.h"

#include <array>
#include <string_view>
#include <vector>

namespace velmora::compiler {

namespace {

using ladder::TLogica;

constexpr std::string_view kCrlf = "\r\n";
constexpr int kMaxBlocks = 50;
constexpr int kLastRow = ladder::kEditedRows - 1;
// Percorre and Ramo call each other one row further down each time; deeper means a loop.
constexpr int kMaxDepth = 4 * ladder::kEditedRows;

bool startsWith(std::string_view s, std::string_view p) {
    return s.substr(0, p.size()) == p;
}

std::string field(std::string_view text, int k) {
    return ladder::cellField(text, k).value_or(std::string());
}

std::string withoutPrefix(std::string_view s, std::size_t n) {
    return s.size() > n ? std::string(s.substr(n)) : std::string();
}

bool isTimerCode(std::string_view code) {
    return code == "TON" || code == "TOF" || code == "TPP";
}
bool isCoilCode(std::string_view code) {
    return code == "BOB" || code == "BON" || code == "BOR" || code == "BOS";
}
bool isArithmeticCode(std::string_view code) {
    static constexpr std::array<std::string_view, 12> codes = {
        "SMB", "SBB", "MLB", "DVB", "SMW", "SBW", "MLW", "DVW", "SML", "SBL", "MLL", "DVL"};
    for (auto c : codes) {
        if (c == code) {
            return true;
        }
    }
    return false;
}
bool isMoveCode(std::string_view code) {
    static constexpr std::array<std::string_view, 8> codes = {"MBB", "MBW", "MWB", "MWW",
                                                              "MP1", "MP2", "MP3", "MP4"};
    for (auto c : codes) {
        if (c == code) {
            return true;
        }
    }
    return false;
}

// The comparison operator of "CM1" ... "CMI".
std::string_view comparisonOperator(char third) {
    static constexpr std::string_view chars = "123456789ABCDEFGHI";
    static constexpr std::array<std::string_view, 18> ops = {">B", "<B", ">=B", "<=B", "=B", "<>B",
                                                             ">W", "<W", ">=W", "<=W", "=W", "<>W",
                                                             ">L", "<L", ">=L", "<=L", "=L", "<>L"};
    const auto i = chars.find(third);
    return i == std::string_view::npos ? std::string_view{} : ops[i];
}

bool isComparison(std::string_view text) {
    return text.size() >= 3 && startsWith(text, "CM") && !comparisonOperator(text[2]).empty();
}

bool isClearColumnCell(const ladder::TCelula& cell) {
    return cell.empty() || cell.text == "CRT1001000";
}

class Translator {
public:
    Translator(const TLogica& logic, CompileState& state) : g_(logic), state_(state) {}

    std::string run() {
        timerPrePass();
        captureFirstCells();
        emptySecondCells();
        std::string text;
        for (int r = 0; r <= kLastRow; ++r) {
            blocks_.clear();
            overflow_ = false;
            depth_ = 0;
            percorre(r, 0, ladder::kLastElementColumn);
            if (overflow_) {
                continue;
            }
            text += Junta(blocks_, state_);
        }
        return text;
    }

private:
    TLogica g_;
    CompileState& state_;
    std::vector<TBloco> blocks_;
    bool overflow_ = false;
    int depth_ = 0;
    int closingElement_ = -1; // element column whose input the current close writes
    // The first cell of the element each cell belongs to (empty for first cells), taken
    // before the walk empties anything.
    std::array<std::array<std::string, ladder::kStorageRows>, ladder::kElementColumns> first_{};

    ladder::TCelula& el(int c, int r) { return g_.element(c, r); }
    ladder::TCelula& link(int x, int r) { return g_.cell(x, r); }
    bool isLink(int x, int r) {
        return x >= 0 && x < ladder::kStorageColumns && r >= 0 && r < ladder::kStorageRows &&
               link(x, r).text == ladder::kLinkDown;
    }
    bool filled(int c, int r) {
        return c >= 0 && c < ladder::kElementColumns && r >= 0 && r <= kLastRow &&
               !el(c, r).empty();
    }

    void timerPrePass() {
        int c = 0;
        while (c < ladder::kElementColumns) {
            bool shifted = false;
            for (int r = 0; r <= kLastRow && !shifted; ++r) {
                const std::string& t = el(c, r).text;
                if (t.size() < 4 || t[3] != '1' || t[0] != 'T') {
                    continue;
                }
                if (!(startsWith(t, "TON1") || startsWith(t, "TOF1") || startsWith(t, "TPP1"))) {
                    continue;
                }
                int f = -1;
                for (int k = c; k < ladder::kElementColumns && f < 0; ++k) {
                    bool clear = true;
                    for (int rr = 0; rr <= kLastRow; ++rr) {
                        clear = clear && isClearColumnCell(el(k, rr));
                    }
                    if (clear) {
                        f = k;
                    }
                }
                if (f < 0 || f > 8) {
                    continue;
                }
                // Storage columns 2c+1 ... 2f move two to the right.
                for (int s = 2 * f + 2; s >= 2 * c + 3; --s) {
                    for (int rr = 0; rr < ladder::kStorageRows; ++rr) {
                        link(s, rr) = link(s - 2, rr);
                    }
                }
                for (int rr = 0; rr < ladder::kStorageRows; ++rr) {
                    el(c, rr).clear();
                    link(2 * c + 2, rr).clear();
                }
                if (c >= 1) {
                    for (int rr = 0; rr <= kLastRow; ++rr) {
                        const std::string& right = el(c + 1, rr).text;
                        const bool secondTimer = startsWith(right, "TON2") ||
                                                 startsWith(right, "TOF2") ||
                                                 startsWith(right, "TPP2");
                        if (!el(c - 1, rr).empty() && !right.empty() && !secondTimer) {
                            el(c, rr).set("CRT1001000");
                        }
                    }
                }
                shifted = true;
            }
            c += shifted ? 2 : 1;
        }
    }

    void captureFirstCells() {
        for (int c = 0; c < ladder::kElementColumns; ++c) {
            for (int r = 0; r <= kLastRow; ++r) {
                const std::string& t = el(c, r).text;
                const int part = ladder::cellPart(t);
                if (part < 2 || r - (part - 1) < 0) {
                    continue;
                }
                const std::string& head = el(c, r - (part - 1)).text;
                if (ladder::CodigoCelula(head) == ladder::CodigoCelula(t) &&
                    ladder::cellPart(head) == 1) {
                    first_[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)] = head;
                }
            }
        }
    }

    void emptySecondCells() {
        static constexpr std::array<std::string_view, 20> seconds = {
            "TON2", "TOF2", "TPP2", "SMB2", "SMB3", "MLB2", "MLB3", "SBB2", "SBB3", "DVB2",
            "DVB3", "SMW2", "SMW3", "MLW2", "MLW3", "SBW2", "SBW3", "DVW2", "DVW3", "MOV2"};
        for (int s = 0; s <= 17; ++s) {
            for (int r = 0; r < ladder::kStorageRows; ++r) {
                const std::string& t = g_.cell(s, r).text;
                if (t.size() < 4 || (t[3] != '2' && t[3] != '3')) {
                    continue;
                }
                bool drop = startsWith(t, "CM") && t[3] == '2';
                for (auto p : seconds) {
                    drop = drop || startsWith(t, p);
                }
                if (drop) {
                    g_.cell(s, r).clear();
                }
            }
        }
    }

    // The top row of the vertical link reaching row q at link column x.
    int climb(int x, int q) {
        int row = q;
        while (row > 0 && isLink(x, row - 1)) {
            --row;
        }
        return row;
    }

    TBloco* current() { return blocks_.empty() ? nullptr : &blocks_.back(); }
    bool currentOpen() { return current() != nullptr && current()->open(); }

    bool addBlock(TBloco b) {
        if (static_cast<int>(blocks_.size()) >= kMaxBlocks) {
            if (!overflow_) {
                state_.error(kMsgTranslation, "more than 50 blocks in one network");
            }
            overflow_ = true;
            return false;
        }
        blocks_.push_back(std::move(b));
        return true;
    }

    void openBlock(int x, int q) {
        int level = 1;
        for (auto it = blocks_.rbegin(); it != blocks_.rend(); ++it) {
            if (it->level != 0) {
                level = it->level + 1;
                break;
            }
        }
        TBloco b;
        b.level = level;
        b.startColumn = x;
        b.startRow = climb(x, q);
        b.rail = x == 0;
        addBlock(std::move(b));
    }

    void continueBlock(int x, int q) {
        TBloco b;
        b.level = 0;
        b.startColumn = x;
        b.startRow = q;
        addBlock(std::move(b));
    }

    // The close at an element that takes an input: with no block open the element stands
    // on the rail, and its block begins with it.
    void closeAtInput(int s, int q) {
        if (!currentOpen()) {
            openBlock(2 * s, q);
            if (!blocks_.empty()) {
                blocks_.back().rail = true;
            }
        }
        closingElement_ = s;
        close(s, q);
        closingElement_ = -1;
    }

    void close(int s, int q) {
        TBloco* b = current();
        if (b == nullptr || !b->open()) {
            return;
        }
        b->endColumn = 2 * s + 2;
        b->endRow = climb(b->endColumn, q);
        escreve(blocks_.back(), q);
    }

    void percorre(int q, int a, int b) {
        if (++depth_ > kMaxDepth) {
            if (!overflow_) {
                state_.error(kMsgTranslation, "branches nested too deeply");
            }
            overflow_ = true;
            return;
        }
        for (int s = a; s <= b && !overflow_; ++s) {
            const std::string t = el(s, q).text;
            if (t.empty() && s != b) {
                continue;
            }
            const std::string code = ladder::CodigoCelula(t);
            const int part = ladder::cellPart(t);
            // A branch that begins with a horizontal line still opens its block: it is a
            // bypass, and conducts.
            if (s == a && !(t.empty() && s != b)) {
                openBlock(2 * s, q);
            }
            if (isCoilCode(code)) {
                if (currentOpen()) {
                    close(s, q);
                } else {
                    continueBlock(2 * s + 2, q);
                }
            } else if (isTimerCode(code) && part == 1) {
                closeAtInput(s, q);
                if (code == "TON") {
                    link(2 * s, q).clear();
                    link(2 * s, q + 1).clear();
                }
                openBlock(2 * s, q);
            } else if ((part == 1 && (code == "OPR" || code == "CAL" || code == "JMP" ||
                                      isMoveCode(code) || isArithmeticCode(code))) ||
                       (code == "CUD" && part == 4) || (code == "CRP" && part >= 1 && part <= 3) ||
                       code == "PRP" || ((code == "CUP" || code == "CDO") && part == 2) ||
                       (code == "PID" && (part == 1 || part == 2))) {
                closeAtInput(s, q);
            } else if ((code == "CUD" && part >= 1 && part <= 3) ||
                       ((code == "CUP" || code == "CDO") && part == 1)) {
                closeAtInput(s, q);
                openBlock(2 * s, q);
            }
            if (overflow_) {
                return;
            }
            if (q < kLastRow) {
                const int x = 2 * s + 2;
                const int kind = tipoLigacao(x, q);
                if (kind == 1) {
                    if (currentOpen()) {
                        close(s, q);
                    }
                    ramo(x, q + 1);
                    if (s < b) {
                        continueBlock(x, q);
                    }
                } else if (kind == 2 || kind == 3) {
                    close(s, q);
                    ramo(x, q + 1);
                    if (s < b) {
                        openBlock(x, q);
                    }
                }
            }
            if (s == b && currentOpen() && s != ladder::kLastElementColumn) {
                close(s, q);
            }
        }
        --depth_;
    }

    int tipoLigacao(int x, int q) {
        if (!isLink(x, q)) {
            return 0;
        }
        bool left = false;
        bool right = false;
        for (int row = q + 1; row <= kLastRow && isLink(x, row - 1); ++row) {
            left = left || filled(x / 2 - 1, row);
            if (x < ladder::kRightRailColumn) {
                right = right || filled(x / 2, row);
            }
        }
        if (left && !right) {
            return 1;
        }
        if (left && right) {
            return 2;
        }
        return right ? 3 : 0;
    }

    void ramo(int x, int q) {
        // Each step goes one row down, so the walk ends at the last row.
        for (; q <= kLastRow && !overflow_; ++q) {
            if (filled(x / 2 - 1, q)) {
                int y = 0;
                for (int k = x - 2; k > 0; k -= 2) {
                    if (isLink(k, q - 1)) {
                        y = k;
                        break;
                    }
                }
                percorre(q, y / 2, x / 2 - 1);
                return;
            }
            if (!isLink(x, q)) {
                return;
            }
        }
    }

    void line(TBloco& b, std::string_view text) {
        b.text += kCrlf;
        b.text += text;
    }

    // Field 1 of the first cell of the element cell (c, r) belongs to.
    std::string ownerOperand(int c, int r) {
        return field(first_[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)], 1);
    }

    void writeCoil(TBloco& b, std::string_view code, std::string_view text) {
        static constexpr std::array<std::string_view, 4> codes = {"BOB", "BON", "BOR", "BOS"};
        static constexpr std::array<std::string_view, 4> ops = {"ST   ", "STN  ", "R    ", "S    "};
        for (std::size_t i = 0; i < codes.size(); ++i) {
            if (codes[i] == code) {
                line(b, std::string(ops[i]) + field(text, 1));
            }
        }
        b.output = true;
    }

    void addCounterLines(std::string_view text, std::string_view kind) {
        const std::string n = withoutPrefix(field(text, 1), 2);
        addOnce(state_.configLines, "COUNTERP(" + n + "," + field(text, 2) + ")");
        addOnce(state_.counterLines, "COUNTER(" + n + "," + std::string(kind) + ")");
    }

    void escreve(TBloco& b, int q) {
        for (int s = b.startColumn + 1; s < b.endColumn && s < ladder::kStorageColumns; s += 2) {
            const int c = ladder::elementColumn(s);
            ladder::TCelula& cell = el(c, q);
            if (cell.empty()) {
                continue;
            }
            const std::string t = cell.text;
            const std::string code = ladder::CodigoCelula(t);
            const int part = ladder::cellPart(t);
            if (code != ladder::kLineCode) {
                ++b.count;
            }
            bool first = b.count == 1 && b.level != 0;
            bool keep = false;
            // An input element with nothing before it in its block stands on the rail: its
            // input is always on.
            const bool takesInput =
                (part == 1 && (isTimerCode(code) || code == "CUP" || code == "CDO")) ||
                code == "CUD" || ((code == "CUP" || code == "CDO") && part == 2) ||
                (code == "CRP" && part <= 3) || (code == "PID" && part <= 2) ||
                (code == "PRP" && (part == 1 || part == 3 || part == 5));
            if (first && takesInput && c == closingElement_ && b.rail) {
                line(b, "LD   1");
                first = false;
            }
            const std::string f1 = field(t, 1);
            const std::string op = ownerOperand(c, q);
            if (code == "CNA" || code == "CNF" || code == "CBP" || code == "CBN") {
                static constexpr std::string_view codes = "CNACNFCBPCBN";
                static constexpr std::array<std::string_view, 4> lds = {"LD   ", "LDN  ", "LDR  ",
                                                                        "LDS  "};
                static constexpr std::array<std::string_view, 4> ands = {"AND  ", "ANDN ", "ANDR ",
                                                                         "ANDS "};
                const std::size_t i = codes.find(code) / 3;
                line(b, std::string(first ? lds[i] : ands[i]) + f1);
            } else if (isComparison(t) && part == 1) {
                line(b, std::string(first ? "LD   [" : "AND  [") + f1 +
                            std::string(comparisonOperator(t[2])) + field(t, 2) + "]");
            } else if (isCoilCode(code)) {
                writeCoil(b, code, t);
                for (int r = q + 1; r <= kLastRow; ++r) {
                    ladder::TCelula& below = el(c, r);
                    // The group ends at the first coil not joined to the one above it.
                    if (below.empty() || !isLink(2 * c, r - 1)) {
                        break;
                    }
                    writeCoil(b, ladder::CodigoCelula(below.text), below.text);
                    below.clear();
                    link(2 * c, r - 1).clear();
                }
            } else if (isTimerCode(code) && part == 1) {
                if (first) {
                    line(b, "LD   " + f1 + ".Q");
                } else {
                    line(b, "ST   " + f1 + ".E");
                    keep = true;
                    b.output = true; // the rung ends at the block's input
                }
            } else if (isArithmeticCode(code) && part == 1) {
                line(b, code + "  (" + f1 + "," + field(t, 2) + "," + field(t, 3) + ")");
                b.output = true;
            } else if (isMoveCode(code) && part == 1) {
                line(b, code + "  (" + f1 + "," + field(t, 2) + ")");
                b.output = true;
            } else if (code == "OPR" && part == 1) {
                line(b, "OPR  [" + f1 + "]");
                b.output = true;
            } else if (code == "CAL" && part == 1) {
                line(b, "CALL (" + f1 + ")");
                b.output = true;
            } else if (code == "JMP" && part == 1) {
                state_.error(kMsgTranslation, "JMP " + f1);
                b.output = true;
            } else if (code == "CUP" && part == 1) {
                addCounterLines(t, "CUP");
                if (first) {
                    line(b, "LD   " + f1 + ".Q");
                } else {
                    line(b, "ST   " + f1 + ".CU");
                    keep = true;
                    b.output = true; // the rung ends at the block's input
                }
            } else if (code == "CDO" && part == 1) {
                if (first) {
                    line(b, "LD   " + f1 + ".Q");
                    addCounterLines(t, "CDO");
                } else {
                    line(b, "ST   " + f1 + ".CD");
                    keep = true;
                    b.output = true; // the rung ends at the block's input
                }
            } else if (code == "CUD" && part == 1) {
                if (first) {
                    line(b, "LD   " + f1 + ".Q");
                    addCounterLines(t, "CUD");
                } else {
                    line(b, "ST   " + f1 + ".R");
                    keep = true;
                    b.output = true; // the rung ends at the block's input
                }
            } else if ((code == "CUP" || code == "CDO") && part == 2) {
                if (!first) {
                    line(b, "ST   " + op + (code == "CUP" ? ".R" : ".S"));
                    b.output = true;
                }
            } else if (code == "CUD" && (part == 2 || part == 3)) {
                if (first) {
                    line(b, "LD   " + op + (part == 2 ? ".D" : ".F"));
                } else {
                    line(b, "ST   " + op + (part == 2 ? ".S" : ".CU"));
                    b.output = true;
                    // Kept, as for the first part: the block reopened on it loads D or F.
                    keep = true;
                }
            } else if (code == "CUD" && part == 4) {
                if (!first) {
                    line(b, "ST   " + op + ".CD");
                    b.output = true;
                }
            } else if (code == "CRP" && part >= 1 && part <= 3) {
                if (!first) {
                    const std::string name = part == 1 ? f1 : op;
                    if (part == 1) {
                        const std::string n = withoutPrefix(f1, 3);
                        addOnce(state_.configLines, "CRPP(" + n + "," + field(t, 2) + ")");
                        addOnce(state_.fastCounters, n);
                    }
                    line(b, "ST   " + name + (part == 1 ? ".E" : part == 2 ? ".R" : ".D"));
                    b.output = true;
                }
            } else if (code == "PID" && (part == 1 || part == 2)) {
                if (!first) {
                    line(b, "ST   " + (part == 1 ? f1 : op) + (part == 1 ? ".E" : ".LD"));
                    b.output = true;
                }
            } else if (code == "PRP" && (part == 1 || part == 3 || part == 5)) {
                if (!first) {
                    if (part == 1) {
                        line(b, "ST   %PRP.E");
                    } else if (part == 3) {
                        line(b, "ST   %PRP.x1");
                    } else {
                        const std::string head =
                            first_[static_cast<std::size_t>(c)][static_cast<std::size_t>(q)];
                        line(b, "ST   %PRP.x2");
                        line(b, "LD    1");
                        line(b, "PRP(" + field(head, 1) + "," + field(head, 2) + "," +
                                    field(head, 3) + "," + field(head, 4) + ")");
                    }
                    b.output = true;
                }
            }
            if (!keep) {
                cell.clear();
            }
        }
    }
};

} // namespace

std::string translateLogicBody(const ladder::TLogica& logic, CompileState& state) {
    Translator t(logic, state);
    return t.run();
}

std::string TraduzLogica(const ladder::TLogica& logic, CompileState& state) {
    state.currentLogic = logic.number;
    return translateLogicBody(logic, state) + std::string(kCrlf) + "EP";
}

std::string TraduzPrograma(const ladder::TPrograma& program, CompileState& state) {
    state.pools.reset();
    std::string text;
    for (int i = 1; i <= program.count(); ++i) {
        state.currentLogic = i;
        text += translateLogicBody(program.logic(i), state);
    }
    return text;
}

} // namespace velmora::compiler
