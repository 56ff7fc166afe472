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
TGerade gerade(TPunkt p, TPunkt u, TFarbe f = 0, std::string name = "g:") {
    return TGerade{std::move(p), std::move(u), f, std::move(name)};
}
TEbeneNorm ebene(TPunkt n, double d, TFarbe f = 0) {
    return TEbeneNorm{std::move(n), d, f, "E"};
}
} // namespace

TEST(Abstand_Punkt_Ebene, UsesTheHesseForm) {
    EXPECT_DOUBLE_EQ(Abstand_Punkt_Ebene(punkt(0, 0, 0), ebene(punkt(0, 3, 4), 10)), 2);
    EXPECT_DOUBLE_EQ(Abstand_Punkt_Ebene(punkt(0, 0, 7), ebene(punkt(0, 0, -2), 2)), 8);
    EXPECT_THROW(Abstand_Punkt_Ebene(punkt(1, 1, 1), ebene(punkt(0, 0, 0), 2)), MathError);
}

TEST(Schnittpunkt_Gerade_Ebene, CodesOneTwoThreeWithTolerance) {
    const TEbeneNorm e = ebene(punkt(0, 0, 1), 2);
    TPunkt s = punkt(5, 5, 5, 0, "alt");
    int code = 0;
    Schnittpunkt_Gerade_Ebene(gerade(punkt(1, 1, 0), punkt(0, 1, 2), 0x99), e, code, s);
    EXPECT_EQ(code, 1);
    expectKoord(s, 1, 2, 2);
    EXPECT_EQ(s.Name, "S");
    EXPECT_EQ(s.Farbe, farbe::Aqua);

    s = punkt(5, 5, 5, 0, "alt");
    Schnittpunkt_Gerade_Ebene(gerade(punkt(0, 0, 0), punkt(1, 0, 0)), e, code, s);
    EXPECT_EQ(code, 2);
    EXPECT_EQ(s.Name, "alt");
    expectKoord(s, 5, 5, 5);
    // Line in the plane, with a numerator just below 1e-8.
    Schnittpunkt_Gerade_Ebene(gerade(punkt(0, 0, 2 + 5e-9), punkt(1, 1, 0)), e, code, s);
    EXPECT_EQ(code, 3);
    // Direction slightly tilted, u·n = 5e-9 counts as 0: parallel.
    Schnittpunkt_Gerade_Ebene(gerade(punkt(0, 0, 0), punkt(1, 0, 5e-9)), e, code, s);
    EXPECT_EQ(code, 2);
    EXPECT_EQ(s.Name, "alt");
}

TEST(Lot_Punkt_Gerade, FootPerpendicularAndFlag) {
    const TGerade g = gerade(punkt(0, 0, 0), punkt(1, 0, 0), 0x55);
    TGerade l;
    TPunkt f;
    int flag = -1;
    Lot_Punkt_Gerade(punkt(3, 4, 0, 0x12, "Q"), g, l, f, flag);
    EXPECT_EQ(flag, 1);
    expectKoord(f, 3, 0, 0);
    EXPECT_EQ(f.Name, "L");
    EXPECT_EQ(f.Farbe, farbe::Aqua);
    expectKoord(l.Stuetz, 3, 4, 0);
    expectKoord(l.Richtung, 0, 4, 0);
    EXPECT_EQ(l.Name, "l:");
    EXPECT_EQ(l.Farbe, farbe::Aqua);
    EXPECT_DOUBLE_EQ(Abstand_Punkt_Gerade(punkt(3, 4, 0), g), 4);

    Lot_Punkt_Gerade(punkt(2, 0, 0), g, l, f, flag);
    EXPECT_EQ(flag, 0); // the point lies on g
    EXPECT_THROW(Lotfusspunkt(punkt(1, 1, 1), gerade(punkt(0, 0, 0), punkt(0, 0, 0)), f),
                 MathError);
}

TEST(Lot_auf_Ebene, LineAndFootNamedLInAqua) {
    TGerade l;
    TPunkt f;
    Lot_auf_Ebene(punkt(0, 0, 0, 0, "O"), ebene(punkt(1, 1, 1), 3), l, f);
    expectKoord(f, 1, 1, 1);
    EXPECT_EQ(f.Name, "L");
    EXPECT_EQ(l.Name, "L");
    EXPECT_EQ(l.Farbe, farbe::Aqua);
    EXPECT_EQ(f.Farbe, farbe::Aqua);
    expectKoord(l.Richtung, 1, 1, 1);
}

