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
TEbeneNorm ebene(TPunkt n, double d, TFarbe f = 0) {
    return TEbeneNorm{std::move(n), d, f, "E"};
}
} // namespace

TEST(Lage_zweier_Ebenen, IntersectionLineWithPointFixedAtOne) {
    std::string wort;
    TGerade s;
    Lage_zweier_Ebenen(ebene(punkt(1, 1, 0), 2), ebene(punkt(1, -1, 0), 0), wort, s);
    EXPECT_EQ(wort, lage::schneidend);
    expectKoord(s.Stuetz, 1, 1, 1);    // b = 0: the point with z = 1 stays
    expectKoord(s.Richtung, 0, 0, -1); // (0, 0, −2) reduced by 2
    EXPECT_EQ(s.Stuetz.Name, " P");
    EXPECT_EQ(s.Stuetz.Farbe, farbe::Aqua);
    EXPECT_EQ(s.Richtung.Farbe, farbe::Aqua);
    EXPECT_EQ(s.Name, "s:");
    EXPECT_EQ(s.Farbe, farbe::Aqua);
}

TEST(Lage_zweier_Ebenen, ParallelAndIdentical) {
    std::string wort;
    TGerade s;
    s.Name = "alt";
    Lage_zweier_Ebenen(ebene(punkt(1, 0, 0), 1), ebene(punkt(-1, 0, 0), 1), wort, s);
    EXPECT_EQ(wort, lage::parallel);
    EXPECT_EQ(s.Name, "alt");
    EXPECT_DOUBLE_EQ(Abstand_paralleler_Ebenen(ebene(punkt(1, 0, 0), 1), ebene(punkt(-1, 0, 0), 1)),
                     2);
    Lage_zweier_Ebenen(ebene(punkt(1, 2, 3), 4), ebene(punkt(-2, -4, -6), -8), wort, s);
    EXPECT_EQ(wort, lage::identisch);
}

TEST(Abstand_paralleler_Ebenen, OppositeNormalsDecidedBySign) {
    // x1 + x2 + x3 = 3 and −3x1 − 3x2 − 3x3 = 3 (that is x1 + x2 + x3 = −1): 4/√3.
    const double a =
        Abstand_paralleler_Ebenen(ebene(punkt(1, 1, 1), 3), ebene(punkt(-3, -3, -3), 3));
    EXPECT_NEAR(a, 4 / std::sqrt(3.0), 1e-12);
    EXPECT_EQ(Zahl9_3(a), "    2.309");
    // Same orientation: 3/√3 − 1/√3.
    EXPECT_NEAR(Abstand_paralleler_Ebenen(ebene(punkt(1, 1, 1), 3), ebene(punkt(2, 2, 2), 2)),
                2 / std::sqrt(3.0), 1e-12);
}

TEST(Lage_zweier_Ebenen, SupportPointReplacedByOneWithAZeroCoordinate) {
    std::string wort;
    TGerade s;
    // x eliminated: e/b = 2 is whole, so z := 2, y := 0, x := 1 (step 3 gave (1.5, 0.5, 1)).
    Lage_zweier_Ebenen(ebene(punkt(1, 1, 1), 3), ebene(punkt(1, -1, 0), 1), wort, s);
    EXPECT_EQ(wort, lage::schneidend);
    expectKoord(s.Stuetz, 1, 0, 2);
    expectKoord(s.Richtung, 1, 1, -2);
    // y eliminated with b ≠ 0: z := 1, x := 0 (step 3 gave (−0, 1, 1)).
    Lage_zweier_Ebenen(ebene(punkt(0, 1, 1), 2), ebene(punkt(1, 2, 0), 2), wort, s);
    expectKoord(s.Stuetz, 0, 1, 1);
    EXPECT_FALSE(std::signbit(s.Stuetz.x));
    // y eliminated with b = 0: x := e/a = 3, z := 0.
    Lage_zweier_Ebenen(ebene(punkt(0, 1, 0), 2), ebene(punkt(1, 1, 0), 5), wort, s);
    expectKoord(s.Stuetz, 3, 2, 0);
    // No whole quotient: the point with z = 1 stays.
    Lage_zweier_Ebenen(ebene(punkt(1, 1, 1), 3), ebene(punkt(1, -1, 0), 0.5), wort, s);
    expectKoord(s.Stuetz, 1.25, 0.75, 1);
}

