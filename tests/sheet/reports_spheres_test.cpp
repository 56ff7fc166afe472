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
TEbeneNorm ebene(double d) { // x3 = d
    return ebeneNorm(punkt(0, 0, 1), d);
}
bool steht(const Sheet& s, const std::string& teil) {
    return finde(s, teil, true) != nullptr;
}
} // namespace

TEST(KugelBericht, KugelAllein) {
    // m = a/2 = (1, 2, 3), r = sqrt(1 + 4 + 9 - 10) = 2; only |m.x| and |m.y| are <= 2, so the
    // circles lie in x1 = 0 and x2 = 0; |m| = sqrt(14) = 3.7417.
    TestBlatt b, m;
    EXPECT_TRUE(amStueck(bericht(b, Ergebnis_KugelV, kugelV(2, 4, 6, -10)),
                         {"Mittelpunkt der Kugel: ", "M(1/2/3)", "Radius: r = 2.000",
                          "Schnittkreise mit der Koordinatenebenen:", "M23(0/2/3)", "M13(1/0/3)",
                          "Abstand vom Ursprung: d = 3.742", "Usprungsgerade durch M:"}));
    EXPECT_EQ(zeilenAbstand(b.s, "Radius: r = 2.000", "Schnittkreise mit der Koordinatenebenen:"),
              2);
    ASSERT_TRUE(steht(b.s, "x +10 = 0") && steht(b.s, ") = 2"));
    EXPECT_EQ(finde(b.s, "x +10 = 0", true)->farbe, farbe::Schwarz);
    EXPECT_EQ(finde(b.s, ") = 2", true)->farbe, farbe::Dunkelrot);
    // Only the given form is clickable, in each of the two reports.
    EXPECT_EQ(
        std::make_pair(inSpalte(b.s, b.s.anker.kugelA[0], 2), imFeld(b.s, b.s.anker.kugelC[0])),
        std::make_pair('6', '1'));
    EXPECT_EQ(bericht(m, Ergebnis_Kugel, kugel(1, 2, 3, 2)), texte(b.s)); // c = r² - m·m = -10
    EXPECT_EQ(
        std::make_pair(inSpalte(m.s, m.s.anker.kugelM[0], 1), imFeld(m.s, m.s.anker.kugelR[0])),
        std::make_pair('2', '2'));
}

TEST(KugelBericht, PunktAusserhalbAufInnerhalbUndImMittelpunkt) {
    // m = (1, 1, 1), r = 3, P = (1, 1, 6): |P - m| = 5. Polar plane n = (0, 0, 5), d = 5 + 9 = 14,
    // i.e. x3 = 2.8: circle centre (1, 1, 2.8), rk = sqrt(9 - 1.8²) = 2.4, area 5.76π = 18.0956;
    // P is 3.2 from the plane, cone volume 3.2 · 5.76π / 3 = 19.3019.
    TestBlatt b;
    const Texte t = bericht(b, Ergebnis_Kugel_Punkt, kugel(1, 1, 1, 3), punkt(1, 1, 6, 0, "P"));
    EXPECT_TRUE(amStueck(
        t, {"Punkt:", "P(1/1/6)", "Punkt außerhalb der Kugel !", "Tangential oder Polarebene:"}));
    EXPECT_TRUE(amStueck(
        t, {"Schnittkreis:", "Mk(1/1/2.8)", "Radius: r = 2.4", "Schnittkreisfläche: A = 18.096",
            "Abstand: Pol-Polarebene:", "d = 3.200",
            "Tangetialkegel vom Pol aus:", "Volumen = 19.302", "Gerade durch P und M (Mk):"}));
    EXPECT_TRUE(steht(b.s, "x - 14 = 0"));
    EXPECT_EQ(zeilenAbstand(b.s, "Punkt außerhalb der Kugel !", "Tangential oder Polarebene:"), 2);

    // On the sphere: tangent plane n = (0, 0, 3), d = 3 + 9 = 12, reduced by 3 to x3 = 4; it
    // touches in P itself. No area, no cone.
    TestBlatt auf;
    EXPECT_TRUE(
        inFolge(bericht(auf, Ergebnis_Kugel_Punkt, kugel(1, 1, 1, 3), punkt(1, 1, 4, 0, "P")),
                {"P(1/1/4)", "Punkt liegt auf der Kugel !", "Tangential oder Polarebene:",
                 "Schnittkreis:", "Mk(1/1/4)", "Radius: r = 0", "Gerade durch P und M (Mk):"}));
    EXPECT_TRUE(steht(auf.s, "x - 4 = 0"));
    EXPECT_FALSE(steht(auf.s, "Schnittkreisfläche") || steht(auf.s, "Pol-Polarebene") ||
                 steht(auf.s, "Tangetialkegel"));

    TestBlatt in;
    EXPECT_TRUE(
        amStueck(bericht(in, Ergebnis_Kugel_Punkt, kugel(1, 1, 1, 3), punkt(1, 1, 2, 0, "P")),
                 {"P(1/1/2)", "Punkt innerhalb der Kugel", "Gerade durch P und M (Mk):"}));

    // At the centre: no line through P and M. Given in vector form a = (2, 2, 2), c = 6.
    TestBlatt m;
    const Texte tm = bericht(m, Ergebnis_KugelV_Punkt, kugelV(2, 2, 2, 6), punkt(1, 1, 1, 0, "P"));
    EXPECT_TRUE(inFolge(tm, {"M(1/1/1)", "Radius: r = 3.000", "Punkt:", "P(1/1/1)"}));
    EXPECT_EQ(tm.back(), "Punkt innerhalb der Kugel");
}

