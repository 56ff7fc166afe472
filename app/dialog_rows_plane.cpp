// The rows of the plane dialogs: the triangle, the ellipse determinations, the matrices and the
// affine maps. Their objects get fixed colours from their tasks, so none has colour presets.
#include "app/dialog_rows.h"

namespace dialog_rows {

namespace {

using G = InputGroup;

DialogLine scalar(const std::string& name) {
    return {label(name + " ="), fields(1, 1)};
}

DialogLine halfAxes() {
    return {label("a ="), fields(1, 1), label("b ="), fields(1, 1)};
}

} // namespace

void addPlaneRows(std::vector<DialogRow>& t) {
    t.push_back({.className = "TDreieck2dlg",
                 .caption = "Dreieck:",
                 .lines = {point2("A"), point2("B"), point2("C")},
                 .bindings = {{G::PlaneTriangle, 0, 6}}});

    // Ellipse determinations
    t.push_back({.className = "TEllipsenGlnDlg",
                 .caption = "Ellipsengleichung:",
                 .lines = {point2("M"), halfAxes()},
                 .bindings = {{G::Ellipse, 0, 4}}});
    t.push_back({.className = "TEllipseEPDlg",
                 .caption = "Ellipse aus Exzentrizität und Punkt:",
                 .lines = {scalar("e"), point2("P")},
                 .bindings = {{G::Eccentricity, 0, 1}, {G::EllipsePoint, 0, 2}}});
    t.push_back({.className = "TEllipseHatDlg",
                 .caption = "Ellipse aus Halbachse a und Tangente:",
                 .lines = {scalar("a"), equation2("t:")},
                 .bindings = {{G::Ellipse, 2, 1}, {G::Tangent, 0, 3}}});
    // Typing F1's y also sets F2's y, so both foci start on one horizontal line.
    t.push_back({.className = "TEllipseF1F2PDlg",
                 .caption = "Ellipse aus zwei Brennpunkten und Punkt:",
                 .lines = {point2("F1"), point2("F2"), point2("P")},
                 .bindings = {{G::Focus1, 0, 2}, {G::Focus2, 0, 2}, {G::EllipseP, 0, 2}},
                 .copyFrom = 1,
                 .copyTo = 3});
    t.push_back({.className = "TEllipseFPtDlg",
                 .caption = "Ellipse aus Brennpunkt, Punkt und Tangente:",
                 .lines = {point2("F1"), point2("P"), equation2("t:")},
                 .bindings = {{G::Focus1, 0, 2}, {G::EllipseP, 0, 2}, {G::Tangent, 0, 3}}});
    // The focus lies on the x axis: its y field shows "0" at every opening and is not remembered.
    t.push_back({.className = "TEllipseFtDlg",
                 .caption = "Ellipse aus Brennpunkt und Tangente:",
                 .lines = {point2("F1"), equation2("t:")},
                 .bindings = {{G::Focus1, 0, 1}, {G::None, 0, 1}, {G::Tangent, 0, 3}},
                 .presetOnOpen = {{1, "0"}}});
    t.push_back({.className = "TEllipseMPQDlg",
                 .caption = "Êllipse aus Mittelpunkt und 2 Punkten:",
                 .lines = {point2("M"), point2("P"), point2("Q")},
                 .bindings = {{G::Ellipse, 0, 2}, {G::EllipseP, 0, 2}, {G::EllipseQ, 0, 2}}});
    t.push_back({.className = "TEllipseMatDlg",
                 .caption = "Ellipse aus Mittelpunkt, Achse, Tangente:",
                 .lines = {point2("M"), scalar("a"), equation2("t:")},
                 .bindings = {{G::Ellipse, 0, 3}, {G::Tangent, 0, 3}}});
    t.push_back({.className = "TEllipse_PunktDlg",
                 .caption = "Lage: Ellipse und bel. Punkt:",
                 .lines = {point2("M"), halfAxes(), point2("P")},
                 .bindings = {{G::Ellipse, 0, 4}, {G::EllipsePoint, 0, 2}}});
    t.push_back({.className = "TEllipse_GeradeDlg",
                 .caption = "Lage: Ellipse und Gerade:",
                 .lines = {point2("M"), halfAxes(), equation2("g:")},
                 .bindings = {{G::Ellipse, 0, 4}, {G::Tangent, 0, 3}}});
    t.push_back({.className = "TEllipse_EllipseDlg",
                 .caption = "Dialog",
                 .lines = {point2("M1"), halfAxes(), point2("M2"), halfAxes()},
                 .bindings = {{G::Ellipse, 0, 4}, {G::Ellipse2, 0, 4}}});

    // Matrices, read row by row
    t.push_back({.className = "TMatrix2x2Dlg",
                 .caption = "2x2 - Matrix:",
                 .lines = {matrix("M", 2)},
                 .bindings = {{G::Matrix2, 0, 4}}});
    t.push_back({.className = "TMatmult2x2Dlg",
                 .caption = "Matrizenmultiplikation (2x2 * 2x2) :",
                 .lines = {matrix("M1", 2), matrix("M2", 2)},
                 .bindings = {{G::Matrix2, 0, 4}, {G::Matrix2b, 0, 4}}});
    t.push_back({.className = "TMatMul3x3Dlg",
                 .caption = "Multiplikation zweier 3x3 - Matrizen:",
                 .lines = {matrix("M1", 3), matrix("M2", 3)},
                 .bindings = {{G::Matrix3, 0, 9}, {G::Matrix3b, 0, 9}}});
    t.push_back({.className = "TMatrix2x2VektorDlg",
                 .caption = "(2x2) - Matrix mal Vektor:",
                 .lines = {{label("M ="), fields(2, 2), label("v ="), column(2)}},
                 .bindings = {{G::Matrix2, 0, 4}, {G::PlaneVector, 0, 2}}});
    t.push_back({.className = "TMatrix3x3VektorDlg",
                 .caption = "(3x3) - Matrix mal Vektor:",
                 .lines = {{label("M ="), fields(3, 3), label("v ="), column(3)}},
                 .bindings = {{G::Matrix3, 0, 9}, {G::SpaceVector, 0, 3}}});

    // Affine maps. The equation dialog shows x' = A·x + b with the matrix as two columns, so
    // its fields are read column by column: a11, a21, a12, a22, b1, b2.
    {
        DialogItem slotLabel = label("a1:");
        slotLabel.objectName = "StaticText2";
        t.push_back({.className = "TAffAbbEingabeDlg",
                     .caption = "Abbildungsgleichung: Aff. Abb. Nr. ",
                     .lines = {{slotLabel},
                               {label("x' ="), column(2), column(2), label("· x  +"), column(2)}},
                     .bindings = {{G::Map1, 0, 6}},
                     .exampleCaption = "Beispiel",
                     .example = texts("1, 0, 0, 1, 0, 0"),
                     .affineSlot = true});
    }
    t.push_back(
        {.className = "TAffAbb3PDlg",
         .caption = "Aff. Abb.: Festgelegt durch 3 Punkte",
         .lines = {point2("P"), point2("Q"), point2("R"), point2("P'"), point2("Q'"), point2("R'")},
         .bindings = {{G::ThreePointsAndImages, 0, 12}},
         .exampleCaption = "Beispiel",
         .example = texts("1, 1, 1, 0, 0, 1, 3, 2, 3, 0, 0, 2")});
    t.push_back({.className = "TPunktFPunktDlg",
                 .caption = "Abbildung durch Punkt, Bildpunkt, Fixpunkte",
                 .lines = {point2("P"), point2("P'"), point2("F1"), point2("F2")},
                 .bindings = {{G::PointImageAndFixedPoints, 0, 8}},
                 .exampleCaption = "Beispiel",
                 .example = texts("1, 1, 3, 2, 1, 0, 0, 1")});
    t.push_back({.className = "TPunktFPGeradeDlg",
                 .caption = "Abb. durch Punkt und Fixpunktgerade:",
                 .lines = {point2("P"), point2("P'"), equation2("f:")},
                 .bindings = {{G::PointImageAndLineOfFixedPoints, 0, 7}},
                 .exampleCaption = "Beispiel",
                 .example = texts("1, 1, 3, 2, 1, 1, 1")});
}

} // namespace dialog_rows
