#include "core/number_text.h"
#include "tests/core/helpers.h"

#include <vector>

namespace {
TGerade schnitt(const TEbeneNorm& e, const TEbeneNorm& f, std::string& wort) {
    TGerade s;
    s.Name = "alt";
    Lage_zweier_Ebenen(e, f, wort, s);
    return s;
}
} // namespace

TEST(Lage_zweier_Ebenen, IntersectionLineWithPointFixedAtOne) {
    std::string wort;
    const TGerade s = schnitt(ebene(punkt(1, 1, 0), 2), ebene(punkt(1, -1, 0), 0), wort);
    // b = 0: the point with z = 1 stays; the direction (0, 0, −2) is reduced by 2.
    EXPECT_TRUE(bei(s, {1, 1, 1}, {0, 0, -1}));
}

TEST(Lage_zweier_Ebenen, SupportPointReplacedByOneWithAZeroCoordinate) {
    std::string w;
    // x eliminated: e/b = 2 is whole, so z := 2, y := 0, x := 1 (step 3 gave (1.5, 0.5, 1)).
    EXPECT_TRUE(bei(schnitt(ebene(punkt(1, 1, 1), 3), ebene(punkt(1, -1, 0), 1), w), {1, 0, 2},
                    {1, 1, -2}));
    // y eliminated with b ≠ 0: z := 1, x := 0 (step 3 gave (−0, 1, 1)).
    const TPunkt p = schnitt(ebene(punkt(0, 1, 1), 2), ebene(punkt(1, 2, 0), 2), w).Stuetz;
    EXPECT_TRUE(bei(p, 0, 1, 1));
    EXPECT_FALSE(std::signbit(p.x));
    // y eliminated with b = 0: x := e/a = 3, z := 0.
    EXPECT_TRUE(
        bei(schnitt(ebene(punkt(0, 1, 0), 2), ebene(punkt(1, 1, 0), 5), w).Stuetz, 3, 2, 0));
    // No whole quotient: the point with z = 1 stays.
    EXPECT_TRUE(bei(schnitt(ebene(punkt(1, 1, 1), 3), ebene(punkt(1, -1, 0), 0.5), w).Stuetz, 1.25,
                    0.75, 1));
}

TEST(Spurpunkt, TracePointsInTheThreeCoordinatePlanes) {
    bool da = false;
    auto spur = [&](const TGerade& g, const char* key) {
        TPunkt s = punkt(9, 9, 9, 0x20, "alt");
        return Spurpunkt(g, key, s, da), s;
    };
    const TGerade g = gerade(punkt(1, 2, 3), punkt(1, 1, 1), 0x10);
    EXPECT_TRUE(bei(spur(g, "x12"), -2, -1, 0, "S12", farbe::Aqua));
    EXPECT_TRUE(da);
    EXPECT_TRUE(bei(spur(g, "x23"), 0, 1, 2, "S23", farbe::Aqua));
    EXPECT_TRUE(bei(spur(g, "x13"), -1, 0, 1, "S13", farbe::Aqua));
    // No trace point: the record is reset to an unnamed aqua origin.
    EXPECT_TRUE(bei(spur(gerade(punkt(1, 2, 3), punkt(1, 1, 0)), "x12"), 0, 0, 0, "", farbe::Aqua));
    EXPECT_FALSE(da);
}

TEST(WinkelKoordinaten, PlanesAndAxes) {
    double w[6];
    Winkel_Koordinatenebenen(ebene(punkt(0, 0, 2), 1), w[0], w[1], w[2]);
    Winkel_Koordinatenachsen(ebene(punkt(0, 0, 2), 1), w[3], w[4], w[5]);
    EXPECT_EQ(std::vector(w, w + 6), (std::vector<double>{0, 90, 90, 0, 0, 90}));
    Winkel_Koordinatenebenen(ebene(punkt(1, 0, 1), 1), w[0], w[1], w[2]);
    EXPECT_EQ(Zahl9_3(w[0]), "   45.000");
    EXPECT_EQ(w[1], 90);
}