TEST(KugelBericht, GeradeSchneidetBeruehrtOderGehtDurchM) {
    // r = 5 around the origin, g: (-10, 3, 0) + t(1, 0, 0): t² - 20t + 84 = 0, t = 14 or 6.
    // Nearest/farthest points: on the perpendicular through M towards (0, 3, 0).
    const TKugel K = kugel(0, 0, 0, 5);
    const TPunkt e1 = punkt(1, 0, 0);
    TestBlatt b;
    const Texte t = bericht(b, Ergebnis_Kugel_Gerade, K, gerade(punkt(-10, 3, 0), e1));
    EXPECT_TRUE(
        inFolge(t, {"Gerade:", "Abstand vom Ursprung: d = 3.000", "L(0/3/0)", "S23(0/3/0)"}));
    EXPECT_TRUE(amStueck(t, {"Schnittpunkte Kugel-Gerade:", "S1(4/3/0)", "S2(-4/3/0)",
                             "Abstand der Schnittpunkte: d =8", "Entfernteste Punkte von g auf K:",
                             "F1(0/5/0)", "F2(0/-5/0)", "Lot von M auf g:"}));
    EXPECT_EQ(t.back(), "L(0/3/0)");

    // Distance 5.00001 from the centre of a sphere of radius 5: counts as touching.
    TestBlatt tang;
    EXPECT_TRUE(
        amStueck(bericht(tang, Ergebnis_Kugel_Gerade, K, gerade(punkt(-10, 5.00001, 0), e1)),
                 {"Schnittpunkte Kugel-Gerade:", "Gerade berührt Kugel:", "S1(0/5/0)",
                  "Entfernteste Punkte von g auf K:", "F1(0/5/0)", "F2(0/-5/0)"}));

    // Through M: t = 10 ± 5; the nearest/farthest points use the direction (0, 1, 0).
    TestBlatt m;
    const Texte tm = bericht(m, Ergebnis_Kugel_Gerade, K, gerade(punkt(-10, 0, 0), e1));
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
    const Texte t = bericht(b, Ergebnis_KugelVF_Gerade, kugelV(0, 0, 0, 25),
                            gerade(punkt(0, 0, 10), punkt(1, 0, 0)));
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
}

