// The scenes of the point tasks as the dispatcher draws them.
#include "scene_picture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {
constexpr TFarbe Gelb = farbe::Gelb, Lime = farbe::Lime, Aqua = farbe::Aqua, Rot = farbe::Rot;
constexpr PenStyle Solid = PenStyle::Solid, Dot = PenStyle::Dot;
} // namespace

TEST(SceneNone, OnlyTheCoordinateSystem) {
    ScenePicture b;
    b.draw();
    EXPECT_EQ(b.canvas.rectangles.size(), 0u);
    ASSERT_EQ(b.canvas.texts.size(), 1u);
    EXPECT_EQ(b.canvas.texts[0].text, "Zeichnung:");
    for (const auto& s : b.canvas.segments) EXPECT_EQ(s.colour, farbe::Weiss);

    b.view.farbig = false;
    b.draw();
    for (const auto& s : b.canvas.segments) EXPECT_EQ(s.colour, farbe::Schwarz);
}

TEST(ScenePoint, BoxAndPositionVector) {
    ScenePicture b;
    b.szene.art = Szenenart::Punkt;
    b.szene.SzenePunkt = punkt(2, 2, 4, Gelb, "P");
    b.draw();
    EXPECT_EQ(b.segments({0, 0, 0}, {2, 2, 4}, Gelb, 2, Solid).size(), 1u);
    EXPECT_EQ(b.segmentsIn(Gelb, 2, Dot).size() + b.segmentsIn(Gelb, 1, Dot).size(), 9u);
    EXPECT_EQ(b.labels("P", {2, 2, 4}, Gelb), 1);

    // Black and white: the same strokes, all black.
    b.view.farbig = false;
    b.draw();
    EXPECT_EQ(b.segments({0, 0, 0}, {2, 2, 4}, farbe::Schwarz, 2, Solid).size(), 1u);
    EXPECT_EQ(b.segmentsIn(Gelb, 2, Solid).size(), 0u);
}

TEST(SceneSegment, SegmentEndsAndMidpoint) {
    ScenePicture b;
    b.szene.art = Szenenart::Linie;
    b.szene.SzeneStrecke = {punkt(2, 1, 1, Aqua, "A"), punkt(6, 7, 8, Aqua, "B"), Aqua};
    b.draw();
    EXPECT_EQ(b.segments({2, 1, 1}, {6, 7, 8}, Aqua, 2, Solid).size(), 1u);
    // A's guide lines: down to the x-y plane and from there to both axes.
    EXPECT_EQ(b.segments({2, 1, 1}, {2, 1, 0}, Aqua, 1, Dot).size(), 1u);
    EXPECT_EQ(b.segments({2, 1, 0}, {2, 0, 0}, Aqua, 1, Dot).size(), 1u);
    EXPECT_EQ(b.segments({2, 1, 0}, {0, 1, 0}, Aqua, 1, Dot).size(), 1u);
    EXPECT_EQ(b.labels("M", {4, 4, 4.5}, Aqua), 1);
}

TEST(SceneDivisionRatio, FourthHarmonicPointOnlyWhenItExists) {
    ScenePicture b;
    b.szene.art = Szenenart::Teilverhaeltnis;
    b.szene.SzeneTeilpunkte[0] = punkt(0, 0, 0, Gelb, "A");
    b.szene.SzeneTeilpunkte[1] = punkt(2, 0, 0, Gelb, "B");
    b.szene.SzeneTeilpunkte[2] = punkt(0.5, 0, 0, Rot, "T");
    b.draw();
    EXPECT_EQ(b.segments({0, 0, 0}, {2, 0, 0}, Gelb, 2, Solid).size(), 1u);
    EXPECT_EQ(b.segments({0, 0, 0}, {0.5, 0, 0}, Gelb, 1, Solid).size(), 1u);
    EXPECT_EQ(b.segments({0.5, 0, 0}, {2, 0, 0}, Gelb, 1, Solid).size(), 1u);
    // tau = 1/3: T´ = (A − B/3) / (2/3) = (−1, 0, 0), red.
    EXPECT_EQ(b.labels("T\u00B4", {-1, 0, 0}, Rot), 1);

    // The midpoint has no fourth harmonic point.
    b.szene.SzeneTeilpunkte[2] = punkt(1, 0, 0, Rot, "T");
    b.draw();
    EXPECT_TRUE(b.canvas.textsNamed("T\u00B4").empty());

    // A point off the line AB divides nothing.
    b.szene.SzeneTeilpunkte[2] = punkt(1, 1, 0, Rot, "T");
    b.draw();
    EXPECT_TRUE(b.canvas.textsNamed("T\u00B4").empty());

    // T = B: the points and segments, no ratio and no error.
    b.szene.SzeneTeilpunkte[2] = punkt(2, 0, 0, Rot, "T");
    EXPECT_NO_THROW(b.draw());
    EXPECT_TRUE(b.canvas.textsNamed("T\u00B4").empty());
}

