// Points, lines and planes: feet of perpendiculars, distances, intersections of a line with a
// plane, the position of two lines, the line through a point meeting two lines, and the mirror
// image of a line in a plane.
#include "core/checked.h"
#include "core/number_text.h"
#include "core/relations.h"
#include "core/relations_internal.h"
#include "core/tolerance.h"

#include <cmath>

using relations_internal::Ebene_aus;
using relations_internal::koordinaten;
using relations_internal::Schnittparameter;

namespace relations_internal {

double Schnittparameter(const TGerade& g, const TGerade& h) {
    const TPunkt& u = g.Richtung;
    const TPunkt& v = h.Richtung;
    const TPunkt w = differenz(g.Stuetz, h.Stuetz);
    // A denominator that is only a rounding remainder would put the point near infinity.
    auto nenner = [](double p, double q) {
        return tolerance::snapped(endlich(p - q), std::fabs(p) + std::fabs(q));
    };
    const double d1 = nenner(u.y * v.x, u.x * v.y);
    if (d1 != 0) return teile(endlich(w.x * v.y - w.y * v.x), d1);
    const double d2 = nenner(u.y * v.z, u.z * v.y);
    if (d2 != 0) return teile(endlich(w.z * v.y - w.y * v.z), d2);
    const double d3 = nenner(u.z * v.x, u.x * v.z);
    if (d3 != 0) return teile(endlich(w.x * v.z - w.z * v.x), d3);
    return 0;
}

TEbeneNorm Ebene_aus(const TPunkt& p, const TPunkt& u, const TPunkt& v) {
    TEbene e;
    e.Stuetz = p;
    e.Richtung1 = u;
    e.Richtung2 = v;
    TEbeneNorm n;
    Parameter_zu_Normalenform(e, n);
    return n;
}

} // namespace relations_internal

double Abstand_Punkt_Ebene(const TPunkt& Q, const TEbeneNorm& E) {
    TEbeneNorm h;
    Hesse_Normalform(E, h);
    return std::fabs(endlich(Skalarprodukt(h.Normale, Q) - h.d));
}

void Schnitt_Gerade_Ebene(const TGerade& g, const TEbeneNorm& E, TPunkt& S) {
    // Callers use this only when the intersection exists; u·n = 0 throws instead of giving an
    // infinite point.
    const double z = endlich(E.d - Skalarprodukt(g.Stuetz, E.Normale));
    const double t = teile(z, Skalarprodukt(g.Richtung, E.Normale));
    Punkt_auf_Gerade(g, t, S);
}

void Schnittpunkt_Gerade_Ebene(const TGerade& g, const TEbeneNorm& E, int& code, TPunkt& S) {
    double z = endlich(E.d - Skalarprodukt(g.Stuetz, E.Normale));
    if (std::fabs(z) < 1e-8) z = 0;
    double n = Skalarprodukt(g.Richtung, E.Normale);
    if (std::fabs(n) < 1e-8) n = 0;
    if (n == 0) {
        code = z == 0 ? 3 : 2;
        return;
    }
    TPunkt s = S;
    Punkt_auf_Gerade(g, teile(z, n), s);
    s.Name = "S";
    s.Farbe = farbe::Aqua;
    S = std::move(s);
    code = 1;
}

void Lotfusspunkt(const TPunkt& Q, const TGerade& g, TPunkt& F) {
    TEbeneNorm e;
    e.Normale = g.Richtung;
    e.d = Skalarprodukt(g.Richtung, Q);
    Schnitt_Gerade_Ebene(g, e, F);
}

double Abstand_Punkt_Gerade(const TPunkt& Q, const TGerade& g) {
    TPunkt f;
    Lotfusspunkt(Q, g, f);
    return Abstand(f, Q);
}

void Lot_Punkt_Gerade(const TPunkt& Q, const TGerade& g, TGerade& l, TPunkt& F, int& flag) {
    TPunkt f = F;
    Lotfusspunkt(Q, g, f);
    f.Name = "L";
    f.Farbe = farbe::Aqua;
    TGerade e = l;
    e.Stuetz = Q;
    Differenz(Q, f, e.Richtung);
    e.Name = "l:";
    e.Farbe = farbe::Aqua;
    // Q lies on g when the foot is Q itself up to rounding (relative to the points involved).
    const double skala = tolerance::size({&Q, &g.Stuetz, &f});
    flag = tolerance::isZeroVector(e.Richtung, skala) ? 0 : 1;
    l = std::move(e);
    F = std::move(f);
}

