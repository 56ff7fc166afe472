#pragma once
// The line-by-line writer that the affine reports share.
#include "core/checked.h"
#include "core/number_text.h"
#include "plane/matrix_report.h"
#include "plane/plane_sheet.h"
#include "plane/triangle.h"
#include "sheet/sheet.h"

#include <string>

namespace affine {

// A number as the sheet writes it; an exact −0 is written as 0.
inline std::string zahl(double v) {
    return ZahlText(v + 0.0);
}

struct Schreiber {
    Sheet& s;
    int x;
    int& y;

    void zeile(const std::string& text) {
        s.Outtext(x, y, text);
        s.newLine(y);
    }
    void luecke() { s.newLine(y); }
    // A point on a line of its own, after a caption.
    void punkt(const std::string& vor, const TPunkt2& P, PairAnchor* anker = nullptr) {
        s.Outtext(x, y, vor);
        Punkt2_ausgeben(s, P, plus_int(x, s.textWidth(vor)), y, anker);
        s.newLine(y);
    }
    // "P(1/2)  -->  P´(3/4)"; a point with an anchor is an input point, highlighted.
    void paar(const TPunkt2& P, const TPunkt2& Q, PairAnchor* aP = nullptr,
              PairAnchor* aQ = nullptr) {
        const std::string vorne = P.Name + "(" + zahl(P.x) + "/" + zahl(P.y) + ")";
        eingabe(P, x, aP);
        s.Outtext(plus_int(x, s.textWidth(vorne)), y, "  -->  ");
        eingabe(Q, plus_int(x, s.textWidth(vorne + "  -->  ")), aQ);
        s.newLine(y);
    }
    void eingabe(const TPunkt2& P, int px, PairAnchor* a) {
        if (a) s.Schriftfarbe(farbe::Dunkelrot);
        Punkt2_ausgeben(s, P, px, y, a);
        s.Schriftfarbe(farbe::Schwarz);
    }
    // A plane vector as a column between bars, its label on the first row.
    void spalte(const std::string& name, const TPunkt2& v) {
        const double w[2] = {v.x + 0.0, v.y + 0.0};
        Vektor_ausgeben(s, name, w, 2, x, y);
    }
    void gerade(const std::string& vor, const TGerade2& g) { zeile(vor + Geradengleichung2(g)); }
};

} // namespace affine
