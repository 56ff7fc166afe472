// The vector reports, read back from the text log. Expected texts are worked out by hand; rows are
// 12 px, characters 7 px.
#include "core/errors.h"
#include "report_test_util.h"
#include "sheet/reports_vectors.h"

#include <gtest/gtest.h>

using namespace berichttest;

namespace {
TPunkt v(double x, double y, double z, const char* name) {
    return punkt(x, y, z, 0, name);
}
const TPunkt p = v(1, 0, 0, "p");
} // namespace

TEST(ReportSkalarProdukt, PerpendicularObtuseAndZero) {
    TestBlatt b;
    const Texte t = bericht(b, Ergebnis_SkalarProdukt, p, v(0, 1, 0, "q"));
    EXPECT_TRUE(amStueck(t, {Strich, "Skalarprodukt = 0", "Beträge:", "|p| = 1", "|q| = 1",
                             "Winkel = 90", "Senkrechte Projektionen:", "q->p = "}));
    EXPECT_TRUE(inFolge(t, {"p->q = ", "| 0 |", "| 0 |", "| 0 |", "|q->p| = 0", "|p->q| = 0"}));
    EXPECT_EQ(t.back(), "|p->q| = 0");
    EXPECT_EQ(zeilenAbstand(b.s, "p = ", "q = "), 4);
    EXPECT_EQ(zeilenAbstand(b.s, "|q| = 1", "Winkel = 90"), 2);
    EXPECT_EQ(finde(b.s, "q = ")->farbe, farbe::Dunkelrot);
    EXPECT_EQ(finde(b.s, "q->p = ")->farbe, farbe::Schwarz);
    // The name on the middle row, the column right after it.
    const SheetText* q = finde(b.s, "q = ");
    EXPECT_EQ(zeichenBei(b.s, q->x + 6 * 7, q->y + 6), '1');
    EXPECT_EQ(inSpalte(b.s, b.s.anker.vek[1], 1), '1');

    // p·q = −2, |q| = √5, the angle between the vectors arccos(−2/√5) = 180° − 26.565°;
    // q->p = −2·p, p->q = −(2/5)·q.
    TestBlatt stumpf, null;
    EXPECT_TRUE(inFolge(bericht(stumpf, Ergebnis_SkalarProdukt, p, v(-2, 1, 0, "q")),
                        {"Skalarprodukt = -2", "|q| = 2.236", "Winkel = 153.435",
                         "q->p = ", "| -2 |", "|  0 |", "|  0 |", "p->q = ", "|  0.8 |", "| -0.4 |",
                         "|    0 |", "|q->p| = 2", "|p->q| = 0.894"}));
    EXPECT_THROW(bericht(null, Ergebnis_SkalarProdukt, v(0, 0, 0, "p"), v(0, 1, 0, "q")),
                 MathError);
    EXPECT_EQ(texte(null.s).back(), "|q| = 1");
}

TEST(ReportVektorUndSpatProdukt, NormalOrMessageAndAPositiveVolume) {
    // n = (0, −0, 6): the y component is −(2·0 − 0·0).
    TestBlatt b, par;
    const Texte t = bericht(b, Ergebnis_VektorProdukt, v(2, 0, 0, "p"), v(0, 3, 0, "q"));
    EXPECT_TRUE(inFolge(t, {Strich, "Vektorprodukt:", "Normalenvektor:", "n = ", "|  0 |", "| -0 |",
                            "|  6 |", "Normaleneinheitsvektor:", "ne = ", "|  1 |"}));
    EXPECT_TRUE(amStueck(t, {"Beträge:", "|p| = 2", "|q| = 3", "|n| = 6", "Winkel(p,q) = 90",
                             Strich, "Normalenvektor nicht maßstabsgerecht !"}));
    EXPECT_EQ(zeilenAbstand(b.s, "Normalenvektor:", "Normaleneinheitsvektor:"), 5);
    const Texte tp = bericht(par, Ergebnis_VektorProdukt, v(1, 2, 3, "p"), v(2, 4, 6, "q"));
    EXPECT_EQ(Texte(tp.end() - 4, tp.end()),
              (Texte{Strich, "Vektorprodukt:", "Die beiden Vektoren sind linear abhängig !",
                     "Bitte geben Sie zwei lin. unabh. Vektoren ein."}));

    // (p × q)·r = (5, −4, 1)·(5, 6, 1) = 2; with p and q swapped it is −2.
    const TPunkt a = v(1, 2, 3, "p"), c = v(0, 1, 4, "q"), r = v(5, 6, 1, "r");
    TestBlatt rechts, links;
    EXPECT_TRUE(amStueck(bericht(rechts, Ergebnis_SpatProdukt, a, c, r),
                         {Strich, "Spatprodukt:", "Volumen des Spats: V = 2"}));
    EXPECT_EQ(bericht(links, Ergebnis_SpatProdukt, c, a, r).back(), "Volumen des Spats: V = 2");
}

