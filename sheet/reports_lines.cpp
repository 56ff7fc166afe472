#include "sheet/reports_lines.h"

#include "core/number_text.h"
#include "core/relations.h"
#include "core/scene.h"
#include "sheet/blocks.h"
#include "sheet/report_layout.h"

#include <string>

using namespace report;

namespace {

// The coordinate plane with normal (nx, ny, nz) through the origin.
TEbeneNorm koordinatenebene(double nx, double ny, double nz) {
    TEbeneNorm E;
    E.Normale = punkt(nx, ny, nz);
    E.d = 0;
    return E;
}

// Gerade_alles_ausgeben; `anker` says whether the line is an input whose numbers are editable.
void geradeAlles(Sheet& s, const TGerade& g, bool anker, int x, int& y) {
    if (anker) {
        eingabeGerade(s, g, 0, x, y);
    } else {
        Highlight h(s);
        Gerade_ausgeben(s, g, x, y);
    }
    abstandVomUrsprung(s, g, "d", x, y);

    TGerade lot;
    TPunkt fuss;
    int flag = 0;
    Lot_Punkt_Gerade(UrsprungPunkt, g, lot, fuss, flag);
    s.movey(2, y);
    if (flag == 1) {
        s.Outtextln(x, y, "Lotgerade vom Ursprung:");
        Gerade_ausgeben(s, lot, x, y);
        s.movey(3, y);
        s.Outtextln(x, y, "Lotfußpunkt:");
        fuss.Name = "L";
        s.Punkt_ausgeben(fuss, x, nullptr, y);
        s.movey(2, y);
    } else {
        s.Outtextln(x, y, "g geht durch den Ursprung !");
    }

    s.next_zeile(y);
    SpurPunkte_ausgeben(s, g, x, y);
    s.movey(5, y);
    Projektionsgeraden_ausgeben(s, g, x, y);

    // Below the last projection line's equation, after one blank row.
    s.Gety(y);
    s.next_zeile(y);
    s.Outtextln(x, y, "Schnittwinkel mit den Koordinatenebenen:");
    s.Outtextln(x, y,
                "ß12 = " + Zahl9_3_getrimmt(Winkel_Gerade_Ebene(g, koordinatenebene(0, 0, 1))));
    s.Outtextln(x, y,
                "ß23 = " + Zahl9_3_getrimmt(Winkel_Gerade_Ebene(g, koordinatenebene(1, 0, 0))));
    s.Outtextln(x, y,
                "ß13 = " + Zahl9_3_getrimmt(Winkel_Gerade_Ebene(g, koordinatenebene(0, 1, 0))));
}

} // namespace

void Gerade_alles_ausgeben(Sheet& s, const TGerade& g, int x, int& y) {
    geradeAlles(s, g, true, x, y);
}

void Ergebnis_Gerade(Sheet& s, const TGerade& g, int x, int& y) {
    Gerade_alles_ausgeben(s, g, x, y);
}

void Ergebnis_Gerade2Punkte(Sheet& s, const TPunkt& A, const TPunkt& B, const TGerade& g, int x,
                            int& y) {
    s.Outtext(x, y, "Gerade durch zwei Punkte:");
    s.movey(2, y);
    s.Outtextln(x, y, "Punkte:");
    eingabePunkt(s, A, 0, x, y);
    s.next_zeile(y);
    eingabePunkt(s, B, 1, x, y);
    s.movey(2, y);
    s.u(y);
    s.Outtextln(x, y, "Gerade:");
    // The line follows from the points: it is shown, but only the points are editable.
    geradeAlles(s, g, false, x, y);
}

void Ergebnis_Gerade_Punkt(Sheet& s, const TGerade& g, const TPunkt& A, int x, int& y) {
    s.Outtext(x, y, "Gerade mit Punkt:");
    s.movey(2, y);
    s.Outtextln(x, y, "Gerade:");
    eingabeGerade(s, g, 0, x, y);
    abstandVomUrsprung(s, g, "d", x, y);
    s.movey(2, y);
    SpurPunkte_ausgeben(s, g, x, y);
    s.movey(5, y);
    s.u(y);

    s.Outtextln(x, y, "Punkt:");
    eingabePunkt(s, A, 0, x, y);
    s.movey(2, y);

    TGerade lot;
    TPunkt fuss;
    int flag = 0;
    Lot_Punkt_Gerade(A, g, lot, fuss, flag);
    s.Outtext(x, y, "Abstand von g: d =" + ZahlText(Abstand_Punkt_Gerade(A, g)));
    s.movey(2, y);

    if (flag != 1) {
        s.Outtextln(x, y, "P liegt auf g !");
        s.next_zeile(y);
        return;
    }
    s.Outtextln(x, y, "Lotgerade vom Punkt:");
    Gerade_ausgeben(s, lot, x, y);
    s.movey(4, y);
    s.Outtextln(x, y, "LotFußpunkt: ");
    s.Punkt_ausgeben(fuss, x, nullptr, y);
    s.movey(2, y);
    s.u(y);

    s.Outtextln(x, y, "Spiegelpunkt von A an g:");
    TPunkt spiegel;
    Spiegelpunkt(A, fuss, spiegel);
    s.Punkt_ausgeben(spiegel, x, nullptr, y);
    s.movey(2, y);

    // The mirror image of g in the point A: support point 2A − p, same direction.
    s.Outtextln(x, y, "Spiegelgerade g´ von g an A:");
    TGerade gs = g;
    TPunkt zweiA;
    Summe(A, A, zweiA);
    Differenz(zweiA, g.Stuetz, gs.Stuetz);
    gs.Name = "g´: ";
    Gerade_ausgeben(s, gs, x, y);
    s.movey(4, y);
}

