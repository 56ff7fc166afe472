// The plane reports, read back from the sheet's text log. Expected values are worked out by hand;
// rows are counted from the report's first row (12 px each), columns in widths of "M" (7 px).
#include "sheet/reports_lines.h"

#include "report_test_util.h"

#include <gtest/gtest.h>

#include <string>

#include <algorithm>

using namespace berichttest;

namespace {
const std::string Strich = "--------------------------------";

// Record builders.
TGerade gerade(TPunkt p, TPunkt u, std::string name = "g:") {
    TGerade g;
    g.Stuetz = std::move(p);
    g.Richtung = std::move(u);
    g.Farbe = farbe::Blau;
    g.Name = std::move(name);
    return g;
}

TEbeneNorm ebeneNorm(TPunkt n, double d, std::string name = "E: ") {
    TEbeneNorm E;
    E.Normale = std::move(n);
    E.d = d;
    E.Farbe = farbe::Lime;
    E.Name = std::move(name);
    return E;
}

TEbene ebenePar(TPunkt p, TPunkt u, TPunkt v, std::string name = "E: ") {
    TEbene E;
    E.Stuetz = std::move(p);
    E.Richtung1 = std::move(u);
    E.Richtung2 = std::move(v);
    E.Farbe = farbe::Lime;
    E.Name = std::move(name);
    return E;
}

int anzahl(const Sheet& s, const std::string& text) {
    return static_cast<int>(std::count_if(s.protokoll().begin(), s.protokoll().end(),
                                          [&](const SheetText& t) { return t.text == text; }));
}

// A click in the middle of the first row of a number's text lands in its rectangle.
bool getroffen(const FeldAnker& f, const SheetText& t, int abstandLinks) {
    const int x = t.x + abstandLinks, y = t.y + 5;
    return f.gesetzt && f.links <= x && x <= f.rechts && f.oben <= y && y <= f.unten;
}
} // namespace

TEST(PlaneReport, NormalFormThroughTheOrigin) {
    // x1 - 2x2 + x3 = 0 passes through the origin: distance 0.000, foot of the perpendicular 0.
    TestBlatt b;
    b.s.Outtext(b.x, b.y, "davor");
    b.y = 100;
    Ergebnis_EbeneNormalenform(b.s, ebeneNorm(punkt(1, -2, 1), 0), b.x, b.y);
    const Sheet& s = b.s;
    EXPECT_TRUE(hatText(s, "davor")); // the report does not clear the sheet
    EXPECT_TRUE(inFolge(
        texte(s),
        {"E: ", "x - 0 = 0",
         "E: x = ", "Koordinatenschnittpunkte:", "Spurgeraden:", "Abstand vom Ursprung: d = 0.000",
         "Schnittwinkel mit den Koordinatenebenen:", "Schnittwinkel mit den Koordinatenachsen:",
         "Lotgerade vom Ursprung:", "Lotfußpunkt vom Ursprung:", "L(0/0/0)"}));
    const SheetText* abstand = finde(s, "Abstand vom Ursprung: d = 0.000");
    ASSERT_NE(abstand, nullptr);
    EXPECT_EQ(abstand->y, (abstand - 1)->y + 2 * s.h());
    EXPECT_EQ(finde(s, "E: ")->y, 100 + s.h());
    EXPECT_EQ(finde(s, "E: x = ")->y, 100 + 5 * s.h());
    EXPECT_EQ(finde(s, "x - 0 = 0")->farbe, farbe::Dunkelrot);
    EXPECT_EQ(finde(s, "E: x = ")->farbe, farbe::Schwarz);
    EXPECT_GT(b.y, s.protokoll().back().y);
    // Only the given form is editable.
    EXPECT_TRUE(s.anker.normale[0].gesetzt);
    EXPECT_TRUE(getroffen(s.anker.d[0], *finde(s, "x - 0 = 0"), s.textBreite("x - ")));
    EXPECT_FALSE(s.anker.ebenePar[0][0].gesetzt);
}

TEST(PlaneReport, ParameterFormIsGivenFirstAndEditable) {
    // (6,0,0) + r(-2,1,0) + s(-2,0,1): normal (1,2,2), d = 6, distance 6/3 = 2.
    TestBlatt b;
    Ergebnis_EbeneParameterform(b.s, ebenePar(punkt(6, 0, 0), punkt(-2, 1, 0), punkt(-2, 0, 1)),
                                b.x, b.y);
    const Sheet& s = b.s;
    EXPECT_TRUE(
        inFolge(texte(s), {"E: x = ", "E: ", "x - 6 = 0", "Koordinatenschnittpunkte:", "S1(6/0/0)",
                           "S2(0/3/0)", "S3(0/0/3)", "Abstand vom Ursprung: d = 2.000"}));
    EXPECT_EQ(reiheVon(s, "E: x = "), 1);
    EXPECT_EQ(reiheVon(s, "x - 6 = 0"), 5);
    EXPECT_EQ(reiheVon(s, "Koordinatenschnittpunkte:"), 8);
    // (The parameter-form block writes in black whatever colour was set before it.)
    for (const SpaltenAnker& a : s.anker.ebenePar[0]) EXPECT_TRUE(a.gesetzt);
    EXPECT_FALSE(s.anker.normale[0].gesetzt || s.anker.d[0].gesetzt);
}

