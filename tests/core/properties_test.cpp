// Seeded random inputs checked against the defining equations of each result. The reference
// arithmetic here is written out independently of the core.
#include "core/number_text.h"
#include "tests/core/helpers.h"

#include <array>
#include <random>

namespace {

constexpr int Runden = 2000;

struct V {
    double x, y, z;
    V operator-(V b) const { return {x - b.x, y - b.y, z - b.z}; }
    V operator+(V b) const { return {x + b.x, y + b.y, z + b.z}; }
    V operator*(double s) const { return {s * x, s * y, s * z}; }
    double dot(V b) const { return x * b.x + y * b.y + z * b.z; }
    V cross(V b) const { return {y * b.z - z * b.y, z * b.x - x * b.z, x * b.y - y * b.x}; }
    double len() const { return std::sqrt(dot(*this)); }
};
V v(const TPunkt& p) {
    return {p.x, p.y, p.z};
}

class Zufall {
public:
    explicit Zufall(unsigned seed) : rng_(seed) {}
    double zahl(double lo, double hi) { return std::uniform_real_distribution(lo, hi)(rng_); }
    int ganz(int lo, int hi) { return std::uniform_int_distribution(lo, hi)(rng_); }
    TPunkt punkt_(double s = 10) { return punkt(zahl(-s, s), zahl(-s, s), zahl(-s, s)); }
    // A direction that is not too short, so that the cases stay well conditioned.
    TPunkt richtung() {
        TPunkt p = punkt_(5);
        return v(p).len() > 0.5 ? p : richtung();
    }
    TGerade gerade() { return TGerade{punkt_(), richtung(), 0x10, "g:"}; }
    TEbeneNorm ebene() { return TEbeneNorm{richtung(), zahl(-20, 20), 0x20, "E"}; }
    TKugel kugel() { return TKugel{punkt_(5), zahl(0.5, 6), "K: ", 0x30}; }
    // A point at distance r from m.
    TPunkt umM(const TPunkt& m, double r) {
        const TPunkt d = richtung();
        return summe(m, vielfaches(d, r / v(d).len()));
    }

private:
    std::mt19937 rng_;
};

} // namespace

class Eigenschaften : public testing::Test {
protected:
    static double abstandGerade(V q, const TGerade& g) {
        return (q - v(g.Stuetz)).cross(v(g.Richtung)).len() / v(g.Richtung).len();
    }
    // Signed distance of the point from the plane.
    static double seite(V q, const TEbeneNorm& e) {
        return (v(e.Normale).dot(q) - e.d) / v(e.Normale).len();
    }
    static double abstandEbene(V q, const TEbeneNorm& e) { return std::fabs(seite(q, e)); }
    // Scale of a tolerance: absolute near the origin, relative far from it.
    static double groesse(V a) { return 1 + a.len(); }
    static double groesse(const TPunkt& p) { return groesse(v(p)); }
};

TEST_F(Eigenschaften, IntersectionOfLineAndPlaneLiesOnBoth) {
    Zufall z(1);
    int treffer = 0;
    for (int i = 0; i < Runden; ++i) {
        const TGerade g = z.gerade();
        const TEbeneNorm e = z.ebene();
        int code = 0;
        TPunkt s;
        Schnittpunkt_Gerade_Ebene(g, e, code, s);
        if (code != 1) {
            EXPECT_LT(std::fabs(v(g.Richtung).dot(v(e.Normale))), 1e-8);
            continue;
        }
        ++treffer;
        EXPECT_LT(std::max(abstandGerade(v(s), g), abstandEbene(v(s), e)), 1e-9 * groesse(s));
    }
    EXPECT_GT(treffer, Runden * 9 / 10);
}

