#include "core/errors.h"
#include "tests/core/helpers.h"

// The seven codes are checked against exact arithmetic in the property suite.
TEST(Lage_zweier_Kugeln, TouchingWithinOneBillionth) {
    auto lage = [](double rA, double x, double rB) {
        return Lage_zweier_Kugeln(kugel(punkt(0, 0, 0), rA), kugel(punkt(x, 0, 0), rB));
    };
    EXPECT_EQ(lage(1, 3 + 5e-10, 2), 1);
    EXPECT_EQ(lage(1, 3 + 2e-9, 2), 3);
    EXPECT_EQ(lage(1, 1 + 5e-10, 2), -1);
}

TEST(Lage_Punkt_Kugel, InsideOnOutsideWithinOneTenMillionth) {
    const TKugel k = kugel(punkt(1, 1, 1), 2);
    EXPECT_EQ(Lage_Punkt_Kugel(k, punkt(1, 1, 1)), 0);
    EXPECT_EQ(Lage_Punkt_Kugel(k, punkt(3 + 5e-8, 1, 1)), 1);
    EXPECT_EQ(Lage_Punkt_Kugel(k, punkt(3 - 5e-8, 1, 1)), 1);
    EXPECT_EQ(Lage_Punkt_Kugel(k, punkt(3 + 2e-7, 1, 1)), 2);
    EXPECT_EQ(Lage_Punkt_Kugel(k, punkt(3 - 2e-7, 1, 1)), 0);
}

TEST(Schnitt_Gerade_Kugel, ThroughTheCentreTangentAndMiss) {
    const TKugel k = kugel(punkt(1, 2, 3), 2);
    int n = -1;
    TPunkt s1, s2;
    Schnitt_Gerade_Kugel(k, gerade(punkt(1, 2, 3), punkt(0, 0, 5), 0x77), n, s1, s2);
    EXPECT_EQ(n, 2);
    EXPECT_TRUE(bei(s1, 1, 2, 5, "S1", 0x77)); // in the direction of u
    EXPECT_TRUE(bei(s2, 1, 2, 1, "S2", 0x77));

    // Distance from the centre 2 + 3e-5: counts as tangent, the point is the foot.
    s2 = punkt(9, 9, 9, 0, "alt");
    Schnitt_Gerade_Kugel(k, gerade(punkt(3 + 3e-5, 0, 3), punkt(0, 1, 0)), n, s1, s2);
    EXPECT_EQ(n, 1);
    EXPECT_TRUE(bei(s1, 3 + 3e-5, 2, 3));
    EXPECT_EQ(s1.Name + s2.Name, "S1alt");

    s1 = s2;
    Schnitt_Gerade_Kugel(k, gerade(punkt(4, 0, 3), punkt(0, 1, 0)), n, s1, s2);
    EXPECT_EQ(n, 0);
    EXPECT_TRUE(bei(s1, 9, 9, 9, "alt", 0));
}

TEST(Lage_Ebene_Kugel, CircleTouchingAndNone) {
    const TKugel k = kugel(punkt(0, 0, 0), 5);
    int code = -1;
    TPunkt mk;
    double rk = -1;
    Lage_Ebene_Kugel(ebene(punkt(0, 0, 2), 6, 0x31), k, code, mk, rk);
    EXPECT_EQ(code, 2);
    EXPECT_TRUE(bei(mk, 0, 0, 3, "Mk", 0x31));
    EXPECT_DOUBLE_EQ(rk, 4);
    Lage_Ebene_Kugel(ebene(punkt(0, 0, 1), 5), k, code, mk, rk);
    EXPECT_EQ(code, 1);
    EXPECT_TRUE(bei(mk, 0, 0, 5));
    EXPECT_EQ(rk, 0);
    mk.Name = "alt";
    rk = 7;
    Lage_Ebene_Kugel(ebene(punkt(0, 0, 1), 6), k, code, mk, rk);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(mk.Name, "alt");
    EXPECT_EQ(rk, 7);
}

