#include "drawing/handover.h"

#include "core/messages.h"
#include "sheet/scene_report.h"
#include "sheet/sheet.h"

// Every operation copies its arguments first: a caller may pass records that live in the scene
// stores themselves (the sheet's click editing does), and storing one of them must not change
// another argument on the way.

SceneHandover::SceneHandover(Szene& szene, Optionen& optionen, Sheet& sheet, Meldungen& meldungen,
                             std::function<void()> redraw)
    : redraw(std::move(redraw)), szene_(szene), optionen_(optionen), sheet_(sheet),
      meldungen_(meldungen) {}

void SceneHandover::beginnen() {
    szene_.art = Szenenart::keine;
    sheet_.loeschen();
}

void SceneHandover::abschliessen(Szenenart art, bool neuZeichnen) {
    szene_.art = art;
    if (neuZeichnen && redraw) redraw();
    Bericht_schreiben(sheet_, szene_);
}

// --- Points and figures ---

void SceneHandover::Punkt_uebergeben(const TPunkt& P) {
    TPunkt p = P;
    beginnen();
    szene_.SzenePunkt = std::move(p);
    abschliessen(Szenenart::Punkt);
}

void SceneHandover::Linie_uebergeben(const TStrecke& s) {
    TStrecke c = s;
    beginnen();
    szene_.SzeneStrecke = std::move(c);
    abschliessen(Szenenart::Linie);
}

void SceneHandover::Teilverhaeltnis_uebergeben(const TPunkt& A, const TPunkt& B, const TPunkt& T) {
    TPunkt a = A, b = B, t = T;
    beginnen();
    szene_.SzeneTeilpunkte[0] = std::move(a);
    szene_.SzeneTeilpunkte[1] = std::move(b);
    szene_.SzeneTeilpunkte[2] = std::move(t);
    abschliessen(Szenenart::Teilverhaeltnis);
}

void SceneHandover::Dreieck_uebergeben(const TDreieck& d) {
    TDreieck c = d;
    beginnen();
    szene_.SzeneDreieck = std::move(c);
    abschliessen(Szenenart::Dreieck);
}

void SceneHandover::Viereck_uebergeben(const TViereck& v) {
    TViereck c = v;
    beginnen();
    szene_.SzeneViereck = std::move(c);
    abschliessen(Szenenart::Viereck);
}

void SceneHandover::Parallelogramm_uebergeben(const TDreieck& d) {
    TDreieck c = d;
    beginnen();
    szene_.SzeneDreieck = std::move(c);
    abschliessen(Szenenart::Parallelogramm);
}

void SceneHandover::Tetraeder_uebergeben(const TViereck& t) {
    TViereck c = t;
    beginnen();
    szene_.SzeneTetraeder = std::move(c);
    optionen_.TetraederKanten = true;
    abschliessen(Szenenart::Tetraeder);
}

void SceneHandover::Tetraeder_Ebene_uebergeben(const TViereck& t, const TEbeneNorm& E) {
    TViereck c = t;
    TEbeneNorm e = E;
    beginnen();
    szene_.SzeneTetraeder = std::move(c);
    szene_.SzeneEbene = std::move(e);
    // The report finds the section points again; none of an earlier task may remain.
    for (int& da : szene_.SzeneSchnittpunktDa) da = 0;
    optionen_.TetraederKanten = true;
    abschliessen(Szenenart::TetraederEbene);
}

// --- Lines ---

void SceneHandover::Gerade_uebergeben(const TGerade& g) {
    TGerade c = g;
    beginnen();
    szene_.SzeneGerade = std::move(c);
    abschliessen(Szenenart::Gerade);
}

void SceneHandover::Gerade2Punkte_uebergeben(const TPunkt& A, const TPunkt& B, const TGerade& g) {
    TPunkt a = A, b = B;
    TGerade c = g;
    beginnen();
    szene_.SzeneStrecke.A = std::move(a);
    szene_.SzeneStrecke.B = std::move(b);
    szene_.SzeneGerade = std::move(c);
    abschliessen(Szenenart::Gerade2Punkte);
}

void SceneHandover::Gerade_Punkt_uebergeben(const TGerade& g, const TPunkt& P) {
    TGerade c = g;
    TPunkt p = P;
    beginnen();
    szene_.SzeneGerade = std::move(c);
    szene_.SzenePunkt = std::move(p);
    abschliessen(Szenenart::GeradePunkt);
}

