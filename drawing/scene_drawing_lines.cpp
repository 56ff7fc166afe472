// Scenes of the line tasks and their rows.
#include "core/relations.h"
#include "drawing/scene_drawing_internal.h"
#include "sheet/input_clicks.h"
#include "sheet/reports_lines.h"
#include "sheet/task_kind.h"

namespace {

#include <string>

void spurpunkteZeichnen(SceneDraw& s, const TGerade& g) {
    if (!s.optionen.Spurpunkte) return;
    for (const char* key : koordinatenebene::alle) {
        TPunkt S;
        bool da = false;
        Spurpunkt(g, key, S, da);
        if (da) PunktZeichnen_mit_Quader(s.z, S);
    }
}

void zeichneGerade(SceneDraw& s) {
    GeradeAllesZeichnen(s.z, s.szene.SzeneGerade);
}

void zeichneGerade2Punkte(SceneDraw& s) {
    PunktZeichnen_mit_hilfslinien(s.z, s.szene.SzeneStrecke.B);
    GeradeAllesZeichnen(s.z, s.szene.SzeneGerade);
}

void zeichneGeradePunkt(SceneDraw& s) {
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

void beideGeraden(SceneDraw& s, const TGerade& g, const TGerade& h) {
    GeradeZeichnen(s.z, g, 2);
    GeradeZeichnen(s.z, h, 2);
    spurpunkteZeichnen(s, g);
    spurpunkteZeichnen(s, h);
}

void zeichneZweiGeraden(SceneDraw& s) {
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

void zeichnePunktZweiGeraden(SceneDraw& s) {
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

// --- The rows of the line tasks ---

const TaskKind rows[] = {
    {Szenenart::Gerade,
     [](Sheet& s, const Szene& z, int x, int& y) { Ergebnis_Gerade(s, z.SzeneGerade, x, y); },
     zeichneGerade, [](Szene& z, InputClicks& k) { k.gerade(0, z.SzeneGerade); }},
    // The line through two points: the points are the input, the line follows from them.
    {Szenenart::Gerade2Punkte,
     [](Sheet& s, const Szene& z, int x, int& y) {
         Ergebnis_Gerade2Punkte(s, z.SzeneStrecke.A, z.SzeneStrecke.B, z.SzeneGerade, x, y);
     },
     zeichneGerade2Punkte,
     [](Szene& z, InputClicks& k) { k.punkte(z.SzeneStrecke.A, z.SzeneStrecke.B); }},
    {Szenenart::GeradePunkt,
     [](Sheet& s, const Szene& z, int x, int& y) {
         Ergebnis_Gerade_Punkt(s, z.SzeneGerade, z.SzenePunkt, x, y);
     },
     zeichneGeradePunkt,
     [](Szene& z, InputClicks& k) {
         k.gerade(0, z.SzeneGerade);
         k.punkt(0, z.SzenePunkt);
     }},
    {Szenenart::ZweiGeraden,
     [](Sheet& s, const Szene& z, int x, int& y) {
         Ergebnis_ZweiGeraden(s, z.SzeneGerade1, z.SzeneGerade2, x, y);
     },
     zeichneZweiGeraden,
     [](Szene& z, InputClicks& k) {
         k.gerade(0, z.SzeneGerade1);
         k.gerade(1, z.SzeneGerade2);
     }},
    {Szenenart::PunktZweiGeraden,
     [](Sheet& s, const Szene& z, int x, int& y) {
         Ergebnis_Punkt_ZweiGeraden(s, z.SzenePunkt, z.SzeneGerade1, z.SzeneGerade2, x, y);
     },
     zeichnePunktZweiGeraden,
     [](Szene& z, InputClicks& k) {
         k.punkt(0, z.SzenePunkt);
         k.gerade(0, z.SzeneGerade1);
         k.gerade(1, z.SzeneGerade2);
     }},
};

} // namespace

std::span<const TaskKind> lineKinds() {
    return rows;
}
