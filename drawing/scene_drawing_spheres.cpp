// Scenes of the sphere tasks that need more than one primitive.
#include "core/relations.h"
#include "drawing/scene_drawing_internal.h"

void zeichneKugelGerade(SzenenZeichner& s, const TKugel& K) {
    const TGerade& g = s.szene.SzeneGerade;
    KugelZeichnen(s.z, K);
    GeradeZeichnen(s.z, g, 2);
    KugelGeradeZeichnen(s.z, K, g);
}

void zeichneKugelPunkt(SzenenZeichner& s, const TKugel& K) {
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

void zeichneKugel4Punkte(SzenenZeichner& s) {
    const TViereck& t = s.szene.SzeneTetraeder;
    TetraederZeichnen(s.z, t.A, t.B, t.C, t.D, t.Farbe);
    KugelZeichnen(s.z, s.szene.SzeneKugel);
}
