#include "core/number_text.h"

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
