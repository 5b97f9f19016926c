// Box elements: timers, counters, the fast counter, comparisons, moves, arithmetic, PID, PRP
// and the one-row OPR, CAL and JMP blocks, with their labels and operand texts.
#include "core/ladder/ladder_drawing_parts.h"

#include <initializer_list>
#include <string>
#include <vector>

namespace velmora::ladder::drawing {

namespace {

struct Label {
    const char* text;
    double a; // x = x + a * W
    double c; // y = b + c * H
};

struct BoxShape {
    double x1, x2, y1, y2; // the box, as fractions of W and H
    std::vector<int> inputs;
    std::vector<int> outputs;
    std::vector<Label> labels;
};

BoxShape shapeOf(const ElementKind& kind) {
    const std::string_view code = kind.code;
    switch (kind.family) {
    case Family::Timer: {
        const Label title = code == "TON"   ? Label{"TON", 0.357, 0.65}
                            : code == "TOF" ? Label{"TOFF", 0.3, 0.65}
                                            : Label{"TP", 0.41, 0.65};
        return {0.142, 0.828, 0.015, 0.9, {0}, {0}, {{"E", 0.18, 0.08}, {"Q", 0.668, 0.08}, title}};
    }
    case Family::Counter:
        if (code == "CUP") {
            return {0.142,
                    0.828,
                    0.015,
                    0.9,
                    {0, 1},
                    {0},
                    {{"CU", 0.18, 0.08}, {"Q", 0.668, 0.08}, {"R", 0.18, 0.67}}};
        }
        if (code == "CDO") {
            return {0.142,
                    0.828,
                    0.015,
                    0.9,
                    {0, 1},
                    {0},
                    {{"CD", 0.18, 0.08}, {"E", 0.668, 0.08}, {"P", 0.18, 0.67}}};
        }
        return {0.142,
                0.828,
                0.015,
                0.98,
                {0, 1, 2, 3},
                {0, 1, 2},
                {{"R", 0.18, 0.03},
                 {"E", 0.69, 0.03},
                 {"S", 0.18, 0.31},
                 {"D", 0.69, 0.31},
                 {"CU", 0.18, 0.6},
                 {"F", 0.69, 0.6},
                 {"CD", 0.18, 0.87},
                 {"CUD", 0.35, 0.75}}};
    case Family::FastCounter:
        return {0.05,
                0.95,
                0.015,
                0.98,
                {0, 1, 2},
                {},
                {{"E", 0.18, 0.05}, {"R", 0.18, 0.45}, {"D", 0.18, 0.85}}};
    case Family::Pid:
        return {0.142, 0.928, 0.015, 0.98, {0, 1}, {}, {{"E", 0.18, 0.03}, {"LD", 0.18, 0.31}}};
    case Family::Parameters:
        return {0.07,
                0.95,
                0.015,
                0.98,
                {0, 2, 4},
                {},
                {{"E", 0.13, 0.03}, {"X1", 0.13, 0.47}, {"X2", 0.13, 0.9}}};
    case Family::Comparison:
        return {0.1, 0.9, 0.015, 0.9, {0}, {0}, {}};
    case Family::Arithmetic:
        return {0.08, 0.95, 0.015, 0.9, {0}, {}, {{"=", 0.45, 0.59}}};
    case Family::Move:
        return {0.07, 0.9, 0.015, 0.9, {0}, {}, {}};
    default:
        return {0.142, 0.95, 0.065, 0.9, {0}, {}, {}};
    }
}

// "> B", "<= W", "<> L" ...: the comparison by the code's third character, the width by the
// catalogue.
std::string comparisonLabel(const ElementKind& kind) {
    static constexpr std::string_view order = "123456789ABCDEFGHI";
    static constexpr const char* ops[] = {">", "<", ">=", "<=", "=", "<>"};
    const auto at = order.find(kind.code.size() > 2 ? kind.code[2] : '?');
    const char* op = at == std::string_view::npos ? "?" : ops[at % 6];
    const char* width = kind.width() == 1 ? "B" : kind.width() == 2 ? "W" : "L";
    return std::string(op) + " " + width;
}

std::string operationLabel(const ElementKind& kind) {
    const std::string_view op = kind.code.substr(0, 2);
    const char* sign = op == "SM" ? "+" : op == "SB" ? "-" : op == "ML" ? "X" : "/";
    const char* width = kind.width() == 1 ? "B" : kind.width() == 2 ? "W" : "L";
    return std::string(sign) + " " + width;
}

std::string valueText(std::int32_t v) {
    return std::to_string(v);
}

// The identifier and the second text of timers, counters, the fast counter and PID.
void identifierTexts(LadderDrawContext& ctx, const ElementPlace& e) {
    const LadderGeometry& g = ctx.geometry;
    const int W = g.columnWidth;
    const int rh = g.rowHeight;
    const std::string_view code = e.kind->code;
    const char* font = kArial;
    Point id{e.x, e.t + 3};
    Point second{e.x + frac(0.18, W), e.t + frac(1.1, rh)};
    switch (e.kind->family) {
    case Family::Timer:
        font = kVerdana;
        id.x = e.x + static_cast<int>(W / 5.83);
        second.x = id.x;
        break;
    case Family::Counter:
        if (code == "CDO") {
            font = kVerdana;
        } else if (code == "CUD") {
            second.y = e.t + frac(1.2, rh);
        }
        break;
    case Family::FastCounter:
        second.y = e.t + frac(1.15, rh);
        break;
    case Family::Pid:
        second.y = e.t + frac(1.2, rh);
        break;
    default:
        return;
    }
    const std::string identifier = field(e, 1);
    const std::string shown =
        ctx.display == OperandDisplay::Endereco ? identifier : symbolOf(ctx, identifier);
    write(ctx, id, centred(shown, 12), font, g.fontSize, e.background);
    std::string secondText = field(e, 2);
    if (const auto v = shownValue(ctx, identifier + ".V")) {
        secondText = valueText(*v);
    }
    write(ctx, second, centred(secondText, 9), font, g.fontSize, e.background);
}

void parameterTexts(LadderDrawContext& ctx, const ElementPlace& e) {
    const LadderGeometry& g = ctx.geometry;
    static constexpr double rows[] = {1.28, 2.3, 3.58, 4.61};
    for (int k = 1; k <= 4; ++k) {
        const std::string operand = field(e, k);
        std::string shown =
            ctx.display == OperandDisplay::Endereco ? operand : symbolOf(ctx, operand);
        if (const auto v = shownValue(ctx, operand)) {
            shown = valueText(*v);
        }
        write(ctx, {e.x + frac(0.09, g.columnWidth), e.t + frac(rows[k - 1], g.rowHeight)},
              centred(shown, 8), kVerdana, g.fontSize, e.background);
    }
}

enum class Group { Comparison, Move, Arithmetic };

// Fields 1, 2 (and 3 for arithmetic) of comparisons, moves and arithmetic.
void dataTexts(LadderDrawContext& ctx, const ElementPlace& e, Group group) {
    const LadderGeometry& g = ctx.geometry;
    const int W = g.columnWidth;
    const int rh = g.rowHeight;
    const int count = group == Group::Arithmetic ? 3 : 2;
    const auto at = [&](double d, double f) { return Point{e.x + frac(d, W), e.t + frac(f, rh)}; };
    const auto put = [&](Point p, const std::string& text, int n) {
        write(ctx, p, centred(text, n), kArial, g.fontSize, e.background);
    };
    for (int k = 1; k <= count; ++k) {
        const std::string operand = field(e, k);
        const std::string symbol = symbolOf(ctx, operand);
        const bool variable = isVariable(operand);
        const auto value = variable ? shownValue(ctx, operand) : std::nullopt;
        const int i = k - 1;
        switch (ctx.display) {
        case OperandDisplay::Endereco: {
            static constexpr double fc[] = {0.64, 1.41};
            static constexpr double fa[] = {0.85, 1.8, 2.5};
            const std::string shown = value ? valueText(*value) : operand;
            if (group == Group::Arithmetic) {
                put(at(0.12, fa[i]), shown, 8);
            } else {
                put(at(group == Group::Move ? 0.1 : 0.13, fc[i]), shown, 6);
            }
            break;
        }
        case OperandDisplay::Simbolo: {
            static constexpr double fc[] = {0.64, 1.41};
            static constexpr double fa[] = {0.9, 1.8, 2.5};
            if (group == Group::Comparison) {
                put(at(0.13, fc[i]), value ? valueText(*value) : symbol, 6);
            } else if (group == Group::Move) {
                put(at(0.1, fc[i]), symbol, 6);
            } else {
                put(at(0.12, fa[i]), symbol, 10);
            }
            break;
        }
        case OperandDisplay::SimboloEndereco: {
            static constexpr double fc[][3] = {{0.7, 0.9, 0.8}, {1.4, 1.6, 1.5}};
            static constexpr double fa[][3] = {
                {0.75, 0.95, 0.85}, {1.7, 1.9, 1.8}, {2.4, 2.6, 2.5}};
            const double* f = group == Group::Arithmetic ? fa[i] : fc[i];
            const bool monitoring = ctx.monitor.drawsValues();
            if ((variable && symbol != operand) || monitoring) {
                if (monitoring && value) {
                    put(at(0.12, f[0]), valueText(*value), 8);
                } else {
                    put(at(0.12, f[0]), operand, 10);
                }
                put(at(0.12, f[1]), symbol, 10);
            } else {
                put(at(0.12, f[2]), operand, 10);
            }
            break;
        }
        }
        static constexpr double marks[][3] = {{0.9, 1.6, 0}, {0.8, 1.6, 0}, {1.0, 1.8, 2.5}};
        forceMark(ctx, operand, {e.x + W, e.t + frac(marks[static_cast<int>(group)][i], rh)},
                  g.fontSize);
    }
}

void oneRowBlock(LadderDrawContext& ctx, const ElementPlace& e) {
    const LadderGeometry& g = ctx.geometry;
    const int W = g.columnWidth;
    const int rh = g.rowHeight;
    const int columns = e.kind->columns();
    const int L = columns * W + (columns - 1) * g.columnGap;
    const double top = e.kind->family == Family::Jump ? 0.068 : 0.065;
    fill(ctx, {e.x, e.t, e.x + L, e.t + rh}, e.background);
    symbolPen(ctx);
    wire(ctx, e.x, e.x + frac(0.142, W), e.Y);
    box(ctx, {e.x + frac(0.142, W), e.t + frac(top, rh), e.x + frac(0.95, L), e.t + frac(0.9, rh)},
        e.background);
    const char* title = e.kind->family == Family::Operation ? "OPERATE"
                        : e.kind->family == Family::Call    ? "CALL"
                                                            : "JUMP";
    write(ctx, {e.x + frac(0.4, L), e.t}, title, kArial, g.fontSize, e.background, false,
          colors::black, true);
    const Point p = e.kind->family == Family::Operation
                        ? Point{e.x + frac(0.35, W), e.t + frac(0.38, rh)}
                        : Point{e.x + frac(0.333, W), e.t + frac(0.5, rh)};
    write(ctx, p, field(e, 1), kArial, g.fontSize, e.background);
}

void arrow(LadderDrawContext& ctx, const ElementPlace& e, int H, bool down) {
    const int W = ctx.geometry.columnWidth;
    const auto p = [&](double a, double c) { return Point{e.x + frac(a, W), e.b + frac(c, H)}; };
    symbolPen(ctx);
    ctx.canvas.setBrush(Brush{colors::black});
    if (down) {
        ctx.canvas.line(p(0.5, 0.4), p(0.5, 0.45));
        ctx.canvas.polygon({p(0.45, 0.45), p(0.56, 0.45), p(0.5, 0.5)});
    } else {
        ctx.canvas.line(p(0.4, 0.45), p(0.45, 0.45));
        ctx.canvas.polygon({p(0.45, 0.4), p(0.45, 0.51), p(0.5, 0.45)});
    }
}

void moveMarks(LadderDrawContext& ctx, const ElementPlace& e, int H) {
    const LadderGeometry& g = ctx.geometry;
    const int W = g.columnWidth;
    const std::string_view code = e.kind->code;
    const auto label = [&](const char* text, double a, double c) {
        write(ctx, {e.x + frac(a, W), e.b + frac(c, H)}, text, kArial, g.fontSize, e.background);
    };
    const auto title = [&](const char* text, double a) {
        write(ctx, {e.x + frac(a, W), e.t + frac(0.11, g.rowHeight)}, text, kArial, g.fontSize,
              e.background);
    };
    if (code.substr(0, 2) == "MP") {
        static constexpr const char* titles[] = {"MOVP_DEST_B", "MOVP_ORI_B", "MOVP_DEST_W",
                                                 "MOVP_ORI_W"};
        const int n = code.size() > 2 && code[2] >= '1' && code[2] <= '4' ? code[2] - '1' : 0;
        arrow(ctx, e, H, true);
        title(titles[n], 0.1);
        return;
    }
    // Source and destination widths: MBB, MWW, MBW, MWB.
    const char from[2] = {code.size() > 1 ? code[1] : '?', '\0'};
    const char to[2] = {code.size() > 2 ? code[2] : '?', '\0'};
    label(from, 0.25, 0.37);
    label(to, 0.55, 0.37);
    arrow(ctx, e, H, false);
    title("MOV", 0.3);
}

} // namespace

void drawBoxElement(LadderDrawContext& ctx, const ElementPlace& e) {
    const Family family = e.kind->family;
    if (family == Family::Operation || family == Family::Call || family == Family::Jump) {
        oneRowBlock(ctx, e);
        return;
    }
    const LadderGeometry& g = ctx.geometry;
    const int W = g.columnWidth;
    const int n = e.kind->rows();
    const int H = g.symbolBand + (n - 1) * g.rowPitch();
    const BoxShape shape = shapeOf(*e.kind);

    fill(ctx, {e.x, e.b, e.x + W, e.b + H}, e.background);
    const int left = e.x + frac(shape.x1, W);
    const int right = e.x + frac(shape.x2, W);
    symbolPen(ctx);
    for (int row : shape.inputs) {
        wire(ctx, e.x, left, e.Y + row * g.rowPitch());
    }
    for (int row : shape.outputs) {
        wire(ctx, right, e.x + W, e.Y + row * g.rowPitch());
    }
    box(ctx, {left, e.b + frac(shape.y1, H), right, e.b + frac(shape.y2, H)}, e.background);
    for (const Label& l : shape.labels) {
        write(ctx, {e.x + frac(l.a, W), e.b + frac(l.c, H)}, l.text, kArial, g.fontSize,
              e.background, false, colors::black, true);
    }
    switch (family) {
    case Family::Comparison: {
        const std::string label = comparisonLabel(*e.kind);
        const bool narrow = label.size() == 3 && e.kind->width() != 4;
        write(ctx, {e.x + frac(narrow ? 0.45 : 0.35, W), e.b + frac(0.4, H)}, label, kArial,
              g.fontSize, e.background);
        dataTexts(ctx, e, Group::Comparison);
        break;
    }
    case Family::Arithmetic:
        write(ctx, {e.x + frac(0.45, W), e.b + frac(0.32, H)}, operationLabel(*e.kind), kArial,
              g.fontSize, e.background);
        dataTexts(ctx, e, Group::Arithmetic);
        break;
    case Family::Move:
        moveMarks(ctx, e, H);
        dataTexts(ctx, e, Group::Move);
        break;
    case Family::Parameters:
        parameterTexts(ctx, e);
        break;
    default:
        identifierTexts(ctx, e);
        break;
    }
}

} // namespace velmora::ladder::drawing
