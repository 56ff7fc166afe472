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

// Codes, points, names and records left alone are checked in the property suite.
TEST(Schnitt_Gerade_Kugel, DistanceFromTheCentreWithinFiveHundredThousandthsTouches) {
    int n = -1;
    TPunkt s1, s2;
    Schnitt_Gerade_Kugel(kugel(punkt(1, 2, 3), 2), gerade(punkt(3 + 3e-5, 0, 3), punkt(0, 1, 0)), n,
                         s1, s2);
    EXPECT_EQ(n, 1);
    EXPECT_TRUE(bei(s1, 3 + 3e-5, 2, 3)); // the foot of the perpendicular
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
