#include "drawing/qt_canvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <QString>

#include <algorithm>
#include <cstdlib>

QFont QtCanvas::defaultFont() {
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(11);
    f.setBold(true);
    return f;
}

QtCanvas::QtCanvas(QPainter& painter, const QFont& font) : painter_(painter), font_(font) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    painter_.setBrush(Qt::NoBrush);
}

void QtCanvas::setPenColor(TFarbe colour) {
    penColor_ = toQColor(colour);
    penApplied_ = false;
}

void QtCanvas::setPenWidth(int width) {
    penWidth_ = width < 1 ? 1 : width;
    penApplied_ = false;
}

void QtCanvas::setPenStyle(PenStyle style) {
    penStyle_ = style;
    penApplied_ = false;
}

void QtCanvas::setBrushColor(TFarbe colour) {
    brushColor_ = toQColor(colour);
}

QtCanvas::~QtCanvas() {
    flush();
}

void QtCanvas::flush() {
    if (!lines_.empty()) painter_.drawLines(lines_.data(), static_cast<int>(lines_.size()));
    lines_.clear();
}

void QtCanvas::applyPen() {
    if (penApplied_) return;
    flush(); // the collected strokes belong to the pen the painter still holds
    pixelPenApplied_ = false;
    QPen pen(penColor_);
    pen.setWidth(penWidth_);
    pen.setStyle(penStyle_ == PenStyle::Dot ? Qt::DotLine : Qt::SolidLine);
    pen.setCapStyle(Qt::FlatCap);
    painter_.setPen(pen);
    penApplied_ = true;
}

void QtCanvas::moveTo(int x, int y) {
    if (QPoint(x, y) != position_) atLineEnd_ = false;
    position_ = QPoint(x, y);
}

// Qt's dotted pen for width 1: one pixel on, two off, counted from the start of the line; the
// end pixel is left out, as the painter leaves out the last pixel of a thin line.
void QtCanvas::dottedStraightLine(const QPoint& from, const QPoint& to) {
    const int dx = (to.x() > from.x()) - (to.x() < from.x());
    const int dy = (to.y() > from.y()) - (to.y() < from.y());
    const int n = std::max(std::abs(to.x() - from.x()), std::abs(to.y() - from.y()));
    dots_.clear();
    for (int i = 0; i < n; i += 3) dots_.push_back(QPoint(from.x() + i * dx, from.y() + i * dy));
    painter_.drawPoints(dots_.data(), static_cast<int>(dots_.size()));
}

void QtCanvas::lineTo(int x, int y) {
    applyPen();
    const QPoint to(x, y);
    // Dotted grid and axis lines are drawn as their dots, which the painter does several times
    // faster than a dashed stroke.
    if (penStyle_ == PenStyle::Dot && penWidth_ == 1 &&
        (to.x() == position_.x() || to.y() == position_.y()) && to != position_) {
        flush();
        dottedStraightLine(position_, to);
        position_ = to;
        return;
    }
    if (to == position_) {
        // A segment of length zero is a dot, unless a collected segment ends there already (a
        // small circle's chords often end on the same pixel).
        if (atLineEnd_ && !lines_.empty()) return;
        flush();
        painter_.drawPoint(to);
        return;
    }
    // A segment that goes on in the same direction as the one before (the steps of a whole
    // line) lengthens it.
    if (atLineEnd_ && !lines_.empty()) {
        QLine& last = lines_.back();
        const long long ax = last.dx(), ay = last.dy();
        const long long bx = to.x() - position_.x(), by = to.y() - position_.y();
        if (ax * by == ay * bx && ax * bx + ay * by > 0) {
            last.setP2(to);
            position_ = to;
            return;
        }
    }
    lines_.push_back(QLine(position_, to));
    atLineEnd_ = true;
    position_ = to;
}

void QtCanvas::rectangle(int x1, int y1, int x2, int y2) {
    flush();
    if (x2 <= x1 || y2 <= y1) return;
    const int w = x2 - x1, h = y2 - y1;
    painter_.fillRect(QRect(x1, y1, w, h), brushColor_);
    // The frame, one pixel wide on x1 … x2 − 1 and y1 … y2 − 1, is always solid (a dotted frame
    // of a few pixels would not show as a frame). Filling its four edges leaves the painter's
    // pen as it is: a pen change costs more than the frame.
    painter_.fillRect(QRect(x1, y1, w, 1), penColor_);
    painter_.fillRect(QRect(x1, y2 - 1, w, 1), penColor_);
    painter_.fillRect(QRect(x1, y1, 1, h), penColor_);
    painter_.fillRect(QRect(x2 - 1, y1, 1, h), penColor_);
}

void QtCanvas::setPixel(int x, int y, TFarbe colour) {
    flush();
    // Spheres set hundreds of pixels in one colour: keep the pixel pen while it fits.
    if (penApplied_ || !pixelPenApplied_ || pixelColour_ != colour) {
        painter_.setPen(QPen(toQColor(colour), 1));
        pixelColour_ = colour;
        pixelPenApplied_ = true;
        penApplied_ = false;
    }
    painter_.drawPoint(x, y);
}

void QtCanvas::setFontColor(TFarbe colour) {
    fontColor_ = toQColor(colour);
}

void QtCanvas::setFontName(const std::string& name) {
    font_.setFamily(QString::fromStdString(name));
}

void QtCanvas::textOut(int x, int y, const std::string& text) {
    flush();
    if (text.empty()) return;
    const QString s = QString::fromStdString(text);
    const QFontMetrics fm(font_);
    painter_.fillRect(QRect(x, y, fm.horizontalAdvance(s), fm.height()), brushColor_);
    painter_.setFont(font_);
    painter_.setPen(fontColor_);
    painter_.drawText(QPoint(x, y + fm.ascent()), s);
    penApplied_ = false;
    pixelPenApplied_ = false;
}

int QtCanvas::textWidth(const std::string& text) {
    return QFontMetrics(font_).horizontalAdvance(QString::fromStdString(text));
}

int QtCanvas::textHeight(const std::string&) {
    return QFontMetrics(font_).height();
}
