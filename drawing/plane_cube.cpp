// The plane cut by the cube: the cube [−h, h]³ is taken as eight octant boxes, and the section
// polygon of the first box that the plane cuts in an area is drawn.
#include "drawing/primitives.h"

#include <algorithm>
#include <cmath>
#include <utility>

std::vector<TPunkt> Quader_Schnittpunkte(const TEbeneNorm& E, double X, double Y, double Z) {
    struct Kante {
        TKoord s, e;
    };
    const TKoord ex{1, 0, 0}, ey{0, 1, 0}, ez{0, 0, 1};
    const Kante kanten[12] = {
        {{0, 0, 0}, ex}, {{0, 0, 0}, ey}, {{0, 0, 0}, ez}, {{X, 0, 0}, ey},
        {{X, 0, 0}, ez}, {{0, Y, 0}, ex}, {{0, Y, 0}, ez}, {{0, 0, Z}, ex},
        {{0, 0, Z}, ey}, {{X, Y, 0}, ez}, {{X, 0, Z}, ey}, {{0, Y, Z}, ex},
    };
    const TPunkt& n = E.Normale;
    TPunkt punkte[12];
    bool da[12] = {};
    for (int i = 0; i < 12; ++i) {
        const TKoord& s = kanten[i].s;
        const TKoord& e = kanten[i].e;
        double num = E.d - (n.x * s.x + n.y * s.y + n.z * s.z);
        double den = n.x * e.x + n.y * e.y + n.z * e.z;
        if (std::fabs(num) <= 1e-8) num = 0;
        if (std::fabs(den) <= 1e-8) den = 0;
        if (den == 0) continue; // parallel to the edge, or the edge lies in the plane
        const double t = num / den;
        punkte[i] = TPunkt{s.x + t * e.x, s.y + t * e.y, s.z + t * e.z, 0, {}};
        da[i] = true;
    }
    // Later duplicates go.
    for (int i = 0; i < 11; ++i)
        for (int j = i + 1; j < 12; ++j)
            if (da[i] && da[j] && punkte[j].x == punkte[i].x && punkte[j].y == punkte[i].y &&
                punkte[j].z == punkte[i].z)
                da[j] = false;
    // Points beyond the box go.
    auto zwischen = [](double v, double extent) {
        return std::min(0.0, extent) <= v && v <= std::max(0.0, extent);
    };
    std::vector<TPunkt> liste;
    for (int i = 0; i < 12; ++i)
        if (da[i] && zwischen(punkte[i].x, X) && zwischen(punkte[i].y, Y) &&
            zwischen(punkte[i].z, Z))
            liste.push_back(punkte[i]);
    return liste;
}

namespace {
bool verdeckt(const TPunkt& P, double X, double Y, double Z) {
    return P.x < 0 || P.y < 0 || P.z < 0 || (P.x < X && P.y < Y && P.z < Z);
}

bool gemeinsameSeite(const TPunkt& a, const TPunkt& b, double X, double Y, double Z) {
    return (a.x == 0 && b.x == 0) || (a.y == 0 && b.y == 0) || (a.z == 0 && b.z == 0) ||
           (a.x == X && b.x == X) || (a.y == Y && b.y == Y) || (a.z == Z && b.z == Z);
}
} // namespace

void Zeichne_QuadStrecke(DrawContext& z, const TPunkt& A, const TPunkt& B, double X, double Y,
                         double Z, TFarbe farbe) {
    const bool sichtbar = (A.x > 0 || A.y > 0) && (B.x > 0 || B.y > 0) && !verdeckt(A, X, Y, Z) &&
                          !verdeckt(B, X, Y, Z);
    z.canvas.setPenWidth(sichtbar ? 2 : 1);
    LinieZeichnen(z, A, B, farbe, sichtbar ? PenStyle::Solid : PenStyle::Dot);
}

void Zeichne_Wuerfel(DrawContext& z, double X, double Y, double Z) {
    const TKoord o{0, 0, 0}, x{X, 0, 0}, y{0, Y, 0}, zz{0, 0, Z}, xy{X, Y, 0}, xz{X, 0, Z},
        yz{0, Y, Z}, xyz{X, Y, Z};
    const TKoord kanten[12][2] = {{o, x},  {o, y},   {o, zz},  {x, xy},   {x, xz},   {y, xy},
                                  {y, yz}, {zz, xz}, {zz, yz}, {xy, xyz}, {xz, xyz}, {yz, xyz}};
    z.canvas.setPenWidth(1);
    for (const auto& k : kanten) Linie_zeichnen_Koord(z, k[0], k[1], farbe::Silber, PenStyle::Dot);
}

int Zeichne_E(DrawContext& z, const TEbeneNorm& E, double X, double Y, double Z, TFarbe farbe) {
    std::vector<TPunkt> p = Quader_Schnittpunkte(E, X, Y, Z);
    const int k = static_cast<int>(p.size());
    if (k < 3) return k;
    if (z.optionen.HilfsQuader) Zeichne_Wuerfel(z, X, Y, Z);

    // The point nearest to the origin comes first.
    int naechster = 0;
    for (int i = 1; i < k; ++i)
        if (Laenge(p[i]) < Laenge(p[naechster])) naechster = i;
    std::swap(p[0], p[naechster]);

    // Walk the polygon face by face: each point is joined to the first later point on a
    // common face of the box, which then comes next.
    for (int i = 0; i < k - 1; ++i) {
        for (int j = i + 1; j < k; ++j) {
            if (!gemeinsameSeite(p[i], p[j], X, Y, Z)) continue;
            Zeichne_QuadStrecke(z, p[i], p[j], X, Y, Z, farbe);
            std::swap(p[i + 1], p[j]);
            break;
        }
    }
    Zeichne_QuadStrecke(z, p[k - 1], p[0], X, Y, Z, farbe);

    if (z.optionen.Quaderschnittpunkte) {
        for (int i = 0; i < k; ++i) {
            p[i].Name = std::string("Z") + static_cast<char>(48 + i + 1);
            p[i].Farbe = farbe;
            PunktZeichnen(z, p[i]);
        }
    }
    return k;
}

void Zeichne_Ebene_Quader(DrawContext& z, const TEbeneNorm& E, TFarbe farbe) {
    const double h = std::min({z.view.EinheitenX, z.view.EinheitenY, z.view.EinheitenZ}) - 2;
    const double ecken[8][3] = {{h, h, h},  {-h, h, h}, {-h, -h, h}, {-h, -h, -h},
                                {h, -h, h}, {h, h, -h}, {h, -h, -h}, {-h, h, -h}};
    for (const auto& e : ecken)
        if (Zeichne_E(z, E, e[0], e[1], e[2], farbe) >= 3) break;
}
