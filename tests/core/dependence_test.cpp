#include "core/dependence.h"
#include "core/errors.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace {
using V = std::vector<double>;
V zwei(const TPunkt& a, const TPunkt& b) {
    V l(2, 9.0);
    return Nulldarstellung2(a, b, l[0], l[1]), l;
}
V drei(const TPunkt& a, const TPunkt& b, const TPunkt& c) {
    V l(3, 9.0);
    return Nulldarstellung3(a, b, c, l[0], l[1], l[2]), l;
}
V vier(const TPunkt& a, const TPunkt& b, const TPunkt& c, const TPunkt& d) {
    V l(4, 9.0);
    return Nulldarstellung4(a, b, c, d, l[0], l[1], l[2], l[3]), l;
}
} // namespace

TEST(Nulldarstellung, TwoParallelVectorsAndZeroVectors) {
    EXPECT_EQ(zwei(punkt(2, 4, 6), punkt(1, 2, 3)), (V{-0.5, 1}));
    EXPECT_EQ(zwei(punkt(0, 2, 0), punkt(0, -3, 0)), (V{1.5, 1})); // x components zero
    EXPECT_EQ(zwei(punkt(1, 2, 3), punkt(0, 0, 0)), (V{0, 1}));    // 0·a + 1·b = o
    EXPECT_EQ(zwei(punkt(0, 0, 0), punkt(0, 0, 0)), (V{1, 0}));    // 1·a + 0·b = o
}

TEST(Nulldarstellung, ThreeVectorsByCoordinatePairsAndParallelPairs) {
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
    EXPECT_EQ(k, (V{k[0], k[0], -k[0]}));
    const V yz = drei(punkt(0, 1e-5, 0), punkt(0, 0, 1e-5), punkt(0, 1e-5, 1e-5));
    EXPECT_GT(yz[0], 0);
    EXPECT_EQ(yz, (V{yz[0], yz[0], -yz[0]}));
}

TEST(Nulldarstellung, FourVectorsGeneralCaseAndDependentSubset) {
    EXPECT_EQ(vier(punkt(1, 0, 0), punkt(0, 1, 0), punkt(1, 1, 1), punkt(0, 0, 1)),
              (V{1, 1, -1, 1}));
    // a, b, d coplanar: c gets 0.
    EXPECT_EQ(vier(punkt(1, 0, 0), punkt(0, 1, 0), punkt(0, 0, 1), punkt(1, 1, 0)),
              (V{1, 1, 0, -1}));
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