TEST_F(Eigenschaften, FootOfPerpendicularMakesARightAngleAndMirrorKeepsTheDistance) {
    Zufall z(2);
    for (int i = 0; i < Runden; ++i) {
        const TGerade g = z.gerade();
        const TPunkt q = z.punkt_();
        TGerade l;
        TPunkt f, sp;
        int flag = -1;
        Lot_Punkt_Gerade(q, g, l, f, flag);
        Spiegelpunkt(q, f, sp);
        EXPECT_EQ(flag, 1);
        const double tol = 1e-9 * groesse(f), d = abstandGerade(v(q), g);
        const double cosinus = (v(q) - v(f)).dot(v(g.Richtung)) / v(g.Richtung).len();
        EXPECT_LT(std::max(abstandGerade(v(f), g), std::fabs(cosinus)), tol);
        EXPECT_NEAR(Abstand_Punkt_Gerade(q, g), d, tol);
        EXPECT_NEAR(abstandGerade(v(sp), g), d, tol);
        EXPECT_NEAR(Abstand(sp, q), 2 * d, tol);
    }
}

TEST_F(Eigenschaften, PerpendicularOnPlaneAndMirrorLine) {
    Zufall z(3);
    for (int i = 0; i < Runden; ++i) {
        const TEbeneNorm e = z.ebene();
        const V n = v(e.Normale);
        const TPunkt q = z.punkt_();
        TGerade l, s;
        TPunkt f;
        Lot_auf_Ebene(q, e, l, f);
        const double tol = 1e-9 * groesse(f);
        EXPECT_LT(abstandEbene(v(f), e), tol);
        EXPECT_LT((v(q) - v(f)).cross(n).len() / n.len(), tol);
        EXPECT_NEAR(Abstand_Punkt_Ebene(q, e), abstandEbene(v(q), e), tol);

        // Every point of the mirror line is the mirror image of a point of g.
        const TGerade g = z.gerade();
        Spiegelgerade_an_Ebene(g, e, s);
        for (double t : {0.0, 1.0, -2.5}) {
            const V x = v(g.Stuetz) + v(g.Richtung) * t;
            const V bild = x - n * (2 * (n.dot(x) - e.d) / n.dot(n));
            EXPECT_LT(abstandGerade(bild, s), 1e-8 * groesse(bild));
            EXPECT_NEAR(seite(bild, e), -seite(x, e), 1e-8 * groesse(bild));
        }
    }
}

TEST_F(Eigenschaften, TwoLinesIntersectingSkewAndParallel) {
    Zufall z(4);
    for (int i = 0; i < Runden; ++i) {
        // Built to intersect in s0.
        const TPunkt s0 = z.punkt_(), u = z.richtung(), w = z.richtung();
        if (v(u).cross(v(w)).len() < 0.1 * v(u).len() * v(w).len()) continue;
        GeradenLage r = lage2(TGerade{summe(s0, vielfaches(u, z.zahl(-3, 3))), u, 0, "g:"},
                              TGerade{summe(s0, vielfaches(w, z.zahl(-3, 3))), w, 0, "h:"});
        ASSERT_EQ(r.wort, lage::schneidend);
        EXPECT_LT((v(r.S) - v(s0)).len(), 1e-8);

        // Random lines are skew: the feet lie on the lines and their connection is
        // perpendicular to both.
        const TGerade a = z.gerade(), b = z.gerade();
        r = lage2(a, b);
        ASSERT_EQ(r.wort, lage::windschief);
        const double tol = 1e-8 * (groesse(r.L1) + groesse(r.L2));
        EXPECT_LT(std::max(abstandGerade(v(r.L1), a), abstandGerade(v(r.L2), b)), tol);
        const V n = v(a.Richtung).cross(v(b.Richtung));
        const double d = std::fabs((v(b.Stuetz) - v(a.Stuetz)).dot(n)) / n.len();
        EXPECT_NEAR(Abstand(r.L1, r.L2), d, tol);
        EXPECT_NEAR(std::stod(r.text), d, 0.0005 + tol);
        EXPECT_LT(v(r.l.Richtung).cross(n).len() / v(r.l.Richtung).len(), 1e-9 * n.len());

        // Parallel by construction: the text is the point–line distance.
        const TGerade c{z.punkt_(), vielfaches(a.Richtung, z.zahl(0.5, 3)), 0, "c:"};
        r = lage2(a, c);
        EXPECT_TRUE(r.wort == lage::parallel || r.wort == lage::identisch);
        EXPECT_NEAR(std::stod(r.text), abstandGerade(v(c.Stuetz), a), 0.0005 + 1e-9);
    }
}

