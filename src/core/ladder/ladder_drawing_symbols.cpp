// Contacts, coils and horizontal lines: one cell each, the operand text in the address band and
// the symbol on the wire.
#include "core/ladder/ladder_drawing_parts.h"

namespace velmora::ladder::drawing {

namespace {

void operandTexts(LadderDrawContext& ctx, const ElementPlace& e, std::string_view address) {
    const LadderGeometry& g = ctx.geometry;
    const int W = g.columnWidth;
    const int x = e.x + frac(0.0714, W);
    const int y = e.t + frac(e.kind->code == "BOB" ? 0.0769 : 0.0764, W);
    const std::string symbol = symbolOf(ctx, address);
    switch (ctx.display) {
    case OperandDisplay::Endereco:
        write(ctx, {x, y}, centred(address, 10), kVerdana, g.fontSize, e.background);
        break;
    case OperandDisplay::Simbolo:
        write(ctx, {x, y}, centred(symbol, 10), kVerdana, g.fontSize, e.background);
        break;
    case OperandDisplay::SimboloEndereco:
        if (symbol != address) {
            write(ctx, {x, e.t + frac(0.0769, W)}, centred(address, 10), kVerdana, g.fontSize,
                  e.background);
            write(ctx, {x, e.t + frac(0.25, W)}, centred(symbol, 10), kVerdana, g.fontSize,
                  e.background);
        } else {
            write(ctx, {x, e.t + frac(0.16345, W)}, centred(address, 10), kVerdana, g.fontSize,
                  e.background);
        }
        break;
    }
}

// The blue mark of an active contact or coil.
void activeFill(LadderDrawContext& ctx, const ElementPlace& e) {
    const int W = ctx.geometry.columnWidth;
    const int o = ctx.geometry.wireOffset;
    fill(ctx, {e.x + frac(0.45, W), e.Y - frac(0.6, o), e.x + frac(0.573, W), e.Y + frac(0.6, o)},
         colors::blue);
}

void letter(LadderDrawContext& ctx, const ElementPlace& e, double a, const char* text) {
    const int W = ctx.geometry.columnWidth;
    write(ctx, {e.x + frac(a, W), e.Y - frac(0.7, ctx.geometry.wireOffset)}, text, kVerdana,
          ctx.geometry.fontSize, e.background, false, colors::black, true);
}

void contact(LadderDrawContext& ctx, const ElementPlace& e, std::string_view code, bool active) {
    const int W = ctx.geometry.columnWidth;
    const int o = ctx.geometry.wireOffset;
    symbolPen(ctx);
    wire(ctx, e.x, e.x + frac(0.4, W), e.Y);
    ctx.canvas.line({e.x + frac(0.4, W), e.Y - frac(0.7, o)},
                    {e.x + frac(0.4, W), e.Y + frac(0.7, o)});
    ctx.canvas.line({e.x + frac(0.6, W), e.Y - frac(0.7, o)},
                    {e.x + frac(0.6, W), e.Y + frac(0.7, o)});
    wire(ctx, e.x + frac(0.6, W), e.x + W, e.Y);
    if (code == "CNF") {
        ctx.canvas.line({e.x + frac(0.55, W), e.Y - frac(0.5, o)},
                        {e.x + frac(0.45, W), e.Y + frac(0.5, o)});
    }
    if (active) {
        activeFill(ctx, e);
    }
    if (code == "CBP" || code == "CBN") {
        letter(ctx, e, 0.46, code == "CBP" ? "P" : "N");
    }
}

void coil(LadderDrawContext& ctx, const ElementPlace& e, std::string_view code, bool active) {
    const int W = ctx.geometry.columnWidth;
    const int o = ctx.geometry.wireOffset;
    const int left = e.x + frac(0.35, W);
    const int right = e.x + frac(0.65, W);
    const int top = e.Y - frac(0.8, o);
    const int bottom = e.Y + frac(0.8, o);
    const int corner = frac(1.5, o); // width and height of the corner ellipses
    const int half = corner / 2;
    symbolPen(ctx);
    wire(ctx, e.x, left, e.Y);
    // The rounded rectangle, outlined: four corner arcs and four edges.
    ctx.canvas.arc({left, top, left + corner, top + corner}, 90, 90);
    ctx.canvas.arc({left, bottom - corner, left + corner, bottom}, 180, 90);
    ctx.canvas.arc({right - corner, bottom - corner, right, bottom}, 270, 90);
    ctx.canvas.arc({right - corner, top, right, top + corner}, 0, 90);
    ctx.canvas.line({left, top + half}, {left, bottom - half});
    ctx.canvas.line({right - 1, top + half}, {right - 1, bottom - half});
    ctx.canvas.line({left + half, top}, {right - half, top});
    ctx.canvas.line({left + half, bottom - 1}, {right - half, bottom - 1});
    // The middle of the top and bottom edges erased: two arcs are left.
    fill(ctx, {e.x + frac(0.42, W), e.b, e.x + frac(0.58, W), e.b + 2 * o}, e.background);
    symbolPen(ctx);
    wire(ctx, right, e.x + W, e.Y);
    if (code == "BON") {
        ctx.canvas.line({e.x + frac(0.54, W), e.Y - frac(0.5, o)},
                        {e.x + frac(0.44, W), e.Y + frac(0.5, o)});
    }
    if (active) {
        activeFill(ctx, e);
    }
    if (code == "BOS" || code == "BOR") {
        letter(ctx, e, 0.45, code == "BOS" ? "S" : "R");
    }
}

} // namespace

void drawSingleCellElement(LadderDrawContext& ctx, const ElementPlace& e) {
    const LadderGeometry& g = ctx.geometry;
    const int W = g.columnWidth;
    fill(ctx, {e.x, e.t, e.x + W, e.t + g.rowHeight}, e.background);
    const std::string_view code = e.kind->code;
    const std::string address = field(e, 1);
    if (e.kind->family != Family::Line) {
        operandTexts(ctx, e, address);
    }
    fill(ctx, {e.x, e.b, e.x + W, e.b + g.symbolBand}, e.background);
    if (e.kind->family == Family::Line) {
        symbolPen(ctx);
        wire(ctx, e.x, e.x + W, e.Y);
        return;
    }
    const auto value = shownValue(ctx, address);
    const bool active = value && *value == (code == "CNF" ? 0 : 1);
    if (e.kind->family == Family::Contact) {
        contact(ctx, e, code, active);
    } else {
        coil(ctx, e, code, active);
    }
    forceMark(ctx, address, {e.x + frac(0.7, W), e.b + g.fontSize}, frac(0.9, g.fontSize));
}

} // namespace velmora::ladder::drawing
