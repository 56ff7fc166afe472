// Reports of the point, segment, division ratio, triangle and tetrahedron tasks.
#include "sheet/reports_figures.h"

#include "core/division_ratio.h"
#include "core/number_text.h"
#include "core/relations.h"
#include "sheet/blocks.h"
#include "sheet/report_layout.h"
#include "sheet/reports_lines.h"

#include <string>

using report::eingabePunkt;
using report::winkelMitErgaenzung;
using report::zeile;

void Ergebnis_punkt(Sheet& s, const TPunkt& P, int x, int& y) {
    s.Outtext(x, y, "Punkt:");
    s.next_zeile(y);
    eingabePunkt(s, P, 0, x, y);
    s.Outtext(x, zeile(s, y, 1), "Abstand vom Ursprung: d = " + AbstandText(UrsprungPunkt, P));
    s.movey(3, y);
    s.u(y);
    s.Outtextln(x, y, "Winkel der Strecke OP zu den");
    s.Outtextln(x, y, "Koordinatenachsen:");
    s.Outtextln(x, y, "");
    // For P at the origin the first angle throws: the report stops here.
    const struct {
        const char* text;
        TPunkt achse;
    } achsen[] = {{"X1-Achse: alpha = ", punkt(1, 0, 0)},
                  {"X2-Achse: beta  = ", punkt(0, 1, 0)},
                  {"X3-Achse: gamma = ", punkt(0, 0, 1)}};
    for (const auto& a : achsen) {
        const std::string text = a.text + ZahlText(Winkel(a.achse, P));
        s.Outtextln(x, y, text.substr(0, 255));
    }
    s.u(y);
}

void Ergebnis_Linie(Sheet& s, const TStrecke& strecke, int x, int& y) {
    const TPunkt& P = strecke.A;
    const TPunkt& Q = strecke.B;
    eingabePunkt(s, P, 0, x, y);
    eingabePunkt(s, Q, 1, x, zeile(s, y, 1));
    s.Outtext(x, zeile(s, y, 2), "Länge der Strecke: d = " + AbstandText(P, Q));
    const int ym = zeile(s, y, 3);
    s.Outtext(x, ym, "Mittelpunkt:");
    TPunkt M;
    Mittelpunkt(P, Q, M);
    s.Punkt_ausgeben(M, report::rechtsVon(s, x, "Mittelpunkt: "), nullptr, ym);
    y = zeile(s, y, 4);
}

void Ergebnis_Teilverhaeltnis(Sheet& s, const TPunkt& A, const TPunkt& B, const TPunkt& T, int x,
                              int& y) {
    eingabePunkt(s, A, 0, x, y);
    eingabePunkt(s, B, 1, x, zeile(s, y, 1));
    eingabePunkt(s, T, 2, x, zeile(s, y, 2));
    y = zeile(s, y, 4);

    const double AT = Abstand(T, A);
    const double TB = Abstand(B, T);
    const double tau = divisionRatio(A, B, T); // T = B: division by zero, the report stops

    double k = 0;
    if (!Parallel_mit_Faktor(differenz(A, T), differenz(T, B), k)) {
        s.Outtextln(x, y, "T ist kein Teilpunkt der Strecke AB");
        return;
    }
    s.Outtextln(x, y, "T ist ein Teilpunkt der Strecke AB");
    s.Outtextln(x, y, "Teilverhaeltnis:");
    s.Outtextln(x, y, "AT:TB = tau = " + ZahlText(tau));
    s.next_zeile(y);
    s.Outtextln(x, y, "Länge AB = " + AbstandText(B, A));
    s.Outtextln(x, y, "Länge AT = " + ZahlText(AT));
    s.Outtextln(x, y, "Länge TB = " + ZahlText(TB));
    // The midpoint (tau = 1 up to rounding) has no fourth harmonic point: it would lie at
    // infinity.
    if (divisionRatioIsOne(A, B, T)) {
        s.next_zeile(y);
        s.Outtextln(x, y, "T ist Mittelpunkt: kein vierter harmonischer Punkt");
        return;
    }

    // tau is printed as a ratio of lengths, but the point is built from the signed ratio, so that
    // it is the harmonic conjugate also when T lies outside the segment (and the drawing, which
    // uses the same function, shows the same point).
    TPunkt H;
    fourthHarmonicPoint(A, B, T, H);
    s.next_zeile(y);
    s.Outtextln(x, y, "Vierter harmonischer Punkt:");
    s.Punkt_ausgeben(H, x, nullptr, y);
    s.next_zeile(y);
    s.next_zeile(y);
    s.Outtextln(x, y, "Länge AT\u00B4 = " + AbstandText(H, A));
    s.Outtextln(x, y, "Länge T\u00B4B = " + AbstandText(B, H));
}

