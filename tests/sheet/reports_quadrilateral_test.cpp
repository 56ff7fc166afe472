// The quadrilateral and parallelogram reports, read back from the text log. Expected texts are
// worked out by hand; rows are 12 px, characters 7 px.
#include "report_test_util.h"
#include "sheet/reports_figures.h"
#include "sheet/task_kind.h"

#include <gtest/gtest.h>

using namespace berichttest;

namespace {
// Reports the quadrilateral A, B, C, D (each given as x, y, z) and returns the texts from
// "Weitere Ergebnisse:" to the end.
Texte viereck(TestBlatt& b, std::initializer_list<TKoord> ecken) {
    TViereck v;
    TPunkt* p[4] = {&v.A, &v.B, &v.C, &v.D};
    int i = 0;
    for (const TKoord& k : ecken) {
        *p[i] = punkt(k.x, k.y, k.z, 0, std::string(1, static_cast<char>('A' + i)));
        ++i;
    }
    Ergebnis_Viereck(b.s, v, b.x, b.y);
    const Texte t = texte(b.s);
    return Texte(std::find(t.begin(), t.end(), "Weitere Ergebnisse:"), t.end());
}
} // namespace

TEST(ReportViereck, UnitSquareIsEverything) {
    TestBlatt b;
    EXPECT_EQ(
        viereck(b, {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}}),
        (Texte{"Weitere Ergebnisse:", "  Die Diagonalen schneiden sich:", "  Schnittpunkt:",
               "S(0.5/0.5/0)", "  ==> Das Viereck ist eben !", "  Schnittwinkel der Diagonalen:",
               "  phi = 90  (phi´=90)", "  Zwei Seiten sind parallel --> Trapez",
               "  Je zwei Seiten sind parallel --> Parallelogramm:", "    Flächeninhalt: A = 1",
               "  --> hier: sogar Raute", "  --> hier: sogar Rechteck",
               "       Flächeninhalt: A = 1", "  --> hier: sogar Quadrat"}));
    const Texte t = texte(b.s);
    EXPECT_TRUE(amStueck(t, {"D(0/1/0)", Strich, "Seitenlängen:", "  a(AB) = 1; b(BC) = 1",
                             "  c(CD) = 1; d(AD) = 1", "  Umfang: U = 4"}));
    EXPECT_TRUE(inFolge(t, {"Seitengeraden:", "  a: x = ", "  d: x = ", "Diagonalen:", "| -1 |",
                            "  Längen:  e(AC) = 1.414; f(BD) = 1.414", "  Geraden:", "  f: x = ",
                            "Winkel:", "  alpha = 90  (alpha´=90)", "  beta  = 90  (beta´ =90)",
                            "  gamma = 90  (gamma´=90)", "  delta = 90  (delta´=90)"}));
    // Side vectors: labels on the middle row, a's column after 11 characters and 5 wide, then b.
    EXPECT_EQ(zeileMit(b.s, "  AB = a = "), "   AB = a = | 0 |  BC = b = | 1 |");
    EXPECT_EQ(zeilenAbstand(b.s, "Seitenvektoren:", "  AB = a = "), 2);
    EXPECT_EQ(zeilenAbstand(b.s, "  AB = a = ", "  DC = c = "), 4);
}

TEST(ReportViereck, RhombusTrapeziumAndDiagonalsOnOneLine) {
    // All sides 5, alpha = arccos 0.6, area 25·0.8; diagonals (8,4,0) and (−2,4,0) meet at (4,2,0).
    TestBlatt raute;
    const Texte r = viereck(raute, {{0, 0, 0}, {5, 0, 0}, {8, 4, 0}, {3, 4, 0}});
    EXPECT_TRUE(amStueck(r, {"S(4/2/0)", "  ==> Das Viereck ist eben !"}));
    EXPECT_TRUE(amStueck(r, {"    Flächeninhalt: A = 20", "  --> hier: sogar Raute"}));
    EXPECT_EQ(r.back(), "  --> hier: sogar Raute");
    EXPECT_TRUE(finde(raute.s, "  alpha = 53.13  (alpha´=126.87)") != nullptr);

    TestBlatt trapez; // only AB ∥ DC
    EXPECT_EQ(viereck(trapez, {{0, 0, 0}, {4, 0, 0}, {3, 2, 0}, {1, 2, 0}}).back(),
              "  Zwei Seiten sind parallel --> Trapez");

    TestBlatt linie;
    const Texte l = viereck(linie, {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {3, 0, 0}});
    EXPECT_TRUE(amStueck(
        l, {"Weitere Ergebnisse:", "  Die Punkte liegen auf einer Geraden --> kein Viereck !"}));
    EXPECT_EQ(l.back(), "  Die Punkte liegen auf einer Geraden --> kein Viereck !");
}