TEST_F(Eigenschaften, IntersectionLineOfTwoPlanesAndDistanceOfParallelPlanes) {
    Zufall z(5);
    std::string wort;
    for (int i = 0; i < Runden; ++i) {
        const TEbeneNorm e = z.ebene(), f = z.ebene();
        TGerade s;
        Lage_zweier_Ebenen(e, f, wort, s);
        if (wort == lage::schneidend) {
            const V w = v(s.Richtung);
            ASSERT_GT(w.len(), 0);
            EXPECT_LT(std::max(abstandEbene(v(s.Stuetz), e), abstandEbene(v(s.Stuetz), f)),
                      1e-8 * groesse(s.Stuetz));
            EXPECT_LT(std::fabs(w.dot(v(e.Normale))) / w.len(), 1e-9 * v(e.Normale).len());
            EXPECT_LT(std::fabs(w.dot(v(f.Normale))) / w.len(), 1e-9 * v(f.Normale).len());
        }
        // A parallel plane: n·x = d1 against (k·n)·x = d2, that is n·x = d2/k.
        const double k = z.ganz(0, 1) ? z.zahl(0.3, 4) : -z.zahl(0.3, 4);
        const TEbeneNorm p{vielfaches(e.Normale, k), z.zahl(-20, 20), 0, "F"};
        Lage_zweier_Ebenen(e, p, wort, s);
        EXPECT_NE(wort, lage::schneidend);
        const double soll = std::fabs(e.d - p.d / k) / v(e.Normale).len();
        EXPECT_NEAR(Abstand_paralleler_Ebenen(e, p), soll, 1e-9 * (1 + soll));
    }
}

TEST_F(Eigenschaften, TangentPlaneTouchesAndSphereThroughFourPointsIsEquidistant) {
    Zufall z(6);
    int geloest = 0;
    for (int i = 0; i < Runden; ++i) {
        TKugel k = z.kugel();
        const TPunkt p = z.umM(k.M, k.r);
        TEbeneNorm t;
        Tangentialebene(k, p, t);
        EXPECT_LT(abstandEbene(v(p), t), 1e-9 * groesse(p));
        EXPECT_NEAR(abstandEbene(v(k.M), t), k.r, 1e-9 * groesse(p));

        std::array<TPunkt, 4> q;
        for (auto& x : q) x = z.punkt_();
        bool ok = false;
        Kugel_durch_4_Punkte(q[0], q[1], q[2], q[3], ok, k);
        if (!ok) continue;
        ++geloest;
        for (const auto& x : q) EXPECT_NEAR(Abstand(k.M, x), k.r, 1e-7 * (1 + k.r));
    }
    EXPECT_GT(geloest, Runden * 9 / 10);
}

