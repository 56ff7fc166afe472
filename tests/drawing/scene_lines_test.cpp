// The scenes of the line and plane tasks.
#include "scene_picture.h"

#include <gtest/gtest.h>

namespace {
constexpr TFarbe Gelb = farbe::Gelb, Lime = farbe::Lime, Aqua = farbe::Aqua;
constexpr PenStyle Solid = PenStyle::Solid, Dot = PenStyle::Dot;
} // namespace

TEST(SceneLine, TogglingAnOptionTwiceGivesTheFirstPicture) {
    ScenePicture b;
    b.szene.art = Szenenart::Gerade;
    b.szene.SzeneGerade = gerade({0, 2, 1}, {1, 0, 0}, Gelb);
    b.draw();
    const auto erstes = b.rows();
    // 20 unit steps from x = −10 to x = 10, width 2.
    EXPECT_EQ(b.segmentsIn(Gelb, 2, Solid).size(), 20u);
    EXPECT_EQ(b.canvas.pointMarksAt({0, 2, 1}).size(), 1u);

    b.optionen.Spurpunkte = true;
    b.draw();
    // The only trace point is the one in x1 = 0, drawn with its box in aqua.
    const auto marks = b.canvas.pointMarksAt({0, 2, 1});
    ASSERT_EQ(marks.size(), 2u);
    EXPECT_EQ(marks[1].pen, Aqua);
    // P–(x, y, 0) and (0, y, z)–(0, y, 0) coincide for a point with x = 0.
    EXPECT_EQ(b.segments({0, 2, 1}, {0, 2, 0}, Aqua, 1, Dot).size(), 2u);

    b.optionen.Spurpunkte = false;
    b.draw();
    EXPECT_EQ(b.rows(), erstes);
}

TEST(SceneLine, ProjectionsAndPerpendicularFromTheOrigin) {
    ScenePicture b;
    b.szene.art = Szenenart::Gerade;
    b.szene.SzeneGerade = gerade({0, 2, 1}, {1, 0, 0}, Gelb);
    b.optionen.Projektionsgeraden = true;
    b.optionen.Ursprungslotgeraden = true;
    b.draw();
    // Onto x-y: through (0, 2, 0) along x, red.
    EXPECT_EQ(b.segments({0, 2, 0}, {1, 2, 0}, farbe::Rot, 1, Solid).size(), 1u);
    // The perpendicular from the origin meets the line in (0, 2, 1); its foot is aqua.
    EXPECT_EQ(b.labels("L", {0, 2, 1}, Aqua), 1);
}

TEST(SceneLineThroughTwoPoints, SecondPointAndTheLine) {
    ScenePicture b;
    b.szene.art = Szenenart::Gerade2Punkte;
    b.szene.SzeneStrecke.A = punkt(1, 1, 1, Gelb, "A");
    b.szene.SzeneStrecke.B = punkt(3, 2, 1, Gelb, "B");
    b.szene.SzeneGerade = gerade({1, 1, 1}, {2, 1, 0}, Gelb);
    b.draw();
    EXPECT_EQ(b.labels("B", {3, 2, 1}, Gelb), 1);
    EXPECT_EQ(b.segments({3, 2, 1}, {3, 2, 0}, Gelb, 1, Dot).size(), 1u);
    EXPECT_EQ(b.segments({1, 1, 1}, {3, 2, 1}, Gelb, 2, Solid).size(), 1u);
}

TEST(SceneLineWithPoint, PerpendicularFootAndMirrorPoint) {
    ScenePicture b;
    b.szene.art = Szenenart::GeradePunkt;
    b.szene.SzeneGerade = gerade({0, 0, 1}, {1, 0, 0}, Gelb);
    b.szene.SzenePunkt = punkt(2, 3, 1, Lime, "Q");
    b.draw();
    // Foot (2, 0, 1); the perpendicular runs from Q along Q − F = (0, 3, 0), green.
    EXPECT_EQ(b.labels("L", {2, 0, 1}, Aqua), 1);
    EXPECT_EQ(b.segments({2, 3, 1}, {2, 6, 1}, Lime, 1, Solid).size(), 1u);
    EXPECT_EQ(b.labels("SpA", {2, -3, 1}, Lime), 1);

    // A point on the line has no perpendicular.
    b.szene.SzenePunkt = punkt(4, 0, 1, Lime, "Q");
    b.draw();
    EXPECT_TRUE(b.canvas.textsNamed("SpA").empty());
    EXPECT_EQ(b.segmentsIn(Lime, 1, Solid).size(), 0u);
}

