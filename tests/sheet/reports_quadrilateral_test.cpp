// The quadrilateral and parallelogram reports, read back from the text log. Expected texts are
// worked out by hand; rows are 12 px, characters 7 px.
#include "report_test_util.h"
#include "sheet/reports_figures.h"

#include <gtest/gtest.h>

using namespace berichttest;

namespace {
TViereck viereck(TPunkt A, TPunkt B, TPunkt C, TPunkt D) {
    A.Name = "A";
    B.Name = "B";
    C.Name = "C";
    D.Name = "D";
    return TViereck{A, B, C, D, 0x00FF0000};
}

// The texts from "Weitere Ergebnisse:" to the end.
std::vector<std::string> ergebnisse(const Sheet& s) {
    auto t = texte(s);
    auto it = std::find(t.begin(), t.end(), "Weitere Ergebnisse:");
    return {it, t.end()};
}
} // namespace

TEST(ReportViereck, UnitSquareIsEverything) {
    TestBlatt b;
    Ergebnis_Viereck(b.s, viereck(punkt(0, 0, 0), punkt(1, 0, 0), punkt(1, 1, 0), punkt(0, 1, 0)),
                     b.x, b.y);
    const auto t = texte(b.s);
    EXPECT_TRUE(
        amStueck(t, {"A(0/0/0)", "B(1/0/0)", "C(1/1/0)", "D(0/1/0)", std::string(32, '-'),
                     "Seitenlängen:", "  a(AB) = 1; b(BC) = 1", "  c(CD) = 1; d(AD) = 1",
                     "  Umfang: U = 4", std::string(32, '-'), "Seitenvektoren:", "  AB = a = "}));
    EXPECT_TRUE(inFolge(
        t, {"Seitengeraden:", "  a: x = ", "  b: x = ", "  c: x = ", "  d: x = ", "Diagonalen:",
            "  AC = e = ", "  BD = f = ", "  Längen:  e(AC) = 1.414; f(BD) = 1.414",
            "  Geraden:", "  e: x = ", "  f: x = ", "Winkel:"}));
    EXPECT_TRUE(amStueck(t, {"Winkel:", "  alpha = 90  (alpha´=90)", "  beta  = 90  (beta´ =90)",
                             "  gamma = 90  (gamma´=90)", "  delta = 90  (delta´=90)",
                             std::string(32, '-')}));
    EXPECT_EQ(ergebnisse(b.s),
              (std::vector<std::string>{
                  "Weitere Ergebnisse:", "  Die Diagonalen schneiden sich:", "  Schnittpunkt:",
                  "S(0.5/0.5/0)", "  ==> Das Viereck ist eben !", "  Schnittwinkel der Diagonalen:",
                  "  phi = 90  (phi´=90)", "  Zwei Seiten sind parallel --> Trapez",
                  "  Je zwei Seiten sind parallel --> Parallelogramm:", "    Flächeninhalt: A = 1",
                  "  --> hier: sogar Raute", "  --> hier: sogar Rechteck",
                  "       Flächeninhalt: A = 1", "  --> hier: sogar Quadrat"}));
}

