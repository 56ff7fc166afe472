// The ellipse: each determination against values worked out by hand, the data that give no
// ellipse, the vertical line, and a seeded comparison of every operation with the implicit
// equation (x − M.x)²/a² + (y − M.y)²/b² = 1.
#include "core/number_text.h"
#include "plane/ellipse_task.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

using A = Ellipsenart;

std::string t(double x) {
    return ZahlText(x + 0.0);
}
// "M.x M.y a b" of an ellipse, three decimals.
std::string ab(const TEllipse2& E) {
    return t(E.M.x) + " " + t(E.M.y) + " " + t(E.a) + " " + t(E.b);
}
TGeradeGl2 g(double u, double v, double w) {
    return {u, v, w, 0, {}};
}
// The left side of the equation at P, minus 1: zero on the curve.
double aufKurve(const TEllipse2& E, const TPunkt2& P) {
    const double x = (P.x - E.M.x) / E.a, y = (P.y - E.M.y) / E.b;
    return x * x + y * y - 1;
}

// The examples of the eight determinations (their results are written in the report golden);
// determination 2 gives b = √(36.903 − 25) = 3.45.
TEST(Ellipse, ExamplesOfTheDeterminations) {
    const std::pair<A, const char*> rows[] = {
        {A::MittelpunktAchsen, "2 2 5 3"},
        {A::ExzentrizitaetPunkt, "0 0 6.075 3.45"},
        {A::AchseTangente, "0 0 6 4"},
        {A::BrennpunktePunkt, "-0.5 2 3.693 2.718"},
        {A::BrennpunktPunktTangente, "4.231 2 3.728 2.496"},
        {A::BrennpunktTangente, "0 0 3.795 2.324"},
        {A::MittelpunktZweiPunkte, "2 1 5.339 3.775"},
        {A::MittelpunktAchseTangente, "2 1 4 2.236"},
    };
    for (const auto& [art, want] : rows) {
        const EllipsenDaten d = Ellipse_berechnen(art, Ellipse_Beispiel(art));
        EXPECT_TRUE(d.moeglich);
        EXPECT_EQ(ab(d.E), want) << static_cast<int>(art);
    }
    // The point of contact of a = 6 with x + 2y = 10, and the foci of b > a on the y axis.
    const EllipsenDaten d = Ellipse_berechnen(A::AchseTangente, Ellipse_Beispiel(A::AchseTangente));
    EXPECT_EQ(t(d.S[0].x) + "/" + t(d.S[0].y), "3.6/3.2");
    const Ellipsenpunkte p = Ellipsenpunkte_berechnen({punkt2(1, 1), 3, 5, "E:", 0});
    EXPECT_EQ(t(p.e) + " " + t(p.F1.x) + "/" + t(p.F1.y) + " " + t(p.F2.y), "4 1/-3 5");
}