void Ergebnis_Dreieck(Sheet& s, const TDreieck& d, int x, int& y) {
    const TPunkt &A = d.A, &B = d.B, &C = d.C;
    eingabePunkt(s, A, 0, x, y);
    eingabePunkt(s, B, 1, x, zeile(s, y, 1));
    eingabePunkt(s, C, 2, x, zeile(s, y, 2));
    s.movey(3, y);
    s.u(y);
    s.next_zeile(y);

    s.Outtextln(x, y, "Ebene durch drei Punkte:");
    TEbene E;
    Ebene_durch_3_Punkte(A, B, C, E);
    EbeneParameter_ausgeben(s, E, x, y);
    s.Gety(y);
    s.next_zeile(y);

    s.Outtextln(x, y, "In Normalenform:");
    TEbeneNorm N;
    Parameter_zu_Normalenform(E, N);
    EbeneNormalenForm_ausgeben(s, N, x, y);
    // The block's last text is its equation on the middle row, so the row below the last text
    // would be the block's own third row: count from the block's top instead (three rows, then
    // one blank row).
    s.movey(4, y);

    s.Outtextln(x, y, "Abstand vom Ursprung:");
    s.Outtext(x, y, "d = " + ZahlText(Abstand_Punkt_Ebene(UrsprungPunkt, N)));
    s.movey(2, y);

    s.Outtextln(x, y, "Schwerpunkt:");
    TPunkt S;
    Schwerpunkt(A, B, C, S);
    s.Punkt_ausgeben(S, x, nullptr, y);
    s.movey(2, y);

    s.Outtextln(x, y, "Dreiecksfläche:");
    s.Outtext(x, y, "A = " + ZahlText(Dreiecksflaeche(A, B, C)));
    s.movey(2, y);

    s.Outtextln(x, y, "Seitengeraden:");
    const struct {
        const TPunkt *P, *Q;
        const char* name;
    } seiten[] = {{&A, &B, "g(A,B):"}, {&B, &C, "g(B,C):"}, {&A, &C, "g(A,C):"}};
    for (const auto& seite : seiten) {
        TGerade g;
        Gerade_durch_2_Punkte(*seite.P, *seite.Q, g);
        g.Name = seite.name;
        Gerade_ausgeben(s, g, x, y);
        s.movey(4, y);
    }

    s.Outtextln(x, y, "Dreieckswinkel:");
    const double a = Winkel(differenz(B, A), differenz(C, A));
    s.Outtextln(x, y, winkelMitErgaenzung("  Alpha = ", a, "  (alpha\u00B4="));
    const double b = Winkel(differenz(C, B), differenz(A, B));
    s.Outtextln(x, y, winkelMitErgaenzung("  ß     = ", b, "  (ß\u00B4    ="));
    const double c = Winkel(differenz(A, C), differenz(B, C));
    s.Outtextln(x, y, winkelMitErgaenzung("  Gamma = ", c, "  (Gamma\u00B4="));
    s.next_zeile(y);

    s.Outtextln(x, y, "Seitenlängen:");
    s.Outtext(x, y,
              "  a = " + AbstandText(C, B) + "; b = " + AbstandText(C, A) +
                  "; c = " + AbstandText(B, A));
    s.movey(2, y);

    s.Outtextln(x, y, "Höhenfußpunkte:");
    const struct {
        const TPunkt *Q, *P, *R; // foot from Q to the line through P with direction R − P
        const char* name;
    } hoehen[] = {{&A, &B, &C, "  Ha"}, {&B, &A, &C, "  Hb"}, {&C, &A, &B, "  Hc"}};
    for (const auto& h : hoehen) {
        TGerade g;
        g.Stuetz = *h.P;
        g.Richtung = differenz(*h.R, *h.P);
        TPunkt F;
        Lotfusspunkt(*h.Q, g, F);
        F.Name = h.name;
        s.Punkt_ausgeben(F, x, nullptr, y);
        s.next_zeile(y);
    }
}

