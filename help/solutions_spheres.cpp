// Worked solutions of the sphere tasks: the sphere alone, with a point, a line, a plane, a
// second sphere, and the sphere through four points.
#include "core/checked.h"
#include "core/relations.h"
#include "core/scene.h"
#include "core/tolerance.h"
#include "help/solution_steps.h"
#include "help/solution_writers.h"

#include <cmath>

namespace {

// The sphere in centre form: as given, or from vector form.
TKugel givenSphere(SolutionText& out, const std::string& name, const TKugel* m, const TKugelV* v) {
    if (v) {
        out.block("Geg: Kugel " + name + ": x² - " + column(v->a) +
                  (" · x - " + numInBrackets(v->c) + " = 0"));
        out.line();
        return centreForm(out, *v, name);
    }
    out.block("Geg: Kugel " + sphereBlock(name, *m));
    out.line();
    return *m;
}

// The circle in which E meets K (or the point where it touches): distance of the centre,
// comparison with r, foot of the perpendicular, radius by Pythagoras.
void planeSphereSteps(SolutionText& out, const TEbeneNorm& E, const TKugel& K) {
    const TEbeneNorm H = hesseLines(out, "E", E);
    out.line("Abstand e des Mittelpunkts M von E:");
    const double e = distanceLines(out, "M", K.M, H);
    int code = 0;
    TPunkt Mk;
    double rk = 0;
    Lage_Ebene_Kugel(E, K, code, Mk, rk);
    if (code == 0) {
        out.line("Vergleiche e und r: " + num(e) + " > " + num(K.r));
        out.line("Die Ebene E schneidet die Kugel nicht,");
        out.line("denn ihr Abstand vom Mittelpunkt ist größer als der Radius.");
        return;
    }
    out.line("Vergleiche e und r: " + num(e) + (code == 1 ? " = " : " < ") + num(K.r));
    out.line("Die Gerade durch M senkrecht zu E trifft E im Mittelpunkt Mk:");
    footOnPlaneLines(out, "M", K.M, E, "Mk");
    if (code == 1) {
        out.line("e = r: E berührt die Kugel im Punkt " + pointText("Mk", Mk));
        return;
    }
    out.line("Mittels Pythagoras r`² = r² - e² erhält man den");
    out.line("Radius des Schnittkreises:");
    out.block("r` = " + root(numInBrackets(K.r) + "² - " + numInBrackets(e) + "²") +
              (" = " + num(rk)));
}

} // namespace

void writePointSphere(SolutionText& out, const Szene& z) {
    const bool v = z.art == Szenenart::KugelVPunkt;
    const TKugel K = givenSphere(out, "K", &z.SzeneKugel, v ? &z.SzeneKugelV : nullptr);
    const TPunkt& P = z.SzenePunkt;
    out.line("     Punkt " + pointText("P", P));
    out.line();
    const TPunkt pm = differenz(P, K.M);
    out.line("P eingesetzt in die Kugelgleichung liefert: ");
    out.block(
        "(p - m)² = " + column(pm) +
        ("² = " + squares(pm) + " = " + num(Skalarprodukt(pm, pm)) + "   r² = " + num(K.r * K.r)));
    const int lage = Lage_Punkt_Kugel(K, P);
    if (lage == 0) {
        out.line("Der Punkt liegt also im Innern der Kugel !");
        return;
    }
    out.line(lage == 1 ? "Der Punkt liegt also auf der Kugel !"
                       : "Der Punkt liegt also außerhalb der Kugel !");
    out.line();
    out.line("Bestimmung der Tangential-bzw Polarebene:");
    out.line("(p - m) · (x - m) = r²");
    TEbeneNorm E;
    E.Normale = pm;
    E.d = Skalarprodukt(pm, K.M) + K.r * K.r;
    out.block(column(pm) + " · (x - " + column(K.M) + (") = " + num(K.r * K.r)));
    out.line("Also Ebene E: " + coordinateEquation(E.Normale, E.d));
    out.line();
    out.line("Bestimmung der Schnittkreisparameter:");
    const TEbeneNorm H = hesseLines(out, "E", E);
    out.line("Abstand von M zu E:");
    const double e = distanceLines(out, "M", K.M, H);
    TGerade g;
    Gerade_durch_2_Punkte(K.M, P, g);
    TPunkt M1;
    Schnitt_Gerade_Ebene(g, E, M1);
    out.block("Die Gerade " + lineBlock("g(M,P): x = ", g) + " schneidet E");
    out.line("im Mittelpunkt des Berührkreises " + pointText("M`", M1));
    const double rk2 = tolerance::snapped(K.r * K.r - e * e, K.r * K.r);
    out.block("r` = " + root(numInBrackets(K.r) + "² - " + numInBrackets(e) + "²") +
              (" = " + num(std::sqrt(std::max(0.0, rk2)))));
}

