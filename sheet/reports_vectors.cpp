// Reports of the vector tasks: scalar, vector and triple product, linear dependence.
#include "sheet/reports_vectors.h"

#include "core/dependence.h"
#include "core/number_text.h"
#include "core/relations.h"
#include "sheet/report_layout.h"

#include <cmath>
#include <initializer_list>
#include <string>

using report::zeile;

namespace {

// Rows down after a column vector (three rows high) and after a single row of text.
constexpr int NachVektor = 4;
constexpr int NachZeile = 2;

// The input vectors in the highlight colour, each clickable through its record vek[i].
void eingaben(Sheet& s, std::initializer_list<const TPunkt*> vektoren, int x, int& y) {
    int i = 0;
    for (const TPunkt* v : vektoren) {
        s.Schriftfarbe(farbe::Dunkelrot);
        Vector_darst_ausgeben(s, *v, x, y, &s.anker.vek[i++]);
        s.Schriftfarbe(farbe::Schwarz);
        s.movey(NachVektor, y);
    }
}

// "|name| = length", one row.
void betrag(Sheet& s, const TPunkt& v, int x, int& y) {
    s.Outtextln(x, y, "|" + v.Name + "| = " + ZahlText(Laenge_gerundet(v)));
}

void nullvektorDarstellung(Sheet& s, int x, int& y) {
    s.Outtextln(x, y, "Mögliche nichttriviale");
    s.Outtext(x, y, "Darstellung des Nullvektors");
    s.movey(NachZeile, y);
}

// "la" + a.Name + " + " + "lb" + b.Name … + " = o"
std::string summenText(std::initializer_list<std::pair<double, const TPunkt*>> terme) {
    std::string t;
    for (const auto& [l, v] : terme) {
        if (!t.empty()) t += " + ";
        t += ZahlText(l) + v->Name;
    }
    return t + " = o";
}

} // namespace

void Vector_darst_ausgeben(Sheet& s, const TPunkt& v, int x, int y, ColumnAnchor* anker) {
    report::spalteMitText(s, v.Name + " = ", v, x, y, anker);
}

void Ergebnis_SkalarProdukt(Sheet& s, const TPunkt& p, const TPunkt& q, int x, int& y) {
    s.Outtextln(x, y, "Skalarprodukt:");
    eingaben(s, {&p, &q}, x, y);
    s.u(y);

    s.Outtext(x, y, "Skalarprodukt = " + ZahlText(Skalarprodukt(p, q)));
    s.movey(NachZeile, y);
    s.Outtextln(x, y, "Beträge:");
    betrag(s, p, x, y);
    betrag(s, q, x, y);
    s.next_zeile(y);
    // The angle between the two vectors (0 to 180 degrees), not between their lines: with a
    // negative scalar product it is obtuse, as the projections below, which then point against
    // p and q, show.
    const double w = Winkel(p, q);
    s.Outtext(x, y, "Winkel = " + ZahlText(Skalarprodukt(p, q) < 0 ? 180 - w : w));
    s.movey(NachZeile, y);

    s.Outtextln(x, y, "Senkrechte Projektionen:");
    TPunkt qAufP, pAufQ;
    scalarProductProjections(p, q, qAufP, pAufQ);
    Vector_darst_ausgeben(s, qAufP, x, y);
    s.movey(NachVektor, y);
    Vector_darst_ausgeben(s, pAufQ, x, y);
    s.movey(NachVektor, y);
    betrag(s, qAufP, x, y);
    betrag(s, pAufQ, x, y);
}

void Ergebnis_VektorProdukt(Sheet& s, const TPunkt& p, const TPunkt& q, int x, int& y) {
    s.Outtextln(x, y, "Vektorprodukt:");
    eingaben(s, {&p, &q}, x, y);
    s.u(y);
    s.Outtextln(x, y, "Vektorprodukt:");

    TPunkt n = kreuzprodukt(p, q);
    n.Name = "n";
    if (IstNullvektor(n)) {
        s.Outtextln(x, y, "Die beiden Vektoren sind linear abhängig !");
        s.Outtext(x, y, "Bitte geben Sie zwei lin. unabh. Vektoren ein.");
        s.movey(2, y);
        return;
    }
    s.Outtextln(x, y, "Normalenvektor:");
    Vector_darst_ausgeben(s, n, x, y);
    s.movey(NachVektor, y);
    s.Outtextln(x, y, "Normaleneinheitsvektor:");
    TPunkt ne = n;
    Einheitsvektor(n, ne);
    ne.Name = "ne";
    Vector_darst_ausgeben(s, ne, x, y);
    s.movey(NachVektor, y);

    s.Outtextln(x, y, "Beträge:");
    betrag(s, p, x, y);
    betrag(s, q, x, y);
    betrag(s, n, x, y);
    s.next_zeile(y);
    s.Outtext(x, y, "Winkel(p,q) = " + ZahlText(Winkel(p, q)));
    s.movey(NachZeile, y);
    s.u(y);
    // A remark for the drawing, which draws n shortened.
    s.Outtextln(x, y, "Normalenvektor nicht maßstabsgerecht !");
}

