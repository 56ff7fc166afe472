// The scenes of the line and plane tasks.
#include "picture.h"

#include <gtest/gtest.h>

TEST(SceneLine, OptionsAddTheirConstructionsAndToggleBack) {
    Picture b(Szenenart::Gerade);
    b.szene.SzeneGerade = gerade({0, 2, 1}, {1, 0, 0});
    b.draw();
    const auto erstes = b.rows();
    EXPECT_EQ(b.in(Gelb, 2, Solid), 20u); // unit steps from x = −10 to x = 10
    EXPECT_EQ(b.marks({0, 2, 1}), 1u);

    // The only trace point is the one in x1 = 0, drawn with its box in aqua; P–(x, y, 0) and
    // (0, y, z)–(0, y, 0) coincide for a point with x = 0.
    b.optionen.Spurpunkte = true;
    b.draw();
    const auto marks = b.canvas.pointMarksAt({0, 2, 1});
    ASSERT_EQ(marks.size(), 2u);
    EXPECT_EQ(marks[1].pen, Aqua);
    EXPECT_EQ(b.between({0, 2, 1}, {0, 2, 0}, Aqua, 1, Dot), 2u);
    b.optionen.Spurpunkte = false;
    b.draw();
    EXPECT_EQ(b.rows(), erstes);

    // Projection onto x-y through (0, 2, 0) along x, red; the perpendicular from the origin
    // meets the line in (0, 2, 1), its foot aqua.
    b.optionen.Projektionsgeraden = b.optionen.Ursprungslotgeraden = true;
    b.draw();
    EXPECT_EQ(b.between({0, 2, 0}, {1, 2, 0}, Rot, 1, Solid), 1u);
    EXPECT_EQ(b.labels("L", {0, 2, 1}, Aqua), 1);

    // Through two points: the second point with its guide lines, and the line.
    b.szene.art = Szenenart::Gerade2Punkte;
    b.optionen = Optionen{};
    b.szene.SzeneStrecke.A = punkt(1, 1, 1, Gelb, "A");
    b.szene.SzeneStrecke.B = punkt(3, 2, 1, Gelb, "B");
    b.szene.SzeneGerade = gerade({1, 1, 1}, {2, 1, 0});
    b.draw();
    EXPECT_EQ(b.labels("B", {3, 2, 1}, Gelb), 1);
    b.expectSegments(
        {{{3, 2, 1}, {3, 2, 0}, Gelb, 1, Dot}, {{1, 1, 1}, {3, 2, 1}, Gelb, 2, Solid}});
}

TEST(SceneLineWithPoint, PerpendicularFootAndMirrorPoint) {
    Picture b(Szenenart::GeradePunkt);
    b.szene.SzeneGerade = gerade({0, 0, 1}, {1, 0, 0});
    b.szene.SzenePunkt = punkt(2, 3, 1, Lime, "Q");
    b.draw();
    // Foot (2, 0, 1); the perpendicular runs from Q along Q − F = (0, 3, 0), green.
    EXPECT_EQ(b.labels("L", {2, 0, 1}, Aqua) + b.labels("SpA", {2, -3, 1}, Lime), 2);
    EXPECT_EQ(b.between({2, 3, 1}, {2, 6, 1}, Lime, 1, Solid), 1u);
    // A point on the line has no perpendicular.
    b.szene.SzenePunkt = punkt(4, 0, 1, Lime, "Q");
    b.draw();
    EXPECT_EQ(b.named("SpA") + b.in(Lime, 1, Solid), 0u);
}

TEST(SceneTwoLines, RelationDecidesTheConstruction) {
    Picture b(Szenenart::ZweiGeraden);
    b.szene.SzeneGerade1 = gerade({0, 0, 1}, {1, 0, 0});
    // Parallel: neither perpendicular nor intersection, only the two support points.
    b.szene.SzeneGerade2 = gerade({0, 2, 1}, {2, 0, 0}, Lime, "h:");
    b.draw();
    EXPECT_EQ(b.canvas.rectangles.size(), 2u);
    EXPECT_EQ(b.in(Aqua, 1, Solid), 0u);
    // Intersecting in (3, 0, 1): the point with its guide lines.
    b.szene.SzeneGerade2 = gerade({3, 2, 1}, {0, 1, 0}, Lime, "h:");
    b.draw();
    EXPECT_EQ(b.canvas.rectangles.size(), 3u);
    EXPECT_EQ(b.marks({3, 0, 1}), 1u);
    // Skew: the common perpendicular (aqua, width 1) from L1 = (0, 0, 1) to L2 = (0, 0, 3).
    b.szene.SzeneGerade2 = gerade({0, 2, 3}, {0, 1, 0}, Lime, "h:");
    b.draw();
    EXPECT_EQ(std::make_pair(b.labels("L1", {0, 0, 1}, Aqua) > 0, b.labels("L2", {0, 0, 3}, Aqua)),
              std::make_pair(true, 1));
    EXPECT_EQ(b.between({0, 0, 1}, {0, 0, 2}, Aqua, 1, Solid), 1u);
    // Trace points of both lines with "Spurpunke zeigen": g meets x1 = 0 in (0, 0, 1), h meets
    // x2 = 0 in (0, 0, 3).
    b.optionen.Spurpunkte = true;
    b.draw();
    EXPECT_EQ(b.labels("S23", {0, 0, 1}, Aqua) + b.labels("S13", {0, 0, 3}, Aqua), 2);
}

