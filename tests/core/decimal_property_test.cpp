// Seeded random decimal input (one to three decimals, magnitudes up to 100, read by the program's
// own number reader) through the relations and sphere computations. Many cases are built to be
// degenerate: parallel, identical, through the centre, touching, coplanar, collinear, midpoint.
// Every classification is checked against an exact computation on the same decimals, done in
// integers (each number times 1000) and written out here independently of the core. No output
// may be NaN or exceed 1e12 in magnitude.
#include "core/dependence.h"
#include "core/division_ratio.h"
#include "core/errors.h"
#include "core/number_input.h"
#include "core/number_text.h"
#include "tests/core/helpers.h"

#include <random>

namespace {

using I = __int128;

constexpr int Runden = 1500;

// A decimal number: its exact value k/1000 and the double the program reads from its text.
struct Dez {
    long long k = 0;
    double v = 0;
};

Dez dez(long long k) {
    std::string text = std::to_string(std::llabs(k) / 1000) + "." +
                       std::to_string(1000 + std::llabs(k) % 1000).substr(1);
    if (k < 0) text = "-" + text;
    return {k, parseNumber(text)};
}

// An exact vector: coordinates times 1000^grad.
struct IV {
    I x = 0, y = 0, z = 0;
};
IV operator-(IV a, IV b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
IV operator+(IV a, IV b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
IV operator*(IV a, I s) {
    return {a.x * s, a.y * s, a.z * s};
}
I dot(IV a, IV b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
IV cross(IV a, IV b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
bool null(IV a) {
    return a.x == 0 && a.y == 0 && a.z == 0;
}
I det(IV a, IV b, IV c) {
    return dot(a, cross(b, c));
}
long double ld(I v) {
    return static_cast<long double>(v);
}
long double len(IV a) {
    return std::sqrt(ld(dot(a, a)));
}

// A decimal point: the exact coordinates (times 1000) and the program's record.
struct DP {
    IV e;
    TPunkt p;
};
DP dp(long long x, long long y, long long z) {
    const Dez a = dez(x), b = dez(y), c = dez(z);
    return {{a.k, b.k, c.k}, punkt(a.v, b.v, c.v)};
}
DP operator+(const DP& a, const DP& b) {
    const IV s = a.e + b.e;
    return dp(static_cast<long long>(s.x), static_cast<long long>(s.y),
              static_cast<long long>(s.z));
}
DP operator-(const DP& a, const DP& b) {
    const IV s = a.e - b.e;
    return dp(static_cast<long long>(s.x), static_cast<long long>(s.y),
              static_cast<long long>(s.z));
}
DP mal(const DP& a, long long n) {
    const IV s = a.e * n;
    return dp(static_cast<long long>(s.x), static_cast<long long>(s.y),
              static_cast<long long>(s.z));
}

class Zufall {
public:
    explicit Zufall(unsigned seed) : rng_(seed) {}
    long long ganz(long long lo, long long hi) {
        return std::uniform_int_distribution<long long>(lo, hi)(rng_);
    }
    // A number with one to three decimals and |value| ≤ grenze, as thousandths.
    long long zahl(long long grenze = 100) {
        const long long stufe = ganz(1, 3) == 1 ? 100 : ganz(0, 1) ? 10 : 1;
        return ganz(-grenze * 1000 / stufe, grenze * 1000 / stufe) * stufe;
    }
    DP punkt_(long long grenze = 100) { return dp(zahl(grenze), zahl(grenze), zahl(grenze)); }
    DP richtung(long long grenze = 20) {
        DP d = punkt_(grenze);
        return null(d.e) ? richtung(grenze) : d;
    }
    // A non-zero whole factor in [−n, n].
    long long faktor(long long n = 3) {
        const long long f = ganz(-n, n - 1);
        return f >= 0 ? f + 1 : f;
    }
    // A vector with a whole-number length: a Pythagorean quadruple in some order and signs,
    // times a decimal step. len is the length times 1000.
    DP vonLaenge(long long& laenge, IV* ganz_ = nullptr, long long* ganzLaenge = nullptr) {
        static const long long q[][4] = {{3, 4, 0, 5},  {2, 3, 6, 7}, {1, 4, 8, 9},
                                         {2, 6, 9, 11}, {4, 4, 7, 9}, {0, 0, 1, 1}};
        const auto& t = q[ganz(0, 5)];
        const long long s = ganz(1, 8) * 250; // 0.25 … 2
        long long c[3] = {t[0], t[1], t[2]};
        std::shuffle(c, c + 3, rng_);
        for (long long& x : c) x *= ganz(0, 1) ? 1 : -1;
        laenge = t[3] * s;
        if (ganz_) *ganz_ = {c[0], c[1], c[2]};
        if (ganzLaenge) *ganzLaenge = t[3];
        return dp(c[0] * s, c[1] * s, c[2] * s);
    }

    std::mt19937 rng_;
};

// A computed number is finite and not absurdly large for inputs below a few hundred.
bool massvoll(double v) {
    return std::isfinite(v) && std::fabs(v) <= 1e12;
}
bool massvoll(const TPunkt& p) {
    return massvoll(p.x) && massvoll(p.y) && massvoll(p.z);
}
bool massvoll(const TGerade& g) {
    return massvoll(g.Stuetz) && massvoll(g.Richtung);
}
bool massvoll(const TEbeneNorm& e) {
    return massvoll(e.Normale) && massvoll(e.d);
}

// A random case is decided clearly when its exact value is 0 or not tiny against its scale;
// values in between may go either way under any tolerance and are skipped.
bool klar(I wert, long double skala) {
    return wert == 0 || std::fabs(ld(wert)) > 1e-6L * skala;
}

} // namespace

TEST(DezimalEigenschaften, TwoLinesAgainstExactClassification) {
    Zufall z(181);
    int gezaehlt[4] = {};
    for (int i = 0; i < Runden * 2; ++i) {
        const DP p = z.punkt_(40), u = z.richtung();
        DP q = z.punkt_(40), v = z.richtung();
        switch (i % 4) {
        case 0:
            v = mal(u, z.faktor());
            break; // parallel
        case 1:
            v = mal(u, z.faktor()), q = p + mal(u, z.faktor()); // identical
            break;
        case 2:
            q = p + mal(u, z.faktor()) - mal(v, z.faktor());
            break; // intersecting
        default:
            break; // random: skew
        }
        const IV n = cross(u.e, v.e);
        const I raum = det(q.e - p.e, u.e, v.e);
        if (!klar(raum, len(q.e - p.e) * len(u.e) * len(v.e))) continue;
        std::string exakt = !null(n) ? (raum == 0 ? lage::schneidend : lage::windschief)
                            : null(cross(q.e - p.e, u.e)) ? lage::identisch
                                                          : lage::parallel;
        const GeradenLage r = lage2(gerade(p.p, u.p), gerade(q.p, v.p));
        ASSERT_EQ(r.wort, exakt) << i;
        ++gezaehlt[i % 4];
        if (exakt == lage::schneidend) {
            EXPECT_TRUE(massvoll(r.S)) << i;
        }
        if (exakt == lage::windschief) {
            EXPECT_TRUE(massvoll(r.L1) && massvoll(r.L2) && massvoll(r.l)) << i;
        }
    }
    for (int n : gezaehlt) EXPECT_GT(n, Runden / 3);
}

TEST(DezimalEigenschaften, TwoPlanesAndTheirIntersectionLine) {
    Zufall z(182);
    for (int i = 0; i < Runden * 2; ++i) {
        const DP n1 = z.richtung();
        DP n2 = z.richtung();
        Dez d1 = dez(z.zahl()), d2 = dez(z.zahl());
        const long long f = z.faktor(2);
        if (i % 3 == 0) n2 = mal(n1, z.faktor());            // parallel
        if (i % 3 == 1) n2 = mal(n1, f), d2 = dez(d1.k * f); // identical
        const IV k = cross(n1.e, n2.e);
        if (!null(k) && len(k) < 1e-6L * len(n1.e) * len(n2.e)) continue;
        // Identical: d2·n1 − d1·n2 = 0 exactly.
        const bool identisch = null(k) && null(n1.e * d2.k - n2.e * d1.k);
        const std::string exakt = !null(k)    ? lage::schneidend
                                  : identisch ? lage::identisch
                                              : lage::parallel;
        std::string wort;
        TGerade s;
        Lage_zweier_Ebenen(ebene(n1.p, d1.v), ebene(n2.p, d2.v), wort, s);
        ASSERT_EQ(wort, exakt) << i;
        if (wort != lage::schneidend) continue;
        // The support point is a modest point of both planes.
        ASSERT_TRUE(massvoll(s)) << i;
        for (const auto& [n, d] : {std::pair(n1.p, d1.v), std::pair(n2.p, d2.v)}) {
            const long double rest = static_cast<long double>(n.x) * s.Stuetz.x +
                                     static_cast<long double>(n.y) * s.Stuetz.y +
                                     static_cast<long double>(n.z) * s.Stuetz.z - d;
            EXPECT_LT(std::fabs(rest), 1e-9L * (1 + std::fabs(d) + 100 * Laenge(s.Stuetz))) << i;
        }
    }
}

TEST(DezimalEigenschaften, PlaneFormsLineWithPlaneAndPointOnLine) {
    Zufall z(183);
    for (int i = 0; i < Runden * 2; ++i) {
        // A plane from two directions that share a zero minor: its normal has an exact zero.
        const long long a = z.zahl(20), b = z.zahl(20), f = z.faktor();
        const DP u = dp(a, b, z.zahl(20)), v = i % 2 ? dp(a * f, b * f, z.zahl(20)) : z.richtung();
        const DP p = z.punkt_(40);
        const IV n = cross(u.e, v.e);
        if (null(n)) continue;
        TEbene par{p.p, u.p, v.p, 0, "E"};
        TEbeneNorm e;
        Parameter_zu_Normalenform(par, e);
        // Each normal component is 0 exactly when the exact one is.
        EXPECT_EQ(e.Normale.x == 0, n.x == 0) << i;
        EXPECT_EQ(e.Normale.y == 0, n.y == 0) << i;
        EXPECT_EQ(e.Normale.z == 0, n.z == 0) << i;
        TPunkt S1, S2, S3;
        bool da1 = false, da2 = false, da3 = false;
        Achsenschnittpunkte(e, S1, S2, S3, da1, da2, da3);
        TEbene zurueck;
        Normalen_zu_Parameterform(e, zurueck);
        EXPECT_TRUE(massvoll(S1) && massvoll(S2) && massvoll(S3) && massvoll(zurueck.Stuetz)) << i;

        // A line against the plane n·x = n·P with whole P (so that d has at most three decimals):
        // parallel to it, in it, or random.
        const DP P = dp(z.ganz(-20, 20) * 1000, z.ganz(-20, 20) * 1000, z.ganz(-20, 20) * 1000);
        const DP nn = dp(a, b, 0);
        if (null(nn.e)) continue;
        const Dez d = dez(static_cast<long long>(dot(nn.e, P.e) / 1000));
        DP w = dp(-b, a, z.zahl(20)), q = z.punkt_(40);
        if (i % 3 == 0) q = P + mal(w, z.faktor());
        if (i % 3 == 2) w = z.richtung();
        const I N = dot(w.e, nn.e), Z = I(d.k) * 1000 - dot(q.e, nn.e);
        if (!klar(N, len(w.e) * len(nn.e))) continue;
        const int exakt = N != 0 ? 1 : Z == 0 ? 3 : 2;
        int code = 0;
        TPunkt S;
        Schnittpunkt_Gerade_Ebene(gerade(q.p, w.p), ebene(nn.p, d.v), code, S);
        ASSERT_EQ(code, exakt) << i;
        if (code == 1) {
            EXPECT_TRUE(massvoll(S)) << i;
        }

        // A point on the line or off it.
        const DP Q = i % 2 ? q + mal(w, z.faktor()) : z.punkt_(40);
        TGerade l;
        TPunkt F;
        int flag = -1;
        Lot_Punkt_Gerade(Q.p, gerade(q.p, w.p), l, F, flag);
        const IV c = cross(Q.e - q.e, w.e);
        if (null(c) || len(c) > 1e-6L * len(w.e) * len(Q.e - q.e)) {
            ASSERT_EQ(flag, null(c) ? 0 : 1) << i;
        }
    }
}

TEST(DezimalEigenschaften, PointMeetingTwoLines) {
    Zufall z(184);
    int gezaehlt[4] = {};
    for (int i = 0; i < Runden * 2; ++i) {
        const DP p = z.punkt_(30), u = z.richtung(10);
        DP q = z.punkt_(30), v = z.richtung(10), P = z.punkt_(30);
        if (i % 4 == 0) P = p + mal(u, z.faktor()); // P on g
        if (i % 4 == 1) v = mal(u, z.faktor());     // parallel lines
        // h parallel to the plane of P and g, the lines skew: v = a·(P − p) + b·u.
        if (i % 4 == 2) v = mal(P - p, z.faktor()) + mal(u, z.faktor());
        const IV w = P.e - p.e, N = cross(w, u.e);
        const IV wh = cross(P.e - q.e, v.e);
        int exakt;
        if (null(N) || null(wh)) {
            exakt = 2;
        } else {
            const I nv = dot(N, v.e);
            if (nv == 0) {
                exakt = 3;
            } else {
                // S = q + t·v with t = N·(P − q) / N·v; f = S − P, scaled by N·v.
                const IV f = (q.e - P.e) * nv + v.e * dot(N, P.e - q.e);
                exakt = null(f) || null(cross(f, u.e)) ? 3 : 1;
                if (!klar(nv, len(N) * len(v.e))) continue;
            }
        }
        int code = 0;
        TGerade f;
        TPunkt S, T;
        Treffgerade(P.p, gerade(p.p, u.p), gerade(q.p, v.p), code, f, S, T);
        ASSERT_EQ(code, exakt) << i;
        ++gezaehlt[exakt];
        if (code == 1) {
            EXPECT_TRUE(massvoll(S) && massvoll(T) && massvoll(f)) << i;
        }
    }
    EXPECT_GT(gezaehlt[1], Runden / 4);
    EXPECT_GT(gezaehlt[2], Runden / 4);
    EXPECT_GT(gezaehlt[3], Runden / 4);
}

TEST(DezimalEigenschaften, SphereWithPointLineAndPlane) {
    Zufall z(185);
    int beruehrt = 0, durchM = 0, tangential = 0;
    for (int i = 0; i < Runden * 2; ++i) {
        long long r = 0;
        const DP m = z.punkt_(30);
        IV t;
        long long tl = 0;
        const DP w = z.vonLaenge(r, &t, &tl); // |w| = r exactly; w = t·r/|t| with whole t
        const Dez rd = dez(r);
        const TKugel K = kugel(m.p, rd.v);
        const I r2 = I(r) * r;

        // Point: on the sphere, or random.
        const DP P = i % 2 ? m + w : z.punkt_(30);
        const I e2 = dot(P.e - m.e, P.e - m.e);
        if (klar(e2 - r2, ld(r2) * 1e2)) {
            const int lage = Lage_Punkt_Kugel(K, P.p);
            EXPECT_EQ(lage, e2 == r2 ? 1 : e2 < r2 ? 0 : 2) << i;
        }

        // Line: touching (through m + w, perpendicular to w), through the centre, or random.
        DP u = z.richtung(10), p = z.punkt_(30);
        if (i % 3 == 0) {
            u = w.e.z == 0
                    ? dp(static_cast<long long>(-w.e.y), static_cast<long long>(w.e.x), z.zahl(5))
                    : dp(static_cast<long long>(w.e.z), 0, static_cast<long long>(-w.e.x));
            if (null(u.e)) u = dp(0, 0, 1000);
            p = m + w + mal(u, z.faktor());
        } else if (i % 3 == 1) {
            p = m + mal(u, z.faktor());
        }
        // Squared distance of m from the line times |u|², against r²·|u|².
        const IV c = cross(m.e - p.e, u.e);
        const I diff = dot(c, c) - r2 * dot(u.e, u.e);
        const long double abstand = len(c) / len(u.e) / 1000, radius = r / 1000.0L;
        if (diff == 0 || std::fabs(abstand - radius) > 1e-4L) {
            const TGerade g = gerade(p.p, u.p);
            int anzahl = -1;
            TPunkt S1, S2, F1, F2;
            Schnitt_Gerade_Kugel(K, g, anzahl, S1, S2);
            ASSERT_EQ(anzahl, diff == 0 ? 1 : diff < 0 ? 2 : 0) << i;
            beruehrt += diff == 0;
            EXPECT_TRUE(massvoll(S1)) << i;
            Kugelpunkte_zur_Geraden(g, K, F1, F2);
            EXPECT_NEAR(Abstand(F1, K.M), rd.v, 1e-9 * (1 + rd.v)) << i;
            EXPECT_NEAR(Abstand(F2, K.M), rd.v, 1e-9 * (1 + rd.v)) << i;
            if (anzahl == 0) {
                bool fehler = true;
                TEbeneNorm T1, T2;
                TPunkt B1, B2;
                Tangentialebenen_durch_Gerade(K, g, fehler, T1, T2, B1, B2);
                ASSERT_FALSE(fehler) << i;
                for (const TEbeneNorm* t : {&T1, &T2}) {
                    EXPECT_TRUE(massvoll(*t)) << i;
                    EXPECT_NEAR(Abstand_Punkt_Ebene(K.M, *t), rd.v, 1e-8 * (1 + rd.v)) << i;
                }
            }
        }

        // Plane: touching (normal along w, through m + w), through the centre, or random.
        // Both built planes have whole normals, so that d keeps at most three decimals.
        DP n = z.richtung(10);
        Dez d = dez(z.zahl());
        if (i % 3 == 0) {
            n = dp(static_cast<long long>(t.x) * 1000, static_cast<long long>(t.y) * 1000,
                   static_cast<long long>(t.z) * 1000);
            d = dez(static_cast<long long>(dot(t, m.e)) + (z.ganz(0, 1) ? r : -r) * tl);
        } else if (i % 3 == 1) {
            n = dp(z.faktor(9) * 1000, z.ganz(-9, 9) * 1000, z.ganz(-9, 9) * 1000);
            d = dez(static_cast<long long>(dot(n.e, m.e) / 1000));
        }
        // (n·m − d)² against r²·|n|², all in thousandths squared.
        const I q = dot(n.e, m.e) - I(d.k) * 1000;
        const I ediff = q * q - r2 * dot(n.e, n.e);
        const TEbeneNorm E = ebene(n.p, d.v);
        if (klar(ediff, ld(r2) * ld(dot(n.e, n.e)))) {
            int code = -1;
            TPunkt Mk;
            double rk = -1;
            Lage_Ebene_Kugel(E, K, code, Mk, rk);
            ASSERT_EQ(code, ediff == 0 ? 1 : ediff < 0 ? 2 : 0) << i;
            tangential += ediff == 0;
            if (code > 0) {
                EXPECT_TRUE(massvoll(Mk) && massvoll(rk)) << i;
            }
        }
        bool polDa = false;
        TPunkt pol;
        Pol(E, K, polDa, pol);
        EXPECT_EQ(polDa, q != 0) << i;
        durchM += q == 0;
        if (polDa && klar(q, len(n.e) * 1e5)) {
            EXPECT_TRUE(massvoll(pol)) << i;
        }
    }
    EXPECT_GT(beruehrt, Runden / 4);
    EXPECT_GT(durchM, Runden / 4);
    EXPECT_GT(tangential, Runden / 4);
}

TEST(DezimalEigenschaften, TwoSpheresAndCoordinatePlanes) {
    Zufall z(186);
    for (int i = 0; i < Runden * 2; ++i) {
        long long e = 0;
        const DP mA = z.punkt_(30);
        const DP w = z.vonLaenge(e);
        const DP mB = i % 5 == 4 ? mA : mA + w;
        const I ee = i % 5 == 4 ? 0 : I(e) * e;
        // Radii: touching from outside, from inside, B's centre on A, or random.
        long long rA = z.ganz(1, 400) * 25, rB = z.ganz(1, 400) * 25;
        if (i % 5 == 0 && e > 250) rA = z.ganz(1, e / 25 - 1) * 25, rB = e - rA;
        if (i % 5 == 1) rB = rA + e;
        if (i % 5 == 2) rA = e > 0 ? e : rA;
        const TKugel KA = kugel(mA.p, dez(rA).v), KB = kugel(mB.p, dez(rB).v);
        // The described decision with exact squares: e ≤ r ⇔ e² ≤ r².
        auto q = [](I a) { return a * a; };
        int exakt;
        if (ee <= q(rA) || ee <= q(rB)) {
            const I d = ee - q(rA - rB);
            exakt = d == 0 ? -1 : d < 0 ? -3 : -2;
        } else {
            const I d = ee - q(rA + rB);
            exakt = d == 0 ? 1 : d > 0 ? 3 : 2;
        }
        // Near-ties of the branch decision and of δ are skipped for random radii.
        const bool knapp = (ee != q(rA) && std::fabs(ld(ee - q(rA))) < 1e3L) ||
                           (ee != q(rB) && std::fabs(ld(ee - q(rB))) < 1e3L);
        if (!knapp) {
            ASSERT_EQ(Lage_zweier_Kugeln(KA, KB), exakt) << i;
        }

        // A sphere from its vector form with a = 2m and c = −(m.y² + m.z²): r = |m.x| exactly, so
        // the plane x1 = 0 touches it.
        const long long mx = z.ganz(-300, 300) * 10, my = z.ganz(-300, 300) * 10,
                        mz = z.ganz(-300, 300) * 10;
        const TKugelV V{punkt(dez(2 * mx).v, dez(2 * my).v, dez(2 * mz).v),
                        -(dez(my).v * dez(my).v + dez(mz).v * dez(mz).v), "K", 0};
        if (!IstKugelV(V)) continue;
        TKugel K;
        Kugel_V_zu_M(V, K);
        ASSERT_TRUE(Schnittkreis_existiert(K, "x23")) << i;
        TPunkt M23;
        double r23 = -1;
        ASSERT_NO_THROW(Schnittkreis_Koordinatenebene(K, "x23", M23, r23)) << i;
        EXPECT_LT(r23, 1e-6) << i;
    }
}

TEST(DezimalEigenschaften, DependenceSphereThroughFourPointsCollinearAndDivisionRatio) {
    Zufall z(187);
    for (int i = 0; i < Runden * 2; ++i) {
        const DP a = z.richtung(), b = z.richtung(20);
        DP c = z.richtung(20);
        if (i % 2) c = mal(a, z.faktor()) + mal(b, z.faktor()); // coplanar
        const I d = det(a.e, b.e, c.e);
        if (klar(d, len(a.e) * len(b.e) * len(c.e))) {
            ASSERT_EQ(determinantIsZero(a.p, b.p, c.p), d == 0) << i;
            double k = 0;
            const bool parallel = null(cross(a.e, b.e));
            if (i % 7 == 0) {
                const DP bb = mal(a, z.faktor());
                EXPECT_TRUE(Parallel_mit_Faktor(a.p, bb.p, k)) << i;
                EXPECT_TRUE(IstNullvektor(kreuzprodukt(a.p, bb.p))) << i;
            } else if (!parallel) {
                EXPECT_FALSE(IstNullvektor(kreuzprodukt(a.p, b.p))) << i;
            }
            if (d == 0) {
                double la = 0, lb = 0, lc = 0;
                Nulldarstellung3(a.p, b.p, c.p, la, lb, lc);
                const TPunkt summe_ =
                    summe(summe(vielfaches(a.p, la), vielfaches(b.p, lb)), vielfaches(c.p, lc));
                const double s = std::fabs(la) * Laenge(a.p) + std::fabs(lb) * Laenge(b.p) +
                                 std::fabs(lc) * Laenge(c.p);
                EXPECT_GT(s, 0) << i;
                EXPECT_LT(Laenge(summe_), 1e-9 * s) << i;
            }
        }

        // Four points: A, and A plus the three vectors; coplanar exactly when a, b, c are.
        const DP A = z.punkt_(30);
        bool geloest = true;
        TKugel K;
        Kugel_durch_4_Punkte(A.p, (A + a).p, (A + b).p, (A + c).p, geloest, K);
        if (klar(d, len(a.e) * len(b.e) * len(c.e))) {
            ASSERT_EQ(geloest, d != 0) << i;
        }
        if (geloest) {
            EXPECT_TRUE(massvoll(K.M) && massvoll(K.r)) << i;
        }

        // Three points on a line, or not.
        const DP C = i % 2 ? A + mal(b, z.faktor()) : A + c;
        const IV kr = cross(b.e, C.e - A.e);
        if (null(kr) || len(kr) > 1e-6L * len(b.e) * len(C.e - A.e)) {
            EXPECT_EQ(collinear(A.p, (A + b).p, C.p), null(kr)) << i;
        }

        // Division ratio with B = A + 2b: T = A + j·b, the midpoint for j = 1.
        const DP B = A + mal(b, 2);
        const DP T2 = i % 2 ? A + b : A + mal(b, z.ganz(-2, 3));
        const I at = dot(T2.e - A.e, T2.e - A.e), tb = dot(B.e - T2.e, B.e - T2.e);
        if (tb == 0) continue;
        EXPECT_EQ(divisionRatioIsOne(A.p, B.p, T2.p), at == tb) << i;
        if (at != tb) {
            TPunkt H;
            fourthHarmonicPoint(A.p, B.p, T2.p, H);
            EXPECT_TRUE(massvoll(H)) << i;
        } else {
            TPunkt H;
            EXPECT_THROW(fourthHarmonicPoint(A.p, B.p, T2.p, H), MathError) << i;
        }
    }
}
