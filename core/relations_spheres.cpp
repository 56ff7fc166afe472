// Spheres with points, lines, planes, other spheres and the coordinate planes.
#include "core/checked.h"
#include "core/relations.h"
#include "core/relations_internal.h"
#include "core/tolerance.h"

#include <cmath>

using relations_internal::koordinaten;

int Lage_Punkt_Kugel(const TKugel& K, const TPunkt& P) {
    const double e = Abstand(P, K.M);
    if (K.r - 1e-7 < e && e < K.r + 1e-7) return 1; // on the sphere; wins over inside/outside
    if (e < K.r) return 0;
    return 2;
}

void Schnitt_Gerade_Kugel(const TKugel& K, const TGerade& g, int& anzahl, TPunkt& S1, TPunkt& S2) {
    const TPunkt& u = g.Richtung;
    const TPunkt w = differenz(g.Stuetz, K.M);
    const double A = Skalarprodukt(u, u);
    const double B = endlich(2 * Skalarprodukt(w, u));
    const double C = endlich(Skalarprodukt(w, w) - endlich(K.r * K.r));
    const double P = teile(B, A);
    const double Q = teile(C, A);
    double D = endlich(endlich((P / 2) * (P / 2)) - Q);
    if (std::sqrt(std::fabs(D)) < 1e-8) D = 0;
    D = tolerance::snapped(D, (P / 2) * (P / 2) + std::fabs(Q));

    TPunkt s1 = S1, s2 = S2;
    int n = 0;
    if (D > 0) {
        n = 2;
        const double wD = std::sqrt(D);
        Punkt_auf_Gerade(g, endlich(-P / 2 + wD), s1);
        Punkt_auf_Gerade(g, endlich(-P / 2 - wD), s2);
        s2.Name = "S2";
    } else if (D == 0) {
        n = 1;
        Punkt_auf_Gerade(g, -P / 2, s1);
    }
    // A line whose distance from the centre is the radius up to 5e-5 touches the sphere in the
    // foot of the perpendicular.
    TGerade lot;
    TPunkt F;
    int flag = 0;
    Lot_Punkt_Gerade(K.M, g, lot, F, flag);
    if (std::fabs(endlich(Abstand(F, K.M) - K.r)) < 5e-5) {
        n = 1;
        s1 = F;
    }
    if (n >= 1) {
        s1.Name = "S1";
        s1.Farbe = g.Farbe;
        S1 = std::move(s1);
    }
    if (D > 0) S2 = std::move(s2);
    anzahl = n;
}

void Kugelpunkte_zur_Geraden(const TGerade& g, const TKugel& K, TPunkt& F1, TPunkt& F2) {
    TGerade l;
    TPunkt fuss;
    int flag = 0;
    Lot_Punkt_Gerade(K.M, g, l, fuss, flag);
    if (flag == 0) {
        // The centre lies on g: any direction perpendicular to u will do.
        const TPunkt& u = g.Richtung;
        if (u.x == 0)
            koordinaten(l.Richtung, punkt(1, 0, 0));
        else if (u.y == 0)
            koordinaten(l.Richtung, punkt(0, 1, 0));
        else if (u.z == 0)
            koordinaten(l.Richtung, punkt(0, 0, 1));
        else
            koordinaten(l.Richtung, punkt(-u.y, u.x, 0));
    }
    int n = 0;
    TPunkt s1, s2;
    Schnitt_Gerade_Kugel(K, l, n, s1, s2);
    if (n == 0) return;  // cannot happen: the line passes through the centre
    if (n == 1) s2 = s1; // a sphere of radius (nearly) 0: both points are the centre
    const bool tauschen = Abstand(s2, fuss) < Abstand(s1, fuss);
    TPunkt a = tauschen ? s2 : s1;
    TPunkt b = tauschen ? s1 : s2;
    a.Name = "F1";
    b.Name = "F2";
    F1 = std::move(a);
    F2 = std::move(b);
}

void Tangentialebenen_durch_Gerade(const TKugel& K, const TGerade& g, bool& fehler, TEbeneNorm& T1,
                                   TEbeneNorm& T2, TPunkt& B1, TPunkt& B2) {
    // In coordinates centred at m, the touching points lie on the polar planes of two points of g.
    const double r2 = endlich(K.r * K.r);
    TEbeneNorm polar1, polar2;
    polar1.Normale = differenz(g.Stuetz, K.M);
    polar1.d = r2;
    polar2.Normale = differenz(summe(g.Stuetz, g.Richtung), K.M);
    polar2.d = r2;
    std::string wort;
    TGerade s;
    Lage_zweier_Ebenen(polar1, polar2, wort, s);
    if (wort != lage::schneidend) { // g passes through the centre
        fehler = true;
        return;
    }
    const TPunkt& s0 = s.Stuetz;
    const TPunkt& w = s.Richtung;
    const double a = Skalarprodukt(w, w);
    const double b = teile(Skalarprodukt(s0, w), a);
    const double c = teile(endlich(Skalarprodukt(s0, s0) - r2), a);
    const double disk = tolerance::snapped(endlich(endlich(b * b) - c), b * b + std::fabs(c));
    if (disk < 0) { // g meets the sphere: no tangent plane contains it
        fehler = true;
        return;
    }
    const double wd = std::sqrt(disk);
    const TPunkt basis = summe(K.M, s0);
    const TPunkt p1 = summe(basis, vielfaches(w, endlich(-b + wd)));
    const TPunkt p2 = summe(basis, vielfaches(w, endlich(-b - wd)));
    TEbeneNorm e1 = T1, e2 = T2;
    Tangentialebene(K, p1, e1);
    Tangentialebene(K, p2, e2);
    T1 = std::move(e1);
    T2 = std::move(e2);
    koordinaten(B1, p1);
    koordinaten(B2, p2);
    fehler = false;
}

