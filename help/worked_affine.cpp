// Worked solution of the affine maps: how the map is found from points (when it was given so),
// its equation, determinant, fixed points by Cramer's rule, characteristic equation with its
// roots, eigen directions, the reasoning that gives its type, and the images of the mapped
// objects. Every result is the one the analysis and the images of the sheet compute.
#include "affine/affine_scene.h"
#include "core/scene.h"
#include "core/tolerance.h"
#include "help/solution_layout.h"
#include "help/solution_writers.h"
#include "plane/matrix.h"
#include "plane/triangle.h"

#include <algorithm>
#include <cmath>
#include <numbers>

using namespace affine;

namespace {

// A number as the affine report writes it; negative ones in brackets after an operator.
std::string z(double v) {
    return num(v);
}
std::string k(double v) {
    return numInBrackets(v);
}
std::string punkt(const TPunkt2& P) {
    return P.Name + "(" + z(P.x) + "/" + z(P.y) + ")";
}
// The point with a name to write: its own, or `name` when it has none.
TPunkt2 benannt(TPunkt2 P, const std::string& name) {
    if (P.Name.empty()) P.Name = name;
    return P;
}
std::string vektor(const TPunkt2& v) {
    return "(" + z(v.x) + "/" + z(v.y) + ")";
}

// Two rows of right-aligned columns between bars.
Block zweiZeilen(std::initializer_list<std::pair<double, double>> spalten) {
    std::string oben = "|", unten = "|";
    for (const auto& [a, b] : spalten) {
        const std::string ta = z(a), tb = z(b);
        const std::size_t w = std::max(textWidth(ta), textWidth(tb));
        oben += " " + std::string(w - textWidth(ta), ' ') + ta;
        unten += " " + std::string(w - textWidth(tb), ' ') + tb;
    }
    return {{oben + " |", unten + " |"}, 0};
}

void gleichungLines(SolutionText& out, const std::string& name, const TAbbildung2& m) {
    out.block(name + zweiZeilen({{m.a11, m.a21}, {m.a12, m.a22}}) + " · x + " +
              zweiZeilen({{m.b1, m.b2}}));
}

// x´ = a11·x + a12·y + b1 with the point's numbers, and y´ likewise.
void bildLines(SolutionText& out, const TAbbildung2& m, const TPunkt2& P, const TPunkt2& B) {
    out.line("  x´ = " + z(m.a11) + "·" + k(P.x) + " + " + k(m.a12) + "·" + k(P.y) + " + " +
             k(m.b1) + " = " + z(B.x));
    out.line("  y´ = " + z(m.a21) + "·" + k(P.x) + " + " + k(m.a22) + "·" + k(P.y) + " + " +
             k(m.b2) + " = " + z(B.y));
    out.line(punkt(P) + "  -->  " + punkt(B));
}

std::string gleichung(const TGeradeGl2& g) {
    return z(g.u) + "·x " + (g.v < 0 ? "- " : "+ ") + z(std::fabs(g.v)) + "·y = " + z(g.w);
}

// The map from three pairs of points: A carries the sides from the first point onto the sides
// from its image, and b follows from the first pair (as the map is computed).
void ausDreiPunkten(SolutionText& out, const TPunkt2 (&urbild)[3], const TPunkt2 (&bild)[3],
                    const TAbbildung2* m) {
    out.line("Drei Punkte und ihre Bildpunkte:");
    TPunkt2 P[3], B[3];
    for (int i = 0; i < 3; ++i) {
        P[i] = benannt(urbild[i], "P" + std::to_string(i + 1));
        B[i] = benannt(bild[i], P[i].Name + "´");
        out.line("  " + punkt(P[i]) + "  -->  " + punkt(B[i]));
    }
    const TPunkt2 u = plane::difference(P[1], P[0]), v = plane::difference(P[2], P[0]);
    const TPunkt2 U = plane::difference(B[1], B[0]), V = plane::difference(B[2], B[0]);
    const double d = plane::cross(u, v);
    out.line("Seiten u = P2 - P1 = " + vektor(u) + ",  v = P3 - P1 = " + vektor(v));
    out.line("Bilder U = P2´ - P1´ = " + vektor(U) + ",  V = P3´ - P1´ = " + vektor(V));
    out.line("A·u = U und A·v = V (b fällt bei Differenzen weg);");
    out.line("d = ux·vy - uy·vx = " + z(u.x) + "·" + k(v.y) + " - " + k(u.y) + "·" + k(v.x) +
             " = " + z(d));
    if (!m) {
        out.line("d = 0: die Punkte liegen auf einer Geraden.");
        out.line("Kann Abbildung nicht berechnen !");
        return;
    }
    const auto eintrag = [&](const char* name, const char* formel, double p1, double p2, double p3,
                             double p4, double wert) {
        out.line(std::string(name) + " = " + formel + " = (" + z(p1) + "·" + k(p2) + " - " + k(p3) +
                 "·" + k(p4) + ")/" + k(d) + " = " + z(wert));
    };
    eintrag("a11", "(Ux·vy - Vx·uy)/d", U.x, v.y, V.x, u.y, m->a11);
    eintrag("a12", "(Vx·ux - Ux·vx)/d", V.x, u.x, U.x, v.x, m->a12);
    eintrag("a21", "(Uy·vy - Vy·uy)/d", U.y, v.y, V.y, u.y, m->a21);
    eintrag("a22", "(Vy·ux - Uy·vx)/d", V.y, u.x, U.y, v.x, m->a22);
    out.line("b = P1´ - A·P1 = " + vektor(B[0]) + " - " + vektor(linear(*m, P[0])) + " = " +
             vektor(punkt2(m->b1, m->b2)));
}

void definition(SolutionText& out, const AffineObjekte& o, const TAbbildung2* m) {
    if (o.DreiPunkte) {
        out.line("Abbildung durch drei Punkte und Bildpunkte:");
        ausDreiPunkten(out, o.Urbilder, o.Bilder, m);
    } else if (o.Fixpunkte) {
        out.line("Abbildung durch Punkt, Bildpunkt und 2 Fixpunkte:");
        out.line("Fixpunkte sind ihre eigenen Bildpunkte.");
        const TPunkt2 F1 = benannt(o.FP[2], "F1"), F2 = benannt(o.FP[3], "F2");
        const TPunkt2 P[3] = {o.FP[0], F1, F2}, B[3] = {o.FP[1], F1, F2};
        ausDreiPunkten(out, P, B, m);
    } else if (o.Fixgerade) {
        out.line("Abbildung durch Punkt, Bildpunkt und Fixpunktgerade:");
        out.line("Fixpunktgerade: " + gleichung(o.f));
        TPunkt2 F1, F2;
        if (!ZweiPunkte(o.f, F1, F2)) {
            out.line("u = v = 0: das ist keine Gerade.");
            out.line("Kann Abbildung nicht berechnen !");
            return;
        }
        F1.Name = "F1", F2.Name = "F2";
        out.line("Zwei ihrer Punkte sind Fixpunkte: " + punkt(F1) + ", " + punkt(F2));
        const TPunkt2 P[3] = {o.FG[0], F1, F2}, B[3] = {o.FG[1], F1, F2};
        ausDreiPunkten(out, P, B, m);
    }
}

void fixpunktLines(SolutionText& out, const TAbbildung2& m, const Analyse& a) {
    out.line();
    out.line("Fixpunkte: F = A·F + b  <=>  (A - E)·F = -b:");
    const double c11 = m.a11 - 1, c22 = m.a22 - 1;
    out.line("(1)  " + z(c11) + "·x + " + k(m.a12) + "·y = " + z(-m.b1));
    out.line("(2)  " + z(m.a21) + "·x + " + k(c22) + "·y = " + z(-m.b2));
    const Fixpunkte& f = a.fix;
    if (f.art == Fixart::alle) {
        out.line("A = E und b = o: jede Gleichung lautet 0 = 0.");
        out.line("Jeder Punkt ist Fixpunkt !");
        return;
    }
    const double D = det2(c11, m.a12, m.a21, c22), Dx = det2(-m.b1, m.a12, -m.b2, c22),
                 Dy = det2(c11, -m.b1, m.a21, -m.b2);
    out.line("Cramersche Regel:");
    out.line("D  = " + z(c11) + "·" + k(c22) + " - " + k(m.a12) + "·" + k(m.a21) + " = " + z(D));
    out.line("Dx = " + z(-m.b1) + "·" + k(c22) + " - " + k(m.a12) + "·" + k(-m.b2) + " = " + z(Dx));
    out.line("Dy = " + z(c11) + "·" + k(-m.b2) + " - " + k(-m.b1) + "·" + k(m.a21) + " = " + z(Dy));
    switch (f.art) {
    case Fixart::einer:
        out.line("D <> 0: x = Dx/D = " + z(f.F.x) + ",  y = Dy/D = " + z(f.F.y));
        out.line("Es existiert ein Fixpunkt " + punkt(f.F));
        break;
    case Fixart::gerade:
        out.line("D = Dx = Dy = 0: beide Gleichungen beschreiben dieselbe Gerade.");
        out.line("Es existiert eine Fixpunktgerade:");
        out.line("f: " + Geradengleichung2(f.gerade));
        break;
    case Fixart::keiner:
        out.line(tolerance::isZero(D, 1) && (Dx != 0 || Dy != 0)
                     ? "D = 0, aber Dx oder Dy <> 0: das LGS hat keine Lösung."
                     : "A = E, b <> o: x + b = x hat keine Lösung.");
        out.line("Es existiert kein Fixpunkt !");
        break;
    case Fixart::alle:
        break;
    }
}

void eigenLines(SolutionText& out, const TAbbildung2& m, const Analyse& a) {
    out.line();
    out.line("Eigenwerte: A·v = k·v  <=>  det(A - k·E) = 0:");
    out.line("(" + z(m.a11) + " - k)·(" + z(m.a22) + " - k) - " + k(m.a12) + "·" + k(m.a21) +
             " = 0");
    out.line("Charakteristische Gleichung: k² + p·k + q = 0 mit");
    out.line("p = -(a11 + a22) = " + z(a.p) + ",  q = a11·a22 - a12·a21 = " + z(a.q));
    out.line("k^2 + (" + z(a.p) + ")*k + (" + z(a.q) + ") = 0");
    out.line("Δ = (p/2)² - q = " + k(a.p / 2) + "² - " + k(a.q) + " = " + z(a.Delta) +
             " (auf 4 Stellen gerundet)");
    const auto richtung = [&](const std::string& name, double kw, const TPunkt2& v, bool da) {
        out.line("(A - " + k(kw) + "·E)·v = o:  " + z(m.a11 - kw) + "·x + " + k(m.a12) +
                 "·y = 0,  " + z(m.a21) + "·x + " + k(m.a22 - kw) + "·y = 0");
        out.line(da ? "==> Eigenvektor " + name + " = " + vektor(v) : "==> keine Richtung");
    };
    switch (a.fall) {
    case Eigenfall::zweiWerte: {
        const double w = std::sqrt(a.Delta);
        out.block("Δ > 0: k1,2 = -p/2 ± " + root("Δ") + " = " + z(-a.p / 2) + " ± " + z(w));
        out.line("Zwei EWe: k1 = " + z(a.k1) + ",  k2 = " + z(a.k2) + "  ==> 2 Fixrichtungen");
        richtung("v1", a.k1, a.v1, a.v1da);
        richtung("v2", a.k2, a.v2, a.v2da);
        break;
    }
    case Eigenfall::eineRichtung:
        out.line("Δ = 0: ein Eigenwert k = -p/2 = " + z(a.k1));
        richtung("v1", a.k1, a.v1, a.v1da);
        out.line("Eine Fixrichtung !");
        break;
    case Eigenfall::alleRichtungen:
        out.line("Δ = 0: ein Eigenwert k = -p/2 = " + z(a.k1));
        out.line("A - k·E ist die Nullmatrix: Jede Richtung ist fix !");
        break;
    case Eigenfall::keiner:
        out.line("Δ < 0: kein reeller Eigenwert, keine Fixrichtung.");
        break;
    }
}

// Why the map has its type: the eigen case, the fixed points and the eigenvalues.
const char* begruendung(Typ t) {
    switch (t) {
    case Typ::Euler:
        return "2 EWe, k1 <> k2, beide <> 1, k2 <> -k1, ein Fixpunkt";
    case Typ::Streckspiegelung:
        return "2 EWe mit k2 = -k1 (oder einer = 1), ein Fixpunkt";
    case Typ::Schraegspiegelung:
        return "EWe 1 und -1, eine Fixpunktgerade";
    case Typ::Parallelstreckung:
        return "ein EW = 1, der andere nicht, eine Fixpunktgerade";
    case Typ::Schubspiegelung:
        return "EWe 1 und -1, kein Fixpunkt";
    case Typ::Schubparallelstreckung:
        return "2 EWe (nicht 1 und -1), kein Fixpunkt";
    case Typ::Scherstreckung:
        return "ein EW k <> 1 mit einer Fixrichtung, ein Fixpunkt";
    case Typ::Scherung:
        return "EW k = 1 mit einer Fixrichtung, eine Fixpunktgerade";
    case Typ::Schubscherung:
        return "EW k = 1 mit einer Fixrichtung, kein Fixpunkt";
    case Typ::ZentrischeStreckung:
        return "ein EW k mit |k| <> 1, jede Richtung fix, ein Fixpunkt";
    case Typ::Punktspiegelung:
        return "EW k = -1, jede Richtung fix, ein Fixpunkt";
    case Typ::Verschiebung:
        return "EW k = 1, jede Richtung fix, kein Fixpunkt";
    case Typ::Identitaet:
        return "A = E und b = o";
    case Typ::Drehung:
        return "kein reeller EW, ein Fixpunkt, D = 1";
    case Typ::Drehstreckung:
        return "kein reeller EW, ein Fixpunkt, D <> 1";
    case Typ::keiner:
        break;
    }
    return "";
}

void typLines(SolutionText& out, const TAbbildung2& m, const Analyse& a) {
    out.line();
    out.line("Abbildungstyp:");
    if (a.typ == Typ::keiner) {
        out.line("Diese Eigenwerte und Fixpunkte ergeben keinen der Typen.");
        return;
    }
    out.line(std::string(begruendung(a.typ)) + "  ==>");
    out.line(ueberschrift(a.typ));
    if (a.typ == Typ::Drehung || a.typ == Typ::Drehstreckung) {
        out.block("Streckfaktor r = " + root("q") + " = " + root(z(a.q)) + (" = " + z(a.r)));
        const double c = (m.a11 + m.a22) / (2 * a.r);
        out.line("cos(φ) = (a11 + a22)/(2r) = " + z(m.a11 + m.a22) + "/" + z(2 * a.r) + " = " +
                 z(c) + "  ==> Drehwinkel φ = " + z(a.phi) + "°");
    }
    if (a.jedeRichtungFix)
        out.line("Alle Geraden in Richtung " + vektor(a.v1) + " sind Fixgeraden !");
    for (const TGerade2& g : a.fixgeraden) out.line("Fixgerade: " + Geradengleichung2(g));
}

void objekteLines(SolutionText& out, const TAbbildung2& m, const Analyse& a,
                  const AffineObjekte& o) {
    if (o.Punkt1 || o.Punkt2) {
        out.line();
        out.line("Punkt --> Bildpunkt: P´ = A·P + b");
        for (const TPunkt2* P : {o.Punkt1 ? &o.A : nullptr, o.Punkt2 ? &o.B : nullptr}) {
            if (!P) continue;
            const TPunkt2 Q = benannt(*P, P == &o.A ? "P1" : "P2");
            bildLines(out, m, Q, Bildpunkt(m, Q));
        }
    }
    if (o.Dreieck) {
        out.line();
        out.line("Dreieck --> Bilddreieck: jede Ecke P´ = A·P + b");
        TPunkt2 b[3];
        for (int i = 0; i < 3; ++i) {
            const TPunkt2 E = benannt(o.D[i], std::string(1, static_cast<char>('A' + i)));
            bildLines(out, m, E, b[i] = Bildpunkt(m, E));
        }
        const double F = Dreiecksflaeche(o.D[0], o.D[1], o.D[2]);
        out.line("Dreiecksflaeche A = " + z(F) +
                 ",  Bildfläche A´ = |D|·A = " + z(Dreiecksflaeche(b[0], b[1], b[2])));
    }
    if (o.Gerade) {
        out.line();
        out.line("Gerade --> Bildgerade: g: " + gleichung(o.g));
        TPunkt2 P, Q;
        TGeradeGl2 bild;
        TPunkt2 einzig;
        if (!ZweiPunkte(o.g, P, Q)) {
            out.line("u = v = 0: g ist keine Gerade.");
        } else {
            P.Name = "P";
            const TPunkt2 Pb = Bildpunkt(m, P);
            out.line("Ein Punkt von g: " + punkt(P) + "  -->  " + punkt(Pb));
            out.line("Normale n´ = (u·a22 - v·a21 / -u·a12 + v·a11) = " +
                     vektor(punkt2(o.g.u * m.a22 - o.g.v * m.a21, -o.g.u * m.a12 + o.g.v * m.a11)));
            if (Bildgerade(m, o.g, bild, einzig) == Bildgeradenfehler::keiner)
                out.line("g´: " + gleichung(bild));
            else
                out.line("n´ = o: g wird auf den Punkt " + punkt(einzig) + " abgebildet.");
        }
    }
    if (o.Kreis) {
        out.line();
        out.line("Kreis --> Bild des Kreises (eine Ellipse):");
        const TPunkt2 M = benannt(o.M, "M");
        bildLines(out, m, M, Bildpunkt(m, M));
        const double A = std::numbers::pi * o.r * o.r;
        out.line("Radius: r = " + z(o.r) + ",  A = π·r² = " + z(A));
        // A reflection has a negative determinant; the area is its absolute value.
        out.line("A´ = |D|·π·r² = " + z(std::abs(a.D)) + "·" + z(A) + " = " + z(std::abs(a.D) * A));
    }
    if (o.Urbild) {
        out.line();
        out.line("Bildpunkt --> Urbildpunkt: P = A⁻¹·(P´ - b)");
        TPunkt2 U;
        if (!Urbildpunkt(m, o.H, U)) {
            out.line("D = 0: A hat keine Inverse.");
            out.line("Kann Urbildpunkt nicht berechnen !");
        } else {
            out.block("A⁻¹ = 1/D·" + zweiZeilen({{m.a22, -m.a21}, {-m.a12, m.a11}}) +
                      " mit D = " + z(a.D));
            out.line(punkt(benannt(o.H, "P´")) + "  -->  " + punkt(benannt(U, "P")));
        }
    }
}

} // namespace