TEST_F(Eigenschaften, PositionOfTwoSpheresAgreesWithTheDistances) {
    Zufall z(8);
    for (int i = 0; i < Runden * 5; ++i) {
        const TKugel a = z.kugel();
        TKugel b = z.kugel();
        if (i % 4 == 0) b.M = a.M; // concentric now and then
        const double e = (v(a.M) - v(b.M)).len();
        const double aussen = a.r + b.r, innen = std::fabs(a.r - b.r);
        if (std::min({std::fabs(e - aussen), std::fabs(e - innen),
                      std::fabs(e - std::max(a.r, b.r))}) < 1e-6)
            continue;
        const int soll = (e <= std::max(a.r, b.r) ? -1 : 1) * (e > aussen || e < innen ? 3 : 2);
        EXPECT_EQ(Lage_zweier_Kugeln(a, b), soll) << "e=" << e << " rA=" << a.r << " rB=" << b.r;
        EXPECT_EQ(Lage_zweier_Kugeln(b, a), soll);
    }
    // Touching by construction: centre distance exactly rA + rB or |rA − rB|.
    for (int i = 0; i < Runden; ++i) {
        const TKugel a = z.kugel();
        TKugel b = a;
        b.r = z.zahl(0.5, 6);
        b.M = z.umM(a.M, a.r + b.r);
        EXPECT_EQ(Lage_zweier_Kugeln(a, b), 1);
        if (std::fabs(a.r - b.r) < 0.1) continue;
        b.M = z.umM(a.M, std::fabs(a.r - b.r));
        EXPECT_EQ(Lage_zweier_Kugeln(a, b), -1);
    }
}

TEST_F(Eigenschaften, LineAndSphere) {
    Zufall z(9);
    for (int i = 0; i < Runden; ++i) {
        const TKugel k = z.kugel();
        const TGerade g = z.gerade();
        const double d = abstandGerade(v(k.M), g);
        int n = -1;
        TPunkt s1, s2, f1, f2;
        Schnitt_Gerade_Kugel(k, g, n, s1, s2);
        if (d < k.r - 1e-4) {
            ASSERT_EQ(n, 2);
            for (const TPunkt& s : {s1, s2}) {
                EXPECT_NEAR(Abstand(s, k.M), k.r, 1e-8 * groesse(s));
                EXPECT_LT(abstandGerade(v(s), g), 1e-8 * groesse(s));
            }
        } else if (d > k.r + 1e-4) {
            EXPECT_EQ(n, 0);
        }

        Kugelpunkte_zur_Geraden(g, k, f1, f2);
        EXPECT_NEAR(Abstand(f1, k.M), k.r, 1e-8 * groesse(f1));
        EXPECT_NEAR(Abstand(f2, k.M), k.r, 1e-8 * groesse(f2));
        EXPECT_LE(abstandGerade(v(f1), g), abstandGerade(v(f2), g) + 1e-9);
        EXPECT_NEAR(abstandGerade(v(f1), g), std::fabs(d - k.r), 1e-8 * groesse(f1));

        bool fehler = false;
        TEbeneNorm t[2];
        TPunkt b[2];
        Tangentialebenen_durch_Gerade(k, g, fehler, t[0], t[1], b[0], b[1]);
        if (std::fabs(d - k.r) <= 1e-4) continue;
        ASSERT_EQ(fehler, d < k.r);
        for (int j = 0; j < 2 && !fehler; ++j) {
            const double tol = 1e-8 * (groesse(g.Stuetz) + groesse(g.Richtung));
            EXPECT_LT(abstandEbene(v(g.Stuetz), t[j]), tol);
            EXPECT_LT(abstandEbene(v(g.Stuetz) + v(g.Richtung), t[j]), tol);
            EXPECT_NEAR(abstandEbene(v(k.M), t[j]), k.r, tol);
            EXPECT_NEAR(Abstand(b[j], k.M), k.r, 1e-8 * groesse(b[j]));
        }
    }
}

