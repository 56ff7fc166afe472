// The scenes of the sphere and vector tasks.
#include "scene_picture.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
constexpr TFarbe Gelb = farbe::Gelb, Lime = farbe::Lime, Aqua = farbe::Aqua, Blau = farbe::Blau;
constexpr PenStyle Solid = PenStyle::Solid, Dot = PenStyle::Dot;
} // namespace

TEST(SceneSphereWithLine, PerpendicularFromTheCentreOnlyWhenItExists) {
    ScenePicture b;
    b.szene.art = Szenenart::KugelGerade;
    b.szene.SzeneKugel = kugel({2, 2, 2}, 1, Lime);

    // Through the centre: the two sphere points, no perpendicular (its direction would be 0).
    b.szene.SzeneGerade = gerade({2, 2, 2}, {1, 0, 0}, Gelb);
    EXPECT_NO_THROW(b.draw());
    EXPECT_EQ(b.canvas.pointMarksAt({1, 2, 2}).size(), 1u);
    EXPECT_EQ(b.canvas.pointMarksAt({3, 2, 2}).size(), 1u);
    EXPECT_TRUE(b.segmentsWhere([](const RecordedSegment& s) { return s.colour == Blau; }).empty());

    // Beside the centre: the blue perpendicular from M along M − F = (0, 0, −0.5).
    b.szene.SzeneGerade = gerade({2, 2, 2.5}, {1, 0, 0}, Gelb);
    b.draw();
    EXPECT_EQ(b.segments({2, 2, 2}, {2, 2, 1.5}, Blau, 1, Solid).size(), 1u);
    // The line itself, width 2.
    EXPECT_EQ(b.segments({2, 2, 2.5}, {3, 2, 2.5}, Gelb, 2, Solid).size(), 1u);
}

TEST(SceneSphereWithPoint, PointOnTheSphereSwitchesTheParameterPatchOn) {
    ScenePicture b;
    b.szene.art = Szenenart::KugelPunkt;
    b.szene.SzeneKugel = kugel({2, 1, 3}, 4, Lime);

    // Inside: nothing more, the option stays off.
    b.szene.SzenePunkt = punkt(2, 1, 4, Gelb, "P");
    b.draw();
    EXPECT_FALSE(b.optionen.Parameterdarstellung);
    EXPECT_EQ(b.optionsChanged, 0);
    EXPECT_EQ(b.segmentsIn(Aqua, 1, Solid).size(), 0u);

    // On the sphere: the tangent plane z = 7 with its patch and the line "gp: " through P
    // along P − M = (0, 0, 4), aqua, width 1.
    b.szene.SzenePunkt = punkt(2, 1, 7, Gelb, "P");
    b.draw();
    EXPECT_TRUE(b.optionen.Parameterdarstellung);
    EXPECT_EQ(b.optionsChanged, 1);
    EXPECT_EQ(b.segments({2, 1, 7}, {2, 1, 11}, Aqua, 1, Solid).size(), 1u);
    EXPECT_FALSE(b.segmentsWhere([](const RecordedSegment& s) {
                      return s.colour == Aqua && s.width == 2 && s.from && s.from->z == 7 &&
                             s.to->z == 7;
                  }).empty());
    b.draw();
    EXPECT_EQ(b.optionsChanged, 1); // already on: nothing to tell

    // A plane shown afterwards gets its parameter patch too (solid width-2 pieces).
    b.szene.art = Szenenart::Ebene;
    b.szene.SzeneEbene = ebene({0, 0, 1}, 2, Gelb);
    b.draw();
    EXPECT_FALSE(b.segmentsIn(Gelb, 2, Solid).empty());
}

TEST(SceneSphereWithPoint, PointOutsideGivesThePolarPlane) {
    ScenePicture b;
    b.szene.art = Szenenart::KugelVPunkt;
    // Vector form of the sphere around (0, 0, 0) with radius 2: a = 0, c = 4.
    b.szene.SzeneKugelV = {punkt(0, 0, 0), 4, "K: ", Lime};
    b.szene.SzenePunkt = punkt(0, 0, 4, Gelb, "P");
    b.draw();
    EXPECT_TRUE(b.optionen.Parameterdarstellung);
    // Polar plane 4z = 4, i.e. z = 1; its circle has the centre Mk = (0, 0, 1).
    EXPECT_EQ(b.labels("Mk", {0, 0, 1}, Aqua), 1);
    EXPECT_EQ(b.segments({0, 0, 4}, {0, 0, 8}, Aqua, 1, Solid).size(), 1u);
}

TEST(SceneTwoSpheres, RadicalPlanePatchLeavesTheUsersOptionAlone) {
    for (bool user : {false, true}) {
        ScenePicture b;
        b.szene.art = Szenenart::KugelKugel;
        b.szene.SzeneKugel1 = kugel({0, 0, 0}, 1, Gelb);
        b.szene.SzeneKugel2 = kugel({0, 6, 0}, 1, Lime);
        b.optionen.Parameterdarstellung = user;
        b.draw();
        // No common point: the radical plane y = 3 with its patch, whatever the option says.
        EXPECT_FALSE(b.segmentsIn(Aqua, 2, Solid).empty());
        EXPECT_EQ(b.optionen.Parameterdarstellung, user);
        EXPECT_EQ(b.optionsChanged, 0);
    }
}

