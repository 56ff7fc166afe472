#pragma once
// Changing the input numbers of the current task by clicking them on the sheet: the left button
// raises the clicked number by one step, any other button lowers it, and the task is computed,
// reported and drawn again. The sheet is a picture, so a click is mapped to a number through the
// anchors that the report recorded while writing it.
#include "core/scene.h"
#include "sheet/anchors.h"

#include <functional>
#include <optional>

class Messages;
class Sheet;

// --- Hit tests. All bounds are inclusive, so a click on the boundary between two numbers
// changes both. Each returns whether it changed something; an anchor that was never set is
// never hit. ---

// A point written as name(x/y/z) on one line: the click must lie in [y, unten] (unten is
// normally y + 20); then [x1, x2] is the first coordinate (the name included), [x2, x3] the
// second and [x3, x3 + 20] the third.
bool PunktKlick(TPunkt& P, const PointAnchor& a, bool links, int X, int Y, int unten);
// The lowest line a click may hit for point line `i` of the anchors: y + 20, but not below the
// top of another point line that starts within those 20 pixels (points written on consecutive
// rows), so that a click on one point never changes the point above it as well.
int PunktUnterkante(const Anchors& anker, int i);
// A vector written as a column: the click must lie in [links, rechts]; then rows
// [y0, y1], [y1, y2] and [y2, y2 + 13] are the three components.
bool SpalteKlick(TPunkt& V, const ColumnAnchor& a, bool links, int X, int Y);
// One number in a rectangle, changed by 1.
bool FeldKlick(double& wert, const FieldAnchor& a, bool links, int X, int Y);
// A plane point written as name(x/y): Y in [oben, unten]; X in [x1, x2] changes x, X in
// (x2, x2 + 30] changes y, each by 1.
bool PaarKlick(double& x, double& y, const PairAnchor& a, bool links, int X, int Y);
// One matrix entry in its rectangle, changed by 0.5.
bool MatrixKlick(double& wert, const FieldAnchor& a, bool links, int X, int Y);

// The click editing of the 3-D tasks, for the sheet of the program. It changes the scene stores
// in place and nothing else (the dialogs' remembered texts stay as they were typed).
class SheetEditing {
public:
    SheetEditing(Szene& szene, Sheet& sheet, Messages& meldungen);

    // A mouse button went down on the sheet's picture at (X, Y) in picture pixels (scroll offset
    // included). The click is tested against the anchors as they stood when it arrived, every
    // number it hits is changed, and the task is recomputed once. Errors of the computation (a
    // degenerate object: a zero direction, a zero normal) leave the function; the numbers that
    // the report wrote before the error stay clickable.
    void Image1MouseDown(bool links, int X, int Y);

    // Recomputes and rewrites the current task from the scene stores, rebuilding the derived
    // object of "Gerade druch 2 Punkte", "Ebene durch 3 Punkte" and "Kugel durch 4 Punkte"
    // first, and asks for a redraw unless the edit error box was shown.
    void Neue_Berechnung();

    // Takes the current points and derived line or plane as the backup that an invalid change
    // falls back to, when they are valid. Every click does this before it changes anything, so
    // the objects that the hand-over stored are the backup of the very first click.
    void takeBackups();

    // Asks the drawing window to redraw the scene (plane tasks included: their click editing
    // goes through their kind's row like every other task's).
    std::function<void()> redraw;
    // Hands the four points and the sphere through them over again (the drawing's hand-over,
    // which stores them, redraws and writes the report). Without it the sphere is stored and
    // reported here.
    std::function<void(const TViereck&, const TKugel&)> Kugel4Punkte_uebergeben;

private:
    bool rebuildLine();   // false: invalid, the backup was restored
    bool rebuildPlane();  // false: invalid, the backup was restored
    bool rebuildSphere(); // false: no sphere through the four points
    void editError();

    struct LineBackup {
        TPunkt P, Q;
        TGerade g;
    };
    struct PlaneBackup {
        TPunkt A, B, C;
        TEbene E;
    };

    Szene& szene_;
    Sheet& sheet_;
    Messages& meldungen_;
    std::optional<LineBackup> lineBackup_;
    std::optional<PlaneBackup> planeBackup_;
};
