#include "core/errors.h"
#include "core/relations.h"

#include <cmath>
#include <gtest/gtest.h>

TEST(Dreiecksflaeche, HalfBaseTimesHeight) {
    EXPECT_DOUBLE_EQ(Dreiecksflaeche(punkt(0, 0, 0), punkt(4, 0, 0), punkt(0, 3, 0)), 6);
    EXPECT_DOUBLE_EQ(Dreiecksflaeche(punkt(1, 1, 1), punkt(1, 1, 3), punkt(1, 4, 7)), 3);
    EXPECT_EQ(Dreiecksflaeche(punkt(0, 0, 0), punkt(1, 1, 1), punkt(2, 2, 2)), 0); // collinear
    // A = B: the line AB has no direction.
    EXPECT_THROW(Dreiecksflaeche(punkt(1, 1, 1), punkt(1, 1, 1), punkt(0, 0, 0)), MathError);
}

TEST(Parallelogrammflaeche, SineOfTheAngleInRadians) {
    // |a|·|b|·sin 45° = 2·√2·√2/2 = 2 (the sine of 45 radians would give 2.4).
    EXPECT_NEAR(Parallelogrammflaeche(punkt(2, 0, 0), punkt(1, 1, 0)), 2, 1e-12);
    EXPECT_NEAR(Parallelogrammflaeche(punkt(3, 0, 0), punkt(0, 0, 4)), 12, 1e-12);
    EXPECT_NEAR(Parallelogrammflaeche(punkt(1, 2, 3), punkt(-2, -4, -6)), 0, 1e-12);
    EXPECT_THROW(Parallelogrammflaeche(punkt(0, 0, 0), punkt(1, 0, 0)), MathError);
}

TEST(Tetraedervolumen, AreaTimesHeightOverThree) {
    EXPECT_NEAR(Tetraedervolumen(punkt(0, 0, 0), punkt(1, 0, 0), punkt(0, 1, 0), punkt(0, 0, 1)),
                1.0 / 6, 1e-15);
    EXPECT_NEAR(Tetraedervolumen(punkt(0, 0, 0), punkt(3, 0, 0), punkt(0, 2, 0), punkt(5, 5, -4)),
                4, 1e-12);
    EXPECT_NEAR(Tetraedervolumen(punkt(0, 0, 0), punkt(1, 0, 0), punkt(0, 1, 0), punkt(3, 3, 0)), 0,
                1e-15);
    // A, B, C on one line: no plane.
    EXPECT_THROW(Tetraedervolumen(punkt(0, 0, 0), punkt(1, 1, 1), punkt(2, 2, 2), punkt(0, 0, 1)),
                 MathError);
}
