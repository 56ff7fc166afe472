#include "core/errors.h"
#include "core/number_text.h"

#include <cmath>
#include <gtest/gtest.h>
#include <utility>

TEST(ZahlText, RoundsTrimsAndKeepsSigns) {
    const std::pair<double, const char*> faelle[] = {{0.0006, "0.001"},
                                                     {-0.0004, "-0"},
                                                     {10, "10"},
                                                     {100.1, "100.1"},
                                                     {-7.25, "-7.25"},
                                                     {2.5, "2.5"},
                                                     {0, "0"},
                                                     {-0.0, "-0"},
                                                     {1234567.8912, "1234567.891"},
                                                     {-2.5e40, "-2.5E+40"}};
    for (auto [x, text] : faelle) EXPECT_EQ(ZahlText(x), text) << x;
}

TEST(Zahl9_3, PadsToNineNeverCutsAndRoundsExactTiesAwayFromZero) {
    // 0.0625 and its kin lie exactly halfway between two thousandths; 0.0005 and 0.125 are no
    // ties, their binary values lie on one side.
    const std::pair<double, const char*> faelle[] = {
        {-0.0004, "   -0.000"}, {123456789.5, "123456789.500"},
        {45, "   45.000"},      {0.0625, "    0.063"},
        {-0.0625, "   -0.063"}, {0.3125, "    0.313"},
        {2.5625, "    2.563"},  {0.1875, "    0.188"},
        {0.0005, "    0.001"},  {0.125, "    0.125"},
        {1e36, "1.000E+36"}};
    for (auto [x, text] : faelle) EXPECT_EQ(Zahl9_3(x), text) << x;
    EXPECT_EQ(ZahlText(1.0625), "1.063");
    EXPECT_EQ(ZahlText(-0.0005), "-0.001");
    EXPECT_EQ(ZahlText(1e35).size(), 35u); // fixed point below 1e36 (the double is just under 1e35)
    EXPECT_THROW(Zahl9_3(std::nan("")), MathError);
    EXPECT_THROW(ZahlText(HUGE_VAL), MathError);
}

TEST(SpaltenText, PadsEachTextToTheLongest) {
    TSpaltenText t = SpaltenText(punkt(1, -12.5, 100));
    EXPECT_EQ(t.x + "|" + t.y + "|" + t.z, "    1|-12.5|  100");
    // Longer than twelve characters: still padded fully.
    t = SpaltenText(punkt(123456789012.5, 0, -0.0));
    EXPECT_EQ(t.x + "|" + t.y + "|" + t.z, "123456789012.5|             0|            -0");
}
