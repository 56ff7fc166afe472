// The vector reports, read back from the text log. Expected texts are worked out by hand; rows are
// 12 px, characters 7 px.
#include "core/errors.h"
#include "report_test_util.h"
#include "sheet/reports_vectors.h"

#include <gtest/gtest.h>

using namespace berichttest;

namespace {
const std::string Trenner(32, '-');
} // namespace

TEST(VectorDarst, NameOnTheMiddleRowColumnRightAfterIt) {
    TestBlatt b;
    b.s.loeschen();
    SpaltenAnker a;
    Vector_darst_ausgeben(b.s, punkt(1, -12.5, 100, 0, "p"), 4, 20, &a);
    const SheetText* name = finde(b.s, "p = ");
    ASSERT_TRUE(name);
    EXPECT_EQ(name->y, 32);
    const SheetText* mitte = finde(b.s, "| -12.5 |");
    ASSERT_TRUE(mitte);
    EXPECT_EQ(mitte->x, 4 + 4 * 7);
    EXPECT_EQ(mitte->y, 32);
    EXPECT_TRUE(finde(b.s, "|     1 |") != nullptr);
    EXPECT_TRUE(finde(b.s, "|   100 |") != nullptr);
    EXPECT_TRUE(a.gesetzt);
    EXPECT_EQ(inSpalte(b.s, a, 1), '5');
    EXPECT_EQ(inSpalte(b.s, a, 2), '0');
}

TEST(ReportSkalarProdukt, PerpendicularVectors) {
    TestBlatt b;
    b.s.loeschen();
    Ergebnis_SkalarProdukt(b.s, punkt(1, 0, 0, 0, "p"), punkt(0, 1, 0, 0, "q"), b.x, b.y);
    const auto t = texte(b.s);
    EXPECT_TRUE(inFolge(t, {"Skalarprodukt:", "p = ", "q = ", Trenner}));
    EXPECT_TRUE(amStueck(t, {Trenner, "Skalarprodukt = 0", "Beträge:", "|p| = 1", "|q| = 1",
                             "Winkel = 90", "Senkrechte Projektionen:", "q->p = "}));
    EXPECT_TRUE(inFolge(t, {"q->p = ", "p->q = ", "|q->p| = 0", "|p->q| = 0"}));
    EXPECT_EQ(t.back(), "|p->q| = 0");
    EXPECT_EQ(zeilenAbstand(b.s, "Skalarprodukt = 0", "Beträge:"), 2);
    EXPECT_EQ(zeilenAbstand(b.s, "|q| = 1", "Winkel = 90"), 2);
    EXPECT_EQ(zeilenAbstand(b.s, "p = ", "q = "), 4);
    EXPECT_EQ(finde(b.s, "p = ")->farbe, farbe::Dunkelrot);
    EXPECT_EQ(finde(b.s, "q->p = ")->farbe, farbe::Schwarz);
    ASSERT_TRUE(b.s.anker.vek[1].gesetzt);
    EXPECT_EQ(inSpalte(b.s, b.s.anker.vek[1], 1), '1');
}

TEST(ReportSkalarProdukt, ObtuseAngleGivesSignedProjections) {
    // p·q = −2, |q| = √5; acute angle between the lines arccos(2/√5) = 26.565 degrees.
    // q->p = (−2/1)·p = (−2, 0, 0); p->q = (−2/5)·q = (0.8, −0.4, 0).
    TestBlatt b;
    b.s.loeschen();
    Ergebnis_SkalarProdukt(b.s, punkt(1, 0, 0, 0, "p"), punkt(-2, 1, 0, 0, "q"), b.x, b.y);
    const auto t = texte(b.s);
    EXPECT_TRUE(inFolge(t, {"Skalarprodukt = -2", "|p| = 1", "|q| = 2.236", "Winkel = 26.565",
                            "q->p = ", "| -2 |", "|  0 |", "|  0 |", "p->q = ", "|  0.8 |",
                            "| -0.4 |", "|    0 |", "|q->p| = 2", "|p->q| = 0.894"}));
}

TEST(ReportSkalarProdukt, ZeroVectorStopsAtTheAngle) {
    TestBlatt b;
    b.s.loeschen();
    EXPECT_THROW(
        Ergebnis_SkalarProdukt(b.s, punkt(0, 0, 0, 0, "p"), punkt(0, 1, 0, 0, "q"), b.x, b.y),
        MathError);
    EXPECT_EQ(texte(b.s).back(), "|q| = 1");
}

