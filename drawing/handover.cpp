#include "drawing/handover.h"

#include "sheet/scene_report.h"
#include "sheet/sheet.h"

SceneHandover::SceneHandover(Szene& szene, Optionen& optionen, Sheet& sheet, Meldungen& meldungen,
                             std::function<void()> redraw)
    : redraw(std::move(redraw)), szene_(szene), optionen_(optionen), sheet_(sheet),
      meldungen_(meldungen) {}

void SceneHandover::beginnen() {
    szene_.art = Szenenart::keine;
}

void SceneHandover::abschliessen(Szenenart art, bool neuZeichnen) {
    szene_.art = art;
    if (neuZeichnen && redraw) redraw();
    Bericht_schreiben(sheet_, szene_);
}

// --- Points and figures ---

void SceneHandover::Punkt_uebergeben(const TPunkt& P) {
    uebergeben(Szenenart::Punkt, nach(szene_.SzenePunkt, P));
}

void SceneHandover::Linie_uebergeben(const TStrecke& s) {
    uebergeben(Szenenart::Linie, nach(szene_.SzeneStrecke, s));
}

void SceneHandover::Teilverhaeltnis_uebergeben(const TPunkt& A, const TPunkt& B, const TPunkt& T) {
    TPunkt* t = szene_.SzeneTeilpunkte;
    uebergeben(Szenenart::Teilverhaeltnis, nach(t[0], A), nach(t[1], B), nach(t[2], T));
}

void SceneHandover::Dreieck_uebergeben(const TDreieck& d) {
    uebergeben(Szenenart::Dreieck, nach(szene_.SzeneDreieck, d));
}

void SceneHandover::Viereck_uebergeben(const TViereck& v) {
    uebergeben(Szenenart::Viereck, nach(szene_.SzeneViereck, v));
}

void SceneHandover::Parallelogramm_uebergeben(const TDreieck& d) {
    uebergeben(Szenenart::Parallelogramm, nach(szene_.SzeneDreieck, d));
}

void SceneHandover::Tetraeder_uebergeben(const TViereck& t) {
    optionen_.TetraederKanten = true;
    uebergeben(Szenenart::Tetraeder, nach(szene_.SzeneTetraeder, t));
}

void SceneHandover::Tetraeder_Ebene_uebergeben(const TViereck& t, const TEbeneNorm& E) {
    optionen_.TetraederKanten = true;
    uebergeben(Szenenart::TetraederEbene, nach(szene_.SzeneTetraeder, t),
               nach(szene_.SzeneEbene, E));
}

// --- Lines ---

void SceneHandover::Gerade_uebergeben(const TGerade& g) {
    uebergeben(Szenenart::Gerade, nach(szene_.SzeneGerade, g));
}

void SceneHandover::Gerade2Punkte_uebergeben(const TPunkt& A, const TPunkt& B, const TGerade& g) {
    uebergeben(Szenenart::Gerade2Punkte, nach(szene_.SzeneStrecke.A, A),
               nach(szene_.SzeneStrecke.B, B), nach(szene_.SzeneGerade, g));
}

void SceneHandover::Gerade_Punkt_uebergeben(const TGerade& g, const TPunkt& P) {
    uebergeben(Szenenart::GeradePunkt, nach(szene_.SzeneGerade, g), nach(szene_.SzenePunkt, P));
}

void SceneHandover::ZweiGeraden_uebergeben(const TGerade& g, const TGerade& h) {
    uebergeben(Szenenart::ZweiGeraden, nach(szene_.SzeneGerade1, g), nach(szene_.SzeneGerade2, h));
}

void SceneHandover::Punkt_ZweiGeraden_uebergeben(const TPunkt& P, const TGerade& g1,
                                                 const TGerade& g2) {
    uebergeben(Szenenart::PunktZweiGeraden, nach(szene_.SzenePunkt, P),
               nach(szene_.SzeneGerade1, g1), nach(szene_.SzeneGerade2, g2));
}

// --- Planes ---

void SceneHandover::Ebene_uebergeben(const TEbeneNorm& E) {
    uebergeben(Szenenart::Ebene, nach(szene_.SzeneEbene, E));
}

void SceneHandover::EbenePAR_uebergeben(const TEbene& E) {
    uebergeben(Szenenart::EbenePar, nach(szene_.SzeneEbenePar, E));
}

void SceneHandover::Ebene3Punkte_uebergeben(const TPunkt& A, const TPunkt& B, const TPunkt& C,
                                            const TEbene& E) {
    TDreieck& d = szene_.SzeneDreieck;
    uebergeben(Szenenart::Ebene3Punkte, nach(d.A, A), nach(d.B, B), nach(d.C, C),
               nach(szene_.SzeneEbenePar, E));
}

void SceneHandover::Ebene_Punkt_uebergeben(const TEbeneNorm& E, const TPunkt& P) {
    uebergeben(Szenenart::EbenePunkt, nach(szene_.SzeneEbene, E), nach(szene_.SzenePunkt, P));
}

void SceneHandover::EbenePar_Punkt_uebergeben(const TEbene& E, const TPunkt& P) {
    uebergeben(Szenenart::EbeneParPunkt, nach(szene_.SzeneEbenePar, E), nach(szene_.SzenePunkt, P));
}

void SceneHandover::Ebene_Gerade_uebergeben(const TEbeneNorm& E, const TGerade& g) {
    uebergeben(Szenenart::EbeneGerade, nach(szene_.SzeneEbene, E), nach(szene_.SzeneGerade, g));
}

void SceneHandover::EbenePAR_Gerade_uebergeben(const TEbene& E, const TGerade& g) {
    uebergeben(Szenenart::EbeneParGerade, nach(szene_.SzeneEbenePar, E),
               nach(szene_.SzeneGerade, g));
}

void SceneHandover::Zwei_Ebenen_uebergeben(const TEbeneNorm& E1, const TEbeneNorm& E2) {
    EbeneNorm_EbeneNorm_uebergeben(E1, E2);
}

void SceneHandover::EbeneNorm_EbeneNorm_uebergeben(const TEbeneNorm& E1, const TEbeneNorm& E2) {
    uebergeben(Szenenart::EbeneNormEbeneNorm, nach(szene_.SzeneEbene1, E1),
               nach(szene_.SzeneEbene2, E2));
}

void SceneHandover::EbenePAR_EbenePAR_uebergeben(const TEbene& E1, const TEbene& E2) {
    uebergeben(Szenenart::EbeneParEbenePar, nach(szene_.SzeneEbenePar1, E1),
               nach(szene_.SzeneEbenePar2, E2));
}

void SceneHandover::EbenePAR_EbeneNorm_uebergeben(const TEbene& E1, const TEbeneNorm& E2) {
    uebergeben(Szenenart::EbeneParEbeneNorm, nach(szene_.SzeneEbenePar1, E1),
               nach(szene_.SzeneEbene2, E2));
}
