#include "picture.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
TEbeneNorm ebene(double nx, double ny, double nz, double d, TFarbe f = farbe::Lime) {
    TEbeneNorm E;
    E.Normale = punkt(nx, ny, nz);
    E.d = d;
    E.Farbe = f;
    E.Name = "E: ";
    return E;
}

bool hat(const std::vector<TPunkt>& punkte, TKoord p) {
    for (const auto& q : punkte)
        if (nahe(q.koord(), p)) return true;
    return false;
}
} // namespace

TEST(CubeSection, FirstOctantTriangle) {
    const auto p = Quader_Schnittpunkte(ebene(1, 1, 1, 3), 8, 8, 8);
    ASSERT_EQ(p.size(), 3u);
    EXPECT_TRUE(hat(p, {3, 0, 0}));
    EXPECT_TRUE(hat(p, {0, 3, 0}));
    EXPECT_TRUE(hat(p, {0, 0, 3}));

    Picture b;
    b.optionen.Quaderschnittpunkte = true;
    Zeichne_Ebene_Quader(b.z, ebene(1, 1, 1, 3), farbe::Lime);
    // h = 10 − 2 = 8; the first box holds the triangle, and the search stops there.
    ASSERT_EQ(b.canvas.segments.size(), 3u);
    for (auto [from, to] : {std::pair<TKoord, TKoord>{{3, 0, 0}, {0, 3, 0}},
                            {{0, 3, 0}, {0, 0, 3}},
                            {{0, 0, 3}, {3, 0, 0}}}) {
        auto s = b.canvas.segmentsBetween(from, to);
        ASSERT_EQ(s.size(), 1u);
        // Corners below all three box extents count as hidden: dotted, width 1.
        EXPECT_EQ(s[0].style, PenStyle::Dot);
        EXPECT_EQ(s[0].width, 1);
        EXPECT_EQ(s[0].colour, farbe::Lime);
    }
    const TKoord named[3] = {{3, 0, 0}, {0, 3, 0}, {0, 0, 3}};
    for (int i = 0; i < 3; ++i) {
        auto t = b.canvas.textsNamed("Z" + std::to_string(i + 1));
        ASSERT_EQ(t.size(), 1u);
        EXPECT_TRUE(nahe(*t[0].at, named[i]));
    }
}

TEST(CubeSection, SearchGoesOnToTheFourthBox) {
    for (int i = 0; i < 3; ++i) {
        const double X[3] = {8, -8, -8}, Y[3] = {8, 8, -8};
        EXPECT_TRUE(Quader_Schnittpunkte(ebene(0, 0, 1, -4), X[i], Y[i], 8).empty());
    }
    Picture b;
    b.optionen.HilfsQuader = true;
    Zeichne_Ebene_Quader(b.z, ebene(0, 0, 1, -4), farbe::Lime);
    // The square (0, 0, −4), (−8, 0, −4), (−8, −8, −4), (0, −8, −4), walked face by face.
    const TKoord q[4] = {{0, 0, -4}, {-8, 0, -4}, {-8, -8, -4}, {0, -8, -4}};
    for (int i = 0; i < 4; ++i) {
        auto s = b.canvas.segmentsBetween(q[i], q[(i + 1) % 4]);
        ASSERT_EQ(s.size(), 1u) << i;
        EXPECT_EQ(s[0].colour, farbe::Lime);
    }
    // Plus the auxiliary box of that octant only: 12 dotted silver edges.
    auto silver = b.segmentsIn(farbe::Silber, 1, PenStyle::Dot);
    EXPECT_EQ(silver.size(), 12u);
    EXPECT_EQ(b.canvas.segmentsBetween({-8, -8, -8}, {-8, -8, 0}).size(), 1u);
    EXPECT_EQ(b.canvas.segments.size(), 16u);
}

