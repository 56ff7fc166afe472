#include "help/solution_steps.h"

#include "core/checked.h"
#include "core/relations.h"

#include <algorithm>
#include <cmath>

std::string coordinateEquation(const TPunkt& n, double d) {
    std::string s;
    const double k[3] = {n.x, n.y, n.z};
    for (int i = 0; i < 3; ++i) {
        const std::string x = "x" + std::to_string(i + 1);
        if (i == 0)
            s = num(k[i]) + x;
        else
            s += (k[i] < 0 ? " - " : " + ") + num(std::fabs(k[i])) + x;
    }
    return s + " = " + num(d);
}

std::string products(const TPunkt& n, const TPunkt& p) {
    return num(n.x) + "·" + numInBrackets(p.x) + " + " + numInBrackets(n.y) + "·" +
           numInBrackets(p.y) + " + " + numInBrackets(n.z) + "·" + numInBrackets(p.z);
}

Block lineBlock(const std::string& name, const TGerade& g, const std::string& parameter) {
    return name + column(g.Stuetz) + (" + " + parameter + " ") + column(g.Richtung);
}

Block planeBlock(const std::string& name, const TEbene& E) {
    return name + column(E.Stuetz) + " + r " + column(E.Richtung1) + " + s " + column(E.Richtung2);
}

Block normalFormBlock(const std::string& name, const TEbeneNorm& E) {
    return name + column(E.Normale) + (" · x = " + num(E.d));
}

double lengthLines(SolutionText& out, const std::string& label, const TPunkt& v) {
    const double l = Laenge(v);
    out.block(("|" + label + "| = ") + norm(v) + " = " + root(squares(v)) + (" = " + num(l)));
    return l;
}

double angleLines(SolutionText& out, const std::string& name, const TPunkt& u, const TPunkt& v,
                  bool acute) {
    const double s = Skalarprodukt(u, v);
    const double lu = Laenge(u), lv = Laenge(v);
    const double c = teile(acute ? std::fabs(s) : s, endlich(lu * lv));
    const double w = std::acos(std::clamp(c, -1.0, 1.0)) * 180 / PI;
    // Between directions the acute angle: the scalar product's absolute value.
    const std::string wert = acute ? "|" + num(s) + "|" : num(s);
    out.block(("cos(" + name + ") = ") +
              fraction(column(u) + " · " + column(v), norm(u) + " · " + norm(v)) + " = " +
              fraction(text(wert), text(num(lu) + " · " + num(lv))) +
              ("  ==> " + name + " = " + num(w) + "°"));
    out.line();
    return w;
}

TEbeneNorm normalForm(SolutionText& out, const std::string& name, const TEbene& E) {
    TEbeneNorm N;
    Parameter_zu_Normalenform(E, N);
    out.line("Umrechnung in die Normalenform:");
    out.block(planeBlock(name + ": x = ", E));
    out.line("Der Normalenvektor steht senkrecht auf beiden Richtungsvektoren:");
    out.block("n = u * v = " + column(E.Richtung1) + " * " + column(E.Richtung2) + " = " +
              column(kreuzprodukt(E.Richtung1, E.Richtung2)));
    out.line("vereinfacht: n = (" + num(N.Normale.x) + "/" + num(N.Normale.y) + "/" +
             num(N.Normale.z) + ")");
    out.block("d = n · p = " + column(N.Normale) + " · " + column(E.Stuetz) + (" = " + num(N.d)));
    out.block("NF: " + normalFormBlock(name + ": ", N));
    out.line("   bzw. " + name + ": " + coordinateEquation(N.Normale, N.d));
    out.line();
    return N;
}

TEbeneNorm hesseLines(SolutionText& out, const std::string& name, const TEbeneNorm& E) {
    TEbeneNorm H;
    Hesse_Normalform(E, H);
    out.line("HNF von " + name + ":");
    out.block("|n| = " + norm(E.Normale) + " = " + root(squares(E.Normale)) +
              (" = " + num(Laenge(E.Normale))));
    out.block(name + ": " +
              fraction(text(coordinateEquation(E.Normale, E.d)), text(num(Laenge(E.Normale)))));
    out.line("HNF: " + coordinateEquation(H.Normale, H.d));
    out.line();
    return H;
}

double distanceLines(SolutionText& out, const std::string& label, const TPunkt& P,
                     const TEbeneNorm& H) {
    const double wert = Skalarprodukt(H.Normale, P) - H.d;
    const std::string einsetzen = products(H.Normale, P) + " - " + numInBrackets(H.d);
    out.line(label + " in die HNF eingesetzt:");
    out.line("d = |" + einsetzen + "| = |" + num(wert) + "| = " + num(std::fabs(wert)));
    out.line();
    return std::fabs(wert);
}

TKugel centreForm(SolutionText& out, const TKugelV& V, const std::string& name) {
    TKugel K;
    Kugel_V_zu_M(V, K);
    out.line("Die Kugel ist in Vektorform gegeben. Diese ist zuerst in");
    out.line("die Mittelpunktsform umzurechnen.");
    out.line("Dies geschieht mittels quadratischer Ergänzung.");
    out.block(name + ": x² - " + column(V.a) + (" · x - " + numInBrackets(V.c) + " = 0"));
    out.line("(x - a/2)² = (a/2)² + c");
    out.block(name + ": (x - " + column(K.M) + ")² = " + squares(K.M) + " + " + numInBrackets(V.c) +
              (" = " + num(K.r * K.r)));
    out.line("==> M(" + num(K.M.x) + "/" + num(K.M.y) + "/" + num(K.M.z) + "),  r = " + num(K.r));
    out.line();
    return K;
}

Block sphereBlock(const std::string& name, const TKugel& K) {
    return name + ": (x - " + column(K.M) + (")² = " + num(K.r) + "² = " + num(K.r * K.r));
}

TPunkt footOnPlaneLines(SolutionText& out, const std::string& pointName, const TPunkt& P,
                        const TEbeneNorm& E, const std::string& footName) {
    TGerade l;
    TPunkt F;
    Lot_auf_Ebene(P, E, l, F);
    const double r = teile(E.d - Skalarprodukt(E.Normale, P), Skalarprodukt(E.Normale, E.Normale));
    out.line("Lotgerade auf E von " + pointName + " (Richtung n):");
    out.block(lineBlock("l: x = ", l));
    out.line("l in E eingesetzt: r = (d - n·p) / (n·n) = " + num(r));
    out.line("==> Lotfußpunkt " + pointText(footName, F));
    out.line();
    return F;
}
