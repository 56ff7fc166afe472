// Scenes and rows of the vector tasks: position vectors from the origin with their end points, and
// the constructions of the scalar, vector and triple products.
#include "core/dependence.h"
#include "drawing/scene_drawing_internal.h"
#include "sheet/input_clicks.h"
#include "sheet/reports_vectors.h"
#include "sheet/task_kind.h"

namespace {

void vektorZeichnen(DrawContext& z, const TPunkt& v) {
    Vektor_zeichnen(z, UrsprungPunkt, v, 2, PenStyle::Solid);
    z.canvas.setPenWidth(1);
    PunktZeichnen_mit_hilfslinien(z, v);
}

void zeichneVektoren(SceneDraw& s, int anzahl) {
    const TPunkt* v[4] = {&s.szene.SzeneVek1, &s.szene.SzeneVek2, &s.szene.SzeneVek3,
                          &s.szene.SzeneVek4};
    for (int i = 0; i < anzahl; ++i) vektorZeichnen(s.z, *v[i]);
}

void zeichneSkalarprodukt(SceneDraw& s) {
    const TPunkt& a = s.szene.SzeneVek1;
    const TPunkt& b = s.szene.SzeneVek2;
    zeichneVektoren(s, 2);
    // A zero vector has no line to project onto.
    if (IstNullvektor(a) || IstNullvektor(b)) return;
    TPunkt bAufA, aAufB;
    scalarProductProjections(a, b, bAufA, aAufB);
    PunktZeichnen(s.z, bAufA);
    PunktZeichnen(s.z, aAufB);
    s.z.canvas.setPenWidth(1);
    LinieZeichnen(s.z, bAufA, b, bAufA.Farbe, PenStyle::Dot);
    LinieZeichnen(s.z, aAufB, a, aAufB.Farbe, PenStyle::Dot);
}

void zeichneVektorprodukt(SceneDraw& s) {
    zeichneVektoren(s, 2);
    TPunkt n = kreuzprodukt(s.szene.SzeneVek1, s.szene.SzeneVek2);
    if (IstNullvektor(n)) {
        // The task has no picture: the scene is given up. The message is shown here only when
        // the hand-over has not just shown it (after a click on the sheet, say); otherwise
        // closing the hand-over's box would repaint and show the same box again.
        s.giveUpScene = true;
        if (!s.szene.VektorproduktGemeldet && s.events.zeroCrossProduct)
            s.events.zeroCrossProduct();
    } else {
        TPunkt e;
        Einheitsvektor(n, e);
        Vielfaches(e, 2, n);
    }
    n.Name = "n";
    n.Farbe = farbe::Aqua;
    vektorZeichnen(s.z, n);
}

void zeichneSpatprodukt(SceneDraw& s) {
    zeichneVektoren(s, 3);
    SpatQuaderZeichnen(s.z, s.szene.SzeneVek1, s.szene.SzeneVek2, s.szene.SzeneVek3);
}

// --- The rows of the vector tasks ---

void zwei(Szene& z, InputClicks& k) {
    k.vektor(0, z.SzeneVek1);
    k.vektor(1, z.SzeneVek2);
}
void drei(Szene& z, InputClicks& k) {
    zwei(z, k);
    k.vektor(2, z.SzeneVek3);
}

const TaskKind rows[] = {
    {Szenenart::Skalarprodukt,
     [](Sheet& s, const Szene& z, int x, int& y) {
         Ergebnis_SkalarProdukt(s, z.SzeneVek1, z.SzeneVek2, x, y);
     },
     zeichneSkalarprodukt, zwei},
    {Szenenart::Vektorprodukt,
     [](Sheet& s, const Szene& z, int x, int& y) {
         Ergebnis_VektorProdukt(s, z.SzeneVek1, z.SzeneVek2, x, y);
     },
     zeichneVektorprodukt, zwei},
    {Szenenart::Spatprodukt,
     [](Sheet& s, const Szene& z, int x, int& y) {
         Ergebnis_SpatProdukt(s, z.SzeneVek1, z.SzeneVek2, z.SzeneVek3, x, y);
     },
     zeichneSpatprodukt, drei},
    {Szenenart::LineareAbh2,
     [](Sheet& s, const Szene& z, int x, int& y) {
         Ergebnis_LineareAbh2(s, z.SzeneVek1, z.SzeneVek2, x, y);
     },
     [](SceneDraw& d) { zeichneVektoren(d, 2); }, zwei},
    {Szenenart::LineareAbh3,
     [](Sheet& s, const Szene& z, int x, int& y) {
         Ergebnis_LineareAbh3(s, z.SzeneVek1, z.SzeneVek2, z.SzeneVek3, x, y);
     },
     [](SceneDraw& d) { zeichneVektoren(d, 3); }, drei},
    {Szenenart::LineareAbh4,
     [](Sheet& s, const Szene& z, int x, int& y) {
         Ergebnis_LineareAbh4(s, z.SzeneVek1, z.SzeneVek2, z.SzeneVek3, z.SzeneVek4, x, y);
     },
     [](SceneDraw& d) { zeichneVektoren(d, 4); },
     [](Szene& z, InputClicks& k) {
         drei(z, k);
         k.vektor(3, z.SzeneVek4);
     }},
};

} // namespace

std::span<const TaskKind> vectorKinds() {
    return rows;
}
