#include "core/errors.h"
#include "core/number_text.h"
#include "tests/core/helpers.h"

#include <utility>

// Codes, values, names, colours and the records left alone of the relations are checked in the
// property suite; here the tolerances, the errors and what it does not reach.
TEST(Schnittpunkt_Gerade_Ebene, ParallelAndInThePlaneWithinOneHundredMillionth) {
    TPunkt s;
    int code = 0;
    auto schnitt = [&](const TGerade& g) {
        return Schnittpunkt_Gerade_Ebene(g, ebene(punkt(0, 0, 1), 2), code, s), code;
    };
    EXPECT_EQ(schnitt(gerade(punkt(0, 0, 0), punkt(1, 0, 5e-9))), 2); // u·n = 5e-9 counts as 0
    EXPECT_EQ(schnitt(gerade(punkt(0, 0, 2 + 5e-9), punkt(1, 1, 0))), 3);
}

TEST(Lot, ZeroDirectionOrNormalThrows) {
    TPunkt f;
    EXPECT_THROW(Lotfusspunkt(punkt(1, 1, 1), gerade(punkt(0, 0, 0), punkt(0, 0, 0)), f),
                 MathError);
    EXPECT_THROW(Abstand_Punkt_Ebene(punkt(1, 1, 1), ebene(punkt(0, 0, 0), 2)), MathError);
}

TEST(EbeneDurchPunkt, ParallelAndPerpendicularPlanesKeepTheirNames) {
    TEbeneNorm e;
    Ebene_durch_Punkt_parallel(ebene(punkt(1, 2, 3), 9), punkt(1, 1, 1), e);
    EXPECT_TRUE(bei(e, {1, 2, 3}, 6));
    EXPECT_EQ(e.Name, "SpE: ");
    Ebene_durch_Punkt_senkrecht(punkt(0, 0, 2), punkt(5, 5, 5), e);
    EXPECT_TRUE(bei(e, {0, 0, 2}, 10));
    EXPECT_EQ(e.Name, "  Ep :");
}

TEST(Winkel_Gerade_Ebene, IsNinetyMinusTheAngleWithTheNormal) {
    const TEbeneNorm e = ebene(punkt(0, 0, 1), 0);
    EXPECT_DOUBLE_EQ(Winkel_Gerade_Ebene(gerade(punkt(0, 0, 0), punkt(0, 0, -3)), e), 90);
    EXPECT_DOUBLE_EQ(Winkel_Gerade_Ebene(gerade(punkt(0, 0, 0), punkt(1, 0, 0)), e), 0);
}

TEST(Parallel, DirectionsExactAfterSimplifyingOrWithinTolerance) {
    EXPECT_TRUE(Richtungen_parallel(punkt(1, 2, 3), punkt(2, 4, 6)));
    EXPECT_TRUE(Richtungen_parallel(punkt(1, 2, 3), punkt(-1, -2, -3)));
    EXPECT_TRUE(Richtungen_parallel(punkt(1, 1, 0), punkt(1, 1 + 4e-10, 0)));
    EXPECT_FALSE(Richtungen_parallel(punkt(1, 1, 0), punkt(1, 1 + 6e-10, 0)));
    EXPECT_FALSE(Richtungen_parallel(punkt(1e300, 1, 0), punkt(1e-300, 1, 0)));
    EXPECT_TRUE(Richtungen_parallel(punkt(1e-12, 0, 1), punkt(0, 0, 1))); // factor from z

    // Parallel_mit_Faktor: the factor of the first non-zero component of b, tolerance 1e-7.
    auto faktor = [](const TPunkt& a, const TPunkt& b) {
        double k = -1;
        return std::pair(Parallel_mit_Faktor(a, b, k), k);
    };
    EXPECT_EQ(faktor(punkt(2, 4, 6), punkt(1, 2, 3)), std::pair(true, 2.0));
    EXPECT_EQ(faktor(punkt(0, -3, 6), punkt(0, 1, -2)), std::pair(true, -3.0));
    EXPECT_EQ(faktor(punkt(1, 2, 3), punkt(0, 0, 0)), std::pair(true, 0.0));
    EXPECT_TRUE(faktor(punkt(1, 1, 5e-8), punkt(1, 1, 0)).first);
    EXPECT_FALSE(faktor(punkt(1, 1, 2e-7), punkt(1, 1, 0)).first);
}