TEST(ReportViereck, TwoEqualCornersReachTheVerdict) {
    // A = B: a is the zero vector, so alpha and beta have no angle and are left out.
    TestBlatt b;
    EXPECT_EQ(viereck(b, {{0, 0, 0}, {0, 0, 0}, {1, 1, 0}, {0, 1, 0}}),
              (Texte{"Weitere Ergebnisse:", "  Zwei Punkte sind identisch --> kein Viereck !"}));
    EXPECT_TRUE(amStueck(texte(b.s), {"Winkel:", "  gamma = 45  (gamma´=135)",
                                      "  delta = 90  (delta´=90)", Strich}));
}

TEST(ReportViereck, SkewDiagonals) {
    // e: s(1,1,0), f: (1,0,0) + t(−1,1,1); n = e × f = (1,−1,2), distance 1/√6; feet at s = 1/2,
    // t = 1/3; the perpendicular has the direction F1 − F2 = (−1/6, 1/6, −1/3).
    TestBlatt b;
    const Texte e = viereck(b, {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 1}});
    EXPECT_TRUE(
        amStueck(e, {"Weitere Ergebnisse:", "  Die Diagonalen sind windschief:",
                     "  ==> Das Gebilde ist kein ebenes Viereck !",
                     "  Abstand der Diagonalengeraden d = 0.408",
                     "  Lotfußpunkte d. gem. Lotgeraden:", "    F1(0.5/0.5/0)",
                     "    F2(0.667/0.333/0.333)", "  Gemeinsame Lotgerade d. Diagonalen:"}));
    EXPECT_TRUE(inFolge(e, {"  f: x = ", "| -0.167 |", "|  0.167 |", "| -0.333 |"}));
    EXPECT_EQ(e.back().front(), '|'); // no side is parallel to another
    EXPECT_TRUE(finde(b.s, "  delta = 60  (delta´=120)") != nullptr);
}

TEST(ReportParallelogramm, CompletesAndStoresTheFourthCorner) {
    TestBlatt b;
    Szene szene;
    szene.SzeneDreieck =
        TDreieck{punkt(0, 0, 0, 1, "A"), punkt(2, 0, 0, 2, "B"), punkt(3, 1, 0, 3, "C"), 0x123};
    szene.art = Szenenart::Parallelogramm;
    deriveScene(szene); // the completed figure, for the drawing and the editing
    Ergebnis_Parallelogramm(b.s, szene.SzeneDreieck, b.x, b.y);
    // D = A + C − B = (1, 1, 0); a = (2, 0, 0), d = (1, 1, 0): area 2·√2·sin 45 = 2.
    EXPECT_TRUE(amStueck(texte(b.s), {"A(0/0/0)", "B(2/0/0)", "C(3/1/0)", "  D(1/1/0)"}));
    EXPECT_EQ(finde(b.s, "  D(1/1/0)")->farbe, farbe::Dunkelrot);
    EXPECT_EQ(texte(b.s).back(), "    Flächeninhalt: A = 2");
    const TViereck& v = szene.SzeneViereck;
    EXPECT_TRUE(v.D.Name == "  D" && v.D.Farbe == farbe::Lime && v.Farbe == 0x123u);
    EXPECT_TRUE(v.D.x == 1 && v.D.y == 1 && v.D.z == 0);
}
