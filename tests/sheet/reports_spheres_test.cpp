#include "sheet/reports_spheres.h"

#include "report_test_util.h"

#include <gtest/gtest.h>

using namespace berichttest;

namespace {

TKugel kugel(double x, double y, double z, double r) {
    TKugel K;
    K.M = punkt(x, y, z, 0, "M");
    K.r = r;
    K.Name = "K: ";
    return K;
}

TKugelV kugelV(double ax, double ay, double az, double c) {
    TKugelV V;
    V.a = punkt(ax, ay, az);
    V.c = c;
    V.Name = "K: ";
    return V;
}

TGerade gerade(TPunkt p, TPunkt u) {
    TGerade g;
    g.Stuetz = p;
    g.Richtung = u;
    g.Name = "g:";
    return g;
}

TEbeneNorm ebene(double nx, double ny, double nz, double d) {
    TEbeneNorm E;
    E.Normale = punkt(nx, ny, nz);
    E.d = d;
    E.Name = "E: ";
    return E;
}

} // namespace

TEST(KugelBericht, KugelAllein) {
    TestBlatt b;
    Ergebnis_KugelV(b.s, kugelV(2, 4, 6, -10), b.x, b.y);
    // m = a/2 = (1, 2, 3), r = sqrt(1 + 4 + 9 - 10) = 2; only |m.x| and |m.y| are <= 2, so the
    // circles lie in x1 = 0 and x2 = 0; |m| = sqrt(14) = 3.7417.
    EXPECT_TRUE(amStueck(texte(b.s),
                         {"Mittelpunkt der Kugel: ", "M(1/2/3)", "Radius: r = 2.000",
                          "Schnittkreise mit der Koordinatenebenen:", "M23(0/2/3)", "M13(1/0/3)",
                          "Abstand vom Ursprung: d = 3.742", "Usprungsgerade durch M:"}));
    EXPECT_EQ(zeilenAbstand(b.s, "Radius: r = 2.000", "Schnittkreise mit der Koordinatenebenen:"),
              2);
    ASSERT_TRUE(findeTeil(b.s, "x +10 = 0"));
    EXPECT_EQ(findeTeil(b.s, "x +10 = 0")->farbe, farbe::Schwarz);
    EXPECT_EQ(findeTeil(b.s, ") = 2")->farbe, farbe::Dunkelrot);
    // The given vector form is clickable, the computed centre form is not.
    EXPECT_EQ(inSpalte(b.s, b.s.anker.kugelA[0], 2), '6');
    EXPECT_EQ(imFeld(b.s, b.s.anker.kugelC[0]), '1');
    EXPECT_FALSE(b.s.anker.kugelM[0].gesetzt || b.s.anker.kugelR[0].gesetzt);

    TestBlatt m;
    Ergebnis_Kugel(m.s, kugel(1, 2, 3, 2), m.x, m.y);
    EXPECT_EQ(texte(m.s), texte(b.s)); // c = r² - m·m = -10: the same sheet
    EXPECT_EQ(inSpalte(m.s, m.s.anker.kugelM[0], 0), '1');
    EXPECT_EQ(inSpalte(m.s, m.s.anker.kugelM[0], 1), '2');
    EXPECT_EQ(imFeld(m.s, m.s.anker.kugelR[0]), '2');
    EXPECT_FALSE(m.s.anker.kugelA[0].gesetzt || m.s.anker.kugelC[0].gesetzt);
}

