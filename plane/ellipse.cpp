#include "plane/ellipse.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double pi = std::numbers::pi;

// The size of the numbers a point was computed from.
double groesse(std::initializer_list<double> werte) {
    double s = 0;
    for (double w : werte) s = std::max(s, std::fabs(w));
    return s;
}

// A determination's result: centre M (yellow, "M"), positive semi-axes, curve yellow. False
// when a semi-axis is zero relative to the other or anything is not a finite number.
bool fertig(TEllipse2& E, double Mx, double My, double a, double b, const char* name = "E:") {
    E.M = punkt2(Mx, My, farbe::Gelb, "M");
    E.a = std::fabs(a);
    E.b = std::fabs(b);
    E.Name = name;
    E.Farbe = farbe::Gelb;
    const double s = std::max(E.a, E.b);
    for (double w : {Mx, My, a, b})
        if (!std::isfinite(w)) return false;
    return !tolerance::isZero(E.a, s) && !tolerance::isZero(E.b, s);
}

TPunkt2 getauscht(TPunkt2 P) {
    std::swap(P.x, P.y);
    return P;
}

} // namespace

bool alsSteigungsform(const TGeradeGl2& g, Gerade2MC& t) {
    if (g.u == 0 && g.v == 0) return false;
    if (tolerance::isZero(g.v, g.u)) {
        t = {true, 0, 0, g.w / g.u};
    } else {
        t = {false, -g.u / g.v, g.w / g.v, 0};
    }
    return true;
}

Gerade2MC vertauscht(const Gerade2MC& t) {
    if (t.senkrecht) return {false, 0, t.k, 0};
    if (tolerance::isZero(t.m, 1)) return {true, 0, 0, t.c};
    return {false, 1 / t.m, -t.c / t.m, 0};
}

Gerade2MC geradeDurch(const TPunkt2& P, const TPunkt2& Q) {
    const double dx = Q.x - P.x;
    if (tolerance::isZero(dx, groesse({P.x, Q.x, Q.y - P.y}))) return {true, 0, 0, P.x};
    const double m = (Q.y - P.y) / dx;
    return {false, m, P.y - m * P.x, 0};
}

Ellipsenpunkte Ellipsenpunkte_berechnen(const TEllipse2& E) {
    Ellipsenpunkte p;
    const double a = std::fabs(E.a), b = std::fabs(E.b);
    p.e = std::sqrt(std::fabs(a * a - b * b));
    if (tolerance::areEqual(a, b)) p.e = 0;
    const TPunkt2& M = E.M;
    const bool waagrecht = a >= b;
    const double ex = waagrecht ? p.e : 0, ey = waagrecht ? 0 : p.e;
    p.F1 = punkt2(M.x - ex, M.y - ey, farbe::Lime, "F1");
    p.F2 = punkt2(M.x + ex, M.y + ey, farbe::Lime, "F2");
    p.S[0] = punkt2(M.x + a, M.y, E.Farbe, "S1");
    p.S[1] = punkt2(M.x - a, M.y, E.Farbe, "S2");
    p.S[2] = punkt2(M.x, M.y + b, E.Farbe, "S3");
    p.S[3] = punkt2(M.x, M.y - b, E.Farbe, "S4");
    return p;
}

bool EllipseAusExzentrizitaet(double e, const TPunkt2& P, TEllipse2& E) {
    const double x = P.x, y = P.y;
    const double s = x * x + y * y + e * e;
    const double a2 = s / 2 + std::sqrt(std::max(0.0, s * s / 4 - e * e * x * x));
    const double b2 = a2 - e * e;
    if (b2 < 0) return fertig(E, 0, 0, std::sqrt(a2), 0);
    return fertig(E, 0, 0, std::sqrt(a2), std::sqrt(b2));
}

