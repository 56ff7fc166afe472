// The triangle's report (its rows are in the reports' golden): changing a vertex by clicking its
// numbers (pair anchors).
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
