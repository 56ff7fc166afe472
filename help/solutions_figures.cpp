// Worked solutions of the point, the segment, the triangle's area, the tetrahedron and the
// products of vectors.
#include "core/relations.h"
#include "core/scene.h"
#include "core/tolerance.h"
#include "help/solution_steps.h"
#include "help/solution_writers.h"

#include <cmath>

namespace {

const TPunkt e1 = punkt(1, 0, 0), e2 = punkt(0, 1, 0), e3 = punkt(0, 0, 1);

void axisAngles(SolutionText& out, const TPunkt& v) {
    angleLines(out, "a", v, e1);
    angleLines(out, "ß", v, e2);
    angleLines(out, "g", v, e3);
}

bool isZero(const TPunkt& v, double scale) {
    return tolerance::isZeroVector(v, scale);
}

// The area of the triangle ABC through the vector product; returns it.
double triangleAreaLines(SolutionText& out, const TPunkt& A, const TPunkt& B, const TPunkt& C) {
    const TPunkt u = differenz(B, A), v = differenz(C, A);
    const TPunkt n = kreuzprodukt(u, v);
    out.line("Berechnung der Dreiecksfläche:");
    out.block("u = q - p = " + column(u) + "    v = r - p = " + column(v));
    out.block("n = u * v = " + column(u) + " * " + column(v) + " = " + column(n));
    const double l = lengthLines(out, "n", n);
    out.line("A = 1/2 · |n| = 1/2 · " + num(l) + " = " + num(l / 2));
    out.line();
    return l / 2;
}

} // namespace

void writePoint(SolutionText& out, const Szene& z) {
    const TPunkt& P = z.SzenePunkt;
    out.line("Geg: Punkt " + pointText("P", P));
    out.line();
    out.block("Abstand vom Ursprung: d = " + root(squares(P)));
    out.line("d = " + num(Laenge(P)));
    out.line();
    if (isZero(P, 0)) {
        out.line("P ist der Ursprung: der Ortsvektor hat keine Richtung.");
        return;
    }
    out.line("Winkel des Ortsvektors mit den Koordinatenachsen:");
    axisAngles(out, P);
}

void writeSegment(SolutionText& out, const Szene& z) {
    const TPunkt &P = z.SzeneStrecke.A, &Q = z.SzeneStrecke.B;
    out.line("Geg: Punkt A = " + pointText("P", P));
    out.line("     Punkt B = " + pointText("Q", Q));
    out.line();
    const TPunkt qp = differenz(P, Q);
    out.block("QP = p-q = " + column(P) + " - " + column(Q) + " = " + column(qp));
    out.line();
    out.line("Länge der Strecke [P,Q]:");
    const double l = lengthLines(out, "QP", qp);
    out.line();
    if (!isZero(qp, tolerance::size({&P, &Q}))) {
        out.line("Richtungswinkel der Strecke:");
        axisAngles(out, qp);
        const TPunkt pq = differenz(Q, P);
        out.block("Einheitsvektor PQe = " + fraction(text("1"), text(num(l))) + "  " + column(pq) +
                  " = " + column(vielfaches(pq, 1 / l)));
        out.line();
    } else {
        out.line("P und Q sind gleich: die Strecke hat keine Richtung.");
    }
    TPunkt M;
    Mittelpunkt(P, Q, M);
    out.block("Mittelpunkt: m = " + fraction(column(P) + " + " + column(Q), text("2")) + " = " +
              column(M));
    out.line("==> " + pointText("M", M));
}

void writeTriangleArea(SolutionText& out, const Szene& z) {
    const TDreieck& d = z.SzeneDreieck;
    out.line("Geg: Dreieck " + pointText("P", d.A) + " " + pointText("Q", d.B) + " " +
             pointText("R", d.C));
    out.line();
    triangleAreaLines(out, d.A, d.B, d.C);
    TPunkt S;
    Schwerpunkt(d.A, d.B, d.C, S);
    out.line("Schwerpunkt des Dreiecks ABC:");
    out.block("s = 1/3 · (" + column(d.A) + " + " + column(d.B) + " + " + column(d.C) +
              ") = 1/3 · " + column(summe(summe(d.A, d.B), d.C)) + " = " + column(S));
    out.line("==> " + pointText("S", S));
}

void writeTetrahedron(SolutionText& out, const Szene& z) {
    const TViereck& t = z.SzeneTetraeder;
    out.line("Geg: Tetraeder " + pointText("P", t.A) + " " + pointText("Q", t.B) + " " +
             pointText("R", t.C) + " " + pointText("D", t.D));
    out.line();
    out.line("Grundfläche PQR (siehe \"Dreiecksfläche\"):");
    const double A = triangleAreaLines(out, t.A, t.B, t.C);
    if (collinear(t.A, t.B, t.C)) {
        out.line("P, Q und R liegen auf einer Geraden: es gibt kein Tetraeder.");
        return;
    }
    TEbene E;
    Ebene_durch_3_Punkte(t.A, t.B, t.C, E);
    out.line("Ebene durch P, Q und R:");
    const TEbeneNorm N = normalForm(out, "E", E);
    const TEbeneNorm H = hesseLines(out, "E", N);
    out.line("Höhe h = Abstand von D zur Ebene E:");
    const double h = distanceLines(out, "D", t.D, H);
    out.line("Volumen: V = 1/3 · A · h = 1/3 · " + num(A) + " · " + num(h) + " = " +
             num(A * h / 3));
    out.line();
    out.line("Fußpunkt H des Lotes von D auf E:");
    footOnPlaneLines(out, "D", t.D, N, "H");
}

