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
    V(double x_, double y_, double z_) : x(x_), y(y_), z(z_) {}
    V(const TPunkt& p) : V(p.x, p.y, p.z) {} // NOLINT: implicit on purpose
    V operator-(V b) const { return {x - b.x, y - b.y, z - b.z}; }
    V operator+(V b) const { return {x + b.x, y + b.y, z + b.z}; }
    V operator*(double s) const { return {s * x, s * y, s * z}; }
    double dot(V b) const { return x * b.x + y * b.y + z * b.z; }
    V cross(V b) const { return {y * b.z - z * b.y, z * b.x - x * b.z, x * b.y - y * b.x}; }
    double len() const { return std::sqrt(dot(*this)); }
};

class Zufall {
public:
    explicit Zufall(unsigned seed) : rng_(seed) {}
    double zahl(double lo, double hi) { return std::uniform_real_distribution(lo, hi)(rng_); }
    int ganz(int lo, int hi) { return std::uniform_int_distribution(lo, hi)(rng_); }
    TPunkt punkt_(double s = 10) { return punkt(zahl(-s, s), zahl(-s, s), zahl(-s, s)); }
    // A direction that is not too short, so that the cases stay well conditioned.
    TPunkt richtung() {
        TPunkt p = punkt_(5);
        return V(p).len() > 0.5 ? p : richtung();
    }
    // Small whole numbers: zero components and whole quotients reach the special branches.
    TPunkt klein(int k = 2) { return punkt(ganz(-k, k), ganz(-k, k), ganz(-k, k)); }
    TPunkt kleineRichtung() {
        const TPunkt p = klein();
        return IstNullvektor(p) ? kleineRichtung() : p;
    }
    TGerade gerade() { return TGerade{punkt_(), richtung(), 0x10, "g:"}; }
    TEbeneNorm ebene() { return TEbeneNorm{richtung(), zahl(-20, 20), 0x20, "E"}; }
    TEbeneNorm kleineEbene() { return TEbeneNorm{kleineRichtung(), double(ganz(-6, 6)), 0, "E"}; }
    TKugel kugel() { return TKugel{punkt_(5), zahl(0.5, 6), "K: ", 0x30}; }
    // A point at distance r from m.
    TPunkt umM(const TPunkt& m, double r) {
        const TPunkt d = richtung();
        return summe(m, vielfaches(d, r / V(d).len()));
    }

private:
    std::mt19937 rng_;
};

} // namespace

class Eigenschaften : public testing::Test {
protected:
    static double abstandGerade(V q, const TGerade& g) {
        return (q - g.Stuetz).cross(g.Richtung).len() / V(g.Richtung).len();
    }
    // Signed distance of the point from the plane.
    static double seite(V q, const TEbeneNorm& e) {
        return (q.dot(e.Normale) - e.d) / V(e.Normale).len();
    }
    static double abstandEbene(V q, const TEbeneNorm& e) { return std::fabs(seite(q, e)); }
    // Scale of a tolerance: absolute near the origin, relative far from it.
    static double groesse(V a) { return 1 + a.len(); }
};

