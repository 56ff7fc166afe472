// Reports of the quadrilateral and the parallelogram task.
#include "core/number_text.h"
#include "core/relations.h"
#include "sheet/blocks.h"
#include "sheet/report_layout.h"
#include "sheet/reports_figures.h"

#include <string>

using report::eingabePunkt;
using report::spalteMitText;
using report::winkelMitErgaenzung;
using report::zeile;

namespace {

TGerade gerade(const TPunkt& stuetz, const TPunkt& richtung, TFarbe f, const std::string& name) {
    TGerade g;
    g.Stuetz = stuetz;
    g.Richtung = richtung;
    g.Farbe = f;
    g.Name = name;
    return g;
}

// A vector without a length has no direction, so no angle: Winkel would divide by zero.
bool hatRichtung(const TPunkt& v) {
    return Laenge_gerundet(v) != 0;
}

// One angle row with its supplement; skipped when a side has no direction (two equal corners),
// so that the report still reaches its verdict on the figure.
void winkelZeile(Sheet& s, int x, int& y, const std::string& vor, const TPunkt& u, const TPunkt& v,
                 const std::string& mitte) {
    if (!hatRichtung(u) || !hatRichtung(v)) return;
    s.Outtextln(x, y, winkelMitErgaenzung(vor, Winkel(u, v), mitte));
}

// The relation of the two diagonal lines (through A with direction e, through B with f).
void diagonalen_ausgeben(Sheet& s, const TViereck& v, const TPunkt& e, const TPunkt& f, int x,
                         int& y) {
    std::string wort, abstandText;
    TPunkt S, L1, L2;
    TGerade l;
    Lage_zweier_Geraden(gerade(v.A, e, v.Farbe, "  e:"), gerade(v.B, f, v.Farbe, "  f:"), wort,
                        abstandText, S, L1, L2, l);
    if (wort == lage::schneidend) {
        s.Outtextln(x, y, "  Die Diagonalen schneiden sich:");
        s.Outtextln(x, y, "  Schnittpunkt:");
        s.Punkt_ausgeben(S, x, nullptr, y);
        s.next_zeile(y);
        s.Outtextln(x, y, "  ==> Das Viereck ist eben !");
        s.Outtextln(x, y, "  Schnittwinkel der Diagonalen:");
        s.Outtextln(x, y, winkelMitErgaenzung("  phi = ", Winkel(f, e), "  (phi\u00B4="));
    } else if (wort == lage::windschief) {
        s.Outtextln(x, y, "  Die Diagonalen sind windschief:");
        s.Outtextln(x, y, "  ==> Das Gebilde ist kein ebenes Viereck !");
        const auto a = abstandText.find_first_not_of(' ');
        const auto b = abstandText.find_last_not_of(' ');
        const std::string d = a == std::string::npos ? "" : abstandText.substr(a, b - a + 1);
        s.Outtextln(x, y, "  Abstand der Diagonalengeraden d = " + d);
        s.Outtextln(x, y, "  Lotfußpunkte d. gem. Lotgeraden:");
        L1.Name = "    F1";
        L2.Name = "    F2";
        s.Punkt_ausgeben(L1, x, nullptr, y);
        s.next_zeile(y);
        s.Punkt_ausgeben(L2, x, nullptr, y);
        s.next_zeile(y);
        s.Outtextln(x, y, "  Gemeinsame Lotgerade d. Diagonalen:");
        Gerade_ausgeben(s, gerade(L1, differenz(L1, L2), v.Farbe, "  f:"), x, y);
        s.movey(4, y);
    } else {
        s.Outtextln(x, y, "  Die Diagonalen parallel oder identisch:");
        s.Outtextln(x, y, "  ==> Das Gebilde ist kein Viereck !");
    }
}

} // namespace

