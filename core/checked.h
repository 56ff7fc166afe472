#pragma once
// Arithmetic that refuses to produce NaN, infinity or a wrapped integer. Every place where a
// division, square root or pixel conversion could go wrong goes through one of these helpers.
#include "core/errors.h"

#include <climits>
#include <cmath>

// a / b; throws MathError for b == 0 (also 0/0) and for a quotient beyond the double range.
inline double teile(double a, double b) {
    if (b == 0.0)
        throw MathError(a == 0.0 || std::isnan(a) ? fehlertext::UngueltigeOperation
                                                  : fehlertext::DivisionDurchNull);
    double q = a / b;
    if (std::isnan(q)) throw MathError(fehlertext::UngueltigeOperation);
    if (std::isinf(q)) throw MathError(fehlertext::Gleitkommaueberlauf);
    return q;
}

// Square root; throws MathError for a negative (or NaN) argument.
inline double wurzel(double a) {
    if (!(a >= 0.0)) throw MathError(fehlertext::UngueltigeOperation);
    if (std::isinf(a)) throw MathError(fehlertext::Gleitkommaueberlauf);
    return std::sqrt(a);
}

// Returns x unchanged when it is finite; throws MathError otherwise. Used on results that could
// overflow (products of huge coordinates) before they leave the core.
inline double endlich(double x) {
    if (std::isnan(x)) throw MathError(fehlertext::UngueltigeOperation);
    if (std::isinf(x)) throw MathError(fehlertext::Gleitkommaueberlauf);
    return x;
}

// Truncation toward zero into a 32-bit integer; throws RangeError when x is NaN, infinite or
// outside the int range.
inline int trunc_int(double x) {
    if (!(x > static_cast<double>(INT_MIN) - 1.0 && x < static_cast<double>(INT_MAX) + 1.0))
        throw RangeError(fehlertext::Bereichsfehler);
    return static_cast<int>(x);
}

// Checked 32-bit integer arithmetic; throws OverflowError instead of wrapping.
inline int plus_int(int a, int b) {
    int r;
    if (__builtin_add_overflow(a, b, &r)) throw OverflowError(fehlertext::Integerueberlauf);
    return r;
}
inline int minus_int(int a, int b) {
    int r;
    if (__builtin_sub_overflow(a, b, &r)) throw OverflowError(fehlertext::Integerueberlauf);
    return r;
}
inline int mal_int(int a, int b) {
    int r;
    if (__builtin_mul_overflow(a, b, &r)) throw OverflowError(fehlertext::Integerueberlauf);
    return r;
}
