#include "core/division_ratio.h"
#include "core/errors.h"

#include <cmath>
#include <gtest/gtest.h>

TEST(DivisionRatio, SignedRatioAndFourthHarmonicPoint) {
    const TPunkt A = punkt(0, 0, 0), B = punkt(2, 0, 0);
    EXPECT_DOUBLE_EQ(divisionRatio(A, B, punkt(3, 0, 0)), 3);
    EXPECT_DOUBLE_EQ(signedDivisionRatio(A, B, punkt(0.5, 0, 0)), 1.0 / 3);
    EXPECT_DOUBLE_EQ(signedDivisionRatio(A, B, punkt(3, 0, 0)), -3);        // beyond B
    EXPECT_DOUBLE_EQ(signedDivisionRatio(A, B, punkt(-1, 0, 0)), -1.0 / 3); // beyond A
    EXPECT_FALSE(std::signbit(signedDivisionRatio(A, B, A)));               // 0, not -0

    // Inner T at 1 : 3 → T´ = −1; outer T (3 : 1 beyond B) → inner T´ = 1.5, not T itself.
    const double T[] = {0.5, 3, -1}, Tstrich[] = {-1, 1.5, 0.5};
    for (int i = 0; i < 3; ++i) {
        TPunkt h;
        fourthHarmonicPoint(A, B, punkt(T[i], 0, 0, 0x33), h);
        EXPECT_NEAR(h.x, Tstrich[i], 1e-12) << T[i];
        EXPECT_EQ(h.Name, "T\u00B4");
        EXPECT_EQ(h.Farbe, 0x33u);
    }
    // Off the axes: T = A + 3(B − A)/4 gives T´ = A + 3(B − A)/2 = (4, 7, 10).
    TPunkt h;
    fourthHarmonicPoint(punkt(1, 1, 1), punkt(3, 5, 7), punkt(2.5, 4, 5.5), h);
    EXPECT_NEAR(h.y, 7, 1e-12);
    EXPECT_NEAR(h.z, 10, 1e-12);
    // The midpoint has no fourth harmonic point; T = B has no ratio.
    EXPECT_THROW(fourthHarmonicPoint(A, B, punkt(1, 0, 0), h), MathError);
    EXPECT_THROW(fourthHarmonicPoint(A, B, B, h), MathError);
}
