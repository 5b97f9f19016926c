#include "core/compiler/block_merge.h"

#include "core/compiler/expression_text.h"
#include "core/ladder/cell.h"
#include "core/operands/operand_class.h"

#include <algorithm>
#include <array>
#include <optional>
#include <set>

namespace velmora::compiler {

namespace {

using Lines = std::vector<std::string>;

bool isNumber(std::string_view s) {
    return ClasseOperando(s) == "N";
}
bool isBuffer(std::string_view s) {
    return ClasseOperando(s) == "B";
}

bool isBoxName(std::string_view n) {
    static constexpr std::array<std::string_view, 12> names = {
        "SMB", "SBB", "MLB", "DVB", "SMW", "SBW", "MLW", "DVW", "MBB", "MWW", "MBW", "MWB"};
    return std::find(names.begin(), names.end(), n) != names.end();
}

bool isComparisonName(std::string_view n) {
    return n.find("MAIOR") == 0 || n.find("MENOR") == 0 || n.find("IGUAL") == 0 ||
           n.find("DIFERENTE") == 0;
}

struct Parsed {
    std::string name;
    Lines args;
    std::string arg(std::size_t k) const { return k < args.size() ? args[k] : std::string(); }
};

Parsed parse(std::string_view line) {
    return {expressionName(line), expressionArguments(line)};
}

bool hasArgument(std::string_view line, std::string_view operand) {
    const auto args = expressionArguments(line);
    return std::find(args.begin(), args.end(), operand) != args.end();
}

// A line that writes a real output (not a buffer).
bool writesOutput(std::string_view line) {
    const Parsed p = parse(line);
    if (p.name == "ANDS" || p.name == "ANDR" || isBoxName(p.name)) {
        return true;
    }
    if (p.name == "AND" || p.name == "OR") {
        return !isBuffer(p.arg(2));
    }
    if (p.name == "NOT") {
        return !isBuffer(p.arg(1));
    }
    return false;
}

// The buffer a line writes, if it is one of the lines a rung is followed through.
std::optional<std::string> bufferWritten(const Parsed& p) {
    if (p.name == "AND" || p.name == "OR" || p.name == "BP" || p.name == "BN" ||
        isComparisonName(p.name)) {
        return p.arg(2);
    }
    if (p.name == "NOT") {
        return p.arg(1);
    }
    return std::nullopt;
}

// The buffers a line reads that lead further back.
Lines buffersRead(const Parsed& p) {
    Lines read;
    if (p.name == "AND" || p.name == "OR" || p.name == "ANDS" || p.name == "ORS" ||
        p.name == "BP" || p.name == "BN") {
        for (std::size_t k = 0; k < 2; ++k) {
            if (isBuffer(p.arg(k))) {
                read.push_back(p.arg(k));
            }
        }
    } else if (p.name == "NOT" && isBuffer(p.arg(0))) {
        read.push_back(p.arg(0));
    }
    return read;
}

class Merger {
public:
    Merger(Lines lines, CompileState& state, const ladder::TPrograma* program)
        : l_(std::move(lines)), state_(state), program_(program) {}

    Lines run() {
        collect();
        for (const auto& n : timers_) {
            timer(n, 0);
        }
        for (const auto& n : counters_) {
            counter(n);
        }
        for (const auto& n : pids_) {
            pid(n);
        }
        for (const auto& n : fast_) {
            fastCounter(n);
        }
        return std::move(l_);
    }

private:
    Lines l_;
    CompileState& state_;
    const ladder::TPrograma* program_;
    Lines timers_, counters_, pids_, fast_;

    void collect() {
        for (const auto& line : l_) {
            for (const auto& a : expressionArguments(line)) {
                if (a.size() < 3 || a[0] != '%') {
                    continue;
                }
                const std::string cls = ClasseOperando(a);
                const std::string n = NumeroOperando(a);
                const std::string suffix = SufixoOperando(a);
                // Only the inputs a block's own rungs write start a merge: a contact or a
                // move may read a block's output or value in any logic.
                Lines* list = nullptr;
                if (cls == "T.E") {
                    list = &timers_;
                } else if (a.rfind("%CR", 0) == 0) {
                    if (suffix == "E" || suffix == "R" || suffix == "D") {
                        list = &fast_;
                    }
                } else if (cls == "C.CU" || cls == "C.CD" || cls == "C.R" || cls == "C.S") {
                    list = &counters_;
                } else if (a.rfind("%PID", 0) == 0 && (suffix == "E" || suffix == "LD")) {
                    list = &pids_;
                }
                if (list != nullptr && std::find(list->begin(), list->end(), n) == list->end()) {
                    list->push_back(n);
                }
            }
        }
    }

