#pragma once
// The option entries of the drawing window's plane context-menu groups as one table, so that
// the window's menu and the headless runner switch them the same way.
#include "core/scene.h"

#include <span>
#include <string>
#include <string_view>

struct PlaneOption {
    enum class Art {
        Schalter,     // toggles its flag
        Alle,         // toggles its own check mark and sets the six triangle options to it
        Gitter,       // toggles the grid; afterwards the plane figures are recomputed and reported
        Konstruktion, // toggles the ellipse construction, which the report shows too; as Gitter
    };
    const char* group;   // "Zweidim. Dreieck"
    const char* caption; // "mit Höhen"
    bool Optionen::*flag;
    Art art = Art::Schalter;
};

// Every plane option entry in menu order (an entry may stand in two groups: the grid).
std::span<const PlaneOption> planeOptions();
// The entry at "group/caption"; nullptr when there is none.
const PlaneOption* findPlaneOption(std::string_view path);
// Applies a click on the entry. True when the plane figures must be recomputed and reported
// again (as after a mouse release), otherwise a redraw is enough. The ellipse construction's
// flag is also the scene's, since the report reads it.
bool applyPlaneOption(Optionen& optionen, const PlaneOption& option, Szene* szene = nullptr);
