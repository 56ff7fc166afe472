#include "core/trig_tables.h"

#include "core/vector.h"

#include <cmath>

TrigTabellen& trigTabellen() {
    static TrigTabellen t;
    return t;
}

void Tabellen_fuellen() {
    TrigTabellen& t = trigTabellen();
    for (int i = 0; i <= 360; ++i) {
        t.SinTab[i] = std::sin(i * PI / 180.0);
        t.CosTab[i] = std::cos(i * PI / 180.0);
    }
    t.gefuellt = true;
}