    std::string freeBuffer(std::size_t k) {
        const auto& f = state_.pools.freeBits;
        if (k >= f.size()) {
            state_.error(kMsgTranslation, "no free bit buffer for a block");
            return "B?";
        }
        return "B" + std::to_string(f[k]);
    }
    void rotate(int times) {
        auto& f = state_.pools.freeBits;
        for (int i = 0; i < times && !f.empty(); ++i) {
            f.push_back(f.front());
            f.pop_front();
        }
    }

    std::optional<std::size_t> find(std::string_view operand, std::size_t from = 0) {
        for (std::size_t i = from; i < l_.size(); ++i) {
            if (l_[i].find("TIMERP") == std::string::npos && hasArgument(l_[i], operand)) {
                return i;
            }
        }
        return std::nullopt;
    }

    void insert(std::size_t at, std::string line) {
        l_.insert(l_.begin() + static_cast<long>(at), std::move(line));
    }

    void timer(const std::string& n, int depth) {
        std::string kind;
        for (const auto& k : state_.timerKindLines) {
            const Parsed p = parse(k);
            if (p.arg(0) == n) {
                kind = p.arg(1) == "TON"   ? "TIMERON"
                       : p.arg(1) == "TOF" ? "TIMEROFF"
                       : p.arg(1) == "TPP" ? "TIMERP"
                                           : "";
            }
        }
        const auto s = find("%T" + n + ".E");
        if (!s) {
            return;
        }
        if (kind.empty()) {
            state_.error(kMsgTranslation, "timer %T" + n + " has no kind");
            return;
        }
        const Parsed sp = parse(l_[*s]);
        const std::string s1 = sp.arg(0);
        const std::string s2 = sp.arg(1);
        std::optional<std::size_t> lpos = find("%T" + n + ".Q", *s);
        if (lpos) {
            for (std::size_t k = *s + 1; k < *lpos; ++k) {
                if (writesOutput(l_[k])) {
                    lpos.reset();
                    break;
                }
            }
        }
        const std::string F = freeBuffer(0);
        const std::string G = freeBuffer(1);
        auto line = [](std::string_view name, const Lines& args) {
            return expressionLine(name, args);
        };
        if (!lpos) {
            if (isNumber(s2)) {
                l_[*s] = line(kind, {s1, n, "0"});
            } else if (!isNumber(s1)) {
                l_[*s] = line(sp.name, {s1, s2, F});
                insert(*s + 1, line(kind, {F, n, "0"}));
                rotate(1);
            }
            return;
        }
        const Parsed lp = parse(l_[*lpos]);
        const std::string l1 = lp.arg(0);
        const std::string l2 = lp.arg(1);
        const std::string out = (lp.name == "CALL" || lp.name == "JUMP") ? "" : lp.arg(2);
        if (lp.name == "AND" || lp.name == "OR") {
            if (*lpos == *s + 2 && isBuffer(l2) && depth < 2) {
                l_[*lpos] = line(lp.name, {G, l2, out});
                insert(*s + 1, line("AND", {l1, "1", G}));
                timer(n, depth + 1);
                rotate(1);
            } else if (isNumber(s2) && isNumber(l2) && ClasseOperando(out) != "T.E") {
                l_[*s] = line(kind, {s1, n, out});
                l_.erase(l_.begin() + static_cast<long>(*lpos));
            } else if (!isNumber(s2) && isNumber(l2)) {
                l_[*s] = line(sp.name, {s1, s2, F});
                l_[*lpos] = line(kind, {F, n, out});
                rotate(1);
            } else if (isNumber(s2) && !isNumber(l2)) {
                l_[*s] = line(kind, {s1, n, F});
                l_[*lpos] = line(lp.name, {F, l2, out});
                rotate(1);
            } else if (!isNumber(s2) && !isNumber(l2)) {
                l_[*s] = line(sp.name, {s1, s2, F});
                l_[*lpos] = line(lp.name, {G, l2, out});
                insert(*s + 1, line(kind, {F, n, G}));
                rotate(2);
            } else {
                l_[*s] = line(kind, {s1, n, G});
                l_[*lpos] = line(lp.name, {G, l2, out});
                rotate(2);
            }
        } else if (lp.name == "ANDS" || lp.name == "ANDR") {
            if (isNumber(s2)) {
                l_[*s] = line(kind, {s1, n, F});
                l_[*lpos] = line(lp.name, {F, l2, out});
                rotate(1);
            } else {
                l_[*s] = line(sp.name, {s1, s2, F});
                l_[*lpos] = line(lp.name, {G, l2, out});
                insert(*s + 1, line(kind, {F, n, G}));
                rotate(2);
            }
        } else if (isBoxName(lp.name) || lp.name == "CALL" || lp.name == "JUMP") {
            Lines args = lp.args;
            if (!args.empty()) {
                args[0] = G;
            }
            l_[*lpos] = line(lp.name, args);
            if (!isNumber(s2)) {
                l_[*s] = line(kind, {F, n, G});
                insert(*s, line(sp.name, {s1, s2, F}));
            } else {
                l_[*s] = line(kind, {s1, n, G});
            }
            rotate(2);
        }
    }