TEST(KugelBericht, PunktAusserhalbMitPolarebeneKreisUndKegel) {
    TestBlatt b;
    // m = (1, 1, 1), r = 3, P = (1, 1, 6): |P - m| = 5. Polar plane n = (0, 0, 5), d = 5 + 9 = 14,
    // i.e. x3 = 2.8: circle centre (1, 1, 2.8), rk = sqrt(9 - 1.8²) = 2.4, area 5.76π = 18.0956;
    // P is 3.2 from the plane, cone volume 3.2 · 5.76π / 3 = 19.3019.
    Ergebnis_Kugel_Punkt(b.s, kugel(1, 1, 1, 3), punkt(1, 1, 6, 0, "P"), b.x, b.y);
    const auto t = texte(b.s);
    EXPECT_TRUE(amStueck(
        t, {"Punkt:", "P(1/1/6)", "Punkt außerhalb der Kugel !", "Tangential oder Polarebene:"}));
    EXPECT_TRUE(amStueck(
        t, {"Schnittkreis:", "Mk(1/1/2.8)", "Radius: r = 2.4", "Schnittkreisfläche: A = 18.096",
            "Abstand: Pol-Polarebene:", "d = 3.200",
            "Tangetialkegel vom Pol aus:", "Volumen = 19.302", "Gerade durch P und M (Mk):"}));
    EXPECT_TRUE(findeTeil(b.s, "x - 14 = 0"));
    EXPECT_EQ(zeilenAbstand(b.s, "Punkt außerhalb der Kugel !", "Tangential oder Polarebene:"), 2);
    EXPECT_EQ(finde(b.s, "P(1/1/6)")->farbe, farbe::Dunkelrot);
    EXPECT_EQ(finde(b.s, "Punkt außerhalb der Kugel !")->farbe, farbe::Schwarz);
    EXPECT_EQ(zeichenBei(b.s, b.s.anker.punkt[0].x3 + 1, b.s.anker.punkt[0].y + 2), '6');
}

TEST(KugelBericht, PunktAufInnerhalbUndImMittelpunkt) {
    {
        // On the sphere: tangent plane n = (0, 0, 3), d = 3 + 9 = 12, reduced by 3 to x3 = 4; it
        // touches in P itself. No area, no cone.
        TestBlatt b;
        Ergebnis_Kugel_Punkt(b.s, kugel(1, 1, 1, 3), punkt(1, 1, 4, 0, "P"), b.x, b.y);
        const auto t = texte(b.s);
        EXPECT_TRUE(amStueck(
            t, {"P(1/1/4)", "Punkt liegt auf der Kugel !", "Tangential oder Polarebene:"}));
        EXPECT_TRUE(inFolge(
            t, {"Schnittkreis:", "Mk(1/1/4)", "Radius: r = 0", "Gerade durch P und M (Mk):"}));
        EXPECT_TRUE(findeTeil(b.s, "x - 4 = 0"));
        EXPECT_FALSE(findeTeil(b.s, "Schnittkreisfläche") || findeTeil(b.s, "Pol-Polarebene") ||
                     findeTeil(b.s, "Tangetialkegel"));
    }
    {
        TestBlatt b;
        Ergebnis_Kugel_Punkt(b.s, kugel(1, 1, 1, 3), punkt(1, 1, 2, 0, "P"), b.x, b.y);
        EXPECT_TRUE(amStueck(
            texte(b.s), {"P(1/1/2)", "Punkt innerhalb der Kugel", "Gerade durch P und M (Mk):"}));
        EXPECT_FALSE(findeTeil(b.s, "Tangential"));
    }
    {
        // At the centre: no line through P and M. Given in vector form a = (2, 2, 2), c = 6.
        TestBlatt b;
        Ergebnis_KugelV_Punkt(b.s, kugelV(2, 2, 2, 6), punkt(1, 1, 1, 0, "P"), b.x, b.y);
        const auto t = texte(b.s);
        EXPECT_TRUE(inFolge(t, {"M(1/1/1)", "Radius: r = 3.000", "Punkt:", "P(1/1/1)",
                                "Punkt innerhalb der Kugel"}));
        EXPECT_EQ(t.back(), "Punkt innerhalb der Kugel");
        EXPECT_TRUE(b.s.anker.kugelA[0].gesetzt && b.s.anker.punkt[0].gesetzt);
        EXPECT_FALSE(b.s.anker.kugelM[0].gesetzt);
    }
}

