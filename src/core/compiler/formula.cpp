#include "core/compiler/expression_text.h"
#include "core/compiler/expressions.h"
#include "core/operands/operand_class.h"

#include <algorithm>
#include <string>

namespace velmora::compiler {

namespace {

bool isOperatorChar(char c) {
    return c == '+' || c == '-' || c == '*' || c == '/';
}

std::size_t countOperators(std::string_view s) {
    return static_cast<std::size_t>(std::count_if(s.begin(), s.end(), isOperatorChar));
}

std::string_view stepName(char op) {
    switch (op) {
    case '+':
        return "SUM";
    case '-':
        return "SUB";
    case '*':
        return "MUL";
    default:
        return "DIV";
    }
}

} // namespace

// A formula is a destination, one character, "=" and an expression of operands, + - * / and
// parentheses: each step takes the innermost group, else the first * or / pair, else the
// first + or - pair, into a word buffer; the last step writes the destination.
std::vector<std::string> ConverteFormula(std::string_view formula, CompileState& state) {
    const auto eq = formula.find('=');
    if (eq == std::string_view::npos || eq == 0) {
        state.error(kMsgTranslation, "Erro: " + std::string(formula));
        return {};
    }
    const std::string destination(formula.substr(0, eq - 1));
    std::string expr(formula.substr(eq + 1));
    std::vector<std::string> out;
    std::vector<int> taken; // word buffers in use by this formula
    auto fail = [&]() {
        state.error(kMsgTranslation, "Erro: " + std::string(formula));
        for (int w : taken) {
            state.pools.freeWords.push_back(w);
        }
        return std::vector<std::string>{};
    };
    auto giveBack = [&](const std::string& operand) {
        if (operand.size() >= 2 && operand[0] == 'O') {
            const auto n = toInt32(std::string_view(operand).substr(1));
            const auto it = std::find(taken.begin(), taken.end(), n.value_or(-1));
            if (it != taken.end()) {
                state.pools.freeWords.push_back(*it);
                taken.erase(it);
            }
        }
    };
    // Replaces the single operation in expr[begin, end) (bounds of its operands) by `into`.
    auto reduce = [&](std::size_t begin, std::size_t end, std::size_t opPos,
                      const std::string& into) -> bool {
        const std::string a = expr.substr(begin, opPos - begin);
        const std::string b = expr.substr(opPos + 1, end - opPos - 1);
        if (a.empty() || b.empty()) {
            return false;
        }
        out.push_back(expressionLine(stepName(expr[opPos]), {a, b, into}));
        giveBack(a);
        giveBack(b);
        return true;
    };
    // At most as many steps as there are operators.
    for (std::size_t guard = 0; guard <= formula.size(); ++guard) {
        const std::size_t ops = countOperators(expr);
        if (ops == 0) {
            break;
        }
        const bool last = ops == 1;
        const auto open = expr.rfind('(');
        std::size_t begin = 0;
        std::size_t end = expr.size();
        std::size_t opPos = std::string::npos;
        std::size_t replaceBegin = 0;
        std::size_t replaceEnd = 0;
        if (open != std::string::npos) {
            const auto close = expr.find(')', open);
            if (close == std::string::npos) {
                return fail();
            }
            const std::string_view group =
                std::string_view(expr).substr(open + 1, close - open - 1);
            if (countOperators(group) != 1) {
                return fail();
            }
            for (char c : std::string_view("+-*/")) {
                if (opPos == std::string::npos && group.find(c) != std::string_view::npos) {
                    opPos = open + 1 + group.find(c);
                }
            }
            begin = open + 1;
            end = close;
            replaceBegin = open;
            replaceEnd = close + 1;
        } else {
            if (expr.find(')') != std::string::npos) {
                return fail();
            }
            opPos = expr.find_first_of("*/");
            if (opPos == std::string::npos) {
                opPos = expr.find_first_of("+-");
            }
            const auto before = expr.find_last_of("+-*/", opPos - (opPos > 0 ? 1 : 0));
            begin = (opPos == 0 || before == std::string::npos || before >= opPos) ? 0 : before + 1;
            const auto after = expr.find_first_of("+-*/", opPos + 1);
            end = after == std::string::npos ? expr.size() : after;
            replaceBegin = begin;
            replaceEnd = end;
        }
        if (last && replaceBegin == 0 && replaceEnd == expr.size()) {
            if (!reduce(begin, end, opPos, destination)) {
                return fail();
            }
            return out;
        }
        if (state.pools.freeWords.empty()) {
            state.error(kMsgTranslation, "no free word buffer (O0 ... O7 all in use)");
            return fail();
        }
        const int w = state.pools.freeWords.front();
        state.pools.freeWords.pop_front();
        taken.push_back(w);
        const std::string buffer = "O" + std::to_string(w);
        if (!reduce(begin, end, opPos, buffer)) {
            return fail();
        }
        expr.replace(replaceBegin, replaceEnd - replaceBegin, buffer);
    }
    // A bare operand, possibly in parentheses: nothing to compute, or nothing that reads.
    return fail();
}

} // namespace velmora::compiler
