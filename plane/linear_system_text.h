#pragma once
// What the two linear-system dialogs show after an elimination: the reduced matrix, the
// solution line and the remark about infinitely many solutions.
#include "plane/matrix.h"

#include <string>
#include <vector>

struct LGSAnzeige {
    std::vector<std::string> matrix; // "Vereinfachte Matrix:", then one line per row
    std::string loesung; // "x1 = 2;  x2 = -3;  x3 = -4" or "Es existiert keine Lösung !"
    std::string
        hinweis; // "(unendl. viele Lösugen)" (2×2), "(unendl. viele Lösungen !)" (3×3), or ""
};

LGSAnzeige LGS_anzeigen(const LGSLoesung<2>& l);
LGSAnzeige LGS_anzeigen(const LGSLoesung<3>& l);

// One unknown's value: the number, "t", or the constant followed by " - " or " + " and the size
// of each parameter's coefficient ("3 - 2 t").
std::string Loesungsterm(const LGSWert& w);
