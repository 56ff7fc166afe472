// Worked solutions of the line tasks: the line alone, with a point, with two lines, with a
// line and with a plane.
#include "core/checked.h"
#include "core/relations.h"
#include "core/scene.h"
#include "core/tolerance.h"
#include "help/solution_steps.h"
#include "help/solution_writers.h"

#include <cmath>

namespace {

double coord(const TPunkt& p, int i) {
    return i == 0 ? p.x : i == 1 ? p.y : p.z;
}

std::string x(int i) {
    return "x" + std::to_string(i + 1);
}

void givenLine(SolutionText& out, const TGerade& g, const std::string& name = "g") {
    out.block("Geg: Gerade  " + lineBlock(name + ": x = ", g));
    out.line();
}

// The projection of g into the coordinate plane of the axes i and j (the third is 0), and the
// equation that remains when r is eliminated.
void projection(SolutionText& out, const TGerade& g, int i, int j) {
    const int k = 3 - i - j;
    const std::string name = "p" + std::to_string(i + 1) + std::to_string(j + 1);
    TGerade p = g;
    double* stuetz[3] = {&p.Stuetz.x, &p.Stuetz.y, &p.Stuetz.z};
    double* richtung[3] = {&p.Richtung.x, &p.Richtung.y, &p.Richtung.z};
    *stuetz[k] = 0;
    *richtung[k] = 0;
    out.line("In der " + x(i) + x(j) + "-Ebene ist " + x(k) + " = 0:");
    out.block(lineBlock(name + ": x = ", p));
    const double ui = coord(g.Richtung, i), uj = coord(g.Richtung, j);
    const double pi = coord(g.Stuetz, i), pj = coord(g.Stuetz, j);
    if (tolerance::isZero(std::fabs(ui) + std::fabs(uj), tolerance::size(g.Richtung))) {
        out.line("Die Richtung hat hier keinen Anteil: " + name + " ist nur ein Punkt.");
    } else {
        out.line("r eliminiert: " + num(uj) + "·" + x(i) + " - " + numInBrackets(ui) + "·" + x(j) +
                 " = " + num(uj * pi - ui * pj) + ",  " + x(k) + " = 0");
    }
    out.line();
}

} // namespace

void writeLine(SolutionText& out, const Szene& z) {
    const TGerade& g = z.SzeneGerade;
    givenLine(out, g);
    out.line("Bestimmung der Projektionsgeraden:");
    projection(out, g, 0, 1);
    out.line("Die anderen beiden --> siehe rechts (ebenso):");
    projection(out, g, 0, 2);
    projection(out, g, 1, 2);
    out.line("Bestimmung der Spurpunkte:");
    out.line("Für S12 ist x3 = 0: " + num(g.Stuetz.z) + " + r · " + numInBrackets(g.Richtung.z) +
             " = 0");
    TPunkt S;
    bool da = false;
    Spurpunkt(g, koordinatenebene::x12, S, da);
    if (da) {
        out.line("==> r = " + num(teile(-g.Stuetz.z, g.Richtung.z)));
        out.line("r in g eingesetzt ==> " + pointText("S12", S));
    } else {
        out.line("u3 = 0: diese Gleichung hat keine eindeutige Lösung, es gibt keinen");
        out.line("Spurpunkt S12 (g ist parallel zur x1x2-Ebene).");
    }
    out.line("Auf analoge Weise erhält man S13 und S23 !");
    for (const char* key : {koordinatenebene::x13, koordinatenebene::x23}) {
        Spurpunkt(g, key, S, da);
        const std::string name = key == koordinatenebene::x13 ? "S13" : "S23";
        out.line(da ? pointText(name, S) : "kein Spurpunkt " + name);
    }
}

