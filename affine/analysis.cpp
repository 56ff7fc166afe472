#include "affine/analysis.h"

#include "core/errors.h"
#include "core/palette.h"
#include "plane/matrix.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace affine {

namespace {

// The scale of values computed from the map: its largest entry, at least 1 (so that entries of
// a map near the identity count as zero relative to the identity's 1).
double skala(const TAbbildung2& m) {
    return std::max(1.0, matrixGroesse(m));
}

// A zero entry of A − k·I: below 1e-6 it is 0, otherwise rounded to four decimals.
double eintrag(double v) {
    return std::fabs(v) < 1e-6 ? 0.0 : gerundet(v);
}

bool istEinheit(const TAbbildung2& m) {
    const double s = skala(m);
    return tolerance::isZero(m.a11 - 1, s) && tolerance::isZero(m.a22 - 1, s) &&
           tolerance::isZero(m.a12, s) && tolerance::isZero(m.a21, s);
}

// The coordinates (s, t) of x in the basis e1, e2: x = s·e1 + t·e2. False for a flat basis.
bool koordinaten(const TPunkt2& x, const TPunkt2& e1, const TPunkt2& e2, double& s, double& t) {
    const double d = plane::cross(e1, e2);
    if (tolerance::isZero(d, plane::length(e1) * plane::length(e2))) return false;
    s = plane::cross(x, e2) / d + 0.0;
    t = plane::cross(e1, x) / d + 0.0;
    return true;
}

// A direction perpendicular to v: (1, 0) when v.x = 0, (0, 1) when v.y = 0, else (v.y, −v.x).
TPunkt2 senkrecht(const TPunkt2& v) {
    if (v.x == 0) return punkt2(1, 0);
    if (v.y == 0) return punkt2(0, 1);
    return punkt2(v.y, -v.x);
}

TPunkt2 richtung(double x, double y) {
    return punkt2(x + 0.0, y + 0.0);
}

void normalform(const TAbbildung2& m, Analyse& a) {
    Normalform& n = a.normalform;
    n.O = a.fix.F;
    n.O.Name = "O`";
    auto diagonal = [&](double k1, double k2, const TPunkt2& e1, const TPunkt2& e2) {
        n.a11 = k1;
        n.a22 = k2;
        n.e1 = e1;
        n.e2 = e2;
        n.vorhanden = true;
    };
    // The translation in the new coordinates: where the new origin goes, seen from it.
    auto verschiebung = [&] {
        const TPunkt2 Ob = Bildpunkt(m, n.O);
        n.vorhanden = koordinaten(plane::difference(Ob, n.O), n.e1, n.e2, n.t1, n.t2);
    };
    auto ohneFixpunkt = [&] {
        n.O = a.fixgeraden.empty() ? punkt2(0, 0) : a.fixgeraden.front().Stuetz;
        n.O.Name = "O`";
    };
    switch (a.typ) {
    case Typ::Euler:
    case Typ::Streckspiegelung:
    case Typ::Schraegspiegelung:
    case Typ::Parallelstreckung:
        if (a.v1da && a.v2da) diagonal(a.k1, a.k2, a.v1, a.v2);
        break;
    case Typ::ZentrischeStreckung:
    case Typ::Punktspiegelung:
        diagonal(a.k1, a.k1, punkt2(1, 0), punkt2(0, 1));
        break;
    case Typ::Drehung:
    case Typ::Drehstreckung: {
        const double c = (m.a11 + m.a22) / 2;
        const double d = std::sqrt(std::max(0.0, a.D - c * c));
        n.a11 = n.a22 = c;
        n.a12 = -d;
        n.a21 = d;
        // Axes (1, 0) and the part of its image beyond c·(1, 0), scaled by 1/d: in them the
        // matrix is exactly the rotation block (the image itself would not give it).
        n.e1 = punkt2(1, 0);
        if (d == 0) break;
        const TPunkt2 bild = linear(m, n.e1);
        n.e2 = richtung((bild.x - c) / d, bild.y / d);
        n.vorhanden = true;
        break;
    }
    case Typ::Scherstreckung:
    case Typ::Scherung:
    case Typ::Schubscherung: {
        if (!a.v1da) break;
        const double k = a.typ == Typ::Scherstreckung ? a.k1 : 1;
        const TPunkt2 w = senkrecht(a.v1);
        const TPunkt2 x = plane::difference(linear(m, w), plane::scaled(w, k));
        double s = 0, t = 0;
        if (!koordinaten(x, a.v1, w, s, t)) break;
        n.a11 = n.a22 = k;
        n.a12 = s;
        n.e1 = a.v1;
        n.e2 = w;
        n.vorhanden = true;
        if (a.typ == Typ::Schubscherung) {
            ohneFixpunkt();
            verschiebung();
        }
        break;
    }
    case Typ::Schubspiegelung:
    case Typ::Schubparallelstreckung:
        if (!a.v1da || !a.v2da) break;
        diagonal(a.k1, a.k2, a.v1, a.v2);
        ohneFixpunkt();
        verschiebung();
        break;
    case Typ::Verschiebung:
        diagonal(1, 1, a.v1, senkrecht(a.v1));
        ohneFixpunkt();
        verschiebung();
        break;
    case Typ::Identitaet:
        diagonal(1, 1, punkt2(1, 0), punkt2(0, 1));
        n.O = punkt2(0, 0, 0, "O`");
        break;
    case Typ::keiner:
        break;
    }
}

Typ klassifizieren(const Analyse& a) {
    const Fixart f = a.fix.art;
    const double k1 = a.k1, k2 = a.k2;
    const bool spiegelpaar = (k1 == 1 && k2 == -1) || (k1 == -1 && k2 == 1);
    switch (a.fall) {
    case Eigenfall::zweiWerte:
        if (f == Fixart::einer)
            return k1 != 1 && k2 != 1 && k1 != k2 && k2 != -k1 ? Typ::Euler : Typ::Streckspiegelung;
        if (f == Fixart::gerade) {
            if (spiegelpaar) return Typ::Schraegspiegelung;
            if ((k1 == 1) != (k2 == 1)) return Typ::Parallelstreckung;
            return Typ::keiner;
        }
        if (f == Fixart::keiner)
            return spiegelpaar ? Typ::Schubspiegelung : Typ::Schubparallelstreckung;
        return Typ::keiner;
    case Eigenfall::eineRichtung:
        if (f == Fixart::einer && k1 != 1) return Typ::Scherstreckung;
        if (f == Fixart::gerade && k1 == 1) return Typ::Scherung;
        if (f == Fixart::keiner && k1 == 1) return Typ::Schubscherung;
        return Typ::keiner;
    case Eigenfall::alleRichtungen:
        if (f == Fixart::einer && std::fabs(k1) != 1) return Typ::ZentrischeStreckung;
        if (f == Fixart::einer && k1 == -1) return Typ::Punktspiegelung;
        if (f == Fixart::keiner && k1 == 1) return Typ::Verschiebung;
        if (f == Fixart::alle) return Typ::Identitaet;
        return Typ::keiner;
    case Eigenfall::keiner:
        if (f == Fixart::einer) return a.D == 1 ? Typ::Drehung : Typ::Drehstreckung;
        return Typ::keiner;
    }
    return Typ::keiner;
}

void fixgeradenSuchen(const TAbbildung2& m, Analyse& a) {
    auto durchF = [&](const TPunkt2& v) { a.fixgeraden.push_back({a.fix.F, v}); };
    auto suchen = [&](const TPunkt2& v) {
        TGerade2 g;
        bool alle = false;
        if (fixgerade(m, v, g, alle) && !alle) a.fixgeraden.push_back(g);
    };
    switch (a.typ) {
    case Typ::Euler:
    case Typ::Streckspiegelung:
        if (a.v1da) durchF(a.v1);
        if (a.v2da) durchF(a.v2);
        break;
    case Typ::Schraegspiegelung:
    case Typ::Parallelstreckung:
        if (a.v1da && a.k1 == 1) durchF(a.v1);
        if (a.v2da && a.k2 == 1) durchF(a.v2);
        break;
    case Typ::Schubspiegelung:
    case Typ::Schubparallelstreckung:
        if (a.v1da) suchen(a.v1);
        if (a.v2da) suchen(a.v2);
        break;
    case Typ::Scherstreckung:
    case Typ::Scherung:
        if (a.v1da) durchF(a.v1);
        break;
    case Typ::Schubscherung:
        if (a.v1da) suchen(a.v1);
        break;
    default:
        break;
    }
}

} // namespace

