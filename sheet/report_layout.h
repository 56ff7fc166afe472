#pragma once
// The report-writing helpers that all reports share: rows and columns, the highlight colour of
// input objects with their anchors, and the number formats of the measures.
#include "core/checked.h"
#include "core/number_text.h"
#include "core/relations.h"
#include "core/scene.h"
#include "sheet/blocks.h"
#include "sheet/sheet.h"

#include <string>

namespace report {

// Rows between two groups of text rows (one blank row), and after a block of three rows that was
// written at y without moving it (one blank row below the block).
inline constexpr int Luecke = 2;
inline constexpr int NachBlock = 4;

// The row n rows below y (pixel arithmetic checked for overflow).
inline int zeile(const Sheet& s, int y, int n) {
    return plus_int(y, mal_int(n, s.h()));
}

// The row of the last text written (the canvas pen's row).
inline int stiftZeile(const Sheet& s) {
    int y = 0;
    s.Gety(y);
    return minus_int(y, s.h());
}

// x moved right by the width of text.
inline int rechtsVon(const Sheet& s, int x, const std::string& text) {
    return plus_int(x, s.textWidth(text));
}

// Distances, radii, areas and volumes keep three decimals.
inline std::string zahl(double v) {
    return Zahl9_3_getrimmt(v);
}

// Input objects stand out in dark red; everything computed is black.
inline void highlight(Sheet& s) {
    s.Schriftfarbe(farbe::Dunkelrot);
}
inline void plain(Sheet& s) {
    s.Schriftfarbe(farbe::Schwarz);
}
// The highlight for one scope: the colour goes back to black also when a computation in
// between throws.
class Highlight {
public:
    explicit Highlight(Sheet& s) : s_(s) { highlight(s_); }
    ~Highlight() { plain(s_); }
    Highlight(const Highlight&) = delete;
    Highlight& operator=(const Highlight&) = delete;

private:
    Sheet& s_;
};

// Input point k of the task, highlighted, registered as anchor punkt[k].
inline void eingabePunkt(Sheet& s, const TPunkt& P, int k, int x, int y) {
    Highlight h(s);
    s.Punkt_ausgeben(P, x, &s.anker.punkt[k], y);
}

// Input line i of the task, highlighted, its support point and direction registered.
inline void eingabeGerade(Sheet& s, const TGerade& g, int i, int x, int y) {
    Highlight h(s);
    Gerade_ausgeben(s, g, x, y, &s.anker.gerade[i][0], &s.anker.gerade[i][1]);
}

// y := the row below the last text written, then one row further down (the row after a blank
// one), and the line's distance from the origin there: "Abstand vom Ursprung: <name> = ...".
inline void abstandVomUrsprung(Sheet& s, const TGerade& g, const std::string& name, int x, int& y) {
    s.Gety(y);
    s.next_zeile(y);
    s.Outtext(x, y,
              "Abstand vom Ursprung: " + name + " = " +
                  ZahlText(Abstand_Punkt_Gerade(UrsprungPunkt, g)));
}

// label on the middle row of a column vector that starts at (x, y), the column right after it;
// returns the x where the next item of the row starts.
inline int spalteMitText(Sheet& s, const std::string& label, const TPunkt& v, int x, int y,
                         ColumnAnchor* anker = nullptr) {
    s.Outtext(x, zeile(s, y, 1), label);
    const int sx = rechtsVon(s, x, label);
    int w = 0;
    s.Vector_ausgeben(v, sx, w, anker, y);
    return plus_int(sx, mal_int(w, s.breiteM()));
}

// "<vor>w<mitte>(180 − w))" as in "  Alpha = 60  (alpha´=120)".
inline std::string winkelMitErgaenzung(const std::string& vor, double w, const std::string& mitte) {
    return vor + ZahlText(w) + mitte + ZahlText(180 - w) + ")";
}

} // namespace report
