// Matrices and linear systems: the known cases, the eigenvectors of diagonal and triangular
// matrices, and seeded random systems checked by substitution and rank.
#include "core/errors.h"
#include "plane/linear_system_text.h"
#include "plane/matrix.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

TMatrix2 m2(double a11, double a12, double a21, double a22) {
    return TMatrix2{{{a11, a12}, {a21, a22}}};
}

TEST(Matrix, DeterminantenRastenEinUndProdukte) {
    EXPECT_EQ(det2(1 + 5e-9, 0, 0, 1), 1.0);
    EXPECT_EQ(det2(3e-9, 0, 0, 1), 0.0);
    EXPECT_EQ(det2(2, 1, 1, 2), 3.0);
    const TMatrix3 A{{{1, 0, 2}, {-1, 1, -1}, {2, -1, 1}}};
    const TMatrix3 B{{{0, 1, -1}, {2, -2, -1}, {1, 0, -2}}};
    EXPECT_EQ(det(A), -2.0);
    EXPECT_EQ(det(B), 1.0);
    EXPECT_EQ(det(produkt(A, B)), det(A) * det(B));
    const TMatrix2 P = produkt(m2(1, 2, 1, 0), m2(1, 0, -1, 3));
    EXPECT_EQ(P.a[0][0], -1.0);
    EXPECT_EQ(P.a[0][1], 6.0);
    EXPECT_EQ(P.a[1][0], 1.0);
    EXPECT_EQ(P.a[1][1], 0.0);
    // Beyond the double range: the error, never "inf" on the sheet.
    EXPECT_THROW(det(m2(1e300, 0, 0, 1e300)), MathError);
    EXPECT_THROW(eigenanalyse(m2(1e200, 1, 1, 1)), MathError);
    EXPECT_THROW(loese(LGS<2>{{{1e-300, 0}, {0, 1}}, {1e300, 0}}), MathError);
}

// Every real eigenvalue gets a non-zero eigenvector M·v = k·v; the diagonal matrices and the
// triangular ones are those where a rule through a21 alone would divide by 0 or give (0, 0).
TEST(Matrix, EigenvektorenSindNieNullUndErfuellenMvGleichKv) {
    struct Fall {
        TMatrix2 M;
        int anzahl;
        double k1, v1x, v1y;
    };
    const Fall faelle[] = {
        {m2(2, 1, 1, 2), 2, 3, 1, 1},          {m2(2, 0, 0, 3), 2, 3, 0, 1},
        {m2(3, 0, 0, 2), 2, 3, 1, 0},          {m2(2, 0, 0, 2), 1, 2, 1, 0},
        {m2(2, 1, 0, 2), 1, 2, 1, 0},          {m2(2, 0, 1, 2), 1, 2, 0, 1},
        {m2(0, -1, 1, 0), 0, 0, 0, 0},         {m2(0.1 + 0.2, 0, 1, 5), 2, 5, 0, 1},
        {m2(1e-3, 7, 0, 1e-3), 1, 1e-3, 1, 0},
    };
    for (const Fall& f : faelle) {
        const Eigenanalyse e = eigenanalyse(f.M);
        ASSERT_EQ(e.anzahl, f.anzahl) << f.M.a[0][0];
        if (f.anzahl) {
            EXPECT_DOUBLE_EQ(e.k[0], f.k1);
            EXPECT_DOUBLE_EQ(e.v[0][0], f.v1x);
            EXPECT_DOUBLE_EQ(e.v[0][1], f.v1y);
        }
        for (int i = 0; i < e.anzahl; ++i) {
            const double* v = e.v[i];
            const double n = std::hypot(v[0], v[1]);
            ASSERT_GT(n, 0);
            for (int r = 0; r < 2; ++r)
                EXPECT_NEAR((f.M.a[r][0] * v[0] + f.M.a[r][1] * v[1]) / n, e.k[i] * v[r] / n, 1e-9);
        }
    }
    const Eigenanalyse e = eigenanalyse(m2(2, 1, 1, 2));
    EXPECT_EQ(e.p, -4);
    EXPECT_EQ(e.q, 3);
    EXPECT_DOUBLE_EQ(e.v[1][0], -1);
    EXPECT_DOUBLE_EQ(e.v[1][1], 1);
}

