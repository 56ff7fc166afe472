// The point, segment, division-ratio, triangle and tetrahedron reports, read back from the text
// log. Expected texts are worked out by hand; rows are 12 px, characters 7 px.
#include "core/errors.h"
#include "report_test_util.h"
#include "sheet/reports_figures.h"

#include <gtest/gtest.h>

using namespace berichttest;

namespace {
const std::string Trenner(32, '-');

// The character of the point's first, second and third coordinate that a click hits: the last
// character before the first "/", the first after it, the first of the third coordinate.
std::string angeklickt(const Sheet& s, const PunktAnker& a) {
    const int y = a.y + s.h() / 2;
    return {zeichenBei(s, a.x2 - 1, y), zeichenBei(s, a.x2 + s.breiteM() + 1, y),
            zeichenBei(s, a.x3 + 1, y)};
}
} // namespace

TEST(ReportPunkt, DistanceAndAnglesWithTheAxes) {
    TestBlatt b;
    Ergebnis_punkt(b.s, punkt(1, 2, 2, 0x0000FF, "P"), b.x, b.y);
    // |OP| = 3; cos alpha = 1/3, cos beta = cos gamma = 2/3.
    EXPECT_TRUE(
        amStueck(texte(b.s), {"Ergebnisse:", "Punkt:", "P(1/2/2)", "Abstand vom Ursprung: d = 3",
                              Trenner, "Winkel der Strecke OP zu den", "Koordinatenachsen:", "",
                              "X1-Achse: alpha = 70.529", "X2-Achse: beta  = 48.19",
                              "X3-Achse: gamma = 48.19", Trenner}));
    EXPECT_EQ(texte(b.s).size(), 12u);
    EXPECT_EQ(finde(b.s, "P(1/2/2)")->farbe, farbe::Dunkelrot);
    EXPECT_EQ(finde(b.s, "Abstand vom Ursprung: d = 3")->farbe, farbe::Schwarz);
    EXPECT_EQ(finde(b.s, "P(1/2/2)")->y, 26);
    EXPECT_EQ(zeilenAbstand(b.s, "P(1/2/2)", "Abstand vom Ursprung: d = 3"), 1);
    EXPECT_EQ(zeilenAbstand(b.s, "P(1/2/2)", Trenner), 3);
    EXPECT_EQ(zeilenAbstand(b.s, "Koordinatenachsen:", "X1-Achse: alpha = 70.529"), 2);
    ASSERT_TRUE(b.s.anker.punkt[0].gesetzt);
    EXPECT_EQ(angeklickt(b.s, b.s.anker.punkt[0]), "122");
}

TEST(ReportPunkt, OriginStopsAtTheAnglesWithWhatWasWritten) {
    TestBlatt b;
    EXPECT_THROW(Ergebnis_punkt(b.s, punkt(0, 0, 0, 0, "P"), b.x, b.y), MathError);
    const auto t = texte(b.s);
    EXPECT_EQ(t.back(), "");
    EXPECT_TRUE(inFolge(t, {"P(0/0/0)", "Abstand vom Ursprung: d = 0", "Koordinatenachsen:"}));
    EXPECT_FALSE(findeTeil(b.s, "X1-Achse"));
}

TEST(ReportLinie, LengthAndMidpointOnTheSameRow) {
    TestBlatt b;
    TStrecke st{punkt(0, 0, 0, 0, "P"), punkt(2, 4, 4, 0, "Q"), 0};
    Ergebnis_Linie(b.s, st, b.x, b.y);
    EXPECT_TRUE(amStueck(texte(b.s), {"P(0/0/0)", "Q(2/4/4)", "Länge der Strecke: d = 6",
                                      "Mittelpunkt:", "M(1/2/2)"}));
    const SheetText* m = finde(b.s, "M(1/2/2)");
    EXPECT_EQ(m->y, finde(b.s, "Mittelpunkt:")->y);
    EXPECT_EQ(m->x, 4 + 13 * 7); // after "Mittelpunkt: "
    EXPECT_EQ(m->farbe, farbe::Schwarz);
    EXPECT_EQ(finde(b.s, "Q(2/4/4)")->farbe, farbe::Dunkelrot);
    EXPECT_EQ(angeklickt(b.s, b.s.anker.punkt[1]), "244");
}

