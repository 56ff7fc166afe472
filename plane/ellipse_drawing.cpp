// The ellipse tasks as task kinds: their drawings, and their rows (report, drawing, editable
// numbers, draggable points and the context-menu group "Ellipse").
#include "core/trig_tables.h"
#include "drawing/plane_primitives.h"
#include "drawing/scene_drawing_internal.h"
#include "plane/ellipse_construction.h"
#include "plane/ellipse_report.h"
#include "sheet/input_clicks.h"
#include "sheet/sheet.h"
#include "sheet/task_kind.h"

#include <cmath>

void ZeichneEllipsenkurve2(DrawContext& z, const TPunkt2& M, double a, double b, TFarbe farbe) {
    const TrigTabellen& t = trigTabellen();
    if (!t.gefuellt) Tabellen_fuellen();
    z.canvas.setPenColor(z.colour(farbe));
    z.canvas.setPenStyle(PenStyle::Solid);
    z.canvas.setPenWidth(1);
    // 90 chords, every fourth degree: smooth at any size the window shows.
    TPunkt2 P = punkt2(M.x + a, M.y);
    for (int k = 4; k <= 360; k += 4) {
        const TPunkt2 Q = punkt2(M.x + a * t.CosTab[k], M.y + b * t.SinTab[k]);
        ZeichneStrecke2(z, P, Q, 1);
        P = Q;
    }
}

void ZeichneTangente2(DrawContext& z, const Gerade2MC& g, TFarbe farbe) {
    const TGerade2 h = g.senkrecht ? TGerade2{punkt2(g.k, 0), punkt2(0, 1)}
                                   : TGerade2{punkt2(0, g.c), punkt2(1, g.m)};
    ZeichneGerade2(z, h, farbe, 1);
}

