#include "core/errors.h"
#include "core/number_text.h"

#include <cmath>

#include <gtest/gtest.h>

TEST(ZahlText, RoundsTrimsAndKeepsSigns) {
    EXPECT_EQ(ZahlText(0.0006), "0.001");
    EXPECT_EQ(ZahlText(-0.0004), "-0");
    EXPECT_EQ(ZahlText(10), "10");
    EXPECT_EQ(ZahlText(100.1), "100.1");
    EXPECT_EQ(ZahlText(-7.25), "-7.25");
    EXPECT_EQ(ZahlText(2.5), "2.5");
    EXPECT_EQ(ZahlText(0), "0");
    EXPECT_EQ(ZahlText(-0.0), "-0");
    EXPECT_EQ(ZahlText(1234567.8912), "1234567.891");
}

TEST(Zahl9_3, PadsToNineAndNeverCuts) {
    EXPECT_EQ(Zahl9_3(-0.0004), "   -0.000");
    EXPECT_EQ(Zahl9_3(123456789.5), "123456789.500");
    EXPECT_EQ(Zahl9_3(45), "   45.000");
}

TEST(Zahl9_3, ExactTiesRoundAwayFromZero) {
    // 0.0625 and its kin lie exactly halfway between two thousandths.
    EXPECT_EQ(Zahl9_3(0.0625), "    0.063");
    EXPECT_EQ(Zahl9_3(-0.0625), "   -0.063");
    EXPECT_EQ(Zahl9_3(0.3125), "    0.313");
    EXPECT_EQ(Zahl9_3(2.5625), "    2.563");
    EXPECT_EQ(Zahl9_3(0.1875), "    0.188");
    EXPECT_EQ(ZahlText(1.0625), "1.063");
    // Not ties: the binary values lie on one side.
    EXPECT_EQ(Zahl9_3(0.0005), "    0.001");
    EXPECT_EQ(Zahl9_3(0.125), "    0.125");
    EXPECT_EQ(ZahlText(-0.0005), "-0.001");
}

TEST(Zahl9_3, HugeValuesInExponentFormAndNoNaN) {
    EXPECT_EQ(Zahl9_3(1e36), "1.000E+36");
    EXPECT_EQ(ZahlText(-2.5e40), "-2.5E+40");
    EXPECT_EQ(ZahlText(1e35).size(), 35u); // fixed point below 1e36 (the double is just under 1e35)
    EXPECT_THROW(Zahl9_3(std::nan("")), MathError);
    EXPECT_THROW(ZahlText(HUGE_VAL), MathError);
}

TEST(SpaltenText, PadsEachTextToTheLongest) {
    TSpaltenText t = SpaltenText(punkt(1, -12.5, 100));
    EXPECT_EQ(t.x, "    1");
    EXPECT_EQ(t.y, "-12.5");
    EXPECT_EQ(t.z, "  100");
    // Longer than twelve characters: still padded fully.
    t = SpaltenText(punkt(123456789012.5, 0, -0.0));
    EXPECT_EQ(t.x, "123456789012.5");
    EXPECT_EQ(t.y, "             0");
    EXPECT_EQ(t.z, "            -0");
}
