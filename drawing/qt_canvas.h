#pragma once
// The canvas over a QPainter: the drawing window, off-screen pictures and the printer.
#include "drawing/canvas.h"
#include "sheet/qt_colour.h"

#include <QColor>
#include <QFont>
#include <QPoint>

class QPainter;

class QtCanvas : public Canvas {
public:
    // Draws with the painter as it is set up (device, clipping); antialiasing is switched off
    // so that strokes fall on whole pixels as the coordinates say.
    explicit QtCanvas(QPainter& painter, const QFont& font = defaultFont());

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
};
