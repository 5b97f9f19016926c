#include "gui/adapters/qt_canvas.h"

#include "gui/adapters/qt_text.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>

namespace velmora::gui {

namespace {

QColor qColor(Color c) {
    return QColor(c.r, c.g, c.b);
}

QRect qRect(const Rect& r) {
    return QRect(r.left, r.top, r.width(), r.height());
}

QPolygon qPolygon(const std::vector<Point>& points) {
    QPolygon p;
    for (const auto& pt : points) {
        p << QPoint(pt.x, pt.y);
    }
    return p;
}

} // namespace

QtCanvas::QtCanvas(QPainter& painter) : painter_(painter) {}

void QtCanvas::setPen(const Pen& pen) {
    Qt::PenStyle style = Qt::SolidLine;
    switch (pen.style) {
    case Pen::Style::Solid:
        style = Qt::SolidLine;
        break;
    case Pen::Style::Dash:
        style = Qt::DashLine;
        break;
    case Pen::Style::Dot:
        style = Qt::DotLine;
        break;
    case Pen::Style::None:
        style = Qt::NoPen;
        break;
    }
    QPen p(qColor(pen.color), pen.width, style, Qt::SquareCap, Qt::MiterJoin);
    painter_.setPen(p);
}

void QtCanvas::setBrush(const Brush& brush) {
    brush_ = brush;
    painter_.setBrush(brush.style == Brush::Style::Clear ? QBrush(Qt::NoBrush)
                                                         : QBrush(qColor(brush.color)));
}

void QtCanvas::setFont(const Font& font) {
    font_ = font;
    QFont f(QString::fromStdString(font.family));
    f.setPixelSize(font.pixelHeight > 0 ? font.pixelHeight : 1);
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    painter_.setFont(f);
}

void QtCanvas::line(Point from, Point to) {
    painter_.drawLine(from.x, from.y, to.x, to.y);
}

void QtCanvas::polyline(const std::vector<Point>& points) {
    painter_.drawPolyline(qPolygon(points));
}

void QtCanvas::rectangle(const Rect& r) {
    // Outline inside the rectangle, as the drawing code counts pixels.
    painter_.drawRect(QRect(r.left, r.top, r.width() - 1, r.height() - 1));
}

void QtCanvas::fillRect(const Rect& r) {
    if (brush_.style == Brush::Style::Solid) {
        painter_.fillRect(qRect(r), qColor(brush_.color));
    }
}

void QtCanvas::ellipse(const Rect& r) {
    painter_.drawEllipse(QRect(r.left, r.top, r.width() - 1, r.height() - 1));
}

void QtCanvas::arc(const Rect& r, int startDegrees, int spanDegrees) {
    painter_.drawArc(QRect(r.left, r.top, r.width() - 1, r.height() - 1), startDegrees * 16,
                     spanDegrees * 16);
}

void QtCanvas::polygon(const std::vector<Point>& points) {
    painter_.drawPolygon(qPolygon(points));
}

void QtCanvas::text(Point topLeft, const std::string& text) {
    const QString s = toQt(text);
    const QFontMetrics fm(painter_.font());
    const QRect box(topLeft.x, topLeft.y, fm.horizontalAdvance(s), fm.height());
    if (brush_.style == Brush::Style::Solid) {
        painter_.fillRect(box, qColor(brush_.color));
    }
    const QPen saved = painter_.pen();
    painter_.setPen(qColor(font_.color));
    painter_.drawText(QPoint(topLeft.x, topLeft.y + fm.ascent()), s);
    painter_.setPen(saved);
}

Size QtCanvas::textExtent(const std::string& text) {
    const QFontMetrics fm(painter_.font());
    return {fm.horizontalAdvance(toQt(text)), fm.height()};
}

void QtCanvas::setClip(const Rect& r) {
    painter_.setClipRect(qRect(r));
}

void QtCanvas::clearClip() {
    painter_.setClipping(false);
}

} // namespace velmora::gui
