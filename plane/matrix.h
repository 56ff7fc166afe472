#pragma once
// Matrices of the plane and of space and linear systems: determinants, products, the
// characteristic equation and eigen analysis of a 2×2 matrix, and the elimination that solves a
// 2×2 or 3×3 system. Plain C++; the affine maps reuse det2.

// A 2×2 matrix, row by row: a[i][j] is the entry of row i+1 and column j+1.
struct TMatrix2 {
    double a[2][2] = {};
};
// A 3×3 matrix, row by row.
struct TMatrix3 {
    double a[3][3] = {};
};

// Every function throws MathError when a result leaves the double range.

// a·d − b·c, snapped: a result within 1e-8 of 1 becomes exactly 1, within 1e-8 of 0 exactly 0.
double det2(double a, double b, double c, double d);
double det(const TMatrix2& M);
// Expanded along the first row.
double det(const TMatrix3& M);

TMatrix2 produkt(const TMatrix2& A, const TMatrix2& B);
TMatrix3 produkt(const TMatrix3& A, const TMatrix3& B);
// M·v for v = (v[0], v[1]) resp. (v[0], v[1], v[2]).
void produkt(const TMatrix2& M, const double (&v)[2], double (&Mv)[2]);
void produkt(const TMatrix3& M, const double (&v)[3], double (&Mv)[3]);

// The eigenvalues and eigenvectors of a 2×2 matrix from its characteristic equation
// k² + p·k + q = 0, p = −(a11 + a22), q = a11·a22 − a12·a21.
struct Eigenanalyse {
    double p = 0, q = 0;
    double D = 0;   // (p/2)² − q; the number of real eigenvalues is decided on its sign, exactly
    int anzahl = 0; // 0, 1 or 2 real eigenvalues
    double k[2] = {};    // k1, k2 (k1 alone when there is one)
    double v[2][2] = {}; // their eigenvectors (x, y)
};
Eigenanalyse eigenanalyse(const TMatrix2& M);
// A non-zero eigenvector of M for its real eigenvalue k: (−a12/d, 1) with d = a11 − k where d is
// not zero; otherwise found from the second row, and (1, 0) when that row says nothing either.
void eigenvektor(const TMatrix2& M, double k, double (&v)[2]);

// The result of an elimination.
enum class LGSStatus { eindeutig, mehrdeutig, keine };

// One unknown of the solution: x = c − ms·s − mt·t, or the free parameter itself ("t", "s").
struct LGSWert {
    double c = 0;
    double ms = 0, mt = 0;
    const char* parameter = nullptr;
};

// A linear system with its augmented matrix: rows (a[i][0..n-1] | b[i]).
template <int N> struct LGS {
    double a[N][N] = {};
    double b[N] = {};
};

template <int N> struct LGSLoesung {
    LGS<N> reduziert; // the augmented matrix after the elimination (the dialog shows it)
    LGSStatus status = LGSStatus::keine;
    LGSWert x[N];
};

// Solves by elimination without pivot search. The caller has checked a11 ≠ 0. All comparisons
// are exact on purpose: a pupil types whole numbers and sees the exact case; a nearly singular
// system of decimals is solved with large values rather than declared singular.
LGSLoesung<2> loese(const LGS<2>& s);
// As the 2×2 case; when the second pivot vanishes the second and third rows are exchanged, and
// when both are zero in that column the two remaining rows decide the third unknown.
LGSLoesung<3> loese(const LGS<3>& s);
