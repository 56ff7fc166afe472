#include "core/errors.h"
#include "picture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {
TGerade gerade(TKoord p, TKoord u, TFarbe f) {
    TGerade g;
    g.Stuetz = punkt(p.x, p.y, p.z, f, "P");
    g.Richtung = punkt(u.x, u.y, u.z);
    g.Farbe = f;
    g.Name = "g:";
    return g;
}
} // namespace

TEST(CoordinateSystem, AxesTicksAndCaption) {
    Picture b;
    Zeichne_koordinatensystem(b.z, farbe::Weiss);
    ASSERT_EQ(b.canvas.texts.size(), 1u);
    EXPECT_EQ(b.canvas.texts[0].text, "Zeichnung:");
    EXPECT_EQ(b.canvas.texts[0].x, 8);
    EXPECT_EQ(b.canvas.texts[0].y, 3);
    EXPECT_EQ(b.canvas.texts[0].colour, farbe::Gelb);
    EXPECT_EQ(b.canvas.texts[0].font, "Arial");

    const TKoord o{0, 0, 0};
    for (TKoord e : {TKoord{10, 0, 0}, TKoord{0, 10, 0}, TKoord{0, 0, 10}}) {
        auto pos = b.canvas.segmentsBetween(o, e);
        ASSERT_EQ(pos.size(), 1u);
        EXPECT_EQ(pos[0].style, PenStyle::Solid);
        EXPECT_EQ(pos[0].colour, farbe::Weiss);
        auto neg = b.canvas.segmentsBetween(o, {-e.x, -e.y, -e.z});
        ASSERT_EQ(neg.size(), 1u);
        EXPECT_EQ(neg[0].style, PenStyle::Dot);
    }
    // Ticks: y at 1 … 10 and 1, 0, −1 … −10; z at 1 … 10; x at 1 … 10; all dotted, 6 px.
    auto ticks = b.segmentsWhere([](const RecordedSegment& s) { return !s.from; });
    EXPECT_EQ(ticks.size(), 42u);
    for (const auto& t : ticks) EXPECT_EQ(t.style, PenStyle::Dot);
    // The tick at y = 1 (projected to (212, 412)) is drawn twice, vertically.
    auto at212 = b.segmentsWhere([](const RecordedSegment& s) {
        return !s.from && s.x1 == 212 && s.y1 == 409 && s.x2 == 212 && s.y2 == 415;
    });
    EXPECT_EQ(at212.size(), 2u);
    // The tick at z = 1 is horizontal around (171, 371).
    auto z1 = b.segmentsWhere([](const RecordedSegment& s) {
        return !s.from && s.x1 == 168 && s.y1 == 371 && s.x2 == 174 && s.y2 == 371;
    });
    EXPECT_EQ(z1.size(), 1u);
}

TEST(Points, MarkAndName) {
    Picture b;
    PunktZeichnen(b.z, punkt(0, 5, 0, farbe::Rot, "P"));
    ASSERT_EQ(b.canvas.rectangles.size(), 1u);
    const auto& r = b.canvas.rectangles[0];
    EXPECT_EQ(r.x1, 374);
    EXPECT_EQ(r.y1, 410);
    EXPECT_EQ(r.x2, 378);
    EXPECT_EQ(r.y2, 414);
    EXPECT_EQ(r.pen, farbe::Rot);
    ASSERT_EQ(b.canvas.textsNamed("P").size(), 1u);
    EXPECT_EQ(b.canvas.texts[0].x, 380);
    EXPECT_EQ(b.canvas.texts[0].y, 408);
    EXPECT_EQ(b.canvas.texts[0].colour, farbe::Rot);
    // A point without a name writes no text.
    PunktZeichnen(b.z, punkt(1, 1, 1, farbe::Rot));
    EXPECT_EQ(b.canvas.texts.size(), 1u);
}

TEST(Points, GuideLinesOnlyWhereCoordinatesAreNotZero) {
    Picture b;
    PunktZeichnen_mit_hilfslinien(b.z, punkt(3, 2, 1, farbe::Gelb, "A"));
    EXPECT_EQ(b.canvas.segments.size(), 3u);
    for (auto [from, to] : {std::pair<TKoord, TKoord>{{3, 2, 1}, {3, 2, 0}},
                            {{3, 2, 0}, {3, 0, 0}},
                            {{3, 2, 0}, {0, 2, 0}}}) {
        auto s = b.canvas.segmentsBetween(from, to);
        ASSERT_EQ(s.size(), 1u);
        EXPECT_EQ(s[0].style, PenStyle::Dot);
        EXPECT_EQ(s[0].colour, farbe::Gelb);
    }

    Picture c;
    // y = 0: no drop line, a degenerate line to (3, 0, 0), nothing to the y-axis.
    PunktZeichnen_mit_hilfslinien(c.z, punkt(3, 0, 2, farbe::Gelb));
    ASSERT_EQ(c.canvas.segments.size(), 1u);
    EXPECT_EQ(c.canvas.segmentsBetween({3, 0, 0}, {3, 0, 0}).size(), 1u);

    Picture d;
    PunktZeichnen_mit_hilfslinien(d.z, punkt(0, 0, 5, farbe::Gelb));
    EXPECT_TRUE(d.canvas.segments.empty());
    EXPECT_EQ(d.canvas.rectangles.size(), 1u);
}

