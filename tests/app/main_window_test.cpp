// The main window: error reporting of menu commands, the closing question, the unit commands,
// the menu modes, the menu bar and the start-up state.
#include "app/main_window.h"
#include "app/program.h"
#include "core/errors.h"
#include "core/trig_tables.h"
#include "drawing/drawing_window.h"
#include "sheet/sheet_window.h"
#include "support/recording_messages.h"

#include <QAction>
#include <QLocale>
#include <QMenuBar>
#include <algorithm>
#include <gtest/gtest.h>

#include <climits>
#include <memory>

namespace {

using E = RecordingMeldungen::Eintrag;

class Hauptfenster : public ::testing::Test {
protected:
    RecordingMeldungen m;
    Programm p{m};
    std::unique_ptr<TForm1> form = std::make_unique<TForm1>(p);

    QAction* aktion(const std::vector<std::string>& pfad) {
        QAction* a = form->menueAktion(pfad);
        if (!a) ADD_FAILURE() << "kein Menüeintrag " << pfad.back();
        return a;
    }
    bool frei(const std::vector<std::string>& pfad) {
        QAction* a = aktion(pfad);
        return a && a->isEnabled();
    }
    void zeigen() {
        form->resize(1000, 700);
        form->show();
    }
};

TEST_F(Hauptfenster, AusnahmeImMenuebefehlGibtZweiKaestenUndDasProgrammLaeuftWeiter) {
    zeigen();
    p.sheet.Outtext(4, 14, "vorige Aufgabe");
    p.szene.art = Szenenart::Punkt;
    const auto protokollVorher = p.sheet.protokoll().size();
    int laeufe = 0;
    form->befehle().registrieren("Punkt1Click", [&] {
        ++laeufe;
        throw MathError(fehlertext::DivisionDurchNull);
    });
    aktion({"&Punkte", "Punkt"})->trigger();
    EXPECT_EQ(m.eintraege, (std::vector<E>{{"piep", ""},
                                           {"fehler", meldung::Eingabefehler},
                                           {"ausnahme", "Gleitkommadivision durch Null"}}));
    EXPECT_EQ(p.szene.art, Szenenart::Punkt);
    EXPECT_EQ(p.sheet.protokoll().size(), protokollVorher);
    EXPECT_EQ(p.sheet.protokoll().back().text, "vorige Aufgabe");

    // The program goes on: the same entry runs again, other commands still work.
    m.leeren();
    aktion({"&Punkte", "Punkt"})->trigger();
    EXPECT_EQ(laeufe, 2);
    EXPECT_EQ(m.arten(), (std::vector<std::string>{"piep", "fehler", "ausnahme"}));
    m.leeren();
    p.ansicht.EinheitenX = p.ansicht.EinheitenY = p.ansicht.EinheitenZ = 10;
    aktion({"Ei&nheiten", "10 Einheiten mehr"})->trigger();
    EXPECT_EQ(p.ansicht.EinheitenX, 20);
    EXPECT_TRUE(m.eintraege.empty());
    EXPECT_TRUE(form->isVisible());

    // Something thrown that is no std::exception gets the two boxes as well.
    form->befehle().registrieren("Punkt1Click", [] { throw 42; });
    aktion({"&Punkte", "Punkt"})->trigger();
    EXPECT_EQ(m.arten(), (std::vector<std::string>{"piep", "fehler", "ausnahme"}));
}

TEST_F(Hauptfenster, SchliessenFragtUndNurJaSchliesst) {
    zeigen();
    m.antwortJa = false;
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(m.eintraege, (std::vector<E>{{"frage", meldung::Beenden}}));

    // "&Beenden" goes through the same question.
    m.leeren();
    aktion({"&Datei", "&Beenden"})->trigger();
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(m.eintraege, (std::vector<E>{{"frage", meldung::Beenden}}));

    m.leeren();
    m.antwortJa = true;
    aktion({"&Datei", "&Beenden"})->trigger();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(m.eintraege, (std::vector<E>{{"frage", meldung::Beenden}}));
}

TEST_F(Hauptfenster, ZehnEinheitenWenigerUndMehrDreidimensional) {
    QAction* weniger = aktion({"Ei&nheiten", "10 Einheiten weniger"});
    QAction* mehr = aktion({"Ei&nheiten", "10 Einheiten mehr"});
    ViewState& v = p.ansicht;
    v.EinheitenX = 15;
    v.EinheitenY = 12;
    v.EinheitenZ = 11;
    weniger->trigger();
    EXPECT_EQ(v.EinheitenX, 5);
    EXPECT_EQ(v.EinheitenY, 2);
    EXPECT_EQ(v.EinheitenZ, 5);
    weniger->trigger(); // 5 -> 5, 2 -> 5
    EXPECT_EQ(v.EinheitenX, 5);
    EXPECT_EQ(v.EinheitenY, 5);
    mehr->trigger();
    mehr->trigger();
    EXPECT_EQ(v.EinheitenX, 25);
    EXPECT_EQ(v.EinheitenY, 25);
    EXPECT_EQ(v.EinheitenZ, 25);
    EXPECT_EQ(v.Einheiten2X, 10); // the plane counts stay
    EXPECT_TRUE(m.eintraege.empty());

    // An overflow is an error, not a wrap, and leaves every count as it was.
    v.EinheitenX = 7;
    v.EinheitenY = INT_MAX - 3;
    v.EinheitenZ = 9;
    mehr->trigger();
    EXPECT_EQ(m.eintraege, (std::vector<E>{{"piep", ""},
                                           {"fehler", meldung::Eingabefehler},
                                           {"ausnahme", "Integer-Überlauf"}}));
    EXPECT_EQ(v.EinheitenX, 7);
    EXPECT_EQ(v.EinheitenY, INT_MAX - 3);
    EXPECT_EQ(v.EinheitenZ, 9);
}

TEST_F(Hauptfenster, ZehnEinheitenInDerEbene) {
    ViewState& v = p.ansicht;
    v.zweidim = true;
    v.Ursprung2X = 300;
    v.Ursprung2Y = 200;
    v.Einheiten2X = 10;
    v.Einheiten2Y = 12;
    v.EinheitenX = 10;
    aktion({"Ei&nheiten", "10 Einheiten mehr"})->trigger();
    EXPECT_EQ(v.Einheiten2X, 20);
    EXPECT_EQ(v.Einheiten2Y, 22);
    EXPECT_EQ(v.Schritt2X, 15); // 300 div 20
    EXPECT_EQ(v.Schritt2Y, 9);  // 200 div 22
    EXPECT_EQ(v.EinheitenX, 10);

    QAction* weniger = aktion({"Ei&nheiten", "10 Einheiten weniger"});
    weniger->trigger(); // 10, 12
    weniger->trigger(); // 0 -> 5, 2
    EXPECT_EQ(v.Einheiten2X, 5);
    EXPECT_EQ(v.Einheiten2Y, 2);
    EXPECT_EQ(v.Schritt2X, 60);
    EXPECT_EQ(v.Schritt2Y, 100);
    EXPECT_TRUE(m.eintraege.empty());
}

TEST_F(Hauptfenster, MenuemodiSchaltenDieEintraegeDerZustandstabelle) {
    zeigen();
    const std::vector<std::vector<std::string>> dreidim = {{"&Punkte"},
                                                           {"&Gerade"},
                                                           {"&Ebene"},
                                                           {"&Kugel"},
                                                           {"&Vektor"},
                                                           {"Beispie&le"},
                                                           {"&Bearbeiten", "Zeichnung löschen"}};
    const std::vector<std::vector<std::string>> affin = {
        {"2-&dim. Geometrie", "Affine Abbildungen", "Objekte - Bildobjekte"},
        {"2-&dim. Geometrie", "Affine Abbildungen", "Optionen"},
        {"2-&dim. Geometrie", "Affine Abbildungen", "Inverse einer Aff. Abbildung"},
        {"2-&dim. Geometrie", "Affine Abbildungen", "Verkettung zweier Abbildungen"}};

    using G = TZeichnungsDlg::Gruppe;
    auto kontext = [&](G g) { return form->zeichnung()->isGroupEnabled(g); };

    // Start: 3-D mode, no map yet.
    for (const auto& e : dreidim) EXPECT_TRUE(frei(e)) << e.back();
    for (const auto& e : affin) EXPECT_FALSE(frei(e)) << e.back();
    EXPECT_TRUE(frei({"Ei&nheiten"}));

    form->dreidim_ausschalten();
    for (const auto& e : dreidim) EXPECT_FALSE(frei(e)) << e.back();
    EXPECT_TRUE(frei({"Ei&nheiten"}));
    EXPECT_TRUE(frei({"2-&dim. Geometrie"}));
    EXPECT_TRUE(frei({"&Matrizen"}));
    EXPECT_FALSE(kontext(G::Gerade));
    EXPECT_FALSE(kontext(G::Ebene));
    EXPECT_FALSE(kontext(G::AffineAbbildungen));

    form->dreidim_einschalten();
    for (const auto& e : dreidim) EXPECT_TRUE(frei(e)) << e.back();
    EXPECT_TRUE(frei({"Ei&nheiten"}));
    EXPECT_TRUE(kontext(G::Gerade));
    EXPECT_TRUE(kontext(G::Ebene));
    EXPECT_FALSE(kontext(G::AffineAbbildungen));

    // Affine mode without a map: plane mode, the four submenus stay off.
    form->zeichnung()->setGroupEnabled(G::Ellipse, true);
    form->affinmodus_einschalten(false);
    for (const auto& e : dreidim) EXPECT_FALSE(frei(e)) << e.back();
    for (const auto& e : affin) EXPECT_FALSE(frei(e)) << e.back();
    EXPECT_FALSE(kontext(G::Gerade));
    EXPECT_FALSE(kontext(G::Ellipse));
    EXPECT_FALSE(kontext(G::ZweidimDreieck));
    EXPECT_TRUE(kontext(G::AffineAbbildungen));
    form->affinmodus_einschalten(true);
    for (const auto& e : affin) EXPECT_TRUE(frei(e)) << e.back();
    EXPECT_TRUE(frei({"Ei&nheiten"}));

    // Back to 3-D: the affine submenus keep their state (the map still exists).
    form->dreidim_einschalten();
    for (const auto& e : dreidim) EXPECT_TRUE(frei(e)) << e.back();
    for (const auto& e : affin) EXPECT_TRUE(frei(e)) << e.back();
    EXPECT_FALSE(kontext(G::AffineAbbildungen));
}

TEST_F(Hauptfenster, ZurueckNach3dUndZeichnungLoeschen) {
    zeigen();
    // The drawing window's return button clears the sheet and enables the 3-D commands.
    form->dreidim_ausschalten();
    p.sheet.Outtext(4, 14, "Dreieck");
    form->zeichnung()->Panel4Click();
    EXPECT_TRUE(frei({"&Punkte"}));
    EXPECT_TRUE(form->zeichnung()->isGroupEnabled(TZeichnungsDlg::Gruppe::Gerade));
    EXPECT_EQ(p.sheet.protokoll().size(), 1u);

    // "Zeichnung löschen" forgets the scene and clears the sheet.
    p.szene.art = Szenenart::Punkt;
    p.sheet.Outtext(4, 14, "Punkt:");
    aktion({"&Bearbeiten", "Zeichnung löschen"})->trigger();
    EXPECT_EQ(p.szene.art, Szenenart::keine);
    ASSERT_EQ(p.sheet.protokoll().size(), 1u);
    EXPECT_EQ(p.sheet.protokoll()[0].text, "Ergebnisse:");
    EXPECT_TRUE(m.eintraege.empty());
}

TEST_F(Hauptfenster, MenueleisteUndUnregistrierteEintraege) {
    QStringList oben;
    for (QAction* a : form->menuBar()->actions()) oben << a->text();
    EXPECT_EQ(oben, (QStringList{"&Datei", "&Bearbeiten", "&Punkte", "&Gerade", "&Ebene", "&Kugel",
                                 "&Vektor", "&Matrizen", "Beispie&le", "2-&dim. Geometrie",
                                 "&Rechenhilfe", "Ei&nheiten", "Copyright"}));
    EXPECT_FALSE(aktion({"Copyright"})->isVisible());
    zeigen();
    EXPECT_TRUE(aktion({"Copyright"})->isVisible());

    // Entries whose command nobody registered are there but disabled.
    EXPECT_FALSE(frei({"&Matrizen", "Matrix", "2x2 - Matrix"}));
    // The 3-D tasks and examples are registered by the main window itself.
    EXPECT_TRUE(frei({"&Punkte", "Punkt"}));
    EXPECT_TRUE(frei({"Beispie&le", "Kugel mit Ebene"}));
    EXPECT_FALSE(frei({"&Datei", "&Drucken", "Zeichnung"}));
    EXPECT_FALSE(frei({"&Rechenhilfe"}));
    EXPECT_FALSE(frei({"2-&dim. Geometrie", "Ellipse", "Lage: Zwei Ellipsen", "Beispiel"}));
    EXPECT_TRUE(frei({"&Datei", "&Beenden"}));
    EXPECT_TRUE(frei({"Ei&nheiten", "10 Einheiten weniger"}));

    // Registering enables the entry at both of its places.
    form->befehle().registrieren("GerademitPunkt1Click", [] {});
    EXPECT_TRUE(frei({"&Punkte", "Punkt und Gerade"}));
    EXPECT_TRUE(frei({"&Gerade", "Gerade mit Punkt"}));
    EXPECT_EQ(form->aktionenVon("GerademitPunkt1Click").size(), 2u);

    // A deep entry with its exact caption; check marks where the command toggles one.
    QAction* gitter =
        aktion({"2-&dim. Geometrie", "Affine Abbildungen", "Optionen", "Koordinatengitter"});
    EXPECT_EQ(gitter->text(), QString("Koordinatengitter"));
    EXPECT_TRUE(gitter->isCheckable());
    form->setzeHaken("Koordinatemngitter1Click", true);
    EXPECT_TRUE(gitter->isChecked());

    m.leeren();
    aktion({"Copyright"})->trigger();
    EXPECT_EQ(m.arten(), (std::vector<std::string>{"info"}));
}

TEST_F(Hauptfenster, StartzustandUndFensteranordnung) {
    p.ansicht.WinkelX = 30;
    p.ansicht.WinkelY = -40;
    p.ansicht.WinkelZ = 50;
    p.ansicht.Verschieben = true;
    zeigen();
    EXPECT_TRUE(form->windowTitle().startsWith("Quillon"));
    EXPECT_EQ(p.ansicht.WinkelX, 0);
    EXPECT_EQ(p.ansicht.WinkelY, 0);
    EXPECT_EQ(p.ansicht.WinkelZ, 0);
    EXPECT_FALSE(p.ansicht.Verschieben);
    EXPECT_EQ(QLocale().decimalPoint(), QString("."));
    EXPECT_EQ(p.eingaben.triangle[0], "4");
    EXPECT_EQ(p.eingaben.triangle[4], "6");
    EXPECT_EQ(p.eingaben.triangle[8], "7");
    EXPECT_EQ(p.eingaben.point[0], ""); // a group without first-use values
    EXPECT_DOUBLE_EQ(trigTabellen().SinTab[90], 1.0);
    EXPECT_DOUBLE_EQ(trigTabellen().CosTab[180], -1.0);

    // Drawing window square on the left, as high as the area below the menu; the sheet beside
    // it fills the rest, its picture twice its size.
    const QWidget* flaeche = form->centralWidget();
    const int h = flaeche->height();
    EXPECT_EQ(form->zeichnung()->geometry(), QRect(0, 0, h, h));
    EXPECT_EQ(form->ergebnisse()->geometry(), QRect(h, 0, flaeche->width() - h, h));
    EXPECT_TRUE(form->zeichnung()->isVisible());
    EXPECT_TRUE(form->ergebnisse()->isVisible());
    EXPECT_EQ(p.sheet.breite(), 2 * (flaeche->width() - h));
    EXPECT_EQ(p.sheet.hoehe(), std::max(2 * h, MindestBildhoehe));
    EXPECT_EQ(p.sheet.protokoll().at(0).text, "Ergebnisse:");

    // Once results stand on the sheet, a new window size keeps them.
    p.sheet.Outtext(4, 14, "Ergebnis");
    const int breiteVorher = p.sheet.breite();
    form->resize(1100, 700);
    EXPECT_EQ(p.sheet.protokoll().back().text, "Ergebnis");
    EXPECT_EQ(p.sheet.breite(), breiteVorher);
}

} // namespace
