// Scenes of the point tasks: point, segment, division ratio, triangle, quadrilateral,
// parallelogram, tetrahedron and tetrahedron with a plane.
#include "core/division_ratio.h"
#include "core/relations.h"
#include "drawing/scene_drawing_internal.h"

void zeichnePunkt(SzenenZeichner& s) {
    const TPunkt& P = s.szene.SzenePunkt;
    PunktZeichnen_mit_Quader(s.z, P);
    Vektor_zeichnen(s.z, UrsprungPunkt, P, 2, PenStyle::Solid);
    s.z.canvas.setPenWidth(1);
}

void zeichneLinie(SzenenZeichner& s) {
    const TStrecke& st = s.szene.SzeneStrecke;
    s.z.canvas.setPenWidth(2);
    LinieZeichnen(s.z, st.A, st.B, st.Farbe, PenStyle::Solid);
    s.z.canvas.setPenWidth(1);
    PunktZeichnen_mit_hilfslinien(s.z, st.A);
    PunktZeichnen_mit_hilfslinien(s.z, st.B);
    TPunkt M;
    Mittelpunkt(st.A, st.B, M); // named "M", in A's colour
    PunktZeichnen(s.z, M);
}

void zeichneTeilverhaeltnis(SzenenZeichner& s) {
    const TPunkt& A = s.szene.SzeneTeilpunkte[0];
    const TPunkt& B = s.szene.SzeneTeilpunkte[1];
    const TPunkt& T = s.szene.SzeneTeilpunkte[2];
    Zeichner& z = s.z;
    for (const TPunkt* P : {&A, &B, &T}) PunktZeichnen_mit_hilfslinien(z, *P);
    z.canvas.setPenWidth(1);
    LinieZeichnen(z, A, T, A.Farbe, PenStyle::Solid);
    LinieZeichnen(z, T, B, A.Farbe, PenStyle::Solid);
    z.canvas.setPenWidth(2);
    LinieZeichnen(z, A, B, A.Farbe, PenStyle::Solid);
    z.canvas.setPenWidth(1);

    // T = B has no ratio (the report stops there); nothing more exists to draw.
    if (GleichePunkte(T, B)) return;
    double k = 0;
    if (!Parallel_mit_Faktor(differenz(A, T), differenz(T, B), k)) return;
    if (divisionRatioIsOne(A, B, T)) return; // the midpoint: T´ lies at infinity
    TPunkt H;
    fourthHarmonicPoint(A, B, T, H); // the same point as the report's
    H.Farbe = farbe::Rot;
    PunktZeichnen_mit_hilfslinien(z, H);
}

namespace {
// Foot of the perpendicular from P to the line through Q with direction R − Q; false when that
// side has length zero (no line, no foot).
bool fussAufSeite(const TPunkt& P, const TPunkt& Q, const TPunkt& R, TPunkt& F) {
    TGerade g;
    Gerade_durch_2_Punkte(Q, R, g);
    if (IstNullvektor(g.Richtung)) return false;
    Lotfusspunkt(P, g, F);
    return true;
}

void hoehe(SzenenZeichner& s, const TPunkt& ecke, const TPunkt& Q, const TPunkt& R,
           const char* name) {
    TPunkt F;
    if (!fussAufSeite(ecke, Q, R, F)) return;
    F.Name = name;
    F.Farbe = farbe::Gelb;
    PunktZeichnen(s.z, F);
    if (!s.optionen.DreieckHoehen) return;
    TGerade h;
    h.Stuetz = F;
    Differenz(F, ecke, h.Richtung);
    h.Farbe = farbe::Gelb;
    GeradeZeichnen(s.z, h, 1);
}
} // namespace

void zeichneDreieck(SzenenZeichner& s) {
    const TDreieck& d = s.szene.SzeneDreieck;
    DreieckZeichnen(s.z, d.A, d.B, d.C, d.Farbe);
    hoehe(s, d.A, d.B, d.C, "Ha");
    hoehe(s, d.B, d.A, d.C, "Hb");
    hoehe(s, d.C, d.A, d.B, "Hc");
}

void zeichneViereck(SzenenZeichner& s) {
    TViereck& v = s.szene.SzeneViereck;
    ViereckZeichnen(s.z, v.A, v.B, v.C, v.D, v.Farbe, s.szene.SzeneGerade1, s.szene.SzeneGerade2);
}

void zeichneParallelogramm(SzenenZeichner& s) {
    const TDreieck& d = s.szene.SzeneDreieck;
    TViereck& v = s.szene.SzeneViereck;
    v.A = d.A;
    v.B = d.B;
    v.C = d.C;
    v.D = differenz(summe(d.A, d.C), d.B);
    v.D.Farbe = farbe::Lime;
    v.D.Name = "  D";
    v.Farbe = d.Farbe;
    zeichneViereck(s);
}

namespace {
// Foot of the perpendicular from P to the plane through A, B, C, as a yellow point; nothing when
// the three points span no plane.
void fussAufFlaeche(Zeichner& z, const TPunkt& P, const TPunkt& A, const TPunkt& B, const TPunkt& C,
                    const char* name) {
    TEbene E;
    Ebene_durch_3_Punkte(A, B, C, E);
    const TEbeneNorm N = normalform(E);
    if (IstNullvektor(N.Normale)) return;
    TGerade lot;
    TPunkt F;
    Lot_auf_Ebene(P, N, lot, F);
    F.Name = name;
    F.Farbe = farbe::Gelb;
    PunktZeichnen(z, F);
}
} // namespace

void zeichneTetraeder(SzenenZeichner& s) {
    const TViereck& t = s.szene.SzeneTetraeder;
    nur_TetraederZeichnen(s.z, t.A, t.B, t.C, t.D, t.Farbe);
    fussAufFlaeche(s.z, t.D, t.A, t.B, t.C, "  Fd");
    fussAufFlaeche(s.z, t.C, t.A, t.B, t.D, "  Fc");
    fussAufFlaeche(s.z, t.A, t.B, t.C, t.D, "  Fa");
    fussAufFlaeche(s.z, t.B, t.A, t.C, t.D, "  Fb");
}

void zeichneTetraederEbene(SzenenZeichner& s) {
    const TViereck& t = s.szene.SzeneTetraeder;
    TetraederZeichnen(s.z, t.A, t.B, t.C, t.D, t.Farbe);
    Ebenezeichnen(s.z, s.szene.SzeneEbene);

    // Section points of the edges AB, BC, AC, BD, AD, CD, as the report left them.
    const TPunkt* S = s.szene.SzeneSchnittpunkte;
    const int* da = s.szene.SzeneSchnittpunktDa;
    for (int i = 0; i < 6; ++i)
        if (da[i] == 1) PunktZeichnen_mit_hilfslinien(s.z, S[i]);
    // The section around C: points 3–2, 6–2 and 3–6 (AC–BC, CD–BC, AC–CD).
    const int paare[3][2] = {{2, 1}, {5, 1}, {2, 5}};
    s.z.canvas.setPenWidth(1);
    for (const auto& p : paare)
        if (da[p[0]] == 1 && da[p[1]] == 1)
            LinieZeichnen(s.z, S[p[0]], S[p[1]], S[1].Farbe, PenStyle::Solid);
}
