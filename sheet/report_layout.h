#pragma once
// Small layout helpers shared by the figure and vector reports.
#include "core/checked.h"
#include "core/number_text.h"
#include "sheet/sheet.h"

#include <string>

namespace report {

// The row n rows below y (pixel arithmetic checked for overflow).
inline int zeile(const Sheet& s, int y, int n) {
    return plus_int(y, mal_int(n, s.h()));
}

// x moved right by the width of text.
inline int rechtsVon(const Sheet& s, int x, const std::string& text) {
    return plus_int(x, s.textWidth(text));
}

// An input point in the highlight colour (dark red), the colour set back to black afterwards.
inline void eingabePunkt(Sheet& s, const TPunkt& P, int x, PointAnchor* anker, int y) {
    s.Schriftfarbe(farbe::Dunkelrot);
    s.Punkt_ausgeben(P, x, anker, y);
    s.Schriftfarbe(farbe::Schwarz);
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