// Data that give no ellipse are impossible (input test: rejected) and never divide by zero.
TEST(Ellipse, DataWithoutEllipse) {
    TEllipse2 E;
    Gerade2MC tp;
    TPunkt2 B, F2;
    EXPECT_FALSE(EllipseAusExzentrizitaet(5, punkt2(3, 0), E)); // P between the foci: b = 0
    EXPECT_FALSE(EllipseAusAchseTangente(6, g(1, 1, 2), E));    // c² < a²m²
    EXPECT_FALSE(EllipseAusAchseTangente(0, g(1, 2, 10), E));
    EXPECT_FALSE(EllipseAusBrennpunktenPunkt(punkt2(0, 0), punkt2(3, 4), punkt2(5, 5), E, tp));
    EXPECT_FALSE(EllipseAusBrennpunktenPunkt(punkt2(1, 1), punkt2(1, 1), punkt2(5, 5), E, tp));
    // Focus, point and tangent: P = F; ρ = 0 (a horizontal tangent through F, sin ρ = 0); a
    // vertical tangent.
    EXPECT_FALSE(
        EllipseAusBrennpunktPunktTangente(punkt2(2, 1), punkt2(2, 1), g(1, 1, 3), E, B, F2));
    EXPECT_FALSE(
        EllipseAusBrennpunktPunktTangente(punkt2(2, 1), punkt2(5, 0), g(0, 1, 1), E, B, F2));
    EXPECT_FALSE(
        EllipseAusBrennpunktPunktTangente(punkt2(2, 1), punkt2(5, 0), g(1, 0, 3), E, B, F2));
    EXPECT_FALSE(EllipseAusBrennpunktTangente(punkt2(3, 1), g(1, 2, 6), E)); // focus off the axis
    EXPECT_FALSE(EllipseAusBrennpunktTangente(punkt2(3, 0), g(1, 0, 2), E)); // x = 2 inside
    EXPECT_TRUE(EllipseAusBrennpunktTangente(punkt2(3, 0), g(2, 0, 10), E)); // x = 5: a = 5, b = 4
    EXPECT_EQ(ab(E), "0 0 5 4");
    EXPECT_FALSE(EllipseAusMittelpunktZweiPunkten(punkt2(0, 0), punkt2(1, 2), punkt2(1, 2), E));
    EXPECT_FALSE(EllipseAusMittelpunktZweiPunkten(punkt2(0, 0), punkt2(1, 2), punkt2(-1, 2), E));
    EXPECT_FALSE(EllipseAusMittelpunktAchseTangente(punkt2(2, 1), 4, g(1, 0, 7), E)); // |5| ≠ 4
    EXPECT_TRUE(EllipseAusMittelpunktAchseTangente(punkt2(2, 1), 4, g(1, 0, 6), E));
    EXPECT_EQ(ab(E), "2 1 4 2");
    EXPECT_FALSE(EllipseAusMittelpunktAchseTangente(punkt2(2, 1), 4, g(0, 1, 1), E)); // b = 0
    // The input test of a and of the tasks that take the ellipse as typed.
    EllipsenEingabe in = Ellipse_Beispiel(A::MittelpunktAchseTangente);
    in.E.a = -4;
    EXPECT_FALSE(Ellipse_gueltig(A::MittelpunktAchseTangente, in));
    EXPECT_TRUE(Ellipse_berechnen(A::MittelpunktAchseTangente, in).moeglich); // |a| after an edit
    in.E.b = 0;
    EXPECT_TRUE(Ellipse_gueltig(A::EllipsePunkt, in));
    EXPECT_FALSE(Ellipse_berechnen(A::EllipsePunkt, in).moeglich);
}

// Foci one above the other: the same ellipse turned by 90°, with the tangent turned back.
TEST(Ellipse, FociOnAVerticalLine) {
    TEllipse2 E, W;
    Gerade2MC tp, tw;
    ASSERT_TRUE(EllipseAusBrennpunktenPunkt(punkt2(2, 2), punkt2(2, -3), punkt2(4, 2), E, tp));
    ASSERT_TRUE(EllipseAusBrennpunktenPunkt(punkt2(2, 2), punkt2(-3, 2), punkt2(2, 4), W, tw));
    EXPECT_EQ(ab(E), "2 -0.5 2.718 3.693");
    EXPECT_EQ(t(tp.m) + " " + t(tp.c), t(1 / tw.m) + " " + t(-tw.c / tw.m));
    // A tangent at a vertex of the turned ellipse is horizontal, and the other way round.
    ASSERT_TRUE(EllipseAusBrennpunktenPunkt(punkt2(0, 4), punkt2(0, -4), punkt2(0, 5), E, tp));
    EXPECT_FALSE(tp.senkrecht);
    EXPECT_EQ(t(tp.m) + " " + t(tp.c), "0 5");
}

TEST(Ellipse, VerticalLinesAndTwoEllipses) {
    const TEllipse2 E{punkt2(1, 0), 5, 3, "E:", 0};
    TPunkt2 S1, S2;
    const std::pair<double, int> rows[] = {{6, 1}, {-4, 1}, {3.5, 2}, {7, 0}, {-9, 0}};
    for (const auto& [k, lage] : rows) {
        const Gerade2MC v{true, 0, 0, k};
        EXPECT_EQ(LageEllipseGerade(E, v), lage) << k;
        EXPECT_EQ(SchnittEllipseGerade(E, v, S1, S2), lage > 0) << k;
    }
    EXPECT_EQ(t(S1.x) + "/" + t(S1.y) + " " + t(S2.y), "3.5/2.598 -2.598"); // x = 3.5 last cut
    // The exact test "on the ellipse" and the tangent tolerance stay.
    EXPECT_EQ(LageEllipsePunkt(E, punkt2(6, 0)), 1);
    EXPECT_EQ(LageEllipseGerade(E, {false, 0, 3 + 1e-9, 0}), 1);
    // Concentric ellipses meet in four points, others are not intersected.
    TPunkt2 P[4];
    const TEllipse2 F{punkt2(1, 0), 4, 5, "E2:", 0};
    ASSERT_TRUE(SchnittZweiEllipsen(E, F, P));
    EXPECT_EQ(t(P[2].x) + "/" + t(P[2].y), "-2.648/-2.052");
    EXPECT_FALSE(SchnittZweiEllipsen(E, {punkt2(1, 1e-12), 4, 5, "", 0}, P));
    EXPECT_FALSE(SchnittZweiEllipsen(E, {punkt2(1, 0), 5, 3, "", 0}, P)); // the same ellipse
}