TEST_F(Eigenschaften, LineAndPlaneIntersectionPerpendicularAndMirrorLine) {
    Zufall z(1);
    int treffer = 0;
    for (int i = 0; i < Runden; ++i) {
        const TGerade g = z.gerade();
        const TEbeneNorm e = z.ebene();
        const TPunkt q = z.punkt_();
        const V n = e.Normale;
        int code = 0;
        TPunkt s, f;
        TGerade l, sg;
        Schnittpunkt_Gerade_Ebene(g, e, code, s);
        if (code == 1) {
            ++treffer;
            EXPECT_LT(std::max(abstandGerade(s, g), abstandEbene(s, e)), 1e-9 * groesse(s));
        } else {
            EXPECT_LT(std::fabs(n.dot(g.Richtung)), 1e-8);
        }

        Lot_auf_Ebene(q, e, l, f);
        const double tol = 1e-9 * groesse(f);
        EXPECT_LT(std::max(abstandEbene(f, e), (V(q) - f).cross(n).len() / n.len()), tol);
        EXPECT_NEAR(Abstand_Punkt_Ebene(q, e), abstandEbene(q, e), tol);

        // Every point of the mirror line is the mirror image of a point of g.
        Spiegelgerade_an_Ebene(g, e, sg);
        for (double t : {0.0, 1.0, -2.5}) {
            const V x = V(g.Stuetz) + V(g.Richtung) * t;
            const V bild = x - n * (2 * (n.dot(x) - e.d) / n.dot(n));
            EXPECT_LT(abstandGerade(bild, sg), 1e-8 * groesse(bild));
        }
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
        const double tol = 1e-9 * groesse(f), d = abstandGerade(q, g);
        const double cosinus = (V(q) - f).dot(g.Richtung) / V(g.Richtung).len();
        EXPECT_LT(std::max(abstandGerade(f, g), std::fabs(cosinus)), tol);
        EXPECT_NEAR(Abstand_Punkt_Gerade(q, g), d, tol);
        EXPECT_NEAR(abstandGerade(sp, g), d, tol);
        EXPECT_NEAR(Abstand(sp, q), 2 * d, tol);
    }
}

TEST_F(Eigenschaften, TwoLinesIntersectingSkewAndParallel) {
    Zufall z(4);
    for (int i = 0; i < Runden; ++i) {
        // Built to intersect in s0; whole directions with zeros reach every elimination.
        const bool klein = i % 2;
        const TPunkt s0 = klein ? z.klein(5) : z.punkt_();
        const TPunkt u = klein ? z.kleineRichtung() : z.richtung(),
                     w = klein ? z.kleineRichtung() : z.richtung();
        if (V(u).cross(w).len() < 0.1 * V(u).len() * V(w).len()) continue;
        GeradenLage r = lage2(gerade(summe(s0, vielfaches(u, z.ganz(-3, 3))), u),
                              gerade(summe(s0, vielfaches(w, z.zahl(-3, 3))), w));
        ASSERT_EQ(r.wort, lage::schneidend);
        EXPECT_LT((V(r.S) - s0).len(), 1e-8);
        EXPECT_TRUE(Richtungen_parallel(u, vielfaches(u, -z.zahl(0.5, 3))));
        EXPECT_FALSE(Richtungen_parallel(u, w));

        // Random lines are skew: the feet lie on the lines, their connection is perpendicular to
        // both.
        const TGerade a = z.gerade(), b = z.gerade();
        r = lage2(a, b);
        ASSERT_EQ(r.wort, lage::windschief);
        const double tol = 1e-8 * (groesse(r.L1) + groesse(r.L2));
        EXPECT_LT(std::max(abstandGerade(r.L1, a), abstandGerade(r.L2, b)), tol);
        const V n = V(a.Richtung).cross(b.Richtung);
        const double d = std::fabs((V(b.Stuetz) - a.Stuetz).dot(n)) / n.len();
        EXPECT_NEAR(Abstand(r.L1, r.L2), d, tol);
        EXPECT_NEAR(std::stod(r.text), d, 0.0005 + tol);
        EXPECT_LT(V(r.l.Richtung).cross(n).len() / V(r.l.Richtung).len(), 1e-9 * n.len());

        // Parallel by construction: the text is the point–line distance.
        const TGerade c = gerade(z.punkt_(), vielfaches(a.Richtung, z.zahl(0.5, 3)));
        r = lage2(a, c);
        EXPECT_TRUE(r.wort == lage::parallel || r.wort == lage::identisch);
        EXPECT_NEAR(std::stod(r.text), abstandGerade(c.Stuetz, a), 0.0005 + 1e-9);
    }
}

