// The scenes of the sphere and vector tasks.
#include "picture.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(SceneSphereWithLine, PerpendicularFromTheCentreOnlyWhenItExists) {
    Picture b(Szenenart::KugelGerade);
    b.szene.SzeneKugel = kugel({2, 2, 2}, 1, Lime);
    // Through the centre: the two sphere points, no perpendicular (its direction would be 0).
    b.szene.SzeneGerade = gerade({2, 2, 2}, {1, 0, 0});
    EXPECT_NO_THROW(b.draw());
    EXPECT_EQ(b.marks({1, 2, 2}) + b.marks({3, 2, 2}), 2u);
    EXPECT_EQ(b.coloured(Blau), 0u);
    // Beside the centre: the blue perpendicular from M along M − F = (0, 0, −0.5), and the
    // line itself, width 2.
    b.szene.SzeneGerade = gerade({2, 2, 2.5}, {1, 0, 0});
    b.draw();
    b.expectSegments(
        {{{2, 2, 2}, {2, 2, 1.5}, Blau, 1, Solid}, {{2, 2, 2.5}, {3, 2, 2.5}, Gelb, 2, Solid}});
}

TEST(SceneSphereWithPoint, PointOnOrOutsideTheSphereSwitchesTheParameterPatchOn) {
    Picture b(Szenenart::KugelPunkt);
    b.szene.SzeneKugel = kugel({2, 1, 3}, 4, Lime);
    // Inside: nothing more, the option stays off.
    b.szene.SzenePunkt = punkt(2, 1, 4, Gelb, "P");
    b.draw();
    EXPECT_FALSE(b.optionen.Parameterdarstellung);
    EXPECT_EQ(b.optionsChanged + b.in(Aqua, 1, Solid), 0u);

    // On the sphere: the tangent plane z = 7 with its patch and the line "gp: " through P
    // along P − M = (0, 0, 4), aqua, width 1.
    b.szene.SzenePunkt = punkt(2, 1, 7, Gelb, "P");
    b.draw();
    EXPECT_TRUE(b.optionen.Parameterdarstellung);
    EXPECT_EQ(b.optionsChanged, 1);
    EXPECT_EQ(b.between({2, 1, 7}, {2, 1, 11}, Aqua, 1, Solid), 1u);
    // The tangent plane's patch lies in z = 7.
    EXPECT_FALSE(b.segmentsWhere([](const RecordedSegment& s) {
                      return s.colour == Aqua && s.width == 2 && s.from && s.from->z == 7 &&
                             s.to->z == 7;
                  }).empty());
    b.draw();
    EXPECT_EQ(b.optionsChanged, 1); // already on: nothing to tell

    // Outside (vector form, centre 0, c = 4, radius 2): the polar plane 4z = 4, i.e. z = 1,
    // with its circle around Mk = (0, 0, 1); the option goes on as well.
    Picture c(Szenenart::KugelVPunkt);
    c.szene.SzeneKugelV = {punkt(0, 0, 0), 4, "K: ", Lime};
    c.szene.SzenePunkt = punkt(0, 0, 4, Gelb, "P");
    c.draw();
    EXPECT_TRUE(c.optionen.Parameterdarstellung);
    EXPECT_EQ(c.labels("Mk", {0, 0, 1}, Aqua), 1);
    EXPECT_EQ(c.between({0, 0, 4}, {0, 0, 8}, Aqua, 1, Solid), 1u);
}

TEST(SceneTwoSpheres, RadicalPlanePatchLeavesTheUsersOptionAlone) {
    for (bool user : {false, true}) {
        Picture b(Szenenart::KugelKugel);
        b.szene.SzeneKugel1 = kugel({0, 0, 0}, 1, Gelb);
        b.szene.SzeneKugel2 = kugel({0, 6, 0}, 1, Lime);
        b.optionen.Parameterdarstellung = user;
        b.draw();
        // No common point: the radical plane y = 3 with its patch, whatever the option says.
        EXPECT_GT(b.in(Aqua, 2, Solid), 0u);
        EXPECT_EQ(b.optionen.Parameterdarstellung, user);
        EXPECT_EQ(b.optionsChanged, 0);
    }
}

TEST(SceneSphereThroughFourPoints, EdgesOnlyWhenEnabled) {
    Picture b(Szenenart::Kugel4Punkte);
    b.szene.SzeneTetraeder = {punkt(2, 0, 0, Lime, "A"), punkt(0, 2, 0, Lime, "B"),
                              punkt(0, 0, 2, Lime, "C"), punkt(0, 0, 0, Lime, "D"), Lime};
    b.szene.SzeneKugel = kugel({1, 1, 1}, std::sqrt(3.0), Gelb);
    b.draw();
    EXPECT_EQ(b.in(Lime, 2, Solid) + b.in(Lime, 1, Dot), 0u); // plain vertices, no edges
    EXPECT_EQ(b.marks({2, 0, 0}), 1u);
    EXPECT_EQ(b.labels("M", {1, 1, 1}, Gelb), 1);
    b.optionen.TetraederKanten = true;
    b.draw();
    EXPECT_EQ(b.in(Lime, 2, Solid), 6u);
}

