#pragma once
// The ruler-and-compass construction of each ellipse task ("Konstruktion zeigen"): its step
// texts below the report and its silver construction lines and named auxiliary points in the
// drawing. Also the two drawing helpers that the task drawings and the construction share.
#include "drawing/primitives.h"
#include "plane/ellipse_task.h"

class Sheet;

// The curve of the axis-parallel ellipse about M as 90 chords, in the given colour.
void ZeichneEllipsenkurve2(DrawContext& z, const TPunkt2& M, double a, double b, TFarbe farbe);
// The whole line y = m·x + c (or x = k).
void ZeichneTangente2(DrawContext& z, const Gerade2MC& g, TFarbe farbe);

// The step texts of the task's construction, from row y on: "Konstruktion:" in maroon, the
// steps in black; for data that give no ellipse "Konstruktion nicht möglich !".
void Ellipse_Konstruktion_ausgeben(Sheet& s, Ellipsenart art, const EllipsenDaten& d, int x,
                                   int& y);
// The step texts alone (what Ellipse_Konstruktion_ausgeben writes after its heading).
std::vector<std::string> Ellipse_Konstruktionsschritte(Ellipsenart art, const EllipsenDaten& d);
// The construction lines and circles in silver with their auxiliary points; nothing for data
// that give no ellipse.
void Ellipse_Konstruktion_zeichnen(DrawContext& z, Ellipsenart art, const EllipsenEingabe& in,
                                   const EllipsenDaten& d);
