#include "affine/map.h"

#include "core/errors.h"
#include "plane/matrix.h"

#include <algorithm>
#include <cmath>

namespace {

// Entries beyond the double range give no sensible image: the application's handler shows its
// boxes instead of drawing "inf".
double endlich(double v) {
    if (!std::isfinite(v)) throw MathError(fehlertext::Gleitkommaueberlauf);
    return v;
}

const char* const Strich = "´";

} // namespace

namespace affine {

double& wert(TAbbildung2& m, int i) {
    double* w[] = {&m.a11, &m.a21, &m.a12, &m.a22, &m.b1, &m.b2};
    return *w[i];
}

double wert(const TAbbildung2& m, int i) {
    return wert(const_cast<TAbbildung2&>(m), i);
}

TAbbildung2 abbildung(double a11, double a21, double a12, double a22, double b1, double b2) {
    return TAbbildung2{a11, a21, a12, a22, b1, b2, true};
}

double matrixGroesse(const TAbbildung2& m) {
    return std::max({std::fabs(m.a11), std::fabs(m.a21), std::fabs(m.a12), std::fabs(m.a22)});
}

TPunkt2 linear(const TAbbildung2& m, const TPunkt2& v) {
    return plane::with(v, endlich(m.a11 * v.x + m.a12 * v.y), endlich(m.a21 * v.x + m.a22 * v.y));
}

} // namespace affine

double Determinante(const TAbbildung2& m) {
    return det2(m.a11, m.a12, m.a21, m.a22);
}

TPunkt2 Bildpunkt(const TAbbildung2& m, const TPunkt2& P) {
    TPunkt2 B = affine::linear(m, P);
    B.x = endlich(B.x + m.b1);
    B.y = endlich(B.y + m.b2);
    B.Name += Strich;
    return B;
}

bool Inverse(const TAbbildung2& m, TAbbildung2& inv) {
    const double D = Determinante(m);
    if (D == 0) return false; // snapped: exactly 0 within 1e-8
    TAbbildung2 r;
    r.a11 = endlich(m.a22 / D);
    r.a12 = endlich(-m.a12 / D);
    r.a21 = endlich(-m.a21 / D);
    r.a22 = endlich(m.a11 / D);
    r.b1 = endlich(-(m.a22 * m.b1 - m.a12 * m.b2) / D);
    r.b2 = endlich(-(-m.a21 * m.b1 + m.a11 * m.b2) / D);
    r.festgelegt = true;
    inv = r;
    return true;
}

TAbbildung2 Verkettung(const TAbbildung2& i, const TAbbildung2& j) {
    TAbbildung2 r;
    r.a11 = endlich(i.a11 * j.a11 + i.a12 * j.a21);
    r.a12 = endlich(i.a11 * j.a12 + i.a12 * j.a22);
    r.a21 = endlich(i.a21 * j.a11 + i.a22 * j.a21);
    r.a22 = endlich(i.a21 * j.a12 + i.a22 * j.a22);
    r.b1 = endlich(i.a11 * j.b1 + i.a12 * j.b2 + i.b1);
    r.b2 = endlich(i.a21 * j.b1 + i.a22 * j.b2 + i.b2);
    r.festgelegt = true;
    return r;
}

bool Urbildpunkt(const TAbbildung2& m, const TPunkt2& Pbild, TPunkt2& P) {
    TAbbildung2 inv;
    if (!Inverse(m, inv)) return false;
    TPunkt2 U = Bildpunkt(inv, Pbild);
    U.Name = Pbild.Name;
    const std::string s = Strich;
    if (U.Name.size() >= s.size() && U.Name.compare(U.Name.size() - s.size(), s.size(), s) == 0)
        U.Name.erase(U.Name.size() - s.size());
    P = U;
    return true;
}

