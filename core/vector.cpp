#include "core/vector.h"

#include "core/checked.h"
#include "core/number_text.h"
#include "core/tolerance.h"

#include <cmath>

namespace {
// Writes x, y, z of erg after checking that none of them overflowed.
void setze(TPunkt& erg, double x, double y, double z) {
    erg.x = endlich(x);
    erg.y = endlich(y);
    erg.z = endlich(z);
}
} // namespace

void Vielfaches(const TPunkt& p, double s, TPunkt& erg) {
    setze(erg, s * p.x, s * p.y, s * p.z);
}

void Summe(const TPunkt& a, const TPunkt& b, TPunkt& erg) {
    setze(erg, a.x + b.x, a.y + b.y, a.z + b.z);
}

void Differenz(const TPunkt& a, const TPunkt& b, TPunkt& erg) {
    TFarbe f = b.Farbe;
    setze(erg, a.x - b.x, a.y - b.y, a.z - b.z);
    erg.Farbe = f;
}

double Skalarprodukt(const TPunkt& a, const TPunkt& b) {
    return endlich(a.x * b.x + a.y * b.y + a.z * b.z);
}

namespace {
// p − q for two products that cancel exactly in decimal arithmetic leaves a rounding remainder;
// it is taken as 0 relative to the size of the two products.
double minor(double p, double q) {
    return tolerance::snapped(endlich(p - q), std::fabs(p) + std::fabs(q));
}
} // namespace

void Kreuzprodukt(const TPunkt& a, const TPunkt& b, TPunkt& erg) {
    // The components are cleaned of rounding remainders, so that parallel decimal vectors give
    // the zero vector and a normal built from them has exact zero components where it should.
    setze(erg, minor(a.y * b.z, a.z * b.y), -minor(a.x * b.z, a.z * b.x),
          minor(a.x * b.y, a.y * b.x));
}

double Laenge(const TPunkt& v) {
    return wurzel(endlich(v.x * v.x + v.y * v.y + v.z * v.z));
}

double Laenge_gerundet(const TPunkt& v) {
    double q = endlich(v.x * v.x + v.y * v.y + v.z * v.z);
    if (q < 1e-8) return 0.0;
    return wurzel(q);
}

void Einheitsvektor(const TPunkt& v, TPunkt& erg) {
    double l = Laenge(v);
    setze(erg, teile(v.x, l), teile(v.y, l), teile(v.z, l));
}

double Abstand(const TPunkt& a, const TPunkt& b) {
    double dz = a.z - b.z, dy = a.y - b.y, dx = a.x - b.x;
    return wurzel(endlich(dz * dz + dy * dy + dx * dx));
}

std::string AbstandText(const TPunkt& a, const TPunkt& b) {
    return ZahlText(Abstand(a, b));
}

void Mittelpunkt(const TPunkt& a, const TPunkt& b, TPunkt& erg) {
    TFarbe f = a.Farbe;
    setze(erg, (a.x + b.x) / 2, (a.y + b.y) / 2, (a.z + b.z) / 2);
    erg.Name = "M";
    erg.Farbe = f;
}

void Schwerpunkt(const TPunkt& a, const TPunkt& b, const TPunkt& c, TPunkt& erg) {
    TFarbe f = a.Farbe;
    const double s = 1.0 / 3.0;
    setze(erg, (a.x + b.x + c.x) * s, (a.y + b.y + c.y) * s, (a.z + b.z + c.z) * s);
    erg.Name = "S";
    erg.Farbe = f;
}

void Spiegelpunkt(const TPunkt& a, const TPunkt& f, TPunkt& erg) {
    TFarbe farbe = a.Farbe;
    setze(erg, a.x + 2 * (f.x - a.x), a.y + 2 * (f.y - a.y), a.z + 2 * (f.z - a.z));
    erg.Name = "SpA";
    erg.Farbe = farbe;
}

bool IstNullvektor(const TPunkt& v) {
    return v.x == 0 && v.y == 0 && v.z == 0;
}

bool GleichePunkte(const TPunkt& a, const TPunkt& b) {
    return a.x == b.x && a.y == b.y && a.z == b.z;
}

