// Changing a matrix entry by clicking it on the sheet (the reports' rows and colours are pinned by
// the report golden).
#include "sheet/editing.h"
#include "sheet/scene_report.h"
#include "support/recording_messages.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct MatrixBlatt {
    bool farbig = true;
    Sheet sheet{1200, 1600, farbig};
    Szene szene;
    RecordingMessages m;
    SheetEditing editing{szene, sheet, m};

    MatrixBlatt(Szenenart art, const MatrixAufgabe& aufgabe) {
        szene.art = art;
        szene.Matrizen = aufgabe;
        Bericht_schreiben(sheet, szene);
    }
    bool hat(const std::string& row) const {
        const auto z = sheet.zeilen();
        return std::find(z.begin(), z.end(), " " + row) != z.end();
    }
};

MatrixAufgabe aufgabe(TMatrix2 M1, TMatrix2 M2 = {}) {
    MatrixAufgabe a;
    a.M2[0] = M1;
    a.M2[1] = M2;
    a.v[0] = 1;
    a.v[1] = 2;
    return a;
}

TEST(MatrixBericht, KlickAufEinenEintragAendertIhnUmEinHalb) {
    MatrixBlatt b(Szenenart::Matmult2, aufgabe({{{2, 1}, {1, 2}}}, {{{1, 0}, {0, 1}}}));
    const FieldAnchor a12 = b.sheet.anker.matrix[0][1];
    ASSERT_TRUE(a12.gesetzt);
    b.editing.Image1MouseDown(true, a12.links, a12.oben + 2);
    EXPECT_EQ(b.szene.Matrizen.M2[0].a[0][1], 1.5);
    EXPECT_TRUE(b.hat("M1 = | 2  1.5 |"));
    const FieldAnchor m2 = b.sheet.anker.matrix[1][3];
    b.editing.Image1MouseDown(false, m2.rechts, m2.unten);
    EXPECT_EQ(b.szene.Matrizen.M2[1].a[1][1], 0.5);
    EXPECT_TRUE(b.hat("det(M2) = 0.5"));
    const FieldAnchor a21 = b.sheet.anker.matrix[0][2]; // the entries count row by row
    b.editing.Image1MouseDown(true, a21.links, a21.oben);
    EXPECT_EQ(b.szene.Matrizen.M2[0].a[1][0], 1.5);
    // Beside an entry nothing changes.
    b.editing.Image1MouseDown(true, m2.rechts + 30, m2.oben);
    EXPECT_EQ(b.szene.Matrizen.M2[1].a[1][1], 0.5);

    MatrixBlatt v(Szenenart::Matrix2Vektor, aufgabe({{{1, 2}, {1, 0}}}));
    const FieldAnchor v2 = v.sheet.anker.matrixVektor[1];
    v.editing.Image1MouseDown(true, v2.links, v2.oben);
    EXPECT_EQ(v.szene.Matrizen.v[0], 1); // the row above is not hit
    EXPECT_EQ(v.szene.Matrizen.v[1], 2.5);
    EXPECT_TRUE(v.hat("M*v = | 6 |"));
}

} // namespace