TEST(KugelBericht, GeradeSchneidetKugel) {
    TestBlatt b;
    // r = 5 around the origin, g: (-10, 3, 0) + t(1, 0, 0): t² - 20t + 84 = 0, t = 14 or 6.
    // Nearest/farthest points: on the perpendicular through M towards (0, 3, 0).
    Ergebnis_Kugel_Gerade(b.s, kugel(0, 0, 0, 5), gerade(punkt(-10, 3, 0), punkt(1, 0, 0)), b.x,
                          b.y);
    const auto t = texte(b.s);
    EXPECT_TRUE(inFolge(t, {"Gerade:", "Abstand vom Ursprung: d = 3.000",
                            "Lotfußpunkt vom Ursprung:", "L(0/3/0)", "Spurpunkte:", "S23(0/3/0)"}));
    EXPECT_TRUE(amStueck(t, {"Schnittpunkte Kugel-Gerade:", "S1(4/3/0)", "S2(-4/3/0)",
                             "Abstand der Schnittpunkte: d =8", "Entfernteste Punkte von g auf K:",
                             "F1(0/5/0)", "F2(0/-5/0)", "Lot von M auf g:"}));
    EXPECT_EQ(t.back(), "L(0/3/0)");
    EXPECT_TRUE(b.s.anker.kugelM[0].gesetzt);
    EXPECT_EQ(inSpalte(b.s, b.s.anker.gerade[0][1], 0), '1');
}

TEST(KugelBericht, GeradeBeruehrtOderGehtDurchDenMittelpunkt) {
    {
        // Distance 5.00001 from the centre of a sphere of radius 5: counts as touching.
        TestBlatt b;
        Ergebnis_Kugel_Gerade(b.s, kugel(0, 0, 0, 5),
                              gerade(punkt(-10, 5.00001, 0), punkt(1, 0, 0)), b.x, b.y);
        EXPECT_TRUE(amStueck(texte(b.s),
                             {"Schnittpunkte Kugel-Gerade:", "Gerade berührt Kugel:", "S1(0/5/0)",
                              "Entfernteste Punkte von g auf K:", "F1(0/5/0)", "F2(0/-5/0)"}));
    }
    {
        // Through M: t = 10 ± 5; the nearest/farthest points use the direction (0, 1, 0).
        TestBlatt b;
        Ergebnis_Kugel_Gerade(b.s, kugel(0, 0, 0, 5), gerade(punkt(-10, 0, 0), punkt(1, 0, 0)), b.x,
                              b.y);
        const auto t = texte(b.s);
        EXPECT_TRUE(amStueck(t, {"S1(5/0/0)", "S2(-5/0/0)", "Abstand der Schnittpunkte: d =10",
                                 "Entfernteste Punkte von g auf K:", "F1(0/5/0)", "F2(0/-5/0)",
                                 "Lot von M auf g:", "M liegt auf g !"}));
        EXPECT_EQ(t.back(), "M liegt auf g !");
    }
}

TEST(KugelBericht, GeradeVerfehltKugelMitTangentialebenen) {
    TestBlatt b;
    // g: (0, 0, 10) + t(1, 0, 0), r = 5 around the origin. Polar planes 10·x3 = 25 and
    // x1 + 10·x3 = 25 meet in (0, 1, 2.5) + λ(0, 1, 0); λ² + 2λ - 17.75 = 0 gives the touching
    // points (0, ±4.3301, 2.5).
    Ergebnis_KugelVF_Gerade(b.s, kugelV(0, 0, 0, 25), gerade(punkt(0, 0, 10), punkt(1, 0, 0)), b.x,
                            b.y);
    const auto t = texte(b.s);
    EXPECT_EQ(t[1], "Kugel");
    EXPECT_TRUE(amStueck(t, {"Schnittpunkte Kugel-Gerade:", "Gerade schneidet Kugel nicht !",
                             "Abstand der Geraden vom Mittelpunkt M", "d = 10.000",
                             "Tangentialebenen von g an K:", "Berührpunkte:", "B1(0/4.33/2.5)",
                             "B2(0/-4.33/2.5)", "Tangetialebenen:"}));
    EXPECT_TRUE(inFolge(t, {"Tangetialebenen:", "x - 25 = 0", "x - 25 = 0",
                            "-----------------------------", "Entfernteste Punkte von g auf K:",
                            "F1(0/0/5)", "F2(0/0/-5)", "Lot von M auf g:", "L(0/0/10)"}));
    EXPECT_EQ(zeilenAbstand(b.s, "d = 10.000", "Tangentialebenen von g an K:"), 2);
    // The centre form comes last here: its third row and one blank row before the centre.
    EXPECT_EQ(zeilenAbstand(b.s, ") = 5", "Mittelpunkt der Kugel: "), 3);
    // The given vector form and the line are clickable.
    EXPECT_TRUE(b.s.anker.kugelA[0].gesetzt && b.s.anker.kugelC[0].gesetzt);
    EXPECT_FALSE(b.s.anker.kugelM[0].gesetzt);
    EXPECT_EQ(inSpalte(b.s, b.s.anker.gerade[0][0], 2), '0'); // the 10 of (0, 0, 10)
}

