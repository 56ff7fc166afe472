// The menu table: captions exactly as the user sees them, in menu order, each command behind
// the right entry, and the tree well formed.
#include "app/menu_table.h"

#include <gtest/gtest.h>

#include <set>

namespace {

std::vector<std::string> obersteEbene() {
    std::vector<std::string> r;
    for (const auto& z : menueTabelle())
        if (z.pfad.size() == 1) r.push_back(z.pfad[0]);
    return r;
}

std::string befehlVon(const std::vector<std::string>& pfad) {
    const MenuZeile* z = findeMenueintrag(pfad);
    return z ? z->befehl : "<keiner>";
}

} // namespace

TEST(Menuetabelle, ObersteEbeneInReihenfolgeMitZugriffstasten) {
    EXPECT_EQ(obersteEbene(), (std::vector<std::string>{
                                  "&Datei", "&Bearbeiten", "&Punkte", "&Gerade", "&Ebene", "&Kugel",
                                  "&Vektor", "&Matrizen", "Beispie&le", "2-&dim. Geometrie",
                                  "&Rechenhilfe", "Ei&nheiten", "Copyright"}));
}

TEST(Menuetabelle, TiefeEintraegeTragenIhrenBefehl) {
    EXPECT_EQ(befehlVon({"Datei", "Speichern", "Zeichnung", "schwarz-weiss"}),
              "schwarzweiss2Click");
    EXPECT_EQ(befehlVon({"Bearbeiten", "Zeichnung kopieren", "farbig"}), "Zeichnungkopieren1Click");
    EXPECT_EQ(befehlVon({"Gerade", "Gerade", "Gerade druch 2 Punkte"}), "Geradeaus2Punkten1Click");
    EXPECT_EQ(
        befehlVon({"Ebene", "Ebene mit Kugel", "Ebene in Parameterform", "Kugel in Vektorform"}),
        "KugelinVektorform7Click");
    EXPECT_EQ(
        befehlVon({"Kugel", "Kugel mit Ebene", "Kugel in Vektorform", "Ebene in Parameterform"}),
        "KugelinVektorform7Click");
    EXPECT_EQ(befehlVon({"Vektor", "Lineare Abhängigkeit", "4 Vektoren"}), "N4Vektoren1Click");
    EXPECT_EQ(befehlVon({"Matrizen", "Lineare Gleichungssystem", "3 x 3 - LGS"}), "N3x3LGS1Click");
    EXPECT_EQ(befehlVon({"Beispiele", "Punkt, zwei Geraden"}), "PunktzweiGeraden1Click");
    EXPECT_EQ(
        befehlVon({"2-dim. Geometrie", "Ellipse", "Mittelpunkt und Achsen", "Ellipse ((M, a, b)"}),
        "EllipseMab1Click");
    EXPECT_EQ(befehlVon({"2-dim. Geometrie", "Ellipse", "Brennpunkt, Punkt und Tangente",
                         "Eingabe(F,P, t);"}),
              "EingabeFPt1Click");
    EXPECT_EQ(befehlVon({"2-dim. Geometrie", "Ellipse", "Lage: Zwei Ellipsen", "Beispiel"}),
              "Beispiel11Click");
    EXPECT_EQ(befehlVon({"2-dim. Geometrie", "Affine Abbildungen", "Inverse einer Aff. Abbildung",
                         "... von  Abbildung 2"}),
              "vonAbbildung12Click");
    EXPECT_EQ(befehlVon({"2-dim. Geometrie", "Affine Abbildungen", "Verkettung zweier Abbildungen",
                         "Abb.2 mit Abb.1"}),
              "Abb1mitAbb22Click");
    EXPECT_EQ(befehlVon({"Einheiten", "10 Einheiten weniger"}), "N10Einheitenweniger1Click");
    EXPECT_EQ(befehlVon({"Copyright"}), "Copyright1Click");
    // A submenu is not a command; a single blank in "... von Abbildung 1" is another caption.
    EXPECT_EQ(findeMenueintrag({"Punkte", "Punkt und Ebene"}), nullptr);
    EXPECT_EQ(findeMenueintrag({"2-dim. Geometrie", "Affine Abbildungen",
                                "Inverse einer Aff. Abbildung", "... von Abbildung 1"}),
              nullptr);
}

