#pragma once
// Building blocks of the dialog table's rows: the formula pieces that many dialogs share.
#include "app/dialog_table.h"

#include <initializer_list>
#include <string>
#include <vector>

namespace dialog_rows {

DialogItem label(std::string text);
DialogItem raised(std::string text);
DialogItem fields(int rows, int columns, std::string separator = "", std::string heading = "");
DialogItem column(int rows = 3);

// "P( x / y / z )" and "P( x / y )".
DialogLine point(const std::string& name);
DialogLine point2(const std::string& name);
// "g: x =" support point column "+ r" direction column.
DialogLine line(const std::string& lead);
// "E: x =" support point column "+ r" column "+ s" column.
DialogLine planePar(const std::string& lead);
// "E:" normal column "x  -" constant "= 0".
DialogLine planeNorm(const std::string& name);
// "K:" "(x  -" centre column ")²" "=" radius "²".
DialogLine sphereM(const std::string& name);
// "K:" "x²  -" column "x  -" constant "= 0".
DialogLine sphereV(const std::string& name);
// Vectors side by side, each a column of three under its name.
DialogLine vectors(std::initializer_list<const char*> names);
// A line of the plane by its equation: name, u "x +" v "y =" w.
DialogLine equation2(const std::string& name);
// "name =" and a square block of fields, read row by row.
DialogLine matrix(const std::string& name, int size);
// A line of labels only.
DialogLine text(const std::string& words);

// Splits "1, 2, ·, 4" at the commas (blanks around the texts dropped).
std::vector<std::string> texts(const std::string& list);

void addSpaceRows(std::vector<DialogRow>& table);
void addPlaneRows(std::vector<DialogRow>& table);

} // namespace dialog_rows
