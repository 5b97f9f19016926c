#include "core/ladder/editor_session.h"

namespace velmora::ladder {

namespace {

// A missing validator accepts nothing: storing unchecked logics is never the safe choice.
bool validated(const LogicValidator& validate, TLogica& logic) {
    return validate && validate(logic);
}

} // namespace

void EditorSession::reset() {
    LimpaPrograma(program);
    workingCopy = NovaLogica();
    workingCopy.number = -1;
}

int EditorSession::openLogic() const {
    const int n = workingCopy.number;
    return n >= 1 && n <= program.count() ? n : 0;
}

bool EditorSession::AbreLogica(int n) {
    if (n < 1 || n > program.count()) {
        return false;
    }
    workingCopy = program.logic(n);
    workingCopy.number = n;
    return true;
}

bool EditorSession::storeWorkingCopy() {
    const int n = openLogic();
    if (n == 0) {
        return false;
    }
    TLogica& stored = program.logic(n);
    const bool changed = !LogicasIguais(stored, workingCopy) || stored.title != workingCopy.title ||
                         stored.comment != workingCopy.comment;
    stored = workingCopy;
    stored.number = n;
    return changed;
}

void EditorSession::close(ViewUpdate& update) {
    workingCopy.number = -1;
    update.keyPreview = ViewUpdate::KeyPreview::Off;
    update.layout = true;
}

ViewUpdate EditorSession::ConfirmaLogica(const LogicValidator& validate) {
    ViewUpdate update;
    if (!isOpen() || !validated(validate, workingCopy)) {
        return update;
    }
    update.modified = storeWorkingCopy();
    close(update);
    return update;
}

ViewUpdate EditorSession::confirmByEnter(const LogicValidator& validate, Prompts& prompts) {
    ViewUpdate update;
    const int n = openLogic();
    if (n == 0) {
        return update;
    }
    update.modified = !LogicasIguais(workingCopy, program.logic(n));

    if (LinhasUsadas(workingCopy) == 0 && program.count() >= 2) {
        // Removing a logic moves every later one up: jumps must follow, as on delete.
        RemoveLogica(program, n);
        RenumeraSaltos(program, n, -1);
        update.modified = true;
        close(update);
        return update;
    }

    if (!validated(validate, workingCopy)) {
        return update;
    }
    update.modified = storeWorkingCopy() || update.modified;
    if (n < program.count()) {
        close(update);
        return update;
    }
    if (program.count() >= kMaxLogics) {
        close(update);
        prompts.error(kTextoLimiteLogicas);
        return update;
    }
    TLogica appended = NovaLogica();
    appended.number = program.count() + 1;
    program.logics.push_back(std::move(appended));
    AbreLogica(program.count());
    update.modified = true;
    update.layout = true;
    update.scrollToTop = n;
    update.cursorHome = true;
    update.keyPreview = ViewUpdate::KeyPreview::On;
    return update;
}

ViewUpdate EditorSession::openByDoubleClick(int m, const LogicValidator& validate) {
    ViewUpdate update;
    const int n = openLogic();
    if (m < 1 || m > program.count() || m == n) {
        return update;
    }
    if (n != 0) {
        if (LinhasUsadas(workingCopy) != 0 && !validated(validate, workingCopy)) {
            return update;
        }
        update.modified = storeWorkingCopy();
    }
    AbreLogica(m);
    update.layout = true;
    update.scrollTo = m;
    update.keyPreview = ViewUpdate::KeyPreview::On;
    return update;
}

ViewUpdate EditorSession::DescartaLogica() {
    ViewUpdate update;
    if (isOpen()) {
        close(update);
    }
    return update;
}

} // namespace velmora::ladder
