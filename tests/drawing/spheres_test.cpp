#include "picture.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
TKugel kugel(double x, double y, double z, double r, TFarbe f = farbe::Lime) {
    TKugel K;
    K.M = punkt(x, y, z, f, "M");
    K.r = r;
    K.Farbe = f;
    K.Name = "K: ";
    return K;
}

TGerade gerade(TKoord p, TKoord u) {
    TGerade g;
    g.Stuetz = punkt(p.x, p.y, p.z, farbe::Gelb, "P");
    g.Richtung = punkt(u.x, u.y, u.z);
    g.Farbe = farbe::Gelb;
    return g;
}

// Segments of the sampled circles: both ends on the sphere, not a radius.
std::vector<RecordedSegment> circleArcs(const Picture& b, const TKugel& K) {
    return b.segmentsWhere([&](const RecordedSegment& s) {
        if (!s.from || !s.to) return false;
        auto dist = [&](const TKoord& p) {
            return std::hypot(p.x - K.M.x, p.y - K.M.y, p.z - K.M.z);
        };
        return std::fabs(dist(*s.from) - K.r) < 1e-9 && std::fabs(dist(*s.to) - K.r) < 1e-9;
    });
}
} // namespace

TEST(Spheres, DotsOutsideThePositiveQuarters) {
    Picture b;
    const TKugel K = kugel(-5, 0, 0, 1);
    KugelZeichnen(b.z, K);
    // Circles A (z = 0) and C (y = 0) have x < 0 everywhere: 361 dots each. Circle B in the
    // plane x = −5 is solid over y, z ≥ 0 (samples 1° … 90°) and dotted over 91° … 360°, plus
    // the dot at its 0° sample.
    EXPECT_EQ(b.canvas.pixels.size(), 361u + 271u + 361u);
    for (const auto& p : b.canvas.pixels) EXPECT_EQ(p.colour, farbe::Lime);
    auto arcs = circleArcs(b, K);
    ASSERT_EQ(arcs.size(), 90u);
    for (const auto& s : arcs) {
        EXPECT_EQ(s.to->x, -5);
        EXPECT_GE(s.to->y, 0);
        EXPECT_GE(s.to->z, 0);
        EXPECT_EQ(s.style, PenStyle::Solid);
        EXPECT_EQ(s.colour, farbe::Lime);
    }
    // Radii to (−4, 0, 0), (−5, 1, 0), (−5, 0, 1); the centre with its guide line.
    EXPECT_EQ(b.canvas.segmentsBetween({-5, 0, 0}, {-4, 0, 0}).size(), 1u);
    EXPECT_EQ(b.canvas.segmentsBetween({-5, 0, 0}, {-5, 1, 0}).size(), 1u);
    EXPECT_EQ(b.canvas.segmentsBetween({-5, 0, 0}, {-5, 0, 1}).size(), 1u);
    EXPECT_EQ(b.canvas.textsNamed("M").size(), 1u);
}

TEST(Spheres, WhollyInThePositiveOctantIsSolid) {
    Picture b;
    const TKugel K = kugel(2, 2, 2, 1);
    KugelZeichnen(b.z, K);
    EXPECT_EQ(b.canvas.pixels.size(), 3u); // the start dot of each circle
    EXPECT_EQ(circleArcs(b, K).size(), 3u * 360u);
}

TEST(Spheres, CoordinatePlanePointsOnlyWhenSwitchedOn) {
    Picture b;
    KugelZeichnen(b.z, kugel(1, 2, 5, 3));
    EXPECT_TRUE(b.canvas.textsNamed("M12").empty());

    Picture c;
    c.optionen.KugelEbenenpunkte = true;
    KugelZeichnen(c.z, kugel(1, 2, 5, 3));
    // |z| = 5 > 3: no circle in x-y; the others exist.
    EXPECT_TRUE(c.canvas.textsNamed("M12").empty());
    ASSERT_EQ(c.canvas.textsNamed("M23").size(), 1u);
    EXPECT_TRUE(nahe(*c.canvas.textsNamed("M23")[0].at, {0, 2, 5}));
    ASSERT_EQ(c.canvas.textsNamed("M13").size(), 1u);
    EXPECT_TRUE(nahe(*c.canvas.textsNamed("M13")[0].at, {1, 0, 5}));
}

