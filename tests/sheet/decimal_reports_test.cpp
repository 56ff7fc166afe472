// Reports on decimal input that used to go wrong by rounding, run as the menu runs them, and
// the sheet window starting each new report at its top.
#include "app/headless_session.h"
#include "app/tasks.h"
#include "sheet/sheet_window.h"

#include <QApplication>
#include <QScrollBar>

#include <gtest/gtest.h>

#include <regex>
#include <sstream>

TEST(DezimalBerichte, RoundingRemaindersTakeNoWrongBranch) {
    const struct {
        const char* task;
        const char* fields;
        std::vector<std::string> expected; // these rows in this order
        const char* absent;                // and never this row
    } faelle[] = {
        // Sphere m = (1.04, -2.51, -2.26), r = 0.3; n = (-1, 4, 8), |n| = 9, d = n·m + 9r: the
        // plane touches (it was "schneidet" with r = 0.000).
        {"Kugel/Kugel mit Ebene/Kugel in Mittelpunktsform/Ebene in Normalenform",
         "-1 4 8 -26.46 1.04 -2.51 -2.26 0.3",
         {"Ebene ist Tangentialebene:", "Berührpunkt:"},
         "Ebene schneidet Kugel:"},
        // n·m = -3.824: through the centre, so no pole (it was printed near 1e15).
        {"Kugel/Kugel mit Ebene/Kugel in Mittelpunktsform/Ebene in Normalenform",
         "-1 3 -2.1 -3.824 1.04 -2.51 -2.26 0.3",
         {"Ebene geht durch M: kein Pol !"},
         "Pol:"},
        // x3 = 0.5 misses the sphere: the pole exists, and the cone rows follow.
        {"Kugel/Kugel mit Ebene/Kugel in Mittelpunktsform/Ebene in Normalenform",
         "0 0 1 0.5 1.04 -2.51 -2.26 0.3",
         {"Ebene schneidet Kugel nicht !",
          "Pol:", "Abstand: Pol-Polarebene:", "Tangetialkegel vom Pol aus:", "Volumen = 0.000"},
         ""},
        // T = (0.4, 0, 0) is the midpoint of (0.1, 0, 0) and (0.7, 0, 0): no T´ near 1.4e15.
        {"Punkte/Teilverhältnis",
         "0.1 0 0 0.7 0 0 0.4 0 0",
         {"T ist Mittelpunkt: kein vierter harmonischer Punkt"},
         ""},
        // Three points of one line are no parallelogram (it was "sogar Raute" with area 0).
        {"Punkte/Parallelogramm",
         "0.1 0.2 0.3 1.3 2.6 3.9 0.7 1.4 2.1",
         {"  Die Punkte liegen auf einer Geraden --> kein Viereck !"},
         "  --> hier: sogar Raute"},
        // The same line with another support point (it was "parallel" at distance 0.000).
        {"Gerade/Gerade mit Gerade",
         "18.9 2.25 0 0.3 0.7 1.1 21 7.15 7.7 0.6 1.4 2.2",
         {"Die Geraden sind identisch !"},
         ""},
        // Skew lines, the second parallel to the plane of P and the first: never "parallel".
        {"Gerade/Gerade-Punkt-Gerade",
         "0.25 0 2.5 0 0 0 1.5 0 0 0 1.5 0 0 0 0.7",
         {"Keine Gerade durch P trifft g1 und g2.", "Eindeutige Lösung nicht möglich !"},
         "Die beiden Geraden sind parallel."},
        // r = 2q - p: dependent (the determinant's remainder said independent).
        {"Vektor/Lineare Abhängigkeit/3 Vektoren",
         "0.1 0.2 0.3 0.4 0.5 0.6 0.7 0.8 0.9",
         {"abhängig !"},
         "unabhängig !"},
    };
    static const std::regex riesig("[0-9]{13,}"); // a number above 1e12
    for (const auto& f : faelle) {
        SCOPED_TRACE(std::string(f.task) + " " + f.fields);
        std::ostringstream meldungen;
        HeadlessSession s(meldungen);
        std::istringstream in(f.fields);
        std::vector<std::string> texte;
        for (std::string t; in >> t;) texte.push_back(t);
        const TaskSpec* task = findTaskByPath(f.task);
        ASSERT_NE(task, nullptr);
        s.runTask(*task, texte);
        EXPECT_EQ(meldungen.str(), "");
        std::size_t gefunden = 0;
        for (const SheetText& z : s.sheet.protokoll()) {
            if (gefunden < f.expected.size() && z.text == f.expected[gefunden]) ++gefunden;
            EXPECT_NE(z.text, f.absent);
            EXPECT_FALSE(std::regex_search(z.text, riesig)) << z.text;
        }
        EXPECT_EQ(gefunden, f.expected.size());
    }
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
