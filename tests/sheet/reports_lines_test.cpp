// The line reports, read back from the sheet's text log. Expected values are worked out by hand;
// rows are counted from the report's first row (12 px each), columns in widths of "M" (7 px).
#include "core/errors.h"
#include "report_test_util.h"
#include "sheet/reports_lines.h"

#include <gtest/gtest.h>

using namespace berichttest;

namespace {
using Reihen = std::vector<int>;
const TGerade Achse = gerade(punkt(0, 0, 0), punkt(1, 0, 0));
} // namespace

TEST(LineReport, LineThroughTheOriginOrWithAPerpendicular) {
    // Angles with the planes: 90 minus arccos(2/3), arccos(1/3), arccos(2/3) with the normals.
    TestBlatt b;
    const Texte t = bericht(b, Ergebnis_Gerade, gerade(punkt(0, 0, 0), punkt(1, 2, 2)));
    const Sheet& s = b.s;
    EXPECT_TRUE(inFolge(t, {"g: x = ", "Abstand vom Ursprung: d = 0", "g geht durch den Ursprung !",
                            "Spurpunkte:", "Projektionsgeraden:"}));
    EXPECT_TRUE(amStueck(t, {"Schnittwinkel mit den Koordinatenebenen:", "ß12 = 41.810",
                             "ß23 = 19.471", "ß13 = 41.810"}));
    EXPECT_EQ(t.back(), "ß13 = 41.810");
    EXPECT_EQ(
        reihen(s, {"Abstand vom Ursprung: d = 0", "g geht durch den Ursprung !", "Spurpunkte:"}),
        (Reihen{4, 6, 8}));
    // The angles follow the last projection line after one blank row.
    const SheetText* w = finde(s, "Schnittwinkel mit den Koordinatenebenen:");
    EXPECT_EQ(w->y, (w - 1)->y + 2 * s.h());
    EXPECT_GT(b.y, s.protokoll().back().y);
    // The input line in dark red, everything computed in black.
    EXPECT_EQ(finde(s, "g: x = ")->farbe, farbe::Dunkelrot);
    EXPECT_EQ(finde(s, "Abstand vom Ursprung: d = 0")->farbe, farbe::Schwarz);

    // Foot of the perpendicular: t = 2/2 = 1 on (2,0,0) + t(-1,1,0), so L = (1,1,0) at √2.
    TestBlatt l;
    EXPECT_TRUE(inFolge(bericht(l, Ergebnis_Gerade, gerade(punkt(2, 0, 0), punkt(-1, 1, 0))),
                        {"Abstand vom Ursprung: d = 1.414", "Lotgerade vom Ursprung:",
                         "Lotfußpunkt:", "L(1/1/0)", "Spurpunkte:", "S23(0/2/0)", "S13(2/0/0)",
                         "ß12 = 0.000", "ß23 = 45.000", "ß13 = 45.000"}));
    EXPECT_EQ(reihen(l.s, {"Lotgerade vom Ursprung:", "Lotfußpunkt:", "L(1/1/0)", "Spurpunkte:"}),
              (Reihen{6, 10, 11, 14}));
    EXPECT_EQ(zeileMit(l.s, "l: x = "), " l: x = | 0 | + r | -1 |");
}

TEST(LineReport, LineThroughTwoPoints) {
    TestBlatt b;
    const TPunkt A = punkt(1, 2, 3, farbe::Rot, "A"), B = punkt(3, 6, 9, farbe::Rot, "B");
    EXPECT_TRUE(inFolge(bericht(b, Ergebnis_Gerade2Punkte, A, B, gerade(A, punkt(2, 4, 6))),
                        {"Gerade durch zwei Punkte:", "Punkte:", "A(1/2/3)", "B(3/6/9)", Strich,
                         "Gerade:", "g: x = ", "Abstand vom Ursprung: d = 0",
                         "g geht durch den Ursprung !"}));
    EXPECT_EQ(reihen(b.s, {"B(3/6/9)", Strich, "g: x = ", "Abstand vom Ursprung: d = 0"}),
              (Reihen{4, 6, 9, 12}));
}