TEST(ReportTeilverhaeltnis, InnerPointAndItsHarmonicConjugate) {
    TestBlatt b;
    Ergebnis_Teilverhaeltnis(b.s, punkt(0, 0, 0, 0, "A"), punkt(2, 0, 0, 0, "B"),
                             punkt(0.5, 0, 0, 0, "T"), b.x, b.y);
    EXPECT_TRUE(amStueck(
        texte(b.s), {"A(0/0/0)", "B(2/0/0)", "T(0.5/0/0)", "T ist ein Teilpunkt der Strecke AB",
                     "Teilverhaeltnis:", "AT:TB = tau = 0.333", "Länge AB = 2", "Länge AT = 0.5",
                     "Länge TB = 1.5", "Vierter harmonischer Punkt:", "T´(-1/0/0)", "Länge AT´ = 1",
                     "Länge T´B = 3"}));
    EXPECT_EQ(texte(b.s).back(), "Länge T´B = 3");
    EXPECT_EQ(zeilenAbstand(b.s, "T(0.5/0/0)", "T ist ein Teilpunkt der Strecke AB"), 2);
    EXPECT_EQ(zeilenAbstand(b.s, "AT:TB = tau = 0.333", "Länge AB = 2"), 2);
    EXPECT_EQ(zeilenAbstand(b.s, "Länge TB = 1.5", "Vierter harmonischer Punkt:"), 2);
    EXPECT_EQ(zeilenAbstand(b.s, "T´(-1/0/0)", "Länge AT´ = 1"), 2);
    EXPECT_EQ(finde(b.s, "T´(-1/0/0)")->farbe, farbe::Schwarz);
    EXPECT_EQ(angeklickt(b.s, b.s.anker.punkt[2]), "500");
}

TEST(ReportTeilverhaeltnis, OuterPointGetsTheInnerConjugate) {
    // T beyond B: |AT| = 3, |TB| = 1. The harmonic conjugate divides AB inside in 3 : 1, at 1.5
    // (the formula with the unsigned ratio would give T itself).
    TestBlatt b;
    Ergebnis_Teilverhaeltnis(b.s, punkt(0, 0, 0, 0, "A"), punkt(2, 0, 0, 0, "B"),
                             punkt(3, 0, 0, 0, "T"), b.x, b.y);
    EXPECT_TRUE(amStueck(texte(b.s), {"AT:TB = tau = 3", "Länge AB = 2", "Länge AT = 3",
                                      "Länge TB = 1", "Vierter harmonischer Punkt:", "T´(1.5/0/0)",
                                      "Länge AT´ = 1.5", "Länge T´B = 0.5"}));
}

TEST(ReportTeilverhaeltnis, MidpointOffLineAndTEqualB) {
    TestBlatt mitte;
    Ergebnis_Teilverhaeltnis(mitte.s, punkt(0, 0, 0, 0, "A"), punkt(2, 0, 0, 0, "B"),
                             punkt(1, 0, 0, 0, "T"), mitte.x, mitte.y);
    EXPECT_TRUE(inFolge(texte(mitte.s), {"AT:TB = tau = 1", "Länge TB = 1"}));
    EXPECT_EQ(texte(mitte.s).back(), "Länge TB = 1");
    EXPECT_FALSE(finde(mitte.s, "Vierter harmonischer Punkt:") != nullptr);

    TestBlatt neben;
    Ergebnis_Teilverhaeltnis(neben.s, punkt(0, 0, 0, 0, "A"), punkt(2, 0, 0, 0, "B"),
                             punkt(1, 1, 0, 0, "T"), neben.x, neben.y);
    EXPECT_EQ(texte(neben.s).back(), "T ist kein Teilpunkt der Strecke AB");
    EXPECT_EQ(texte(neben.s).size(), 5u);
    EXPECT_EQ(zeilenAbstand(neben.s, "T(1/1/0)", "T ist kein Teilpunkt der Strecke AB"), 2);

    TestBlatt gleich;
    EXPECT_THROW(Ergebnis_Teilverhaeltnis(gleich.s, punkt(0, 0, 0, 0, "A"), punkt(2, 0, 0, 0, "B"),
                                          punkt(2, 0, 0, 0, "T"), gleich.x, gleich.y),
                 MathError);
    EXPECT_EQ(texte(gleich.s).back(), "T(2/0/0)");
}

