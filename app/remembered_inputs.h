#pragma once
// The remembered last inputs of the input dialogs: one array of texts per kind of object. A
// dialog fills its fields from its groups when it opens and writes them back on OK, so the last
// values of a kind of object reappear in every dialog that asks for that kind of object. The
// texts live for the whole run and are never saved.
#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

// One group of remembered texts. `None` marks dialog fields that are not remembered.
enum class InputGroup {
    None,
    Point,         // P: x, y, z
    TwoPoints,     // P, Q
    Triangle,      // A, B, C
    Quadrilateral, // A, B, C, D
    FourPoints,    // A, B, C, D (tetrahedron, sphere through four points)
    Line,          // support point, direction
    Line1,
    Line2,
    PlanePar,  // support point, two directions
    PlaneNorm, // normal vector, constant
    PlanePar1,
    PlanePar2,
    PlaneNorm1,
    PlaneNorm2,
    SphereM, // centre, radius
    SphereV, // vector of the equation, constant
    SphereM1,
    SphereM2,
    SphereV1,
    SphereV2,
    VectorP,
    VectorQ,
    VectorR,
    VectorS,
    DivisionRatio, // A, B, T
    PlaneTriangle, // A, B, C with x, y each
    Ellipse,       // centre x, y, half axes a, b
    Ellipse2,
    Eccentricity,
    EllipsePoint, // the plane point of the ellipse tasks
    Tangent,      // u, v, w of u·x + v·y = w
    Focus1,
    Focus2,
    EllipseP,
    EllipseQ,
    Matrix2, // row by row
    Matrix2b,
    Matrix3,
    Matrix3b,
    PlaneVector,
    SpaceVector,
    Map1, // a11, a21, a12, a22, b1, b2
    Map2,
    Map3,
    ThreePointsAndImages,           // P, Q, R, P', Q', R'
    PointImageAndFixedPoints,       // P, P', F1, F2
    PointImageAndLineOfFixedPoints, // P, P', u, v, w
};

struct LetzteEingaben {
    template <std::size_t N> using Texts = std::array<std::string, N>;

    Texts<3> point;
    Texts<6> twoPoints;
    Texts<9> triangle;
    Texts<12> quadrilateral;
    Texts<12> fourPoints;
    Texts<6> line, line1, line2;
    Texts<9> planePar;
    Texts<4> planeNorm;
    Texts<9> planePar1, planePar2;
    Texts<4> planeNorm1, planeNorm2;
    Texts<4> sphereM, sphereV;
    Texts<4> sphereM1, sphereM2, sphereV1, sphereV2;
    Texts<3> vectorP, vectorQ, vectorR, vectorS;
    Texts<9> divisionRatio;
    Texts<6> planeTriangle;
    Texts<4> ellipse, ellipse2;
    Texts<1> eccentricity;
    Texts<2> ellipsePoint;
    Texts<3> tangent;
    Texts<2> focus1, focus2;
    Texts<2> ellipseP, ellipseQ;
    Texts<4> matrix2, matrix2b;
    Texts<9> matrix3, matrix3b;
    Texts<2> planeVector;
    Texts<3> spaceVector;
    Texts<6> map1, map2, map3;
    Texts<12> threePointsAndImages;
    Texts<8> pointImageAndFixedPoints;
    Texts<7> pointImageAndLineOfFixedPoints;

    // The texts of a group; empty for InputGroup::None.
    std::span<std::string> group(InputGroup g);
    std::span<const std::string> group(InputGroup g) const;
};

// Puts the first-use values into the groups that have them (triangle, quadrilateral, four
// points, plane in normal form and the plane, ellipse and matrix groups); the other groups keep
// their texts. The main window calls this once, when it is first shown.
void seedFirstUseValues(LetzteEingaben& inputs);

// A remembered text holds at most 255 characters; longer texts are cut (UTF-8 aware).
inline constexpr std::size_t maxRememberedLength = 255;
std::string cutToRememberedLength(std::string_view text);
