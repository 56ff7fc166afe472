// Two planes, and the traces of lines and planes in the coordinate system.
#include "core/checked.h"
#include "core/relations.h"
#include "core/relations_internal.h"
#include "core/tolerance.h"

#include <cmath>

using relations_internal::koordinaten;

namespace {

// p − q, or 0 when the two products cancel up to rounding: a 2×2 minor of the two normals, which
// serves as a divisor below and must not be a rounding remainder.
double minor(double p, double q) {
    return tolerance::snapped(endlich(p - q), std::fabs(p) + std::fabs(q));
}

// A point of the intersection line of two non-parallel planes, with one coordinate fixed at 1.
TPunkt Punkt_mit_Eins(const TPunkt& a, double dA, const TPunkt& b, double dB) {
    TPunkt p;
    double c = minor(a.x * b.y, a.y * b.x);
    if (c != 0) {
        const double ra = endlich(dA - a.z), rb = endlich(dB - b.z);
        p.z = 1;
        p.x = teile(endlich(ra * b.y - rb * a.y), c);
        p.y = teile(endlich(rb * a.x - ra * b.x), c);
        return p;
    }
    c = minor(a.y * b.z, a.z * b.y);
    if (c != 0) {
        const double ra = endlich(dA - a.x), rb = endlich(dB - b.x);
        p.x = 1;
        p.y = teile(endlich(ra * b.z - rb * a.z), c);
        p.z = teile(endlich(rb * a.y - ra * b.y), c);
        return p;
    }
    c = endlich(a.x * b.z - a.z * b.x);
    const double ra = endlich(dA - a.y), rb = endlich(dB - b.y);
    p.y = 1;
    p.x = teile(endlich(ra * b.z - rb * a.z), c);
    p.z = teile(endlich(rb * a.x - ra * b.x), c);
    return p;
}

bool ganz(double zaehler, double nenner) {
    return IstGanzzahl(static_cast<long double>(zaehler) / nenner);
}

// Replaces the point by one with a zero coordinate when eliminating x (or y) from the two
// equations gives a whole number, so that the sheet shows a simple support point.
void Einfacher_Punkt(const TPunkt& a, double dA, const TPunkt& b, double dB, TPunkt& p) {
    if (a.x != 0 && b.x != 0) {
        const double ka = minor(a.y * b.x, b.y * a.x);
        const double kb = minor(a.z * b.x, b.z * a.x);
        const double e = minor(dA * b.x, dB * a.x);
        if (kb == 0) return;
        if (ganz(e, kb)) {
            p.z = teile(e, kb);
            p.y = 0;
            p.x = teile(endlich(dA - endlich(p.z * a.z)), a.x);
        } else if (ka != 0 && ganz(e, ka)) {
            p.y = teile(e, ka);
            p.z = 0;
            p.x = teile(endlich(dA - endlich(p.y * a.y)), a.x);
        }
    } else if (a.y != 0 && b.y != 0) {
        const double ka = minor(a.x * b.y, b.x * a.y);
        const double kb = minor(a.z * b.y, b.z * a.y);
        const double e = minor(dA * b.y, dB * a.y);
        if (kb == 0) {
            // ka = 0 as well would mean parallel normals, which the caller has excluded up to
            // its tolerance; the point found with a coordinate fixed at 1 then stays.
            if (ka != 0 && ganz(e, ka)) {
                p.x = teile(e, ka);
                p.z = 0;
                p.y = teile(endlich(dA - endlich(p.x * a.x)), a.y);
            }
        } else if (ganz(e, kb)) {
            p.z = teile(e, kb);
            p.x = 0;
            p.y = teile(endlich(dA - endlich(p.z * a.z)), a.y);
        }
    }
}

} // namespace

void Lage_zweier_Ebenen(const TEbeneNorm& E, const TEbeneNorm& F, std::string& wort, TGerade& s) {
    const TPunkt& a = E.Normale;
    const TPunkt& b = F.Normale;
    double k = 0;
    if (Parallel_mit_Faktor(a, b, k)) {
        // Identical when dF·nE − dE·nF vanishes, relative to the size of the two products.
        const TPunkt rest = differenz(vielfaches(a, F.d), vielfaches(b, E.d));
        const double skala =
            std::max(std::fabs(F.d) * tolerance::size(a), std::fabs(E.d) * tolerance::size(b));
        wort = tolerance::isZeroVector(rest, skala) ? lage::identisch : lage::parallel;
        return;
    }
    TPunkt w = kreuzprodukt(a, b);
    Kuerzen(w);
    TPunkt p = Punkt_mit_Eins(a, E.d, b, F.d);
    Einfacher_Punkt(a, E.d, b, F.d, p);

    TGerade e = s;
    koordinaten(e.Stuetz, p);
    e.Stuetz.Name = " P";
    e.Stuetz.Farbe = farbe::Aqua;
    koordinaten(e.Richtung, w);
    e.Richtung.Farbe = farbe::Aqua;
    e.Name = "s:";
    e.Farbe = farbe::Aqua;
    s = std::move(e);
    wort = lage::schneidend;
}