void writeScalarProduct(SolutionText& out, const Szene& z) {
    const TPunkt &a = z.SzeneVek1, &b = z.SzeneVek2;
    out.block("Geg: Zwei Vektoren: a = " + column(a) + "   b = " + column(b));
    out.line();
    const double s = Skalarprodukt(a, b);
    out.block("a · b = " + column(a) + " · " + column(b) +
              (" = " + products(a, b) + " = " + num(s)));
    out.line();
    out.line("Vektorbeträge:");
    const double la = lengthLines(out, "a", a);
    const double lb = lengthLines(out, "b", b);
    out.line();
    if (isZero(a, 0) || isZero(b, 0)) {
        out.line("Ein Nullvektor hat keine Richtung: kein Winkel, keine Projektion.");
        return;
    }
    out.line("Winkel zwischen den Vektoren:");
    angleLines(out, "w", a, b, false);
    out.line("Senkrechte Projektionen:");
    out.line("a) Senkrechte Projektion p von a auf b:");
    out.block("p = " + fraction(text("a · b"), text("|b|²")) +
              " b = " + fraction(text(num(s)), text(num(lb * lb))) + " " + column(b) + " = " +
              column(vielfaches(b, s / (lb * lb))));
    out.line();
    out.line("b) Senkrechte Projektion q von b auf a:");
    out.block("q = " + fraction(text("a · b"), text("|a|²")) +
              " a = " + fraction(text(num(s)), text(num(la * la))) + " " + column(a) + " = " +
              column(vielfaches(a, s / (la * la))));
}

void writeVectorProduct(SolutionText& out, const Szene& z) {
    const TPunkt &a = z.SzeneVek1, &b = z.SzeneVek2;
    out.block("Geg: Zwei Vektoren: a = " + column(a) + "   b = " + column(b));
    out.line();
    const TPunkt n = kreuzprodukt(a, b);
    out.block("n = a * b = " + column(a) + " * " + column(b) + " = " + column(n));
    out.line("n1 = a2·b3 - a3·b2 = " + num(a.y) + "·" + numInBrackets(b.z) + " - " +
             numInBrackets(a.z) + "·" + numInBrackets(b.y) + " = " + num(n.x));
    out.line("n2 = a3·b1 - a1·b3 = " + num(a.z) + "·" + numInBrackets(b.x) + " - " +
             numInBrackets(a.x) + "·" + numInBrackets(b.z) + " = " + num(n.y));
    out.line("n3 = a1·b2 - a2·b1 = " + num(a.x) + "·" + numInBrackets(b.y) + " - " +
             numInBrackets(a.y) + "·" + numInBrackets(b.x) + " = " + num(n.z));
    out.line();
    out.line("Vektorbeträge: ");
    lengthLines(out, "a", a);
    lengthLines(out, "b", b);
    const double ln = lengthLines(out, "n", n);
    out.line();
    if (isZero(n, tolerance::size(a) * tolerance::size(b))) {
        out.line("n ist der Nullvektor: a und b sind linear abhängig (parallel).");
        return;
    }
    out.line("Normaleneinheitsvektor ne:");
    out.block("ne = " + fraction(text("1"), text(num(ln))) + " " + column(n) + " = " +
              column(vielfaches(n, 1 / ln)));
    out.line();
    out.line("Winkel zwischen a und b:");
    angleLines(out, "w", a, b, false);
    out.line("Die Länge |n| = " + num(ln) + " ist der Flächeninhalt des von a und b");
    out.line("aufgespannten Parallelogramms.");
}

void writeTripleProduct(SolutionText& out, const Szene& z) {
    const TPunkt &a = z.SzeneVek1, &b = z.SzeneVek2, &c = z.SzeneVek3;
    out.block("Geg: 3 Vektoren: a=" + column(a) + "  b=" + column(b) + "  c=" + column(c));
    out.line();
    out.line("Berechnung des Spatprodukts:");
    const TPunkt n = kreuzprodukt(a, b);
    out.block("n = a * b = " + column(a) + " * " + column(b) + " = " + column(n));
    const double s = Skalarprodukt(n, c);
    out.block("s = n · c = " + column(n) + " · " + column(c) + (" = " + num(s)));
    out.line();
    const double skala = tolerance::size(a) * tolerance::size(b) * tolerance::size(c);
    if (tolerance::isZero(s, skala)) {
        out.line("s = 0: a, b und c liegen in einer Ebene (sie sind linear abhängig),");
        out.line("der Spat ist flach und hat das Volumen 0.");
    } else {
        out.line("Der Betrag |s| = " + num(std::fabs(s)) + " ist das Volumen des von a, b und c");
        out.line("aufgespannten Spats.");
    }
}