TEST_F(Eigenschaften, PlaneAndSphere) {
    Zufall z(10);
    for (int i = 0; i < Runden; ++i) {
        const TKugel k = z.kugel();
        const TEbeneNorm e = z.ebene();
        const double a = seite(v(k.M), e);
        int code = -1;
        TPunkt mk, pol;
        double rk = -1;
        Lage_Ebene_Kugel(e, k, code, mk, rk);
        if (std::fabs(a) > k.r + 1e-9) {
            EXPECT_EQ(code, 0);
            continue;
        }
        if (std::fabs(a) >= k.r - 1e-9) continue;
        ASSERT_EQ(code, 2);
        const double tol = 1e-9 * groesse(mk);
        EXPECT_LT(abstandEbene(v(mk), e), tol);
        EXPECT_NEAR(Abstand(mk, k.M), std::fabs(a), tol);
        EXPECT_NEAR(rk * rk + a * a, k.r * k.r, 1e-8 * (1 + k.r * k.r));

        bool da = false;
        Pol(e, k, da, pol);
        if (!da) continue;
        // The pole's polar plane (pol − m)·(x − m) = r² is the plane E.
        const V n = v(pol) - v(k.M);
        EXPECT_NEAR(n.dot(v(mk) - v(k.M)), k.r * k.r, 1e-7 * (1 + n.len() * groesse(mk)));
    }
}

TEST_F(Eigenschaften, MeetingLineMeetsBothLines) {
    Zufall z(11);
    int eins = 0;
    for (int i = 0; i < Runden; ++i) {
        const TGerade g = z.gerade(), h = z.gerade();
        int code = 0;
        TGerade f;
        TPunkt S, T;
        Treffgerade(z.punkt_(), g, h, code, f, S, T);
        if (code != 1) continue;
        ++eins;
        const double tol = 1e-7 * (groesse(S) + groesse(T));
        EXPECT_LT(abstandGerade(v(S), h), tol);
        EXPECT_LT(abstandGerade(v(T), g), tol);
        EXPECT_LT(abstandGerade(v(T), f), tol);
    }
    EXPECT_GT(eins, Runden * 9 / 10);
}

TEST_F(Eigenschaften, FormsOfAPlaneDescribeTheSamePoints) {
    Zufall z(12);
    for (int i = 0; i < Runden; ++i) {
        const TEbene e{z.punkt_(), z.richtung(), z.richtung(), 0, "E"};
        if (!IstEbenePar(e)) continue;
        TEbeneNorm n, h;
        TEbene zurueck;
        Parameter_zu_Normalenform(e, n);
        Normalen_zu_Parameterform(n, zurueck);
        Hesse_Normalform(n, h);
        EXPECT_NEAR(v(h.Normale).len(), 1, 1e-12);
        for (double r : {0.0, 1.5, -2.0}) {
            for (double s : {0.0, -1.0, 3.0}) {
                TPunkt x, y;
                Punkt_auf_Ebene(e, r, s, x);
                Punkt_auf_Ebene(zurueck, r, s, y);
                EXPECT_LT(abstandEbene(v(x), n), 1e-8 * groesse(x));
                EXPECT_LT(abstandEbene(v(y), n), 1e-8 * groesse(y));
                EXPECT_NEAR(Abstand_Punkt_Ebene(x, h), 0, 1e-8 * groesse(x));
            }
        }
    }
}

TEST_F(Eigenschaften, SimplifiedVectorsKeepTheirDirection) {
    Zufall z(13);
    for (int i = 0; i < Runden; ++i) {
        TPunkt a = punkt(z.ganz(-60, 60), z.ganz(-60, 60), z.ganz(-60, 60));
        if (IstNullvektor(a)) continue;
        TPunkt b = a, c = a;
        Vereinfachen(b);
        Kuerzen(c);
        EXPECT_EQ(v(a).cross(v(b)).len(), 0);
        EXPECT_EQ(v(a).cross(v(c)).len(), 0);
        EXPECT_GT(v(a).dot(v(c)), 0); // Kuerzen never reverses
        for (double x : {c.x, c.y, c.z}) EXPECT_EQ(x, std::trunc(x));
        // Nothing left to divide out.
        TPunkt d = c;
        Kuerzen(d);
        EXPECT_TRUE(GleichePunkte(c, d));
    }
}

TEST_F(Eigenschaften, NumberTextIsTheValueToThreeDecimals) {
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