double gerundet(double x) {
    return std::round(x * 10000) / 10000 + 0.0;
}

Fixpunkte fixpunkte(const TAbbildung2& m) {
    Fixpunkte f;
    const double c11 = m.a11 - 1, c22 = m.a22 - 1;
    const double D = det2(c11, m.a12, m.a21, c22);
    const double Dx = det2(-m.b1, m.a12, -m.b2, c22);
    const double Dy = det2(c11, -m.b1, m.a21, -m.b2);
    f.F = punkt2(0, 0, farbe::Rot, "F");
    const double s = skala(m);
    if (istEinheit(m)) {
        const bool ohneVerschiebung = tolerance::isZero(m.b1, s) && tolerance::isZero(m.b2, s);
        f.art = ohneVerschiebung ? Fixart::alle : Fixart::keiner;
        return f;
    }
    if (D != 0) {
        f.art = Fixart::einer;
        f.F.x = Dx / D + 0.0;
        f.F.y = Dy / D + 0.0;
        if (!std::isfinite(f.F.x) || !std::isfinite(f.F.y))
            throw MathError(fehlertext::Gleitkommaueberlauf);
        return f;
    }
    if (Dx != 0 || Dy != 0) return f;
    // A line of fixed points: the first equation with a non-zero coefficient gives a point (the
    // other coordinate 0) and the line's direction.
    const double zeilen[2][3] = {{c11, m.a12, -m.b1}, {m.a21, c22, -m.b2}};
    for (const auto& z : zeilen) {
        const bool xDa = !tolerance::isZero(z[0], s), yDa = !tolerance::isZero(z[1], s);
        if (!xDa && !yDa) continue;
        f.art = Fixart::gerade;
        if (xDa)
            f.F.x = z[2] / z[0] + 0.0;
        else
            f.F.y = z[2] / z[1] + 0.0;
        f.gerade = {f.F, richtung(-z[1], z[0])};
        return f;
    }
    return f;
}

