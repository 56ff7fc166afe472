#include "core/objects.h"

#include "core/checked.h"
#include "core/relations.h"

void Gerade_durch_2_Punkte(const TPunkt& A, const TPunkt& B, TGerade& g) {
    TGerade e = g;
    e.Stuetz = A;
    // The raw difference is kept on purpose: the line through two points shows B − A unsimplified.
    Differenz(B, A, e.Richtung); // Farbe of the direction := A.Farbe
    e.Farbe = A.Farbe;
    e.Name = "g:";
    g = std::move(e);
}

void Punkt_auf_Gerade(const TGerade& g, double t, TPunkt& erg) {
    TPunkt s = erg;
    Summe(g.Stuetz, vielfaches(g.Richtung, t), s);
    s.Name = "S";
    s.Farbe = g.Farbe;
    erg = std::move(s);
}

void Ebene_durch_3_Punkte(const TPunkt& A, const TPunkt& B, const TPunkt& C, TEbene& E) {
    TEbene e = E;
    e.Stuetz = A;
    e.Stuetz.Name = "P";
    Differenz(B, A, e.Richtung1);
    Vereinfachen(e.Richtung1);
    Differenz(C, A, e.Richtung2);
    Vereinfachen(e.Richtung2);
    E = std::move(e);
}

void Punkt_auf_Ebene(const TEbene& E, double r, double s, TPunkt& erg) {
    TPunkt p = summe(summe(E.Stuetz, vielfaches(E.Richtung1, r)), vielfaches(E.Richtung2, s));
    erg.x = p.x;
    erg.y = p.y;
    erg.z = p.z;
}

void Parameter_zu_Normalenform(const TEbene& E, TEbeneNorm& N) {
    TEbeneNorm e = N;
    Kreuzprodukt(E.Richtung1, E.Richtung2, e.Normale);
    Vereinfachen(e.Normale); // may reverse the orientation of u × v
    e.d = Skalarprodukt(E.Stuetz, e.Normale);
    e.Farbe = E.Farbe;
    e.Name = E.Name;
    N = std::move(e);
}

void Normalen_zu_Parameterform(const TEbeneNorm& N, TEbene& E) {
    const TPunkt& n = N.Normale;
    TEbene e = E;
    auto setze = [](TPunkt& p, double x, double y, double z) {
        p.x = x;
        p.y = y;
        p.z = z;
    };
    // The negations are written as such: −0 stays −0 and is printed "-0" like every other zero
    // with a sign.
    if (n.x != 0) {
        setze(e.Stuetz, teile(N.d, n.x), 0, 0);
        setze(e.Richtung1, -n.y, n.x, 0);
        setze(e.Richtung2, -n.z, 0, n.x);
    } else if (n.y != 0) {
        setze(e.Stuetz, 0, teile(N.d, n.y), 0);
        setze(e.Richtung1, 1, 0, 0);
        setze(e.Richtung2, 0, n.z, -n.y);
    } else {
        setze(e.Stuetz, 0, 0, teile(N.d, n.z)); // a zero normal ends here with MathError
        setze(e.Richtung1, 1, 0, 0);
        setze(e.Richtung2, 0, 1, 0);
    }
    Vereinfachen(e.Richtung1);
    Vereinfachen(e.Richtung2);
    e.Name = N.Name;
    E = std::move(e);
}

void Hesse_Normalform(const TEbeneNorm& N, TEbeneNorm& H) {
    // One length for both: dividing d by the length of the already normalised n would leave d
    // unchanged.
    const double l = Laenge(N.Normale);
    TEbeneNorm e = H;
    e.Normale.x = teile(N.Normale.x, l);
    e.Normale.y = teile(N.Normale.y, l);
    e.Normale.z = teile(N.Normale.z, l);
    e.d = teile(N.d, l);
    e.Farbe = N.Farbe;
    H = std::move(e);
}

