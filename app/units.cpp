#include "app/units.h"

#include "core/checked.h"
#include "drawing/view.h"

namespace {

int weniger(int anzahl) {
    const int n = minus_int(anzahl, 10);
    return n < 2 ? 5 : n;
}

int mehr(int anzahl) {
    return plus_int(anzahl, 10);
}

// Works out every new count before it changes any, so that an overflow leaves the view as it was.
template <class Schritt> void aendern(ViewState& v, Schritt schritt) {
    if (v.zweidim) {
        const int x = schritt(v.Einheiten2X), y = schritt(v.Einheiten2Y);
        v.Einheiten2X = x;
        v.Einheiten2Y = y;
        v.computePlaneSteps();
    } else {
        const int x = schritt(v.EinheitenX), y = schritt(v.EinheitenY), z = schritt(v.EinheitenZ);
        v.EinheitenX = x;
        v.EinheitenY = y;
        v.EinheitenZ = z;
    }
}

} // namespace

void zehnEinheitenMehr(ViewState& v) {
    aendern(v, mehr);
}
void zehnEinheitenWeniger(ViewState& v) {
    aendern(v, weniger);
}
