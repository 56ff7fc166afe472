#pragma once
// The small vocabulary every drawing speaks: pen colour, width and style, a current position
// with move-to and line-to, rectangles, pixels and text. The window, off-screen pictures and the
// printer implement it over QPainter; tests implement it with a recorder. Colours stay
// 0x00BBGGRR integers here.
#include "core/vector.h"

#include <string>

enum class PenStyle { Solid, Dot };

class Canvas {
public:
    virtual ~Canvas() = default;

    virtual void setPenColor(TFarbe colour) = 0;
    virtual void setPenWidth(int width) = 0;
    virtual void setPenStyle(PenStyle style) = 0;
    // Fill colour of rectangles and background of texts.
    virtual void setBrushColor(TFarbe colour) = 0;

    virtual void moveTo(int x, int y) = 0;
    // A line from the current position to (x, y) with the current pen; (x, y) becomes the
    // current position.
    virtual void lineTo(int x, int y) = 0;
    // The rectangle covering x1 … x2 − 1 and y1 … y2 − 1, filled with the brush and framed
    // one pixel wide, solid, in the pen colour.
    virtual void rectangle(int x1, int y1, int x2, int y2) = 0;
    virtual void setPixel(int x, int y, TFarbe colour) = 0;

    virtual void setFontColor(TFarbe colour) = 0;
    virtual void setFontName(const std::string& name) = 0;
    // Text with its top-left corner at (x, y), over the brush colour. UTF-8.
    virtual void textOut(int x, int y, const std::string& text) = 0;
    virtual int textWidth(const std::string& text) = 0;
    virtual int textHeight(const std::string& text) = 0;

    // Tells the canvas which point of space the next move-to, line-to, pixel or text stands
    // for. Only the test recorder keeps it; painting canvases ignore it.
    virtual void spacePoint(double /*x*/, double /*y*/, double /*z*/) {}
};
