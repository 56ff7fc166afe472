#include "core/number_input.h"

#include "core/errors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

// The message of the conversion error for text, or "" when the text converts.
std::string errorOf(const std::string& text) {
    try {
        parseNumber(text);
    } catch (const ConversionError& e) {
        return e.what();
    }
    return "";
}

} // namespace

TEST(NumberInput, ReadsDecimalNumbersWithSignExponentAndBlanks) {
    EXPECT_EQ(parseNumber("+2.5"), 2.5);
    EXPECT_EQ(parseNumber(" 3 "), 3.0);
    EXPECT_EQ(parseNumber("\t-7.25  "), -7.25);
    EXPECT_EQ(parseNumber("1e3"), 1000.0);
    EXPECT_EQ(parseNumber("2.5E-1"), 0.25);
    EXPECT_EQ(parseNumber("-1.5e+2"), -150.0);
    EXPECT_EQ(parseNumber(".5"), 0.5);
    EXPECT_EQ(parseNumber("5."), 5.0);
    EXPECT_EQ(parseNumber("007"), 7.0);
    EXPECT_EQ(parseNumber("0.1"), 0.1);
    double minusZero = parseNumber("-0");
    EXPECT_EQ(minusZero, 0.0);
    EXPECT_TRUE(std::signbit(minusZero));
    EXPECT_EQ(parseNumber("1.7976931348623157e308"), 1.7976931348623157e308);
    // Too small for a double: zero, with its sign.
    EXPECT_EQ(parseNumber("1e-400"), 0.0);
    EXPECT_TRUE(std::signbit(parseNumber("-1e-400")));
}

TEST(NumberInput, RejectsWhatIsNotADecimalNumberAndNamesTheText) {
    EXPECT_EQ(errorOf("1,5"), "'1,5' ist kein gültiger Gleitkommawert.");
    EXPECT_EQ(errorOf(""), "'' ist kein gültiger Gleitkommawert.");
    EXPECT_EQ(errorOf("  "), "'  ' ist kein gültiger Gleitkommawert.");
    EXPECT_EQ(errorOf("nan"), "'nan' ist kein gültiger Gleitkommawert.");
    EXPECT_EQ(errorOf("inf"), "'inf' ist kein gültiger Gleitkommawert.");
    EXPECT_EQ(errorOf("-infinity"), "'-infinity' ist kein gültiger Gleitkommawert.");
    EXPECT_EQ(errorOf("0x10"), "'0x10' ist kein gültiger Gleitkommawert.");
    EXPECT_EQ(errorOf("1e400"), "'1e400' ist kein gültiger Gleitkommawert.");
    EXPECT_EQ(errorOf("-1e400"), "'-1e400' ist kein gültiger Gleitkommawert.");
    EXPECT_EQ(errorOf("1e99999999999999999999"),
              "'1e99999999999999999999' ist kein gültiger Gleitkommawert.");
    for (const char* bad : {"+", "-", ".", "e3", "1e", "1e+", "--1", "+-1", "1 2", "1.2.3", "1x",
                            "2,", "1d3", "٣", "1\n"})
        EXPECT_NE(errorOf(bad), "") << bad;
}
