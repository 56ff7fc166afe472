#pragma once
// Dragging the points of a plane figure with the mouse. The current task kind's row names its
// draggable points (`handles`); a press chooses every one drawn within 5 pixels of the mouse
// (points on top of each other move together), a move puts them on the mouse position mapped
// back to the plane, and the release recomputes and rewrites the report. It knows no figure.
#include "core/scene.h"
#include "drawing/view.h"

#include <vector>

class Sheet;

class PlaneDrag {
public:
    PlaneDrag(const ViewState& view, Szene& szene, Sheet& sheet);

    // Left button down at pixel (x, y): true when a point was chosen.
    bool press(int x, int y);
    // The mouse at plane point (x, y) while the button is down: the chosen points move there
    // and the values the figure derives follow (the redraw is the caller's).
    void drag(double x, double y);
    // Button up (also "Koord.-Standard" and the grid option): the sheet is cleared and the
    // current plane task computed and reported again; nothing stays chosen.
    void release();

private:
    const ViewState& view_;
    Szene& szene_;
    Sheet& sheet_;
    std::vector<std::size_t> chosen_; // indexes into the kind's handles
};