void Lage_Ebene_Kugel(const TEbeneNorm& E, const TKugel& K, int& code, TPunkt& Mk, double& rk) {
    const double l = Laenge_gerundet(E.Normale);
    TPunkt nh;
    nh.x = teile(E.Normale.x, l);
    nh.y = teile(E.Normale.y, l);
    nh.z = teile(E.Normale.z, l);
    const double dh = teile(E.d, l);
    const double e = endlich(Skalarprodukt(nh, K.M) - dh);
    // A plane at the distance r up to rounding touches the sphere; the scale is that of the
    // numbers e was computed from.
    const double skala = std::max({tolerance::size(K.M), std::fabs(dh), K.r});
    int c = 0;
    if (tolerance::areEqual(std::fabs(e), K.r, skala))
        c = 1;
    else if (std::fabs(e) < K.r)
        c = 2;
    if (c == 0) {
        code = 0;
        return;
    }
    TGerade lot;
    lot.Stuetz = K.M;
    lot.Richtung = nh;
    TPunkt m = Mk;
    Schnitt_Gerade_Ebene(lot, E, m);
    m.Name = "Mk";
    m.Farbe = E.Farbe;
    const double r = c == 2 ? wurzel(endlich(endlich(K.r * K.r) - endlich(e * e))) : 0.0;
    Mk = std::move(m);
    rk = r;
    code = c;
}

void Pol(const TEbeneNorm& E, const TKugel& K, bool& da, TPunkt& P) {
    // The plane passes through the centre when d − n·m vanishes up to rounding: then the pole
    // lies at infinity.
    const TPunkt& n = E.Normale;
    const TPunkt& m = K.M;
    const double q = endlich(E.d - Skalarprodukt(n, m));
    const double skala =
        std::fabs(E.d) + std::fabs(n.x * m.x) + std::fabs(n.y * m.y) + std::fabs(n.z * m.z);
    if (tolerance::isZero(q, skala)) {
        da = false;
        return;
    }
    const double t = teile(endlich(K.r * K.r), q);
    TPunkt p = P;
    koordinaten(p, summe(K.M, vielfaches(E.Normale, t)));
    p.Name = "Pol";
    p.Farbe = farbe::Rot;
    P = std::move(p);
    da = true;
}

int Lage_zweier_Kugeln(const TKugel& KA, const TKugel& KB) {
    const double e = Abstand(KA.M, KB.M);
    // A centre lies inside or on the other sphere ("on" up to rounding of the distance).
    const double skala = tolerance::size({&KA.M, &KB.M});
    auto hoechstens = [&](double r) { return e <= r || tolerance::areEqual(e, r, skala); };
    if (hoechstens(KA.r) || hoechstens(KB.r)) {
        double d = endlich(e - std::fabs(endlich(KA.r - KB.r)));
        if (std::fabs(d) < 1e-9) d = 0;
        if (d == 0) return -1;
        return d < 0 ? -3 : -2;
    }
    double d = endlich(e - endlich(KA.r + KB.r));
    if (std::fabs(d) < 1e-9) d = 0;
    if (d == 0) return 1;
    return d > 0 ? 3 : 2;
}

void Radikalebene(const TKugel& KA, const TKugel& KB, TEbeneNorm& E) {
    const TPunkt n = differenz(vielfaches(KB.M, 2), vielfaches(KA.M, 2));
    const double d =
        endlich(endlich(endlich(Skalarprodukt(KB.M, KB.M) - Skalarprodukt(KA.M, KA.M)) +
                        endlich(KA.r * KA.r)) -
                endlich(KB.r * KB.r));
    koordinaten(E.Normale, n);
    E.d = d;
}

bool Schnittkreis_existiert(const TKugel& K, const std::string& key) {
    // The radius may be computed (from the vector form): a coordinate plane at the distance r up
    // to rounding touches the sphere, and the circle of radius 0 exists.
    auto hoechstens = [&K](double a) {
        return std::fabs(a) <= K.r || tolerance::areEqual(std::fabs(a), K.r);
    };
    if (key == koordinatenebene::x23) return hoechstens(K.M.x);
    if (key == koordinatenebene::x13) return hoechstens(K.M.y);
    if (key == koordinatenebene::x12) return hoechstens(K.M.z);
    return false;
}

void Schnittkreis_Koordinatenebene(const TKugel& K, const std::string& key, TPunkt& M, double& r) {
    const TPunkt& m = K.M;
    const double r2 = endlich(K.r * K.r);
    TPunkt c;
    double abstand = 0;
    if (key == koordinatenebene::x23) {
        c = punkt(0, m.y, m.z, K.Farbe, "M23");
        abstand = m.x;
    } else if (key == koordinatenebene::x13) {
        c = punkt(m.x, 0, m.z, K.Farbe, "M13");
        abstand = m.y;
    } else if (key == koordinatenebene::x12) {
        c = punkt(m.x, m.y, 0, K.Farbe, "M12");
        abstand = m.z;
    } else {
        return;
    }
    // Callers ask Schnittkreis_existiert first; without a circle the root throws. A touching
    // plane gives a radicand that is 0 up to rounding.
    const double a2 = endlich(abstand * abstand);
    const double rest = endlich(r2 - a2);
    const double rk = wurzel(tolerance::isZero(rest, r2 + a2) ? 0.0 : rest);
    M = std::move(c);
    r = rk;
}