TEST(KugelBericht, EbeneSchneidetKugelMitPol) {
    TestBlatt b;
    // m = (1, 1, 1), r = 5, plane x3 = 4: e = 3, circle (1, 1, 4) with rk = 4, area 16π = 50.265.
    // Pole m + (25/3)·n = (1, 1, 9.333), 5.333 from the plane; cone 16π·(16/3)/3 = 89.361.
    Ergebnis_Kugel_Ebene(b.s, kugel(1, 1, 1, 5), ebene(0, 0, 1, 4), b.x, b.y);
    const auto t = texte(b.s);
    EXPECT_EQ(t[1], "Kugel und Ebene:");
    EXPECT_TRUE(
        inFolge(t, {"Kugel", "Radius: r = 5.000", "Ebene:", "Abstand vom Ursprung: d = 4.000"}));
    EXPECT_TRUE(
        amStueck(t, {"Abstand vom Ursprung: d = 4.000", "Abstand vom KugelMittelpunkt e = 3.000",
                     "Ebene schneidet Kugel:", "Schnittkreis:", "Mk(1/1/4)", "Radius r = 4.000",
                     "Schnittkreisfläche: A = 50.265", "Pol:", "--------------------------------",
                     "Pol(1/1/9.333)", "Abstand: Pol-Polarebene:", "d = 5.333",
                     "Tangetialkegel vom Pol aus:", "Volumen = 89.361"}));
    EXPECT_EQ(zeilenAbstand(b.s, "Schnittkreisfläche: A = 50.265", "Pol:"), 2);
    // Sphere and plane in normal form are clickable, the computed parameter form is not.
    EXPECT_TRUE(b.s.anker.kugelM[0].gesetzt && b.s.anker.normale[0].gesetzt);
    EXPECT_FALSE(b.s.anker.ebenePar[0][0].gesetzt);
    EXPECT_EQ(imFeld(b.s, b.s.anker.d[0]), '4');
}