void Ergebnis_ZweiGeraden(Sheet& s, const TGerade& g1, const TGerade& g2, int x, int& y) {
    s.Outtext(x, y, " Gerade 1:");
    s.movey(2, y);
    eingabeGerade(s, g1, 0, x, y);
    abstandVomUrsprung(s, g1, "d", x, y);
    s.movey(2, y);
    SpurPunkte_ausgeben(s, g1, x, y);
    s.movey(5, y);
    s.u(y);

    s.Outtext(x, y, " Gerade 2:");
    s.movey(2, y);
    eingabeGerade(s, g2, 1, x, y);
    abstandVomUrsprung(s, g2, "e", x, y);
    s.movey(2, y);
    SpurPunkte_ausgeben(s, g2, x, y);

    std::string wort, abstandText;
    TPunkt S, L1, L2;
    TGerade lot;
    Lage_zweier_Geraden(g1, g2, wort, abstandText, S, L1, L2, lot);
    s.movey(5, y);
    if (wort == lage::windschief) {
        s.Outtextln(x, y, "Die Geraden sind windschief !");
        s.Outtextln(x, y, "Gemeinsame Lotgerade:");
        Gerade_ausgeben(s, lot, x, y);
        s.movey(4, y);
        s.Outtextln(x, y, "Lotfußpunkte:");
        s.Punkt_ausgeben(L1, x, nullptr, y);
        s.next_zeile(y);
        s.Punkt_ausgeben(L2, x, nullptr, y);
        s.movey(2, y);
        s.Outtextln(x, y, "Abstand: d =" + abstandText);
    } else if (wort == lage::parallel) {
        s.Outtextln(x, y, "Die Geraden sind parallel !");
        s.Outtextln(x, y, "Abstand: d =" + abstandText);
    } else if (wort == lage::schneidend) {
        s.Outtextln(x, y, "Die Geraden schneiden sich.");
        s.Outtextln(x, y, "Schnittpunkt:");
        s.Punkt_ausgeben(S, x, nullptr, y);
        s.next_zeile(y);
        s.Outtextln(x, y,
                    "Schnittwinkel: ß = " + Zahl9_3_getrimmt(Winkel(g1.Richtung, g2.Richtung)));
    } else {
        s.Outtextln(x, y, "Die Geraden sind identisch !");
    }
}

void Ergebnis_Punkt_ZweiGeraden(Sheet& s, const TPunkt& P, const TGerade& g1, const TGerade& g2,
                                int x, int& y) {
    s.u(y);
    s.Outtextln(x, y, "Punkt:");
    eingabePunkt(s, P, 0, x, y);
    s.movey(2, y);

    s.Outtextln(x, y, "Gerade 1:");
    eingabeGerade(s, g1, 0, x, y);
    abstandVomUrsprung(s, g1, "d", x, y);
    s.movey(2, y);
    s.u(y);

    s.Outtextln(x, y, "Gerade 2:");
    eingabeGerade(s, g2, 1, x, y);
    abstandVomUrsprung(s, g2, "e", x, y);
    s.movey(2, y);
    s.u(y);

    s.Outtextln(x, y, "Rechenergebnisse");
    s.u(y);

    int code = 0;
    TGerade f;
    TPunkt S, T;
    Treffgerade(P, g1, g2, code, f, S, T);
    if (code == 1) {
        s.Outtext(x, y, "Gerade durch P,g1,g1:");
        s.movey(2, y);
        Gerade_ausgeben(s, f, x, y);
        s.movey(4, y);
        s.Outtextln(x, y, "Schnittpunkte mit g1 bzw. g2:");
        s.Punkt_ausgeben(T, x, nullptr, y);
        s.next_zeile(y);
        s.Punkt_ausgeben(S, x, nullptr, y);
        s.next_zeile(y);
    } else if (code == 2) {
        s.Outtextln(x, y, "P liegt auf einer der Geraden:");
        s.Outtextln(x, y, "Berechnung nicht möglich !");
    } else {
        // No meeting line: say why, and call the lines parallel only when they are.
        std::string wort, abstand;
        TPunkt S12, L1, L2;
        TGerade lot;
        Lage_zweier_Geraden(g1, g2, wort, abstand, S12, L1, L2, lot);
        if (wort == lage::windschief)
            s.Outtextln(x, y, "Keine Gerade durch P trifft g1 und g2.");
        else if (wort == lage::schneidend)
            s.Outtextln(x, y, "P liegt in der Ebene von g1 und g2.");
        else
            s.Outtextln(x, y, "Die beiden Geraden sind parallel.");
        s.Outtextln(x, y, "Eindeutige Lösung nicht möglich !");
    }
    s.u(y);
}