TEST(KugelBericht, EbeneSchneidetBeruehrtVerfehltOderGehtDurchM) {
    // m = (1, 1, 1), r = 5, plane x3 = 4: e = 3, circle (1, 1, 4) with rk = 4, area 16π = 50.265.
    // Pole m + (25/3)·n = (1, 1, 9.333), 5.333 from the plane; cone 16π·(16/3)/3 = 89.361.
    const TKugel K = kugel(1, 1, 1, 5);
    TestBlatt b;
    const Texte t = bericht(b, Ergebnis_Kugel_Ebene, K, ebene(4));
    EXPECT_TRUE(inFolge(t, {"Kugel und Ebene:", "Kugel", "Radius: r = 5.000", "Ebene:"}));
    EXPECT_TRUE(
        amStueck(t, {"Abstand vom Ursprung: d = 4.000", "Abstand vom KugelMittelpunkt e = 3.000",
                     "Ebene schneidet Kugel:", "Schnittkreis:", "Mk(1/1/4)", "Radius r = 4.000",
                     "Schnittkreisfläche: A = 50.265", "Pol:", Strich, "Pol(1/1/9.333)",
                     "Abstand: Pol-Polarebene:", "d = 5.333",
                     "Tangetialkegel vom Pol aus:", "Volumen = 89.361"}));
    EXPECT_EQ(zeilenAbstand(b.s, "Schnittkreisfläche: A = 50.265", "Pol:"), 2);

    TestBlatt tang; // x3 = 6: e = 5 = r; pole m + 5n is the touching point itself
    EXPECT_TRUE(amStueck(bericht(tang, Ergebnis_KugelV_EbeneNorm, kugelV(2, 2, 2, 22), ebene(6)),
                         {"Ebene ist Tangentialebene:", "Berührpunkt:", "Mk(1/1/6)", "Pol:", Strich,
                          "Pol(1/1/6)", "Abstand: Pol-Polarebene:", "d = 0.000",
                          "Tangetialkegel vom Pol aus:", "Volumen = 0.000"}));

    // x3 = 7 misses (e = 6): the pole (1, 1, 1 + 25/6) lies inside the sphere; the cone rows
    // are written as for the other cases, with the circle radius 0.
    TestBlatt weg;
    const Texte tw = bericht(weg, Ergebnis_Kugel_Ebene, K, ebene(7));
    EXPECT_TRUE(
        amStueck(tw, {"Abstand vom KugelMittelpunkt e = 6.000", "Ebene schneidet Kugel nicht !",
                      "Pol:", Strich, "Pol(1/1/5.167)", "Abstand: Pol-Polarebene:", "d = 1.833",
                      "Tangetialkegel vom Pol aus:", "Volumen = 0.000"}));
    EXPECT_EQ(tw.back(), "Volumen = 0.000");

    // Through the centre: the great circle, and no pole.
    TestBlatt m;
    const Texte tm = bericht(m, Ergebnis_Kugel_Ebene, K, ebene(1));
    EXPECT_TRUE(amStueck(tm, {"Schnittkreis:", "Mk(1/1/1)", "Radius r = 5.000",
                              "Schnittkreisfläche: A = 78.540", "Ebene geht durch M: kein Pol !"}));
    EXPECT_EQ(tm.back(), "Ebene geht durch M: kein Pol !");

    // The plane given in parameter form.
    TestBlatt par;
    EXPECT_TRUE(inFolge(bericht(par, Ergebnis_KugelM_EbenePAR, K,
                                ebenePar(punkt(0, 0, 4), punkt(1, 0, 0), punkt(0, 1, 0))),
                        {"Abstand vom Ursprung: d = 4.000",
                         "Abstand vom KugelMittelpunkt e = 3.000", "Mk(1/1/4)"}));
}

TEST(KugelBericht, ZweiKugelnInIhrenLagen) {
    // The rows the report writes itself after "Abstand Kugelmittelpunkte: e = ..." (the plane's
    // block texts are left out): the position, then the circle or only the radical plane.
    struct Fall {
        TKugel K1, K2;
        std::string abstand;
        Texte danach;
    };
    auto kreis = [](const char* lage, const char* mk, const char* rk) {
        return Texte{std::string("K1 und K2 ") + lage, "Schnittebene:", "Schnittkreis:", mk,
                     std::string("Radius: rk = ") + rk};
    };
    const Texte getrennt = {"K1 und K2 schneiden sich nicht !", "Ebene:"};
    const std::vector<Fall> faelle = {
        // Centres 3 apart. Radii 1 and 2 touch from outside: the plane 6·x1 = 9 + 1 - 4, x1 = 1.
        {kugel(0, 0, 0, 1), kugel(3, 0, 0, 2), "3.000",
         kreis("berühren sich !", "Mk(1/0/0)", "0.000")},
        // Radii 2 and 2 intersect: 6·x1 = 9, circle at x1 = 1.5, rk = sqrt(4 - 2.25) = 1.323.
        {kugel(0, 0, 0, 2), kugel(3, 0, 0, 2), "3.000",
         kreis("schneiden sich !", "Mk(1.5/0/0)", "1.323")},
        // Radii 1 and 1 lie apart: only the radical plane.
        {kugel(0, 0, 0, 1), kugel(3, 0, 0, 1), "3.000", getrennt},
        // Centre 1 away inside a sphere of radius 3, radius 2: touching from inside at (3, 0, 0).
        {kugel(0, 0, 0, 3), kugel(1, 0, 0, 2), "1.000",
         kreis("berühren sich !", "Mk(3/0/0)", "0.000")},
        // Centre 2 away, radii 3 and 2: 4·x1 = 4 + 9 - 4, rk = sqrt(9 - 2.25²) = 1.984.
        {kugel(0, 0, 0, 3), kugel(2, 0, 0, 2), "2.000",
         kreis("schneiden sich !", "Mk(2.25/0/0)", "1.984")},
        // Concentric, radii 1 and 2: the "plane" 0·x = 1 - 4 is still written.
        {kugel(1, 1, 1, 1), kugel(1, 1, 1, 2), "0.000", getrennt},
        // Radii 0.1 with centres 0.2 apart touch; in floating point the radical plane lies a hair
        // more than 0.1 from the first centre. The touching point is still written.
        {kugel(0, 0, 0, 0.1), kugel(0.2, 0, 0, 0.1), "0.200",
         kreis("berühren sich !", "Mk(0.1/0/0)", "0.000")},
        // Identical spheres: no radical plane to divide by.
        {kugel(1, 2, 3, 2), kugel(1, 2, 3, 2), "0.000", {"K1 und K2 sind identisch !"}}};
    for (const Fall& f : faelle) {
        TestBlatt b;
        const Texte t = bericht(b, Ergebnis_Kugel_Kugel, f.K1, f.K2);
        auto i = std::find(t.begin(), t.end(), "Abstand Kugelmittelpunkte: e = " + f.abstand);
        ASSERT_NE(i, t.end()) << liste(t);
        Texte danach;
        for (++i; i != t.end(); ++i)
            if (i->rfind("K1 ", 0) == 0 || (!i->empty() && i->back() == ':') ||
                i->rfind("Mk(", 0) == 0 || i->rfind("Radius", 0) == 0)
                danach.push_back(*i);
        EXPECT_EQ(danach, f.danach) << f.abstand;
    }
    // The same sphere once in centre form and once as x² - (2, 4, 6)·x + 10 = 0: nothing follows.
    TestBlatt mv;
    EXPECT_EQ(bericht(mv, Ergebnis_KugelM_KugelV, kugel(1, 2, 3, 2), kugelV(2, 4, 6, -10)).back(),
              "K1 und K2 sind identisch !");
}