void Lot_auf_Ebene(const TPunkt& Q, const TEbeneNorm& E, TGerade& l, TPunkt& F) {
    TGerade e = l;
    e.Stuetz = Q;
    e.Richtung = E.Normale;
    e.Name = "L";
    e.Farbe = farbe::Aqua;
    TPunkt f = F;
    Schnitt_Gerade_Ebene(e, E, f);
    f.Name = "L";
    f.Farbe = farbe::Aqua;
    l = std::move(e);
    F = std::move(f);
}

void Ebene_durch_Punkt_parallel(const TEbeneNorm& E, const TPunkt& Q, TEbeneNorm& erg) {
    TEbeneNorm e = erg;
    e.Normale = E.Normale;
    e.d = Skalarprodukt(E.Normale, Q);
    e.Name = "SpE: ";
    erg = std::move(e);
}

void Ebene_durch_Punkt_senkrecht(const TPunkt& u, const TPunkt& Q, TEbeneNorm& erg) {
    TEbeneNorm e = erg;
    e.Normale = u;
    e.d = Skalarprodukt(u, Q);
    e.Name = "  Ep :";
    erg = std::move(e);
}

double Winkel_Gerade_Ebene(const TGerade& g, const TEbeneNorm& E) {
    return 90 - Winkel(g.Richtung, E.Normale);
}

bool Richtungen_parallel(const TPunkt& u0, const TPunkt& v0) {
    TPunkt u = u0, v = v0;
    Vereinfachen(u);
    Vereinfachen(v);
    // An exact shortcut only: every other case is decided by the tolerance of the tests below.
    if (GleichePunkte(u, v)) return true;
    // The factor may overflow for wildly different magnitudes; the comparisons are then false,
    // which is the right answer, and nothing of it leaves this function.
    const double tol = 5e-10;
    if (v.x != 0) {
        const double k = u.x / v.x;
        if (std::fabs(u.y - k * v.y) < tol && std::fabs(u.z - k * v.z) < tol) return true;
    }
    if (v.y != 0) {
        const double k = u.y / v.y;
        if (std::fabs(u.x - k * v.x) < tol && std::fabs(u.z - k * v.z) < tol) return true;
    }
    if (v.z != 0) {
        const double k = u.z / v.z;
        if (std::fabs(u.y - k * v.y) < tol && std::fabs(u.x - k * v.x) < tol) return true;
    }
    return false;
}

bool Parallel_mit_Faktor(const TPunkt& a, const TPunkt& b, double& k) {
    const double tol = 1e-7;
    auto nah = [tol](double ai, double f, double bi) { return std::fabs(ai - f * bi) < tol; };
    if (b.x != 0) {
        const double f = teile(a.x, b.x);
        k = f;
        return nah(a.y, f, b.y) && nah(a.z, f, b.z);
    }
    if (b.y != 0) {
        const double f = teile(a.y, b.y);
        k = f;
        return nah(a.x, f, b.x) && nah(a.z, f, b.z);
    }
    if (b.z != 0) {
        const double f = teile(a.z, b.z);
        k = f;
        return nah(a.x, f, b.x) && nah(a.y, f, b.y);
    }
    k = 0;
    return true;
}

