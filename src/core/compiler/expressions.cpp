#include "core/compiler/expressions.h"

#include "core/compiler/expression_text.h"
#include "core/operands/operand_class.h"
#include "core/text/atomic_file.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

namespace velmora::compiler {

namespace {

bool startsWith(std::string_view s, std::string_view p) {
    return s.substr(0, p.size()) == p;
}

bool isBoxName(std::string_view name) {
    static constexpr std::array<std::string_view, 20> names = {
        "SMB", "SBB", "MLB", "DVB", "SMW", "SBW", "MLW", "DVW", "SML", "SBL",
        "MLL", "DVL", "MBB", "MWW", "MBW", "MWB", "MP1", "MP2", "MP3", "MP4"};
    return std::find(names.begin(), names.end(), name) != names.end();
}

bool isOutputMnemonic(std::string_view m) {
    return m == "ST" || m == "STN" || m == "S" || m == "R";
}

// The comparison operators in the order they are sought, with their function names.
struct ComparisonOp {
    std::string_view op;
    std::string_view name;
};
constexpr std::array<ComparisonOp, 18> kComparisons = {{
    {">=B", "MAIORIGUAL_B"},
    {"<=B", "MENORIGUAL_B"},
    {"<>B", "DIFERENTE_B"},
    {">B", "MAIOR_B"},
    {"<B", "MENOR_B"},
    {"=B", "IGUAL_B"},
    {">=W", "MAIORIGUAL_W"},
    {"<=W", "MENORIGUAL_W"},
    {"<>W", "DIFERENTE_W"},
    {">W", "MAIOR_W"},
    {"<W", "MENOR_W"},
    {"=W", "IGUAL_W"},
    {">=L", "MAIORIGUAL_L"},
    {"<=L", "MENORIGUAL_L"},
    {"<>L", "DIFERENTE_L"},
    {">L", "MAIOR_L"},
    {"<L", "MENOR_L"},
    {"=L", "IGUAL_L"},
}};

std::string call(std::string_view name, const std::vector<std::string>& args) {
    return expressionLine(name, args);
}

// The text between the first "(" and the last ")" split at ",".
std::vector<std::string> parenArguments(std::string_view line) {
    const auto open = line.find('(');
    if (open == std::string_view::npos) {
        return {};
    }
    auto close = line.rfind(')');
    if (close == std::string_view::npos || close < open) {
        close = line.size();
    }
    std::vector<std::string> args;
    std::string_view inner = line.substr(open + 1, close - open - 1);
    std::size_t pos = 0;
    while (true) {
        const auto comma = inner.find(',', pos);
        args.emplace_back(inner.substr(pos, comma == std::string_view::npos ? comma : comma - pos));
        if (comma == std::string_view::npos) {
            break;
        }
        pos = comma + 1;
    }
    return args;
}

class ExpressionPass {
public:
    ExpressionPass(std::vector<std::string> lines, CompileState& state)
        : lines_(std::move(lines)), state_(state), pools_(state.pools) {}

    std::vector<std::string> run() {
        std::size_t i = 0;
        while (i < lines_.size()) {
            i = step(i);
        }
        if (!pools_.bitStack.empty() || !result_.empty()) {
            state_.error(kMsgTranslation, "a result is left unused");
            for (int b : pools_.bitStack) {
                release("B" + std::to_string(b));
            }
            pools_.bitStack.clear();
            release(result_);
            result_.clear();
        }
        completePrp();
        return std::move(out_);
    }

private:
    std::vector<std::string> lines_;
    CompileState& state_;
    OperandPools& pools_;
    std::vector<std::string> out_;
    std::string result_;

    void emit(std::string line) { out_.push_back(std::move(line)); }

    std::string takeBit() {
        if (pools_.freeBits.empty()) {
            state_.error(kMsgTranslation, "no free bit buffer (B0 ... B15 all in use)");
            return "B?";
        }
        const int b = pools_.freeBits.front();
        pools_.freeBits.pop_front();
        return "B" + std::to_string(b);
    }

    std::string takeEdge() {
        if (pools_.nextEdge > kEdgeMemories) {
            state_.error(kMsgNoEdgeMemory, {});
            return {};
        }
        return "L" + std::to_string(pools_.nextEdge++);
    }

