#include "core/ladder/logic_commands.h"

#include "core/lang/message_args.h"
#include "core/text/strings.h"

#include <string>

namespace velmora::ladder {

namespace {

constexpr int kMsgLogicOpen = 225;
constexpr int kMsgInvalidNumber = 277;
constexpr int kMsgNoSuchLogic = 280;
constexpr int kMsgInsertCaption = 26;
constexpr int kMsgInsertPrompt = 444;
constexpr int kMsgDeleteCaption = 398;
constexpr int kMsgDeletePrompt = 399;
constexpr int kMsgDeleteConfirm = msg::kConfirmDeleteLogic;
constexpr int kMsgGoToPrompt = 443;
constexpr int kMsgTitleCaption = 394;
constexpr int kMsgTitlePrompt = 395;
constexpr const char* kProgramCaption = "Velmora";
constexpr const char* kNoSuchLogicText = "Logica Inexistente";

// A typed logic position: a non-empty run of digits naming 1 or more (position 0 is the unused
// entry of the logic array). Very long digit runs stand for "more than any count".
std::optional<int> typedPosition(const std::string& text) {
    if (!text::isDigits(text)) {
        return std::nullopt;
    }
    const auto value = text::parseInteger(text);
    if (!value) {
        return kMaxLogics + 1;
    }
    if (*value < 1) {
        return std::nullopt;
    }
    return *value > kMaxLogics + 1 ? kMaxLogics + 1 : static_cast<int>(*value);
}

// Asks for a logic position with the program's count as the default; a typed text that is no
// position is refused with 277 in a box of the given kind. Nothing when cancelled or refused.
std::optional<int> askPosition(Prompts& prompts, const Language& language, int caption, int prompt,
                               int count, Prompts::Kind refusal) {
    const auto answer =
        prompts.input(language.text(caption), language.text(prompt), std::to_string(count));
    if (!answer) {
        return std::nullopt;
    }
    const auto position = typedPosition(*answer);
    if (!position) {
        prompts.ask(refusal, language.text(kMsgInvalidNumber), Prompts::Buttons::Ok);
    }
    return position;
}

void openInserted(EditorSession& session, int position, ViewUpdate& update) {
    session.AbreLogica(position);
    update.modified = true;
    update.layout = true;
    update.scrollTo = position;
    update.keyPreview = ViewUpdate::KeyPreview::On;
}

} // namespace

ViewUpdate insertLogicByButton(EditorSession& session, Prompts& prompts) {
    ViewUpdate update;
    TPrograma& program = session.program;
    if (program.count() >= kMaxLogics) {
        prompts.error(kTextoLimiteLogicas);
        return update;
    }
    if (session.isOpen()) {
        const int n = session.openLogic();
        program.logic(n) = session.workingCopy;
        program.logic(n).number = n;
    }
    const int position = program.count() + 1;
    if (!InsereLogica(program, NovaLogica(), position)) {
        return update;
    }
    openInserted(session, position, update);
    return update;
}

ViewUpdate insertLogicByMenu(EditorSession& session, Prompts& prompts, const Language& language) {
    ViewUpdate update;
    TPrograma& program = session.program;
    if (session.isOpen()) {
        prompts.information(language.text(kMsgLogicOpen));
        return update;
    }
    const auto position = askPosition(prompts, language, kMsgInsertCaption, kMsgInsertPrompt,
                                      program.count(), Prompts::Kind::Information);
    if (!position) {
        return update;
    }
    if (program.count() >= kMaxLogics) {
        prompts.error(kTextoLimiteLogicas);
        return update;
    }
    const int at = *position > program.count() + 1 ? program.count() + 1 : *position;
    if (!InsereLogica(program, NovaLogica(), at)) {
        return update;
    }
    openInserted(session, at, update);
    return update;
}

ViewUpdate deleteLogic(EditorSession& session, Prompts& prompts, const Language& language) {
    ViewUpdate update;
    TPrograma& program = session.program;
    if (session.isOpen()) {
        prompts.information(language.text(kMsgLogicOpen));
        return update;
    }
    const auto number = askPosition(prompts, language, kMsgDeleteCaption, kMsgDeletePrompt,
                                    program.count(), Prompts::Kind::Plain);
    if (!number) {
        return update;
    }
    if (*number > program.count()) {
        prompts.message(kNoSuchLogicText);
        return update;
    }
    if (!prompts.confirm(language.text(kMsgDeleteConfirm, std::to_string(*number)))) {
        return update;
    }
    update.modified = true;
    if (RemoveLogica(program, *number)) {
        session.workingCopy.number = -1;
        RenumeraSaltos(program, *number, -1);
        update.layout = true;
    }
    return update;
}

ViewUpdate goToLogic(EditorSession& session, Prompts& prompts, const Language& language) {
    ViewUpdate update;
    const auto answer = prompts.input(kProgramCaption, language.text(kMsgGoToPrompt), "");
    if (!answer) {
        return update;
    }
    const auto number = typedPosition(*answer);
    if (!number) {
        prompts.error(language.text(kMsgInvalidNumber));
        return update;
    }
    if (*number > session.program.count()) {
        prompts.error(language.text(kMsgNoSuchLogic));
        return update;
    }
    update.scrollTo = *number;
    return update;
}

ViewUpdate editLogicTitle(EditorSession& session, int logic, Prompts& prompts,
                          const Language& language) {
    ViewUpdate update;
    TPrograma& program = session.program;
    if (logic < 1 || logic > program.count()) {
        return update;
    }
    const auto answer = prompts.input(language.text(kMsgTitleCaption),
                                      language.text(kMsgTitlePrompt), program.logic(logic).title);
    if (!answer) {
        return update;
    }
    program.logic(logic).setTitle(*answer);
    update.modified = true;
    if (session.openLogic() == logic) {
        session.workingCopy.setTitle(*answer);
    }
    if (session.isOpen()) {
        update.redrawOpenLogic = true;
    }
    update.layout = true;
    return update;
}

} // namespace velmora::ladder
