#pragma once
// Steps that the worked solutions of the ellipse tasks share: numbers as the ellipse report
// writes them, the ellipse's equation and parameters, the tangent or polar at a point and a
// line put into the ellipse.
#include "help/solution_layout.h"
#include "plane/ellipse_task.h"

#include <string>

namespace worked_ellipse {

// A number as the ellipse report writes it: a rounding remainder is 0, never "-0".
std::string zahl(double v);
// The same, negative numbers in brackets so that they can follow an operator.
std::string klammer(double v);
std::string punkt(const std::string& label, const TPunkt2& P);
// "y=m*x + c" or "x = k" behind the prefix, as on the sheet.
std::string gerade(const std::string& vorsatz, const Gerade2MC& g);
// "u·x + v·y = w" of a typed line.
std::string gleichung(const TGeradeGl2& t);

// The ellipse's equation as two fractions, its linear eccentricity, foci and vertices.
void parameterLines(SolutionText& out, const std::string& name, const TEllipse2& E,
                    const Ellipsenpunkte& p);
// The line x·x0/a² + y·y0/b² = 1 (x0, y0 relative to M) through P: the tangent when P lies on
// the ellipse, the polar when it lies outside; t is the line the task computed, p the point's
// name.
void tangentLines(SolutionText& out, const std::string& name, const TEllipse2& E, const TPunkt2& P,
                  const Gerade2MC& t, const std::string& p = "P");
// The line put into the ellipse: the quadratic, its discriminant and the number of solutions
// (lage as LageEllipseGerade decides it). The caller writes the points.
void intersectionLines(SolutionText& out, const TEllipse2& E, const Gerade2MC& g, int lage);
// The tangent as y = m·x + c from its equation u·x + v·y = w.
void slopeLines(SolutionText& out, const TGeradeGl2& t, const Gerade2MC& g);

} // namespace worked_ellipse
