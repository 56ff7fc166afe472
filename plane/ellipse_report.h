#pragma once
// The ellipse tasks' reports on the result sheet.
#include "plane/ellipse_task.h"

#include <string>

class Sheet;

// "y=m*x + c" ("y=m*x -c" for a negative intercept) behind `vorsatz`, or `senkrecht` + "k" for a
// vertical line.
std::string Geradentext2(const Gerade2MC& g, const std::string& vorsatz,
                         const std::string& senkrecht);

// Writes the report of task `art` from row y on at column x: the given data (editable numbers
// registered: points as pair anchors 0..2, single numbers and the line as zahl2 anchors), the
// ellipse block with its two-line equation, and the task's results; or the impossibility line.
void Ellipse_ausgeben(Sheet& s, Ellipsenart art, const EllipsenEingabe& in, const EllipsenDaten& d,
                      int x, int& y);
