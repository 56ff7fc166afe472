#pragma once
// The division of a segment AB by a point T of its line, and the fourth harmonic point. Shared by
// the division-ratio report and the drawing, so both show the same point.
#include "core/vector.h"

// tau = |AT| / |TB|, a ratio of lengths (never negative). Throws MathError when T = B.
double divisionRatio(const TPunkt& A, const TPunkt& B, const TPunkt& T);

// The signed ratio λ with T − A = λ·(B − T) for T on the line AB: +tau when T lies between A and
// B (or on A), −tau when T lies outside the segment. Throws MathError when T = B.
double signedDivisionRatio(const TPunkt& A, const TPunkt& B, const TPunkt& T);

// True when |AT| = |TB| up to rounding (tau = 1; for T on the line AB, the midpoint): then there is
// no fourth harmonic point.
bool divisionRatioIsOne(const TPunkt& A, const TPunkt& B, const TPunkt& T);

// The fourth harmonic point T´ = (A − λ·B)/(1 − λ) with the signed ratio λ: it divides AB in the
// same ratio of lengths as T, on the other side (outside when T is inside, and vice versa). Named
// "T´" with the colour of T. Throws MathError when T = B or when T is the midpoint
// (divisionRatioIsOne; the point lies at infinity).
void fourthHarmonicPoint(const TPunkt& A, const TPunkt& B, const TPunkt& T, TPunkt& erg);
