#include "plane/ellipse_task.h"

#include <cmath>

namespace {

// A typed ellipse: semi-axes taken as |a| and |b| (a vertex dragged across the centre makes
// them negative; the curve is the same). False when one is zero.
bool gegeben(const TEllipse2& in, TEllipse2& E) {
    E = in;
    E.a = std::fabs(in.a);
    E.b = std::fabs(in.b);
    return E.a > 0 && E.b > 0 && std::isfinite(E.a + E.b + E.M.x + E.M.y);
}

// The point of contact of a tangent: the double intersection point, named "B".
void beruehrpunkt(EllipsenDaten& d) {
    d.S[0] = d.S[1] = punkt2(0, 0, farbe::Aqua, "B");
    d.anzahl = SchnittEllipseGerade(d.E, d.g, d.S[0], d.S[1]) ? 1 : 0;
}

bool endlich(const EllipsenDaten& d) {
    for (const TPunkt2* p : {&d.E.M, &d.E2.M, &d.P, &d.S[0], &d.S[1], &d.S[2], &d.S[3]})
        if (!std::isfinite(p->x) || !std::isfinite(p->y)) return false;
    return std::isfinite(d.E.a + d.E.b + d.E2.a + d.E2.b + d.punkte.e + d.punkte2.e);
}

void lageMitPunkt(EllipsenDaten& d) {
    d.lage = LageEllipsePunkt(d.E, d.P);
    if (d.lage == 0) return;
    d.hatTp = TangenteImPunkt(d.E, d.P, d.tp);
    if (d.lage != 2 || !d.hatTp) return;
    // Outside: the polar meets the ellipse in the points of contact T1, T2 of the tangents from P.
    d.S[0] = punkt2(0, 0, farbe::Aqua, "T1");
    d.S[1] = punkt2(0, 0, farbe::Aqua, "T2");
    if (!SchnittEllipseGerade(d.E, d.tp, d.S[0], d.S[1])) return;
    d.anzahl = 2;
    d.t1 = geradeDurch(d.P, d.S[0]);
    d.t2 = geradeDurch(d.P, d.S[1]);
}

void lageMitGerade(EllipsenDaten& d) {
    d.lage = LageEllipseGerade(d.E, d.g);
    if (d.lage == 0) return;
    const bool zwei = d.lage == 2;
    d.S[0] = punkt2(0, 0, farbe::Aqua, zwei ? "B1" : "B");
    d.S[1] = punkt2(0, 0, farbe::Aqua, "B2");
    if (SchnittEllipseGerade(d.E, d.g, d.S[0], d.S[1])) d.anzahl = zwei ? 2 : 1;
}

} // namespace

EllipsenDaten Ellipse_berechnen(Ellipsenart art, const EllipsenEingabe& in) {
    using A = Ellipsenart;
    EllipsenDaten d;
    d.P = in.P;
    d.hatGerade = alsSteigungsform(in.t, d.g);
    bool& ok = d.moeglich;
    switch (art) {
    case A::MittelpunktAchsen:
        ok = gegeben(in.E, d.E);
        break;
    case A::ExzentrizitaetPunkt:
        ok = EllipseAusExzentrizitaet(in.e, in.P, d.E);
        d.hatTp = ok && TangenteImPunkt(d.E, d.P, d.tp);
        break;
    case A::AchseTangente:
        ok = EllipseAusAchseTangente(std::fabs(in.E.a), in.t, d.E);
        if (ok) beruehrpunkt(d);
        break;
    case A::BrennpunktePunkt:
        ok = EllipseAusBrennpunktenPunkt(in.F1, in.F2, in.P, d.E, d.tp);
        d.hatTp = ok;
        break;
    case A::BrennpunktPunktTangente:
        ok = EllipseAusBrennpunktPunktTangente(in.F1, in.P, in.t, d.E, d.P, d.F2);
        break;
    case A::BrennpunktTangente:
        ok = EllipseAusBrennpunktTangente(in.F1, in.t, d.E);
        if (ok) beruehrpunkt(d);
        break;
    case A::MittelpunktZweiPunkte:
        ok = EllipseAusMittelpunktZweiPunkten(in.E.M, in.P, in.Q, d.E);
        d.hatTp = ok && TangenteImPunkt(d.E, in.P, d.tp);
        d.hatTq = ok && TangenteImPunkt(d.E, in.Q, d.tq);
        break;
    case A::MittelpunktAchseTangente:
        ok = EllipseAusMittelpunktAchseTangente(in.E.M, std::fabs(in.E.a), in.t, d.E);
        if (ok) beruehrpunkt(d);
        break;
    case A::EllipsePunkt:
        ok = gegeben(in.E, d.E);
        if (ok) lageMitPunkt(d);
        break;
    case A::EllipseGerade:
        ok = gegeben(in.E, d.E) && d.hatGerade;
        if (ok) lageMitGerade(d);
        break;
    case A::ZweiEllipsen:
        ok = gegeben(in.E, d.E) && gegeben(in.E2, d.E2);
        if (ok) d.anzahl = SchnittZweiEllipsen(d.E, d.E2, d.S) ? 4 : 0;
        break;
    }
    ok = ok && endlich(d);
    if (ok) {
        d.punkte = Ellipsenpunkte_berechnen(d.E);
        if (art == A::ZweiEllipsen) d.punkte2 = Ellipsenpunkte_berechnen(d.E2);
        ok = endlich(d);
    }
    return d;
}

