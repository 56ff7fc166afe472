#pragma once
// Small pieces shared by the line and the plane reports.
#include "core/objects.h"
#include "sheet/sheet.h"

#include <string>

namespace linienberichte {

// Input objects stand out in dark red; everything computed is black. The guard switches the
// colour back also when a computation in between throws.
class Hervorgehoben {
public:
    explicit Hervorgehoben(Sheet& s) : s_(s) { s_.Schriftfarbe(farbe::Dunkelrot); }
    ~Hervorgehoben() { s_.Schriftfarbe(farbe::Schwarz); }
    Hervorgehoben(const Hervorgehoben&) = delete;
    Hervorgehoben& operator=(const Hervorgehoben&) = delete;

private:
    Sheet& s_;
};

// Line i of the task in the highlight colour, its support point and direction registered.
void eingabeGerade(Sheet& s, const TGerade& g, int i, int x, int y);
// Point k of the task in the highlight colour, registered as punkt[k].
void eingabePunkt(Sheet& s, const TPunkt& P, int k, int x, int y);

// y := the row below the last text written, then one row further down (the row after a blank
// one), and the line's distance from the origin there: "Abstand vom Ursprung: <name> = ...".
void abstandVomUrsprung(Sheet& s, const TGerade& g, const std::string& name, int x, int& y);

} // namespace linienberichte
