#include "core/ladder/ladder_drawing_parts.h"

#include "core/ladder/cell.h"
#include "core/operands/operand_class.h"

namespace velmora::ladder::drawing {

std::string field(const ElementPlace& e, int k) {
    return cellField(e.text, k).value_or(std::string());
}

std::string centred(std::string_view text, int n) {
    const int length = static_cast<int>(text.size());
    std::string out;
    if (length < n) {
        out.assign(static_cast<std::size_t>((n - length) / 2), ' ');
    }
    out.append(text);
    return out;
}

void symbolPen(LadderDrawContext& ctx) {
    ctx.canvas.setPen(Pen{colors::black, ctx.thickLines ? ctx.geometry.lineWidth : 1});
}

void fill(LadderDrawContext& ctx, const Rect& r, Color color) {
    ctx.canvas.setBrush(Brush{color});
    ctx.canvas.fillRect(r);
}

void box(LadderDrawContext& ctx, const Rect& r, Color background) {
    symbolPen(ctx);
    ctx.canvas.setBrush(Brush{background});
    ctx.canvas.rectangle(r);
}

void wire(LadderDrawContext& ctx, int x1, int x2, int y) {
    ctx.canvas.line({x1, y}, {x2, y});
}

void write(LadderDrawContext& ctx, Point p, std::string_view text, const char* family, int height,
           Color background, bool bold, Color color, bool clear) {
    Font font;
    font.family = family;
    font.pixelHeight = height;
    font.bold = bold;
    font.color = color;
    ctx.canvas.setFont(font);
    ctx.canvas.setBrush(clear ? Brush{background, Brush::Style::Clear} : Brush{background});
    ctx.canvas.text(p, std::string(text));
}

std::string symbolOf(const LadderDrawContext& ctx, std::string_view operand) {
    return tables::SimboloDoEndereco(ctx.symbols, operand);
}

bool isVariable(std::string_view operand) {
    const std::string cls = ClasseOperando(operand);
    return isOperandClass(cls) && cls != "N";
}

std::optional<std::int32_t> shownValue(const LadderDrawContext& ctx, std::string_view operand) {
    if (!ctx.monitor.drawsValues()) {
        return std::nullopt;
    }
    return ctx.monitor.value(operand);
}

void forceMark(LadderDrawContext& ctx, std::string_view operand, Point p, int height) {
    if (ctx.monitor.drawsValues() && ctx.monitor.forced(operand)) {
        write(ctx, p, "f", kArial, height, colors::white, true, colors::green, true);
    }
}

} // namespace velmora::ladder::drawing