TEST(Menuetabelle, EintraegeAnZweiStellenSindEinBefehl) {
    EXPECT_EQ(befehlVon({"Punkte", "Punkt und Gerade"}), "GerademitPunkt1Click");
    EXPECT_EQ(befehlVon({"Gerade", "Gerade mit Punkt"}), "GerademitPunkt1Click");
    EXPECT_EQ(zeilenMitBefehl("GerademitPunkt1Click").size(), 2u);
    // Sphere and point: under "Punkte" and under "Kugel".
    EXPECT_EQ(zeilenMitBefehl("KugelinMittelpunktsform3Click").size(), 2u);
    // Plane (normal form) with sphere (vector form): under "Ebene" and under "Kugel".
    EXPECT_EQ(
        befehlVon({"Kugel", "Kugel mit Ebene", "Kugel in Vektorform", "Ebene in Normalenform"}),
        "KugelinVektorform6Click");
    EXPECT_EQ(zeilenMitBefehl("KugelinVektorform6Click").size(), 2u);
    // Plane with point appears under "Punkte" and "Ebene", plane with line under "Gerade" and
    // "Ebene".
    EXPECT_EQ(zeilenMitBefehl("EbeneinParameterform2Click").size(), 2u);
    EXPECT_EQ(zeilenMitBefehl("EbeneinNormalenform3Click").size(), 2u);
    EXPECT_EQ(zeilenMitBefehl("Punkt1Click").size(), 1u);
}

TEST(Menuetabelle, BaumIstWohlgeformt) {
    std::set<std::vector<std::string>> menues, pfade;
    int befehle = 0, ellipsenBeispiele = 0;
    for (const auto& z : menueTabelle()) {
        EXPECT_TRUE(pfade.insert(z.pfad).second) << "doppelter Pfad " << z.pfad.back();
        // Every row's parent was declared before it.
        if (z.pfad.size() > 1) {
            auto eltern = z.pfad;
            eltern.pop_back();
            EXPECT_TRUE(menues.count(eltern)) << z.pfad.back();
        }
        if (z.befehl.empty())
            menues.insert(z.pfad);
        else
            ++befehle;
        if (z.pfad.size() == 4 && z.pfad[1] == "Ellipse" && z.pfad[3] == "Beispiel")
            ++ellipsenBeispiele;
    }
    EXPECT_EQ(ellipsenBeispiele, 11);
    // 7 + 4 + 13 + 9 + 14 + 14 + 6 + 7 + 21 + 2 + 22 + 14 + 6 + 3 + 6 + 6 + 6 + 1 + 2 + 1
    EXPECT_EQ(befehle, 164);
}

TEST(Menuetabelle, ModusgruppenUndHaken) {
    auto gruppe = [](const std::vector<std::string>& pfad) {
        for (const auto& z : menueTabelle())
            if (z.pfad == pfad) return z.gruppe;
        ADD_FAILURE() << "kein Eintrag " << pfad.back();
        return Menuegruppe::immer;
    };
    for (const char* m : {"&Punkte", "&Gerade", "&Ebene", "&Kugel", "&Vektor", "Beispie&le"})
        EXPECT_EQ(gruppe({m}), Menuegruppe::dreidim) << m;
    EXPECT_EQ(gruppe({"&Bearbeiten", "Zeichnung löschen"}), Menuegruppe::dreidim);
    EXPECT_EQ(gruppe({"Ei&nheiten"}), Menuegruppe::immer);
    EXPECT_EQ(gruppe({"&Matrizen"}), Menuegruppe::immer);
    EXPECT_EQ(gruppe({"2-&dim. Geometrie"}), Menuegruppe::immer);
    for (const char* m : {"Objekte - Bildobjekte", "Optionen", "Inverse einer Aff. Abbildung",
                          "Verkettung zweier Abbildungen"})
        EXPECT_EQ(gruppe({"2-&dim. Geometrie", "Affine Abbildungen", m}), Menuegruppe::abbildung)
            << m;
    EXPECT_EQ(gruppe({"2-&dim. Geometrie", "Affine Abbildungen", "Abbildung festlegen"}),
              Menuegruppe::immer);

    const MenuZeile* gitter = findeMenueintrag(
        {"2-dim. Geometrie", "Affine Abbildungen", "Optionen", "Koordinatengitter"});
    ASSERT_NE(gitter, nullptr);
    EXPECT_EQ(gitter->befehl, "Koordinatemngitter1Click");
    EXPECT_TRUE(gitter->abhakbar);
    EXPECT_FALSE(findeMenueintrag({"Punkte", "Punkt"})->abhakbar);
}

TEST(Menuetabelle, OhneKaufmannsUnd) {
    EXPECT_EQ(ohneKaufmannsUnd("Beispie&le"), "Beispiele");
    EXPECT_EQ(ohneKaufmannsUnd("2-&dim. Geometrie"), "2-dim. Geometrie");
    EXPECT_EQ(ohneKaufmannsUnd("A && B"), "A & B");
    EXPECT_EQ(ohneKaufmannsUnd("Copyright"), "Copyright");
}