bool eigenvektor(const TAbbildung2& m, double k, TPunkt2& v, bool& alle) {
    const double d1 = eintrag(m.a11 - k), a12 = eintrag(m.a12);
    const double a21 = eintrag(m.a21), d2 = eintrag(m.a22 - k);
    alle = false;
    if (d1 == 0 && a12 == 0) {
        if (a21 == 0 && d2 == 0) {
            alle = true;
            return true;
        }
        if (d2 == 0)
            v = richtung(0, 1);
        else if (a21 == 0)
            v = richtung(1, 0);
        else
            v = richtung(1, -a21 / d2);
        return true;
    }
    if (d1 == 0 && a21 == 0) {
        v = richtung(1, 0);
        return true;
    }
    if (d1 != 0 && a12 == 0 && d2 == 0) {
        v = richtung(0, 1);
        return true;
    }
    if (d1 != 0 && a12 != 0 && ((a21 == 0) == (d2 == 0))) {
        v = richtung(1, -d1 / a12);
        return true;
    }
    return false; // the table's (0, 0): no direction
}

bool fixgerade(const TAbbildung2& m, const TPunkt2& v, TGerade2& g, bool& alle) {
    // P + t·v is carried onto itself when (A − I)·P + b is parallel to v, that is when
    // c·P = −b·w with w ⟂ v and c = (A − I)ᵀ·w.
    const TPunkt2 w = punkt2(v.y, -v.x);
    const TPunkt2 c = punkt2((m.a11 - 1) * w.x + m.a21 * w.y, m.a12 * w.x + (m.a22 - 1) * w.y);
    const double bw = m.b1 * w.x + m.b2 * w.y;
    const double s = skala(m) * plane::length(w);
    const double bs = (std::fabs(m.b1) + std::fabs(m.b2)) * plane::length(w);
    alle = false;
    g.Richtung = v;
    if (tolerance::isZero(plane::length(c), s)) {
        if (!tolerance::isZero(bw, std::max(bs, s))) return false;
        alle = true;
        g.Stuetz = punkt2(0, 0);
        return true;
    }
    const double f = -bw / plane::dot(c, c);
    g.Stuetz = punkt2(f * c.x + 0.0, f * c.y + 0.0);
    return true;
}

