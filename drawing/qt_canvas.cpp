#include "drawing/qt_canvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <QString>

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

void QtCanvas::applyPen() {
    if (penApplied_) return;
    pixelPenApplied_ = false;
    QPen pen(penColor_);
    pen.setWidth(penWidth_);
    pen.setStyle(penStyle_ == PenStyle::Dot ? Qt::DotLine : Qt::SolidLine);
    pen.setCapStyle(Qt::FlatCap);
    painter_.setPen(pen);
    penApplied_ = true;
}

void QtCanvas::moveTo(int x, int y) {
    position_ = QPoint(x, y);
}

void QtCanvas::lineTo(int x, int y) {
    applyPen();
    const QPoint to(x, y);
    if (to == position_)
        painter_.drawPoint(to);
    else
        painter_.drawLine(position_, to);
    position_ = to;
}

void QtCanvas::rectangle(int x1, int y1, int x2, int y2) {
    if (x2 <= x1 || y2 <= y1) return;
    painter_.fillRect(QRect(x1, y1, x2 - x1, y2 - y1), brushColor_);
    // The frame is always solid: a dotted frame of a few pixels would not show as a frame.
    painter_.setPen(QPen(penColor_, 1));
    // A stroked rectangle covers one pixel more than its size: frame x1 … x2 − 1.
    painter_.drawRect(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
    penApplied_ = false;
    pixelPenApplied_ = false;
}

void QtCanvas::setPixel(int x, int y, TFarbe colour) {
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
