#include "picture.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
double abstand(const TKoord& p, const TKoord& m) {
    return std::hypot(p.x - m.x, p.y - m.y, p.z - m.z);
}

// Segments of the sampled circles: both ends on the sphere, not a radius.
std::vector<RecordedSegment> circleArcs(const Picture& b, const TKugel& K) {
    return b.segmentsWhere([&](const RecordedSegment& s) {
        return s.from && s.to && std::fabs(abstand(*s.from, K.M.koord()) - K.r) < 1e-9 &&
               std::fabs(abstand(*s.to, K.M.koord()) - K.r) < 1e-9;
    });
}

// The pixels of this colour, each checked to lie on the circle around c with radius rho in
// the plane normal to the axis (0 = x, 2 = z).
int circlePixels(const Picture& b, TFarbe colour, const TKoord& c, double rho, int axis) {
    int n = 0;
    for (const auto& p : b.canvas.pixels) {
        if (p.colour != colour) continue;
        EXPECT_NEAR(axis == 0 ? p.at->x - c.x : p.at->z - c.z, 0, 1e-9);
        EXPECT_NEAR(abstand(*p.at, c), rho, 1e-9);
        ++n;
    }
    return n;
}
} // namespace

TEST(Spheres, DotsOutsideThePositiveQuarters) {
    Picture b;
    const TKugel K = kugel({-5, 0, 0}, 1);
    KugelZeichnen(b.z, K);
    // Circles A (z = 0) and C (y = 0) have x < 0 everywhere: 361 dots each. Circle B in the
    // plane x = −5 is solid over y, z ≥ 0 (samples 1° … 90°) and dotted over 91° … 360°, plus
    // the dot at its 0° sample.
    EXPECT_EQ(b.canvas.pixels.size(), 361u + 271u + 361u);
    for (const auto& p : b.canvas.pixels) EXPECT_EQ(p.colour, Lime);
    auto arcs = circleArcs(b, K);
    ASSERT_EQ(arcs.size(), 90u);
    for (const auto& s : arcs)
        EXPECT_TRUE(s.to->x == -5 && s.to->y >= 0 && s.to->z >= 0 && s.style == Solid &&
                    s.colour == Lime);
    // Radii to (−4, 0, 0), (−5, 1, 0), (−5, 0, 1); the centre with its name.
    EXPECT_EQ(b.between({-5, 0, 0}, {-4, 0, 0}) + b.between({-5, 0, 0}, {-5, 1, 0}) +
                  b.between({-5, 0, 0}, {-5, 0, 1}),
              3u);
    EXPECT_EQ(b.named("M"), 1u);

    // Wholly in the positive octant: solid, with the start dot of each circle.
    Picture c;
    KugelZeichnen(c.z, kugel({2, 2, 2}, 1));
    EXPECT_EQ(c.canvas.pixels.size(), 3u);
    EXPECT_EQ(circleArcs(c, kugel({2, 2, 2}, 1)).size(), 3u * 360u);
}

TEST(Spheres, CoordinatePlanePointsOnlyWhenSwitchedOn) {
    Picture b;
    KugelZeichnen(b.z, kugel({1, 2, 5}, 3));
    EXPECT_EQ(b.named("M23"), 0u);
    b.optionen.KugelEbenenpunkte = true;
    KugelZeichnen(b.z, kugel({1, 2, 5}, 3));
    // |z| = 5 > 3: no circle in x-y; the others exist.
    EXPECT_EQ(b.named("M12"), 0u);
    EXPECT_EQ(b.labels("M23", {0, 2, 5}, Lime) + b.labels("M13", {1, 0, 5}, Lime), 2);
}

TEST(Spheres, TwoSpheresWithTheirCircle) {
    Picture b;
    KugelKugelZeichnen(b.z, kugel({0, 0, 0}, 2), kugel({2, 0, 0}, 2));
    // Radical plane x = 1; the circle has centre (1, 0, 0) and radius √3, drawn in aqua.
    ASSERT_EQ(b.named("Mk"), 1u);
    EXPECT_TRUE(nahe(*b.canvas.textsNamed("Mk")[0].at, {1, 0, 0}));
    EXPECT_GT(circlePixels(b, Aqua, {1, 0, 0}, std::sqrt(3.0), 0), 0);
    // Concentric: no plane at all, and no error.
    Picture d;
    EXPECT_NO_THROW(KugelKugelZeichnen(d.z, kugel({1, 1, 1}, 1), kugel({1, 1, 1}, 2)));
    EXPECT_EQ(d.coloured(Aqua), 0u);
}

TEST(Spheres, LineMissingTheSphereGivesTouchingPoints) {
    Picture b;
    KugelGeradeZeichnen(b.z, kugel({0, 0, 0}, 1), gerade({-5, 3, 0}, {1, 0, 0}));
    EXPECT_EQ(b.named("S1"), 0u);
    auto b1 = b.canvas.textsNamed("B1");
    ASSERT_EQ(b1.size(), 1u);
    EXPECT_EQ(b1[0].colour, Gelb);
    EXPECT_NEAR(abstand(*b1[0].at, {0, 0, 0}), 1, 1e-9);
    EXPECT_EQ(b.named("B2"), 1u);
    EXPECT_GT(b.in(Lime, 1, Solid), 0u);
}

TEST(Spheres, SphereAndPlaneWithCircleAndPole) {
    Picture b;
    KugelEbeneZeichnen(b.z, kugel({0, 0, 0}, 2), ebene({0, 0, 1}, 1, Rot));
    ASSERT_EQ(b.named("Pol"), 1u);
    EXPECT_TRUE(nahe(*b.canvas.textsNamed("Pol")[0].at, {0, 0, 4}));
    // The circle in z = 1 around (0, 0, 1) with radius √3, sampled in red.
    EXPECT_GT(circlePixels(b, Rot, {0, 0, 1}, std::sqrt(3.0), 2), 100);
}
