#include "core/division_ratio.h"

#include "core/checked.h"
#include "core/tolerance.h"

double divisionRatio(const TPunkt& A, const TPunkt& B, const TPunkt& T) {
    return teile(Abstand(T, A), Abstand(B, T));
}

double signedDivisionRatio(const TPunkt& A, const TPunkt& B, const TPunkt& T) {
    const double tau = divisionRatio(A, B, T);
    // T − A and B − T point the same way exactly when T lies between A and B.
    return Skalarprodukt(differenz(T, A), differenz(B, T)) < 0 ? -tau : tau;
}

bool divisionRatioIsOne(const TPunkt& A, const TPunkt& B, const TPunkt& T) {
    // |AT| = |TB| up to rounding, relative to the coordinates the lengths come from.
    return tolerance::areEqual(Abstand(T, A), Abstand(B, T), tolerance::size({&A, &B, &T}));
}

void fourthHarmonicPoint(const TPunkt& A, const TPunkt& B, const TPunkt& T, TPunkt& erg) {
    // With the unsigned tau of the printed ratio the formula is only right for an inner T; for an
    // outer T it would give T itself. The signed ratio gives the harmonic conjugate in both cases.
    const double l = signedDivisionRatio(A, B, T);
    // For the midpoint 1 − λ is 0 up to rounding, and the quotient would be a point near
    // infinity instead of the error.
    if (divisionRatioIsOne(A, B, T)) throw MathError(fehlertext::DivisionDurchNull);
    const double n = 1 - l;
    erg.x = teile(A.x - l * B.x, n);
    erg.y = teile(A.y - l * B.y, n);
    erg.z = teile(A.z - l * B.z, n);
    erg.Name = "T\u00B4";
    erg.Farbe = T.Farbe;
}
