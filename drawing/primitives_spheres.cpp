// Spheres and their constructions with a line, a plane or a second sphere.
#include "core/relations.h"
#include "core/trig_tables.h"
#include "drawing/primitives.h"

#include <cmath>

namespace {
// One sampled circle: solid where the test holds for a sample, otherwise a dot at the sample.
template <typename Sample, typename Solid>
void sampledCircle(DrawContext& z, int count, Sample sample, Solid solid, TFarbe pixelColour) {
    TKoord q = sample(0);
    z.pixel(q.x, q.y, q.z, pixelColour);
    z.moveTo(q);
    for (int i = 1; i < count; ++i) {
        q = sample(i);
        if (solid(q)) {
            z.lineTo(q);
        } else {
            z.pixel(q.x, q.y, q.z, pixelColour);
            z.moveTo(q);
        }
    }
}
} // namespace

void Zeichne_Radien(DrawContext& z, const TKugel& K) {
    const TPunkt& m = K.M;
    for (const TKoord& e :
         {TKoord{m.x + K.r, m.y, m.z}, TKoord{m.x, m.y + K.r, m.z}, TKoord{m.x, m.y, m.z + K.r}}) {
        z.moveTo(m);
        z.lineTo(e);
    }
}

void Zeichne_KoordSchnittpunkte(DrawContext& z, const TKugel& K) {
    for (const char* key : {"x12", "x23", "x13"}) {
        if (!Schnittkreis_existiert(K, key)) continue;
        TPunkt M;
        double r = 0;
        Schnittkreis_Koordinatenebene(K, key, M, r);
        PunktZeichnen(z, M);
    }
}

void KugelZeichnen(DrawContext& z, const TKugel& K) {
    const TFarbe c = z.colour(K.Farbe);
    z.canvas.setPenStyle(PenStyle::Solid);
    z.canvas.setPenColor(c);

    if (!trigTabellen().gefuellt) Tabellen_fuellen();
    const TrigTabellen& t = trigTabellen();
    double rs[361], rc[361];
    for (int i = 0; i <= 360; ++i) {
        rs[i] = K.r * t.SinTab[i];
        rc[i] = K.r * t.CosTab[i];
    }
    const double mx = K.M.x, my = K.M.y, mz = K.M.z;
    sampledCircle(
        z, 361,
        [&](int i) {
            return TKoord{mx + rc[i], my + rs[i], mz};
        },
        [](const TKoord& q) { return q.x >= 0 && q.y >= 0; }, c);
    sampledCircle(
        z, 361,
        [&](int i) {
            return TKoord{mx, my + rs[i], mz + rc[i]};
        },
        [](const TKoord& q) { return q.y >= 0 && q.z >= 0; }, c);
    sampledCircle(
        z, 361,
        [&](int i) {
            return TKoord{mx + rc[i], my, mz + rs[i]};
        },
        [](const TKoord& q) { return q.x >= 0 && q.z >= 0; }, c);

    Zeichne_Radien(z, K);
    PunktZeichnen_mit_hilfslinien(z, K.M);
    if (z.optionen.KugelEbenenpunkte) Zeichne_KoordSchnittpunkte(z, K);
}

void Zeichne_Schnitt_Kugel_Ebene(DrawContext& z, const TEbeneNorm& E, const TPunkt& C, double rho) {
    TEbene P;
    Normalen_zu_Parameterform(E, P);
    TPunkt u, v;
    Einheitsvektor(P.Richtung1, u);
    Einheitsvektor(kreuzprodukt(kreuzprodukt(P.Richtung1, P.Richtung2), u), v);

    const TFarbe c = z.colour(E.Farbe);
    z.canvas.setPenStyle(PenStyle::Solid);
    z.canvas.setPenColor(c);
    z.moveTo(C);
    z.lineTo(C.x + rho * v.x, C.y + rho * v.y, C.z + rho * v.z);
    for (int i = 0; i <= 180; ++i) {
        const double w = 2.0 * i * PI / 180.0;
        const double a = rho * std::sin(w), b = rho * std::cos(w);
        const TKoord q{C.x + a * u.x + b * v.x, C.y + a * u.y + b * v.y, C.z + a * u.z + b * v.z};
        if (q.x >= 0 && q.y >= 0 && q.z >= 0) {
            z.lineTo(q);
        } else {
            z.pixel(q.x, q.y, q.z, c);
            z.moveTo(q);
        }
    }
}

