#include "drawing/handover.h"

#include "sheet/scene_report.h"
#include "sheet/sheet.h"

SceneHandover::SceneHandover(Szene& szene, Optionen& optionen, Sheet& sheet, Messages& meldungen,
                             std::function<void()> redraw)
    : redraw(std::move(redraw)), szene_(szene), optionen_(optionen), sheet_(sheet),
      meldungen_(meldungen) {}

void SceneHandover::begin() {
    szene_.art = Szenenart::keine;
}

void SceneHandover::finish(Szenenart art, bool withRedraw) {
    szene_.art = art;
    if (withRedraw && redraw) redraw();
    Bericht_schreiben(sheet_, szene_);
}

// --- Points and figures ---

void SceneHandover::Punkt_uebergeben(const TPunkt& P) {
    handOver(Szenenart::Punkt, store(szene_.SzenePunkt, P));
}

void SceneHandover::Linie_uebergeben(const TStrecke& s) {
    handOver(Szenenart::Linie, store(szene_.SzeneStrecke, s));
}

void SceneHandover::Teilverhaeltnis_uebergeben(const TPunkt& A, const TPunkt& B, const TPunkt& T) {
    TPunkt* t = szene_.SzeneTeilpunkte;
    handOver(Szenenart::Teilverhaeltnis, store(t[0], A), store(t[1], B), store(t[2], T));
}

void SceneHandover::Dreieck_uebergeben(const TDreieck& d) {
    handOver(Szenenart::Dreieck, store(szene_.SzeneDreieck, d));
}

void SceneHandover::Viereck_uebergeben(const TViereck& v) {
    handOver(Szenenart::Viereck, store(szene_.SzeneViereck, v));
}

void SceneHandover::Parallelogramm_uebergeben(const TDreieck& d) {
    handOver(Szenenart::Parallelogramm, store(szene_.SzeneDreieck, d));
}

void SceneHandover::Tetraeder_uebergeben(const TViereck& t) {
    optionen_.TetraederKanten = true;
    handOver(Szenenart::Tetraeder, store(szene_.SzeneTetraeder, t));
}

void SceneHandover::Tetraeder_Ebene_uebergeben(const TViereck& t, const TEbeneNorm& E) {
    optionen_.TetraederKanten = true;
    handOver(Szenenart::TetraederEbene, store(szene_.SzeneTetraeder, t),
             store(szene_.SzeneEbene, E));
}

// --- Lines ---

void SceneHandover::Gerade_uebergeben(const TGerade& g) {
    handOver(Szenenart::Gerade, store(szene_.SzeneGerade, g));
}

void SceneHandover::Gerade2Punkte_uebergeben(const TPunkt& A, const TPunkt& B, const TGerade& g) {
    handOver(Szenenart::Gerade2Punkte, store(szene_.SzeneStrecke.A, A),
             store(szene_.SzeneStrecke.B, B), store(szene_.SzeneGerade, g));
}

void SceneHandover::Gerade_Punkt_uebergeben(const TGerade& g, const TPunkt& P) {
    handOver(Szenenart::GeradePunkt, store(szene_.SzeneGerade, g), store(szene_.SzenePunkt, P));
}

void SceneHandover::ZweiGeraden_uebergeben(const TGerade& g, const TGerade& h) {
    handOver(Szenenart::ZweiGeraden, store(szene_.SzeneGerade1, g), store(szene_.SzeneGerade2, h));
}

void SceneHandover::Punkt_ZweiGeraden_uebergeben(const TPunkt& P, const TGerade& g1,
                                                 const TGerade& g2) {
    handOver(Szenenart::PunktZweiGeraden, store(szene_.SzenePunkt, P),
             store(szene_.SzeneGerade1, g1), store(szene_.SzeneGerade2, g2));
}

// --- Planes ---

void SceneHandover::Ebene_uebergeben(const TEbeneNorm& E) {
    handOver(Szenenart::Ebene, store(szene_.SzeneEbene, E));
}

void SceneHandover::EbenePAR_uebergeben(const TEbene& E) {
    handOver(Szenenart::EbenePar, store(szene_.SzeneEbenePar, E));
}

void SceneHandover::Ebene3Punkte_uebergeben(const TPunkt& A, const TPunkt& B, const TPunkt& C,
                                            const TEbene& E) {
    TDreieck& d = szene_.SzeneDreieck;
    handOver(Szenenart::Ebene3Punkte, store(d.A, A), store(d.B, B), store(d.C, C),
             store(szene_.SzeneEbenePar, E));
}

void SceneHandover::Ebene_Punkt_uebergeben(const TEbeneNorm& E, const TPunkt& P) {
    handOver(Szenenart::EbenePunkt, store(szene_.SzeneEbene, E), store(szene_.SzenePunkt, P));
}

void SceneHandover::EbenePar_Punkt_uebergeben(const TEbene& E, const TPunkt& P) {
    handOver(Szenenart::EbeneParPunkt, store(szene_.SzeneEbenePar, E), store(szene_.SzenePunkt, P));
}

void SceneHandover::Ebene_Gerade_uebergeben(const TEbeneNorm& E, const TGerade& g) {
    handOver(Szenenart::EbeneGerade, store(szene_.SzeneEbene, E), store(szene_.SzeneGerade, g));
}

void SceneHandover::EbenePAR_Gerade_uebergeben(const TEbene& E, const TGerade& g) {
    handOver(Szenenart::EbeneParGerade, store(szene_.SzeneEbenePar, E),
             store(szene_.SzeneGerade, g));
}

void SceneHandover::Zwei_Ebenen_uebergeben(const TEbeneNorm& E1, const TEbeneNorm& E2) {
    EbeneNorm_EbeneNorm_uebergeben(E1, E2);
}

void SceneHandover::EbeneNorm_EbeneNorm_uebergeben(const TEbeneNorm& E1, const TEbeneNorm& E2) {
    handOver(Szenenart::EbeneNormEbeneNorm, store(szene_.SzeneEbene1, E1),
             store(szene_.SzeneEbene2, E2));
}

void SceneHandover::EbenePAR_EbenePAR_uebergeben(const TEbene& E1, const TEbene& E2) {
    handOver(Szenenart::EbeneParEbenePar, store(szene_.SzeneEbenePar1, E1),
             store(szene_.SzeneEbenePar2, E2));
}

void SceneHandover::EbenePAR_EbeneNorm_uebergeben(const TEbene& E1, const TEbeneNorm& E2) {
    handOver(Szenenart::EbeneParEbeneNorm, store(szene_.SzeneEbenePar1, E1),
             store(szene_.SzeneEbene2, E2));
}
