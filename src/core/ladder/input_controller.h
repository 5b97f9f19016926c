#pragma once

// The ladder editor's input, without any window: the mouse on the drawing, the keys the main
// window sees first, the operand entry field (EditValor) through which every parameter is
// typed, the typed-command buffer, and the editing of an existing element's parameters. Each
// event returns what the view must do; the editing operations themselves are reached through
// hooks, so every sequence can be driven as a list of events.

#include "core/ladder/acceptance.h"
#include "core/ladder/catalogue.h"
#include "core/ladder/editor_session.h"
#include "core/ladder/input_fields.h"
#include "core/ladder/input_hit.h"
#include "core/ladder/ladder_drawing.h"
#include "core/lang/language.h"
#include "core/operands/operand_tables.h"
#include "core/seams/prompts.h"
#include "core/tables/symbol_table.h"

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::ladder {

// Shown when a value holds a character no cell can keep.
// "Character not allowed: use letters, digits and signs without accents, and no #".
inline constexpr const char* kTextoCaractereInvalido =
    "Caractere n\xE3o permitido: use letras, n\xFAmeros e sinais sem acento, e nenhum \"#\"";
// Shown when re-coding an element left operands that the new kind does not take.
// "Operands that do not fit the new element were cleared".
inline constexpr const char* kTextoOperandosApagados =
    "Os operandos que n\xE3o servem ao novo elemento foram apagados";

inline constexpr int kMsgPresetNotNumber = 277;
inline constexpr int kMsgTimerPresetPrompt = 396;
inline constexpr int kMsgCounterPresetPrompt = 397;
inline constexpr int kMsgSymbolPrompt = 404;
inline constexpr int kMsgSymbolInUse = 250;

// The service command that shows the communication monitor.
inline constexpr std::string_view kComandoMonitor = "ZUNDERAK PLOVIGE";

// What a placement or click done by the editing operations left behind.
struct PlaceOutcome {
    bool changed = false;
    bool layout = false;
    // The first cell of a placed element whose operands are entered next.
    std::optional<CellPosition> operandEntry;
};

// The editing operations and the windows around the editor, as the input needs them.
// Unset hooks do nothing.
struct InputHooks {
    // A left click on a cell of the open logic with the current tool (cursor, tool, replacing,
    // placement, and the tool back to the arrow unless kept).
    std::function<PlaceOutcome(CellPosition cell)> click;
    // A placement with `tool` at the editing cursor, replacing what is there after asking.
    std::function<PlaceOutcome(int tool)> place;
    std::function<PlaceOutcome()> pressDelete;
    std::function<PlaceOutcome()> insertLink;
    std::function<PlaceOutcome()> deleteLink;
    std::function<PlaceOutcome()> fillLine;
    // The marked area from corner `from` to corner `to` (normalised, widened, highlighted).
    std::function<void(CellPosition from, CellPosition to)> markArea;
    std::function<void()> clearArea;
    // The title of logic n (header band).
    std::function<ViewUpdate(int logic)> editTitle;
    // The PID dialog on a PID block's first cell text; the changed text, or nothing.
    std::function<std::optional<std::string>(const std::string& firstCell)> pidDialog;
    // A timer or counter was entered or changed: the timers and counters table follows.
    std::function<void()> timersChanged;
    std::function<bool()> monitoringRunning;
    std::function<void()> stopMonitoring;
};

// The editor items the input reads and changes, owned elsewhere.
struct InputEnvironment {
    EditorSession& session;
    CellPosition& cursor;
    CellPosition& last; // last position: where the context menus act
    int& tool;
    bool& placing;
    tables::SymbolTable& symbols;
    const OperandTables& operands;
    Prompts& prompts;
    const Language& language;
    LogicValidator validate;
    std::span<const std::string> programNames = {};
};

enum class MouseButton { Left, Right, Middle };
enum class PointerShape { Arrow, Tool, Hand };
enum class Key {
    Left,
    Up,
    Right,
    Down,
    Delete,
    Enter,
    Escape,
    F4,
    F5,
    F6,
    F7,
    F8,
    F9,
    F10,
    F11,
    Other
};

// A context menu to open: its name, the items to hide and the item to check.
struct MenuRequest {
    std::string menu;
    std::vector<std::string> hidden;
    std::string checked;
    bool atCursor = false; // opened by a function key at the editing cursor, not at the pointer
    bool operator==(const MenuRequest&) const = default;
};

// The operand entry field as it must be shown.
struct EntryView {
    bool visible = false;
    int field = 0; // the Tag: number of the field being entered
    CellPosition origin;
    const ElementKind* kind = nullptr;
    EntryMask mask;
    std::string text;      // the body shown at first (without the mask's prefix)
    Rect rect;             // over the drawing, for logic top `top` given when placed
    bool selectAll = true; // the text selected (or the caret at its end)
};

// What the view must do after an event.
struct InputResult {
    ViewUpdate view;
    bool drawCursor = false;
    bool consumed = false; // the key is not passed on
    bool hideMemo = false; // MemoComentario hides
    bool focusScrollBar = false;
    bool togglePage = false;   // F4: ladder page <-> instruction-list page
    bool showMonitor = false;  // the communication monitor window
    bool entryChanged = false; // EditValor shows, moves or hides: read entry()
    bool entryRefused = false; // the typed value was refused: EditValor stays, text selected
    std::optional<MenuRequest> menu;
};

class InputController {
public:
    InputController(InputEnvironment env, InputHooks hooks);

    // Pointer tracking; `g` is the geometry the page was last laid out with.
    InputResult mouseMove(const LadderGeometry& g, int x, int y);
    InputResult mouseDown(const LadderGeometry& g, MouseButton button, int x, int y,
                          bool memoVisible = false);
    InputResult mouseUp(const LadderGeometry& g, int x, int y);
    InputResult doubleClick(const LadderGeometry& g, int x, int y);

    // Keys the main window sees while a logic is open (key preview); `ladderPage` when the
    // ladder page is shown.
    InputResult keyDown(Key key, bool ladderPage = true);
    // A character typed into the main window.
    InputResult keyPress(char ch);

    // EditValor: Enter with the text it shows, and Escape.
    InputResult entryEnter(std::string_view shown);
    InputResult entryEscape();

    // Operand entry of a just placed element at `origin` (placing mode, first field).
    InputResult beginPlacingEntry(CellPosition origin);
    // Parameter editing of the element at the editing cursor (the double click).
    InputResult editAtCursor();
    // Parameter editing of field `field` of the element at the last position (menu items).
    InputResult editField(int field);

    // A context-menu item, by its component name.
    InputResult menuItem(std::string_view item);
    // The context menu for the element at the last position (right button or function key).
    std::optional<MenuRequest> menuForLastPosition(const std::string& menu = {}) const;

    const EntryView& entry() const { return entry_; }
    const PointerHit& pointer() const { return pointer_; }
    PointerShape pointerShape() const;
    // "Linha : r ; Col :c" for the status bar, empty when the pointer is over no cell.
    std::string pointerStatus() const;
    // The key preview: on while a logic is open and EditValor hidden.
    bool keyPreview() const { return env_.session.isOpen() && !entry_.visible; }
    const std::string& typedCommand() const { return typed_; }
    // Sets the top of the open logic for placing the entry field (after each layout pass).
    void setGeometry(const LadderGeometry& g) { geometry_ = g; }

private:
    bool monitoring() const;
    void openEntry(CellPosition origin, const ElementKind& kind, int field, bool placing,
                   std::string text, InputResult& result);
    void hideEntry(InputResult& result);
    void moveCursorDown();
    void applyPlacement(const PlaceOutcome& outcome, InputResult& result);
    Acceptance checkValue(const ElementKind& kind, int field, std::string& value);
    InputResult recode(std::string_view code);
    InputResult presetItem();
    InputResult baseItem(std::string_view value);
    InputResult symbolItem();

    InputEnvironment env_;
    InputHooks hooks_;
    LadderGeometry geometry_;
    PointerHit pointer_;
    std::optional<CellPosition> firstCorner_;
    EntryView entry_;
    std::string typed_;
};

} // namespace velmora::ladder
