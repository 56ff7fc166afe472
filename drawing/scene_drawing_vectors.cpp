// Scenes of the vector tasks: position vectors from the origin with their end points, and the
// constructions of the scalar, vector and triple products.
#include "core/dependence.h"
#include "drawing/scene_drawing_internal.h"

namespace {
void vektorZeichnen(Zeichner& z, const TPunkt& v) {
    Vektor_zeichnen(z, UrsprungPunkt, v, 2, PenStyle::Solid);
    z.canvas.setPenWidth(1);
    PunktZeichnen_mit_hilfslinien(z, v);
}
} // namespace

void zeichneVektoren(SzenenZeichner& s, int anzahl) {
    const TPunkt* v[4] = {&s.szene.SzeneVek1, &s.szene.SzeneVek2, &s.szene.SzeneVek3,
                          &s.szene.SzeneVek4};
    for (int i = 0; i < anzahl; ++i) vektorZeichnen(s.z, *v[i]);
}

void zeichneSkalarprodukt(SzenenZeichner& s) {
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

void zeichneVektorprodukt(SzenenZeichner& s) {
    zeichneVektoren(s, 2);
    TPunkt n = kreuzprodukt(s.szene.SzeneVek1, s.szene.SzeneVek2);
    if (IstNullvektor(n)) {
        // The task has no picture: the scene is given up. The message is shown here only when
        // the hand-over has not just shown it (after a click on the sheet, say); otherwise
        // closing the hand-over's box would repaint and show the same box again.
        s.szene.art = Szenenart::keine;
        if (!s.szene.VektorproduktGemeldet && s.events.zeroCrossProduct)
            s.events.zeroCrossProduct();
        s.szene.VektorproduktGemeldet = false;
    } else {
        TPunkt e;
        Einheitsvektor(n, e);
        Vielfaches(e, 2, n);
    }
    n.Name = "n";
    n.Farbe = farbe::Aqua;
    vektorZeichnen(s.z, n);
}

void zeichneSpatprodukt(SzenenZeichner& s) {
    zeichneVektoren(s, 3);
    SpatQuaderZeichnen(s.z, s.szene.SzeneVek1, s.szene.SzeneVek2, s.szene.SzeneVek3);
}
