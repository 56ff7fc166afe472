#include "plane/ellipse_report.h"

#include "core/checked.h"
#include "core/number_text.h"
#include "plane/plane_sheet.h"
#include "sheet/sheet.h"

#include <algorithm>
#include <cmath>

namespace {

using A = Ellipsenart;

// Anchor slots of the single numbers: a, b (a2, b2 of the second ellipse), e, and the line.
enum Feld { FeldA = 0, FeldB = 1, FeldA2 = 2, FeldB2 = 3, FeldGerade = 4, FeldE = 6 };

// A number as the sheet shows it: a rounding remainder next to the figure's size is 0, never
// "-0".
std::string zahl(double v, double scale = 1) {
    return ZahlText(tolerance::isZero(v, scale) ? 0.0 : v + 0.0);
}

struct Writer {
    Sheet& s;
    int x;
    int& y;
    Anchors& anker;

    void line(const std::string& text) {
        s.Outtext(x, y, text);
        s.newLine(y);
    }
    void rule() { s.u(y); }
    // text + the number, the number registered as zahl2[feld] when feld ≥ 0.
    void number(const std::string& text, double v, int feld = -1) {
        const std::string n = zahl(v);
        if (feld < 0) return line(text + n);
        s.Outtext(x, y, text);
        s.Schriftfarbe(farbe::Dunkelrot);
        s.Outtext(plus_int(x, s.textWidth(text)), y, n);
        s.Schriftfarbe(farbe::Schwarz);
        mark(feld, text, n);
        s.newLine(y);
    }
    void point(const TPunkt2& P, int paar = -1, const std::string& text = "") {
        const TPunkt2 Q = plane::with(P, P.x + 0.0, P.y + 0.0);
        if (!text.empty()) s.Outtext(x, y, text);
        const int px = plus_int(x, s.textWidth(text));
        if (paar >= 0) {
            s.Schriftfarbe(farbe::Dunkelrot);
            Punkt2_ausgeben(s, Q, px, y, &anker.paar[paar]);
            s.Schriftfarbe(farbe::Schwarz);
        } else {
            Punkt2_ausgeben(s, Q, px, y);
        }
        s.newLine(y);
    }
    // The line as "t:y=m*x + c", its slope and intercept registered when `editierbar`.
    void gerade(const Gerade2MC& g, const std::string& vorsatz, const std::string& senkrecht,
                bool editierbar = false) {
        s.Outtext(x, y, Geradentext2(g, vorsatz, senkrecht));
        if (editierbar) {
            const std::string m = zahl(g.senkrecht ? g.k : g.m);
            const std::string vor = g.senkrecht ? senkrecht : vorsatz + "y=";
            mark(FeldGerade, vor, m);
            if (!g.senkrecht)
                mark(FeldGerade + 1, vor + m + (g.c >= 0 ? "*x + " : "*x "), zahl(g.c));
        }
        s.newLine(y);
    }
    void mark(int feld, const std::string& vor, const std::string& n) {
        s.markField(anker.zahl2[feld], x, vor, n, y);
    }

    // The equation as a two-line fraction: the numerators, "Ellipse E:" with the fraction bars,
    // " + " and " = 1", the denominators; each exponent "2" raised half a row.
    void equation(const TEllipse2& E) {
        const auto zaehler = [](char v, double m) {
            return std::string("(") + v + (m >= 0 ? "-" : "+") + zahl(std::fabs(m)) + ")";
        };
        const std::string kopf = "Ellipse " + E.Name + " ";
        const std::string oben[2] = {zaehler('x', E.M.x), zaehler('y', E.M.y)};
        const std::string unten[2] = {zahl(E.a), zahl(E.b)};
        int spalte = plus_int(x, s.textWidth(kopf));
        const int hoch = s.h() / 2;
        const int y0 = y, y1 = plus_int(y, s.h()), y2 = plus_int(y1, s.h());
        s.Outtext(x, y1, kopf);
        for (int i = 0; i < 2; ++i) {
            const std::size_t n = std::max(oben[i].size(), unten[i].size()) + 1;
            const std::string strich(n, '-');
            const int breite = s.textWidth(strich);
            const auto mitte = [&](const std::string& t, int zy) {
                const int tx = plus_int(spalte, (breite - s.textWidth(t + "2")) / 2);
                s.Outtext(tx, zy, t);
                s.Outtext(plus_int(tx, s.textWidth(t)), minus_int(zy, hoch), "2");
            };
            mitte(oben[i], y0);
            s.Outtext(spalte, y1, strich);
            mitte(unten[i], y2);
            spalte = plus_int(spalte, breite);
            const std::string danach = i == 0 ? " + " : " = 1";
            s.Outtext(spalte, y1, danach);
            spalte = plus_int(spalte, s.textWidth(danach));
        }
        y = plus_int(y2, s.h());
    }

