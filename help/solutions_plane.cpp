// Worked solutions of the plane triangle and of the linear dependence of vectors.
#include "core/dependence.h"
#include "core/relations.h"
#include "core/scene.h"
#include "help/solution_steps.h"
#include "help/solution_writers.h"
#include "plane/triangle.h"

#include <cmath>

namespace {

std::string p2(const std::string& label, const TPunkt2& p) {
    return label + "(" + num(p.x) + "/" + num(p.y) + ")";
}

// "la·a + lb·b + ... = o" with the given coefficients.
std::string zeroSum(std::initializer_list<std::pair<double, const char*>> terms) {
    std::string s;
    for (const auto& [k, name] : terms)
        s += (s.empty() ? num(k) : (k < 0 ? " - " : " + ") + num(std::fabs(k))) + "·" + name;
    return s + " = o";
}

} // namespace

void writePlaneTriangle(SolutionText& out, const Szene& z) {
    const TPunkt2 &A = z.SzeneDreieck2[0], &B = z.SzeneDreieck2[1], &C = z.SzeneDreieck2[2];
    const TDreieck2Daten& d = z.Dreieck2;
    out.line("Geg: Dreieck " + p2("A", A) + " " + p2("B", B) + " " + p2("C", C));
    out.line();
    out.line("Seitenlängen (Pythagoras):");
    const auto seite = [&](const char* name, const TPunkt2& P, const TPunkt2& Q, double l) {
        out.block(std::string(name) + " = " +
                  root(numInBrackets(Q.x - P.x) + "² + " + numInBrackets(Q.y - P.y) + "²") +
                  (" = " + num(l)));
    };
    seite("a = |BC|", B, C, d.a);
    seite("b = |AC|", A, C, d.b);
    seite("c = |AB|", A, B, d.c);
    out.line();
    if (!d.Dreieck) {
        out.line("A, B und C liegen auf einer Geraden: es gibt kein Dreieck.");
        return;
    }
    out.line("Winkel (Kosinussatz, z.B. cos(α) = (b² + c² - a²) / (2bc)):");
    out.line("α = " + num(d.alpha) + "°   β = " + num(d.beta) + "°   γ = " + num(d.gamma) + "°");
    out.line("Probe: α + β + γ = " + num(d.alpha + d.beta + d.gamma) + "°");
    out.line();
    out.line("Seitenmitten: " + p2("Ma", d.Ma) + " " + p2("Mb", d.Mb) + " " + p2("Mc", d.Mc));
    out.line("Schwerpunkt S = 1/3 · (A + B + C) = " + p2("S", d.S));
    out.line("Umkreismittelpunkt M (Schnitt der Mittelsenkrechten): " + p2("M", d.M));
    out.line("   Umkreisradius r = |MA| = " + num(d.r));
    out.line("Höhenschnittpunkt H (Schnitt der Höhen): " + p2("H", d.H));
    out.line("Inkreismittelpunkt W (Schnitt der Winkelhalbierenden): " + p2("W", d.W));
    out.line("   Inkreisradius = 2·Fläche / Umfang = " + num(d.i));
    out.line("Eulergerade durch S, M und H: " + Geradengleichung2(d.e));
}

void writeLinearDependence(SolutionText& out, const Szene& z) {
    const TPunkt &a = z.SzeneVek1, &b = z.SzeneVek2, &c = z.SzeneVek3, &e = z.SzeneVek4;
    if (z.art == Szenenart::LineareAbh2) {
        out.block("Geg: Zwei Vektoren: a = " + column(a) + "   b = " + column(b));
        out.line();
        out.line("Zwei Vektoren sind linear abhängig, wenn einer ein Vielfaches");
        out.line("des anderen ist: a = k·b.");
        double k = 0;
        if (!Parallel_mit_Faktor(a, b, k)) {
            out.line("Es gibt kein solches k: die Vektoren sind linear unabhängig !");
            return;
        }
        double la = 0, lb = 0;
        Nulldarstellung2(a, b, la, lb);
        out.line("==> linear abhängig: " + zeroSum({{la, "a"}, {lb, "b"}}));
        return;
    }
    if (z.art == Szenenart::LineareAbh3) {
        out.block("Geg: 3 Vektoren: a=" + column(a) + "  b=" + column(b) + "  c=" + column(c));
        out.line();
        out.line("Drei Vektoren sind linear abhängig, wenn ihre Determinante");
        out.line("(das Spatprodukt) 0 ist:");
        out.line("det(a, b, c) = " + num(Det3(a, b, c)));
        if (!determinantIsZero(a, b, c)) {
            out.line("det <> 0 ==> die Vektoren sind linear unabhängig !");
            return;
        }
        double la = 0, lb = 0, lc = 0;
        Nulldarstellung3(a, b, c, la, lb, lc);
        out.line("det = 0 ==> linear abhängig: " + zeroSum({{la, "a"}, {lb, "b"}, {lc, "c"}}));
        return;
    }
    out.block("Geg: 4 Vektoren: a=" + column(a) + "  b=" + column(b) + "  c=" + column(c) +
              "  d=" + column(e));
    out.line();
    out.line("Vier Vektoren des Raumes sind immer linear abhängig: das LGS");
    out.line("la·a + lb·b + lc·c + ld·d = o hat drei Gleichungen und vier Unbekannte.");
    double la = 0, lb = 0, lc = 0, ld = 0;
    Nulldarstellung4(a, b, c, e, la, lb, lc, ld);
    out.line("Eine Lösung: " + zeroSum({{la, "a"}, {lb, "b"}, {lc, "c"}, {ld, "d"}}));
}
