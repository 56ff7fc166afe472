#pragma once
// One row per kind of task. A row joins everything that differs between kinds: the report on
// the sheet, the drawing, the input numbers that a click on the sheet may change, the values
// that report and drawing both need from the computation, and, for the plane tasks, the points
// that can be dragged in the drawing and the drawing window's context-menu group. Each family of
// tasks declares its rows once, in its own file; the report, the drawing and the click editing
// look the row up instead of switching on the kind.
//
// The drawing's row entry takes the drawing's own context (declared in drawing/), so this header
// only names it; the rows themselves are written where both the report and the drawing are seen.
#include "core/scene.h"

#include <span>
#include <vector>

class Sheet;
class InputClicks;
struct SceneDraw;

// A point of a plane figure that the mouse can drag: where its two coordinates are stored.
struct DragHandle {
    double* x;
    double* y;
    // A handle that stands for a length (an ellipse's axis vertex): x and y are then the
    // figure's centre, the handle stands at centre + (dx, dy)·*laenge, and dragging it sets
    // *laenge to the mouse's signed distance from the centre along (dx, dy); the centre stays.
    double* laenge = nullptr;
    int dx = 0, dy = 0;

    void position(double& px, double& py) const {
        px = laenge ? *x + dx * *laenge : *x;
        py = laenge ? *y + dy * *laenge : *y;
    }
    void moveTo(double px, double py) const {
        if (!laenge) {
            *x = px;
            *y = py;
        } else {
            *laenge = dx * (px - *x) + dy * (py - *y);
        }
    }
};

struct TaskKind {
    Szenenart art;
    // Writes the report from the scene stores, starting at (x, y).
    void (*report)(Sheet& sheet, const Szene& szene, int x, int& y);
    // Draws the objects of this kind (the coordinate system is already drawn).
    void (*draw)(SceneDraw& draw);
    // Offers each input number to a click on the sheet, in the order the report writes them.
    void (*inputs)(Szene& szene, InputClicks& clicks);
    // Computes what report and drawing both show and stores it in the scene (the section points
    // of the tetrahedron's edges, the completed parallelogram); nullptr when there is nothing.
    void (*derive)(Szene& szene) = nullptr;
    // The points the user may drag in the plane drawing; nullptr for tasks in space.
    std::vector<DragHandle> (*handles)(Szene& szene) = nullptr;
    // Caption of the drawing window's context-menu group that belongs to the kind, or nullptr.
    // A kind with a group is a plane task: it is drawn in the window's 2-D mode, and handing it
    // over switches the menus to plane mode with this group enabled.
    const char* contextGroup = nullptr;
};

// The rows of each family, declared in the family's file.
std::span<const TaskKind> figureKinds();
std::span<const TaskKind> lineKinds();
std::span<const TaskKind> planeKinds();
std::span<const TaskKind> sphereKinds();
std::span<const TaskKind> vectorKinds();
// The triangle in the plane (plane/triangle_drawing.cpp). It, the ellipses and the affine scene
// are drawn in the drawing window's 2-D mode.
std::span<const TaskKind> planeFigureKinds();
// The eleven ellipse tasks (plane/ellipse_drawing.cpp).
std::span<const TaskKind> ellipseKinds();
// The affine scene (the shown map with its definitions, objects and options), a plane task.
std::span<const TaskKind> affineKinds();
// The matrix tasks: reports only, nothing drawn.
std::span<const TaskKind> matrixKinds();

// The row of a kind; nullptr for `Szenenart::keine`.
const TaskKind* taskKind(Szenenart art);
// True for the kinds of plane geometry (those with a context-menu group).
bool isPlaneKind(Szenenart art);
// True for the matrix tasks.
bool isMatrixKind(Szenenart art);

// Marks the scene as changed: recomputes the values that its kind derives from the input
// objects. Every path that stores or changes input objects (the hand-over, the click editing)
// calls it before the report and the drawing read the scene.
void deriveScene(Szene& szene);
