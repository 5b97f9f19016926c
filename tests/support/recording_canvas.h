#pragma once

#include "core/seams/canvas.h"

#include <string>
#include <vector>

namespace velmora::test {

// Records every drawing call with the pen, brush and font in force, so geometry and
// colours can be checked exactly. Text extents are a fixed width per character.
class RecordingCanvas : public Canvas {
public:
    enum class Op { Line, Polyline, Rectangle, FillRect, Ellipse, Arc, Polygon, Text };
    struct Call {
        Op op;
        std::vector<Point> points; // line: from, to; polyline/polygon: the points
        Rect rect;                 // rectangle, fillRect, ellipse, arc
        int start = 0, span = 0;   // arc
        std::string text;          // text
        Pen pen;
        Brush brush;
        Font font;
        Rect clip;
        bool clipped = false;
    };

    explicit RecordingCanvas(int charWidth = 7, int lineHeight = 13)
        : charWidth_(charWidth), lineHeight_(lineHeight) {}

    void setPen(const Pen& pen) override { pen_ = pen; }
    void setBrush(const Brush& brush) override { brush_ = brush; }
    void setFont(const Font& font) override { font_ = font; }
    void line(Point from, Point to) override;
    void polyline(const std::vector<Point>& points) override;
    void rectangle(const Rect& r) override;
    void fillRect(const Rect& r) override;
    void ellipse(const Rect& r) override;
    void arc(const Rect& r, int startDegrees, int spanDegrees) override;
    void polygon(const std::vector<Point>& points) override;
    void text(Point topLeft, const std::string& text) override;
    Size textExtent(const std::string& text) override;
    void setClip(const Rect& r) override {
        clip_ = r;
        clipped_ = true;
    }
    void clearClip() override { clipped_ = false; }

    std::vector<Call> calls;

    // Texts drawn, in order.
    std::vector<std::string> texts() const;
    std::vector<const Call*> callsOf(Op op) const;

private:
    Call make(Op op) const;
    Pen pen_;
    Brush brush_;
    Font font_;
    Rect clip_;
    bool clipped_ = false;
    int charWidth_, lineHeight_;
};

} // namespace velmora::test