    // The ellipse block: equation, parameters, centre, foci and vertices. The centre and the
    // semi-axes are registered where they are the task's input.
    void ellipse(const TEllipse2& E, const Ellipsenpunkte& p, bool geg, int paar, int feldA,
                 int feldB) {
        if (geg) line("Geg:");
        equation(E);
        rule();
        line("Ergebnisse:");
        line("Ellipsenparameter:");
        number("gr.Halbachse: a= ", E.a, feldA);
        number("kl.Halbachse: b= ", E.b, feldB);
        number("Exzentrizität:e= ", p.e);
        rule();
        line("Mittelpunkt:");
        point(E.M, paar);
        rule();
        line("Brennpunkte:");
        point(p.F1);
        point(p.F2);
        rule();
        line("Scheitel:");
        for (const TPunkt2& S : p.S) point(S);
        rule();
    }
};

void beruehrpunkt(Writer& w, const EllipsenDaten& d) {
    if (d.anzahl > 0) w.point(d.S[0], -1, "Berührpunkt: ");
}

void tangenteImPunkt(Writer& w, const EllipsenDaten& d) {
    if (!d.hatTp) return;
    w.line("Tangente im Punkt:");
    w.gerade(d.tp, "t:", "t: x = ");
    w.point(d.P, -1, "Berührpunkt: ");
}

void punktLage(Writer& w, const EllipsenDaten& d) {
    if (d.lage == 0) {
        w.line("P innerhalb Ellipse:");
    } else if (d.lage == 1) {
        w.line("P liegt auf der Ellipse:");
        if (d.hatTp) w.gerade(d.tp, "Tangente: ", "Tangente: x = ");
    } else {
        w.line("P liegt außerhalb der Ellipse:");
        if (d.hatTp) w.gerade(d.tp, "Polare: ", "Polare: x = ");
        if (d.anzahl < 2) return;
        w.line("Tangentenpunkte:");
        w.point(d.S[0]);
        w.point(d.S[1]);
        w.line("Tangenten von P:");
        w.gerade(d.t1, "t1:", "t1: x = ");
        w.gerade(d.t2, "t2:", "t2: x = ");
    }
}

void geradenLage(Writer& w, const EllipsenDaten& d) {
    if (d.lage == 0) {
        w.line("g außerhalb Ellipse:");
    } else if (d.lage == 1) {
        w.line("g ist Tangente:");
        if (d.anzahl > 0) w.point(d.S[0], -1, "Berührpunkt: ");
    } else {
        w.line("Schnittpunkte: g mit E");
        for (int i = 0; i < d.anzahl; ++i) w.point(d.S[i]);
    }
}

} // namespace

std::string Geradentext2(const Gerade2MC& g, const std::string& vorsatz,
                         const std::string& senkrecht) {
    if (g.senkrecht) return senkrecht + zahl(g.k);
    return vorsatz + "y=" + zahl(g.m) + (g.c >= 0 ? "*x + " : "*x ") + zahl(g.c);
}

