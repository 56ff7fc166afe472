#pragma once
// The whole 3-D picture: the coordinate system and the scene that the last task handed over,
// with the constructions of its kind and the drawing options. The window's repaint, the
// off-screen pictures (copy, save, print, headless runner) and the tests all draw through here.
#include "core/scene.h"
#include "drawing/canvas.h"
#include "drawing/view.h"

#include <functional>

// What the drawing tells its caller while it draws. Both may be left empty.
struct SceneDrawEvents {
    // The drawing switched an option flag on for later pictures too (a point with a sphere turns
    // "Parameterdarstellung zeigen" on), so the menu's check marks must follow.
    std::function<void()> optionsChanged;
    // The vector-product scene met a zero cross product; the scene is no longer marked.
    std::function<void()> zeroCrossProduct;
};

// Draws the coordinate system in white (black in black-and-white mode) and then the scene of
// `szene.art`. The background is not painted here. Errors of the projection or the geometry
// (RangeError, MathError) leave the function; the picture stays as far as it got.
//
// The drawing reads the scene; it changes only what the tasks expect of a picture: a sphere
// with a point on or outside it switches the parameter patch on, and a zero vector product
// gives the scene up.
//
// In the view's 2-D mode it draws the plane scene instead (Ebene2_neu_zeichnen), so the window,
// off-screen pictures and the headless runner need not know the mode.
void Zeichne_alles(Canvas& canvas, ViewState& view, Szene& szene, Optionen& optionen,
                   const SceneDrawEvents& events = {});

// The plane scene: the 2-D axes in white (with the grid option), then the drawing of the current
// plane task's row. Writes nothing on the sheet. Errors of the mapping (RangeError) leave it.
void Ebene2_neu_zeichnen(Canvas& canvas, ViewState& view, Szene& szene, Optionen& optionen);
