// Worked decimal examples of the wrong answers that exact comparisons of computed values gave,
// and the scale rule that mends them.
#include "core/dependence.h"
#include "core/division_ratio.h"
#include "core/errors.h"
#include "core/number_input.h"
#include "core/tolerance.h"
#include "tests/core/helpers.h"

TEST(Toleranz, ZeroRelativeToTheScaleNeverAbsolute) {
    using namespace tolerance;
    EXPECT_TRUE(isZero(1.8e-15, 18.9));
    EXPECT_FALSE(isZero(1e-6, 18.9));
    EXPECT_TRUE(isZero(1e-6, 1e4)); // the same remainder of larger numbers
    EXPECT_FALSE(isZero(1e-300, 0));
    EXPECT_TRUE(isZero(0, 0));
    EXPECT_FALSE(isZero(std::nan(""), 1));
    EXPECT_TRUE(areEqual(0.1 + 0.2, 0.3));
    EXPECT_FALSE(areEqual(1e-12, 2e-12));
    EXPECT_EQ(std::signbit(snapped(-1e-17, 1)), true); // a snapped zero keeps its sign

    // A configuration and its copies scaled by 1e-300 and 1e12 are classed alike.
    const TPunkt a = punkt(0.1, 0.2, 0.3), b = punkt(0.4, 0.5, 0.6), c = punkt(0.7, 0.8, 0.9);
    const TPunkt d = punkt(0.7, 0.8, 0.95);
    for (double s : {1e-300, 1.0, 1e12}) {
        auto k = [s](const TPunkt& p) { return punkt(p.x * s, p.y * s, p.z * s); };
        EXPECT_TRUE(determinantIsZero(k(a), k(b), k(c))) << s;
        EXPECT_FALSE(determinantIsZero(k(a), k(b), k(d))) << s;
        EXPECT_TRUE(collinear(k(a), k(punkt(1.3, 2.6, 3.9)), k(punkt(0.7, 1.4, 2.1)))) << s;
        EXPECT_FALSE(collinear(k(a), k(b), k(d))) << s;
    }
}

TEST(DezimalBeispiele, PlanesLinesAndVectors) {
    // The support point of two intersecting planes: the minor 2.5·4.83 − 1.75·6.9 is 0 in
    // decimals, and its remainder put the point at (−1.2e16, 0, −3.4e16).
    std::string wort;
    TGerade s;
    Lage_zweier_Ebenen(ebene(punkt(6.9, 0.1, -2.5), -8.3), ebene(punkt(4.83, 8.6, -1.75), 2.9),
                       wort, s);
    ASSERT_EQ(wort, lage::schneidend);
    EXPECT_TRUE(bei(s.Stuetz, -0.8553, 1.0211, 1, 1e-4));

    // The same line with another support point and a doubled direction is identical, not
    // parallel at 0.000.
    const TGerade g = gerade(punkt(18.9, 2.25, 0), punkt(0.3, 0.7, 1.1));
    EXPECT_EQ(lage2(g, gerade(punkt(21, 7.15, 7.7), punkt(0.6, 1.4, 2.2))).wort, lage::identisch);
    // A point of that line lies on it.
    TGerade lot;
    TPunkt fuss;
    int nichtAuf = -1;
    Lot_Punkt_Gerade(punkt(19.8, 4.35, 3.3), g, lot, fuss, nichtAuf);
    EXPECT_EQ(nichtAuf, 0);

    // (0.1, 0.2, 0.3), (0.4, 0.5, 0.6), (0.7, 0.8, 0.9) are dependent: c = 2b − a.
    const TPunkt a = punkt(0.1, 0.2, 0.3), b = punkt(0.4, 0.5, 0.6), c = punkt(0.7, 0.8, 0.9);
    EXPECT_NE(Det3(a, b, c), 0); // the remainder the exact test tripped over
    EXPECT_TRUE(determinantIsZero(a, b, c));
    double la = 0, lb = 0, lc = 0, ld = 0;
    Nulldarstellung4(a, b, punkt(1, 0, 0), c, la, lb, lc, ld);
    EXPECT_EQ(lc, 0); // a, b, d dependent: the fourth vector is not needed
    // Parallel decimal vectors have the exact zero vector as cross product.
    EXPECT_TRUE(IstNullvektor(kreuzprodukt(punkt(0.1, 0.2, 0.3), punkt(0.3, 0.6, 0.9))));

    // Four points of one plane give no sphere instead of one with its centre near infinity.
    bool geloest = true;
    TKugel K;
    Kugel_durch_4_Punkte(punkt(0.1, 0.2, 0.3), summe(punkt(0.1, 0.2, 0.3), a),
                         summe(punkt(0.1, 0.2, 0.3), b), summe(punkt(0.1, 0.2, 0.3), c), geloest,
                         K);
    EXPECT_FALSE(geloest);
}

