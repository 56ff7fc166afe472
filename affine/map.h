#pragma once
// Affine maps of the plane x' = A·x + b: the map record, images and pre-images of points and
// lines, inverse and composition, and the maps determined by point correspondences. Plain C++.
#include "plane/records.h"

// x' = a11·x + a12·y + b1, y' = a21·x + a22·y + b2; the numbers are kept column by column.
struct TAbbildung2 {
    double a11 = 0, a21 = 0, a12 = 0, a22 = 0, b1 = 0, b2 = 0;
    bool festgelegt = false;
};

namespace affine {

// Number i (0..5) in storage order a11, a21, a12, a22, b1, b2.
double& wert(TAbbildung2& m, int i);
double wert(const TAbbildung2& m, int i);
// The map with these six numbers in storage order, marked as defined.
TAbbildung2 abbildung(double a11, double a21, double a12, double a22, double b1, double b2);
// The largest absolute entry of the matrix: the scale of values computed from it.
double matrixGroesse(const TAbbildung2& m);
// A·v (the linear part only); keeps v's name and colour.
TPunkt2 linear(const TAbbildung2& m, const TPunkt2& v);

} // namespace affine

// The snapped determinant of the matrix (0 and 1 within 1e-8 exactly).
double Determinante(const TAbbildung2& m);

// The image P' = A·P + b, in P's colour, named P.Name + "´".
TPunkt2 Bildpunkt(const TAbbildung2& m, const TPunkt2& P);

// The inverse map; false (inv unchanged) when the snapped determinant is 0.
bool Inverse(const TAbbildung2& m, TAbbildung2& inv);

// Map i after map j (j applied first): matrix Ai·Aj, translation Ai·bj + bi.
TAbbildung2 Verkettung(const TAbbildung2& i, const TAbbildung2& j);

// The point whose image is Pbild, named as Pbild without a trailing "´"; false when the map has
// no inverse.
bool Urbildpunkt(const TAbbildung2& m, const TPunkt2& Pbild, TPunkt2& P);

// Two points of the line u·x + v·y = w ((w/u, 0) and (w/u, 1) for v = 0, otherwise (0, w/v) and
// (1, (w − u)/v)); false when u and v are both zero.
bool ZweiPunkte(const TGeradeGl2& g, TPunkt2& P, TPunkt2& Q);

// Why the image of a line could not be found.
enum class Bildgeradenfehler { keiner, keineGerade, nurEinPunkt };
// The image of g: a mapped point of g and the normal (u, v) times the adjugate of A. A line
// without a direction (u = v = 0) has no image; under a singular map a line may shrink to a
// point (its image then is that point, in `punkt`).
Bildgeradenfehler Bildgerade(const TAbbildung2& m, const TGeradeGl2& g, TGeradeGl2& bild,
                             TPunkt2& punkt);

// |((B.y − C.y)·A.x + (C.y − A.y)·B.x + (A.y − B.y)·C.x)·0.5|
double Dreiecksflaeche(const TPunkt2& A, const TPunkt2& B, const TPunkt2& C);

// True when P, Q, R lie on one line (or two coincide): the area of their triangle is zero
// relative to the product of two side lengths.
bool kollinear(const TPunkt2& P, const TPunkt2& Q, const TPunkt2& R);

// The map sending P[i] to Pbild[i]; false (m unchanged) when the three points are collinear.
bool AbbildungAusDreiPunkten(const TPunkt2 (&P)[3], const TPunkt2 (&Pbild)[3], TAbbildung2& m);
// P → Pbild with F1 and F2 fixed.
bool AbbildungAusFixpunkten(const TPunkt2& P, const TPunkt2& Pbild, const TPunkt2& F1,
                            const TPunkt2& F2, TAbbildung2& m);
// P → Pbild with every point of the line f fixed.
bool AbbildungAusFixpunktgerade(const TPunkt2& P, const TPunkt2& Pbild, const TGeradeGl2& f,
                                TAbbildung2& m);
