#include "core/ladder/input_controller.h"

#include "core/ladder/cell.h"
#include "core/text/strings.h"

#include <algorithm>

namespace velmora::ladder {

InputController::InputController(InputEnvironment env, InputHooks hooks)
    : env_(std::move(env)), hooks_(std::move(hooks)) {}

bool InputController::monitoring() const {
    return hooks_.monitoringRunning && hooks_.monitoringRunning();
}

PointerShape InputController::pointerShape() const {
    if (pointer_.headerBand) {
        return PointerShape::Hand;
    }
    return env_.session.isOpen() && pointer_.logic == env_.session.openLogic()
               ? PointerShape::Tool
               : PointerShape::Arrow;
}

std::string InputController::pointerStatus() const {
    if (!pointer_.cell) {
        return {};
    }
    return "Linha : " + std::to_string(pointer_.cell->row) + " ; " +
           "Col :" + std::to_string(pointer_.cell->column);
}

InputResult InputController::mouseMove(const LadderGeometry& g, int x, int y) {
    geometry_ = g;
    pointer_ = hitTest(g, env_.session.program, pointer_.logic, x, y);
    return {};
}

void InputController::hideEntry(InputResult& result) {
    if (entry_.visible) {
        result.entryChanged = true;
    }
    entry_ = EntryView{};
    result.view.keyPreview = ViewUpdate::KeyPreview::On;
}

InputResult InputController::mouseDown(const LadderGeometry& g, MouseButton button, int x, int y,
                                       bool memoVisible) {
    InputResult result;
    mouseMove(g, x, y);
    if (entry_.visible || memoVisible) {
        if (!pointer_.cell || *pointer_.cell == env_.cursor) {
            return result;
        }
        // Both go, and the press is then handled once: handling it again while the memo
        // stayed visible would never end.
        hideEntry(result);
        result.hideMemo = memoVisible;
        result.view.redrawOpenLogic = true;
    }
    if (monitoring()) {
        if (button == MouseButton::Right && !env_.session.isOpen()) {
            result.menu = MenuRequest{"PopupForce", {}, {}, false};
        }
        return result;
    }
    firstCorner_.reset();
    if (hooks_.clearArea) {
        hooks_.clearArea();
    }
    const PointerShape shape = pointerShape();
    const bool onOpen = env_.session.isOpen() && pointer_.logic == env_.session.openLogic();
    if (shape != PointerShape::Hand && onOpen && pointer_.cell) {
        env_.cursor = *pointer_.cell;
        env_.last = env_.cursor;
        firstCorner_ = *pointer_.cell;
        result.view.redrawOpenLogic = true;
        result.view.keyPreview = ViewUpdate::KeyPreview::On;
        result.drawCursor = true;
    }
    if (button == MouseButton::Right) {
        if (onOpen) {
            result.menu = menuForLastPosition();
        } else {
            result.menu = MenuRequest{"PopupForce", {}, {}, false};
        }
        return result;
    }
    if (button != MouseButton::Left) {
        return result;
    }
    switch (shape) {
    case PointerShape::Hand:
        if (hooks_.editTitle) {
            const ViewUpdate v = hooks_.editTitle(pointer_.logic);
            result.view.modified = result.view.modified || v.modified;
            result.view.layout = result.view.layout || v.layout;
            result.view.redrawOpenLogic = result.view.redrawOpenLogic || v.redrawOpenLogic;
        }
        break;
    case PointerShape::Arrow:
        result.drawCursor = onOpen;
        break;
    case PointerShape::Tool:
        if (pointer_.cell && hooks_.click) {
            applyPlacement(hooks_.click(*pointer_.cell), result);
        }
        break;
    }
    return result;
}

void InputController::applyPlacement(const PlaceOutcome& outcome, InputResult& result) {
    result.view.redrawOpenLogic = result.view.redrawOpenLogic || outcome.changed;
    result.view.layout = result.view.layout || outcome.layout;
    result.drawCursor = true;
    if (outcome.operandEntry) {
        const InputResult entry = beginPlacingEntry(*outcome.operandEntry);
        result.entryChanged = result.entryChanged || entry.entryChanged;
        if (entry.entryChanged) {
            result.view.keyPreview = ViewUpdate::KeyPreview::Off;
        }
    }
}

InputResult InputController::mouseUp(const LadderGeometry& g, int x, int y) {
    mouseMove(g, x, y);
    if (entry_.visible || monitoring() || !env_.session.isOpen() ||
        pointer_.logic != env_.session.openLogic() || !firstCorner_ || !pointer_.cell) {
        return {};
    }
    if (hooks_.markArea && *firstCorner_ != *pointer_.cell) {
        hooks_.markArea(*firstCorner_, *pointer_.cell);
    }
    return {};
}

InputResult InputController::doubleClick(const LadderGeometry& g, int x, int y) {
    InputResult result;
    mouseMove(g, x, y);
    if (entry_.visible) {
        return result;
    }
    if (monitoring() && hooks_.stopMonitoring) {
        hooks_.stopMonitoring();
    }
    auto& session = env_.session;
    if (session.isOpen() && pointer_.logic == session.openLogic()) {
        env_.placing = false;
        return editAtCursor();
    }
    result.view = session.openByDoubleClick(pointer_.logic, env_.validate);
    if (session.openLogic() == pointer_.logic) {
        result.view.scrollTo = pointer_.logic;
        env_.tool = -2;
        result.view.keyPreview = ViewUpdate::KeyPreview::On;
    }
    return result;
}

InputResult InputController::keyDown(Key key, bool ladderPage) {
    InputResult result;
    if (key == Key::F4) {
        result.togglePage = true;
        return result;
    }
    auto& session = env_.session;
    if (!ladderPage) {
        return result;
    }
    if (!session.isOpen()) {
        result.view.keyPreview = ViewUpdate::KeyPreview::Off;
        result.focusScrollBar = true;
        return result;
    }
    result.consumed = true;
    auto move = [&](int dc, int dr) {
        env_.cursor.column = std::clamp(env_.cursor.column + dc, 0, kLastElementColumn);
        env_.cursor.row = std::clamp(env_.cursor.row + dr, 0, kEditedRows - 1);
        if (!entry_.visible) {
            if (hooks_.clearArea) {
                hooks_.clearArea();
            }
            result.view.redrawOpenLogic = true;
            result.drawCursor = true;
        }
    };
    auto popup = [&](const char* menu) {
        env_.last = env_.cursor;
        result.menu = menuForLastPosition(menu);
    };
    switch (key) {
    case Key::Left:
        move(-1, 0);
        break;
    case Key::Right:
        move(1, 0);
        break;
    case Key::Up:
        move(0, -1);
        break;
    case Key::Down:
        move(0, 1);
        break;
    case Key::Delete:
        if (hooks_.pressDelete) {
            applyPlacement(hooks_.pressDelete(), result);
        }
        break;
    case Key::Enter: {
        env_.tool = 0;
        result.view = session.confirmByEnter(env_.validate, env_.prompts);
        if (result.view.cursorHome) {
            env_.cursor = {0, 0};
            env_.last = env_.cursor;
        }
        break;
    }
    case Key::Escape:
        result.view = session.DescartaLogica();
        break;
    case Key::F5:
        popup("PopupEntradas");
        break;
    case Key::F6:
        popup("PopupSaidas");
        break;
    case Key::F7:
        popup("PopupMenuTemp");
        break;
    case Key::F8:
        popup("PopupCont");
        break;
    case Key::F9:
        popup("PopupOpMat");
        break;
    case Key::F10:
        popup("PopupComp");
        break;
    case Key::F11:
        popup("PopupAvancadas");
        break;
    default:
        break;
    }
    return result;
}

InputResult InputController::keyPress(char ch) {
    InputResult result;
    if (ch == '\r' || ch == '\n') {
        typed_.clear();
        return result;
    }
    // Longer than the command it can no longer match until the next Enter.
    if (typed_.size() <= kComandoMonitor.size()) {
        typed_.push_back(ch);
    }
    if (text::toUpperAscii(typed_) == kComandoMonitor) {
        result.showMonitor = true;
    }
    return result;
}

void InputController::openEntry(CellPosition origin, const ElementKind& kind, int field,
                                bool placing, std::string text, InputResult& result) {
    entry_.visible = true;
    entry_.field = field;
    entry_.origin = origin;
    entry_.kind = &kind;
    entry_.mask = maskOf(kind, field, placing);
    if (entry_.mask.promptOnly) {
        text = entry_.mask.prefix + text;
    }
    entry_.text = std::move(text);
    entry_.selectAll = !entry_.mask.unmasked() || !entry_.text.empty();
    entry_.rect =
        entryRect(geometry_, kind, field, origin.column, origin.row, env_.session.workingCopy.topY);
    env_.placing = placing;
    result.entryChanged = true;
    result.view.keyPreview = ViewUpdate::KeyPreview::Off;
}

InputResult InputController::beginPlacingEntry(CellPosition origin) {
    InputResult result;
    const ElementKind* kind =
        elementOfCell(env_.session.workingCopy.element(origin.column, origin.row).text);
    if (kind == nullptr || routineOf(*kind) == FieldRoutine::None || kind->fieldSpecs.empty()) {
        return result;
    }
    openEntry(origin, *kind, 1, true, {}, result);
    return result;
}

InputResult InputController::editAtCursor() {
    InputResult result;
    const TLogica& wc = env_.session.workingCopy;
    const auto at = elementAt(wc, env_.cursor.column, env_.cursor.row);
    if (!env_.session.isOpen() || !at) {
        return result;
    }
    env_.placing = false;
    env_.last = env_.cursor;
    if (routineOf(*at->kind) == FieldRoutine::Pid) {
        return editField(1);
    }
    const auto field =
        fieldOfPart(*at->kind, cellPart(wc.element(env_.cursor.column, env_.cursor.row).text));
    if (!field) {
        return result;
    }
    const std::string& first = wc.element(at->column, at->row).text;
    openEntry({at->column, at->row}, *at->kind, *field, false,
              editingText(*at->kind, *field, cellField(first, *field).value_or("")), result);
    return result;
}

InputResult InputController::editField(int field) {
    InputResult result;
    TLogica& wc = env_.session.workingCopy;
    const auto at = elementAt(wc, env_.last.column, env_.last.row);
    if (!env_.session.isOpen() || !at) {
        return result;
    }
    env_.placing = false;
    TCelula& first = wc.element(at->column, at->row);
    if (routineOf(*at->kind) == FieldRoutine::Pid) {
        if (hooks_.pidDialog) {
            if (auto changed = hooks_.pidDialog(first.text)) {
                first.set(*changed);
                result.view.redrawOpenLogic = true;
            }
        }
        return result;
    }
    if (field < 1 || field > static_cast<int>(at->kind->fieldSpecs.size())) {
        return result;
    }
    openEntry({at->column, at->row}, *at->kind, field, false,
              editingText(*at->kind, field, cellField(first.text, field).value_or("")), result);
    return result;
}

Acceptance InputController::checkValue(const ElementKind& kind, int field, std::string& value) {
    const FieldRoutine routine = routineOf(kind);
    if (!storableText(value)) {
        env_.prompts.error(kTextoCaractereInvalido);
        return Acceptance::no();
    }
    if (normalisesOperands(routine)) {
        value = normaliseOperand(env_.operands.limits, env_.symbols, value);
    }
    const std::string_view prefix = identifierPrefix(kind);
    if (field == 1 && !prefix.empty() && !value.empty()) {
        value = std::string(prefix) + value;
    }
    const EntryContext ctx{env_.operands,        env_.session.program, env_.session.openLogic(),
                           entry_.origin.column, entry_.origin.row,    env_.programNames};
    return AceitaCampo(ctx, kind, field, value);
}

void InputController::moveCursorDown() {
    env_.cursor.row = std::min(env_.cursor.row + 1, kEditedRows - 1);
}

InputResult InputController::entryEnter(std::string_view shown) {
    InputResult result;
    result.consumed = true;
    if (!entry_.visible || entry_.kind == nullptr) {
        return result;
    }
    const ElementKind& kind = *entry_.kind;
    const int field = entry_.field;
    std::string value = typedValue(entry_.mask, shown);
    const Acceptance accepted = checkValue(kind, field, value);
    if (!accepted.accepted) {
        showRefusal(accepted, env_.prompts, env_.language);
        result.entryRefused = true;
        return result;
    }
    TCelula& first = env_.session.workingCopy.element(entry_.origin.column, entry_.origin.row);
    first.set(TrocaCampo(first.text, field, value));
    result.view.redrawOpenLogic = true;
    moveCursorDown();

    const FieldRoutine routine = routineOf(kind);
    const auto next = env_.placing ? nextPlacingField(kind, field) : std::nullopt;
    if (next) {
        openEntry(entry_.origin, kind, *next, true, {}, result);
        return result;
    }
    const bool placing = env_.placing;
    const CellPosition origin = entry_.origin;
    hideEntry(result);
    env_.placing = false;
    result.drawCursor = true;
    if (routine == FieldRoutine::Pid && placing && hooks_.pidDialog) {
        TCelula& pid = env_.session.workingCopy.element(origin.column, origin.row);
        if (auto changed = hooks_.pidDialog(pid.text)) {
            pid.set(*changed);
        }
    }
    if ((routine == FieldRoutine::Timer || routine == FieldRoutine::Counter ||
         routine == FieldRoutine::FastCounter) &&
        hooks_.timersChanged) {
        hooks_.timersChanged();
    }
    return result;
}

InputResult InputController::entryEscape() {
    // The entry is cancelled: the field keeps what it held, whatever the entry showed.
    InputResult result;
    result.consumed = true;
    if (!entry_.visible) {
        return result;
    }
    hideEntry(result);
    env_.placing = false;
    result.view.redrawOpenLogic = true;
    result.drawCursor = true;
    return result;
}

} // namespace velmora::ladder