bool Ellipse_gueltig(Ellipsenart art, const EllipsenEingabe& in) {
    using A = Ellipsenart;
    switch (art) {
    case A::MittelpunktAchsen:
    case A::EllipsePunkt:
    case A::EllipseGerade:
    case A::ZweiEllipsen:
        return true;
    case A::AchseTangente:
    case A::MittelpunktAchseTangente:
        if (!(in.E.a > 0)) return false;
        break;
    default:
        break;
    }
    return Ellipse_berechnen(art, in).moeglich;
}

EllipsenEingabe Ellipse_Beispiel(Ellipsenart art) {
    using A = Ellipsenart;
    EllipsenEingabe in;
    auto ellipse = [](double x, double y, double a, double b, const char* name, TFarbe f) {
        return TEllipse2{punkt2(x, y, farbe::Gelb, "M"), a, b, name, f};
    };
    auto gerade = [](double u, double v, double w) { return TGeradeGl2{u, v, w, farbe::Aqua, {}}; };
    const TFarbe aqua = farbe::Aqua;
    switch (art) {
    case A::MittelpunktAchsen:
        in.E = ellipse(2, 2, 5, 3, "E:", farbe::Gelb);
        break;
    case A::ExzentrizitaetPunkt:
        in.e = 5;
        in.P = punkt2(3, 3, aqua, "P");
        break;
    case A::AchseTangente:
        in.E.a = 6;
        in.t = gerade(1, 2, 10);
        break;
    case A::BrennpunktePunkt:
        in.F1 = punkt2(2, 2, aqua, "F1");
        in.F2 = punkt2(-3, 2, aqua, "F2");
        in.P = punkt2(2, 4, aqua, "P");
        break;
    case A::BrennpunktPunktTangente:
        in.F1 = punkt2(7, 2, aqua, "F1");
        in.P = punkt2(2, 0, aqua, "P");
        in.t = gerade(1, 2, 2);
        break;
    case A::BrennpunktTangente:
        in.F1 = punkt2(3, 0, aqua, "F1");
        in.t = gerade(1, 2, 6);
        break;
    case A::MittelpunktZweiPunkte:
        in.E.M = punkt2(2, 1, farbe::Gelb, "M");
        in.P = punkt2(4, 4.5, aqua, "P");
        in.Q = punkt2(-2, -1.5, aqua, "Q");
        break;
    case A::MittelpunktAchseTangente:
        in.E.M = punkt2(2, 1, farbe::Gelb, "M");
        in.E.a = 4;
        in.t = gerade(1, 2, 10);
        break;
    case A::EllipsePunkt:
        in.E = ellipse(2, 2, 5, 3, "E:", farbe::Gelb);
        in.P = punkt2(4, 7, aqua, "P");
        break;
    case A::EllipseGerade:
        in.E = ellipse(-1, 1, 5, 3, "E:", farbe::Gelb);
        in.t = gerade(1, 2, 6);
        break;
    case A::ZweiEllipsen:
        in.E = ellipse(-2, 0, 5, 3, "E1:", farbe::Gelb);
        in.E.M.Name = "M1";
        in.E2 = ellipse(-2, 0, 4, 5, "E2:", farbe::Lime);
        in.E2.M.Name = "M2";
        in.E2.M.Farbe = farbe::Lime;
        break;
    }
    return in;
}