TEST(ReportVektorProdukt, NormalUnitNormalAndLengths) {
    // n = (0, −0, 6): the y component is −(2·0 − 0·0).
    TestBlatt b;
    b.s.loeschen();
    Ergebnis_VektorProdukt(b.s, punkt(2, 0, 0, 0, "p"), punkt(0, 3, 0, 0, "q"), b.x, b.y);
    const auto t = texte(b.s);
    EXPECT_TRUE(inFolge(t, {"Vektorprodukt:", "p = ", "q = ", Trenner,
                            "Vektorprodukt:", "Normalenvektor:", "n = ", "|  0 |", "| -0 |",
                            "|  6 |", "Normaleneinheitsvektor:", "ne = ", "|  1 |", "Beträge:"}));
    EXPECT_TRUE(amStueck(t, {"Beträge:", "|p| = 2", "|q| = 3", "|n| = 6", "Winkel(p,q) = 90",
                             Trenner, "Normalenvektor nicht maßstabsgerecht !"}));
    EXPECT_EQ(t.back(), "Normalenvektor nicht maßstabsgerecht !");
    EXPECT_EQ(zeilenAbstand(b.s, "|n| = 6", "Winkel(p,q) = 90"), 2);
    EXPECT_EQ(zeilenAbstand(b.s, "Normalenvektor:", "Normaleneinheitsvektor:"), 5);
}

TEST(ReportVektorProdukt, ParallelVectorsGiveTheMessageOnly) {
    TestBlatt b;
    b.s.loeschen();
    Ergebnis_VektorProdukt(b.s, punkt(1, 2, 3, 0, "p"), punkt(2, 4, 6, 0, "q"), b.x, b.y);
    const auto t = texte(b.s);
    ASSERT_GE(t.size(), 3u);
    EXPECT_EQ(
        (std::vector<std::string>(t.end() - 3, t.end())),
        (std::vector<std::string>{"Vektorprodukt:", "Die beiden Vektoren sind linear abhängig !",
                                  "Bitte geben Sie zwei lin. unabh. Vektoren ein."}));
}

TEST(ReportSpatProdukt, VolumeIsPositiveForBothOrientations) {
    // (p × q)·r = (5, −4, 1)·(5, 6, 1) = 2; with p and q swapped it is −2.
    const TPunkt p = punkt(1, 2, 3, 0, "p"), q = punkt(0, 1, 4, 0, "q"), r = punkt(5, 6, 1, 0, "r");
    TestBlatt rechts;
    rechts.s.loeschen();
    Ergebnis_SpatProdukt(rechts.s, p, q, r, rechts.x, rechts.y);
    EXPECT_TRUE(amStueck(texte(rechts.s), {Trenner, "Spatprodukt:", "Volumen des Spats: V = 2"}));

    TestBlatt links;
    links.s.loeschen();
    Ergebnis_SpatProdukt(links.s, q, p, r, links.x, links.y);
    EXPECT_EQ(texte(links.s).back(), "Volumen des Spats: V = 2");
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(links.s.anker.vek[i].gesetzt) << i;
    EXPECT_EQ(inSpalte(links.s, links.s.anker.vek[2], 0), '5'); // r, first component
}

TEST(ReportLineareAbh2, DependentWithTheRecordNames) {
    TestBlatt b;
    b.s.loeschen();
    Ergebnis_LineareAbh2(b.s, punkt(2, 4, 6, 0, "u"), punkt(1, 2, 3, 0, "v"), b.x, b.y);
    EXPECT_TRUE(amStueck(texte(b.s), {Trenner, "Die Vektoren sind linear", "abhängig !",
                                      "Mögliche nichttriviale", "Darstellung des Nullvektors",
                                      "- 2v + u = o", Trenner, "Genauigkeit: 0.0000001"}));
    EXPECT_TRUE(inFolge(texte(b.s), {"Lineare Abhängigkeit:", "Zwei Vektoren:", "u = ", "v = "}));
    EXPECT_EQ(zeilenAbstand(b.s, "abhängig !", "Mögliche nichttriviale"), 2);
    EXPECT_EQ(zeilenAbstand(b.s, "Darstellung des Nullvektors", "- 2v + u = o"), 2);
    EXPECT_EQ(zeilenAbstand(b.s, "- 2v + u = o", "Genauigkeit: 0.0000001"), 3);
}