bool ZweiPunkte(const TGeradeGl2& g, TPunkt2& P, TPunkt2& Q) {
    const double scale = std::fabs(g.u) + std::fabs(g.v);
    if (scale == 0) return false;
    P = punkt2(0, 0, g.Farbe);
    Q = P;
    if (tolerance::isZero(g.v, scale)) {
        P.x = Q.x = endlich(g.w / g.u);
        Q.y = 1;
    } else {
        P.y = endlich(g.w / g.v);
        Q.x = 1;
        Q.y = endlich((g.w - g.u) / g.v);
    }
    return true;
}

Bildgeradenfehler Bildgerade(const TAbbildung2& m, const TGeradeGl2& g, TGeradeGl2& bild,
                             TPunkt2& punkt) {
    TPunkt2 P, Q;
    if (!ZweiPunkte(g, P, Q)) return Bildgeradenfehler::keineGerade;
    const TPunkt2 Pb = Bildpunkt(m, P);
    // (u, v) times the adjugate [[a22, −a12], [−a21, a11]]: perpendicular to the image of every
    // direction of g, also when A is singular.
    const double u = endlich(g.u * m.a22 - g.v * m.a21);
    const double v = endlich(-g.u * m.a12 + g.v * m.a11);
    const double scale = (std::fabs(g.u) + std::fabs(g.v)) * affine::matrixGroesse(m);
    if (tolerance::isZero(std::fabs(u) + std::fabs(v), scale)) {
        punkt = Pb;
        return Bildgeradenfehler::nurEinPunkt;
    }
    bild =
        TGeradeGl2{u + 0.0, v + 0.0, endlich(u * Pb.x + v * Pb.y) + 0.0, g.Farbe, g.Name + Strich};
    return Bildgeradenfehler::keiner;
}

double Dreiecksflaeche(const TPunkt2& A, const TPunkt2& B, const TPunkt2& C) {
    return std::fabs(((B.y - C.y) * A.x + (C.y - A.y) * B.x + (A.y - B.y) * C.x) * 0.5);
}

bool kollinear(const TPunkt2& P, const TPunkt2& Q, const TPunkt2& R) {
    const TPunkt2 u = plane::difference(Q, P), v = plane::difference(R, P);
    return tolerance::isZero(plane::cross(u, v), plane::length(u) * plane::length(v));
}

bool AbbildungAusDreiPunkten(const TPunkt2 (&P)[3], const TPunkt2 (&Pb)[3], TAbbildung2& m) {
    if (kollinear(P[0], P[1], P[2])) return false;
    // A·[u v] = [U V] with u, v the sides from P1 and U, V those from P1'.
    const TPunkt2 u = plane::difference(P[1], P[0]), v = plane::difference(P[2], P[0]);
    const TPunkt2 U = plane::difference(Pb[1], Pb[0]), V = plane::difference(Pb[2], Pb[0]);
    const double d = plane::cross(u, v);
    TAbbildung2 r;
    r.a11 = endlich((U.x * v.y - V.x * u.y) / d);
    r.a12 = endlich((V.x * u.x - U.x * v.x) / d);
    r.a21 = endlich((U.y * v.y - V.y * u.y) / d);
    r.a22 = endlich((V.y * u.x - U.y * v.x) / d);
    const TPunkt2 AP = affine::linear(r, P[0]);
    r.b1 = endlich(Pb[0].x - AP.x) + 0.0;
    r.b2 = endlich(Pb[0].y - AP.y) + 0.0;
    r.festgelegt = true;
    m = r;
    return true;
}

bool AbbildungAusFixpunkten(const TPunkt2& P, const TPunkt2& Pbild, const TPunkt2& F1,
                            const TPunkt2& F2, TAbbildung2& m) {
    const TPunkt2 urbild[3] = {P, F1, F2}, bild[3] = {Pbild, F1, F2};
    return AbbildungAusDreiPunkten(urbild, bild, m);
}

bool AbbildungAusFixpunktgerade(const TPunkt2& P, const TPunkt2& Pbild, const TGeradeGl2& f,
                                TAbbildung2& m) {
    TPunkt2 F1, F2;
    return ZweiPunkte(f, F1, F2) && AbbildungAusFixpunkten(P, Pbild, F1, F2, m);
}
