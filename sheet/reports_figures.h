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
// Completes A, B, C of the scene's triangle store to a quadrilateral (D = A + C − B, green,
// named "  D"), stores it as the scene's quadrilateral and reports it.
void Ergebnis_Parallelogramm(Sheet& s, Szene& szene, int x, int& y);
void Ergebnis_Tetraeder(Sheet& s, const TViereck& t, int x, int& y);
// Intersects the lines of the six edges AB, BC, AC, BD, AD, CD with E, stores the points
// ("Sab" … "Scd", in the plane's colour) and their presence flags in the scene and lists the
// points that exist.
void Schnitt_Tetraeder_Ebene_ausgeben(Sheet& s, Szene& szene, const TViereck& t,
                                      const TEbeneNorm& E, int x, int& y);
// Also stores the six edge/plane intersection points in the scene (SzeneSchnittpunkte).
void Ergebnis_Tetraeder_Ebene(Sheet& s, Szene& szene, const TViereck& t, const TEbeneNorm& E, int x,
                              int& y);
