#pragma once
// The one conversion of a text typed into a dialog into a real. Every dialog field, the headless
// runner and the tests go through here, so "1,5" means the same everywhere.
#include <string_view>

// Reads a decimal number: blanks (spaces, tabs) around it, an optional sign, digits with an
// optional fraction after a point and an optional exponent ("-2.5", " 3 ", "1e3", ".5", "5.").
// The point is the only decimal separator, whatever the locale. Empty text, "1,5", "nan", "inf",
// hexadecimal numbers and numbers beyond the double range throw ConversionError with the message
// "'<text>' ist kein gültiger Gleitkommawert."; numbers too small for a double become 0.
double parseNumber(std::string_view text);
