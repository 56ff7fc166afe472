#pragma once
// Connects the scene painter to the drawing window: the window's 3-D repaint draws the scene
// through the painter, and options that a scene switches on show up as check marks.
#include "drawing/drawing_window.h"
#include "drawing/scene_painter.h"

inline void verbinden(TZeichnungsDlg& fenster, ScenePainter& painter) {
    fenster.setPaintHook3d([&painter](Canvas& canvas) { painter.paint(canvas); });
    painter.onOptionsChanged = [&fenster] { fenster.syncOptionChecks(); };
}
