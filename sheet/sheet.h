#pragma once
// The result sheet's picture (`Image1`) with its text cursor: every report writes here. The text
// is drawn onto a picture, so it can be printed, copied and saved, and so the reports know the
// pixel position of each number they write. Besides the picture the sheet keeps a log of every
// text it wrote (position, colour), which tests and the headless runner read.
#include "core/vector.h"
#include "sheet/anchors.h"

#include <QFont>
#include <QImage>

#include <functional>
#include <string>
#include <vector>

// The lowest picture height: the longest report (a tetrahedron cut by a plane) needs about
// 1350 pixels.
inline constexpr int MindestBildhoehe = 1600;

struct SheetText {
    int x = 0, y = 0;
    std::string text;
    TFarbe farbe = 0;
};

class QPainter;

class Sheet {
public:
    // farbig: the program-wide colour mode flag (owned by the view state).
    Sheet(int breite, int hoehe, const bool& farbig);

    // Replaces the picture by a blank one of the new size (the window sizes it at creation).
    void setGroesse(int breite, int hoehe);
    const QImage& bild() const { return bild_; }
    int breite() const { return bild_.width(); }
    int hoehe() const { return bild_.height(); }

    // Resets the canvas (Courier New 8 pt, black, white brush), fills the picture white, clears
    // the text log and the anchors, and writes "Ergebnisse:" at (4, 1).
    void loeschen();

    // Text cursor. h is the text height of "M", measured on every use.
    int h() const;
    void Gety(int& y) const; // line below the last text written
    void next_zeile(int& y) const;
    void newLine(int& y) const;
    void movey(int n, int& y) const;
    void u(int& y); // 32 minus signs at x = 4, then one row down

    void Outtext(int x, int y, const std::string& text);
    void Outtextln(int x, int& y, const std::string& text);
    // name(x/y/z) at (x, y); anker may be null (not editable).
    void Punkt_ausgeben(const TPunkt& P, int x, PointAnchor* anker, int y);
    // The vector as a bracketed column of three rows from (x, y); w := column width in characters.
    void Vector_ausgeben(const TPunkt& V, int x, int& w, ColumnAnchor* anker, int y);
    // Font colour c in colour mode, black otherwise.
    void Schriftfarbe(TFarbe c);

    // Canvas measurements in the current font.
    int textWidth(const std::string& text) const;
    int textHeight(const std::string& text) const;
    int breiteM() const { return textWidth("M"); }
    // The canvas font as it stands (set by loeschen).
    const QFont& schrift() const { return schrift_; }
    // The current font colour (black whenever the colour mode is off).
    TFarbe schriftfarbe() const { return schriftfarbe_; }

    // Everything written since the last loeschen, in writing order (includes "Ergebnisse:").
    const std::vector<SheetText>& protokoll() const { return protokoll_; }
    // The log as text rows: texts grouped by their y, laid out in columns of the width of "M"
    // (column = round(x / width("M"))), later texts over earlier ones as on the picture. One
    // string per row, top to bottom, without trailing blanks and without empty rows.
    std::vector<std::string> zeilen() const;

    // Paints the picture again on any painter (a vector file, a printer page) from the text log:
    // white, then every text as Outtext wrote it, in a font that keeps the picture's columns.
    void malen(QPainter& painter) const;

    // Called after every change of the picture (clearing, resizing, each text written), so that
    // a window showing it can repaint.
    std::function<void()> geaendert;
    // Called when the sheet is cleared, before a new report is written on it.
    std::function<void()> geloescht;

    Anchors anker;     // input-number anchors of the current report
    std::string dText; // the text of the last plane constant written with box

private:
    void resetCanvas();
    // One logged text; zeichenbreite > 0 places each character in its column of that width.
    void textZeichnen(QPainter& p, const SheetText& t, int zeichenbreite) const;
    void notifyChange() const;

    QImage bild_;
    QFont schrift_;
    const bool& farbig_;
    TFarbe schriftfarbe_ = 0;
    int letztesY_ = 0; // y of the last text written (the pen position)
    std::vector<SheetText> protokoll_;
};
