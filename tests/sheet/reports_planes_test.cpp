// The plane reports, read back from the sheet's text log. Expected values are worked out by hand;
// rows are counted from the report's first row (12 px each), columns in widths of "M" (7 px).
#include "report_test_util.h"
#include "sheet/reports_lines.h"

#include <gtest/gtest.h>

using namespace berichttest;

namespace {
using Reihen = std::vector<int>;
} // namespace

TEST(PlaneReport, NormalAndParameterForm) {
    // x1 - 2x2 + x3 = 0 passes through the origin: distance 0.000, foot of the perpendicular 0.
    TestBlatt b;
    b.s.Outtext(b.x, b.y, "davor");
    b.y = 14 + 7 * 12;
    const Texte t = bericht(b, Ergebnis_EbeneNormalenform, ebeneNorm(punkt(1, -2, 1), 0));
    const Sheet& s = b.s;
    EXPECT_TRUE(hatText(s, "davor")); // the report does not clear the sheet
    EXPECT_TRUE(inFolge(
        t, {"E: ", "x - 0 = 0", "E: x = ", "Koordinatenschnittpunkte:", "Spurgeraden:",
            "Abstand vom Ursprung: d = 0.000",
            "Schnittwinkel mit den Koordinatenebenen:", "Schnittwinkel mit den Koordinatenachsen:",
            "Lotgerade vom Ursprung:", "Lotfußpunkt vom Ursprung:", "L(0/0/0)"}));
    EXPECT_EQ(reihen(s, {"E: ", "E: x = "}), (Reihen{8, 12}));
    const SheetText* abstand = finde(s, "Abstand vom Ursprung: d = 0.000");
    EXPECT_EQ(abstand->y, (abstand - 1)->y + 2 * s.h());
    EXPECT_EQ(finde(s, "x - 0 = 0")->farbe, farbe::Dunkelrot);
    EXPECT_EQ(finde(s, "E: x = ")->farbe, farbe::Schwarz);
    // Only the given form is editable: the 2 of -2 in the normal, the 0 of d.
    EXPECT_EQ(std::make_pair(inSpalte(s, s.anker.normale[0], 1), imFeld(s, s.anker.d[0])),
              std::make_pair('2', '0'));

    // (6,0,0) + r(-2,1,0) + s(-2,0,1): normal (1,2,2), d = 6, distance 6/3 = 2.
    TestBlatt p;
    EXPECT_TRUE(inFolge(bericht(p, Ergebnis_EbeneParameterform,
                                ebenePar(punkt(6, 0, 0), punkt(-2, 1, 0), punkt(-2, 0, 1))),
                        {"E: x = ", "E: ", "x - 6 = 0", "Koordinatenschnittpunkte:", "S1(6/0/0)",
                         "S2(0/3/0)", "S3(0/0/3)", "Abstand vom Ursprung: d = 2.000"}));
    EXPECT_EQ(reihen(p.s, {"E: x = ", "x - 6 = 0", "Koordinatenschnittpunkte:"}),
              (Reihen{1, 5, 8}));
}

TEST(PlaneReport, PlaneThroughThreePointsRegistersOnlyThePoints) {
    // A = 0, B = (2,4,6), C = (0,3,6): u = (1,2,3), v = (0,1,2), normal (1,-2,1), d = 0.
    TestBlatt b;
    EXPECT_TRUE(
        inFolge(bericht(b, Ergebnis_Ebene3Punkte, punkt(0, 0, 0, 0, "A"), punkt(2, 4, 6, 0, "B"),
                        punkt(0, 3, 6, 0, "C"),
                        ebenePar(punkt(0, 0, 0, 0, "P"), punkt(1, 2, 3), punkt(0, 1, 2))),
                {"Ebene aus drei Punkten:", "Punkte:", "A(0/0/0)", "B(2/4/6)", "C(0/3/6)", Strich,
                 "Ergebnis: Ebene", "E: x = ", "x - 0 = 0", "Abstand vom Ursprung: d = 0.000"}));
    EXPECT_EQ(reihen(b.s, {"C(0/3/6)", Strich, "E: x = "}), (Reihen{5, 7, 10}));
    EXPECT_FALSE(b.s.anker.ebenePar[0][0].gesetzt || b.s.anker.normale[0].gesetzt);
}