TEST(PlaneReport, PlaneThroughThreePointsRegistersOnlyThePoints) {
    // A = 0, B = (2,4,6), C = (0,3,6): u = (1,2,3), v = (0,1,2), normal (1,-2,1), d = 0.
    TestBlatt b;
    const TPunkt A = punkt(0, 0, 0, 0, "A"), B = punkt(2, 4, 6, 0, "B"), C = punkt(0, 3, 6, 0, "C");
    Ergebnis_Ebene3Punkte(
        b.s, A, B, C, ebenePar(punkt(0, 0, 0, 0, "P"), punkt(1, 2, 3), punkt(0, 1, 2)), b.x, b.y);
    const Sheet& s = b.s;
    EXPECT_TRUE(inFolge(texte(s), {"Ebene aus drei Punkten:", "Punkte:", "A(0/0/0)", "B(2/4/6)",
                                   "C(0/3/6)", Strich, "Ergebnis: Ebene", "E: x = ", "x - 0 = 0",
                                   "Abstand vom Ursprung: d = 0.000"}));
    EXPECT_EQ(reiheVon(s, Strich), 7);
    EXPECT_EQ(reiheVon(s, "E: x = "), 10);
    EXPECT_EQ(s.anker.punkt[2].y, 14 + 5 * s.h());
    EXPECT_FALSE(s.anker.ebenePar[0][0].gesetzt || s.anker.normale[0].gesetzt);
}

TEST(PlaneReport, PlaneWithPoint) {
    // x3 = 2 and P = (1,2,5): distance 3, foot (1,2,2), mirror point (1,2,-1), mirror plane
    // x3 = -1.
    const TPunkt P = punkt(1, 2, 5, farbe::Rot, "P");
    const std::vector<std::string> folge = {Strich,
                                            "Punkt:",
                                            "P(1/2/5)",
                                            "Abstand: Punkt-Ebene: d = 3.000",
                                            "Lotgerade Punkt auf Ebene:",
                                            "L x = ",
                                            "Lotfußpunkt:",
                                            "L(1/2/2)",
                                            "Spiegelpunkt:",
                                            "P`(1/2/-1)",
                                            "Spiegelebene:",
                                            "SpE: ",
                                            "x - -1 = 0",
                                            "..in Parameterform:",
                                            "SpE: x = "};
    {
        TestBlatt b;
        Ergebnis_Ebene_Punkt(b.s, ebeneNorm(punkt(0, 0, 1), 2), P, b.x, b.y);
        const Sheet& s = b.s;
        EXPECT_TRUE(inFolge(texte(s), {"Ebene mit Punkt:", "Ebene:", "x - 2 = 0", "E: x = "}));
        EXPECT_TRUE(inFolge(texte(s), folge));
        EXPECT_EQ(reiheVon(s, "P(1/2/5)"), 13);
        EXPECT_EQ(reiheVon(s, "Abstand: Punkt-Ebene: d = 3.000"), 15);
        EXPECT_EQ(reiheVon(s, "Spiegelpunkt:"), 24);
        EXPECT_EQ(reiheVon(s, "..in Parameterform:"), 32);
        EXPECT_EQ(finde(s, "P(1/2/5)")->farbe, farbe::Dunkelrot);
        EXPECT_EQ(finde(s, "L(1/2/2)")->farbe, farbe::Schwarz);
        EXPECT_TRUE(s.anker.normale[0].gesetzt && s.anker.d[0].gesetzt && s.anker.punkt[0].gesetzt);
        EXPECT_EQ(s.anker.punkt[0].y, 14 + 13 * s.h());
    }
    {
        TestBlatt b;
        Ergebnis_EbenePAR_Punkt(b.s, ebenePar(punkt(0, 0, 2), punkt(1, 0, 0), punkt(0, 1, 0)), P,
                                b.x, b.y);
        EXPECT_TRUE(inFolge(texte(b.s), folge));
        EXPECT_TRUE(b.s.anker.ebenePar[0][2].gesetzt && b.s.anker.punkt[0].gesetzt);
        EXPECT_FALSE(b.s.anker.normale[0].gesetzt);
    }
}

