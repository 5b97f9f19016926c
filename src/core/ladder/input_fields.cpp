#include "core/ladder/input_fields.h"

#include "core/ladder/acceptance.h"
#include "core/ladder/cell.h"
#include "core/text/strings.h"

#include <algorithm>

namespace velmora::ladder {

namespace {

EntryMask digits(std::string prefix, int length) {
    return {std::move(prefix), EntryMask::Body::Digits, length, false};
}
EntryMask free(std::string prefix, int length) {
    return {std::move(prefix), EntryMask::Body::Free, length, false};
}

// "OPR1:=", "OPR2:=" and, for the third field, "RES:=" while placing or "OPR3:=" when editing.
EntryMask dataMask(int field, bool placing) {
    if (field == 3 && placing) {
        return free("RES:=", 9);
    }
    return free("OPR" + std::to_string(field) + ":=", 9);
}

// Fields a freshly placed element asks for, in order.
int placingFieldCount(const ElementKind& kind) {
    switch (routineOf(kind)) {
    case FieldRoutine::Timer:
    case FieldRoutine::Counter:
    case FieldRoutine::FastCounter:
    case FieldRoutine::Comparison:
    case FieldRoutine::Move:
        return 2;
    case FieldRoutine::Arithmetic:
        return 3;
    case FieldRoutine::Parameters:
        return 4;
    case FieldRoutine::None:
        return 0;
    default:
        return 1;
    }
}

} // namespace

FieldRoutine routineOf(const ElementKind& kind) {
    switch (kind.family) {
    case Family::Contact:
    case Family::Coil:
        return FieldRoutine::ContactCoil;
    case Family::Move:
        return FieldRoutine::Move;
    case Family::Comparison:
        return FieldRoutine::Comparison;
    case Family::Arithmetic:
        return FieldRoutine::Arithmetic;
    case Family::Timer:
        return FieldRoutine::Timer;
    case Family::Counter:
        return FieldRoutine::Counter;
    case Family::FastCounter:
        return FieldRoutine::FastCounter;
    case Family::Pid:
        return FieldRoutine::Pid;
    case Family::Parameters:
        return FieldRoutine::Parameters;
    case Family::Operation:
        return FieldRoutine::Operation;
    case Family::Call:
        return FieldRoutine::Call;
    case Family::Jump:
        return FieldRoutine::Jump;
    case Family::Line:
        return FieldRoutine::None;
    }
    return FieldRoutine::None;
}

EntryMask maskOf(const ElementKind& kind, int field, bool placing) {
    const FieldRoutine routine = routineOf(kind);
    switch (routine) {
    case FieldRoutine::Timer:
    case FieldRoutine::Counter:
    case FieldRoutine::FastCounter:
        if (field == 1) {
            return digits(std::string(identifierPrefix(kind)), 2);
        }
        return digits("P:=", 5);
    case FieldRoutine::Pid:
        return digits("%PID", 1);
    case FieldRoutine::Comparison:
    case FieldRoutine::Move:
    case FieldRoutine::Arithmetic:
        return dataMask(field, placing);
    case FieldRoutine::Jump:
        return digits("", 3);
    case FieldRoutine::Parameters: {
        static constexpr const char* kPlacing[] = {"VX1:=", "VX2:=", "VE:=", "VO:="};
        static constexpr const char* kEditing[] = {"VX1:=", "VX2:=", "EO:=", "VO:="};
        const int i = std::clamp(field, 1, 4) - 1;
        EntryMask m = free(placing ? kPlacing[i] : kEditing[i], 0);
        m.promptOnly = true;
        return m;
    }
    default:
        return {};
    }
}

std::optional<int> nextPlacingField(const ElementKind& kind, int field) {
    if (field >= 1 && field < placingFieldCount(kind)) {
        return field + 1;
    }
    return std::nullopt;
}

std::optional<int> fieldOfPart(const ElementKind& kind, int part) {
    if (part < 1 || part > kind.cellCount) {
        return std::nullopt;
    }
    switch (routineOf(kind)) {
    case FieldRoutine::ContactCoil:
    case FieldRoutine::Operation:
    case FieldRoutine::Call:
    case FieldRoutine::Jump:
        return 1;
    case FieldRoutine::Timer:
    case FieldRoutine::Counter:
    case FieldRoutine::FastCounter:
    case FieldRoutine::Comparison:
    case FieldRoutine::Move:
        return std::min(part, 2);
    case FieldRoutine::Arithmetic:
        return std::min(part, 3);
    case FieldRoutine::Parameters:
        return std::min(part, 4);
    case FieldRoutine::Pid:
    case FieldRoutine::None:
        return std::nullopt;
    }
    return std::nullopt;
}

std::string editingText(const ElementKind& kind, int field, std::string_view stored) {
    if (stored == kBlankField) {
        return {};
    }
    if (routineOf(kind) == FieldRoutine::ContactCoil && stored == "% ") {
        return "%";
    }
    const std::string_view prefix = identifierPrefix(kind);
    if (field == 1 && !prefix.empty() && stored.substr(0, prefix.size()) == prefix) {
        stored.remove_prefix(prefix.size());
    }
    return std::string(text::trimmed(stored));
}

std::string typedValue(const EntryMask& mask, std::string_view shown) {
    if (!mask.prefix.empty() && shown.substr(0, mask.prefix.size()) == mask.prefix) {
        shown.remove_prefix(mask.prefix.size());
    }
    return text::toUpperAscii(text::trimmed(shown));
}

bool storableText(std::string_view value) {
    return std::all_of(value.begin(), value.end(), [](char ch) {
        const auto b = static_cast<unsigned char>(ch);
        return b >= 32 && b <= 126 && ch != '#';
    });
}

std::string normaliseOperand(const OperandLimits& limits, const tables::SymbolTable& symbols,
                             std::string_view value) {
    if (value.empty() || value.front() == '%') {
        return std::string(value);
    }
    const std::string withPercent = "%" + std::string(value);
    if (OperandoNaFaixa(limits, withPercent)) {
        return withPercent;
    }
    std::string address = tables::EnderecoDoSimbolo(symbols, value);
    if (!address.empty()) {
        return address;
    }
    return std::string(value);
}

bool normalisesOperands(FieldRoutine routine) {
    return routine == FieldRoutine::ContactCoil || routine == FieldRoutine::Move ||
           routine == FieldRoutine::Comparison || routine == FieldRoutine::Arithmetic;
}

Rect entryRect(const LadderGeometry& g, const ElementKind& kind, int field, int c, int r, int top) {
    const int w = g.columnWidth;
    const int h = g.rowHeight;
    const int height = std::max(20, g.addressBand + 4);
    // Fields of vertical boxes lie one row below the other.
    const int row = kind.shape == Shape::Vertical ? r + std::max(0, field - 1) : r;
    const Rect cell = g.cellRect(c, std::min(row, kEditedRows - 1), top);
    auto at = [&](int dy, int dx, int width) {
        const int y = cell.top + dy;
        const int x = cell.left + dx;
        return Rect{x, y, x + width, y + height};
    };
    switch (routineOf(kind)) {
    case FieldRoutine::Timer:
        return at(0, frac(0.142, w), frac(0.686, w));
    case FieldRoutine::Counter:
        return at(0, frac(0.142, w), field == 1 ? std::max(frac(0.686, w), 40) : frac(0.686, w));
    case FieldRoutine::FastCounter:
        return at(0, frac(0.05, w), frac(0.9, w));
    case FieldRoutine::Comparison:
        return at(frac(0.7, h) - height / 2, frac(0.1, w), frac(0.8, w));
    case FieldRoutine::Move:
        return at(frac(0.75, h) - height / 2, frac(0.07, w), frac(0.83, w));
    case FieldRoutine::Arithmetic:
        return at(frac(0.9, h) - height / 2, frac(0.08, w), frac(0.87, w));
    case FieldRoutine::Operation:
        return at(12, 15, std::max(190, 2 * w));
    case FieldRoutine::Call:
    case FieldRoutine::Jump:
        return at(12, 15, std::max(120, w));
    case FieldRoutine::Pid:
        return at(0, 0, std::max(110, w));
    default:
        return at(0, 0, w);
    }
}

} // namespace velmora::ladder
