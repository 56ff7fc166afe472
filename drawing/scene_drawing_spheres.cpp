// Scenes of the sphere tasks and their rows. A sphere given in vector form is drawn in its
// centre form, a plane in parameter form in its normal form.
#include "core/relations.h"
#include "drawing/scene_drawing_internal.h"
#include "sheet/input_clicks.h"
#include "sheet/reports_spheres.h"
#include "sheet/task_kind.h"

namespace {

void zeichneKugelGerade(SceneDraw& s, const TKugel& K) {
    const TGerade& g = s.szene.SzeneGerade;
    KugelZeichnen(s.z, K);
    GeradeZeichnen(s.z, g, 2);
    KugelGeradeZeichnen(s.z, K, g);
}

void zeichneKugelPunkt(SceneDraw& s, const TKugel& K) {
    const TPunkt& P = s.szene.SzenePunkt;
    KugelZeichnen(s.z, K);
    PunktZeichnen_mit_hilfslinien(s.z, P);
    const int lage = Lage_Punkt_Kugel(K, P);
    if (lage != 1 && lage != 2) return; // inside: no tangent or polar plane

    // The tangent plane (polar plane for a point outside) is shown with its parameter patch,
    // and the patch stays on for later planes; the menu's check mark has to follow.
    if (!s.optionen.Parameterdarstellung) {
        s.optionen.Parameterdarstellung = true;
        if (s.events.optionsChanged) s.events.optionsChanged();
    }
    TEbeneNorm T;
    Tangentialebene(K, P, T); // aqua
    Ebenezeichnen(s.z, T);

    int code = 0;
    TPunkt Mk;
    double rk = 0;
    Lage_Ebene_Kugel(T, K, code, Mk, rk);
    if (code == 1 || code == 2) {
        Zeichne_Schnitt_Kugel_Ebene(s.z, T, Mk, rk);
        PunktZeichnen(s.z, Mk);
    }

    TGerade gp;
    gp.Stuetz = P;
    Differenz(P, K.M, gp.Richtung);
    gp.Name = "gp: ";
    gp.Farbe = farbe::Aqua;
    GeradeZeichnen(s.z, gp, 1);
}

void zeichneKugel4Punkte(SceneDraw& s) {
    const TViereck& t = s.szene.SzeneTetraeder;
    TetraederZeichnen(s.z, t.A, t.B, t.C, t.D, t.Farbe);
    KugelZeichnen(s.z, s.szene.SzeneKugel);
}

// --- The rows of the sphere tasks ---

TKugel M(const TKugelV& V) {
    return mittelpunktsform(V);
}

const TaskKind rows[] = {
    {Szenenart::Kugel,
     [](Sheet& s, const Szene& z, int x, int& y) { Ergebnis_Kugel(s, z.SzeneKugel, x, y); },
     [](SceneDraw& d) { KugelZeichnen(d.z, d.szene.SzeneKugel); },
     [](Szene& z, InputClicks& k) { k.kugel(0, z.SzeneKugel); }},
    {Szenenart::KugelV,
     [](Sheet& s, const Szene& z, int x, int& y) { Ergebnis_KugelV(s, z.SzeneKugelV, x, y); },
     [](SceneDraw& d) { KugelZeichnen(d.z, M(d.szene.SzeneKugelV)); },
     [](Szene& z, InputClicks& k) { k.kugel(0, z.SzeneKugelV); }},
    {Szenenart::KugelGerade,
     [](Sheet& s, const Szene& z, int x, int& y) {
         Ergebnis_Kugel_Gerade(s, z.SzeneKugel, z.SzeneGerade, x, y);
     },
     [](SceneDraw& d) { zeichneKugelGerade(d, d.szene.SzeneKugel); },
     [](Szene& z, InputClicks& k) {
         k.kugel(0, z.SzeneKugel);
         k.gerade(0, z.SzeneGerade);
     }},
    {Szenenart::KugelVGerade,
     [](Sheet& s, const Szene& z, int x, int& y) {
         Ergebnis_KugelVF_Gerade(s, z.SzeneKugelV, z.SzeneGerade, x, y);
     },
     [](SceneDraw& d) { zeichneKugelGerade(d, M(d.szene.SzeneKugelV)); },
     [](Szene& z, InputClicks& k) {
         k.kugel(0, z.SzeneKugelV);
         k.gerade(0, z.SzeneGerade);
     }},
    {Szenenart::KugelPunkt,
     [](Sheet& s, const Szene& z, int x, int& y) {
         Ergebnis_Kugel_Punkt(s, z.SzeneKugel, z.SzenePunkt, x, y);
     },
     [](SceneDraw& d) { zeichneKugelPunkt(d, d.szene.SzeneKugel); },
     [](Szene& z, InputClicks& k) {
         k.kugel(0, z.SzeneKugel);
         k.punkt(0, z.SzenePunkt);
     }},
    {Szenenart::KugelVPunkt,
     [](Sheet& s, const Szene& z, int x, int& y) {
         Ergebnis_KugelV_Punkt(s, z.SzeneKugelV, z.SzenePunkt, x, y);
     },
     [](SceneDraw& d) { zeichneKugelPunkt(d, M(d.szene.SzeneKugelV)); },
     [](Szene& z, InputClicks& k) {
         k.kugel(0, z.SzeneKugelV);
         k.punkt(0, z.SzenePunkt);
     }},
    {Szenenart::KugelEbene,
     [](Sheet& s, const Szene& z, int x, int& y) {
         Ergebnis_Kugel_Ebene(s, z.SzeneKugel, z.SzeneEbene, x, y);
     },
     [](SceneDraw& d) { KugelEbeneZeichnen(d.z, d.szene.SzeneKugel, d.szene.SzeneEbene); },
     [](Szene& z, InputClicks& k) {
         k.kugel(0, z.SzeneKugel);
         k.ebene(0, z.SzeneEbene);
     }},
    {Szenenart::EbeneNormKugelM,
     [](Sheet& s, const Szene& z, int x, int& y) {
         Ergebnis_EbeneNorm_KugelM(s, z.SzeneKugel, z.SzeneEbene, x, y);
     },
     [](SceneDraw& d) { KugelEbeneZeichnen(d.z, d.szene.SzeneKugel, d.szene.SzeneEbene); },
     [](Szene& z, InputClicks& k) {
         k.kugel(0, z.SzeneKugel);
         k.ebene(0, z.SzeneEbene);
     }},
    {Szenenart::KugelVEbeneNorm,
     [](Sheet& s, const Szene& z, int x, int& y) {
         Ergebnis_KugelV_EbeneNorm(s, z.SzeneKugelV, z.SzeneEbene, x, y);
     },
     [](SceneDraw& d) { KugelEbeneZeichnen(d.z, M(d.szene.SzeneKugelV), d.szene.SzeneEbene); },
     [](Szene& z, InputClicks& k) {
         k.kugel(0, z.SzeneKugelV);
         k.ebene(0, z.SzeneEbene);
     }},
    {Szenenart::KugelMEbenePar,
     [](Sheet& s, const Szene& z, int x, int& y) {
         Ergebnis_KugelM_EbenePAR(s, z.SzeneKugel, z.SzeneEbenePar, x, y);
     },
     [](SceneDraw& d) {
         KugelEbeneZeichnen(d.z, d.szene.SzeneKugel, normalform(d.szene.SzeneEbenePar));
     },
     [](Szene& z, InputClicks& k) {
         k.kugel(0, z.SzeneKugel);
         k.ebene(0, z.SzeneEbenePar);
     }},
    {Szenenart::KugelVEbenePar,
     [](Sheet& s, const Szene& z, int x, int& y) {
         Ergebnis_KugelV_EbenePAR(s, z.SzeneKugelV, z.SzeneEbenePar, x, y);
     },
     [](SceneDraw& d) {
         KugelEbeneZeichnen(d.z, M(d.szene.SzeneKugelV), normalform(d.szene.SzeneEbenePar));
     },
     [](Szene& z, InputClicks& k) {
         k.kugel(0, z.SzeneKugelV);
         k.ebene(0, z.SzeneEbenePar);
     }},
    {Szenenart::KugelKugel,
     [](Sheet& s, const Szene& z, int x, int& y) {
         Ergebnis_Kugel_Kugel(s, z.SzeneKugel1, z.SzeneKugel2, x, y);
     },
     [](SceneDraw& d) { KugelKugelZeichnen(d.z, d.szene.SzeneKugel1, d.szene.SzeneKugel2); },
     [](Szene& z, InputClicks& k) {
         k.kugel(0, z.SzeneKugel1);
         k.kugel(1, z.SzeneKugel2);
     }},
    {Szenenart::KugelMKugelV,
     [](Sheet& s, const Szene& z, int x, int& y) {
         Ergebnis_KugelM_KugelV(s, z.SzeneKugel, z.SzeneKugelV, x, y);
     },
     [](SceneDraw& d) { KugelKugelZeichnen(d.z, d.szene.SzeneKugel, M(d.szene.SzeneKugelV)); },
     [](Szene& z, InputClicks& k) {
         k.kugel(0, z.SzeneKugel);
         k.kugel(1, z.SzeneKugelV);
     }},
    {Szenenart::KugelVKugelV,
     [](Sheet& s, const Szene& z, int x, int& y) {
         Ergebnis_KugelV_KugelV(s, z.SzeneKugelV1, z.SzeneKugelV2, x, y);
     },
     [](SceneDraw& d) {
         KugelKugelZeichnen(d.z, M(d.szene.SzeneKugelV1), M(d.szene.SzeneKugelV2));
     },
     [](Szene& z, InputClicks& k) {
         k.kugel(0, z.SzeneKugelV1);
         k.kugel(1, z.SzeneKugelV2);
     }},
    // The sphere through four points: the points are the input, the sphere follows from them.
    {Szenenart::Kugel4Punkte,
     [](Sheet& s, const Szene& z, int x, int& y) {
         Ergebnis_Kugel4Punkte(s, z.SzeneTetraeder, z.SzeneKugel, x, y);
     },
     zeichneKugel4Punkte,
     [](Szene& z, InputClicks& k) {
         TViereck& t = z.SzeneTetraeder;
         k.punkte(t.A, t.B, t.C);
         k.punkt(3, t.D);
     }},
};

} // namespace

std::span<const TaskKind> sphereKinds() {
    return rows;
}
