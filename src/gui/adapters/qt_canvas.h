#pragma once

#include "core/seams/canvas.h"

class QPainter;

namespace velmora::gui {

// The drawing surface on a QPainter (screen, off-screen image or printer).
class QtCanvas : public Canvas {
public:
    explicit QtCanvas(QPainter& painter);

    void setPen(const Pen& pen) override;
    void setBrush(const Brush& brush) override;
    void setFont(const Font& font) override;
    void line(Point from, Point to) override;
    void polyline(const std::vector<Point>& points) override;
    void rectangle(const Rect& r) override;
    void fillRect(const Rect& r) override;
    void ellipse(const Rect& r) override;
    void arc(const Rect& r, int startDegrees, int spanDegrees) override;
    void polygon(const std::vector<Point>& points) override;
    void text(Point topLeft, const std::string& text) override;
    Size textExtent(const std::string& text) override;
    void setClip(const Rect& r) override;
    void clearClip() override;

private:
    QPainter& painter_;
    Brush brush_;
    Font font_;
};

} // namespace velmora::gui
