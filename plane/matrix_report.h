#pragma once
// The matrix blocks on the result sheet and the reports of the matrix tasks. The affine maps
// write their matrices with the same blocks.
#include "plane/matrix.h"
#include "sheet/anchors.h"

#include <string>

class Sheet;

// The matrix with its label ("M = ") in front of its middle row, each row between bars "|", the
// entries right-aligned to the widest of their column. With anchors (one per entry, row by row)
// it records where each entry stands. y advances past the last row.
void Matrix_ausgeben(Sheet& s, const std::string& name, const double* eintraege, int zeilen,
                     int spalten, int x, int& y, FieldAnchor* anker = nullptr);
void Matrix_ausgeben(Sheet& s, const std::string& name, const TMatrix2& M, int x, int& y,
                     FieldAnchor* anker = nullptr);
void Matrix_ausgeben(Sheet& s, const std::string& name, const TMatrix3& M, int x, int& y,
                     FieldAnchor* anker = nullptr);
// A vector as a column between bars ("v = ", "M*v = ").
void Vektor_ausgeben(Sheet& s, const std::string& name, const double* v, int n, int x, int& y,
                     FieldAnchor* anker = nullptr);
// "det(M) = " + value.
void Determinante_ausgeben(Sheet& s, const std::string& name, double wert, int x, int& y);
// "Charakteristische Gleichung:", the equation, the eigenvalues, two empty lines and the
// eigenvectors ("keine Eigenvektoren !" without real eigenvalues).
void Eigenanalyse_ausgeben(Sheet& s, const TMatrix2& M, int x, int& y);

// The reports of the five matrix tasks.
void Ergebnis_Matrix2(Sheet& s, const TMatrix2& M, int x, int& y);
void Ergebnis_Matmult2(Sheet& s, const TMatrix2& M1, const TMatrix2& M2, int x, int& y);
void Ergebnis_Matmult3(Sheet& s, const TMatrix3& M1, const TMatrix3& M2, int x, int& y);
void Ergebnis_Matrix2Vektor(Sheet& s, const TMatrix2& M, const double (&v)[2], int x, int& y);
void Ergebnis_Matrix3Vektor(Sheet& s, const TMatrix3& M, const double (&v)[3], int x, int& y);