void Ergebnis_SpatProdukt(Sheet& s, const TPunkt& p, const TPunkt& q, const TPunkt& r, int x,
                          int& y) {
    s.Outtextln(x, y, "Spatprodukt:");
    eingaben(s, {&p, &q, &r}, x, y);
    s.u(y);
    s.Outtextln(x, y, "Spatprodukt:");
    // The volume is the absolute value: a left-handed triple gives a negative product.
    const double V = std::fabs(Skalarprodukt(kreuzprodukt(p, q), r));
    s.Outtextln(x, y, "Volumen des Spats: V = " + ZahlText(V));
}

void Ergebnis_LineareAbh2(Sheet& s, const TPunkt& a, const TPunkt& b, int x, int& y) {
    s.Outtextln(x, y, "Lineare Abhängigkeit:");
    s.Outtextln(x, y, "Zwei Vektoren:");
    eingaben(s, {&a, &b}, x, y);
    s.u(y);
    s.Outtextln(x, y, "Die Vektoren sind linear");

    double k = 0;
    if (!Parallel_mit_Faktor(a, b, k)) {
        s.Outtext(x, y, "unabhängig !");
    } else {
        s.Outtext(x, y, "abhängig !");
        s.movey(NachZeile, y);
        nullvektorDarstellung(s, x, y);
        if (IstNullvektor(b) && !IstNullvektor(a)) {
            // The factor of b is 0 here, and "- 0b + a = o" would be false: use 0·a + 1·b = o.
            double la = 0, lb = 0;
            Nulldarstellung2(a, b, la, lb);
            s.Outtext(x, y, summenText({{la, &a}, {lb, &b}}));
        } else {
            s.Outtext(x, y, "- " + ZahlText(k) + b.Name + " + " + a.Name + " = o");
        }
    }
    s.movey(NachZeile, y);
    s.u(y);
    s.Outtextln(x, y, "Genauigkeit: 0.0000001");
}

void Ergebnis_LineareAbh3(Sheet& s, const TPunkt& a, const TPunkt& b, const TPunkt& c, int x,
                          int& y) {
    s.Outtextln(x, y, "Lineare Abhängigkeit:");
    s.Outtextln(x, y, "Drei Vektoren:");
    eingaben(s, {&a, &b, &c}, x, y);
    s.u(y);
    s.Outtextln(x, y, "Die Vektoren sind linear");
    if (Det3(a, b, c) != 0) {
        s.Outtextln(x, y, "unabhängig !");
        return;
    }
    s.Outtext(x, y, "abhängig !");
    s.movey(2, y);
    nullvektorDarstellung(s, x, y);
    double la = 0, lb = 0, lc = 0;
    Nulldarstellung3(a, b, c, la, lb, lc);
    s.Outtextln(x, y, summenText({{la, &a}, {lb, &b}, {lc, &c}}));
}

void Ergebnis_LineareAbh4(Sheet& s, const TPunkt& a, const TPunkt& b, const TPunkt& c,
                          const TPunkt& d, int x, int& y) {
    s.Outtextln(x, y, "Lineare Abhängigkeit:");
    s.Outtextln(x, y, "Vier Vektoren:");
    eingaben(s, {&a, &b, &c, &d}, x, y);
    s.Outtextln(x, y, "-------------------------------");
    s.Outtextln(x, y, "Die Vektoren sind linear");
    // Four vectors of space are always dependent.
    s.Outtext(x, y, "abhängig !");
    s.movey(2, y);
    double la = 0, lb = 0, lc = 0, ld = 0;
    Nulldarstellung4(a, b, c, d, la, lb, lc, ld);
    nullvektorDarstellung(s, x, y);
    s.Outtextln(x, y, summenText({{la, &a}, {lb, &b}, {lc, &c}, {ld, &d}}));
}