TEST(Points, BoxHasNineDottedEdges) {
    Picture b;
    PunktZeichnen_mit_Quader(b.z, punkt(1, 2, 3, farbe::Aqua));
    EXPECT_EQ(b.canvas.segments.size(), 9u);
    EXPECT_EQ(b.segmentsIn(farbe::Aqua, 1, PenStyle::Dot).size(), 9u);
    EXPECT_EQ(b.canvas.segmentsBetween({1, 2, 3}, {0, 2, 3}).size(), 1u);
    EXPECT_EQ(b.canvas.segmentsBetween({1, 0, 3}, {0, 0, 3}).size(), 1u);
    EXPECT_TRUE(b.canvas.segmentsBetween({0, 0, 0}, {1, 0, 0}).empty());
}

TEST(Segments, PiecesSolidOnlyWithoutNegativeCoordinates) {
    Picture b;
    b.canvas.setPenColor(farbe::Gelb);
    Linie2_zeichnen(b.z, punkt(-2, 0, 0), punkt(2, 0, 0));
    ASSERT_EQ(b.canvas.segments.size(), 20u);
    // Pieces ending at x = −1.8 … −0.2 are dotted, those ending at 0 … 2 solid and wide.
    EXPECT_EQ(b.segmentsIn(farbe::Gelb, 1, PenStyle::Dot).size(), 9u);
    EXPECT_EQ(b.segmentsIn(farbe::Gelb, 2, PenStyle::Solid).size(), 11u);
    EXPECT_EQ(b.canvas.segments.back().to->x, 2);

    Picture c;
    Vektor_zeichnen(c.z, punkt(0, 0, 0, farbe::Rot), punkt(1, 1, 1, farbe::Lime), 2,
                    PenStyle::Solid);
    ASSERT_EQ(c.canvas.segments.size(), 1u);
    EXPECT_EQ(c.canvas.segments[0].colour, farbe::Lime);
    EXPECT_EQ(c.canvas.segments[0].width, 2);
}

TEST(Parallelepiped, NineDottedEdgesInTheEndPointColour) {
    Picture b;
    SpatQuaderZeichnen(b.z, punkt(1, 0, 0, farbe::Rot), punkt(0, 1, 0, farbe::Lime),
                       punkt(0, 0, 1, farbe::Blau));
    EXPECT_EQ(b.canvas.segments.size(), 9u);
    for (const auto& s : b.canvas.segments) EXPECT_EQ(s.style, PenStyle::Dot);
    EXPECT_EQ(b.canvas.segmentsBetween({1, 1, 0}, {1, 1, 1}).size(), 1u);
    // a + b keeps a's colour; the edge b → a + b is drawn in it.
    EXPECT_EQ(b.canvas.segmentsBetween({0, 1, 0}, {1, 1, 0})[0].colour, farbe::Rot);
    EXPECT_TRUE(b.canvas.segmentsBetween({0, 0, 0}, {1, 0, 0}).empty());
}

TEST(Lines, StepsOfTheDirectionUntilTheBoxIsLeft) {
    Picture b;
    GeradeZeichnen(b.z, gerade({0, 2, 1}, {1, 0, 0}, farbe::Gelb), 2);
    auto solid = b.segmentsIn(farbe::Gelb, 2, PenStyle::Solid);
    EXPECT_EQ(solid.size(), 20u);
    for (int x = -10; x < 10; ++x)
        EXPECT_EQ(b.canvas.segmentsBetween({double(x), 2, 1}, {x + 1.0, 2, 1}).size(), 1u) << x;
    // The support point with its guide line to the y-axis (degenerate here: x = 0).
    EXPECT_EQ(b.canvas.textsNamed("P").size(), 1u);
    EXPECT_EQ(b.canvas.segmentsBetween({0, 2, 0}, {0, 2, 0}).size(), 1u);

    // A short direction: 34 steps each way, the last ones crossing the boundary.
    Picture c;
    GeradeZeichnen(c.z, gerade({0, 0, 0}, {0.3, 0, 0}, farbe::Gelb), 1);
    auto steps = c.segmentsIn(farbe::Gelb, 1, PenStyle::Solid);
    EXPECT_EQ(steps.size(), 68u);
    double most = 0, least = 0;
    for (const auto& s : steps) {
        most = std::max(most, s.to->x);
        least = std::min(least, s.to->x);
    }
    EXPECT_NEAR(most, 10.2, 1e-9);
    EXPECT_NEAR(least, -10.2, 1e-9);
}