void Kugel_M_zu_V(const TKugel& K, TKugelV& V) {
    TKugelV e = V;
    Vielfaches(K.M, 2, e.a);
    e.c = endlich(endlich(K.r * K.r) - Skalarprodukt(K.M, K.M));
    e.Farbe = K.Farbe;
    e.Name = K.Name;
    V = std::move(e);
}

void Kugel_V_zu_M(const TKugelV& V, TKugel& K) {
    TKugel e = K;
    e.M.x = V.a.x / 2;
    e.M.y = V.a.y / 2;
    e.M.z = V.a.z / 2;
    e.r = wurzel(endlich(Skalarprodukt(e.M, e.M) + V.c));
    e.Farbe = V.Farbe;
    e.M.Farbe = V.Farbe;
    e.M.Name = "M";
    e.Name = "K: ";
    K = std::move(e);
}

void Kugel_durch_4_Punkte(const TPunkt& A, const TPunkt& B, const TPunkt& C, const TPunkt& D,
                          bool& geloest, TKugel& K) {
    const TPunkt zeile1 = vielfaches(differenz(A, B), 2);
    const TPunkt zeile2 = vielfaches(differenz(A, C), 2);
    const TPunkt zeile3 = vielfaches(differenz(A, D), 2);
    const double aa = Skalarprodukt(A, A);
    TPunkt rechts;
    rechts.x = endlich(aa - Skalarprodukt(B, B));
    rechts.y = endlich(aa - Skalarprodukt(C, C));
    rechts.z = endlich(aa - Skalarprodukt(D, D));

    TPunkt m;
    bool ok = false;
    Cramer3(zeile1, zeile2, zeile3, rechts, ok, m);
    if (!ok) { // the four points lie in one plane
        geloest = false;
        return;
    }
    const double r2 = endlich(aa - endlich(2 * Skalarprodukt(A, m)) + Skalarprodukt(m, m));
    if (r2 < 0) {
        geloest = false;
        return;
    }
    TKugel e = K;
    e.M.x = m.x;
    e.M.y = m.y;
    e.M.z = m.z;
    e.r = wurzel(r2);
    e.Name = "K: ";
    e.Farbe = farbe::Gelb;
    e.M.Name = "M";
    e.M.Farbe = farbe::Gelb;
    K = std::move(e);
    geloest = true;
}

void Tangentialebene(const TKugel& K, const TPunkt& P, TEbeneNorm& T) {
    TEbeneNorm e = T;
    Differenz(P, K.M, e.Normale); // Farbe := colour of the centre
    e.d = endlich(Skalarprodukt(K.M, e.Normale) + endlich(K.r * K.r));
    // Common whole-number factors are divided out of n and d together. The quotient is formed in
    // extended precision so that a whole multiple comes out exactly whole.
    for (int k = 100; k >= 2; --k) {
        const long double lk = k;
        TPunkt& n = e.Normale;
        if (IstGanzzahl(n.x / lk) && IstGanzzahl(n.y / lk) && IstGanzzahl(n.z / lk) &&
            IstGanzzahl(e.d / lk)) {
            const long double f = 1.0L / lk;
            n.x = static_cast<double>(n.x * f);
            n.y = static_cast<double>(n.y * f);
            n.z = static_cast<double>(n.z * f);
            e.d = static_cast<double>(e.d / lk);
        }
    }
    e.Name = "T: ";
    e.Farbe = farbe::Aqua;
    T = std::move(e);
}

bool IstGerade(const TGerade& g) {
    return !IstNullvektor(g.Richtung);
}

bool IstEbeneNorm(const TEbeneNorm& E) {
    return !IstNullvektor(E.Normale);
}

bool IstEbenePar(const TEbene& E) {
    if (IstNullvektor(E.Richtung1) || IstNullvektor(E.Richtung2)) return false;
    double k = 0;
    return !Parallel_mit_Faktor(E.Richtung1, E.Richtung2, k);
}

bool IstKugel(const TKugel& K) {
    return K.r > 0;
}

bool IstKugelV(const TKugelV& V) {
    const TPunkt h = vielfaches(V.a, 0.5);
    return endlich(Skalarprodukt(h, h) + V.c) >= 0;
}
