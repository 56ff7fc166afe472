// The scenes of the point tasks as the dispatcher draws them.
#include "picture.h"
#include "sheet/task_kind.h"

#include <gtest/gtest.h>

#include <algorithm>

TEST(ScenePoint, NothingButAxesThenBoxAndPositionVector) {
    Picture b;
    b.draw();
    EXPECT_EQ(b.rows().size(), 49u); // the white axes with their ticks, and the caption
    EXPECT_EQ(b.coloured(Weiss), 48u);

    b.szene.art = Szenenart::Punkt;
    b.szene.SzenePunkt = punkt(2, 2, 4, Gelb, "P");
    b.draw();
    EXPECT_EQ(b.between({0, 0, 0}, {2, 2, 4}, Gelb, 2, Solid), 1u);
    EXPECT_EQ(b.in(Gelb, 2, Dot) + b.in(Gelb, 1, Dot), 9u);
    EXPECT_EQ(b.labels("P", {2, 2, 4}, Gelb), 1);
    // Black and white: the same strokes, all black.
    b.view.farbig = false;
    b.draw();
    EXPECT_EQ(b.between({0, 0, 0}, {2, 2, 4}, Schwarz, 2, Solid), 1u);
    EXPECT_EQ(b.coloured(Gelb), 0u);

    // A segment: its ends with guide lines, and the midpoint M.
    b.view.farbig = true;
    b.szene.art = Szenenart::Linie;
    b.szene.SzeneStrecke = {punkt(2, 1, 1, Aqua, "A"), punkt(6, 7, 8, Aqua, "B"), Aqua};
    b.draw();
    b.expectSegments(
        {{{2, 1, 1}, {6, 7, 8}, Aqua, 2, Solid}, {{2, 1, 1}, {2, 1, 0}, Aqua, 1, Dot}});
    EXPECT_EQ(b.labels("M", {4, 4, 4.5}, Aqua), 1);
}

TEST(SceneDivisionRatio, FourthHarmonicPointOnlyWhenItExists) {
    Picture b(Szenenart::Teilverhaeltnis);
    b.szene.SzeneTeilpunkte[0] = punkt(0, 0, 0, Gelb, "A");
    b.szene.SzeneTeilpunkte[1] = punkt(2, 0, 0, Gelb, "B");
    b.szene.SzeneTeilpunkte[2] = punkt(0.5, 0, 0, Rot, "T");
    b.draw();
    b.expectSegments({{{0, 0, 0}, {2, 0, 0}, Gelb, 2, Solid},
                      {{0, 0, 0}, {0.5, 0, 0}, Gelb, 1, Solid},
                      {{0.5, 0, 0}, {2, 0, 0}, Gelb, 1, Solid}});
    // tau = 1/3: T´ = (A − B/3) / (2/3) = (−1, 0, 0), red.
    EXPECT_EQ(b.labels("T\u00B4", {-1, 0, 0}, Rot), 1);
    // The midpoint has no fourth harmonic point, a point off AB divides nothing, and T = B
    // gives the points and segments, no ratio and no error.
    for (TKoord t : {TKoord{1, 0, 0}, TKoord{1, 1, 0}, TKoord{2, 0, 0}}) {
        b.szene.SzeneTeilpunkte[2] = punkt(t.x, t.y, t.z, Rot, "T");
        EXPECT_NO_THROW(b.draw());
        EXPECT_EQ(b.named("T\u00B4"), 0u) << t.x << t.y;
    }
}

TEST(SceneTriangle, FeetOfTheAltitudesAndOptionalAltitudeLines) {
    Picture b(Szenenart::Dreieck);
    b.szene.SzeneDreieck = {punkt(2, 0, 0, Lime, "A"), punkt(0, 3, 0, Lime, "B"),
                            punkt(0, 0, 5, Lime, "C"), Lime};
    b.draw();
    EXPECT_EQ(b.in(Lime, 2, Solid), 3u);
    // Ha on BC at t = 9/34, Hb on AC at t = 4/29, Hc on AB at t = 4/13.
    const TKoord Ha{0, 75.0 / 34, 45.0 / 34}, Hb{50.0 / 29, 0, 20.0 / 29},
        Hc{18.0 / 13, 12.0 / 13, 0};
    EXPECT_EQ(b.labels("Ha", Ha, Gelb) + b.labels("Hb", Hb, Gelb) + b.labels("Hc", Hc, Gelb), 3);
    EXPECT_EQ(b.in(Gelb, 1, Solid), 0u);
    // With "Dreieck mit Höhengeraden": each altitude through its foot, direction foot − vertex.
    b.optionen.DreieckHoehen = true;
    b.draw();
    b.expectSegments({{Ha, {Ha.x - 2, Ha.y + 75.0 / 34, Ha.z + 45.0 / 34}, Gelb, 1, Solid},
                      {Hc, {36.0 / 13, 24.0 / 13, -5}, Gelb, 1, Solid}});

    // A degenerate side has no foot and is no error; Hb is C itself, so its altitude has
    // direction zero: only the foot (also the line's support point) is drawn.
    b.szene.SzeneDreieck.B = punkt(1, 1, 1, Lime, "B");
    b.szene.SzeneDreieck.C = punkt(1, 1, 1, Lime, "C");
    EXPECT_NO_THROW(b.draw());
    EXPECT_EQ(b.named("Ha"), 0u);
    EXPECT_GT(b.named("Hb"), 0u);
}

