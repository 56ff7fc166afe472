#pragma once
// The plane view: the drawing primitives of plane geometry. They draw through the same context as
// the 3-D drawing (`DrawContext`: canvas, view state, options), mapping plane points with the
// view's 2-D mapping, so the window, off-screen pictures and test recorders all draw plane figures
// with this code. The colour rule is the 3-D one: own colours when `farbig`, black otherwise.
#include "core/scene.h"
#include "drawing/canvas.h"
#include "drawing/primitives.h"
#include "plane/records.h"

// A small square at P and P's name beside it, in P's colour (pen and font).
void ZeichnePunkt2(DrawContext& z, const TPunkt2& P);
// The segment PQ with the pen width given and the pen colour left by the drawing before.
void ZeichneStrecke2(DrawContext& z, const TPunkt2& P, const TPunkt2& Q, int breite);
// The whole line, stepped by its direction from the support point both ways until it leaves
// the shown units (at least one step each way). A zero direction draws nothing; a tiny one is
// drawn in at most MaxLinienSchritte steps. The pen width is 1 afterwards.
void ZeichneGerade2(DrawContext& z, const TGerade2& g, TFarbe farbe, int breite);
// The circle about M as 360 chords.
void ZeichneKreis2(DrawContext& z, const TPunkt2& M, TFarbe farbe, double radius);
// The axes through the 2-D origin to the four edges with unit ticks, and with the coordinate
// grid option a dotted silver line through every tick. A step below one pixel draws no ticks.
void ZeichneAchsen2(DrawContext& z, TFarbe farbe);
