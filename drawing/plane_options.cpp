#include "drawing/plane_options.h"

namespace {

using A = PlaneOption::Art;

const PlaneOption table[] = {
    {"Zweidim. Dreieck", "mit_Seitenmitten", &Optionen::Seitenmitten},
    {"Zweidim. Dreieck", "mit Seitenhalbierende", &Optionen::Seitenhalbierende},
    {"Zweidim. Dreieck", "mit Mittelsenkrechte", &Optionen::Mittelsenkrechte},
    {"Zweidim. Dreieck", "mit Höhen", &Optionen::Hoehen},
    {"Zweidim. Dreieck", "mit Winkelhalbierende", &Optionen::Winkelhalbierende},
    {"Zweidim. Dreieck", "mit Eulergerade", &Optionen::Eulergerade},
    {"Zweidim. Dreieck", "allen besondere Linien", &Optionen::AlleLinien, A::Alle},
    {"Zweidim. Dreieck", "mit Koordinatengitter", &Optionen::Koordinatengitter, A::Gitter},
    {"Ellipse", "Konstruktion zeigen", &Optionen::EllipseKonstruktion, A::Konstruktion},
    {"Ellipse", "mit Koordinatengitter", &Optionen::Koordinatengitter, A::Gitter},
};

} // namespace

std::span<const PlaneOption> planeOptions() {
    return table;
}

const PlaneOption* findPlaneOption(std::string_view path) {
    for (const PlaneOption& o : table)
        if (path == std::string(o.group) + "/" + o.caption) return &o;
    return nullptr;
}

bool applyPlaneOption(Optionen& optionen, const PlaneOption& option, Szene* szene) {
    bool& flag = optionen.*option.flag;
    flag = !flag;
    if (szene) szene->EllipseKonstruktion = optionen.EllipseKonstruktion;
    if (option.art == A::Alle)
        for (bool Optionen::*f :
             {&Optionen::Seitenmitten, &Optionen::Seitenhalbierende, &Optionen::Mittelsenkrechte,
              &Optionen::Hoehen, &Optionen::Winkelhalbierende, &Optionen::Eulergerade})
            optionen.*f = flag;
    return option.art == A::Gitter || option.art == A::Konstruktion;
}