double Abstand_paralleler_Ebenen(const TEbeneNorm& E, const TEbeneNorm& F) {
    TEbeneNorm hE, hF;
    Hesse_Normalform(E, hE);
    Hesse_Normalform(F, hF);
    // Normals of opposite orientation: the right-hand side of F changes its sign. The sign of
    // the scalar product decides; the normalised vectors are rarely exact negatives.
    double dF = hF.d;
    if (Skalarprodukt(hE.Normale, hF.Normale) < 0) dF = -dF;
    return std::fabs(endlich(hE.d - dF));
}

void Spurpunkt(const TGerade& g, const std::string& key, TPunkt& S, bool& da) {
    const TPunkt& p = g.Stuetz;
    const TPunkt& u = g.Richtung;
    // The point starts as the origin, unnamed and aqua, whether or not a trace point exists.
    TPunkt s;
    s.Farbe = farbe::Aqua;
    double t = 0;
    const char* name = nullptr;
    if (key == koordinatenebene::x12 && u.z != 0) {
        t = teile(-p.z, u.z);
        name = "S12";
    } else if (key == koordinatenebene::x23 && u.x != 0) {
        t = teile(-p.x, u.x);
        name = "S23";
    } else if (key == koordinatenebene::x13 && u.y != 0) {
        t = teile(-p.y, u.y);
        name = "S13";
    }
    if (name) {
        koordinaten(s, summe(p, vielfaches(u, t)));
        s.Name = name;
    }
    S = std::move(s);
    da = name != nullptr;
}

namespace {
void Spurgerade(const TEbeneNorm& E, const TPunkt& P1, const TPunkt& P2, const char* name,
                TGerade& s) {
    TGerade e = s;
    koordinaten(e.Stuetz, P1);
    koordinaten(e.Richtung, differenz(P2, P1));
    e.Name = name;
    e.Farbe = E.Farbe;
    s = std::move(e);
}
} // namespace

void Spurgeraden(const TEbeneNorm& E, TGerade& s12, TGerade& s13, TGerade& s23, bool& da12,
                 bool& da13, bool& da23) {
    const TPunkt& n = E.Normale;
    const double d = E.d;
    bool a12 = false, a13 = false, a23 = false;
    // Compute all three before writing, so an error leaves every record as it was.
    TGerade r12 = s12, r13 = s13, r23 = s23;
    if (n.x != 0) {
        Spurgerade(E, punkt(teile(d, n.x), 0, 0), punkt(teile(endlich(d - n.y), n.x), 1, 0),
                   "s12:", r12);
        a12 = true;
    } else if (n.y != 0) {
        Spurgerade(E, punkt(0, teile(d, n.y), 0), punkt(1, teile(d, n.y), 0), "s12:", r12);
        a12 = true;
    }
    if (n.x != 0) {
        Spurgerade(E, punkt(teile(d, n.x), 0, 0), punkt(teile(endlich(d - n.z), n.x), 0, 1),
                   "s13:", r13);
        a13 = true;
    } else if (n.z != 0) {
        Spurgerade(E, punkt(0, 0, teile(d, n.z)), punkt(1, 0, teile(d, n.z)), "s13:", r13);
        a13 = true;
    }
    if (n.y != 0) {
        Spurgerade(E, punkt(0, teile(d, n.y), 0), punkt(0, teile(endlich(d - n.z), n.y), 1),
                   "s23:", r23);
        a23 = true;
    } else if (n.z != 0) {
        Spurgerade(E, punkt(0, 0, teile(d, n.z)), punkt(0, 1, teile(d, n.z)), "s23:", r23);
        a23 = true;
    }
    s12 = std::move(r12);
    s13 = std::move(r13);
    s23 = std::move(r23);
    da12 = a12;
    da13 = a13;
    da23 = a23;
}

void Achsenschnittpunkte(const TEbeneNorm& E, TPunkt& S1, TPunkt& S2, TPunkt& S3, bool& da1,
                         bool& da2, bool& da3) {
    const TPunkt& n = E.Normale;
    TPunkt p1 = S1, p2 = S2, p3 = S3;
    if (n.x != 0) p1 = punkt(teile(E.d, n.x), 0, 0, E.Farbe, "S1");
    if (n.y != 0) p2 = punkt(0, teile(E.d, n.y), 0, E.Farbe, "S2");
    if (n.z != 0) p3 = punkt(0, 0, teile(E.d, n.z), E.Farbe, "S3");
    S1 = std::move(p1);
    S2 = std::move(p2);
    S3 = std::move(p3);
    da1 = n.x != 0;
    da2 = n.y != 0;
    da3 = n.z != 0;
}

void Winkel_Koordinatenebenen(const TEbeneNorm& E, double& w12, double& w13, double& w23) {
    const double a = Winkel(E.Normale, punkt(0, 0, 1));
    const double b = Winkel(E.Normale, punkt(0, 1, 0));
    const double c = Winkel(E.Normale, punkt(1, 0, 0));
    w12 = a;
    w13 = b;
    w23 = c;
}

void Winkel_Koordinatenachsen(const TEbeneNorm& E, double& w1, double& w2, double& w3) {
    const double a = 90 - Winkel(E.Normale, punkt(1, 0, 0));
    const double b = 90 - Winkel(E.Normale, punkt(0, 1, 0));
    const double c = 90 - Winkel(E.Normale, punkt(0, 0, 1));
    w1 = a;
    w2 = b;
    w3 = c;
}
