#include "core/errors.h"
#include "picture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

TEST(CoordinateSystem, AxesTicksAndCaption) {
    Picture b;
    Zeichne_koordinatensystem(b.z, Weiss);
    ASSERT_EQ(b.canvas.texts.size(), 1u);
    const auto& t = b.canvas.texts[0];
    EXPECT_EQ(std::tie(t.text, t.x, t.y, t.colour, t.font),
              std::make_tuple(std::string("Zeichnung:"), 8, 3, Gelb, std::string("Arial")));
    // Each positive half-axis solid, each negative one dotted, all white.
    for (TKoord e : {TKoord{10, 0, 0}, TKoord{0, 10, 0}, TKoord{0, 0, 10}}) {
        EXPECT_EQ(b.between({0, 0, 0}, e, Weiss, 1, Solid), 1u);
        EXPECT_EQ(b.between({0, 0, 0}, {-e.x, -e.y, -e.z}, Weiss, 1, Dot), 1u);
    }
    // Ticks: y at 1 … 10 and 1, 0, −1 … −10; z at 1 … 10; x at 1 … 10; all solid, 6 px. The
    // one at y = 1 (212, 412) is drawn twice, vertically; z = 1 horizontally around (171, 371).
    int ticks = 0, atY1 = 0, atZ1 = 0;
    for (const auto& s : b.canvas.segments) {
        if (s.from) continue;
        ticks += s.style == Solid && s.x2 - s.x1 + s.y2 - s.y1 == 6;
        atY1 += std::tie(s.x1, s.y1, s.x2, s.y2) == std::make_tuple(212, 409, 212, 415);
        atZ1 += std::tie(s.x1, s.y1, s.x2, s.y2) == std::make_tuple(168, 371, 174, 371);
    }
    EXPECT_EQ(std::make_tuple(ticks, atY1, atZ1), std::make_tuple(42, 2, 1));
    EXPECT_EQ(b.canvas.segments.size(), 48u);
}

TEST(Points, MarkNameGuideLinesAndBox) {
    Picture b;
    PunktZeichnen(b.z, punkt(0, 5, 0, Rot, "P"));
    PunktZeichnen(b.z, punkt(1, 1, 1, Rot)); // without a name: no text
    ASSERT_EQ(b.canvas.rectangles.size(), 2u);
    const auto& r = b.canvas.rectangles[0];
    EXPECT_EQ(std::tie(r.x1, r.y1, r.x2, r.y2, r.pen), std::make_tuple(374, 410, 378, 414, Rot));
    ASSERT_EQ(b.canvas.texts.size(), 1u);
    const auto& t = b.canvas.texts[0];
    EXPECT_EQ(std::tie(t.text, t.x, t.y, t.colour),
              std::make_tuple(std::string("P"), 380, 408, Rot));

    // Guide lines: the drop to x-y and from there to both axes, dotted in the point's colour;
    // with y = 0 only a degenerate line to (3, 0, 0); on the z-axis none.
    Picture c;
    PunktZeichnen_mit_hilfslinien(c.z, punkt(3, 2, 1, Gelb, "A"));
    EXPECT_EQ(c.in(Gelb, 1, Dot), 3u);
    EXPECT_EQ(c.between({3, 2, 1}, {3, 2, 0}) + c.between({3, 2, 0}, {3, 0, 0}) +
                  c.between({3, 2, 0}, {0, 2, 0}),
              3u);
    Picture d;
    PunktZeichnen_mit_hilfslinien(d.z, punkt(3, 0, 2, Gelb));
    EXPECT_EQ(d.canvas.segments.size(), 1u);
    EXPECT_EQ(d.between({3, 0, 0}, {3, 0, 0}), 1u);
    PunktZeichnen_mit_hilfslinien(d.z, punkt(0, 0, 5, Gelb));
    EXPECT_EQ(d.canvas.segments.size(), 1u);
    EXPECT_EQ(d.canvas.rectangles.size(), 2u);
}

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

TEST(Lines, ProjectionsTracePointsAndPerpendicularFromTheOrigin) {
    Picture b;
    Projektionsgeraden_zeichnen(b.z, gerade({0, 2, 1}, {1, 0, 0}), Rot);
    // Onto y-z the line is a point (direction zero): nothing; onto x-z and x-y 20 steps each.
    EXPECT_EQ(b.canvas.segments.size(), 40u);
    EXPECT_EQ(b.coloured(Rot), 40u);
    EXPECT_EQ(b.between({3, 0, 1}, {4, 0, 1}) + b.between({3, 2, 0}, {4, 2, 0}), 2u);

    Picture c;
    c.optionen.Spurpunkte = true;
    GeradeAllesZeichnen(c.z, gerade({1, 2, 3}, {1, 1, 1}));
    EXPECT_EQ(c.labels("S12", {-2, -1, 0}, Aqua) + c.labels("S23", {0, 1, 2}, Aqua) +
                  c.labels("S13", {-1, 0, 1}, Aqua),
              3);
    EXPECT_EQ(c.between({0, 1, 2}, {0, 1, 0}), 2u); // S23 on x = 0: two box edges coincide

    // Foot L = (0, 2, 1); the perpendicular runs from the origin along (0, −2, −1), 5 steps
    // each way. A line through the origin has none.
    Picture d;
    d.optionen.Ursprungslotgeraden = true;
    GeradeAllesZeichnen(d.z, gerade({0, 2, 1}, {1, 0, 0}));
    EXPECT_EQ(d.labels("L", {0, 2, 1}, Aqua), 1);
    EXPECT_EQ(d.in(Aqua, 1, Solid), 10u);
    EXPECT_EQ(d.between({0, 0, 0}, {0, -2, -1}), 1u);
    d.canvas.clear();
    GeradeAllesZeichnen(d.z, gerade({0, 0, 0}, {1, 0, 0}));
    EXPECT_EQ(d.named("L"), 0u);
}

TEST(Figures, TriangleCentroidAndQuadrilateralDiagonals) {
    Picture b;
    DreieckZeichnen(b.z, punkt(3, 0, 0, Rot, "A"), punkt(0, 3, 0, Lime, "B"),
                    punkt(0, 0, 3, Blau, "C"), Gelb);
    EXPECT_EQ(b.in(Gelb, 2, Solid), 3u);
    EXPECT_EQ(b.labels("S", {1, 1, 1}, Rot), 1);

    TGerade d1, d2;
    ViereckZeichnen(b.z, punkt(0, 0, 0, Rot, "A"), punkt(2, 0, 0, Rot, "B"),
                    punkt(2, 2, 0, Rot, "C"), punkt(0, 2, 0, Rot, "D"), Gelb, d1, d2);
    EXPECT_EQ(b.in(Gelb, 2, Solid), 3u + 4u); // the triangle's sides and the four sides
    EXPECT_EQ(b.in(Gelb, 1, Solid), 2u);      // the diagonals
    EXPECT_EQ(std::make_tuple(d2.Stuetz.x, d2.Richtung.x, d2.Richtung.y),
              std::make_tuple(2., -2., 2.));
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
