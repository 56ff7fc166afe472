#include "plane/matrix_report.h"

#include "core/checked.h"
#include "core/number_text.h"
#include "core/palette.h"
#include "sheet/input_clicks.h"
#include "sheet/sheet.h"
#include "sheet/task_kind.h"

#include <algorithm>
#include <vector>

namespace {

// The number text of an entry; an exact −0 is written as 0.
std::string zahl(double v) {
    return ZahlText(v + 0.0);
}

void zeile(Sheet& s, int x, int& y, const std::string& text) {
    s.Outtext(x, y, text);
    s.newLine(y);
}

void kopf(Sheet& s, int x, int& y, const std::string& ueberschrift) {
    s.Schriftfarbe(farbe::Schwarz);
    zeile(s, x, y, ueberschrift);
    s.newLine(y);
}

void eingabe(Sheet& s) {
    s.Schriftfarbe(farbe::Dunkelrot);
}

void ergebnis(Sheet& s) {
    s.Schriftfarbe(farbe::Schwarz);
}

} // namespace

void Matrix_ausgeben(Sheet& s, const std::string& name, const double* e, int zeilen, int spalten,
                     int x, int& y, FieldAnchor* anker) {
    std::vector<std::string> texte(static_cast<std::size_t>(zeilen * spalten));
    std::vector<std::size_t> breite(static_cast<std::size_t>(spalten), 0);
    for (int i = 0; i < zeilen * spalten; ++i) {
        texte[i] = zahl(e[i]);
        breite[i % spalten] = std::max(breite[i % spalten], texte[i].size());
    }
    const int mitte = (zeilen - 1) / 2;
    const int links = plus_int(x, s.textWidth(name));
    for (int r = 0; r < zeilen; ++r) {
        if (r == mitte) s.Outtext(x, y, name);
        std::string text = "|";
        for (int c = 0; c < spalten; ++c) {
            const std::string& t = texte[r * spalten + c];
            text += std::string(breite[c] - t.size() + 1, ' ');
            if (anker) s.markField(anker[r * spalten + c], links, text, t, y);
            text += t + " ";
        }
        s.Outtext(links, y, text + "|");
        s.newLine(y);
    }
}

void Matrix_ausgeben(Sheet& s, const std::string& name, const TMatrix2& M, int x, int& y,
                     FieldAnchor* anker) {
    Matrix_ausgeben(s, name, &M.a[0][0], 2, 2, x, y, anker);
}

void Matrix_ausgeben(Sheet& s, const std::string& name, const TMatrix3& M, int x, int& y,
                     FieldAnchor* anker) {
    Matrix_ausgeben(s, name, &M.a[0][0], 3, 3, x, y, anker);
}

void Vektor_ausgeben(Sheet& s, const std::string& name, const double* v, int n, int x, int& y,
                     FieldAnchor* anker) {
    Matrix_ausgeben(s, name, v, n, 1, x, y, anker);
}

void Determinante_ausgeben(Sheet& s, const std::string& name, double wert, int x, int& y) {
    zeile(s, x, y, name + zahl(wert));
}

void Eigenanalyse_ausgeben(Sheet& s, const TMatrix2& M, int x, int& y) {
    const Eigenanalyse e = eigenanalyse(M);
    zeile(s, x, y, "Charakteristische Gleichung:");
    zeile(s, x, y, "k^2 + (" + zahl(e.p) + ")*k + (" + zahl(e.q) + ") = 0");
    if (e.anzahl == 0) {
        zeile(s, x, y, "keine Lösung !");
    } else if (e.anzahl == 1) {
        zeile(s, x, y, "eine Lösung !");
        zeile(s, x, y, "k = " + zahl(e.k[0]));
    } else {
        zeile(s, x, y, "zwei Lösungen !");
        zeile(s, x, y, "k1 = " + zahl(e.k[0]));
        zeile(s, x, y, "k2 = " + zahl(e.k[1]));
    }
    s.newLine(y);
    s.newLine(y);
    if (e.anzahl == 0) zeile(s, x, y, "keine Eigenvektoren !");
    for (int i = 0; i < e.anzahl; ++i) {
        const std::string n = std::to_string(i + 1);
        zeile(s, x, y, "Eigenvektor zu k" + n + ":");
        Vektor_ausgeben(s, "v" + n + " = ", e.v[i], 2, x, y);
    }
}

void Ergebnis_Matrix2(Sheet& s, const TMatrix2& M, int x, int& y) {
    kopf(s, x, y, "Eigenschaften 2x2-Matrix:");
    zeile(s, x, y, "Matrix:");
    eingabe(s);
    Matrix_ausgeben(s, "M = ", M, x, y, s.anker.matrix[0]);
    ergebnis(s);
    s.u(y);
    Eigenanalyse_ausgeben(s, M, x, y);
    Determinante_ausgeben(s, "det(M) = ", det(M), x, y);
    s.u(y);
}