TEST(Spurpunkt, TracePointsInTheThreeCoordinatePlanes) {
    const TGerade g{punkt(1, 2, 3), punkt(1, 1, 1), 0x10, "g:"};
    TPunkt s = punkt(9, 9, 9, 0x20, "alt");
    bool da = false;
    Spurpunkt(g, "x12", s, da);
    EXPECT_TRUE(da);
    expectKoord(s, -2, -1, 0);
    EXPECT_EQ(s.Name, "S12");
    EXPECT_EQ(s.Farbe, farbe::Aqua);
    Spurpunkt(g, "x23", s, da);
    expectKoord(s, 0, 1, 2);
    EXPECT_EQ(s.Name, "S23");
    Spurpunkt(g, "x13", s, da);
    expectKoord(s, -1, 0, 1);
    EXPECT_EQ(s.Name, "S13");
    // No trace point: the record is reset to an unnamed aqua origin.
    s = punkt(9, 9, 9, 0x20, "alt");
    Spurpunkt(TGerade{punkt(1, 2, 3), punkt(1, 1, 0), 0, ""}, "x12", s, da);
    EXPECT_FALSE(da);
    expectKoord(s, 0, 0, 0);
    EXPECT_EQ(s.Name, "");
    EXPECT_EQ(s.Farbe, farbe::Aqua);
}

TEST(Spurgeraden, TwoPointsPerCoordinatePlane) {
    TGerade s12, s13, s23;
    bool a = false, b = false, c = false;
    Spurgeraden(ebene(punkt(1, 2, 2), 4, 0x70), s12, s13, s23, a, b, c);
    EXPECT_TRUE(a && b && c);
    expectKoord(s12.Stuetz, 4, 0, 0);
    expectKoord(s12.Richtung, -2, 1, 0);
    expectKoord(s13.Stuetz, 4, 0, 0);
    expectKoord(s13.Richtung, -2, 0, 1);
    expectKoord(s23.Stuetz, 0, 2, 0);
    expectKoord(s23.Richtung, 0, -1, 1);
    EXPECT_EQ(s12.Name, "s12:");
    EXPECT_EQ(s13.Name, "s13:");
    EXPECT_EQ(s23.Name, "s23:");
    EXPECT_EQ(s12.Farbe, 0x70u);

    s12.Name = "alt";
    Spurgeraden(ebene(punkt(0, 0, 3), 6), s12, s13, s23, a, b, c);
    EXPECT_FALSE(a);
    EXPECT_EQ(s12.Name, "alt");
    EXPECT_TRUE(b && c);
    expectKoord(s13.Stuetz, 0, 0, 2);
    expectKoord(s13.Richtung, 1, 0, 0);
    expectKoord(s23.Stuetz, 0, 0, 2);
    expectKoord(s23.Richtung, 0, 1, 0);
}

TEST(Achsenschnittpunkte, OnlyWhereTheNormalComponentIsNotZero) {
    TPunkt s1, s2, s3 = punkt(5, 5, 5, 0, "alt");
    bool a = false, b = false, c = true;
    Achsenschnittpunkte(ebene(punkt(1, 2, 0), 4, 0x71), s1, s2, s3, a, b, c);
    EXPECT_TRUE(a);
    EXPECT_TRUE(b);
    EXPECT_FALSE(c);
    expectKoord(s1, 4, 0, 0);
    expectKoord(s2, 0, 2, 0);
    EXPECT_EQ(s1.Name, "S1");
    EXPECT_EQ(s2.Name, "S2");
    EXPECT_EQ(s1.Farbe, 0x71u);
    EXPECT_EQ(s3.Name, "alt");
}

TEST(WinkelKoordinaten, PlanesAndAxes) {
    double w12, w13, w23, w1, w2, w3;
    Winkel_Koordinatenebenen(ebene(punkt(0, 0, 2), 1), w12, w13, w23);
    EXPECT_EQ(w12, 0);
    EXPECT_EQ(w13, 90);
    EXPECT_EQ(w23, 90);
    Winkel_Koordinatenachsen(ebene(punkt(0, 0, 2), 1), w1, w2, w3);
    EXPECT_EQ(w1, 0);
    EXPECT_EQ(w2, 0);
    EXPECT_EQ(w3, 90);
    Winkel_Koordinatenebenen(ebene(punkt(1, 0, 1), 1), w12, w13, w23);
    EXPECT_EQ(Zahl9_3(w12), "   45.000");
    EXPECT_EQ(w13, 90);
}