    static std::optional<int> bitNumber(std::string_view name) {
        if (name.size() < 2 || name[0] != 'B') {
            return std::nullopt;
        }
        const auto n = toInt32(name.substr(1));
        if (!n || *n < 0 || *n >= kBitBuffers) {
            return std::nullopt;
        }
        return *n;
    }

    void release(std::string_view name) {
        const auto n = bitNumber(name);
        if (!n) {
            return;
        }
        if (std::find(pools_.freeBits.begin(), pools_.freeBits.end(), *n) !=
            pools_.freeBits.end()) {
            return;
        }
        if (std::find(pools_.bitStack.begin(), pools_.bitStack.end(), *n) !=
            pools_.bitStack.end()) {
            return;
        }
        pools_.freeBits.push_back(*n);
    }

    void push(std::string_view name) {
        if (const auto n = bitNumber(name)) {
            pools_.bitStack.push_back(*n);
        }
    }

    // Pops a saved result; an empty stack is an error (nothing was saved).
    std::optional<std::string> pop() {
        if (pools_.bitStack.empty()) {
            return std::nullopt;
        }
        const int b = pools_.bitStack.back();
        pools_.bitStack.pop_back();
        return "B" + std::to_string(b);
    }

    // The enable of a box: the current result, else a saved one, else always on.
    std::string enable() {
        if (!result_.empty()) {
            return std::exchange(result_, {});
        }
        if (auto b = pop()) {
            return *b;
        }
        return "1";
    }

    // The operand of an LD-, AND- or OR-type line; a comparison is written into a fresh
    // buffer, which is the operand (it is not saved on the stack).
    std::string converteOperando(std::string_view line) {
        const auto bracket = line.find('[');
        if (bracket == std::string_view::npos) {
            const auto pct = line.find('%');
            if (pct != std::string_view::npos) {
                return std::string(line.substr(pct));
            }
            const std::string m = ilMnemonic(line);
            std::string_view rest = line.substr(std::min(m.size(), line.size()));
            while (!rest.empty() && rest.front() == ' ') {
                rest.remove_prefix(1);
            }
            return std::string(rest);
        }
        const std::string_view cmp = line.substr(bracket);
        for (const auto& c : kComparisons) {
            const auto p = cmp.find(c.op);
            if (p == std::string_view::npos) {
                continue;
            }
            const std::string a(cmp.substr(1, p - 1));
            std::string_view after = cmp.substr(p + c.op.size());
            const auto end = after.find(']');
            const std::string b(after.substr(0, end));
            const std::string buffer = takeBit();
            emit(call(c.name, {a, b, buffer}));
            return buffer;
        }
        state_.error(kMsgTranslation, "comparison not understood: " + std::string(line));
        return "0";
    }

    // The operand of a load or combine line with its modifier (N, R, S) applied.
    std::string modified(std::string_view line, char modifier) {
        const std::string x = converteOperando(line);
        if (modifier == 'N') {
            const std::string b = takeBit();
            emit(call("NOT", {x, b}));
            release(x);
            return b;
        }
        if (modifier == 'R' || modifier == 'S') {
            const std::string l = takeEdge();
            if (l.empty()) {
                release(x);
                return "0";
            }
            const std::string b = takeBit();
            emit(call(modifier == 'R' ? "BP" : "BN", {x, l, b}));
            release(x);
            return b;
        }
        return x;
    }

