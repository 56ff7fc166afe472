#pragma once
// Reports of the line and plane tasks. Each writes its rows on the sheet from (x, y) and leaves y
// below its last row; none clears the sheet (the hand-over does that), so a report can also be
// written below another one.
//
// Input objects are written in the highlight colour with their numbers registered in s.anker:
// points in order into punkt[0..], line i into gerade[i], plane i into ebenePar[i] (parameter
// form) or normale[i] and d[i] (normal form), where i counts the lines, resp. the planes, of the
// task from 0. Only the form in which a plane was given is registered; its converted form and
// every computed object are written without anchors.
#include "core/objects.h"
#include "sheet/sheet.h"

// Everything about one line: the line, its distance from the origin, the perpendicular from the
// origin, trace points, projection lines and the angles with the coordinate planes.
void Gerade_alles_ausgeben(Sheet& s, const TGerade& g, int x, int& y);
void Ergebnis_Gerade(Sheet& s, const TGerade& g, int x, int& y);
// g is the line through A and B; only A and B are editable.
void Ergebnis_Gerade2Punkte(Sheet& s, const TPunkt& A, const TPunkt& B, const TGerade& g, int x,
                            int& y);
void Ergebnis_Gerade_Punkt(Sheet& s, const TGerade& g, const TPunkt& A, int x, int& y);
void Ergebnis_ZweiGeraden(Sheet& s, const TGerade& g1, const TGerade& g2, int x, int& y);
void Ergebnis_Punkt_ZweiGeraden(Sheet& s, const TPunkt& P, const TGerade& g1, const TGerade& g2,
                                int x, int& y);

void Ergebnis_EbeneNormalenform(Sheet& s, const TEbeneNorm& E, int x, int& y);
void Ergebnis_EbeneParameterform(Sheet& s, const TEbene& E, int x, int& y);
// E is the plane through A, B and C; only the points are editable.
void Ergebnis_Ebene3Punkte(Sheet& s, const TPunkt& A, const TPunkt& B, const TPunkt& C,
                           const TEbene& E, int x, int& y);
void Ergebnis_Ebene_Punkt(Sheet& s, const TEbeneNorm& E, const TPunkt& P, int x, int& y);
void Ergebnis_EbenePAR_Punkt(Sheet& s, const TEbene& E, const TPunkt& P, int x, int& y);
void Ergebnis_Ebene_Gerade(Sheet& s, const TEbeneNorm& E, const TGerade& g, int x, int& y);
void Ergebnis_EbenePar_Gerade(Sheet& s, const TEbene& E, const TGerade& g, int x, int& y);
void Ergebnis_ZweiEbenenNormalenform(Sheet& s, const TEbeneNorm& E1, const TEbeneNorm& E2, int x,
                                     int& y);
void Ergebnis_EbenenPar_EbeneNorm(Sheet& s, const TEbene& E1, const TEbeneNorm& E2, int x, int& y);
void Ergebnis_EbenenPar_EbenePar(Sheet& s, const TEbene& E1, const TEbene& E2, int x, int& y);

// The parts of the plane reports that follow the plane itself (E in normal form).
// P (registered as punkt[0]), its distance from E, perpendicular, foot, mirror point and the
// mirror plane.
void Ebene_Punkt_weiteres_ausgeben(Sheet& s, const TEbeneNorm& E, const TPunkt& P, int x, int& y);
// Axis intercepts of E, g (registered as gerade[0]) with its trace points, and their relation:
// intersection point and angle, or parallel with distance, with mirror line and parallel planes;
// or the line lies in the plane.
void weitere_informationen_Ebene_Gerade(Sheet& s, const TEbeneNorm& E, const TGerade& g, int x,
                                        int& y);
// The relation of two planes: parallel with distance, identical, or intersecting with the line
// and angle of intersection.
void Ebene_Ebene_weiteres_ausgeben(Sheet& s, const TEbeneNorm& E1, const TEbeneNorm& E2, int x,
                                   int& y);
