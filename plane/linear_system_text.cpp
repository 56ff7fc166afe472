#include "plane/linear_system_text.h"

#include "core/number_text.h"

#include <algorithm>
#include <cmath>

std::string Loesungsterm(const LGSWert& w) {
    if (w.parameter) return w.parameter;
    std::string t = ZahlText(w.c + 0.0);
    const std::pair<double, const char*> glieder[] = {{w.ms, " s"}, {w.mt, " t"}};
    for (const auto& [m, name] : glieder) {
        if (m > 0) t += " - " + ZahlText(m) + name;
        if (m < 0) t += " + " + ZahlText(-m) + name;
    }
    return t;
}

namespace {

template <int N> std::vector<std::string> matrixZeilen(const LGS<N>& s) {
    std::string texte[N][N + 1];
    std::size_t breite[N + 1] = {};
    for (int i = 0; i < N; ++i)
        for (int j = 0; j <= N; ++j) {
            texte[i][j] = ZahlText((j < N ? s.a[i][j] : s.b[i]) + 0.0);
            breite[j] = std::max(breite[j], texte[i][j].size());
        }
    std::vector<std::string> zeilen{"Vereinfachte Matrix:"};
    for (int i = 0; i < N; ++i) {
        std::string z;
        for (int j = 0; j <= N; ++j) {
            if (j == N) z += "  |";
            z += std::string(breite[j] - texte[i][j].size() + 2, ' ') + texte[i][j];
        }
        zeilen.push_back(z);
    }
    return zeilen;
}

template <int N> LGSAnzeige anzeigen(const LGSLoesung<N>& l, const char* hinweis) {
    LGSAnzeige a;
    a.matrix = matrixZeilen(l.reduziert);
    if (l.status == LGSStatus::keine) {
        a.loesung = "Es existiert keine Lösung !";
        return a;
    }
    for (int i = 0; i < N; ++i) {
        if (i > 0) a.loesung += ";  ";
        a.loesung += "x" + std::to_string(i + 1) + " = " + Loesungsterm(l.x[i]);
    }
    if (l.status == LGSStatus::mehrdeutig) a.hinweis = hinweis;
    return a;
}

} // namespace

LGSAnzeige LGS_anzeigen(const LGSLoesung<2>& l) {
    return anzeigen(l, "(unendl. viele Lösugen)");
}

LGSAnzeige LGS_anzeigen(const LGSLoesung<3>& l) {
    return anzeigen(l, "(unendl. viele Lösungen !)");
}