void Ergebnis_Matmult2(Sheet& s, const TMatrix2& M1, const TMatrix2& M2, int x, int& y) {
    kopf(s, x, y, "Multipl. zweier 2x2-Matrizen:");
    const TMatrix2* M[2] = {&M1, &M2};
    for (int i = 0; i < 2; ++i) {
        const std::string n = "M" + std::to_string(i + 1);
        zeile(s, x, y, "Matrix:");
        eingabe(s);
        Matrix_ausgeben(s, n + " = ", *M[i], x, y, s.anker.matrix[i]);
        ergebnis(s);
        Eigenanalyse_ausgeben(s, *M[i], x, y);
        Determinante_ausgeben(s, "det(" + n + ") = ", det(*M[i]), x, y);
        s.u(y);
    }
    zeile(s, x, y, "Ergebnis: Matrizenprodukt:");
    const TMatrix2 P = produkt(M1, M2);
    Matrix_ausgeben(s, "M1*M2 = ", P, x, y);
    Determinante_ausgeben(s, "det(M1*M2) = ", det(P), x, y);
    s.u(y);
}

void Ergebnis_Matmult3(Sheet& s, const TMatrix3& M1, const TMatrix3& M2, int x, int& y) {
    kopf(s, x, y, "Multipl. zweier 3x3-Matrizen:");
    const TMatrix3* M[2] = {&M1, &M2};
    for (int i = 0; i < 2; ++i) {
        const std::string n = "M" + std::to_string(i + 1);
        zeile(s, x, y, "Matrix:");
        eingabe(s);
        Matrix_ausgeben(s, n + " = ", *M[i], x, y, s.anker.matrix[i]);
        ergebnis(s);
        Determinante_ausgeben(s, "det(" + n + ") = ", det(*M[i]), x, y);
        s.newLine(y);
    }
    zeile(s, x, y, "Ergebnis: Matrizenprodukt:");
    const TMatrix3 P = produkt(M1, M2);
    Matrix_ausgeben(s, "M1*M2 = ", P, x, y);
    Determinante_ausgeben(s, "det(M1*M2) = ", det(P), x, y);
    s.u(y);
}

namespace {

template <class Matrix, int N>
void matrixMalVektor(Sheet& s, const char* ueberschrift, const Matrix& M, const double (&v)[N],
                     int x, int& y) {
    kopf(s, x, y, ueberschrift);
    zeile(s, x, y, "Matrix:");
    eingabe(s);
    Matrix_ausgeben(s, "M = ", M, x, y, s.anker.matrix[0]);
    ergebnis(s);
    Determinante_ausgeben(s, "det(M) = ", det(M), x, y);
    s.newLine(y);
    zeile(s, x, y, "Vektor:");
    eingabe(s);
    Vektor_ausgeben(s, "v = ", v, N, x, y, s.anker.matrixVektor);
    ergebnis(s);
    s.newLine(y);
    zeile(s, x, y, "Ergebnis: Matrix * Vektor:");
    double Mv[N];
    produkt(M, v, Mv);
    Vektor_ausgeben(s, "M*v = ", Mv, N, x, y);
    s.u(y);
}

} // namespace

void Ergebnis_Matrix2Vektor(Sheet& s, const TMatrix2& M, const double (&v)[2], int x, int& y) {
    matrixMalVektor(s, "Multpl. einer 2x2-Matrix mit Vektor:", M, v, x, y);
}

void Ergebnis_Matrix3Vektor(Sheet& s, const TMatrix3& M, const double (&v)[3], int x, int& y) {
    matrixMalVektor(s, "Multpl. einer 3x3-Matrix mit Vektor:", M, v, x, y);
}

// --- The rows of the matrix tasks: a report, no drawing, the entries as inputs. ---

namespace {

void nichts(SceneDraw&) {}

const TaskKind rows[] = {
    {Szenenart::Matrix2,
     [](Sheet& s, const Szene& z, int x, int& y) { Ergebnis_Matrix2(s, z.Matrizen.M2[0], x, y); },
     nichts, [](Szene& z, InputClicks& k) { k.matrix(0, z.Matrizen.M2[0]); }},
    {Szenenart::Matmult2,
     [](Sheet& s, const Szene& z, int x, int& y) {
         Ergebnis_Matmult2(s, z.Matrizen.M2[0], z.Matrizen.M2[1], x, y);
     },
     nichts,
     [](Szene& z, InputClicks& k) {
         k.matrix(0, z.Matrizen.M2[0]);
         k.matrix(1, z.Matrizen.M2[1]);
     }},
    {Szenenart::Matmult3,
     [](Sheet& s, const Szene& z, int x, int& y) {
         Ergebnis_Matmult3(s, z.Matrizen.M3[0], z.Matrizen.M3[1], x, y);
     },
     nichts,
     [](Szene& z, InputClicks& k) {
         k.matrix(0, z.Matrizen.M3[0]);
         k.matrix(1, z.Matrizen.M3[1]);
     }},
    {Szenenart::Matrix2Vektor,
     [](Sheet& s, const Szene& z, int x, int& y) {
         const double v[2] = {z.Matrizen.v[0], z.Matrizen.v[1]};
         Ergebnis_Matrix2Vektor(s, z.Matrizen.M2[0], v, x, y);
     },
     nichts,
     [](Szene& z, InputClicks& k) {
         k.matrix(0, z.Matrizen.M2[0]);
         k.matrixVektor(z.Matrizen.v, 2);
     }},
    {Szenenart::Matrix3Vektor,
     [](Sheet& s, const Szene& z, int x, int& y) {
         Ergebnis_Matrix3Vektor(s, z.Matrizen.M3[0], z.Matrizen.v, x, y);
     },
     nichts,
     [](Szene& z, InputClicks& k) {
         k.matrix(0, z.Matrizen.M3[0]);
         k.matrixVektor(z.Matrizen.v, 3);
     }},
};

} // namespace

std::span<const TaskKind> matrixKinds() {
    return rows;
}