void SceneHandover::ZweiGeraden_uebergeben(const TGerade& g, const TGerade& h) {
    TGerade c = g, d = h;
    beginnen();
    szene_.SzeneGerade1 = std::move(c);
    szene_.SzeneGerade2 = std::move(d);
    abschliessen(Szenenart::ZweiGeraden);
}

void SceneHandover::Punkt_ZweiGeraden_uebergeben(const TPunkt& P, const TGerade& g1,
                                                 const TGerade& g2) {
    TPunkt p = P;
    TGerade c = g1, d = g2;
    beginnen();
    szene_.SzenePunkt = std::move(p);
    szene_.SzeneGerade1 = std::move(c);
    szene_.SzeneGerade2 = std::move(d);
    abschliessen(Szenenart::PunktZweiGeraden);
}

// --- Planes ---

void SceneHandover::Ebene_uebergeben(const TEbeneNorm& E) {
    TEbeneNorm e = E;
    beginnen();
    szene_.SzeneEbene = std::move(e);
    abschliessen(Szenenart::Ebene);
}

void SceneHandover::EbenePAR_uebergeben(const TEbene& E) {
    TEbene e = E;
    beginnen();
    szene_.SzeneEbenePar = std::move(e);
    abschliessen(Szenenart::EbenePar);
}

void SceneHandover::Ebene3Punkte_uebergeben(const TPunkt& A, const TPunkt& B, const TPunkt& C,
                                            const TEbene& E) {
    TPunkt a = A, b = B, c = C;
    TEbene e = E;
    beginnen();
    szene_.SzeneDreieck.A = std::move(a);
    szene_.SzeneDreieck.B = std::move(b);
    szene_.SzeneDreieck.C = std::move(c);
    szene_.SzeneEbenePar = std::move(e);
    abschliessen(Szenenart::Ebene3Punkte);
}

void SceneHandover::Ebene_Punkt_uebergeben(const TEbeneNorm& E, const TPunkt& P) {
    TEbeneNorm e = E;
    TPunkt p = P;
    beginnen();
    szene_.SzeneEbene = std::move(e);
    szene_.SzenePunkt = std::move(p);
    abschliessen(Szenenart::EbenePunkt);
}

void SceneHandover::EbenePar_Punkt_uebergeben(const TEbene& E, const TPunkt& P) {
    TEbene e = E;
    TPunkt p = P;
    beginnen();
    szene_.SzeneEbenePar = std::move(e);
    szene_.SzenePunkt = std::move(p);
    abschliessen(Szenenart::EbeneParPunkt);
}

void SceneHandover::Ebene_Gerade_uebergeben(const TEbeneNorm& E, const TGerade& g) {
    TEbeneNorm e = E;
    TGerade c = g;
    beginnen();
    szene_.SzeneEbene = std::move(e);
    szene_.SzeneGerade = std::move(c);
    abschliessen(Szenenart::EbeneGerade);
}

void SceneHandover::EbenePAR_Gerade_uebergeben(const TEbene& E, const TGerade& g) {
    TEbene e = E;
    TGerade c = g;
    beginnen();
    szene_.SzeneEbenePar = std::move(e);
    szene_.SzeneGerade = std::move(c);
    abschliessen(Szenenart::EbeneParGerade);
}

void SceneHandover::Zwei_Ebenen_uebergeben(const TEbeneNorm& E1, const TEbeneNorm& E2) {
    EbeneNorm_EbeneNorm_uebergeben(E1, E2);
}

void SceneHandover::EbeneNorm_EbeneNorm_uebergeben(const TEbeneNorm& E1, const TEbeneNorm& E2) {
    TEbeneNorm e1 = E1, e2 = E2;
    beginnen();
    szene_.SzeneEbene1 = std::move(e1);
    szene_.SzeneEbene2 = std::move(e2);
    abschliessen(Szenenart::EbeneNormEbeneNorm);
}

void SceneHandover::EbenePAR_EbenePAR_uebergeben(const TEbene& E1, const TEbene& E2) {
    TEbene e1 = E1, e2 = E2;
    beginnen();
    szene_.SzeneEbenePar1 = std::move(e1);
    szene_.SzeneEbenePar2 = std::move(e2);
    abschliessen(Szenenart::EbeneParEbenePar);
}

void SceneHandover::EbenePAR_EbeneNorm_uebergeben(const TEbene& E1, const TEbeneNorm& E2) {
    TEbene e1 = E1;
    TEbeneNorm e2 = E2;
    beginnen();
    szene_.SzeneEbenePar1 = std::move(e1);
    szene_.SzeneEbene2 = std::move(e2);
    abschliessen(Szenenart::EbeneParEbeneNorm);
}
