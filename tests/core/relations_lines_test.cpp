#include "core/errors.h"
#include "core/number_text.h"
#include "tests/core/helpers.h"

#include <utility>

TEST(Schnittpunkt_Gerade_Ebene, CodesOneTwoThreeWithTolerance) {
    TPunkt s = punkt(5, 5, 5, 0, "alt");
    int code = 0;
    auto schnitt = [&](const TGerade& g) {
        return Schnittpunkt_Gerade_Ebene(g, ebene(punkt(0, 0, 1), 2), code, s), code;
    };
    EXPECT_EQ(schnitt(gerade(punkt(0, 0, 0), punkt(1, 0, 0))), 2);
    // Direction slightly tilted, u·n = 5e-9 counts as 0: parallel.
    EXPECT_EQ(schnitt(gerade(punkt(0, 0, 0), punkt(1, 0, 5e-9))), 2);
    // Line in the plane, with a numerator just below 1e-8.
    EXPECT_EQ(schnitt(gerade(punkt(0, 0, 2 + 5e-9), punkt(1, 1, 0))), 3);
    EXPECT_TRUE(bei(s, 5, 5, 5, "alt", 0));
    EXPECT_EQ(schnitt(gerade(punkt(1, 1, 0), punkt(0, 1, 2), 0x99)), 1);
    EXPECT_TRUE(bei(s, 1, 2, 2, "S", farbe::Aqua));
}

