// The output blocks, read back from the sheet's log. A character is 7 px wide and a row 12 px
// high; a text at x = 4 + 7k stands in column k + 1 of the text rows.
#include "report_test_util.h"
#include "sheet/blocks.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace berichttest;

namespace {

using Zeilen = std::vector<std::string>;

// What was written at the left edge x = 4 after the heading (names, headings, points), each as
// "y text".
Zeilen amRand(const Sheet& s) {
    Zeilen t;
    for (size_t i = 1; i < s.protokoll().size(); ++i)
        if (s.protokoll()[i].x == 4)
            t.push_back(std::to_string(s.protokoll()[i].y) + " " + s.protokoll()[i].text);
    return t;
}
TEbeneNorm ebene(TPunkt n, double d) {
    return ebeneNorm(std::move(n), d);
}

struct BlockTest : ::testing::Test {
    bool farbig = true;
    Sheet s{800, 600, farbig};
    int y = 14;
};

} // namespace

TEST_F(BlockTest, ParameterFormsAdvancePastTheOperatorBlank) {
    ColumnAnchor p, u;
    Gerade_ausgeben(s, gerade(punkt(1, 2, 3), punkt(0, 0, 1), "g:"), 4, 14, &p, &u);
    EXPECT_EQ(s.zeilen(), (Zeilen{" Ergebnisse:", "        | 1 |     | 0 |",
                                  " g: x = | 2 | + r | 0 |", "        | 3 |     | 1 |"}));
    EXPECT_EQ(std::tie(p.links, p.rechts, u.links, u.rechts), std::make_tuple(53, 74, 123, 144));

    // The plane is written black even when a colour was chosen.
    s.loeschen();
    s.Schriftfarbe(farbe::Rot);
    ColumnAnchor a[3];
    EbeneParameter_ausgeben(s, {punkt(1, 2, 3), punkt(1, 0, 0), punkt(0, 1, -2), 0, "E: "}, 4, 14,
                            a);
    EXPECT_EQ(s.zeilen()[2], " E: x = | 2 | + r | 0 | + s |  1 |");
    EXPECT_EQ(std::tie(a[0].links, a[1].links, a[2].links), std::make_tuple(53, 123, 193));
    EXPECT_EQ(s.protokoll().back().farbe, farbe::Schwarz);
}

TEST_F(BlockTest, NormalenFormWritesDWithoutSignFolding) {
    ColumnAnchor n;
    FieldAnchor d;
    EbeneNormalenForm_ausgeben(s, ebene(punkt(1, 2, 3), -6), 4, 14, &n, &d);
    EXPECT_EQ(s.zeilen()[2], " E: | 2 |x - -6 = 0");
    EXPECT_EQ(std::tie(n.links, n.rechts), std::make_tuple(25, 46));
    // d reaches from the end of "x - " (text at 60) to the end of "x - -6 ".
    EXPECT_EQ(std::tie(d.links, d.oben, d.rechts, d.unten), std::make_tuple(88, 26, 109, 38));
    EXPECT_EQ(s.dText, "-6");

    s.loeschen();
    EbeneNormalenForm_ausgeben_OhneBox(s, ebene(punkt(1, 2, 3), 2.5), 4, 14);
    EXPECT_EQ(s.zeilen()[2], " E: | 2 |x - 2.5 = 0");
    EXPECT_EQ(s.dText, "-6");
}

TEST_F(BlockTest, SphereFormsRaiseTheExponents) {
    ColumnAnchor m;
    FieldAnchor r;
    Kugel_Mittelpunktsform_ausgeben(s, {punkt(1, 2, 3), 2, "K: ", 0}, 4, y, &m, &r);
    EXPECT_EQ(s.zeilen(), (Zeilen{" Ergebnisse:", " In Mittelpunktsform:", "          | 1 | 2   2",
                                  " K: ( x - | 2 |) = 2", "          | 3 |"}));
    EXPECT_EQ(y, 62);
    EXPECT_EQ(std::tie(m.links, m.y0), std::make_tuple(67, 26));
    EXPECT_EQ(std::tie(r.links, r.oben, r.rechts, r.unten), std::make_tuple(130, 38, 137, 50));

    s.loeschen();
    y = 14;
    ColumnAnchor a;
    FieldAnchor c;
    TKugelV V{punkt(2, 4, 6), -10, "K: ", 0};
    Kugel_Vektorform_ausgeben(s, V, 4, y, &a, &c);
    EXPECT_EQ(s.zeilen(), (Zeilen{" Ergebnisse:", " In Vektorform:", "     2  | 2 |",
                                  " K: x - | 4 |x +10 = 0", "        | 6 |"}));
    EXPECT_EQ(y, 62);
    EXPECT_EQ(std::tie(c.links, c.oben, c.rechts, c.unten), std::make_tuple(109, 38, 123, 50));

    V.c = 10;
    Kugel_Vektorform_ausgeben(s, V, 4, y, &a, &c);
    EXPECT_EQ(s.protokoll().back().text, "x -10 = 0");
    EXPECT_EQ(c.links, 88 + 2 * 7);
    V.c = 0; // +0, not the +-0 of a negated zero
    Kugel_Vektorform_ausgeben(s, V, 4, y);
    EXPECT_EQ(s.protokoll().back().text, "x +0 = 0");
}

