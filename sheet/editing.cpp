// The click editing of the 3-D tasks: the one recomputation after a click, and the backups of
// the tasks with a derived object. Which numbers a task offers is in its kind's row.
#include "sheet/editing.h"

#include "core/messages.h"
#include "core/objects.h"
#include "sheet/input_clicks.h"
#include "sheet/scene_report.h"
#include "sheet/sheet.h"
#include "sheet/task_kind.h"

SheetEditing::SheetEditing(Szene& szene, Sheet& sheet, Meldungen& meldungen)
    : szene_(szene), sheet_(sheet), meldungen_(meldungen) {}

void SheetEditing::Image1MouseDown(bool links, int X, int Y) {
    if (szene_.art == Szenenart::keine) return;

    // The recomputation moves the anchors; the whole click is tested against these.
    const Ankerbuch anker = sheet_.anker;
    Sicherungen_merken();
    const Szene vorher = szene_;

    InputClicks clicks(anker, links, X, Y);
    taskKind(szene_.art)->inputs(szene_, clicks);
    if (clicks.invalid()) {
        // The sheet and the drawing still show the state before the click.
        szene_ = vorher;
        editierfehler();
        return;
    }
    Neue_Berechnung();
}

void SheetEditing::Sicherungen_merken() {
    const Szene& z = szene_;
    if (z.art == Szenenart::Gerade2Punkte && IstGerade(z.SzeneGerade))
        sicherungGerade_ = SicherungGerade{z.SzeneStrecke.A, z.SzeneStrecke.B, z.SzeneGerade};
    if (z.art == Szenenart::Ebene3Punkte && IstEbenePar(z.SzeneEbenePar))
        sicherungEbene_ =
            SicherungEbene{z.SzeneDreieck.A, z.SzeneDreieck.B, z.SzeneDreieck.C, z.SzeneEbenePar};
}

void SheetEditing::editierfehler() {
    meldungen_.piep();
    meldungen_.fehlerBox(meldung::Editierfehler);
}

bool SheetEditing::geradeNeuBauen() {
    TStrecke& pq = szene_.SzeneStrecke;
    TGerade g = szene_.SzeneGerade;
    Gerade_durch_2_Punkte(pq.A, pq.B, g);
    if (IstGerade(g)) {
        szene_.SzeneGerade = g;
        sicherungGerade_ = SicherungGerade{pq.A, pq.B, g};
        return true;
    }
    if (sicherungGerade_) {
        pq.A = sicherungGerade_->P;
        pq.B = sicherungGerade_->Q;
        szene_.SzeneGerade = sicherungGerade_->g;
    }
    return false;
}

bool SheetEditing::ebeneNeuBauen() {
    TDreieck& abc = szene_.SzeneDreieck;
    TEbene E = szene_.SzeneEbenePar;
    Ebene_durch_3_Punkte(abc.A, abc.B, abc.C, E);
    E.Name = "E: ";
    E.Farbe = abc.Farbe;
    if (IstEbenePar(E)) {
        szene_.SzeneEbenePar = E;
        sicherungEbene_ = SicherungEbene{abc.A, abc.B, abc.C, E};
        return true;
    }
    if (sicherungEbene_) {
        abc.A = sicherungEbene_->A;
        abc.B = sicherungEbene_->B;
        abc.C = sicherungEbene_->C;
        szene_.SzeneEbenePar = sicherungEbene_->E;
    }
    return false;
}

bool SheetEditing::kugelNeuBauen() {
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
        if (!kugelNeuBauen()) {
            sheet_.loeschen();
            meldungen_.piep();
            editierfehler();
        }
        return;
    case Szenenart::Gerade2Punkte:
        if (!geradeNeuBauen()) {
            Bericht_schreiben(sheet_, szene_);
            return editierfehler();
        }
        break;
    case Szenenart::Ebene3Punkte:
        if (!ebeneNeuBauen()) {
            Bericht_schreiben(sheet_, szene_);
            return editierfehler();
        }
        break;
    default:
        break;
    }
    Bericht_schreiben(sheet_, szene_);
    if (redraw) redraw();
}