void writeLinePoint(SolutionText& out, const Szene& z) {
    const TGerade& g = z.SzeneGerade;
    const TPunkt& P = z.SzenePunkt;
    givenLine(out, g);
    out.line("     Punkt " + pointText("P", P));
    out.line();
    out.line("P in die Geradengleichung eingesetzt:");
    for (int i = 0; i < 3; ++i) {
        const double p = coord(g.Stuetz, i), u = coord(g.Richtung, i), q = coord(P, i);
        std::string s = "(" + std::to_string(i + 1) + ")  " + num(q) + " = " + num(p) + " + r · " +
                        numInBrackets(u);
        if (!tolerance::isZero(u, tolerance::size(g.Richtung)))
            s += "   ==> r = " + num((q - p) / u);
        else
            s += tolerance::areEqual(p, q) ? "   (für jedes r erfüllt)" : "   (für kein r erfüllt)";
        out.line(s);
    }
    TGerade l;
    TPunkt F;
    int flag = 0;
    Lot_Punkt_Gerade(P, g, l, F, flag);
    if (flag == 0) {
        out.line("==> Der Punkt liegt auf Geraden !");
        return;
    }
    out.line("Diese sind für kein r alle erfüllt ! ");
    out.line();
    out.line("Berechnung der Lotgeraden von P auf g:");
    out.line("Hilfsebene Eh durch P senkrecht zu g (Normale = Richtung u):");
    TEbeneNorm Eh;
    Eh.Normale = g.Richtung;
    Eh.d = Skalarprodukt(g.Richtung, P);
    out.block("Eh: " + normalFormBlock("", Eh));
    out.line("Eh: " + coordinateEquation(Eh.Normale, Eh.d));
    const double r =
        teile(Eh.d - Skalarprodukt(g.Richtung, g.Stuetz), Skalarprodukt(g.Richtung, g.Richtung));
    out.line("g in Eh eingesetzt: r = (u·p - u·a) / (u·u) = " + num(r));
    out.line("==> Lotfußpunkt " + pointText("L", F));
    out.line();
    const TPunkt fp = differenz(P, F);
    out.block("Lotgerade l: x = " + column(P) + " + t " + column(fp));
    out.line();
    out.line("Abstand d = Länge von FP:");
    lengthLines(out, "FP", fp);
    out.line();
    out.line("Spiegelpunkt P` von P an g:");
    TPunkt S;
    Spiegelpunkt(P, F, S);
    out.block(" p` = p + 2*PF = 2f - p = 2 " + column(F) + " - " + column(P) + " = " + column(S));
    out.line("==> " + pointText("P`", S));
}

void writePointTwoLines(SolutionText& out, const Szene& z) {
    const TPunkt& P = z.SzenePunkt;
    const TGerade &g1 = z.SzeneGerade1, &g2 = z.SzeneGerade2;
    out.line("Geg: Punkt " + pointText("P", P));
    givenLine(out, g1, "g1");
    givenLine(out, g2, "g2");
    out.line("Ebene Eh durch P und g1:");
    TEbene E;
    E.Stuetz = P;
    E.Richtung1 = g1.Richtung;
    E.Richtung2 = differenz(g1.Stuetz, P);
    if (tolerance::isZeroVector(kreuzprodukt(E.Richtung1, E.Richtung2),
                                tolerance::size(E.Richtung1) * tolerance::size(E.Richtung2))) {
        out.line("P liegt auf g1: jede Gerade durch P und einen Punkt von g2 trifft g1 in P.");
        return;
    }
    const TEbeneNorm N = normalForm(out, "Eh", E);
    int code = 0;
    TPunkt S;
    Schnittpunkt_Gerade_Ebene(g2, N, code, S);
    if (code != 1) {
        out.line(code == 2 ? "Die Ebene Eh schneidet die Gerade g2 nicht !"
                           : "Die Gerade g2 liegt ganz in der Ebene Eh.");
        out.line("Also gibt es keine Gerade von P aus, die g1");
        out.line("und g2 schneidet !");
        return;
    }
    out.line("Eh schneidet g2 in " + pointText("S", S));
    out.line();
    const TPunkt w = differenz(S, P);
    TGerade l;
    l.Stuetz = P;
    l.Richtung = w;
    out.block(lineBlock("l(P,S): x = ", l, "t") + "   (*)");
    out.line();
    if (Richtungen_parallel(w, g1.Richtung)) {
        out.line("Die Richtungsvektoren von l und g1 sind lin.abh.");
        out.line("Also gibt es keinen eindeutig festgelegten");
        out.line("Schnittpunkt T von l mit g1 !");
        return;
    }
    std::string wort, abstand;
    TPunkt T, L1, L2;
    TGerade lot;
    Lage_zweier_Geraden(l, g1, wort, abstand, T, L1, L2, lot);
    out.line("l geschnitten mit g1 ergibt " + pointText("T", T));
    out.line("Die Gerade l (*) geht durch P und schneidet g1 in T und g2 in S.");
}