TEST(SceneTwoLines, RelationDecidesTheConstruction) {
    ScenePicture b;
    b.szene.art = Szenenart::ZweiGeraden;
    b.szene.SzeneGerade1 = gerade({0, 0, 1}, {1, 0, 0}, Gelb);

    // Parallel: neither perpendicular nor intersection, only the two support points.
    b.szene.SzeneGerade2 = gerade({0, 2, 1}, {2, 0, 0}, Lime, "h:");
    b.draw();
    EXPECT_EQ(b.canvas.rectangles.size(), 2u);
    EXPECT_EQ(b.segmentsIn(Aqua, 1, Solid).size(), 0u);

    // Intersecting in (3, 0, 1): the point with its guide lines.
    b.szene.SzeneGerade2 = gerade({3, 2, 1}, {0, 1, 0}, Lime, "h:");
    b.draw();
    EXPECT_EQ(b.canvas.rectangles.size(), 3u);
    EXPECT_EQ(b.canvas.pointMarksAt({3, 0, 1}).size(), 1u);

    // Skew: the common perpendicular (aqua, width 1) from L1 = (0, 0, 1) to L2 = (0, 0, 3).
    b.szene.SzeneGerade2 = gerade({0, 2, 3}, {0, 1, 0}, Lime, "h:");
    b.draw();
    EXPECT_GE(b.labels("L1", {0, 0, 1}, Aqua), 1);
    EXPECT_EQ(b.labels("L2", {0, 0, 3}, Aqua), 1);
    EXPECT_EQ(b.segments({0, 0, 1}, {0, 0, 2}, Aqua, 1, Solid).size(), 1u);

    // Trace points of both lines with "Spurpunke zeigen": g meets x1 = 0 in (0, 0, 1), h meets
    // x2 = 0 in (0, 0, 3).
    b.optionen.Spurpunkte = true;
    b.draw();
    EXPECT_EQ(b.labels("S23", {0, 0, 1}, Aqua), 1);
    EXPECT_EQ(b.labels("S13", {0, 0, 3}, Aqua), 1);
}

TEST(ScenePointAndTwoLines, MeetingLineWhenItExists) {
    ScenePicture b;
    b.szene.art = Szenenart::PunktZweiGeraden;
    b.szene.SzenePunkt = punkt(0, 0, 4, Gelb, "P");
    b.szene.SzeneGerade1 = gerade({0, 0, 0}, {1, 0, 0}, Aqua, "g:");
    b.szene.SzeneGerade2 = gerade({0, 2, 2}, {0, 0, 1}, Lime, "h:");
    b.draw();
    // The plane through P and g is y = 0 ... h runs in x = 0, y = 2 and never meets it.
    EXPECT_TRUE(b.canvas.textsNamed("S").empty());

    // h through (1, 2, 0) along (0, −1, 1) meets y = 0 in S = (1, 0, 2); f from P through S
    // meets g in T = (2, 0, 0).
    b.szene.SzeneGerade2 = gerade({1, 2, 0}, {0, -1, 1}, Lime, "h:");
    b.draw();
    EXPECT_EQ(b.labels("S", {1, 0, 2}, Gelb), 1);
    EXPECT_EQ(b.labels("T", {2, 0, 0}, Gelb), 1);
    EXPECT_EQ(b.segments({0, 0, 4}, {1, 0, 2}, Gelb, 1, Solid).size(), 1u);
}