TEST(LineReport, PointBesideOrOnTheLine) {
    // A = (3,2,0), g: (1,0,0) + t(0,1,0): foot (1,2,0) at 2, mirror point (-1,2,0),
    // mirror line through 2A - p = (5,4,0).
    const TGerade g = gerade(punkt(1, 0, 0), punkt(0, 1, 0));
    TestBlatt b;
    const Sheet& s = b.s;
    EXPECT_TRUE(inFolge(
        bericht(b, Ergebnis_Gerade_Punkt, g, punkt(3, 2, 0, farbe::Rot, "A")),
        {"Gerade mit Punkt:", "Gerade:", "g: x = ", "Abstand vom Ursprung: d = 1",
         "Spurpunkte:", "S13(1/0/0)", Strich, "Punkt:", "A(3/2/0)", "Abstand von g: d =2",
         "Lotgerade vom Punkt:", "l: x = ", "LotFußpunkt: ", "L(1/2/0)", Strich,
         "Spiegelpunkt von A an g:", "SpA(-1/2/0)", "Spiegelgerade g´ von g an A:", "g´:  x = "}));
    EXPECT_EQ(reihen(s, {"Abstand vom Ursprung: d = 1"}), Reihen{7});
    EXPECT_EQ(zeileMit(s, "l: x = "), " l: x = | 2 | + r | 0 |");
    // The name "g´: " keeps its blank before " x = ".
    EXPECT_EQ(zeileMit(s, "g´:  x = "), " g´:  x = | 4 | + r | 1 |");
    // Clicks inside the anchors hit the intended numbers: the point's coordinates, the first row
    // of the support point (1,0,0), the second of the direction (0,1,0).
    EXPECT_EQ(imPunkt(s, s.anker.punkt[0]), "320");
    EXPECT_EQ(
        std::make_pair(inSpalte(s, s.anker.gerade[0][0], 0), inSpalte(s, s.anker.gerade[0][1], 1)),
        std::make_pair('1', '1'));
    EXPECT_EQ(s.anker.gerade[0][1].y0, 14 + 3 * s.h());

    TestBlatt auf;
    const Texte t = bericht(auf, Ergebnis_Gerade_Punkt, g, punkt(1, 5, 0, farbe::Rot, "A"));
    EXPECT_TRUE(inFolge(t, {"A(1/5/0)", "Abstand von g: d =0", "P liegt auf g !"}));
    EXPECT_EQ(zeilenAbstand(auf.s, "Abstand von g: d =0", "P liegt auf g !"), 2);
    EXPECT_EQ(t.back(), "P liegt auf g !");
}