void writeSphereLine(SolutionText& out, const Szene& z) {
    const bool v = z.art == Szenenart::KugelVGerade;
    const TKugel K = givenSphere(out, "K", &z.SzeneKugel, v ? &z.SzeneKugelV : nullptr);
    const TGerade& g = z.SzeneGerade;
    out.block("     Gerade  " + lineBlock("g: x = ", g));
    out.line();
    const TPunkt& u = g.Richtung;
    const TPunkt w = differenz(g.Stuetz, K.M);
    const double A = Skalarprodukt(u, u), B = 2 * Skalarprodukt(w, u),
                 C = Skalarprodukt(w, w) - K.r * K.r;
    out.line("g in K eingesetzt: (p + r·u - m)² = R²  mit  w = p - m:");
    out.block("w = " + column(w) + "   (u·u) r² + 2(w·u) r + (w·w - R²) = 0");
    out.line(num(A) + " r² + " + numInBrackets(B) + " r + " + numInBrackets(C) + " = 0");
    const double P = teile(B, A), Q = teile(C, A);
    out.line("r² + " + numInBrackets(P) + " r + " + numInBrackets(Q) + " = 0");
    const double D = P * P / 4 - Q;
    out.block("r1,2 = " + numInBrackets(-P / 2) + " ± " +
              root(numInBrackets(P / 2) + "² - " + numInBrackets(Q)) + " = " +
              numInBrackets(-P / 2) + " ± " + root(num(D)));
    int anzahl = 0;
    TPunkt S1, S2;
    Schnitt_Gerade_Kugel(K, g, anzahl, S1, S2);
    if (anzahl == 2) {
        out.line("Zwei Lösungen: r1 = " + num(-P / 2 + std::sqrt(D)) +
                 ", r2 = " + num(-P / 2 - std::sqrt(D)));
        out.line("Die Gerade g schneidet die Kugel K in zwei");
        out.line("Punkten S1 und S2 !");
        out.line(pointText("S1", S1) + "   " + pointText("S2", S2));
    } else if (anzahl == 1) {
        out.line("Eine Lösung: r = " + num(-P / 2));
        out.line("Die Gerade g berührt die Kugel K in einem");
        out.line("Punkt S (==> Tangentenpunkt)");
        out.line(pointText("S", S1));
    } else {
        out.line("Der Ausdruck unter der Wurzel ist negativ: keine Lösung.");
        out.line("Die Gerade g schneidet die Kugel K nicht");
    }
    out.line();
    out.line("Abstand von M zu g: wie unter");
    out.line("\"Gerade-Punkt\" beschrieben. (siehe dort)");
    out.line("d = " + num(Abstand_Punkt_Gerade(K.M, g)));
}

void writePlaneSphere(SolutionText& out, const Szene& z) {
    const Szenenart a = z.art;
    const bool v = a == Szenenart::KugelVEbeneNorm || a == Szenenart::KugelVEbenePar;
    const bool par = a == Szenenart::KugelMEbenePar || a == Szenenart::KugelVEbenePar;
    const TKugel K = givenSphere(out, "K", &z.SzeneKugel, v ? &z.SzeneKugelV : nullptr);
    TEbeneNorm E = z.SzeneEbene;
    if (par) {
        out.block("     Ebene " + planeBlock("E: x = ", z.SzeneEbenePar));
        out.line();
        E = normalForm(out, "E", z.SzeneEbenePar);
    } else {
        out.line("     Ebene E: " + coordinateEquation(E.Normale, E.d));
        out.line();
    }
    planeSphereSteps(out, E, K);
}

void writeSphere(SolutionText& out, const Szene& z) {
    const bool v = z.art == Szenenart::KugelV;
    const TKugel K = givenSphere(out, "K", &z.SzeneKugel, v ? &z.SzeneKugelV : nullptr);
    out.block("Mittelpunktsform: " + sphereBlock("K", K));
    out.line();
    out.line("Lage zu den Koordinatenebenen:");
    const double m[3] = {K.M.x, K.M.y, K.M.z};
    const char* namen[3] = {"Mx", "My", "Mz"};
    const char* ebenen[3] = {"x2x3", "x1x3", "x1x2"};
    const char* keys[3] = {koordinatenebene::x23, koordinatenebene::x13, koordinatenebene::x12};
    for (int i = 0; i < 3; ++i) {
        const bool trifft = Schnittkreis_existiert(K, keys[i]);
        out.line(std::string("Vergleiche ") + namen[i] + " und r: |" + num(m[i]) +
                 (trifft ? "| <= " : "| > ") + num(K.r));
        if (!trifft) {
            out.line(std::string("==>   K schneidet die ") + ebenen[i] + "-Ebene nicht !");
            continue;
        }
        TPunkt Mk;
        double rk = 0;
        Schnittkreis_Koordinatenebene(K, keys[i], Mk, rk);
        out.line(std::string("==>   K schneidet oder berührt ") + ebenen[i] + "-Ebene !");
        out.block(
            "Kreisradius: r` = " + root(numInBrackets(K.r) + "² - " + numInBrackets(m[i]) + "²") +
            (" = " + num(rk)));
    }
}

