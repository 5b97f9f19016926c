#pragma once

// The check a logic passes before the editor stores it: contacts moved left over horizontal
// lines, every operand filled, every element connected where current must reach it, the
// coils of the last column closed up.

#include "core/ladder/catalogue.h"
#include "core/ladder/editor_session.h"
#include "core/ladder/program.h"
#include "core/lang/language.h"
#include "core/seams/prompts.h"

#include <functional>

namespace velmora::compiler {

// Validation codes of one logic.
inline constexpr int kLogicaAceita = 0;
inline constexpr int kLogicaSemOperando = 1;
inline constexpr int kLogicaSemLigacao = 2;
inline constexpr int kLogicaVazia = 3;
inline constexpr int kLogicaContadorSemLigacao = 4;

// Error boxes of the codes.
inline constexpr int kMsgElementWithoutOperand = 226;
inline constexpr int kMsgElementNotConnected = 227;
inline constexpr int kMsgCounterInputNotConnected = 228;

// The code and the element cell that decided it (column and row -1 for codes 0 and 3).
struct LogicCheck {
    int code = kLogicaAceita;
    int column = -1; // element column
    int row = -1;
    bool operator==(const LogicCheck&) const = default;
};

// Moves each contact that stands right of a horizontal line one column to the left (rows 1 to
// 7; row 0 and contacts under a vertical link stay).
void NormalizaContatos(ladder::TLogica& logic);

// The validation code of the logic; changes nothing.
int VerificaLogica(const ladder::TLogica& logic);
LogicCheck checkLogic(const ladder::TLogica& logic);

// The message of a code, 0 for codes 0 and 3 (an empty logic is refused silently).
int validationMessage(int code);

// True when the field text is the placeholder a field of `kind` holds before it is entered
// (a blank, "%", "% ", "T ", "C ", "CR ", "PID " ...), or nothing at all.
bool isMissingOperand(const ladder::ElementKind& kind, int field, std::string_view text);

// Closes gaps in the coil column by moving its cells up. Done only when every moved cell stays
// on the same node (a vertical link joins its old and new rows on its left); otherwise the
// logic is left as it is, since moving a coil off its own rung would change what drives it.
// True when cells moved.
bool CompactaUltimaColuna(ladder::TLogica& logic);

// The commit check: hides the operand entry (when given), normalises, validates, shows the
// code's error box and, when accepted, compacts the coil column. True when the logic may be
// stored.
bool ValidaLogica(ladder::TLogica& logic, const Language& language, Prompts& prompts,
                  const std::function<void()>& hideOperandEntry = {});

// ValidaLogica bound to a language table and prompts, as the editor session takes it. Both
// must outlive the validator.
ladder::LogicValidator logicValidator(const Language& language, Prompts& prompts,
                                      std::function<void()> hideOperandEntry = {});

} // namespace velmora::compiler
