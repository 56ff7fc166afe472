#pragma once
// The analysis of an affine map: fixed points, eigenvalues and eigen directions, fixed lines,
// the type of the map (fifteen kinds), its normal form, the invariant right-angle pair, and the
// stretch factor and rotation angle of the maps without a real eigenvalue. Plain C++.
#include "affine/map.h"

#include <string>
#include <vector>

namespace affine {

// Rounds to four decimals: round(x·10000)/10000.
double gerundet(double x);

// The fixed points: none, one (F), a line of fixed points (F is one of its points), or all.
enum class Fixart { keiner = 0, einer = 1, gerade = 2, alle = 4 };
struct Fixpunkte {
    Fixart art = Fixart::keiner;
    TPunkt2 F;       // the fixed point, or a point of the fixed-point line ("F", red)
    TGerade2 gerade; // the fixed-point line (kind `gerade`)
};
Fixpunkte fixpunkte(const TAbbildung2& m);

// The eigen directions of the linear part.
enum class Eigenfall { keiner, eineRichtung, alleRichtungen, zweiWerte };

// The types of the classification, in the order of its table.
enum class Typ {
    keiner,
    Euler,
    Streckspiegelung,
    Schraegspiegelung,
    Parallelstreckung,
    Schubspiegelung,
    Schubparallelstreckung,
    Scherstreckung,
    Scherung,
    Schubscherung,
    ZentrischeStreckung,
    Punktspiegelung,
    Verschiebung,
    Identitaet,
    Drehung,
    Drehstreckung,
};
// The heading written for the type ("EULER-AFFINITÄT !") and its name ("Euler"); "" for none.
const char* ueberschrift(Typ t);
const char* typname(Typ t);

// The normal form: the map in the coordinates with origin O and axes e1, e2.
struct Normalform {
    bool vorhanden = false;
    double a11 = 0, a21 = 0, a12 = 0, a22 = 0; // the matrix, column by column
    double t1 = 0, t2 = 0;                     // the translation in the new coordinates
    TPunkt2 O;                                 // the new origin "O`"
    TPunkt2 e1, e2;                            // the new axes
};

struct Analyse {
    double D = 0; // snapped det A
    double p = 0, q = 0;
    double Delta = 0; // the rounded discriminant (p/2)² − q
    Fixpunkte fix;
    Eigenfall fall = Eigenfall::keiner;
    double k1 = 0, k2 = 0; // eigenvalues (rounded to four decimals)
    // The eigen directions; a direction that the eigenvector table leaves as (0, 0) is no
    // direction and is marked absent.
    TPunkt2 v1, v2;
    bool v1da = false, v2da = false;
    Typ typ = Typ::keiner;
    std::vector<TGerade2> fixgeraden; // the fixed lines the report writes and the drawing draws
    bool jedeRichtungFix = false;     // Verschiebung: every line along v1 is a fixed line
    double r = 0, phi = 0;            // no real eigenvalue: stretch factor and angle (0..180°)
    Normalform normalform;
};

// The eigenvector of the table for the eigenvalue k; `alle` when every direction is one. False
// when the table yields (0, 0).
bool eigenvektor(const TAbbildung2& m, double k, TPunkt2& v, bool& alle);

// A line along v that the map carries onto itself; false when there is none. `alle` when
// every line along v is one (then g runs through the origin).
bool fixgerade(const TAbbildung2& m, const TPunkt2& v, TGerade2& g, bool& alle);

Analyse analysieren(const TAbbildung2& m);

// The invariant right-angle pair: directions r1 ⟂ r2 whose images under A are perpendicular.
struct Rechtwinkelpaar {
    TPunkt2 r1, r2;
};
Rechtwinkelpaar rechtwinkelpaar(const TAbbildung2& m);

} // namespace affine
