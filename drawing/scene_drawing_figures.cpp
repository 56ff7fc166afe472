// Scenes of the point tasks: point, segment, division ratio, triangle, quadrilateral,
// parallelogram, tetrahedron and tetrahedron with a plane.
#include "core/division_ratio.h"
#include "core/relations.h"
#include "drawing/scene_drawing_internal.h"
#include "sheet/input_clicks.h"
#include "sheet/reports_figures.h"
#include "sheet/task_kind.h"

namespace {

void zeichnePunkt(SceneDraw& s) {
    const TPunkt& P = s.szene.SzenePunkt;
    PunktZeichnen_mit_Quader(s.z, P);
    Vektor_zeichnen(s.z, UrsprungPunkt, P, 2, PenStyle::Solid);
    s.z.canvas.setPenWidth(1);
}

void zeichneLinie(SceneDraw& s) {
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

void zeichneTeilverhaeltnis(SceneDraw& s) {
    const TPunkt& A = s.szene.SzeneTeilpunkte[0];
    const TPunkt& B = s.szene.SzeneTeilpunkte[1];
    const TPunkt& T = s.szene.SzeneTeilpunkte[2];
    DrawContext& z = s.z;
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
    if (divisionRatio(A, B, T) == 1) return; // the midpoint: T´ lies at infinity
    TPunkt H;
    fourthHarmonicPoint(A, B, T, H); // the same point as the report's
    H.Farbe = farbe::Rot;
    PunktZeichnen_mit_hilfslinien(z, H);
}

// Foot of the perpendicular from P to the line through Q with direction R − Q; false when that
// side has length zero (no line, no foot).
bool fussAufSeite(const TPunkt& P, const TPunkt& Q, const TPunkt& R, TPunkt& F) {
    TGerade g;
    Gerade_durch_2_Punkte(Q, R, g);
    if (IstNullvektor(g.Richtung)) return false;
    Lotfusspunkt(P, g, F);
    return true;
}

void hoehe(SceneDraw& s, const TPunkt& ecke, const TPunkt& Q, const TPunkt& R, const char* name) {
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

void zeichneDreieck(SceneDraw& s) {
    const TDreieck& d = s.szene.SzeneDreieck;
    DreieckZeichnen(s.z, d.A, d.B, d.C, d.Farbe);
    hoehe(s, d.A, d.B, d.C, "Ha");
    hoehe(s, d.B, d.A, d.C, "Hb");
    hoehe(s, d.C, d.A, d.B, "Hc");
}

// The quadrilateral of the scene; the parallelogram's is completed there by its kind.
void zeichneViereck(SceneDraw& s) {
    const TViereck& v = s.szene.SzeneViereck;
    TGerade diagonale1, diagonale2;
    ViereckZeichnen(s.z, v.A, v.B, v.C, v.D, v.Farbe, diagonale1, diagonale2);
}

// Foot of the perpendicular from P to the plane through A, B, C, as a yellow point; nothing when
// the three points span no plane.
void fussAufFlaeche(DrawContext& z, const TPunkt& P, const TPunkt& A, const TPunkt& B,
                    const TPunkt& C, const char* name) {
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

void zeichneTetraeder(SceneDraw& s) {
    const TViereck& t = s.szene.SzeneTetraeder;
    nur_TetraederZeichnen(s.z, t.A, t.B, t.C, t.D, t.Farbe);
    fussAufFlaeche(s.z, t.D, t.A, t.B, t.C, "  Fd");
    fussAufFlaeche(s.z, t.C, t.A, t.B, t.D, "  Fc");
    fussAufFlaeche(s.z, t.A, t.B, t.C, t.D, "  Fa");
    fussAufFlaeche(s.z, t.B, t.A, t.C, t.D, "  Fb");
}

void zeichneTetraederEbene(SceneDraw& s) {
    const TViereck& t = s.szene.SzeneTetraeder;
    TetraederZeichnen(s.z, t.A, t.B, t.C, t.D, t.Farbe);
    Ebenezeichnen(s.z, s.szene.SzeneEbene);

    // Section points of the edges AB, BC, AC, BD, AD, CD, as the kind derived them.
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

// --- The rows of the point and figure tasks ---

void punkte(InputClicks& k, TViereck& v) {
    k.punkte(v.A, v.B, v.C);
    k.punkt(3, v.D);
}

const TaskKind rows[] = {
    {Szenenart::Punkt,
     [](Sheet& s, const Szene& z, int x, int& y) { Ergebnis_punkt(s, z.SzenePunkt, x, y); },
     zeichnePunkt, [](Szene& z, InputClicks& k) { k.punkt(0, z.SzenePunkt); }},
    {Szenenart::Linie,
     [](Sheet& s, const Szene& z, int x, int& y) { Ergebnis_Linie(s, z.SzeneStrecke, x, y); },
     zeichneLinie, [](Szene& z, InputClicks& k) { k.punkte(z.SzeneStrecke.A, z.SzeneStrecke.B); }},
    {Szenenart::Teilverhaeltnis,
     [](Sheet& s, const Szene& z, int x, int& y) {
         const TPunkt* t = z.SzeneTeilpunkte;
         Ergebnis_Teilverhaeltnis(s, t[0], t[1], t[2], x, y);
     },
     zeichneTeilverhaeltnis,
     [](Szene& z, InputClicks& k) {
         k.punkte(z.SzeneTeilpunkte[0], z.SzeneTeilpunkte[1], z.SzeneTeilpunkte[2]);
     }},
    {Szenenart::Dreieck,
     [](Sheet& s, const Szene& z, int x, int& y) { Ergebnis_Dreieck(s, z.SzeneDreieck, x, y); },
     zeichneDreieck,
     [](Szene& z, InputClicks& k) {
         k.punkte(z.SzeneDreieck.A, z.SzeneDreieck.B, z.SzeneDreieck.C);
     }},
    {Szenenart::Viereck,
     [](Sheet& s, const Szene& z, int x, int& y) { Ergebnis_Viereck(s, z.SzeneViereck, x, y); },
     zeichneViereck, [](Szene& z, InputClicks& k) { punkte(k, z.SzeneViereck); }},
    // The parallelogram's inputs are A, B, C of the triangle store; D follows from them.
    {Szenenart::Parallelogramm,
     [](Sheet& s, const Szene& z, int x, int& y) { Ergebnis_Viereck(s, z.SzeneViereck, x, y); },
     zeichneViereck,
     [](Szene& z, InputClicks& k) {
         k.punkte(z.SzeneDreieck.A, z.SzeneDreieck.B, z.SzeneDreieck.C);
     },
     [](Szene& z) { z.SzeneViereck = completeParallelogram(z.SzeneDreieck); }},
    {Szenenart::Tetraeder,
     [](Sheet& s, const Szene& z, int x, int& y) { Ergebnis_Tetraeder(s, z.SzeneTetraeder, x, y); },
     zeichneTetraeder, [](Szene& z, InputClicks& k) { punkte(k, z.SzeneTetraeder); }},
    {Szenenart::TetraederEbene, Ergebnis_Tetraeder_Ebene, zeichneTetraederEbene,
     [](Szene& z, InputClicks& k) {
         punkte(k, z.SzeneTetraeder);
         k.ebene(0, z.SzeneEbene);
     },
     [](Szene& z) {
         cutTetrahedronEdges(z.SzeneTetraeder, z.SzeneEbene, z.SzeneSchnittpunkte,
                             z.SzeneSchnittpunktDa);
     }},
};

} // namespace

std::span<const TaskKind> figureKinds() {
    return rows;
}
