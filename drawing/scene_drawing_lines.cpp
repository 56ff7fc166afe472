// Scenes of the line and plane tasks.
#include "core/relations.h"
#include "drawing/scene_drawing_internal.h"

#include <string>

void spurpunkteZeichnen(SzenenZeichner& s, const TGerade& g) {
    if (!s.optionen.Spurpunkte) return;
    for (const char* key : {"x12", "x23", "x13"}) {
        TPunkt S;
        bool da = false;
        Spurpunkt(g, key, S, da);
        if (da) PunktZeichnen_mit_Quader(s.z, S);
    }
}

void zeichneGerade(SzenenZeichner& s) {
    GeradeAllesZeichnen(s.z, s.szene.SzeneGerade);
}

void zeichneGerade2Punkte(SzenenZeichner& s) {
    PunktZeichnen_mit_hilfslinien(s.z, s.szene.SzeneStrecke.B);
    GeradeAllesZeichnen(s.z, s.szene.SzeneGerade);
}

void zeichneGeradePunkt(SzenenZeichner& s) {
    const TGerade& g = s.szene.SzeneGerade;
    const TPunkt& P = s.szene.SzenePunkt;
    GeradeZeichnen(s.z, g, 2);
    spurpunkteZeichnen(s, g);
    PunktZeichnen_mit_hilfslinien(s.z, P);
    TGerade lot;
    TPunkt F;
    int flag = 0;
    Lot_Punkt_Gerade(P, g, lot, F, flag);
    if (flag != 1) return; // the point lies on the line
    lot.Farbe = farbe::Lime;
    GeradeZeichnen(s.z, lot, 1);
    PunktZeichnen_mit_hilfslinien(s.z, F);
    TPunkt Sp;
    Spiegelpunkt(P, F, Sp);
    PunktZeichnen(s.z, Sp);
}

namespace {
void beideGeraden(SzenenZeichner& s, const TGerade& g, const TGerade& h) {
    GeradeZeichnen(s.z, g, 2);
    GeradeZeichnen(s.z, h, 2);
    spurpunkteZeichnen(s, g);
    spurpunkteZeichnen(s, h);
}
} // namespace

void zeichneZweiGeraden(SzenenZeichner& s) {
    const TGerade& g = s.szene.SzeneGerade1;
    const TGerade& h = s.szene.SzeneGerade2;
    beideGeraden(s, g, h);
    std::string wort, abstand;
    TPunkt S, L1, L2;
    TGerade lot;
    Lage_zweier_Geraden(g, h, wort, abstand, S, L1, L2, lot);
    if (wort == lage::windschief) {
        GeradeZeichnen(s.z, lot, 1);
        PunktZeichnen(s.z, L1);
        PunktZeichnen(s.z, L2);
    } else if (wort == lage::schneidend) {
        PunktZeichnen_mit_hilfslinien(s.z, S);
    }
}

void zeichnePunktZweiGeraden(SzenenZeichner& s) {
    const TGerade& g = s.szene.SzeneGerade1;
    const TGerade& h = s.szene.SzeneGerade2;
    const TPunkt& P = s.szene.SzenePunkt;
    beideGeraden(s, g, h);
    PunktZeichnen_mit_hilfslinien(s.z, P);
    int code = 0;
    TGerade f;
    TPunkt S, T;
    Treffgerade(P, g, h, code, f, S, T);
    if (code != 1) return;
    GeradeZeichnen(s.z, f, 1);
    PunktZeichnen_mit_hilfslinien(s.z, S);
    PunktZeichnen_mit_hilfslinien(s.z, T);
}

void zeichneEbene(SzenenZeichner& s, const TEbeneNorm& E) {
    Ebenezeichnen(s.z, E);
}

void zeichneEbene3Punkte(SzenenZeichner& s) {
    Ebenezeichnen(s.z, normalform(s.szene.SzeneEbenePar));
    const TDreieck& d = s.szene.SzeneDreieck;
    for (const TPunkt* P : {&d.A, &d.B, &d.C}) PunktZeichnen(s.z, *P);
}

void zeichneEbenePunkt(SzenenZeichner& s, const TEbeneNorm& E) {
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

void zeichneEbeneGerade(SzenenZeichner& s, const TEbeneNorm& E) {
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

void zeichneZweiEbenen(SzenenZeichner& s, const TEbeneNorm& E1, const TEbeneNorm& E2) {
    Ebenezeichnen(s.z, E1);
    Ebenezeichnen(s.z, E2);
    std::string wort;
    TGerade sg;
    Lage_zweier_Ebenen(E1, E2, wort, sg);
    if (wort == lage::schneidend) GeradeZeichnen(s.z, sg, 1);
}
