// Measures of figures: triangle area, parallelogram area, tetrahedron volume.
#include "core/checked.h"
#include "core/relations.h"
#include "core/tolerance.h"

#include <cmath>

double Dreiecksflaeche(const TPunkt& A, const TPunkt& B, const TPunkt& C) {
    TGerade ab;
    Gerade_durch_2_Punkte(A, B, ab);
    return endlich(0.5 * Laenge_gerundet(differenz(B, A)) * Abstand_Punkt_Gerade(C, ab));
}

double Parallelogrammflaeche(const TPunkt& a, const TPunkt& b) {
    // Winkel answers in degrees; the sine wants radians.
    const double w = Winkel(a, b) * PI / 180;
    return endlich(Laenge_gerundet(a) * Laenge_gerundet(b) * std::sin(w));
}

double Tetraedervolumen(const TPunkt& A, const TPunkt& B, const TPunkt& C, const TPunkt& D) {
    TEbene e;
    Ebene_durch_3_Punkte(A, B, C, e);
    TEbeneNorm n;
    Parameter_zu_Normalenform(e, n);
    return endlich(Dreiecksflaeche(A, B, C) * Abstand_Punkt_Ebene(D, n) / 3);
}

bool collinear(const TPunkt& A, const TPunkt& B, const TPunkt& C) {
    // B − A and C − A are parallel (or one of them is zero): the cross product of the two, each
    // divided by its size so that tiny coordinates cannot underflow, vanishes.
    TPunkt u = differenz(B, A), v = differenz(C, A);
    const double su = tolerance::size(u), sv = tolerance::size(v);
    if (su == 0 || sv == 0) return true; // two of the points are the same point
    u = punkt(u.x / su, u.y / su, u.z / su);
    v = punkt(v.x / sv, v.y / sv, v.z / sv);
    return tolerance::isZeroVector(kreuzprodukt(u, v), 1);
}