TEST(SceneTriangle, FeetOfTheAltitudesAndOptionalAltitudeLines) {
    ScenePicture b;
    b.szene.art = Szenenart::Dreieck;
    b.szene.SzeneDreieck = {punkt(2, 0, 0, Lime, "A"), punkt(0, 3, 0, Lime, "B"),
                            punkt(0, 0, 5, Lime, "C"), Lime};
    b.draw();
    EXPECT_EQ(b.segments({2, 0, 0}, {0, 3, 0}, Lime, 2, Solid).size(), 1u);
    EXPECT_EQ(b.segments({0, 3, 0}, {0, 0, 5}, Lime, 2, Solid).size(), 1u);
    EXPECT_EQ(b.segments({2, 0, 0}, {0, 0, 5}, Lime, 2, Solid).size(), 1u);
    // Ha on BC at t = 9/34, Hb on AC at t = 4/29, Hc on AB at t = 4/13.
    const TKoord Ha{0, 75.0 / 34, 45.0 / 34}, Hb{50.0 / 29, 0, 20.0 / 29},
        Hc{18.0 / 13, 12.0 / 13, 0};
    EXPECT_EQ(b.labels("Ha", Ha, Gelb), 1);
    EXPECT_EQ(b.labels("Hb", Hb, Gelb), 1);
    EXPECT_EQ(b.labels("Hc", Hc, Gelb), 1);
    EXPECT_EQ(b.segmentsIn(Gelb, 1, Solid).size(), 0u);

    // With "Dreieck mit Höhengeraden": each altitude through its foot, direction foot − vertex.
    b.optionen.DreieckHoehen = true;
    b.draw();
    const TKoord HaNext{Ha.x - 2, Ha.y + 75.0 / 34, Ha.z + 45.0 / 34};
    EXPECT_EQ(b.segments(Ha, HaNext, Gelb, 1, Solid).size(), 1u);
    const TKoord HcNext{36.0 / 13, 24.0 / 13, -5};
    EXPECT_EQ(b.segments(Hc, HcNext, Gelb, 1, Solid).size(), 1u);
}

TEST(SceneTriangle, DegenerateSideHasNoFoot) {
    ScenePicture b;
    b.szene.art = Szenenart::Dreieck;
    b.szene.SzeneDreieck = {punkt(2, 0, 0, Lime, "A"), punkt(1, 1, 1, Lime, "B"),
                            punkt(1, 1, 1, Lime, "C"), Lime};
    b.optionen.DreieckHoehen = true;
    EXPECT_NO_THROW(b.draw());
    EXPECT_TRUE(b.canvas.textsNamed("Ha").empty());
    // Hb is C itself, so its altitude has direction zero: only the foot (also the line's
    // support point) is drawn.
    EXPECT_FALSE(b.canvas.textsNamed("Hb").empty());
}

TEST(SceneParallelogram, FourthCornerCompletesTheQuadrilateral) {
    ScenePicture b;
    b.szene.art = Szenenart::Parallelogramm;
    const TFarbe f = 0x123456;
    b.szene.SzeneDreieck = {punkt(0, 0, 0, Gelb, "A"), punkt(2, 0, 0, Gelb, "B"),
                            punkt(2, 2, 0, Gelb, "C"), f};
    b.draw();
    EXPECT_EQ(b.labels("  D", {0, 2, 0}, Lime), 1);
    EXPECT_EQ(b.segments({2, 2, 0}, {0, 2, 0}, f, 2, Solid).size(), 1u);
    EXPECT_EQ(b.segments({0, 2, 0}, {0, 0, 0}, f, 2, Solid).size(), 1u);
    // The diagonals meet in (1, 1, 0), named " S" in aqua.
    EXPECT_EQ(b.labels(" S", {1, 1, 0}, Aqua), 1);
    // The completed figure is kept as the scene's quadrilateral, as the report keeps it.
    const TViereck& v = b.szene.SzeneViereck;
    EXPECT_EQ(v.D.x, 0);
    EXPECT_EQ(v.D.y, 2);
    EXPECT_EQ(v.D.Name, "  D");
    EXPECT_EQ(v.Farbe, f);
}

