#include "core/errors.h"
#include "core/number_text.h"
#include "tests/core/helpers.h"

namespace {
// Coordinates exactly equal.
testing::AssertionResult genau(const TPunkt& p, double x, double y, double z) {
    return bei(p, x, y, z, 0);
}
TPunkt vereinfacht(TPunkt v) {
    return Vereinfachen(v), v;
}
TPunkt gekuerzt(TPunkt v) {
    return Kuerzen(v), v;
}
} // namespace

TEST(Vereinfachen, SetsOneComponentToOneWhereTheQuotientsAreWhole) {
    EXPECT_TRUE(genau(vereinfacht(punkt(2, 4, 6)), 1, 2, 3));
    EXPECT_TRUE(genau(vereinfacht(punkt(0, 3, 6)), 0, 1, 2));
    EXPECT_TRUE(genau(vereinfacht(punkt(4, 6, 8)), 4, 6, 8));
    EXPECT_TRUE(genau(vereinfacht(punkt(0, 0, 5)), 0, 0, 1));
    EXPECT_TRUE(genau(vereinfacht(punkt(3, 1, 2)), 3, 1, 2)); // the y step divides by 1
    EXPECT_TRUE(genau(vereinfacht(punkt(6, 3, 9)), 2, 1, 3)); // x step fails, y step succeeds
    // The orientation may flip: (−3, −6, −9) becomes (1, 2, 3); 0 / −2 is −0, printed "-0".
    EXPECT_TRUE(genau(vereinfacht(punkt(-3, -6, -9)), 1, 2, 3));
    const TSpaltenText t = SpaltenText(vereinfacht(punkt(-2, 4, 0)));
    EXPECT_EQ(t.x + "|" + t.y + "|" + t.z, " 1|-2|-0");
    // Quotients whole in extended precision but beyond the double range.
    TPunkt w = punkt(1e300, 1e-300, 0);
    EXPECT_THROW(Vereinfachen(w), MathError);
    // Name and colour are carried along.
    EXPECT_TRUE(bei(vereinfacht(punkt(2, 2, 2, 0x42, "n")), 1, 1, 1, "n", 0x42));
}

TEST(Kuerzen, DividesCommonFactorsFromHundredDownToTwo) {
    EXPECT_TRUE(genau(gekuerzt(punkt(200, 400, 0)), 1, 2, 0)); // k = 100, then k = 2
    EXPECT_TRUE(genau(gekuerzt(punkt(6, 9, 12)), 2, 3, 4));
    EXPECT_TRUE(genau(gekuerzt(punkt(0, 0, -2)), 0, 0, -1));
    EXPECT_TRUE(genau(gekuerzt(punkt(1.5, 3, 0)), 1.5, 3, 0));
    // Whole multiples stay whole (a double 1/49 would give 0.99999999999999989).
    EXPECT_TRUE(genau(gekuerzt(punkt(49, 98, 0)), 1, 2, 0));
    EXPECT_TRUE(genau(gekuerzt(punkt(0, -147, 0)), 0, -1, 0));
}

TEST(Winkel, AcuteAngleInDegrees) {
    EXPECT_EQ(Winkel(punkt(1, 0, 0), punkt(-1, 0, 0)), 0);
    EXPECT_EQ(Winkel(punkt(1, 0, 0), punkt(0, 1, 0)), 90);
    EXPECT_NEAR(Winkel(punkt(-1, 1, 0), punkt(1, 0, 0)), 45, 1e-12); // not 135
    EXPECT_NEAR(Winkel(punkt(1, 0, 0), punkt(1, std::sqrt(3.0), 0)), 60, 1e-12);
    EXPECT_THROW(Winkel(punkt(0, 0, 0), punkt(1, 0, 0)), MathError);
    // A squared length below 1e-8 counts as 0 here as well.
    EXPECT_THROW(Winkel(punkt(5e-5, 0, 0), punkt(1, 0, 0)), MathError);
}