void writeAffineMap(SolutionText& out, const Szene& szene) {
    AffineSlots slots = szene.Abbildungen;
    AffineDaten d;
    Affin_ableiten(slots, szene.Affin, d);
    if (szene.Affin.definition()) {
        definition(out, szene.Affin, d.kollinear ? nullptr : &d.M);
        if (d.kollinear) return;
        out.line();
    }
    if (!d.gezeigt) {
        out.line("Es ist keine Abbildung festgelegt.");
        return;
    }
    const TAbbildung2& m = d.M;
    const Analyse& a = d.analyse;
    if (slots.Verkettung && slots.aktuell == 1) {
        const std::string i = std::to_string(slots.erste), j = std::to_string(slots.zweite);
        out.line("Verkettung zweier Abbildungen: erst Abb." + j + ", dann Abb." + i + ":");
        gleichungLines(out, "x`= ", slots.Zweite);
        gleichungLines(out, "x`= ", slots.Erste);
        out.line("x´ = A" + i + "·(A" + j + "·x + b" + j + ") + b" + i + ",  also");
        out.line("A = A" + i + "·A" + j + ",  b = A" + i + "·b" + j + " + b" + i + ":");
    }
    out.line("Geg: Abbildungsgleichung x´ = A·x + b:");
    gleichungLines(out, "x`= ", m);
    out.line("also x´ = " + z(m.a11) + "·x + " + k(m.a12) + "·y + " + k(m.b1) +
             ",  y´ = " + z(m.a21) + "·x + " + k(m.a22) + "·y + " + k(m.b2));
    out.line();
    out.line("Determinante: D = a11·a22 - a12·a21 = " + z(m.a11) + "·" + k(m.a22) + " - " +
             k(m.a12) + "·" + k(m.a21) + " = " + z(a.D));
    if (a.D == 0) out.line("D = 0: die Abbildung ist nicht umkehrbar.");
    fixpunktLines(out, m, a);
    eigenLines(out, m, a);
    typLines(out, m, a);
    objekteLines(out, m, a, szene.Affin);
}
