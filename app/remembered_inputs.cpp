#include "app/remembered_inputs.h"

#include <initializer_list>

namespace {

template <std::size_t N>
void seed(std::array<std::string, N>& texts, std::initializer_list<const char*> values) {
    std::size_t i = 0;
    for (const char* v : values)
        if (i < N) texts[i++] = v;
}

} // namespace

std::span<std::string> LetzteEingaben::group(InputGroup g) {
    switch (g) {
    case InputGroup::None:
        return {};
    case InputGroup::Point:
        return point;
    case InputGroup::TwoPoints:
        return twoPoints;
    case InputGroup::Triangle:
        return triangle;
    case InputGroup::Quadrilateral:
        return quadrilateral;
    case InputGroup::FourPoints:
        return fourPoints;
    case InputGroup::Line:
        return line;
    case InputGroup::Line1:
        return line1;
    case InputGroup::Line2:
        return line2;
    case InputGroup::PlanePar:
        return planePar;
    case InputGroup::PlaneNorm:
        return planeNorm;
    case InputGroup::PlanePar1:
        return planePar1;
    case InputGroup::PlanePar2:
        return planePar2;
    case InputGroup::PlaneNorm1:
        return planeNorm1;
    case InputGroup::PlaneNorm2:
        return planeNorm2;
    case InputGroup::SphereM:
        return sphereM;
    case InputGroup::SphereV:
        return sphereV;
    case InputGroup::SphereM1:
        return sphereM1;
    case InputGroup::SphereM2:
        return sphereM2;
    case InputGroup::SphereV1:
        return sphereV1;
    case InputGroup::SphereV2:
        return sphereV2;
    case InputGroup::VectorP:
        return vectorP;
    case InputGroup::VectorQ:
        return vectorQ;
    case InputGroup::VectorR:
        return vectorR;
    case InputGroup::VectorS:
        return vectorS;
    case InputGroup::DivisionRatio:
        return divisionRatio;
    case InputGroup::PlaneTriangle:
        return planeTriangle;
    case InputGroup::Ellipse:
        return ellipse;
    case InputGroup::Ellipse2:
        return ellipse2;
    case InputGroup::Eccentricity:
        return eccentricity;
    case InputGroup::EllipsePoint:
        return ellipsePoint;
    case InputGroup::Tangent:
        return tangent;
    case InputGroup::Focus1:
        return focus1;
    case InputGroup::Focus2:
        return focus2;
    case InputGroup::EllipseP:
        return ellipseP;
    case InputGroup::EllipseQ:
        return ellipseQ;
    case InputGroup::Matrix2:
        return matrix2;
    case InputGroup::Matrix2b:
        return matrix2b;
    case InputGroup::Matrix3:
        return matrix3;
    case InputGroup::Matrix3b:
        return matrix3b;
    case InputGroup::PlaneVector:
        return planeVector;
    case InputGroup::SpaceVector:
        return spaceVector;
    case InputGroup::Map1:
        return map1;
    case InputGroup::Map2:
        return map2;
    case InputGroup::Map3:
        return map3;
    case InputGroup::ThreePointsAndImages:
        return threePointsAndImages;
    case InputGroup::PointImageAndFixedPoints:
        return pointImageAndFixedPoints;
    case InputGroup::PointImageAndLineOfFixedPoints:
        return pointImageAndLineOfFixedPoints;
    }
    return {};
}

std::span<const std::string> LetzteEingaben::group(InputGroup g) const {
    return const_cast<LetzteEingaben*>(this)->group(g);
}

void seedFirstUseValues(LetzteEingaben& in) {
    seed(in.triangle, {"4", "1", "0", "0", "6", "0", "0", "1", "7"});
    seed(in.quadrilateral, {"4", "1", "0", "0", "6", "2", "0", "1", "7", "2", "-3", "6"});
    seed(in.fourPoints, {"3", "0", "0", "0", "5", "0", "0", "0", "6", "-1", "-1", "0"});
    seed(in.planeNorm, {"0", "0", "1", "2"});
    seed(in.planeTriangle, {"-4", "-1", "4", "-1", "0", "6"});
    seed(in.ellipse, {"1", "1", "5", "3"});
    seed(in.ellipse2, {"1", "1", "4", "6"});
    seed(in.eccentricity, {"5"});
    seed(in.ellipsePoint, {"3", "3"});
    seed(in.tangent, {"1", "2", "10"});
    seed(in.focus1, {"-3", "2"});
    seed(in.focus2, {"2", "2"});
    seed(in.ellipseP, {"2", "4"});
    seed(in.ellipseQ, {"-2", "-1.5"});
    seed(in.matrix2, {"1", "2", "1", "0"});
    seed(in.matrix2b, {"1", "0", "-1", "3"});
    seed(in.matrix3, {"1", "0", "2", "-1", "1", "-1", "2", "-1", "1"});
    seed(in.matrix3b, {"0", "1", "-1", "2", "-2", "-1", "1", "0", "-2"});
    seed(in.planeVector, {"1", "1"});
    seed(in.spaceVector, {"1", "1", "1"});
}

std::string cutToRememberedLength(std::string_view text) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        // Count the first byte of every UTF-8 sequence; stop before the 256th character.
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            if (characters == maxRememberedLength) return std::string(text.substr(0, i));
            ++characters;
        }
    }
    return std::string(text);
}