TEST(EbeneDurchPunkt, ParallelAndPerpendicularPlanesKeepTheirNames) {
    TEbeneNorm e;
    Ebene_durch_Punkt_parallel(ebene(punkt(1, 2, 3), 9), punkt(1, 1, 1), e);
    expectKoord(e.Normale, 1, 2, 3);
    EXPECT_EQ(e.d, 6);
    EXPECT_EQ(e.Name, "SpE: ");
    Ebene_durch_Punkt_senkrecht(punkt(0, 0, 2), punkt(5, 5, 5), e);
    EXPECT_EQ(e.d, 10);
    EXPECT_EQ(e.Name, "  Ep :");
}

TEST(Winkel_Gerade_Ebene, IsNinetyMinusTheAngleWithTheNormal) {
    const TEbeneNorm e = ebene(punkt(0, 0, 1), 0);
    EXPECT_DOUBLE_EQ(Winkel_Gerade_Ebene(gerade(punkt(0, 0, 0), punkt(0, 0, -3)), e), 90);
    EXPECT_DOUBLE_EQ(Winkel_Gerade_Ebene(gerade(punkt(0, 0, 0), punkt(1, 0, 0)), e), 0);
    EXPECT_EQ(Zahl9_3(Winkel_Gerade_Ebene(gerade(punkt(0, 0, 0), punkt(1, 0, 1)), e)), "   45.000");
}

TEST(Richtungen_parallel, ExactAfterSimplifyingOrWithinTolerance) {
    EXPECT_TRUE(Richtungen_parallel(punkt(1, 2, 3), punkt(2, 4, 6)));
    EXPECT_TRUE(Richtungen_parallel(punkt(1, 2, 3), punkt(-1, -2, -3)));
    EXPECT_TRUE(Richtungen_parallel(punkt(0, 0, 5), punkt(0, 0, -0.1)));
    EXPECT_TRUE(Richtungen_parallel(punkt(1, 1, 0), punkt(1, 1 + 4e-10, 0)));
    EXPECT_FALSE(Richtungen_parallel(punkt(1, 1, 0), punkt(1, 1 + 6e-10, 0)));
    EXPECT_FALSE(Richtungen_parallel(punkt(1, 0, 0), punkt(0, 1, 0)));
    EXPECT_FALSE(Richtungen_parallel(punkt(1e300, 1, 0), punkt(1e-300, 1, 0)));
}

TEST(Parallel_mit_Faktor, ReturnsTheFactorOfTheFirstNonZeroComponent) {
    double k = -1;
    EXPECT_TRUE(Parallel_mit_Faktor(punkt(2, 4, 6), punkt(1, 2, 3), k));
    EXPECT_EQ(k, 2);
    EXPECT_TRUE(Parallel_mit_Faktor(punkt(0, -3, 6), punkt(0, 1, -2), k));
    EXPECT_EQ(k, -3);
    EXPECT_FALSE(Parallel_mit_Faktor(punkt(0, 0, 1), punkt(0, 1, 0), k));
    EXPECT_TRUE(Parallel_mit_Faktor(punkt(1, 2, 3), punkt(0, 0, 0), k));
    EXPECT_EQ(k, 0);
    EXPECT_TRUE(Parallel_mit_Faktor(punkt(1, 1, 5e-8), punkt(1, 1, 0), k));
    EXPECT_FALSE(Parallel_mit_Faktor(punkt(1, 1, 2e-7), punkt(1, 1, 0), k));
}

TEST(Lage_zweier_Geraden, IdenticalAndParallel) {
    std::string wort, text = "unberührt";
    TPunkt S, L1, L2;
    TGerade l;
    const TGerade g = gerade(punkt(0, 0, 0), punkt(1, 2, 3));
    Lage_zweier_Geraden(g, gerade(punkt(2, 4, 6), punkt(2, 4, 6)), wort, text, S, L1, L2, l);
    EXPECT_EQ(wort, lage::identisch);
    Lage_zweier_Geraden(g, gerade(punkt(1, 0, 0), punkt(-1, -2, -3)), wort, text, S, L1, L2, l);
    EXPECT_EQ(wort, lage::parallel);
    // distance of (1, 0, 0) from g: |(1,0,0) × (1,2,3)| / |(1,2,3)| = √13/√14
    EXPECT_EQ(text, Zahl9_3(std::sqrt(13.0 / 14.0)));
    EXPECT_EQ(text, "    0.964");
}

