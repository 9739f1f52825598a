#pragma once
// The drawing surface the program paints on: world coordinates with y up,
// persistent drawing, pen attributes that stay in force until changed.
// Everything outside surface/ draws only through this interface.

#include <string>

namespace orvalde {

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kBackground{90, 240, 240};

enum class LineStyle { Solid = 0, Dashed = 1 };

class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;

    // World coordinates from the upper-left and lower-right corners.
    virtual void setWorld(double left, double top, double right, double bottom) = 0;
    // Signed world extent: right - left and bottom - top.
    virtual double scaleWidth() const = 0;
    virtual double scaleHeight() const = 0;

    // Setting the background fills the whole surface and so erases everything.
    virtual void setBackColor(Rgb colour) = 0;
    virtual Rgb backColor() const = 0;
    virtual Rgb foreColor() const = 0;

    // Pen width in screen pixels, whatever the world scale; also a point's diameter.
    virtual void setLineWidth(int pixels) = 0;
    virtual int lineWidth() const = 0;
    virtual void setLineStyle(LineStyle style) = 0;

    // Fills with the background colour and resets the current position.
    virtual void clear() = 0;

    // Each figure leaves the current position at its last point.
    virtual void line(float x1, float y1, float x2, float y2, Rgb colour) = 0;
    virtual void line(float x1, float y1, float x2, float y2) { line(x1, y1, x2, y2, foreColor()); }
    virtual void lineTo(float x2, float y2, Rgb colour) = 0;
    virtual void lineTo(float x2, float y2) { lineTo(x2, y2, foreColor()); }
    virtual void point(float x, float y, Rgb colour) = 0;
    virtual void circle(float cx, float cy, float radius, Rgb colour) = 0;
    virtual void circle(float cx, float cy, float radius) { circle(cx, cy, radius, foreColor()); }
    // Angles in radians, counterclockwise from +x.
    virtual void arc(float cx, float cy, float radius, float startAngle, float endAngle, Rgb colour) = 0;

    // Text: the current text position is the upper-left of the next printed line.
    virtual void setTextPosition(float x, float y) = 0;
    virtual void print(const std::string& text) = 0;
};

}  // namespace orvalde