void Ergebnis_Tetraeder(Sheet& s, const TViereck& t, int x, int& y) {
    const TPunkt* ecken[4] = {&t.A, &t.B, &t.C, &t.D};
    for (int i = 0; i < 4; ++i) {
        eingabePunkt(s, *ecken[i], i, x, y);
        s.next_zeile(y);
    }
    s.u(y);

    const struct {
        const TPunkt *P, *Q, *R;
        const char* name;
        const char* text;
    } flaechen[] = {
        {&t.A, &t.B, &t.C, "ABC: ", "Ebene ABC:  DreiecksFläche = "},
        {&t.A, &t.B, &t.D, "ABD: ", "Ebene ABD:  DreiecksFläche = "},
        {&t.A, &t.C, &t.D, "ACD: ", "Ebene ACD:  DreiecksFläche = "},
        {&t.B, &t.C, &t.D, "BCD: ", "Ebene BCD:  DreiecksFläche = "},
    };
    TEbeneNorm normalform[4];
    for (int i = 0; i < 4; ++i) {
        const auto& f = flaechen[i];
        TEbene E;
        Ebene_durch_3_Punkte(*f.P, *f.Q, *f.R, E);
        E.Name = f.name;
        Parameter_zu_Normalenform(E, normalform[i]);
        normalform[i].Name = f.name;
        s.Outtextln(x, y, f.text + ZahlText(Dreiecksflaeche(*f.P, *f.Q, *f.R)));
        EbeneParameter_ausgeben(s, E, x, y);
        s.movey(4, y);
        EbeneNormalenForm_ausgeben(s, normalform[i], x, y);
        s.movey(4, y);
    }

    s.u(y);
    s.Outtextln(x, y, "Tetraedervolumen:");
    s.Outtextln(x, y, "V = " + ZahlText(Tetraedervolumen(t.A, t.B, t.C, t.D)));
    s.u(y);

    s.Outtextln(x, y, "Höhenfußpunkte:");
    // The foot from each corner on the plane of the opposite face (faces as numbered above).
    const struct {
        const TPunkt* Q;
        int flaeche;
        const char* name;
    } hoehen[] = {{&t.D, 0, "  Fd"}, {&t.C, 1, "  Fc"}, {&t.B, 2, "  Fb"}, {&t.A, 3, "  Fa"}};
    for (const auto& h : hoehen) {
        TGerade l;
        TPunkt F;
        Lot_auf_Ebene(*h.Q, normalform[h.flaeche], l, F);
        F.Name = h.name;
        s.Punkt_ausgeben(F, x, nullptr, y);
        s.next_zeile(y);
    }
}

void Schnitt_Tetraeder_Ebene_ausgeben(Sheet& s, const Szene& szene, int x, int& y) {
    s.Outtextln(x, y, "Schnitt: Tetraederkanten mit Ebene:");
    for (int i = 0; i < 6; ++i) {
        if (!szene.SzeneSchnittpunktDa[i]) continue;
        s.Punkt_ausgeben(szene.SzeneSchnittpunkte[i], x, nullptr, y);
        s.next_zeile(y);
    }
    s.u(y);
}

void Ergebnis_Tetraeder_Ebene(Sheet& s, const Szene& szene, int x, int& y) {
    Ergebnis_Tetraeder(s, szene.SzeneTetraeder, x, y);
    s.Gety(y);
    s.next_zeile(y);
    s.u(y);
    Ergebnis_EbeneNormalenform(s, szene.SzeneEbene, x, y);
    s.Gety(y);
    s.next_zeile(y);
    s.u(y);
    Schnitt_Tetraeder_Ebene_ausgeben(s, szene, x, y);
}