TEST_F(BlockTest, SpurPunkteOnlyWhereTheLineMeetsThePlane) {
    SpurPunkte_ausgeben(s, gerade(punkt(1, 2, 3), punkt(0, 0, 1), "g:"), 4, y);
    SpurPunkte_ausgeben(s, gerade(punkt(1, 1, 5), punkt(1, 2, 0), "g:"), 4, y);
    EXPECT_EQ(amRand(s), (Zeilen{"14 Spurpunkte:", "26 S12(1/2/0)",
                                 "38 Spurpunkte:", "50 S23(0/-1/5)", "62 S13(0.5/0/5)"}));
}

TEST_F(BlockTest, ProjektionsgeradenWithTheirCoordinateEquations) {
    Projektionsgeraden_ausgeben(s, gerade(punkt(1, 2, 3), punkt(4, 5, 6), "g:"), 4, y);
    EXPECT_EQ(amRand(s), (Zeilen{"14 Projektionsgeraden:", "38 p23: x = ", "62   6 y - (5) z =-3",
                                 "98 p13: x = ", "122   6 x - (4) z =-6",
                                 "158 p12: x = ", "182   5 x - (4) y =-3"}));
    EXPECT_EQ(y, 206);
    EXPECT_EQ(s.zeilen()[7], " p13: x = | 0 | + r | 0 |"); // second coordinates dropped
}

TEST_F(BlockTest, PlaneTracesSkipWhatDoesNotExist) {
    KoordinatenSchnittPunkte_ausgaben(s, ebene(punkt(1, 0, 2), 4), 4, y);
    EXPECT_EQ(s.zeilen(),
              (Zeilen{" Ergebnisse:", " Koordinatenschnittpunkte:", " S1(4/0/0)", " S3(0/0/2)"}));

    // Parallel to the x1x2-plane: no s12.
    s.loeschen();
    y = 14;
    Spurgeraden_ausgeben(s, ebene(punkt(0, 0, 2), 4), 4, y);
    EXPECT_EQ(amRand(s), (Zeilen{"14 Spurgeraden:", "38 s13: x = ", "62    0 x + 2 z - 4 = 0",
                                 "86 s23: x = ", "110    0 y + 2 z - 4 = 0"}));
    EXPECT_EQ(y, 122);

    Gerade_koordinatenform_ausgeben(s, ebene(punkt(1, 2, 3), -6), "12", 4, y);
    EXPECT_EQ(s.protokoll().back().text, "   1 x + 2 y - -6 = 0");
}

TEST_F(BlockTest, AnglesKeepThreeDecimalsAndStartBelowThePen) {
    y = 500; // ignored: the block starts two rows below the pen ("Ergebnisse:" at 1)
    const TEbeneNorm E = ebene(punkt(1, 0, 1), 0);
    Schnittwinkel_mit_Koordinatenebene_ausgeben(s, E, 4, y);
    Schnittwinkel_mit_KoordinatenAchsen_ausgeben(s, E, 4, y);
    EXPECT_EQ(amRand(s), (Zeilen{"25 Schnittwinkel mit den Koordinatenebenen:", "37  w12 = 45.000",
                                 "49  w13 = 90.000", "61  w23 = 45.000",
                                 "85 Schnittwinkel mit den Koordinatenachsen:", "97  w1 = 45.000",
                                 "109  w2 = 0.000", "121  w3 = 45.000"}));
    EXPECT_EQ(y, 133);
}

TEST_F(BlockTest, LotVomUrsprungAndSchnittkreise) {
    Lot_vom_Ursprung_ausgeben(s, ebene(punkt(0, 0, 2), 4), 4, y);
    EXPECT_EQ(amRand(s), (Zeilen{"25 Lotgerade vom Ursprung:", "49 L x = ",
                                 "73 Lotfußpunkt vom Ursprung:", "85 L(0/0/2)"}));
    EXPECT_EQ(y, 97);

    s.loeschen();
    y = 14;
    Schnittkreise_mit_koordinatenEbenen_ausgeben(s, {punkt(1, 2, 3), 2.5, "K: ", 0}, 4, y);
    EXPECT_EQ(s.zeilen(), (Zeilen{" Ergebnisse:", " Schnittkreise mit der Koordinatenebenen:",
                                  " M23(0/2/3)", " M13(1/0/3)"}));
    EXPECT_EQ(y, 50);
}
