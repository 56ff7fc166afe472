#include "core/errors.h"
#include "core/number_input.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <utility>

TEST(NumberInput, ReadsDecimalNumbersWithSignExponentAndBlanks) {
    const std::pair<const char*, double> faelle[] = {
        {"+2.5", 2.5}, {" 3 ", 3},       {"\t-7.25  ", -7.25},
        {"1e3", 1000}, {"2.5E-1", 0.25}, {"-1.5e+2", -150},
        {".5", 0.5},   {"5.", 5},        {"007", 7},
        {"-0", 0},     {"0.1", 0.1},     {"1.7976931348623157e308", 1.7976931348623157e308}};
    for (auto [text, x] : faelle) EXPECT_EQ(parseNumber(text), x) << text;
    EXPECT_TRUE(std::signbit(parseNumber("-0")));
    // Too small for a double: zero, with its sign.
    EXPECT_EQ(parseNumber("1e-400"), 0.0);
    EXPECT_TRUE(std::signbit(parseNumber("-1e-400")));
    EXPECT_EQ(parseNumber(std::string(400, '0') + "1e-400"), 0.0); // leading zeros count not
}

TEST(NumberInput, RejectsWhatIsNotADecimalNumberAndNamesTheText) {
    for (std::string bad : {"1,5",       "",     "  ",    "nan",    "inf",
                            "-infinity", "0x10", "1e400", "-1e400", "1e99999999999999999999",
                            "+",         "-",    ".",     "e3",     "1e",
                            "1e+",       "--1",  "+-1",   "1 2",    "1.2.3",
                            "1x",        "2,",   "1d3",   "٣",      "1\n"}) {
        try {
            parseNumber(bad);
            ADD_FAILURE() << bad;
        } catch (const ConversionError& e) {
            EXPECT_EQ(e.what(), "'" + bad + "' ist kein gültiger Gleitkommawert.");
        }
    }
}
