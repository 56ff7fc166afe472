#include "drawing/view.h"

#include "core/checked.h"

#include <cmath>
#include <cstdlib>

namespace {
// Integer division as the step computation needs it; a unit count of 0 cannot come from the
// controls, but a hand-made view state must not divide by zero.
int steps(int pixels, int units) {
    if (units == 0) throw MathError(fehlertext::DivisionDurchNull);
    return pixels / units;
}

// Origin plus a truncated offset, checked against the 32-bit range.
int offset(int origin, double value) {
    return trunc_int(static_cast<double>(origin) + static_cast<double>(trunc_int(value)));
}
} // namespace

void ViewState::setSize(int width, int height) {
    Width = width;
    Height = height;
    resetOrigin();
}

void ViewState::resetOrigin() {
    UrsprungX = trunc_int((1.0 - std::sqrt(2.0) / 2.0) * Width);
    UrsprungY = trunc_int(std::sqrt(2.0) * Height / 2.0);
}

void ViewState::computeSteps() {
    SchrittXh = steps(UrsprungX, EinheitenX);
    SchrittXv = steps(minus_int(Height, UrsprungY), EinheitenX);
    SchrittY = steps(minus_int(Width, UrsprungX), EinheitenY);
    SchrittZ = steps(UrsprungY, EinheitenZ);
}

const ViewState::Rotation& ViewState::rotation() const {
    Rotation& r = rotation_;
    if (!r.valid || r.wx != WinkelX || r.wy != WinkelY || r.wz != WinkelZ) {
        const double a = WinkelZ * PI / 180.0;
        const double b = WinkelY * PI / 180.0;
        const double c = WinkelX * PI / 180.0;
        r.sinZ = std::sin(a);
        r.cosZ = std::cos(a);
        r.sinY = std::sin(b);
        r.cosY = std::cos(b);
        r.sinX = std::sin(c);
        r.cosX = std::cos(c);
        r.wx = WinkelX;
        r.wy = WinkelY;
        r.wz = WinkelZ;
        r.valid = true;
    }
    return r;
}

void ViewState::RealToScr(double x, double y, double z, int& sx, int& sy) const {
    const Rotation& r = rotation();
    // Each rotation uses the coordinates from before its own step.
    const double x1 = x * r.cosZ + y * r.sinZ;
    const double y1 = -x * r.sinZ + y * r.cosZ;
    const double x2 = x1 * r.cosY + z * r.sinY;
    const double z1 = -x1 * r.sinY + z * r.cosY;
    const double y2 = y1 * r.cosX + z1 * r.sinX;
    const double z2 = -y1 * r.sinX + z1 * r.cosX;
    // The origin lies inside the truncation for sx and outside it for sy.
    sx = trunc_int(UrsprungX - SchrittXh * x2 + SchrittY * y2);
    sy = offset(UrsprungY, SchrittXv * x2 - SchrittZ * z2);
}

bool ViewState::inside(double x, double y, double z) const {
    return -EinheitenX < x && x < EinheitenX && -EinheitenY < y && y < EinheitenY &&
           -EinheitenZ < z && z < EinheitenZ;
}

int ViewState::moreUnits(int units) {
    return plus_int(units, 10);
}

int ViewState::fewerUnits(int units) {
    int u = minus_int(units, 10);
    return u < 5 ? 5 : u;
}

void ViewState::resetPlaneView() {
    Ursprung2X = Width / 2;
    Ursprung2Y = Height / 2;
    Einheiten2X = 10;
    Einheiten2Y = 10;
    computePlaneSteps();
}

void ViewState::computePlaneSteps() {
    Schritt2X = steps(Ursprung2X, Einheiten2X);
    Schritt2Y = steps(Ursprung2Y, Einheiten2Y);
}

// Rounded to the nearest pixel. Drawing and the hit test of dragged points both map through
// here, so a point is found exactly where it is drawn.
void ViewState::planeToScreen(double x, double y, int& sx, int& sy) const {
    sx = trunc_int(static_cast<double>(Ursprung2X) + std::round(Schritt2X * x));
    sy = trunc_int(static_cast<double>(Ursprung2Y) - std::round(Schritt2Y * y));
}

bool ViewState::planeMappable() const {
    return Schritt2X >= 1 && Schritt2Y >= 1;
}

void ViewState::screenToPlane(int sx, int sy, double& x, double& y) const {
    const double qx = teile(static_cast<double>(sx) - Ursprung2X, Schritt2X) * 10.0;
    const double qy = teile(static_cast<double>(Ursprung2Y) - sy, Schritt2Y) * 10.0;
    x = std::trunc(qx) / 10.0;
    y = std::trunc(qy) / 10.0;
}

bool ViewState::nearOrigin(int x, int y) const {
    return std::llabs(static_cast<long long>(UrsprungX) - x) <= 5 &&
           std::llabs(static_cast<long long>(UrsprungY) - y) <= 5;
}

bool ViewState::nearPlaneOrigin(int x, int y) const {
    return std::llabs(static_cast<long long>(Ursprung2X) - x) <= 5 &&
           std::llabs(static_cast<long long>(Ursprung2Y) - y) <= 5;
}
