#include "core/dependence.h"
#include "core/errors.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
// la·a + lb·b + lc·c + ld·d, for checking that a representation really gives the zero vector.
TPunkt kombination(std::initializer_list<std::pair<double, TPunkt>> terme) {
    TPunkt s;
    for (const auto& [l, v] : terme) s = summe(s, vielfaches(v, l));
    return s;
}
} // namespace

TEST(Nulldarstellung2, ParallelVectorsAndZeroVectors) {
    double la = 9, lb = 9;
    Nulldarstellung2(punkt(2, 4, 6), punkt(1, 2, 3), la, lb);
    EXPECT_DOUBLE_EQ(la, -0.5);
    EXPECT_DOUBLE_EQ(lb, 1);

    // x components zero: the y components give the factor.
    Nulldarstellung2(punkt(0, 2, 0), punkt(0, -3, 0), la, lb);
    EXPECT_DOUBLE_EQ(la, 1.5);
    EXPECT_DOUBLE_EQ(lb, 1);

    // b is the zero vector: 0·a + 1·b = o.
    Nulldarstellung2(punkt(1, 2, 3), punkt(0, 0, 0), la, lb);
    EXPECT_EQ(la, 0);
    EXPECT_EQ(lb, 1);

    // a is the zero vector (also when both are): 1·a + 0·b = o.
    Nulldarstellung2(punkt(0, 0, 0), punkt(1, 2, 3), la, lb);
    EXPECT_EQ(la, 1);
    EXPECT_EQ(lb, 0);
    Nulldarstellung2(punkt(0, 0, 0), punkt(0, 0, 0), la, lb);
    EXPECT_EQ(la, 1);
    EXPECT_EQ(lb, 0);
}

TEST(Nulldarstellung3, CoplanarVectorsInEveryCoordinatePair) {
    double la = 9, lb = 9, lc = 9;
    Nulldarstellung3(punkt(1, 0, 0), punkt(0, 1, 0), punkt(1, 1, 0), la, lb, lc);
    EXPECT_EQ(la, 1);
    EXPECT_EQ(lb, 1);
    EXPECT_EQ(lc, -1);

    // The x,y minor of a and b is zero: the pair y,z is used.
    Nulldarstellung3(punkt(0, 1, 0), punkt(0, 0, 1), punkt(0, 2, 3), la, lb, lc);
    EXPECT_EQ(la, 2);
    EXPECT_EQ(lb, 3);
    EXPECT_EQ(lc, -1);

    // x,y and y,z minors zero: the pair x,z.
    Nulldarstellung3(punkt(1, 0, 0), punkt(0, 0, 1), punkt(2, 0, 5), la, lb, lc);
    EXPECT_EQ(la, 2);
    EXPECT_EQ(lb, 5);
    EXPECT_EQ(lc, -1);
}

TEST(Nulldarstellung3, TwoParallelVectorsGiveOneZeroCoefficient) {
    double la = 9, lb = 9, lc = 9;
    Nulldarstellung3(punkt(1, 2, 3), punkt(2, 4, 6), punkt(0, 0, 1), la, lb, lc);
    EXPECT_EQ(la, -2);
    EXPECT_EQ(lb, 1);
    EXPECT_EQ(lc, 0);

    Nulldarstellung3(punkt(1, 0, 0), punkt(0, 1, 0), punkt(-3, 0, 0), la, lb, lc);
    EXPECT_EQ(la, 3);
    EXPECT_EQ(lb, 0);
    EXPECT_EQ(lc, 1);

    Nulldarstellung3(punkt(1, 0, 0), punkt(0, 1, 1), punkt(0, 2, 2), la, lb, lc);
    EXPECT_EQ(la, 0);
    EXPECT_EQ(lb, -2);
    EXPECT_EQ(lc, 1);

    // A zero vector among them is the one with a non-zero coefficient.
    Nulldarstellung3(punkt(1, 2, 3), punkt(0, 0, 0), punkt(0, 1, 0), la, lb, lc);
    EXPECT_EQ(la, 0);
    EXPECT_EQ(lb, 1);
    EXPECT_EQ(lc, 0);
}

