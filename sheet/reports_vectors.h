#pragma once
// Reports of the vector tasks: scalar, vector and triple product, linear dependence.
#include "core/vector.h"
#include "sheet/sheet.h"

// middle row v.Name + " = ", then the column of v.
void Vector_darst_ausgeben(Sheet& s, const TPunkt& v, int x, int y, ColumnAnchor* anker = nullptr);
void Ergebnis_SkalarProdukt(Sheet& s, const TPunkt& p, const TPunkt& q, int x, int& y);
void Ergebnis_VektorProdukt(Sheet& s, const TPunkt& p, const TPunkt& q, int x, int& y);
void Ergebnis_SpatProdukt(Sheet& s, const TPunkt& p, const TPunkt& q, const TPunkt& r, int x,
                          int& y);
void Ergebnis_LineareAbh2(Sheet& s, const TPunkt& a, const TPunkt& b, int x, int& y);
void Ergebnis_LineareAbh3(Sheet& s, const TPunkt& a, const TPunkt& b, const TPunkt& c, int x,
                          int& y);
void Ergebnis_LineareAbh4(Sheet& s, const TPunkt& a, const TPunkt& b, const TPunkt& c,
                          const TPunkt& d, int x, int& y);
