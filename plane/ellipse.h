#pragma once
// The axis-parallel ellipse (x − M.x)²/a² + (y − M.y)²/b² = 1: its determinations from other
// data, the tangent or polar at a point, and its positions relative to a point, a line and a
// second ellipse. Plain C++.
#include "plane/records.h"

#include <string>

struct TEllipse2 {
    TPunkt2 M; // centre
    double a = 0, b = 0;
    std::string Name;
    TFarbe Farbe = 0;
};

// A line as the ellipse operations take it: y = m·x + c, or x = k when vertical.
struct Gerade2MC {
    bool senkrecht = false;
    double m = 0, c = 0, k = 0;
};

// The line of an equation; false (and nothing written) when u and v are both zero.
bool alsSteigungsform(const TGeradeGl2& g, Gerade2MC& t);
// The line with x and y exchanged (mirrored at y = x).
Gerade2MC vertauscht(const Gerade2MC& t);
// The line through P and Q (vertical when their abscissas are equal relative to their size).
Gerade2MC geradeDurch(const TPunkt2& P, const TPunkt2& Q);

// What an ellipse derives from its centre and semi-axes: the linear eccentricity, the foci F1,
// F2 (on the x axis through M when a ≥ b, otherwise on the y axis) and the vertices S1..S4.
struct Ellipsenpunkte {
    double e = 0;
    TPunkt2 F1, F2, S[4];
};
Ellipsenpunkte Ellipsenpunkte_berechnen(const TEllipse2& E);

// The determinations. Each writes E (centre name "M", yellow) and returns false when the data
// give no ellipse (the "impossible" flag); a semi-axis of zero is no ellipse either.
bool EllipseAusExzentrizitaet(double e, const TPunkt2& P, TEllipse2& E);
bool EllipseAusAchseTangente(double a, const TGeradeGl2& t, TEllipse2& E);
// The foci on one horizontal or one vertical line (relative to their size), P the point; E is
// the ellipse and tp its tangent at P. False for coincident foci, foci on neither line and for
// P on the segment between the foci.
bool EllipseAusBrennpunktenPunkt(const TPunkt2& F1, const TPunkt2& F2, const TPunkt2& P,
                                 TEllipse2& E, Gerade2MC& tp);
// The focus F, the abscissa of P and the tangent t (not vertical): the point of contact B (P
// moved onto t) and the second focus F2 on the horizontal line through F.
// `schritte`, when given, receives the intermediate values (for the worked solution).
struct FPTSchritte {
    bool gespiegelt = false; // the tangent lies below F: the figure is mirrored at y = F.y
    double m = 0, By = 0;    // the slope and B's ordinate after the mirroring
    bool winkel = false;     // the angles below were computed (B differs from F)
    double phi = 0, psi = 0, delta = 0, rho = 0; // radians
    bool dreieck = false;                        // ρ > 0: d and e below were computed
    double d = 0, e = 0;                         // |FB| and the linear eccentricity
};
bool EllipseAusBrennpunktPunktTangente(const TPunkt2& F, const TPunkt2& P, const TGeradeGl2& t,
                                       TEllipse2& E, TPunkt2& B, TPunkt2& F2,
                                       FPTSchritte* schritte = nullptr);
bool EllipseAusBrennpunktTangente(const TPunkt2& F, const TGeradeGl2& t, TEllipse2& E);
bool EllipseAusMittelpunktZweiPunkten(const TPunkt2& M, const TPunkt2& P, const TPunkt2& Q,
                                      TEllipse2& E);
bool EllipseAusMittelpunktAchseTangente(const TPunkt2& M, double a, const TGeradeGl2& t,
                                        TEllipse2& E);

// The line x·P'.x/a² + y·P'.y/b² = 1 with P' = P − M: the tangent at P on the ellipse, the
// polar of P outside. False for P = M (no such line).
bool TangenteImPunkt(const TEllipse2& E, const TPunkt2& P, Gerade2MC& t);
// The line y = m·x + c put into the ellipse, in coordinates relative to the centre: with
// c' = m·M.x + c − M.y (the intercept seen from M) the abscissas solve x² + p·x + q = 0; D is
// (p/2)² − q.
struct Quadratisch {
    double p, q, D, c;
};
Quadratisch EllipseGeradeGleichung(const TEllipse2& E, const Gerade2MC& g);
// 0: the line misses the ellipse, 1: it touches it (the discriminant within 1e-7 of 0), 2: it
// cuts it. A vertical line compares its distance from the centre with a.
int LageEllipseGerade(const TEllipse2& E, const Gerade2MC& g);
// The two common points of the ellipse and the line (equal when it touches); false when the
// line misses the ellipse.
bool SchnittEllipseGerade(const TEllipse2& E, const Gerade2MC& g, TPunkt2& S1, TPunkt2& S2);
// 0: inside, 1: on the ellipse (exact test), 2: outside.
int LageEllipsePunkt(const TEllipse2& E, const TPunkt2& P);
// The four common points of two concentric ellipses (P1..P4, aqua); false when they have
// none, when the centres differ or when a semi-axis is zero.
bool SchnittZweiEllipsen(const TEllipse2& E1, const TEllipse2& E2, TPunkt2 (&P)[4]);
