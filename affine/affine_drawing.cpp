// The affine scene as a task kind: its drawing (definitions, fixed elements, options, objects
// and images) and its row (report, drawing, editable numbers, draggable points, context group).
#include "affine/affine_drawing.h"

#include "affine/affine_report.h"
#include "drawing/scene_drawing_internal.h"
#include "sheet/input_clicks.h"
#include "sheet/task_kind.h"

#include <cmath>
#include <numbers>

using namespace affine;

namespace affine_zeichnen {

void strecke(DrawContext& z, const TPunkt2& P, const TPunkt2& Q, TFarbe farbe, int w) {
    z.canvas.setPenColor(z.colour(farbe));
    ZeichneStrecke2(z, P, Q, w);
    z.canvas.setPenWidth(1);
}

void dreieck(DrawContext& z, const TPunkt2 (&e)[3], TFarbe farbe, int w) {
    for (int i = 0; i < 3; ++i) strecke(z, e[i], e[(i + 1) % 3], farbe, w);
}

void vektor(DrawContext& z, const TPunkt2& P, const TPunkt2& v, const std::string& name,
            TFarbe farbe) {
    TPunkt2 spitze = plane::sum(P, v);
    spitze.Farbe = farbe;
    spitze.Name = name;
    strecke(z, P, spitze, farbe, 2);
    ZeichnePunkt2(z, spitze);
}

} // namespace affine_zeichnen

