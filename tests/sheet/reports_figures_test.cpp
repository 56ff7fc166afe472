// The point, segment, division-ratio, triangle and tetrahedron reports, read back from the text
// log. Expected texts are worked out by hand; rows are 12 px (counted from y = 14), characters
// 7 px.
#include "core/errors.h"
#include "report_test_util.h"
#include "sheet/reports_figures.h"
#include "sheet/task_kind.h"

#include <gtest/gtest.h>

using namespace berichttest;

namespace {
Texte teilverhaeltnis(TestBlatt& b, double x, double y) {
    return bericht(b, Ergebnis_Teilverhaeltnis, punkt(0, 0, 0, 0, "A"), punkt(2, 0, 0, 0, "B"),
                   punkt(x, y, 0, 0, "T"));
}
const TViereck Tetraeder{punkt(0, 0, 0, 0, "A"), punkt(1, 0, 0, 0, "B"), punkt(0, 1, 0, 0, "C"),
                         punkt(0, 0, 1, 0, "D"), 0};
} // namespace

TEST(ReportPunkt, DistanceAnglesAndTheOrigin) {
    // |OP| = 3; cos alpha = 1/3, cos beta = cos gamma = 2/3.
    TestBlatt b;
    EXPECT_EQ(
        bericht(b, Ergebnis_punkt, punkt(1, 2, 2, 0, "P")),
        (Texte{"Ergebnisse:", "Punkt:", "P(1/2/2)", "Abstand vom Ursprung: d = 3", Strich,
               "Winkel der Strecke OP zu den", "Koordinatenachsen:", "", "X1-Achse: alpha = 70.529",
               "X2-Achse: beta  = 48.19", "X3-Achse: gamma = 48.19", Strich}));
    EXPECT_EQ(finde(b.s, "P(1/2/2)")->farbe, farbe::Dunkelrot);
    EXPECT_EQ(finde(b.s, "Abstand vom Ursprung: d = 3")->farbe, farbe::Schwarz);
    EXPECT_EQ(reihen(b.s, {"P(1/2/2)", "Abstand vom Ursprung: d = 3", Strich}),
              (std::vector<int>{1, 2, 4}));
    EXPECT_EQ(imPunkt(b.s, b.s.anker.punkt[0]), "122");

    TestBlatt o; // P = O: the first angle divides by |OP| = 0
    EXPECT_THROW(bericht(o, Ergebnis_punkt, punkt(0, 0, 0, 0, "P")), MathError);
    EXPECT_EQ(texte(o.s).back(), "");
}

TEST(ReportLinie, LengthAndMidpointOnTheSameRow) {
    TestBlatt b;
    EXPECT_TRUE(amStueck(
        bericht(b, Ergebnis_Linie, TStrecke{punkt(0, 0, 0, 0, "P"), punkt(2, 4, 4, 0, "Q"), 0}),
        {"P(0/0/0)", "Q(2/4/4)", "Länge der Strecke: d = 6", "Mittelpunkt:", "M(1/2/2)"}));
    const SheetText* m = finde(b.s, "M(1/2/2)");
    EXPECT_EQ(std::make_pair(m->x, m->y), std::make_pair(4 + 13 * 7, 14 + 3 * 12));
}

TEST(ReportTeilverhaeltnis, InnerAndOuterPointWithTheirHarmonicConjugates) {
    TestBlatt b;
    EXPECT_TRUE(
        amStueck(teilverhaeltnis(b, 0.5, 0),
                 {"T(0.5/0/0)", "T ist ein Teilpunkt der Strecke AB", "Teilverhaeltnis:",
                  "AT:TB = tau = 0.333", "Länge AB = 2", "Länge AT = 0.5", "Länge TB = 1.5",
                  "Vierter harmonischer Punkt:", "T´(-1/0/0)", "Länge AT´ = 1", "Länge T´B = 3"}));
    EXPECT_EQ(texte(b.s).back(), "Länge T´B = 3");
    EXPECT_EQ(reihen(b.s, {"T(0.5/0/0)", "T ist ein Teilpunkt der Strecke AB", "Länge AB = 2",
                           "Vierter harmonischer Punkt:", "Länge AT´ = 1"}),
              (std::vector<int>{2, 4, 8, 12, 15}));

    // T beyond B (3 : 1): the conjugate divides AB inside in 3 : 1, at 1.5 (not T itself).
    TestBlatt aussen;
    EXPECT_TRUE(amStueck(teilverhaeltnis(aussen, 3, 0),
                         {"AT:TB = tau = 3", "Länge AB = 2", "Länge AT = 3", "Länge TB = 1",
                          "Vierter harmonischer Punkt:", "T´(1.5/0/0)", "Länge AT´ = 1.5",
                          "Länge T´B = 0.5"}));
}

TEST(ReportTeilverhaeltnis, MidpointOffLineAndTEqualB) {
    TestBlatt mitte, neben, gleich;
    EXPECT_TRUE(amStueck(teilverhaeltnis(mitte, 1, 0), // tau = 1
                         {"Länge TB = 1", "T ist Mittelpunkt: kein vierter harmonischer Punkt"}));
    EXPECT_EQ(teilverhaeltnis(neben, 1, 1).size(), 5u);
    EXPECT_EQ(reihen(neben.s, {"T ist kein Teilpunkt der Strecke AB"}), std::vector<int>{4});
    EXPECT_THROW(teilverhaeltnis(gleich, 2, 0), MathError);
    EXPECT_EQ(texte(gleich.s).back(), "T(2/0/0)");
}