TEST(Lines, ZeroOrTinyDirectionEndsWithFewSegments) {
    Picture b;
    GeradeZeichnen(b.z, gerade({1, 1, 1}, {0, 0, 0}, farbe::Gelb), 2);
    EXPECT_TRUE(b.segmentsIn(farbe::Gelb, 2, PenStyle::Solid).empty());
    EXPECT_EQ(b.canvas.rectangles.size(), 1u); // only the support point

    for (double tiny : {1e-9, 1e-3, 1e-300}) {
        Picture c;
        GeradeZeichnen(c.z, gerade({0, 1, 0}, {tiny, 0, 0}, farbe::Gelb), 2);
        auto solid = c.segmentsIn(farbe::Gelb, 2, PenStyle::Solid);
        ASSERT_EQ(solid.size(), 2u) << tiny;
        // Each ends where the stepping leaves the box, within one step.
        std::vector<double> ends{solid[0].to->x, solid[1].to->x};
        std::sort(ends.begin(), ends.end());
        EXPECT_NEAR(ends[0], -10, 1e-9);
        EXPECT_NEAR(ends[1], 10, 1e-9);
    }
}

TEST(Lines, StepCountFromTheBox) {
    Picture b;
    const ViewState& v = b.view;
    EXPECT_EQ(stepsUntilOutside(v, {0, 2, 1}, {1, 0, 0}), 10);
    EXPECT_EQ(stepsUntilOutside(v, {0, 2, 1}, {0, -1, 0}), 12);
    EXPECT_EQ(stepsUntilOutside(v, {0, 0, 0}, {0.3, 0, 0}), 34);
    EXPECT_TRUE(std::isinf(stepsUntilOutside(v, {1, 1, 1}, {0, 0, 0})));
    // Outside the box: one step, unless that step lands inside.
    EXPECT_EQ(stepsUntilOutside(v, {20, 0, 0}, {1, 0, 0}), 1);
    EXPECT_EQ(stepsUntilOutside(v, {0, 20, 0}, {0, 0, 0}), 1);
    EXPECT_EQ(stepsUntilOutside(v, {-10.5, 0, 0}, {1, 0, 0}), 21);
}

TEST(Lines, ProjectionsOntoTheCoordinatePlanes) {
    Picture b;
    Projektionsgeraden_zeichnen(b.z, gerade({0, 2, 1}, {1, 0, 0}, farbe::Gelb), farbe::Rot);
    // Onto y-z the line is a point (direction zero): nothing; onto x-z and x-y 20 steps each.
    auto red = b.segmentsWhere([](const RecordedSegment& s) { return s.colour == farbe::Rot; });
    EXPECT_EQ(red.size(), 40u);
    EXPECT_EQ(b.canvas.segmentsBetween({3, 0, 1}, {4, 0, 1}).size(), 1u);
    EXPECT_EQ(b.canvas.segmentsBetween({3, 2, 0}, {4, 2, 0}).size(), 1u);
    EXPECT_EQ(b.canvas.segments.size(), 40u);
}

TEST(Lines, OptionsTracePointsAndPerpendicularFromTheOrigin) {
    Picture b;
    b.optionen.Spurpunkte = true;
    GeradeAllesZeichnen(b.z, gerade({1, 2, 3}, {1, 1, 1}, farbe::Gelb));
    for (auto [name, at] : {std::pair<const char*, TKoord>{"S12", {-2, -1, 0}},
                            {"S23", {0, 1, 2}},
                            {"S13", {-1, 0, 1}}}) {
        auto t = b.canvas.textsNamed(name);
        ASSERT_EQ(t.size(), 1u) << name;
        EXPECT_TRUE(nahe(*t[0].at, at)) << name;
        EXPECT_EQ(t[0].colour, farbe::Aqua);
    }
    // S23 lies on x = 0, so two of its box edges coincide.
    EXPECT_EQ(b.canvas.segmentsBetween({0, 1, 2}, {0, 1, 0}).size(), 2u);

    Picture c;
    c.optionen.Ursprungslotgeraden = true;
    GeradeAllesZeichnen(c.z, gerade({0, 2, 1}, {1, 0, 0}, farbe::Gelb));
    // Foot L = (0, 2, 1); the perpendicular runs from the origin along (0, −2, −1), 5 steps
    // each way.
    auto foot = c.canvas.textsNamed("L");
    ASSERT_EQ(foot.size(), 1u);
    EXPECT_TRUE(nahe(*foot[0].at, {0, 2, 1}));
    EXPECT_EQ(c.segmentsIn(farbe::Aqua, 1, PenStyle::Solid).size(), 10u);
    EXPECT_EQ(c.canvas.segmentsBetween({0, 0, 0}, {0, -2, -1}).size(), 1u);

    // A line through the origin has no perpendicular from it.
    Picture d;
    d.optionen.Ursprungslotgeraden = true;
    GeradeAllesZeichnen(d.z, gerade({0, 0, 0}, {1, 0, 0}, farbe::Gelb));
    EXPECT_TRUE(d.canvas.textsNamed("L").empty());
}

