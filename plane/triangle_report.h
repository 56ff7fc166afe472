#pragma once
// The triangle's report on the result sheet.
#include "plane/triangle.h"

class Sheet;

// Writes the vertices (editable: pair anchors 0..2), the side lengths and, for a true triangle,
// angles, midpoints, side lines, medians, perpendicular bisectors, altitudes, angle bisectors
// with their points and radii, and the Euler line, from row y on at column x. For vertices on
// one line it writes the side lengths and says that there is no triangle.
void Dreieck2_ausgeben(Sheet& sheet, const TPunkt2 (&ecken)[3], const TDreieck2Daten& d, int x,
                       int& y);
