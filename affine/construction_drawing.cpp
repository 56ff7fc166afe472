// "Konstruktion zeigen": how each vertex of the triangle (or point 1 and 2 when there is no
// triangle) reaches its image, built on the fixed elements of the recognised type, in silver.
// The maps with a normal form are constructed in its coordinates: a point's coordinates along
// the new axes (auxiliary points "A°" on the axes through the new origin), the coordinates of
// the linear image ("A´°"), and for the types with a shift the shift to the final image.
#include "affine/affine_drawing.h"

#include "core/scene.h"

#include <vector>

using namespace affine;
using namespace affine_zeichnen;

namespace {

constexpr TFarbe Silber = farbe::Silber;

TPunkt2 benannt(TPunkt2 P, const std::string& name) {
    P.Farbe = Silber;
    P.Name = name;
    return P;
}

// O + s·e1 + t·e2
TPunkt2 punkt(const Normalform& n, double s, double t) {
    return plane::sum(n.O, plane::sum(plane::scaled(n.e1, s), plane::scaled(n.e2, t)));
}

void inKoordinaten(DrawContext& z, const Normalform& n, const TPunkt2& P, const TPunkt2& Pb,
                   bool verschoben) {
    const double d = plane::cross(n.e1, n.e2);
    if (d == 0) return;
    const TPunkt2 x = plane::difference(P, n.O);
    const double s = plane::cross(x, n.e2) / d, t = plane::cross(n.e1, x) / d;
    const double sb = n.a11 * s + n.a12 * t, tb = n.a21 * s + n.a22 * t;
    const TPunkt2 A = benannt(punkt(n, s, 0), P.Name + "°");
    const TPunkt2 B = punkt(n, 0, t);
    const TPunkt2 Ab = benannt(punkt(n, sb, 0), P.Name + "´°");
    const TPunkt2 Bb = punkt(n, 0, tb);
    const TPunkt2 Q = benannt(punkt(n, sb, tb), P.Name + "°´");
    strecke(z, P, A, Silber);
    strecke(z, P, B, Silber);
    strecke(z, Q, Ab, Silber);
    strecke(z, Q, Bb, Silber);
    ZeichnePunkt2(z, A);
    ZeichnePunkt2(z, Ab);
    if (verschoben) {
        // The intermediate image, then the shift to the final one.
        ZeichnePunkt2(z, Q);
        strecke(z, Q, Pb, Silber);
    }
}

} // namespace

void Konstruktion_zeichnen(DrawContext& z, const Szene& szene) {
    const AffineObjekte& o = szene.Affin;
    const AffineDaten& d = szene.AffinDaten;
    const Analyse& a = d.analyse;
    std::vector<TPunkt2> punkte;
    if (o.Dreieck)
        punkte.assign(o.D, o.D + 3);
    else {
        if (o.Punkt1) punkte.push_back(o.A);
        if (o.Punkt2) punkte.push_back(o.B);
    }
    const TPunkt2& F = a.fix.F;
    for (const TPunkt2& P : punkte) {
        const TPunkt2 Pb = Bildpunkt(d.M, P);
        switch (a.typ) {
        case Typ::Verschiebung:
            strecke(z, P, Pb, Silber);
            break;
        case Typ::ZentrischeStreckung:
        case Typ::Punktspiegelung:
            ZeichneGerade2(z, plane::lineThrough(F, P), Silber, 1);
            break;
        case Typ::Drehung:
            strecke(z, F, P, Silber);
            strecke(z, F, Pb, Silber);
            break;
        case Typ::Drehstreckung:
            strecke(z, F, P, Silber);
            strecke(z, F, Pb, Silber);
            if (a.normalform.vorhanden) inKoordinaten(z, a.normalform, P, Pb, false);
            break;
        case Typ::keiner:
        case Typ::Identitaet:
            break;
        default: {
            const bool schub = a.typ == Typ::Schubspiegelung ||
                               a.typ == Typ::Schubparallelstreckung || a.typ == Typ::Schubscherung;
            if (a.normalform.vorhanden) inKoordinaten(z, a.normalform, P, Pb, schub);
            break;
        }
        }
    }
    if (a.typ == Typ::ZentrischeStreckung || a.typ == Typ::Punktspiegelung) {
        // The stretch factor carried over: H1 one unit from F, F2 at k units.
        TPunkt2 H1 = plane::with(F, F.x + 1, F.y), F2 = plane::with(F, F.x + a.k1, F.y);
        H1.Farbe = farbe::Lime;
        H1.Name = "H1";
        F2.Farbe = farbe::Aqua;
        F2.Name = "F2";
        strecke(z, F, F2, Silber);
        ZeichnePunkt2(z, H1);
        ZeichnePunkt2(z, F2);
    }
    if (a.fix.art == Fixart::einer) ZeichnePunkt2(z, F);
}