    std::size_t outputs(std::string_view op, std::string r, std::string v, std::size_t i) {
        if (r.empty()) {
            r = "1";
        }
        if (v.empty()) {
            v = "1";
        }
        std::size_t end = i;
        while (end < lines_.size() && isOutputMnemonic(ilMnemonic(lines_[end]))) {
            ++end;
        }
        const std::string opName(op);
        if (end - i == 1) {
            const std::string m = ilMnemonic(lines_[i]);
            const std::string y = converteOperando(lines_[i]);
            if (m == "ST") {
                emit(call(opName, {r, v, y}));
            } else if (m == "S") {
                emit(call(opName + "S", {r, v, y}));
            } else if (m == "R") {
                emit(call(opName + "R", {r, v, y}));
            } else {
                const std::string b = takeBit();
                emit(call(opName, {r, v, b}));
                emit(call("NOT", {b, y}));
                release(b);
            }
        } else {
            const std::string b = takeBit();
            emit(call(opName, {r, v, b}));
            for (std::size_t k = i; k < end; ++k) {
                const std::string m = ilMnemonic(lines_[k]);
                const std::string y = converteOperando(lines_[k]);
                if (m == "ST") {
                    emit(call("AND", {b, "1", y}));
                } else if (m == "STN") {
                    emit(call("NOT", {b, y}));
                } else if (m == "S") {
                    emit(call("ANDS", {b, "1", y}));
                } else {
                    emit(call("ANDR", {b, "1", y}));
                }
            }
            release(b);
        }
        release(r);
        release(v);
        return end;
    }

    // The end of a combine step: straight into the outputs, or saved in a fresh buffer.
    std::size_t combine(std::string_view op, std::string r, std::string v, std::size_t next) {
        if (next < lines_.size() && isOutputMnemonic(ilMnemonic(lines_[next]))) {
            return outputs(op, std::move(r), std::move(v), next);
        }
        const std::string b = takeBit();
        emit(call(op, {r, v, b}));
        release(r);
        release(v);
        push(b);
        return next;
    }

    std::size_t step(std::size_t i) {
        const std::string& line = lines_[i];
        const std::string m = ilMnemonic(line);
        if (m == "EP" || m == "ESR" || m == "ECR") {
            emit(m);
            return i + 1;
        }
        if (m == "LD" || m == "LDN" || m == "LDR" || m == "LDS") {
            if (!result_.empty()) {
                const std::string b = takeBit();
                emit(call("AND", {result_, "1", b}));
                release(result_);
                push(b);
                result_.clear();
            }
            result_ = modified(line, m.size() == 3 ? m[2] : ' ');
            return i + 1;
        }
        const bool isAnd = m == "AND" || m == "ANDN" || m == "ANDR" || m == "ANDS";
        const bool isOr = m == "OR" || m == "ORN" || m == "ORR" || m == "ORS";
        if (isAnd || isOr) {
            const std::size_t base = isAnd ? 3 : 2;
            const std::string v = modified(line, m.size() > base ? m[base] : ' ');
            std::string r = std::exchange(result_, {});
            if (r.empty()) {
                r = pop().value_or(isAnd ? "1" : "0");
            }
            return combine(isAnd ? "AND" : "OR", std::move(r), v, i + 1);
        }
        if (m == "ANDLD" || m == "ORLD") {
            // A pending result is the latest one, as if it had been saved.
            std::optional<std::string> v;
            if (!result_.empty()) {
                v = std::exchange(result_, {});
            } else {
                v = pop();
            }
            std::optional<std::string> r = pop();
            if (!v || !r) {
                state_.error(kMsgTranslation, m + " without two results to combine");
                release(v.value_or(""));
                return i + 1;
            }
            return combine(m == "ANDLD" ? "AND" : "OR", *r, *v, i + 1);
        }
        if (isOutputMnemonic(m)) {
            return outputs("AND", enable(), "1", i);
        }
        if (isBoxName(m)) {
            std::vector<std::string> args = parenArguments(line);
            const std::string e = enable();
            args.insert(args.begin(), e);
            emit(call(m, args));
            release(e);
            return i + 1;
        }
        if (m == "OPR") {
            const auto open = line.find('[');
            const auto close = line.rfind(']');
            const std::string e = enable();
            emit(call("BO", {e}));
            release(e);
            if (open == std::string::npos || close == std::string::npos || close < open) {
                state_.error(kMsgTranslation, "Erro: " + line);
            } else {
                for (auto& l : ConverteFormula(line.substr(open + 1, close - open - 1), state_)) {
                    emit(std::move(l));
                }
            }
            emit("EO(1)");
            return i + 1;
        }
        if (m == "CALL") {
            const auto args = parenArguments(line);
            const std::string e = enable();
            std::optional<std::uint16_t> address;
            if (args.size() == 1 && state_.addresses.slotAddress) {
                address = state_.addresses.slotAddress(args[0]);
            }
            if (!address) {
                state_.error(kMsgTranslation, "CALL of an unknown program: " + line);
            }
            emit(call("CALL", {e, std::to_string(address.value_or(0))}));
            release(e);
            return i + 1;
        }
        if (m == "JUMP") {
            const auto args = parenArguments(line);
            const std::string e = enable();
            std::optional<std::int32_t> position;
            if (args.size() == 2 && state_.addresses.logicPosition) {
                const auto logic = toInt32(args[0]);
                const auto slot = toInt32(args[1]);
                if (logic && slot) {
                    position = state_.addresses.logicPosition(*logic, *slot);
                }
            }
            if (!position) {
                state_.error(kMsgTranslation, "JUMP to an unknown logic: " + line);
            }
            emit(call("JUMP", {e, std::to_string(position.value_or(0))}));
            release(e);
            return i + 1;
        }
        if (startsWith(m, "PRP")) {
            emit(line);
            // The load that precedes a PRP line only closes the block's rung.
            release(result_);
            result_.clear();
            return i + 1;
        }
        state_.error(kMsgTranslation, "instruction not understood: " + line);
        return i + 1;
    }

