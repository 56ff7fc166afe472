#pragma once
// Writing plane points on the result sheet, shared by every plane task's report.
#include "plane/records.h"
#include "sheet/anchors.h"

#include <string>

class Sheet;

// Writes Name(x/y) at (x, y). With an anchor (an editable input point) it records where the two
// numbers stand: the x value after the name, the y value after the "/", the line's top and its
// top plus the height of "M".
void Punkt2_ausgeben(Sheet& sheet, const TPunkt2& P, int x, int y, PairAnchor* anker = nullptr);