bool EllipseAusAchseTangente(double a, const TGeradeGl2& t, TEllipse2& E) {
    Gerade2MC g;
    if (!(a > 0) || !alsSteigungsform(t, g)) return fertig(E, 0, 0, 0, 0);
    if (g.senkrecht) return fertig(E, g.k - a, 0, a, a / 2);
    const double D = g.c * g.c - (a * g.m) * (a * g.m);
    if (D < 0) return fertig(E, 0, 0, a, 0);
    return fertig(E, 0, 0, a, std::sqrt(D));
}

bool EllipseAusBrennpunktenPunkt(const TPunkt2& F1, const TPunkt2& F2, const TPunkt2& P,
                                 TEllipse2& E, Gerade2MC& tp) {
    const double s = groesse({F1.x, F1.y, F2.x, F2.y});
    const bool waagrecht = tolerance::areEqual(F1.y, F2.y, s);
    const bool senkrecht = tolerance::areEqual(F1.x, F2.x, s);
    if (waagrecht == senkrecht) { // coincident foci, or on neither kind of line
        fertig(E, 0, 0, 0, 0);
        return false;
    }
    // Foci one above the other: the same computation with x and y exchanged.
    const TPunkt2 f1 = senkrecht ? getauscht(F1) : F1, f2 = senkrecht ? getauscht(F2) : F2;
    const TPunkt2 p = senkrecht ? getauscht(P) : P;
    const TPunkt2 Mc = plane::midpoint(f1, f2);
    const double e = std::fabs(f1.x - Mc.x);
    bool gut = EllipseAusExzentrizitaet(e, plane::difference(p, Mc), E);
    E.M = plane::sum(E.M, Mc);
    gut = TangenteImPunkt(E, p, tp) && gut;
    if (senkrecht) {
        E.M = getauscht(E.M);
        std::swap(E.a, E.b);
        tp = vertauscht(tp);
    }
    return gut;
}

bool EllipseAusBrennpunktPunktTangente(const TPunkt2& F, const TPunkt2& P, const TGeradeGl2& t,
                                       TEllipse2& E, TPunkt2& B, TPunkt2& F2,
                                       FPTSchritte* schritte) {
    FPTSchritte r;
    const auto ende = [&](bool gut) {
        if (schritte) *schritte = r;
        return gut;
    };
    Gerade2MC g;
    B = P;
    F2 = punkt2(F.x, F.y, F.Farbe, "F2");
    if (!alsSteigungsform(t, g) || g.senkrecht) return ende(fertig(E, 0, 0, 0, 0));
    r.m = g.m;
    B.y = r.m * P.x + g.c;
    // Below the focus the figure is mirrored at y = F.y, where the ellipse is symmetric.
    r.By = B.y;
    if (g.c - F.y < 0) {
        r.gespiegelt = true;
        r.m = -r.m;
        r.By = 2 * F.y - r.By;
    }
    const double m = r.m, py = r.By;
    const double s = groesse({F.x, F.y, P.x, py});
    if (tolerance::isZero(plane::distance(F, punkt2(P.x, py)), s))
        return ende(fertig(E, 0, 0, 0, 0));
    r.winkel = true;
    double phi = pi / 2;
    if (!tolerance::areEqual(P.x, F.x, s)) {
        const double st = (py - F.y) / (P.x - F.x);
        phi = std::atan(st);
        if (st > 0) phi = pi - phi;
        if (st < 0) phi = -phi;
    }
    double psi = pi / 2;
    if (!tolerance::isZero(m, 1)) {
        psi = std::atan(-1 / m);
        if (m > 0) psi += pi;
    }
    const double delta = pi - psi - phi, rho = pi - phi - 2 * delta;
    r.phi = phi, r.psi = psi, r.delta = delta, r.rho = rho;
    // ρ ≤ 0 leaves no triangle F, P, F2 (sin ρ = 0 would divide by zero).
    if (rho < 0 || tolerance::isZero(std::sin(rho), 1)) return ende(fertig(E, 0, 0, 0, 0));
    r.dreieck = true;
    const double d = std::hypot(P.x - F.x, py - F.y);
    const double e = std::sin(2 * delta) * d / std::sin(rho) / 2;
    r.d = d, r.e = e;
    F2.x = delta <= pi / 2 ? F.x - 2 * e : F.x + 2 * e;
    const double a = (d + std::hypot(P.x - F2.x, py - F2.y)) / 2;
    const double b2 = a * a - e * e;
    if (b2 < 0 || e < 0) return ende(fertig(E, 0, 0, a, 0));
    return ende(fertig(E, (F.x + F2.x) / 2, F.y, a, std::sqrt(b2), "E"));
}