TEST(ReportViereck, SideVectorsStandSideBySide) {
    TestBlatt b;
    Ergebnis_Viereck(b.s, viereck(punkt(0, 0, 0), punkt(1, 0, 0), punkt(1, 1, 0), punkt(0, 1, 0)),
                     b.x, b.y);
    const SheetText* kopf = finde(b.s, "Seitenvektoren:");
    const SheetText* ab = finde(b.s, "  AB = a = ");
    const SheetText* bc = finde(b.s, "  BC = b = ");
    ASSERT_TRUE(kopf && ab && bc);
    // Labels on the middle row of the columns; a's column after 11 characters, 5 wide.
    EXPECT_EQ(ab->y, kopf->y + 2 * 12);
    EXPECT_EQ(bc->y, ab->y);
    EXPECT_EQ(bc->x, 4 + 11 * 7 + 5 * 7);
    EXPECT_EQ(zeichenBei(b.s, 4 + 11 * 7 + 2 * 7, kopf->y + 12 + 6), '1'); // a = (1, 0, 0)
    EXPECT_EQ(zeichenBei(b.s, bc->x + 13 * 7, ab->y + 6), '1');            // b = (0, 1, 0)
    EXPECT_EQ(zeilenAbstand(b.s, "  AB = a = ", "  DC = c = "), 4);
    EXPECT_EQ(zeilenAbstand(b.s, "  DC = c = ", "Seitengeraden:"), 3); // column, separator
    // f = D − B = (−1, 1, 0) is padded to the width of "-1".
    EXPECT_TRUE(finde(b.s, "| -1 |") != nullptr);
    EXPECT_TRUE(finde(b.s, "|  1 |") != nullptr);
    // Input points are editable, their coordinates are hit at the anchors.
    const PunktAnker& d = b.s.anker.punkt[3];
    ASSERT_TRUE(d.gesetzt);
    EXPECT_EQ(zeichenBei(b.s, d.x2 + 8, d.y + 6), '1');
}

TEST(ReportViereck, RhombusAndTrapezium) {
    // a = c = (5, 0, 0), b = d = (3, 4, 0): all sides 5, angle 53.13 degrees; the area is
    // 5·5·sin = 20. Diagonals (8, 4, 0) and (−2, 4, 0) meet at (4, 2, 0) at right angles.
    TestBlatt raute;
    Ergebnis_Viereck(raute.s,
                     viereck(punkt(0, 0, 0), punkt(5, 0, 0), punkt(8, 4, 0), punkt(3, 4, 0)),
                     raute.x, raute.y);
    EXPECT_EQ(ergebnisse(raute.s),
              (std::vector<std::string>{
                  "Weitere Ergebnisse:", "  Die Diagonalen schneiden sich:", "  Schnittpunkt:",
                  "S(4/2/0)", "  ==> Das Viereck ist eben !", "  Schnittwinkel der Diagonalen:",
                  "  phi = 90  (phi´=90)", "  Zwei Seiten sind parallel --> Trapez",
                  "  Je zwei Seiten sind parallel --> Parallelogramm:", "    Flächeninhalt: A = 20",
                  "  --> hier: sogar Raute"}));
    EXPECT_TRUE(finde(raute.s, "  alpha = 53.13  (alpha´=126.87)") != nullptr);

    // Only AB and DC are parallel.
    TestBlatt trapez;
    Ergebnis_Viereck(trapez.s,
                     viereck(punkt(0, 0, 0), punkt(4, 0, 0), punkt(3, 2, 0), punkt(1, 2, 0)),
                     trapez.x, trapez.y);
    EXPECT_EQ(texte(trapez.s).back(), "  Zwei Seiten sind parallel --> Trapez");
    EXPECT_FALSE(findeTeil(trapez.s, "Je zwei"));
}

TEST(ReportViereck, TwoEqualCornersReachTheVerdict) {
    // A = B: a is the zero vector, so alpha and beta have no angle and are left out.
    TestBlatt b;
    Ergebnis_Viereck(b.s, viereck(punkt(0, 0, 0), punkt(0, 0, 0), punkt(1, 1, 0), punkt(0, 1, 0)),
                     b.x, b.y);
    EXPECT_TRUE(amStueck(
        texte(b.s),
        {"Winkel:", "  gamma = 45  (gamma´=135)", "  delta = 90  (delta´=90)", std::string(32, '-'),
         "Weitere Ergebnisse:", "  Zwei Punkte sind identisch --> kein Viereck !"}));
    EXPECT_EQ(texte(b.s).back(), "  Zwei Punkte sind identisch --> kein Viereck !");
    EXPECT_TRUE(finde(b.s, "  a(AB) = 0; b(BC) = 1.414") != nullptr);
}

