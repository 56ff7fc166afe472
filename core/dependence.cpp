#include "core/dependence.h"

#include "core/checked.h"
#include "core/relations.h"

#include <cmath>

void Nulldarstellung2(const TPunkt& a, const TPunkt& b, double& la, double& lb) {
    // For parallel vectors b = (b_i/a_i)·a in any component where both are non-zero.
    if (a.x != 0 && b.x != 0) {
        la = -teile(b.x, a.x);
        lb = 1;
    } else if (a.y != 0 && b.y != 0) {
        la = -teile(b.y, a.y);
        lb = 1;
    } else if (a.z != 0 && b.z != 0) {
        la = -teile(b.z, a.z);
        lb = 1;
    } else if (!IstNullvektor(a)) { // then b is the zero vector
        la = 0;
        lb = 1;
    } else {
        la = 1;
        lb = 0;
    }
}

namespace {
// The 2×2 minor u_i·v_j − u_j·v_i of the coordinate pair (i, j), 0 = x, 1 = y, 2 = z.
double komponente(const TPunkt& v, int i) {
    return i == 0 ? v.x : i == 1 ? v.y : v.z;
}
double minor(const TPunkt& u, const TPunkt& v, int i, int j) {
    return komponente(u, i) * komponente(v, j) - komponente(u, j) * komponente(v, i);
}
// A negative factor turns zero components into −0, which would print as "-0"; adding +0 makes
// them plain zeros and changes nothing else.
TPunkt ohneNegativeNull(TPunkt v) {
    v.x += 0.0;
    v.y += 0.0;
    v.z += 0.0;
    return v;
}
double minorGerundet(const TPunkt& u, const TPunkt& v, int i, int j) {
    return Det2_gerundet(komponente(u, i), komponente(u, j), komponente(v, i), komponente(v, j));
}
} // namespace

void Nulldarstellung3(const TPunkt& a, const TPunkt& b, const TPunkt& c, double& la, double& lb,
                      double& lc) {
    double k = 0;
    if (Parallel_mit_Faktor(a, b, k)) {
        Nulldarstellung2(a, b, la, lb);
        lc = 0;
        return;
    }
    if (Parallel_mit_Faktor(a, c, k)) {
        Nulldarstellung2(a, c, la, lc);
        lb = 0;
        return;
    }
    if (Parallel_mit_Faktor(b, c, k)) {
        Nulldarstellung2(b, c, lb, lc);
        la = 0;
        return;
    }
    // a and b span the plane of the three vectors; in a coordinate pair where their minor is not
    // zero, Cramer's rule gives c = (D(c,b)·a + D(a,c)·b) / D(a,b).
    static const int paare[3][2] = {{0, 1}, {1, 2}, {0, 2}};
    int i = -1, j = -1;
    for (const auto& p : paare) {
        if (minorGerundet(a, b, p[0], p[1]) != 0) {
            i = p[0];
            j = p[1];
            break;
        }
    }
    if (i < 0) {
        // Very short vectors: every minor snaps to 0, which would give the trivial representation.
        // Take the pair with the largest minor instead.
        double best = -1;
        for (const auto& p : paare) {
            double m = std::fabs(minor(a, b, p[0], p[1]));
            if (m > best) {
                best = m;
                i = p[0];
                j = p[1];
            }
        }
        la = endlich(minor(c, b, i, j));
        lb = endlich(minor(a, c, i, j));
        lc = -endlich(minor(a, b, i, j));
        return;
    }
    la = endlich(minorGerundet(c, b, i, j));
    lb = endlich(minorGerundet(a, c, i, j));
    lc = -endlich(minorGerundet(a, b, i, j));
}

void Nulldarstellung4(const TPunkt& a, const TPunkt& b, const TPunkt& c, const TPunkt& d,
                      double& la, double& lb, double& lc, double& ld) {
    const double abd = Det3(a, b, d);
    if (determinantIsZero(a, b, d)) {
        Nulldarstellung3(a, b, d, la, lb, ld);
        lc = 0;
        return;
    }
    // Cramer's rule for c = α·a + β·b + δ·d, multiplied by Det3(a, b, d).
    la = Det3(c, b, d);
    lb = Det3(a, c, d);
    lc = -abd;
    ld = Det3(a, b, c);
}

void scalarProductProjections(const TPunkt& p, const TPunkt& q, TPunkt& qAufP, TPunkt& pAufQ) {
    // The projections are taken with their sign: the factor p·q/|p|² is negative for an obtuse
    // angle, so the projection points against p, as the perpendicular foot of q on the line of p
    // really lies. (Built from the acute angle, it would always point along p.)
    const double pq = Skalarprodukt(p, q);
    const double fp = teile(pq, Skalarprodukt(p, p));
    const double fq = teile(pq, Skalarprodukt(q, q));
    qAufP = ohneNegativeNull(vielfaches(p, fp));
    qAufP.Name = "q->p";
    qAufP.Farbe = q.Farbe;
    pAufQ = ohneNegativeNull(vielfaches(q, fq));
    pAufQ.Name = "p->q";
    pAufQ.Farbe = p.Farbe;
}
