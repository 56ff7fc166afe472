#pragma once
// Builders and comparisons shared by the core tests.
#include "core/relations.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <utility>

// Coordinates within tol (0: exactly equal; −0 counts as 0).
inline testing::AssertionResult bei(const TPunkt& p, double x, double y, double z,
                                    double tol = 1e-12) {
    if (std::fabs(p.x - x) <= tol && std::fabs(p.y - y) <= tol && std::fabs(p.z - z) <= tol)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "(" << p.x << ", " << p.y << ", " << p.z
                                       << ") instead of (" << x << ", " << y << ", " << z << ")";
}
// Coordinates, name and colour of a computed point.
inline testing::AssertionResult bei(const TPunkt& p, double x, double y, double z,
                                    const std::string& name, TFarbe f) {
    if (p.Name != name || p.Farbe != f)
        return testing::AssertionFailure() << "'" << p.Name << "', colour " << p.Farbe
                                           << " instead of '" << name << "', colour " << f;
    return bei(p, x, y, z);
}

// Support point and direction of a line; with name and colour of the line.
inline testing::AssertionResult bei(const TGerade& g, TKoord p, TKoord u) {
    if (auto r = bei(g.Stuetz, p.x, p.y, p.z); !r) return r << " (support point)";
    return bei(g.Richtung, u.x, u.y, u.z) << " (direction)";
}
inline testing::AssertionResult bei(const TGerade& g, TKoord p, TKoord u, const std::string& name,
                                    TFarbe f) {
    if (g.Name != name || g.Farbe != f)
        return testing::AssertionFailure() << "'" << g.Name << "', colour " << g.Farbe
                                           << " instead of '" << name << "', colour " << f;
    return bei(g, p, u);
}
// Normal and right-hand side of a plane.
inline testing::AssertionResult bei(const TEbeneNorm& e, TKoord n, double d) {
    if (std::fabs(e.d - d) > 1e-12)
        return testing::AssertionFailure() << "d = " << e.d << " instead of " << d;
    return bei(e.Normale, n.x, n.y, n.z);
}

inline TGerade gerade(TPunkt p, TPunkt u, TFarbe f = 0) {
    return TGerade{std::move(p), std::move(u), f, "g:"};
}
inline TEbeneNorm ebene(TPunkt n, double d, TFarbe f = 0) {
    return TEbeneNorm{std::move(n), d, f, "E"};
}
inline TKugel kugel(TPunkt m, double r, TFarbe f = 0) {
    return TKugel{std::move(m), r, "K: ", f};
}

// All outputs of Lage_zweier_Geraden; the argument r holds what the records held before.
struct GeradenLage {
    std::string wort, text;
    TPunkt S, L1, L2;
    TGerade l;
};
inline GeradenLage lage2(const TGerade& g, const TGerade& h, GeradenLage r = {}) {
    Lage_zweier_Geraden(g, h, r.wort, r.text, r.S, r.L1, r.L2, r.l);
    return r;
}
