// Reports on decimal input that used to go wrong by rounding, and the sheet window starting each
// new report at its top.
#include "report_test_util.h"
#include "sheet/reports_figures.h"
#include "sheet/reports_lines.h"
#include "sheet/reports_spheres.h"
#include "sheet/reports_vectors.h"
#include "sheet/sheet_window.h"

#include <QApplication>
#include <QScrollBar>

#include <regex>

using namespace berichttest;

namespace {

// No number on the sheet with 13 or more digits before the point (magnitude above 1e12).
::testing::AssertionResult ohneRiesenzahl(const Texte& t) {
    static const std::regex riesig("[0-9]{13,}");
    for (const auto& z : t)
        if (std::regex_search(z, riesig)) return ::testing::AssertionFailure() << z;
    return ::testing::AssertionSuccess();
}

TKugel kugel(double x, double y, double z, double r) {
    return TKugel{punkt(x, y, z, farbe::Rot, "M"), r, "K: ", farbe::Rot};
}

} // namespace

TEST(DezimalBerichte, SphereAndPlaneTouchingThroughTheCentreOrMissing) {
    const TKugel K = kugel(1.04, -2.51, -2.26, 0.3);
    // n = (−1, 4, 8), |n| = 9, d = n·m + 9r: tangent plane (was "schneidet" with r = 0.000).
    TestBlatt tang;
    const Texte t = bericht(tang, Ergebnis_Kugel_Ebene, K, ebeneNorm(punkt(-1, 4, 8), -26.46));
    EXPECT_TRUE(amStueck(t, {"Ebene ist Tangentialebene:", "Berührpunkt:"}));
    EXPECT_TRUE(ohneRiesenzahl(t));
    // n·m = −3.824: through the centre, so no pole (it was printed near 1e15).
    TestBlatt durch;
    const Texte d = bericht(durch, Ergebnis_Kugel_Ebene, K, ebeneNorm(punkt(-1, 3, -2.1), -3.824));
    EXPECT_EQ(d.back(), "Ebene geht durch M: kein Pol !");
    EXPECT_TRUE(ohneRiesenzahl(d));
    // x3 = 0.5 misses: the pole exists, and the cone rows follow with volume 0.
    TestBlatt weg;
    const Texte w = bericht(weg, Ergebnis_Kugel_Ebene, K, ebeneNorm(punkt(0, 0, 1), 0.5));
    EXPECT_TRUE(inFolge(w, {"Ebene schneidet Kugel nicht !", "Pol:", "Abstand: Pol-Polarebene:",
                            "Tangetialkegel vom Pol aus:", "Volumen = 0.000"}));
}

TEST(DezimalBerichte, FiguresLinesAndVectors) {
    // Midpoint (0.4, 0, 0) of (0.1, 0, 0) and (0.7, 0, 0): no T´ near 1.4e15.
    TestBlatt tv;
    const Texte m = bericht(tv, Ergebnis_Teilverhaeltnis, punkt(0.1, 0, 0, 0, "A"),
                            punkt(0.7, 0, 0, 0, "B"), punkt(0.4, 0, 0, 0, "T"));
    EXPECT_EQ(m.back(), "T ist Mittelpunkt: kein vierter harmonischer Punkt");
    EXPECT_TRUE(ohneRiesenzahl(m));

    // Parallelogram from three points of one line: no rhombus of area 0.
    const TDreieck abc{punkt(0.1, 0.2, 0.3, 0, "A"), punkt(1.3, 2.6, 3.9, 0, "B"),
                       punkt(0.7, 1.4, 2.1, 0, "C"), farbe::Blau};
    TestBlatt pg;
    Ergebnis_Parallelogramm(pg.s, abc, pg.x, pg.y);
    const Texte p = texte(pg.s);
    EXPECT_EQ(p.back(), "  Die Punkte liegen auf einer Geraden --> kein Viereck !");
    EXPECT_FALSE(hatText(pg.s, "  --> hier: sogar Raute"));

    // The same line with another support point.
    TestBlatt zg;
    EXPECT_EQ(bericht(zg, Ergebnis_ZweiGeraden, gerade(punkt(18.9, 2.25, 0), punkt(0.3, 0.7, 1.1)),
                      gerade(punkt(21, 7.15, 7.7), punkt(0.6, 1.4, 2.2), "h:"))
                  .back(),
              "Die Geraden sind identisch !");

    // Skew lines (the x1-axis and a parallel to the x3-axis through (0, 1.5, 0)) whose second
    // line is parallel to the plane of P and the first: never called parallel.
    TestBlatt pzg;
    const Texte s = bericht(pzg, Ergebnis_Punkt_ZweiGeraden, punkt(0.25, 0, 2.5, 0, "P"),
                            gerade(punkt(0, 0, 0), punkt(1.5, 0, 0)),
                            gerade(punkt(0, 1.5, 0), punkt(0, 0, 0.7), "h:"));
    EXPECT_TRUE(amStueck(
        s, {"Keine Gerade durch P trifft g1 und g2.", "Eindeutige Lösung nicht möglich !"}));
    EXPECT_FALSE(hatText(pzg.s, "Die beiden Geraden sind parallel."));

    // c = 2b − a: dependent (the determinant's remainder said independent).
    TestBlatt la;
    bericht(la, Ergebnis_LineareAbh3, punkt(0.1, 0.2, 0.3, 0, "a"), punkt(0.4, 0.5, 0.6, 0, "b"),
            punkt(0.7, 0.8, 0.9, 0, "c"));
    EXPECT_TRUE(hatText(la.s, "abhängig !"));
    EXPECT_FALSE(hatText(la.s, "unabhängig !"));
}

TEST(DezimalBerichte, ANewReportStartsAtTheTopOfTheSheet) {
    bool farbig = true;
    Sheet s(10, 10, farbig);
    TErgebnisDLG fenster(s);
    fenster.setzeGeometrie(0, 0, 200, 150);
    fenster.show();
    QApplication::processEvents();
    QScrollBar* senkrecht = fenster.verticalScrollBar();
    ASSERT_GT(senkrecht->maximum(), 100);
    auto unten = [&] {
        senkrecht->setValue(senkrecht->maximum());
        fenster.horizontalScrollBar()->setValue(50);
    };

    unten();
    s.loeschen(); // a task writes a new report
    EXPECT_EQ(senkrecht->value(), 0);
    EXPECT_EQ(fenster.horizontalScrollBar()->value(), 0);

    // A click on a number writes the report again where the user is looking.
    fenster.mausGedrueckt = [&](bool, int, int) { s.loeschen(); };
    unten();
    const int vorher = senkrecht->value();
    fenster.bildGeklickt(true, 10, 10);
    EXPECT_EQ(senkrecht->value(), vorher);
    s.loeschen();
    EXPECT_EQ(senkrecht->value(), 0);
}
