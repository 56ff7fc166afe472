#include "plane/matrix.h"

#include "core/errors.h"
#include "core/tolerance.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// Entries so large that their products leave the double range give no sensible answer: every
// result passes here, and the application's handler shows its boxes instead of "inf" or "nan".
double endlich(double v) {
    if (!std::isfinite(v)) throw MathError(fehlertext::Gleitkommaueberlauf);
    return v;
}

// The determinant snaps to 0 and 1 within a fixed 1e-8, so that the affine maps built on it
// recognise rotations and singular matrices typed with decimals.
constexpr double Einrasten = 1e-8;

} // namespace

double det2(double a, double b, double c, double d) {
    const double D = endlich(a * d - b * c);
    if (std::fabs(D - 1) < Einrasten) return 1;
    if (std::fabs(D) < Einrasten) return 0;
    return D;
}

double det(const TMatrix2& M) {
    return det2(M.a[0][0], M.a[0][1], M.a[1][0], M.a[1][1]);
}

double det(const TMatrix3& M) {
    const auto& a = M.a;
    return endlich(a[0][0] * (a[1][1] * a[2][2] - a[1][2] * a[2][1]) -
                   a[0][1] * (a[1][0] * a[2][2] - a[1][2] * a[2][0]) +
                   a[0][2] * (a[1][0] * a[2][1] - a[1][1] * a[2][0]));
}

TMatrix2 produkt(const TMatrix2& A, const TMatrix2& B) {
    TMatrix2 P;
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 2; ++j)
            P.a[i][j] = endlich(A.a[i][0] * B.a[0][j] + A.a[i][1] * B.a[1][j]);
    return P;
}

TMatrix3 produkt(const TMatrix3& A, const TMatrix3& B) {
    TMatrix3 P;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            for (int k = 0; k < 3; ++k) P.a[i][j] = endlich(P.a[i][j] + A.a[i][k] * B.a[k][j]);
    return P;
}

void produkt(const TMatrix2& M, const double (&v)[2], double (&Mv)[2]) {
    for (int i = 0; i < 2; ++i) Mv[i] = endlich(M.a[i][0] * v[0] + M.a[i][1] * v[1]);
}

void produkt(const TMatrix3& M, const double (&v)[3], double (&Mv)[3]) {
    for (int i = 0; i < 3; ++i)
        Mv[i] = endlich(M.a[i][0] * v[0] + M.a[i][1] * v[1] + M.a[i][2] * v[2]);
}

void eigenvektor(const TMatrix2& M, double k, double (&v)[2]) {
    const double a11 = M.a[0][0], a12 = M.a[0][1], a21 = M.a[1][0], a22 = M.a[1][1];
    const double d = a11 - k;
    const double f = a22 - k;
    // The eigenvalue comes out of a square root, so d and f carry its rounding: they count as
    // zero relative to the numbers they were computed from.
    const double scale = std::fabs(a11) + std::fabs(a12) + std::fabs(a21) + std::fabs(a22);
    const bool dNull = tolerance::isZero(d, std::max(std::fabs(a11), std::fabs(k)));
    if (!dNull) {
        // The first row (d, a12) of M − k·E fixes the direction; y = 1 as the program writes it.
        v[0] = endlich(-a12 / d) + 0.0;
        v[1] = 1;
    } else if (!tolerance::isZero(a12, scale)) {
        // First row (0, a12): y = 0.
        v[0] = 1;
        v[1] = 0;
    } else if (!tolerance::isZero(a21, scale)) {
        // The first row says nothing; the second (a21, a22 − k) fixes the direction.
        v[0] = endlich(-f / a21) + 0.0;
        v[1] = 1;
    } else {
        // a21 = 0 as well: the first unit vector is an eigenvector (a diagonal matrix).
        v[0] = 1;
        v[1] = 0;
    }
}

Eigenanalyse eigenanalyse(const TMatrix2& M) {
    Eigenanalyse e;
    const double a11 = M.a[0][0], a12 = M.a[0][1], a21 = M.a[1][0], a22 = M.a[1][1];
    e.p = endlich(-(a11 + a22)) + 0.0;
    e.q = endlich(a11 * a22 - a12 * a21) + 0.0;
    e.D = endlich((e.p / 2) * (e.p / 2) - e.q);
    // D decides the number of real eigenvalues by its exact sign: the matrices are typed, and a
    // double root of whole numbers comes out exactly.
    if (e.D == 0) {
        e.anzahl = 1;
        e.k[0] = -e.p / 2 + 0.0;
    } else if (e.D > 0) {
        e.anzahl = 2;
        e.k[0] = -e.p / 2 + std::sqrt(e.D);
        e.k[1] = -e.p / 2 - std::sqrt(e.D);
    }
    for (int i = 0; i < e.anzahl; ++i) eigenvektor(M, e.k[i], e.v[i]);
    return e;
}

