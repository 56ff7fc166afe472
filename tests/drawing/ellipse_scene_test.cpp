// The ellipse tasks on sheet and drawing together: impossible data after an edit, the
// construction switched on, a vertex dragged across the centre, the clicked semi-axis and slope.
#include "drawing/plane_drag.h"
#include "drawing/plane_options.h"
#include "picture.h"
#include "sheet/editing.h"
#include "sheet/scene_report.h"
#include "sheet/sheet.h"
#include "sheet/task_kind.h"
#include "support/recording_messages.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct EllipsenBild : Picture {
    bool farbig = true;
    Sheet sheet{1200, 1600, farbig};
    RecordingMessages m;
    SheetEditing editing{szene, sheet, m};

    explicit EllipsenBild(Szenenart art) {
        view.zweidim = true;
        view.resetPlaneView();
        szene.art = art;
        szene.SzeneEllipse = Ellipse_Beispiel(ellipsenart(art));
        Bericht_schreiben(sheet, szene);
    }
    bool hat(const std::string& row) const {
        const auto z = sheet.zeilen();
        return std::find(z.begin(), z.end(), " " + row) != z.end();
    }
    void klick(const FieldAnchor& a, bool links = true) {
        ASSERT_TRUE(a.gesetzt);
        editing.Image1MouseDown(links, a.links + 1, a.oben + 2);
    }
};

TEST(EllipseScene, ImpossibleAfterAnEditDrawsNoEllipse) {
    EllipsenBild b(Szenenart::EllipseMAT);
    b.draw();
    EXPECT_GT(b.in(Gelb, 1, Solid), 80u); // the curve's chords
    // A horizontal tangent through M leaves no ellipse.
    b.szene.SzeneEllipse.t = {0, 1, 1, Aqua, {}};
    Bericht_schreiben(b.sheet, b.szene);
    EXPECT_TRUE(b.hat("Ellipse unmöglich !"));
    b.draw();
    EXPECT_EQ(b.in(Gelb, 1, Solid), 0u);
    EXPECT_EQ(b.coloured(Lime), 0u);

    EllipsenBild f(Szenenart::EllipseFPT);
    f.szene.SzeneEllipse.P = f.szene.SzeneEllipse.F1; // moved onto y = 2: P = F
    f.szene.SzeneEllipse.t = {0, 1, 2, Aqua, {}};
    Bericht_schreiben(f.sheet, f.szene);
    EXPECT_TRUE(f.hat("Exakte Ellipse unmöglich !"));
}

TEST(EllipseScene, ConstructionAddsStepsAndSilverWithoutChangingTheRest) {
    for (int n = 0; n < EllipsenartAnzahl; ++n) {
        const Szenenart art = ellipsenSzene(static_cast<Ellipsenart>(n));
        EllipsenBild b(art);
        const auto vorher = b.sheet.zeilen();
        b.draw();
        const auto bild = b.canvas.segments.size();
        applyPlaneOption(b.optionen, *findPlaneOption("Ellipse/Konstruktion zeigen"), &b.szene);
        Bericht_schreiben(b.sheet, b.szene);
        const auto nachher = b.sheet.zeilen();
        ASSERT_GT(nachher.size(), vorher.size() + 1) << n; // the heading and a step
        EXPECT_TRUE(std::equal(vorher.begin(), vorher.end(), nachher.begin())) << n;
        EXPECT_EQ(nachher[vorher.size()], " Konstruktion:");
        b.draw();
        EXPECT_EQ(b.canvas.segments.size() > bild, n != 10) << n; // two ellipses: none drawn
    }
}

TEST(EllipseScene, AVertexDraggedAcrossTheCentreKeepsTheCurve) {
    EllipsenBild b(Szenenart::EllipseMab);
    PlaneDrag drag(b.view, b.szene, b.sheet);
    int sx, sy;
    b.view.planeToScreen(7, 2, sx, sy); // S1 = M + (a, 0)
    ASSERT_TRUE(drag.press(sx, sy));
    drag.drag(-1, 5); // the mouse's y is not taken
    EXPECT_EQ(b.szene.SzeneEllipse.E.a, -3);
    EXPECT_EQ(b.szene.SzeneEllipse.E.M.x, 2);
    drag.release();
    EXPECT_TRUE(b.hat("gr.Halbachse: a= 3"));
    EXPECT_TRUE(b.hat("S1(5/2)"));
    b.draw();
    EXPECT_GT(b.in(Gelb, 1, Solid), 80u);
    // The sheet shows the size: a click raises it from there.
    b.klick(b.sheet.anker.zahl2[0]);
    EXPECT_NEAR(b.szene.SzeneEllipse.E.a, 3.2, 1e-12);
}

TEST(EllipseScene, ClickedSlopeAndInterceptChangeTheLine) {
    EllipsenBild b(Szenenart::EllipseGerade); // g: y=-0.5*x + 3
    b.klick(b.sheet.anker.zahl2[4]);
    EXPECT_TRUE(b.hat("g:y=-0.3*x + 3"));
    b.klick(b.sheet.anker.zahl2[5], false);
    EXPECT_TRUE(b.hat("g:y=-0.3*x + 2.8"));
    EXPECT_EQ(b.szene.SzeneEllipse.t.v, 2);       // v stays
    b.szene.SzeneEllipse.t = {2, 0, 5, Aqua, {}}; // x = 2.5
    Bericht_schreiben(b.sheet, b.szene);
    b.klick(b.sheet.anker.zahl2[4]);
    EXPECT_TRUE(b.hat("g: x = 2.7"));
    EXPECT_TRUE(b.m.eintraege.empty());
}

} // namespace