TEST(KugelBericht, ZweiKugelnKopfUndVorzeichenDerEbene) {
    TestBlatt b;
    const Texte t = bericht(b, Ergebnis_Kugel_Kugel, kugel(1, 1, 1, 1), kugel(1, 1, 1, 2));
    EXPECT_TRUE(inFolge(t, {"Kugel und Kugel:", "Kugel K1:", "Mittelpunkt der Kugel: ", "M(1/1/1)",
                            "Radius: r = 1.000", "Abstand vom Ursprung: d = 1.732", Strich,
                            "Kugel K2", "Mittelpunkt der Kugel: ", "M(1/1/1)", "Radius: r = 2.000",
                            "Abstand vom Ursprung: d = 1.732", Strich,
                            "Abstand Kugelmittelpunkte: e = 0.000"}));
    EXPECT_TRUE(steht(b.s, "x - -3 = 0")); // d = 3 - 3 + 1 - 4
    EXPECT_EQ(zeilenAbstand(b.s, "Radius: r = 1.000", "Abstand vom Ursprung: d = 1.732"), 2);
    // Both forms of both spheres are input colour: c1 = 1 - 3, c2 = 4 - 3.
    ASSERT_TRUE(steht(b.s, "x +2 = 0") && steht(b.s, "x -1 = 0"));
    EXPECT_TRUE(finde(b.s, "x +2 = 0", true)->farbe == farbe::Dunkelrot &&
                finde(b.s, "x -1 = 0", true)->farbe == farbe::Dunkelrot);
}

TEST(KugelBericht, KugelDurchVierPunkte) {
    TestBlatt b;
    const TViereck p{punkt(1, 0, 0, 0, "A"), punkt(-1, 0, 0, 0, "B"), punkt(0, 1, 0, 0, "C"),
                     punkt(0, 0, 1, 0, "D"), 0};
    const Texte t = bericht(b, Ergebnis_Kugel4Punkte, p, kugel(0, 0, 0, 1));
    EXPECT_TRUE(amStueck(t, {"Ergebnisse:", "Kugel aus vier Punkten:", "Vier Punkte:", "A(1/0/0)",
                             "B(-1/0/0)", "C(0/1/0)", "D(0/0/1)", Strich, "Kugel:", "Kugel"}));
    EXPECT_TRUE(inFolge(t, {"M(0/0/0)", "Radius: r = 1.000", "Abstand vom Ursprung: d = 0.000"}));
    EXPECT_EQ(reihen(b.s, {"Vier Punkte:", "D(0/0/1)", Strich}), (std::vector<int>{2, 6, 8}));
}
