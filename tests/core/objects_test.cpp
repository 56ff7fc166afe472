#include "core/errors.h"
#include "core/objects.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {
void expectKoord(const TPunkt& p, double x, double y, double z) {
    EXPECT_DOUBLE_EQ(p.x, x);
    EXPECT_DOUBLE_EQ(p.y, y);
    EXPECT_DOUBLE_EQ(p.z, z);
}
} // namespace

TEST(Gerade_durch_2_Punkte, KeepsRawDifferenceAndTakesNameAndColourFromA) {
    TGerade g;
    Gerade_durch_2_Punkte(punkt(1, 2, 3, 0x123456, "A"), punkt(3, 6, 9, 0x654321, "B"), g);
    expectKoord(g.Stuetz, 1, 2, 3);
    EXPECT_EQ(g.Stuetz.Name, "A");
    expectKoord(g.Richtung, 2, 4, 6); // not simplified
    EXPECT_EQ(g.Richtung.Farbe, 0x123456u);
    EXPECT_EQ(g.Farbe, 0x123456u);
    EXPECT_EQ(g.Name, "g:");
}

TEST(Punkt_auf_Gerade, NamedSInLineColour) {
    TGerade g{punkt(1, 0, 0), punkt(0, 2, 0), 0xABCDEF, "g:"};
    TPunkt s = punkt(9, 9, 9, 1, "X");
    Punkt_auf_Gerade(g, 1.5, s);
    expectKoord(s, 1, 3, 0);
    EXPECT_EQ(s.Name, "S");
    EXPECT_EQ(s.Farbe, 0xABCDEFu);
}

TEST(Ebene_durch_3_Punkte, SimplifiesDirectionsAndNamesSupportP) {
    TEbene e;
    Ebene_durch_3_Punkte(punkt(0, 0, 0, 0x77, "A"), punkt(2, 4, 6), punkt(0, 3, 6), e);
    EXPECT_EQ(e.Stuetz.Name, "P");
    EXPECT_EQ(e.Stuetz.Farbe, 0x77u);
    expectKoord(e.Richtung1, 1, 2, 3);
    expectKoord(e.Richtung2, 0, 1, 2);
    TEbeneNorm n;
    Parameter_zu_Normalenform(e, n);
    expectKoord(n.Normale, 1, -2, 1);
    EXPECT_EQ(n.d, 0);
}

TEST(Normalen_zu_Parameterform, FollowsTheFirstNonZeroComponent) {
    TEbene e;
    TEbeneNorm n{punkt(2, 4, -2), 6, 0x11, "E:"};
    Normalen_zu_Parameterform(n, e);
    expectKoord(e.Stuetz, 3, 0, 0);
    expectKoord(e.Richtung1, -2, 1, 0); // (−4, 2, 0): x step fails, y step divides by 2
    expectKoord(e.Richtung2, 1, 0, 1);
    EXPECT_EQ(e.Name, "E:");

    Normalen_zu_Parameterform(TEbeneNorm{punkt(0, 0, 5), 10, 0, "F"}, e);
    expectKoord(e.Stuetz, 0, 0, 2);
    expectKoord(e.Richtung1, 1, 0, 0);
    expectKoord(e.Richtung2, 0, 1, 0);

    // ny ≠ 0: u = (1, 0, 0), v = (0, nz, −ny) simplified
    Normalen_zu_Parameterform(TEbeneNorm{punkt(0, 2, 4), 6, 0, "G"}, e);
    expectKoord(e.Stuetz, 0, 3, 0);
    expectKoord(e.Richtung2, 0, -2, 1); // (0, 4, −2): y step fails (−2/4), z step divides by −2
    EXPECT_THROW(Normalen_zu_Parameterform(TEbeneNorm{punkt(0, 0, 0), 1, 0, ""}, e), MathError);
}

TEST(Hesse_Normalform, DividesNormalAndRightSideByTheSameLength) {
    TEbeneNorm h;
    Hesse_Normalform(TEbeneNorm{punkt(0, 3, 4), 10, 0x22, "E"}, h);
    expectKoord(h.Normale, 0, 0.6, 0.8);
    EXPECT_DOUBLE_EQ(h.d, 2); // 10 / 5, not 10 / 1
    EXPECT_EQ(h.Farbe, 0x22u);
    EXPECT_THROW(Hesse_Normalform(TEbeneNorm{punkt(0, 0, 0), 1, 0, ""}, h), MathError);
}

TEST(Kugel, CentreAndVectorFormsConvertBothWays) {
    TKugel k;
    Kugel_V_zu_M(TKugelV{punkt(2, 4, 6), -10, "V", 0x33}, k);
    expectKoord(k.M, 1, 2, 3);
    EXPECT_DOUBLE_EQ(k.r, 2);
    EXPECT_EQ(k.Name, "K: ");
    EXPECT_EQ(k.M.Name, "M");
    EXPECT_EQ(k.Farbe, 0x33u);
    EXPECT_EQ(k.M.Farbe, 0x33u);
    TKugelV v;
    Kugel_M_zu_V(k, v);
    expectKoord(v.a, 2, 4, 6);
    EXPECT_DOUBLE_EQ(v.c, -10);
    EXPECT_EQ(v.Farbe, 0x33u);
    // A negative radicand is not a sphere.
    EXPECT_THROW(Kugel_V_zu_M(TKugelV{punkt(0, 0, 0), -1, "", 0}, k), MathError);
}

