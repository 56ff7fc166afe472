#include "drawing/plane_primitives.h"

#include "core/trig_tables.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace {

void moveTo2(DrawContext& z, double x, double y) {
    int sx, sy;
    z.view.planeToScreen(x, y, sx, sy);
    z.canvas.spacePoint(x, y, 0);
    z.canvas.moveTo(sx, sy);
}

void lineTo2(DrawContext& z, double x, double y) {
    int sx, sy;
    z.view.planeToScreen(x, y, sx, sy);
    z.canvas.spacePoint(x, y, 0);
    z.canvas.lineTo(sx, sy);
}

// Number of whole steps k ≥ 1 after which p + k·d is no longer strictly inside the shown units;
// infinity for a zero direction (the stepping would never leave).
double stepsToLeave(const ViewState& v, double px, double py, double dx, double dy) {
    const double inf = std::numeric_limits<double>::infinity();
    if (!std::isfinite(px) || !std::isfinite(py) || !std::isfinite(dx) || !std::isfinite(dy))
        return 1; // let the mapping meet the broken value and report it
    double hi = inf;
    const double p[2] = {px, py}, d[2] = {dx, dy};
    const double e[2] = {static_cast<double>(v.Einheiten2X), static_cast<double>(v.Einheiten2Y)};
    for (int i = 0; i < 2; ++i) {
        if (d[i] == 0) {
            if (!(-e[i] < p[i] && p[i] < e[i])) return 1;
            continue;
        }
        hi = std::min(hi, std::max((-e[i] - p[i]) / d[i], (e[i] - p[i]) / d[i]));
    }
    return hi <= 1 ? 1 : std::ceil(hi);
}

void stepOneWay(DrawContext& z, double px, double py, double dx, double dy) {
    const double k = stepsToLeave(z.view, px, py, dx, dy);
    if (!std::isfinite(k)) return;
    moveTo2(z, px, py);
    if (k > MaxLinienSchritte) {
        // A tiny direction: one segment to where the stepping would leave.
        lineTo2(z, px + k * dx, py + k * dy);
        return;
    }
    double x = px, y = py;
    for (int i = 0; i < static_cast<int>(k); ++i) {
        x += dx;
        y += dy;
        lineTo2(z, x, y);
    }
}

} // namespace

void ZeichnePunkt2(DrawContext& z, const TPunkt2& P) {
    int sx, sy;
    z.view.planeToScreen(P.x, P.y, sx, sy);
    const TFarbe f = z.colour(P.Farbe);
    z.canvas.setPenColor(f);
    z.canvas.setFontColor(f);
    z.canvas.spacePoint(P.x, P.y, 0);
    z.canvas.rectangle(sx - 2, sy - 2, sx + 2, sy + 2);
    if (!P.Name.empty()) {
        z.canvas.spacePoint(P.x, P.y, 0);
        z.canvas.textOut(sx + 2, sy - 2, P.Name);
    }
}

void ZeichneStrecke2(DrawContext& z, const TPunkt2& P, const TPunkt2& Q, int breite) {
    z.canvas.setPenWidth(breite);
    moveTo2(z, P.x, P.y);
    lineTo2(z, Q.x, Q.y);
}

void ZeichneGerade2(DrawContext& z, const TGerade2& g, TFarbe farbe, int breite) {
    const TPunkt2 &p = g.Stuetz, &d = g.Richtung;
    if (d.x == 0 && d.y == 0) return;
    z.canvas.setPenStyle(PenStyle::Solid);
    z.canvas.setPenColor(z.colour(farbe));
    z.canvas.setPenWidth(breite);
    stepOneWay(z, p.x, p.y, d.x, d.y);
    stepOneWay(z, p.x, p.y, -d.x, -d.y);
    z.canvas.setPenWidth(1);
}

void ZeichneKreis2(DrawContext& z, const TPunkt2& M, TFarbe farbe, double radius) {
    const TrigTabellen& t = trigTabellen();
    if (!t.gefuellt) Tabellen_fuellen();
    z.canvas.setPenColor(z.colour(farbe));
    moveTo2(z, M.x + radius * t.CosTab[0], M.y + radius * t.SinTab[0]);
    for (int k = 1; k <= 360; ++k)
        lineTo2(z, M.x + radius * t.CosTab[k], M.y + radius * t.SinTab[k]);
}

void ZeichneAchsen2(DrawContext& z, TFarbe farbe) {
    Canvas& c = z.canvas;
    const ViewState& v = z.view;
    const TFarbe achse = z.colour(farbe);
    c.setPenColor(achse);
    c.setPenWidth(1);
    c.setPenStyle(PenStyle::Solid);
    const int ox = v.Ursprung2X, oy = v.Ursprung2Y, w = v.Width, h = v.Height;
    for (const auto& [x, y] :
         {std::pair{ox, 0}, std::pair{ox, h}, std::pair{0, oy}, std::pair{w, oy}}) {
        c.moveTo(ox, oy);
        c.lineTo(x, y);
    }
    // Steps below one pixel would never reach an edge.
    if (!v.planeMappable()) return;
    // The ticks first, then the grid lines through them, so that the pen changes twice rather
    // than twice per tick.
    std::vector<int> cols, rows;
    const long long sx = v.Schritt2X, sy = v.Schritt2Y;
    // Positions are taken in 64 bits: the last tick may fall just outside the window.
    for (long long col = ox; col < w;) cols.push_back(static_cast<int>(col += sx));
    for (long long col = ox; col > 0;) cols.push_back(static_cast<int>(col -= sx));
    for (long long row = oy; row < h;) rows.push_back(static_cast<int>(row += sy));
    for (long long row = oy; row > 0;) rows.push_back(static_cast<int>(row -= sy));
    for (int x : cols) {
        c.moveTo(x, oy - 3);
        c.lineTo(x, oy + 3);
    }
    for (int y : rows) {
        c.moveTo(ox - 3, y);
        c.lineTo(ox + 3, y);
    }
    if (!z.optionen.Koordinatengitter) return;
    c.setPenColor(z.colour(farbe::Silber));
    c.setPenStyle(PenStyle::Dot);
    for (int x : cols) {
        c.moveTo(x, 0);
        c.lineTo(x, h);
    }
    for (int y : rows) {
        c.moveTo(0, y);
        c.lineTo(w, y);
    }
    c.setPenColor(achse);
    c.setPenStyle(PenStyle::Solid);
}