void writeSphereSphere(SolutionText& out, const Szene& z) {
    const Szenenart a = z.art;
    const TKugel K1 = givenSphere(out, "K1",
                                  a == Szenenart::KugelVKugelV ? nullptr
                                  : a == Szenenart::KugelKugel ? &z.SzeneKugel1
                                                               : &z.SzeneKugel,
                                  a == Szenenart::KugelVKugelV ? &z.SzeneKugelV1 : nullptr);
    const TKugel K2 = givenSphere(out, "K2", &z.SzeneKugel2,
                                  a == Szenenart::KugelKugel     ? nullptr
                                  : a == Szenenart::KugelVKugelV ? &z.SzeneKugelV2
                                                                 : &z.SzeneKugelV);
    const TPunkt d = differenz(K2.M, K1.M);
    out.block("M1M2 = m2 - m1 = " + column(d));
    const double e = lengthLines(out, "M1M2", d);
    out.line("r1 + r2 = " + num(K1.r + K2.r) + "     |r1 - r2| = " + num(std::fabs(K1.r - K2.r)));
    out.line();
    const int lage = Lage_zweier_Kugeln(K1, K2);
    switch (lage) {
    case 1:
        out.line("e = r1 + r2: Die Kugeln berühren sich von außen !");
        break;
    case 3:
        out.line("e > r1 + r2: Die Kugeln berühren sich nicht (sie liegen auseinander) !");
        return;
    case -1:
        out.line("e = |r1 - r2|: Die Kugeln berühren sich von innen !");
        break;
    case -3:
        out.line("e < |r1 - r2|: Die Kugeln berühren sich nicht (eine liegt in der anderen) !");
        return;
    default:
        out.line("|r1 - r2| < e < r1 + r2: Die Kugeln schneiden sich in einem Kreis !");
    }
    if (tolerance::isZero(e, tolerance::size({&K1.M, &K2.M}))) {
        out.line("Die Kugeln haben denselben Mittelpunkt.");
        return;
    }
    out.line();
    out.line("Die beiden Koordinatengleichungen werden subtrahiert:");
    out.line("Man erhält die Gleichung der Schnittebene !");
    TEbeneNorm E;
    Radikalebene(K1, K2, E);
    out.line("E: " + coordinateEquation(E.Normale, E.d));
    out.line();
    out.line("Weiter wie bei \"Ebene und Kugel\" mit K1:");
    planeSphereSteps(out, E, K1);
}

void writeSphereFourPoints(SolutionText& out, const Szene& z) {
    const TViereck& t = z.SzeneTetraeder;
    const TPunkt* p[4] = {&t.A, &t.B, &t.C, &t.D};
    out.line("Geg: Punkte " + pointText("A", t.A) + " " + pointText("B", t.B));
    out.line("            " + pointText("C", t.C) + " " + pointText("D", t.D));
    out.line();
    out.line("Kugelgleichung: (x1-Mx)² + (x2-My)² + (x3-Mz)² = r²");
    out.line("ausmultipliziert mit R = Mx² + My² + Mz² - r²:");
    out.line("2Mx·x1 + 2My·x2 + 2Mz·x3 - R = x1² + x2² + x3²");
    out.line("Die vier Punkte eingesetzt:");
    for (int i = 0; i < 4; ++i)
        out.line("(" + std::to_string(i + 1) + ")  " + num(2 * p[i]->x) + "Mx + " +
                 numInBrackets(2 * p[i]->y) + "My + " + numInBrackets(2 * p[i]->z) +
                 "Mz - R = " + num(Skalarprodukt(*p[i], *p[i])));
    out.line();
    out.line("(1) - (2), (1) - (3), (1) - (4) ergibt ein LGS für den Mittelpunkt");
    out.line("(x1, x2, x3 stehen hier für Mx, My, Mz):");
    TPunkt zeilen[3], rechts;
    double* r[3] = {&rechts.x, &rechts.y, &rechts.z};
    for (int i = 0; i < 3; ++i) {
        zeilen[i] = vielfaches(differenz(t.A, *p[i + 1]), 2);
        *r[i] = Skalarprodukt(t.A, t.A) - Skalarprodukt(*p[i + 1], *p[i + 1]);
        out.line("(1) - (" + std::to_string(i + 2) + ")  " + coordinateEquation(zeilen[i], *r[i]));
    }
    bool geloest = false;
    TPunkt M;
    Cramer3(zeilen[0], zeilen[1], zeilen[2], rechts, geloest, M);
    if (!geloest) {
        out.line("Das LGS hat keine eindeutige Lösung: die vier Punkte liegen in einer");
        out.line("Ebene, es gibt keine eindeutige Kugel durch sie.");
        return;
    }
    out.line("==> " + pointText("M", M));
    out.line();
    out.line("M in (1) eingesetzt: R = " +
             num(2 * Skalarprodukt(t.A, M) - Skalarprodukt(t.A, t.A)));
    const TPunkt am = differenz(t.A, M);
    out.block("r = |A - M| = " + root(squares(am)) + (" = " + num(Laenge(am))));
}
