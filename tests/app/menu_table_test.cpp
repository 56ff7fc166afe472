// The menu table: each command behind the right entry (captions exactly as the user sees them),
// entries reachable from two places, and the tree well formed. The top-level order, the mode
// groups and the check marks are checked on the real menu bar in the main window's tests, the
// paths of the 3-D tasks and examples in the task tests.
#include "app/menu_table.h"

#include <gtest/gtest.h>

#include <set>

namespace {

std::string befehlVon(const std::vector<std::string>& pfad) {
    const MenuZeile* z = findeMenueintrag(pfad);
    return z ? z->befehl : "<keiner>";
}

} // namespace

TEST(Menuetabelle, TiefeEintraegeTragenIhrenBefehl) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> faelle = {
        {{"Gerade", "Gerade", "Gerade druch 2 Punkte"}, "Geradeaus2Punkten1Click"},
        {{"2-dim. Geometrie", "Ellipse", "Mittelpunkt und Achsen", "Ellipse ((M, a, b)"},
         "EllipseMab1Click"},
        {{"2-dim. Geometrie", "Ellipse", "Brennpunkt, Punkt und Tangente", "Eingabe(F,P, t);"},
         "EingabeFPt1Click"},
        {{"2-dim. Geometrie", "Ellipse", "Lage: Zwei Ellipsen", "Beispiel"}, "Beispiel11Click"},
        {{"2-dim. Geometrie", "Affine Abbildungen", "Inverse einer Aff. Abbildung",
          "... von  Abbildung 2"},
         "vonAbbildung12Click"},
        {{"2-dim. Geometrie", "Affine Abbildungen", "Verkettung zweier Abbildungen",
          "Abb.2 mit Abb.1"},
         "Abb1mitAbb22Click"},
    };
    for (const auto& [pfad, befehl] : faelle) EXPECT_EQ(befehlVon(pfad), befehl) << pfad.back();
    // A submenu is not a command; a single blank in "... von Abbildung 1" is another caption.
    EXPECT_EQ(findeMenueintrag({"Punkte", "Punkt und Ebene"}), nullptr);
    EXPECT_EQ(findeMenueintrag({"2-dim. Geometrie", "Affine Abbildungen",
                                "Inverse einer Aff. Abbildung", "... von Abbildung 1"}),
              nullptr);
}

TEST(Menuetabelle, EintraegeAnZweiStellenSindEinBefehl) {
    EXPECT_EQ(
        befehlVon({"Kugel", "Kugel mit Ebene", "Kugel in Vektorform", "Ebene in Normalenform"}),
        "KugelinVektorform6Click");
    // Sphere and point under "Punkte" and "Kugel", plane and sphere under "Ebene" and "Kugel",
    // plane and point under "Punkte" and "Ebene", plane and line under "Gerade" and "Ebene".
    for (const char* b :
         {"GerademitPunkt1Click", "KugelinMittelpunktsform3Click", "KugelinVektorform6Click",
          "EbeneinParameterform2Click", "EbeneinNormalenform3Click"})
        EXPECT_EQ(zeilenMitBefehl(b).size(), 2u) << b;
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

TEST(Menuetabelle, OhneKaufmannsUnd) {
    EXPECT_EQ(ohneKaufmannsUnd("2-&dim. Geometrie"), "2-dim. Geometrie");
    EXPECT_EQ(ohneKaufmannsUnd("A && B"), "A & B");
    EXPECT_EQ(ohneKaufmannsUnd("Copyright"), "Copyright");
}
