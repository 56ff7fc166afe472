// The click editing of the 3-D tasks: which input numbers each task offers, the one
// recomputation after a click, and the backups of the tasks with a derived object.
#include "sheet/editing.h"

#include "core/messages.h"
#include "core/objects.h"
#include "sheet/scene_report.h"
#include "sheet/sheet.h"

namespace {

// Applies one click to the input objects of a task. The helpers are called in the order in
// which the task's report writes its inputs; every one that is hit changes its number.
class Klick {
public:
    Klick(const Ankerbuch& anker, bool links, int X, int Y)
        : anker_(anker), links_(links), X_(X), Y_(Y) {}

    void punkt(int i, TPunkt& P) {
        treffer(PunktKlick(P, anker_.punkt[i], links_, X_, Y_, PunktUnterkante(anker_, i)));
    }
    void vektor(int i, TPunkt& v) { treffer(SpalteKlick(v, anker_.vek[i], links_, X_, Y_)); }
    void gerade(int i, TGerade& g) {
        treffer(SpalteKlick(g.Stuetz, anker_.gerade[i][0], links_, X_, Y_));
        treffer(SpalteKlick(g.Richtung, anker_.gerade[i][1], links_, X_, Y_));
    }
    void ebene(int i, TEbeneNorm& E) {
        treffer(SpalteKlick(E.Normale, anker_.normale[i], links_, X_, Y_));
        treffer(FeldKlick(E.d, anker_.d[i], links_, X_, Y_));
    }
    void ebene(int i, TEbene& E) {
        treffer(SpalteKlick(E.Stuetz, anker_.ebenePar[i][0], links_, X_, Y_));
        treffer(SpalteKlick(E.Richtung1, anker_.ebenePar[i][1], links_, X_, Y_));
        treffer(SpalteKlick(E.Richtung2, anker_.ebenePar[i][2], links_, X_, Y_));
    }
    // A sphere that fails its input test after the click (a radius of 0 or below; a vector
    // form whose radius would be the root of a negative number) marks the click as invalid.
    void kugel(int i, TKugel& K) {
        treffer(SpalteKlick(K.M, anker_.kugelM[i], links_, X_, Y_));
        treffer(FeldKlick(K.r, anker_.kugelR[i], links_, X_, Y_));
        if (!IstKugel(K)) ungueltig_ = true;
    }
    void kugel(int i, TKugelV& V) {
        treffer(SpalteKlick(V.a, anker_.kugelA[i], links_, X_, Y_));
        // The sheet shows the constant as −c ("x +10 = 0" for c = −10): a left click raises
        // the number the user sees, so it lowers c.
        treffer(FeldKlick(V.c, anker_.kugelC[i], !links_, X_, Y_));
        if (!IstKugelV(V)) ungueltig_ = true;
    }
    void punkte(TPunkt& A, TPunkt& B) {
        punkt(0, A);
        punkt(1, B);
    }
    void punkte(TPunkt& A, TPunkt& B, TPunkt& C) {
        punkte(A, B);
        punkt(2, C);
    }
    void punkte(TViereck& v) {
        punkte(v.A, v.B, v.C);
        punkt(3, v.D);
    }

    bool getroffen() const { return getroffen_; }
    bool ungueltig() const { return ungueltig_; }

private:
    void treffer(bool t) { getroffen_ = getroffen_ || t; }