TEST(Nulldarstellung3, ShortVectorsStillGetANonTrivialRepresentation) {
    // Every minor is 1e-10 or 0 and would snap to 0.
    const TPunkt a = punkt(1e-5, 0, 0), b = punkt(0, 1e-5, 0), c = punkt(1e-5, 1e-5, 0);
    double la = 0, lb = 0, lc = 0;
    Nulldarstellung3(a, b, c, la, lb, lc);
    EXPECT_GT(la, 0);
    EXPECT_DOUBLE_EQ(lb, la);
    EXPECT_DOUBLE_EQ(lc, -la);
}

TEST(Nulldarstellung4, GeneralCaseAndDependentSubset) {
    double la = 9, lb = 9, lc = 9, ld = 9;
    const TPunkt a = punkt(1, 0, 0), b = punkt(0, 1, 0), c = punkt(1, 1, 1), d = punkt(0, 0, 1);
    Nulldarstellung4(a, b, c, d, la, lb, lc, ld);
    EXPECT_EQ(la, 1);
    EXPECT_EQ(lb, 1);
    EXPECT_EQ(lc, -1);
    EXPECT_EQ(ld, 1);
    TPunkt o = kombination({{la, a}, {lb, b}, {lc, c}, {ld, d}});
    EXPECT_TRUE(IstNullvektor(o));

    // a, b, d lie in one plane: c gets 0 and the three-vector representation of a, b, d is used.
    Nulldarstellung4(punkt(1, 0, 0), punkt(0, 1, 0), punkt(0, 0, 1), punkt(1, 1, 0), la, lb, lc,
                     ld);
    EXPECT_EQ(la, 1);
    EXPECT_EQ(lb, 1);
    EXPECT_EQ(lc, 0);
    EXPECT_EQ(ld, -1);
}

TEST(ScalarProductProjections, SignedProjectionsWithNamesAndColours) {
    TPunkt qp, pq;
    scalarProductProjections(punkt(1, 0, 0, 0x11, "p"), punkt(0, 1, 0, 0x22, "q"), qp, pq);
    EXPECT_TRUE(IstNullvektor(qp));
    EXPECT_TRUE(IstNullvektor(pq));
    EXPECT_EQ(qp.Name, "q->p");
    EXPECT_EQ(qp.Farbe, 0x22u);
    EXPECT_EQ(pq.Name, "p->q");
    EXPECT_EQ(pq.Farbe, 0x11u);

    // Acute: p·q = 2, |p|² = 4, |q|² = 2.
    scalarProductProjections(punkt(2, 0, 0), punkt(1, 1, 0), qp, pq);
    EXPECT_DOUBLE_EQ(qp.x, 1);
    EXPECT_DOUBLE_EQ(qp.y, 0);
    EXPECT_DOUBLE_EQ(pq.x, 1);
    EXPECT_DOUBLE_EQ(pq.y, 1);

    // Obtuse: p·q = −2, the projections point against p and q.
    scalarProductProjections(punkt(1, 0, 0), punkt(-2, 1, 0), qp, pq);
    EXPECT_DOUBLE_EQ(qp.x, -2);
    EXPECT_DOUBLE_EQ(qp.y, 0);
    EXPECT_DOUBLE_EQ(pq.x, 0.8);
    EXPECT_DOUBLE_EQ(pq.y, -0.4);
    EXPECT_FALSE(std::signbit(pq.z)); // printed as 0, not -0

    EXPECT_THROW(scalarProductProjections(punkt(0, 0, 0), punkt(1, 0, 0), qp, pq), MathError);
    EXPECT_THROW(scalarProductProjections(punkt(1, 0, 0), punkt(0, 0, 0), qp, pq), MathError);
}