TEST_F(Eigenschaften, IntersectionLineOfTwoPlanesAndDistanceOfParallelPlanes) {
    Zufall z(5);
    std::string wort;
    for (int i = 0; i < Runden; ++i) {
        // Small whole planes reach every elimination and the simpler support points.
        const TEbeneNorm e = i % 2 ? z.ebene() : z.kleineEbene(),
                         f = i % 2 ? z.ebene() : z.kleineEbene();
        TGerade s;
        Lage_zweier_Ebenen(e, f, wort, s);
        if (wort == lage::schneidend) {
            const V w = s.Richtung;
            ASSERT_GT(w.len(), 0);
            EXPECT_LT(std::max(abstandEbene(s.Stuetz, e), abstandEbene(s.Stuetz, f)),
                      1e-8 * groesse(s.Stuetz));
            EXPECT_LT(std::max(std::fabs(w.dot(e.Normale)) / V(e.Normale).len(),
                               std::fabs(w.dot(f.Normale)) / V(f.Normale).len()),
                      1e-9 * w.len());
        }
        // A parallel plane: n·x = d1 against (k·n)·x = d2, that is n·x = d2/k.
        const double k = z.ganz(0, 1) ? z.zahl(0.3, 4) : -z.zahl(0.3, 4);
        const TEbeneNorm p = ebene(vielfaches(e.Normale, k), z.zahl(-20, 20));
        Lage_zweier_Ebenen(e, p, wort, s);
        EXPECT_NE(wort, lage::schneidend);
        const double soll = std::fabs(e.d - p.d / k) / V(e.Normale).len();
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
        EXPECT_LT(abstandEbene(p, t), 1e-9 * groesse(p));
        EXPECT_NEAR(abstandEbene(k.M, t), k.r, 1e-9 * groesse(p));

        std::array<TPunkt, 4> q;
        for (auto& x : q) x = z.punkt_();
        bool ok = false;
        Kugel_durch_4_Punkte(q[0], q[1], q[2], q[3], ok, k);
        geloest += ok;
        if (!ok) continue;
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
        const double e = Abstand(a.M, b.M), aussen = a.r + b.r, innen = std::fabs(a.r - b.r);
        const double groesser = std::max(a.r, b.r);
        if (std::min({std::fabs(e - aussen), std::fabs(e - innen), std::fabs(e - groesser)}) < 1e-6)
            continue;
        const int soll = (e <= groesser ? -1 : 1) * (e > aussen || e < innen ? 3 : 2);
        EXPECT_EQ(Lage_zweier_Kugeln(a, b), soll) << "e=" << e << " rA=" << a.r << " rB=" << b.r;
        EXPECT_EQ(Lage_zweier_Kugeln(b, a), soll);
    }
    // Touching by construction: centre distance exactly rA + rB or |rA − rB|.
    for (int i = 0; i < Runden; ++i) {
        const TKugel a = z.kugel();
        TKugel b = kugel(a.M, z.zahl(0.5, 6));
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
        const double d = abstandGerade(k.M, g);
        int n = -1;
        bool fehler = false;
        TPunkt s[2], f[2], b[2];
        TEbeneNorm t[2];
        Schnitt_Gerade_Kugel(k, g, n, s[0], s[1]);
        Kugelpunkte_zur_Geraden(g, k, f[0], f[1]);
        Tangentialebenen_durch_Gerade(k, g, fehler, t[0], t[1], b[0], b[1]);
        // The points on the sphere nearest to and farthest from g, nearer one first.
        EXPECT_NEAR(abstandGerade(f[0], g), std::fabs(d - k.r), 1e-8 * groesse(f[0]));
        EXPECT_LE(abstandGerade(f[0], g), abstandGerade(f[1], g) + 1e-9);
        if (std::fabs(d - k.r) <= 1e-4) continue;
        ASSERT_EQ(n, d < k.r ? 2 : 0);
        ASSERT_EQ(fehler, d < k.r);
        const double tol = 1e-8 * (groesse(g.Stuetz) + groesse(g.Richtung));
        for (int j = 0; j < 2; ++j) {
            EXPECT_NEAR(Abstand(f[j], k.M), k.r, 1e-8 * groesse(f[j]));
            const double aufBeiden =
                std::max(std::fabs(Abstand(s[j], k.M) - k.r), abstandGerade(s[j], g));
            EXPECT_LT(n == 2 ? aufBeiden : 0, 1e-8 * groesse(s[j]));
            if (fehler) continue;
            // Each tangent plane contains g and touches the sphere in b.
            EXPECT_LT(std::max(abstandEbene(g.Stuetz, t[j]),
                               abstandEbene(V(g.Stuetz) + g.Richtung, t[j])),
                      tol);
            EXPECT_NEAR(abstandEbene(k.M, t[j]), k.r, tol);
            EXPECT_NEAR(Abstand(b[j], k.M), k.r, 1e-8 * groesse(b[j]));
            EXPECT_LT(abstandEbene(b[j], t[j]), 1e-7 * groesse(b[j])); // b touches in t
        }
    }
}

