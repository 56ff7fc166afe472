#pragma once
// The affine scene's drawing helpers shared with the constructions.
#include "drawing/plane_primitives.h"

namespace affine_zeichnen {

// The segment PQ in the colour given, pen width w.
void strecke(DrawContext& z, const TPunkt2& P, const TPunkt2& Q, TFarbe farbe, int w = 1);
// The triangle through the three points.
void dreieck(DrawContext& z, const TPunkt2 (&e)[3], TFarbe farbe, int w = 1);
// A vector from P along v with its name written at its tip.
void vektor(DrawContext& z, const TPunkt2& P, const TPunkt2& v, const std::string& name,
            TFarbe farbe);

} // namespace affine_zeichnen

struct SceneDraw;
// The construction of the recognised type for the triangle and its image, in silver.
void Konstruktion_zeichnen(DrawContext& z, const Szene& szene);