namespace {

using A = Ellipsenart;

// The curve, the axes in blue, the centre, the foci (lime) and the vertices as labelled points.
void ZeichneEllipse2(DrawContext& z, const TEllipse2& E, const Ellipsenpunkte& p) {
    ZeichneEllipsenkurve2(z, E.M, E.a, E.b, E.Farbe);
    z.canvas.setPenColor(z.colour(farbe::Blau));
    ZeichneStrecke2(z, p.S[0], p.S[1], 1);
    ZeichneStrecke2(z, p.S[2], p.S[3], 1);
    ZeichnePunkt2(z, E.M);
    ZeichnePunkt2(z, p.F1);
    ZeichnePunkt2(z, p.F2);
    for (const TPunkt2& S : p.S) ZeichnePunkt2(z, S);
}

void Ellipse_zeichnen(SceneDraw& s) {
    DrawContext& z = s.z;
    const A art = ellipsenart(s.szene.art);
    const EllipsenEingabe& in = s.szene.SzeneEllipse;
    const EllipsenDaten& d = s.szene.Ellipse2;
    const TFarbe aqua = farbe::Aqua;
    if (d.moeglich) {
        ZeichneEllipse2(z, d.E, d.punkte);
        if (art == A::ZweiEllipsen) ZeichneEllipse2(z, d.E2, d.punkte2);
    }
    // The user's points and lines, also when there is no ellipse.
    switch (art) {
    case A::ExzentrizitaetPunkt:
    case A::EllipsePunkt:
        ZeichnePunkt2(z, in.P);
        break;
    case A::BrennpunktePunkt:
        for (const TPunkt2* P : {&in.F1, &in.F2, &in.P}) ZeichnePunkt2(z, *P);
        break;
    case A::BrennpunktPunktTangente:
        ZeichnePunkt2(z, in.F1);
        ZeichnePunkt2(z, d.P);
        if (d.moeglich) ZeichnePunkt2(z, d.F2);
        break;
    case A::BrennpunktTangente:
        ZeichnePunkt2(z, in.F1);
        break;
    case A::MittelpunktZweiPunkte:
        ZeichnePunkt2(z, in.P);
        ZeichnePunkt2(z, in.Q);
        break;
    default:
        break;
    }
    const bool gegebeneGerade = art == A::AchseTangente || art == A::BrennpunktPunktTangente ||
                                art == A::BrennpunktTangente ||
                                art == A::MittelpunktAchseTangente || art == A::EllipseGerade;
    if (gegebeneGerade && d.hatGerade) ZeichneTangente2(z, d.g, in.t.Farbe ? in.t.Farbe : aqua);
    if (!d.moeglich) return;
    if (d.hatTp) ZeichneTangente2(z, d.tp, aqua);
    if (d.hatTq) ZeichneTangente2(z, d.tq, aqua);
    if (art == A::EllipsePunkt && d.lage == 2 && d.anzahl == 2) {
        ZeichneTangente2(z, d.t1, aqua);
        ZeichneTangente2(z, d.t2, aqua);
    }
    for (int i = 0; i < d.anzahl; ++i) ZeichnePunkt2(z, d.S[i]);
    if (s.szene.EllipseKonstruktion) Ellipse_Konstruktion_zeichnen(z, art, in, d);
}

void Ellipse_bericht(Sheet& sheet, const Szene& z, int x, int& y) {
    const A art = ellipsenart(z.art);
    Ellipse_ausgeben(sheet, art, z.SzeneEllipse, z.Ellipse2, x, y);
    if (z.EllipseKonstruktion) Ellipse_Konstruktion_ausgeben(sheet, art, z.Ellipse2, x, y);
}

void Ellipse_ableiten(Szene& z) {
    z.Ellipse2 = Ellipse_berechnen(ellipsenart(z.art), z.SzeneEllipse);
}

// The numbers a click may change, in the slots the report registered them in.
void Ellipse_eingaben(Szene& z, InputClicks& k) {
    EllipsenEingabe& in = z.SzeneEllipse;
    // A dragged vertex may have left a negative semi-axis; the sheet shows its size.
    for (TEllipse2* E : {&in.E, &in.E2}) {
        E->a = std::fabs(E->a);
        E->b = std::fabs(E->b);
    }
    switch (ellipsenart(z.art)) {
    case A::ZweiEllipsen:
        k.paar(1, in.E2.M);
        k.zahl2(2, in.E2.a);
        k.zahl2(3, in.E2.b);
        [[fallthrough]];
    case A::MittelpunktAchsen:
        k.paar(0, in.E.M);
        k.zahl2(0, in.E.a);
        k.zahl2(1, in.E.b);
        break;
    case A::ExzentrizitaetPunkt:
        k.zahl2(6, in.e);
        k.paar(0, in.P);
        break;
    case A::AchseTangente:
        k.zahl2(0, in.E.a);
        k.gleichung2(4, in.t);
        break;
    case A::BrennpunktePunkt:
        k.paar(0, in.F1);
        k.paar(1, in.F2);
        k.paar(2, in.P);
        break;
    case A::BrennpunktPunktTangente:
        k.paar(0, in.F1);
        k.paar(1, in.P);
        k.gleichung2(4, in.t);
        break;
    case A::BrennpunktTangente:
        k.paar(0, in.F1);
        k.gleichung2(4, in.t);
        break;
    case A::MittelpunktZweiPunkte:
        k.paar(0, in.E.M);
        k.paar(1, in.P);
        k.paar(2, in.Q);
        break;
    case A::MittelpunktAchseTangente:
        k.paar(0, in.E.M);
        k.zahl2(0, in.E.a);
        k.gleichung2(4, in.t);
        break;
    case A::EllipsePunkt:
        k.paar(0, in.E.M);
        k.zahl2(0, in.E.a);
        k.zahl2(1, in.E.b);
        k.paar(1, in.P);
        break;
    case A::EllipseGerade:
        k.paar(0, in.E.M);
        k.zahl2(0, in.E.a);
        k.zahl2(1, in.E.b);
        k.gleichung2(4, in.t);
        break;
    }
}

DragHandle punkt(TPunkt2& P) {
    return {&P.x, &P.y};
}
// The centre and the four axis vertices of an ellipse.
void ellipsenGriffe(std::vector<DragHandle>& h, TEllipse2& E) {
    h.push_back(punkt(E.M));
    h.push_back({&E.M.x, &E.M.y, &E.a, 1, 0});
    h.push_back({&E.M.x, &E.M.y, &E.a, -1, 0});
    h.push_back({&E.M.x, &E.M.y, &E.b, 0, 1});
    h.push_back({&E.M.x, &E.M.y, &E.b, 0, -1});
}

std::vector<DragHandle> Ellipse_griffe(Szene& z) {
    // The focus of "Eingabe (F, t)" stays on the x axis: a length from the origin.
    static double ursprung[2] = {0, 0};
    EllipsenEingabe& in = z.SzeneEllipse;
    std::vector<DragHandle> h;
    switch (ellipsenart(z.art)) {
    case A::ZweiEllipsen:
        ellipsenGriffe(h, in.E2);
        [[fallthrough]];
    case A::MittelpunktAchsen:
    case A::EllipseGerade:
        ellipsenGriffe(h, in.E);
        break;
    case A::EllipsePunkt:
        ellipsenGriffe(h, in.E);
        h.push_back(punkt(in.P));
        break;
    case A::ExzentrizitaetPunkt:
        h.push_back(punkt(in.P));
        break;
    case A::AchseTangente: // the right vertex of the computed centre
        h.push_back({&z.Ellipse2.E.M.x, &z.Ellipse2.E.M.y, &in.E.a, 1, 0});
        break;
    case A::BrennpunktePunkt:
        for (TPunkt2* P : {&in.F1, &in.F2, &in.P}) h.push_back(punkt(*P));
        break;
    case A::BrennpunktPunktTangente:
        h.push_back(punkt(in.F1));
        h.push_back(punkt(in.P));
        break;
    case A::BrennpunktTangente:
        h.push_back({&ursprung[0], &ursprung[1], &in.F1.x, 1, 0});
        break;
    case A::MittelpunktZweiPunkte:
        for (TPunkt2* P : {&in.E.M, &in.P, &in.Q}) h.push_back(punkt(*P));
        break;
    case A::MittelpunktAchseTangente:
        h.push_back(punkt(in.E.M));
        h.push_back({&in.E.M.x, &in.E.M.y, &in.E.a, 1, 0});
        break;
    }
    return h;
}

constexpr TaskKind row(Szenenart art) {
    return {art,
            Ellipse_bericht,
            Ellipse_zeichnen,
            Ellipse_eingaben,
            Ellipse_ableiten,
            Ellipse_griffe,
            "Ellipse"};
}

const TaskKind rows[] = {
    row(Szenenart::EllipseMab),    row(Szenenart::EllipseEP),      row(Szenenart::EllipseAT),
    row(Szenenart::EllipseFFP),    row(Szenenart::EllipseFPT),     row(Szenenart::EllipseFT),
    row(Szenenart::EllipseMPQ),    row(Szenenart::EllipseMAT),     row(Szenenart::EllipsePunkt),
    row(Szenenart::EllipseGerade), row(Szenenart::EllipseEllipse),
};

} // namespace

std::span<const TaskKind> ellipseKinds() {
    return rows;
}
