#pragma once
// Helpers shared by the relation files; not part of the core's interface.
#include "core/objects.h"

namespace relations_internal {

// Parameter t on g of the intersection of the coplanar lines g = (p, u) and h = (q, v): the first
// of the three 2×2 eliminations whose denominator is not 0 gives t; when all three are 0 the
// result is 0.
double Schnittparameter(const TGerade& g, const TGerade& h);

// The plane through p spanned by u and v, in normal form.
TEbeneNorm Ebene_aus(const TPunkt& p, const TPunkt& u, const TPunkt& v);

// Writes x, y, z of ziel from quelle and leaves Name and Farbe of ziel as they are.
inline void koordinaten(TPunkt& ziel, const TPunkt& quelle) {
    ziel.x = quelle.x;
    ziel.y = quelle.y;
    ziel.z = quelle.z;
}

} // namespace relations_internal
