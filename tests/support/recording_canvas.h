#pragma once
// A canvas that records what is drawn instead of painting it, for tests: segments with their
// pen, pixels, rectangles and texts, each with the screen coordinates and, where the drawing
// said so, the point of space it stands for.
#include "drawing/canvas.h"

#include <optional>
#include <string>
#include <vector>

struct RecordedSegment {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::optional<TKoord> from, to; // the points of space of the two ends, when known
    TFarbe colour = 0;
    int width = 1;
    PenStyle style = PenStyle::Solid;
};

struct RecordedPixel {
    int x = 0, y = 0;
    TFarbe colour = 0;
    std::optional<TKoord> at;
};

struct RecordedRectangle {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    TFarbe pen = 0, brush = 0;
    std::optional<TKoord> at;
};

struct RecordedText {
    int x = 0, y = 0;
    std::string text;
    TFarbe colour = 0;
    std::string font;
    std::optional<TKoord> at;
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
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void rectangle(int x1, int y1, int x2, int y2) override;
    void setPixel(int x, int y, TFarbe colour) override;
    void setFontColor(TFarbe colour) override { fontColor_ = colour; }
    void setFontName(const std::string& name) override { fontName_ = name; }
    void textOut(int x, int y, const std::string& text) override;
    // Fixed metrics: 7 pixels per byte, 13 pixels high.
    int textWidth(const std::string& text) override { return 7 * static_cast<int>(text.size()); }
    int textHeight(const std::string&) override { return 13; }
    void spacePoint(double x, double y, double z) override { pending_ = TKoord{x, y, z}; }

    void clear();

    // --- Queries for tests ---
    // Segments whose ends are the points a and b of space (either way round), within tol.
    std::vector<RecordedSegment> segmentsBetween(const TKoord& a, const TKoord& b,
                                                 double tol = 1e-9) const;
    // Segments with both ends known in space.
    std::vector<RecordedSegment> spaceSegments() const;
    // Texts with exactly this content.
    std::vector<RecordedText> textsNamed(const std::string& text) const;
    // Rectangles and texts standing for the point p of space.
    std::vector<RecordedRectangle> pointMarksAt(const TKoord& p, double tol = 1e-9) const;

private:
    std::optional<TKoord> takePending();

    TFarbe penColor_ = 0;
    int penWidth_ = 1;
    PenStyle penStyle_ = PenStyle::Solid;
    TFarbe brushColor_ = 0xFFFFFF;
    TFarbe fontColor_ = 0;
    std::string fontName_;
    int x_ = 0, y_ = 0;
    std::optional<TKoord> at_;
    std::optional<TKoord> pending_;
};

// True when two points of space agree within tol in every coordinate.
bool nahe(const TKoord& a, const TKoord& b, double tol = 1e-9);
