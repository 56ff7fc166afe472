#include "support/recording_canvas.h"

#include <cmath>

bool nahe(const TKoord& a, const TKoord& b, double tol) {
    return std::fabs(a.x - b.x) <= tol && std::fabs(a.y - b.y) <= tol &&
           std::fabs(a.z - b.z) <= tol;
}

std::optional<TKoord> RecordingCanvas::takePending() {
    std::optional<TKoord> p = pending_;
    pending_.reset();
    return p;
}

void RecordingCanvas::moveTo(int x, int y) {
    x_ = x;
    y_ = y;
    at_ = takePending();
}

void RecordingCanvas::lineTo(int x, int y) {
    std::optional<TKoord> to = takePending();
    segments.push_back({x_, y_, x, y, at_, to, penColor_, penWidth_, penStyle_});
    x_ = x;
    y_ = y;
    at_ = to;
}

void RecordingCanvas::rectangle(int x1, int y1, int x2, int y2) {
    rectangles.push_back({x1, y1, x2, y2, penColor_, brushColor_, takePending()});
}

void RecordingCanvas::setPixel(int x, int y, TFarbe colour) {
    pixels.push_back({x, y, colour, takePending()});
}

void RecordingCanvas::textOut(int x, int y, const std::string& text) {
    texts.push_back({x, y, text, fontColor_, fontName_, takePending()});
}

void RecordingCanvas::clear() {
    segments.clear();
    pixels.clear();
    rectangles.clear();
    texts.clear();
}

std::vector<RecordedSegment> RecordingCanvas::segmentsBetween(const TKoord& a, const TKoord& b,
                                                              double tol) const {
    std::vector<RecordedSegment> found;
    for (const auto& s : segments) {
        if (!s.from || !s.to) continue;
        if ((nahe(*s.from, a, tol) && nahe(*s.to, b, tol)) ||
            (nahe(*s.from, b, tol) && nahe(*s.to, a, tol)))
            found.push_back(s);
    }
    return found;
}

std::vector<RecordedSegment> RecordingCanvas::spaceSegments() const {
    std::vector<RecordedSegment> found;
    for (const auto& s : segments)
        if (s.from && s.to) found.push_back(s);
    return found;
}

std::vector<RecordedText> RecordingCanvas::textsNamed(const std::string& text) const {
    std::vector<RecordedText> found;
    for (const auto& t : texts)
        if (t.text == text) found.push_back(t);
    return found;
}

std::vector<RecordedRectangle> RecordingCanvas::pointMarksAt(const TKoord& p, double tol) const {
    std::vector<RecordedRectangle> found;
    for (const auto& r : rectangles)
        if (r.at && nahe(*r.at, p, tol)) found.push_back(r);
    return found;
}
