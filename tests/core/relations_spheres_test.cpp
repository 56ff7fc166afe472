#include "core/errors.h"
#include "core/number_text.h"
#include "core/relations.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {
void expectKoord(const TPunkt& p, double x, double y, double z) {
    EXPECT_NEAR(p.x, x, 1e-12);
    EXPECT_NEAR(p.y, y, 1e-12);
    EXPECT_NEAR(p.z, z, 1e-12);
}
TKugel kugel(TPunkt m, double r, TFarbe f = 0) {
    return TKugel{std::move(m), r, "K: ", f};
}
TGerade gerade(TPunkt p, TPunkt u, TFarbe f = 0) {
    return TGerade{std::move(p), std::move(u), f, "g:"};
}
} // namespace

TEST(Lage_zweier_Kugeln, AllSevenCodes) {
    const TPunkt o = punkt(0, 0, 0);
    EXPECT_EQ(Lage_zweier_Kugeln(kugel(o, 1), kugel(punkt(3, 0, 0), 2)), 1);    // touch outside
    EXPECT_EQ(Lage_zweier_Kugeln(kugel(o, 2), kugel(punkt(3, 0, 0), 2)), 2);    // intersect
    EXPECT_EQ(Lage_zweier_Kugeln(kugel(o, 1), kugel(punkt(5, 0, 0), 2)), 3);    // apart
    EXPECT_EQ(Lage_zweier_Kugeln(kugel(o, 1), kugel(o, 2)), -3);                // concentric
    EXPECT_EQ(Lage_zweier_Kugeln(kugel(o, 1), kugel(punkt(1, 0, 0), 2)), -1);   // touch inside
    EXPECT_EQ(Lage_zweier_Kugeln(kugel(o, 1), kugel(punkt(1.5, 0, 0), 2)), -2); // centre inside
    EXPECT_EQ(Lage_zweier_Kugeln(kugel(o, 5), kugel(punkt(1, 0, 0), 5)), -2);
    // Within 1e-9 counts as touching.
    EXPECT_EQ(Lage_zweier_Kugeln(kugel(o, 1), kugel(punkt(3 + 5e-10, 0, 0), 2)), 1);
    EXPECT_EQ(Lage_zweier_Kugeln(kugel(o, 1), kugel(punkt(3 + 2e-9, 0, 0), 2)), 3);
}

TEST(Lage_Punkt_Kugel, InsideOnOutside) {
    const TKugel k = kugel(punkt(1, 1, 1), 2);
    EXPECT_EQ(Lage_Punkt_Kugel(k, punkt(1, 1, 1)), 0);
    EXPECT_EQ(Lage_Punkt_Kugel(k, punkt(3, 1, 1)), 1);
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
    expectKoord(s1, 1, 2, 5); // in the direction of u
    expectKoord(s2, 1, 2, 1);
    EXPECT_EQ(s1.Name, "S1");
    EXPECT_EQ(s2.Name, "S2");
    EXPECT_EQ(s1.Farbe, 0x77u);

    // Distance from the centre 2 + 3e-5: counts as tangent, the point is the foot.
    s2 = punkt(9, 9, 9, 0, "alt");
    Schnitt_Gerade_Kugel(k, gerade(punkt(3 + 3e-5, 0, 3), punkt(0, 1, 0)), n, s1, s2);
    EXPECT_EQ(n, 1);
    expectKoord(s1, 3 + 3e-5, 2, 3);
    EXPECT_EQ(s1.Name, "S1");
    EXPECT_EQ(s2.Name, "alt");

    s1 = punkt(9, 9, 9, 0, "alt");
    Schnitt_Gerade_Kugel(k, gerade(punkt(4, 0, 3), punkt(0, 1, 0)), n, s1, s2);
    EXPECT_EQ(n, 0);
    EXPECT_EQ(s1.Name, "alt");
    expectKoord(s1, 9, 9, 9);
}

TEST(Lage_Ebene_Kugel, CircleTouchingAndNone) {
    const TKugel k = kugel(punkt(0, 0, 0), 5);
    int code = -1;
    TPunkt mk;
    double rk = -1;
    Lage_Ebene_Kugel(TEbeneNorm{punkt(0, 0, 2), 6, 0x31, "E"}, k, code, mk, rk);
    EXPECT_EQ(code, 2);
    expectKoord(mk, 0, 0, 3);
    EXPECT_DOUBLE_EQ(rk, 4);
    EXPECT_EQ(mk.Name, "Mk");
    EXPECT_EQ(mk.Farbe, 0x31u);
    Lage_Ebene_Kugel(TEbeneNorm{punkt(0, 0, 1), 5, 0, "E"}, k, code, mk, rk);
    EXPECT_EQ(code, 1);
    expectKoord(mk, 0, 0, 5);
    EXPECT_EQ(rk, 0);
    mk = punkt(1, 1, 1, 0, "alt");
    rk = 7;
    Lage_Ebene_Kugel(TEbeneNorm{punkt(0, 0, 1), 6, 0, "E"}, k, code, mk, rk);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(mk.Name, "alt");
    EXPECT_EQ(rk, 7);
}