    // The first index of the rung that ends at line `end`.
    std::size_t rungStart(std::size_t end) {
        std::size_t earliest = end;
        std::vector<std::size_t> todo = {end};
        std::set<std::size_t> seen;
        while (!todo.empty()) {
            const std::size_t at = todo.back();
            todo.pop_back();
            if (!seen.insert(at).second) {
                continue;
            }
            earliest = std::min(earliest, at);
            for (const auto& b : buffersRead(parse(l_[at]))) {
                for (std::size_t k = at; k-- > 0;) {
                    if (writesOutput(l_[k])) {
                        break;
                    }
                    const auto w = bufferWritten(parse(l_[k]));
                    if (w && *w == b) {
                        todo.push_back(k);
                        break;
                    }
                }
            }
        }
        return earliest;
    }

    struct Input {
        std::string value = "0";
        Lines rung; // without the store line
        std::optional<std::size_t> start, store;
    };
    struct Output {
        std::string value = "0";
        Lines rung; // without its first line
        std::vector<std::size_t> indices;
    };

    Input input(const std::string& operand) {
        Input in;
        auto s = find(operand);
        if (!s) {
            return in;
        }
        const Parsed p = parse(l_[*s]);
        if (!isNumber(p.arg(1))) {
            const std::string b = freeBuffer(0);
            rotate(1);
            insert(*s, expressionLine(p.name, {p.arg(0), p.arg(1), b}));
            ++*s;
            l_[*s] = expressionLine(p.name, {b, "1", p.arg(2)});
        }
        in.store = s;
        in.start = rungStart(*s);
        in.value = parse(l_[*s]).arg(0);
        for (std::size_t k = *in.start; k < *s; ++k) {
            in.rung.push_back(l_[k]);
        }
        return in;
    }

