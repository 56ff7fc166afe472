// Lines with their options, triangles, quadrilaterals and tetrahedra.
#include "core/relations.h"
#include "drawing/primitives.h"

void Lotgerade_zeichnen(DrawContext& z, const TGerade& g, const TPunkt& P) {
    TGerade lot;
    TPunkt fuss;
    int flag = 0;
    Lot_Punkt_Gerade(P, g, lot, fuss, flag);
    if (flag != 1) return; // the point lies on the line: there is no perpendicular
    PunktZeichnen_mit_hilfslinien(z, fuss);
    GeradeZeichnen(z, lot, 1);
}

void GeradeAllesZeichnen(DrawContext& z, const TGerade& g) {
    GeradeZeichnen(z, g, 2);
    if (z.optionen.Spurpunkte) {
        for (const char* key : {"x12", "x23", "x13"}) {
            TPunkt S;
            bool da = false;
            Spurpunkt(g, key, S, da);
            if (da) PunktZeichnen_mit_Quader(z, S);
        }
    }
    if (z.optionen.Projektionsgeraden) Projektionsgeraden_zeichnen(z, g, farbe::Rot);
    if (z.optionen.Ursprungslotgeraden) Lotgerade_zeichnen(z, g, UrsprungPunkt);
}

void DreieckZeichnen(DrawContext& z, const TPunkt& A, const TPunkt& B, const TPunkt& C,
                     TFarbe farbe) {
    PunktZeichnen_mit_hilfslinien(z, A);
    PunktZeichnen_mit_hilfslinien(z, B);
    PunktZeichnen_mit_hilfslinien(z, C);
    z.canvas.setPenWidth(2);
    LinieZeichnen(z, A, B, farbe, PenStyle::Solid);
    LinieZeichnen(z, B, C, farbe, PenStyle::Solid);
    LinieZeichnen(z, A, C, farbe, PenStyle::Solid);
    z.canvas.setPenWidth(1);
    TPunkt S;
    Schwerpunkt(A, B, C, S); // named "S", in A's colour
    PunktZeichnen_mit_hilfslinien(z, S);
}

void ViereckZeichnen(DrawContext& z, const TPunkt& A, const TPunkt& B, const TPunkt& C,
                     const TPunkt& D, TFarbe farbe, TGerade& diagonale1, TGerade& diagonale2) {
    PunktZeichnen_mit_hilfslinien(z, A);
    PunktZeichnen_mit_hilfslinien(z, B);
    PunktZeichnen_mit_hilfslinien(z, C);
    PunktZeichnen_mit_hilfslinien(z, D);
    z.canvas.setPenWidth(2);
    LinieZeichnen(z, A, B, farbe, PenStyle::Solid);
    LinieZeichnen(z, B, C, farbe, PenStyle::Solid);
    LinieZeichnen(z, C, D, farbe, PenStyle::Solid);
    LinieZeichnen(z, D, A, farbe, PenStyle::Solid);
    z.canvas.setPenWidth(1);
    LinieZeichnen(z, A, C, farbe, PenStyle::Solid);
    LinieZeichnen(z, B, D, farbe, PenStyle::Solid);

    Gerade_durch_2_Punkte(A, C, diagonale1);
    Gerade_durch_2_Punkte(B, D, diagonale2);
    if (IstNullvektor(diagonale1.Richtung) || IstNullvektor(diagonale2.Richtung)) return;
    std::string wort, abstand;
    TPunkt S, L1, L2;
    TGerade lot;
    Lage_zweier_Geraden(diagonale1, diagonale2, wort, abstand, S, L1, L2, lot);
    if (wort != lage::schneidend) return;
    S.Name = " S";
    S.Farbe = farbe::Aqua;
    PunktZeichnen(z, S);
}

namespace {
void tetraederKanten(DrawContext& z, const TPunkt& A, const TPunkt& B, const TPunkt& C,
                     const TPunkt& D, TFarbe farbe) {
    if (!z.optionen.TetraederKanten) return;
    z.canvas.setPenWidth(2);
    LinieZeichnen(z, A, B, farbe, PenStyle::Solid);
    LinieZeichnen(z, B, C, farbe, PenStyle::Solid);
    LinieZeichnen(z, C, D, farbe, PenStyle::Solid);
    LinieZeichnen(z, A, C, farbe, PenStyle::Solid);
    LinieZeichnen(z, A, D, farbe, PenStyle::Solid);
    LinieZeichnen(z, B, D, farbe, PenStyle::Solid);
    z.canvas.setPenWidth(1);
}
} // namespace

void TetraederZeichnen(DrawContext& z, const TPunkt& A, const TPunkt& B, const TPunkt& C,
                       const TPunkt& D, TFarbe farbe) {
    for (const TPunkt* P : {&A, &B, &C, &D}) PunktZeichnen(z, *P);
    tetraederKanten(z, A, B, C, D, farbe);
}

void nur_TetraederZeichnen(DrawContext& z, const TPunkt& A, const TPunkt& B, const TPunkt& C,
                           const TPunkt& D, TFarbe farbe) {
    for (const TPunkt* P : {&A, &B, &C, &D}) PunktZeichnen_mit_hilfslinien(z, *P);
    tetraederKanten(z, A, B, C, D, farbe);
}
