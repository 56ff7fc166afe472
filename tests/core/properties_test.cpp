// Seeded random inputs checked against the defining equations of each result. The reference
// arithmetic here is written out independently of the core.
#include "core/number_text.h"
#include "core/relations.h"

#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <string>

namespace {

constexpr int Runden = 2000;

struct V {
    double x, y, z;
};
V v(const TPunkt& p) {
    return {p.x, p.y, p.z};
}
V operator-(V a, V b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
V operator+(V a, V b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
V operator*(double s, V a) {
    return {s * a.x, s * a.y, s * a.z};
}
double dot(V a, V b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
V cross(V a, V b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
double len(V a) {
    return std::sqrt(dot(a, a));
}

double abstandGerade(V q, const TGerade& g) {
    const V u = v(g.Richtung);
    return len(cross(q - v(g.Stuetz), u)) / len(u);
}
double abstandEbene(V q, const TEbeneNorm& e) {
    return std::fabs(dot(v(e.Normale), q) - e.d) / len(v(e.Normale));
}
// Signed distance of the point from the plane, in units of the normal's length.
double seiteEbene(V q, const TEbeneNorm& e) {
    return (dot(v(e.Normale), q) - e.d) / len(v(e.Normale));
}
double groesse(V a) {
    return 1 + len(a);
}

class Zufall {
public:
    explicit Zufall(unsigned seed) : rng_(seed) {}
    double zahl(double lo, double hi) {
        return std::uniform_real_distribution<double>(lo, hi)(rng_);
    }
    int ganz(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    TPunkt punkt_(double s = 10) { return punkt(zahl(-s, s), zahl(-s, s), zahl(-s, s)); }
    // A direction that is not too short, so that the cases stay well conditioned.
    TPunkt richtung() {
        for (;;) {
            TPunkt p = punkt_(5);
            if (len(v(p)) > 0.5) return p;
        }
    }
    TGerade gerade() { return TGerade{punkt_(), richtung(), 0x10, "g:"}; }
    TEbeneNorm ebene() { return TEbeneNorm{richtung(), zahl(-20, 20), 0x20, "E"}; }
    TKugel kugel() { return TKugel{punkt_(5), zahl(0.5, 6), "K: ", 0x30}; }

private:
    std::mt19937 rng_;
};

} // namespace

TEST(Eigenschaften, IntersectionOfLineAndPlaneLiesOnBoth) {
    Zufall z(1);
    int treffer = 0;
    for (int i = 0; i < Runden; ++i) {
        const TGerade g = z.gerade();
        const TEbeneNorm e = z.ebene();
        int code = 0;
        TPunkt s;
        Schnittpunkt_Gerade_Ebene(g, e, code, s);
        if (code != 1) {
            EXPECT_LT(std::fabs(dot(v(g.Richtung), v(e.Normale))), 1e-8);
            continue;
        }
        ++treffer;
        const double tol = 1e-9 * groesse(v(s));
        EXPECT_LT(abstandGerade(v(s), g), tol);
        EXPECT_LT(abstandEbene(v(s), e), tol);
    }
    EXPECT_GT(treffer, Runden * 9 / 10);
}

TEST(Eigenschaften, FootOfPerpendicularMakesARightAngleAndMirrorKeepsTheDistance) {
    Zufall z(2);
    for (int i = 0; i < Runden; ++i) {
        const TGerade g = z.gerade();
        const TPunkt q = z.punkt_();
        TGerade l;
        TPunkt f;
        int flag = -1;
        Lot_Punkt_Gerade(q, g, l, f, flag);
        EXPECT_EQ(flag, 1);
        const double tol = 1e-9 * groesse(v(f));
        EXPECT_LT(abstandGerade(v(f), g), tol);
        EXPECT_LT(std::fabs(dot(v(q) - v(f), v(g.Richtung))) / len(v(g.Richtung)), tol);
        const double d = abstandGerade(v(q), g);
        EXPECT_NEAR(Abstand_Punkt_Gerade(q, g), d, tol);
        TPunkt sp;
        Spiegelpunkt(q, f, sp);
        EXPECT_NEAR(abstandGerade(v(sp), g), d, tol);
        EXPECT_NEAR(Abstand(sp, q), 2 * d, tol);
    }
}

TEST(Eigenschaften, PerpendicularOnPlaneAndMirrorLine) {
    Zufall z(3);
    for (int i = 0; i < Runden; ++i) {
        const TEbeneNorm e = z.ebene();
        const TPunkt q = z.punkt_();
        TGerade l;
        TPunkt f;
        Lot_auf_Ebene(q, e, l, f);
        const double tol = 1e-9 * groesse(v(f));
        EXPECT_LT(abstandEbene(v(f), e), tol);
        EXPECT_LT(len(cross(v(q) - v(f), v(e.Normale))) / len(v(e.Normale)), tol);
        EXPECT_NEAR(Abstand_Punkt_Ebene(q, e), abstandEbene(v(q), e), tol);

        // Every point of the mirror line is the mirror image of a point of g.
        const TGerade g = z.gerade();
        TGerade s;
        Spiegelgerade_an_Ebene(g, e, s);
        for (double t : {0.0, 1.0, -2.5}) {
            const V x = v(g.Stuetz) + t * v(g.Richtung);
            const V n = v(e.Normale);
            const V bild = x - (2 * (dot(n, x) - e.d) / dot(n, n)) * n;
            EXPECT_LT(abstandGerade(bild, s), 1e-8 * groesse(bild));
            EXPECT_NEAR(seiteEbene(bild, e), -seiteEbene(x, e), 1e-8 * groesse(bild));
        }
    }
}

TEST(Eigenschaften, TwoLinesIntersectingSkewAndParallel) {
    Zufall z(4);
    std::string wort, text;
    TPunkt S, L1, L2;
    TGerade l;
    for (int i = 0; i < Runden; ++i) {
        // Built to intersect in s0.
        const TPunkt s0 = z.punkt_();
        const TPunkt u = z.richtung(), w = z.richtung();
        if (len(cross(v(u), v(w))) < 0.1 * len(v(u)) * len(v(w))) continue;
        const TGerade g{summe(s0, vielfaches(u, z.zahl(-3, 3))), u, 0, "g:"};
        const TGerade h{summe(s0, vielfaches(w, z.zahl(-3, 3))), w, 0, "h:"};
        Lage_zweier_Geraden(g, h, wort, text, S, L1, L2, l);
        ASSERT_EQ(wort, lage::schneidend);
        EXPECT_LT(len(v(S) - v(s0)), 1e-8);

        // Random lines are skew: the feet lie on the lines and their connection is
        // perpendicular to both.
        const TGerade a = z.gerade(), b = z.gerade();
        Lage_zweier_Geraden(a, b, wort, text, S, L1, L2, l);
        ASSERT_EQ(wort, lage::windschief);
        const double tol = 1e-8 * (groesse(v(L1)) + groesse(v(L2)));
        EXPECT_LT(abstandGerade(v(L1), a), tol);
        EXPECT_LT(abstandGerade(v(L2), b), tol);
        const V n = cross(v(a.Richtung), v(b.Richtung));
        const double d = std::fabs(dot(v(b.Stuetz) - v(a.Stuetz), n)) / len(n);
        EXPECT_NEAR(Abstand(L1, L2), d, tol);
        EXPECT_NEAR(std::stod(text), d, 0.0005 + tol);
        EXPECT_LT(len(cross(v(l.Richtung), n)) / len(v(l.Richtung)), 1e-9 * len(n));

        // Parallel by construction: the text is the point–line distance.
        const TGerade c{z.punkt_(), vielfaches(a.Richtung, z.zahl(0.5, 3)), 0, "c:"};
        Lage_zweier_Geraden(a, c, wort, text, S, L1, L2, l);
        EXPECT_TRUE(wort == lage::parallel || wort == lage::identisch);
        EXPECT_NEAR(std::stod(text), abstandGerade(v(c.Stuetz), a), 0.0005 + 1e-9);
    }
}

TEST(Eigenschaften, IntersectionLineOfTwoPlanesAndDistanceOfParallelPlanes) {
    Zufall z(5);
    std::string wort;
    for (int i = 0; i < Runden; ++i) {
        const TEbeneNorm e = z.ebene(), f = z.ebene();
        TGerade s;
        Lage_zweier_Ebenen(e, f, wort, s);
        if (wort == lage::schneidend) {
            const double tol = 1e-8 * groesse(v(s.Stuetz));
            EXPECT_LT(abstandEbene(v(s.Stuetz), e), tol);
            EXPECT_LT(abstandEbene(v(s.Stuetz), f), tol);
            const V w = v(s.Richtung);
            ASSERT_GT(len(w), 0);
            EXPECT_LT(std::fabs(dot(w, v(e.Normale))) / len(w), 1e-9 * len(v(e.Normale)));
            EXPECT_LT(std::fabs(dot(w, v(f.Normale))) / len(w), 1e-9 * len(v(f.Normale)));
        }
        // A parallel plane: n·x = d1 against (k·n)·x = d2, that is n·x = d2/k.
        const double k = z.ganz(0, 1) ? z.zahl(0.3, 4) : -z.zahl(0.3, 4);
        const TEbeneNorm p{vielfaches(e.Normale, k), z.zahl(-20, 20), 0, "F"};
        Lage_zweier_Ebenen(e, p, wort, s);
        EXPECT_NE(wort, lage::schneidend);
        const double soll = std::fabs(e.d - p.d / k) / len(v(e.Normale));
        EXPECT_NEAR(Abstand_paralleler_Ebenen(e, p), soll, 1e-9 * (1 + soll));
    }
}

TEST(Eigenschaften, TangentPlaneTouchesTheSphere) {
    Zufall z(6);
    for (int i = 0; i < Runden; ++i) {
        const TKugel k = z.kugel();
        const TPunkt d = z.richtung();
        const TPunkt p = summe(k.M, vielfaches(d, k.r / len(v(d))));
        TEbeneNorm t;
        Tangentialebene(k, p, t);
        const double tol = 1e-9 * groesse(v(p));
        EXPECT_LT(abstandEbene(v(p), t), tol);
        EXPECT_NEAR(abstandEbene(v(k.M), t), k.r, tol);
    }
}

TEST(Eigenschaften, SphereThroughFourPointsIsEquidistant) {
    Zufall z(7);
    int geloest = 0;
    for (int i = 0; i < Runden; ++i) {
        std::array<TPunkt, 4> p;
        for (auto& x : p) x = z.punkt_();
        TKugel k;
        bool ok = false;
        Kugel_durch_4_Punkte(p[0], p[1], p[2], p[3], ok, k);
        if (!ok) continue;
        ++geloest;
        for (const auto& x : p) EXPECT_NEAR(Abstand(k.M, x), k.r, 1e-7 * (1 + k.r));

        // Four points taken from a known sphere give it back.
        const TKugel soll = z.kugel();
        for (auto& x : p) {
            const TPunkt d = z.richtung();
            x = summe(soll.M, vielfaches(d, soll.r / len(v(d))));
        }
        Kugel_durch_4_Punkte(p[0], p[1], p[2], p[3], ok, k);
        if (!ok) continue;
        // Points close to one circle make the system ill-conditioned: only well-spread points.
        const double det =
            Det3(differenz(p[0], p[1]), differenz(p[0], p[2]), differenz(p[0], p[3]));
        if (std::fabs(det) < 1) continue;
        EXPECT_NEAR(k.r, soll.r, 1e-8);
        EXPECT_LT(Abstand(k.M, soll.M), 1e-8);
    }
    EXPECT_GT(geloest, Runden * 9 / 10);
}

TEST(Eigenschaften, PositionOfTwoSpheresAgreesWithTheDistances) {
    Zufall z(8);
    for (int i = 0; i < Runden * 5; ++i) {
        const TKugel a = z.kugel();
        TKugel b = z.kugel();
        if (i % 4 == 0) b.M = a.M; // concentric now and then
        const double e = len(v(a.M) - v(b.M));
        const double summe_ = a.r + b.r, diff = std::fabs(a.r - b.r);
        const double rand = 1e-6;
        if (std::fabs(e - summe_) < rand || std::fabs(e - diff) < rand ||
            std::fabs(e - std::max(a.r, b.r)) < rand)
            continue;
        const int vorzeichen = e <= std::max(a.r, b.r) ? -1 : 1;
        const int art = e > summe_ ? 3 : (e < diff ? 3 : 2);
        EXPECT_EQ(Lage_zweier_Kugeln(a, b), vorzeichen * art)
            << "e=" << e << " rA=" << a.r << " rB=" << b.r;
        EXPECT_EQ(Lage_zweier_Kugeln(b, a), vorzeichen * art);
    }
    // Touching by construction: centre distance exactly rA + rB or |rA − rB|.
    for (int i = 0; i < Runden; ++i) {
        const TKugel a = z.kugel();
        const TPunkt d = z.richtung();
        const double rb = z.zahl(0.5, 6);
        const double aussen = a.r + rb;
        TKugel b{summe(a.M, vielfaches(d, aussen / len(v(d)))), rb, "K: ", 0};
        EXPECT_EQ(Lage_zweier_Kugeln(a, b), 1);
        if (std::fabs(a.r - rb) < 0.1) continue;
        b.M = summe(a.M, vielfaches(d, std::fabs(a.r - rb) / len(v(d))));
        EXPECT_EQ(Lage_zweier_Kugeln(a, b), -1);
    }
}

TEST(Eigenschaften, LineAndSphere) {
    Zufall z(9);
    for (int i = 0; i < Runden; ++i) {
        const TKugel k = z.kugel();
        const TGerade g = z.gerade();
        const double d = abstandGerade(v(k.M), g);
        int n = -1;
        TPunkt s1, s2;
        Schnitt_Gerade_Kugel(k, g, n, s1, s2);
        if (d < k.r - 1e-4) {
            ASSERT_EQ(n, 2);
            for (const TPunkt& s : {s1, s2}) {
                EXPECT_NEAR(Abstand(s, k.M), k.r, 1e-8 * groesse(v(s)));
                EXPECT_LT(abstandGerade(v(s), g), 1e-8 * groesse(v(s)));
            }
        } else if (d > k.r + 1e-4) {
            EXPECT_EQ(n, 0);
        }

        TPunkt f1, f2;
        Kugelpunkte_zur_Geraden(g, k, f1, f2);
        EXPECT_NEAR(Abstand(f1, k.M), k.r, 1e-8 * groesse(v(f1)));
        EXPECT_NEAR(Abstand(f2, k.M), k.r, 1e-8 * groesse(v(f2)));
        EXPECT_LE(abstandGerade(v(f1), g), abstandGerade(v(f2), g) + 1e-9);
        EXPECT_NEAR(abstandGerade(v(f1), g), std::fabs(d - k.r), 1e-8 * groesse(v(f1)));

        bool fehler = false;
        TEbeneNorm t1, t2;
        TPunkt b1, b2;
        Tangentialebenen_durch_Gerade(k, g, fehler, t1, t2, b1, b2);
        if (d > k.r + 1e-4) {
            ASSERT_FALSE(fehler);
            for (const TEbeneNorm& t : {t1, t2}) {
                const double tol = 1e-8 * (groesse(v(g.Stuetz)) + groesse(v(g.Richtung)));
                EXPECT_LT(abstandEbene(v(g.Stuetz), t), tol);
                EXPECT_LT(abstandEbene(v(g.Stuetz) + v(g.Richtung), t), tol);
                EXPECT_NEAR(abstandEbene(v(k.M), t), k.r, tol);
            }
            EXPECT_NEAR(Abstand(b1, k.M), k.r, 1e-8 * groesse(v(b1)));
            EXPECT_NEAR(Abstand(b2, k.M), k.r, 1e-8 * groesse(v(b2)));
        } else if (d < k.r - 1e-4) {
            EXPECT_TRUE(fehler);
        }
    }
}

TEST(Eigenschaften, PlaneAndSphere) {
    Zufall z(10);
    for (int i = 0; i < Runden; ++i) {
        const TKugel k = z.kugel();
        const TEbeneNorm e = z.ebene();
        const double a = seiteEbene(v(k.M), e);
        int code = -1;
        TPunkt mk;
        double rk = -1;
        Lage_Ebene_Kugel(e, k, code, mk, rk);
        if (std::fabs(a) > k.r + 1e-9) {
            EXPECT_EQ(code, 0);
            continue;
        }
        if (std::fabs(a) >= k.r - 1e-9) continue;
        ASSERT_EQ(code, 2);
        const double tol = 1e-9 * groesse(v(mk));
        EXPECT_LT(abstandEbene(v(mk), e), tol);
        EXPECT_NEAR(Abstand(mk, k.M), std::fabs(a), tol);
        EXPECT_NEAR(rk * rk + a * a, k.r * k.r, 1e-8 * (1 + k.r * k.r));

        bool da = false;
        TPunkt pol;
        Pol(e, k, da, pol);
        if (!da) continue;
        // The pole's polar plane (pol − m)·(x − m) = r² is the plane E.
        const V n = v(pol) - v(k.M);
        const V x = v(mk);
        EXPECT_NEAR(dot(n, x - v(k.M)), k.r * k.r, 1e-7 * (1 + len(n) * groesse(x)));
    }
}

TEST(Eigenschaften, MeetingLineMeetsBothLines) {
    Zufall z(11);
    int eins = 0;
    for (int i = 0; i < Runden; ++i) {
        const TPunkt p = z.punkt_();
        const TGerade g = z.gerade(), h = z.gerade();
        int code = 0;
        TGerade f;
        TPunkt S, T;
        Treffgerade(p, g, h, code, f, S, T);
        if (code != 1) continue;
        ++eins;
        const double tol = 1e-7 * (groesse(v(S)) + groesse(v(T)));
        EXPECT_LT(abstandGerade(v(S), h), tol);
        EXPECT_LT(abstandGerade(v(T), g), tol);
        EXPECT_LT(abstandGerade(v(T), f), tol);
        EXPECT_LT(abstandGerade(v(S), f), tol);
    }
    EXPECT_GT(eins, Runden * 9 / 10);
}

TEST(Eigenschaften, FormsOfAPlaneDescribeTheSamePoints) {
    Zufall z(12);
    for (int i = 0; i < Runden; ++i) {
        const TEbene e{z.punkt_(), z.richtung(), z.richtung(), 0, "E"};
        if (!IstEbenePar(e)) continue;
        TEbeneNorm n;
        Parameter_zu_Normalenform(e, n);
        TEbene zurueck;
        Normalen_zu_Parameterform(n, zurueck);
        TEbeneNorm h;
        Hesse_Normalform(n, h);
        EXPECT_NEAR(len(v(h.Normale)), 1, 1e-12);
        for (double r : {0.0, 1.5, -2.0}) {
            for (double s : {0.0, -1.0, 3.0}) {
                TPunkt x, y;
                Punkt_auf_Ebene(e, r, s, x);
                Punkt_auf_Ebene(zurueck, r, s, y);
                EXPECT_LT(abstandEbene(v(x), n), 1e-8 * groesse(v(x)));
                EXPECT_LT(abstandEbene(v(y), n), 1e-8 * groesse(v(y)));
                EXPECT_NEAR(Abstand_Punkt_Ebene(x, h), 0, 1e-8 * groesse(v(x)));
            }
        }
    }
}

TEST(Eigenschaften, SimplifiedVectorsKeepTheirDirection) {
    Zufall z(13);
    for (int i = 0; i < Runden; ++i) {
        TPunkt a = punkt(z.ganz(-60, 60), z.ganz(-60, 60), z.ganz(-60, 60));
        if (IstNullvektor(a)) continue;
        TPunkt b = a, c = a;
        Vereinfachen(b);
        Kuerzen(c);
        EXPECT_EQ(len(cross(v(a), v(b))), 0);
        EXPECT_EQ(len(cross(v(a), v(c))), 0);
        EXPECT_GT(dot(v(a), v(c)), 0); // Kuerzen never reverses
        for (double x : {c.x, c.y, c.z}) EXPECT_EQ(x, std::trunc(x));
        // Nothing left to divide out.
        TPunkt d = c;
        Kuerzen(d);
        EXPECT_TRUE(GleichePunkte(c, d));
    }
}

TEST(Eigenschaften, NumberTextIsTheValueToThreeDecimals) {
    Zufall z(14);
    for (int i = 0; i < Runden * 5; ++i) {
        const double x = z.zahl(-1, 1) * std::pow(10.0, z.ganz(-4, 9));
        const std::string t = Zahl9_3(x);
        EXPECT_GE(t.size(), 9u);
        EXPECT_NEAR(std::stod(t), x, 0.0005 + 1e-9 * std::fabs(x));
        EXPECT_EQ(std::stod(ZahlText(x)), std::stod(t));
        EXPECT_EQ(t.find_first_of("einEIN"), std::string::npos);
    }
}
