#include "core/compiler/consistency.h"

#include "core/ladder/cell.h"

#include <algorithm>
#include <string_view>

namespace velmora::compiler {

namespace {

struct Entry {
    int logic;
    std::string operand;
};

bool opensWith(std::string_view text, std::initializer_list<std::string_view> codes) {
    return std::any_of(codes.begin(), codes.end(), [&](std::string_view code) {
        return ladder::isElementCell(text, code, '1');
    });
}

std::string operandOf(std::string_view text) {
    return ladder::cellField(text, 1).value_or(std::string());
}

std::string withoutPrefix(const std::string& operand) {
    return operand.size() > 2 ? operand.substr(2) : std::string();
}

struct Lists {
    std::vector<Entry> timers, counters, coils, sets, resets;
};

Lists collect(const ladder::TPrograma& program) {
    Lists l;
    for (int i = 1; i <= program.count(); ++i) {
        const ladder::TLogica& logic = program.logic(i);
        for (int r = 0; r < ladder::kEditedRows; ++r) {
            const std::string& t = logic.element(ladder::kLastElementColumn, r).text;
            if (opensWith(t, {"BOB", "BON"})) {
                l.coils.push_back({i, operandOf(t)});
            } else if (opensWith(t, {"BOS"})) {
                l.sets.push_back({i, operandOf(t)});
            } else if (opensWith(t, {"BOR"})) {
                l.resets.push_back({i, operandOf(t)});
            }
        }
        for (int r = 0; r < ladder::kEditedRows; ++r) {
            for (int c = 0; c < ladder::kElementColumns; ++c) {
                const std::string& t = logic.element(c, r).text;
                if (opensWith(t, {"TON", "TOF", "TPP"})) {
                    l.timers.push_back({i, operandOf(t)});
                } else if (opensWith(t, {"CUP", "CDO", "CUD"})) {
                    l.counters.push_back({i, operandOf(t)});
                }
            }
        }
    }
    return l;
}

bool hasOperand(const std::vector<Entry>& list, const std::string& operand) {
    return std::any_of(list.begin(), list.end(),
                       [&](const Entry& e) { return e.operand == operand; });
}

} // namespace

std::vector<ConsistencyWarning> avisosPrograma(const ladder::TPrograma& program) {
    const Lists l = collect(program);
    std::vector<ConsistencyWarning> out;
    std::vector<std::string> seen;
    const auto repeats = [&](const std::vector<Entry>& list, auto&& line) {
        for (const Entry& e : list) {
            if (std::find(seen.begin(), seen.end(), e.operand) == seen.end()) {
                seen.push_back(e.operand);
            } else {
                out.push_back({e.logic, line(e) + std::to_string(e.logic), true});
            }
        }
    };
    repeats(l.timers, [](const Entry& e) {
        return "Temporizador " + withoutPrefix(e.operand) + " est\xE1 repetido na l\xF3gica ";
    });
    repeats(l.counters, [](const Entry& e) {
        return "Contador " + withoutPrefix(e.operand) + " est\xE1 repetido na l\xF3gica ";
    });
    repeats(l.coils, [](const Entry& e) {
        return "A bobina " + e.operand + " est\xE1 repetida na l\xF3gica ";
    });
    const auto unmatched = [&](const std::vector<Entry>& list, const std::vector<Entry>& other,
                               const char* has, const char* lacks) {
        for (const Entry& e : list) {
            if (hasOperand(other, e.operand)) {
                continue;
            }
            std::string line = "O endere\xE7o " + e.operand + " possui instru\xE7\xE3o de " + has +
                               ", mas n\xE3o possui instru\xE7\xE3o de " + lacks;
            if (std::none_of(out.begin(), out.end(),
                             [&](const ConsistencyWarning& w) { return w.text == line; })) {
                out.push_back({e.logic, std::move(line), false});
            }
        }
    };
    unmatched(l.sets, l.resets, "Set", "Reset");
    unmatched(l.resets, l.sets, "Reset", "Set");
    return out;
}

bool hasBlockingWarning(const std::vector<ConsistencyWarning>& warnings) {
    return std::any_of(warnings.begin(), warnings.end(),
                       [](const ConsistencyWarning& w) { return w.blocking; });
}

bool VerificaPrograma(const ladder::TPrograma& program, const WarningWindow& window) {
    const auto warnings = avisosPrograma(program);
    if (warnings.empty()) {
        return true;
    }
    const bool goOn = window ? window(warnings) : false;
    return goOn && !hasBlockingWarning(warnings);
}

} // namespace velmora::compiler