TEST(Lage_zweier_Geraden, IdenticalAtDistanceZeroUpToRoundingElseParallel) {
    const TGerade g = gerade(punkt(0, 0, 0), punkt(1, 2, 3));
    EXPECT_EQ(lage2(g, gerade(punkt(2, 4, 6), punkt(2, 4, 6))).wort, lage::identisch);
    // distance of (1, 0, 0) from g: |(1,0,0) × (1,2,3)| / |(1,2,3)| = √13/√14
    const GeradenLage p = lage2(g, gerade(punkt(1, 0, 0), punkt(-1, -2, -3)));
    EXPECT_EQ(p.wort + p.text, "parallel    0.964");
    // A rounding remainder of the distance counts as 0; a small true distance does not.
    const GeradenLage q = lage2(g, gerade(punkt(2, 4, 6 + 1e-12), punkt(1, 2, 3)));
    EXPECT_EQ(q.wort, lage::identisch);
    const GeradenLage r = lage2(g, gerade(punkt(2, 4, 6 + 1e-6), punkt(1, 2, 3)));
    EXPECT_EQ(r.wort + r.text, "parallel    0.000");
}

TEST(Lage_zweier_Geraden, CommonPerpendicularIsSimplifiedWithNegativeZeros) {
    const GeradenLage r =
        lage2(gerade(punkt(0, 0, 0), punkt(1, 0, 0)), gerade(punkt(0, 1, 1), punkt(0, 0, 1)));
    EXPECT_EQ(r.wort + r.text, "windschief    1.000");
    // n = u × v = (0, −1, 0); simplified by the y step the zero components become −0.
    const TSpaltenText t = SpaltenText(r.l.Richtung);
    EXPECT_EQ(t.x + "|" + t.y + "|" + t.z, "-0| 1|-0");
}

TEST(Lage_zweier_Geraden, CoplanarWithinFiveTimesTenToTheMinusEleven) {
    const TGerade g = gerade(punkt(0, 0, 0), punkt(1, 0, 0));
    const GeradenLage r = lage2(g, gerade(punkt(0, 1, 1e-11), punkt(0, 1, 0)));
    EXPECT_EQ(r.wort, lage::schneidend);
    EXPECT_TRUE(bei(r.S, 0, 0, 0));
    EXPECT_EQ(lage2(g, gerade(punkt(0, 1, 1e-10), punkt(0, 1, 0))).wort, lage::windschief);
}

TEST(Treffgerade, NoMeetingLineInTheSpecialPositions) {
    const TPunkt P = punkt(0, 0, 1);
    const TGerade g = gerade(punkt(0, 0, 0), punkt(1, 0, 0));
    TGerade f;
    TPunkt S, T;
    auto code = [&](const TPunkt& p, const TGerade& h) {
        int c = 0;
        return Treffgerade(p, g, h, c, f, S, T), c;
    };
    EXPECT_EQ(code(punkt(5, 0, 0), gerade(punkt(0, 1, 0), punkt(0, 1, 1))), 2); // P on g
    EXPECT_EQ(code(P, gerade(punkt(0, 1, 0), punkt(1, 0, 1))), 3); // h parallel to the plane x2 = 0
    EXPECT_EQ(code(P, gerade(punkt(0, 1, 0), punkt(1, 0, 0))), 3); // h parallel to g
    // h meets the plane in S = (3, 0, 1): S − P runs parallel to g, f never meets g.
    EXPECT_EQ(code(P, gerade(punkt(3, 1, 1), punkt(0, 1, 0))), 3);
    // h passes through P itself: P lies on one of the lines, as on g.
    EXPECT_EQ(code(P, gerade(punkt(0, 1, 1), punkt(0, 1, 0))), 2);
}

TEST(Spiegelgerade_an_Ebene, MirrorsSupportPointAndSecondPoint) {
    const TGerade g = gerade(punkt(0, 0, 0), punkt(1, 0, 1), 0x3C);
    TGerade s;
    Spiegelgerade_an_Ebene(g, ebene(punkt(0, 0, 1), 1), s);
    EXPECT_TRUE(bei(s, {0, 0, 2}, {1, 0, -1}));
    // A tiny normal (squared length below 1e-8) still gives the true mirror image.
    Spiegelgerade_an_Ebene(g, ebene(punkt(0, 0, 1e-5), 1e-5), s);
    EXPECT_TRUE(bei(s.Stuetz, 0, 0, 2));
    EXPECT_THROW(Spiegelgerade_an_Ebene(g, ebene(punkt(0, 0, 0), 1), s), MathError);
}
