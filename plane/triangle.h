#pragma once
// The triangle in the plane: intersection of two lines, the angle at a vertex, a line's equation
// as text, and everything the triangle task derives from its three vertices. Plain C++.
#include "plane/records.h"

#include <string>

// The point where g and h meet. False, with s unchanged, when they are parallel: their
// directions' determinant is zero relative to the directions' lengths (or a direction is zero).
// Only x and y of s are written.
bool Schnitt2(const TGerade2& g, const TGerade2& h, TPunkt2& s);

// The angle at q between qp and qr, in degrees, 0..180; exactly 90 for perpendicular sides.
// Throws MathError when a side has length zero.
double Winkel2(const TPunkt2& p, const TPunkt2& q, const TPunkt2& r);

// "y = m x + b" (or "y = m x -b" for a negative b), or "x = c" for a vertical line or a line
// without direction (c is the support point's abscissa).
std::string Geradengleichung2(const TGerade2& g);

// The triangle store: what the task derives from A, B, C, for the report and the drawing.
struct TDreieck2Daten {
    // False when the vertices lie on one line (or coincide): then only the side lengths exist,
    // and every other field keeps its default value.
    bool Dreieck = false;
    double a = 0, b = 0, c = 0;            // |BC|, |AC|, |AB|
    double alpha = 0, beta = 0, gamma = 0; // angles at A, B, C in degrees
    TPunkt2 Mc, Ma, Mb;                    // side midpoints of AB, BC, AC
    TPunkt2 S, M, H, W;                    // centroid, circumcentre, orthocentre, incentre
    TGerade2 ga, gb, gc;                   // side lines
    TGerade2 sa, sb, sc;                   // medians
    TGerade2 ma, mb, mc;                   // perpendicular bisectors
    TGerade2 ha, hb, hc;                   // altitudes
    TGerade2 wa, wb, wc;                   // angle bisectors
    TPunkt2 Ha, Hb, Hc;                    // feet of the altitudes
    TPunkt2 Wa, Wb, Wc;                    // feet of the angle bisectors
    TGerade2 e;                            // Euler line; zero direction when H = M
    double r = 0, i = 0;                   // circumradius, inradius
};

// Computes the triangle store from the vertices (named and coloured as the task stores them).
TDreieck2Daten Dreieck2_berechnen(const TPunkt2& A, const TPunkt2& B, const TPunkt2& C);

// The example triangle A(−4/−1), B(4/−1), C(0/4), yellow.
void Dreieck2_Beispiel(TPunkt2 (&ecken)[3]);
