#include "core/division_ratio.h"
#include "core/errors.h"

#include <gtest/gtest.h>

namespace {
const TPunkt A = punkt(0, 0, 0, 0, "A");
const TPunkt B = punkt(2, 0, 0, 0, "B");
} // namespace

TEST(DivisionRatio, UnsignedAndSignedRatio) {
    EXPECT_DOUBLE_EQ(divisionRatio(A, B, punkt(0.5, 0, 0)), 1.0 / 3);
    EXPECT_DOUBLE_EQ(signedDivisionRatio(A, B, punkt(0.5, 0, 0)), 1.0 / 3);
    // Outside beyond B: |AT| = 3, |TB| = 1.
    EXPECT_DOUBLE_EQ(divisionRatio(A, B, punkt(3, 0, 0)), 3);
    EXPECT_DOUBLE_EQ(signedDivisionRatio(A, B, punkt(3, 0, 0)), -3);
    // Outside beyond A: |AT| = 1, |TB| = 3.
    EXPECT_DOUBLE_EQ(signedDivisionRatio(A, B, punkt(-1, 0, 0)), -1.0 / 3);
    EXPECT_EQ(signedDivisionRatio(A, B, A), 0);
    EXPECT_THROW(divisionRatio(A, B, B), MathError);
    EXPECT_THROW(signedDivisionRatio(A, B, B), MathError);
}

TEST(DivisionRatio, FourthHarmonicPointInsideAndOutside) {
    TPunkt h;
    fourthHarmonicPoint(A, B, punkt(0.5, 0, 0, 0x33), h);
    EXPECT_NEAR(h.x, -1, 1e-12);
    EXPECT_EQ(h.y, 0);
    EXPECT_EQ(h.z, 0);
    EXPECT_EQ(h.Name, "T\u00B4");
    EXPECT_EQ(h.Farbe, 0x33u);

    // T outside the segment: its harmonic conjugate lies inside, |AT´| : |T´B| = 1.5 : 0.5 = 3.
    fourthHarmonicPoint(A, B, punkt(3, 0, 0), h);
    EXPECT_NEAR(h.x, 1.5, 1e-12);
    fourthHarmonicPoint(A, B, punkt(-1, 0, 0), h);
    EXPECT_NEAR(h.x, 0.5, 1e-12);

    // Off the axes: A(1,1,1), B(3,5,7), T = A + 3(B − A)/4 divides 3 : 1 inside, so T´ lies at
    // A + 3(B − A)/2 = (4, 7, 10).
    fourthHarmonicPoint(punkt(1, 1, 1), punkt(3, 5, 7), punkt(2.5, 4, 5.5), h);
    EXPECT_NEAR(h.x, 4, 1e-12);
    EXPECT_NEAR(h.y, 7, 1e-12);
    EXPECT_NEAR(h.z, 10, 1e-12);

    // The midpoint has no fourth harmonic point; T = B has no ratio at all.
    EXPECT_THROW(fourthHarmonicPoint(A, B, punkt(1, 0, 0), h), MathError);
    EXPECT_THROW(fourthHarmonicPoint(A, B, B, h), MathError);
}