TEST_F(Eigenschaften, PlaneAndSphere) {
    Zufall z(10);
    for (int i = 0; i < Runden; ++i) {
        const TKugel k = z.kugel();
        const TEbeneNorm e = z.ebene();
        const double a = seite(k.M, e);
        int code = -1;
        TPunkt mk, pol;
        double rk = -1;
        bool da = false;
        Lage_Ebene_Kugel(e, k, code, mk, rk);
        // Touching by construction, in whole numbers: the plane normal to an axis through the
        // point p of the sphere touches it in p.
        const TKugel ganzK = kugel(z.klein(3), z.ganz(1, 4));
        const int achse = z.ganz(0, 2), f = z.ganz(0, 1) ? z.ganz(1, 3) : -z.ganz(1, 3);
        const TPunkt na = punkt(achse == 0 ? f : 0, achse == 1 ? f : 0, achse == 2 ? f : 0);
        const TPunkt p = summe(ganzK.M, vielfaches(na, ganzK.r / Laenge(na)));
        int c1 = -1;
        TPunkt b;
        double r0 = -1;
        Lage_Ebene_Kugel(ebene(na, Skalarprodukt(na, p)), ganzK, c1, b, r0);
        EXPECT_EQ(c1, 1);
        EXPECT_TRUE(bei(b, p.x, p.y, p.z, 1e-12) && r0 == 0);
        if (std::fabs(a) > k.r + 1e-9) {
            EXPECT_EQ(code, 0);
            continue;
        }
        if (std::fabs(a) >= k.r - 1e-9) continue;
        ASSERT_EQ(code, 2);
        const double tol = 1e-9 * groesse(mk);
        EXPECT_LT(abstandEbene(mk, e), tol);
        EXPECT_NEAR(Abstand(mk, k.M), std::fabs(a), tol);
        EXPECT_NEAR(rk * rk + a * a, k.r * k.r, 1e-8 * (1 + k.r * k.r));

        // The pole's polar plane (pol − m)·(x − m) = r² is the plane E.
        Pol(e, k, da, pol);
        if (!da) continue;
        const V n = V(pol) - k.M;
        EXPECT_NEAR(n.dot(V(mk) - k.M), k.r * k.r, 1e-7 * (1 + n.len() * groesse(mk)));
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
        EXPECT_LT(std::max({abstandGerade(S, h), abstandGerade(T, g), abstandGerade(T, f)}), tol);
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
        EXPECT_NEAR(V(h.Normale).len(), 1, 1e-12);
        for (auto [r, s] : {std::pair(0.0, 0.0), {1.5, -1.0}, {-2.0, 3.0}}) {
            TPunkt x, y;
            Punkt_auf_Ebene(e, r, s, x);
            Punkt_auf_Ebene(zurueck, r, s, y);
            EXPECT_LT(std::max(abstandEbene(x, n), abstandEbene(y, n)), 1e-8 * groesse(y));
            EXPECT_NEAR(Abstand_Punkt_Ebene(x, h), 0, 1e-8 * groesse(x));
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
        EXPECT_EQ(V(a).cross(b).len() + V(a).cross(c).len(), 0);
        EXPECT_GT(V(a).dot(c), 0); // Kuerzen never reverses
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
