// The plane reports of the line and plane tasks (declared in reports_lines.h).
#include "core/number_text.h"
#include "core/relations.h"
#include "core/scene.h"
#include "sheet/blocks.h"
#include "sheet/report_layout.h"
#include "sheet/reports_lines.h"

#include <string>

using namespace report;

namespace {

// Anchor index of a plane that is not an input of its own (the plane through three points).
constexpr int KeinAnker = -1;

// The given form of plane i in the highlight colour with its numbers registered (none for
// KeinAnker), 4 rows down, the converted form in black (written with box, but registered
// nowhere: a click on it must not change the given record), 4 rows down. Returns the normal form,
// on which the rest of every plane report works.
TEbeneNorm beideFormen(Sheet& s, const TEbeneNorm& E, int i, int x, int& y) {
    {
        Highlight h(s);
        if (i == KeinAnker)
            EbeneNormalenForm_ausgeben(s, E, x, y);
        else
            EbeneNormalenForm_ausgeben(s, E, x, y, &s.anker.normale[i], &s.anker.d[i]);
    }
    s.movey(4, y);
    TEbene par;
    Normalen_zu_Parameterform(E, par);
    EbeneParameter_ausgeben(s, par, x, y, nullptr);
    s.movey(4, y);
    return E;
}

TEbeneNorm beideFormen(Sheet& s, const TEbene& E, int i, int x, int& y) {
    {
        Highlight h(s);
        EbeneParameter_ausgeben(s, E, x, y, i == KeinAnker ? nullptr : s.anker.ebenePar[i]);
    }
    s.movey(4, y);
    TEbeneNorm norm;
    Parameter_zu_Normalenform(E, norm);
    EbeneNormalenForm_ausgeben(s, norm, x, y, nullptr, nullptr);
    s.movey(4, y);
    return norm;
}

// The row after the last text written and one blank row.
void unterLetzterZeile(Sheet& s, int& y) {
    s.Gety(y);
    s.next_zeile(y);
}

std::string abstandVomUrsprung(const TEbeneNorm& E) {
    return "Abstand vom Ursprung: d = " + Zahl9_3_getrimmt(Abstand_Punkt_Ebene(UrsprungPunkt, E));
}

// The report of a single plane after its two forms.
void ebeneAllesWeitere(Sheet& s, const TEbeneNorm& E, int x, int& y) {
    KoordinatenSchnittPunkte_ausgaben(s, E, x, y);
    s.movey(5, y);
    Spurgeraden_ausgeben(s, E, x, y);
    unterLetzterZeile(s, y);
    s.Outtext(x, y, abstandVomUrsprung(E));
    Schnittwinkel_mit_Koordinatenebene_ausgeben(s, E, x, y);
    Schnittwinkel_mit_KoordinatenAchsen_ausgeben(s, E, x, y);
    Lot_vom_Ursprung_ausgeben(s, E, x, y);
    s.Gety(y);
}

template <class Ebene> void ebeneAlles(Sheet& s, const Ebene& E, int i, int x, int& y) {
    const TEbeneNorm norm = beideFormen(s, E, i, x, y);
    ebeneAllesWeitere(s, norm, x, y);
}

template <class Ebene>
void ebeneMitPunkt(Sheet& s, const Ebene& E, const TPunkt& P, int x, int& y) {
    s.Outtext(x, y, "Ebene mit Punkt:");
    s.movey(2, y);
    s.Outtextln(x, y, "Ebene:");
    const TEbeneNorm norm = beideFormen(s, E, 0, x, y);
    Ebene_Punkt_weiteres_ausgeben(s, norm, P, x, y);
}

template <class Ebene>
void ebeneMitGerade(Sheet& s, const Ebene& E, const TGerade& g, int x, int& y) {
    s.Outtext(x, y, "Ebene mit Gerade:");
    s.movey(2, y);
    s.Outtextln(x, y, "Ebene:");
    const TEbeneNorm norm = beideFormen(s, E, 0, x, y);
    weitere_informationen_Ebene_Gerade(s, norm, g, x, y);
}

// One plane of a two-plane task; the first one also gets its trace lines and a separator.
template <class Ebene>
TEbeneNorm eineVonZweiEbenen(Sheet& s, const Ebene& E, int i, int x, int& y) {
    const TEbeneNorm norm = beideFormen(s, E, i, x, y);
    KoordinatenSchnittPunkte_ausgaben(s, norm, x, y);
    s.movey(5, y);
    if (i == 0) Spurgeraden_ausgeben(s, norm, x, y);
    unterLetzterZeile(s, y);
    s.Outtext(x, y, abstandVomUrsprung(norm));
    s.movey(2, y);
    if (i == 0) s.u(y);
    return norm;
}

template <class Ebene1, class Ebene2>
void zweiEbenen(Sheet& s, const Ebene1& E1, const Ebene2& E2, int x, int& y) {
    const TEbeneNorm n1 = eineVonZweiEbenen(s, E1, 0, x, y);
    const TEbeneNorm n2 = eineVonZweiEbenen(s, E2, 1, x, y);
    Ebene_Ebene_weiteres_ausgeben(s, n1, n2, x, y);
}

// The mirror image of g in E: its support point as "Aufpunkt: P`", then the line.
void spiegelgeradeAusgeben(Sheet& s, const TGerade& g, const TEbeneNorm& E, TGerade& sg, int x,
                           int& y) {
    s.Outtextln(x, y, "Spiegelgerade:");
    Spiegelgerade_an_Ebene(g, E, sg);
    TPunkt aufpunkt = sg.Stuetz;
    aufpunkt.Name = "Aufpunkt: P`";
    s.Punkt_ausgeben(aufpunkt, x, nullptr, y);
    s.next_zeile(y);
    Gerade_ausgeben(s, sg, x, y);
    s.movey(4, y);
}

} // namespace

