// The map's equation and its analysis on the result sheet.
#include "affine/affine_report.h"

#include "affine/report_writer.h"

#include <algorithm>
#include <cmath>

using namespace affine;

std::string GeradeGl2Text(const TGeradeGl2& g) {
    const std::string v = g.v < 0 ? " - " + zahl(-g.v) : " + " + zahl(g.v);
    return g.Name + ": " + zahl(g.u) + "*x" + v + "*y = " + zahl(g.w);
}

void Abbildung_ausgeben(Sheet& s, const std::string& name, const TAbbildung2& m, int x, int& y,
                        FieldAnchor* anker) {
    // Three columns (a11 a21 | a12 a22 | b1 b2), each right-aligned to its wider entry.
    std::string t[6];
    std::size_t breite[3] = {};
    for (int i = 0; i < 6; ++i) {
        t[i] = zahl(wert(m, i));
        breite[i / 2] = std::max(breite[i / 2], t[i].size());
    }
    // The name's width on the sheet, not its byte count: "`" and "´" differ.
    const int links = plus_int(x, s.textWidth(name));
    for (int r = 0; r < 2; ++r) {
        std::string zeile = "|";
        for (int c = 0; c < 3; ++c) {
            // The product sign stands on the first row only (the entries end in a blank).
            if (c == 2) zeile += r == 0 ? "|*x + |" : "|     |";
            const std::string& e = t[2 * c + r];
            zeile += std::string(breite[c] - e.size() + 1, ' ');
            if (anker) {
                FieldAnchor& a = anker[2 * c + r];
                a.links = plus_int(links, s.textWidth(zeile));
                a.rechts = plus_int(a.links, s.textWidth(e));
                a.oben = y;
                // One pixel short of the next row, so that a click hits one entry only.
                a.unten = plus_int(y, s.textHeight("M") - 1);
                a.gesetzt = true;
            }
            zeile += e + " ";
        }
        if (r == 0) s.Outtext(x, y, name);
        s.Outtext(links, y, zeile + "|");
        s.newLine(y);
    }
}

namespace {

void normalformAusgeben(Schreiber& w, const Analyse& a) {
    const Normalform& n = a.normalform;
    if (!n.vorhanden) return;
    w.luecke();
    w.zeile("Normalform der Abbildung:");
    const TAbbildung2 N{n.a11, n.a21, n.a12, n.a22, n.t1, n.t2, true};
    Abbildung_ausgeben(w.s, "x`= ", N, w.x, w.y);
    w.punkt("Ursprung: ", n.O);
    if (a.typ == Typ::Drehung || a.typ == Typ::Drehstreckung) {
        w.zeile("Streckfaktor=" + zahl(a.r));
        w.zeile("Drehwinkel  =" + zahl(a.phi));
    }
    w.zeile("Neue Koordinatenachsen:");
    w.spalte("e1 = ", n.e1);
    w.spalte("e2 = ", n.e2);
}

void fixpunkteAusgeben(Schreiber& w, const Fixpunkte& f) {
    switch (f.art) {
    case Fixart::einer:
        w.punkt("Es existiert ein Fixpunkt ", f.F);
        break;
    case Fixart::keiner:
        w.zeile("Es existiert kein Fixpunkt !");
        break;
    case Fixart::gerade:
        w.zeile("Es existiert eine Fixpunktgerade:");
        w.gerade("f: ", f.gerade);
        break;
    case Fixart::alle:
        w.zeile("Jeder Punkt ist Fixpunkt !");
        break;
    }
}

void fixgeradenAusgeben(Schreiber& w, const Analyse& a) {
    for (const TGerade2& g : a.fixgeraden) w.gerade("Fixgerade: ", g);
}

void zweiEigenwerte(Schreiber& w, const Analyse& a) {
    w.zeile("Zwei EWe: k1=" + zahl(a.k1));
    w.zeile("          k2=" + zahl(a.k2));
    w.zeile("2 Fixrichtungen !");
    const Typ t = a.typ;
    if (t == Typ::Schraegspiegelung || t == Typ::Parallelstreckung) fixgeradenAusgeben(w, a);
    if (t == Typ::Streckspiegelung && std::fabs(a.k1) != 1 && std::fabs(a.k2) != 1 && a.k2 == -a.k1)
        w.luecke();
    if (t != Typ::keiner) w.zeile(ueberschrift(t));
    if (t == Typ::Euler || t == Typ::Streckspiegelung) {
        w.zeile("Fixgeraden:");
        for (const TGerade2& g : a.fixgeraden) w.gerade("", g);
    }
    if (t == Typ::Schubspiegelung || t == Typ::Schubparallelstreckung) {
        if (a.fixgeraden.empty()) w.zeile("Keine Fixgeraden!");
        fixgeradenAusgeben(w, a);
    }
    if (a.v1da) w.spalte("EV: v1=", a.v1);
    if (a.v2da) w.spalte("EV: v2=", a.v2);
}

} // namespace

void Abbildung_analysieren(Sheet& s, const TAbbildung2& m, const Analyse& a, bool normalform,
                           FieldAnchor* anker, int x, int& y) {
    Schreiber w{s, x, y};
    w.zeile("Abbildungsgleichung:");
    w.luecke();
    if (anker) s.Schriftfarbe(farbe::Dunkelrot);
    Abbildung_ausgeben(s, "x`= ", m, x, y, anker);
    s.Schriftfarbe(farbe::Schwarz);
    s.u(y);
    w.zeile("Determinante: D = " + zahl(a.D));
    w.zeile("Charakteristische Gleichung:");
    w.zeile("k^2 + (" + zahl(a.p) + ")*k + (" + zahl(a.q) + ") = 0");
    s.u(y);
    w.zeile("ABBILDUNGSEIGENSCHAFTEN:");
    fixpunkteAusgeben(w, a.fix);

    const Typ t = a.typ;
    switch (a.fall) {
    case Eigenfall::eineRichtung:
        w.zeile("Eigenwert: k = " + zahl(a.k1));
        w.zeile("Eine Fixrichtung !");
        if (a.v1da) w.spalte("Eigenvektor v1=", a.v1);
        if (t != Typ::keiner) w.zeile(ueberschrift(t));
        fixgeradenAusgeben(w, a);
        break;
    case Eigenfall::zweiWerte:
        zweiEigenwerte(w, a);
        break;
    case Eigenfall::keiner:
        w.zeile("Es ex. kein EW, keine FixR.");
        if (t == Typ::keiner) break;
        w.zeile(ueberschrift(t));
        w.zeile("Streckfaktor = " + zahl(a.r));
        w.zeile("Drehwinkel   = " + zahl(a.phi));
        break;
    case Eigenfall::alleRichtungen:
        if (t == Typ::keiner) break;
        w.zeile(ueberschrift(t));
        if (t == Typ::Verschiebung) {
            w.zeile("Es ex. ein EW, eine Fixrichtung !");
            w.spalte("EV: v1=", a.v1);
            w.zeile("Alle Geraden in Richtung von v1");
            w.zeile("sind Fixgeraden !");
        } else if (t == Typ::Identitaet) {
            w.zeile("Eigenwert:  k1=" + zahl(a.k1));
        } else {
            w.zeile("Es existiert ein Eigenwert:");
            w.zeile("k = " + zahl(a.k1));
            w.zeile("Jede Richtung ist fix !");
        }
        break;
    }
    if (normalform) normalformAusgeben(w, a);
}