Analyse analysieren(const TAbbildung2& m) {
    Analyse a;
    a.D = Determinante(m);
    a.p = -(m.a11 + m.a22) + 0.0;
    a.q = m.a11 * m.a22 - m.a12 * m.a21 + 0.0;
    a.Delta = gerundet((a.p / 2) * (a.p / 2) - a.q);
    if (std::fabs(a.Delta) < 1e-7) a.Delta = 0;
    a.fix = fixpunkte(m);
    bool alle = false;
    if (a.Delta > 0) {
        const double k1 = -a.p / 2 + std::sqrt(a.Delta), k2 = -a.p / 2 - std::sqrt(a.Delta);
        a.fall = Eigenfall::zweiWerte;
        a.k1 = gerundet(k1);
        a.k2 = gerundet(k2);
        a.v1da = eigenvektor(m, k1, a.v1, alle) && !alle;
        a.v2da = eigenvektor(m, k2, a.v2, alle) && !alle;
    } else if (a.Delta == 0) {
        const double k = -a.p / 2;
        a.k1 = gerundet(k);
        a.v1da = eigenvektor(m, k, a.v1, alle);
        a.fall = alle ? Eigenfall::alleRichtungen : Eigenfall::eineRichtung;
        if (alle) a.v1da = false;
    }
    a.typ = klassifizieren(a);
    if (a.typ == Typ::Verschiebung) {
        a.v1 = richtung(m.b1, m.b2);
        a.v1da = true;
        a.jedeRichtungFix = true;
    }
    if (a.fall == Eigenfall::keiner && a.q > 0) {
        a.r = std::sqrt(a.q);
        const double c = (m.a11 + m.a22) / (2 * a.r);
        // The true angle between a vector and its image, 0..180 degrees.
        a.phi = std::acos(std::clamp(c, -1.0, 1.0)) * 180 / std::numbers::pi;
    }
    fixgeradenSuchen(m, a);
    normalform(m, a);
    return a;
}

Rechtwinkelpaar rechtwinkelpaar(const TAbbildung2& m) {
    const double alpha = -(m.a11 * m.a12 + m.a21 * m.a22);
    const double beta = m.a12 * m.a12 + m.a22 * m.a22 - m.a11 * m.a11 - m.a21 * m.a21;
    const double gamma = -alpha;
    const double s = matrixGroesse(m) * matrixGroesse(m);
    Rechtwinkelpaar r;
    if (tolerance::isZero(alpha, s)) {
        const double k = tolerance::isZero(beta, s) ? 0.0 : -gamma / beta + 0.0;
        r.r1 = richtung(1, k);
        r.r2 = richtung(-k, 1);
        return r;
    }
    // β² + 4α² > 0: the two roots are real, and their product is −1.
    const double w = std::sqrt(beta * beta + 4 * alpha * alpha);
    r.r1 = richtung(1, (-beta + w) / (2 * alpha));
    r.r2 = richtung(1, (-beta - w) / (2 * alpha));
    return r;
}

const char* ueberschrift(Typ t) {
    switch (t) {
    case Typ::Euler:
        return "EULER-AFFINITÄT !";
    case Typ::Streckspiegelung:
        return "STRECKSPIEGELUNG !";
    case Typ::Schraegspiegelung:
        return "SCHRÄGSPIEGELUNG:";
    case Typ::Parallelstreckung:
        return "PARALLELSTRECKUNG:";
    case Typ::Schubspiegelung:
        return "SCHUBSPIEGELUNG:";
    case Typ::Schubparallelstreckung:
        return "SCHUBPARALLELSTRECKUNG:";
    case Typ::Scherstreckung:
        return "SCHERSTRECKUNG:";
    case Typ::Scherung:
        return "SCHERUNG:";
    case Typ::Schubscherung:
        return "SCHUBSCHERUNG:";
    case Typ::ZentrischeStreckung:
        return "ZENTRISCHE STRECKUNG:";
    case Typ::Punktspiegelung:
        return "PUNKTSPIEGELUNG:";
    case Typ::Verschiebung:
        return "VERSCHIEBUNG:";
    case Typ::Identitaet:
        return "IDENTITÄT:";
    case Typ::Drehung:
        return "D R E H U N G:";
    case Typ::Drehstreckung:
        return "DREHSTRECKUNG:";
    case Typ::keiner:
        break;
    }
    return "";
}

const char* typname(Typ t) {
    switch (t) {
    case Typ::Euler:
        return "Euler";
    case Typ::Streckspiegelung:
        return "Streckspiegelung";
    case Typ::Schraegspiegelung:
        return "Schrägspiegelung";
    case Typ::Parallelstreckung:
        return "Parallelstreckung";
    case Typ::Schubspiegelung:
        return "Schubspiegelung";
    case Typ::Schubparallelstreckung:
        return "Schubparallelstreckung";
    case Typ::Scherstreckung:
        return "Scherstreckung";
    case Typ::Scherung:
        return "Scherung";
    case Typ::Schubscherung:
        return "Schubscherung";
    case Typ::ZentrischeStreckung:
        return "Zentrische Streckung";
    case Typ::Punktspiegelung:
        return "Punktspiegelung";
    case Typ::Verschiebung:
        return "Verschiebung";
    case Typ::Identitaet:
        return "Identität";
    case Typ::Drehung:
        return "Drehung";
    case Typ::Drehstreckung:
        return "Drehstreckung";
    case Typ::keiner:
        break;
    }
    return "";
}

} // namespace affine