bool EllipseAusBrennpunktTangente(const TPunkt2& F, const TGeradeGl2& t, TEllipse2& E) {
    Gerade2MC g;
    const double e = std::fabs(F.x);
    if (!tolerance::isZero(F.y, e) || !alsSteigungsform(t, g)) return fertig(E, 0, 0, 0, 0);
    if (g.senkrecht) {
        // The tangent touches at a vertex: a = |k|, which must lie beyond the focus.
        const double a = std::fabs(g.k);
        if (a <= e) return fertig(E, 0, 0, a, 0);
        return fertig(E, 0, 0, a, std::sqrt(a * a - e * e));
    }
    const double D = g.c * g.c - e * e * g.m * g.m;
    if (D < 0) return fertig(E, 0, 0, 0, 0);
    const double b = std::sqrt(D / (g.m * g.m + 1));
    return fertig(E, 0, 0, std::sqrt(b * b + e * e), b);
}

bool EllipseAusMittelpunktZweiPunkten(const TPunkt2& M, const TPunkt2& P, const TPunkt2& Q,
                                      TEllipse2& E) {
    const TPunkt2 p = plane::difference(P, M), q = plane::difference(Q, M);
    const double s = groesse({p.x * p.x, p.y * p.y, q.x * q.x, q.y * q.y});
    const double d1 = q.y * q.y - p.y * p.y, d2 = q.x * q.x - p.x * p.x;
    if (tolerance::isZero(d1, s) || tolerance::isZero(d2, s)) return fertig(E, M.x, M.y, 0, 0);
    const double a2 = (p.x * p.x * q.y * q.y - q.x * q.x * p.y * p.y) / d1;
    const double b2 = (p.y * p.y * q.x * q.x - q.y * q.y * p.x * p.x) / d2;
    if (a2 <= 0 || b2 <= 0) return fertig(E, M.x, M.y, 0, 0);
    return fertig(E, M.x, M.y, std::sqrt(a2), std::sqrt(b2));
}

bool EllipseAusMittelpunktAchseTangente(const TPunkt2& M, double a, const TGeradeGl2& t,
                                        TEllipse2& E) {
    Gerade2MC g;
    if (!alsSteigungsform(t, g)) return fertig(E, M.x, M.y, 0, 0, "E: ");
    if (g.senkrecht) {
        const bool beruehrt = tolerance::areEqual(std::fabs(g.k - M.x), std::fabs(a));
        return fertig(E, M.x, M.y, a, beruehrt ? a / 2 : 0, "E: ");
    }
    const double c = g.m * M.x + g.c - M.y;
    const double D = c * c - (a * g.m) * (a * g.m);
    return fertig(E, M.x, M.y, a, D < 0 ? 0 : std::sqrt(D), "E: ");
}

bool TangenteImPunkt(const TEllipse2& E, const TPunkt2& P, Gerade2MC& t) {
    const TPunkt2 p = plane::difference(P, E.M);
    const double s = groesse({P.x, P.y, E.M.x, E.M.y});
    const double a2 = E.a * E.a, b2 = E.b * E.b;
    if (tolerance::isZero(p.y, s)) {
        if (tolerance::isZero(p.x, s)) return false;
        t = {true, 0, 0, a2 / p.x + E.M.x};
        return std::isfinite(t.k);
    }
    const double m = -(b2 * p.x) / (a2 * p.y);
    t = {false, m, b2 / p.y + E.M.y - m * E.M.x, 0};
    return std::isfinite(t.m) && std::isfinite(t.c);
}