TEST(ReportDreieck, RightTriangleThreeFourFive) {
    TestBlatt b;
    const Texte t = bericht(
        b, Ergebnis_Dreieck,
        TDreieck{punkt(0, 0, 0, 0, "A"), punkt(4, 0, 0, 0, "B"), punkt(0, 3, 0, 0, "C"), 0});
    EXPECT_TRUE(inFolge(t, {"C(0/3/0)", Strich, "Ebene durch drei Punkte:", "In Normalenform:"}));
    EXPECT_TRUE(amStueck(t, {"Abstand vom Ursprung:", "d = 0", "Schwerpunkt:", "S(1.333/1/0)",
                             "Dreiecksfläche:", "A = 6", "Seitengeraden:", "g(A,B): x = "}));
    // cos ß = 16/20, cos gamma = 9/15; the feet from B and C are A itself.
    EXPECT_TRUE(amStueck(
        t, {"Dreieckswinkel:", "  Alpha = 90  (alpha´=90)", "  ß     = 36.87  (ß´    =143.13)",
            "  Gamma = 53.13  (Gamma´=126.87)", "Seitenlängen:", "  a = 5; b = 3; c = 4",
            "Höhenfußpunkte:", "  Ha(1.44/1.92/0)", "  Hb(0/0/0)", "  Hc(0/0/0)"}));
    EXPECT_EQ(t.back(), "  Hc(0/0/0)");
    EXPECT_EQ(reihen(b.s, {"Ebene durch drei Punkte:", "In Normalenform:", "Abstand vom Ursprung:",
                           "Schwerpunkt:", "Dreieckswinkel:", "Seitenlängen:"}),
              (std::vector<int>{5, 10, 15, 18, 37, 42}));
}

TEST(ReportTetraeder, FacesVolumeAndFeet) {
    TestBlatt b;
    const Texte t = bericht(b, Ergebnis_Tetraeder, Tetraeder);
    // BCD is equilateral with side √2: area √3/2; volume 1/6; the foot from A is (1/3, 1/3, 1/3).
    EXPECT_TRUE(inFolge(t, {"D(0/0/1)", Strich, "Ebene ABC:  DreiecksFläche = 0.5",
                            "Ebene ABD:  DreiecksFläche = 0.5", "Ebene ACD:  DreiecksFläche = 0.5",
                            "Ebene BCD:  DreiecksFläche = 0.866"}));
    EXPECT_TRUE(amStueck(t, {Strich, "Tetraedervolumen:", "V = 0.167", Strich,
                             "Höhenfußpunkte:", "  Fd(0/0/0)", "  Fc(0/0/0)", "  Fb(0/0/0)",
                             "  Fa(0.333/0.333/0.333)"}));
    EXPECT_EQ(
        zeilenAbstand(b.s, "Ebene ABC:  DreiecksFläche = 0.5", "Ebene ABD:  DreiecksFläche = 0.5"),
        9);
    EXPECT_FALSE(b.s.anker.normale[0].gesetzt); // the faces are not editable
}

TEST(ReportTetraederEbene, PlaneMeetingThreeEdgeLines) {
    TestBlatt b;
    Szene szene;
    szene.art = Szenenart::TetraederEbene;
    szene.SzeneTetraeder = Tetraeder;
    szene.SzeneEbene = TEbeneNorm{punkt(0, 0, 1), 0.5, 0x456, "E: "};
    deriveScene(szene); // the section points, as the hand-over finds them
    Ergebnis_Tetraeder_Ebene(b.s, szene, b.x, b.y);
    // x3 = 0.5 is parallel to AB, BC and AC and halves BD, AD and CD.
    const auto t = texte(b.s);
    ASSERT_GE(t.size(), 5u);
    EXPECT_EQ(Texte(t.end() - 5, t.end()),
              (Texte{"Schnitt: Tetraederkanten mit Ebene:", "Sbd(0.5/0/0.5)", "Sad(0/0/0.5)",
                     "Scd(0/0.5/0.5)", Strich}));
    const SheetText* fa = finde(b.s, "  Fa(0.333/0.333/0.333)");
    EXPECT_EQ((fa + 1)->text, Strich); // one blank row, then the separator before the plane
    EXPECT_EQ((fa + 1)->y, fa->y + 24);

    EXPECT_EQ(std::vector<int>(szene.SzeneSchnittpunktDa, szene.SzeneSchnittpunktDa + 6),
              (std::vector<int>{0, 0, 0, 1, 1, 1}));
    const TPunkt& sbd = szene.SzeneSchnittpunkte[3];
    EXPECT_TRUE(sbd.Name == "Sbd" && sbd.Farbe == 0x456u && sbd.x + sbd.z == 1.0);
    EXPECT_TRUE(b.s.anker.normale[0].gesetzt && b.s.anker.d[0].gesetzt); // the given plane
}
