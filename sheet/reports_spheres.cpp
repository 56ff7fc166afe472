// The sphere alone, with a point, and through four points; the entry points of all sphere tasks.
#include "sheet/reports_spheres.h"

#include "core/relations.h"
#include "sheet/blocks.h"
#include "sheet/report_layout.h"

using namespace report;

void Kugel_ausgeben(Sheet& s, const TKugel& K, const TKugelV& V, KugelGegeben gegeben, int x,
                    int& y, int index) {
    s.Outtextln(x, y, "Kugel");
    highlight(s);
    Kugel_Mittelpunktsform_ausgeben(s, K, x, y, ankerM(s, gegeben, index),
                                    ankerR(s, gegeben, index));
    plain(s);
    Kugel_Vektorform_ausgeben(s, V, x, y, ankerA(s, gegeben, index), ankerC(s, gegeben, index));
    Kugel_weiteres_ausgeben(s, K, x, y);
}

void Kugel_weiteres_ausgeben(Sheet& s, const TKugel& K, int x, int& y) {
    s.Gety(y);
    s.movey(Luecke, y);
    s.Outtextln(x, y, "Mittelpunkt der Kugel: ");
    s.Punkt_ausgeben(K.M, x, nullptr, y);
    s.next_zeile(y);
    s.Outtext(x, y, "Radius: r = " + zahl(K.r));
    s.movey(Luecke, y);

    Schnittkreise_mit_koordinatenEbenen_ausgeben(s, K, x, y);

    s.Gety(y);
    s.next_zeile(y);
    s.Outtext(x, y, "Abstand vom Ursprung: d = " + zahl(Abstand(UrsprungPunkt, K.M)));
    s.movey(Luecke, y);

    s.Outtextln(x, y, "Usprungsgerade durch M:");
    TGerade g;
    Gerade_durch_2_Punkte(UrsprungPunkt, K.M, g);
    Gerade_ausgeben(s, g, x, y);
    s.movey(3, y);
}

void Kugel_Punkt_ausgeben(Sheet& s, const TKugel& K, const TKugelV& V, KugelGegeben gegeben,
                          const TPunkt& P, int x, int& y) {
    Kugel_ausgeben(s, K, V, gegeben, x, y);
    y = stiftZeile(s);
    s.movey(Luecke, y);
    s.u(y);
    s.Outtextln(x, y, "Punkt:");
    highlight(s);
    s.Punkt_ausgeben(P, x, &s.anker.punkt[0], y);
    plain(s);
    s.next_zeile(y);

    const int lage = Lage_Punkt_Kugel(K, P);
    if (lage == 0)
        s.Outtext(x, y, "Punkt innerhalb der Kugel");
    else if (lage == 1)
        s.Outtext(x, y, "Punkt liegt auf der Kugel !");
    else
        s.Outtext(x, y, "Punkt außerhalb der Kugel !");
    s.next_zeile(y);

    if (lage == 1 || lage == 2) {
        s.next_zeile(y);
        s.Outtextln(x, y, "Tangential oder Polarebene:");
        TEbeneNorm T;
        Tangentialebene(K, P, T);
        EbeneNormalenForm_ausgeben(s, T, x, y);
        s.movey(NachBlock, y);

        int kreis = 0;
        TPunkt Mk;
        double rk = 0;
        Lage_Ebene_Kugel(T, K, kreis, Mk, rk);
        const bool kreisDa = kreis == 1 || kreis == 2;
        if (kreisDa) {
            s.Outtextln(x, y, "Schnittkreis:");
            s.Punkt_ausgeben(Mk, x, nullptr, y);
            s.next_zeile(y);
            s.Outtextln(x, y, "Radius: r = " + ZahlText(rk));
        }

        // The polar plane of a point outside always cuts the sphere; should rounding say
        // otherwise, there is no circle, and its area and the cone's volume are left out.
        if (lage == 2) {
            const double h = Abstand_Punkt_Ebene(P, T);
            if (kreisDa) {
                s.Outtext(x, y, "Schnittkreisfläche: A = " + zahl(PI * rk * rk));
                s.movey(2, y);
            }
            s.Outtextln(x, y, "Abstand: Pol-Polarebene:");
            s.Outtext(x, y, "d = " + zahl(h));
            s.movey(2, y);
            if (kreisDa) {
                s.Outtextln(x, y, "Tangetialkegel vom Pol aus:");
                s.Outtextln(x, y, "Volumen = " + zahl(PI * h * rk * rk / 3));
            }
        }
    }

    TPunkt richtung;
    Differenz(P, K.M, richtung);
    if (!IstNullvektor(richtung)) {
        s.next_zeile(y);
        s.Outtextln(x, y, "Gerade durch P und M (Mk):");
        TGerade g;
        g.Stuetz = P;
        g.Richtung = richtung;
        g.Farbe = P.Farbe;
        g.Name = "g:";
        Gerade_ausgeben(s, g, x, y);
        s.movey(3, y);
    }
}

// --- Entry points ---

void Ergebnis_Kugel(Sheet& s, const TKugel& K, int x, int& y) {
    TKugelV V;
    Kugel_M_zu_V(K, V);
    Kugel_ausgeben(s, K, V, KugelGegeben::Mittelpunktsform, x, y);
}

void Ergebnis_KugelV(Sheet& s, const TKugelV& V, int x, int& y) {
    TKugel K;
    Kugel_V_zu_M(V, K);
    Kugel_ausgeben(s, K, V, KugelGegeben::Vektorform, x, y);
}

void Ergebnis_Kugel_Gerade(Sheet& s, const TKugel& K, const TGerade& g, int x, int& y) {
    Ergebnis_Kugel(s, K, x, y);
    weiteres_Kugel_gerade_ausgeben(s, K, g, x, y);
}