TEST(KugelBericht, EbeneBeruehrtVerfehltOderGehtDurchM) {
    {
        TestBlatt b; // x3 = 6: e = 5 = r; pole m + 5n is the touching point itself
        Ergebnis_KugelV_EbeneNorm(b.s, kugelV(2, 2, 2, 22), ebene(0, 0, 1, 6), b.x, b.y);
        EXPECT_TRUE(amStueck(texte(b.s), {"Ebene ist Tangentialebene:", "Berührpunkt:", "Mk(1/1/6)",
                                          "Pol:", "--------------------------------", "Pol(1/1/6)",
                                          "Abstand: Pol-Polarebene:", "d = 0.000",
                                          "Tangetialkegel vom Pol aus:", "Volumen = 0.000"}));
        EXPECT_TRUE(b.s.anker.kugelA[0].gesetzt);
        EXPECT_FALSE(b.s.anker.kugelM[0].gesetzt);
    }
    {
        // x3 = 7 misses (e = 6): the pole (1, 1, 1 + 25/6) lies inside the sphere and has no
        // tangent cone, and there is no circle whose radius a volume could use.
        TestBlatt b;
        Ergebnis_Kugel_Ebene(b.s, kugel(1, 1, 1, 5), ebene(0, 0, 1, 7), b.x, b.y);
        const auto t = texte(b.s);
        EXPECT_TRUE(
            amStueck(t, {"Abstand vom KugelMittelpunkt e = 6.000", "Ebene schneidet Kugel nicht !",
                         "Pol:", "--------------------------------", "Pol(1/1/5.167)",
                         "Abstand: Pol-Polarebene:", "d = 1.833"}));
        EXPECT_EQ(t.back(), "d = 1.833");
        EXPECT_FALSE(findeTeil(b.s, "Volumen"));
    }
    {
        // Through the centre: the great circle, and no pole.
        TestBlatt b;
        Ergebnis_Kugel_Ebene(b.s, kugel(1, 1, 1, 5), ebene(0, 0, 1, 1), b.x, b.y);
        const auto t = texte(b.s);
        EXPECT_TRUE(amStueck(t, {"Schnittkreis:", "Mk(1/1/1)", "Radius r = 5.000",
                                 "Schnittkreisfläche: A = 78.540"}));
        EXPECT_EQ(t.back(), "Schnittkreisfläche: A = 78.540");
    }
}

TEST(KugelBericht, EbeneInParameterformIstAnklickbar) {
    TestBlatt b;
    TEbene E;
    E.Stuetz = punkt(0, 0, 4);
    E.Richtung1 = punkt(1, 0, 0);
    E.Richtung2 = punkt(0, 1, 0);
    E.Name = "E: ";
    Ergebnis_KugelM_EbenePAR(b.s, kugel(1, 1, 1, 5), E, b.x, b.y);
    EXPECT_TRUE(inFolge(texte(b.s), {"Ebene:", "Abstand vom Ursprung: d = 4.000",
                                     "Abstand vom KugelMittelpunkt e = 3.000", "Mk(1/1/4)"}));
    EXPECT_TRUE(b.s.anker.ebenePar[0][1].gesetzt && b.s.anker.ebenePar[0][2].gesetzt);
    EXPECT_FALSE(b.s.anker.normale[0].gesetzt || b.s.anker.d[0].gesetzt);
    EXPECT_EQ(inSpalte(b.s, b.s.anker.ebenePar[0][0], 2), '4');
}

namespace {

// The lines written after "Abstand Kugelmittelpunkte: e = ...", for two spheres in centre form.
std::vector<std::string> lageZweierKugeln(const TKugel& K1, const TKugel& K2,
                                          const std::string& abstand) {
    TestBlatt b;
    Ergebnis_Kugel_Kugel(b.s, K1, K2, b.x, b.y);
    const auto t = texte(b.s);
    const auto it = std::find(t.begin(), t.end(), "Abstand Kugelmittelpunkte: e = " + abstand);
    if (it == t.end()) {
        ADD_FAILURE() << "no centre distance " << abstand << "\n" << liste(t);
        return {};
    }
    // Only the rows the report writes itself; the plane's block texts are left out.
    std::vector<std::string> danach;
    for (auto i = it + 1; i != t.end(); ++i)
        if (i->rfind("K1 ", 0) == 0 || (!i->empty() && i->back() == ':') ||
            i->rfind("Mk(", 0) == 0 || i->rfind("Radius", 0) == 0)
            danach.push_back(*i);
    return danach;
}

} // namespace

