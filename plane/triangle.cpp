#include "plane/triangle.h"

#include "core/checked.h"
#include "core/number_text.h"
#include "core/vector.h"

#include <algorithm>
#include <cmath>

using namespace plane;

bool Schnitt2(const TGerade2& g, const TGerade2& h, TPunkt2& s) {
    const TPunkt2 &d1 = g.Richtung, &d2 = h.Richtung;
    const double det = d1.y * d2.x - d1.x * d2.y;
    if (tolerance::isZero(det, length(d1) * length(d2))) return false;
    const TPunkt2 p = difference(g.Stuetz, h.Stuetz);
    const double t = teile(p.x * d2.y - p.y * d2.x, det);
    s.x = endlich(g.Stuetz.x + t * d1.x);
    s.y = endlich(g.Stuetz.y + t * d1.y);
    return true;
}

double Winkel2(const TPunkt2& p, const TPunkt2& q, const TPunkt2& r) {
    const TPunkt2 u = difference(p, q), v = difference(r, q);
    const double lengths = length(u) * length(v);
    const double uv = dot(u, v);
    if (lengths != 0 && tolerance::isZero(uv, lengths)) return 90;
    // Rounding can put the cosine a hair beyond ±1, where the root would be of a negative number.
    const double c = std::clamp(teile(uv, lengths), -1.0, 1.0);
    return std::acos(c) * 180.0 / PI;
}

std::string Geradengleichung2(const TGerade2& g) {
    const TPunkt2 &d = g.Richtung, &P = g.Stuetz;
    if (tolerance::isZero(d.x, length(d)))
        return "x = " + ZahlText(tolerance::isZero(P.x, length(P)) ? 0.0 : P.x);
    double m = endlich(d.y / d.x);
    double b = endlich((P.y * d.x - P.x * d.y) / d.x);
    // Rounding remainders of a horizontal line or a line through the origin are zero, and a
    // zero (also a typed "-0") is written without its sign.
    if (tolerance::isZero(d.y, length(d))) m = 0;
    if (tolerance::isZero(b, (std::fabs(P.y * d.x) + std::fabs(P.x * d.y)) / std::fabs(d.x))) b = 0;
    const std::string mt = ZahlText(m), bt = ZahlText(b);
    return b >= 0 ? "y = " + mt + " x + " + bt : "y = " + mt + " x " + bt;
}

namespace {

// The bisector of the angle at q: support q, direction the sum of the two unit vectors.
TGerade2 angleBisector(const TPunkt2& p, const TPunkt2& q, const TPunkt2& r) {
    const TPunkt2 u = difference(p, q), v = difference(r, q);
    const double lu = length(u), lv = length(v);
    return {q, with(q, u.x / lu + v.x / lv, u.y / lu + v.y / lv)};
}

TPunkt2 named(const char* name, TFarbe farbe) {
    return punkt2(0, 0, farbe, name);
}

} // namespace

TDreieck2Daten Dreieck2_berechnen(const TPunkt2& A, const TPunkt2& B, const TPunkt2& C) {
    TDreieck2Daten d;
    d.a = distance(B, C);
    d.b = distance(A, C);
    d.c = distance(A, B);
    // Collinear or coincident vertices: the area is zero relative to the sides that span it.
    const double side = std::max({d.a, d.b, d.c});
    if (tolerance::isZero(cross(difference(B, A), difference(C, A)), side * side)) return d;
    d.Dreieck = true;

    d.alpha = Winkel2(B, A, C);
    d.beta = Winkel2(A, B, C);
    d.gamma = Winkel2(A, C, B);

    d.Mc = with(named("Mc", farbe::Lime), (A.x + B.x) / 2, (A.y + B.y) / 2);
    d.Ma = with(named("Ma", farbe::Lime), (B.x + C.x) / 2, (B.y + C.y) / 2);
    d.Mb = with(named("Mb", farbe::Lime), (A.x + C.x) / 2, (A.y + C.y) / 2);

    d.sa = lineThrough(d.Ma, A);
    d.sb = lineThrough(d.Mb, B);
    d.sc = lineThrough(d.Mc, C);
    d.mb = bisectorOfSegment(A, C);
    d.mc = bisectorOfSegment(A, B);
    d.ma = bisectorOfSegment(B, C);
    d.hc = altitude(A, B, C);
    d.ha = altitude(B, C, A);
    d.hb = altitude(A, C, B);

    // In a true triangle every pair of these lines meets.
    d.H = named("H", farbe::Rot);
    d.S = named("S", farbe::Lime);
    d.M = named("M", farbe::Aqua);
    d.W = named("W", farbe::Gelb);
    Schnitt2(d.ha, d.hc, d.H);
    Schnitt2(d.sa, d.sc, d.S);
    Schnitt2(d.ma, d.mc, d.M);
    d.r = distance(d.M, A);

    d.wa = angleBisector(C, A, B);
    d.wb = angleBisector(A, B, C);
    d.wc = angleBisector(B, C, A);
    Schnitt2(d.wa, d.wc, d.W);

    d.gc = lineThrough(A, B);
    d.ga = lineThrough(B, C);
    d.gb = lineThrough(A, C);

    d.Ha = named("Ha", farbe::Rot);
    d.Hb = named("Hb", farbe::Rot);
    d.Hc = named("Hc", farbe::Rot);
    Schnitt2(d.ha, d.ga, d.Ha);
    Schnitt2(d.hb, d.gb, d.Hb);
    Schnitt2(d.hc, d.gc, d.Hc);
    d.Wa = named("Wa", farbe::Gelb);
    d.Wb = named("Wb", farbe::Gelb);
    d.Wc = named("Wc", farbe::Gelb);
    Schnitt2(d.wa, d.ga, d.Wa);
    Schnitt2(d.wb, d.gb, d.Wb);
    Schnitt2(d.wc, d.gc, d.Wc);

    // In an equilateral triangle H and M coincide: the Euler line has no direction then.
    d.e.Stuetz = d.H;
    d.e.Richtung = difference(d.H, d.M);
    if (tolerance::isZero(length(d.e.Richtung), std::max({d.a, d.b, d.c})))
        d.e.Richtung = with(d.e.Richtung, 0, 0);

    TPunkt2 fuss;
    if (Schnitt2(TGerade2{d.W, d.mc.Richtung}, d.gc, fuss)) d.i = distance(fuss, d.W);
    return d;
}

void Dreieck2_Beispiel(TPunkt2 (&ecken)[3]) {
    ecken[0] = punkt2(-4, -1, farbe::Gelb, "A");
    ecken[1] = punkt2(4, -1, farbe::Gelb, "B");
    ecken[2] = punkt2(0, 4, farbe::Gelb, "C");
}