    // PRP(p1,p2,p3,p4) becomes PRP(x2 source, x1 source, E source, k, p1 ... p4). The store
    // lines of the three inputs write no real operand, so their source is taken over: the
    // plain copy AND(a,1,%PRP.t) goes away, any other store writes a buffer instead.
    void completePrp() {
        int k = 0;
        std::size_t from = 0;
        for (std::size_t i = 0; i < out_.size(); ++i) {
            if (!startsWith(out_[i], "PRP(")) {
                continue;
            }
            std::array<std::string, 3> sources = {"0", "0", "0"};
            static constexpr std::array<std::string_view, 3> targets = {"%PRP.x2", "%PRP.x1",
                                                                        "%PRP.E"};
            for (std::size_t j = from; j < i; ++j) {
                for (std::size_t t = 0; t < targets.size(); ++t) {
                    const auto args = expressionArguments(out_[j]);
                    if (args.empty() || args.back() != targets[t]) {
                        continue;
                    }
                    if (startsWith(out_[j], "AND(") && args.size() == 3 && args[1] == "1") {
                        sources[t] = args[0];
                        out_[j].clear();
                    } else {
                        const std::string b = takeBit();
                        const auto cut = out_[j].rfind(',');
                        out_[j] = out_[j].substr(0, cut + 1) + b + ")";
                        sources[t] = b;
                        release(b);
                    }
                }
            }
            auto params = expressionArguments(out_[i]);
            params.resize(4);
            out_[i] = call("PRP", {sources[0], sources[1], sources[2], std::to_string(k), params[0],
                                   params[1], params[2], params[3]});
            ++k;
            from = i + 1;
        }
        out_.erase(std::remove(out_.begin(), out_.end(), std::string()), out_.end());
    }
};

} // namespace

std::string ilMnemonic(std::string_view line) {
    const auto end = line.find_first_of("[ (");
    return std::string(line.substr(0, end));
}

std::vector<std::string> splitInstructionList(std::string_view il) {
    std::vector<std::string> lines;
    std::string cur;
    for (std::size_t i = 0; i < il.size(); ++i) {
        const char c = il[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < il.size() && il[i + 1] == '\n') {
                ++i;
            }
            lines.push_back(std::move(cur));
            cur.clear();
        } else {
            cur += c;
        }
    }
    lines.push_back(std::move(cur));
    std::vector<std::string> kept;
    for (auto& l : lines) {
        if (l.find_first_not_of(" \t") != std::string::npos) {
            kept.push_back(std::move(l));
        }
    }
    return kept;
}

std::vector<std::string> ListaParaExpressoes(std::string_view il, CompileState& state) {
    std::vector<std::string> lines = splitInstructionList(il);
    state.debugList = lines;
    ExpressionPass pass(std::move(lines), state);
    return pass.run();
}

text::WriteResult writeDebugList(const std::filesystem::path& folder, const CompileState& state) {
    return text::writeLinesAtomic(folder / "slListaInstrucao.txt", state.debugList);
}

} // namespace velmora::compiler
