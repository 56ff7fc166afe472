// The triangle in the plane as a task kind: its drawing, and its row (report, drawing, the
// vertices as editable numbers and as draggable points, the context-menu group).
#include "drawing/plane_primitives.h"
#include "drawing/scene_drawing_internal.h"
#include "plane/triangle_report.h"
#include "sheet/input_clicks.h"
#include "sheet/task_kind.h"

namespace {

// The vertices and sides; with the options of "Zweidim. Dreieck" the special points and lines.
// Vertices on one line have no special points: only corners and sides are drawn.
void Dreieck2_zeichnen(SceneDraw& s) {
    DrawContext& z = s.z;
    const TPunkt2(&e)[3] = s.szene.SzeneDreieck2;
    const TDreieck2Daten& d = s.szene.Dreieck2;
    const Optionen& o = s.optionen;
    for (const TPunkt2& P : e) ZeichnePunkt2(z, P);
    ZeichneStrecke2(z, e[0], e[1], 2);
    ZeichneStrecke2(z, e[0], e[2], 2);
    ZeichneStrecke2(z, e[1], e[2], 2);
    z.canvas.setPenWidth(1);
    if (!d.Dreieck) return;

    if (o.Seitenmitten)
        for (const TPunkt2* P : {&d.Mc, &d.Ma, &d.Mb}) ZeichnePunkt2(z, *P);
    if (o.Seitenhalbierende) {
        for (const TGerade2* g : {&d.sa, &d.sb, &d.sc}) ZeichneGerade2(z, *g, farbe::Lime, 1);
        ZeichnePunkt2(z, d.S);
    }
    if (o.Mittelsenkrechte) {
        for (const TGerade2* g : {&d.ma, &d.mc, &d.mb}) ZeichneGerade2(z, *g, farbe::Aqua, 1);
        ZeichnePunkt2(z, d.M);
        ZeichneKreis2(z, d.M, farbe::Aqua, d.r);
    }
    if (o.Hoehen) {
        for (const TGerade2* g : {&d.hc, &d.ha, &d.hb}) ZeichneGerade2(z, *g, farbe::Rot, 1);
        ZeichnePunkt2(z, d.H);
        for (const TPunkt2* P : {&d.Ha, &d.Hb, &d.Hc}) ZeichnePunkt2(z, *P);
    }
    if (o.Winkelhalbierende) {
        for (const TGerade2* g : {&d.wc, &d.wa, &d.wb}) ZeichneGerade2(z, *g, farbe::Gelb, 1);
        ZeichnePunkt2(z, d.W);
        for (const TPunkt2* P : {&d.Wa, &d.Wb, &d.Wc}) ZeichnePunkt2(z, *P);
        ZeichneKreis2(z, d.W, farbe::Gelb, d.i);
    }
    if (o.Eulergerade) ZeichneGerade2(z, d.e, farbe::Gelb, 2);
}

const TaskKind rows[] = {
    {Szenenart::Dreieck2,
     [](Sheet& s, const Szene& z, int x, int& y) {
         Dreieck2_ausgeben(s, z.SzeneDreieck2, z.Dreieck2, x, y);
     },
     Dreieck2_zeichnen,
     [](Szene& z, InputClicks& k) {
         for (int i = 0; i < 3; ++i) k.paar(i, z.SzeneDreieck2[i]);
     },
     [](Szene& z) {
         const TPunkt2(&e)[3] = z.SzeneDreieck2;
         z.Dreieck2 = Dreieck2_berechnen(e[0], e[1], e[2]);
     },
     [](Szene& z) {
         std::vector<DragHandle> h;
         for (TPunkt2& P : z.SzeneDreieck2) h.push_back({&P.x, &P.y});
         return h;
     },
     "Zweidim. Dreieck"},
};

} // namespace

std::span<const TaskKind> planeFigureKinds() {
    return rows;
}
