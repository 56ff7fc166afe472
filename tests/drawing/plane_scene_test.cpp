// The plane view and the triangle's drawing: what each option adds, the degenerate directions
// and steps, the grid, and dragging a vertex.
#include "core/errors.h"
#include "drawing/plane_drag.h"
#include "drawing/plane_options.h"
#include "drawing/plane_primitives.h"
#include "picture.h"
#include "sheet/sheet.h"
#include "sheet/task_kind.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr TFarbe Silber = farbe::Silber;

struct PlanePicture : Picture {
    PlanePicture() {
        view.zweidim = true;
        view.resetPlaneView();
        szene.art = Szenenart::Dreieck2;
        Dreieck2_Beispiel(szene.SzeneDreieck2);
        deriveScene(szene);
    }
    void option(const char* path) { applyPlaneOption(optionen, *findPlaneOption(path)); }
};

// What each option draws is in the scenes' golden; here the options' switching and the grid.
TEST(PlaneScene, AllSpecialLinesSwitchSixOptionsAndTheGridDrawsThroughEveryTick) {
    PlanePicture b;
    b.option("Zweidim. Dreieck/allen besondere Linien");
    EXPECT_TRUE(b.optionen.Seitenmitten && b.optionen.Seitenhalbierende &&
                b.optionen.Mittelsenkrechte && b.optionen.Hoehen && b.optionen.Winkelhalbierende &&
                b.optionen.Eulergerade);
    EXPECT_FALSE(b.optionen.Koordinatengitter);
    b.option("Zweidim. Dreieck/allen besondere Linien");
    EXPECT_FALSE(b.optionen.Hoehen);
    b.option("Ellipse/mit Koordinatengitter");
    b.draw();
    EXPECT_EQ(b.in(Silber, 1, Dot), 4u * 11);
}

TEST(PlaneScene, DegenerateTrianglesAndDirectionsDrawOnlyWhatExists) {
    PlanePicture b;
    b.option("Zweidim. Dreieck/allen besondere Linien");
    // Equilateral: no Euler line (collinear vertices are in the scenes' golden).
    const double h = std::sqrt(48.0);
    b.szene.SzeneDreieck2[2] = punkt2(0, h - 1, Gelb, "C");
    deriveScene(b.szene);
    b.draw();
    EXPECT_EQ(b.in(Gelb, 2, Solid), 3u);

    // A zero direction draws nothing, a tiny one one segment each way.
    b.canvas.clear();
    ZeichneGerade2(b.z, {punkt2(1, 1), punkt2(0, 0)}, Rot, 1);
    EXPECT_TRUE(b.canvas.segments.empty());
    ZeichneGerade2(b.z, {punkt2(1, 1), punkt2(1e-12, 0)}, Rot, 1);
    EXPECT_EQ(b.canvas.segments.size(), 2u);
}

TEST(PlaneScene, StepsBelowOnePixelDrawNoTicksAndFarPointsRaiseTheRangeError) {
    PlanePicture b;
    for (int units : {300, -1}) {
        b.view.Einheiten2X = b.view.Einheiten2Y = units;
        b.view.computePlaneSteps(); // 292 / 300 = 0 pixels; -292 pixels
        b.draw();                   // ends, with the four rays only
        EXPECT_EQ(b.coloured(Weiss), 4u);
        EXPECT_FALSE(b.view.planeMappable());
    }
    b.view.resetPlaneView();
    b.szene.SzeneDreieck2[0].x = 1e12;
    deriveScene(b.szene);
    EXPECT_THROW(b.draw(), RangeError);
}

TEST(PlaneDrag, ChoosesTheVertexWhereItIsDrawnAndReportsOnRelease) {
    PlanePicture b;
    bool farbig = true;
    Sheet sheet(600, 600, farbig);
    PlaneDrag drag(b.view, b.szene, sheet);
    int cx, cy;
    b.view.planeToScreen(0, 4, cx, cy);
    EXPECT_FALSE(drag.press(cx + 6, cy));
    ASSERT_TRUE(drag.press(cx + 5, cy - 5));
    drag.drag(1.5, 3);
    EXPECT_EQ(b.szene.SzeneDreieck2[2].x, 1.5);
    EXPECT_NE(b.szene.Dreieck2.H.x, 0); // the derived values follow at once
    drag.release();
    bool found = false;
    for (const auto& t : sheet.protokoll()) found = found || t.text == "C(1.5/3)";
    EXPECT_TRUE(found);
    drag.drag(5, 5); // nothing chosen after the release
    EXPECT_EQ(b.szene.SzeneDreieck2[2].y, 3);
    // A task in space has nothing to drag, and no task at all neither.
    for (Szenenart art : {Szenenart::Punkt, Szenenart::keine}) {
        b.szene.art = art;
        EXPECT_FALSE(drag.press(cx + 5, cy - 5));
    }
}

} // namespace