namespace {

using namespace affine_zeichnen;

constexpr TFarbe Bildfarbe = farbe::Aqua;
constexpr TFarbe Fixfarbe = farbe::Rot;

void definitionZeichnen(DrawContext& z, const AffineObjekte& o) {
    if (o.DreiPunkte) {
        for (const TPunkt2& P : o.Urbilder) ZeichnePunkt2(z, P);
        for (const TPunkt2& P : o.Bilder) ZeichnePunkt2(z, P);
        dreieck(z, o.Urbilder, farbe::Gelb);
        dreieck(z, o.Bilder, Bildfarbe);
    }
    if (o.Fixpunkte)
        for (const TPunkt2& P : o.FP) ZeichnePunkt2(z, P);
    if (o.Fixgerade) {
        for (const TPunkt2& P : o.FG) ZeichnePunkt2(z, P);
        TPunkt2 P, Q;
        if (ZweiPunkte(o.f, P, Q)) ZeichneGerade2(z, plane::lineThrough(P, Q), Fixfarbe, 2);
    }
}

// The fixed-line pencil: every line through the fixed point where every direction is fixed;
// the parallels along a direction whose lines are all fixed otherwise.
void bueschelZeichnen(DrawContext& z, const Analyse& a) {
    const TFarbe f = farbe::Silber;
    if (a.fall == Eigenfall::alleRichtungen && a.fix.art == Fixart::einer) {
        for (int w = 0; w < 180; w += 15) {
            const double r = w * std::numbers::pi / 180;
            ZeichneGerade2(z, {a.fix.F, punkt2(std::cos(r), std::sin(r))}, f, 1);
        }
        return;
    }
    // Parallels: along the translation, or along the eigen direction with k ≠ 1 of a map with a
    // line of fixed points, through the points of a unit grid across the view.
    TPunkt2 v;
    if (a.typ == Typ::Verschiebung)
        v = a.v1;
    else if ((a.typ == Typ::Parallelstreckung || a.typ == Typ::Schraegspiegelung) && a.v1da &&
             a.v2da)
        v = a.k1 == 1 ? a.v2 : a.v1;
    else
        return;
    const TPunkt2 n = punkt2(-v.y, v.x);
    const double len = plane::length(n);
    if (len == 0) return;
    for (int k = -10; k <= 10; ++k)
        ZeichneGerade2(z, {plane::sum(a.fix.F, plane::scaled(n, k / len)), v}, f, 1);
}

void fixelementeZeichnen(SceneDraw& s) {
    DrawContext& z = s.z;
    const AffineDaten& d = s.szene.AffinDaten;
    const Analyse& a = d.analyse;
    if (s.szene.AffinOptionen.Fixgeradenbueschel) bueschelZeichnen(z, a);
    if (a.fix.art == Fixart::gerade) ZeichneGerade2(z, a.fix.gerade, Fixfarbe, 2);
    for (const TGerade2& g : a.fixgeraden) ZeichneGerade2(z, g, Fixfarbe, 1);
    const TPunkt2 O =
        a.fix.art == Fixart::keiner || a.fix.art == Fixart::alle ? punkt2(0, 0) : a.fix.F;
    if (a.v1da) vektor(z, O, a.v1, "v1", farbe::Lime);
    if (a.v2da) vektor(z, O, a.v2, "v2", farbe::Lime);
    if (a.fix.art == Fixart::einer) ZeichnePunkt2(z, a.fix.F);
    if (s.szene.AffinOptionen.Rechtwinkelpaar) {
        const Rechtwinkelpaar r = rechtwinkelpaar(d.M);
        vektor(z, O, r.r1, "r1", farbe::Gelb);
        vektor(z, O, r.r2, "r2", farbe::Gelb);
    }
}

// The circle's image: the mapped points of the circle, joined.
void bildkreis(DrawContext& z, const TAbbildung2& m, const TPunkt2& M, double r) {
    z.canvas.setPenColor(z.colour(Bildfarbe));
    TPunkt2 vorher;
    for (int w = 0; w <= 360; w += 3) {
        const double t = w * std::numbers::pi / 180;
        const TPunkt2 P = Bildpunkt(m, punkt2(M.x + r * std::cos(t), M.y + r * std::sin(t)));
        if (w > 0) ZeichneStrecke2(z, vorher, P, 1);
        vorher = P;
    }
}

void objekteZeichnen(DrawContext& z, const AffineObjekte& o, const TAbbildung2& m) {
    for (auto [da, P] : {std::pair{o.Punkt1, &o.A}, std::pair{o.Punkt2, &o.B}}) {
        if (!da) continue;
        ZeichnePunkt2(z, *P);
        ZeichnePunkt2(z, Bildpunkt(m, *P));
    }
    if (o.Dreieck) {
        const TPunkt2 b[3] = {Bildpunkt(m, o.D[0]), Bildpunkt(m, o.D[1]), Bildpunkt(m, o.D[2])};
        dreieck(z, o.D, o.D[0].Farbe, 2);
        dreieck(z, b, Bildfarbe, 2);
        for (int i = 0; i < 3; ++i) {
            ZeichnePunkt2(z, o.D[i]);
            ZeichnePunkt2(z, b[i]);
        }
    }
    if (o.Gerade) {
        TPunkt2 P, Q;
        if (ZweiPunkte(o.g, P, Q)) ZeichneGerade2(z, plane::lineThrough(P, Q), o.g.Farbe, 1);
        TGeradeGl2 bild;
        TPunkt2 punkt;
        if (Bildgerade(m, o.g, bild, punkt) == Bildgeradenfehler::keiner && ZweiPunkte(bild, P, Q))
            ZeichneGerade2(z, plane::lineThrough(P, Q), Bildfarbe, 1);
    }
    if (o.Kreis) {
        ZeichneKreis2(z, o.M, o.M.Farbe, o.r);
        ZeichnePunkt2(z, o.M);
        bildkreis(z, m, o.M, o.r);
        ZeichnePunkt2(z, Bildpunkt(m, o.M));
    }
    if (o.Urbild) {
        ZeichnePunkt2(z, o.H);
        TPunkt2 U;
        if (Urbildpunkt(m, o.H, U)) ZeichnePunkt2(z, U);
    }
}

void Affin_zeichnen(SceneDraw& s) {
    DrawContext& z = s.z;
    const Szene& sz = s.szene;
    definitionZeichnen(z, sz.Affin);
    if (!sz.AffinDaten.gezeigt) return;
    fixelementeZeichnen(s);
    objekteZeichnen(z, sz.Affin, sz.AffinDaten.M);
    if (sz.AffinOptionen.Konstruktion) Konstruktion_zeichnen(z, sz);
    z.canvas.setPenWidth(1);
}

void eingaben(Szene& z, InputClicks& k) {
    AffineObjekte& o = z.Affin;
    if (o.DreiPunkte)
        for (int i = 0; i < 3; ++i) {
            k.affinPunkt(i, o.Urbilder[i]);
            k.affinPunkt(3 + i, o.Bilder[i]);
        }
    if (o.Fixpunkte)
        for (int i = 0; i < 4; ++i) k.affinPunkt(i, o.FP[i]);
    if (o.Fixgerade) {
        for (int i = 0; i < 2; ++i) k.affinPunkt(i, o.FG[i]);
        k.affinZahl(4, o.f.u, 0.2);
        k.affinZahl(5, o.f.v, 0.2);
        k.affinZahl(6, o.f.w, 0.2);
    }
    if (!o.definition()) {
        // A changed number makes map 1 a map of its own, no longer the composition.
        const bool vorher = k.hit();
        k.abbildung(z.Abbildungen.gezeigt());
        if (!vorher && k.hit()) z.Abbildungen.Verkettung = false;
    }
    k.affinPunkt(6, o.A);
    k.affinPunkt(7, o.B);
    for (int i = 0; i < 3; ++i) k.affinPunkt(8 + i, o.D[i]);
    k.affinZahl(0, o.g.u, 0.2);
    k.affinZahl(1, o.g.v, 0.2);
    k.affinZahl(2, o.g.w, 0.2);
    k.affinPunkt(11, o.M);
    k.affinZahl(3, o.r, 0.2);
    k.affinPunkt(12, o.H);
}

std::vector<DragHandle> griffe(Szene& z) {
    AffineObjekte& o = z.Affin;
    std::vector<DragHandle> h;
    auto add = [&](bool da, TPunkt2& P) {
        if (da) h.push_back({&P.x, &P.y});
    };
    for (int i = 0; i < 3; ++i) {
        add(o.DreiPunkte, o.Urbilder[i]);
        add(o.DreiPunkte, o.Bilder[i]);
    }
    for (TPunkt2& P : o.FP) add(o.Fixpunkte, P);
    for (TPunkt2& P : o.FG) add(o.Fixgerade, P);
    add(o.Punkt1, o.A);
    add(o.Punkt2, o.B);
    for (TPunkt2& P : o.D) add(o.Dreieck, P);
    add(o.Kreis, o.M);
    add(o.Urbild, o.H);
    return h;
}

const TaskKind rows[] = {
    {Szenenart::AffineAbbildung,
     [](Sheet& s, const Szene& z, int x, int& y) { Affin_ausgeben(s, z, x, y); }, Affin_zeichnen,
     eingaben, [](Szene& z) { Affin_ableiten(z.Abbildungen, z.Affin, z.AffinDaten); }, griffe,
     "Affine Abbildungen"},
};

} // namespace

std::span<const TaskKind> affineKinds() {
    return rows;
}
