#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace velmora {

struct Color {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Color&, const Color&) = default;
};

namespace colors {
inline constexpr Color black{0, 0, 0};
inline constexpr Color white{255, 255, 255};
inline constexpr Color red{255, 0, 0};
inline constexpr Color green{0, 128, 0};
inline constexpr Color lime{0, 255, 0};
inline constexpr Color blue{0, 0, 255};
inline constexpr Color navy{0, 0, 128};
inline constexpr Color gray{128, 128, 128};
inline constexpr Color silver{192, 192, 192};
inline constexpr Color yellow{255, 255, 0};
inline constexpr Color maroon{128, 0, 0};
} // namespace colors

struct Point {
    int x = 0, y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int width = 0, height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

// left/top inclusive, right/bottom exclusive, as the drawing code counts pixels.
struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool intersects(const Rect& o) const {
        return left < o.right && o.left < right && top < o.bottom && o.top < bottom;
    }
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct Pen {
    Color color = colors::black;
    int width = 1;
    enum class Style { Solid, Dash, Dot, None } style = Style::Solid;
    friend bool operator==(const Pen&, const Pen&) = default;
};

struct Brush {
    Color color = colors::white;
    enum class Style { Solid, Clear } style = Style::Solid;
    friend bool operator==(const Brush&, const Brush&) = default;
};

struct Font {
    std::string family = "Arial";
    int pixelHeight = 12;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    Color color = colors::black;
    friend bool operator==(const Font&, const Font&) = default;
};

// The surface the ladder page and the printouts draw on. Rectangles and ellipses are
// outlined with the pen and filled with the brush; text is drawn in the font's colour on the
// brush (nothing behind it when the brush is clear). Texts are Windows-1252.
class Canvas {
public:
    virtual ~Canvas() = default;

    virtual void setPen(const Pen& pen) = 0;
    virtual void setBrush(const Brush& brush) = 0;
    virtual void setFont(const Font& font) = 0;

    virtual void line(Point from, Point to) = 0;
    virtual void polyline(const std::vector<Point>& points) = 0;
    virtual void rectangle(const Rect& r) = 0;
    virtual void fillRect(const Rect& r) = 0; // brush only, no outline
    virtual void ellipse(const Rect& r) = 0;
    // An arc of the ellipse in r; angles in degrees, counter-clockwise from 3 o'clock.
    virtual void arc(const Rect& r, int startDegrees, int spanDegrees) = 0;
    virtual void polygon(const std::vector<Point>& points) = 0;
    virtual void text(Point topLeft, const std::string& text) = 0;
    virtual Size textExtent(const std::string& text) = 0;

    virtual void setClip(const Rect& r) = 0;
    virtual void clearClip() = 0;
};

} // namespace velmora