TEST(Figures, TriangleQuadrilateralTetrahedron) {
    Picture b;
    DreieckZeichnen(b.z, punkt(3, 0, 0, farbe::Rot, "A"), punkt(0, 3, 0, farbe::Lime, "B"),
                    punkt(0, 0, 3, farbe::Blau, "C"), farbe::Gelb);
    EXPECT_EQ(b.segmentsIn(farbe::Gelb, 2, PenStyle::Solid).size(), 3u);
    auto s = b.canvas.textsNamed("S");
    ASSERT_EQ(s.size(), 1u);
    EXPECT_TRUE(nahe(*s[0].at, {1, 1, 1}, 1e-12));
    EXPECT_EQ(s[0].colour, farbe::Rot);

    Picture c;
    TGerade d1, d2;
    ViereckZeichnen(c.z, punkt(0, 0, 0, farbe::Rot, "A"), punkt(2, 0, 0, farbe::Rot, "B"),
                    punkt(2, 2, 0, farbe::Rot, "C"), punkt(0, 2, 0, farbe::Rot, "D"), farbe::Gelb,
                    d1, d2);
    EXPECT_EQ(c.segmentsIn(farbe::Gelb, 2, PenStyle::Solid).size(), 4u);
    EXPECT_EQ(c.segmentsIn(farbe::Gelb, 1, PenStyle::Solid).size(), 2u);
    auto m = c.canvas.textsNamed(" S");
    ASSERT_EQ(m.size(), 1u);
    EXPECT_TRUE(nahe(*m[0].at, {1, 1, 0}, 1e-12));
    EXPECT_EQ(m[0].colour, farbe::Aqua);
    EXPECT_EQ(d2.Stuetz.x, 2);
    EXPECT_EQ(d2.Richtung.x, -2);
    EXPECT_EQ(d2.Richtung.y, 2);

    Picture t;
    const TPunkt A = punkt(1, 1, 1, 0, "A"), B = punkt(2, 1, 1, 0, "B"), C = punkt(1, 2, 1, 0, "C"),
                 D = punkt(1, 1, 2, 0, "D");
    TetraederZeichnen(t.z, A, B, C, D, farbe::Lime);
    EXPECT_TRUE(t.canvas.segments.empty()); // edges not enabled, plain vertices
    t.optionen.TetraederKanten = true;
    nur_TetraederZeichnen(t.z, A, B, C, D, farbe::Lime);
    EXPECT_EQ(t.segmentsIn(farbe::Lime, 2, PenStyle::Solid).size(), 6u);
    EXPECT_EQ(t.canvas.rectangles.size(), 8u);
}

TEST(ColourMode, BlackAndWhiteDrawsEverythingBlack) {
    Picture b;
    b.view.farbig = false;
    Zeichne_koordinatensystem(b.z, farbe::Weiss);
    PunktZeichnen_mit_hilfslinien(b.z, punkt(3, 2, 1, farbe::Gelb, "A"));
    GeradeZeichnen(b.z, gerade({0, 2, 1}, {1, 0, 0}, farbe::Rot), 2);
    TKugel K;
    K.M = punkt(-5, 0, 0, farbe::Lime, "M");
    K.r = 1;
    K.Farbe = farbe::Lime;
    KugelZeichnen(b.z, K);
    ASSERT_FALSE(b.canvas.pixels.empty());
    for (const auto& s : b.canvas.segments) EXPECT_EQ(s.colour, farbe::Schwarz);
    for (const auto& p : b.canvas.pixels) EXPECT_EQ(p.colour, farbe::Schwarz);
    for (const auto& r : b.canvas.rectangles) EXPECT_EQ(r.pen, farbe::Schwarz);
    for (const auto& t : b.canvas.texts) EXPECT_EQ(t.colour, farbe::Schwarz);
}

TEST(ColourMode, ProjectionOutOfRangeStopsWithRangeError) {
    Picture b;
    EXPECT_THROW(PunktZeichnen(b.z, punkt(0, 1e12, 0)), RangeError);
    EXPECT_THROW(GeradeZeichnen(b.z, gerade({0, 0, 0}, {1e300, 0, 0}, 0), 1), RangeError);
    EXPECT_THROW(PunktZeichnen(b.z, punkt(std::nan(""), 0, 0)), RangeError);
}