TEST(SceneVectorProduct, NormalScaledToLengthTwoOrTheSceneGivenUp) {
    Picture b(Szenenart::Vektorprodukt);
    b.szene.SzeneVek1 = punkt(2, 2, -1, Gelb, "p");
    b.szene.SzeneVek2 = punkt(1, 4, 3, Lime, "q");
    b.draw();
    // p × q = (10, −7, 6), |p × q| = √185.
    const double k = 2 / std::sqrt(185.0);
    const TKoord o{0, 0, 0}, n{10 * k, -7 * k, 6 * k};
    b.expectSegments({{o, {2, 2, -1}, Gelb, 2, Solid},
                      {o, {1, 4, 3}, Lime, 2, Solid},
                      {o, n, Aqua, 2, Solid},
                      {n, {n.x, n.y, 0}, Aqua, 1, Dot}});
    EXPECT_EQ(b.labels("n", n, Aqua), 1);
    EXPECT_EQ(b.zeroCrossProducts, 0);
    EXPECT_EQ(b.szene.art, Szenenart::Vektorprodukt);

    // Linearly dependent: the zero vector is drawn, the event fires once and the scene is
    // unmarked, so the next picture has no vectors.
    b.szene.SzeneVek1 = punkt(1, 2, 3, Gelb, "p");
    b.szene.SzeneVek2 = punkt(2, 4, 6, Lime, "q");
    EXPECT_NO_THROW(b.draw());
    EXPECT_EQ(b.zeroCrossProducts, 1);
    EXPECT_EQ(b.szene.art, Szenenart::keine);
    EXPECT_EQ(b.labels("n", o, Aqua), 1);
    b.draw();
    EXPECT_EQ(b.zeroCrossProducts, 1);
    EXPECT_EQ(b.named("n"), 0u);
}

TEST(SceneScalarProduct, ProjectionsJoinedToTheVectorEnds) {
    Picture b(Szenenart::Skalarprodukt);
    b.szene.SzeneVek1 = punkt(2, 2, 0, Gelb, "p");
    b.szene.SzeneVek2 = punkt(1, 4, 6, Lime, "q");
    b.draw();
    // p·q = 10: q onto p is 10/8·p, p onto q is 10/53·q.
    const TKoord qp{2.5, 2.5, 0}, pq{10.0 / 53, 40.0 / 53, 60.0 / 53};
    EXPECT_EQ(b.marks(qp) + b.marks(pq), 2u);
    b.expectSegments({{{0, 0, 0}, {2, 2, 0}, Gelb, 2, Solid},
                      {qp, {1, 4, 6}, Lime, 1, Dot},
                      {pq, {2, 2, 0}, Gelb, 1, Dot}});
    // A zero vector has no projections, and drawing it is no error.
    b.szene.SzeneVek1 = punkt(0, 0, 0, Gelb, "p");
    EXPECT_NO_THROW(b.draw());
    EXPECT_EQ(b.in(Lime, 1, Dot), 3u); // only q's guide lines
}

TEST(SceneTripleProductAndDependence, VectorsAndParallelepiped) {
    Picture b(Szenenart::Spatprodukt);
    b.szene.SzeneVek1 = punkt(2, 2, 0, Gelb, "p");
    b.szene.SzeneVek2 = punkt(8, 9, 4, Lime, "q");
    b.szene.SzeneVek3 = punkt(-1, 3, 5, Aqua, "r");
    b.draw();
    // Each edge in the colour of its end: p + q and p + q + r keep p's colour.
    b.expectSegments({{{0, 0, 0}, {-1, 3, 5}, Aqua, 2, Solid},
                      {{2, 2, 0}, {10, 11, 4}, Gelb, 1, Dot},
                      {{8, 9, 4}, {10, 11, 4}, Gelb, 1, Dot},
                      {{7, 12, 9}, {9, 14, 9}, Gelb, 1, Dot}});
    // Dependence: the three vectors without the parallelepiped.
    b.szene.art = Szenenart::LineareAbh3;
    b.draw();
    EXPECT_EQ(b.segmentsWhere([](const RecordedSegment& s) {
                   return s.width == 2 && s.from && nahe(*s.from, {0, 0, 0});
               }).size(),
              3u);
    EXPECT_EQ(b.between({2, 2, 0}, {10, 11, 4}), 0u);
}
