#pragma once
// Connects the scene painter to the drawing window: the window's repaint draws the scene
// through the painter, and options that a scene switches on show up as check marks.
#include "drawing/drawing_window.h"
#include "drawing/scene_painter.h"

inline void verbinden(TZeichnungsDlg& fenster, ScenePainter& painter) {
    // The painter draws the plane scene in 2-D mode (Zeichne_alles follows the view's mode).
    fenster.setPaintHook3d([&painter](Canvas& canvas) { painter.paint(canvas); });
    fenster.setPaintHook2d([&painter](Canvas& canvas) { painter.paint(canvas); });
    painter.onOptionsChanged = [&fenster] { fenster.syncOptionChecks(); };
}
