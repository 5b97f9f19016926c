#pragma once

// The parameter fields of an element as the operand entry field (EditValor) presents them: the
// routine that checks a typed value, the mask shown while it is typed, the order in which a
// freshly placed element asks for its fields, which field a cell of an existing element edits,
// and where the entry field lies over the drawing.

#include "core/ladder/catalogue.h"
#include "core/ladder/ladder_geometry.h"
#include "core/operands/operand_limits.h"
#include "core/seams/canvas.h"
#include "core/tables/symbol_table.h"

#include <optional>
#include <string>
#include <string_view>

namespace velmora::ladder {

// The check a typed value goes through, by element kind.
enum class FieldRoutine {
    ContactCoil,
    Move,
    Comparison,
    Arithmetic,
    Timer,
    Counter,
    FastCounter,
    Pid,
    Parameters,
    Operation,
    Call,
    Jump,
    None, // horizontal lines: nothing to enter
};

FieldRoutine routineOf(const ElementKind& kind);

// What the entry field shows: a fixed text in front (not part of the value) and the body the
// user types. `length` 0 means any length.
struct EntryMask {
    enum class Body { Free, Digits };
    std::string prefix;
    Body body = Body::Free;
    int length = 0;
    // The prefix is a prompt the user may type over (parameter blocks), not a fixed literal.
    bool promptOnly = false;

    bool unmasked() const { return prefix.empty() && body == Body::Free && length == 0; }
    bool operator==(const EntryMask&) const = default;
};

// The mask of field `field` of `kind`; `placing` picks the result prompt of arithmetic ("RES:=")
// over the one used when editing ("OPR3:=").
EntryMask maskOf(const ElementKind& kind, int field, bool placing);

// The field a freshly placed element asks for after `field`, or nothing when it was the last.
std::optional<int> nextPlacingField(const ElementKind& kind, int field);

// The field that part `part` of an element edits; nothing for a PID block (its dialog edits it)
// and for kinds without fields.
std::optional<int> fieldOfPart(const ElementKind& kind, int part);

// The text the entry field starts with when field `field` of an existing element is edited:
// the stored value without its identifier prefix, the blank placeholder as nothing, and the
// contact and coil placeholder "% " as "%".
std::string editingText(const ElementKind& kind, int field, std::string_view stored);

// The value a shown text stands for: the mask's prefix removed, blanks trimmed, upper case.
std::string typedValue(const EntryMask& mask, std::string_view shown);

// Characters a field can never hold: "#" splits the cell's fields and the project file keeps only
// printable ASCII. True when every byte is printable ASCII (32 ... 126) other than "#".
bool storableText(std::string_view value);

// An operand typed without its "%" gets it when that makes a valid operand; otherwise a symbol
// name is replaced by its address; anything else stays as typed.
std::string normaliseOperand(const OperandLimits& limits, const tables::SymbolTable& symbols,
                             std::string_view value);

// Whether values of `routine` go through normaliseOperand.
bool normalisesOperands(FieldRoutine routine);

// Where the entry field lies for field `field` of an element whose first cell is at element
// column c, row r of a logic whose top is `top`.
Rect entryRect(const LadderGeometry& g, const ElementKind& kind, int field, int c, int r, int top);

} // namespace velmora::ladder