TEST(ReportViereck, SkewDiagonals) {
    // e: (0,0,0) + s(1,1,0), f: (1,0,0) + t(−1,1,1); n = e × f = (1,−1,2), distance 1/√6. The
    // feet are at s = 1/2 and t = 1/3.
    TestBlatt b;
    Ergebnis_Viereck(b.s, viereck(punkt(0, 0, 0), punkt(1, 0, 0), punkt(1, 1, 0), punkt(0, 1, 1)),
                     b.x, b.y);
    const auto e = ergebnisse(b.s);
    ASSERT_GE(e.size(), 8u);
    EXPECT_EQ((std::vector<std::string>(e.begin(), e.begin() + 8)),
              (std::vector<std::string>{"Weitere Ergebnisse:", "  Die Diagonalen sind windschief:",
                                        "  ==> Das Gebilde ist kein ebenes Viereck !",
                                        "  Abstand der Diagonalengeraden d = 0.408",
                                        "  Lotfußpunkte d. gem. Lotgeraden:", "    F1(0.5/0.5/0)",
                                        "    F2(0.667/0.333/0.333)",
                                        "  Gemeinsame Lotgerade d. Diagonalen:"}));
    // The perpendicular through F1 with direction F1 − F2; no side is parallel to another.
    EXPECT_TRUE(finde(b.s, "  f: x = ") != nullptr);
    EXPECT_TRUE(finde(b.s, "| -0.167 |") != nullptr);
    EXPECT_TRUE(finde(b.s, "|  0.167 |") != nullptr);
    EXPECT_TRUE(finde(b.s, "| -0.333 |") != nullptr);
    EXPECT_FALSE(findeTeil(b.s, "Trapez"));
    EXPECT_TRUE(finde(b.s, "  delta = 60  (delta´=120)") != nullptr);
}

TEST(ReportViereck, DiagonalsOnOneLine) {
    TestBlatt b;
    Ergebnis_Viereck(b.s, viereck(punkt(0, 0, 0), punkt(1, 0, 0), punkt(2, 0, 0), punkt(3, 0, 0)),
                     b.x, b.y);
    EXPECT_TRUE(
        amStueck(texte(b.s), {"Weitere Ergebnisse:", "  Die Diagonalen parallel oder identisch:",
                              "  ==> Das Gebilde ist kein Viereck !"}));
}

TEST(ReportParallelogramm, CompletesAndStoresTheFourthCorner) {
    TestBlatt b;
    Szene szene;
    szene.SzeneDreieck =
        TDreieck{punkt(0, 0, 0, 1, "A"), punkt(2, 0, 0, 2, "B"), punkt(3, 1, 0, 3, "C"), 0x123};
    Ergebnis_Parallelogramm(b.s, szene, b.x, b.y);
    // D = A + C − B = (1, 1, 0); a = c = (2, 0, 0), b = d = (1, 1, 0): area 2·√2·sin 45 = 2.
    EXPECT_TRUE(amStueck(texte(b.s), {"A(0/0/0)", "B(2/0/0)", "C(3/1/0)", "  D(1/1/0)"}));
    EXPECT_EQ(finde(b.s, "  D(1/1/0)")->farbe, farbe::Dunkelrot);
    EXPECT_TRUE(amStueck(texte(b.s), {"  Zwei Seiten sind parallel --> Trapez",
                                      "  Je zwei Seiten sind parallel --> Parallelogramm:",
                                      "    Flächeninhalt: A = 2"}));
    EXPECT_EQ(texte(b.s).back(), "    Flächeninhalt: A = 2");

    const TViereck& v = szene.SzeneViereck;
    EXPECT_EQ(v.D.Name, "  D");
    EXPECT_EQ(v.D.Farbe, farbe::Lime);
    EXPECT_EQ(v.D.x, 1);
    EXPECT_EQ(v.D.y, 1);
    EXPECT_EQ(v.D.z, 0);
    EXPECT_EQ(v.Farbe, 0x123u);
    EXPECT_EQ(v.C.Name, "C");
    EXPECT_TRUE(b.s.anker.punkt[2].gesetzt);
}
