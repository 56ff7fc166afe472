// The triangle in the plane: the example's values, the case texts of line equations, the faults
// of degenerate input, and a seeded comparison with independent formulas.
#include "core/errors.h"
#include "core/number_text.h"
#include "plane/triangle.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <tuple>

namespace {

std::string t(double x) {
    return ZahlText(x + 0.0);
}
std::string pt(const TPunkt2& p) {
    return t(p.x) + "/" + t(p.y);
}
TGerade2 line(double px, double py, double dx, double dy) {
    return {punkt2(px, py), punkt2(dx, dy)};
}

// The report's rows check the example's numbers; here what the sheet does not show.
TEST(Triangle2, ExampleEulerDirectionAndNames) {
    TPunkt2 e[3];
    Dreieck2_Beispiel(e);
    const TDreieck2Daten d = Dreieck2_berechnen(e[0], e[1], e[2]);
    EXPECT_EQ(pt(d.e.Richtung), "0/2.3");
    EXPECT_EQ(d.H.Name + d.M.Name + d.S.Name + d.W.Name + d.Hc.Name + d.Wa.Name, "HMSWHcWa");
    EXPECT_EQ(d.Mc.Farbe + d.M.Farbe + d.H.Farbe, farbe::Lime + farbe::Aqua + farbe::Rot);
}

TEST(Triangle2, LineEquations) {
    const std::pair<TGerade2, std::string> rows[] = {
        {line(0, -2, 2, 1), "y = 0.5 x -2"},
        {line(4, 0, 2, 1), "y = 0.5 x -2"},
        {line(1, 3, 0, 5), "x = 1"},
        {line(1, 3, 0, 0), "x = 1"},
        {line(-1e-17, 5, 0, 1), "x = 0"}, // no direction (Euler line of an equilateral one)
        {line(0.1, 0.3, 0.7, 0), "y = 0 x + 0.3"},
        {line(0.1, 0.2, 0.1, 0.2), "y = 2 x + 0"}, // 0.2·0.1 − 0.1·0.2 leaves no "-0"
        {line(-1, 1, 1, -1), "y = -1 x + 0"},
        {line(0.1, 0.3, 0.3, 0.9), "y = 3 x + 0"}, // b = -4.6e-17 is a remainder, not "-0"
        {line(-0.0, -0.0, 1, -0.0), "y = 0 x + 0"},
    };
    for (const auto& [g, want] : rows) EXPECT_EQ(Geradengleichung2(g), want);
}

TEST(Triangle2, AnglesAndIntersections) {
    // A right angle is exactly 90; a straight angle is 180 although the cosine rounds below -1.
    EXPECT_EQ(Winkel2(punkt2(3, 0), punkt2(0, 0), punkt2(0, 7)), 90.0);
    EXPECT_EQ(Winkel2(punkt2(0.1, 0.1), punkt2(0.2, 0.2), punkt2(0.3, 0.3)), 180.0);
    EXPECT_EQ(Winkel2(punkt2(0.1, 0.1), punkt2(0, 0), punkt2(0.2, 0.2)), 0.0); // cosine 1 + 2e-16
    EXPECT_NEAR(Winkel2(punkt2(1, 0), punkt2(0, 0), punkt2(1, 1)), 45.0, 1e-12);
    EXPECT_THROW(Winkel2(punkt2(0, 0), punkt2(0, 0), punkt2(1, 1)), MathError);

    TPunkt2 s = punkt2(7, 7, 0, "S");
    EXPECT_FALSE(Schnitt2(line(0, 0, 1, 2), line(5, 5, 0.1, 0.2), s)); // parallel: unchanged
    EXPECT_FALSE(Schnitt2(line(0, 0, 0, 0), line(5, 5, 1, 0), s));     // no direction
    // Long directions: parallel relative to their lengths.
    EXPECT_FALSE(Schnitt2(line(0, 0, 1000, 1), line(0, 1, 1000, 1.0000000001), s));
    EXPECT_EQ(pt(s), "7/7");
    ASSERT_TRUE(Schnitt2(line(0, 0, 1, 1), line(0, 2, 1, -1), s));
    EXPECT_EQ(pt(s) + s.Name, "1/1S");
}

// Collinear or coincident vertices give the side lengths and nothing else: no stale special
// points and no NaN.
TEST(Triangle2, DegenerateVerticesHaveOnlySides) {
    const TPunkt2 cases[][3] = {{punkt2(0, 0), punkt2(1, 1), punkt2(2, 2)},
                                {punkt2(0.1, 0.2), punkt2(0.3, 0.6), punkt2(0.7, 1.4)},
                                {punkt2(1, 1), punkt2(1, 1), punkt2(4, 5)},
                                {punkt2(1e3, 1e3), punkt2(2e3, 2e3 + 1e-7), punkt2(3e3, 3e3)},
                                {punkt2(2, 2), punkt2(2, 2), punkt2(2, 2)}};
    for (const auto& c : cases) {
        const TDreieck2Daten d = Dreieck2_berechnen(c[0], c[1], c[2]);
        EXPECT_FALSE(d.Dreieck);
        EXPECT_EQ(t(d.a + d.b + d.c), t(plane::distance(c[1], c[2]) + plane::distance(c[0], c[2]) +
                                        plane::distance(c[0], c[1])));
        EXPECT_EQ(d.r + d.i + d.H.x + d.M.y + d.e.Richtung.x, 0.0);
    }
}

TEST(Triangle2, EquilateralHasNoEulerDirection) {
    const double h = std::sqrt(3.0);
    const TDreieck2Daten d = Dreieck2_berechnen(punkt2(0, 0), punkt2(2, 0), punkt2(1, h));
    ASSERT_TRUE(d.Dreieck);
    EXPECT_EQ(d.e.Richtung.x, 0.0);
    EXPECT_EQ(d.e.Richtung.y, 0.0);
    EXPECT_EQ(Geradengleichung2(d.e), "x = 1");
}

// Random triangles against independent formulas: the circumcentre from the perpendicular
// bisector equations, H = A + B + C − 2M, the incentre weighted by the sides, the inradius
// from the area, and the angle sum.
TEST(Triangle2, PropertiesOfRandomTriangles) {
    std::mt19937 rng(20261206);
    std::uniform_real_distribution<double> coord(-9, 9);
    int checked = 0;
    for (int n = 0; n < 500; ++n) {
        const TPunkt2 A = punkt2(coord(rng), coord(rng)), B = punkt2(coord(rng), coord(rng)),
                      C = punkt2(coord(rng), coord(rng));
        const double area2 = (B.x - A.x) * (C.y - A.y) - (B.y - A.y) * (C.x - A.x);
        const TDreieck2Daten d = Dreieck2_berechnen(A, B, C);
        if (std::fabs(area2) < 1) continue; // very flat triangles lose digits in any formula
        ASSERT_TRUE(d.Dreieck);
        ++checked;
        const double D = 2 * area2;
        const double a2 = A.x * A.x + A.y * A.y, b2 = B.x * B.x + B.y * B.y,
                     c2 = C.x * C.x + C.y * C.y;
        const double mx = (a2 * (B.y - C.y) + b2 * (C.y - A.y) + c2 * (A.y - B.y)) / D;
        const double my = (a2 * (C.x - B.x) + b2 * (A.x - C.x) + c2 * (B.x - A.x)) / D;
        const double tol = 1e-7;
        EXPECT_NEAR(d.M.x, mx, tol);
        EXPECT_NEAR(d.M.y, my, tol);
        EXPECT_NEAR(d.H.x, A.x + B.x + C.x - 2 * mx, tol);
        EXPECT_NEAR(d.H.y, A.y + B.y + C.y - 2 * my, tol);
        EXPECT_NEAR(d.S.x, (A.x + B.x + C.x) / 3, tol);
        for (const auto& [Mid, P, Q] : {std::tuple{d.Ma, B, C}, {d.Mb, A, C}, {d.Mc, A, B}})
            EXPECT_EQ(pt(Mid), pt(punkt2((P.x + Q.x) / 2, (P.y + Q.y) / 2)));
        const double p = d.a + d.b + d.c;
        EXPECT_NEAR(d.W.x, (d.a * A.x + d.b * B.x + d.c * C.x) / p, tol);
        EXPECT_NEAR(d.W.y, (d.a * A.y + d.b * B.y + d.c * C.y) / p, tol);
        EXPECT_NEAR(d.i, std::fabs(area2) / p, tol);
        EXPECT_NEAR(d.r, plane::distance(d.M, C), tol);
        EXPECT_NEAR(d.alpha + d.beta + d.gamma, 180, 1e-9);
        // The feet lie on their sides, perpendicular below the opposite vertex.
        EXPECT_NEAR(plane::cross(plane::difference(d.Ha, B), plane::difference(C, B)), 0, tol);
        EXPECT_NEAR(plane::dot(plane::difference(d.Ha, A), plane::difference(C, B)), 0, tol);
    }
    EXPECT_GT(checked, 400);
}

} // namespace
