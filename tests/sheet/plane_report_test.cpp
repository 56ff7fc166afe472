// The triangle's report: its case rows, the degenerate text, and changing a vertex by clicking
// its numbers (pair anchors).
#include "core/messages.h"
#include "sheet/editing.h"
#include "sheet/scene_report.h"
#include "support/recording_messages.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct Dreieck2Blatt {
    bool farbig = true;
    Sheet sheet{1200, 1600, farbig};
    Szene szene;
    RecordingMessages m;
    SheetEditing editing{szene, sheet, m};

    explicit Dreieck2Blatt(TPunkt2 A, TPunkt2 B, TPunkt2 C) {
        szene.art = Szenenart::Dreieck2;
        szene.SzeneDreieck2[0] = A;
        szene.SzeneDreieck2[1] = B;
        szene.SzeneDreieck2[2] = C;
        Bericht_schreiben(sheet, szene);
    }
    bool hat(const std::string& row) const {
        const auto z = sheet.zeilen();
        return std::find(z.begin(), z.end(), " " + row) != z.end();
    }
};

TEST(Dreieck2Bericht, ZeilenDesBeispielsUndDerSonderfaelle) {
    TPunkt2 e[3];
    Dreieck2_Beispiel(e);
    Dreieck2Blatt b(e[0], e[1], e[2]);
    for (const char* row :
         {"A(-4/-1)", "a = 6.403", "b = 6.403", "c = 8", "alpha = 51.34", "beta  = 51.34",
          "gamma = 77.32", "gc: y = 0 x -1", "sc: x = 0", "Schwerpunkt: S(0/0.667)",
          "Umkreismittelpunkt: M(0/-0.1)", "Umkreisradius: r = 4.1", "Höhenschnittpunkt: H(0/2.2)",
          "|hc| = 5", "Inkreismittelpunkt: W(0/0.922)", "Inkreisradius i = 1.922", "e: x = 0"})
        EXPECT_TRUE(b.hat(row)) << row;
    // The vertices in dark red, everything else black.
    EXPECT_EQ(b.sheet.protokoll()[2].farbe, farbe::Dunkelrot);

    Dreieck2Blatt g(punkt2(0, -2, 0, "A"), punkt2(4, 0, 0, "B"), punkt2(4, 0, 0, "C"));
    EXPECT_TRUE(g.hat("c = 4.472"));
    EXPECT_TRUE(g.hat("Die Eckpunkte liegen auf einer Geraden --> kein Dreieck !"));
    EXPECT_FALSE(g.hat("Dreieckswinkel:"));
}

TEST(Dreieck2Bericht, KlickAufEineKoordinateAendertSieUndSchreibtNeu) {
    TPunkt2 e[3];
    Dreieck2_Beispiel(e);
    Dreieck2Blatt b(e[0], e[1], e[2]);
    const PairAnchor a = b.sheet.anker.paar[0];
    ASSERT_TRUE(a.gesetzt);
    b.editing.Image1MouseDown(true, a.x1 + 2, a.oben + 3); // x of A up
    EXPECT_TRUE(b.hat("A(-3/-1)"));
    b.editing.Image1MouseDown(false, a.x2 + 30, a.unten); // y of A down, at the far edges
    EXPECT_TRUE(b.hat("A(-3/-2)"));
    b.editing.Image1MouseDown(false, a.x2 + 31, a.oben); // beyond: nothing
    const PairAnchor c = b.sheet.anker.paar[2];
    b.editing.Image1MouseDown(true, c.x1, c.unten); // C's x, on the line's bottom edge
    EXPECT_EQ(b.szene.SzeneDreieck2[2].x, 1);
    EXPECT_EQ(b.szene.SzeneDreieck2[0].y, -2);
    EXPECT_TRUE(b.m.eintraege.empty());
}

} // namespace