TEST(ScenePointAndTwoLines, MeetingLineWhenItExists) {
    Picture b(Szenenart::PunktZweiGeraden);
    b.szene.SzenePunkt = punkt(0, 0, 4, Gelb, "P");
    b.szene.SzeneGerade1 = gerade({0, 0, 0}, {1, 0, 0}, Aqua, "g:");
    b.szene.SzeneGerade2 = gerade({0, 2, 2}, {0, 0, 1}, Lime, "h:");
    b.draw();
    // The plane through P and g is y = 0 ... h runs in x = 0, y = 2 and never meets it.
    EXPECT_EQ(b.named("S"), 0u);
    // h through (1, 2, 0) along (0, −1, 1) meets y = 0 in S = (1, 0, 2); f from P through S
    // meets g in T = (2, 0, 0).
    b.szene.SzeneGerade2 = gerade({1, 2, 0}, {0, -1, 1}, Lime, "h:");
    b.draw();
    EXPECT_EQ(b.labels("S", {1, 0, 2}, Gelb) + b.labels("T", {2, 0, 0}, Gelb), 2);
    EXPECT_EQ(b.between({0, 0, 4}, {1, 0, 2}, Gelb, 1, Solid), 1u);
}

TEST(ScenePlaneWithPoint, PerpendicularFootAndMirrorImageInBothForms) {
    Picture b(Szenenart::EbenePunkt);
    b.szene.SzeneEbene = ebene({0, 0, 1}, 2, Gelb);
    b.szene.SzenePunkt = punkt(1, 1, 5, Lime, "P");
    b.draw();
    b.expectSegments(
        {{{1, 1, 5}, {1, 1, 6}, Aqua, 1, Solid}, {{1, 1, -1}, {1, 1, 0}, Lime, 1, Dot}});
    EXPECT_EQ(b.labels("L", {1, 1, 2}, Aqua) + b.labels("SpA", {1, 1, -1}, Lime), 2);
    // The same plane in parameter form gives the same construction.
    b.szene.art = Szenenart::EbeneParPunkt;
    b.szene.SzeneEbenePar = {punkt(0, 0, 2), punkt(1, 0, 0), punkt(0, 1, 0), Gelb, "E: "};
    b.draw();
    EXPECT_EQ(b.labels("SpA", {1, 1, -1}, Lime), 1);
}

TEST(ScenePlaneWithLine, PointAndMirroredLineByCode) {
    Picture b(Szenenart::EbeneGerade);
    b.szene.SzeneEbene = ebene({0, 0, 1}, 2, Gelb);
    // Code 1: the point S = (2, 0, 2) and the line mirrored in z = 2, (0, 0, 4) + t(1, 0, −1).
    b.szene.SzeneGerade = gerade({0, 0, 0}, {1, 0, 1}, Lime);
    b.draw();
    EXPECT_EQ(b.labels("S", {2, 0, 2}, Aqua), 1);
    EXPECT_EQ(b.between({0, 0, 4}, {1, 0, 3}, Lime, 1, Solid), 1u);
    // Code 2 (parallel): only the mirrored line (0, 0, 3) + t(1, 0, 0).
    b.szene.SzeneGerade = gerade({0, 0, 1}, {1, 0, 0}, Lime);
    b.draw();
    EXPECT_EQ(b.named("S"), 0u);
    EXPECT_EQ(b.between({0, 0, 3}, {1, 0, 3}, Lime, 1, Solid), 1u);
    // Code 3 (in the plane): neither.
    b.szene.SzeneGerade = gerade({0, 0, 2}, {1, 0, 0}, Lime);
    b.draw();
    EXPECT_EQ(b.named("S") + b.in(Lime, 1, Solid), 0u);
}

TEST(ScenePlanes, IntersectionLineOnlyWhenTheyCutAndTheCubeSection) {
    Picture b(Szenenart::EbeneNormEbeneNorm);
    b.szene.SzeneEbene1 = ebene({0, 0, 1}, 2, Gelb, "E1: ");
    b.szene.SzeneEbene2 = ebene({0, 0, 1}, 3, Lime, "E2: ");
    b.draw();
    EXPECT_EQ(b.in(Aqua, 1, Solid), 0u);
    b.szene.SzeneEbene2 = ebene({1, 0, 0}, 1, Lime, "E2: ");
    b.draw();
    EXPECT_GT(b.in(Aqua, 1, Solid), 0u);
    for (const auto& s : b.canvas.segments)
        if (s.colour == Aqua && s.width == 1 && s.style == Solid) {
            EXPECT_TRUE(nahe(*s.from, {1, s.from->y, 2}, 1e-12));
        }

    // x + y + z = 3 given in parameter form, in the first octant box: the triangle Z1 … Z3.
    b.szene.art = Szenenart::EbenePar;
    b.szene.SzeneEbenePar = {punkt(3, 0, 0), punkt(-1, 1, 0), punkt(-1, 0, 1), Gelb, "E: "};
    b.optionen.Quaderdarstellung = b.optionen.Quaderschnittpunkte = true;
    b.draw();
    EXPECT_EQ(b.named("Z1") + b.named("Z2") + b.named("Z3"), 3u);
    EXPECT_EQ(b.named("Z4"), 0u);
}