void Ellipse_ausgeben(Sheet& s, Ellipsenart art, const EllipsenEingabe& in, const EllipsenDaten& d,
                      int x, int& y) {
    Writer w{s, x, y, s.anker};
    const bool gegeben = art == A::MittelpunktAchsen || art == A::EllipsePunkt ||
                         art == A::EllipseGerade || art == A::ZweiEllipsen;
    const auto unmoeglich = [&] {
        w.line(art == A::BrennpunktPunktTangente ? "Exakte Ellipse unmöglich !"
                                                 : "Ellipse unmöglich !");
    };
    const auto tangente = [&] {
        w.line("Tangente:");
        if (d.hatGerade) w.gerade(d.g, "t:", "t: x = ", true);
    };

    // The given data.
    switch (art) {
    case A::MittelpunktAchsen:
    case A::EllipsePunkt:
    case A::EllipseGerade:
        break;
    case A::ExzentrizitaetPunkt:
        w.line("Geg:");
        w.line("Ellipse aus Exzentrizität und Punkt");
        w.number("Exztr. e = ", in.e, FeldE);
        w.point(in.P, 0);
        break;
    case A::AchseTangente:
        w.line("Geg:");
        w.line("Ellipse aus Achse und Tangente:");
        w.number("gr.HA: a=", in.E.a, FeldA);
        tangente();
        break;
    case A::BrennpunktePunkt:
        w.line("Geg:");
        w.line("Ellipse aus Brennpunkt und Punkt");
        w.point(in.F1, 0);
        w.point(in.F2, 1);
        w.point(in.P, 2);
        break;
    case A::BrennpunktPunktTangente:
        w.line("Geg:");
        w.line("Ellipse aus F1, Tangente, Pkt:");
        w.point(in.F1, 0);
        w.point(in.P, 1);
        tangente();
        break;
    case A::BrennpunktTangente:
        w.line("Geg:");
        w.line("Ellipse aus Brennpunkt u.Tangente:");
        w.point(in.F1, 0);
        tangente();
        break;
    case A::MittelpunktZweiPunkte:
        w.line("Geg:");
        w.line("Ellipse aus M u. 2 Punkten:");
        w.point(in.E.M, 0);
        w.point(in.P, 1);
        w.point(in.Q, 2);
        break;
    case A::MittelpunktAchseTangente:
        w.line("Geg:");
        w.line("Ellipse aus M, a, Tangente:");
        w.point(in.E.M, 0);
        w.number("gr.HA: a=", in.E.a, FeldA);
        tangente();
        break;
    case A::ZweiEllipsen:
        w.line("Geg:");
        w.line("Zwei Ellipsen:");
        break;
    }
    if (!gegeben) w.rule();
    if (!d.moeglich) {
        // A typed ellipse keeps its numbers on the sheet, so that a click can mend them.
        if (gegeben) {
            if (art != A::ZweiEllipsen) w.line("Geg:");
            w.point(in.E.M, 0, "Ellipse " + in.E.Name + " ");
            w.number("a= ", in.E.a, FeldA);
            w.number("b= ", in.E.b, FeldB);
        }
        if (art == A::ZweiEllipsen) {
            w.point(in.E2.M, 1, "Ellipse " + in.E2.Name + " ");
            w.number("a= ", in.E2.a, FeldA2);
            w.number("b= ", in.E2.b, FeldB2);
        }
        unmoeglich();
        return;
    }

    // The ellipse block; the ellipse's own numbers are editable where they were typed.
    w.ellipse(d.E, d.punkte, gegeben && art != A::ZweiEllipsen, gegeben ? 0 : -1,
              gegeben ? FeldA : -1, gegeben ? FeldB : -1);

    switch (art) {
    case A::ExzentrizitaetPunkt:
    case A::BrennpunktePunkt:
        tangenteImPunkt(w, d);
        break;
    case A::AchseTangente:
    case A::BrennpunktTangente:
    case A::MittelpunktAchseTangente:
        beruehrpunkt(w, d);
        break;
    case A::MittelpunktZweiPunkte:
        if (d.hatTp) {
            w.line("Tangente in P:");
            w.gerade(d.tp, "tp:", "tp:x = ");
        }
        if (d.hatTq) {
            w.line("Tangente in Q:");
            w.gerade(d.tq, "tq:", "tq:x = ");
        }
        break;
    case A::EllipsePunkt:
        w.point(in.P, 1, "Punkt: ");
        punktLage(w, d);
        break;
    case A::EllipseGerade:
        w.line("Gerade g:");
        w.gerade(d.g, "g:", "g: x = ", true);
        geradenLage(w, d);
        break;
    case A::ZweiEllipsen:
        w.ellipse(d.E2, d.punkte2, false, 1, FeldA2, FeldB2);
        if (d.anzahl == 4) {
            w.line("Schnittpunkte:");
            for (const TPunkt2& P : d.S) w.point(P);
        }
        break;
    default:
        break;
    }
}