Quadratisch EllipseGeradeGleichung(const TEllipse2& E, const Gerade2MC& g) {
    const double a2 = E.a * E.a, b2 = E.b * E.b;
    const double c = g.m * E.M.x + g.c - E.M.y;
    const double n = b2 + a2 * g.m * g.m;
    const double p = 2 * g.m * a2 * c / n, q = a2 * (c * c - b2) / n;
    return {p, q, p * p / 4 - q, c};
}

int LageEllipseGerade(const TEllipse2& E, const Gerade2MC& g) {
    if (g.senkrecht) {
        const double d = std::fabs(g.k - E.M.x), a = std::fabs(E.a);
        if (tolerance::areEqual(d, a, std::fabs(E.M.x))) return 1;
        return d < a ? 2 : 0;
    }
    double D = EllipseGeradeGleichung(E, g).D;
    if (std::fabs(D) < 1e-7) D = 0;
    return D < 0 ? 0 : D == 0 ? 1 : 2;
}

bool SchnittEllipseGerade(const TEllipse2& E, const Gerade2MC& g, TPunkt2& S1, TPunkt2& S2) {
    if (g.senkrecht) {
        const double x = g.k - E.M.x;
        double r = 1 - (x / E.a) * (x / E.a);
        if (LageEllipseGerade(E, g) == 1) r = 0;
        if (!(r >= 0)) return false;
        const double y = E.b * std::sqrt(r);
        S1 = plane::with(S1, x + E.M.x, y + E.M.y);
        S2 = plane::with(S2, x + E.M.x, -y + E.M.y);
        return true;
    }
    Quadratisch k = EllipseGeradeGleichung(E, g);
    if (std::fabs(k.D) < 1e-8) k.D = 0;
    if (!(k.D >= 0)) return false;
    const double x1 = -k.p / 2 + std::sqrt(k.D), x2 = -k.p / 2 - std::sqrt(k.D);
    S1 = plane::with(S1, x1 + E.M.x, g.m * x1 + k.c + E.M.y);
    S2 = plane::with(S2, x2 + E.M.x, g.m * x2 + k.c + E.M.y);
    return true;
}

int LageEllipsePunkt(const TEllipse2& E, const TPunkt2& P) {
    if (E.a == 0) return 0;
    const TPunkt2 p = plane::difference(P, E.M);
    const double k = E.b * E.b * (1 - (p.x / E.a) * (p.x / E.a));
    if (k == p.y * p.y) return 1; // exact: a point on the curve may count as inside or outside
    return k < p.y * p.y ? 2 : 0;
}

bool SchnittZweiEllipsen(const TEllipse2& E1, const TEllipse2& E2, TPunkt2 (&P)[4]) {
    const double a1 = E1.a, b1 = E1.b, a2 = E2.a, b2 = E2.b;
    double D = (b1 * a2) * (b1 * a2) - (b2 * a1) * (b2 * a1);
    if (std::fabs(D) < 1e-8) D = 0;
    // Only concentric ellipses are intersected.
    if (a1 == 0 || b1 == 0 || a2 == 0 || b2 == 0 || E1.M.x != E2.M.x || E1.M.y != E2.M.y || D == 0)
        return false;
    const double x2 = ((a1 * b1 * a2) * (a1 * b1 * a2) - (a2 * b2 * a1) * (a2 * b2 * a1)) / D;
    if (x2 < 0) return false;
    const double x = std::sqrt(x2), r = 1 - (x / a1) * (x / a1);
    if (r < 0) return false;
    const double y = b1 * std::sqrt(r);
    const double xs[4] = {x, -x, -x, x}, ys[4] = {y, y, -y, -y};
    for (int i = 0; i < 4; ++i)
        P[i] = punkt2(xs[i] + E1.M.x, ys[i] + E1.M.y, farbe::Aqua, "P" + std::to_string(i + 1));
    return true;
}