TEST(PlaneReport, LineMeetingThePlane) {
    // x1 + x2 = 0 and (2,0,0) + t(1,0,1): S = (0,0,-2) at t = -2; angle 90 - 60 = 30. Mirroring
    // (2,0,0) and (3,0,1) in the plane gives (0,-2,0) and (0,-3,1).
    TestBlatt b;
    Ergebnis_Ebene_Gerade(b.s, ebeneNorm(punkt(1, 1, 0), 0), gerade(punkt(2, 0, 0), punkt(1, 0, 1)),
                          b.x, b.y);
    const Sheet& s = b.s;
    EXPECT_TRUE(inFolge(texte(s), {"Ebene mit Gerade:",
                                   "Ebene:",
                                   "x - 0 = 0",
                                   "E: x = ",
                                   "Koordinatenschnittpunkte:",
                                   Strich,
                                   "Gerade:",
                                   "g: x = ",
                                   "Spurpunkte:",
                                   "S12(2/0/0)",
                                   "S23(0/0/-2)",
                                   Strich,
                                   "Ebene und Gerade schneiden sich:",
                                   "Schnittpunkt:",
                                   "S(0/0/-2)",
                                   "Schnittwinkel: ß = 30.000",
                                   "Spiegelgerade:",
                                   "Aufpunkt: P`(0/-2/0)",
                                   "s:  x = ",
                                   "Parallele Ebenen !",
                                   " - durch den Aufpunkt P der Geraden g:",
                                   "   Ep :",
                                   "x - 2 = 0",
                                   " - durch den Spiegelpunkt P`",
                                   "   Ep`:",
                                   "x - -2 = 0"}));
    EXPECT_EQ(reiheVon(s, "Schnittwinkel: ß = 30.000"), reiheVon(s, "S(0/0/-2)") + 2);
    EXPECT_EQ(reiheVon(s, "Spiegelgerade:"), reiheVon(s, "S(0/0/-2)") + 4);
    EXPECT_EQ(zeileMit(s, "s:  x = "), " s:  x = | -2 | + r | -1 |");
    // The given plane and the line are editable; the auxiliary planes register nothing, so the
    // constant's rectangle is still that of the given plane.
    EXPECT_TRUE(s.anker.gerade[0][0].gesetzt && s.anker.gerade[0][1].gesetzt);
    EXPECT_TRUE(getroffen(s.anker.d[0], *finde(s, "x - 0 = 0"), s.textBreite("x - ")));
    EXPECT_FALSE(s.anker.d[1].gesetzt || s.anker.normale[1].gesetzt);
    EXPECT_EQ(finde(s, "g: x = ")->farbe, farbe::Dunkelrot);
}

TEST(PlaneReport, LineParallelToOrInThePlane) {
    {
        // x3 = 2 and (1,1,0) + t(1,0,0): distance 2, mirror line through (1,1,4).
        TestBlatt b;
        Ergebnis_EbenePar_Gerade(b.s, ebenePar(punkt(0, 0, 2), punkt(1, 0, 0), punkt(0, 1, 0)),
                                 gerade(punkt(1, 1, 0), punkt(1, 0, 0)), b.x, b.y);
        const Sheet& s = b.s;
        EXPECT_TRUE(inFolge(texte(s), {"Gerade parallel zur Ebene !", "Abstand: d = 2.000",
                                       "Spiegelgerade:", "Aufpunkt: P`(1/1/4)", "s:  x = ",
                                       "Parallele Ebenen !", "x - 0 = 0", "x - 4 = 0"}));
        EXPECT_EQ(reiheVon(s, "Spiegelgerade:"), reiheVon(s, "Gerade parallel zur Ebene !") + 2);
        EXPECT_FALSE(hatText(s, "Ebene und Gerade schneiden sich:"));
        EXPECT_TRUE(s.anker.ebenePar[0][0].gesetzt && s.anker.gerade[0][1].gesetzt);
    }
    {
        TestBlatt b;
        Ergebnis_Ebene_Gerade(b.s, ebeneNorm(punkt(0, 0, 1), 2),
                              gerade(punkt(1, 1, 2), punkt(1, 0, 0)), b.x, b.y);
        EXPECT_EQ(b.s.protokoll().back().text, "Gerade liegt in der Ebene !");
        EXPECT_FALSE(hatText(b.s, "Spiegelgerade:"));
        EXPECT_FALSE(hatText(b.s, "Parallele Ebenen !"));
    }
}

