// Hit tests of the click editing: which number of a point, a column or a field a click on the
// sheet falls on.
#include "sheet/editing.h"
#include "sheet/input_clicks.h"

#include <algorithm>

namespace {

// Anchor positions are sheet pixels; the sums below are taken in 64 bits so that anchors near
// the ends of the int range cannot overflow.
bool zwischen(long long v, long long von, long long bis) {
    return von <= v && v <= bis;
}

double schritt(bool links) {
    return links ? 1.0 : -1.0;
}

constexpr int PunktZeile = 20;  // how far below a point line's top a click still hits it
constexpr int DritteZeile = 13; // how far below the top of a column's third row
constexpr int DritteKoord = 20; // how far right of the start of a point's third coordinate
constexpr int PaarY = 30;       // how far right of the start of a plane point's y value

} // namespace

bool PunktKlick(TPunkt& P, const PointAnchor& a, bool links, int X, int Y, int unten) {
    if (!a.gesetzt || !zwischen(Y, a.y, unten)) return false;
    bool getroffen = false;
    if (zwischen(X, a.x1, a.x2)) {
        P.x += schritt(links);
        getroffen = true;
    }
    if (zwischen(X, a.x2, a.x3)) {
        P.y += schritt(links);
        getroffen = true;
    }
    if (zwischen(X, a.x3, static_cast<long long>(a.x3) + DritteKoord)) {
        P.z += schritt(links);
        getroffen = true;
    }
    return getroffen;
}

int PunktUnterkante(const Anchors& anker, int i) {
    const PointAnchor& a = anker.punkt[i];
    long long unten = static_cast<long long>(a.y) + PunktZeile;
    for (const PointAnchor& b : anker.punkt)
        if (b.gesetzt && b.y > a.y) unten = std::min<long long>(unten, b.y);
    return static_cast<int>(unten);
}

bool SpalteKlick(TPunkt& V, const ColumnAnchor& a, bool links, int X, int Y) {
    if (!a.gesetzt || !zwischen(X, a.links, a.rechts)) return false;
    bool getroffen = false;
    if (zwischen(Y, a.y0, a.y1)) {
        V.x += schritt(links);
        getroffen = true;
    }
    if (zwischen(Y, a.y1, a.y2)) {
        V.y += schritt(links);
        getroffen = true;
    }
    if (zwischen(Y, a.y2, static_cast<long long>(a.y2) + DritteZeile)) {
        V.z += schritt(links);
        getroffen = true;
    }
    return getroffen;
}

bool FeldKlick(double& wert, const FieldAnchor& a, bool links, int X, int Y) {
    if (!a.gesetzt || !zwischen(X, a.links, a.rechts) || !zwischen(Y, a.oben, a.unten))
        return false;
    wert += schritt(links);
    return true;
}

bool PaarKlick(double& x, double& y, const PairAnchor& a, bool links, int X, int Y) {
    if (!a.gesetzt || !zwischen(Y, a.oben, a.unten)) return false;
    if (zwischen(X, a.x1, a.x2)) {
        x += schritt(links);
        return true;
    }
    if (X > a.x2 && zwischen(X, a.x2, static_cast<long long>(a.x2) + PaarY)) {
        y += schritt(links);
        return true;
    }
    return false;
}

bool MatrixKlick(double& wert, const FieldAnchor& a, bool links, int X, int Y) {
    if (!a.gesetzt || !zwischen(X, a.links, a.rechts) || !zwischen(Y, a.oben, a.unten))
        return false;
    wert += schritt(links) / 2;
    return true;
}

// --- The input objects of a task ---

void InputClicks::punkt(int i, TPunkt& P) {
    note(PunktKlick(P, anker_.punkt[i], links_, X_, Y_, PunktUnterkante(anker_, i)));
}

void InputClicks::vektor(int i, TPunkt& v) {
    note(SpalteKlick(v, anker_.vek[i], links_, X_, Y_));
}

void InputClicks::gerade(int i, TGerade& g) {
    note(SpalteKlick(g.Stuetz, anker_.gerade[i][0], links_, X_, Y_));
    note(SpalteKlick(g.Richtung, anker_.gerade[i][1], links_, X_, Y_));
}

