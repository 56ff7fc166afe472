// Planes: the foot point with two direction segments, trace lines, axis points and the
// parameter patch.
#include "core/relations.h"
#include "drawing/primitives.h"

#include <utility>

namespace {
// Foot of the perpendicular from the origin to the plane (named "L", aqua).
TPunkt fussVomUrsprung(const TEbeneNorm& E) {
    TGerade lot;
    TPunkt F;
    Lot_auf_Ebene(TPunkt{}, E, lot, F);
    return F;
}

// Direction vectors of a convenient size for the patch: shrunk below 3, then doubled once
// when shorter than 1.5.
TPunkt patchRichtung(TPunkt r) {
    while (Laenge(r) >= 3) Vielfaches(r, 0.7, r);
    if (Laenge(r) < 1.5) Vielfaches(r, 2, r);
    return r;
}

void patch(DrawContext& z, const TPunkt& F, const TPunkt& richtung1, const TPunkt& richtung2,
           TFarbe farbe) {
    const TPunkt r1 = patchRichtung(richtung1);
    const TPunkt r2 = patchRichtung(richtung2);
    LinieZeichnen(z, F, summe(F, r1), farbe, PenStyle::Solid);
    LinieZeichnen(z, F, summe(F, r2), farbe, PenStyle::Solid);
    auto ecke = [&](double a, double b) {
        return summe(summe(F, vielfaches(r1, a)), vielfaches(r2, b));
    };
    const TPunkt P1 = ecke(1.75, 1.75), P2 = ecke(1.75, -1.75), P3 = ecke(-1.75, -1.75),
                 P4 = ecke(-1.75, 1.75);
    z.canvas.setPenColor(z.colour(farbe));
    Linie2_zeichnen(z, P1, P2);
    Linie2_zeichnen(z, P2, P3);
    Linie2_zeichnen(z, P3, P4);
    Linie2_zeichnen(z, P4, P1);
}
} // namespace

void Ebenezeichnen(DrawContext& z, const TEbeneNorm& E) {
    const TPunkt F = fussVomUrsprung(E);
    TEbene P;
    Normalen_zu_Parameterform(E, P);
    P.Stuetz = F;
    PunktZeichnen_mit_hilfslinien(z, F);
    LinieZeichnen(z, F, summe(F, P.Richtung1), E.Farbe, PenStyle::Solid);
    LinieZeichnen(z, F, summe(F, P.Richtung2), E.Farbe, PenStyle::Solid);
    if (z.optionen.Quaderdarstellung) Zeichne_Ebene_Quader(z, E, E.Farbe);
    if (z.optionen.Spurgeraden) Spurgerade_zeichnen(z, E);
    if (z.optionen.KoordSchnittpunkte) Ebene_KoordPunkte_zeichnen(z, E, E.Farbe);
    if (z.optionen.Parameterdarstellung) ParameterDarsr_Zeichnen(z, E);
}

void Spurgerade_zeichnen(DrawContext& z, const TEbeneNorm& E) {
    TGerade s12, s13, s23;
    bool da12 = false, da13 = false, da23 = false;
    Spurgeraden(E, s12, s13, s23, da12, da13, da23);
    if (da12) GeradeZeichnen(z, s12, 1);
    if (da13) GeradeZeichnen(z, s13, 1);
    if (da23) GeradeZeichnen(z, s23, 1);
}

void Ebene_KoordPunkte_zeichnen(DrawContext& z, const TEbeneNorm& E, TFarbe farbe) {
    TPunkt S1, S2, S3;
    bool da1 = false, da2 = false, da3 = false;
    Achsenschnittpunkte(E, S1, S2, S3, da1, da2, da3);
    for (auto [S, da] : {std::pair<TPunkt*, bool>{&S1, da1}, {&S2, da2}, {&S3, da3}}) {
        if (!da) continue;
        S->Farbe = farbe;
        PunktZeichnen(z, *S);
    }
}

void ParameterDarsr_Zeichnen(DrawContext& z, const TEbeneNorm& E) {
    z.canvas.setPenStyle(PenStyle::Solid);
    const TPunkt F = fussVomUrsprung(E);
    TEbene P;
    Normalen_zu_Parameterform(E, P);
    patch(z, F, P.Richtung1, P.Richtung2, E.Farbe);
}

void ParameterDarst_Par_Zeichnen(DrawContext& z, const TEbene& E) {
    z.canvas.setPenStyle(PenStyle::Solid);
    patch(z, E.Stuetz, E.Richtung1, E.Richtung2, E.Farbe);
}