double Winkel(const TPunkt& a, const TPunkt& b) {
    double c = teile(Skalarprodukt(a, b), endlich(Laenge_gerundet(a) * Laenge_gerundet(b)));
    // c is a cosine, so its scale is 1.
    if (tolerance::isZero(c, 1)) return 90.0;
    // For a tiny c the quotient may leave the double range; arctan of it is then 90 degrees.
    double c2 = c * c;
    if (c2 == 0) return 90.0;
    double q = std::fabs(1 - c2) / c2;
    if (std::isinf(q)) return 90.0;
    return std::atan(std::sqrt(q)) * 180.0 / PI;
}

TPunkt summe(const TPunkt& a, const TPunkt& b) {
    TPunkt e = a;
    Summe(a, b, e);
    return e;
}
TPunkt differenz(const TPunkt& a, const TPunkt& b) {
    TPunkt e = a;
    Differenz(a, b, e);
    return e;
}
TPunkt vielfaches(const TPunkt& p, double s) {
    TPunkt e = p;
    Vielfaches(p, s, e);
    return e;
}
TPunkt kreuzprodukt(const TPunkt& a, const TPunkt& b) {
    TPunkt e = a;
    Kreuzprodukt(a, b, e);
    return e;
}

bool IstGanzzahl(long double q) {
    return std::truncl(q) == q;
}

void Vereinfachen(TPunkt& v) {
    double* c[3] = {&v.x, &v.y, &v.z};
    for (int i = 0; i < 3; ++i) {
        double k = *c[i];
        if (k == 0) continue;
        double* a = c[(i + 1) % 3];
        double* b = c[(i + 2) % 3];
        if (IstGanzzahl(static_cast<long double>(*a) / k) &&
            IstGanzzahl(static_cast<long double>(*b) / k)) {
            // The quotients are whole in extended precision but may still leave the double
            // range (1e300 / 1e-300).
            *c[i] = 1;
            *a = teile(*a, k);
            *b = teile(*b, k);
        }
    }
}

void Kuerzen(TPunkt& v) {
    for (int k = 100; k >= 2; --k) {
        const long double lk = k;
        if (IstGanzzahl(v.x / lk) && IstGanzzahl(v.y / lk) && IstGanzzahl(v.z / lk)) {
            // Multiplied by 1/k in extended precision: with a double 1/k, 6·(1/3) would come out
            // as 1.9999999999999998 instead of 2.
            const long double f = 1.0L / lk;
            v.x = static_cast<double>(v.x * f);
            v.y = static_cast<double>(v.y * f);
            v.z = static_cast<double>(v.z * f);
        }
    }
}

double Det3(const TPunkt& a, const TPunkt& b, const TPunkt& c) {
    return endlich(a.x * (b.y * c.z - b.z * c.y) - b.x * (a.y * c.z - a.z * c.y) +
                   c.x * (a.y * b.z - a.z * b.y));
}

bool determinantIsZero(const TPunkt& a, const TPunkt& b, const TPunkt& c) {
    // Each row is divided by its size first: the decision then does not depend on the units, and
    // products of tiny coordinates cannot underflow to a false 0.
    TPunkt zeilen[3] = {a, b, c};
    for (TPunkt& z : zeilen) {
        const double s = tolerance::size(z);
        if (s == 0) return true; // a zero row: the input itself is 0, not a computed value
        z.x /= s;
        z.y /= s;
        z.z /= s;
    }
    return tolerance::isZero(Det3(zeilen[0], zeilen[1], zeilen[2]), 1);
}

void Cramer3(const TPunkt& a, const TPunkt& b, const TPunkt& c, const TPunkt& r, bool& geloest,
             TPunkt& erg) {
    double d = Det3(a, b, c);
    if (determinantIsZero(a, b, c)) {
        geloest = false;
        return;
    }
    TPunkt ax = a, bx = b, cx = c;
    ax.x = r.x, bx.x = r.y, cx.x = r.z;
    TPunkt ay = a, by = b, cy = c;
    ay.y = r.x, by.y = r.y, cy.y = r.z;
    TPunkt az = a, bz = b, cz = c;
    az.z = r.x, bz.z = r.y, cz.z = r.z;
    double x = teile(Det3(ax, bx, cx), d);
    double y = teile(Det3(ay, by, cy), d);
    double z = teile(Det3(az, bz, cz), d);
    setze(erg, x, y, z);
    geloest = true;
}

double Det2_gerundet(double a, double b, double c, double d) {
    double r = endlich(a * d - c * b);
    if (std::fabs(r - 1) < 1e-8) return 1;
    if (std::fabs(r) < 1e-8) return 0;
    return r;
}