TEST(Laengen, RoundedLengthAndOverflow) {
    EXPECT_EQ(Laenge_gerundet(punkt(0.00005, 0, 0)), 0);
    EXPECT_EQ(Laenge_gerundet(punkt(0.0002, 0, 0)), 0.0002);
    EXPECT_EQ(AbstandText(punkt(0, 0, 0), punkt(1, 1, 0)), "1.414");
    EXPECT_THROW(Laenge(punkt(1e200, 0, 0)), MathError);
    TPunkt e;
    EXPECT_THROW(Einheitsvektor(punkt(0, 0, 0), e), MathError);
    Einheitsvektor(punkt(0, -2, 0), e);
    EXPECT_TRUE(genau(e, 0, -1, 0));
}

TEST(Punktoperationen, NamesAndColoursOfTheResults) {
    TPunkt e = punkt(0, 0, 0, 0x99, "alt");
    Differenz(punkt(5, 5, 5, 0x01, "A"), punkt(1, 2, 3, 0x02, "B"), e);
    EXPECT_TRUE(bei(e, 4, 3, 2, "alt", 0x02));
    Summe(punkt(1, 1, 1, 0x01), punkt(1, 2, 3, 0x03), e);
    EXPECT_TRUE(bei(e, 2, 3, 4, "alt", 0x02)); // name and colour untouched
    Mittelpunkt(punkt(0, 0, 0, 0x05), punkt(2, 4, -6, 0x06), e);
    EXPECT_TRUE(bei(e, 1, 2, -3, "M", 0x05));
    Schwerpunkt(punkt(3, 0, 0, 0x07), punkt(0, 3, 0), punkt(0, 0, 3), e);
    EXPECT_TRUE(bei(e, 1, 1, 1, "S", 0x07));
    Spiegelpunkt(punkt(1, 1, 1, 0x08), punkt(2, 0, 1), e);
    EXPECT_TRUE(bei(e, 3, -1, 1, "SpA", 0x08));
    // The middle component of the cross product is a negated difference: −(+0) is −0.
    Kreuzprodukt(punkt(1, 0, 0), punkt(1, 0, 0), e);
    EXPECT_TRUE(std::signbit(e.y));
    Kreuzprodukt(punkt(1, 0, 0), punkt(0, 1, 0), e);
    EXPECT_TRUE(genau(e, 0, 0, 1));
    EXPECT_TRUE(IstNullvektor(punkt(0, -0.0, 0)));
    EXPECT_FALSE(IstNullvektor(punkt(0, 1e-300, 0)));
    EXPECT_TRUE(GleichePunkte(punkt(1, 0, 2), punkt(1, -0.0, 2)));
    EXPECT_THROW(Summe(punkt(1e308, 0, 0), punkt(1e308, 0, 0), e), MathError);
}

TEST(Determinanten, Det3CramerAndRoundedDet2) {
    EXPECT_EQ(Det3(punkt(2, 0, 1), punkt(1, 3, 2), punkt(1, 1, 2)), 6); // 2·4 − 1·(−1) + 1·(−3)
    bool ok = false;
    TPunkt x = punkt(7, 7, 7, 0, "x");
    // x + y + z = 6, x − y = −1, 2z = 6 → (1, 2, 3)
    Cramer3(punkt(1, 1, 1), punkt(1, -1, 0), punkt(0, 0, 2), punkt(6, -1, 6), ok, x);
    EXPECT_TRUE(ok);
    EXPECT_TRUE(bei(x, 1, 2, 3));
    x = punkt(7, 7, 7, 0, "x");
    Cramer3(punkt(1, 1, 1), punkt(2, 2, 2), punkt(0, 0, 2), punkt(6, -1, 6), ok, x);
    EXPECT_FALSE(ok);
    EXPECT_TRUE(genau(x, 7, 7, 7));
    EXPECT_EQ(Det2_gerundet(1, 0, 0, 1 + 5e-9), 1);
    EXPECT_EQ(Det2_gerundet(1e-9, 0, 0, 1), 0);
    EXPECT_EQ(Det2_gerundet(2, 1, 1, 3), 5); // a·d − c·b
}