TEST(SceneTetrahedron, EdgesWhenEnabledAndFeet) {
    ScenePicture b;
    b.szene.art = Szenenart::Tetraeder;
    b.szene.SzeneTetraeder = {punkt(1, 0, 0, Lime, "A"), punkt(1, 4, 0, Lime, "B"),
                              punkt(0, 2, 0, Lime, "C"), punkt(1, 1, 4, Lime, "D"), Lime};
    b.draw();
    EXPECT_EQ(b.segmentsIn(Lime, 2, Solid).size(), 0u);

    b.optionen.TetraederKanten = true;
    b.draw();
    EXPECT_EQ(b.segmentsIn(Lime, 2, Solid).size(), 6u);
    EXPECT_EQ(b.segments({1, 0, 0}, {1, 1, 4}, Lime, 2, Solid).size(), 1u);
    // Vertices with guide lines: B = (1, 4, 0) gets its lines to both axes.
    EXPECT_EQ(b.segments({1, 4, 0}, {0, 4, 0}, Lime, 1, Dot).size(), 1u);
    // Feet: D on ABC (z = 0), C on ABD (x = 1), B on ACD (normal (8, 4, −1)), A on BCD
    // (normal (−8, 4, 3)).
    EXPECT_EQ(b.labels("  Fd", {1, 1, 0}, Gelb), 1);
    EXPECT_EQ(b.labels("  Fc", {1, 2, 0}, Gelb), 1);
    EXPECT_EQ(b.labels("  Fb", {-47.0 / 81, 260.0 / 81, 16.0 / 81}, Gelb), 1);
    EXPECT_EQ(b.labels("  Fa", {-39.0 / 89, 64.0 / 89, 48.0 / 89}, Gelb), 1);
}

TEST(SceneTetrahedronWithPlane, SectionPointsAndTheirSegments) {
    ScenePicture b;
    b.szene.art = Szenenart::TetraederEbene;
    b.optionen.TetraederKanten = true;
    b.szene.SzeneTetraeder = {punkt(3, 0, 0, Lime, "A"), punkt(0, 5, 0, Lime, "B"),
                              punkt(0, 0, 6, Lime, "C"), punkt(-1, -1, 0, Lime, "D"), Lime};
    b.szene.SzeneEbene = ebene({0, 0, 1}, 2, Gelb, "Ebene E: ");
    // As the report leaves them: BC, AC and CD meet z = 2.
    const TKoord bc{0, 10.0 / 3, 2}, ac{2, 0, 2}, cd{-2.0 / 3, -2.0 / 3, 2};
    b.szene.SzeneSchnittpunkte[1] = punkt(bc.x, bc.y, bc.z, Rot, "Sbc");
    b.szene.SzeneSchnittpunkte[2] = punkt(ac.x, ac.y, ac.z, Gelb, "Sac");
    b.szene.SzeneSchnittpunkte[5] = punkt(cd.x, cd.y, cd.z, Gelb, "Scd");
    const int da[6] = {0, 1, 1, 0, 0, 1};
    std::copy(da, da + 6, b.szene.SzeneSchnittpunktDa);
    b.draw();
    EXPECT_EQ(b.segmentsIn(Lime, 2, Solid).size(), 6u);
    // Plain vertices: no guide lines in the tetrahedron's colour.
    EXPECT_EQ(b.segmentsIn(Lime, 1, Dot).size(), 0u);
    // The segments take the colour of the second point.
    EXPECT_EQ(b.segments(ac, bc, Rot, 1, Solid).size(), 1u);
    EXPECT_EQ(b.segments(cd, bc, Rot, 1, Solid).size(), 1u);
    EXPECT_EQ(b.segments(ac, cd, Rot, 1, Solid).size(), 1u);
    EXPECT_EQ(b.labels("Sac", ac, Gelb), 1);

    // A missing point takes its segments with it.
    b.szene.SzeneSchnittpunktDa[5] = 0;
    b.draw();
    EXPECT_EQ(b.segments(ac, bc, Rot, 1, Solid).size(), 1u);
    EXPECT_EQ(b.segments(cd, bc, Rot, 1, Solid).size(), 0u);
    EXPECT_TRUE(b.canvas.textsNamed("Scd").empty());
}
