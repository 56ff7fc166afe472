#pragma once
// The view state of the drawing window: where the origin stands on the screen, how many units
// each axis shows, the three rotation angles, the background and colour mode, and the 2-D mode
// with its own origin and units. It also holds the projection of space onto the window and the
// mapping of the plane, so that any canvas (window, off-screen picture, test recorder) can be
// drawn on without a window. Plain C++: no Qt.
#include "core/vector.h"

struct ViewState {
    // Size of the drawing area in pixels (the window's client size, or the off-screen picture).
    int Width = 0;
    int Height = 0;

    // 3-D view.
    int UrsprungX = 0, UrsprungY = 0;
    int EinheitenX = 10, EinheitenY = 10, EinheitenZ = 10;
    int WinkelX = 0, WinkelY = 0, WinkelZ = 0;
    int SchrittXh = 0, SchrittXv = 0, SchrittY = 0, SchrittZ = 0;

    TFarbe Hintergrundfarbe = hintergrund::Titelleiste;
    bool farbig = true;
    bool zweidim = false;
    bool Verschieben = false;

    // 2-D view.
    int Ursprung2X = 0, Ursprung2Y = 0;
    int Einheiten2X = 10, Einheiten2Y = 10;
    int Schritt2X = 0, Schritt2Y = 0;
    bool Ursprung2Gewaehlt = false;
    bool Bewegt = false;

    // Sets the drawing area and puts the origin where it stands at start-up.
    void setSize(int width, int height);
    // The start-up origin: about 29 % from the left and 71 % from the top of the area.
    void resetOrigin();

    // Pixels per unit of each axis, from the origin, the area and the units; called at the
    // start of every 3-D redraw.
    void computeSteps();

    // Projects a point of space onto the drawing area. Throws RangeError when a result is NaN,
    // infinite or outside the 32-bit range.
    void RealToScr(double x, double y, double z, int& sx, int& sy) const;

    // True when the point lies strictly inside the box of the shown units.
    bool inside(double x, double y, double z) const;

    // Unit buttons: +10, or −10 with a floor of 5.
    static int moreUnits(int units);
    static int fewerUnits(int units);

    // 2-D mode: origin in the middle of the area, 10 units each way, steps from those.
    void resetPlaneView();
    void computePlaneSteps();
    // Plane point to screen, rounded to the nearest pixel (RangeError as above).
    void planeToScreen(double x, double y, int& sx, int& sy) const;
    // False when a plane step is below one pixel (a tiny window, or many units): then no ticks
    // are drawn and the mouse is not mapped back to the plane.
    bool planeMappable() const;
    // Screen to plane, cut toward zero to a multiple of 0.1 (MathError for a zero step).
    void screenToPlane(int sx, int sy, double& x, double& y) const;

    // True when (x, y) lies within 5 pixels of the 3-D (or 2-D) origin in both directions.
    bool nearOrigin(int x, int y) const;
    bool nearPlaneOrigin(int x, int y) const;

private:
    // Sines and cosines of the current angles, recomputed when an angle changes: every point
    // of every redraw goes through the projection.
    struct Rotation {
        bool valid = false;
        int wx = 0, wy = 0, wz = 0;
        double sinX = 0, cosX = 1, sinY = 0, cosY = 1, sinZ = 0, cosZ = 1;
    };
    mutable Rotation rotation_;
    const Rotation& rotation() const;
};
