#include "core/ladder/ladder_drawing.h"

#include "core/ladder/catalogue.h"
#include "core/ladder/cell.h"
#include "core/ladder/ladder_drawing_parts.h"

#include <algorithm>
#include <cstdio>

namespace velmora::ladder {

using namespace drawing;

namespace {

bool isOperandRole(FieldRole role) {
    switch (role) {
    case FieldRole::BitOperand:
    case FieldRole::Timer:
    case FieldRole::Counter:
    case FieldRole::FastCounter:
    case FieldRole::FirstOperand:
    case FieldRole::SecondOperand:
    case FieldRole::Source:
    case FieldRole::Destination:
    case FieldRole::Pointer:
    case FieldRole::Result:
    case FieldRole::PidBlock:
    case FieldRole::Ve:
    case FieldRole::Vo:
        return true;
    default:
        return false;
    }
}

// What a closed logic draws under a cell before the cells themselves.
enum class Stub { None, Through, Input };

Stub stubOf(std::string_view text) {
    const ElementKind* kind = elementOfCell(text);
    const int part = cellPart(text);
    if (kind == nullptr || part < 1) {
        return Stub::None;
    }
    switch (kind->family) {
    case Family::Contact:
    case Family::Coil:
    case Family::Line:
    case Family::Timer:
    case Family::Comparison:
        return part == 1 ? Stub::Through : Stub::None;
    case Family::Counter:
        // CU/CD inputs pass through to the outputs; the last row is the reset or load input.
        return part < kind->cellCount ? Stub::Through : Stub::Input;
    case Family::Move:
    case Family::Arithmetic:
    case Family::Operation:
    case Family::Call:
    case Family::Jump:
        return part == 1 ? Stub::Input : Stub::None;
    case Family::Parameters:
        return part % 2 == 1 ? Stub::Input : Stub::None;
    case Family::Pid:
        return part <= 2 ? Stub::Input : Stub::None;
    case Family::FastCounter:
        return Stub::Input;
    }
    return Stub::None;
}

void drawWireStubs(LadderDrawContext& ctx, const TLogica& logic, int top, int rows) {
    const LadderGeometry& g = ctx.geometry;
    symbolPen(ctx);
    for (int c = 0; c < kElementColumns; ++c) {
        for (int r = 0; r < rows; ++r) {
            const Stub stub = stubOf(logic.element(c, r).text);
            if (stub == Stub::None) {
                continue;
            }
            const Rect cell = g.cellRect(c, r, top);
            const int y = g.wireY(r, top);
            const int from = c == 0 ? g.leftRailX() : g.gapMiddleRight(c - 1);
            int to = c == kLastElementColumn ? cell.right : g.gapMiddleRight(c);
            if (stub == Stub::Input) {
                // Up to the cell's right edge, its last pixel inside the cell: the box drawn
                // afterwards covers all of it but the part in the gap.
                to = cell.right - 1;
            }
            ctx.canvas.line({from, y}, {to, y});
        }
    }
}

void drawConnectionGrid(LadderDrawContext& ctx, int top) {
    const LadderGeometry& g = ctx.geometry;
    ctx.canvas.setPen(Pen{colors::gray, 1});
    const int half = g.rowGap / 2;
    for (int c = 0; c < kElementColumns - 1; ++c) {
        for (int r = 0; r < kEditedRows; ++r) {
            const Rect cell = g.cellRect(c, r, top);
            const int y = g.wireY(r, top);
            const int mid = g.gapMiddleRight(c);
            ctx.canvas.line({cell.right, y}, {cell.right + g.columnGap, y});
            ctx.canvas.line({mid, y - half}, {mid, y - half + g.rowGap});
        }
    }
}

void drawCell(LadderDrawContext& ctx, const TLogica& logic, int top, int s, int r, CellMode mode,
              std::string_view text) {
    if (!isElementColumn(s) || s >= kStorageColumns || r < 0 || r >= kEditedRows) {
        return;
    }
    const ElementKind* kind = elementOfCell(text);
    const int part = cellPart(text);
    if (kind == nullptr || part < 1 || part > kind->cellCount) {
        return;
    }
    int c = elementColumn(s);
    int row = r;
    std::string_view first = text;
    if (part > 1) {
        if (kind->shape == Shape::Horizontal) {
            c -= part - 1;
        } else {
            row -= part - 1;
        }
        // A part digit that does not fit its place (a damaged file or an upload) has no first
        // cell to draw from.
        if (c < 0 || row < 0) {
            return;
        }
        first = logic.element(c, row).text;
        if (elementOfCell(first) != kind || cellPart(first) != 1) {
            return;
        }
    }
    const LadderGeometry& g = ctx.geometry;
    const Rect cell = g.cellRect(c, row, top);
    ElementPlace e;
    e.kind = kind;
    e.text = first;
    e.logic = &logic;
    e.storageColumn = storageColumn(c);
    e.row = row;
    e.x = cell.left;
    e.t = cell.top;
    e.b = e.t + g.addressBand;
    e.Y = e.b + g.wireOffset;
    e.background = mode == CellMode::Normal ? colors::white : colors::silver;

    for (std::size_t k = 0; k < kind->fieldSpecs.size(); ++k) {
        if (isOperandRole(kind->fieldSpecs[k].role)) {
            if (auto operand = cellField(first, static_cast<int>(k) + 1)) {
                ctx.monitor.registerOperand(logic, e.storageColumn, row, *operand);
            }
        }
    }
    switch (kind->family) {
    case Family::Contact:
    case Family::Coil:
    case Family::Line:
        drawSingleCellElement(ctx, e);
        break;
    default:
        drawBoxElement(ctx, e);
        break;
    }
}

void redrawCells(LadderDrawContext& ctx, const TLogica& logic, int top, LogicKind kind) {
    for (int s = 1; s < kRightRailColumn; s += 2) {
        for (int r = 0; r < kEditedRows; ++r) {
            const std::string& text = logic.cell(s, r).text;
            if (text.empty()) {
                continue;
            }
            // A later part whose first cell is in place was drawn with that cell already.
            const auto origin = elementAt(logic, elementColumn(s), r);
            if (cellPart(text) > 1 && origin &&
                isElementCell(logic.element(origin->column, origin->row).text, origin->kind->code,
                              '1')) {
                continue;
            }
            drawCell(ctx, logic, top, s, r, CellMode::Normal, text);
        }
    }
    for (int s = 0; s < kRightRailColumn; s += 2) {
        for (int r = 0; r < kEditedRows; ++r) {
            const std::string& text = logic.cell(s, r).text;
            if (!text.empty()) {
                DesenhaLigacao(ctx, top, s, r, text, kind);
            }
        }
    }
}

bool inEditedGrid(CellPosition p) {
    return p.column >= 0 && p.column < kElementColumns && p.row >= 0 && p.row < kEditedRows;
}

} // namespace

std::string headerText(const Language& language, const TLogica& logic) {
    char number[16];
    std::snprintf(number, sizeof number, "%03d", static_cast<int>(logic.number));
    return language.text(11, number) + ": " + logic.title;
}

void drawLogicHeader(LadderDrawContext& ctx, const TLogica& logic, int top, int height) {
    const LadderGeometry& g = ctx.geometry;
    const int width = g.drawingWidth();
    fill(ctx, {0, top, width, top + height}, colors::white);
    write(ctx, {g.leftMargin + 5, top + g.headerHeight / 2}, headerText(ctx.language, logic),
          kArial, static_cast<int>(g.fontSize * 1.375), colors::white, true);

    ctx.canvas.setPen(Pen{colors::gray, 2 * g.lineWidth});
    const int frameY = top + g.headerHeight - 2;
    ctx.canvas.polyline({{g.leftMargin / 2, top + 15},
                         {g.leftMargin / 2, frameY},
                         {width - g.rightExtra + 5, frameY}});
    const int railTop = top + g.headerHeight - 1;
    const int bottom = top + height;
    ctx.canvas.line({g.leftRailX(), railTop}, {g.leftRailX(), bottom});
    ctx.canvas.line({g.rightRailX(), railTop}, {g.rightRailX(), bottom});
}

int DesenhaLogicaFechada(LadderDrawContext& ctx, const TLogica& logic, int top) {
    const int rows = LinhasUsadas(logic);
    const int height = ctx.geometry.closedHeight(rows);
    drawLogicHeader(ctx, logic, top, height);
    drawWireStubs(ctx, logic, top, rows);
    redrawCells(ctx, logic, top, LogicKind::Closed);
    return height;
}

void DesenhaLogicaAberta(LadderDrawContext& ctx, const TLogica& logic, int top) {
    drawLogicHeader(ctx, logic, top, ctx.geometry.openLogicHeight());
    drawConnectionGrid(ctx, top);
    redrawCells(ctx, logic, top, LogicKind::Open);
}

void RedesenhaCelulas(LadderDrawContext& ctx, const TLogica& logic, LogicKind kind) {
    redrawCells(ctx, logic, logic.topY, kind);
}

void DesenhaCelula(LadderDrawContext& ctx, const TLogica& logic, int s, int r, CellMode mode,
                   std::string_view text) {
    drawCell(ctx, logic, logic.topY, s, r, mode, text);
}

void DesenhaLigacao(LadderDrawContext& ctx, int top, int s, int r, std::string_view text,
                    LogicKind kind) {
    if (isElementColumn(s) || s < 0 || s >= kStorageColumns || r < 0 || r >= kEditedRows) {
        return;
    }
    if (!text.empty() && text.front() != 'I') {
        return;
    }
    const LadderGeometry& g = ctx.geometry;
    const int x = g.gapMiddleRight(s / 2 - 1);
    const int wire = g.wireY(r, top);
    const int from = kind == LogicKind::Open ? wire : wire + g.rowGap / 2;
    const int to = wire + g.rowPitch();
    ctx.canvas.setPen(
        Pen{text.empty() ? colors::white : colors::black, ctx.thickLines ? g.lineWidth : 1});
    ctx.canvas.line({x, from}, {x, to});
}

std::string cursorStatusText(const tables::SymbolTable& symbols, std::string_view cellText) {
    const ElementKind* kind = elementOfCell(cellText);
    if (kind == nullptr || (kind->family != Family::Contact && kind->family != Family::Coil)) {
        return {};
    }
    const std::string operand = cellField(cellText, 1).value_or(std::string());
    const std::string comment = tables::ComentarioDoEndereco(symbols, operand);
    if (!comment.empty()) {
        return operand + " : " + comment;
    }
    return operand + " : " + tables::SimboloDoEndereco(symbols, operand);
}

std::string DesenhaCursor(LadderDrawContext& ctx, const TLogica& openLogic, CellPosition last,
                          CellPosition cursor) {
    const LadderGeometry& g = ctx.geometry;
    const int top = openLogic.topY;
    if (inEditedGrid(last)) {
        fill(ctx, g.cellRect(last.column, last.row, top), colors::white);
        const std::string& text = openLogic.element(last.column, last.row).text;
        drawCell(ctx, openLogic, top, storageColumn(last.column), last.row, CellMode::Normal, text);
    }
    if (!inEditedGrid(cursor)) {
        return {};
    }
    fill(ctx, g.cellRect(cursor.column, cursor.row, top), colors::silver);
    const std::string& text = openLogic.element(cursor.column, cursor.row).text;
    drawCell(ctx, openLogic, top, storageColumn(cursor.column), cursor.row, CellMode::Highlighted,
             text);
    return cursorStatusText(ctx.symbols, text);
}

void DesenhaArea(LadderDrawContext& ctx, const TLogica& openLogic, CellArea area) {
    const LadderGeometry& g = ctx.geometry;
    const int top = openLogic.topY;
    const int c1 = std::clamp(std::min(area.from.column, area.to.column), 0, kLastElementColumn);
    const int c2 = std::clamp(std::max(area.from.column, area.to.column), 0, kLastElementColumn);
    const int r1 = std::clamp(std::min(area.from.row, area.to.row), 0, kEditedRows - 1);
    const int r2 = std::clamp(std::max(area.from.row, area.to.row), 0, kEditedRows - 1);
    const Rect a = g.cellRect(c1, r1, top);
    const Rect z = g.cellRect(c2, r2, top);
    fill(ctx, {a.left, a.top, z.right, z.bottom}, colors::silver);
    for (int c = c1; c <= c2; ++c) {
        for (int r = r1; r <= r2; ++r) {
            fill(ctx, g.cellRect(c, r, top), colors::silver);
            drawCell(ctx, openLogic, top, storageColumn(c), r, CellMode::Highlighted,
                     openLogic.element(c, r).text);
            const std::string& link = openLogic.cell(2 * c, r).text;
            if (!link.empty()) {
                DesenhaLigacao(ctx, top, 2 * c, r, link, LogicKind::Open);
            }
        }
    }
}

} // namespace velmora::ladder
