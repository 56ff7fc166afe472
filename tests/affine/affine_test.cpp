// The affine map model: the classification of the fourteen examples and the identity (types
// worked out by hand), the fixed faults, and seeded properties against independent computation.
#include "affine/affine_scene.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

using namespace affine;

namespace {

struct Fall {
    const char* name;
    double a11, a21, a12, a22, b1, b2;
    Typ typ;
    Fixart fix;
    int fixgeraden;
};

// clang-format off
const Fall faelle[] = {
    {"Verschiebung", 1, 0, 0, 1, 1, 1, Typ::Verschiebung, Fixart::keiner, 0},
    {"Zentrische Streckung", 2, 0, 0, 2, 0, 0, Typ::ZentrischeStreckung, Fixart::einer, 0},
    {"Punktspiegelung", -1, 0, 0, -1, 0, 0, Typ::Punktspiegelung, Fixart::einer, 0},
    {"Parallelstreckung", 1, 0, 0, 2, 0, 0, Typ::Parallelstreckung, Fixart::gerade, 1},
    {"Schrägspiegelung", 1, 0, 0, -1, 0, 0, Typ::Schraegspiegelung, Fixart::gerade, 1},
    {"Euler-Affinität", 2, 0, 0, 3, 0, 0, Typ::Euler, Fixart::einer, 2},
    {"Streckspiegelung", 2, 0, 0, -2, 0, 0, Typ::Streckspiegelung, Fixart::einer, 2},
    // y' = 2y + 1 keeps y = −1; x' = x + 2 moves every vertical line.
    {"Schubparallelstreckung", 1, 0, 0, 2, 2, 1, Typ::Schubparallelstreckung, Fixart::keiner, 1},
    // The glide axis y = 0.5.
    {"Schubspiegelung", 1, 0, 0, -1, 2, 1, Typ::Schubspiegelung, Fixart::keiner, 1},
    {"Scherung", 1, 0, 1, 1, 0, 0, Typ::Scherung, Fixart::gerade, 1},
    {"Scherstreckung", 2, 0, 1, 2, 0, 0, Typ::Scherstreckung, Fixart::einer, 1},
    // b is not along the shear direction: no line is kept.
    {"Schubscherung", 1, 0, 1, 1, 2, 1, Typ::Schubscherung, Fixart::keiner, 0},
    {"Drehung", 0.5, 0.866025404, -0.866025404, 0.5, 0, 0, Typ::Drehung, Fixart::einer, 0},
    {"Drehstreckung", 1, -1.732050808, 1.732050808, 1, 0, 0, Typ::Drehstreckung, Fixart::einer, 0},
    {"Identität", 1, 0, 0, 1, 0, 0, Typ::Identitaet, Fixart::alle, 0},
};
// clang-format on

// The normal form is the map in its coordinates: O + s·e1 + t·e2 goes to
// O + (N·(s, t) + (t1, t2)) in the same coordinates.
void normalformPruefen(const TAbbildung2& m, const Analyse& a) {
    const Normalform& nf = a.normalform;
    ASSERT_TRUE(nf.vorhanden);
    const TPunkt2 X =
        plane::sum(nf.O, plane::sum(plane::scaled(nf.e1, 2), plane::scaled(nf.e2, -1)));
    const double s2 = nf.a11 * 2 - nf.a12 + nf.t1, t2 = nf.a21 * 2 - nf.a22 + nf.t2;
    const TPunkt2 Y =
        plane::sum(nf.O, plane::sum(plane::scaled(nf.e1, s2), plane::scaled(nf.e2, t2)));
    const TPunkt2 B = Bildpunkt(m, X);
    EXPECT_NEAR(B.x, Y.x, 1e-3 * (1 + std::fabs(B.x)));
    EXPECT_NEAR(B.y, Y.y, 1e-3 * (1 + std::fabs(B.y)));
}

TGeradeGl2 gerade(double u, double v, double w) {
    TGeradeGl2 g;
    g.u = u;
    g.v = v;
    g.w = w;
    return g;
}

TAbbildung2 karte(const Fall& f) {
    return abbildung(f.a11, f.a21, f.a12, f.a22, f.b1, f.b2);
}

TEST(AffineAnalyse, EveryKindOfTheClassificationWithItsFixedElements) {
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        const Analyse a = analysieren(karte(f));
        EXPECT_EQ(a.typ, f.typ);
        EXPECT_EQ(a.fix.art, f.fix);
        EXPECT_EQ(static_cast<int>(a.fixgeraden.size()), f.fixgeraden);
        EXPECT_NE(std::string(ueberschrift(a.typ)), "");
        normalformPruefen(karte(f), a);
        for (const TGerade2& g : a.fixgeraden) {
            // A fixed line goes onto itself: the image of its support point lies on it.
            const TPunkt2 B = Bildpunkt(karte(f), g.Stuetz);
            EXPECT_NEAR(plane::cross(plane::difference(B, g.Stuetz), g.Richtung), 0, 1e-9);
        }
    }
    EXPECT_STREQ(ueberschrift(Typ::Drehung), "D R E H U N G:");
}

