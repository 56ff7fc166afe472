// The constructions of the ellipse tasks: step texts on the sheet, silver lines in the drawing.
#include "drawing/plane_primitives.h"
#include "plane/ellipse_construction.h"
#include "sheet/sheet.h"

#include <cmath>
#include <numbers>

namespace {

using A = Ellipsenart;
using Schritte = std::vector<std::string>;

// The main-circle construction of ellipse points (also the end of the point and line tasks).
const Schritte standard = {"dann:Standard-Ellipsenpunkt-Konstruktion",
                           "(siehe unter Ellipse mit M,a,b)"};

Schritte plus(Schritte a, const Schritte& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// From a focus and a point B on the ellipse: |F2Q| = |F2B| + |BF1| is the major axis.
Schritte exzentrizitaetPunkt(const EllipsenDaten& d) {
    const Schritte anfang = {"Zeichne Kreis K(B,r=BF1)", "Zeichne Gerade F2B bis Q"};
    if (d.E.a >= d.E.b)
        return plus(anfang, {"F2Q = 2a; Halbiere  [F2Q]", "y1 parallel zur y-Achse durch M",
                             "K(F2,r=a) geschnitten mit y1 = {S3, S4}"});
    return plus(anfang, {"F2Q = 2b; Halbiere  [F2Q]", "x1 parallel zur x-Achse durch M",
                         "K(F2,r=b) geschnitten mit x1 = {S1, S2}"});
}

// A horizontal line meets only the vertical axis through M.
bool trifftX1(const EllipsenDaten& d) {
    return d.g.senkrecht || !tolerance::isZero(d.g.m, 1);
}

TPunkt2 hilfspunkt(double x, double y, const char* name) {
    return punkt2(x, y, farbe::Silber, name);
}

void kreis(DrawContext& z, const TPunkt2& M, double r) {
    ZeichneKreis2(z, M, farbe::Silber, r);
}
void strecke(DrawContext& z, const TPunkt2& P, const TPunkt2& Q) {
    z.canvas.setPenColor(z.colour(farbe::Silber));
    ZeichneStrecke2(z, P, Q, 1);
}
void gerade(DrawContext& z, const TPunkt2& P, double dx, double dy) {
    ZeichneGerade2(z, TGerade2{P, punkt2(dx, dy)}, farbe::Silber, 1);
}

// The point of the main circle K(M, a) above or below P (P stretched along y by a/b).
TPunkt2 aufHauptkreis(const TEllipse2& E, const TPunkt2& P, const char* name) {
    return hilfspunkt(P.x, E.M.y + (P.y - E.M.y) * E.a / E.b, name);
}

// Main and secondary circle, an arbitrary ray from M at 30° meeting them in H and T; the
// perpendicular through H and the parallel through T meet in the ellipse point P.
void mittelpunktAchsen(DrawContext& z, const TEllipse2& E) {
    kreis(z, E.M, E.a);
    kreis(z, E.M, E.b);
    const double c = std::cos(std::numbers::pi / 6), s = std::sin(std::numbers::pi / 6);
    const TPunkt2 H = hilfspunkt(E.M.x + E.a * c, E.M.y + E.a * s, "H");
    const TPunkt2 T = hilfspunkt(E.M.x + E.b * c, E.M.y + E.b * s, "T");
    const TPunkt2 P = hilfspunkt(H.x, T.y, "P");
    strecke(z, E.M, H);
    strecke(z, H, P);
    strecke(z, T, P);
    for (const TPunkt2* p : {&H, &T, &P}) ZeichnePunkt2(z, *p);
}

// The circle about B through F1 meets the line F2 B in Q; K(F2, a) meets the minor axis.
void exzentrizitaet(DrawContext& z, const EllipsenDaten& d) {
    const Ellipsenpunkte& p = d.punkte;
    const TPunkt2& B = d.P;
    const double r = plane::distance(B, p.F1), l = plane::distance(p.F2, B);
    if (l == 0) return;
    kreis(z, B, r);
    const TPunkt2 Q = hilfspunkt(p.F2.x + (B.x - p.F2.x) * (l + r) / l,
                                 p.F2.y + (B.y - p.F2.y) * (l + r) / l, "Q");
    strecke(z, p.F2, Q);
    ZeichnePunkt2(z, Q);
    const bool waagrecht = d.E.a >= d.E.b;
    kreis(z, p.F2, waagrecht ? d.E.a : d.E.b);
    gerade(z, d.E.M, waagrecht ? 0 : 1, waagrecht ? 1 : 0);
}

// The feet H1, H2 of the perpendiculars from the foci onto the tangent lie on K(M, a).
void achseTangente(DrawContext& z, const EllipsenDaten& d) {
    const TEllipse2 hauptkreis{d.E.M, d.E.a, d.E.a, "", 0};
    TPunkt2 H1 = hilfspunkt(0, 0, "H1"), H2 = hilfspunkt(0, 0, "H2");
    kreis(z, d.E.M, d.E.a);
    kreis(z, d.E.M, d.E.b);
    if (!SchnittEllipseGerade(hauptkreis, d.g, H1, H2)) return;
    const TPunkt2 n = d.g.senkrecht ? punkt2(1, 0) : punkt2(-d.g.m, 1);
    gerade(z, H1, n.x, n.y);
    gerade(z, H2, n.x, n.y);
    kreis(z, d.punkte.F1, d.E.a);
    ZeichnePunkt2(z, H1);
    ZeichnePunkt2(z, H2);
}

// PQ meets the vertical through M in H; the Thales circle over MH; P and Q on the main circle.
void mittelpunktZweiPunkte(DrawContext& z, const EllipsenEingabe& in, const EllipsenDaten& d) {
    const TPunkt2 &P = in.P, &Q = in.Q, &M = d.E.M;
    gerade(z, P, Q.x - P.x, Q.y - P.y);
    const TPunkt2 Ms = hilfspunkt((P.x + Q.x) / 2, (P.y + Q.y) / 2, "M´");
    ZeichnePunkt2(z, Ms);
    if (!tolerance::isZero(Q.x - P.x, std::fabs(P.x) + std::fabs(Q.x))) {
        const double m = (Q.y - P.y) / (Q.x - P.x);
        const TPunkt2 H = hilfspunkt(M.x, P.y + m * (M.x - P.x), "H");
        const TPunkt2 Mt = hilfspunkt(M.x, (M.y + H.y) / 2, "Mt");
        kreis(z, Mt, std::fabs(H.y - M.y) / 2);
        strecke(z, Ms, Mt);
        ZeichnePunkt2(z, H);
        ZeichnePunkt2(z, Mt);
    }
    const TPunkt2 P1 = aufHauptkreis(d.E, P, "P1"), Q1 = aufHauptkreis(d.E, Q, "Q1");
    kreis(z, M, d.E.a);
    strecke(z, P, P1);
    strecke(z, Q, Q1);
    strecke(z, M, P1);
    ZeichnePunkt2(z, P1);
    ZeichnePunkt2(z, Q1);
}

// The line PF1 and the normal h of the tangent at P, which halves the angle F1 P F2.
void brennpunktPunktTangente(DrawContext& z, const EllipsenEingabe& in, const EllipsenDaten& d) {
    const TPunkt2& P = d.P;
    gerade(z, P, in.F1.x - P.x, in.F1.y - P.y);
    if (d.hatGerade && !d.g.senkrecht) gerade(z, P, -d.g.m, 1);
    strecke(z, P, d.F2);
    gerade(z, in.F1, 1, 0);
}

// h through F1 perpendicular to t meets t in H1 (on K(M, a)); F1 mirrored at H1 is P, and F2 P
// meets t in the point of contact.
void brennpunktTangente(DrawContext& z, const EllipsenEingabe& in, const EllipsenDaten& d) {
    const TPunkt2& F = in.F1;
    const TPunkt2 n = d.g.senkrecht ? punkt2(1, 0) : punkt2(-d.g.m, 1);
    const TPunkt2 r = d.g.senkrecht ? punkt2(0, 1) : punkt2(1, d.g.m);
    // The foot of the perpendicular: F + s·n on the line through (0, c) (or (k, 0)) along r.
    const TPunkt2 S = d.g.senkrecht ? punkt2(d.g.k, 0) : punkt2(0, d.g.c);
    const double s = plane::cross(plane::difference(S, F), r) / plane::cross(n, r);
    const TPunkt2 H1 = hilfspunkt(F.x + s * n.x, F.y + s * n.y, "H1");
    const TPunkt2 P = hilfspunkt(2 * H1.x - F.x, 2 * H1.y - F.y, "P");
    gerade(z, F, n.x, n.y);
    kreis(z, d.E.M, d.E.a);
    const TPunkt2& F2 = F.x <= d.E.M.x ? d.punkte.F2 : d.punkte.F1;
    strecke(z, F2, P);
    ZeichnePunkt2(z, H1);
    ZeichnePunkt2(z, P);
}

// P stretched onto the main circle's picture, the Thales circle over M P´.
void ellipsePunkt(DrawContext& z, const EllipsenDaten& d) {
    kreis(z, d.E.M, d.E.a);
    kreis(z, d.E.M, d.E.b);
    if (d.lage != 2) return;
    const TPunkt2 Ps = aufHauptkreis(d.E, d.P, "P´");
    const TPunkt2 Ms = hilfspunkt((d.E.M.x + Ps.x) / 2, (d.E.M.y + Ps.y) / 2, "M´");
    kreis(z, Ms, plane::distance(d.E.M, Ps) / 2);
    strecke(z, d.P, Ps);
    ZeichnePunkt2(z, Ps);
    ZeichnePunkt2(z, Ms);
}

// The axes x1, y1 through M, where g meets them (H), and g stretched about H.
void ellipseGerade(DrawContext& z, const EllipsenDaten& d) {
    const TEllipse2& E = d.E;
    kreis(z, E.M, E.a);
    kreis(z, E.M, E.b);
    gerade(z, E.M, 1, 0);
    gerade(z, E.M, 0, 1);
    if (trifftX1(d)) {
        const double hx = d.g.senkrecht ? d.g.k : (E.M.y - d.g.c) / d.g.m;
        const TPunkt2 H = hilfspunkt(hx, E.M.y, "H");
        ZeichnePunkt2(z, H);
        // g´: y stretched by a/b about the axis x1.
        if (!d.g.senkrecht) gerade(z, H, 1, d.g.m * E.a / E.b);
    } else {
        const TPunkt2 H = hilfspunkt(E.M.x, d.g.c, "H");
        ZeichnePunkt2(z, H);
    }
}

} // namespace

std::vector<std::string> Ellipse_Konstruktionsschritte(Ellipsenart art, const EllipsenDaten& d) {
    if (!d.moeglich) return {"Konstruktion nicht möglich !"};
    const Schritte tangente = {"Zeichne K(M,r=a)",
                               "Zeichne K(M,r=b)",
                               "t schneidet K in H1 und H2",
                               "g1 senkrecht zu t : H1 e g1  ->  F1",
                               "g2 senkrecht zu t : H2 e g2  ->  F2",
                               "Zeichne y1 ∥ y durch M",
                               "K(F1,r=a) gescchnitten y1 = {S3, S4}",
                               "Zeichne x1 parallel zu x durch M",
                               "K(F1,r=b) geschnitten x1 = {S1, S2}"};
    switch (art) {
    case A::MittelpunktAchsen:
        return {"Zeichne Haupt-u. Nebenkreis",  "Zeichne MT beliebig",
                "Zeichne HT senkrecht zu x",    "Zeichne RP parallel zu x",
                "Zeichne HT senkrecht zu y",    "Zeichne RP parallel zu y",
                "Schnitt ist gesuchter Punkt P"};
    case A::ExzentrizitaetPunkt:
        return exzentrizitaetPunkt(d);
    case A::BrennpunktePunkt:
        return plus({"Aus F1,F2 erhält man e !"}, exzentrizitaetPunkt(d));
    case A::AchseTangente:
    case A::MittelpunktAchseTangente:
        return tangente;
    case A::MittelpunktZweiPunkte:
        return {"Zeichne PQ; SchnittPunkt mit My ist H",
                "Konstruiere Mittelpunkt M` von PQ",
                "Zeichne Thaleskreis über MH",
                "Strecke M` nach Mt, P nach P1, Q nach Q1",
                "a = MP1",
                "b ergibt sich durch Standardkonstr.",
                "    bzgl. Q und Q1 oder P und P1"};
    case A::BrennpunktPunktTangente:
        return {"Falls Tangente unterhalb",
                "Ellipse ==> spiegle diese",
                "an y` parallel zur y-Achse durch F",
                "Zeichne Gerade PF1",
                "Zeichne h senkrecht zu t durch P",
                "h ist Winkelhalbierende",
                "  von <(F1,P,F2) --> F2"};
    case A::BrennpunktTangente:
        return {"h senkrecht zu t durch F1 -> H1",
                "MH1 = a",
                "K(F1,r=a) geschnitten mit y = {S3, S4}",
                "Konstruktion von B:",
                "Spiegle F1 an H1 -> P",
                "F2P geschnitten mit t = {B}"};
    case A::EllipsePunkt:
        if (d.lage != 2) return {"Keine Tangenten !"};
        return plus(
            {"Zeichne K1(M,r=a), K2(M,r=b)",
             d.E.a >= d.E.b ? "Strecke P axial; Verh. a/b ->P`" : "Strecke P axial; Verh. b/a ->P`",
             "Bestimme Mittelpunkt M` von MP`", "Thaleskreis um M` schneidet K1 in T1,T2"},
            standard);
    case A::EllipseGerade: {
        if (d.lage == 0) return {"Keine Schnittpunkte !"};
        const bool x1 = trifftX1(d);
        return plus({"Zeichne K1(M,r=a), K2(M,r=b)", "Zeichne x1 parallel zu x durch M",
                     "Zeichne y1 parallel zu y durch M",
                     x1 ? "g geschnitten x1 = {H}" : "g geschnitten y1 = {H}",
                     x1 ? "Strecke g um a/b --> g`, S`" : "Strecke g um b/a --> g`, S`",
                     x1 ? "g` geschnitten mit K1 = {T1, T2}" : "g` geschnitten mit K2 = {T1, T2}"},
                    standard);
    }
    case A::ZweiEllipsen:
        return {"Hier keine Konstruktion implementiert !"};
    }
    return {};
}

void Ellipse_Konstruktion_ausgeben(Sheet& s, Ellipsenart art, const EllipsenDaten& d, int x,
                                   int& y) {
    s.newLine(y);
    s.Schriftfarbe(farbe::Dunkelrot);
    s.Outtextln(x, y, "Konstruktion:");
    s.Schriftfarbe(farbe::Schwarz);
    for (const std::string& t : Ellipse_Konstruktionsschritte(art, d)) s.Outtextln(x, y, t);
}

void Ellipse_Konstruktion_zeichnen(DrawContext& z, Ellipsenart art, const EllipsenEingabe& in,
                                   const EllipsenDaten& d) {
    if (!d.moeglich) return;
    switch (art) {
    case A::MittelpunktAchsen:
        mittelpunktAchsen(z, d.E);
        break;
    case A::ExzentrizitaetPunkt:
    case A::BrennpunktePunkt:
        exzentrizitaet(z, d);
        break;
    case A::AchseTangente:
    case A::MittelpunktAchseTangente:
        achseTangente(z, d);
        break;
    case A::MittelpunktZweiPunkte:
        mittelpunktZweiPunkte(z, in, d);
        break;
    case A::BrennpunktPunktTangente:
        brennpunktPunktTangente(z, in, d);
        break;
    case A::BrennpunktTangente:
        brennpunktTangente(z, in, d);
        break;
    case A::EllipsePunkt:
        ellipsePunkt(z, d);
        break;
    case A::EllipseGerade:
        ellipseGerade(z, d);
        break;
    case A::ZweiEllipsen:
        break;
    }
}