TEST(PlaneReport, PlaneWithPoint) {
    // x3 = 2 and P = (1,2,5): distance 3, foot (1,2,2), mirror point (1,2,-1), mirror plane
    // x3 = -1.
    const TPunkt P = punkt(1, 2, 5, farbe::Rot, "P");
    TestBlatt b, par;
    const Texte t = bericht(b, Ergebnis_Ebene_Punkt, ebeneNorm(punkt(0, 0, 1), 2), P);
    EXPECT_TRUE(inFolge(t, {"Ebene mit Punkt:", "Ebene:", "x - 2 = 0", "E: x = ", Strich,
                            "Punkt:", "P(1/2/5)", "Abstand: Punkt-Ebene: d = 3.000",
                            "Lotgerade Punkt auf Ebene:", "L x = ", "Lotfußpunkt:", "L(1/2/2)",
                            "Spiegelpunkt:", "P`(1/2/-1)", "Spiegelebene:", "SpE: ", "x - -1 = 0",
                            "..in Parameterform:", "SpE: x = "}));
    EXPECT_EQ(reihen(b.s, {"P(1/2/5)", "Abstand: Punkt-Ebene: d = 3.000",
                           "Spiegelpunkt:", "..in Parameterform:"}),
              (Reihen{13, 15, 24, 32}));
    EXPECT_TRUE(inFolge(bericht(par, Ergebnis_EbenePAR_Punkt,
                                ebenePar(punkt(0, 0, 2), punkt(1, 0, 0), punkt(0, 1, 0)), P),
                        {"Abstand: Punkt-Ebene: d = 3.000", "P`(1/2/-1)", "x - -1 = 0"}));
}

TEST(PlaneReport, LineMeetingParallelToOrInThePlane) {
    // x1 + x2 = 0 and (2,0,0) + t(1,0,1): S = (0,0,-2) at t = -2; angle 90 - 60 = 30. Mirroring
    // (2,0,0) and (3,0,1) in the plane gives (0,-2,0) and (0,-3,1).
    TestBlatt b;
    const Sheet& s = b.s;
    EXPECT_TRUE(inFolge(
        bericht(b, Ergebnis_Ebene_Gerade, ebeneNorm(punkt(1, 1, 0), 0),
                gerade(punkt(2, 0, 0), punkt(1, 0, 1))),
        {"Ebene mit Gerade:", "Ebene:", "x - 0 = 0", "E: x = ", "Koordinatenschnittpunkte:", Strich,
         "Gerade:", "g: x = ", "Spurpunkte:", "S12(2/0/0)", "S23(0/0/-2)", Strich}));
    EXPECT_TRUE(inFolge(texte(s), {"Ebene und Gerade schneiden sich:", "Schnittpunkt:", "S(0/0/-2)",
                                   "Schnittwinkel: ß = 30.000", "Spiegelgerade:",
                                   "Aufpunkt: P`(0/-2/0)", "s:  x = ", "Parallele Ebenen !",
                                   " - durch den Aufpunkt P der Geraden g:", "   Ep :", "x - 2 = 0",
                                   " - durch den Spiegelpunkt P`", "   Ep`:", "x - -2 = 0"}));
    EXPECT_EQ(abstaende(s, {"S(0/0/-2)", "Schnittwinkel: ß = 30.000", "Spiegelgerade:"}),
              (Reihen{2, 2}));
    EXPECT_EQ(zeileMit(s, "s:  x = "), " s:  x = | -2 | + r | -1 |");
    // The auxiliary planes register nothing, so the constant's rectangle is still that of the
    // given plane.
    EXPECT_EQ(imFeld(s, s.anker.d[0]), '0');
    EXPECT_FALSE(s.anker.d[1].gesetzt || s.anker.normale[1].gesetzt);

    // x3 = 2 and (1,1,0) + t(1,0,0): distance 2, mirror line through (1,1,4).
    TestBlatt par;
    EXPECT_TRUE(inFolge(bericht(par, Ergebnis_EbenePar_Gerade,
                                ebenePar(punkt(0, 0, 2), punkt(1, 0, 0), punkt(0, 1, 0)),
                                gerade(punkt(1, 1, 0), punkt(1, 0, 0))),
                        {"Gerade parallel zur Ebene !", "Abstand: d = 2.000",
                         "Spiegelgerade:", "Aufpunkt: P`(1/1/4)", "s:  x = ", "Parallele Ebenen !",
                         "x - 0 = 0", "x - 4 = 0"}));
    EXPECT_EQ(zeilenAbstand(par.s, "Gerade parallel zur Ebene !", "Spiegelgerade:"), 2);
    EXPECT_FALSE(hatText(par.s, "Ebene und Gerade schneiden sich:"));

    TestBlatt in;
    EXPECT_EQ(bericht(in, Ergebnis_Ebene_Gerade, ebeneNorm(punkt(0, 0, 1), 2),
                      gerade(punkt(1, 1, 2), punkt(1, 0, 0)))
                  .back(),
              "Gerade liegt in der Ebene !");
    EXPECT_FALSE(hatText(in.s, "Spiegelgerade:") || hatText(in.s, "Parallele Ebenen !"));
}