TEST(Kugel_durch_4_Punkte, FindsTheSphereOrLeavesTheRecordUntouched) {
    TKugel k;
    bool ok = false;
    Kugel_durch_4_Punkte(punkt(3, 2, 3), punkt(1, 4, 3), punkt(1, 2, 5), punkt(-1, 2, 3), ok, k);
    ASSERT_TRUE(ok);
    expectKoord(k.M, 1, 2, 3);
    EXPECT_DOUBLE_EQ(k.r, 2);
    EXPECT_EQ(k.Farbe, farbe::Gelb);
    EXPECT_EQ(k.M.Name, "M");
    EXPECT_EQ(k.M.Farbe, farbe::Gelb);
    EXPECT_EQ(k.Name, "K: ");

    TKugel alt{punkt(7, 8, 9, 5, "Q"), 4, "alt", 6};
    ok = true;
    Kugel_durch_4_Punkte(punkt(0, 0, 0), punkt(1, 0, 0), punkt(0, 1, 0), punkt(1, 1, 0), ok, alt);
    EXPECT_FALSE(ok);
    expectKoord(alt.M, 7, 8, 9);
    EXPECT_EQ(alt.M.Name, "Q");
    EXPECT_EQ(alt.r, 4);
    EXPECT_EQ(alt.Name, "alt");
    EXPECT_EQ(alt.Farbe, 6u);
}

TEST(Tangentialebene, DividesCommonFactorsOutOfNormalAndRightSide) {
    TEbeneNorm t;
    // m = (0, 0, 0), r = 5, P = (0, 3, 4): n = (0, 3, 4), d = 25; no common factor.
    Tangentialebene(TKugel{punkt(0, 0, 0, 0x44), 5, "K", 0}, punkt(0, 3, 4), t);
    expectKoord(t.Normale, 0, 3, 4);
    EXPECT_DOUBLE_EQ(t.d, 25);
    EXPECT_EQ(t.Name, "T: ");
    EXPECT_EQ(t.Farbe, farbe::Aqua);
    EXPECT_EQ(t.Normale.Farbe, 0x44u);
    // m = (1, 1, 1), r = 2, P = (3, 1, 1): n = (2, 0, 0), d = 2 + 4 = 6 → (1, 0, 0), 3.
    Tangentialebene(TKugel{punkt(1, 1, 1), 2, "K", 0}, punkt(3, 1, 1), t);
    expectKoord(t.Normale, 1, 0, 0);
    EXPECT_EQ(t.d, 3);
    // n = (6, 0, 0), d = 6·0 + 36: k = 6 divides both... and 3, 2 before? 100..2 in order:
    // k = 36 fails for n.x = 6; k = 6 gives (1, 0, 0), 6.
    Tangentialebene(TKugel{punkt(0, 0, 0), 6, "K", 0}, punkt(6, 0, 0), t);
    expectKoord(t.Normale, 1, 0, 0);
    EXPECT_EQ(t.d, 6);
}

TEST(Eingabetests, AcceptAndRejectAsDocumented) {
    EXPECT_TRUE(IstGerade(TGerade{punkt(0, 0, 0), punkt(0, 0, 1e-300), 0, ""}));
    EXPECT_FALSE(IstGerade(TGerade{punkt(1, 1, 1), punkt(0, -0.0, 0), 0, ""}));
    EXPECT_TRUE(IstEbeneNorm(TEbeneNorm{punkt(0, 1, 0), 0, 0, ""}));
    EXPECT_FALSE(IstEbeneNorm(TEbeneNorm{punkt(0, 0, 0), 5, 0, ""}));
    EXPECT_TRUE(IstEbenePar(TEbene{punkt(0, 0, 0), punkt(1, 0, 0), punkt(0, 1, 0), 0, ""}));
    EXPECT_FALSE(IstEbenePar(TEbene{punkt(0, 0, 0), punkt(1, 2, 3), punkt(-2, -4, -6), 0, ""}));
    EXPECT_FALSE(IstEbenePar(TEbene{punkt(0, 0, 0), punkt(0, 0, 0), punkt(0, 1, 0), 0, ""}));
    EXPECT_FALSE(IstEbenePar(TEbene{punkt(0, 0, 0), punkt(1, 0, 0), punkt(0, 0, 0), 0, ""}));
    // parallel within 1e-7
    EXPECT_FALSE(IstEbenePar(TEbene{punkt(0, 0, 0), punkt(1, 1, 0), punkt(1, 1, 5e-8), 0, ""}));
    EXPECT_TRUE(IstKugel(TKugel{punkt(0, 0, 0), 0.1, "", 0}));
    EXPECT_FALSE(IstKugel(TKugel{punkt(0, 0, 0), 0, "", 0}));
    EXPECT_FALSE(IstKugel(TKugel{punkt(0, 0, 0), -1, "", 0}));
    EXPECT_TRUE(IstKugelV(TKugelV{punkt(0, 0, 0), 0, "", 0})); // radius 0 accepted
    EXPECT_TRUE(IstKugelV(TKugelV{punkt(2, 0, 0), -1, "", 0}));
    EXPECT_FALSE(IstKugelV(TKugelV{punkt(2, 0, 0), -1.5, "", 0}));
}
