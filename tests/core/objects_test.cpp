#include "core/errors.h"
#include "tests/core/helpers.h"

namespace {
testing::AssertionResult bei(const TEbene& e, TKoord p, TKoord u, TKoord v) {
    if (auto r = ::bei(TGerade{e.Stuetz, e.Richtung1, 0, ""}, p, u); !r) return r;
    return ::bei(e.Richtung2, v.x, v.y, v.z) << " (second direction)";
}
} // namespace

TEST(Gerade, ThroughTwoPointsKeepsTheRawDifferenceAndPointOnLineIsNamedS) {
    TGerade g;
    Gerade_durch_2_Punkte(punkt(1, 2, 3, 0x123456, "A"), punkt(3, 6, 9, 0x654321, "B"), g);
    EXPECT_TRUE(bei(g, {1, 2, 3}, {2, 4, 6}, "g:", 0x123456)); // direction not simplified
    EXPECT_EQ(g.Stuetz.Name, "A");
    EXPECT_EQ(g.Richtung.Farbe, 0x123456u);

    TPunkt s = punkt(9, 9, 9, 1, "X");
    Punkt_auf_Gerade(TGerade{punkt(1, 0, 0), punkt(0, 2, 0), 0xABCDEF, "g:"}, 1.5, s);
    EXPECT_TRUE(bei(s, 1, 3, 0, "S", 0xABCDEF));
}

TEST(Ebene_durch_3_Punkte, SimplifiesDirectionsAndNamesSupportP) {
    TEbene e;
    TEbeneNorm n;
    Ebene_durch_3_Punkte(punkt(0, 0, 0, 0x77, "A"), punkt(2, 4, 6), punkt(0, 3, 6), e);
    EXPECT_TRUE(bei(e, {0, 0, 0}, {1, 2, 3}, {0, 1, 2}));
    EXPECT_EQ(e.Stuetz.Name, "P");
    EXPECT_EQ(e.Stuetz.Farbe, 0x77u);
    Parameter_zu_Normalenform(e, n);
    EXPECT_TRUE(bei(n, {1, -2, 1}, 0));
}

TEST(Normalen_zu_Parameterform, FollowsTheFirstNonZeroComponent) {
    TEbene e;
    Normalen_zu_Parameterform(TEbeneNorm{punkt(2, 4, -2), 6, 0x11, "E:"}, e);
    // (−4, 2, 0): the x step fails, the y step divides by 2.
    EXPECT_TRUE(bei(e, {3, 0, 0}, {-2, 1, 0}, {1, 0, 1}));
    EXPECT_EQ(e.Name, "E:");
    Normalen_zu_Parameterform(ebene(punkt(0, 0, 5), 10), e);
    EXPECT_TRUE(bei(e, {0, 0, 2}, {1, 0, 0}, {0, 1, 0}));
    // ny ≠ 0: u = (1, 0, 0), v = (0, nz, −ny) = (0, 4, −2): the y step fails, the z step divides by
    // −2.
    Normalen_zu_Parameterform(ebene(punkt(0, 2, 4), 6), e);
    EXPECT_TRUE(bei(e, {0, 3, 0}, {1, 0, 0}, {0, -2, 1}));
    EXPECT_THROW(Normalen_zu_Parameterform(ebene(punkt(0, 0, 0), 1), e), MathError);
}

TEST(Hesse_Normalform, DividesNormalAndRightSideByTheSameLength) {
    TEbeneNorm h;
    Hesse_Normalform(ebene(punkt(0, 3, 4), 10, 0x22), h);
    EXPECT_TRUE(bei(h, {0, 0.6, 0.8}, 2)); // 10 / 5, not 10 / 1
    EXPECT_EQ(h.Farbe, 0x22u);
    EXPECT_THROW(Hesse_Normalform(ebene(punkt(0, 0, 0), 1), h), MathError);
}

TEST(Kugel, CentreAndVectorFormsConvertBothWays) {
    TKugel k;
    TKugelV v;
    Kugel_V_zu_M(TKugelV{punkt(2, 4, 6), -10, "V", 0x33}, k);
    EXPECT_TRUE(bei(k.M, 1, 2, 3, "M", 0x33));
    EXPECT_DOUBLE_EQ(k.r, 2);
    EXPECT_EQ(k.Name, "K: ");
    EXPECT_EQ(k.Farbe, 0x33u);
    Kugel_M_zu_V(k, v);
    EXPECT_TRUE(bei(v.a, 2, 4, 6));
    EXPECT_DOUBLE_EQ(v.c, -10);
    EXPECT_EQ(v.Farbe, 0x33u);
    // A negative radicand is not a sphere.
    EXPECT_THROW(Kugel_V_zu_M(TKugelV{punkt(0, 0, 0), -1, "", 0}, k), MathError);
}

TEST(Tangentialebene, DividesCommonFactorsOutOfNormalAndRightSide) {
    TEbeneNorm t;
    // m = (0, 0, 0), r = 5, P = (0, 3, 4): n = (0, 3, 4), d = 25; no common factor.
    Tangentialebene(kugel(punkt(0, 0, 0, 0x44), 5), punkt(0, 3, 4), t);
    EXPECT_TRUE(bei(t, {0, 3, 4}, 25));
    // m = (1, 1, 1), r = 2, P = (3, 1, 1): n = (2, 0, 0), d = 2 + 4 = 6; k = 6 and 3 divide d
    // only, k = 2 divides both: (1, 0, 0), 3.
    Tangentialebene(kugel(punkt(1, 1, 1), 2), punkt(3, 1, 1), t);
    EXPECT_TRUE(bei(t, {1, 0, 0}, 3));
}

TEST(Eingabetests, AcceptAndRejectAsDocumented) {
    EXPECT_TRUE(IstGerade(gerade(punkt(0, 0, 0), punkt(0, 0, 1e-300))));
    EXPECT_FALSE(IstGerade(gerade(punkt(1, 1, 1), punkt(0, -0.0, 0))));
    EXPECT_TRUE(IstEbeneNorm(ebene(punkt(0, 1, 0), 0)));
    EXPECT_FALSE(IstEbeneNorm(ebene(punkt(0, 0, 0), 5)));
    auto par = [](TPunkt u, TPunkt v) { return IstEbenePar(TEbene{punkt(0, 0, 0), u, v, 0, ""}); };
    EXPECT_TRUE(par(punkt(1, 0, 0), punkt(0, 1, 0)));
    EXPECT_FALSE(par(punkt(1, 2, 3), punkt(-2, -4, -6)));
    EXPECT_FALSE(par(punkt(0, 0, 0), punkt(0, 1, 0)));
    EXPECT_FALSE(par(punkt(1, 0, 0), punkt(0, 0, 0)));
    EXPECT_FALSE(par(punkt(1, 1, 0), punkt(1, 1, 5e-8))); // parallel within 1e-7
    EXPECT_TRUE(IstKugel(kugel(punkt(0, 0, 0), 0.1)));
    EXPECT_FALSE(IstKugel(kugel(punkt(0, 0, 0), 0)));
    EXPECT_TRUE(IstKugelV(TKugelV{punkt(0, 0, 0), 0, "", 0})); // radius 0 accepted
    EXPECT_TRUE(IstKugelV(TKugelV{punkt(2, 0, 0), -1, "", 0}));
    EXPECT_FALSE(IstKugelV(TKugelV{punkt(2, 0, 0), -1.5, "", 0}));
}
