#include "core/errors.h"
#include "drawing/view.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {
ViewState standardView() {
    ViewState v;
    v.setSize(584, 584);
    v.computeSteps();
    return v;
}

std::pair<int, int> scr(const ViewState& v, double x, double y, double z) {
    int sx = 0, sy = 0;
    v.RealToScr(x, y, z, sx, sy);
    return {sx, sy};
}
} // namespace

TEST(View, SquareWindowOriginAndSteps) {
    ViewState v = standardView();
    EXPECT_EQ(v.UrsprungX, 171);
    EXPECT_EQ(v.UrsprungY, 412);
    EXPECT_EQ(v.SchrittXh, 17);
    EXPECT_EQ(v.SchrittXv, 17);
    EXPECT_EQ(v.SchrittY, 41);
    EXPECT_EQ(v.SchrittZ, 41);
    EXPECT_EQ(scr(v, 0, 10, 0), std::make_pair(581, 412));
    // x runs down-left by one step each way, z straight up.
    EXPECT_EQ(scr(v, 1, 0, 0), std::make_pair(154, 429));
    EXPECT_EQ(scr(v, 0, 0, 1), std::make_pair(171, 371));
}

TEST(View, StepsFollowOriginAndUnits) {
    ViewState v = standardView();
    v.UrsprungX = 300;
    v.UrsprungY = 100;
    v.EinheitenX = 20;
    v.EinheitenY = 5;
    v.EinheitenZ = 15;
    v.computeSteps();
    EXPECT_EQ(v.SchrittXh, 15); // 300 div 20
    EXPECT_EQ(v.SchrittXv, 24); // (584 - 100) div 20
    EXPECT_EQ(v.SchrittY, 56);  // (584 - 300) div 5
    EXPECT_EQ(v.SchrittZ, 6);   // 100 div 15
    v.UrsprungX = 600;          // dragged beyond the right edge: the y-axis mirrors
    v.computeSteps();
    EXPECT_EQ(v.SchrittY, -3);
}

TEST(View, TruncationInsideForXOutsideForY) {
    ViewState v = standardView();
    // sy = 412 + Trunc(-8.5) = 404, not Trunc(403.5) = 403.
    EXPECT_EQ(scr(v, -0.5, 0, 0), std::make_pair(179, 404));
    // sx = Trunc(171 - 20.5) = 150, not 171 + Trunc(-20.5) = 151.
    EXPECT_EQ(scr(v, 0, -0.5, 0).first, 150);
}

TEST(View, RotationsUseThePreviousCoordinates) {
    ViewState v = standardView();
    v.WinkelZ = 90;
    // The x-axis turns onto the former negative y-axis, the y-axis onto the former x-axis.
    EXPECT_EQ(scr(v, 1, 0, 0), scr(standardView(), 0, -1, 0));
    EXPECT_EQ(scr(v, 0, 1, 0), scr(standardView(), 1, 0, 0));
    EXPECT_EQ(scr(v, 0, 0, 1), std::make_pair(171, 371));
    // About z first, then about x: x goes to -y and then up onto z.
    v.WinkelX = 90;
    EXPECT_EQ(scr(v, 1, 0, 0), std::make_pair(171, 371));
    // About y alone: by 90 degrees z turns onto x, by -180 degrees x onto -x.
    ViewState w = standardView();
    w.WinkelY = 90;
    EXPECT_EQ(scr(w, 0, 0, 1.5), std::make_pair(145, 437));
    w.WinkelY = -180;
    EXPECT_EQ(scr(w, 1, 0, 0), std::make_pair(188, 395));
}

TEST(View, ProjectionOutsideTheIntegerRangeIsARangeError) {
    ViewState v = standardView();
    EXPECT_THROW(scr(v, 1e10, 0, 0), RangeError);
    EXPECT_THROW(scr(v, 0, 0, 1e9), RangeError);
    EXPECT_THROW(scr(v, 0, -1e9, 0), RangeError);
    EXPECT_THROW(scr(v, std::nan(""), 0, 0), RangeError);
    EXPECT_THROW(scr(v, 0, std::numeric_limits<double>::infinity(), 0), RangeError);
    EXPECT_NO_THROW(scr(v, 1e6, 1e6, 1e6));
}

TEST(View, VisibleBoxIsStrict) {
    ViewState v = standardView();
    EXPECT_TRUE(v.inside(9.99, -9.99, 0));
    EXPECT_FALSE(v.inside(10, 0, 0));
    EXPECT_FALSE(v.inside(0, -10, 0));
    v.EinheitenZ = 5;
    EXPECT_FALSE(v.inside(0, 0, 5));
    EXPECT_TRUE(v.inside(0, 0, 4.5));
}

TEST(View, UnitButtonsKeepAtLeastFive) {
    EXPECT_EQ(ViewState::fewerUnits(10), 5);
    EXPECT_EQ(ViewState::fewerUnits(5), 5);
    EXPECT_EQ(ViewState::fewerUnits(25), 15);
    EXPECT_EQ(ViewState::moreUnits(5), 15);
}

TEST(View, PlaneMappingBothWays) {
    ViewState v;
    v.setSize(584, 584);
    v.resetPlaneView();
    EXPECT_EQ(v.Ursprung2X, 292);
    EXPECT_EQ(v.Ursprung2Y, 292);
    EXPECT_EQ(v.Schritt2X, 29);
    EXPECT_EQ(v.Schritt2Y, 29);
    int sx = 0, sy = 0;
    v.planeToScreen(1, 1, sx, sy);
    EXPECT_EQ(sx, 321);
    EXPECT_EQ(sy, 263);
    v.planeToScreen(-0.5, -0.5, sx, sy); // truncation toward zero on both axes
    EXPECT_EQ(sx, 278);
    EXPECT_EQ(sy, 306);
    EXPECT_THROW(v.planeToScreen(1e9, 0, sx, sy), RangeError);

    v.Schritt2X = 100;
    v.Schritt2Y = 100;
    double x = 0, y = 0;
    v.screenToPlane(292 - 37, 292 + 37, x, y); // model -0.37, -0.37
    EXPECT_DOUBLE_EQ(x, -0.3);
    EXPECT_DOUBLE_EQ(y, -0.3);
    v.screenToPlane(292 + 37, 292 - 37, x, y);
    EXPECT_DOUBLE_EQ(x, 0.3);
    EXPECT_DOUBLE_EQ(y, 0.3);
    v.Schritt2X = 0;
    EXPECT_THROW(v.screenToPlane(300, 300, x, y), MathError);
}

TEST(View, NearOriginWithinFivePixels) {
    ViewState v = standardView();
    EXPECT_TRUE(v.nearOrigin(176, 417));
    EXPECT_TRUE(v.nearOrigin(166, 407));
    EXPECT_FALSE(v.nearOrigin(177, 412));
    EXPECT_FALSE(v.nearOrigin(171, 406));
}