void KugelKugelZeichnen(DrawContext& z, const TKugel& K1, const TKugel& K2) {
    KugelZeichnen(z, K1);
    KugelZeichnen(z, K2);
    TEbeneNorm E;
    Radikalebene(K1, K2, E);
    E.Farbe = farbe::Aqua;
    E.Name = "Es: ";
    // Concentric spheres have no plane of a common circle.
    if (IstNullvektor(E.Normale)) return;
    int code = 0;
    TPunkt Mk;
    double rk = 0;
    Lage_Ebene_Kugel(E, K1, code, Mk, rk);
    if (code == 1 || code == 2) {
        Zeichne_Schnitt_Kugel_Ebene(z, E, Mk, rk);
        PunktZeichnen(z, Mk);
        ParameterDarsr_Zeichnen(z, E);
    } else {
        // The plane with its parameter patch, whatever the user's option says.
        Optionen mitPatch = z.optionen;
        mitPatch.Parameterdarstellung = true;
        DrawContext z2{z.canvas, z.view, mitPatch};
        Ebenezeichnen(z2, E);
    }
}

void KugelGeradeZeichnen(DrawContext& z, const TKugel& K, const TGerade& g) {
    int anzahl = 0;
    TPunkt S1, S2;
    Schnitt_Gerade_Kugel(K, g, anzahl, S1, S2);
    if (anzahl == 1) S1.Name = "B";
    if (anzahl >= 1) PunktZeichnen_mit_hilfslinien(z, S1);
    if (anzahl == 2) PunktZeichnen_mit_hilfslinien(z, S2);
    if (anzahl >= 1) {
        TGerade lot;
        TPunkt fuss;
        int flag = 0;
        Lot_Punkt_Gerade(K.M, g, lot, fuss, flag);
        // A line through the centre has no perpendicular: only the sphere points exist.
        if (flag == 1) {
            lot.Farbe = farbe::Blau;
            GeradeZeichnen(z, lot, 1);
        }
        TPunkt F1, F2;
        Kugelpunkte_zur_Geraden(g, K, F1, F2);
        PunktZeichnen(z, F1);
        PunktZeichnen(z, F2);
    }
    bool fehler = false;
    TEbeneNorm T1, T2;
    TPunkt B1, B2;
    Tangentialebenen_durch_Gerade(K, g, fehler, T1, T2, B1, B2);
    if (fehler) return;
    B1.Name = "B1";
    B2.Name = "B2";
    B1.Farbe = farbe::Gelb;
    B2.Farbe = farbe::Gelb;
    PunktZeichnen_mit_hilfslinien(z, B1);
    PunktZeichnen_mit_hilfslinien(z, B2);
    for (const TPunkt* B : {&B1, &B2}) {
        TGerade t;
        Gerade_durch_2_Punkte(g.Stuetz, *B, t);
        t.Farbe = farbe::Lime;
        GeradeZeichnen(z, t, 1);
    }
}

void KugelEbeneZeichnen(DrawContext& z, const TKugel& K, const TEbeneNorm& E) {
    KugelZeichnen(z, K);
    Ebenezeichnen(z, E);
    int code = 0;
    TPunkt Mk;
    double rk = 0;
    Lage_Ebene_Kugel(E, K, code, Mk, rk);
    if (code == 2) Zeichne_Schnitt_Kugel_Ebene(z, E, Mk, rk);
    if (code == 1) PunktZeichnen_mit_hilfslinien(z, Mk);
    bool da = false;
    TPunkt pol;
    Pol(E, K, da, pol);
    if (da) PunktZeichnen(z, pol);
}
