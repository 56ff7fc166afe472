#pragma once
// Conversion of every real that reaches the result sheet into text.
#include "core/vector.h"

#include <string>

// Fixed point, three decimals, right-aligned in nine characters (longer numbers are not cut).
// Negative values keep their minus sign also when they round to zero ("-0.000").
// Throws MathError for NaN and infinity.
std::string Zahl9_3(double x);

// Zahl9_3 without blanks, and without trailing zeros and a trailing point: 2.5, 3, -0.125, -0.
std::string ZahlText(double x);

// Zahl9_3 with leading and trailing blanks removed (three decimals kept): 45.000.
std::string Zahl9_3_getrimmt(double x);

// The three ZahlText texts of a vector, each padded on the left to the longest.
struct TSpaltenText {
    std::string x, y, z;
};
TSpaltenText SpaltenText(const TPunkt& v);