TEST(LGS, FaelleDerBeschreibungUndNullImZweitenPivot) {
    auto text2 = [](LGS<2> s) { return LGS_anzeigen(loese(s)); };
    auto text3 = [](LGS<3> s) { return LGS_anzeigen(loese(s)); };
    LGSAnzeige a = text2({{{1, 2}, {2, 4}}, {3, 6}});
    EXPECT_EQ(a.loesung, "x1 = 3 - 2 t;  x2 = t");
    EXPECT_EQ(a.hinweis, "(unendl. viele Lösugen)");
    EXPECT_EQ(text2({{{1, -2}, {2, -4}}, {3, 6}}).loesung, "x1 = 3 + 2 t;  x2 = t");
    EXPECT_EQ(text2({{{1, 0}, {2, 0}}, {3, 6}}).loesung, "x1 = 3;  x2 = t");
    a = text2({{{1, 2}, {2, 4}}, {3, 7}});
    EXPECT_EQ(a.loesung, "Es existiert keine Lösung !");
    EXPECT_EQ(a.hinweis, "");
    a = text3({{{3, -4, 2}, {5, -3, 4}, {-2, 5, -3}}, {10, 3, -7}});
    EXPECT_EQ(a.loesung, "x1 = 2;  x2 = -3;  x3 = -4");
    EXPECT_EQ(a.matrix[0], "Vereinfachte Matrix:");
    EXPECT_EQ(a.matrix[3], "  0    0  69  |  -276");
    // Second pivot 0: rows 2 and 3 change places.
    EXPECT_EQ(text3({{{1, 1, 1}, {1, 1, 2}, {1, 2, 1}}, {1, 2, 3}}).loesung,
              "x1 = -2;  x2 = 2;  x3 = 1");
    // Second pivot 0 in both rows: the last two rows decide.
    a = text3({{{1, 1, 1}, {2, 2, 3}, {3, 3, 1}}, {1, 2, 3}});
    EXPECT_EQ(a.loesung, "x1 = 1 - 1 t;  x2 = t;  x3 = 0");
    EXPECT_EQ(a.hinweis, "(unendl. viele Lösungen !)");
    EXPECT_EQ(text3({{{1, 1, 1}, {2, 2, 3}, {3, 3, 1}}, {1, 2, 4}}).loesung,
              "Es existiert keine Lösung !");
    EXPECT_EQ(text3({{{1, 1, 1}, {2, 2, 2}, {3, 3, 3}}, {1, 2, 3}}).loesung,
              "x1 = 1 - 1 s - 1 t;  x2 = s;  x3 = t");
    EXPECT_EQ(text3({{{1, 1, 1}, {2, 2, 2}, {3, 3, 3}}, {1, 2, 4}}).loesung,
              "Es existiert keine Lösung !");
}

// Value of unknown i of a solution for the parameters s and t.
double wert(const LGSWert& w, double s, double t) {
    if (w.parameter) return w.parameter[0] == 's' ? s : t;
    return w.c - w.ms * s - w.mt * t;
}

// The matrix of the system has determinant 0 (exact: the entries are small whole numbers).
template <int N> bool singulaer(const LGS<N>& s) {
    if constexpr (N == 2) return s.a[0][0] * s.a[1][1] - s.a[0][1] * s.a[1][0] == 0;
    TMatrix3 M;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) M.a[i][j] = s.a[i][j];
    return det(M) == 0;
}

// The rank of the first `spalten` columns of the augmented matrix, by elimination with pivot
// search and without division (exact for small whole numbers).
template <int N> int rang(LGS<N> s, int spalten) {
    int r = 0;
    for (int c = 0; c < spalten && r < N; ++c) {
        auto eintrag = [&](int i, int j) -> double& { return j < N ? s.a[i][j] : s.b[i]; };
        int p = r;
        while (p < N && eintrag(p, c) == 0) ++p;
        if (p == N) continue;
        for (int j = 0; j <= N; ++j) std::swap(eintrag(p, j), eintrag(r, j));
        for (int i = r + 1; i < N; ++i) {
            const double f = eintrag(i, c), g = eintrag(r, c);
            for (int j = 0; j <= N; ++j) eintrag(i, j) = g * eintrag(i, j) - f * eintrag(r, j);
        }
        ++r;
    }
    return r;
}

// Random integer systems: regular ones, and singular ones built from dependent rows (with and
// without a consistent right side), many with a zero second pivot. Each status is checked against
// the determinant and the ranks, and every solution is checked by substitution, for several
// values of the parameters.
template <int N> void pruefeZufall(std::mt19937& rng) {
    std::uniform_int_distribution<int> zahl(-4, 4), art(0, 3);
    LGS<N> s;
    for (int i = 0; i < N; ++i) {
        for (int j = 0; j < N; ++j) s.a[i][j] = zahl(rng);
        s.b[i] = zahl(rng);
    }
    if (s.a[0][0] == 0) s.a[0][0] = 1;
    const int wahl = art(rng);
    if (wahl == 1) { // last row a multiple of the first
        const int f = zahl(rng);
        for (int j = 0; j < N; ++j) s.a[N - 1][j] = f * s.a[0][j];
        s.b[N - 1] = f * s.b[0] + (art(rng) == 0 ? 1 : 0);
    } else if (wahl == 2 && N == 3) { // zero second pivot: row 2 proportional to row 1 in x1, x2
        const int f = zahl(rng);
        s.a[1][0] = f * s.a[0][0];
        s.a[1][1] = f * s.a[0][1];
    }
    const LGSLoesung<N> l = loese(s);
    // Exactly the singular matrices have no or infinitely many solutions, and exactly the
    // systems whose right side raises the rank have none.
    EXPECT_EQ(l.status != LGSStatus::eindeutig, singulaer(s));
    EXPECT_EQ(l.status == LGSStatus::keine, rang(s, N + 1) > rang(s, N));
    if (l.status == LGSStatus::keine) return;
    for (double par : {0.0, 1.0, -2.5}) {
        for (int i = 0; i < N; ++i) {
            double links = 0;
            for (int j = 0; j < N; ++j) links += s.a[i][j] * wert(l.x[j], par + 1, par);
            EXPECT_NEAR(links, s.b[i], 1e-9 * (1 + std::fabs(s.b[i]) + 100)) << "Zeile " << i;
        }
    }
}

TEST(LGS, ZufaelligeSystemeErfuellenIhreGleichungen) {
    std::mt19937 rng(20261206);
    for (int n = 0; n < 3000; ++n) {
        pruefeZufall<2>(rng);
        pruefeZufall<3>(rng);
    }
}

} // namespace
