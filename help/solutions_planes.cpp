// Worked solutions of the plane tasks: the plane alone, with a point and with a plane.
#include "core/relations.h"
#include "core/scene.h"
#include "core/tolerance.h"
#include "help/solution_steps.h"
#include "help/solution_writers.h"

#include <cmath>

namespace {

// The given plane in normal form: as given, or converted from parameter form first.
TEbeneNorm givenPlane(SolutionText& out, const std::string& name, const TEbeneNorm* norm,
                      const TEbene* par) {
    if (par) {
        out.block("Geg: Ebene " + planeBlock(name + ": x = ", *par));
        out.line();
        return normalForm(out, name, *par);
    }
    out.block("Geg: Ebene " + normalFormBlock(name + ": ", *norm));
    out.line("   bzw. " + name + ": " + coordinateEquation(norm->Normale, norm->d));
    out.line();
    return *norm;
}

} // namespace

void writePlane(SolutionText& out, const Szene& z) {
    const bool par = z.art == Szenenart::EbenePar;
    const TEbeneNorm E = givenPlane(out, "E", &z.SzeneEbene, par ? &z.SzeneEbenePar : nullptr);
    if (!par) {
        out.block("NF: " + normalFormBlock("E: ", E));
        out.line();
    }
    hesseLines(out, "E", E);
    out.line("Spurgeraden der Ebene:");
    TGerade s[3];
    bool da[3] = {};
    Spurgeraden(E, s[0], s[1], s[2], da[0], da[1], da[2]);
    const char* namen[3] = {"s12", "s13", "s23"};
    for (int i = 0; i < 3; ++i) {
        if (da[i])
            out.block(lineBlock(std::string(namen[i]) + ": x = ", s[i]));
        else
            out.line(std::string("keine Spurgerade ") + namen[i]);
    }
    out.line();
    out.line("Koordinatenschnittpunkte:");
    out.line("Zwei Koordinaten 0 gesetzt, die dritte aus der Gleichung:");
    TPunkt S[3];
    Achsenschnittpunkte(E, S[0], S[1], S[2], da[0], da[1], da[2]);
    for (int i = 0; i < 3; ++i) {
        const std::string name = "S" + std::to_string(i + 1);
        out.line(da[i] ? pointText(name, S[i])
                       : "E schneidet die x" + std::to_string(i + 1) + "-Achse nicht.");
    }
}

void writePlanePoint(SolutionText& out, const Szene& z) {
    const TPunkt& P = z.SzenePunkt;
    const TEbeneNorm E = givenPlane(out, "E", &z.SzeneEbene,
                                    z.art == Szenenart::EbeneParPunkt ? &z.SzeneEbenePar : nullptr);
    out.line("     Punkt " + pointText("P", P));
    out.line();
    const double links = Skalarprodukt(E.Normale, P);
    const bool auf =
        tolerance::areEqual(links, E.d, tolerance::size(E.Normale) * tolerance::size(P));
    out.line("P in E eingesetzt:");
    out.line(products(E.Normale, P) + " = " + num(links) + (auf ? " = " : " <> ") + num(E.d) +
             (auf ? "  (richtig)" : "  (falsch)"));
    if (auf) {
        out.line("Der Punkt P liegt auf der Ebene E !");
        return;
    }
    out.line("Der Punkt P liegt außerhalb von E !");
    out.line();
    const TEbeneNorm H = hesseLines(out, "E", E);
    out.line("Abstand von P zu E:");
    distanceLines(out, "P", P, H);
    const TPunkt L = footOnPlaneLines(out, "P", P, E, "L");
    TPunkt S;
    Spiegelpunkt(P, L, S);
    out.line("Spiegelpunkt P` von P an E (wie unter \"Gerade und Punkt\"):");
    out.block(" p` = 2l - p = 2 " + column(L) + " - " + column(P) + " = " + column(S));
    out.line("==> " + pointText("P`", S));
}

void writePlanePlane(SolutionText& out, const Szene& z) {
    const bool par1 = z.art != Szenenart::EbeneNormEbeneNorm;
    const bool par2 = z.art == Szenenart::EbeneParEbenePar;
    const TEbeneNorm E1 = givenPlane(out, "E1", &z.SzeneEbene1, par1 ? &z.SzeneEbenePar1 : nullptr);
    const TEbeneNorm E2 = givenPlane(out, "E2", &z.SzeneEbene2, par2 ? &z.SzeneEbenePar2 : nullptr);
    out.line("Die beiden Koordinatengleichungen bilden ein LGS:");
    out.line("(1)  " + coordinateEquation(E1.Normale, E1.d));
    out.line("(2)  " + coordinateEquation(E2.Normale, E2.d));
    out.line();
    std::string wort;
    TGerade s;
    Lage_zweier_Ebenen(E1, E2, wort, s);
    if (wort == lage::schneidend) {
        out.line("Die Normalenvektoren sind linear unabhängig: zwei Gleichungen,");
        out.line("drei Unbekannte, eine Unbekannte ist frei wählbar.");
        out.line("==> schneidend");
        out.line("Schnittgerade g:");
        out.block("Richtung: n1 * n2 = " + column(E1.Normale) + " * " + column(E2.Normale) + " = " +
                  column(kreuzprodukt(E1.Normale, E2.Normale)));
        out.block(lineBlock("g: x = ", s));
        out.line();
        out.line("Schnittwinkel = Winkel der Normalenvektoren:");
        angleLines(out, "a", E1.Normale, E2.Normale);
    } else if (wort == lage::parallel) {
        out.line("Die Normalenvektoren sind linear abhängig, das LGS hat keine Lösung:");
        out.line("==> parallel");
        out.line();
        out.line("Abstand der parallelen Ebenen:");
        out.line("Ein Punkt von E1 in die HNF von E2 eingesetzt:");
        out.line("d = " + num(Abstand_paralleler_Ebenen(E1, E2)));
    } else {
        out.line("Die Gleichungen sind Vielfache voneinander:");
        out.line("==> die beiden Ebenen E1 und E2 sind identisch !");
    }
}