TEST(AffineAnalyse, RotationAngleIsTheTrueAngleAndFactorsAreRounded) {
    const Analyse drehung = analysieren(karte(faelle[12]));
    EXPECT_NEAR(drehung.r, 1, 1e-8);
    EXPECT_NEAR(drehung.phi, 60, 1e-6);
    EXPECT_NEAR(analysieren(karte(faelle[13])).phi, 60, 1e-6);
    const double c = std::cos(2 * M_PI / 3), s = std::sin(2 * M_PI / 3);
    EXPECT_NEAR(analysieren(abbildung(c, s, -s, c, 0, 0)).phi, 120, 1e-6);
    // The rounded discriminant moves the eigenvalues off those of the rounded entries: the
    // table's (0, 0) is no direction and is neither written nor drawn.
    const Analyse null = analysieren(abbildung(1, 0.00004, 1, 1.03, 0, 0));
    EXPECT_EQ(null.fall, Eigenfall::zweiWerte);
    EXPECT_FALSE(null.v1da || null.v2da);
    // Eigenvalues that differ from 1 beyond the fourth decimal count as 1.
    EXPECT_EQ(analysieren(abbildung(1.00001, 0, 0, 2, 0, 0)).k2, 1);
}

TEST(AffineAbbildung, FailuresGiveNoMapNoLineNoPreImage) {
    TAbbildung2 m = abbildung(1, 2, 3, 4, 5, 6), vorher = m;
    const TPunkt2 kollinear[3] = {punkt2(0, 0), punkt2(1, 1), punkt2(2, 2)};
    EXPECT_FALSE(AbbildungAusDreiPunkten(kollinear, kollinear, m));
    EXPECT_FALSE(AbbildungAusFixpunkten(punkt2(1, 0), punkt2(3, 2), punkt2(1, 0), punkt2(0, 1), m));
    EXPECT_FALSE(AbbildungAusFixpunktgerade(punkt2(1, 1), punkt2(3, 2), gerade(0, 0, 0), m));
    EXPECT_EQ(m.a12, vorher.a12);
    TGeradeGl2 bild;
    TPunkt2 P;
    EXPECT_EQ(Bildgerade(m, gerade(0, 0, 0), bild, P), Bildgeradenfehler::keineGerade);
    // Under a projection onto the x axis the vertical line x = 1 becomes a point.
    const TAbbildung2 projektion = abbildung(1, 0, 0, 0, 0, 0);
    EXPECT_EQ(Bildgerade(projektion, gerade(1, 0, 1), bild, P), Bildgeradenfehler::nurEinPunkt);
    EXPECT_FALSE(Urbildpunkt(projektion, punkt2(4, 2), P));
    ASSERT_TRUE(Urbildpunkt(m, punkt2(4, 2, 0, "H´"), P));
    EXPECT_EQ(P.Name, "H");
    // The scene keeps slot 1 and shows nothing for a collinear definition.
    AffineSlots slots;
    AffineObjekte o;
    AffineDaten d;
    o.DreiPunkte = true;
    for (int i = 0; i < 3; ++i) o.Urbilder[i] = o.Bilder[i] = kollinear[i];
    Affin_ableiten(slots, o, d);
    EXPECT_TRUE(d.kollinear);
    EXPECT_FALSE(d.gezeigt || slots.Abb[0].festgelegt);
}

TEST(AffineAbbildung, AreasCompositionAndNames) {
    const TPunkt2 A = punkt2(0, 0), B = punkt2(1, 0), C = punkt2(0, 1, 0, "P");
    const TAbbildung2 m = abbildung(2, 0, 0, 1, 3, 0); // det 2
    EXPECT_EQ(Dreiecksflaeche(A, B, C), 0.5);
    EXPECT_EQ(Dreiecksflaeche(Bildpunkt(m, A), Bildpunkt(m, B), Bildpunkt(m, C)), 1);
    EXPECT_EQ(Bildpunkt(m, C).Name, "P´");
    // Map 3 after map 2: a shift after a doubling.
    const TAbbildung2 v = Verkettung(abbildung(1, 0, 0, 1, 1, 0), m);
    EXPECT_EQ(v.a11, 2);
    EXPECT_EQ(v.b1, 4);
}