TEST(Lage_zweier_Geraden, IntersectingGivesSInTheColourOfG) {
    std::string wort, text = "unberührt";
    TPunkt S, L1, L2;
    TGerade l;
    const TGerade g = gerade(punkt(1, 1, 1), punkt(1, 0, 0), 0x66);
    Lage_zweier_Geraden(g, gerade(punkt(3, 0, 1), punkt(0, 2, 0)), wort, text, S, L1, L2, l);
    EXPECT_EQ(wort, lage::schneidend);
    expectKoord(S, 3, 1, 1);
    EXPECT_EQ(S.Name, "S");
    EXPECT_EQ(S.Farbe, 0x66u);
    EXPECT_EQ(text, "unberührt");
    // First denominator 0: the second elimination gives t.
    Lage_zweier_Geraden(gerade(punkt(1, 0, 0), punkt(0, 1, 0)),
                        gerade(punkt(1, 2, 3), punkt(0, 0, 1)), wort, text, S, L1, L2, l);
    EXPECT_EQ(wort, lage::schneidend);
    expectKoord(S, 1, 2, 0);
    // First two denominators 0: the third gives t.
    Lage_zweier_Geraden(gerade(punkt(0, 5, 0), punkt(0, 0, 1)),
                        gerade(punkt(0, 5, 3), punkt(1, 0, 0)), wort, text, S, L1, L2, l);
    EXPECT_EQ(wort, lage::schneidend);
    expectKoord(S, 0, 5, 3);
}

TEST(Lage_zweier_Geraden, SkewGivesFeetPerpendicularAndDistance) {
    std::string wort, text;
    TPunkt S = punkt(8, 8, 8, 0, "alt"), L1, L2;
    TGerade l;
    Lage_zweier_Geraden(gerade(punkt(0, 0, 0), punkt(1, 0, 0)),
                        gerade(punkt(0, 1, 1), punkt(0, 0, 1)), wort, text, S, L1, L2, l);
    EXPECT_EQ(wort, lage::windschief);
    expectKoord(L1, 0, 0, 0);
    expectKoord(L2, 0, 1, 0);
    EXPECT_EQ(L1.Name, "L1");
    EXPECT_EQ(L2.Name, "L2");
    EXPECT_EQ(L1.Farbe, farbe::Aqua);
    EXPECT_EQ(L2.Farbe, farbe::Aqua);
    EXPECT_EQ(text, "    1.000");
    // n = u × v = (0, −1, 0); simplified by the y step the zero components become −0.
    EXPECT_EQ(l.Richtung.y, 1);
    EXPECT_TRUE(std::signbit(l.Richtung.x));
    EXPECT_TRUE(std::signbit(l.Richtung.z));
    const TSpaltenText t = SpaltenText(l.Richtung);
    EXPECT_EQ(t.x, "-0");
    EXPECT_EQ(t.y, " 1");
    EXPECT_EQ(t.z, "-0");
    EXPECT_EQ(l.Name, "l:");
    EXPECT_EQ(l.Farbe, farbe::Aqua);
    expectKoord(l.Stuetz, 0, 0, 0);
    EXPECT_EQ(S.Name, "alt");
}

TEST(Lage_zweier_Geraden, IdenticalOnlyAtDistanceExactlyZero) {
    std::string wort, text;
    TPunkt S, L1, L2;
    TGerade l;
    const TGerade g = gerade(punkt(0, 0, 0), punkt(1, 2, 3));
    Lage_zweier_Geraden(g, gerade(punkt(2, 4, 6 + 1e-12), punkt(1, 2, 3)), wort, text, S, L1, L2,
                        l);
    EXPECT_EQ(wort, lage::parallel);
    EXPECT_EQ(text, "    0.000");
}

TEST(Lage_zweier_Geraden, CoplanarWithinFiveTimesTenToTheMinusEleven) {
    std::string wort, text;
    TPunkt S, L1, L2;
    TGerade l;
    const TGerade g = gerade(punkt(0, 0, 0), punkt(1, 0, 0));
    Lage_zweier_Geraden(g, gerade(punkt(0, 1, 1e-11), punkt(0, 1, 0)), wort, text, S, L1, L2, l);
    EXPECT_EQ(wort, lage::schneidend);
    expectKoord(S, 0, 0, 0);
    Lage_zweier_Geraden(g, gerade(punkt(0, 1, 1e-10), punkt(0, 1, 0)), wort, text, S, L1, L2, l);
    EXPECT_EQ(wort, lage::windschief);
}