    Output output(const std::string& operand) {
        Output out;
        auto at = find(operand);
        if (!at) {
            return out;
        }
        Parsed p = parse(l_[*at]);
        bool before = false;
        if (*at > 0) {
            const Parsed prev = parse(l_[*at - 1]);
            const auto w = bufferWritten(prev);
            before = w && isBuffer(*w) && buffersRead(prev).empty() && prev.name != "ANDS" &&
                     prev.name != "ORS";
        }
        const bool boxLike = isBoxName(p.name) || p.name.rfind("MP", 0) == 0 || p.name == "SML" ||
                             p.name == "SBL" || p.name == "MLL" || p.name == "DVL" ||
                             p.name == "ANDS" || p.name == "ANDR";
        std::size_t first = *at;
        if (before || boxLike || !isNumber(p.arg(1))) {
            const std::string b = freeBuffer(0);
            rotate(1);
            Lines args = p.args;
            args[0] = b;
            l_[*at] = expressionLine(p.name, args);
            first = before ? *at - 1 : *at;
            insert(first, expressionLine("AND", {p.arg(0), "1", b}));
            ++*at;
        }
        out.value = parse(l_[first]).arg(2);
        std::size_t end = first;
        while (end < l_.size() && !writesOutput(l_[end])) {
            ++end;
        }
        while (end + 1 < l_.size() &&
               (isBoxName(parse(l_[end + 1]).name) ||
                (writesOutput(l_[end + 1]) && !buffersRead(parse(l_[end + 1])).empty()))) {
            ++end;
        }
        for (std::size_t k = first; k <= end && k < l_.size(); ++k) {
            out.indices.push_back(k);
            if (k > first) {
                out.rung.push_back(l_[k]);
            }
        }
        return out;
    }

    void counter(const std::string& n) {
        std::string kind;
        for (const auto& k : state_.counterLines) {
            const Parsed p = parse(k);
            if (p.arg(0) == n) {
                kind = p.arg(1);
            }
        }
        const std::string c = "%C" + n;
        bool written = false;
        for (const char* t : {".CU", ".CD", ".R", ".S"}) {
            written = written || find(c + t).has_value();
        }
        if (!written) {
            return;
        }
        if (kind != "CUP" && kind != "CDO" && kind != "CUD") {
            state_.error(kMsgTranslation, "counter " + c + " has no kind");
            return;
        }
        // Inputs in the order they stand in the merged group; the range removed runs from
        // the first one's rung to the last one's store line.
        const std::vector<std::string> targets =
            kind == "CUP"   ? std::vector<std::string>{"CU", "R"}
            : kind == "CDO" ? std::vector<std::string>{"CD", "S"}
                            : std::vector<std::string>{"R", "S", "CU", "CD"};
        std::vector<Input> ins;
        for (const auto& t : targets) {
            ins.push_back(input(c + "." + t));
        }
        const bool complete =
            kind == "CUD" ? ins[0].store && ins[3].store : ins[0].store && ins[1].store;
        if (!complete) {
            state_.error(kMsgTranslation, "counter " + c + " lacks an input");
            return;
        }
        const std::vector<std::string> sources =
            kind == "CUD" ? std::vector<std::string>{"Q", "D", "F"} : std::vector<std::string>{"Q"};
        std::vector<Output> outs;
        for (const auto& o : sources) {
            outs.push_back(output(c + "." + o));
        }
        // Outputs may have inserted lines: take the inputs' positions once more.
        ins.clear();
        for (const auto& t : targets) {
            ins.push_back(input(c + "." + t));
        }
        std::size_t from = l_.size();
        std::size_t to = 0;
        for (const auto& in : ins) {
            if (in.store) {
                from = std::min(from, *in.start);
                to = std::max(to, *in.store);
            }
        }
        std::set<std::size_t> removed;
        std::set<std::size_t> inRungs;
        for (std::size_t k = from; k <= to; ++k) {
            removed.insert(k);
        }
        for (const auto& in : ins) {
            if (in.store) {
                for (std::size_t k = *in.start; k <= *in.store; ++k) {
                    inRungs.insert(k);
                }
            }
        }
        for (const auto& o : outs) {
            for (auto k : o.indices) {
                removed.insert(k);
                inRungs.insert(k);
            }
        }
        Lines group;
        // Lines of the range that belong to no rung keep their place in front of the group.
        for (std::size_t k = from; k <= to; ++k) {
            if (!inRungs.count(k)) {
                group.push_back(l_[k]);
            }
        }
        auto addRung = [&](const Lines& r) { group.insert(group.end(), r.begin(), r.end()); };
        if (kind == "CUP" || kind == "CDO") {
            addRung(ins[0].rung);
            addRung(ins[1].rung);
            group.push_back(expressionLine(kind == "CUP" ? "COUNTERUP" : "COUNTERDO",
                                           {ins[0].value, ins[1].value, n, outs[0].value}));
            addRung(outs[0].rung);
        } else {
            // R, S, CU, CD are ins[0 ... 3]; Q, D, F are outs[0 ... 2].
            addRung(ins[3].rung);
            addRung(ins[2].rung);
            addRung(ins[1].rung);
            addRung(ins[0].rung);
            group.push_back(
                expressionLine("COUNTERUD", {ins[0].value, ins[1].value, ins[2].value, ins[3].value,
                                             n, outs[0].value, outs[1].value, outs[2].value}));
            addRung(outs[2].rung);
            addRung(outs[1].rung);
            addRung(outs[0].rung);
        }
        Lines result;
        bool placed = false;
        for (std::size_t k = 0; k < l_.size(); ++k) {
            if (k == from && !placed) {
                result.insert(result.end(), group.begin(), group.end());
                placed = true;
            }
            if (!removed.count(k)) {
                result.push_back(l_[k]);
            }
        }
        if (!placed) {
            result.insert(result.end(), group.begin(), group.end());
        }
        l_ = std::move(result);
    }