// Seeded random maps: the fixed point stays, A·v = k·v for every written eigenvector, the
// inverse undoes the map, and three random correspondences give a map that keeps them.
TEST(AffineEigenschaften, RandomMapsAgainstIndependentComputation) {
    std::mt19937 rng(14);
    std::uniform_int_distribution<int> ganz(-5, 5);
    std::uniform_real_distribution<double> reell(-10, 10);
    for (int n = 0; n < 2000; ++n) {
        const TAbbildung2 m =
            abbildung(ganz(rng), ganz(rng), ganz(rng), ganz(rng), ganz(rng), ganz(rng));
        SCOPED_TRACE(n);
        const Analyse a = analysieren(m);
        if (a.fix.art == Fixart::einer) {
            const TPunkt2 F = Bildpunkt(m, a.fix.F);
            EXPECT_NEAR(F.x, a.fix.F.x, 1e-9 * (1 + std::fabs(F.x)));
            EXPECT_NEAR(F.y, a.fix.F.y, 1e-9 * (1 + std::fabs(F.y)));
        }
        const std::pair<bool, std::pair<TPunkt2, double>> ev[] = {{a.v1da, {a.v1, a.k1}},
                                                                  {a.v2da, {a.v2, a.k2}}};
        if (a.fall != Eigenfall::alleRichtungen && a.typ != Typ::Verschiebung)
            for (const auto& [da, vk] : ev) {
                if (!da) continue;
                const auto& [v, k] = vk;
                EXPECT_GT(plane::length(v), 0);
                const TPunkt2 Av = linear(m, v);
                const double s = 1e-3 * (1 + std::fabs(k)) * (1 + plane::length(v));
                EXPECT_NEAR(Av.x, k * v.x, s);
                EXPECT_NEAR(Av.y, k * v.y, s);
            }
        if (a.typ != Typ::keiner) normalformPruefen(m, a);
        // Whole entries give exact eigenvalues: every eigenvalue has its direction.
        if (a.fall == Eigenfall::zweiWerte) {
            EXPECT_TRUE(a.v1da && a.v2da);
        }
        if (a.fall == Eigenfall::eineRichtung) {
            EXPECT_TRUE(a.v1da);
        }
        // The invariant right-angle pair stays perpendicular under A.
        const Rechtwinkelpaar r = rechtwinkelpaar(m);
        EXPECT_NEAR(plane::dot(r.r1, r.r2), 0, 1e-9 * plane::length(r.r1) * plane::length(r.r2));
        EXPECT_NEAR(plane::dot(linear(m, r.r1), linear(m, r.r2)), 0,
                    1e-9 * 100 * plane::length(r.r1) * plane::length(r.r2));
        // The image line holds the images of two points of the line.
        const TGeradeGl2 g = gerade(ganz(rng), ganz(rng), 3);
        TGeradeGl2 bild;
        TPunkt2 G1, G2, einPunkt;
        if (Bildgerade(m, g, bild, einPunkt) == Bildgeradenfehler::keiner && ZweiPunkte(g, G1, G2))
            for (const TPunkt2* G : {&G1, &G2}) {
                const TPunkt2 B = Bildpunkt(m, *G);
                EXPECT_NEAR(bild.u * B.x + bild.v * B.y, bild.w,
                            1e-9 * (1 + std::fabs(bild.w) + 100 * std::fabs(bild.u) +
                                    100 * std::fabs(bild.v)));
            }
        TAbbildung2 inv;
        if (Inverse(m, inv)) {
            const TAbbildung2 id = Verkettung(inv, m);
            const double e[6] = {1, 0, 0, 1, 0, 0};
            for (int i = 0; i < 6; ++i) EXPECT_NEAR(wert(id, i), e[i], 1e-9);
        }
        TPunkt2 P[3], Q[3];
        for (int i = 0; i < 3; ++i) {
            P[i] = punkt2(reell(rng), reell(rng));
            Q[i] = punkt2(reell(rng), reell(rng));
        }
        TAbbildung2 d;
        const double flaeche =
            plane::cross(plane::difference(P[1], P[0]), plane::difference(P[2], P[0]));
        ASSERT_EQ(AbbildungAusDreiPunkten(P, Q, d), std::fabs(flaeche) > 1e-6);
        if (std::fabs(flaeche) <= 1e-6) continue;
        for (int i = 0; i < 3; ++i) {
            const TPunkt2 B = Bildpunkt(d, P[i]);
            EXPECT_NEAR(B.x, Q[i].x, 1e-7);
            EXPECT_NEAR(B.y, Q[i].y, 1e-7);
        }
        // A point, its image and a line of fixed points: both of the line's points stay.
        const TGeradeGl2 f = gerade(ganz(rng), ganz(rng), 2);
        TPunkt2 F1, F2;
        if (!ZweiPunkte(f, F1, F2)) continue;
        for (const TPunkt2* F : {&F1, &F2}) EXPECT_NEAR(f.u * F->x + f.v * F->y, f.w, 1e-12);
        if (!AbbildungAusFixpunktgerade(P[0], Q[0], f, d)) continue;
        for (const TPunkt2* F : {&F1, &F2})
            EXPECT_NEAR(plane::distance(Bildpunkt(d, *F), *F), 0, 1e-7);
        EXPECT_NEAR(plane::distance(Bildpunkt(d, P[0]), Q[0]), 0, 1e-7);
    }
}

} // namespace
