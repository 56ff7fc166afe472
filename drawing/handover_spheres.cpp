// Hand-overs of the sphere and vector tasks.
#include "core/messages.h"
#include "drawing/handover.h"
#include "sheet/sheet.h"

void SceneHandover::Kugel_uebergeben(const TKugel& K) {
    handOverSphere(Szenenart::Kugel, store(szene_.SzeneKugel, K));
}

void SceneHandover::KugelV_uebergeben(const TKugelV& V) {
    handOverSphere(Szenenart::KugelV, store(szene_.SzeneKugelV, V));
}

void SceneHandover::Kugel_Gerade_uebergeben(const TKugel& K, const TGerade& g) {
    handOverSphere(Szenenart::KugelGerade, store(szene_.SzeneKugel, K),
                   store(szene_.SzeneGerade, g));
}

void SceneHandover::KugelVF_Gerade_uebergeben(const TKugelV& V, const TGerade& g) {
    handOverSphere(Szenenart::KugelVGerade, store(szene_.SzeneKugelV, V),
                   store(szene_.SzeneGerade, g));
}

void SceneHandover::Kugel_Punkt_uebergeben(const TKugel& K, const TPunkt& P) {
    handOverSphere(Szenenart::KugelPunkt, store(szene_.SzeneKugel, K), store(szene_.SzenePunkt, P));
}

void SceneHandover::KugelM_Punkt_uebergeben(const TKugel& K, const TPunkt& P) {
    Kugel_Punkt_uebergeben(K, P);
}

void SceneHandover::KugelV_Punkt(const TKugelV& V, const TPunkt& P) {
    handOverSphere(Szenenart::KugelVPunkt, store(szene_.SzeneKugelV, V),
                   store(szene_.SzenePunkt, P));
}

void SceneHandover::Kugel_Ebene_uebergeben(const TKugel& K, const TEbeneNorm& E) {
    handOverSphere(Szenenart::KugelEbene, store(szene_.SzeneKugel, K), store(szene_.SzeneEbene, E));
}

void SceneHandover::EbeneNorm_KugelM_uebergeben(const TKugel& K, const TEbeneNorm& E) {
    handOverSphere(Szenenart::EbeneNormKugelM, store(szene_.SzeneKugel, K),
                   store(szene_.SzeneEbene, E));
}

void SceneHandover::KugelV_EbeneNorm_uebergeben(const TKugelV& V, const TEbeneNorm& E) {
    handOverSphere(Szenenart::KugelVEbeneNorm, store(szene_.SzeneKugelV, V),
                   store(szene_.SzeneEbene, E));
}

void SceneHandover::KugelM_EbenePAR_uebergeben(const TKugel& K, const TEbene& E) {
    handOverSphere(Szenenart::KugelMEbenePar, store(szene_.SzeneKugel, K),
                   store(szene_.SzeneEbenePar, E));
}

void SceneHandover::KugelV_EbenePAR_uebergeben(const TKugelV& V, const TEbene& E) {
    handOverSphere(Szenenart::KugelVEbenePar, store(szene_.SzeneKugelV, V),
                   store(szene_.SzeneEbenePar, E));
}

void SceneHandover::Kugel_Kugel_uebergeben(const TKugel& K1, const TKugel& K2) {
    handOverSphere(Szenenart::KugelKugel, store(szene_.SzeneKugel1, K1),
                   store(szene_.SzeneKugel2, K2));
}

void SceneHandover::KugelM_KugelM_uebergeben(const TKugel& K1, const TKugel& K2) {
    Kugel_Kugel_uebergeben(K1, K2);
}

void SceneHandover::KugelM_KugelV_uebergeben(const TKugel& K, const TKugelV& V) {
    handOverSphere(Szenenart::KugelMKugelV, store(szene_.SzeneKugel, K),
                   store(szene_.SzeneKugelV, V));
}

void SceneHandover::KugelV_KugelV_uebergeben(const TKugelV& V1, const TKugelV& V2) {
    handOverSphere(Szenenart::KugelVKugelV, store(szene_.SzeneKugelV1, V1),
                   store(szene_.SzeneKugelV2, V2));
}

void SceneHandover::Kugel4Punkte_uebergeben(const TViereck& punkte, const TKugel& K) {
    handOverSphere(Szenenart::Kugel4Punkte, store(szene_.SzeneTetraeder, punkte),
                   store(szene_.SzeneKugel, K));
}

// --- Vectors ---

void SceneHandover::Skalarprodukt_Uebergeben(const TPunkt& a, const TPunkt& b) {
    handOver(Szenenart::Skalarprodukt, store(szene_.SzeneVek1, a), store(szene_.SzeneVek2, b));
}

void SceneHandover::Vektorprodukt_Uebergeben(const TPunkt& a, const TPunkt& b) {
    TPunkt p = a, q = b;
    begin();
    const bool null = IstNullvektor(kreuzprodukt(p, q));
    szene_.SzeneVek1 = std::move(p);
    szene_.SzeneVek2 = std::move(q);
    if (null) {
        // The cleared drawing and sheet show while the box is up, so that the previous task's
        // picture does not stay beside the new report; the marked scene itself asks for no redraw.
        if (redraw) redraw();
        sheet_.loeschen();
        // A menu command, not a repaint: the box may be shown right here.
        meldungen_.cancelBox(meldung::Vektorprodukt_Null);
    }
    finish(Szenenart::Vektorprodukt, !null);
    szene_.VektorproduktGemeldet = null;
}

void SceneHandover::Spatprodukt_Uebergeben(const TPunkt& a, const TPunkt& b, const TPunkt& c) {
    handOver(Szenenart::Spatprodukt, store(szene_.SzeneVek1, a), store(szene_.SzeneVek2, b),
             store(szene_.SzeneVek3, c));
}

void SceneHandover::LineareAbh2_Uebergeben(const TPunkt& a, const TPunkt& b) {
    handOver(Szenenart::LineareAbh2, store(szene_.SzeneVek1, a), store(szene_.SzeneVek2, b));
}

void SceneHandover::LineareAbh3_Uebergeben(const TPunkt& a, const TPunkt& b, const TPunkt& c) {
    handOver(Szenenart::LineareAbh3, store(szene_.SzeneVek1, a), store(szene_.SzeneVek2, b),
             store(szene_.SzeneVek3, c));
}

void SceneHandover::LineareAbh4_Uebergeben(const TPunkt& a, const TPunkt& b, const TPunkt& c,
                                           const TPunkt& d) {
    handOver(Szenenart::LineareAbh4, store(szene_.SzeneVek1, a), store(szene_.SzeneVek2, b),
             store(szene_.SzeneVek3, c), store(szene_.SzeneVek4, d));
}