void Lage_zweier_Geraden(const TGerade& g, const TGerade& h, std::string& wort,
                         std::string& abstandText, TPunkt& S, TPunkt& L1, TPunkt& L2, TGerade& l) {
    const TPunkt& p = g.Stuetz;
    const TPunkt& u = g.Richtung;
    const TPunkt& q = h.Stuetz;
    const TPunkt& v = h.Richtung;

    if (Richtungen_parallel(u, v)) {
        const double a = Abstand_Punkt_Gerade(q, g);
        // The same line given with another support point: the distance is 0 up to rounding,
        // relative to the support points it was computed from.
        const bool gleich = tolerance::isZero(a, tolerance::size({&p, &q}));
        abstandText = Zahl9_3(gleich ? 0.0 : a);
        wort = gleich ? lage::identisch : lage::parallel;
        return;
    }

    if (Abstand_Punkt_Ebene(q, Ebene_aus(p, u, v)) < 5e-11) {
        TPunkt s = S;
        Punkt_auf_Gerade(g, Schnittparameter(g, h), s);
        S = std::move(s);
        wort = lage::schneidend;
        return;
    }

    // Skew: the common perpendicular meets h in the plane through g spanned by u and n, and g in
    // the plane through h spanned by v and n.
    const TPunkt n = kreuzprodukt(u, v);
    TPunkt f2 = L2, f1 = L1;
    Schnitt_Gerade_Ebene(h, Ebene_aus(p, u, n), f2);
    Schnitt_Gerade_Ebene(g, Ebene_aus(q, v, n), f1);
    f1.Name = "L1";
    f1.Farbe = farbe::Aqua;
    f2.Name = "L2";
    f2.Farbe = farbe::Aqua;
    TGerade lot = l;
    lot.Stuetz = f1;
    TPunkt r = n;
    Vereinfachen(r);
    koordinaten(lot.Richtung, r);
    lot.Name = "l:";
    lot.Farbe = farbe::Aqua;
    std::string text = Zahl9_3(Abstand(f1, f2));

    L1 = std::move(f1);
    L2 = std::move(f2);
    l = std::move(lot);
    abstandText = std::move(text);
    wort = lage::windschief;
}

void Treffgerade(const TPunkt& P, const TGerade& g, const TGerade& h, int& code, TGerade& f,
                 TPunkt& S, TPunkt& T) {
    const TPunkt w = differenz(P, g.Stuetz);
    double k = 0;
    if (Parallel_mit_Faktor(w, g.Richtung, k)) { // P lies on g: no plane through P and g
        code = 2;
        return;
    }
    // P on h: h lies in the plane of P and g, which would be reported as "parallel" although
    // the lines need not be; the report's own text for code 2 speaks of either line.
    if (Parallel_mit_Faktor(differenz(P, h.Stuetz), h.Richtung, k)) {
        code = 2;
        return;
    }
    const TEbeneNorm e = Ebene_aus(P, w, g.Richtung);
    int c = 0;
    TPunkt s = S;
    Schnittpunkt_Gerade_Ebene(h, e, c, s);
    if (c != 1) { // h parallel to the plane of P and g, or lying in it
        code = 3;
        return;
    }
    s.Name = "S";
    s.Farbe = P.Farbe;

    TGerade ff = f;
    ff.Stuetz = P;
    Differenz(s, P, ff.Richtung);
    ff.Name = "f:";
    ff.Farbe = P.Farbe;
    // When the line from P to S runs parallel to g (or S is P itself) it never meets g: there is
    // no meeting line, and the elimination below would give a meaningless T.
    if (tolerance::isZeroVector(ff.Richtung, tolerance::size({&s, &P})) ||
        Richtungen_parallel(ff.Richtung, g.Richtung)) {
        code = 3;
        return;
    }
    TPunkt t = T;
    Punkt_auf_Gerade(ff, Schnittparameter(ff, g), t);
    t.Name = "T";
    t.Farbe = P.Farbe;

    S = std::move(s);
    f = std::move(ff);
    T = std::move(t);
    code = 1;
}

void Spiegelgerade_an_Ebene(const TGerade& g, const TEbeneNorm& E, TGerade& s) {
    // X' = 2F − X with F the foot of the perpendicular from X on E.
    auto spiegeln = [&E](const TPunkt& X) {
        TGerade lot;
        lot.Stuetz = X;
        lot.Richtung = E.Normale;
        TPunkt F;
        int code = 0;
        Schnittpunkt_Gerade_Ebene(lot, E, code, F);
        // The status test counts a normal of squared length below 1e-8 as lying in the plane;
        // the foot still exists, so it is taken from the plain intersection (which throws only
        // for a zero normal).
        if (code != 1) Schnitt_Gerade_Ebene(lot, E, F);
        return differenz(vielfaches(F, 2), X);
    };
    const TPunkt p1 = spiegeln(g.Stuetz);
    const TPunkt p2 = spiegeln(summe(g.Stuetz, g.Richtung));

    TGerade e = g;
    koordinaten(e.Stuetz, p1);
    e.Stuetz.Name = "P`";
    koordinaten(e.Richtung, differenz(p2, p1));
    e.Name = "s: ";
    s = std::move(e);
}
