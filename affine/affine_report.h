#pragma once
// The affine scene on the result sheet: the map's equation as a matrix block, the analysis of
// the shown map, the definitions by points, the options and the objects with their images.
#include "core/scene.h"
#include "sheet/anchors.h"

#include <string>
#include <vector>

class Sheet;

// "u*x + v*y = w" with the line's name in front ("g: -1*x + 2*y = 4").
std::string GeradeGl2Text(const TGeradeGl2& g);

// name (on the first row) + the matrix between bars, " |*x + " and the translation column. With
// anchors (six, in storage order) it records where each number stands. y advances two rows.
void Abbildung_ausgeben(Sheet& s, const std::string& name, const TAbbildung2& m, int x, int& y,
                        FieldAnchor* anker = nullptr);

// The analysis of the map: equation, determinant, characteristic equation, fixed points, eigen
// directions, type and fixed lines, and the normal form when the option is on.
void Abbildung_analysieren(Sheet& s, const TAbbildung2& m, const affine::Analyse& a,
                           bool normalform, FieldAnchor* anker, int x, int& y);

// The whole affine scene's report.
void Affin_ausgeben(Sheet& s, const Szene& szene, int x, int& y);

// What the construction display writes for a composition of the two maps, line by line.
std::vector<std::string> Verkettungstext(const TAbbildung2& erste, const TAbbildung2& zweite);