    std::optional<std::string> pidCell(const std::string& n) {
        if (program_ == nullptr) {
            return std::nullopt;
        }
        const std::string op = "%PID" + n;
        for (int i = 1; i <= program_->count(); ++i) {
            const auto& logic = program_->logic(i);
            for (int r = 0; r < ladder::kStorageRows; ++r) {
                for (int s = 0; s < ladder::kStorageColumns; ++s) {
                    const std::string& t = logic.cell(s, r).text;
                    if (ladder::CodigoCelula(t) == "PID" &&
                        ladder::cellField(t, 1).value_or("") == op) {
                        return t;
                    }
                }
            }
        }
        return std::nullopt;
    }

    void pid(const std::string& n) {
        const auto e = find("%PID" + n + ".E");
        if (!e) {
            state_.error(kMsgTranslation, "PID " + n + " has no enable");
            return;
        }
        const auto cell = pidCell(n);
        if (!cell) {
            state_.error(kMsgTranslation, "no PID cell for %PID" + n);
            return;
        }
        const std::string F = freeBuffer(0);
        const std::string G = freeBuffer(1);
        Lines args = {F, "0", n};
        for (int k = 2; k <= 13; ++k) {
            args.push_back(ladder::cellField(*cell, k).value_or("0"));
        }
        const Parsed ep = parse(l_[*e]);
        l_[*e] = expressionLine(ep.name, {ep.arg(0), ep.arg(1), F});
        std::size_t after = *e;
        if (const auto ld = find("%PID" + n + ".LD")) {
            const Parsed lp = parse(l_[*ld]);
            l_[*ld] = expressionLine(lp.name, {lp.arg(0), lp.arg(1), G});
            args[1] = G;
            after = *ld;
        }
        insert(after + 1, expressionLine("PID", args));
    }

    void fastCounter(const std::string& n) {
        const std::string c = "%CR" + n;
        const auto e = find(c + ".E");
        if (!e) {
            if (find(c + ".R") || find(c + ".D")) {
                state_.error(kMsgTranslation, "fast counter " + c + " has no enable");
            }
            return;
        }
        const std::array<std::string, 3> f = {freeBuffer(0), freeBuffer(1), freeBuffer(2)};
        auto retarget = [&](std::size_t at, const std::string& b) {
            const Parsed p = parse(l_[at]);
            l_[at] = expressionLine(p.name, {p.arg(0), p.arg(1), b});
        };
        retarget(*e, f[0]);
        const auto r = find(c + ".R");
        const auto d = find(c + ".D");
        if (r) {
            retarget(*r, f[1]);
        }
        if (d) {
            retarget(*d, f[2]);
        }
        if (r || d) {
            insert((d ? *d : *r) + 1, expressionLine("CR", {f[0], r ? f[1] : "0", n, f[2]}));
        } else {
            insert(*e + 1, expressionLine("CR", {f[0], "0", n}));
        }
    }
};

} // namespace

std::vector<std::string> UneBlocos(std::vector<std::string> lines, CompileState& state,
                                   const ladder::TPrograma* program) {
    Merger m(std::move(lines), state, program);
    return m.run();
}

} // namespace velmora::compiler
