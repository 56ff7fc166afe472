// Scenes of the plane tasks and their rows. A plane given in parameter form is drawn in its
// normal form.
#include "core/relations.h"
#include "drawing/scene_drawing_internal.h"
#include "sheet/input_clicks.h"
#include "sheet/reports_lines.h"
#include "sheet/task_kind.h"

#include <string>

namespace {

void zeichneEbene(SceneDraw& s, const TEbeneNorm& E) {
    Ebenezeichnen(s.z, E);
}

void zeichneEbene3Punkte(SceneDraw& s) {
    Ebenezeichnen(s.z, normalform(s.szene.SzeneEbenePar));
    const TDreieck& d = s.szene.SzeneDreieck;
    for (const TPunkt* P : {&d.A, &d.B, &d.C}) PunktZeichnen(s.z, *P);
}

void zeichneEbenePunkt(SceneDraw& s, const TEbeneNorm& E) {
    const TPunkt& P = s.szene.SzenePunkt;
    Ebenezeichnen(s.z, E);
    PunktZeichnen_mit_hilfslinien(s.z, P);
    TGerade lot;
    TPunkt F;
    Lot_auf_Ebene(P, E, lot, F);
    GeradeZeichnen(s.z, lot, 1);
    PunktZeichnen_mit_hilfslinien(s.z, F);
    TPunkt Sp;
    Spiegelpunkt(P, F, Sp);
    PunktZeichnen_mit_hilfslinien(s.z, Sp);
}

void zeichneEbeneGerade(SceneDraw& s, const TEbeneNorm& E) {
    const TGerade& g = s.szene.SzeneGerade;
    Ebenezeichnen(s.z, E);
    GeradeZeichnen(s.z, g, 2);
    int code = 0;
    TPunkt S;
    Schnittpunkt_Gerade_Ebene(g, E, code, S);
    if (code != 1 && code != 2) return; // the line lies in the plane
    if (code == 1) PunktZeichnen(s.z, S);
    TGerade sp;
    Spiegelgerade_an_Ebene(g, E, sp);
    GeradeZeichnen(s.z, sp, 1);
}

void zeichneZweiEbenen(SceneDraw& s, const TEbeneNorm& E1, const TEbeneNorm& E2) {
    Ebenezeichnen(s.z, E1);
    Ebenezeichnen(s.z, E2);
    std::string wort;
    TGerade sg;
    Lage_zweier_Ebenen(E1, E2, wort, sg);
    if (wort == lage::schneidend) GeradeZeichnen(s.z, sg, 1);
}

// Each plane's report, drawing and inputs, for the plane in normal form (N) and in parameter
// form (P).
const TaskKind rows[] = {
    {Szenenart::Ebene,
     [](Sheet& s, const Szene& z, int x, int& y) {
         Ergebnis_EbeneNormalenform(s, z.SzeneEbene, x, y);
     },
     [](SceneDraw& d) { zeichneEbene(d, d.szene.SzeneEbene); },
     [](Szene& z, InputClicks& k) { k.ebene(0, z.SzeneEbene); }},
    {Szenenart::EbenePar,
     [](Sheet& s, const Szene& z, int x, int& y) {
         Ergebnis_EbeneParameterform(s, z.SzeneEbenePar, x, y);
     },
     [](SceneDraw& d) { zeichneEbene(d, normalform(d.szene.SzeneEbenePar)); },
     [](Szene& z, InputClicks& k) { k.ebene(0, z.SzeneEbenePar); }},
    // The plane through three points: the points are the input, the plane follows from them.
    {Szenenart::Ebene3Punkte,
     [](Sheet& s, const Szene& z, int x, int& y) {
         const TDreieck& d = z.SzeneDreieck;
         Ergebnis_Ebene3Punkte(s, d.A, d.B, d.C, z.SzeneEbenePar, x, y);
     },
     zeichneEbene3Punkte,
     [](Szene& z, InputClicks& k) {
         k.punkte(z.SzeneDreieck.A, z.SzeneDreieck.B, z.SzeneDreieck.C);
     }},
    {Szenenart::EbenePunkt,
     [](Sheet& s, const Szene& z, int x, int& y) {
         Ergebnis_Ebene_Punkt(s, z.SzeneEbene, z.SzenePunkt, x, y);
     },
     [](SceneDraw& d) { zeichneEbenePunkt(d, d.szene.SzeneEbene); },
     [](Szene& z, InputClicks& k) {
         k.ebene(0, z.SzeneEbene);
         k.punkt(0, z.SzenePunkt);
     }},
    {Szenenart::EbeneParPunkt,
     [](Sheet& s, const Szene& z, int x, int& y) {
         Ergebnis_EbenePAR_Punkt(s, z.SzeneEbenePar, z.SzenePunkt, x, y);
     },
     [](SceneDraw& d) { zeichneEbenePunkt(d, normalform(d.szene.SzeneEbenePar)); },
     [](Szene& z, InputClicks& k) {
         k.ebene(0, z.SzeneEbenePar);
         k.punkt(0, z.SzenePunkt);
     }},
    {Szenenart::EbeneGerade,
     [](Sheet& s, const Szene& z, int x, int& y) {
         Ergebnis_Ebene_Gerade(s, z.SzeneEbene, z.SzeneGerade, x, y);
     },
     [](SceneDraw& d) { zeichneEbeneGerade(d, d.szene.SzeneEbene); },
     [](Szene& z, InputClicks& k) {
         k.ebene(0, z.SzeneEbene);
         k.gerade(0, z.SzeneGerade);
     }},
    {Szenenart::EbeneParGerade,
     [](Sheet& s, const Szene& z, int x, int& y) {
         Ergebnis_EbenePar_Gerade(s, z.SzeneEbenePar, z.SzeneGerade, x, y);
     },
     [](SceneDraw& d) { zeichneEbeneGerade(d, normalform(d.szene.SzeneEbenePar)); },
     [](Szene& z, InputClicks& k) {
         k.ebene(0, z.SzeneEbenePar);
         k.gerade(0, z.SzeneGerade);
     }},
    {Szenenart::EbeneNormEbeneNorm,
     [](Sheet& s, const Szene& z, int x, int& y) {
         Ergebnis_ZweiEbenenNormalenform(s, z.SzeneEbene1, z.SzeneEbene2, x, y);
     },
     [](SceneDraw& d) { zeichneZweiEbenen(d, d.szene.SzeneEbene1, d.szene.SzeneEbene2); },
     [](Szene& z, InputClicks& k) {
         k.ebene(0, z.SzeneEbene1);
         k.ebene(1, z.SzeneEbene2);
     }},
    {Szenenart::EbeneParEbenePar,
     [](Sheet& s, const Szene& z, int x, int& y) {
         Ergebnis_EbenenPar_EbenePar(s, z.SzeneEbenePar1, z.SzeneEbenePar2, x, y);
     },
     [](SceneDraw& d) {
         zeichneZweiEbenen(d, normalform(d.szene.SzeneEbenePar1),
                           normalform(d.szene.SzeneEbenePar2));
     },
     [](Szene& z, InputClicks& k) {
         k.ebene(0, z.SzeneEbenePar1);
         k.ebene(1, z.SzeneEbenePar2);
     }},
    {Szenenart::EbeneParEbeneNorm,
     [](Sheet& s, const Szene& z, int x, int& y) {
         Ergebnis_EbenenPar_EbeneNorm(s, z.SzeneEbenePar1, z.SzeneEbene2, x, y);
     },
     [](SceneDraw& d) {
         zeichneZweiEbenen(d, normalform(d.szene.SzeneEbenePar1), d.szene.SzeneEbene2);
     },
     [](Szene& z, InputClicks& k) {
         k.ebene(0, z.SzeneEbenePar1);
         k.ebene(1, z.SzeneEbene2);
     }},
};

} // namespace

std::span<const TaskKind> planeKinds() {
    return rows;
}