TEST(KugelBericht, ZweiKugelnInDenSiebenLagen) {
    using V = std::vector<std::string>;
    // Centres 3 apart. Radii 1 and 2 touch from outside: the plane 6·x1 = 9 + 1 - 4 is x1 = 1.
    EXPECT_EQ(lageZweierKugeln(kugel(0, 0, 0, 1), kugel(3, 0, 0, 2), "3.000"),
              (V{"K1 und K2 berühren sich !", "Schnittebene:", "Schnittkreis:", "Mk(1/0/0)",
                 "Radius: rk = 0.000"}));
    // Radii 2 and 2 intersect: 6·x1 = 9, circle at x1 = 1.5 with rk = sqrt(4 - 2.25) = 1.323.
    EXPECT_EQ(lageZweierKugeln(kugel(0, 0, 0, 2), kugel(3, 0, 0, 2), "3.000"),
              (V{"K1 und K2 schneiden sich !", "Schnittebene:", "Schnittkreis:", "Mk(1.5/0/0)",
                 "Radius: rk = 1.323"}));
    // Radii 1 and 1 lie apart: only the radical plane.
    EXPECT_EQ(lageZweierKugeln(kugel(0, 0, 0, 1), kugel(3, 0, 0, 1), "3.000"),
              (V{"K1 und K2 schneiden sich nicht !", "Ebene:"}));
    // Centre 1 away inside a sphere of radius 3, radius 2: touching from inside at (3, 0, 0).
    EXPECT_EQ(lageZweierKugeln(kugel(0, 0, 0, 3), kugel(1, 0, 0, 2), "1.000"),
              (V{"K1 und K2 berühren sich !", "Schnittebene:", "Schnittkreis:", "Mk(3/0/0)",
                 "Radius: rk = 0.000"}));
    // Centre 2 away, radii 3 and 2: 4·x1 = 4 + 9 - 4, rk = sqrt(9 - 2.25²) = 1.984.
    EXPECT_EQ(lageZweierKugeln(kugel(0, 0, 0, 3), kugel(2, 0, 0, 2), "2.000"),
              (V{"K1 und K2 schneiden sich !", "Schnittebene:", "Schnittkreis:", "Mk(2.25/0/0)",
                 "Radius: rk = 1.984"}));
    // Concentric, radii 1 and 2: the "plane" 0·x = 1 - 4 is still written.
    EXPECT_EQ(lageZweierKugeln(kugel(1, 1, 1, 1), kugel(1, 1, 1, 2), "0.000"),
              (V{"K1 und K2 schneiden sich nicht !", "Ebene:"}));
}

TEST(KugelBericht, ZweiKugelnKopfUndVorzeichenDerEbene) {
    TestBlatt b;
    Ergebnis_Kugel_Kugel(b.s, kugel(1, 1, 1, 1), kugel(1, 1, 1, 2), b.x, b.y);
    const auto t = texte(b.s);
    EXPECT_EQ(t[1], "Kugel und Kugel:");
    EXPECT_TRUE(inFolge(t, {"Kugel K1:", "Mittelpunkt der Kugel: ", "M(1/1/1)", "Radius: r = 1.000",
                            "Abstand vom Ursprung: d = 1.732", "--------------------------------",
                            "Kugel K2", "Mittelpunkt der Kugel: ", "M(1/1/1)", "Radius: r = 2.000",
                            "Abstand vom Ursprung: d = 1.732", "--------------------------------",
                            "Abstand Kugelmittelpunkte: e = 0.000"}));
    EXPECT_TRUE(findeTeil(b.s, "x - -3 = 0")); // d = 3 - 3 + 1 - 4
    EXPECT_EQ(zeilenAbstand(b.s, "Radius: r = 1.000", "Abstand vom Ursprung: d = 1.732"), 2);
    EXPECT_TRUE(b.s.anker.kugelM[0].gesetzt && b.s.anker.kugelM[1].gesetzt);
    EXPECT_FALSE(b.s.anker.kugelA[0].gesetzt);
    EXPECT_EQ(imFeld(b.s, b.s.anker.kugelR[1]), '2');
    // Both forms of both spheres are input colour: c1 = 1 - 3, c2 = 4 - 3.
    ASSERT_TRUE(findeTeil(b.s, "x +2 = 0"));
    ASSERT_TRUE(findeTeil(b.s, "x -1 = 0"));
    EXPECT_EQ(findeTeil(b.s, "x +2 = 0")->farbe, farbe::Dunkelrot);
    EXPECT_EQ(findeTeil(b.s, "x -1 = 0")->farbe, farbe::Dunkelrot);
    EXPECT_EQ(finde(b.s, "Mittelpunkt der Kugel: ")->farbe, farbe::Schwarz);
}