TEST(Kugelpunkte_zur_Geraden, NearerPointFirst) {
    TPunkt f1, f2;
    auto punkte = [&](const TPunkt& p, const TPunkt& u, double r) {
        return Kugelpunkte_zur_Geraden(gerade(p, u), kugel(punkt(0, 0, 0), r), f1, f2), f1;
    };
    EXPECT_TRUE(bei(punkte(punkt(0, 3, 0), punkt(1, 0, 0), 1), 0, 1, 0));
    EXPECT_TRUE(bei(f2, 0, -1, 0));
    EXPECT_EQ(f1.Name + f2.Name, "F1F2");
    // Centre on the line: direction (0, 1, 0) as u.y = 0, equal distances keep S1 first.
    EXPECT_TRUE(bei(punkte(punkt(-5, 0, 0), punkt(1, 0, 0), 1), 0, 1, 0));
    // u without a zero component: direction (−u.y, u.x, 0).
    EXPECT_TRUE(bei(punkte(punkt(0, 0, 0), punkt(3, 4, 1), 5), -4, 3, 0));
    EXPECT_TRUE(bei(f2, 4, -3, 0));
}

TEST(Tangentialebenen_durch_Gerade, TwoPlanesOrFailure) {
    bool fehler = true;
    TEbeneNorm t1, t2;
    TPunkt b1, b2;
    auto tangential = [&](const TPunkt& p, bool vorher) {
        fehler = vorher;
        Tangentialebenen_durch_Gerade(kugel(punkt(0, 0, 0), 1), gerade(p, punkt(1, 0, 0)), fehler,
                                      t1, t2, b1, b2);
        return !fehler;
    };
    ASSERT_TRUE(tangential(punkt(0, 0, 2), true));
    const double h = std::sqrt(0.75);
    EXPECT_TRUE(bei(b1, 0, h, 0.5));
    EXPECT_TRUE(bei(b2, 0, -h, 0.5));
    EXPECT_TRUE(bei(t1, {0, h, 0.5}, 1));
    EXPECT_TRUE(bei(t2.Normale, 0, -h, 0.5));
    EXPECT_EQ(t1.Name, "T: ");
    EXPECT_EQ(t2.Farbe, farbe::Aqua);

    t1.Name = "alt";
    EXPECT_FALSE(tangential(punkt(0, 0, 0.5), false)); // the line cuts the sphere
    EXPECT_EQ(t1.Name, "alt");
    EXPECT_FALSE(tangential(punkt(-1, 0, 0), false)); // through the centre
    EXPECT_FALSE(tangential(punkt(0, 0, 0), false));  // support point is the centre
}

TEST(Pol, PoleOfAPlaneOrNone) {
    bool da = false;
    TPunkt p = punkt(7, 7, 7, 0, "alt");
    Pol(ebene(punkt(0, 0, 1), 3), kugel(punkt(0, 0, 3), 1), da, p);
    EXPECT_FALSE(da); // the plane passes through the centre
    EXPECT_EQ(p.Name, "alt");
    Pol(ebene(punkt(0, 0, 1), 2), kugel(punkt(0, 0, 0), 1), da, p);
    EXPECT_TRUE(da);
    EXPECT_TRUE(bei(p, 0, 0, 0.5, "Pol", farbe::Rot));
}

TEST(Radikalebene, PlaneOfTheCommonCircle) {
    TEbeneNorm e;
    e.Name = "alt";
    Radikalebene(kugel(punkt(0, 0, 0), 2), kugel(punkt(3, 0, 0), 1), e);
    EXPECT_TRUE(bei(e, {6, 0, 0}, 12));
    EXPECT_EQ(e.Name, "alt");
}

TEST(Schnittkreis, CoordinatePlanesCutTheSphere) {
    const TKugel k = kugel(punkt(1, 2, 3), 2, 0x48);
    EXPECT_TRUE(Schnittkreis_existiert(k, "x23"));
    EXPECT_TRUE(Schnittkreis_existiert(k, "x13")); // touching: |m.y| = r
    EXPECT_FALSE(Schnittkreis_existiert(k, "x12"));
    TPunkt m;
    double r = -1;
    Schnittkreis_Koordinatenebene(k, "x23", m, r);
    EXPECT_TRUE(bei(m, 0, 2, 3, "M23", 0x48));
    EXPECT_DOUBLE_EQ(r, std::sqrt(3.0));
    Schnittkreis_Koordinatenebene(k, "x13", m, r);
    EXPECT_TRUE(bei(m, 1, 0, 3, "M13", 0x48));
    EXPECT_EQ(r, 0);
    EXPECT_THROW(Schnittkreis_Koordinatenebene(k, "x12", m, r), MathError);
    EXPECT_EQ(m.Name, "M13");
}
