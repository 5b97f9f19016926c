#pragma once

// Whether a value typed into a field of an element may be stored there. The value arrives as
// it will be stored: symbol names already replaced by their address, and the identifier
// prefix ("%T", "%C", "%CR", "%PID") already put in front of a typed number.

#include "core/ladder/catalogue.h"
#include "core/ladder/program.h"
#include "core/lang/language.h"
#include "core/lang/message_args.h"
#include "core/operands/operand_tables.h"
#include "core/seams/prompts.h"

#include <span>
#include <string>
#include <string_view>

namespace velmora::ladder {

// Where the value is being entered and what it is checked against.
struct EntryContext {
    const OperandTables& operands;
    const TPrograma& program;                       // the edited program as last committed
    int logic;                                      // the open logic's number
    int column;                                     // element column of the element's first cell
    int row;                                        // row of the element's first cell
    std::span<const std::string> programNames = {}; // the project's programs (for calls)
};

struct Acceptance {
    bool accepted = false;
    int message = 0;       // message to show when refused; 0: refused without a word
    std::string arguments; // its placeholder arguments

    static Acceptance yes() { return {true, 0, {}}; }
    static Acceptance no(int message = 0, std::string arguments = {}) {
        return {false, message, std::move(arguments)};
    }
};

inline constexpr int kMsgCoilInUse = msg::kCoilAlreadyUsed;
// The most a preset can be: presets travel as 16-bit values.
inline constexpr int kMaxPreset = 65535;

// The rule of field `field` (1 ...) of element `kind` for `value`.
Acceptance AceitaCampo(const EntryContext& context, const ElementKind& kind, int field,
                       std::string_view value);

// The prefix the identifier field of timers, counters, fast counters and PID blocks puts in
// front of the typed number; empty for other kinds.
std::string_view identifierPrefix(const ElementKind& kind);

// Shows a refusal's message as an error box (nothing for a silent refusal or an acceptance).
void showRefusal(const Acceptance& result, Prompts& prompts, const Language& language);

} // namespace velmora::ladder
