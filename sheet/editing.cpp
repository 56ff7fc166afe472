// The click editing of the 3-D tasks: the one recomputation after a click, and the backups of
// the tasks with a derived object. Which numbers a task offers is in its kind's row.
#include "sheet/editing.h"

#include "core/messages.h"
#include "core/objects.h"
#include "sheet/input_clicks.h"
#include "sheet/scene_report.h"
#include "sheet/sheet.h"
#include "sheet/task_kind.h"

SheetEditing::SheetEditing(Szene& szene, Sheet& sheet, Messages& meldungen)
    : szene_(szene), sheet_(sheet), meldungen_(meldungen) {}

void SheetEditing::Image1MouseDown(bool links, int X, int Y) {
    if (szene_.art == Szenenart::keine) return;

    // The recomputation moves the anchors; the whole click is tested against these.
    const Anchors anker = sheet_.anker;
    takeBackups();
    const Szene vorher = szene_;

    InputClicks clicks(anker, links, X, Y);
    taskKind(szene_.art)->inputs(szene_, clicks);
    if (clicks.invalid()) {
        // The sheet and the drawing still show the state before the click.
        szene_ = vorher;
        editError();
        return;
    }
    Neue_Berechnung();
}

void SheetEditing::takeBackups() {
    const Szene& z = szene_;
    if (z.art == Szenenart::Gerade2Punkte && IstGerade(z.SzeneGerade))
        lineBackup_ = LineBackup{z.SzeneStrecke.A, z.SzeneStrecke.B, z.SzeneGerade};
    if (z.art == Szenenart::Ebene3Punkte && IstEbenePar(z.SzeneEbenePar))
        planeBackup_ =
            PlaneBackup{z.SzeneDreieck.A, z.SzeneDreieck.B, z.SzeneDreieck.C, z.SzeneEbenePar};
}

void SheetEditing::editError() {
    meldungen_.beep();
    meldungen_.errorBox(meldung::Editierfehler);
}

bool SheetEditing::rebuildLine() {
    TStrecke& pq = szene_.SzeneStrecke;
    TGerade g = szene_.SzeneGerade;
    Gerade_durch_2_Punkte(pq.A, pq.B, g);
    if (IstGerade(g)) {
        szene_.SzeneGerade = g;
        lineBackup_ = LineBackup{pq.A, pq.B, g};
        return true;
    }
    if (lineBackup_) {
        pq.A = lineBackup_->P;
        pq.B = lineBackup_->Q;
        szene_.SzeneGerade = lineBackup_->g;
    }
    return false;
}

bool SheetEditing::rebuildPlane() {
    TDreieck& abc = szene_.SzeneDreieck;
    TEbene E = szene_.SzeneEbenePar;
    Ebene_durch_3_Punkte(abc.A, abc.B, abc.C, E);
    E.Name = "E: ";
    E.Farbe = abc.Farbe;
    if (IstEbenePar(E)) {
        szene_.SzeneEbenePar = E;
        planeBackup_ = PlaneBackup{abc.A, abc.B, abc.C, E};
        return true;
    }
    if (planeBackup_) {
        abc.A = planeBackup_->A;
        abc.B = planeBackup_->B;
        abc.C = planeBackup_->C;
        szene_.SzeneEbenePar = planeBackup_->E;
    }
    return false;
}

bool SheetEditing::rebuildSphere() {
    const TViereck& p = szene_.SzeneTetraeder;
    bool geloest = false;
    TKugel K = szene_.SzeneKugel;
    Kugel_durch_4_Punkte(p.A, p.B, p.C, p.D, geloest, K);
    if (!geloest) return false;
    if (Kugel4Punkte_uebergeben) {
        Kugel4Punkte_uebergeben(p, K); // stores, redraws and reports
    } else {
        szene_.SzeneKugel = K;
        Bericht_schreiben(sheet_, szene_);
        if (redraw) redraw();
    }
    return true;
}

void SheetEditing::Neue_Berechnung() {
    switch (szene_.art) {
    case Szenenart::Kugel4Punkte:
        // There is no earlier sphere to fall back to: the changed points stay, the sheet stays
        // empty until the next click or task.
        if (!rebuildSphere()) {
            sheet_.loeschen();
            meldungen_.beep();
            editError();
        }
        return;
    case Szenenart::Gerade2Punkte:
        if (!rebuildLine()) {
            Bericht_schreiben(sheet_, szene_);
            return editError();
        }
        break;
    case Szenenart::Ebene3Punkte:
        if (!rebuildPlane()) {
            Bericht_schreiben(sheet_, szene_);
            return editError();
        }
        break;
    default:
        break;
    }
    Bericht_schreiben(sheet_, szene_);
    if (redraw) redraw();
}