TEST(SceneParallelogram, FourthCornerCompletesTheQuadrilateral) {
    Picture b(Szenenart::Parallelogramm);
    const TFarbe f = 0x123456;
    b.szene.SzeneDreieck = {punkt(0, 0, 0, Gelb, "A"), punkt(2, 0, 0, Gelb, "B"),
                            punkt(2, 2, 0, Gelb, "C"), f};
    deriveScene(b.szene); // as the hand-over does
    b.draw();
    // D = (0, 2, 0) in lime, the sides in the figure's colour; the diagonals meet in " S".
    EXPECT_EQ(b.labels("  D", {0, 2, 0}, Lime) + b.labels(" S", {1, 1, 0}, Aqua), 2);
    b.expectSegments({{{2, 2, 0}, {0, 2, 0}, f, 2, Solid}, {{0, 2, 0}, {0, 0, 0}, f, 2, Solid}});
    // The completed figure is kept as the scene's quadrilateral, for the report and the editing.
    const TViereck& v = b.szene.SzeneViereck;
    EXPECT_EQ(std::tie(v.D.x, v.D.y, v.D.Name, v.Farbe),
              std::make_tuple(0., 2., std::string("  D"), f));
}

TEST(SceneTetrahedron, EdgesWhenEnabledAndFeet) {
    Picture b(Szenenart::Tetraeder);
    b.szene.SzeneTetraeder = {punkt(1, 0, 0, Lime, "A"), punkt(1, 4, 0, Lime, "B"),
                              punkt(0, 2, 0, Lime, "C"), punkt(1, 1, 4, Lime, "D"), Lime};
    b.draw();
    EXPECT_EQ(b.in(Lime, 2, Solid), 0u);
    b.optionen.TetraederKanten = true;
    b.draw();
    EXPECT_EQ(b.in(Lime, 2, Solid), 6u);
    // Vertices with guide lines: B = (1, 4, 0) gets its lines to both axes.
    EXPECT_EQ(b.between({1, 4, 0}, {0, 4, 0}, Lime, 1, Dot), 1u);
    // Feet: D on ABC (z = 0), C on ABD (x = 1), B on ACD (normal (8, 4, −1)), A on BCD
    // (normal (−8, 4, 3)).
    EXPECT_EQ(b.labels("  Fd", {1, 1, 0}, Gelb) + b.labels("  Fc", {1, 2, 0}, Gelb) +
                  b.labels("  Fb", {-47.0 / 81, 260.0 / 81, 16.0 / 81}, Gelb) +
                  b.labels("  Fa", {-39.0 / 89, 64.0 / 89, 48.0 / 89}, Gelb),
              4);
}

TEST(SceneTetrahedronWithPlane, SectionPointsAndTheirSegments) {
    Picture b(Szenenart::TetraederEbene);
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
    EXPECT_EQ(b.in(Lime, 2, Solid), 6u);
    EXPECT_EQ(b.in(Lime, 1, Dot), 0u); // plain vertices, no guide lines
    // The segments take the colour of the second point.
    b.expectSegments({{ac, bc, Rot, 1, Solid}, {cd, bc, Rot, 1, Solid}, {ac, cd, Rot, 1, Solid}});
    EXPECT_EQ(b.labels("Sac", ac, Gelb), 1);
    // A missing point takes its segments and its name with it.
    b.szene.SzeneSchnittpunktDa[5] = 0;
    b.draw();
    EXPECT_EQ(b.between(ac, bc, Rot, 1, Solid), 1u);
    EXPECT_EQ(b.between(cd, bc, Rot, 1, Solid) + b.named("Scd"), 0u);
}