TEST(ReportLineareAbh, TwoThreeAndFourVectors) {
    TestBlatt b, un, bNull, aNull;
    EXPECT_TRUE(amStueck(bericht(b, Ergebnis_LineareAbh2, v(2, 4, 6, "u"), v(1, 2, 3, "w")),
                         {Strich, "Die Vektoren sind linear", "abhängig !",
                          "Mögliche nichttriviale", "Darstellung des Nullvektors", "- 2w + u = o",
                          Strich, "Genauigkeit: 0.0000001"}));
    EXPECT_EQ(abstaende(b.s, {"abhängig !", "Mögliche nichttriviale", "Darstellung des Nullvektors",
                              "- 2w + u = o", "Genauigkeit: 0.0000001"}),
              (std::vector<int>{2, 1, 2, 3}));
    EXPECT_TRUE(
        amStueck(bericht(un, Ergebnis_LineareAbh2, v(1, 0, 0, "a"), v(0, 1, 0, "b")),
                 {"Die Vektoren sind linear", "unabhängig !", Strich, "Genauigkeit: 0.0000001"}));
    // b = o gives the factor 0, and "- 0b + a = o" would be false; a = o makes it true.
    EXPECT_TRUE(amStueck(bericht(bNull, Ergebnis_LineareAbh2, v(1, 2, 3, "a"), v(0, 0, 0, "b")),
                         {"Darstellung des Nullvektors", "0a + 1b = o"}));
    EXPECT_TRUE(amStueck(bericht(aNull, Ergebnis_LineareAbh2, v(0, 0, 0, "a"), v(1, 2, 3, "b")),
                         {"Darstellung des Nullvektors", "- 0b + a = o"}));

    const TPunkt e1 = v(1, 0, 0, "a"), e2 = v(0, 1, 0, "b");
    TestBlatt ab, un3, par;
    EXPECT_TRUE(
        amStueck(bericht(ab, Ergebnis_LineareAbh3, e1, e2, v(1, 1, 0, "c")),
                 {Strich, "Die Vektoren sind linear", "abhängig !", "Mögliche nichttriviale",
                  "Darstellung des Nullvektors", "1a + 1b + -1c = o"}));
    EXPECT_EQ(zeilenAbstand(ab.s, "abhängig !", "Mögliche nichttriviale"), 2);
    EXPECT_EQ(bericht(un3, Ergebnis_LineareAbh3, e1, e2, v(0, 0, 1, "c")).back(), "unabhängig !");
    EXPECT_EQ(bericht(par, Ergebnis_LineareAbh3, v(1, 2, 3, "a"), v(2, 4, 6, "b"), v(0, 0, 1, "c"))
                  .back(),
              "-2a + 1b + 0c = o"); // a ∥ b

    // p + q − r + s = o for r = (1, 1, 1) and the unit vectors p, q, s.
    TestBlatt vier;
    EXPECT_TRUE(amStueck(
        bericht(vier, Ergebnis_LineareAbh4, p, v(0, 1, 0, "q"), v(1, 1, 1, "r"), v(0, 0, 1, "s")),
        {std::string(31, '-'), "Die Vektoren sind linear", "abhängig !", "Mögliche nichttriviale",
         "Darstellung des Nullvektors", "1p + 1q + -1r + 1s = o"}));
    EXPECT_EQ(zeilenAbstand(vier.s, "s = ", std::string(31, '-')), 3);
}
