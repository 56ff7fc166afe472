#include "core/dependence.h"
#include "core/errors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {
using V = std::vector<double>;
V drei(TPunkt a, TPunkt b, TPunkt c) {
    V l(3, 9.0);
    Nulldarstellung3(a, b, c, l[0], l[1], l[2]);
    return l;
}
} // namespace

TEST(Nulldarstellung2, ParallelVectorsAndZeroVectors) {
    double la = 9, lb = 9;
    Nulldarstellung2(punkt(2, 4, 6), punkt(1, 2, 3), la, lb);
    EXPECT_EQ(la, -0.5);
    EXPECT_EQ(lb, 1);
    Nulldarstellung2(punkt(0, 2, 0), punkt(0, -3, 0), la, lb); // x components zero
    EXPECT_EQ(la, 1.5);
    Nulldarstellung2(punkt(1, 2, 3), punkt(0, 0, 0), la, lb); // 0·a + 1·b = o
    EXPECT_EQ(la, 0);
    EXPECT_EQ(lb, 1);
    Nulldarstellung2(punkt(0, 0, 0), punkt(0, 0, 0), la, lb); // 1·a + 0·b = o
    EXPECT_EQ(la, 1);
    EXPECT_EQ(lb, 0);
}

TEST(Nulldarstellung3, CoordinatePairsAndParallelPairs) {
    EXPECT_EQ(drei(punkt(1, 0, 0), punkt(0, 1, 0), punkt(1, 1, 0)), (V{1, 1, -1}));
    EXPECT_EQ(drei(punkt(0, 1, 0), punkt(0, 0, 1), punkt(0, 2, 3)), (V{2, 3, -1})); // pair y, z
    EXPECT_EQ(drei(punkt(1, 0, 0), punkt(0, 0, 1), punkt(2, 0, 5)), (V{2, 5, -1})); // pair x, z
    // Two parallel vectors: the third gets 0; a zero vector is the one with a coefficient.
    EXPECT_EQ(drei(punkt(1, 2, 3), punkt(2, 4, 6), punkt(0, 0, 1)), (V{-2, 1, 0}));
    EXPECT_EQ(drei(punkt(1, 0, 0), punkt(0, 1, 0), punkt(-3, 0, 0)), (V{3, 0, 1}));
    EXPECT_EQ(drei(punkt(1, 0, 0), punkt(0, 1, 1), punkt(0, 2, 2)), (V{0, -2, 1}));
    EXPECT_EQ(drei(punkt(1, 2, 3), punkt(0, 0, 0), punkt(0, 1, 0)), (V{0, 1, 0}));
    // Short vectors: every minor (1e-10) snaps to 0, yet the representation stays non-trivial.
    const V k = drei(punkt(1e-5, 0, 0), punkt(0, 1e-5, 0), punkt(1e-5, 1e-5, 0));
    EXPECT_GT(k[0], 0);
    EXPECT_DOUBLE_EQ(k[1], k[0]);
    EXPECT_DOUBLE_EQ(k[2], -k[0]);
}

TEST(Nulldarstellung4, GeneralCaseAndDependentSubset) {
    double la, lb, lc, ld;
    Nulldarstellung4(punkt(1, 0, 0), punkt(0, 1, 0), punkt(1, 1, 1), punkt(0, 0, 1), la, lb, lc,
                     ld);
    EXPECT_EQ((V{la, lb, lc, ld}), (V{1, 1, -1, 1}));
    // a, b, d coplanar: c gets 0.
    Nulldarstellung4(punkt(1, 0, 0), punkt(0, 1, 0), punkt(0, 0, 1), punkt(1, 1, 0), la, lb, lc,
                     ld);
    EXPECT_EQ((V{la, lb, lc, ld}), (V{1, 1, 0, -1}));
}

TEST(ScalarProductProjections, SignedProjectionsWithNamesAndColours) {
    TPunkt qp, pq;
    scalarProductProjections(punkt(1, 0, 0, 0x11), punkt(0, 1, 0, 0x22), qp, pq);
    EXPECT_TRUE(IstNullvektor(qp) && IstNullvektor(pq));
    EXPECT_EQ(qp.Name + pq.Name, "q->pp->q");
    EXPECT_EQ(qp.Farbe, 0x22u);
    EXPECT_EQ(pq.Farbe, 0x11u);
    // Obtuse: p·q = −2, |p|² = 1, |q|² = 5; the projections point against p and q.
    scalarProductProjections(punkt(1, 0, 0), punkt(-2, 1, 0), qp, pq);
    EXPECT_DOUBLE_EQ(qp.x, -2);
    EXPECT_DOUBLE_EQ(pq.x, 0.8);
    EXPECT_DOUBLE_EQ(pq.y, -0.4);
    EXPECT_FALSE(std::signbit(qp.y) || std::signbit(pq.z)); // printed as 0, not -0
    EXPECT_THROW(scalarProductProjections(punkt(0, 0, 0), punkt(1, 0, 0), qp, pq), MathError);
}
