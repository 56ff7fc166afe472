// The hand-over of the plane tasks: each clears the plane scene, stores its input, marks its
// kind and recomputes (plane mode, redraw, report).
#include "drawing/handover.h"

#include "sheet/scene_report.h"
#include "sheet/task_kind.h"

void SceneHandover::Ebene2_zuruecksetzen() {
    if (isPlaneKind(szene_.art) || isMatrixKind(szene_.art)) szene_.art = Szenenart::keine;
    // The affine scene's definitions and objects are shown no more; the maps and options stay.
    szene_.Affin.zuruecksetzen();
}

void SceneHandover::Ebene2_berechnen() {
    if (ebene2Starten) ebene2Starten();
    if (redraw) redraw();
    Bericht_schreiben(sheet_, szene_);
}

void SceneHandover::Dreieck2_uebergeben(const TPunkt2& A, const TPunkt2& B, const TPunkt2& C) {
    const TPunkt2 ecken[3] = {A, B, C}; // the arguments may be the stores themselves
    Ebene2_zuruecksetzen();
    for (int i = 0; i < 3; ++i) szene_.SzeneDreieck2[i] = ecken[i];
    szene_.art = Szenenart::Dreieck2;
    Ebene2_berechnen();
}

void SceneHandover::Ellipse_uebergeben(Szenenart art, const EllipsenEingabe& daten) {
    const EllipsenEingabe kopie = daten; // the argument may be the store itself
    Ebene2_zuruecksetzen();
    szene_.SzeneEllipse = kopie;
    szene_.art = art;
    Ebene2_berechnen();
}

void SceneHandover::Matrix_uebergeben(Szenenart art, const MatrixAufgabe& m) {
    Ebene2_zuruecksetzen();
    handOver(art, store(szene_.Matrizen, m));
}