void Ergebnis_Viereck(Sheet& s, const TViereck& v, int x, int& y) {
    const TPunkt a = differenz(v.B, v.A); // AB
    const TPunkt b = differenz(v.C, v.B); // BC
    const TPunkt c = differenz(v.C, v.D); // DC
    const TPunkt d = differenz(v.D, v.A); // AD
    const TPunkt e = differenz(v.C, v.A); // AC
    const TPunkt f = differenz(v.D, v.B); // BD
    const double la = Laenge(a), lb = Laenge(b), lc = Laenge(c), ld = Laenge(d);

    const TPunkt* ecken[4] = {&v.A, &v.B, &v.C, &v.D};
    for (int i = 0; i < 4; ++i) eingabePunkt(s, *ecken[i], i, x, zeile(s, y, i));
    s.movey(4, y);
    s.u(y);

    s.Outtextln(x, y, "Seitenlängen:");
    s.Outtextln(x, y, "  a(AB) = " + ZahlText(la) + "; b(BC) = " + ZahlText(lb));
    s.Outtextln(x, y, "  c(CD) = " + ZahlText(lc) + "; d(AD) = " + ZahlText(ld));
    s.Outtextln(x, y, "  Umfang: U = " + ZahlText(la + lb + lc + ld));
    s.u(y);

    s.Outtextln(x, y, "Seitenvektoren:");
    spalteMitText(s, "  BC = b = ", b, spalteMitText(s, "  AB = a = ", a, x, y), y);
    s.movey(4, y);
    spalteMitText(s, "  AD = d = ", d, spalteMitText(s, "  DC = c = ", c, x, y), y);
    s.movey(3, y);
    s.u(y);

    s.Outtextln(x, y, "Seitengeraden:");
    const struct {
        const TPunkt* stuetz;
        const TPunkt* richtung;
        const char* name;
    } seiten[] = {{&v.A, &a, "  a:"}, {&v.B, &b, "  b:"}, {&v.C, &c, "  c:"}, {&v.D, &d, "  d:"}};
    for (const auto& g : seiten) {
        Gerade_ausgeben(s, gerade(*g.stuetz, *g.richtung, v.Farbe, g.name), x, y);
        s.movey(4, y);
    }
    s.u(y);

    s.Outtextln(x, y, "Diagonalen:");
    spalteMitText(s, "  BD = f = ", f, spalteMitText(s, "  AC = e = ", e, x, y), y);
    s.movey(3, y);
    s.Outtextln(x, y,
                "  Längen:  e(AC) = " + ZahlText(Laenge(e)) + "; f(BD) = " + ZahlText(Laenge(f)));
    s.Outtextln(x, y, "  Geraden:");
    Gerade_ausgeben(s, gerade(v.A, e, v.Farbe, "  e:"), x, y);
    s.movey(4, y);
    Gerade_ausgeben(s, gerade(v.B, f, v.Farbe, "  f:"), x, y);
    s.movey(4, y);
    s.u(y);

    s.Outtextln(x, y, "Winkel:");
    winkelZeile(s, x, y, "  alpha = ", a, d, "  (alpha\u00B4=");
    winkelZeile(s, x, y, "  beta  = ", a, b, "  (beta\u00B4 =");
    winkelZeile(s, x, y, "  gamma = ", b, c, "  (gamma\u00B4=");
    winkelZeile(s, x, y, "  delta = ", d, c, "  (delta\u00B4=");
    s.u(y);

    s.Outtextln(x, y, "Weitere Ergebnisse:");
    if (IstNullvektor(a) || IstNullvektor(b) || IstNullvektor(c) || IstNullvektor(d)) {
        s.Outtextln(x, y, "  Zwei Punkte sind identisch --> kein Viereck !");
        return;
    }
    // Four points on one line (three, for the parallelogram, whose D is then on it too) bound no
    // area: the side and diagonal tests below would call them a rhombus.
    if (collinear(v.A, v.B, v.C) && collinear(v.A, v.B, v.D)) {
        s.Outtextln(x, y, "  Die Punkte liegen auf einer Geraden --> kein Viereck !");
        return;
    }
    if (!IstNullvektor(e) && !IstNullvektor(f)) diagonalen_ausgeben(s, v, e, f, x, y);

    double k = 0;
    const bool p1 = Parallel_mit_Faktor(a, c, k);
    const bool p2 = Parallel_mit_Faktor(d, b, k);
    if (p1 || p2) s.Outtextln(x, y, "  Zwei Seiten sind parallel --> Trapez");
    if (!(p1 && p2)) return;
    s.Outtextln(x, y, "  Je zwei Seiten sind parallel --> Parallelogramm:");
    s.Outtextln(x, y, "    Flächeninhalt: A = " + ZahlText(Parallelogrammflaeche(a, d)));
    // Rhombus, rectangle and square are decided on the printed texts: two lengths are equal
    // when they print the same, an angle is right when it prints as 90.
    const bool gleichLang = ZahlText(la) == ZahlText(lb);
    if (gleichLang) s.Outtextln(x, y, "  --> hier: sogar Raute");
    if (ZahlText(Winkel(d, c)) == "90") {
        s.Outtextln(x, y, "  --> hier: sogar Rechteck");
        s.Outtextln(x, y, "       Flächeninhalt: A = " + ZahlText(la * lb));
        if (gleichLang) s.Outtextln(x, y, "  --> hier: sogar Quadrat");
    }
}

void Ergebnis_Parallelogramm(Sheet& s, const TDreieck& abc, int x, int& y) {
    Ergebnis_Viereck(s, completeParallelogram(abc), x, y);
}
