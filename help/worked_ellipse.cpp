// Worked solutions of the eleven ellipse tasks. Each writes the task's given data, the
// determination with the numbers put into its formulas, the ellipse's parameters and the
// task's own results; the results are those of the task's computation, so they match the
// sheet.
#include "help/worked_ellipse.h"
#include "core/scene.h"
#include "core/tolerance.h"
#include "help/solution_writers.h"

#include <algorithm>
#include <cmath>
#include <numbers>

using namespace worked_ellipse;

namespace {

using A = Ellipsenart;

constexpr double grad = 180 / std::numbers::pi;

std::string winkel(double bogen) {
    return zahl(bogen * grad) + "°";
}

void unmoeglich(SolutionText& out, const std::string& grund, A art = A::MittelpunktAchsen) {
    if (!grund.empty()) out.line(grund);
    out.line(art == A::BrennpunktPunktTangente ? "Exakte Ellipse unmöglich !"
                                               : "Ellipse unmöglich !");
}

// A typed ellipse as given; the reason when its numbers give none.
std::string gegeben(const TEllipse2& E) {
    return "Ellipse " + E.Name + " " + punkt("M", E.M) + ",  a = " + zahl(E.a) +
           ",  b = " + zahl(E.b);
}
std::string ohneEllipse(const TEllipse2& E) {
    return E.a == 0 || E.b == 0 ? "a = 0 oder b = 0: das ist keine Ellipse." : "";
}
void betraege(SolutionText& out, const TEllipse2& E) {
    if (E.a < 0 || E.b < 0) out.line("Negative Halbachsen zählen mit ihrem Betrag.");
}

// The ellipse through P with centre (0/0) and foci (±e/0): a² from the quadratic in a².
// Returns b² = a² − e².
double ausExzentrizitaet(SolutionText& out, double e, double x, double y) {
    const double s = x * x + y * y + e * e;
    const double a2 = s / 2 + std::sqrt(std::max(0.0, s * s / 4 - e * e * x * x));
    out.line("Der Punkt (" + zahl(x) + "/" + zahl(y) + ") in x²/a² + y²/b² = 1 mit b² = a² - e²");
    out.line("eingesetzt gibt für A = a² die quadratische Gleichung");
    out.line("A² - s·A + e²·x² = 0  mit  s = x² + y² + e²:");
    out.line("s = " + klammer(x) + "² + " + klammer(y) + "² + " + klammer(e) + "² = " + zahl(s));
    out.line("A² - " + klammer(s) + "·A + " + zahl(e * e * x * x) + " = 0");
    out.line("Die größere Lösung ist a² (denn a² > e²):");
    out.block("a² = s/2 + " + root("(s/2)² - e²·x²") + " = " + zahl(s / 2) + " + " +
              root(klammer(s / 2) + "² - " + zahl(e * e * x * x)) + (" = " + zahl(a2)));
    out.block("a = " + root(zahl(a2)) + (" = " + zahl(std::sqrt(a2))));
    const double b2 = a2 - e * e;
    out.line("b² = a² - e² = " + zahl(a2) + " - " + zahl(e * e) + " = " + zahl(b2));
    if (b2 > 0) out.block("b = " + root(zahl(b2)) + (" = " + zahl(std::sqrt(b2))));
    return b2;
}

// The point of contact of a tangent: the line put into the ellipse.
void beruehrpunkt(SolutionText& out, const EllipsenDaten& d) {
    out.line();
    out.line("Berührpunkt: t in die Ellipsengleichung eingesetzt:");
    intersectionLines(out, d.E, d.g, LageEllipseGerade(d.E, d.g));
    if (d.anzahl > 0) out.line("Berührpunkt: " + punkt("B", d.S[0]));
}

void ergebnis(SolutionText& out, const EllipsenDaten& d) {
    out.line();
    out.line("Die Ellipse:");
    parameterLines(out, d.E.Name, d.E, d.punkte);
}

void mittelpunktAchsen(SolutionText& out, const EllipsenEingabe& in, const EllipsenDaten& d) {
    out.line("Geg: " + gegeben(in.E));
    betraege(out, in.E);
    if (!d.moeglich) return unmoeglich(out, ohneEllipse(in.E));
    out.line();
    out.line("Mittelpunktsform der Ellipsengleichung:");
    parameterLines(out, d.E.Name, d.E, d.punkte);
}

void exzentrizitaetPunkt(SolutionText& out, const EllipsenEingabe& in, const EllipsenDaten& d) {
    out.line("Geg: Exzentrizität e = " + zahl(in.e) + ",  Punkt " + punkt("P", in.P));
    out.line("Gesucht: Ellipse mit M(0/0), Brennpunkten (±e/0), durch P.");
    out.line();
    ausExzentrizitaet(out, in.e, in.P.x, in.P.y);
    if (!d.moeglich)
        return unmoeglich(out, "b² <= 0: P liegt auf der x-Achse zwischen den Brennpunkten.");
    ergebnis(out, d);
    if (!d.hatTp) return;
    out.line();
    out.line("Tangente im Punkt P:");
    tangentLines(out, "t", d.E, d.P, d.tp);
    out.line("Berührpunkt: " + punkt("P", d.P));
}

void achseTangente(SolutionText& out, const EllipsenEingabe& in, const EllipsenDaten& d) {
    const double a = std::fabs(in.E.a);
    out.line("Geg: große Halbachse a = " + zahl(in.E.a) + ",  Tangente t: " + gleichung(in.t));
    out.line("Gesucht: die Ellipse mit M(0/0), die t berührt.");
    out.line();
    if (!(a > 0)) return unmoeglich(out, "a = 0: keine Ellipse.");
    if (!d.hatGerade) return unmoeglich(out, "u = v = 0: t ist keine Gerade.");
    slopeLines(out, in.t, d.g);
    if (d.g.senkrecht) {
        out.line("Die senkrechte Tangente berührt im Scheitel S1:");
        out.line("Mx = k - a = " + zahl(d.g.k) + " - " + zahl(a) + " = " + zahl(d.g.k - a));
        out.line("b ist dann frei wählbar; hier b = a/2 = " + zahl(a / 2));
    } else {
        const double D = d.g.c * d.g.c - (a * d.g.m) * (a * d.g.m);
        out.line("Berührbedingung: c² = a²·m² + b²  ==>  b² = c² - (a·m)²");
        out.line("b² = " + klammer(d.g.c) + "² - (" + zahl(a) + "·" + klammer(d.g.m) +
                 ")² = " + zahl(D));
        if (!d.moeglich) return unmoeglich(out, "b² <= 0: t kommt der Achse zu nahe.");
        out.block("b = " + root(zahl(D)) + (" = " + zahl(d.E.b)));
    }
    if (!d.moeglich) return unmoeglich(out, "");
    ergebnis(out, d);
    beruehrpunkt(out, d);
}

void brennpunktePunkt(SolutionText& out, const EllipsenEingabe& in, const EllipsenDaten& d) {
    const TPunkt2 &F1 = in.F1, &F2 = in.F2, &P = in.P;
    out.line("Geg: Brennpunkte " + punkt("F1", F1) + ", " + punkt("F2", F2) + ",  Punkt " +
             punkt("P", P));
    out.line();
    const double s = std::max({std::fabs(F1.x), std::fabs(F1.y), std::fabs(F2.x), std::fabs(F2.y)});
    const bool waagrecht = tolerance::areEqual(F1.y, F2.y, s);
    const bool senkrecht = tolerance::areEqual(F1.x, F2.x, s);
    if (waagrecht && senkrecht) return unmoeglich(out, "F1 = F2: es gibt keine zwei Brennpunkte.");
    if (!waagrecht && !senkrecht)
        return unmoeglich(out, "F1 und F2 liegen weder waagrecht noch senkrecht nebeneinander.");
    const TPunkt2 Mc = plane::midpoint(F1, F2);
    out.line("Mittelpunkt M = (F1 + F2)/2 = " + punkt("M", Mc));
    double e = std::fabs(F1.x - Mc.x), x = P.x - Mc.x, y = P.y - Mc.y;
    if (senkrecht) {
        out.line("F1 und F2 liegen übereinander: rechne mit vertauschtem x und y");
        out.line("und tausche am Ende zurück (dann werden auch a und b getauscht).");
        e = std::fabs(F1.y - Mc.y);
        std::swap(x, y);
        out.line("e = |F1y - My| = " + zahl(e) + ",  P - M vertauscht: (" + zahl(x) + "/" +
                 zahl(y) + ")");
    } else {
        out.line("e = |F1x - Mx| = " + zahl(e) + ",  P - M = (" + zahl(x) + "/" + zahl(y) + ")");
    }
    out.line();
    ausExzentrizitaet(out, e, x, y);
    if (!d.moeglich)
        return unmoeglich(out, "b² <= 0: P liegt auf der Strecke zwischen den Brennpunkten.");
    if (senkrecht) out.line("Zurückgetauscht: a = " + zahl(d.E.a) + ",  b = " + zahl(d.E.b));
    ergebnis(out, d);
    const double s1 = plane::distance(P, F1), s2 = plane::distance(P, F2);
    out.line("Probe: |PF1| + |PF2| = " + zahl(s1) + " + " + zahl(s2) + " = " + zahl(s1 + s2) +
             " = 2·" + zahl(std::max(d.E.a, d.E.b)));
    if (!d.hatTp) return;
    out.line();
    out.line("Tangente im Punkt P:");
    tangentLines(out, "t", d.E, d.P, d.tp);
    out.line("Berührpunkt: " + punkt("P", d.P));
}

void brennpunktPunktTangente(SolutionText& out, const EllipsenEingabe& in, const EllipsenDaten& d) {
    const TPunkt2& F = in.F1;
    out.line("Geg: Brennpunkt " + punkt("F1", F) + ",  Tangente t: " + gleichung(in.t));
    out.line("     Punkt P mit x = " + zahl(in.P.x));
    out.line("Gesucht: Ellipse mit Brennpunkt F1, die t in B über P berührt;");
    out.line("der zweite Brennpunkt F2 liegt auf der Waagrechten durch F1.");
    out.line();
    constexpr A art = A::BrennpunktPunktTangente;
    if (!d.hatGerade) return unmoeglich(out, "u = v = 0: t ist keine Gerade.", art);
    slopeLines(out, in.t, d.g);
    if (d.g.senkrecht)
        return unmoeglich(out, "Eine senkrechte Tangente ist hier nicht möglich.", art);
    TEllipse2 E;
    TPunkt2 B, F2;
    FPTSchritte r;
    EllipseAusBrennpunktPunktTangente(F, in.P, in.t, E, B, F2, &r);
    out.line("B auf t: By = m·Px + c = " + klammer(d.g.m) + "·" + klammer(in.P.x) + " + " +
             klammer(d.g.c) + " = " + zahl(B.y) + "  ==> " + punkt("B", B));
    if (r.gespiegelt) {
        out.line("c - Fy = " + zahl(d.g.c - F.y) + " < 0: t liegt unterhalb von F1. Die Ellipse");
        out.line("ist symmetrisch zu y = Fy; spiegle daran:");
        out.line("m = " + zahl(r.m) + ",  By = 2·Fy - By = " + zahl(r.By));
    }
    if (!r.winkel) return unmoeglich(out, "B fällt mit F1 zusammen.", art);
    const double dx = in.P.x - F.x, dy = r.By - F.y;
    if (tolerance::areEqual(
            in.P.x, F.x,
            std::max({std::fabs(F.x), std::fabs(F.y), std::fabs(in.P.x), std::fabs(r.By)}))) {
        out.line("Winkel φ von F1B: Bx = Fx ==> φ = 90°");
    } else {
        const double st = dy / dx;
        out.line("Steigung von F1B: s = (By - Fy)/(Bx - Fx) = " + zahl(dy) + "/" + klammer(dx) +
                 " = " + zahl(st));
        out.line(std::string("Winkel φ von F1B: ") +
                 (st > 0   ? "s > 0 ==> φ = 180° - arctan(s) = "
                  : st < 0 ? "s < 0 ==> φ = -arctan(s) = "
                           : "φ = arctan(s) = ") +
                 winkel(r.phi));
    }
    if (tolerance::isZero(r.m, 1))
        out.line("Winkel ψ der Normalen von t: m = 0 ==> ψ = 90°");
    else
        out.line(std::string("Winkel ψ der Normalen von t: ψ = arctan(-1/m)") +
                 (r.m > 0 ? " + 180°" : "") + " = " + winkel(r.psi));
    out.line("δ = 180° - ψ - φ = " + winkel(r.delta) + ",  ρ = 180° - φ - 2δ = " + winkel(r.rho));
    if (!r.dreieck) return unmoeglich(out, "ρ <= 0: es gibt kein Dreieck F1, B, F2.", art);
    out.line("Sinussatz im Dreieck F1, B, F2 mit |F1B| = d und |F1F2| = 2e:");
    out.block("d = |F1B| = " + root(klammer(dx) + "² + " + klammer(dy) + "²") +
              (" = " + zahl(r.d)));
    out.line("e = sin(2δ)·d/sin(ρ)/2");
    out.line("  = sin(" + winkel(2 * r.delta) + ")·" + zahl(r.d) + "/sin(" + winkel(r.rho) +
             ")/2 = " + zahl(r.e));
    out.line(std::string("F2 = F1 ") +
             (r.delta <= std::numbers::pi / 2 ? "- (2e/0), da δ <= 90°" : "+ (2e/0), da δ > 90°") +
             ":  " + punkt("F2", d.F2));
    if (!d.moeglich) return unmoeglich(out, "b² = a² - e² < 0 oder e < 0.", art);
    const double a = d.E.a;
    out.line("M = (F1 + F2)/2 = " + punkt("M", d.E.M) + ",  a = (|BF1| + |BF2|)/2 = " + zahl(a));
    out.block("b = " + root("a² - e²") + " = " + root(klammer(a) + "² - " + klammer(r.e) + "²") +
              (" = " + zahl(d.E.b)));
    ergebnis(out, d);
}

void brennpunktTangente(SolutionText& out, const EllipsenEingabe& in, const EllipsenDaten& d) {
    const TPunkt2& F = in.F1;
    const double e = std::fabs(F.x);
    out.line("Geg: Brennpunkt " + punkt("F1", F) + ",  Tangente t: " + gleichung(in.t));
    out.line("Gesucht: Ellipse mit M(0/0), Brennpunkten (±e/0), die t berührt.");
    out.line();
    if (!tolerance::isZero(F.y, e))
        return unmoeglich(out, "F1 liegt nicht auf der x-Achse (Fy <> 0).");
    if (!d.hatGerade) return unmoeglich(out, "u = v = 0: t ist keine Gerade.");
    out.line("e = |F1x| = " + zahl(e));
    slopeLines(out, in.t, d.g);
    if (d.g.senkrecht) {
        const double a = std::fabs(d.g.k);
        out.line("Die senkrechte Tangente berührt im Scheitel: a = |k| = " + zahl(a));
        if (!d.moeglich)
            return unmoeglich(out, "a <= e: der Scheitel läge nicht außerhalb von F1.");
        out.block("b = " + root("a² - e²") + " = " + root(klammer(a) + "² - " + klammer(e) + "²") +
                  (" = " + zahl(d.E.b)));
    } else {
        const double m = d.g.m, c = d.g.c, D = c * c - e * e * m * m;
        out.line("Berührbedingung c² = a²·m² + b² mit a² = b² + e²:");
        out.line("c² = (b² + e²)·m² + b²  ==>  b² = (c² - e²·m²)/(m² + 1)");
        if (D < 0) {
            out.line("c² - e²·m² = " + klammer(c) + "² - " + zahl(e * e) + "·" + klammer(m) +
                     "² = " + zahl(D));
            return unmoeglich(out, "c² - e²·m² < 0: b² wäre negativ.");
        }
        const double b2 = D / (m * m + 1);
        out.line("b² = (" + klammer(c) + "² - " + zahl(e * e) + "·" + klammer(m) + "²)/(" +
                 klammer(m) + "² + 1) = " + zahl(D) + "/" + zahl(m * m + 1) + " = " + zahl(b2));
        if (!d.moeglich) return unmoeglich(out, "b = 0: keine Ellipse.");
        out.block("b = " + root(zahl(b2)) + (" = " + zahl(d.E.b)));
        out.block("a = " + root("b² + e²") + " = " + root(zahl(b2) + " + " + zahl(e * e)) +
                  (" = " + zahl(d.E.a)));
    }
    ergebnis(out, d);
    beruehrpunkt(out, d);
}

void mittelpunktZweiPunkte(SolutionText& out, const EllipsenEingabe& in, const EllipsenDaten& d) {
    const TPunkt2 &M = in.E.M, &P = in.P, &Q = in.Q;
    out.line("Geg: Mittelpunkt " + punkt("M", M) + ",  Punkte " + punkt("P", P) + ", " +
             punkt("Q", Q));
    out.line();
    const TPunkt2 p = plane::difference(P, M), q = plane::difference(Q, M);
    const double px = p.x * p.x, py = p.y * p.y, qx = q.x * q.x, qy = q.y * q.y;
    out.line("Relativ zu M: p = P - M = (" + zahl(p.x) + "/" + zahl(p.y) + "),  q = Q - M = (" +
             zahl(q.x) + "/" + zahl(q.y) + ")");
    out.line("Beide in x²/a² + y²/b² = 1 eingesetzt:");
    out.line("(1)  " + zahl(px) + "/a² + " + zahl(py) + "/b² = 1");
    out.line("(2)  " + zahl(qx) + "/a² + " + zahl(qy) + "/b² = 1");
    out.line("Ein lineares Gleichungssystem für 1/a² und 1/b²; aufgelöst:");
    const double s = std::max({px, py, qx, qy});
    const double d1 = qy - py, d2 = qx - px;
    if (tolerance::isZero(d1, s) || tolerance::isZero(d2, s))
        return unmoeglich(out, "py² = qy² oder px² = qx²: keine eindeutige Lösung.");
    const double z1 = px * qy - qx * py, z2 = py * qx - qy * px;
    out.line("a² = (px²·qy² - qx²·py²)/(qy² - py²)");
    out.line("   = (" + zahl(px) + "·" + zahl(qy) + " - " + zahl(qx) + "·" + zahl(py) + ")/(" +
             zahl(qy) + " - " + zahl(py) + ") = " + zahl(z1) + "/" + klammer(d1) + " = " +
             zahl(z1 / d1));
    out.line("b² = (py²·qx² - qy²·px²)/(qx² - px²)");
    out.line("   = (" + zahl(py) + "·" + zahl(qx) + " - " + zahl(qy) + "·" + zahl(px) + ")/(" +
             zahl(qx) + " - " + zahl(px) + ") = " + zahl(z2) + "/" + klammer(d2) + " = " +
             zahl(z2 / d2));
    if (!d.moeglich) return unmoeglich(out, "a² <= 0 oder b² <= 0: keine Ellipse durch P und Q.");
    out.line("a = " + zahl(d.E.a) + ",  b = " + zahl(d.E.b));
    ergebnis(out, d);
    if (d.hatTp) {
        out.line();
        out.line("Tangente in P:");
        tangentLines(out, "tp", d.E, P, d.tp);
    }
    if (d.hatTq) {
        out.line();
        out.line("Tangente in Q:");
        tangentLines(out, "tq", d.E, Q, d.tq, "Q");
    }
}

void mittelpunktAchseTangente(SolutionText& out, const EllipsenEingabe& in,
                              const EllipsenDaten& d) {
    const TPunkt2& M = in.E.M;
    const double a = std::fabs(in.E.a);
    out.line("Geg: Mittelpunkt " + punkt("M", M) + ",  a = " + zahl(in.E.a) +
             ",  Tangente t: " + gleichung(in.t));
    out.line();
    if (!d.hatGerade) return unmoeglich(out, "u = v = 0: t ist keine Gerade.");
    slopeLines(out, in.t, d.g);
    if (d.g.senkrecht) {
        out.line("Die senkrechte Tangente berührt im Scheitel S1 oder S2:");
        out.line("|k - Mx| = |" + zahl(d.g.k) + " - " + klammer(M.x) +
                 "| = " + zahl(std::fabs(d.g.k - M.x)) + ",  a = " + zahl(a));
        if (!d.moeglich) return unmoeglich(out, "|k - Mx| <> a: t berührt keinen Scheitel.");
        out.line("|k - Mx| = a: b ist frei wählbar; hier b = a/2 = " + zahl(d.E.b));
    } else {
        const double c = d.g.m * M.x + d.g.c - M.y;
        const double D = c * c - (a * d.g.m) * (a * d.g.m);
        out.line("Relativ zu M: c' = m·Mx + c - My = " + klammer(d.g.m) + "·" + klammer(M.x) +
                 " + " + klammer(d.g.c) + " - " + klammer(M.y) + " = " + zahl(c));
        out.line("Berührbedingung: c'² = a²·m² + b²  ==>  b² = c'² - (a·m)²");
        out.line("b² = " + klammer(c) + "² - (" + zahl(a) + "·" + klammer(d.g.m) +
                 ")² = " + zahl(D));
        if (!d.moeglich) return unmoeglich(out, "b² <= 0: t kommt M zu nahe.");
        out.block("b = " + root(zahl(D)) + (" = " + zahl(d.E.b)));
    }
    ergebnis(out, d);
    beruehrpunkt(out, d);
}

void ellipsePunkt(SolutionText& out, const EllipsenEingabe& in, const EllipsenDaten& d) {
    out.line("Geg: " + gegeben(in.E) + ",  Punkt " + punkt("P", in.P));
    betraege(out, in.E);
    if (!d.moeglich) return unmoeglich(out, ohneEllipse(in.E));
    ergebnis(out, d);
    const TEllipse2& E = d.E;
    const double x = in.P.x - E.M.x, y = in.P.y - E.M.y;
    const double fx = x * x / (E.a * E.a), fy = y * y / (E.b * E.b);
    out.line();
    out.line("Lage von P: P in die Ellipsengleichung eingesetzt");
    out.line("(< 1: innerhalb, = 1: auf der Ellipse, > 1: außerhalb):");
    out.line(klammer(x) + "²/" + zahl(E.a) + "² + " + klammer(y) + "²/" + zahl(E.b) +
             "² = " + zahl(fx) + " + " + zahl(fy) + " = " + zahl(fx + fy) +
             (d.lage == 0   ? " < 1"
              : d.lage == 1 ? " = 1"
                            : " > 1"));
    if (d.lage == 0) {
        out.line("P innerhalb Ellipse:");
        out.line("Durch einen Punkt im Innern geht keine Tangente.");
        return;
    }
    if (d.lage == 1) {
        out.line("P liegt auf der Ellipse:");
        if (d.hatTp) tangentLines(out, "Tangente", E, in.P, d.tp);
        return;
    }
    out.line("P liegt außerhalb der Ellipse:");
    if (!d.hatTp) return;
    out.line();
    out.line("Die Polare von P (dieselbe Gleichung wie die Tangente):");
    tangentLines(out, "Polare", E, in.P, d.tp);
    out.line();
    out.line("Die Polare schneidet E in den Berührpunkten der Tangenten von P:");
    intersectionLines(out, E, d.tp, LageEllipseGerade(E, d.tp));
    if (d.anzahl < 2) return;
    out.line("Tangentenpunkte: " + punkt("T1", d.S[0]) + "  " + punkt("T2", d.S[1]));
    out.line();
    out.line("Tangenten von P: Geraden PT1, PT2 mit m = (Ty-Py)/(Tx-Px):");
    for (int i = 0; i < 2; ++i) {
        const Gerade2MC& t = i == 0 ? d.t1 : d.t2;
        const std::string name = i == 0 ? "t1" : "t2";
        if (!t.senkrecht) {
            out.line(name + ": m = (" + zahl(d.S[i].y) + " - " + klammer(in.P.y) + ")/(" +
                     zahl(d.S[i].x) + " - " + klammer(in.P.x) + ") = " + zahl(t.m));
            out.line("    c = Py - m·Px = " + zahl(t.c));
        }
        out.line(gerade(name + ": ", t));
    }
}

void ellipseGerade(SolutionText& out, const EllipsenEingabe& in, const EllipsenDaten& d) {
    out.line("Geg: " + gegeben(in.E) + ",  Gerade g: " + gleichung(in.t));
    betraege(out, in.E);
    if (!d.hatGerade) return unmoeglich(out, "u = v = 0: g ist keine Gerade.");
    if (!d.moeglich) return unmoeglich(out, ohneEllipse(in.E));
    ergebnis(out, d);
    out.line();
    out.line("g in die Ellipsengleichung eingesetzt:");
    slopeLines(out, in.t, d.g);
    intersectionLines(out, d.E, d.g, d.lage);
    if (d.lage == 0) {
        out.line("g außerhalb Ellipse:");
    } else if (d.lage == 1) {
        out.line("g ist Tangente:");
        if (d.anzahl > 0) out.line("Berührpunkt: " + punkt("B", d.S[0]));
    } else {
        out.line("Schnittpunkte: g mit E");
        for (int i = 0; i < d.anzahl; ++i) out.line(punkt(d.S[i].Name, d.S[i]));
    }
}

void zweiEllipsen(SolutionText& out, const EllipsenEingabe& in, const EllipsenDaten& d) {
    out.line("Geg: " + gegeben(in.E));
    out.line("     " + gegeben(in.E2));
    betraege(out, in.E);
    betraege(out, in.E2);
    if (!d.moeglich) return unmoeglich(out, ohneEllipse(in.E) + ohneEllipse(in.E2));
    out.line();
    out.line("Die Ellipsen:");
    parameterLines(out, d.E.Name, d.E, d.punkte);
    parameterLines(out, d.E2.Name, d.E2, d.punkte2);
    out.line();
    out.line("Schnittpunkte:");
    const TEllipse2 &E1 = d.E, &E2 = d.E2;
    if (E1.M.x != E2.M.x || E1.M.y != E2.M.y) {
        out.line("Die Mittelpunkte sind verschieden: Schnittpunkte werden hier nur");
        out.line("für Ellipsen mit gemeinsamem Mittelpunkt berechnet.");
        return;
    }
    const double a1 = E1.a, b1 = E1.b, a2 = E2.a, b2 = E2.b;
    out.line("Relativ zum gemeinsamen Mittelpunkt:");
    out.line("x²/a1² + y²/b1² = 1  und  x²/a2² + y²/b2² = 1; y² eliminiert:");
    out.line("x² = ((a1·b1·a2)² - (a2·b2·a1)²)/D  mit  D = (b1·a2)² - (b2·a1)²");
    double D = (b1 * a2) * (b1 * a2) - (b2 * a1) * (b2 * a1);
    out.line("D = (" + zahl(b1) + "·" + zahl(a2) + ")² - (" + zahl(b2) + "·" + zahl(a1) +
             ")² = " + zahl(D));
    if (std::fabs(D) < 1e-8) D = 0;
    if (D == 0) {
        out.line("D = 0: a1/b1 = a2/b2, die Gleichungen legen x nicht fest.");
        out.line("Keine Schnittpunkte.");
        return;
    }
    const double z1 = a1 * b1 * a2, z2 = a2 * b2 * a1, x2 = (z1 * z1 - z2 * z2) / D;
    out.line("x² = (" + zahl(z1) + "² - " + zahl(z2) + "²)/" + klammer(D) + " = " + zahl(x2));
    if (x2 < 0) {
        out.line("x² < 0: keine Schnittpunkte.");
        return;
    }
    const double x = std::sqrt(x2), r = 1 - (x / a1) * (x / a1);
    out.block("x = " + root(zahl(x2)) + (" = " + zahl(x)));
    if (r < 0) {
        out.line("1 - (x/a1)² = " + zahl(r) + " < 0: keine Schnittpunkte.");
        return;
    }
    out.block("y = b1·" + root("1 - (x/a1)²") + " = " + zahl(b1) + "·" +
              root("1 - (" + zahl(x) + "/" + zahl(a1) + ")²") + (" = " + zahl(b1 * std::sqrt(r))));
    out.line("Symmetrisch zu den Achsen: (±x/±y), dazu M addieren:");
    if (d.anzahl == 4)
        for (int i = 0; i < 4; i += 2)
            out.line(punkt(d.S[i].Name, d.S[i]) + "  " + punkt(d.S[i + 1].Name, d.S[i + 1]));
}

} // namespace

void writeEllipse(SolutionText& out, const Szene& z) {
    const A art = ellipsenart(z.art);
    const EllipsenEingabe& in = z.SzeneEllipse;
    const EllipsenDaten d = Ellipse_berechnen(art, in);
    switch (art) {
    case A::MittelpunktAchsen:
        return mittelpunktAchsen(out, in, d);
    case A::ExzentrizitaetPunkt:
        return exzentrizitaetPunkt(out, in, d);
    case A::AchseTangente:
        return achseTangente(out, in, d);
    case A::BrennpunktePunkt:
        return brennpunktePunkt(out, in, d);
    case A::BrennpunktPunktTangente:
        return brennpunktPunktTangente(out, in, d);
    case A::BrennpunktTangente:
        return brennpunktTangente(out, in, d);
    case A::MittelpunktZweiPunkte:
        return mittelpunktZweiPunkte(out, in, d);
    case A::MittelpunktAchseTangente:
        return mittelpunktAchseTangente(out, in, d);
    case A::EllipsePunkt:
        return ellipsePunkt(out, in, d);
    case A::EllipseGerade:
        return ellipseGerade(out, in, d);
    case A::ZweiEllipsen:
        return zweiEllipsen(out, in, d);
    }
}