void Ergebnis_EbeneNormalenform(Sheet& s, const TEbeneNorm& E, int x, int& y) {
    ebeneAlles(s, E, 0, x, y);
}

void Ergebnis_EbeneParameterform(Sheet& s, const TEbene& E, int x, int& y) {
    ebeneAlles(s, E, 0, x, y);
}

void Ergebnis_Ebene3Punkte(Sheet& s, const TPunkt& A, const TPunkt& B, const TPunkt& C,
                           const TEbene& E, int x, int& y) {
    s.Outtext(x, y, "Ebene aus drei Punkten:");
    s.movey(2, y);
    s.Outtextln(x, y, "Punkte:");
    eingabePunkt(s, A, 0, x, y);
    s.next_zeile(y);
    eingabePunkt(s, B, 1, x, y);
    s.next_zeile(y);
    eingabePunkt(s, C, 2, x, y);
    s.movey(2, y);
    s.u(y);
    s.Outtextln(x, y, "Ergebnis: Ebene");
    // The plane follows from the points: only the points are editable.
    ebeneAlles(s, E, KeinAnker, x, y);
}

void Ergebnis_Ebene_Punkt(Sheet& s, const TEbeneNorm& E, const TPunkt& P, int x, int& y) {
    ebeneMitPunkt(s, E, P, x, y);
}

void Ergebnis_EbenePAR_Punkt(Sheet& s, const TEbene& E, const TPunkt& P, int x, int& y) {
    ebeneMitPunkt(s, E, P, x, y);
}

void Ebene_Punkt_weiteres_ausgeben(Sheet& s, const TEbeneNorm& E, const TPunkt& P, int x, int& y) {
    s.u(y);
    s.Outtextln(x, y, "Punkt:");
    eingabePunkt(s, P, 0, x, y);
    s.movey(2, y);

    s.Outtextln(x, y, "Abstand: Punkt-Ebene: d = " + Zahl9_3_getrimmt(Abstand_Punkt_Ebene(P, E)));

    s.Outtextln(x, y, "Lotgerade Punkt auf Ebene:");
    TGerade lot;
    TPunkt fuss;
    Lot_auf_Ebene(P, E, lot, fuss);
    Gerade_ausgeben(s, lot, x, y);
    s.movey(4, y);
    s.Outtextln(x, y, "Lotfußpunkt:");
    s.Punkt_ausgeben(fuss, x, nullptr, y);
    s.movey(2, y);

    // The mirror point 2F − P.
    s.Outtextln(x, y, "Spiegelpunkt:");
    TPunkt zweiF, spiegel = P;
    Vielfaches(fuss, 2, zweiF);
    Differenz(zweiF, P, spiegel);
    spiegel.Name = "P`";
    s.Punkt_ausgeben(spiegel, x, nullptr, y);
    s.movey(2, y);

    s.Outtextln(x, y, "Spiegelebene:");
    TEbeneNorm spiegelebene;
    Ebene_durch_Punkt_parallel(E, spiegel, spiegelebene);
    EbeneNormalenForm_ausgeben_OhneBox(s, spiegelebene, x, y);
    s.movey(4, y);
    s.Outtextln(x, y, "..in Parameterform:");
    TEbene spiegelPar;
    Normalen_zu_Parameterform(spiegelebene, spiegelPar);
    EbeneParameter_ausgeben_OhneBox(s, spiegelPar, x, y);
    s.movey(4, y);
}