TEST(ReportLineareAbh2, IndependentAndZeroVectors) {
    TestBlatt un;
    un.s.loeschen();
    Ergebnis_LineareAbh2(un.s, punkt(1, 0, 0, 0, "a"), punkt(0, 1, 0, 0, "b"), un.x, un.y);
    EXPECT_TRUE(amStueck(texte(un.s), {"Die Vektoren sind linear", "unabhängig !", Trenner,
                                       "Genauigkeit: 0.0000001"}));

    // b = o: the factor of b is 0, "- 0b + a = o" would be false.
    TestBlatt bNull;
    bNull.s.loeschen();
    Ergebnis_LineareAbh2(bNull.s, punkt(1, 2, 3, 0, "a"), punkt(0, 0, 0, 0, "b"), bNull.x, bNull.y);
    EXPECT_TRUE(amStueck(texte(bNull.s), {"abhängig !", "Mögliche nichttriviale",
                                          "Darstellung des Nullvektors", "0a + 1b = o"}));

    // a = o: a = 0·b holds, so the usual row is true.
    TestBlatt aNull;
    aNull.s.loeschen();
    Ergebnis_LineareAbh2(aNull.s, punkt(0, 0, 0, 0, "a"), punkt(1, 2, 3, 0, "b"), aNull.x, aNull.y);
    EXPECT_TRUE(finde(aNull.s, "- 0b + a = o") != nullptr);
}

TEST(ReportLineareAbh3, DependentIndependentAndTwoParallel) {
    TestBlatt ab;
    ab.s.loeschen();
    Ergebnis_LineareAbh3(ab.s, punkt(1, 0, 0, 0, "a"), punkt(0, 1, 0, 0, "b"),
                         punkt(1, 1, 0, 0, "c"), ab.x, ab.y);
    EXPECT_TRUE(amStueck(texte(ab.s), {"Lineare Abhängigkeit:", "Drei Vektoren:", "a = "}));
    EXPECT_TRUE(amStueck(texte(ab.s), {Trenner, "Die Vektoren sind linear", "abhängig !",
                                       "Mögliche nichttriviale", "Darstellung des Nullvektors",
                                       "1a + 1b + -1c = o"}));
    EXPECT_EQ(texte(ab.s).back(), "1a + 1b + -1c = o");
    EXPECT_EQ(zeilenAbstand(ab.s, "abhängig !", "Mögliche nichttriviale"), 2);

    TestBlatt un;
    un.s.loeschen();
    Ergebnis_LineareAbh3(un.s, punkt(1, 0, 0, 0, "a"), punkt(0, 1, 0, 0, "b"),
                         punkt(0, 0, 1, 0, "c"), un.x, un.y);
    EXPECT_EQ(texte(un.s).back(), "unabhängig !");

    // a ∥ b: −2a + 1b = o, c does not take part.
    TestBlatt par;
    par.s.loeschen();
    Ergebnis_LineareAbh3(par.s, punkt(1, 2, 3, 0, "a"), punkt(2, 4, 6, 0, "b"),
                         punkt(0, 0, 1, 0, "c"), par.x, par.y);
    EXPECT_EQ(texte(par.s).back(), "-2a + 1b + 0c = o");
}

TEST(ReportLineareAbh4, AlwaysDependent) {
    // a + b − c + d = o for c = (1, 1, 1) and the unit vectors a, b, d.
    TestBlatt b;
    b.s.loeschen();
    Ergebnis_LineareAbh4(b.s, punkt(1, 0, 0, 0, "p"), punkt(0, 1, 0, 0, "q"),
                         punkt(1, 1, 1, 0, "r"), punkt(0, 0, 1, 0, "s"), b.x, b.y);
    EXPECT_TRUE(amStueck(texte(b.s), {std::string(31, '-'), "Die Vektoren sind linear",
                                      "abhängig !", "Mögliche nichttriviale",
                                      "Darstellung des Nullvektors", "1p + 1q + -1r + 1s = o"}));
    EXPECT_TRUE(inFolge(texte(b.s), {"Vier Vektoren:", "p = ", "q = ", "r = ", "s = "}));
    EXPECT_EQ(zeilenAbstand(b.s, "s = ", std::string(31, '-')), 3);
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(b.s.anker.vek[i].gesetzt) << i;
}
