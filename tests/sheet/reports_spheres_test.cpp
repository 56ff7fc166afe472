// The sphere reports, read back from the sheet's text log. Expected values are worked out by hand.
#include "report_test_util.h"
#include "sheet/reports_spheres.h"

#include <gtest/gtest.h>

using namespace berichttest;

namespace {
TKugel kugel(double x, double y, double z, double r) {
    return {punkt(x, y, z, 0, "M"), r, "K: ", 0};
}
TKugelV kugelV(double ax, double ay, double az, double c) {
    return {punkt(ax, ay, az), c, "K: ", 0};
}
TEbeneNorm ebene(double nx, double ny, double nz, double d) {
    return ebeneNorm(punkt(nx, ny, nz), d);
}
bool steht(const Sheet& s, const std::string& teil) {
    return finde(s, teil, true) != nullptr;
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
    ASSERT_TRUE(steht(b.s, "x +10 = 0") && steht(b.s, ") = 2"));
    EXPECT_EQ(finde(b.s, "x +10 = 0", true)->farbe, farbe::Schwarz);
    EXPECT_EQ(finde(b.s, ") = 2", true)->farbe, farbe::Dunkelrot);
    // The given vector form is clickable, the computed centre form is not.
    EXPECT_EQ(
        std::make_pair(inSpalte(b.s, b.s.anker.kugelA[0], 2), imFeld(b.s, b.s.anker.kugelC[0])),
        std::make_pair('6', '1'));
    EXPECT_FALSE(b.s.anker.kugelM[0].gesetzt || b.s.anker.kugelR[0].gesetzt);

    TestBlatt m;
    Ergebnis_Kugel(m.s, kugel(1, 2, 3, 2), m.x, m.y);
    EXPECT_EQ(texte(m.s), texte(b.s)); // c = r² - m·m = -10: the same sheet
    EXPECT_EQ(
        std::make_pair(inSpalte(m.s, m.s.anker.kugelM[0], 1), imFeld(m.s, m.s.anker.kugelR[0])),
        std::make_pair('2', '2'));
    EXPECT_FALSE(m.s.anker.kugelA[0].gesetzt || m.s.anker.kugelC[0].gesetzt);
}

TEST(KugelBericht, PunktAusserhalbMitPolarebeneKreisUndKegel) {
    // m = (1, 1, 1), r = 3, P = (1, 1, 6): |P - m| = 5. Polar plane n = (0, 0, 5), d = 5 + 9 = 14,
    // i.e. x3 = 2.8: circle centre (1, 1, 2.8), rk = sqrt(9 - 1.8²) = 2.4, area 5.76π = 18.0956;
    // P is 3.2 from the plane, cone volume 3.2 · 5.76π / 3 = 19.3019.
    TestBlatt b;
    Ergebnis_Kugel_Punkt(b.s, kugel(1, 1, 1, 3), punkt(1, 1, 6, 0, "P"), b.x, b.y);
    const auto t = texte(b.s);
    EXPECT_TRUE(amStueck(
        t, {"Punkt:", "P(1/1/6)", "Punkt außerhalb der Kugel !", "Tangential oder Polarebene:"}));
    EXPECT_TRUE(amStueck(
        t, {"Schnittkreis:", "Mk(1/1/2.8)", "Radius: r = 2.4", "Schnittkreisfläche: A = 18.096",
            "Abstand: Pol-Polarebene:", "d = 3.200",
            "Tangetialkegel vom Pol aus:", "Volumen = 19.302", "Gerade durch P und M (Mk):"}));
    EXPECT_TRUE(steht(b.s, "x - 14 = 0"));
    EXPECT_EQ(zeilenAbstand(b.s, "Punkt außerhalb der Kugel !", "Tangential oder Polarebene:"), 2);
    EXPECT_EQ(finde(b.s, "P(1/1/6)")->farbe, farbe::Dunkelrot);
    EXPECT_EQ(finde(b.s, "Punkt außerhalb der Kugel !")->farbe, farbe::Schwarz);
    EXPECT_EQ(imPunkt(b.s, b.s.anker.punkt[0]), "116");
}

TEST(KugelBericht, PunktAufInnerhalbUndImMittelpunkt) {
    // On the sphere: tangent plane n = (0, 0, 3), d = 3 + 9 = 12, reduced by 3 to x3 = 4; it
    // touches in P itself. No area, no cone.
    TestBlatt auf;
    Ergebnis_Kugel_Punkt(auf.s, kugel(1, 1, 1, 3), punkt(1, 1, 4, 0, "P"), auf.x, auf.y);
    EXPECT_TRUE(amStueck(
        texte(auf.s), {"P(1/1/4)", "Punkt liegt auf der Kugel !", "Tangential oder Polarebene:"}));
    EXPECT_TRUE(inFolge(texte(auf.s), {"Schnittkreis:", "Mk(1/1/4)", "Radius: r = 0",
                                       "Gerade durch P und M (Mk):"}));
    EXPECT_TRUE(steht(auf.s, "x - 4 = 0"));
    EXPECT_FALSE(steht(auf.s, "Schnittkreisfläche") || steht(auf.s, "Pol-Polarebene") ||
                 steht(auf.s, "Tangetialkegel"));

    TestBlatt in;
    Ergebnis_Kugel_Punkt(in.s, kugel(1, 1, 1, 3), punkt(1, 1, 2, 0, "P"), in.x, in.y);
    EXPECT_TRUE(amStueck(texte(in.s),
                         {"P(1/1/2)", "Punkt innerhalb der Kugel", "Gerade durch P und M (Mk):"}));
    EXPECT_FALSE(steht(in.s, "Tangential"));

    // At the centre: no line through P and M. Given in vector form a = (2, 2, 2), c = 6.
    TestBlatt m;
    Ergebnis_KugelV_Punkt(m.s, kugelV(2, 2, 2, 6), punkt(1, 1, 1, 0, "P"), m.x, m.y);
    EXPECT_TRUE(inFolge(texte(m.s), {"M(1/1/1)", "Radius: r = 3.000", "Punkt:", "P(1/1/1)",
                                     "Punkt innerhalb der Kugel"}));
    EXPECT_EQ(texte(m.s).back(), "Punkt innerhalb der Kugel");
    EXPECT_TRUE(m.s.anker.kugelA[0].gesetzt && m.s.anker.punkt[0].gesetzt);
}

TEST(KugelBericht, GeradeSchneidetBeruehrtOderGehtDurchM) {
    // r = 5 around the origin, g: (-10, 3, 0) + t(1, 0, 0): t² - 20t + 84 = 0, t = 14 or 6.
    // Nearest/farthest points: on the perpendicular through M towards (0, 3, 0).
    TestBlatt b;
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

    // Distance 5.00001 from the centre of a sphere of radius 5: counts as touching.
    TestBlatt tang;
    Ergebnis_Kugel_Gerade(tang.s, kugel(0, 0, 0, 5), gerade(punkt(-10, 5.00001, 0), punkt(1, 0, 0)),
                          tang.x, tang.y);
    EXPECT_TRUE(amStueck(texte(tang.s),
                         {"Schnittpunkte Kugel-Gerade:", "Gerade berührt Kugel:", "S1(0/5/0)",
                          "Entfernteste Punkte von g auf K:", "F1(0/5/0)", "F2(0/-5/0)"}));

    // Through M: t = 10 ± 5; the nearest/farthest points use the direction (0, 1, 0).
    TestBlatt m;
    Ergebnis_Kugel_Gerade(m.s, kugel(0, 0, 0, 5), gerade(punkt(-10, 0, 0), punkt(1, 0, 0)), m.x,
                          m.y);
    const auto tm = texte(m.s);
    EXPECT_TRUE(amStueck(tm, {"S1(5/0/0)", "S2(-5/0/0)", "Abstand der Schnittpunkte: d =10",
                              "Entfernteste Punkte von g auf K:", "F1(0/5/0)", "F2(0/-5/0)",
                              "Lot von M auf g:", "M liegt auf g !"}));
    EXPECT_EQ(tm.back(), "M liegt auf g !");
}

TEST(KugelBericht, GeradeVerfehltKugelMitTangentialebenen) {
    // g: (0, 0, 10) + t(1, 0, 0), r = 5 around the origin. Polar planes 10·x3 = 25 and
    // x1 + 10·x3 = 25 meet in (0, 1, 2.5) + λ(0, 1, 0); λ² + 2λ - 17.75 = 0 gives the touching
    // points (0, ±4.3301, 2.5).
    TestBlatt b;
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
    // m = (1, 1, 1), r = 5, plane x3 = 4: e = 3, circle (1, 1, 4) with rk = 4, area 16π = 50.265.
    // Pole m + (25/3)·n = (1, 1, 9.333), 5.333 from the plane; cone 16π·(16/3)/3 = 89.361.
    TestBlatt b;
    Ergebnis_Kugel_Ebene(b.s, kugel(1, 1, 1, 5), ebene(0, 0, 1, 4), b.x, b.y);
    const auto t = texte(b.s);
    EXPECT_EQ(t[1], "Kugel und Ebene:");
    EXPECT_TRUE(inFolge(t, {"Kugel", "Radius: r = 5.000", "Ebene:"}));
    EXPECT_TRUE(
        amStueck(t, {"Abstand vom Ursprung: d = 4.000", "Abstand vom KugelMittelpunkt e = 3.000",
                     "Ebene schneidet Kugel:", "Schnittkreis:", "Mk(1/1/4)", "Radius r = 4.000",
                     "Schnittkreisfläche: A = 50.265", "Pol:", Strich, "Pol(1/1/9.333)",
                     "Abstand: Pol-Polarebene:", "d = 5.333",
                     "Tangetialkegel vom Pol aus:", "Volumen = 89.361"}));
    EXPECT_EQ(zeilenAbstand(b.s, "Schnittkreisfläche: A = 50.265", "Pol:"), 2);
    // Sphere and plane in normal form are clickable, the computed parameter form is not.
    EXPECT_TRUE(b.s.anker.kugelM[0].gesetzt && b.s.anker.normale[0].gesetzt);
    EXPECT_FALSE(b.s.anker.ebenePar[0][0].gesetzt);
    EXPECT_EQ(imFeld(b.s, b.s.anker.d[0]), '4');
}

TEST(KugelBericht, EbeneBeruehrtVerfehltOderGehtDurchM) {
    TestBlatt b; // x3 = 6: e = 5 = r; pole m + 5n is the touching point itself
    Ergebnis_KugelV_EbeneNorm(b.s, kugelV(2, 2, 2, 22), ebene(0, 0, 1, 6), b.x, b.y);
    EXPECT_TRUE(
        amStueck(texte(b.s), {"Ebene ist Tangentialebene:", "Berührpunkt:", "Mk(1/1/6)",
                              "Pol:", Strich, "Pol(1/1/6)", "Abstand: Pol-Polarebene:", "d = 0.000",
                              "Tangetialkegel vom Pol aus:", "Volumen = 0.000"}));
    EXPECT_TRUE(b.s.anker.kugelA[0].gesetzt && !b.s.anker.kugelM[0].gesetzt);

    // x3 = 7 misses (e = 6): the pole (1, 1, 1 + 25/6) lies inside the sphere and has no
    // tangent cone, and there is no circle whose radius a volume could use.
    TestBlatt weg;
    Ergebnis_Kugel_Ebene(weg.s, kugel(1, 1, 1, 5), ebene(0, 0, 1, 7), weg.x, weg.y);
    const auto t = texte(weg.s);
    EXPECT_TRUE(
        amStueck(t, {"Abstand vom KugelMittelpunkt e = 6.000", "Ebene schneidet Kugel nicht !",
                     "Pol:", Strich, "Pol(1/1/5.167)", "Abstand: Pol-Polarebene:", "d = 1.833"}));
    EXPECT_EQ(t.back(), "d = 1.833");

    // Through the centre: the great circle, and no pole.
    TestBlatt m;
    Ergebnis_Kugel_Ebene(m.s, kugel(1, 1, 1, 5), ebene(0, 0, 1, 1), m.x, m.y);
    const auto tm = texte(m.s);
    EXPECT_TRUE(amStueck(
        tm, {"Schnittkreis:", "Mk(1/1/1)", "Radius r = 5.000", "Schnittkreisfläche: A = 78.540"}));
    EXPECT_EQ(tm.back(), "Schnittkreisfläche: A = 78.540");

    // The plane given in parameter form is clickable in that form.
    TestBlatt par;
    Ergebnis_KugelM_EbenePAR(par.s, kugel(1, 1, 1, 5),
                             ebenePar(punkt(0, 0, 4), punkt(1, 0, 0), punkt(0, 1, 0)), par.x,
                             par.y);
    EXPECT_TRUE(inFolge(texte(par.s), {"Ebene:", "Abstand vom Ursprung: d = 4.000",
                                       "Abstand vom KugelMittelpunkt e = 3.000", "Mk(1/1/4)"}));
    EXPECT_EQ(inSpalte(par.s, par.s.anker.ebenePar[0][0], 2), '4');
    EXPECT_FALSE(par.s.anker.normale[0].gesetzt || par.s.anker.d[0].gesetzt);
}

TEST(KugelBericht, ZweiKugelnInIhrenLagen) {
    // The rows the report writes itself after "Abstand Kugelmittelpunkte: e = ..." (the plane's
    // block texts are left out).
    struct Fall {
        TKugel K1, K2;
        std::string abstand;
        Texte danach;
    };
    const std::string ber = "K1 und K2 berühren sich !", sch = "K1 und K2 schneiden sich !",
                      nicht = "K1 und K2 schneiden sich nicht !";
    const std::vector<Fall> faelle = {
        // Centres 3 apart. Radii 1 and 2 touch from outside: the plane 6·x1 = 9 + 1 - 4, x1 = 1.
        {kugel(0, 0, 0, 1),
         kugel(3, 0, 0, 2),
         "3.000",
         {ber, "Schnittebene:", "Schnittkreis:", "Mk(1/0/0)", "Radius: rk = 0.000"}},
        // Radii 2 and 2 intersect: 6·x1 = 9, circle at x1 = 1.5, rk = sqrt(4 - 2.25) = 1.323.
        {kugel(0, 0, 0, 2),
         kugel(3, 0, 0, 2),
         "3.000",
         {sch, "Schnittebene:", "Schnittkreis:", "Mk(1.5/0/0)", "Radius: rk = 1.323"}},
        // Radii 1 and 1 lie apart: only the radical plane.
        {kugel(0, 0, 0, 1), kugel(3, 0, 0, 1), "3.000", {nicht, "Ebene:"}},
        // Centre 1 away inside a sphere of radius 3, radius 2: touching from inside at (3, 0, 0).
        {kugel(0, 0, 0, 3),
         kugel(1, 0, 0, 2),
         "1.000",
         {ber, "Schnittebene:", "Schnittkreis:", "Mk(3/0/0)", "Radius: rk = 0.000"}},
        // Centre 2 away, radii 3 and 2: 4·x1 = 4 + 9 - 4, rk = sqrt(9 - 2.25²) = 1.984.
        {kugel(0, 0, 0, 3),
         kugel(2, 0, 0, 2),
         "2.000",
         {sch, "Schnittebene:", "Schnittkreis:", "Mk(2.25/0/0)", "Radius: rk = 1.984"}},
        // Concentric, radii 1 and 2: the "plane" 0·x = 1 - 4 is still written.
        {kugel(1, 1, 1, 1), kugel(1, 1, 1, 2), "0.000", {nicht, "Ebene:"}},
        // Radii 0.1 with centres 0.2 apart touch; in floating point the radical plane lies a hair
        // more than 0.1 from the first centre. The touching point is still written.
        {kugel(0, 0, 0, 0.1),
         kugel(0.2, 0, 0, 0.1),
         "0.200",
         {ber, "Schnittebene:", "Schnittkreis:", "Mk(0.1/0/0)", "Radius: rk = 0.000"}},
    };
    for (const Fall& f : faelle) {
        TestBlatt b;
        Ergebnis_Kugel_Kugel(b.s, f.K1, f.K2, b.x, b.y);
        const Texte t = texte(b.s);
        auto i = std::find(t.begin(), t.end(), "Abstand Kugelmittelpunkte: e = " + f.abstand);
        ASSERT_NE(i, t.end()) << liste(t);
        Texte danach;
        for (++i; i != t.end(); ++i)
            if (i->rfind("K1 ", 0) == 0 || (!i->empty() && i->back() == ':') ||
                i->rfind("Mk(", 0) == 0 || i->rfind("Radius", 0) == 0)
                danach.push_back(*i);
        EXPECT_EQ(danach, f.danach) << f.abstand;
    }
}

TEST(KugelBericht, ZweiKugelnKopfUndVorzeichenDerEbene) {
    TestBlatt b;
    Ergebnis_Kugel_Kugel(b.s, kugel(1, 1, 1, 1), kugel(1, 1, 1, 2), b.x, b.y);
    const auto t = texte(b.s);
    EXPECT_EQ(t[1], "Kugel und Kugel:");
    EXPECT_TRUE(inFolge(t, {"Kugel K1:", "Mittelpunkt der Kugel: ", "M(1/1/1)", "Radius: r = 1.000",
                            "Abstand vom Ursprung: d = 1.732", Strich, "Kugel K2",
                            "Mittelpunkt der Kugel: ", "M(1/1/1)", "Radius: r = 2.000",
                            "Abstand vom Ursprung: d = 1.732", Strich,
                            "Abstand Kugelmittelpunkte: e = 0.000"}));
    EXPECT_TRUE(steht(b.s, "x - -3 = 0")); // d = 3 - 3 + 1 - 4
    EXPECT_EQ(zeilenAbstand(b.s, "Radius: r = 1.000", "Abstand vom Ursprung: d = 1.732"), 2);
    EXPECT_TRUE(b.s.anker.kugelM[0].gesetzt && !b.s.anker.kugelA[0].gesetzt);
    EXPECT_EQ(imFeld(b.s, b.s.anker.kugelR[1]), '2');
    // Both forms of both spheres are input colour: c1 = 1 - 3, c2 = 4 - 3.
    ASSERT_TRUE(steht(b.s, "x +2 = 0") && steht(b.s, "x -1 = 0"));
    EXPECT_EQ(finde(b.s, "x +2 = 0", true)->farbe, farbe::Dunkelrot);
    EXPECT_EQ(finde(b.s, "x -1 = 0", true)->farbe, farbe::Dunkelrot);
    EXPECT_EQ(finde(b.s, "Mittelpunkt der Kugel: ")->farbe, farbe::Schwarz);
}

TEST(KugelBericht, GleicheKugelnSindIdentisch) {
    TestBlatt b;
    Ergebnis_Kugel_Kugel(b.s, kugel(1, 2, 3, 2), kugel(1, 2, 3, 2), b.x, b.y);
    EXPECT_TRUE(amStueck(texte(b.s),
                         {"Abstand Kugelmittelpunkte: e = 0.000", "K1 und K2 sind identisch !"}));
    EXPECT_EQ(texte(b.s).back(), "K1 und K2 sind identisch !");

    // The same sphere once in centre form and once as x² - (2, 4, 6)·x + 10 = 0.
    TestBlatt mv;
    Ergebnis_KugelM_KugelV(mv.s, kugel(1, 2, 3, 2), kugelV(2, 4, 6, -10), mv.x, mv.y);
    EXPECT_EQ(texte(mv.s).back(), "K1 und K2 sind identisch !");
    EXPECT_TRUE(mv.s.anker.kugelM[0].gesetzt && mv.s.anker.kugelA[1].gesetzt);
    EXPECT_FALSE(mv.s.anker.kugelA[0].gesetzt || mv.s.anker.kugelM[1].gesetzt);
}

TEST(KugelBericht, KugelDurchVierPunkte) {
    TestBlatt b;
    const TViereck p{punkt(1, 0, 0, 0, "A"), punkt(-1, 0, 0, 0, "B"), punkt(0, 1, 0, 0, "C"),
                     punkt(0, 0, 1, 0, "D"), 0};
    Ergebnis_Kugel4Punkte(b.s, p, kugel(0, 0, 0, 1), b.x, b.y);
    const auto t = texte(b.s);
    EXPECT_TRUE(amStueck(t, {"Ergebnisse:", "Kugel aus vier Punkten:", "Vier Punkte:", "A(1/0/0)",
                             "B(-1/0/0)", "C(0/1/0)", "D(0/0/1)", Strich, "Kugel:", "Kugel"}));
    EXPECT_TRUE(inFolge(t, {"M(0/0/0)", "Radius: r = 1.000", "Abstand vom Ursprung: d = 0.000"}));
    EXPECT_EQ(reihen(b.s, {"Vier Punkte:", "D(0/0/1)", Strich}), (std::vector<int>{2, 6, 8}));
    EXPECT_EQ(finde(b.s, "C(0/1/0)")->farbe, farbe::Dunkelrot);
    // The points are clickable, the computed sphere is not.
    EXPECT_EQ(imPunkt(b.s, b.s.anker.punkt[1]), "100"); // the last character of -1
    EXPECT_FALSE(b.s.anker.kugelM[0].gesetzt || b.s.anker.kugelR[0].gesetzt);
}
