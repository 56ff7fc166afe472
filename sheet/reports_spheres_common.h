#pragma once
// Small helpers shared by the files of the sphere reports.
#include "core/checked.h"
#include "core/number_text.h"
#include "core/vector.h"
#include "sheet/anchors.h"
#include "sheet/reports_spheres.h"
#include "sheet/sheet.h"

#include <string>

namespace kugelbericht {

// Rows between two groups of text rows (one blank row), and after a block of three rows that was
// written at y without moving it (one blank row below the block).
inline constexpr int Luecke = 2;
inline constexpr int NachBlock = 4;

// Distances, radii, areas and volumes keep three decimals.
inline std::string zahl(double v) {
    return Zahl9_3_getrimmt(v);
}

// The row of the last text written (the canvas pen's row).
inline int stiftZeile(const Sheet& s) {
    int y = 0;
    s.Gety(y);
    return minus_int(y, s.h());
}

// Input objects are written in dark red, everything else in black.
inline void hervorheben(Sheet& s) {
    s.Schriftfarbe(farbe::Dunkelrot);
}
inline void normal(Sheet& s) {
    s.Schriftfarbe(farbe::Schwarz);
}

// The anchors of sphere `index` in the form the task gave it, or null for the other form.
inline ColumnAnchor* ankerM(Sheet& s, KugelGegeben g, int index) {
    return g == KugelGegeben::Mittelpunktsform ? &s.anker.kugelM[index] : nullptr;
}
inline FieldAnchor* ankerR(Sheet& s, KugelGegeben g, int index) {
    return g == KugelGegeben::Mittelpunktsform ? &s.anker.kugelR[index] : nullptr;
}
inline ColumnAnchor* ankerA(Sheet& s, KugelGegeben g, int index) {
    return g == KugelGegeben::Vektorform ? &s.anker.kugelA[index] : nullptr;
}
inline FieldAnchor* ankerC(Sheet& s, KugelGegeben g, int index) {
    return g == KugelGegeben::Vektorform ? &s.anker.kugelC[index] : nullptr;
}

} // namespace kugelbericht