TEST(SceneSphereThroughFourPoints, EdgesOnlyWhenEnabled) {
    ScenePicture b;
    b.szene.art = Szenenart::Kugel4Punkte;
    b.szene.SzeneTetraeder = {punkt(2, 0, 0, Lime, "A"), punkt(0, 2, 0, Lime, "B"),
                              punkt(0, 0, 2, Lime, "C"), punkt(0, 0, 0, Lime, "D"), Lime};
    b.szene.SzeneKugel = kugel({1, 1, 1}, std::sqrt(3.0), Gelb);
    b.draw();
    EXPECT_EQ(b.segmentsIn(Lime, 2, Solid).size(), 0u);
    EXPECT_EQ(b.canvas.pointMarksAt({2, 0, 0}).size(), 1u);
    EXPECT_EQ(b.segmentsIn(Lime, 1, Dot).size(), 0u); // plain vertices
    EXPECT_EQ(b.labels("M", {1, 1, 1}, Gelb), 1);

    b.optionen.TetraederKanten = true;
    b.draw();
    EXPECT_EQ(b.segmentsIn(Lime, 2, Solid).size(), 6u);
}

TEST(SceneVectorProduct, NormalScaledToLengthTwo) {
    ScenePicture b;
    b.szene.art = Szenenart::Vektorprodukt;
    b.szene.SzeneVek1 = punkt(2, 2, -1, Gelb, "p");
    b.szene.SzeneVek2 = punkt(1, 4, 3, Lime, "q");
    b.draw();
    EXPECT_EQ(b.segments({0, 0, 0}, {2, 2, -1}, Gelb, 2, Solid).size(), 1u);
    EXPECT_EQ(b.segments({0, 0, 0}, {1, 4, 3}, Lime, 2, Solid).size(), 1u);
    // p × q = (10, −7, 6), |p × q| = √185.
    const double k = 2 / std::sqrt(185.0);
    const TKoord n{10 * k, -7 * k, 6 * k};
    EXPECT_EQ(b.segments({0, 0, 0}, n, Aqua, 2, Solid).size(), 1u);
    EXPECT_EQ(b.labels("n", n, Aqua), 1);
    EXPECT_EQ(b.segments(n, {n.x, n.y, 0}, Aqua, 1, Dot).size(), 1u);
    EXPECT_EQ(b.zeroCrossProducts, 0);
    EXPECT_EQ(b.szene.art, Szenenart::Vektorprodukt);
}

TEST(SceneVectorProduct, ZeroCrossProductGivesTheSceneUp) {
    ScenePicture b;
    b.szene.art = Szenenart::Vektorprodukt;
    b.szene.SzeneVek1 = punkt(1, 2, 3, Gelb, "p");
    b.szene.SzeneVek2 = punkt(2, 4, 6, Lime, "q");
    EXPECT_NO_THROW(b.draw());
    EXPECT_EQ(b.zeroCrossProducts, 1);
    EXPECT_EQ(b.szene.art, Szenenart::keine);
    EXPECT_EQ(b.labels("n", {0, 0, 0}, Aqua), 1); // the zero vector
    b.draw();
    EXPECT_EQ(b.zeroCrossProducts, 1);
    EXPECT_TRUE(b.canvas.textsNamed("n").empty());
}

TEST(SceneScalarProduct, ProjectionsJoinedToTheVectorEnds) {
    ScenePicture b;
    b.szene.art = Szenenart::Skalarprodukt;
    b.szene.SzeneVek1 = punkt(2, 2, 0, Gelb, "p");
    b.szene.SzeneVek2 = punkt(1, 4, 6, Lime, "q");
    b.draw();
    EXPECT_EQ(b.segments({0, 0, 0}, {2, 2, 0}, Gelb, 2, Solid).size(), 1u);
    // p·q = 10: q onto p is 10/8·p, p onto q is 10/53·q.
    const TKoord qp{2.5, 2.5, 0}, pq{10.0 / 53, 40.0 / 53, 60.0 / 53};
    EXPECT_EQ(b.canvas.pointMarksAt(qp).size(), 1u);
    EXPECT_EQ(b.canvas.pointMarksAt(pq).size(), 1u);
    EXPECT_EQ(b.segments(qp, {1, 4, 6}, Lime, 1, Dot).size(), 1u);
    EXPECT_EQ(b.segments(pq, {2, 2, 0}, Gelb, 1, Dot).size(), 1u);

    // A zero vector has no projections, and drawing it is no error.
    b.szene.SzeneVek1 = punkt(0, 0, 0, Gelb, "p");
    EXPECT_NO_THROW(b.draw());
    EXPECT_EQ(b.segmentsIn(Lime, 1, Dot).size(), 3u); // only q's guide lines
}

TEST(SceneTripleProductAndDependence, VectorsAndParallelepiped) {
    ScenePicture b;
    b.szene.art = Szenenart::Spatprodukt;
    b.szene.SzeneVek1 = punkt(2, 2, 0, Gelb, "p");
    b.szene.SzeneVek2 = punkt(8, 9, 4, Lime, "q");
    b.szene.SzeneVek3 = punkt(-1, 3, 5, Aqua, "r");
    b.draw();
    EXPECT_EQ(b.segments({0, 0, 0}, {-1, 3, 5}, Aqua, 2, Solid).size(), 1u);
    EXPECT_EQ(b.segments({2, 2, 0}, {10, 11, 4}, Gelb, 1, Dot).size(), 1u);
    // (q + r)–(p + q + r) in the colour of its end, which is p's.
    EXPECT_EQ(b.segments({7, 12, 9}, {9, 14, 9}, Gelb, 1, Dot).size(), 1u);

    b.szene.art = Szenenart::LineareAbh3;
    b.draw();
    EXPECT_EQ(b.segmentsWhere([](const RecordedSegment& s) {
                   return s.width == 2 && s.from && nahe(*s.from, {0, 0, 0});
               }).size(),
              3u);
    EXPECT_TRUE(b.segments({2, 2, 0}, {10, 11, 4}, Gelb, 1, Dot).empty());
}
