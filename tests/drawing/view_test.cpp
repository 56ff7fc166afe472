#include "core/errors.h"
#include "drawing/primitives.h"
#include "drawing/view.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>

namespace {
using Px = std::pair<int, int>;

ViewState standardView() {
    ViewState v;
    v.setSize(584, 584);
    v.computeSteps();
    return v;
}

Px scr(const ViewState& v, double x, double y, double z) {
    int sx = 0, sy = 0;
    v.RealToScr(x, y, z, sx, sy);
    return {sx, sy};
}
} // namespace

// The standard view's origin, steps and projection show in every picture of the scenes' golden.
TEST(View, TruncationAndStepsFollowingOriginAndUnits) {
    ViewState v = standardView();
    // Trunc inside for x: sx = Trunc(171 − 20.5) = 150, not 171 + Trunc(−20.5) = 151;
    // outside for y: sy = 412 + Trunc(−8.5) = 404, not Trunc(403.5) = 403.
    EXPECT_EQ(scr(v, 0, -0.5, 0).first, 150);
    EXPECT_EQ(scr(v, -0.5, 0, 0), Px(179, 404));

    // Steps follow origin and units: 300 div 20, (584 − 100) div 20, (584 − 300) div 5,
    // 100 div 15; an origin beyond the right edge mirrors the y-axis.
    v.UrsprungX = 300;
    v.UrsprungY = 100;
    v.EinheitenX = 20;
    v.EinheitenY = 5;
    v.EinheitenZ = 15;
    v.computeSteps();
    EXPECT_EQ((std::vector<int>{v.SchrittXh, v.SchrittXv, v.SchrittY, v.SchrittZ}),
              (std::vector<int>{15, 24, 56, 6}));
    v.UrsprungX = 600;
    v.computeSteps();
    EXPECT_EQ(v.SchrittY, -3);
}

TEST(View, RotationsUseThePreviousCoordinates) {
    const ViewState s = standardView();
    ViewState v = s;
    v.WinkelZ = 90;
    // The x-axis turns onto the former negative y-axis, the y-axis onto the former x-axis.
    EXPECT_EQ(scr(v, 1, 0, 0), scr(s, 0, -1, 0));
    EXPECT_EQ(scr(v, 0, 1, 0), scr(s, 1, 0, 0));
    // About z first, then about x: x goes to −y and then up onto z.
    v.WinkelX = 90;
    EXPECT_EQ(scr(v, 1, 0, 0), Px(171, 371));
    // About y alone: by 90 degrees z turns onto x, by −180 degrees x onto −x.
    v = s;
    v.WinkelY = 90;
    EXPECT_EQ(scr(v, 0, 0, 1.5), Px(145, 437));
    v.WinkelY = -180;
    EXPECT_EQ(scr(v, 1, 0, 0), Px(188, 395));
}

TEST(View, ProjectionOutsideTheIntegerRangeIsARangeError) {
    const ViewState v = standardView();
    const double nan = std::nan(""), inf = std::numeric_limits<double>::infinity();
    const double bad[][3] = {{1e10, 0, 0}, {0, 0, 1e9}, {0, -1e9, 0}, {nan, 0, 0}, {0, inf, 0}};
    for (const auto& p : bad) EXPECT_THROW(scr(v, p[0], p[1], p[2]), RangeError) << p[0];
    EXPECT_NO_THROW(scr(v, 1e6, 1e6, 1e6));
}

TEST(View, VisibleBoxIsStrict) {
    ViewState v = standardView();
    v.EinheitenZ = 5;
    EXPECT_EQ((std::vector<bool>{v.inside(9.99, -9.99, 0), v.inside(10, 0, 0), v.inside(0, -10, 0),
                                 v.inside(0, 0, 5), v.inside(0, 0, 4.5)}),
              (std::vector<bool>{true, false, false, false, true}));
}

TEST(View, PlaneMappingBothWays) {
    ViewState v;
    v.setSize(584, 584);
    v.resetPlaneView();
    EXPECT_EQ((std::vector<int>{v.Ursprung2X, v.Ursprung2Y, v.Schritt2X, v.Schritt2Y}),
              (std::vector<int>{292, 292, 29, 29}));
    int sx = 0, sy = 0;
    v.planeToScreen(1, 1, sx, sy);
    EXPECT_EQ(Px(sx, sy), Px(321, 263));
    v.planeToScreen(-0.5, -0.5, sx, sy); // -14.5 pixels round away from zero on both axes
    EXPECT_EQ(Px(sx, sy), Px(277, 307));
    EXPECT_THROW(v.planeToScreen(1e9, 0, sx, sy), RangeError);

    // Back to the model, cut to tenths toward zero: ±0.37 gives ±0.3.
    v.Schritt2X = v.Schritt2Y = 100;
    double x = 0, y = 0;
    v.screenToPlane(292 - 37, 292 + 37, x, y);
    EXPECT_EQ(std::make_pair(x, y), std::make_pair(-0.3, -0.3));
    v.screenToPlane(292 + 37, 292 - 37, x, y);
    EXPECT_EQ(std::make_pair(x, y), std::make_pair(0.3, 0.3));
    v.Schritt2X = 0;
    EXPECT_THROW(v.screenToPlane(300, 300, x, y), MathError);
}

TEST(View, StepsOfALineUntilItLeavesTheBox) {
    // The step count k ≥ 1 with p + k·u outside; outside already: one step, unless that step
    // lands inside; a zero direction never leaves.
    const ViewState v = standardView();
    const std::tuple<TKoord, TKoord, double> steps[] = {
        {{0, 2, 1}, {1, 0, 0}, 10}, {{0, 2, 1}, {0, -1, 0}, 12}, {{0, 0, 0}, {0.3, 0, 0}, 34},
        {{20, 0, 0}, {1, 0, 0}, 1}, {{0, 20, 0}, {0, 0, 0}, 1},  {{-10.5, 0, 0}, {1, 0, 0}, 21}};
    for (const auto& [p, u, k] : steps) EXPECT_EQ(stepsUntilOutside(v, p, u), k) << p.x;
    EXPECT_TRUE(std::isinf(stepsUntilOutside(v, {1, 1, 1}, {0, 0, 0})));
}
