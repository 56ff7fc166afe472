#pragma once
// When a computed value counts as zero: relative to the size of the numbers it was computed
// from, never against a fixed threshold. Decimals leave rounding remainders (1.8e-15 where the
// exact result is 0); whole numbers give exact zeros and pass either way.
//
// The plane computations use this helper until the shared one of core/ is in place; it has the
// same meaning (about 1e-9 of the operands' scale) so it can be swapped for it one to one.
#include <cmath>

inline constexpr double relativeZeroTolerance = 1e-9;

// True when |value| is at most 1e-9 of `scale` (the size of the operands the value came from).
// A scale of 0 means the operands were all 0, and then only an exact 0 counts.
inline bool isZeroRelative(double value, double scale) {
    return std::fabs(value) <= relativeZeroTolerance * std::fabs(scale);
}