TEST(LineReport, TwoLinesByTheirRelation) {
    // Skew: common perpendicular from (0,0,0) to (0,1,0), distance 1.
    TestBlatt b;
    const Sheet& s = b.s;
    EXPECT_TRUE(inFolge(
        bericht(b, Ergebnis_ZweiGeraden, Achse, gerade(punkt(0, 1, 1), punkt(0, 0, 1), "h:")),
        {" Gerade 1:", "g: x = ", "Abstand vom Ursprung: d = 0", "Spurpunkte:", Strich,
         " Gerade 2:", "h: x = ", "Abstand vom Ursprung: e = 1",
         "Spurpunkte:", "Die Geraden sind windschief !",
         "Gemeinsame Lotgerade:", "l: x = ", "Lotfußpunkte:", "L1(0/0/0)", "L2(0/1/0)"}));
    EXPECT_EQ(zeileMit(s, "Abstand: d ="), " Abstand: d =    1.000");
    const SheetText* w = finde(s, "Die Geraden sind windschief !");
    EXPECT_EQ(w->y, (w - 1)->y + 6 * s.h()); // 5 rows below the last trace point's

    // Parallel: (1,0,0) lies √(13/14) = 0.9636 from (0,0,0) + t(1,2,3).
    const TGerade g = gerade(punkt(0, 0, 0), punkt(1, 2, 3));
    TestBlatt par, id, sn;
    EXPECT_TRUE(amStueck(
        bericht(par, Ergebnis_ZweiGeraden, g, gerade(punkt(1, 0, 0), punkt(-1, -2, -3), "h:")),
        {"Die Geraden sind parallel !", "Abstand: d =    0.964"}));
    EXPECT_EQ(
        bericht(id, Ergebnis_ZweiGeraden, g, gerade(punkt(2, 4, 6), punkt(2, 4, 6), "h:")).back(),
        "Die Geraden sind identisch !");
    // Intersecting at (2,0,0) under 45 degrees.
    EXPECT_TRUE(inFolge(
        bericht(sn, Ergebnis_ZweiGeraden, Achse, gerade(punkt(2, 0, 0), punkt(1, 1, 0), "h:")),
        {"Abstand vom Ursprung: e = 1.414", "Die Geraden schneiden sich.",
         "Schnittpunkt:", "S(2/0/0)", "Schnittwinkel: ß = 45.000"}));
}

TEST(LineReport, LineThroughAPointMeetingTwoLines) {
    const TPunkt P = punkt(0, 0, 2, farbe::Rot, "P");
    const TGerade g2 = gerade(punkt(4, 1, -1), punkt(0, 1, 1), "h:");
    // The plane through P and g1 is x2 = 0; g2 meets it in S = (4,0,-2); f: P + r(4,0,-4)
    // meets g1 in T = (2,0,0).
    TestBlatt b;
    const Texte t = bericht(b, Ergebnis_Punkt_ZweiGeraden, P, Achse, g2);
    EXPECT_TRUE(inFolge(t, {Strich, "Punkt:", "P(0/0/2)",
                            "Gerade 1:", "g: x = ", "Abstand vom Ursprung: d = 0", Strich,
                            "Gerade 2:", "h: x = ", "Abstand vom Ursprung: e = 4.243", Strich,
                            "Rechenergebnisse", Strich, "Gerade durch P,g1,g1:", "f: x = ",
                            "Schnittpunkte mit g1 bzw. g2:", "T(2/0/0)", "S(4/0/-2)"}));
    EXPECT_EQ(t.back(), Strich);
    EXPECT_EQ(zeileMit(b.s, "f: x = "), " f: x = | 0 | + r |  0 |");

    TestBlatt auf, par;
    EXPECT_TRUE(
        amStueck(bericht(auf, Ergebnis_Punkt_ZweiGeraden, punkt(3, 0, 0, 0, "P"), Achse, g2),
                 {"Rechenergebnisse", Strich,
                  "P liegt auf einer der Geraden:", "Berechnung nicht möglich !", Strich}));
    EXPECT_EQ(zeilenAbstand(auf.s, "P liegt auf einer der Geraden:", "Berechnung nicht möglich !"),
              1);
    // g2 is parallel to the plane x2 = 0 through P and g1; the lines themselves are skew.
    EXPECT_TRUE(amStueck(
        bericht(par, Ergebnis_Punkt_ZweiGeraden, P, Achse,
                gerade(punkt(0, 1, 0), punkt(0, 0, 1), "h:")),
        {"Keine Gerade durch P trifft g1 und g2.", "Eindeutige Lösung nicht möglich !", Strich}));
}

TEST(LineReport, MathErrorStopsTheReportAndKeepsWhatWasWritten) {
    TestBlatt b;
    EXPECT_THROW(bericht(b, Ergebnis_Gerade, gerade(punkt(1, 0, 0), punkt(0, 0, 0))), MathError);
    EXPECT_TRUE(hatText(b.s, "g: x = ") && !hatText(b.s, "Spurpunkte:"));
}
