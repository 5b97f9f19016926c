#include "core/ladder/acceptance.h"

#include "core/ladder/cell.h"
#include "core/operands/operand_address.h"
#include "core/operands/operand_class.h"
#include "core/operands/operand_limits.h"
#include "core/text/strings.h"

#include <algorithm>
#include <optional>

namespace velmora::ladder {

namespace {

// The number written after an identifier prefix ("%T12" -> 12): digits only, nothing after.
std::optional<int> identifierNumber(std::string_view value, std::string_view prefix) {
    if (value.substr(0, prefix.size()) != prefix) {
        return std::nullopt;
    }
    const std::string_view digits = value.substr(prefix.size());
    if (!SoDigitos(digits)) {
        return std::nullopt;
    }
    const auto n = toInt32(digits);
    if (!n) {
        return std::nullopt;
    }
    return *n;
}

bool isPreset(std::string_view value) {
    if (!SoDigitos(value)) {
        return false;
    }
    const auto n = toInt32(value);
    return n && *n <= kMaxPreset;
}

bool isConstant(std::string_view value) {
    return ClasseOperando(value) == "N";
}

int operandNumber(std::string_view operand) {
    return toInt32(NumeroOperando(operand)).value_or(-1);
}

// A variable of one of the widths in `widths`, within the limit table and with a controller
// address.
bool isVariable(const OperandTables& operands, std::string_view value, std::uint8_t widths) {
    const std::string cls = ClasseOperando(value);
    if (!isOperandClass(cls) || cls == "N" || cls == "D") {
        return false;
    }
    if ((widthBit(TamanhoClasse(cls)) & widths) == 0) {
        return false;
    }
    return OperandoNaFaixa(operands.limits, value) &&
           resolveAddress(operands.map, value).status == AddressResult::Status::Ok;
}

Acceptance dataField(const OperandTables& operands, const FieldSpec& fieldSpec,
                     std::string_view value) {
    if (fieldSpec.constantAllowed && isConstant(value)) {
        return Acceptance::yes();
    }
    return isVariable(operands, value, fieldSpec.widths) ? Acceptance::yes() : Acceptance::no();
}

// Contacts and coils, field 1: the bit operands a contact can read or a coil can drive.
bool isBitOperand(const OperandLimits& limits, std::string_view value) {
    const std::string cls = ClasseOperando(value);
    if (!OperandoNaFaixa(limits, value)) {
        return false;
    }
    const int n = operandNumber(value);
    if (cls == "I" || cls == "Q" || cls == "TC" || cls == "LT" || cls == "T.Q" || cls == "C.Q" ||
        cls == "CR.Q") {
        return true;
    }
    if (cls == "M" || cls == "MRE" || cls == "MRR") {
        return n < limits.bitMemory;
    }
    if (cls == "S") {
        return n <= 255;
    }
    return false;
}

// Any cell of the program, except the one being edited, that is the first cell of element
// `code` (compared by code and part digit, never by searching the text) holding `operand`.
// Returns the logic where it was found first, scanning logics 1 ... count.
struct CellFilter {
    std::span<const std::string_view> codes;
    bool otherLogicsOnly;
};

int findElementWithOperand(const EntryContext& ctx, const CellFilter& filter,
                           std::string_view operand, bool byNumber) {
    const int skipColumn = storageColumn(ctx.column);
    for (int q = 1; q <= ctx.program.count(); ++q) {
        if (filter.otherLogicsOnly && q == ctx.logic) {
            continue;
        }
        const TLogica& logic = ctx.program.logic(q);
        for (int s = 0; s < kStorageColumns; ++s) {
            for (int r = 0; r < kStorageRows; ++r) {
                if (q == ctx.logic && s == skipColumn && r == ctx.row) {
                    continue;
                }
                const std::string& text = logic.cell(s, r).text;
                if (cellPart(text) != 1) {
                    continue;
                }
                const std::string code = CodigoCelula(text);
                if (std::find(filter.codes.begin(), filter.codes.end(), code) ==
                    filter.codes.end()) {
                    continue;
                }
                const auto field = cellField(text, 1);
                if (!field) {
                    continue;
                }
                const bool same = byNumber ? operandNumber(*field) == operandNumber(operand) &&
                                                 SoDigitos(NumeroOperando(*field))
                                           : *field == operand;
                if (same) {
                    return q;
                }
            }
        }
    }
    return 0;
}

constexpr std::string_view kSingleCoils[] = {"BOB"};
constexpr std::string_view kLatchingAndComplement[] = {"BON", "BOS", "BOR"};
constexpr std::string_view kDrivingCoils[] = {"BOB", "BON"};
constexpr std::string_view kTimers[] = {"TON", "TOF", "TPP"};
constexpr std::string_view kCounters[] = {"CUP", "CDO", "CUD"};
constexpr std::string_view kPidBlocks[] = {"PID"};

Acceptance coilConsistency(const EntryContext& ctx, const ElementKind& kind,
                           std::string_view operand) {
    int found = 0;
    if (kind.code == "BOB" || kind.code == "BON") {
        const int inBob = findElementWithOperand(ctx, {kSingleCoils, true}, operand, false);
        const int inOthers =
            findElementWithOperand(ctx, {kLatchingAndComplement, false}, operand, false);
        found = inBob == 0 ? inOthers : (inOthers == 0 ? inBob : std::min(inBob, inOthers));
    } else {
        found = findElementWithOperand(ctx, {kDrivingCoils, false}, operand, false);
    }
    return found == 0 ? Acceptance::yes() : Acceptance::no(kMsgCoilInUse, std::to_string(found));
}

Acceptance identifier(const EntryContext& ctx, std::string_view value, std::string_view prefix,
                      int limit, std::span<const std::string_view> uniqueAmong) {
    const auto n = identifierNumber(value, prefix);
    if (!n || *n >= limit) {
        return Acceptance::no();
    }
    if (!uniqueAmong.empty() &&
        findElementWithOperand(ctx, {uniqueAmong, true}, value, true) != 0) {
        return Acceptance::no();
    }
    return Acceptance::yes();
}

Acceptance parameterField(const OperandTables& operands, int field, std::string_view value) {
    const OperandLimits& limits = operands.limits;
    const std::string cls = ClasseOperando(value);
    switch (field) {
    case 1:
    case 2:
        return isConstant(value) ? Acceptance::yes() : Acceptance::no();
    case 3:
        return (cls == "MW" || cls == "IA") && OperandoNaFaixa(limits, value) ? Acceptance::yes()
                                                                              : Acceptance::no();
    case 4:
        return (cls == "MW" || cls == "QA") && OperandoNaFaixa(limits, value) ? Acceptance::yes()
                                                                              : Acceptance::no();
    default:
        return Acceptance::no();
    }
}

} // namespace

std::string_view identifierPrefix(const ElementKind& kind) {
    switch (kind.family) {
    case Family::Timer:
        return "%T";
    case Family::Counter:
        return "%C";
    case Family::FastCounter:
        return "%CR";
    case Family::Pid:
        return "%PID";
    default:
        return {};
    }
}

Acceptance AceitaCampo(const EntryContext& ctx, const ElementKind& kind, int field,
                       std::string_view value) {
    // A field is never left empty, and a "#" would split the value into two fields.
    if (field < 1 || field > static_cast<int>(kind.fieldSpecs.size()) || value.empty() ||
        value.find('#') != std::string_view::npos) {
        return Acceptance::no();
    }
    const OperandLimits& limits = ctx.operands.limits;
    const FieldSpec& fieldSpec = kind.fieldSpecs[static_cast<std::size_t>(field - 1)];
    switch (kind.family) {
    case Family::Contact:
        return isBitOperand(limits, value) ? Acceptance::yes() : Acceptance::no();
    case Family::Coil:
        if (!isBitOperand(limits, value)) {
            return Acceptance::no();
        }
        return coilConsistency(ctx, kind, value);
    case Family::Comparison:
    case Family::Move:
    case Family::Arithmetic:
        return dataField(ctx.operands, fieldSpec, value);
    case Family::Timer:
        switch (field) {
        case 1:
            return identifier(ctx, value, "%T", limits.timers, kTimers);
        case 2:
            return isPreset(value) ? Acceptance::yes() : Acceptance::no();
        case 3:
            return value == "1" || value == "2" || value == "3" || value == "4" ? Acceptance::yes()
                                                                                : Acceptance::no();
        default:
            return Acceptance::yes(); // the send flag: "1" sends, anything else does not
        }
    case Family::Counter:
        if (field == 1) {
            return identifier(ctx, value, "%C", limits.counters, kCounters);
        }
        return isPreset(value) ? Acceptance::yes() : Acceptance::no();
    case Family::FastCounter:
        if (field == 1) {
            return identifier(ctx, value, "%CR", limits.fastCounters, {});
        }
        return isPreset(value) ? Acceptance::yes() : Acceptance::no();
    case Family::Pid:
        if (field == 1) {
            // One digit, a block number 0 ... 3, used by no PID block in another logic.
            if (value.size() != 5) {
                return Acceptance::no();
            }
            return identifier(ctx, value, "%PID", kMaxPidBlock + 1, kPidBlocks);
        }
        return Acceptance::yes(); // the PID dialog checks its own fields
    case Family::Parameters:
        return parameterField(ctx.operands, field, value);
    case Family::Jump: {
        if (!SoDigitos(value)) {
            return Acceptance::no();
        }
        const auto n = toInt32(value);
        return n && *n >= 1 && *n <= ctx.program.count() ? Acceptance::yes() : Acceptance::no();
    }
    case Family::Call:
        for (const auto& name : ctx.programNames) {
            if (text::equalsIgnoreCaseAscii(name, value)) {
                return Acceptance::yes();
            }
        }
        return Acceptance::no();
    case Family::Operation:
        return Acceptance::yes(); // checked when compiled
    case Family::Line:
        return Acceptance::no();
    }
    return Acceptance::no();
}

void showRefusal(const Acceptance& result, Prompts& prompts, const Language& language) {
    if (!result.accepted && result.message != 0) {
        prompts.error(language.text(result.message, result.arguments));
    }
}

} // namespace velmora::ladder