TEST(Spheres, TwoSpheresWithTheirCircle) {
    Picture b;
    KugelKugelZeichnen(b.z, kugel(0, 0, 0, 2), kugel(2, 0, 0, 2));
    // Radical plane x = 1; the circle has centre (1, 0, 0) and radius √3, drawn in aqua.
    auto mk = b.canvas.textsNamed("Mk");
    ASSERT_EQ(mk.size(), 1u);
    EXPECT_TRUE(nahe(*mk[0].at, {1, 0, 0}, 1e-12));
    int onCircle = 0;
    for (const auto& p : b.canvas.pixels) {
        if (p.colour != farbe::Aqua) continue;
        EXPECT_NEAR(p.at->x, 1, 1e-9);
        EXPECT_NEAR(std::hypot(p.at->y, p.at->z), std::sqrt(3.0), 1e-9);
        ++onCircle;
    }
    EXPECT_GT(onCircle, 0);

    // Apart: the radical plane x = 2.5 with its patch although the option is off.
    Picture c;
    KugelKugelZeichnen(c.z, kugel(0, 0, 0, 1), kugel(5, 0, 0, 1));
    EXPECT_FALSE(c.optionen.Parameterdarstellung);
    auto patch = c.segmentsWhere([](const RecordedSegment& s) {
        return s.colour == farbe::Aqua && s.width == 2 && s.style == PenStyle::Solid;
    });
    EXPECT_FALSE(patch.empty());
    for (const auto& s : patch) EXPECT_NEAR(s.to->x, 2.5, 1e-9);

    // Concentric: no plane at all, and no error.
    Picture d;
    EXPECT_NO_THROW(KugelKugelZeichnen(d.z, kugel(1, 1, 1, 1), kugel(1, 1, 1, 2)));
    EXPECT_TRUE(
        d.segmentsWhere([](const RecordedSegment& s) { return s.colour == farbe::Aqua; }).empty());
}

TEST(Spheres, LineThroughTheCentreDrawsOnlyWhatExists) {
    Picture b;
    KugelGeradeZeichnen(b.z, kugel(0, 0, 0, 2), gerade({-5, 0, 0}, {1, 0, 0}));
    EXPECT_EQ(b.canvas.textsNamed("S1").size(), 1u);
    EXPECT_EQ(b.canvas.textsNamed("S2").size(), 1u);
    EXPECT_TRUE(
        b.segmentsWhere([](const RecordedSegment& s) { return s.colour == farbe::Blau; }).empty());

    Picture c;
    KugelGeradeZeichnen(c.z, kugel(0, 0, 0, 2), gerade({-5, 1, 0}, {1, 0, 0}));
    // The perpendicular from M along (0, −1, 0), in blue, width 1.
    EXPECT_EQ(c.canvas.segmentsBetween({0, 0, 0}, {0, -1, 0}).size(), 1u);
    EXPECT_FALSE(c.segmentsIn(farbe::Blau, 1, PenStyle::Solid).empty());
}

TEST(Spheres, TouchingPointsOfTangentPlanesThroughAMissingLine) {
    Picture b;
    KugelGeradeZeichnen(b.z, kugel(0, 0, 0, 1), gerade({-5, 3, 0}, {1, 0, 0}));
    EXPECT_TRUE(b.canvas.textsNamed("S1").empty());
    auto b1 = b.canvas.textsNamed("B1");
    ASSERT_EQ(b1.size(), 1u);
    EXPECT_EQ(b1[0].colour, farbe::Gelb);
    EXPECT_NEAR(std::hypot(b1[0].at->x, b1[0].at->y, b1[0].at->z), 1, 1e-9);
    EXPECT_EQ(b.canvas.textsNamed("B2").size(), 1u);
    EXPECT_FALSE(b.segmentsIn(farbe::Lime, 1, PenStyle::Solid).empty());
}

TEST(Spheres, SphereAndPlaneWithCircleAndPole) {
    Picture b;
    TEbeneNorm E;
    E.Normale = punkt(0, 0, 1);
    E.d = 1;
    E.Farbe = farbe::Rot;
    KugelEbeneZeichnen(b.z, kugel(0, 0, 0, 2), E);
    auto pol = b.canvas.textsNamed("Pol");
    ASSERT_EQ(pol.size(), 1u);
    EXPECT_TRUE(nahe(*pol[0].at, {0, 0, 4}, 1e-12));
    // The circle z = 1 with radius √3: red samples, solid where x, y ≥ 0.
    int samples = 0;
    for (const auto& p : b.canvas.pixels)
        if (p.colour == farbe::Rot) {
            EXPECT_NEAR(p.at->z, 1, 1e-9);
            EXPECT_NEAR(std::hypot(p.at->x, p.at->y), std::sqrt(3.0), 1e-9);
            ++samples;
        }
    EXPECT_GT(samples, 100);
}
