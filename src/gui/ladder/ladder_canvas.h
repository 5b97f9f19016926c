#pragma once

#include "core/seams/canvas.h"

namespace velmora::gui {

// Passes drawing on to another canvas, with the font families the drawing names ("Arial",
// "Verdana") replaced by the metric-compatible family shipped with the program.
class FontMappingCanvas : public Canvas {
public:
    static constexpr const char* kShippedFamily = "Liberation Sans";

    explicit FontMappingCanvas(Canvas& inner) : inner_(inner) {}

    void setPen(const Pen& pen) override { inner_.setPen(pen); }
    void setBrush(const Brush& brush) override { inner_.setBrush(brush); }
    void setFont(const Font& font) override;
    void line(Point from, Point to) override { inner_.line(from, to); }
    void polyline(const std::vector<Point>& points) override { inner_.polyline(points); }
    void rectangle(const Rect& r) override { inner_.rectangle(r); }
    void fillRect(const Rect& r) override { inner_.fillRect(r); }
    void ellipse(const Rect& r) override { inner_.ellipse(r); }
    void arc(const Rect& r, int startDegrees, int spanDegrees) override {
        inner_.arc(r, startDegrees, spanDegrees);
    }
    void polygon(const std::vector<Point>& points) override { inner_.polygon(points); }
    void text(Point topLeft, const std::string& text) override { inner_.text(topLeft, text); }
    Size textExtent(const std::string& text) override { return inner_.textExtent(text); }
    void setClip(const Rect& r) override { inner_.setClip(r); }
    void clearClip() override { inner_.clearClip(); }

private:
    Canvas& inner_;
};

} // namespace velmora::gui
