// The commands of "Affine Abbildungen" without a dialog: inverse and composition with their
// boxes, the objects' toggles and the circle's image area, and a definition by collinear points.
#include "app/affine_commands.h"
#include "task_test_util.h"

namespace {

struct AffineCommands : TaskFixture {
    void befehl(const std::string& pfad) {
        const AffineCommand* c =
            findAffineCommandByPath("2-dim. Geometrie/Affine Abbildungen/" + pfad);
        ASSERT_NE(c, nullptr) << pfad;
        c->run(ctx);
    }
    bool zeile(const std::string& text) const {
        for (const std::string& z : sheet.zeilen())
            if (z.find(text) != std::string::npos) return true;
        return false;
    }
};

TEST_F(AffineCommands, InverseAndCompositionStoreTheirMapsOrShowTheirBoxes) {
    befehl("Inverse einer Aff. Abbildung/... von  Abbildung 2");
    befehl("Verkettung zweier Abbildungen/Abb.3 mit Abb.2");
    ASSERT_EQ(m.eintraege.size(), 2u);
    EXPECT_EQ(m.eintraege[0].art, "info");
    EXPECT_NE(m.eintraege[0].text.find("Nr.2 nicht vorhanden"), std::string::npos);
    EXPECT_NE(m.eintraege[1].text.find("Nr.3 mit Abbildung Nr.2 nicht"), std::string::npos);
    EXPECT_EQ(szene.art, Szenenart::keine);

    run("Abbildung21Click", felder("2 0 0 1 0 0")); // x' = 2x
    run("Abbildung31Click", felder("1 0 0 1 1 0")); // shift by (1, 0)
    befehl("Verkettung zweier Abbildungen/Abb.3 mit Abb.2");
    const TAbbildung2& a1 = szene.Abbildungen.Abb[0];
    EXPECT_EQ(std::vector<double>({a1.a11, a1.a22, a1.b1}), std::vector<double>({2, 1, 1}));
    EXPECT_EQ(szene.Abbildungen.aktuell, 1);
    EXPECT_TRUE(zeile("Verkettung zweier Abbildungen:"));

    befehl("Inverse einer Aff. Abbildung/... von  Abbildung 1");
    EXPECT_EQ(szene.Abbildungen.Abb[0].b1, -0.5);
    EXPECT_FALSE(zeile("Verkettung zweier Abbildungen:"));
}

TEST_F(AffineCommands, ObjectsAndOptionsToggleAndReport) {
    run("Abbildung11Click", felder("1 0 0 -1 0 0")); // a reflection: det −1
    befehl("Objekte - Bildobjekte/Kreis --> Bildkreis");
    befehl("Objekte - Bildobjekte/Dreieck --> Bilddreieck");
    befehl("Optionen/Normalform berechnen");
    EXPECT_TRUE(zeile("A`= 12.566")); // |det A|·π·r², never negative
    EXPECT_TRUE(zeile("Bildfläche      A´= 4.5"));
    EXPECT_TRUE(zeile("Normalform der Abbildung:"));
    befehl("Objekte - Bildobjekte/Kreis --> Bildkreis");
    EXPECT_FALSE(zeile("Bild des Kreises"));
    // A new map clears the objects but keeps the options.
    example("Drehung");
    EXPECT_FALSE(szene.Affin.Dreieck);
    EXPECT_TRUE(szene.AffinOptionen.Normalform);
}

TEST_F(AffineCommands, CollinearPointsDefineNoMapAndSayWhy) {
    run("N3PunkteundBildpunkte1Click", felder("0 0 1 1 2 2 3 2 3 0 0 2"));
    EXPECT_EQ(szene.art, Szenenart::AffineAbbildung);
    EXPECT_FALSE(szene.Abbildungen.Abb[0].festgelegt);
    EXPECT_TRUE(zeile("Punkte auf einer Geraden"));
    EXPECT_FALSE(zeile("ABBILDUNGSEIGENSCHAFTEN:"));
    run("N3PunkteundBildpunkte1Click", felder("1 1 1 0 0 1 3 2 3 0 0 2"));
    EXPECT_TRUE(szene.Abbildungen.Abb[0].festgelegt);
}

} // namespace
