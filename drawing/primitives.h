#pragma once
// The drawing primitives of the 3-D view: the coordinate system and every kind of object, drawn
// through the projection of the view state onto any canvas. They take one small context,
// `DrawContext` (canvas, view state, options), so the window, off-screen pictures and tests use
// the same code.
//
// Conventions: with `farbig` set, objects appear in their own colours, otherwise in black. Every
// stroke is drawn in copy mode. A primitive sets the pen style and width it needs where the
// drawing rules say so and otherwise keeps those of the drawing before it. Projected
// coordinates go through the checked conversion: a point whose pixel position is not a 32-bit
// integer throws RangeError.
#include "core/objects.h"
#include "core/scene.h"
#include "drawing/canvas.h"
#include "drawing/view.h"

#include <vector>

struct DrawContext {
    Canvas& canvas;
    ViewState& view; // the axis steps are computed into it by the coordinate system
    const Optionen& optionen;

    // The colour rule: the given colour when `farbig`, else black.
    TFarbe colour(TFarbe c) const { return view.farbig ? c : farbe::Schwarz; }

    // Pen movements to projected points of space (the recorder also learns the space point).
    void moveTo(double x, double y, double z);
    void lineTo(double x, double y, double z);
    void moveTo(const TPunkt& p) { moveTo(p.x, p.y, p.z); }
    void lineTo(const TPunkt& p) { lineTo(p.x, p.y, p.z); }
    void moveTo(const TKoord& p) { moveTo(p.x, p.y, p.z); }
    void lineTo(const TKoord& p) { lineTo(p.x, p.y, p.z); }
    void pixel(double x, double y, double z, TFarbe c);
};

// Lines are stepped in whole direction vectors; beyond this many steps (a tiny direction) the
// rest up to the point where the stepping leaves the box is drawn as one segment.
inline constexpr int MaxLinienSchritte = 1000;

// Fills the whole drawing area with the background colour (pen and brush in that colour); the
// brush stays the background colour for the point marks and labels drawn afterwards.
void paintBackground(Canvas& canvas, const ViewState& view);

// --- Coordinate system, points and segments ---
void Zeichne_koordinatensystem(DrawContext& z, TFarbe achsenfarbe);
void PunktZeichnen(DrawContext& z, const TPunkt& P);
void LinieZeichnen(DrawContext& z, const TPunkt& A, const TPunkt& B, TFarbe farbe, PenStyle stil);
void Linie_zeichnen_Koord(DrawContext& z, const TKoord& A, const TKoord& B, TFarbe farbe,
                          PenStyle stil);
// Segment from A to B in B's colour (no arrow head).
void Vektor_zeichnen(DrawContext& z, const TPunkt& A, const TPunkt& B, int breite, PenStyle stil);
void PunktZeichnen_mit_hilfslinien(DrawContext& z, const TPunkt& P);
void PunktZeichnen_mit_Quader(DrawContext& z, const TPunkt& P);
// A to B in 20 pieces with the current pen colour: solid width 2 where no coordinate of the
// piece's end is negative, dotted width 1 elsewhere.
void Linie2_zeichnen(DrawContext& z, const TPunkt& A, const TPunkt& B);
void SpatQuaderZeichnen(DrawContext& z, const TPunkt& a, const TPunkt& b, const TPunkt& c);

// --- Lines ---
// Number of steps k ≥ 1 after which p + k·u is no longer inside the box; infinity when the
// stepping never leaves it (zero direction inside the box, or a direction too small to count).
double stepsUntilOutside(const ViewState& view, const TKoord& p, const TKoord& u);
// The line stepped forward and backward from its support point, solid, in `farbe`, with the
// current width; no guide lines.
void Gerade_schrittweise(DrawContext& z, const TKoord& p, const TKoord& u, TFarbe farbe);
void GeradeZeichnen(DrawContext& z, const TGerade& g, int breite);
void Projektionsgeraden_zeichnen(DrawContext& z, const TGerade& g, TFarbe farbe);
void Lotgerade_zeichnen(DrawContext& z, const TGerade& g, const TPunkt& P);
// The line with width 2 and the line options (trace points, projections, perpendicular from
// the origin).
void GeradeAllesZeichnen(DrawContext& z, const TGerade& g);

// --- Figures ---
void DreieckZeichnen(DrawContext& z, const TPunkt& A, const TPunkt& B, const TPunkt& C,
                     TFarbe farbe);
// Also returns the two diagonal lines (A toward C, B toward D), which the scene keeps.
void ViereckZeichnen(DrawContext& z, const TPunkt& A, const TPunkt& B, const TPunkt& C,
                     const TPunkt& D, TFarbe farbe, TGerade& diagonale1, TGerade& diagonale2);
void TetraederZeichnen(DrawContext& z, const TPunkt& A, const TPunkt& B, const TPunkt& C,
                       const TPunkt& D, TFarbe farbe);
void nur_TetraederZeichnen(DrawContext& z, const TPunkt& A, const TPunkt& B, const TPunkt& C,
                           const TPunkt& D, TFarbe farbe);

// --- Planes ---
void Ebenezeichnen(DrawContext& z, const TEbeneNorm& E);
void Spurgerade_zeichnen(DrawContext& z, const TEbeneNorm& E);
void Ebene_KoordPunkte_zeichnen(DrawContext& z, const TEbeneNorm& E, TFarbe farbe);
void ParameterDarsr_Zeichnen(DrawContext& z, const TEbeneNorm& E);
// The patch of a plane given in parameter form, around its own support point.
void ParameterDarst_Par_Zeichnen(DrawContext& z, const TEbene& E);

// --- The plane cut by the cube of the eight octant boxes ---
// The points where the plane meets the edges of the box spanned by the origin and (X, Y, Z),
// in edge order, without duplicates and without points outside the box.
std::vector<TPunkt> Quader_Schnittpunkte(const TEbeneNorm& E, double X, double Y, double Z);
// Draws the section polygon of that box; returns the number of its corners (nothing is drawn
// below 3).
int Zeichne_E(DrawContext& z, const TEbeneNorm& E, double X, double Y, double Z, TFarbe farbe);
void Zeichne_QuadStrecke(DrawContext& z, const TPunkt& A, const TPunkt& B, double X, double Y,
                         double Z, TFarbe farbe);
void Zeichne_Wuerfel(DrawContext& z, double X, double Y, double Z);
void Zeichne_Ebene_Quader(DrawContext& z, const TEbeneNorm& E, TFarbe farbe);

// --- Spheres ---
void KugelZeichnen(DrawContext& z, const TKugel& K);
void Zeichne_Radien(DrawContext& z, const TKugel& K);
void Zeichne_KoordSchnittpunkte(DrawContext& z, const TKugel& K);
void Zeichne_Schnitt_Kugel_Ebene(DrawContext& z, const TEbeneNorm& E, const TPunkt& C, double rho);
void KugelKugelZeichnen(DrawContext& z, const TKugel& K1, const TKugel& K2);
void KugelGeradeZeichnen(DrawContext& z, const TKugel& K, const TGerade& g);
void KugelEbeneZeichnen(DrawContext& z, const TKugel& K, const TEbeneNorm& E);
