// The affine maps in the main window: the four submenus follow the maps, the context group
// "Affine Abbildungen" runs the main menu's commands with their check marks, a click on the
// map's numbers on the sheet changes them, and dragging an object's point moves its image.
#include "app/main_window.h"
#include "app/program.h"
#include "app/task_commands.h"
#include "app/task_wiring.h"
#include "drawing/drawing_window.h"
#include "drawing/plane_drag.h"
#include "sheet/editing.h"
#include "support/recording_messages.h"

#include <QAction>
#include <gtest/gtest.h>

#include <memory>

namespace {

struct AffinFenster : ::testing::Test {
    RecordingMessages m;
    Programm p{m};
    std::unique_ptr<TForm1> form = std::make_unique<TForm1>(p);
    std::vector<std::string> texte;

    AffinFenster() {
        form->resize(1000, 700);
        form->show();
        form->aufgaben().commands().showDialog = [this](const std::string&, const DialogOptions&) {
            return DialogResult{true, texte, {}, false};
        };
    }
    bool frei(const char* untermenue) {
        return form->menueAktion({"2-&dim. Geometrie", "Affine Abbildungen", untermenue})
            ->isEnabled();
    }
    QAction* haken(const char* eintrag) {
        return form->menueAktion({"2-&dim. Geometrie", "Affine Abbildungen", "Optionen", eintrag});
    }
};

TEST_F(AffinFenster, SubmenusFollowTheMapsAndTheContextGroupRunsTheOptions) {
    texte = {"0", "0", "1", "1", "2", "2", "3", "2", "3", "0", "0", "2"}; // collinear
    form->befehlAusfuehren("N3PunkteundBildpunkte1Click");
    EXPECT_FALSE(frei("Objekte - Bildobjekte") || frei("Optionen"));
    EXPECT_TRUE(form->zeichnung()->isGroupEnabled(TZeichnungsDlg::Gruppe::AffineAbbildungen));
    form->befehlAusfuehren("Scherung1Click");
    EXPECT_TRUE(frei("Objekte - Bildobjekte") && frei("Inverse einer Aff. Abbildung"));

    QAction* kontext = form->zeichnung()->menuEntry(QStringLiteral("Affine Abbildungen"),
                                                    QStringLiteral("Normalform berechnen"));
    ASSERT_NE(kontext, nullptr);
    kontext->trigger();
    EXPECT_TRUE(p.szene.AffinOptionen.Normalform);
    EXPECT_TRUE(kontext->isChecked() && haken("Normalform berechnen")->isChecked());
    haken("Normalform berechnen")->trigger();
    EXPECT_FALSE(p.szene.AffinOptionen.Normalform || kontext->isChecked());
    EXPECT_TRUE(m.eintraege.empty());
}

TEST_F(AffinFenster, ClickOnTheMapsNumbersAndDragOfAnObjectsPoint) {
    form->befehlAusfuehren("Scherung1Click");
    const FieldAnchor a12 = p.sheet.anker.abbildung[2];
    ASSERT_TRUE(a12.gesetzt);
    SheetEditing editing(p.szene, p.sheet, m);
    editing.Image1MouseDown(true, a12.links + 1, a12.oben + 2);
    EXPECT_EQ(p.szene.Abbildungen.Abb[0].a12, 2);
    editing.Image1MouseDown(false, a12.links + 1, a12.oben + 2);
    EXPECT_EQ(p.szene.Abbildungen.Abb[0].a12, 1);

    form->befehlAusfuehren("PunktBildpunkt1Click");
    PlaneDrag drag(p.ansicht, p.szene, p.sheet);
    int x, y;
    p.ansicht.planeToScreen(1, 1, x, y);
    ASSERT_TRUE(drag.press(x, y));
    drag.drag(3, -2);
    drag.release();
    EXPECT_EQ(p.szene.Affin.A.x, 3);
    bool bild = false;
    for (const std::string& z : p.sheet.zeilen()) bild = bild || z.find("A´(1/-2)") != z.npos;
    EXPECT_TRUE(bild);
}

} // namespace
