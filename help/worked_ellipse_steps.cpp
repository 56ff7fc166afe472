#include "help/worked_ellipse.h"

#include "core/tolerance.h"

#include <algorithm>
#include <cmath>

namespace worked_ellipse {

std::string zahl(double v) {
    return num(tolerance::isZero(v, 1) ? 0.0 : v);
}

std::string klammer(double v) {
    const std::string t = zahl(v);
    return t[0] == '-' ? "(" + t + ")" : t;
}

std::string punkt(const std::string& label, const TPunkt2& P) {
    return label + "(" + zahl(P.x) + "/" + zahl(P.y) + ")";
}

std::string gerade(const std::string& vorsatz, const Gerade2MC& g) {
    if (g.senkrecht) return vorsatz + "x = " + zahl(g.k);
    return vorsatz + "y=" + zahl(g.m) + (g.c >= 0 ? "*x + " : "*x ") + zahl(g.c);
}

std::string gleichung(const TGeradeGl2& t) {
    return zahl(t.u) + "x " + (t.v < 0 ? "- " : "+ ") + zahl(std::fabs(t.v)) + "y = " + zahl(t.w);
}

namespace {

// "(x-2)" or "(y+1)": a coordinate measured from the centre; "x" when the centre's coordinate
// is 0.
std::string vomMittelpunkt(char v, double m) {
    if (zahl(m) == "0") return std::string(1, v);
    return std::string("(") + v + (m >= 0 ? "-" : "+") + zahl(std::fabs(m)) + ")";
}

} // namespace

void parameterLines(SolutionText& out, const std::string& name, const TEllipse2& E,
                    const Ellipsenpunkte& p) {
    std::string label = name;
    while (!label.empty() && label.back() == ' ') label.pop_back();
    if (label.empty() || label.back() != ':') label += ':';
    out.block(label + " " +
              fraction(text(vomMittelpunkt('x', E.M.x) + "²"), text(zahl(E.a) + "²")) + " + " +
              fraction(text(vomMittelpunkt('y', E.M.y) + "²"), text(zahl(E.b) + "²")) + " = 1");
    out.line("Mittelpunkt " + punkt("M", E.M) + ",  a = " + zahl(E.a) + ",  b = " + zahl(E.b));
    out.line("Lineare Exzentrizität:");
    if (p.e == 0) {
        out.line("a = b: die Ellipse ist ein Kreis, e = 0, F1 = F2 = M.");
    } else if (E.a >= E.b) {
        out.block("e = -/(a² - b²) = " + root(klammer(E.a) + "² - " + klammer(E.b) + "²") +
                  (" = " + zahl(p.e)));
        out.line("a > b: Brennpunkte auf der Parallelen zur x-Achse durch M:");
        out.line("F1,2 = M -+ (e/0) ==> " + punkt("F1", p.F1) + "  " + punkt("F2", p.F2));
    } else {
        out.block("e = -/(b² - a²) = " + root(klammer(E.b) + "² - " + klammer(E.a) + "²") +
                  (" = " + zahl(p.e)));
        out.line("b > a: Brennpunkte auf der Parallelen zur y-Achse durch M:");
        out.line("F1,2 = M -+ (0/e) ==> " + punkt("F1", p.F1) + "  " + punkt("F2", p.F2));
    }
    out.line("Scheitel: S1,2 = M ± (a/0), S3,4 = M ± (0/b):");
    out.line(punkt("S1", p.S[0]) + "  " + punkt("S2", p.S[1]) + "  " + punkt("S3", p.S[2]) + "  " +
             punkt("S4", p.S[3]));
}

void tangentLines(SolutionText& out, const std::string& name, const TEllipse2& E, const TPunkt2& P,
                  const Gerade2MC& t, const std::string& p) {
    const double x0 = P.x - E.M.x, y0 = P.y - E.M.y, a2 = E.a * E.a, b2 = E.b * E.b;
    out.line("x0 = " + p + "x - Mx = " + zahl(x0) + ",  y0 = " + p + "y - My = " + zahl(y0));
    out.line(name + ": " + vomMittelpunkt('x', E.M.x) + "·x0/a² + " + vomMittelpunkt('y', E.M.y) +
             "·y0/b² = 1");
    out.line("    " + vomMittelpunkt('x', E.M.x) + "·" + klammer(x0) + "/" + zahl(a2) + " + " +
             vomMittelpunkt('y', E.M.y) + "·" + klammer(y0) + "/" + zahl(b2) + " = 1");
    if (t.senkrecht) {
        out.line("y0 = 0: die Gerade ist senkrecht, x = a²/x0 + Mx");
        out.line("x = " + zahl(a2) + "/" + klammer(x0) + " + " + klammer(E.M.x) + " = " +
                 zahl(t.k));
    } else {
        out.line("Nach y aufgelöst: y = m·x + c mit");
        out.line("m = -(b²·x0)/(a²·y0) = -(" + zahl(b2) + "·" + klammer(x0) + ")/(" + zahl(a2) +
                 "·" + klammer(y0) + ") = " + zahl(t.m));
        out.line("c = b²/y0 + My - m·Mx = " + zahl(b2) + "/" + klammer(y0) + " + " +
                 klammer(E.M.y) + " - " + klammer(t.m) + "·" + klammer(E.M.x) + " = " + zahl(t.c));
    }
    out.line(gerade(name + ": ", t));
}

void intersectionLines(SolutionText& out, const TEllipse2& E, const Gerade2MC& g, int lage) {
    const char* vergleich = lage == 0 ? " > " : lage == 1 ? " = " : " < ";
    if (g.senkrecht) {
        const double x = g.k - E.M.x;
        out.line("Senkrechte Gerade, relativ zu M: x' = k - Mx = " + zahl(g.k) + " - " +
                 klammer(E.M.x) + " = " + zahl(x));
        out.line("Vergleiche |x'| und a: " + zahl(std::fabs(x)) + vergleich + zahl(E.a));
        if (lage == 0) {
            out.line("|x'| > a: keine Lösung.");
            return;
        }
        const double r = lage == 1 ? 0 : std::max(0.0, 1 - (x / E.a) * (x / E.a));
        out.block("y' = ± b·" + root("1 - (x'/a)²") + " = ± " + zahl(E.b) + "·" +
                  root("1 - (" + zahl(x) + "/" + zahl(E.a) + ")²") +
                  (" = ± " + zahl(E.b * std::sqrt(r))));
        out.line(lage == 1 ? "|x'| = a: y' = 0, eine (doppelte) Lösung."
                           : "|x'| < a: zwei Lösungen; dazu M addieren.");
        return;
    }
    const Quadratisch k = EllipseGeradeGleichung(E, g);
    const double a2 = E.a * E.a, b2 = E.b * E.b, n = b2 + a2 * g.m * g.m;
    out.line("Relativ zu M (x' = x - Mx, y' = y - My): y' = m·x' + c'");
    out.line("mit c' = m·Mx + c - My = " + klammer(g.m) + "·" + klammer(E.M.x) + " + " +
             klammer(g.c) + " - " + klammer(E.M.y) + " = " + zahl(k.c));
    out.line("Eingesetzt in x'²/a² + y'²/b² = 1:  x'² + p·x' + q = 0  mit");
    out.line("p = 2·m·a²·c'/(b² + a²·m²) = 2·" + klammer(g.m) + "·" + zahl(a2) + "·" +
             klammer(k.c) + "/" + zahl(n) + " = " + zahl(k.p));
    out.line("q = a²·(c'² - b²)/(b² + a²·m²) = " + zahl(a2) + "·(" + klammer(k.c) + "² - " +
             zahl(b2) + ")/" + zahl(n) + " = " + zahl(k.q));
    out.line("x'² + " + klammer(k.p) + "·x' + " + klammer(k.q) + " = 0");
    out.line("Diskriminante D = (p/2)² - q = " + klammer(k.p / 2) + "² - " + klammer(k.q) + " = " +
             zahl(k.D));
    if (lage == 0) {
        out.line("D < 0: keine Lösung.");
        return;
    }
    if (lage == 1) {
        out.line("D = 0 (|D| < 0.0000001 zählt als 0): eine doppelte Lösung");
        out.line("x' = -p/2 = " + zahl(-k.p / 2) +
                 ",  y' = m·x' + c' = " + zahl(g.m * (-k.p / 2) + k.c) + "; dazu M addieren.");
        return;
    }
    const double w = std::sqrt(std::max(0.0, k.D));
    out.block("D > 0: zwei Lösungen x'1,2 = -p/2 ± " + root("D") + " = " + klammer(-k.p / 2) +
              " ± " + zahl(w));
    out.line("x'1 = " + zahl(-k.p / 2 + w) + ",  x'2 = " + zahl(-k.p / 2 - w) +
             ";  y' = m·x' + c'; dazu M addieren.");
}

void slopeLines(SolutionText& out, const TGeradeGl2& t, const Gerade2MC& g) {
    if (g.senkrecht) {
        out.line("v = 0: die Gerade ist senkrecht, x = w/u = " + zahl(t.w) + "/" + klammer(t.u) +
                 " = " + zahl(g.k));
        return;
    }
    out.line("In Steigungsform y = m·x + c:");
    out.line("m = -u/v = -" + klammer(t.u) + "/" + klammer(t.v) + " = " + zahl(g.m) +
             ",  c = w/v = " + zahl(t.w) + "/" + klammer(t.v) + " = " + zahl(g.c));
}

} // namespace worked_ellipse
