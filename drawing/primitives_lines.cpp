// Lines stepped through the visible box, and their projections onto the coordinate planes.
#include "drawing/primitives.h"

#include <algorithm>
#include <cmath>
#include <limits>

double stepsUntilOutside(const ViewState& view, const TKoord& p, const TKoord& u) {
    const double inf = std::numeric_limits<double>::infinity();
    const double pv[3] = {p.x, p.y, p.z};
    const double uv[3] = {u.x, u.y, u.z};
    const double ev[3] = {static_cast<double>(view.EinheitenX),
                          static_cast<double>(view.EinheitenY),
                          static_cast<double>(view.EinheitenZ)};
    // The parameters t with p + t·u strictly inside the box form the open interval (lo, hi).
    double lo = -inf, hi = inf;
    for (int i = 0; i < 3; ++i) {
        // Let the stepping meet the broken value, so that projecting it reports the error.
        if (!std::isfinite(pv[i]) || !std::isfinite(uv[i])) return 1;
        if (uv[i] == 0) {
            if (!(-ev[i] < pv[i] && pv[i] < ev[i])) return 1;
            continue;
        }
        const double t1 = (-ev[i] - pv[i]) / uv[i];
        const double t2 = (ev[i] - pv[i]) / uv[i];
        lo = std::max(lo, std::min(t1, t2));
        hi = std::min(hi, std::max(t1, t2));
    }
    // The first step always happens; it is the last one unless it lands inside.
    if (!(lo < 1 && 1 < hi)) return 1;
    return std::ceil(hi);
}

namespace {
void stepOneWay(DrawContext& z, const TKoord& p, const TKoord& d) {
    const double k = stepsUntilOutside(z.view, p, d);
    if (k <= MaxLinienSchritte) {
        // Whole direction vectors, added up as the stepping always did; the last segment
        // crosses the box boundary and is drawn whole.
        z.moveTo(p);
        TKoord c = p;
        for (int i = 0; i < 2 * MaxLinienSchritte; ++i) {
            c = {c.x + d.x, c.y + d.y, c.z + d.z};
            z.lineTo(c);
            if (!z.view.inside(c.x, c.y, c.z)) break;
        }
    } else if (std::isfinite(k)) {
        // A tiny direction: one segment to where the stepping would have left the box.
        z.moveTo(p);
        z.lineTo(p.x + k * d.x, p.y + k * d.y, p.z + k * d.z);
    }
    // Otherwise the stepping never leaves the box (zero direction): only the support point
    // exists, and the caller has drawn it.
}
} // namespace

void Gerade_schrittweise(DrawContext& z, const TKoord& p, const TKoord& u, TFarbe farbe) {
    z.canvas.setPenStyle(PenStyle::Solid);
    z.canvas.setPenColor(z.colour(farbe));
    stepOneWay(z, p, u);
    stepOneWay(z, p, {-u.x, -u.y, -u.z});
}

void GeradeZeichnen(DrawContext& z, const TGerade& g, int breite) {
    z.canvas.setPenWidth(1);
    PunktZeichnen_mit_hilfslinien(z, g.Stuetz);
    z.canvas.setPenWidth(breite);
    Gerade_schrittweise(z, g.Stuetz.koord(), g.Richtung.koord(), g.Farbe);
    z.canvas.setPenWidth(1);
}

void Projektionsgeraden_zeichnen(DrawContext& z, const TGerade& g, TFarbe farbe) {
    const TPunkt& p = g.Stuetz;
    const TPunkt& u = g.Richtung;
    Gerade_schrittweise(z, {0, p.y, p.z}, {0, u.y, u.z}, farbe);
    Gerade_schrittweise(z, {p.x, 0, p.z}, {u.x, 0, u.z}, farbe);
    Gerade_schrittweise(z, {p.x, p.y, 0}, {u.x, u.y, 0}, farbe);
}