    const Ankerbuch& anker_;
    bool links_;
    int X_, Y_;
    bool getroffen_ = false;
    bool ungueltig_ = false;
};

// The input numbers of each 3-D task, in the order its report writes them. The stores are the
// ones the report of the scene kind reads (Bericht_schreiben).
void eingabenAendern(Szene& z, Klick& k) {
    switch (z.art) {
    case Szenenart::keine:
        return;
    case Szenenart::Punkt:
        return k.punkt(0, z.SzenePunkt);
    case Szenenart::Linie:
    case Szenenart::Gerade2Punkte:
        return k.punkte(z.SzeneStrecke.A, z.SzeneStrecke.B);
    case Szenenart::Teilverhaeltnis:
        return k.punkte(z.SzeneTeilpunkte[0], z.SzeneTeilpunkte[1], z.SzeneTeilpunkte[2]);
    case Szenenart::Dreieck:
    case Szenenart::Ebene3Punkte:
    // The parallelogram is written by the quadrilateral report; its A, B, C are the input, D
    // follows from them.
    case Szenenart::Parallelogramm:
        return k.punkte(z.SzeneDreieck.A, z.SzeneDreieck.B, z.SzeneDreieck.C);
    case Szenenart::Viereck:
        return k.punkte(z.SzeneViereck);
    case Szenenart::Tetraeder:
    case Szenenart::Kugel4Punkte:
        return k.punkte(z.SzeneTetraeder);
    case Szenenart::TetraederEbene:
        k.punkte(z.SzeneTetraeder);
        return k.ebene(0, z.SzeneEbene);
    case Szenenart::Gerade:
        return k.gerade(0, z.SzeneGerade);
    case Szenenart::GeradePunkt:
        k.gerade(0, z.SzeneGerade);
        return k.punkt(0, z.SzenePunkt);
    case Szenenart::ZweiGeraden:
        k.gerade(0, z.SzeneGerade1);
        return k.gerade(1, z.SzeneGerade2);
    case Szenenart::PunktZweiGeraden:
        k.punkt(0, z.SzenePunkt);
        k.gerade(0, z.SzeneGerade1);
        return k.gerade(1, z.SzeneGerade2);
    case Szenenart::Ebene:
        return k.ebene(0, z.SzeneEbene);
    case Szenenart::EbenePar:
        return k.ebene(0, z.SzeneEbenePar);
    case Szenenart::EbenePunkt:
        k.ebene(0, z.SzeneEbene);
        return k.punkt(0, z.SzenePunkt);
    case Szenenart::EbeneParPunkt:
        k.ebene(0, z.SzeneEbenePar);
        return k.punkt(0, z.SzenePunkt);
    case Szenenart::EbeneGerade:
        k.ebene(0, z.SzeneEbene);
        return k.gerade(0, z.SzeneGerade);
    case Szenenart::EbeneParGerade:
        k.ebene(0, z.SzeneEbenePar);
        return k.gerade(0, z.SzeneGerade);
    case Szenenart::EbeneNormEbeneNorm:
        k.ebene(0, z.SzeneEbene1);
        return k.ebene(1, z.SzeneEbene2);
    case Szenenart::EbeneParEbenePar:
        k.ebene(0, z.SzeneEbenePar1);
        return k.ebene(1, z.SzeneEbenePar2);
    case Szenenart::EbeneParEbeneNorm:
        k.ebene(0, z.SzeneEbenePar1);
        return k.ebene(1, z.SzeneEbene2);
    case Szenenart::Kugel:
        return k.kugel(0, z.SzeneKugel);
    case Szenenart::KugelV:
        return k.kugel(0, z.SzeneKugelV);
    case Szenenart::KugelGerade:
        k.kugel(0, z.SzeneKugel);
        return k.gerade(0, z.SzeneGerade);
    case Szenenart::KugelVGerade:
        k.kugel(0, z.SzeneKugelV);
        return k.gerade(0, z.SzeneGerade);
    case Szenenart::KugelPunkt:
        k.kugel(0, z.SzeneKugel);
        return k.punkt(0, z.SzenePunkt);
    case Szenenart::KugelVPunkt:
        k.kugel(0, z.SzeneKugelV);
        return k.punkt(0, z.SzenePunkt);
    case Szenenart::KugelEbene:
    case Szenenart::EbeneNormKugelM:
        k.kugel(0, z.SzeneKugel);
        return k.ebene(0, z.SzeneEbene);
    case Szenenart::KugelVEbeneNorm:
        k.kugel(0, z.SzeneKugelV);
        return k.ebene(0, z.SzeneEbene);
    case Szenenart::KugelMEbenePar:
        k.kugel(0, z.SzeneKugel);
        return k.ebene(0, z.SzeneEbenePar);
    case Szenenart::KugelVEbenePar:
        k.kugel(0, z.SzeneKugelV);
        return k.ebene(0, z.SzeneEbenePar);
    case Szenenart::KugelKugel:
        k.kugel(0, z.SzeneKugel1);
        return k.kugel(1, z.SzeneKugel2);
    case Szenenart::KugelMKugelV:
        k.kugel(0, z.SzeneKugel);
        return k.kugel(1, z.SzeneKugelV);
    case Szenenart::KugelVKugelV:
        k.kugel(0, z.SzeneKugelV1);
        return k.kugel(1, z.SzeneKugelV2);
    case Szenenart::Skalarprodukt:
    case Szenenart::Vektorprodukt:
    case Szenenart::LineareAbh2:
        k.vektor(0, z.SzeneVek1);
        return k.vektor(1, z.SzeneVek2);
    case Szenenart::Spatprodukt:
    case Szenenart::LineareAbh3:
        k.vektor(0, z.SzeneVek1);
        k.vektor(1, z.SzeneVek2);
        return k.vektor(2, z.SzeneVek3);
    case Szenenart::LineareAbh4:
        k.vektor(0, z.SzeneVek1);
        k.vektor(1, z.SzeneVek2);
        k.vektor(2, z.SzeneVek3);
        return k.vektor(3, z.SzeneVek4);
    }
}

} // namespace

SheetEditing::SheetEditing(Szene& szene, Sheet& sheet, Meldungen& meldungen)
    : szene_(szene), sheet_(sheet), meldungen_(meldungen) {}

void SheetEditing::Image1MouseDown(bool links, int X, int Y) {
    if (ebenenKlick && ebenenKlick(links, X, Y)) return;
    if (szene_.art == Szenenart::keine) return;

    // The recomputation moves the anchors; the whole click is tested against these.
    const Ankerbuch anker = sheet_.anker;
    Sicherungen_merken();
    const Szene vorher = szene_;

    Klick klick(anker, links, X, Y);
    eingabenAendern(szene_, klick);
    if (klick.ungueltig()) {
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
    sheet_.loeschen();
    switch (szene_.art) {
    case Szenenart::Kugel4Punkte:
        // There is no earlier sphere to fall back to: the changed points stay, the sheet stays
        // empty until the next click or task.
        if (!kugelNeuBauen()) {
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