void InputClicks::ebene(int i, TEbeneNorm& E) {
    note(SpalteKlick(E.Normale, anker_.normale[i], links_, X_, Y_));
    note(FeldKlick(E.d, anker_.d[i], links_, X_, Y_));
}

void InputClicks::ebene(int i, TEbene& E) {
    note(SpalteKlick(E.Stuetz, anker_.ebenePar[i][0], links_, X_, Y_));
    note(SpalteKlick(E.Richtung1, anker_.ebenePar[i][1], links_, X_, Y_));
    note(SpalteKlick(E.Richtung2, anker_.ebenePar[i][2], links_, X_, Y_));
}

void InputClicks::kugel(int i, TKugel& K) {
    note(SpalteKlick(K.M, anker_.kugelM[i], links_, X_, Y_));
    note(FeldKlick(K.r, anker_.kugelR[i], links_, X_, Y_));
    if (!IstKugel(K)) invalid_ = true;
}

void InputClicks::kugel(int i, TKugelV& V) {
    note(SpalteKlick(V.a, anker_.kugelA[i], links_, X_, Y_));
    // The sheet shows the constant as -c ("x +10 = 0" for c = -10): a left click raises the
    // number the user sees, so it lowers c.
    note(FeldKlick(V.c, anker_.kugelC[i], !links_, X_, Y_));
    if (!IstKugelV(V)) invalid_ = true;
}

void InputClicks::paar(int i, TPunkt2& P) {
    note(PaarKlick(P.x, P.y, anker_.paar[i], links_, X_, Y_));
}

void InputClicks::matrix(int i, TMatrix2& M) {
    for (int k = 0; k < 4; ++k)
        note(MatrixKlick(M.a[k / 2][k % 2], anker_.matrix[i][k], links_, X_, Y_));
}

void InputClicks::matrix(int i, TMatrix3& M) {
    for (int k = 0; k < 9; ++k)
        note(MatrixKlick(M.a[k / 3][k % 3], anker_.matrix[i][k], links_, X_, Y_));
}

void InputClicks::matrixVektor(double* v, int n) {
    for (int k = 0; k < n; ++k) note(MatrixKlick(v[k], anker_.matrixVektor[k], links_, X_, Y_));
}

namespace {

bool FeldKlickSchritt(double& wert, const FieldAnchor& a, bool links, int X, int Y,
                      double schritt) {
    double d = 0;
    if (!FeldKlick(d, a, links, X, Y)) return false;
    wert += d * schritt;
    return true;
}

} // namespace

void InputClicks::zahl2(int i, double& wert) {
    note(FeldKlickSchritt(wert, anker_.zahl2[i], links_, X_, Y_, 0.2));
}

void InputClicks::gleichung2(int i, TGeradeGl2& g) {
    if (g.u == 0 && g.v == 0) return;
    if (tolerance::isZero(g.v, g.u)) { // written as x = k
        double k = g.w / g.u;
        if (FeldKlickSchritt(k, anker_.zahl2[i], links_, X_, Y_, 0.2)) g.w = k * g.u, note(true);
        return;
    }
    double m = -g.u / g.v, c = g.w / g.v;
    if (FeldKlickSchritt(m, anker_.zahl2[i], links_, X_, Y_, 0.2)) g.u = -m * g.v, note(true);
    if (FeldKlickSchritt(c, anker_.zahl2[i + 1], links_, X_, Y_, 0.2)) g.w = c * g.v, note(true);
}

void InputClicks::affinPunkt(int i, TPunkt2& P) {
    note(PaarKlick(P.x, P.y, anker_.affinPunkt[i], links_, X_, Y_));
}

void InputClicks::affinZahl(int i, double& wert, double schritt) {
    note(FeldKlickSchritt(wert, anker_.affinZahl[i], links_, X_, Y_, schritt));
}

void InputClicks::abbildung(TAbbildung2& m) {
    for (int i = 0; i < 6; ++i)
        note(FeldKlickSchritt(affine::wert(m, i), anker_.abbildung[i], links_, X_, Y_, 1));
}
