#include "picture.h"

#include <gtest/gtest.h>

namespace {
bool hat(const std::vector<TPunkt>& punkte, TKoord p) {
    for (const auto& q : punkte)
        if (nahe(q.koord(), p)) return true;
    return false;
}
} // namespace

TEST(CubeSection, FirstOctantTriangleWithHiddenEdges) {
    const TKoord Z[3] = {{3, 0, 0}, {0, 3, 0}, {0, 0, 3}};
    const auto p = Quader_Schnittpunkte(ebene({1, 1, 1}, 3), 8, 8, 8);
    EXPECT_EQ(p.size(), 3u);
    for (const auto& q : Z) EXPECT_TRUE(hat(p, q));

    Picture b;
    b.optionen.Quaderschnittpunkte = true;
    Zeichne_Ebene_Quader(b.z, ebene({1, 1, 1}, 3), Lime);
    // h = 10 − 2 = 8; the first box holds the triangle, and the search stops there. Corners
    // below all three box extents count as hidden: dotted, width 1.
    EXPECT_EQ(b.canvas.segments.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(b.between(Z[i], Z[(i + 1) % 3], Lime, 1, Dot), 1u) << i;
        EXPECT_EQ(b.labels("Z" + std::to_string(i + 1), Z[i], Lime), 1) << i;
    }
    // Corners (8, 8, 4), (8, 4, 8), (4, 8, 8) lie on the outer faces: solid, width 2.
    Picture c;
    Zeichne_Ebene_Quader(c.z, ebene({1, 1, 1}, 20), Gelb);
    EXPECT_EQ(c.in(Gelb, 2, Solid), 3u);
    EXPECT_EQ(c.between({8, 8, 4}, {8, 4, 8}) + c.between({4, 8, 8}, {8, 8, 4}), 2u);
}

TEST(CubeSection, SearchGoesOnToTheFourthBox) {
    const double X[3] = {8, -8, -8}, Y[3] = {8, 8, -8};
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(Quader_Schnittpunkte(ebene({0, 0, 1}, -4), X[i], Y[i], 8).empty());
    Picture b;
    b.optionen.HilfsQuader = true;
    Zeichne_Ebene_Quader(b.z, ebene({0, 0, 1}, -4), Lime);
    // The square (0, 0, −4), (−8, 0, −4), (−8, −8, −4), (0, −8, −4), walked face by face, plus
    // the 12 dotted silver edges of that octant's auxiliary box only.
    const TKoord q[4] = {{0, 0, -4}, {-8, 0, -4}, {-8, -8, -4}, {0, -8, -4}};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(b.between(q[i], q[(i + 1) % 4]), 1u) << i;
    EXPECT_EQ(
        std::make_tuple(b.coloured(Lime), b.in(farbe::Silber, 1, Dot), b.canvas.segments.size()),
        std::make_tuple(4u, 12u, 16u));
    EXPECT_EQ(b.between({-8, -8, -8}, {-8, -8, 0}), 1u);

    // A plane missing the cube draws nothing, not even the auxiliary box; a plane through a
    // box edge keeps one copy of each corner.
    Picture c;
    c.optionen.HilfsQuader = true;
    Zeichne_Ebene_Quader(c.z, ebene({1, 0, 0}, 50), Gelb);
    EXPECT_TRUE(c.canvas.segments.empty());
    EXPECT_EQ(Quader_Schnittpunkte(ebene({1, 1, 0}, 0), 8, -8, 8).size(), 4u);
}

TEST(Planes, FootPointDirectionsAndOptions) {
    Picture b;
    Ebenezeichnen(b.z, ebene({1, 1, 1}, 3));
    ASSERT_EQ(b.named("L"), 1u);
    EXPECT_TRUE(nahe(*b.canvas.textsNamed("L")[0].at, {1, 1, 1}));
    EXPECT_EQ(
        b.segmentsWhere([](const RecordedSegment& s) {
             return s.from && nahe(*s.from, {1, 1, 1}) && s.colour == Lime && s.style == Solid;
         }).size(),
        2u);
    EXPECT_EQ(b.named("S1"), 0u);

    Picture c;
    c.optionen.KoordSchnittpunkte = c.optionen.Spurgeraden = true;
    c.optionen.Parameterdarstellung = true;
    Ebenezeichnen(c.z, ebene({1, 1, 1}, 3));
    EXPECT_EQ(c.labels("S1", {3, 0, 0}, Lime) + c.labels("S2", {0, 3, 0}, Lime) +
                  c.labels("S3", {0, 0, 3}, Lime),
              3);
    EXPECT_EQ(c.between({3, 0, 0}, {2, 1, 0}), 1u); // trace line s12
    // The patch: four sides of 20 pieces each, solid and wide only in the first octant.
    EXPECT_GE(c.in(Lime, 2, Solid) + c.in(Lime, 1, Dot), 80u);
}

TEST(Planes, PatchDirectionsAreScaledIntoRange) {
    Picture b;
    TEbene E;
    E.Stuetz = punkt(0, 0, 0);
    E.Richtung1 = punkt(10, 0, 0); // 10 → 7 → 4.9 → 3.43 → 2.401
    E.Richtung2 = punkt(0, 1, 0);  // below 1.5: doubled
    E.Farbe = Aqua;
    ParameterDarst_Par_Zeichnen(b.z, E);
    EXPECT_EQ(b.between({0, 0, 0}, {2.401, 0, 0}) + b.between({0, 0, 0}, {0, 2, 0}), 2u);
    ASSERT_EQ(b.canvas.segments.size(), 82u);
    // The first side starts at F + 1.75·r1 + 1.75·r2.
    EXPECT_TRUE(nahe(*b.canvas.segments[2].from, {1.75 * 2.401, 3.5, 0}, 1e-12));
}