TEST(ReportDreieck, RightTriangleThreeFourFive) {
    TestBlatt b;
    TDreieck d{punkt(0, 0, 0, 0, "A"), punkt(4, 0, 0, 0, "B"), punkt(0, 3, 0, 0, "C"), 0};
    Ergebnis_Dreieck(b.s, d, b.x, b.y);
    const auto t = texte(b.s);
    EXPECT_TRUE(amStueck(t, {"A(0/0/0)", "B(4/0/0)", "C(0/3/0)", Trenner}));
    EXPECT_TRUE(inFolge(t, {"Ebene durch drei Punkte:", "In Normalenform:"}));
    EXPECT_TRUE(amStueck(t, {"Abstand vom Ursprung:", "d = 0", "Schwerpunkt:", "S(1.333/1/0)",
                             "Dreiecksfläche:", "A = 6", "Seitengeraden:"}));
    // cos ß = 16/20, cos gamma = 9/15.
    EXPECT_TRUE(amStueck(
        t, {"Dreieckswinkel:", "  Alpha = 90  (alpha´=90)", "  ß     = 36.87  (ß´    =143.13)",
            "  Gamma = 53.13  (Gamma´=126.87)", "Seitenlängen:", "  a = 5; b = 3; c = 4",
            "Höhenfußpunkte:", "  Ha(1.44/1.92/0)", "  Hb(0/0/0)", "  Hc(0/0/0)"}));
    EXPECT_EQ(t.back(), "  Hc(0/0/0)");
    EXPECT_TRUE(inFolge(
        t, {"Seitengeraden:", "g(A,B): x = ", "g(B,C): x = ", "g(A,C): x = ", "Dreieckswinkel:"}));
    EXPECT_EQ(zeilenAbstand(b.s, "C(0/3/0)", "Ebene durch drei Punkte:"), 3);
    EXPECT_EQ(zeilenAbstand(b.s, "d = 0", "Schwerpunkt:"), 2);
    EXPECT_EQ(zeilenAbstand(b.s, "A = 6", "Seitengeraden:"), 2);
    EXPECT_EQ(zeilenAbstand(b.s, "g(A,C): x = ", "Dreieckswinkel:"), 3);
    EXPECT_EQ(zeilenAbstand(b.s, "  Gamma = 53.13  (Gamma´=126.87)", "Seitenlängen:"), 2);
    EXPECT_EQ(zeilenAbstand(b.s, "  a = 5; b = 3; c = 4", "Höhenfußpunkte:"), 2);
    EXPECT_EQ(angeklickt(b.s, b.s.anker.punkt[1]), "400");
}

namespace {
const TViereck Einheitstetraeder{punkt(0, 0, 0, 0, "A"), punkt(1, 0, 0, 0, "B"),
                                 punkt(0, 1, 0, 0, "C"), punkt(0, 0, 1, 0, "D"), 0};
}

