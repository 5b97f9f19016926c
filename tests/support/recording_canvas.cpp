#include "support/recording_canvas.h"

namespace velmora::test {

RecordingCanvas::Call RecordingCanvas::make(Op op) const {
    Call c{};
    c.op = op;
    c.pen = pen_;
    c.brush = brush_;
    c.font = font_;
    c.clip = clip_;
    c.clipped = clipped_;
    return c;
}

void RecordingCanvas::line(Point from, Point to) {
    auto c = make(Op::Line);
    c.points = {from, to};
    calls.push_back(std::move(c));
}

void RecordingCanvas::polyline(const std::vector<Point>& points) {
    auto c = make(Op::Polyline);
    c.points = points;
    calls.push_back(std::move(c));
}

void RecordingCanvas::rectangle(const Rect& r) {
    auto c = make(Op::Rectangle);
    c.rect = r;
    calls.push_back(std::move(c));
}

void RecordingCanvas::fillRect(const Rect& r) {
    auto c = make(Op::FillRect);
    c.rect = r;
    calls.push_back(std::move(c));
}

void RecordingCanvas::ellipse(const Rect& r) {
    auto c = make(Op::Ellipse);
    c.rect = r;
    calls.push_back(std::move(c));
}

void RecordingCanvas::arc(const Rect& r, int startDegrees, int spanDegrees) {
    auto c = make(Op::Arc);
    c.rect = r;
    c.start = startDegrees;
    c.span = spanDegrees;
    calls.push_back(std::move(c));
}

void RecordingCanvas::polygon(const std::vector<Point>& points) {
    auto c = make(Op::Polygon);
    c.points = points;
    calls.push_back(std::move(c));
}

void RecordingCanvas::text(Point topLeft, const std::string& text) {
    auto c = make(Op::Text);
    c.points = {topLeft};
    c.text = text;
    calls.push_back(std::move(c));
}

Size RecordingCanvas::textExtent(const std::string& text) {
    return {static_cast<int>(text.size()) * charWidth_, lineHeight_};
}

std::vector<std::string> RecordingCanvas::texts() const {
    std::vector<std::string> out;
    for (const auto& c : calls) {
        if (c.op == Op::Text) {
            out.push_back(c.text);
        }
    }
    return out;
}

std::vector<const RecordingCanvas::Call*> RecordingCanvas::callsOf(Op op) const {
    std::vector<const Call*> out;
    for (const auto& c : calls) {
        if (c.op == op) {
            out.push_back(&c);
        }
    }
    return out;
}

} // namespace velmora::test
