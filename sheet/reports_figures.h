#pragma once
// Reports of the point and figure tasks: point, segment, division ratio, triangle,
// quadrilateral, parallelogram, tetrahedron, tetrahedron with a plane. Each writes its lines on
// the sheet from (x, y), records the anchors of the task's input points, and leaves y below.
#include "core/scene.h"
#include "sheet/sheet.h"

void Ergebnis_punkt(Sheet& s, const TPunkt& P, int x, int& y);
void Ergebnis_Linie(Sheet& s, const TStrecke& strecke, int x, int& y);
void Ergebnis_Teilverhaeltnis(Sheet& s, const TPunkt& A, const TPunkt& B, const TPunkt& T, int x,
                              int& y);
void Ergebnis_Dreieck(Sheet& s, const TDreieck& d, int x, int& y);
void Ergebnis_Viereck(Sheet& s, const TViereck& v, int x, int& y);
// The quadrilateral A, B, C, D of the parallelogram through A, B, C (D = A + C − B).
void Ergebnis_Parallelogramm(Sheet& s, const TDreieck& abc, int x, int& y);
void Ergebnis_Tetraeder(Sheet& s, const TViereck& t, int x, int& y);
// Lists the points where the tetrahedron's edges meet the plane, as the scene holds them.
void Schnitt_Tetraeder_Ebene_ausgeben(Sheet& s, const Szene& szene, int x, int& y);
// The tetrahedron and the plane of the scene, and where they meet.
void Ergebnis_Tetraeder_Ebene(Sheet& s, const Szene& szene, int x, int& y);
