#pragma once
// Zero and equality of computed values.
//
// Typed whole numbers give exact results, but decimal input (18.9, 2.25) leaves rounding
// remainders such as 1.8e-15 where the exact answer is 0, and a test for exactly 0 then takes the
// wrong branch. Every decision "this computed value is 0" or "these computed values are equal"
// therefore goes through this rule: a value counts as zero when it is at most 1e-9 of the size of
// the numbers it was computed from (its scale). There is no absolute threshold, so a figure and a
// copy of it scaled by any factor are classed alike. A scale of 0 means the value was computed
// from zeros only; then only an exact 0 counts.
//
// The caller names the scale, because only the caller knows what the value was computed from:
// for a difference a − b it is the larger of |a| and |b|, for a 2×2 minor the sum of the two
// products' sizes, for a point computed from others the largest coordinate involved.
//
// The few tolerances that the described behaviour names itself (the parallel tests, the tangent
// line, touching spheres) stay where they are; this rule replaces the exact comparisons.
#include "core/vector.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace tolerance {

inline constexpr double Relative = 1e-9;

// |value| ≤ 1e-9 · |scale|. NaN is never zero.
inline bool isZero(double value, double scale) {
    return std::fabs(value) <= Relative * std::fabs(scale);
}

// a and b differ by at most 1e-9 of the largest of |a|, |b| and |scale|.
inline bool areEqual(double a, double b, double scale = 0) {
    return isZero(a - b, std::max({std::fabs(a), std::fabs(b), std::fabs(scale)}));
}

// value, or an exact 0 when it is zero in the sense of isZero. The zero keeps the sign of value,
// so that an exact −0 stays −0 and is printed as before.
inline double snapped(double value, double scale) {
    return isZero(value, scale) ? std::copysign(0.0, value) : value;
}

// The size of a point or vector: its largest absolute coordinate.
inline double size(const TPunkt& v) {
    return std::max({std::fabs(v.x), std::fabs(v.y), std::fabs(v.z)});
}

// The largest size of the given points: the scale of a point computed linearly from them.
inline double size(std::initializer_list<const TPunkt*> points) {
    double s = 0;
    for (const TPunkt* p : points) s = std::max(s, size(*p));
    return s;
}

// Every coordinate of v is zero relative to scale.
inline bool isZeroVector(const TPunkt& v, double scale) {
    return isZero(size(v), scale);
}

} // namespace tolerance
