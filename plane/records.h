#pragma once
// The records of plane geometry: the named, coloured point of the plane and the line by support
// point and direction, with the small vector operations that every plane task uses. Plain C++;
// the scene stores them, so this header depends on nothing above the palette.
#include "core/palette.h"
#include "core/tolerance.h"

#include <cmath>
#include <string>

// A point or vector of the plane. A direction uses only x and y; operations that produce a point
// write x and y and keep the record's Farbe and Name.
struct TPunkt2 {
    double x = 0, y = 0;
    TFarbe Farbe = 0;
    std::string Name;
};

// A line by support point and direction. The support point carries the line's colour and name
// when it was copied from a named point.
struct TGerade2 {
    TPunkt2 Stuetz;
    TPunkt2 Richtung;
};

// A line by its equation u·x + v·y = w; v = 0 is parallel to the y axis (x = w/u).
struct TGeradeGl2 {
    double u = 0, v = 0, w = 0;
    TFarbe Farbe = 0;
    std::string Name;
};

inline TPunkt2 punkt2(double x, double y, TFarbe farbe = 0, std::string name = {}) {
    return TPunkt2{x, y, farbe, std::move(name)};
}

namespace plane {

// Results carry the first operand's name and colour; only x and y are computed.
inline TPunkt2 with(TPunkt2 p, double x, double y) {
    p.x = x;
    p.y = y;
    return p;
}
inline TPunkt2 sum(const TPunkt2& p, const TPunkt2& q) {
    return with(p, p.x + q.x, p.y + q.y);
}
inline TPunkt2 difference(const TPunkt2& p, const TPunkt2& q) {
    return with(p, p.x - q.x, p.y - q.y);
}
inline TPunkt2 midpoint(const TPunkt2& p, const TPunkt2& q) {
    return with(p, (p.x + q.x) / 2, (p.y + q.y) / 2);
}
inline TPunkt2 scaled(const TPunkt2& v, double k) {
    return with(v, k * v.x, k * v.y);
}
inline double length(const TPunkt2& v) {
    return std::hypot(v.x, v.y);
}
inline double distance(const TPunkt2& p, const TPunkt2& q) {
    return std::hypot(p.x - q.x, p.y - q.y);
}
inline double dot(const TPunkt2& u, const TPunkt2& v) {
    return u.x * v.x + u.y * v.y;
}
inline double cross(const TPunkt2& u, const TPunkt2& v) {
    return u.x * v.y - u.y * v.x;
}

// A vector perpendicular to v: (1, −v.x/v.y) when v.x is zero, else (−v.y/v.x, 1). A v.x that
// is zero relative to v's length counts as zero, so the result never overflows; the zero vector
// has no normal and gives the zero vector (nothing divides by zero).
inline TPunkt2 normal(const TPunkt2& v) {
    const double len = length(v);
    if (len == 0) return with(v, 0, 0);
    if (tolerance::isZero(v.x, len)) return with(v, 1, -v.x / v.y);
    return with(v, -v.y / v.x, 1);
}

// The line through p towards q: support = a whole copy of p, direction = q − p.
inline TGerade2 lineThrough(const TPunkt2& p, const TPunkt2& q) {
    return {p, difference(q, p)};
}
// The perpendicular bisector of p and q.
inline TGerade2 bisectorOfSegment(const TPunkt2& p, const TPunkt2& q) {
    return {midpoint(p, q), normal(difference(p, q))};
}
// The line through r perpendicular to pq.
inline TGerade2 altitude(const TPunkt2& p, const TPunkt2& q, const TPunkt2& r) {
    return {r, normal(difference(p, q))};
}

} // namespace plane