void Ergebnis_KugelVF_Gerade(Sheet& s, const TKugelV& V, const TGerade& g, int x, int& y) {
    s.Outtextln(x, y, "Kugel");
    highlight(s);
    Kugel_Vektorform_ausgeben(s, V, x, y, &s.anker.kugelA[0], &s.anker.kugelC[0]);
    plain(s);
    s.next_zeile(y);
    TKugel K;
    Kugel_V_zu_M(V, K);
    Kugel_Mittelpunktsform_ausgeben(s, K, x, y);
    Kugel_weiteres_ausgeben(s, K, x, y);
    weiteres_Kugel_gerade_ausgeben(s, K, g, x, y);
}

void Ergebnis_Kugel_Punkt(Sheet& s, const TKugel& K, const TPunkt& P, int x, int& y) {
    TKugelV V;
    Kugel_M_zu_V(K, V);
    Kugel_Punkt_ausgeben(s, K, V, KugelGegeben::Mittelpunktsform, P, x, y);
}

void Ergebnis_KugelV_Punkt(Sheet& s, const TKugelV& V, const TPunkt& P, int x, int& y) {
    TKugel K;
    Kugel_V_zu_M(V, K);
    Kugel_Punkt_ausgeben(s, K, V, KugelGegeben::Vektorform, P, x, y);
}

void Ergebnis_Kugel_Ebene(Sheet& s, const TKugel& K, const TEbeneNorm& E, int x, int& y) {
    TKugelV V;
    Kugel_M_zu_V(K, V);
    TEbene Ep;
    Normalen_zu_Parameterform(E, Ep);
    Kugel_Ebene_ausgeben(s, K, V, KugelGegeben::Mittelpunktsform, E, Ep, EbeneGegeben::Normalenform,
                         x, y);
}

void Ergebnis_EbeneNorm_KugelM(Sheet& s, const TKugel& K, const TEbeneNorm& E, int x, int& y) {
    Ergebnis_Kugel_Ebene(s, K, E, x, y);
}

void Ergebnis_KugelV_EbeneNorm(Sheet& s, const TKugelV& V, const TEbeneNorm& E, int x, int& y) {
    TKugel K;
    Kugel_V_zu_M(V, K);
    TEbene Ep;
    Normalen_zu_Parameterform(E, Ep);
    Kugel_Ebene_ausgeben(s, K, V, KugelGegeben::Vektorform, E, Ep, EbeneGegeben::Normalenform, x,
                         y);
}

void Ergebnis_KugelM_EbenePAR(Sheet& s, const TKugel& K, const TEbene& E, int x, int& y) {
    TKugelV V;
    Kugel_M_zu_V(K, V);
    TEbeneNorm En;
    Parameter_zu_Normalenform(E, En);
    Kugel_Ebene_ausgeben(s, K, V, KugelGegeben::Mittelpunktsform, En, E,
                         EbeneGegeben::Parameterform, x, y);
}

void Ergebnis_KugelV_EbenePAR(Sheet& s, const TKugelV& V, const TEbene& E, int x, int& y) {
    TKugel K;
    Kugel_V_zu_M(V, K);
    TEbeneNorm En;
    Parameter_zu_Normalenform(E, En);
    Kugel_Ebene_ausgeben(s, K, V, KugelGegeben::Vektorform, En, E, EbeneGegeben::Parameterform, x,
                         y);
}

void Ergebnis_Kugel_Kugel(Sheet& s, const TKugel& K1, const TKugel& K2, int x, int& y) {
    TKugelV V1, V2;
    Kugel_M_zu_V(K1, V1);
    Kugel_M_zu_V(K2, V2);
    Kugel_Kugel_ausgeben(s, K1, V1, KugelGegeben::Mittelpunktsform, K2, V2,
                         KugelGegeben::Mittelpunktsform, x, y);
}

void Ergebnis_KugelM_KugelV(Sheet& s, const TKugel& K1, const TKugelV& V2, int x, int& y) {
    TKugelV V1;
    Kugel_M_zu_V(K1, V1);
    TKugel K2;
    Kugel_V_zu_M(V2, K2);
    Kugel_Kugel_ausgeben(s, K1, V1, KugelGegeben::Mittelpunktsform, K2, V2,
                         KugelGegeben::Vektorform, x, y);
}

void Ergebnis_KugelV_KugelV(Sheet& s, const TKugelV& V1, const TKugelV& V2, int x, int& y) {
    TKugel K1, K2;
    Kugel_V_zu_M(V1, K1);
    Kugel_V_zu_M(V2, K2);
    Kugel_Kugel_ausgeben(s, K1, V1, KugelGegeben::Vektorform, K2, V2, KugelGegeben::Vektorform, x,
                         y);
}

void Ergebnis_Kugel4Punkte(Sheet& s, const TViereck& punkte, const TKugel& K, int x, int& y) {
    s.Outtext(x, y, "Kugel aus vier Punkten:");
    s.movey(Luecke, y);
    s.Outtextln(x, y, "Vier Punkte:");
    const TPunkt* ecken[4] = {&punkte.A, &punkte.B, &punkte.C, &punkte.D};
    highlight(s);
    for (int i = 0; i < 4; ++i) {
        s.Punkt_ausgeben(*ecken[i], x, &s.anker.punkt[i], y);
        s.next_zeile(y);
    }
    plain(s);
    s.next_zeile(y);
    s.u(y);
    s.Outtextln(x, y, "Kugel:");
    TKugelV V;
    Kugel_M_zu_V(K, V);
    Kugel_ausgeben(s, K, V, KugelGegeben::keine, x, y);
}
