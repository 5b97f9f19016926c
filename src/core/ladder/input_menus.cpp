// The context menus of the ladder editor: which menu an element opens, the items it hides and
// checks, and what each item does to the element at the last position.

#include "core/ladder/cell.h"
#include "core/ladder/input_controller.h"
#include "core/text/strings.h"

#include <algorithm>
#include <array>

namespace velmora::ladder {

namespace {

struct MenuSpec {
    std::string_view menu;
    std::array<Family, 6> families; // element families whose parameters it edits
    int familyCount;
    // Items that give the element a kind, with the code they give.
    std::vector<std::pair<std::string_view, std::string_view>> kinds;
    std::vector<std::string_view> parameterItems;
};

const std::vector<MenuSpec>& menus() {
    static const std::vector<MenuSpec> kMenus = {
        {"PopupEntradas",
         {Family::Contact},
         1,
         {{"miContatoNormalmenteAberto", "CNA"},
          {"miContantoNormalmenteFechado", "CNF"},
          {"miContatoporBordaPositiva", "CBP"},
          {"miContatoporBordaNegativa", "CBN"}},
         {"miAlteraSimboloContato", "miAlterarEnderecoContato"}},
        {"PopupSaidas",
         {Family::Coil},
         1,
         {{"miSaidaSimples", "BOB"},
          {"miSaidaComplementar", "BON"},
          {"miBobinaSet", "BOS"},
          {"miBobinaReset", "BOR"}},
         {"miAlterarSimboloSaidas", "miAlterarEnderecoSaidas"}},
        {"PopupMenuTemp",
         {Family::Timer},
         1,
         {{"miTON", "TON"}, {"miTOFF", "TOF"}, {"miTP", "TPP"}},
         {"miIdentificadorTime", "miPresetTimer", "miBaseTimer"}},
        {"PopupCont",
         {Family::Counter},
         1,
         {{"miContadorUP", "CUP"}, {"miContadorDown", "CDO"}},
         {"miIdentificador", "miPreset"}},
        {"PopupOpMat",
         {Family::Arithmetic},
         1,
         {{"MISoma_B", "SMB"},
          {"MISubtracao_B", "SBB"},
          {"MIMultiplicacao_B", "MLB"},
          {"MIDivisao_B", "DVB"}},
         {"miAltOp1", "miAltOp2", "miAltOp3"}},
        {"PopupComp",
         {Family::Comparison},
         1,
         {{"MIigual", "CM5"},
          {"MiMaior", "CM1"},
          {"MiMaiorIgual", "CM3"},
          {"MiMenor", "CM2"},
          {"Mimenorigual", "CM4"},
          {"Midiferente", "CM6"}},
         {"MiAltOp1Comp", "MiAltOp2Comp"}},
        {"PopupAvancadas",
         {Family::Move, Family::FastCounter, Family::Operation, Family::Call, Family::Jump,
          Family::Pid},
         6,
         {},
         {"miAltOpr1", "miAltOpr2", "miEditar"}},
    };
    return kMenus;
}

const MenuSpec* specOf(std::string_view menu) {
    for (const auto& m : menus()) {
        if (m.menu == menu) {
            return &m;
        }
    }
    return nullptr;
}

bool editsFamily(const MenuSpec& m, Family f) {
    return std::find(m.families.begin(), m.families.begin() + m.familyCount, f) !=
           m.families.begin() + m.familyCount;
}

// The menu the right button opens for an element of family f.
std::string_view menuOfFamily(Family f) {
    switch (f) {
    case Family::Timer:
        return "PopupMenuTemp";
    case Family::Counter:
        return "PopupCont";
    case Family::Coil:
        return "PopupSaidas";
    case Family::Contact:
        return "PopupEntradas";
    case Family::Arithmetic:
        return "PopupOpMat";
    case Family::Comparison:
        return "PopupComp";
    default:
        return {};
    }
}

std::string lower(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
    return out;
}

bool startsWith(std::string_view s, std::string_view p) {
    return s.substr(0, p.size()) == p;
}
bool contains(std::string_view s, std::string_view p) {
    return s.find(p) != std::string_view::npos;
}

// The trace items that every menu carries, by the words of their names.
enum class Trace { None, InsertLink, DeleteLink, Line, Fill };
Trace traceOf(std::string_view item) {
    const std::string n = lower(item);
    const bool vertical = contains(n, "tracovertical");
    const bool horizontal = contains(n, "tracohorizontal");
    if (startsWith(n, "miinser") && vertical) {
        return Trace::InsertLink;
    }
    if (startsWith(n, "miapaga") && vertical) {
        return Trace::DeleteLink;
    }
    if (startsWith(n, "miinser") && horizontal) {
        return Trace::Line;
    }
    if (startsWith(n, "micompleta") && horizontal) {
        return Trace::Fill;
    }
    return Trace::None;
}

// The field a parameter item edits; 0 for items that are not field edits.
int fieldOfItem(std::string_view item) {
    static const std::pair<std::string_view, int> kItems[] = {
        {"miAlterarEnderecoContato", 1},
        {"miAlterarEnderecoSaidas", 1},
        {"miIdentificadorTime", 1},
        {"miIdentificador", 1},
        {"miAltOp1", 1},
        {"miAltOp2", 2},
        {"miAltOp3", 3},
        {"MiAltOp1Comp", 1},
        {"MiAltOp2Comp", 2},
        {"miAltOpr1", 1},
        {"miAltOpr2", 2},
        {"miEditar", 1},
    };
    for (const auto& [name, field] : kItems) {
        if (name == item) {
            return field;
        }
    }
    return 0;
}

// Items of PopupAvancadas that place an element, with the tool.
int placingToolOfItem(std::string_view item) {
    if (item == "miMove") {
        return 57; // MBB
    }
    if (item == "miCr1") {
        return 43; // fast counter
    }
    return 0;
}

constexpr std::pair<std::string_view, std::string_view> kBaseItems[] = {
    {"miBase1s", "1"}, {"miBase01s", "2"}, {"miBase001s", "3"}, {"miBase0001s", "4"}};

} // namespace

std::optional<MenuRequest> InputController::menuForLastPosition(const std::string& menu) const {
    const TLogica& wc = env_.session.workingCopy;
    const auto at = elementAt(wc, env_.last.column, env_.last.row);
    const bool byKey = !menu.empty();
    std::string name = menu;
    if (!byKey) {
        if (!at) {
            return std::nullopt;
        }
        name = std::string(menuOfFamily(at->kind->family));
        if (name.empty()) {
            return std::nullopt;
        }
    }
    const MenuSpec* menuSpec = specOf(name);
    if (menuSpec == nullptr) {
        return std::nullopt;
    }
    MenuRequest request{name, {}, {}, byKey};
    const bool ofFamily = at && editsFamily(*menuSpec, at->kind->family);
    for (const auto& [item, code] : menuSpec->kinds) {
        if (at && at->kind->code == code) {
            request.hidden.emplace_back(item);
        }
    }
    if (byKey && !ofFamily) {
        for (auto item : menuSpec->parameterItems) {
            request.hidden.emplace_back(item);
        }
    }
    if (ofFamily && at->kind->family == Family::Timer) {
        const auto base = cellField(wc.element(at->column, at->row).text, 3).value_or("");
        for (const auto& [item, value] : kBaseItems) {
            if (base == value) {
                request.checked = std::string(item);
            }
        }
    }
    return request;
}

InputResult InputController::menuItem(std::string_view item) {
    InputResult result;
    if (!env_.session.isOpen()) {
        return result;
    }
    auto run = [&](const std::function<PlaceOutcome()>& hook) {
        env_.cursor = env_.last;
        if (hook) {
            applyPlacement(hook(), result);
        }
    };
    switch (traceOf(item)) {
    case Trace::InsertLink:
        run(hooks_.insertLink);
        return result;
    case Trace::DeleteLink:
        run(hooks_.deleteLink);
        return result;
    case Trace::Fill:
        run(hooks_.fillLine);
        return result;
    case Trace::Line:
        if (hooks_.place) {
            run([&] { return hooks_.place(26); });
        }
        return result;
    case Trace::None:
        break;
    }
    if (item == "miAlteraSimboloContato" || item == "miAlterarSimboloSaidas") {
        return symbolItem();
    }
    if (item == "miPresetTimer" || item == "miPreset") {
        return presetItem();
    }
    for (const auto& [name, value] : kBaseItems) {
        if (name == item) {
            return baseItem(value);
        }
    }
    if (const int field = fieldOfItem(item); field != 0) {
        return editField(field);
    }
    if (const int tool = placingToolOfItem(item); tool != 0) {
        if (hooks_.place) {
            run([&] { return hooks_.place(tool); });
        }
        return result;
    }
    for (const auto& m : menus()) {
        for (const auto& [name, code] : m.kinds) {
            if (name == item) {
                return recode(code);
            }
        }
    }
    // The word arithmetic items and the pointer moves of older programs do nothing.
    return result;
}

InputResult InputController::recode(std::string_view code) {
    InputResult result;
    const ElementKind* kind = findElement(code);
    if (kind == nullptr) {
        return result;
    }
    TLogica& wc = env_.session.workingCopy;
    const auto at = elementAt(wc, env_.last.column, env_.last.row);
    if (!at || at->kind->family == Family::Line || at->kind->family != kind->family) {
        // An empty cell, a line or another kind of element: a placement (which asks before
        // replacing what is there).
        env_.cursor = env_.last;
        if (hooks_.place && kind->tools[0] != 0) {
            applyPlacement(hooks_.place(kind->tools[0]), result);
        }
        return result;
    }
    if (at->kind == kind) {
        return result;
    }
    // The same family: the code of every cell changes; cells the new kind lacks are emptied.
    for (int p = 1; p <= at->kind->cellCount; ++p) {
        TCelula& cell = at->kind->shape == Shape::Horizontal
                            ? wc.element(at->column + p - 1, at->row)
                            : wc.element(at->column, at->row + p - 1);
        if (p > kind->cellCount) {
            cell.clear();
        } else {
            cell.set(std::string(kind->code) +
                     cell.text.substr(std::min<std::size_t>(3, cell.text.size())));
        }
    }
    // A word element turned byte keeps no operand the byte element cannot take.
    if (kind->family == Family::Comparison || kind->family == Family::Arithmetic) {
        TCelula& first = wc.element(at->column, at->row);
        const EntryContext ctx{
            env_.operands, env_.session.program, env_.session.openLogic(), at->column,
            at->row,       env_.programNames};
        bool cleared = false;
        for (int k = 1; k <= static_cast<int>(kind->fieldSpecs.size()); ++k) {
            const auto value = cellField(first.text, k);
            if (!value || *value == kBlankField || *value == "% ") {
                continue;
            }
            if (!AceitaCampo(ctx, *kind, k, *value).accepted) {
                first.set(TrocaCampo(first.text, k, kBlankField));
                cleared = true;
            }
        }
        if (cleared) {
            env_.prompts.information(kTextoOperandosApagados);
        }
    }
    if (kind->family == Family::Timer || kind->family == Family::Counter) {
        if (hooks_.timersChanged) {
            hooks_.timersChanged();
        }
    }
    result.view.redrawOpenLogic = true;
    result.drawCursor = true;
    return result;
}

InputResult InputController::presetItem() {
    InputResult result;
    TLogica& wc = env_.session.workingCopy;
    const auto at = elementAt(wc, env_.last.column, env_.last.row);
    if (!at || (at->kind->family != Family::Timer && at->kind->family != Family::Counter)) {
        return result;
    }
    TCelula& first = wc.element(at->column, at->row);
    std::string current = cellField(first.text, 2).value_or("");
    if (current == kBlankField) {
        current.clear();
    }
    const int prompt =
        at->kind->family == Family::Timer ? kMsgTimerPresetPrompt : kMsgCounterPresetPrompt;
    const auto answer = env_.prompts.input("Velmora", env_.language.text(prompt), current);
    if (!answer) {
        return result;
    }
    const std::string value(text::trimmed(*answer));
    const EntryContext ctx{
        env_.operands, env_.session.program, env_.session.openLogic(), at->column,
        at->row,       env_.programNames};
    // The preset rule applies here as in the entry field: decimal, 0 ... 65535.
    if (!AceitaCampo(ctx, *at->kind, 2, value).accepted) {
        env_.prompts.information(env_.language.text(kMsgPresetNotNumber));
        return result;
    }
    first.set(TrocaCampo(first.text, 2, value));
    if (hooks_.timersChanged) {
        hooks_.timersChanged();
    }
    result.view.redrawOpenLogic = true;
    result.drawCursor = true;
    return result;
}

InputResult InputController::baseItem(std::string_view value) {
    InputResult result;
    TLogica& wc = env_.session.workingCopy;
    const auto at = elementAt(wc, env_.last.column, env_.last.row);
    if (!at || at->kind->family != Family::Timer) {
        return result;
    }
    TCelula& first = wc.element(at->column, at->row);
    first.set(TrocaCampo(first.text, 3, value));
    if (hooks_.timersChanged) {
        hooks_.timersChanged();
    }
    result.view.redrawOpenLogic = true;
    result.drawCursor = true;
    return result;
}

InputResult InputController::symbolItem() {
    InputResult result;
    const TLogica& wc = env_.session.workingCopy;
    const auto at = elementAt(wc, env_.last.column, env_.last.row);
    if (!at || (at->kind->family != Family::Contact && at->kind->family != Family::Coil)) {
        return result;
    }
    const std::string operand = cellField(wc.element(at->column, at->row).text, 1).value_or("");
    // A placeholder is no address to name.
    if (!OperandoNaFaixa(env_.operands.limits, operand)) {
        return result;
    }
    std::string current = tables::SimboloDoEndereco(env_.symbols, operand);
    if (current == operand) {
        current.clear();
    }
    const auto answer =
        env_.prompts.input("Velmora", env_.language.text(kMsgSymbolPrompt) + operand, current);
    if (!answer) {
        return result;
    }
    std::string symbol = text::toUpperAscii(*answer);
    symbol = symbol.substr(0, tables::kSymbolCapacity);
    const std::string owner = tables::EnderecoDoSimbolo(env_.symbols, symbol);
    if (!symbol.empty() && !owner.empty() && owner != operand) {
        env_.prompts.information(env_.language.text(kMsgSymbolInUse));
        return result;
    }
    tables::DefineSimbolo(env_.symbols, operand, symbol);
    result.view.redrawOpenLogic = true;
    result.drawCursor = true;
    return result;
}

} // namespace velmora::ladder
