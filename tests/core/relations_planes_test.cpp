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