TEST(ReportTetraeder, FacesVolumeAndFeet) {
    TestBlatt b;
    Ergebnis_Tetraeder(b.s, Einheitstetraeder, b.x, b.y);
    const auto t = texte(b.s);
    EXPECT_TRUE(amStueck(t, {"A(0/0/0)", "B(1/0/0)", "C(0/1/0)", "D(0/0/1)", Trenner,
                             "Ebene ABC:  DreiecksFläche = 0.5"}));
    // BCD is equilateral with side √2: area √3/2.
    EXPECT_TRUE(inFolge(t, {"Ebene ABC:  DreiecksFläche = 0.5", "Ebene ABD:  DreiecksFläche = 0.5",
                            "Ebene ACD:  DreiecksFläche = 0.5",
                            "Ebene BCD:  DreiecksFläche = 0.866", Trenner}));
    EXPECT_TRUE(amStueck(t, {Trenner, "Tetraedervolumen:", "V = 0.167", Trenner,
                             "Höhenfußpunkte:", "  Fd(0/0/0)", "  Fc(0/0/0)", "  Fb(0/0/0)",
                             "  Fa(0.333/0.333/0.333)"}));
    EXPECT_EQ(t.back(), "  Fa(0.333/0.333/0.333)");
    // Face heading, parameter form one row below, normal form four rows further.
    EXPECT_EQ(
        zeilenAbstand(b.s, "Ebene ABC:  DreiecksFläche = 0.5", "Ebene ABD:  DreiecksFläche = 0.5"),
        9);
    EXPECT_TRUE(findeTeil(b.s, "ABC: "));
    EXPECT_EQ(angeklickt(b.s, b.s.anker.punkt[3]), "001");
    EXPECT_FALSE(b.s.anker.ebenePar[0][0].gesetzt); // the faces are not editable
    EXPECT_FALSE(b.s.anker.normale[0].gesetzt);
}

TEST(ReportTetraederEbene, PlaneMeetingThreeEdgeLines) {
    TestBlatt b;
    Szene szene;
    TEbeneNorm E{punkt(0, 0, 1), 0.5, 0x456, "E: "};
    Ergebnis_Tetraeder_Ebene(b.s, szene, Einheitstetraeder, E, b.x, b.y);
    const auto t = texte(b.s);
    // The plane x3 = 0.5 is parallel to AB, BC and AC and halves BD, AD and CD.
    ASSERT_GE(t.size(), 5u);
    EXPECT_TRUE(amStueck(t, {"Schnitt: Tetraederkanten mit Ebene:", "Sbd(0.5/0/0.5)",
                             "Sad(0/0/0.5)", "Scd(0/0.5/0.5)", Trenner}));
    EXPECT_EQ(t.back(), Trenner);
    EXPECT_TRUE(
        inFolge(t, {"  Fa(0.333/0.333/0.333)", Trenner, "Schnitt: Tetraederkanten mit Ebene:"}));
    // One blank row between the tetrahedron and the separator before the plane.
    const auto& log = b.s.protokoll();
    for (std::size_t i = 0; i + 1 < log.size(); ++i)
        if (log[i].text == "  Fa(0.333/0.333/0.333)") {
            EXPECT_EQ(log[i + 1].text, Trenner);
            EXPECT_EQ(log[i + 1].y - log[i].y, 2 * b.s.h());
        }

    const int da[6] = {0, 0, 0, 1, 1, 1};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(szene.SzeneSchnittpunktDa[i], da[i]) << i;
    const TPunkt& sbd = szene.SzeneSchnittpunkte[3];
    EXPECT_EQ(sbd.Name, "Sbd");
    EXPECT_EQ(sbd.Farbe, 0x456u);
    EXPECT_DOUBLE_EQ(sbd.x, 0.5);
    EXPECT_DOUBLE_EQ(sbd.z, 0.5);
    EXPECT_EQ(szene.SzeneSchnittpunkte[0].Name, "Sab");

    // The corners and the given plane are editable.
    EXPECT_EQ(angeklickt(b.s, b.s.anker.punkt[2]), "010");
    EXPECT_TRUE(b.s.anker.normale[0].gesetzt);
    EXPECT_TRUE(b.s.anker.d[0].gesetzt);
}
