#pragma once
// Lines, planes and spheres in the forms the user enters and the sheet prints, the conversions
// between the forms, the constructions from points and the input tests.
//
// All records are plain values. Operations write into caller-supplied records; where a result
// does not exist (a flag is cleared), the record keeps what it held before.
#include "core/vector.h"

#include <string>

// Line x = p + r·u.
struct TGerade {
    TPunkt Stuetz;   // support point p
    TPunkt Richtung; // direction u
    TFarbe Farbe = 0;
    std::string Name; // "g:", "l:", "s:", "s12:", "f:" ...
};

// Plane x = p + r·u + s·v.
struct TEbene {
    TPunkt Stuetz;
    TPunkt Richtung1;
    TPunkt Richtung2;
    TFarbe Farbe = 0;
    std::string Name;
};

// Plane n·x = d.
struct TEbeneNorm {
    TPunkt Normale;
    double d = 0;
    TFarbe Farbe = 0;
    std::string Name;
};

// Sphere (x − m)² = r².
struct TKugel {
    TPunkt M; // centre, named "M"
    double r = 0;
    std::string Name; // default "K: "
    TFarbe Farbe = 0;
};

// Sphere x² − a·x − c = 0.
struct TKugelV {
    TPunkt a; // twice the centre
    double c = 0;
    std::string Name;
    TFarbe Farbe = 0;
};

void Gerade_durch_2_Punkte(const TPunkt& A, const TPunkt& B, TGerade& g);
void Punkt_auf_Gerade(const TGerade& g, double t, TPunkt& erg); // named "S", line colour
void Ebene_durch_3_Punkte(const TPunkt& A, const TPunkt& B, const TPunkt& C, TEbene& E);
void Punkt_auf_Ebene(const TEbene& E, double r, double s, TPunkt& erg);
void Parameter_zu_Normalenform(const TEbene& E, TEbeneNorm& N);
void Normalen_zu_Parameterform(const TEbeneNorm& N, TEbene& E);
void Hesse_Normalform(const TEbeneNorm& N, TEbeneNorm& H); // MathError for a zero normal
void Kugel_M_zu_V(const TKugel& K, TKugelV& V);
void Kugel_V_zu_M(const TKugelV& V, TKugel& K); // MathError for a negative radicand
void Kugel_durch_4_Punkte(const TPunkt& A, const TPunkt& B, const TPunkt& C, const TPunkt& D,
                          bool& geloest, TKugel& K);
void Tangentialebene(const TKugel& K, const TPunkt& P, TEbeneNorm& T);

bool IstGerade(const TGerade& g);
bool IstEbeneNorm(const TEbeneNorm& E);
bool IstEbenePar(const TEbene& E);
bool IstKugel(const TKugel& K);
bool IstKugelV(const TKugelV& V);
