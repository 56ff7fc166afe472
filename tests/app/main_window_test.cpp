// The main window: error reporting of menu commands, the closing question, the unit commands,
// the menu modes, the menu bar with its disabled entries and the about box, the start-up state,
// and the 3-D tasks and examples run from the real menu (the dialog answered by the test).
#include "app/main_window.h"
#include "app/menu_table.h"
#include "app/program.h"
#include "app/task_commands.h"
#include "app/task_wiring.h"
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

using E = RecordingMessages::Eintrag;
using Pfad = std::vector<std::string>;
std::vector<E> zweiKaesten(const std::string& text) {
    return {{"piep", ""}, {"fehler", meldung::Eingabefehler}, {"ausnahme", text}};
}

class Hauptfenster : public ::testing::Test {
protected:
    RecordingMessages m;
    Programm p{m};
    std::unique_ptr<TForm1> form = std::make_unique<TForm1>(p);
    std::vector<std::string> geoeffnet; // dialogs opened by tasks
    DialogResult antwort;               // and what they answer

    Hauptfenster() {
        form->aufgaben().commands().showDialog = [this](const std::string& cls,
                                                        const DialogOptions&) {
            geoeffnet.push_back(cls);
            return antwort;
        };
    }
    QAction* aktion(const Pfad& pfad) {
        QAction* a = form->menueAktion(pfad);
        if (!a) ADD_FAILURE() << "kein Menüeintrag " << pfad.back();
        return a;
    }
    bool frei(const Pfad& pfad) {
        QAction* a = aktion(pfad);
        return a && a->isEnabled();
    }
    void klick(const Pfad& pfad) {
        ASSERT_TRUE(frei(pfad)) << pfad.back();
        aktion(pfad)->trigger();
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
    klick({"&Punkte", "Punkt"});
    EXPECT_EQ(m.eintraege, zweiKaesten("Gleitkommadivision durch Null"));
    EXPECT_EQ(p.szene.art, Szenenart::Punkt);
    EXPECT_EQ(p.sheet.protokoll().size(), protokollVorher);

    // The program goes on: the same entry runs again, other commands still work.
    m.leeren();
    klick({"&Punkte", "Punkt"});
    EXPECT_EQ(laeufe, 2);
    EXPECT_EQ(m.eintraege.size(), 3u);
    m.leeren();
    p.ansicht.EinheitenX = 10;
    klick({"Ei&nheiten", "10 Einheiten mehr"});
    EXPECT_EQ(p.ansicht.EinheitenX, 20);
    EXPECT_TRUE(m.eintraege.empty());
    EXPECT_TRUE(form->isVisible());

    // Something thrown that is no std::exception gets the two boxes as well.
    form->befehle().registrieren("Punkt1Click", [] { throw 42; });
    klick({"&Punkte", "Punkt"});
    EXPECT_EQ(m.arten(), (std::vector<std::string>{"piep", "fehler", "ausnahme"}));
}

TEST_F(Hauptfenster, SchliessenFragtUndNurJaSchliesst) {
    zeigen();
    const std::vector<E> frage{{"frage", meldung::Beenden}};
    m.antwortJa = false;
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(m.eintraege, frage);

    // "&Beenden" goes through the same question.
    m.leeren();
    m.antwortJa = true;
    klick({"&Datei", "&Beenden"});
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(m.eintraege, frage);
}

TEST_F(Hauptfenster, ZehnEinheitenWenigerUndMehr) {
    const Pfad weniger{"Ei&nheiten", "10 Einheiten weniger"};
    const Pfad mehr{"Ei&nheiten", "10 Einheiten mehr"};
    ViewState& v = p.ansicht;
    auto raum = [&] { return std::vector<int>{v.EinheitenX, v.EinheitenY, v.EinheitenZ}; };
    auto ebene = [&] {
        return std::vector<int>{v.Einheiten2X, v.Einheiten2Y, v.Schritt2X, v.Schritt2Y};
    };
    v.EinheitenX = 15;
    v.EinheitenY = 12;
    v.EinheitenZ = 11;
    klick(weniger);
    EXPECT_EQ(raum(), (std::vector<int>{5, 2, 5}));
    klick(weniger); // 5 -> 5, 2 -> 5
    klick(mehr);
    EXPECT_EQ(raum(), (std::vector<int>{15, 15, 15}));
    EXPECT_EQ(v.Einheiten2X, 10); // the plane counts stay
    EXPECT_TRUE(m.eintraege.empty());

    // An overflow is an error, not a wrap, and leaves every count as it was.
    v.EinheitenY = INT_MAX - 3;
    klick(mehr);
    EXPECT_EQ(m.eintraege, zweiKaesten("Integer-Überlauf"));
    EXPECT_EQ(raum(), (std::vector<int>{15, INT_MAX - 3, 15}));

    // In the plane: the plane counts and their pixel steps change, the space counts stay.
    m.leeren();
    v.zweidim = true;
    v.Ursprung2X = 300;
    v.Ursprung2Y = 200;
    v.Einheiten2Y = 12;
    klick(mehr);
    EXPECT_EQ(ebene(), (std::vector<int>{20, 22, 15, 9})); // 300 div 20, 200 div 22
    EXPECT_EQ(v.EinheitenX, 15);
    klick(weniger); // 10, 12
    klick(weniger); // 0 -> 5, 2
    EXPECT_EQ(ebene(), (std::vector<int>{5, 2, 60, 100}));
    EXPECT_TRUE(m.eintraege.empty());
}

TEST_F(Hauptfenster, MenuemodiSchaltenDieEintraegeDerZustandstabelle) {
    zeigen();
    // Every command present, so that no submenu is off only because its features are not built.
    for (const MenuZeile& z : menueTabelle())
        if (!z.befehl.empty() && !form->befehle().hat(z.befehl))
            form->befehle().registrieren(z.befehl, [] {});
    std::vector<Pfad> dreidim{{"&Bearbeiten", "Zeichnung löschen"}}, affin;
    for (const char* e : {"&Punkte", "&Gerade", "&Ebene", "&Kugel", "&Vektor", "Beispie&le"})
        dreidim.push_back({e});
    for (const char* e : {"Objekte - Bildobjekte", "Optionen", "Inverse einer Aff. Abbildung",
                          "Verkettung zweier Abbildungen"})
        affin.push_back({"2-&dim. Geometrie", "Affine Abbildungen", e});
    const std::vector<Pfad> immer = {
        {"Ei&nheiten"},
        {"&Matrizen"},
        {"2-&dim. Geometrie", "Affine Abbildungen", "Abbildung festlegen"}};
    auto pruefen = [&](bool d, bool a, const char* wo) {
        for (const auto& e : dreidim) EXPECT_EQ(frei(e), d) << wo << ": " << e.back();
        for (const auto& e : affin) EXPECT_EQ(frei(e), a) << wo << ": " << e.back();
        for (const auto& e : immer) EXPECT_TRUE(frei(e)) << wo << ": " << e.back();
    };
    using G = TZeichnungsDlg::Gruppe;
    auto kontext = [&](G g) { return form->zeichnung()->isGroupEnabled(g); };

    pruefen(true, false, "Start"); // 3-D mode, no map yet
    form->dreidim_ausschalten();
    pruefen(false, false, "eben");
    EXPECT_FALSE(kontext(G::Gerade) || kontext(G::Ebene) || kontext(G::AffineAbbildungen));
    form->dreidim_einschalten();
    pruefen(true, false, "3-D");
    EXPECT_TRUE(kontext(G::Gerade) && kontext(G::Ebene));
    EXPECT_FALSE(kontext(G::AffineAbbildungen));

    // Affine mode without a map: plane mode, the four submenus stay off.
    form->zeichnung()->setGroupEnabled(G::Ellipse, true);
    form->affinmodus_einschalten(false);
    pruefen(false, false, "affin ohne Abbildung");
    EXPECT_FALSE(kontext(G::Gerade) || kontext(G::Ellipse) || kontext(G::ZweidimDreieck));
    EXPECT_TRUE(kontext(G::AffineAbbildungen));
    form->affinmodus_einschalten(true);
    pruefen(false, true, "affin");

    // Back to 3-D: the affine submenus keep their state (the map still exists).
    form->dreidim_einschalten();
    pruefen(true, true, "zurück");
    EXPECT_FALSE(kontext(G::AffineAbbildungen));

    // The drawing window's return button clears the sheet and enables the 3-D commands.
    form->dreidim_ausschalten();
    p.sheet.Outtext(4, 14, "Dreieck");
    form->zeichnung()->Panel4Click();
    pruefen(true, true, "Rückkehr");
    EXPECT_EQ(p.sheet.protokoll().size(), 1u);
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
    klick({"Copyright"}); // the about box names only what the program does
    EXPECT_EQ(m.arten(), (std::vector<std::string>{"info"}));
    for (const char* ja : {"Kugeln", "Ellipsen", "affine Abbildungen", "Matrizen"})
        EXPECT_NE(m.eintraege[0].text.find(ja), std::string::npos) << ja;

    // Every entry of the table has its command; the map's submenus wait for a defined map.
    for (const MenuZeile& z : menueTabelle())
        EXPECT_TRUE(z.befehl.empty() || form->befehle().hat(z.befehl)) << z.befehl;
    const Pfad objekte{"2-&dim. Geometrie", "Affine Abbildungen", "Objekte - Bildobjekte"};
    EXPECT_TRUE(frei({"2-&dim. Geometrie", "Affine Abbildungen", "Beispiele"}));
    EXPECT_FALSE(frei(objekte));
    const Pfad gitter{"2-&dim. Geometrie", "Affine Abbildungen", "Optionen", "Koordinatengitter"};
    form->affinmodus_einschalten(true);
    EXPECT_TRUE(frei(gitter) && frei(objekte));
    // Check marks where the command toggles one.
    EXPECT_TRUE(aktion(gitter)->isCheckable());
    form->setzeHaken("Koordinatemngitter1Click", true);
    EXPECT_TRUE(aktion(gitter)->isChecked());
    // The grid switched from the triangle's context group shows on the affine entries as well.
    QAction* dreieckGitter = form->zeichnung()->menuEntry(QStringLiteral("Zweidim. Dreieck"),
                                                          QStringLiteral("mit Koordinatengitter"));
    dreieckGitter->trigger();
    dreieckGitter->trigger();
    EXPECT_EQ(aktion(gitter)->isChecked(), p.optionen.Koordinatengitter);
}

TEST_F(Hauptfenster, StartzustandUndFensteranordnung) {
    p.ansicht.WinkelX = 30;
    p.ansicht.WinkelZ = 50;
    p.ansicht.Verschieben = true;
    zeigen();
    EXPECT_TRUE(form->windowTitle().startsWith("Quillon"));
    EXPECT_EQ(p.ansicht.WinkelX, 0);
    EXPECT_EQ(p.ansicht.WinkelZ, 0);
    EXPECT_FALSE(p.ansicht.Verschieben);
    EXPECT_EQ(QLocale().decimalPoint(), QString("."));
    EXPECT_EQ(p.eingaben.triangle[8], "7"); // first-use values seeded
    EXPECT_DOUBLE_EQ(trigTabellen().SinTab[90], 1.0);
    EXPECT_DOUBLE_EQ(trigTabellen().CosTab[180], -1.0);

    // Drawing window square on the left, as high as the area below the menu; the sheet beside
    // it fills the rest, its picture twice its size.
    const QWidget* flaeche = form->centralWidget();
    const int h = flaeche->height();
    EXPECT_EQ(form->zeichnung()->geometry(), QRect(0, 0, h, h));
    EXPECT_EQ(form->ergebnisse()->geometry(), QRect(h, 0, flaeche->width() - h, h));
    EXPECT_EQ(p.sheet.breite(), 2 * (flaeche->width() - h));
    EXPECT_EQ(p.sheet.hoehe(), std::max(2 * h, MindestBildhoehe));

    // Once results stand on the sheet, a new window size keeps them.
    p.sheet.Outtext(4, 14, "Ergebnis");
    const int breiteVorher = p.sheet.breite();
    form->resize(1100, 700);
    EXPECT_EQ(p.sheet.protokoll().back().text, "Ergebnis");
    EXPECT_EQ(p.sheet.breite(), breiteVorher);
}

TEST_F(Hauptfenster, BeispieleUndAufgabenLaufenAusDemMenue) {
    zeigen();
    klick({"Beispie&le", "Kugel mit Ebene"});
    EXPECT_EQ(p.szene.art, Szenenart::KugelEbene);
    EXPECT_TRUE(geoeffnet.empty());
    QAction* quader = form->zeichnung()->menuEntry("Ebene", "Quaderdarstellung zeigen");
    ASSERT_NE(quader, nullptr);
    EXPECT_TRUE(quader->isChecked()); // the context menu follows the example's options

    antwort = {true, {"1", "2", "5"}, {0x00FF00}, false};
    klick({"&Punkte", "Punkt"});
    EXPECT_EQ(geoeffnet, std::vector<std::string>{"TPunktDlg"});
    EXPECT_EQ(p.szene.SzenePunkt.z, 5);
    EXPECT_TRUE(m.eintraege.empty());

    // "Zeichnung löschen" forgets the scene and clears the sheet.
    klick({"&Bearbeiten", "Zeichnung löschen"});
    EXPECT_EQ(p.szene.art, Szenenart::keine);
    ASSERT_EQ(p.sheet.protokoll().size(), 1u);
    EXPECT_EQ(p.sheet.protokoll()[0].text, "Ergebnisse:");
}

// The plane triangle from the menu: plane mode with its context-menu group and the dialog's
// triangle (the way back through the panel is in the menu-mode test).
TEST_F(Hauptfenster, EbenesDreieckSchaltetInDenEbenenModusUndZurueck) {
    zeigen();
    using G = TZeichnungsDlg::Gruppe;
    TZeichnungsDlg* z = form->zeichnung();
    z->setGroupEnabled(G::Ellipse, true);
    klick({"2-&dim. Geometrie", "Dreieck", "Dreieck (Beispiel)"});
    EXPECT_EQ(p.szene.art, Szenenart::Dreieck2);
    EXPECT_TRUE(p.ansicht.zweidim);
    EXPECT_FALSE(frei({"&Punkte"}) || frei({"Beispie&le"}));
    EXPECT_TRUE(z->isGroupEnabled(G::ZweidimDreieck));
    EXPECT_FALSE(z->isGroupEnabled(G::Ellipse) || z->isGroupEnabled(G::Gerade));

    // The grid is one option behind two menus.
    z->menuEntry("Zweidim. Dreieck", "mit Koordinatengitter")->trigger();
    EXPECT_TRUE(z->menuEntry("Ellipse", "mit Koordinatengitter")->isChecked());

    antwort = {true, {"0", "0", "6", "0", "0", "3"}, {}, false};
    klick({"2-&dim. Geometrie", "Dreieck", "Eingabe (Dreieck)"});
    EXPECT_EQ(geoeffnet, std::vector<std::string>{"TDreieck2dlg"});
    EXPECT_EQ(p.szene.SzeneDreieck2[2].y, 3);
}

} // namespace