TEST(DezimalBeispiele, SpheresAndTheDivisionRatio) {
    const TKugel K = kugel(punkt(1.04, -2.51, -2.26), 0.3);
    // n = (−1, 4, 8) with |n| = 9 and d = n·m + 9r: the plane touches; it was reported as
    // cutting with r = 0.000.
    int code = -1;
    TPunkt Mk;
    double rk = -1;
    Lage_Ebene_Kugel(ebene(punkt(-1, 4, 8), -26.46), K, code, Mk, rk);
    EXPECT_EQ(code, 1);
    EXPECT_EQ(rk, 0);
    EXPECT_NEAR(Abstand(Mk, K.M), 0.3, 1e-12);
    // n·m = −3.824: the plane passes through the centre; the pole was printed near 1e15.
    bool da = true;
    TPunkt pol;
    Pol(ebene(punkt(-1, 3, -2.1), -3.824), K, da, pol);
    EXPECT_FALSE(da);

    // A line through the centre: the nearest and farthest points are at distance r.
    TPunkt F1, F2;
    Kugelpunkte_zur_Geraden(gerade(punkt(1.34, -1.81, -1.16), punkt(0.3, 0.7, 1.1)), K, F1, F2);
    EXPECT_NEAR(Abstand(F1, K.M), 0.3, 1e-12);
    EXPECT_NEAR(Abstand(F2, K.M), 0.3, 1e-12);

    // The sphere x² − (2.2, 0.6, 0.8)·x + 0.25 = 0 has m = (1.1, 0.3, 0.4) and r = 1.1 = m.x up
    // to rounding: the plane x1 = 0 touches it in a circle of radius 0, without an error.
    TKugel V;
    Kugel_V_zu_M(TKugelV{punkt(2.2, 0.6, 0.8), -0.25, "K", 0}, V);
    ASSERT_TRUE(Schnittkreis_existiert(V, "x23"));
    TPunkt M23;
    double r23 = -1;
    Schnittkreis_Koordinatenebene(V, "x23", M23, r23);
    EXPECT_LT(r23, 1e-6);

    // Spheres whose centres are 2.5 apart, radii 2.5 and 5: B's centre lies on A, they touch
    // from inside.
    EXPECT_EQ(Lage_zweier_Kugeln(kugel(punkt(0.1, 0.2, 0.3), 2.5), kugel(punkt(1.6, 2.2, 0.3), 5)),
              -1);

    // T = (0.4, 0, 0) is the midpoint of A = (0.1, 0, 0), B = (0.7, 0, 0); tau came out as
    // 1.0000000000000004 and T´ near 1.4e15.
    const TPunkt A = punkt(0.1, 0, 0), B = punkt(0.7, 0, 0), T = punkt(0.4, 0, 0);
    EXPECT_TRUE(divisionRatioIsOne(A, B, T));
    TPunkt H;
    EXPECT_THROW(fourthHarmonicPoint(A, B, T, H), MathError);
    EXPECT_FALSE(divisionRatioIsOne(A, B, punkt(0.25, 0, 0)));
}

TEST(DezimalBeispiele, InputErrorQuotesAtMostFortyCharacters) {
    auto meldung = [](const std::string& text) {
        try {
            parseNumber(text);
        } catch (const ConversionError& e) {
            return std::string(e.what());
        }
        return std::string("keine");
    };
    const std::string ende = "' ist kein gültiger Gleitkommawert.";
    EXPECT_EQ(meldung("1,5"), "'1,5" + ende);
    const std::string vierzig = "äöü4567890123456789012345678901234567890"; // 40 characters
    EXPECT_EQ(meldung(vierzig), "'" + vierzig + ende);
    EXPECT_EQ(meldung(vierzig + "ß und noch mehr"), "'" + vierzig + "\u2026" + ende);
}
