// Hand-overs of the sphere and vector tasks.
#include "core/messages.h"
#include "drawing/handover.h"

// Every sphere task shows the centres of the sphere's circles in the coordinate planes; the flag
// is never switched off again.

void SceneHandover::Kugel_uebergeben(const TKugel& K) {
    TKugel k = K;
    beginnen();
    szene_.SzeneKugel = std::move(k);
    optionen_.KugelEbenenpunkte = true;
    abschliessen(Szenenart::Kugel);
}

void SceneHandover::KugelV_uebergeben(const TKugelV& V) {
    TKugelV v = V;
    beginnen();
    szene_.SzeneKugelV = std::move(v);
    optionen_.KugelEbenenpunkte = true;
    abschliessen(Szenenart::KugelV);
}

void SceneHandover::Kugel_Gerade_uebergeben(const TKugel& K, const TGerade& g) {
    TKugel k = K;
    TGerade c = g;
    beginnen();
    szene_.SzeneKugel = std::move(k);
    szene_.SzeneGerade = std::move(c);
    optionen_.KugelEbenenpunkte = true;
    abschliessen(Szenenart::KugelGerade);
}

void SceneHandover::KugelVF_Gerade_uebergeben(const TKugelV& V, const TGerade& g) {
    TKugelV v = V;
    TGerade c = g;
    beginnen();
    szene_.SzeneKugelV = std::move(v);
    szene_.SzeneGerade = std::move(c);
    optionen_.KugelEbenenpunkte = true;
    abschliessen(Szenenart::KugelVGerade);
}

void SceneHandover::Kugel_Punkt_uebergeben(const TKugel& K, const TPunkt& P) {
    TKugel k = K;
    TPunkt p = P;
    beginnen();
    szene_.SzeneKugel = std::move(k);
    szene_.SzenePunkt = std::move(p);
    optionen_.KugelEbenenpunkte = true;
    abschliessen(Szenenart::KugelPunkt);
}

void SceneHandover::KugelM_Punkt_uebergeben(const TKugel& K, const TPunkt& P) {
    Kugel_Punkt_uebergeben(K, P);
}

void SceneHandover::KugelV_Punkt(const TKugelV& V, const TPunkt& P) {
    TKugelV v = V;
    TPunkt p = P;
    beginnen();
    szene_.SzeneKugelV = std::move(v);
    szene_.SzenePunkt = std::move(p);
    optionen_.KugelEbenenpunkte = true;
    abschliessen(Szenenart::KugelVPunkt);
}

void SceneHandover::Kugel_Ebene_uebergeben(const TKugel& K, const TEbeneNorm& E) {
    TKugel k = K;
    TEbeneNorm e = E;
    beginnen();
    szene_.SzeneKugel = std::move(k);
    szene_.SzeneEbene = std::move(e);
    optionen_.KugelEbenenpunkte = true;
    abschliessen(Szenenart::KugelEbene);
}

void SceneHandover::EbeneNorm_KugelM_uebergeben(const TKugel& K, const TEbeneNorm& E) {
    TKugel k = K;
    TEbeneNorm e = E;
    beginnen();
    szene_.SzeneKugel = std::move(k);
    szene_.SzeneEbene = std::move(e);
    optionen_.KugelEbenenpunkte = true;
    abschliessen(Szenenart::EbeneNormKugelM);
}

void SceneHandover::KugelV_EbeneNorm_uebergeben(const TKugelV& V, const TEbeneNorm& E) {
    TKugelV v = V;
    TEbeneNorm e = E;
    beginnen();
    szene_.SzeneKugelV = std::move(v);
    szene_.SzeneEbene = std::move(e);
    optionen_.KugelEbenenpunkte = true;
    abschliessen(Szenenart::KugelVEbeneNorm);
}

void SceneHandover::KugelM_EbenePAR_uebergeben(const TKugel& K, const TEbene& E) {
    TKugel k = K;
    TEbene e = E;
    beginnen();
    szene_.SzeneKugel = std::move(k);
    szene_.SzeneEbenePar = std::move(e);
    optionen_.KugelEbenenpunkte = true;
    abschliessen(Szenenart::KugelMEbenePar);
}

void SceneHandover::KugelV_EbenePAR_uebergeben(const TKugelV& V, const TEbene& E) {
    TKugelV v = V;
    TEbene e = E;
    beginnen();
    szene_.SzeneKugelV = std::move(v);
    szene_.SzeneEbenePar = std::move(e);
    optionen_.KugelEbenenpunkte = true;
    abschliessen(Szenenart::KugelVEbenePar);
}