TEST(Lot, PerpendicularsOnALineAndOnAPlaneNamedLInAqua) {
    const TGerade g = gerade(punkt(0, 0, 0), punkt(1, 0, 0), 0x55);
    TGerade l;
    TPunkt f;
    int flag = -1;
    Lot_Punkt_Gerade(punkt(3, 4, 0, 0x12, "Q"), g, l, f, flag);
    EXPECT_EQ(flag, 1);
    EXPECT_TRUE(bei(f, 3, 0, 0, "L", farbe::Aqua));
    EXPECT_TRUE(bei(l, {3, 4, 0}, {0, 4, 0}, "l:", farbe::Aqua));
    EXPECT_DOUBLE_EQ(Abstand_Punkt_Gerade(punkt(3, 4, 0), g), 4);
    Lot_Punkt_Gerade(punkt(2, 0, 0), g, l, f, flag);
    EXPECT_EQ(flag, 0); // the point lies on g
    EXPECT_THROW(Lotfusspunkt(punkt(1, 1, 1), gerade(punkt(0, 0, 0), punkt(0, 0, 0)), f),
                 MathError);
    EXPECT_THROW(Abstand_Punkt_Ebene(punkt(1, 1, 1), ebene(punkt(0, 0, 0), 2)), MathError);

    Lot_auf_Ebene(punkt(0, 0, 0, 0, "O"), ebene(punkt(1, 1, 1), 3), l, f);
    EXPECT_TRUE(bei(f, 1, 1, 1, "L", farbe::Aqua));
    EXPECT_TRUE(bei(l, {0, 0, 0}, {1, 1, 1}, "L", farbe::Aqua));
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

TEST(Lage_zweier_Geraden, IntersectingGivesSInTheColourOfG) {
    GeradenLage r;
    r.text = "unberührt";
    r = lage2(gerade(punkt(1, 1, 1), punkt(1, 0, 0), 0x66), gerade(punkt(3, 0, 1), punkt(0, 2, 0)),
              r);
    EXPECT_EQ(r.wort, lage::schneidend);
    EXPECT_EQ(r.text, "unberührt");
    EXPECT_TRUE(bei(r.S, 3, 1, 1, "S", 0x66));
    // First denominator 0: the second elimination gives t; first two 0: the third.
    const TGerade a = gerade(punkt(1, 0, 0), punkt(0, 1, 0)),
                  b = gerade(punkt(0, 5, 0), punkt(0, 0, 1));
    EXPECT_TRUE(bei(lage2(a, gerade(punkt(1, 2, 3), punkt(0, 0, 1))).S, 1, 2, 0));
    EXPECT_TRUE(bei(lage2(b, gerade(punkt(0, 5, 3), punkt(1, 0, 0))).S, 0, 5, 3));
}

TEST(Lage_zweier_Geraden, SkewGivesFeetPerpendicularAndDistance) {
    GeradenLage r;
    r.S = punkt(8, 8, 8, 0, "alt");
    r = lage2(gerade(punkt(0, 0, 0), punkt(1, 0, 0)), gerade(punkt(0, 1, 1), punkt(0, 0, 1)), r);
    EXPECT_EQ(r.wort + r.text, "windschief    1.000");
    EXPECT_TRUE(bei(r.L1, 0, 0, 0, "L1", farbe::Aqua));
    EXPECT_TRUE(bei(r.L2, 0, 1, 0, "L2", farbe::Aqua));
    EXPECT_TRUE(bei(r.l, {0, 0, 0}, {0, 1, 0}, "l:", farbe::Aqua));
    // n = u × v = (0, −1, 0); simplified by the y step the zero components become −0.
    const TSpaltenText t = SpaltenText(r.l.Richtung);
    EXPECT_EQ(t.x + "|" + t.y + "|" + t.z, "-0| 1|-0");
    EXPECT_EQ(r.S.Name, "alt");
}

TEST(Lage_zweier_Geraden, CoplanarWithinFiveTimesTenToTheMinusEleven) {
    const TGerade g = gerade(punkt(0, 0, 0), punkt(1, 0, 0));
    const GeradenLage r = lage2(g, gerade(punkt(0, 1, 1e-11), punkt(0, 1, 0)));
    EXPECT_EQ(r.wort, lage::schneidend);
    EXPECT_TRUE(bei(r.S, 0, 0, 0));
    EXPECT_EQ(lage2(g, gerade(punkt(0, 1, 1e-10), punkt(0, 1, 0))).wort, lage::windschief);
}

TEST(Treffgerade, MeetingLineThroughPAndBothLines) {
    int code = 0;
    TGerade f;
    TPunkt S, T;
    // The plane of P and g is x2 = 0; h meets it in (0, 0, −1).
    Treffgerade(punkt(0, 0, 1, 0x5A, "P"), gerade(punkt(0, 0, 0), punkt(1, 0, 0)),
                gerade(punkt(0, 1, 0), punkt(0, 1, 1)), code, f, S, T);
    EXPECT_EQ(code, 1);
    EXPECT_TRUE(bei(S, 0, 0, -1, "S", 0x5A));
    EXPECT_TRUE(bei(T, 0, 0, 0, "T", 0x5A));
    EXPECT_TRUE(bei(f, {0, 0, 1}, {0, 0, -2}, "f:", 0x5A));
}

TEST(Treffgerade, NoMeetingLineLeavesTheRecordsUntouched) {
    const TPunkt P = punkt(0, 0, 1);
    const TGerade g = gerade(punkt(0, 0, 0), punkt(1, 0, 0));
    TGerade f;
    f.Name = "alt";
    TPunkt S = punkt(7, 7, 7, 0, "alt"), T = S;
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
    EXPECT_EQ(f.Name + S.Name, "altalt");
    EXPECT_TRUE(bei(T, 7, 7, 7, "alt", 0));
}

TEST(Spiegelgerade_an_Ebene, MirrorsSupportPointAndSecondPoint) {
    const TGerade g = gerade(punkt(0, 0, 0), punkt(1, 0, 1), 0x3C);
    TGerade s;
    Spiegelgerade_an_Ebene(g, ebene(punkt(0, 0, 1), 1), s);
    EXPECT_TRUE(bei(s, {0, 0, 2}, {1, 0, -1}, "s: ", 0x3C));
    EXPECT_EQ(s.Stuetz.Name, "P`");
    // A tiny normal (squared length below 1e-8) still gives the true mirror image.
    Spiegelgerade_an_Ebene(g, ebene(punkt(0, 0, 1e-5), 1e-5), s);
    EXPECT_TRUE(bei(s.Stuetz, 0, 0, 2));
    EXPECT_THROW(Spiegelgerade_an_Ebene(g, ebene(punkt(0, 0, 0), 1), s), MathError);
}