TEST(KugelBericht, GleicheKugelnSindIdentisch) {
    {
        TestBlatt b;
        Ergebnis_Kugel_Kugel(b.s, kugel(1, 2, 3, 2), kugel(1, 2, 3, 2), b.x, b.y);
        const auto t = texte(b.s);
        EXPECT_TRUE(
            amStueck(t, {"Abstand Kugelmittelpunkte: e = 0.000", "K1 und K2 sind identisch !"}));
        EXPECT_EQ(t.back(), "K1 und K2 sind identisch !");
    }
    {
        // The same sphere once in centre form and once as x² - (2, 4, 6)·x + 10 = 0.
        TestBlatt b;
        Ergebnis_KugelM_KugelV(b.s, kugel(1, 2, 3, 2), kugelV(2, 4, 6, -10), b.x, b.y);
        EXPECT_EQ(texte(b.s).back(), "K1 und K2 sind identisch !");
        EXPECT_TRUE(b.s.anker.kugelM[0].gesetzt && b.s.anker.kugelA[1].gesetzt);
        EXPECT_FALSE(b.s.anker.kugelA[0].gesetzt || b.s.anker.kugelM[1].gesetzt);
    }
}

TEST(KugelBericht, BeruehrendeKugelnMitRundungZeigenDenBeruehrpunkt) {
    // Radii 0.1 and 0.1 with centres 0.2 apart touch; in floating point the radical plane lies a
    // hair more than 0.1 from the first centre. The touching point (0.1, 0, 0) is still written.
    TestBlatt b;
    Ergebnis_Kugel_Kugel(b.s, kugel(0, 0, 0, 0.1), kugel(0.2, 0, 0, 0.1), b.x, b.y);
    EXPECT_TRUE(amStueck(texte(b.s), {"Schnittkreis:", "Mk(0.1/0/0)", "Radius: rk = 0.000"}));
    EXPECT_TRUE(finde(b.s, "K1 und K2 berühren sich !"));
}

TEST(KugelBericht, KugelDurchVierPunkte) {
    TestBlatt b;
    TViereck p;
    p.A = punkt(1, 0, 0, 0, "A");
    p.B = punkt(-1, 0, 0, 0, "B");
    p.C = punkt(0, 1, 0, 0, "C");
    p.D = punkt(0, 0, 1, 0, "D");
    TKugel K = kugel(0, 0, 0, 1);
    Ergebnis_Kugel4Punkte(b.s, p, K, b.x, b.y);
    const auto t = texte(b.s);
    EXPECT_TRUE(amStueck(t, {"Ergebnisse:", "Kugel aus vier Punkten:", "Vier Punkte:", "A(1/0/0)",
                             "B(-1/0/0)", "C(0/1/0)", "D(0/0/1)",
                             "--------------------------------", "Kugel:", "Kugel"}));
    EXPECT_TRUE(inFolge(t, {"M(0/0/0)", "Radius: r = 1.000", "Abstand vom Ursprung: d = 0.000"}));
    EXPECT_EQ(zeilenAbstand(b.s, "Kugel aus vier Punkten:", "Vier Punkte:"), 2);
    EXPECT_EQ(zeilenAbstand(b.s, "D(0/0/1)", "--------------------------------"), 2);
    EXPECT_EQ(finde(b.s, "C(0/1/0)")->farbe, farbe::Dunkelrot);
    // The points are clickable, the computed sphere is not.
    EXPECT_TRUE(b.s.anker.punkt[0].gesetzt && b.s.anker.punkt[3].gesetzt);
    EXPECT_FALSE(b.s.anker.kugelM[0].gesetzt || b.s.anker.kugelR[0].gesetzt);
    const PunktAnker& B = b.s.anker.punkt[1];
    EXPECT_EQ(zeichenBei(b.s, B.x2 - 1, B.y + 2), '1'); // last character of -1
    EXPECT_EQ(zeichenBei(b.s, B.x3 + 1, B.y + 2), '0');
}