TEST(Kugelpunkte_zur_Geraden, NearerPointFirst) {
    const TKugel k = kugel(punkt(0, 0, 0), 1);
    TPunkt f1, f2;
    Kugelpunkte_zur_Geraden(gerade(punkt(0, 3, 0), punkt(1, 0, 0)), k, f1, f2);
    expectKoord(f1, 0, 1, 0);
    expectKoord(f2, 0, -1, 0);
    EXPECT_EQ(f1.Name, "F1");
    EXPECT_EQ(f2.Name, "F2");
    // Centre on the line: direction (0, 1, 0) as u.y = 0, equal distances keep S1 first.
    Kugelpunkte_zur_Geraden(gerade(punkt(-5, 0, 0), punkt(1, 0, 0)), k, f1, f2);
    expectKoord(f1, 0, 1, 0);
    expectKoord(f2, 0, -1, 0);
    // u without a zero component: direction (−u.y, u.x, 0).
    Kugelpunkte_zur_Geraden(gerade(punkt(0, 0, 0), punkt(3, 4, 1)), kugel(punkt(0, 0, 0), 5), f1,
                            f2);
    expectKoord(f1, -4, 3, 0);
    expectKoord(f2, 4, -3, 0);
}

TEST(Tangentialebenen_durch_Gerade, TwoPlanesOrFailure) {
    const TKugel k = kugel(punkt(0, 0, 0), 1);
    bool fehler = true;
    TEbeneNorm t1, t2;
    TPunkt b1, b2;
    Tangentialebenen_durch_Gerade(k, gerade(punkt(0, 0, 2), punkt(1, 0, 0)), fehler, t1, t2, b1,
                                  b2);
    ASSERT_FALSE(fehler);
    const double h = std::sqrt(0.75);
    expectKoord(b1, 0, h, 0.5);
    expectKoord(b2, 0, -h, 0.5);
    expectKoord(t1.Normale, 0, h, 0.5);
    EXPECT_DOUBLE_EQ(t1.d, 1);
    expectKoord(t2.Normale, 0, -h, 0.5);
    EXPECT_EQ(t1.Name, "T: ");
    EXPECT_EQ(t2.Farbe, farbe::Aqua);

    t1.Name = "alt";
    Tangentialebenen_durch_Gerade(k, gerade(punkt(0, 0, 0.5), punkt(1, 0, 0)), fehler, t1, t2, b1,
                                  b2);
    EXPECT_TRUE(fehler); // the line cuts the sphere
    EXPECT_EQ(t1.Name, "alt");
    fehler = false;
    Tangentialebenen_durch_Gerade(k, gerade(punkt(-1, 0, 0), punkt(1, 0, 0)), fehler, t1, t2, b1,
                                  b2);
    EXPECT_TRUE(fehler); // through the centre
    fehler = false;
    Tangentialebenen_durch_Gerade(k, gerade(punkt(0, 0, 0), punkt(1, 0, 0)), fehler, t1, t2, b1,
                                  b2);
    EXPECT_TRUE(fehler); // support point is the centre
}

TEST(Pol, PoleOfAPlaneOrNone) {
    bool da = false;
    TPunkt p = punkt(7, 7, 7, 0, "alt");
    Pol(TEbeneNorm{punkt(0, 0, 1), 2, 0, "E"}, kugel(punkt(0, 0, 0), 1), da, p);
    EXPECT_TRUE(da);
    expectKoord(p, 0, 0, 0.5);
    EXPECT_EQ(p.Name, "Pol");
    EXPECT_EQ(p.Farbe, farbe::Rot);
    p = punkt(7, 7, 7, 0, "alt");
    Pol(TEbeneNorm{punkt(0, 0, 1), 3, 0, "E"}, kugel(punkt(0, 0, 3), 1), da, p);
    EXPECT_FALSE(da); // the plane passes through the centre
    EXPECT_EQ(p.Name, "alt");
}

TEST(Radikalebene, PlaneOfTheCommonCircle) {
    TEbeneNorm e;
    e.Name = "alt";
    Radikalebene(kugel(punkt(0, 0, 0), 2), kugel(punkt(3, 0, 0), 1), e);
    expectKoord(e.Normale, 6, 0, 0);
    EXPECT_EQ(e.d, 12);
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
    expectKoord(m, 0, 2, 3);
    EXPECT_EQ(m.Name, "M23");
    EXPECT_EQ(m.Farbe, 0x48u);
    EXPECT_DOUBLE_EQ(r, std::sqrt(3.0));
    Schnittkreis_Koordinatenebene(k, "x13", m, r);
    expectKoord(m, 1, 0, 3);
    EXPECT_EQ(m.Name, "M13");
    EXPECT_EQ(r, 0);
    EXPECT_THROW(Schnittkreis_Koordinatenebene(k, "x12", m, r), MathError);
    EXPECT_EQ(m.Name, "M13");
}