void Ergebnis_Ebene_Gerade(Sheet& s, const TEbeneNorm& E, const TGerade& g, int x, int& y) {
    ebeneMitGerade(s, E, g, x, y);
}

void Ergebnis_EbenePar_Gerade(Sheet& s, const TEbene& E, const TGerade& g, int x, int& y) {
    ebeneMitGerade(s, E, g, x, y);
}

void weitere_informationen_Ebene_Gerade(Sheet& s, const TEbeneNorm& E, const TGerade& g, int x,
                                        int& y) {
    KoordinatenSchnittPunkte_ausgaben(s, E, x, y);
    s.movey(4, y);
    s.u(y);
    s.Outtextln(x, y, "Gerade:");
    eingabeGerade(s, g, 0, x, y);
    s.movey(4, y);
    SpurPunkte_ausgeben(s, g, x, y);
    s.movey(4, y);
    s.u(y);

    int code = 0;
    TPunkt S;
    Schnittpunkt_Gerade_Ebene(g, E, code, S);
    if (code == 3) {
        s.Outtextln(x, y, "Gerade liegt in der Ebene !");
        return;
    }
    TGerade spiegel;
    if (code == 1) {
        s.Outtextln(x, y, "Ebene und Gerade schneiden sich:");
        s.Outtextln(x, y, "Schnittpunkt:");
        s.Punkt_ausgeben(S, x, nullptr, y);
        s.movey(2, y);
        s.Outtext(x, y, "Schnittwinkel: ß = " + Zahl9_3_getrimmt(Winkel_Gerade_Ebene(g, E)));
        s.movey(2, y);
    } else {
        s.Outtextln(x, y, "Gerade parallel zur Ebene !");
        s.Outtextln(x, y, "Abstand: d = " + Zahl9_3_getrimmt(Abstand_Punkt_Ebene(g.Stuetz, E)));
    }
    spiegelgeradeAusgeben(s, g, E, spiegel, x, y);

    // The planes parallel to E through the line's support point and through its mirror image.
    s.Outtextln(x, y, "Parallele Ebenen !");
    s.Outtextln(x, y, " - durch den Aufpunkt P der Geraden g:");
    TEbeneNorm ep;
    Ebene_durch_Punkt_senkrecht(E.Normale, g.Stuetz, ep);
    ep.Name = "   Ep :";
    EbeneNormalenForm_ausgeben(s, ep, x, y);
    s.movey(4, y);
    s.Outtextln(x, y, " - durch den Spiegelpunkt P`");
    TEbeneNorm eps;
    Ebene_durch_Punkt_senkrecht(E.Normale, spiegel.Stuetz, eps);
    eps.Name = "   Ep`:";
    EbeneNormalenForm_ausgeben(s, eps, x, y);
    s.movey(4, y);
}

void Ergebnis_ZweiEbenenNormalenform(Sheet& s, const TEbeneNorm& E1, const TEbeneNorm& E2, int x,
                                     int& y) {
    zweiEbenen(s, E1, E2, x, y);
}

void Ergebnis_EbenenPar_EbeneNorm(Sheet& s, const TEbene& E1, const TEbeneNorm& E2, int x, int& y) {
    zweiEbenen(s, E1, E2, x, y);
}

void Ergebnis_EbenenPar_EbenePar(Sheet& s, const TEbene& E1, const TEbene& E2, int x, int& y) {
    zweiEbenen(s, E1, E2, x, y);
}

void Ebene_Ebene_weiteres_ausgeben(Sheet& s, const TEbeneNorm& E1, const TEbeneNorm& E2, int x,
                                   int& y) {
    unterLetzterZeile(s, y);
    std::string wort;
    TGerade schnitt;
    Lage_zweier_Ebenen(E1, E2, wort, schnitt);
    if (wort == lage::parallel) {
        s.Outtextln(x, y, "E1 ist parallel zu E2 !");
        s.Outtextln(x, y, "Anstand: d = " + Zahl9_3_getrimmt(Abstand_paralleler_Ebenen(E1, E2)));
    } else if (wort == lage::identisch) {
        s.Outtextln(x, y, "E1 ist mit E2 identisch !");
    } else {
        s.Outtextln(x, y, "E1 schneidet E2 !");
        s.Outtextln(x, y, "Schnittgerade:");
        Gerade_ausgeben(s, schnitt, x, y);
        s.movey(4, y);
        s.Outtextln(x, y, "Schnittwinkel = " + ZahlText(Winkel(E1.Normale, E2.Normale)));
    }
}
