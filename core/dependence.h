#pragma once
// Non-trivial representations of the zero vector for linearly dependent vectors, and the
// perpendicular projections of the scalar product. Shared by the vector reports and the drawing.
#include "core/vector.h"

// Coefficients with la·a + lb·b = o for two parallel vectors a, b (not both zero coefficients).
void Nulldarstellung2(const TPunkt& a, const TPunkt& b, double& la, double& lb);

// Coefficients with la·a + lb·b + lc·c = o for three coplanar vectors.
void Nulldarstellung3(const TPunkt& a, const TPunkt& b, const TPunkt& c, double& la, double& lb,
                      double& lc);

// Coefficients with la·a + lb·b + lc·c + ld·d = o; four vectors of space are always dependent.
void Nulldarstellung4(const TPunkt& a, const TPunkt& b, const TPunkt& c, const TPunkt& d,
                      double& la, double& lb, double& lc, double& ld);

// The perpendicular projections of the scalar product: qAufP, the projection of q onto the line
// of p, is (p·q/|p|²)·p, named "q->p" with the colour of q; pAufQ, the projection of p onto q, is
// (p·q/|q|²)·q, named "p->q" with the colour of p. Both are signed, so for an obtuse angle they
// point against p and q. Throws MathError when p or q is the zero vector.
void scalarProductProjections(const TPunkt& p, const TPunkt& q, TPunkt& qAufP, TPunkt& pAufQ);
