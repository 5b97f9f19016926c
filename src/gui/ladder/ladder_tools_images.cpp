#include "gui/ladder/ladder_tools_images.h"

#include "core/ladder/catalogue.h"
#include "core/ladder/cell.h"
#include "core/ladder/editor_state.h"
#include "core/ladder/ladder_drawing.h"
#include "core/ladder/monitor_hooks.h"
#include "core/lang/language.h"
#include "core/tables/symbol_table.h"
#include "gui/adapters/qt_canvas.h"
#include "gui/ladder/ladder_canvas.h"

#include <QPainter>
#include <QPixmap>

#include <algorithm>
#include <iterator>

namespace velmora::gui {

namespace {

using namespace velmora::ladder;

// clang-format off
constexpr LadderToolButton kButtons[] = {
    {"TbCRArrow", kToolArrow, "", false, false},
    {"TbTho", kToolLine, "THO", false, false},
    {"TbPreenche", kToolFill, "Prenchimento", false, false},
    {"TbTVE", kToolLinkInsert, "TVE", false, false},
    {"TbApagaTVE", kToolLinkDelete, "APTVE", false, false},
    {"TBCNA", 1, "CNA", false, false},
    {"TbCNF", 2, "CNF", false, false},
    {"TbCBP", 3, "CBP", false, false},
    {"TbCBN", 4, "CBN", false, false},
    {"TBBOB", 5, "BOB", false, false},
    {"TBBON", 6, "BON", false, false},
    {"TBBOS", 7, "BOS", false, false},
    {"TBBOR", 8, "BOR", false, false},
    {"TBTON", 9, "TON", false, false},
    {"TBTOFF", 30, "TOFF", false, true},
    {"TBTP", 29, "TP", false, true},
    {"TBCUP", 31, "CUP", false, false},
    {"TBCDO", 33, "CDO", false, true},
    {"TBCUD", 10, "CUD", true, true},
    {"TBSUM_B", 21, "SUM_B", false, false},
    {"TBSUB_B", 20, "SUB_B", false, false},
    {"TBMUL_B", 19, "MUL_B", false, false},
    {"TBDIV_B", 18, "DIVI_B", false, false},
    {"TBSUM_W", 50, "SUM_W", false, false},
    {"TBSUB_W", 49, "SUB_W", false, false},
    {"TBMUL_W", 48, "MUL_W", false, false},
    {"TBDIV_W", 47, "DIVI_W", false, false},
    {"TbSum_L", 70, "SUM_L", true, false},
    {"TbSub_L", 69, "SUB_L", true, false},
    {"TbMul_L", 68, "MUL_L", true, false},
    {"TbDiv_L", 67, "DIVI_L", true, false},
    {"TbIgual_B", 11, "IGUAL_B", false, false},
    {"TbMaior_B", 13, "MAIOR_B", false, false},
    {"TbMaiorIgual_B", 14, "MAIORIGUAL_B", false, false},
    {"TbMenor_B", 15, "MENOR_B", false, false},
    {"TbMenorIgual_B", 16, "MENORIGUAL_B", false, false},
    {"TbDiferente_B", 12, "DIFERENTE_B", false, false},
    {"TbIgual_W", 51, "IGUAL_W", false, false},
    {"TbMaior_W", 53, "MAIOR_W", false, false},
    {"TbMaiorIgual_W", 54, "MAIORIGUAL_W", false, false},
    {"TbMenor_W", 55, "MENOR_W", false, false},
    {"TbMenorIgual_W", 56, "MENORIGUAL_W", false, false},
    {"TbDiferente_W", 52, "DIFERENTE_W", false, false},
    {"TbIgual_L", 61, "IGUAL_L", true, false},
    {"TbMaior_L", 63, "MAIOR_L", true, false},
    {"TbMaiorIgual_L", 64, "MAIORIGUAL_L", true, false},
    {"TbMenor_L", 65, "MENOR_L", true, false},
    {"TbMenorIgual_L", 66, "MENORIGUAL_L", true, false},
    {"TbDiferente_L", 62, "DIFERENTE_L", true, false},
    {"TBMBB", 57, "MBB", false, false},
    {"TBMWW", 58, "MWW", false, false},
    {"TBMBW", 59, "MBW", false, false},
    {"TBMWB", 60, "MWB", false, false},
    {"Tbmovp_dest_B", 46, "MOVP_DEST_B", false, true},
    {"Tbmovp_ori_B", 45, "MOVP_ORI_B", false, true},
    {"Tbmovp_dest_W", 72, "MOVP_DEST_W", false, true},
    {"Tbmovp_ori_W", 71, "MOVP_ORI_W", false, true},
    {"TbCR", 43, "CR", false, true},
    {"TbJUMP", 34, "JUMP", true, true},
    {"TbCALL", 35, "CALL", true, true},
    {"TbPID", 42, "PID", false, true},
    {"TbOPR", 28, "OPR", true, false},
};
// clang-format on

// A logic with the cells the picture shows, and the cells to cut it to.
struct Scene {
    TLogica logic;
    CellPosition from{0, 0};
    CellPosition to{0, 0};
    bool link = false; // a vertical link right of column 0, between rows 0 and 1
};

Scene sceneOf(int tool) {
    Scene scene;
    TLogica& logic = scene.logic;
    logic.topY = 0;
    const ElementKind* line = findElement("CRT");
    if (tool == kToolLinkInsert || tool == kToolLinkDelete) {
        for (const CellPosition p :
             {CellPosition{0, 0}, CellPosition{1, 0}, CellPosition{0, 1}, CellPosition{1, 1}}) {
            writeElement(logic, *line, p.column + 1, p.row);
        }
        scene.from = {1, 0};
        scene.to = {2, 1};
        scene.link = true;
        return scene;
    }
    if (tool == kToolFill) {
        for (int c = 1; c <= 3; ++c) {
            writeElement(logic, *line, c, 0);
        }
        scene.from = {1, 0};
        scene.to = {3, 0};
        return scene;
    }
    const ElementKind* kind = elementOfTool(tool);
    if (kind == nullptr) {
        return scene;
    }
    const int c = kind->coilColumn ? kLastElementColumn : 1;
    writeElement(logic, *kind, c, 0);
    scene.from = {c, 0};
    scene.to = {c + kind->columns() - 1, kind->rows() - 1};
    return scene;
}

// A plain arrow pointer, tip at (x, y).
void drawArrow(QPainter& p, int x, int y, int size) {
    const QPointF tip(x, y);
    const qreal s = size;
    const QPolygonF shape = {tip,
                             tip + QPointF(0, s),
                             tip + QPointF(s * 0.28, s * 0.74),
                             tip + QPointF(s * 0.48, s * 1.1),
                             tip + QPointF(s * 0.62, s * 1.03),
                             tip + QPointF(s * 0.43, s * 0.68),
                             tip + QPointF(s * 0.74, s * 0.68)};
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(Qt::black);
    p.drawPolygon(shape);
}

} // namespace

std::span<const LadderToolButton> ladderToolButtons() {
    return kButtons;
}

const LadderToolButton* ladderToolButton(int tool) {
    const auto it = std::find_if(std::begin(kButtons), std::end(kButtons),
                                 [&](const LadderToolButton& b) { return b.tool == tool; });
    return it == std::end(kButtons) ? nullptr : &*it;
}

QImage ladderToolImage(int tool) {
    Scene scene = sceneOf(tool);
    const LadderGeometry geometry = baseGeometry(OperandDisplay::Endereco);
    const Rect first = geometry.cellRect(scene.from.column, scene.from.row, 0);
    const Rect last = geometry.cellRect(scene.to.column, scene.to.row, 0);
    const QRect cut(first.left - 2, first.top - 2, last.right - first.left + 4,
                    last.bottom - first.top + 4);

    QImage image(geometry.drawingWidth() + geometry.columnPitch(),
                 geometry.openLogicHeight() + geometry.rowPitch(), QImage::Format_RGB32);
    image.fill(Qt::white);
    if (tool == kToolArrow || tool == kToolNone) {
        QImage arrow(cut.size(), QImage::Format_RGB32);
        arrow.fill(Qt::white);
        QPainter p(&arrow);
        p.setRenderHint(QPainter::Antialiasing);
        drawArrow(p, cut.width() / 3, 4, cut.height() - 14);
        return arrow;
    }
    {
        QPainter painter(&image);
        QtCanvas qtCanvas(painter);
        FontMappingCanvas canvas(qtCanvas);
        const tables::SymbolTable symbols;
        const Language language;
        NoMonitoring monitor;
        LadderDrawContext ctx{canvas,  geometry, OperandDisplay::Endereco, symbols, language,
                              monitor, false};
        for (int s = 0; s < kStorageColumns; ++s) {
            for (int r = 0; r < kEditedRows; ++r) {
                const std::string& text = scene.logic.cell(s, r).text;
                if (isElementColumn(s) && !text.empty()) {
                    DesenhaCelula(ctx, scene.logic, s, r, CellMode::Normal, text);
                }
            }
        }
        if (scene.link) {
            DesenhaLigacao(ctx, 0, storageColumn(1) + 1, 0, kLinkDown, LogicKind::Open);
        }
    }
    QImage picture = image.copy(cut);
    if (tool == kToolLinkDelete || tool == kToolFill) {
        QPainter p(&picture);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF mark =
            QRectF(picture.rect()).adjusted(picture.width() * 0.3, 4, -picture.width() * 0.3, -4);
        if (tool == kToolLinkDelete) {
            p.setPen(QPen(QColor(200, 0, 0), picture.height() / 12.0));
            p.drawLine(mark.topLeft(), mark.bottomRight());
            p.drawLine(mark.topRight(), mark.bottomLeft());
        } else {
            const qreal y = picture.height() * 0.8;
            p.setPen(QPen(QColor(0, 0, 160), picture.height() / 8.0));
            p.drawLine(QPointF(mark.left(), y), QPointF(mark.right(), y));
            p.drawLine(QPointF(mark.right(), y), QPointF(mark.right() - 10, y - 8));
            p.drawLine(QPointF(mark.right(), y), QPointF(mark.right() - 10, y + 8));
        }
    }
    return picture;
}

QIcon ladderToolIcon(int tool) {
    const QImage picture = ladderToolImage(tool);
    QPixmap square(48, 48);
    square.fill(Qt::white);
    QPainter p(&square);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QImage scaled = picture.scaled(46, 46, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    p.drawImage((48 - scaled.width()) / 2, (48 - scaled.height()) / 2, scaled);
    p.setPen(QColor(160, 160, 160));
    p.drawRect(0, 0, 47, 47);
    return QIcon(square);
}

QCursor ladderToolCursor(int tool) {
    if (tool == kToolArrow || tool == kToolNone || ladderToolButton(tool) == nullptr) {
        return QCursor(Qt::ArrowCursor);
    }
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QImage scaled =
        ladderToolImage(tool).scaled(22, 22, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    p.drawImage(32 - scaled.width(), 32 - scaled.height(), scaled);
    p.setPen(QColor(96, 96, 96));
    p.setBrush(Qt::NoBrush);
    p.drawRect(32 - scaled.width(), 32 - scaled.height(), scaled.width() - 1, scaled.height() - 1);
    drawArrow(p, 0, 0, 14);
    p.end();
    return QCursor(pixmap, 0, 0);
}

} // namespace velmora::gui