TEST(ScenePlaneWithPoint, PerpendicularFootAndMirrorImage) {
    ScenePicture b;
    b.szene.art = Szenenart::EbenePunkt;
    b.szene.SzeneEbene = ebene({0, 0, 1}, 2, Gelb);
    b.szene.SzenePunkt = punkt(1, 1, 5, Lime, "P");
    b.draw();
    EXPECT_EQ(b.segments({1, 1, 5}, {1, 1, 6}, Aqua, 1, Solid).size(), 1u);
    EXPECT_EQ(b.labels("L", {1, 1, 2}, Aqua), 1);
    EXPECT_EQ(b.segments({1, 1, 2}, {1, 1, 0}, Aqua, 1, Dot).size(), 1u);
    EXPECT_EQ(b.labels("SpA", {1, 1, -1}, Lime), 1);
    EXPECT_EQ(b.segments({1, 1, -1}, {1, 1, 0}, Lime, 1, Dot).size(), 1u);

    // The same plane in parameter form gives the same construction.
    ScenePicture c;
    c.szene.art = Szenenart::EbeneParPunkt;
    c.szene.SzeneEbenePar = {punkt(0, 0, 2), punkt(1, 0, 0), punkt(0, 1, 0), Gelb, "E: "};
    c.szene.SzenePunkt = punkt(1, 1, 5, Lime, "P");
    c.draw();
    EXPECT_EQ(c.labels("SpA", {1, 1, -1}, Lime), 1);
}

TEST(ScenePlaneWithLine, PointAndMirroredLineByCode) {
    ScenePicture b;
    b.szene.art = Szenenart::EbeneGerade;
    b.szene.SzeneEbene = ebene({0, 0, 1}, 2, Gelb);

    // Code 1: the point S = (2, 0, 2) and the line mirrored in z = 2, (0, 0, 4) + t(1, 0, −1).
    b.szene.SzeneGerade = gerade({0, 0, 0}, {1, 0, 1}, Lime);
    b.draw();
    EXPECT_EQ(b.labels("S", {2, 0, 2}, Aqua), 1);
    EXPECT_EQ(b.segments({0, 0, 4}, {1, 0, 3}, Lime, 1, Solid).size(), 1u);

    // Code 2 (parallel): only the mirrored line (0, 0, 3) + t(1, 0, 0).
    b.szene.SzeneGerade = gerade({0, 0, 1}, {1, 0, 0}, Lime);
    b.draw();
    EXPECT_TRUE(b.canvas.textsNamed("S").empty());
    EXPECT_EQ(b.segments({0, 0, 3}, {1, 0, 3}, Lime, 1, Solid).size(), 1u);

    // Code 3 (in the plane): neither.
    b.szene.SzeneGerade = gerade({0, 0, 2}, {1, 0, 0}, Lime);
    b.draw();
    EXPECT_TRUE(b.canvas.textsNamed("S").empty());
    EXPECT_EQ(b.segmentsIn(Lime, 1, Solid).size(), 0u);
}

TEST(SceneTwoPlanes, IntersectionLineOnlyWhenTheyCut) {
    ScenePicture b;
    b.szene.art = Szenenart::EbeneNormEbeneNorm;
    b.szene.SzeneEbene1 = ebene({0, 0, 1}, 2, Gelb, "E1: ");
    b.szene.SzeneEbene2 = ebene({0, 0, 1}, 3, Lime, "E2: ");
    b.draw();
    EXPECT_EQ(b.segmentsIn(Aqua, 1, Solid).size(), 0u);

    b.szene.SzeneEbene2 = ebene({1, 0, 0}, 1, Lime, "E2: ");
    b.draw();
    const auto linie = b.segmentsIn(Aqua, 1, Solid);
    ASSERT_FALSE(linie.empty());
    for (const auto& s : linie) {
        EXPECT_NEAR(s.from->x, 1, 1e-12);
        EXPECT_NEAR(s.from->z, 2, 1e-12);
    }
}

TEST(ScenePlane, PlaneOptionsAndConversionFromParameterForm) {
    ScenePicture b;
    b.szene.art = Szenenart::EbenePar;
    b.szene.SzeneEbenePar = {punkt(3, 0, 0), punkt(-1, 1, 0), punkt(-1, 0, 1), Gelb, "E: "};
    b.optionen.Quaderdarstellung = true;
    b.optionen.Quaderschnittpunkte = true;
    b.draw();
    // x + y + z = 3 in the first octant box: the triangle Z1 … Z3.
    for (const char* n : {"Z1", "Z2", "Z3"}) EXPECT_EQ(b.canvas.textsNamed(n).size(), 1u);
    EXPECT_TRUE(b.canvas.textsNamed("Z4").empty());
}