// Random ellipses and data: every determination's ellipse passes through its points and
// touches its tangents, intersection points lie on both curves, and positions agree with the
// equation.
TEST(Ellipse, SeededAgainstTheEquation) {
    std::mt19937 rng(12);
    std::uniform_real_distribution<double> r(-6, 6), pos(0.5, 6);
    int gepruefte = 0;
    for (int i = 0; i < 400; ++i) {
        const TEllipse2 E{punkt2(r(rng), r(rng)), pos(rng), pos(rng), "E:", 0};
        const double phi = r(rng);
        const TPunkt2 P = punkt2(E.M.x + E.a * std::cos(phi), E.M.y + E.b * std::sin(phi));
        Gerade2MC tp;
        ASSERT_TRUE(TangenteImPunkt(E, P, tp));
        EXPECT_EQ(LageEllipseGerade(E, tp), 1);

        // A random line: its points of intersection lie on both.
        const Gerade2MC l{false, r(rng), r(rng), 0};
        TPunkt2 S1, S2;
        const int lage = LageEllipseGerade(E, l);
        EXPECT_EQ(SchnittEllipseGerade(E, l, S1, S2), lage > 0);
        if (lage == 2) {
            for (const TPunkt2* S : {&S1, &S2}) {
                EXPECT_NEAR(aufKurve(E, *S), 0, 1e-9);
                EXPECT_NEAR(S->y, l.m * S->x + l.c, 1e-9 * (1 + std::fabs(S->y)));
            }
        }
        // Outside points: the tangents from P through T1, T2 touch.
        EllipsenEingabe in{E, {}, 0, {}, {}, punkt2(r(rng) * 2, r(rng) * 2), {}, {}};
        const EllipsenDaten d = Ellipse_berechnen(A::EllipsePunkt, in);
        EXPECT_EQ(d.lage == 2, aufKurve(E, in.P) > 0);
        EXPECT_EQ(d.anzahl, d.lage == 2 ? 2 : 0);
        in.t = {-l.m, 1, l.c, 0, {}};
        EXPECT_EQ(Ellipse_berechnen(A::EllipseGerade, in).anzahl, lage);
        if (d.anzahl == 2) {
            for (const Gerade2MC* t12 : {&d.t1, &d.t2}) EXPECT_EQ(LageEllipseGerade(d.E, *t12), 1);
        }

        // Centre and two points; centre, a and the tangent at P.
        in.E.M = E.M;
        in.P = P;
        in.Q = punkt2(E.M.x + E.a * std::cos(phi + 1), E.M.y + E.b * std::sin(phi + 1));
        const EllipsenDaten mpq = Ellipse_berechnen(A::MittelpunktZweiPunkte, in);
        if (mpq.moeglich) {
            ++gepruefte;
            EXPECT_NEAR(mpq.E.a, E.a, 1e-6 * E.a);
            EXPECT_NEAR(mpq.E.b, E.b, 1e-6 * E.b);
        }
        in.E.a = E.a;
        in.t = tp.senkrecht ? TGeradeGl2{1, 0, tp.k, 0, {}} : TGeradeGl2{-tp.m, 1, tp.c, 0, {}};
        const EllipsenDaten mat = Ellipse_berechnen(A::MittelpunktAchseTangente, in);
        if (mat.moeglich && !tp.senkrecht) {
            EXPECT_NEAR(mat.E.b, E.b, 1e-6 * E.b);
        }

        // Its foci and a point of it give the ellipse back (foci one above the other when b > a).
        const Ellipsenpunkte f = Ellipsenpunkte_berechnen(E);
        TEllipse2 G;
        Gerade2MC tg;
        if (EllipseAusBrennpunktenPunkt(f.F1, f.F2, P, G, tg)) {
            EXPECT_NEAR(G.a + G.b, E.a + E.b, 1e-6 * E.a) << ab(E);
            EXPECT_EQ(LageEllipseGerade(G, tg), 1);
        }
    }
    EXPECT_GT(gepruefte, 300);
}

} // namespace