TEST(CubeSection, CornersOnTheOuterFacesAreSolid) {
    Picture b;
    Zeichne_Ebene_Quader(b.z, ebene(1, 1, 1, 20), farbe::Gelb);
    // Corners (8, 8, 4), (8, 4, 8), (4, 8, 8): on the outer faces, none hidden.
    ASSERT_EQ(b.canvas.segments.size(), 3u);
    EXPECT_EQ(b.segmentsIn(farbe::Gelb, 2, PenStyle::Solid).size(), 3u);
    EXPECT_EQ(b.canvas.segmentsBetween({8, 8, 4}, {8, 4, 8}).size(), 1u);
    EXPECT_EQ(b.canvas.segmentsBetween({4, 8, 8}, {8, 8, 4}).size(), 1u);
}

TEST(CubeSection, PlaneMissingTheCubeDrawsNothing) {
    Picture b;
    b.optionen.HilfsQuader = true;
    Zeichne_Ebene_Quader(b.z, ebene(1, 0, 0, 50), farbe::Gelb);
    EXPECT_TRUE(b.canvas.segments.empty());
    // A plane through a box edge keeps one copy of each corner.
    const auto p = Quader_Schnittpunkte(ebene(1, 1, 0, 0), 8, -8, 8);
    EXPECT_EQ(p.size(), 4u);
}

TEST(Planes, FootPointDirectionsAndOptions) {
    Picture b;
    Ebenezeichnen(b.z, ebene(1, 1, 1, 3));
    auto foot = b.canvas.textsNamed("L");
    ASSERT_EQ(foot.size(), 1u);
    EXPECT_TRUE(nahe(*foot[0].at, {1, 1, 1}, 1e-12));
    auto fromFoot = b.segmentsWhere([](const RecordedSegment& s) {
        return s.from && nahe(*s.from, {1, 1, 1}, 1e-12) && s.colour == farbe::Lime &&
               s.style == PenStyle::Solid;
    });
    EXPECT_EQ(fromFoot.size(), 2u);
    EXPECT_TRUE(b.canvas.textsNamed("S1").empty());

    Picture c;
    c.optionen.KoordSchnittpunkte = true;
    c.optionen.Spurgeraden = true;
    c.optionen.Parameterdarstellung = true;
    Ebenezeichnen(c.z, ebene(1, 1, 1, 3));
    const TKoord axes[3] = {{3, 0, 0}, {0, 3, 0}, {0, 0, 3}};
    for (int i = 0; i < 3; ++i) {
        auto t = c.canvas.textsNamed("S" + std::to_string(i + 1));
        ASSERT_EQ(t.size(), 1u);
        EXPECT_TRUE(nahe(*t[0].at, axes[i]));
        EXPECT_EQ(t[0].colour, farbe::Lime);
    }
    // Trace line s12 runs through (3, 0, 0) and (2, 1, 0).
    EXPECT_EQ(c.canvas.segmentsBetween({3, 0, 0}, {2, 1, 0}).size(), 1u);
    // The patch: four sides of 20 pieces each, solid and wide only in the first octant.
    auto pieces = c.segmentsWhere([](const RecordedSegment& s) {
        return s.colour == farbe::Lime && ((s.width == 2 && s.style == PenStyle::Solid) ||
                                           (s.width == 1 && s.style == PenStyle::Dot));
    });
    EXPECT_GE(pieces.size(), 80u);
}

TEST(Planes, PatchDirectionsAreScaledIntoRange) {
    Picture b;
    TEbene E;
    E.Stuetz = punkt(0, 0, 0);
    E.Richtung1 = punkt(10, 0, 0); // 10 → 7 → 4.9 → 3.43 → 2.401
    E.Richtung2 = punkt(0, 1, 0);  // below 1.5: doubled
    E.Farbe = farbe::Aqua;
    ParameterDarst_Par_Zeichnen(b.z, E);
    EXPECT_EQ(b.canvas.segmentsBetween({0, 0, 0}, {2.401, 0, 0}, 1e-12).size(), 1u);
    EXPECT_EQ(b.canvas.segmentsBetween({0, 0, 0}, {0, 2, 0}).size(), 1u);
    ASSERT_EQ(b.canvas.segments.size(), 82u);
    // The first side starts at F + 1.75·r1 + 1.75·r2.
    EXPECT_TRUE(nahe(*b.canvas.segments[2].from, {1.75 * 2.401, 3.5, 0}, 1e-12));
}
