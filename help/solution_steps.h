#pragma once
// Steps that several worked solutions share: lengths, angles, the forms of planes and spheres
// and their conversions, distances through the Hesse normal form. Each writes its lines and
// returns what the next step needs.
#include "core/objects.h"
#include "help/solution_layout.h"

#include <string>

struct Szene;

// "a·x1 + b·x2 + c·x3 = d" with the signs written out.
std::string coordinateEquation(const TPunkt& n, double d);
// "n1·p1 + n2·p2 + n3·p3" with negative factors in brackets.
std::string products(const TPunkt& n, const TPunkt& p);
// "name" + column of p + " + r" + column of u: a line in parameter form.
Block lineBlock(const std::string& name, const TGerade& g, const std::string& parameter = "r");
Block planeBlock(const std::string& name, const TEbene& E);
// "name" + column of n + " · x = d".
Block normalFormBlock(const std::string& name, const TEbeneNorm& E);
// "|label| = -/(x² + y² + z²) = length"; returns the length.
double lengthLines(SolutionText& out, const std::string& label, const TPunkt& v);
// cos(name) = (u · v) / (|u| · |v|) with the vectors as columns; between two directions the
// acute angle (|u · v|), between two vectors the angle itself. Returns the angle in degrees.
double angleLines(SolutionText& out, const std::string& name, const TPunkt& u, const TPunkt& v,
                  bool acute = true);
// The plane in normal form: written as given, or converted from parameter form through the
// vector product of the directions.
TEbeneNorm normalForm(SolutionText& out, const std::string& name, const TEbene& E);
// The Hesse normal form of E; returns it.
TEbeneNorm hesseLines(SolutionText& out, const std::string& name, const TEbeneNorm& E);
// The distance of P from E through the Hesse normal form H (|n0·p − d0|); returns it.
double distanceLines(SolutionText& out, const std::string& label, const TPunkt& P,
                     const TEbeneNorm& H);
// A sphere in centre form; from vector form through completing the square.
TKugel centreForm(SolutionText& out, const TKugelV& V, const std::string& name = "K");
Block sphereBlock(const std::string& name, const TKugel& K);
// The foot of the perpendicular from P onto E and the line through both.
TPunkt footOnPlaneLines(SolutionText& out, const std::string& pointName, const TPunkt& P,
                        const TEbeneNorm& E, const std::string& footName);