TEST(PlaneReport, TwoPlanesByTheirRelation) {
    {
        // x1 + x2 = 2 and x1 - x2 = 0 meet at right angles in (1,1,1) + r(0,0,-1).
        TestBlatt b;
        Ergebnis_ZweiEbenenNormalenform(b.s, ebeneNorm(punkt(1, 1, 0), 2, "E1: "),
                                        ebeneNorm(punkt(1, -1, 0), 0, "E2: "), b.x, b.y);
        const Sheet& s = b.s;
        EXPECT_TRUE(inFolge(
            texte(s), {"E1: ", "x - 2 = 0", "Koordinatenschnittpunkte:", "Spurgeraden:",
                       "Abstand vom Ursprung: d = 1.414", Strich, "E2: ", "x - 0 = 0",
                       "Koordinatenschnittpunkte:", "Abstand vom Ursprung: d = 0.000",
                       "E1 schneidet E2 !", "Schnittgerade:", "s: x = ", "Schnittwinkel = 90"}));
        EXPECT_EQ(anzahl(s, "Spurgeraden:"), 1);
        // The direction (0, -0, -1): the cross product leaves a negative zero, printed "-0".
        EXPECT_EQ(zeileMit(s, "s: x = "), " s: x = | 1 | + r | -0 |");
        const SheetText* lage = finde(s, "E1 schneidet E2 !");
        ASSERT_NE(lage, nullptr);
        EXPECT_EQ(reihe(s, *lage), reihe(s, *(lage - 1)) + 2);
        EXPECT_EQ(finde(s, "x - 0 = 0")->farbe, farbe::Dunkelrot);
        EXPECT_TRUE(getroffen(s.anker.d[1], *finde(s, "x - 0 = 0"), s.textBreite("x - ")));
        EXPECT_TRUE(s.anker.normale[0].gesetzt && s.anker.normale[1].gesetzt);
    }
    {
        TestBlatt b;
        Ergebnis_ZweiEbenenNormalenform(b.s, ebeneNorm(punkt(1, 0, 0), 1, "E1: "),
                                        ebeneNorm(punkt(-1, 0, 0), 1, "E2: "), b.x, b.y);
        EXPECT_TRUE(inFolge(texte(b.s), {"E1 ist parallel zu E2 !", "Anstand: d = 2.000"}));
        EXPECT_EQ(zeileMit(b.s, "Anstand"), " Anstand: d = 2.000");
    }
    {
        TestBlatt b;
        Ergebnis_ZweiEbenenNormalenform(b.s, ebeneNorm(punkt(1, 1, 0), 2, "E1: "),
                                        ebeneNorm(punkt(2, 2, 0), 4, "E2: "), b.x, b.y);
        EXPECT_EQ(b.s.protokoll().back().text, "E1 ist mit E2 identisch !");
        EXPECT_FALSE(hatText(b.s, "Anstand: d = 0.000"));
    }
}

TEST(PlaneReport, MixedFormsRegisterEachPlaneInItsGivenForm) {
    // (2,0,0) + r(-1,1,0) + s(0,0,1) is x1 + x2 = 2; (0,0,0) + r(1,1,0) + s(0,0,1) is x1 - x2 = 0.
    const TEbene E1 = ebenePar(punkt(2, 0, 0), punkt(-1, 1, 0), punkt(0, 0, 1), "E1: ");
    {
        TestBlatt b;
        Ergebnis_EbenenPar_EbeneNorm(b.s, E1, ebeneNorm(punkt(1, -1, 0), 0, "E2: "), b.x, b.y);
        const Sheet& s = b.s;
        EXPECT_TRUE(inFolge(texte(s), {"E1 schneidet E2 !", "Schnittwinkel = 90"}));
        EXPECT_TRUE(s.anker.ebenePar[0][1].gesetzt && s.anker.normale[1].gesetzt &&
                    s.anker.d[1].gesetzt);
        EXPECT_FALSE(s.anker.normale[0].gesetzt || s.anker.d[0].gesetzt ||
                     s.anker.ebenePar[1][0].gesetzt);
    }
    {
        TestBlatt b;
        Ergebnis_EbenenPar_EbenePar(
            b.s, E1, ebenePar(punkt(0, 0, 0), punkt(1, 1, 0), punkt(0, 0, 1), "E2: "), b.x, b.y);
        const Sheet& s = b.s;
        EXPECT_TRUE(inFolge(texte(s), {"E1 schneidet E2 !", "Schnittwinkel = 90"}));
        EXPECT_TRUE(s.anker.ebenePar[0][2].gesetzt && s.anker.ebenePar[1][2].gesetzt);
        EXPECT_FALSE(s.anker.normale[0].gesetzt || s.anker.normale[1].gesetzt);
    }
}