TEST(PlaneReport, TwoPlanesByTheirRelation) {
    // x1 + x2 = 2 and x1 - x2 = 0 meet at right angles in (1,1,1) + r(0,0,-1).
    const TEbeneNorm E1 = ebeneNorm(punkt(1, 1, 0), 2, "E1: ");
    TestBlatt b;
    const Texte t =
        bericht(b, Ergebnis_ZweiEbenenNormalenform, E1, ebeneNorm(punkt(1, -1, 0), 0, "E2: "));
    const Sheet& s = b.s;
    EXPECT_TRUE(inFolge(
        t, {"E1: ", "x - 2 = 0",
            "Koordinatenschnittpunkte:", "Spurgeraden:", "Abstand vom Ursprung: d = 1.414", Strich,
            "E2: ", "x - 0 = 0", "Koordinatenschnittpunkte:", "Abstand vom Ursprung: d = 0.000",
            "E1 schneidet E2 !", "Schnittgerade:", "s: x = ", "Schnittwinkel = 90"}));
    EXPECT_EQ(std::count(t.begin(), t.end(), "Spurgeraden:"), 1);
    // The direction (0, -0, -1): the cross product leaves a negative zero, printed "-0".
    EXPECT_EQ(zeileMit(s, "s: x = "), " s: x = | 1 | + r | -0 |");
    const SheetText* lage = finde(s, "E1 schneidet E2 !");
    EXPECT_EQ(lage->y, (lage - 1)->y + 2 * s.h());
    EXPECT_EQ(std::make_pair(inSpalte(s, s.anker.normale[0], 0), imFeld(s, s.anker.d[1])),
              std::make_pair('1', '0'));

    TestBlatt par, id;
    EXPECT_TRUE(
        amStueck(bericht(par, Ergebnis_ZweiEbenenNormalenform, ebeneNorm(punkt(1, 0, 0), 1, "E1: "),
                         ebeneNorm(punkt(-1, 0, 0), 1, "E2: ")),
                 {"E1 ist parallel zu E2 !", "Anstand: d = 2.000"}));
    EXPECT_EQ(bericht(id, Ergebnis_ZweiEbenenNormalenform, E1, ebeneNorm(punkt(2, 2, 0), 4, "E2: "))
                  .back(),
              "E1 ist mit E2 identisch !");

    // (2,0,0) + r(-1,1,0) + s(0,0,1) is x1 + x2 = 2; (0,0,0) + r(1,1,0) + s(0,0,1) is x1 - x2 = 0.
    const TEbene P1 = ebenePar(punkt(2, 0, 0), punkt(-1, 1, 0), punkt(0, 0, 1), "E1: ");
    TestBlatt pn, pp;
    EXPECT_TRUE(inFolge(
        bericht(pn, Ergebnis_EbenenPar_EbeneNorm, P1, ebeneNorm(punkt(1, -1, 0), 0, "E2: ")),
        {"E1 schneidet E2 !", "Schnittwinkel = 90"}));
    EXPECT_TRUE(inFolge(bericht(pp, Ergebnis_EbenenPar_EbenePar, P1,
                                ebenePar(punkt(0, 0, 0), punkt(1, 1, 0), punkt(0, 0, 1), "E2: ")),
                        {"E1 schneidet E2 !", "Schnittwinkel = 90"}));
}
