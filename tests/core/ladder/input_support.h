#pragma once

// A ladder editor driven by input events alone: a session with logics laid out one below the
// other, the editor state the input changes, and the editor's own placement operations.

#include "core/ladder/catalogue.h"
#include "core/ladder/cell.h"
#include "core/ladder/editor_commands.h"
#include "core/ladder/input_controller.h"
#include "core/operands/operand_limits.h"
#include "support/scripted_prompts.h"
#include "test_language.h"

#include <memory>

namespace velmora::ladder::fixtures {

// Every area starts at 0x100 and is 0x2000 bytes long, so only the limit table decides.
inline OperandTables roomyTables() {
    OperandTables t;
    for (std::size_t i = 0; i < kMapKeyCount; ++i) {
        const auto key = static_cast<MapKey>(i);
        t.map[key] = mapKeyName(key).substr(0, 3) == "TAM" ? 0x2000 : 0x100;
    }
    t.limits = LimitesOperandos(t.map);
    return t;
}

struct InputRig {
    EditorSession session;
    EditorState state;
    CellPosition& cursor = state.cursor;
    CellPosition& last = state.last;
    int& tool = state.tool;
    bool& placing = state.placing;
    tables::SymbolTable symbols;
    OperandTables operands = roomyTables();
    test::ScriptedPrompts prompts;
    Language language = testLanguage();
    LadderGeometry geometry = baseGeometry(OperandDisplay::Endereco);
    int validations = 0;
    int timersChanged = 0;
    std::vector<std::pair<CellPosition, CellPosition>> areas;
    std::unique_ptr<InputController> input;

    // `logics` empty logics, logic `open` open (0: none).
    explicit InputRig(int logics = 1, int open = 1) {
        setLogicCount(session.program, logics);
        if (open != 0) {
            session.AbreLogica(open);
        }
        layout();
        InputHooks hooks;
        // The editor's own operations, as the ladder page runs them.
        hooks.click = [this](CellPosition cell) {
            EditorContext ctx{session, state, prompts, language};
            return outcome(clickCell(ctx, cell));
        };
        hooks.place = [this](int t) {
            EditorContext ctx{session, state, prompts, language};
            state.tool = t;
            return outcome(placeWithReplacing(ctx));
        };
        hooks.pressDelete = [this] {
            EditorContext ctx{session, state, prompts, language};
            return outcome(pressDelete(ctx));
        };
        hooks.markArea = [this](CellPosition a, CellPosition b) { areas.push_back({a, b}); };
        hooks.timersChanged = [this] { ++timersChanged; };
        InputEnvironment env{session,
                             cursor,
                             last,
                             tool,
                             placing,
                             symbols,
                             operands,
                             prompts,
                             language,
                             [this](TLogica&) {
                                 ++validations;
                                 return true;
                             }};
        clickHook = hooks.click;
        input = std::make_unique<InputController>(env, hooks);
        input->setGeometry(geometry);
    }

    std::function<PlaceOutcome(CellPosition)> clickHook;

    static PlaceOutcome outcome(const EditResult& r) {
        return PlaceOutcome{r.changed, r.layout, r.operandEntry};
    }

    // Logics laid out from y = 5, the open one with all rows, the others one row high.
    void layout() {
        int y = kTopMargin;
        for (int i = 1; i <= session.program.count(); ++i) {
            TLogica& l = session.program.logic(i);
            l.topY = y;
            y += i == session.openLogic() ? geometry.openLogicHeight() : geometry.closedHeight(1);
            l.bottomY = y;
        }
        if (session.isOpen()) {
            session.workingCopy.topY = session.program.logic(session.openLogic()).topY;
            session.workingCopy.bottomY = session.program.logic(session.openLogic()).bottomY;
        }
    }

    // A point inside cell (c, r) of logic n.
    std::pair<int, int> pointAt(int n, int c, int r) const {
        const Rect cell = geometry.cellRect(c, r, session.program.logic(n).topY);
        return {cell.left + 5, cell.top + 5};
    }

    InputResult click(int c, int r, MouseButton b = MouseButton::Left, bool memo = false) {
        const auto [x, y] = pointAt(session.openLogic(), c, r);
        return input->mouseDown(geometry, b, x, y, memo);
    }
    InputResult place(int toolNumber, int c, int r) {
        tool = toolNumber;
        return click(c, r);
    }
    InputResult type(const std::string& shown) { return input->entryEnter(shown); }

    const std::string& cellText(int c, int r) const {
        return session.workingCopy.element(c, r).text;
    }
};

} // namespace velmora::ladder::fixtures
