#pragma once
// A canvas that records what is drawn instead of painting it, for tests: segments with their
// pen, pixels, rectangles and texts, each with its screen coordinates.
#include "drawing/canvas.h"

#include <string>
#include <vector>

struct RecordedSegment {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    TFarbe colour = 0;
    int width = 1;
    PenStyle style = PenStyle::Solid;
};

struct RecordedPixel {
    int x = 0, y = 0;
    TFarbe colour = 0;
};

struct RecordedRectangle {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    TFarbe pen = 0, brush = 0;
};

struct RecordedText {
    int x = 0, y = 0;
    std::string text;
    TFarbe colour = 0;
    std::string font;
};

class RecordingCanvas : public Canvas {
public:
    std::vector<RecordedSegment> segments;
    std::vector<RecordedPixel> pixels;
    std::vector<RecordedRectangle> rectangles;
    std::vector<RecordedText> texts;

    void setPenColor(TFarbe colour) override { penColor_ = colour; }
    void setPenWidth(int width) override { penWidth_ = width; }
    void setPenStyle(PenStyle style) override { penStyle_ = style; }
    void setBrushColor(TFarbe colour) override { brushColor_ = colour; }
    void moveTo(int x, int y) override { x_ = x, y_ = y; }
    void lineTo(int x, int y) override {
        segments.push_back({x_, y_, x, y, penColor_, penWidth_, penStyle_});
        x_ = x, y_ = y;
    }
    void rectangle(int x1, int y1, int x2, int y2) override {
        rectangles.push_back({x1, y1, x2, y2, penColor_, brushColor_});
    }
    void setPixel(int x, int y, TFarbe colour) override { pixels.push_back({x, y, colour}); }
    void setFontColor(TFarbe colour) override { fontColor_ = colour; }
    void setFontName(const std::string& name) override { fontName_ = name; }
    void textOut(int x, int y, const std::string& text) override {
        texts.push_back({x, y, text, fontColor_, fontName_});
    }
    // Fixed metrics: 7 pixels per byte, 13 pixels high.
    int textWidth(const std::string& text) override { return 7 * static_cast<int>(text.size()); }
    int textHeight(const std::string&) override { return 13; }

    void clear() { segments.clear(), pixels.clear(), rectangles.clear(), texts.clear(); }

private:
    TFarbe penColor_ = 0;
    int penWidth_ = 1;
    PenStyle penStyle_ = PenStyle::Solid;
    TFarbe brushColor_ = 0xFFFFFF;
    TFarbe fontColor_ = 0;
    std::string fontName_;
    int x_ = 0, y_ = 0;
};