TEST(Treffgerade, MeetingLineThroughPAndBothLines) {
    const TPunkt P = punkt(0, 0, 1, 0x5A, "P");
    const TGerade g = gerade(punkt(0, 0, 0), punkt(1, 0, 0));
    int code = 0;
    TGerade f;
    TPunkt S, T;
    // The plane of P and g is x2 = 0; h meets it in (0, 0, −1).
    Treffgerade(P, g, gerade(punkt(0, 1, 0), punkt(0, 1, 1)), code, f, S, T);
    EXPECT_EQ(code, 1);
    expectKoord(S, 0, 0, -1);
    expectKoord(T, 0, 0, 0);
    expectKoord(f.Stuetz, 0, 0, 1);
    expectKoord(f.Richtung, 0, 0, -2);
    EXPECT_EQ(f.Name, "f:");
    EXPECT_EQ(S.Name, "S");
    EXPECT_EQ(T.Name, "T");
    EXPECT_EQ(f.Farbe, 0x5Au);
    EXPECT_EQ(S.Farbe, 0x5Au);
    EXPECT_EQ(T.Farbe, 0x5Au);
}

TEST(Treffgerade, NoMeetingLineLeavesTheRecordsUntouched) {
    const TPunkt P = punkt(0, 0, 1);
    const TGerade g = gerade(punkt(0, 0, 0), punkt(1, 0, 0));
    int code = 0;
    TGerade f;
    f.Name = "alt";
    TPunkt S = punkt(7, 7, 7, 0, "alt"), T = punkt(7, 7, 7, 0, "alt");
    Treffgerade(punkt(5, 0, 0), g, gerade(punkt(0, 1, 0), punkt(0, 1, 1)), code, f, S, T);
    EXPECT_EQ(code, 2); // P on g
    Treffgerade(P, g, gerade(punkt(0, 1, 0), punkt(1, 0, 1)), code, f, S, T);
    EXPECT_EQ(code, 3); // h parallel to the plane x2 = 0
    Treffgerade(P, g, gerade(punkt(0, 1, 0), punkt(1, 0, 0)), code, f, S, T);
    EXPECT_EQ(code, 3); // h parallel to g
    // h meets the plane in S = (3, 0, 1): S − P runs parallel to g, f never meets g.
    Treffgerade(P, g, gerade(punkt(3, 1, 1), punkt(0, 1, 0)), code, f, S, T);
    EXPECT_EQ(code, 3);
    // h passes through P itself: P lies on one of the lines, as on g.
    Treffgerade(P, g, gerade(punkt(0, 1, 1), punkt(0, 1, 0)), code, f, S, T);
    EXPECT_EQ(code, 2);
    EXPECT_EQ(f.Name, "alt");
    EXPECT_EQ(S.Name, "alt");
    EXPECT_EQ(T.Name, "alt");
    expectKoord(T, 7, 7, 7);
}

TEST(Spiegelgerade_an_Ebene, MirrorsSupportPointAndSecondPoint) {
    const TEbeneNorm e = ebene(punkt(0, 0, 1), 1);
    TGerade s;
    Spiegelgerade_an_Ebene(gerade(punkt(0, 0, 0), punkt(1, 0, 1), 0x3C), e, s);
    expectKoord(s.Stuetz, 0, 0, 2);
    expectKoord(s.Richtung, 1, 0, -1);
    EXPECT_EQ(s.Stuetz.Name, "P`");
    EXPECT_EQ(s.Name, "s: ");
    EXPECT_EQ(s.Farbe, 0x3Cu);
    // A line parallel to the plane keeps its direction.
    Spiegelgerade_an_Ebene(gerade(punkt(0, 0, 3), punkt(1, 0, 0)), e, s);
    expectKoord(s.Stuetz, 0, 0, -1);
    expectKoord(s.Richtung, 1, 0, 0);
    // A tiny normal (squared length below 1e-8) still gives the true mirror image.
    Spiegelgerade_an_Ebene(gerade(punkt(0, 0, 0), punkt(1, 0, 0)), ebene(punkt(0, 0, 1e-5), 1e-5),
                           s);
    expectKoord(s.Stuetz, 0, 0, 2);
    EXPECT_THROW(
        Spiegelgerade_an_Ebene(gerade(punkt(0, 0, 0), punkt(1, 0, 0)), ebene(punkt(0, 0, 0), 1), s),
        MathError);
}
