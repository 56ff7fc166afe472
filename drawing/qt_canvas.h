#pragma once
// The canvas over a QPainter: the drawing window, off-screen pictures and the printer.
#include "drawing/canvas.h"
#include "sheet/qt_colour.h"

#include <QColor>
#include <QFont>
#include <QLine>
#include <QPoint>

#include <vector>

class QPainter;

class QtCanvas : public Canvas {
public:
    // Draws with the painter as it is set up (device, clipping); antialiasing is switched off
    // so that strokes fall on whole pixels as the coordinates say.
    explicit QtCanvas(QPainter& painter, const QFont& font = defaultFont());
    // Draws the strokes still collected.
    ~QtCanvas() override;
    QtCanvas(const QtCanvas&) = delete;
    QtCanvas& operator=(const QtCanvas&) = delete;

    // Labels: Arial with 11 pixels (8 points at 96 dpi), bold.
    static QFont defaultFont();

    void setPenColor(TFarbe colour) override;
    void setPenWidth(int width) override;
    void setPenStyle(PenStyle style) override;
    void setBrushColor(TFarbe colour) override;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void rectangle(int x1, int y1, int x2, int y2) override;
    void setPixel(int x, int y, TFarbe colour) override;
    void setFontColor(TFarbe colour) override;
    void setFontName(const std::string& name) override;
    void textOut(int x, int y, const std::string& text) override;
    int textWidth(const std::string& text) override;
    int textHeight(const std::string& text) override;

private:
    void applyPen();
    // Line-tos are collected and drawn in one painter call: a circle of 360 chords or the ticks
    // of the axes cost one call instead of hundreds. Anything else that draws, and every
    // change of the pen, draws the collected segments first.
    void flush();
    void dottedStraightLine(const QPoint& from, const QPoint& to);

    QPainter& painter_;
    QColor penColor_{Qt::black};
    int penWidth_ = 1;
    PenStyle penStyle_ = PenStyle::Solid;
    bool penApplied_ = false;      // the painter holds the line pen
    bool pixelPenApplied_ = false; // the painter holds the pen of pixelColour_
    TFarbe pixelColour_ = 0;
    QColor brushColor_{Qt::white};
    QColor fontColor_{Qt::black};
    QFont font_;
    QPoint position_;
    std::vector<QLine> lines_;
    bool atLineEnd_ = false; // the last collected segment ends at position_
    std::vector<QPoint> dots_;
};