// --- Linear systems. Every comparison here is exact (see matrix.h). ---

namespace {

// Row i := f·row j − g·row i, columns from `ab` on (the columns before are zero already).
template <int N> void eliminiere(LGS<N>& s, int i, int j, double f, double g, int ab) {
    for (int k = ab; k < N; ++k) s.a[i][k] = f * s.a[j][k] - g * s.a[i][k];
    s.b[i] = f * s.b[j] - g * s.b[i];
    for (int k = 0; k < ab; ++k) s.a[i][k] = 0;
}

template <int N> void tausche(LGS<N>& s, int i, int j) {
    for (int k = 0; k < N; ++k) std::swap(s.a[i][k], s.a[j][k]);
    std::swap(s.b[i], s.b[j]);
}

template <int N> void pruefe(const LGSLoesung<N>& l) {
    for (const LGSWert& w : l.x) {
        endlich(w.c);
        endlich(w.ms);
        endlich(w.mt);
    }
}

LGSWert parameter(const char* name) {
    LGSWert w;
    w.parameter = name;
    return w;
}

} // namespace

LGSLoesung<2> loese(const LGS<2>& system) {
    LGSLoesung<2> l;
    LGS<2>& s = l.reduziert;
    s = system;
    const double a11 = s.a[0][0];
    eliminiere(s, 1, 0, s.a[1][0], a11, 1);
    const double a12 = s.a[0][1], a22 = s.a[1][1], b1 = s.b[0], b2 = s.b[1];
    if (a22 != 0) {
        l.status = LGSStatus::eindeutig;
        l.x[1].c = b2 / a22;
        l.x[0].c = (b1 - a12 * l.x[1].c) / a11;
    } else if (b2 == 0) {
        l.status = LGSStatus::mehrdeutig;
        l.x[0].c = b1 / a11;
        l.x[0].mt = a12 / a11;
        l.x[1] = parameter("t");
    } else {
        l.status = LGSStatus::keine;
    }
    pruefe(l);
    return l;
}

LGSLoesung<3> loese(const LGS<3>& system) {
    LGSLoesung<3> l;
    LGS<3>& s = l.reduziert;
    s = system;
    const double a11 = s.a[0][0];
    eliminiere(s, 1, 0, s.a[1][0], a11, 1);
    eliminiere(s, 2, 0, s.a[2][0], a11, 1);
    // A second pivot of 0 takes the third row's place when that row has one.
    if (s.a[1][1] == 0 && s.a[2][1] != 0) tausche(s, 1, 2);
    const double a12 = s.a[0][1], a13 = s.a[0][2], b1 = s.b[0];
    if (s.a[1][1] != 0) {
        eliminiere(s, 2, 1, s.a[2][1], s.a[1][1], 2);
        const double a22 = s.a[1][1], a23 = s.a[1][2], b2 = s.b[1];
        const double a33 = s.a[2][2], b3 = s.b[2];
        if (a33 != 0) {
            l.status = LGSStatus::eindeutig;
            l.x[2].c = b3 / a33;
            l.x[1].c = (b2 - a23 * l.x[2].c) / a22;
            l.x[0].c = (b1 - a13 * l.x[2].c - a12 * l.x[1].c) / a11;
        } else if (b3 == 0) {
            l.status = LGSStatus::mehrdeutig;
            l.x[2] = parameter("t");
            l.x[1].c = b2 / a22;
            l.x[1].mt = a23 / a22;
            l.x[0].c = b1 / a11 - a12 * b2 / (a11 * a22);
            l.x[0].mt = a13 / a11 - a23 * a12 / (a22 * a11);
        } else {
            l.status = LGSStatus::keine;
        }
    } else {
        // Rows 2 and 3 read (0, 0, a23 | b2) and (0, 0, a33 | b3): they decide x3 alone, and
        // x2 is free.
        if (s.a[1][2] == 0 && s.a[2][2] != 0) tausche(s, 1, 2);
        const double a23 = s.a[1][2], b2 = s.b[1];
        if (a23 != 0) {
            eliminiere(s, 2, 1, s.a[2][2], a23, 2);
            s.a[2][2] = 0;
        }
        if (s.b[2] != 0 || (a23 == 0 && b2 != 0)) {
            l.status = LGSStatus::keine;
        } else {
            l.status = LGSStatus::mehrdeutig;
            l.x[1] = parameter(a23 != 0 ? "t" : "s");
            if (a23 != 0) {
                l.x[2].c = b2 / a23;
                l.x[0].c = (b1 - a13 * l.x[2].c) / a11;
                l.x[0].mt = a12 / a11;
            } else {
                l.x[2] = parameter("t");
                l.x[0].c = b1 / a11;
                l.x[0].ms = a12 / a11;
                l.x[0].mt = a13 / a11;
            }
        }
    }
    pruefe(l);
    return l;
}
