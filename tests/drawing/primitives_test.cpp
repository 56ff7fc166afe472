#include "core/errors.h"
#include "picture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

TEST(Segments, PiecesSolidOnlyWithoutNegativeCoordinates) {
    Picture b;
    b.canvas.setPenColor(Gelb);
    Linie2_zeichnen(b.z, punkt(-2, 0, 0), punkt(2, 0, 0));
    ASSERT_EQ(b.canvas.segments.size(), 20u);
    // Pieces ending at x = −1.8 … −0.2 are dotted, those ending at 0 … 2 solid and wide.
    EXPECT_EQ(b.in(Gelb, 1, Dot), 9u);
    EXPECT_EQ(b.in(Gelb, 2, Solid), 11u);
    EXPECT_EQ(b.canvas.segments.back().to->x, 2);
}

TEST(Lines, StepsOfTheDirectionUntilTheBoxIsLeft) {
    Picture b;
    GeradeZeichnen(b.z, gerade({0, 2, 1}, {1, 0, 0}), 2);
    EXPECT_EQ(b.in(Gelb, 2, Solid), 20u);
    for (int x = -10; x < 10; ++x) EXPECT_EQ(b.between({x + 0.0, 2, 1}, {x + 1.0, 2, 1}), 1u) << x;
    // The support point with its guide line to the y-axis (degenerate here: x = 0).
    EXPECT_EQ(b.named("P"), 1u);
    EXPECT_EQ(b.between({0, 2, 0}, {0, 2, 0}), 1u);

    // A short direction: 34 steps each way, the last ones crossing the boundary.
    Picture c;
    GeradeZeichnen(c.z, gerade({0, 0, 0}, {0.3, 0, 0}), 1);
    EXPECT_EQ(c.in(Gelb, 1, Solid), 68u);
    EXPECT_EQ(c.between({9.9, 0, 0}, {10.2, 0, 0}) + c.between({-9.9, 0, 0}, {-10.2, 0, 0}), 2u);

    // The step count k ≥ 1 with p + k·u outside; outside already: one step, unless that step
    // lands inside.
    const std::tuple<TKoord, TKoord, double> steps[] = {
        {{0, 2, 1}, {1, 0, 0}, 10}, {{0, 2, 1}, {0, -1, 0}, 12}, {{0, 0, 0}, {0.3, 0, 0}, 34},
        {{20, 0, 0}, {1, 0, 0}, 1}, {{0, 20, 0}, {0, 0, 0}, 1},  {{-10.5, 0, 0}, {1, 0, 0}, 21}};
    for (const auto& [p, u, k] : steps) EXPECT_EQ(stepsUntilOutside(b.view, p, u), k) << p.x;
    EXPECT_TRUE(std::isinf(stepsUntilOutside(b.view, {1, 1, 1}, {0, 0, 0})));
}

TEST(Lines, ZeroOrTinyDirectionEndsWithFewSegments) {
    Picture b;
    GeradeZeichnen(b.z, gerade({1, 1, 1}, {0, 0, 0}), 2);
    EXPECT_EQ(b.in(Gelb, 2, Solid), 0u);
    EXPECT_EQ(b.canvas.rectangles.size(), 1u); // only the support point
    // Each of the two segments ends where the stepping leaves the box, within one step.
    for (double tiny : {1e-9, 1e-3, 1e-300}) {
        Picture c;
        GeradeZeichnen(c.z, gerade({0, 1, 0}, {tiny, 0, 0}), 2);
        EXPECT_EQ(c.in(Gelb, 2, Solid), 2u) << tiny;
        EXPECT_EQ(c.between({0, 1, 0}, {10, 1, 0}) + c.between({0, 1, 0}, {-10, 1, 0}), 2u);
    }
}

TEST(ColourMode, BlackAndWhiteDrawsEverythingBlackAndRangeErrorsStop) {
    Picture b;
    b.view.farbig = false;
    Zeichne_koordinatensystem(b.z, Weiss);
    PunktZeichnen_mit_hilfslinien(b.z, punkt(3, 2, 1, Gelb, "A"));
    GeradeZeichnen(b.z, gerade({0, 2, 1}, {1, 0, 0}, Rot), 2);
    KugelZeichnen(b.z, kugel({-5, 0, 0}, 1));
    ASSERT_FALSE(b.canvas.pixels.empty());
    EXPECT_EQ(b.coloured(Schwarz), b.canvas.segments.size());
    for (const auto& p : b.canvas.pixels) EXPECT_EQ(p.colour, Schwarz);
    for (const auto& r : b.canvas.rectangles) EXPECT_EQ(r.pen, Schwarz);
    for (const auto& t : b.canvas.texts) EXPECT_EQ(t.colour, Schwarz);

    EXPECT_THROW(PunktZeichnen(b.z, punkt(0, 1e12, 0)), RangeError);
    EXPECT_THROW(GeradeZeichnen(b.z, gerade({0, 0, 0}, {1e300, 0, 0}), 1), RangeError);
    EXPECT_THROW(PunktZeichnen(b.z, punkt(std::nan(""), 0, 0)), RangeError);
}