void SceneHandover::Kugel_Kugel_uebergeben(const TKugel& K1, const TKugel& K2) {
    TKugel k1 = K1, k2 = K2;
    beginnen();
    szene_.SzeneKugel1 = std::move(k1);
    szene_.SzeneKugel2 = std::move(k2);
    optionen_.KugelEbenenpunkte = true;
    abschliessen(Szenenart::KugelKugel);
}

void SceneHandover::KugelM_KugelM_uebergeben(const TKugel& K1, const TKugel& K2) {
    Kugel_Kugel_uebergeben(K1, K2);
}

void SceneHandover::KugelM_KugelV_uebergeben(const TKugel& K, const TKugelV& V) {
    TKugel k = K;
    TKugelV v = V;
    beginnen();
    szene_.SzeneKugel = std::move(k);
    szene_.SzeneKugelV = std::move(v);
    optionen_.KugelEbenenpunkte = true;
    abschliessen(Szenenart::KugelMKugelV);
}

void SceneHandover::KugelV_KugelV_uebergeben(const TKugelV& V1, const TKugelV& V2) {
    TKugelV v1 = V1, v2 = V2;
    beginnen();
    szene_.SzeneKugelV1 = std::move(v1);
    szene_.SzeneKugelV2 = std::move(v2);
    optionen_.KugelEbenenpunkte = true;
    abschliessen(Szenenart::KugelVKugelV);
}

void SceneHandover::Kugel4Punkte_uebergeben(const TViereck& punkte, const TKugel& K) {
    TViereck t = punkte;
    TKugel k = K;
    beginnen();
    szene_.SzeneTetraeder = std::move(t);
    szene_.SzeneKugel = std::move(k);
    optionen_.KugelEbenenpunkte = true;
    abschliessen(Szenenart::Kugel4Punkte);
}

// --- Vectors ---

void SceneHandover::Skalarprodukt_Uebergeben(const TPunkt& a, const TPunkt& b) {
    TPunkt p = a, q = b;
    beginnen();
    szene_.SzeneVek1 = std::move(p);
    szene_.SzeneVek2 = std::move(q);
    abschliessen(Szenenart::Skalarprodukt);
}

void SceneHandover::Vektorprodukt_Uebergeben(const TPunkt& a, const TPunkt& b) {
    TPunkt p = a, q = b;
    beginnen();
    const bool null = IstNullvektor(kreuzprodukt(p, q));
    szene_.SzeneVek1 = std::move(p);
    szene_.SzeneVek2 = std::move(q);
    if (null) {
        // The cleared drawing shows while the box is up, so that the previous task's picture
        // does not stay beside the new report; the marked scene itself asks for no redraw.
        if (redraw) redraw();
        // A menu command, not a repaint: the box may be shown right here.
        meldungen_.abbrechenBox(meldung::Vektorprodukt_Null);
    }
    abschliessen(Szenenart::Vektorprodukt, !null);
    szene_.VektorproduktGemeldet = null;
}

void SceneHandover::Spatprodukt_Uebergeben(const TPunkt& a, const TPunkt& b, const TPunkt& c) {
    TPunkt p = a, q = b, r = c;
    beginnen();
    szene_.SzeneVek1 = std::move(p);
    szene_.SzeneVek2 = std::move(q);
    szene_.SzeneVek3 = std::move(r);
    abschliessen(Szenenart::Spatprodukt);
}

void SceneHandover::LineareAbh2_Uebergeben(const TPunkt& a, const TPunkt& b) {
    TPunkt p = a, q = b;
    beginnen();
    szene_.SzeneVek1 = std::move(p);
    szene_.SzeneVek2 = std::move(q);
    abschliessen(Szenenart::LineareAbh2);
}

void SceneHandover::LineareAbh3_Uebergeben(const TPunkt& a, const TPunkt& b, const TPunkt& c) {
    TPunkt p = a, q = b, r = c;
    beginnen();
    szene_.SzeneVek1 = std::move(p);
    szene_.SzeneVek2 = std::move(q);
    szene_.SzeneVek3 = std::move(r);
    abschliessen(Szenenart::LineareAbh3);
}

void SceneHandover::LineareAbh4_Uebergeben(const TPunkt& a, const TPunkt& b, const TPunkt& c,
                                           const TPunkt& d) {
    TPunkt p = a, q = b, r = c, s = d;
    beginnen();
    szene_.SzeneVek1 = std::move(p);
    szene_.SzeneVek2 = std::move(q);
    szene_.SzeneVek3 = std::move(r);
    szene_.SzeneVek4 = std::move(s);
    abschliessen(Szenenart::LineareAbh4);
}
