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
} // namespace

TEST(ReportSkalarProdukt, PerpendicularObtuseAndZero) {
    TestBlatt b;
    Ergebnis_SkalarProdukt(b.s, v(1, 0, 0, "p"), v(0, 1, 0, "q"), b.x, b.y);
    const auto t = texte(b.s);
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
    TestBlatt stumpf;
    Ergebnis_SkalarProdukt(stumpf.s, v(1, 0, 0, "p"), v(-2, 1, 0, "q"), stumpf.x, stumpf.y);
    EXPECT_TRUE(
        inFolge(texte(stumpf.s), {"Skalarprodukt = -2", "|q| = 2.236", "Winkel = 153.435",
                                  "q->p = ", "| -2 |", "|  0 |", "|  0 |", "p->q = ", "|  0.8 |",
                                  "| -0.4 |", "|    0 |", "|q->p| = 2", "|p->q| = 0.894"}));

    TestBlatt null;
    EXPECT_THROW(Ergebnis_SkalarProdukt(null.s, v(0, 0, 0, "p"), v(0, 1, 0, "q"), null.x, null.y),
                 MathError);
    EXPECT_EQ(texte(null.s).back(), "|q| = 1");
}

TEST(ReportVektorProdukt, NormalOrMessage) {
    // n = (0, −0, 6): the y component is −(2·0 − 0·0).
    TestBlatt b;
    Ergebnis_VektorProdukt(b.s, v(2, 0, 0, "p"), v(0, 3, 0, "q"), b.x, b.y);
    const auto t = texte(b.s);
    EXPECT_TRUE(inFolge(t, {Strich, "Vektorprodukt:", "Normalenvektor:", "n = ", "|  0 |", "| -0 |",
                            "|  6 |", "Normaleneinheitsvektor:", "ne = ", "|  1 |"}));
    EXPECT_TRUE(amStueck(t, {"Beträge:", "|p| = 2", "|q| = 3", "|n| = 6", "Winkel(p,q) = 90",
                             Strich, "Normalenvektor nicht maßstabsgerecht !"}));
    EXPECT_EQ(zeilenAbstand(b.s, "Normalenvektor:", "Normaleneinheitsvektor:"), 5);

    TestBlatt par;
    Ergebnis_VektorProdukt(par.s, v(1, 2, 3, "p"), v(2, 4, 6, "q"), par.x, par.y);
    const auto tp = texte(par.s);
    EXPECT_EQ(Texte(tp.end() - 4, tp.end()),
              (Texte{Strich, "Vektorprodukt:", "Die beiden Vektoren sind linear abhängig !",
                     "Bitte geben Sie zwei lin. unabh. Vektoren ein."}));
}

TEST(ReportSpatProdukt, VolumeIsPositiveForBothOrientations) {
    // (p × q)·r = (5, −4, 1)·(5, 6, 1) = 2; with p and q swapped it is −2.
    const TPunkt p = v(1, 2, 3, "p"), q = v(0, 1, 4, "q"), r = v(5, 6, 1, "r");
    TestBlatt rechts, links;
    Ergebnis_SpatProdukt(rechts.s, p, q, r, rechts.x, rechts.y);
    Ergebnis_SpatProdukt(links.s, q, p, r, links.x, links.y);
    EXPECT_TRUE(amStueck(texte(rechts.s), {Strich, "Spatprodukt:", "Volumen des Spats: V = 2"}));
    EXPECT_EQ(texte(links.s).back(), "Volumen des Spats: V = 2");
    EXPECT_EQ(inSpalte(links.s, links.s.anker.vek[2], 0), '5'); // r, first component
}

TEST(ReportLineareAbh2, DependentIndependentAndZeroVectors) {
    TestBlatt b;
    Ergebnis_LineareAbh2(b.s, v(2, 4, 6, "u"), v(1, 2, 3, "w"), b.x, b.y);
    EXPECT_TRUE(amStueck(texte(b.s), {Strich, "Die Vektoren sind linear", "abhängig !",
                                      "Mögliche nichttriviale", "Darstellung des Nullvektors",
                                      "- 2w + u = o", Strich, "Genauigkeit: 0.0000001"}));
    EXPECT_EQ(abstaende(b.s, {"abhängig !", "Mögliche nichttriviale", "Darstellung des Nullvektors",
                              "- 2w + u = o", "Genauigkeit: 0.0000001"}),
              (std::vector<int>{2, 1, 2, 3}));

    TestBlatt un;
    Ergebnis_LineareAbh2(un.s, v(1, 0, 0, "a"), v(0, 1, 0, "b"), un.x, un.y);
    EXPECT_TRUE(amStueck(texte(un.s), {"Die Vektoren sind linear", "unabhängig !", Strich,
                                       "Genauigkeit: 0.0000001"}));

    // b = o gives the factor 0, and "- 0b + a = o" would be false; a = o makes it true.
    TestBlatt bNull, aNull;
    Ergebnis_LineareAbh2(bNull.s, v(1, 2, 3, "a"), v(0, 0, 0, "b"), bNull.x, bNull.y);
    Ergebnis_LineareAbh2(aNull.s, v(0, 0, 0, "a"), v(1, 2, 3, "b"), aNull.x, aNull.y);
    EXPECT_TRUE(amStueck(texte(bNull.s), {"Darstellung des Nullvektors", "0a + 1b = o"}));
    EXPECT_TRUE(amStueck(texte(aNull.s), {"Darstellung des Nullvektors", "- 0b + a = o"}));
}

TEST(ReportLineareAbh3und4, Representations) {
    TestBlatt ab, un, par;
    Ergebnis_LineareAbh3(ab.s, v(1, 0, 0, "a"), v(0, 1, 0, "b"), v(1, 1, 0, "c"), ab.x, ab.y);
    EXPECT_TRUE(amStueck(texte(ab.s), {Strich, "Die Vektoren sind linear", "abhängig !",
                                       "Mögliche nichttriviale", "Darstellung des Nullvektors",
                                       "1a + 1b + -1c = o"}));
    EXPECT_EQ(zeilenAbstand(ab.s, "abhängig !", "Mögliche nichttriviale"), 2);
    Ergebnis_LineareAbh3(un.s, v(1, 0, 0, "a"), v(0, 1, 0, "b"), v(0, 0, 1, "c"), un.x, un.y);
    Ergebnis_LineareAbh3(par.s, v(1, 2, 3, "a"), v(2, 4, 6, "b"), v(0, 0, 1, "c"), par.x, par.y);
    EXPECT_EQ(texte(un.s).back(), "unabhängig !");
    EXPECT_EQ(texte(par.s).back(), "-2a + 1b + 0c = o"); // a ∥ b

    // p + q − r + s = o for r = (1, 1, 1) and the unit vectors p, q, s.
    TestBlatt vier;
    Ergebnis_LineareAbh4(vier.s, v(1, 0, 0, "p"), v(0, 1, 0, "q"), v(1, 1, 1, "r"), v(0, 0, 1, "s"),
                         vier.x, vier.y);
    EXPECT_TRUE(amStueck(texte(vier.s), {std::string(31, '-'), "Die Vektoren sind linear",
                                         "abhängig !", "Mögliche nichttriviale",
                                         "Darstellung des Nullvektors", "1p + 1q + -1r + 1s = o"}));
    EXPECT_EQ(zeilenAbstand(vier.s, "s = ", std::string(31, '-')), 3);
    EXPECT_EQ(inSpalte(vier.s, vier.s.anker.vek[3], 2), '1');
}
