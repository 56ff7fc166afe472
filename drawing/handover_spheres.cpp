// Hand-overs of the sphere and vector tasks.
#include "core/messages.h"
#include "drawing/handover.h"
#include "sheet/sheet.h"

void SceneHandover::Kugel_uebergeben(const TKugel& K) {
    kugelUebergeben(Szenenart::Kugel, nach(szene_.SzeneKugel, K));
}

void SceneHandover::KugelV_uebergeben(const TKugelV& V) {
    kugelUebergeben(Szenenart::KugelV, nach(szene_.SzeneKugelV, V));
}

void SceneHandover::Kugel_Gerade_uebergeben(const TKugel& K, const TGerade& g) {
    kugelUebergeben(Szenenart::KugelGerade, nach(szene_.SzeneKugel, K),
                    nach(szene_.SzeneGerade, g));
}

void SceneHandover::KugelVF_Gerade_uebergeben(const TKugelV& V, const TGerade& g) {
    kugelUebergeben(Szenenart::KugelVGerade, nach(szene_.SzeneKugelV, V),
                    nach(szene_.SzeneGerade, g));
}

void SceneHandover::Kugel_Punkt_uebergeben(const TKugel& K, const TPunkt& P) {
    kugelUebergeben(Szenenart::KugelPunkt, nach(szene_.SzeneKugel, K), nach(szene_.SzenePunkt, P));
}

void SceneHandover::KugelM_Punkt_uebergeben(const TKugel& K, const TPunkt& P) {
    Kugel_Punkt_uebergeben(K, P);
}

void SceneHandover::KugelV_Punkt(const TKugelV& V, const TPunkt& P) {
    kugelUebergeben(Szenenart::KugelVPunkt, nach(szene_.SzeneKugelV, V),
                    nach(szene_.SzenePunkt, P));
}

void SceneHandover::Kugel_Ebene_uebergeben(const TKugel& K, const TEbeneNorm& E) {
    kugelUebergeben(Szenenart::KugelEbene, nach(szene_.SzeneKugel, K), nach(szene_.SzeneEbene, E));
}

void SceneHandover::EbeneNorm_KugelM_uebergeben(const TKugel& K, const TEbeneNorm& E) {
    kugelUebergeben(Szenenart::EbeneNormKugelM, nach(szene_.SzeneKugel, K),
                    nach(szene_.SzeneEbene, E));
}

void SceneHandover::KugelV_EbeneNorm_uebergeben(const TKugelV& V, const TEbeneNorm& E) {
    kugelUebergeben(Szenenart::KugelVEbeneNorm, nach(szene_.SzeneKugelV, V),
                    nach(szene_.SzeneEbene, E));
}

void SceneHandover::KugelM_EbenePAR_uebergeben(const TKugel& K, const TEbene& E) {
    kugelUebergeben(Szenenart::KugelMEbenePar, nach(szene_.SzeneKugel, K),
                    nach(szene_.SzeneEbenePar, E));
}

void SceneHandover::KugelV_EbenePAR_uebergeben(const TKugelV& V, const TEbene& E) {
    kugelUebergeben(Szenenart::KugelVEbenePar, nach(szene_.SzeneKugelV, V),
                    nach(szene_.SzeneEbenePar, E));
}

void SceneHandover::Kugel_Kugel_uebergeben(const TKugel& K1, const TKugel& K2) {
    kugelUebergeben(Szenenart::KugelKugel, nach(szene_.SzeneKugel1, K1),
                    nach(szene_.SzeneKugel2, K2));
}

void SceneHandover::KugelM_KugelM_uebergeben(const TKugel& K1, const TKugel& K2) {
    Kugel_Kugel_uebergeben(K1, K2);
}

void SceneHandover::KugelM_KugelV_uebergeben(const TKugel& K, const TKugelV& V) {
    kugelUebergeben(Szenenart::KugelMKugelV, nach(szene_.SzeneKugel, K),
                    nach(szene_.SzeneKugelV, V));
}

void SceneHandover::KugelV_KugelV_uebergeben(const TKugelV& V1, const TKugelV& V2) {
    kugelUebergeben(Szenenart::KugelVKugelV, nach(szene_.SzeneKugelV1, V1),
                    nach(szene_.SzeneKugelV2, V2));
}

void SceneHandover::Kugel4Punkte_uebergeben(const TViereck& punkte, const TKugel& K) {
    kugelUebergeben(Szenenart::Kugel4Punkte, nach(szene_.SzeneTetraeder, punkte),
                    nach(szene_.SzeneKugel, K));
}

// --- Vectors ---

void SceneHandover::Skalarprodukt_Uebergeben(const TPunkt& a, const TPunkt& b) {
    uebergeben(Szenenart::Skalarprodukt, nach(szene_.SzeneVek1, a), nach(szene_.SzeneVek2, b));
}

void SceneHandover::Vektorprodukt_Uebergeben(const TPunkt& a, const TPunkt& b) {
    TPunkt p = a, q = b;
    beginnen();
    const bool null = IstNullvektor(kreuzprodukt(p, q));
    szene_.SzeneVek1 = std::move(p);
    szene_.SzeneVek2 = std::move(q);
    if (null) {
        // The cleared drawing and sheet show while the box is up, so that the previous task's picture
        // does not stay beside the new report; the marked scene itself asks for no redraw.
        if (redraw) redraw();
        sheet_.loeschen();
        // A menu command, not a repaint: the box may be shown right here.
        meldungen_.abbrechenBox(meldung::Vektorprodukt_Null);
    }
    abschliessen(Szenenart::Vektorprodukt, !null);
    szene_.VektorproduktGemeldet = null;
}

void SceneHandover::Spatprodukt_Uebergeben(const TPunkt& a, const TPunkt& b, const TPunkt& c) {
    uebergeben(Szenenart::Spatprodukt, nach(szene_.SzeneVek1, a), nach(szene_.SzeneVek2, b),
               nach(szene_.SzeneVek3, c));
}

void SceneHandover::LineareAbh2_Uebergeben(const TPunkt& a, const TPunkt& b) {
    uebergeben(Szenenart::LineareAbh2, nach(szene_.SzeneVek1, a), nach(szene_.SzeneVek2, b));
}

void SceneHandover::LineareAbh3_Uebergeben(const TPunkt& a, const TPunkt& b, const TPunkt& c) {
    uebergeben(Szenenart::LineareAbh3, nach(szene_.SzeneVek1, a), nach(szene_.SzeneVek2, b),
               nach(szene_.SzeneVek3, c));
}

void SceneHandover::LineareAbh4_Uebergeben(const TPunkt& a, const TPunkt& b, const TPunkt& c,
                                           const TPunkt& d) {
    uebergeben(Szenenart::LineareAbh4, nach(szene_.SzeneVek1, a), nach(szene_.SzeneVek2, b),
               nach(szene_.SzeneVek3, c), nach(szene_.SzeneVek4, d));
}