void writeLineLine(SolutionText& out, const Szene& z) {
    const TGerade &g = z.SzeneGerade1, &h = z.SzeneGerade2;
    givenLine(out, g, "g1");
    givenLine(out, h, "g2");
    out.line("Setze die beiden Gleichungen gleich !");
    out.block(column(g.Stuetz) + " + r " + column(g.Richtung) + " = " + column(h.Stuetz) + " + s " +
              column(h.Richtung));
    out.line("LGS:");
    for (int i = 0; i < 3; ++i)
        out.line("(" + std::to_string(i + 1) + ")  " + num(coord(g.Richtung, i)) + "·r - " +
                 numInBrackets(coord(h.Richtung, i)) +
                 "·s = " + num(coord(h.Stuetz, i) - coord(g.Stuetz, i)));
    out.line();
    std::string wort, abstand;
    TPunkt S, L1, L2;
    TGerade lot;
    Lage_zweier_Geraden(g, h, wort, abstand, S, L1, L2, lot);
    const TPunkt n = kreuzprodukt(g.Richtung, h.Richtung);
    if (wort == lage::schneidend) {
        const auto parameter = [&](const TGerade& k) {
            return teile(Skalarprodukt(differenz(S, k.Stuetz), k.Richtung),
                         Skalarprodukt(k.Richtung, k.Richtung));
        };
        out.line("Das LGS hat genau eine Lösung: r = " + num(parameter(g)) +
                 ", s = " + num(parameter(h)));
        out.line("==> Schnittpunkt " + pointText("S", S));
        out.line();
        out.line("Schnittwinkel:");
        angleLines(out, "a", g.Richtung, h.Richtung);
        out.line("Gemeinsame Lotgerade:");
        out.line("Sie geht durch S und steht senkrecht auf beiden Richtungen:");
        out.block("n = u1 * u2 = " + column(g.Richtung) + " * " + column(h.Richtung) + " = " +
                  column(n));
        out.block("Lotgerade l: x = " + column(S) + " + t " + column(n));
    } else if (wort == lage::windschief) {
        out.line("Das LGS hat keine Lösung, die Richtungen sind nicht parallel:");
        out.line("==> g1 und g2 sind windschief");
        out.block("n = u1 * u2 = " + column(g.Richtung) + " * " + column(h.Richtung) + " = " +
                  column(n));
        out.line("Lotfußpunkte: " + pointText("L1", L1) + "  " + pointText("L2", L2));
        out.block("Lotgerade l: x = " + column(L1) + " + t " + column(n));
        out.line("Abstand d = |L1L2| = " + num(Abstand(L1, L2)));
    } else if (wort == lage::parallel) {
        out.line("Die Richtungen sind linear abhängig, das LGS hat keine Lösung:");
        out.line("==> g1 und g2 sind parallel, Abstand d = " +
                 num(Abstand_Punkt_Gerade(h.Stuetz, g)));
    } else {
        out.line("Die Richtungen sind linear abhängig, das LGS hat unendlich viele");
        out.line("Lösungen: ==> g1 und g2 sind identisch");
    }
}

void writeLinePlane(SolutionText& out, const Szene& z) {
    const TGerade& g = z.SzeneGerade;
    givenLine(out, g);
    TEbeneNorm E = z.SzeneEbene;
    if (z.art == Szenenart::EbeneParGerade) {
        out.block("Geg: Ebene E: " + planeBlock("x = ", z.SzeneEbenePar));
        out.line();
        E = normalForm(out, "E", z.SzeneEbenePar);
    } else {
        out.block("Geg: Ebene E: " + normalFormBlock("", E));
        out.line("   bzw. E: " + coordinateEquation(E.Normale, E.d));
        out.line();
    }
    out.line("Schnittpunkt und Schnittwinkel:");
    const double np = Skalarprodukt(E.Normale, g.Stuetz), nu = Skalarprodukt(E.Normale, g.Richtung);
    out.line("g in E eingesetzt: n·(p + r·u) = d");
    out.line(num(np) + " + r · " + numInBrackets(nu) + " = " + num(E.d));
    int code = 0;
    TPunkt S;
    Schnittpunkt_Gerade_Ebene(g, E, code, S);
    if (code == 1) {
        out.line("==> r = " + num(teile(E.d - np, nu)));
        out.line("Setze den gefundenen Zahlenwert r in");
        out.line("g ein ==> Schnittpunkt " + pointText("S", S));
        out.line();
        out.line("Winkel zwischen dem Normalenvektor n und der Richtung u:");
        const double w = angleLines(out, "α`", E.Normale, g.Richtung);
        out.line("Dies ist jedoch der falsche Winkel.");
        out.line("Den richtigen Winkel erhält man durch α = 90-α` !");
        out.line("α = 90 - " + num(w) + " = " + num(90 - w) + "°");
    } else if (code == 2) {
        out.line("Diese Gleichung hat keine Lösung.");
        out.line("==> Die Gerade g ist parallel zur Ebene E");
        out.line();
        out.line("Berechnung des Abstandes:");
        const TEbeneNorm H = hesseLines(out, "E", E);
        distanceLines(out, "Der Stützpunkt von g", g.Stuetz, H);
    } else {
        out.line("Diese Gleichung gilt für jedes r.");
        out.line("==> Die Gerade g liegt ganz in der Ebene E.");
    }
}
