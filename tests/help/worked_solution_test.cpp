// The worked solutions: every writer through each of its cases, with the key lines and numbers
// worked out by hand, and every task kind with a writer or a page in the table.
#include "affine/analysis.h"
#include "help/help_table.h"
#include "plane/ellipse_task.h"
#include "plane/triangle.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>

namespace {

const auto P = [](double x, double y, double z) -> TPunkt { return punkt(x, y, z); };
const auto G = [](TPunkt p, TPunkt u) -> TGerade { return {p, u, 0, "g:"}; };
const auto EN = [](TPunkt n, double d) -> TEbeneNorm { return {n, d, 0, "E:"}; };
const auto EP = [](TPunkt p, TPunkt u, TPunkt v) -> TEbene { return {p, u, v, 0, "E:"}; };
const auto KM = [](TPunkt m, double r) -> TKugel { return {m, r, "K: ", 0}; };
const auto KV = [](TPunkt a, double c) -> TKugelV { return {a, c, "K: ", 0}; };

struct Fall {
    Szenenart art;
    std::function<void(Szene&)> setzen;
    std::vector<const char*> zeilen; // each must stand in the solution, in this order
};

using A = Szenenart;

const TGerade gBsp = G(P(2, 2, 2), P(-1, 2, 1));
// The line through (x, y, z) along the x1-axis and the plane x3 = h in parameter form.
const auto x1 = [](double x, double y, double z) -> TGerade { return G(P(x, y, z), P(1, 0, 0)); };
const auto x12 = [](double h) -> TEbene { return EP(P(0, 0, h), P(1, 0, 0), P(0, 1, 0)); };
const TKugel kBsp = KM(P(2, 1, 3), 4);

// An ellipse task: its example, changed by `aendern`.
using E = Ellipsenart;
Fall ell(E art, std::function<void(EllipsenEingabe&)> aendern, std::vector<const char*> zeilen) {
    return {ellipsenSzene(art),
            [=](Szene& z) {
                z.SzeneEllipse = Ellipse_Beispiel(art);
                aendern(z.SzeneEllipse);
            },
            std::move(zeilen)};
}
const auto bsp = [](EllipsenEingabe&) {};
const auto gl = [](double u, double v, double w) { return TGeradeGl2{u, v, w, 0, "g"}; };
const auto P2 = [](double x, double y) { return punkt2(x, y); };

// An affine map in slot 1 (its numbers column by column: a11, a21, a12, a22, b1, b2) with the
// objects that `objekte` sets.
Fall abb(std::array<double, 6> w, std::function<void(AffineObjekte&)> objekte,
         std::vector<const char*> zeilen) {
    return {Szenenart::AffineAbbildung,
            [=](Szene& z) {
                z.Abbildungen.Abb[0] = affine::abbildung(w[0], w[1], w[2], w[3], w[4], w[5]);
                objekte(z.Affin);
            },
            std::move(zeilen)};
}
const auto ohne = [](AffineObjekte&) {};
constexpr double s3 = 0.866025404; // sin 60°

const Fall faelle[] = {
    {A::Punkt,
     [](Szene& z) { z.SzenePunkt = P(1, 2, 3); },
     {"                            ______________", "d = -/(1² + 2² + 3²)", "d = 3.742",
      "==> a = 74.499°", "==> ß = 57.688°", "==> g = 36.699°"}},
    {A::Punkt, [](Szene& z) { z.SzenePunkt = P(0, 0, 0); }, {"d = 0", "P ist der Ursprung"}},
    {A::Linie,
     [](Szene& z) { z.SzeneStrecke.A = P(2, 1, 1), z.SzeneStrecke.B = P(6, 7, 8); },
     {"QP = p-q = |1| - |7| = |-6|", "= 10.05", "                        1      |4|   |0.398|",
      "==> M(4/4/4.5)"}},
    {A::Linie,
     [](Szene& z) { z.SzeneStrecke.A = z.SzeneStrecke.B = P(1, 1, 1); },
     {"P und Q sind gleich", "==> M(1/1/1)"}},
    {A::KugelPunkt,
     [](Szene& z) { z.SzeneKugel = kBsp, z.SzenePunkt = P(2, 1, 4); },
     {"= 1   r² = 16", "Der Punkt liegt also im Innern der Kugel !"}},
    {A::KugelVPunkt,
     [](Szene& z) { z.SzeneKugelV = KV(P(4, 2, 6), 2), z.SzenePunkt = P(2, 1, 7); },
     {"M(2/1/3),  r = 4", "auf der Kugel !", "Also Ebene E: 0x1 + 0x2 + 4x3 = 28", "= 0"}},
    {A::KugelPunkt,
     [](Szene& z) { z.SzeneKugel = kBsp, z.SzenePunkt = P(2, 2, 8); },
     {"außerhalb der Kugel !", "0x1 + 1x2 + 5x3 = 32", "M`(2/1.615/6.077)", "= 2.481"}},
    {A::Gerade,
     [](Szene& z) { z.SzeneGerade = G(P(1, 4, 3), P(-1, 2, 1)); },
     {"2·x1 - (-1)·x2 = 6,  x3 = 0", "==> r = -3", "S12(4/-2/0)", "S13(3/0/1)", "S23(0/6/4)"}},
    {A::Gerade,
     [](Szene& z) { z.SzeneGerade = G(P(0, 0, 1), P(1, 0, 0)); },
     {"p23 ist nur ein Punkt", "Spurpunkt S12 (g ist parallel", "kein Spurpunkt S13"}},
    {A::GeradePunkt,
     [](Szene& z) { z.SzeneGerade = gBsp, z.SzenePunkt = P(0, 6, 4); },
     {"(1)  0 = 2 + r · (-1)   ==> r = 2", "==> Der Punkt liegt auf Geraden !"}},
    {A::GeradePunkt,
     [](Szene& z) { z.SzeneGerade = gBsp, z.SzenePunkt = P(2, 2, 8); },
     {"für kein r alle erfüllt ! ", "Eh: -1x1 + 2x2 + 1x3 = 10", "L(1/4/3)", "= 5.477",
      "==> P`(0/6/-2)"}},
    {A::PunktZweiGeraden,
     [](Szene& z) { z.SzenePunkt = P(-4, 3, 3), z.SzeneGerade2 = G(P(0, 0, 2), P(-1, 2, 0)); },
     {"Eh: 1x1 - 4x2 + 7x3 = 5", "Eh schneidet g2 in S(-1/2/2)", "(*)", "T(2/1/1)"}},
    {A::PunktZweiGeraden,
     [](Szene& z) { z.SzenePunkt = P(-4, 3, 3), z.SzeneGerade2 = G(P(0, 0, 9), P(1, 2, 1)); },
     {"Die Ebene Eh schneidet die Gerade g2 nicht !", "und g2 schneidet !"}},
    {A::PunktZweiGeraden,
     [](Szene& z) { z.SzenePunkt = P(-4, 3, 3), z.SzeneGerade2 = G(P(-3, 5, 4), P(0, 0, 1)); },
     {"S(-3/5/4)", "l und g1 sind lin.abh.", "Schnittpunkt T von l mit g1 !"}},
    {A::ZweiGeraden,
     [](Szene& z) { z.SzeneGerade1 = G(P(1, 1, 1), P(1, 2, 3)), z.SzeneGerade2 = x1(2, 3, 4); },
     {"(3)  3·r - 0·s = 3", "r = 1, s = 0", "S(2/3/4)", "a = 74.499°", "x = |3| + t | 3|"}},
    {A::ZweiGeraden,
     [](Szene& z) {
         z.SzeneGerade1 = G(P(1, 4, 3), P(-1, 2, 1)), z.SzeneGerade2 = G(P(-6, 2, 3), P(-1, 4, -3));
     },
     {"windschief", "L1(0.3/5.4/3.7)", "Abstand d = |L1L2| = 7.12"}},
    {A::ZweiGeraden,
     [](Szene& z) { z.SzeneGerade1 = x1(0, 0, 0), z.SzeneGerade2 = x1(0, 3, 4); },
     {"parallel, Abstand d = 5"}},
    {A::ZweiGeraden,
     [](Szene& z) { z.SzeneGerade1 = x1(0, 0, 0), z.SzeneGerade2 = x1(5, 0, 0); },
     {"identisch"}},
    {A::EbeneGerade,
     [](Szene& z) { z.SzeneGerade = gBsp, z.SzeneEbene = EN(P(1, -1, 1), 3); },
     {"2 + r · (-2) = 3", "==> r = -0.5", "S(2.5/1/1.5)", "==> α` = 61.874°", "durch α = 90-α` !",
      "α = 90 - 61.874 = 28.126°"}},
    {A::EbeneGerade,
     [](Szene& z) { z.SzeneGerade = x1(1, 2, 3), z.SzeneEbene = EN(P(0, 0, 1), 4); },
     {"==> Die Gerade g ist parallel zur Ebene E", "= |-1| = 1"}},
    {A::EbeneParGerade,
     [](Szene& z) { z.SzeneGerade = x1(1, 2, 4), z.SzeneEbenePar = x12(4); },
     {"Umrechnung", "bzw. E: 0x1 + 0x2 + 1x3 = 4", "Die Gerade g liegt ganz in der Ebene E."}},
    {A::KugelGerade,
     [](Szene& z) { z.SzeneKugel = kBsp, z.SzeneGerade = gBsp; },
     {"6 r² + 2 r + (-14) = 0", "r1 = 1.37, r2 = -1.703", "S1 und S2 !", "d = 1.354"}},
    {A::KugelGerade,
     [](Szene& z) { z.SzeneKugel = KM(P(0, 0, 0), 1), z.SzeneGerade = G(P(1, -1, 0), P(0, 1, 0)); },
     {"r² + (-2) r + 1 = 0", "Punkt S (==> Tangentenpunkt)", "S(1/0/0)", "d = 1"}},
    {A::KugelVGerade,
     [](Szene& z) { z.SzeneKugelV = KV(P(0, 0, 0), 1), z.SzeneGerade = G(P(2, 0, 0), P(0, 1, 0)); },
     {"Vektorform", "Die Gerade g schneidet die Kugel K nicht", "d = 2"}},
    {A::Ebene,
     [](Szene& z) { z.SzeneEbene = EN(P(1, -2, 1), 3); },
     {"NF: E:", "= 2.449", "HNF: 0.408x1 - 0.816x2 + 0.408x3 = 1.225", "s23:", "S1(3/0/0)",
      "S2(0/-1.5/0)", "S3(0/0/3)"}},
    {A::EbenePar,
     [](Szene& z) { z.SzeneEbenePar = EP(P(1, 0, 0), P(0, 1, 0), P(0, 0, 1)); },
     {"Umrechnung", "E: 1x1 + 0x2 + 0x3 = 1", "keine Spurgerade s23", "x2-Achse nicht."}},
    {A::EbenePunkt,
     [](Szene& z) { z.SzeneEbene = EN(P(1, -1, 1), 3), z.SzenePunkt = P(2, 2, 6); },
     {"1·2 + (-1)·2 + 1·6 = 6 <> 3  (falsch)", "außerhalb von E !", "= |1.732| = 1.732", "L(1/3/5)",
      "==> P`(0/4/4)"}},
    {A::EbenePunkt,
     [](Szene& z) { z.SzeneEbene = EN(P(1, -1, 1), 3), z.SzenePunkt = P(3, 0, 0); },
     {"= 3 = 3  (richtig)", "Der Punkt P liegt auf der Ebene E !"}},
    {A::EbeneParPunkt,
     [](Szene& z) { z.SzeneEbenePar = x12(3), z.SzenePunkt = P(1, 1, 5); },
     {"Umrechnung", "P in E eingesetzt:", "(falsch)", "= 2", "L(1/1/3)", "P`(1/1/1)"}},
    {A::EbeneNormEbeneNorm,
     [](Szene& z) { z.SzeneEbene1 = EN(P(1, -2, 1), 3), z.SzeneEbene2 = EN(P(-1, 2, 1), 4); },
     {"(2)  -1x1 + 2x2 + 1x3 = 4", "==> schneidend", "Schnittgerade g:", "==> a = 48.19°"}},
    {A::EbeneNormEbeneNorm,
     [](Szene& z) { z.SzeneEbene1 = EN(P(1, 0, 0), 1), z.SzeneEbene2 = EN(P(2, 0, 0), 6); },
     {"==> parallel", "Abstand der parallelen Ebenen:", "d = 2"}},
    {A::EbeneParEbenePar,
     [](Szene& z) {
         z.SzeneEbenePar1 = x12(1), z.SzeneEbenePar2 = EP(P(5, 5, 1), P(1, 1, 0), P(0, 2, 0));
     },
     {"Umrechnung", "Umrechnung", "die beiden Ebenen E1 und E2 sind identisch !"}},
    {A::EbeneParEbeneNorm,
     [](Szene& z) { z.SzeneEbenePar1 = x12(1), z.SzeneEbene2 = EN(P(0, 0, 2), 6); },
     {"Umrechnung", "(2)  0x1 + 0x2 + 2x3 = 6", "==> parallel", "d = 2"}},
    {A::KugelEbene,
     [](Szene& z) { z.SzeneKugel = KM(P(0, 1, 0), 4), z.SzeneEbene = EN(P(0, 0, 1), 3); },
     {"= |-3| = 3", "e und r: 3 < 4", "Mk(0/1/3)", "r`² = r² - e²", "-/(4² - 3²) = 2.646"}},
    {A::EbeneNormKugelM,
     [](Szene& z) { z.SzeneKugel = KM(P(0, 1, 0), 4), z.SzeneEbene = EN(P(0, 0, 1), 4); },
     {"Vergleiche e und r: 4 = 4", "E berührt die Kugel im Punkt Mk(0/1/4)"}},
    {A::KugelVEbenePar, // M(0/1/0), r = 4
     [](Szene& z) { z.SzeneKugelV = KV(P(0, 2, 0), 15), z.SzeneEbenePar = x12(5); },
     {"M(0/1/0),  r = 4", "Umrechnung", "e und r: 5 > 4", "E schneidet die Kugel nicht,"}},
    {A::Kugel,
     [](Szene& z) { z.SzeneKugel = KM(P(2, 3, 1), 4); },
     {"Mx und r: |2| <= 4", "berührt x2x3-Ebene !", "= 3.464", "= 2.646", "= 3.873"}},
    {A::KugelV, // M(5/0/0), r = 4
     [](Szene& z) { z.SzeneKugelV = KV(P(10, 0, 0), -9); },
     {"Mx und r: |5| > 4", "K schneidet die x2x3-Ebene nicht !", "My und r: |0| <= 4", "= 4"}},
    {A::KugelKugel,
     [](Szene& z) { z.SzeneKugel1 = KM(P(0, 1, 0), 3), z.SzeneKugel2 = KM(P(0, 6, 0), 4); },
     {"r1 + r2 = 7     |r1 - r2| = 1", "in einem Kreis !", "E: 0x1 + 10x2 + 0x3 = 28",
      "Mk(0/2.8/0)", "= 2.4"}},
    {A::KugelKugel,
     [](Szene& z) { z.SzeneKugel1 = KM(P(0, 0, 0), 1), z.SzeneKugel2 = KM(P(3, 0, 0), 2); },
     {"von außen !", "E: 6x1 + 0x2 + 0x3 = 6", "Mk(1/0/0)"}},
    {A::KugelKugel,
     [](Szene& z) { z.SzeneKugel1 = KM(P(0, 0, 0), 1), z.SzeneKugel2 = KM(P(5, 0, 0), 2); },
     {"sie liegen auseinander"}},
    {A::KugelMKugelV,
     [](Szene& z) { z.SzeneKugel = KM(P(0, 0, 0), 3), z.SzeneKugelV = KV(P(2, 0, 0), 3); },
     {"M(1/0/0),  r = 2", "von innen !", "Mk(3/0/0)"}},
    {A::KugelVKugelV,
     [](Szene& z) { z.SzeneKugelV1 = KV(P(0, 0, 0), 9), z.SzeneKugelV2 = KV(P(1, 0, 0), 0.75); },
     {"M(0.5/0/0),  r = 1", "eine liegt in der anderen"}},
    {A::Kugel4Punkte,
     [](Szene& z) { z.SzeneTetraeder.D = P(0, 0, 1); },
     {"(2)  -2Mx + 0My + 0Mz - R = 1", "4x1 + 0x2 + 0x3 = 0", "M(0/0/0)", "R = -1", "= 1"}},
    {A::Kugel4Punkte,
     [](Szene& z) { z.SzeneTetraeder.D = P(0, -1, 0); },
     {"keine eindeutige Lösung"}},
    {A::Skalarprodukt,
     [](Szene& z) { z.SzeneVek1 = P(2, 2, 0), z.SzeneVek2 = P(1, 4, 6); },
     {"2·1 + 2·4 + 0·6 = 10", "= 7.28", "w = 60.945°", "p von a auf b:", "|0.189|", "|2.5|"}},
    {A::Skalarprodukt,
     [](Szene& z) { z.SzeneVek1 = P(1, 0, 0), z.SzeneVek2 = P(-1, 1, 0); },
     {"= -1", "==> w = 135°"}},
    {A::Skalarprodukt,
     [](Szene& z) { z.SzeneVek1 = P(0, 0, 0), z.SzeneVek2 = P(1, 4, 6); },
     {"Ein Nullvektor"}},
    {A::Vektorprodukt,
     [](Szene& z) { z.SzeneVek1 = P(2, 2, -1), z.SzeneVek2 = P(1, 4, 3); },
     {"2·3 - (-1)·4 = 10", "2·4 - 2·1 = 6", "= 13.601", "| 0.735|", "w = 62.767°"}},
    {A::Vektorprodukt,
     [](Szene& z) { z.SzeneVek1 = P(1, 2, 3), z.SzeneVek2 = P(2, 4, 6); },
     {"n ist der Nullvektor"}},
    {A::Dreieck,
     [](Szene& z) { z.SzeneDreieck.B = P(0, 3, 0), z.SzeneDreieck.C = P(0, 0, 5); },
     {"= 19", "A = 1/2 · |n| = 1/2 · 19 = 9.5", "1/3 · |3| = |    1|", "S(0.667/1/1.667)"}},
    {A::Spatprodukt,
     [](Szene& z) {
         z.SzeneVek1 = P(2, 2, 0), z.SzeneVek2 = P(8, 9, 4), z.SzeneVek3 = P(-1, 3, 5);
     },
     {"= -22", "Der Betrag |s| = 22 ist das Volumen"}},
    {A::Spatprodukt,
     [](Szene& z) { z.SzeneVek1 = P(1, 0, 0), z.SzeneVek2 = P(0, 1, 0), z.SzeneVek3 = P(1, 1, 0); },
     {"s = 0: a, b und c liegen in einer Ebene"}},
    {A::Tetraeder,
     [](Szene& z) {
         z.SzeneTetraeder = {P(1, 0, 0), P(1, 4, 0), P(0, 2, 0), P(1, 1, 4)};
     },
     {"A = 1/2 · |n| = 1/2 · 4 = 2", "HNF von E:", "= |4| = 4",
      "V = 1/3 · A · h = 1/3 · 2 · 4 = 2.667", "H(1/1/0)"}},
    {A::TetraederEbene,
     [](Szene& z) {
         z.SzeneTetraeder = {P(0, 0, 0), P(1, 1, 1), P(2, 2, 2), P(1, 1, 4)};
     },
     {"1/2 · 0 = 0", "es gibt kein Tetraeder"}},
    {A::LineareAbh2,
     [](Szene& z) { z.SzeneVek1 = P(1, 2, 3), z.SzeneVek2 = P(2, 4, 6); },
     {"linear abhängig: "}},
    {A::LineareAbh2,
     [](Szene& z) { z.SzeneVek1 = P(1, 2, 3), z.SzeneVek2 = P(2, 4, 7); },
     {"unabhängig !"}},
    {A::LineareAbh3,
     [](Szene& z) { z.SzeneVek1 = P(1, 2, 3), z.SzeneVek2 = P(2, 4, 6), z.SzeneVek3 = P(0, 0, 1); },
     {"det(a, b, c) = 0", "-2·a + 1·b + 0·c = o"}},
    {A::LineareAbh4, [](Szene& z) { z.SzeneVek4 = P(1, 1, 1); }, {"immer linear abhängig", "= o"}},
    {A::Dreieck2,
     [](Szene& z) {
         Dreieck2_Beispiel(z.SzeneDreieck2);
         z.Dreieck2 =
             Dreieck2_berechnen(z.SzeneDreieck2[0], z.SzeneDreieck2[1], z.SzeneDreieck2[2]);
     },
     {"a = |BC| = -/((-4)² + 5²) = 6.403", "γ = 77.32°", "α + β + γ = 180°", "M(0/-0.1)",
      "H(0/2.2)", "x = 0"}},
    ell(E::MittelpunktAchsen, bsp,
        {"(x-2)²     (y-2)²", "-/(5² - 3²) = 4", "F1(-2/2)  F2(6/2)", "S3(2/5)  S4(2/-1)"}),
    ell(E::MittelpunktAchsen, [](auto& in) { in.E.a = 3, in.E.b = -5, in.E.M = P2(0, 0); },
        {"mit ihrem Betrag", "-/(5² - 3²) = 4", "y-Achse", "F1(0/-4)  F2(0/4)"}),
    ell(E::MittelpunktAchsen, [](auto& in) { in.E.a = in.E.b = 2; }, {"ein Kreis, e = 0"}),
    ell(E::MittelpunktAchsen, [](auto& in) { in.E.a = 0; },
        {"a = 0 oder b = 0", "Ellipse unmöglich !"}),
    ell(E::ExzentrizitaetPunkt, bsp,
        {"s = 3² + 3² + 5² = 43", "A² - 43·A + 225 = 0", "21.5 + -/(21.5² - 225) = 36.903",
         "= 6.075", "b² = a² - e² = 36.903 - 25 = 11.903", "= 3.45",
         "-(11.903·3)/(36.903·3) = -0.323", "t: y=-0.323*x + 3.968"}),
    ell(E::ExzentrizitaetPunkt, [](auto& in) { in.P = P2(3, 0); },
        {"= 17 + -/(17² - 225) = 25", "b² = a² - e² = 25 - 25 = 0", "zwischen den Brennpunkten",
         "Ellipse unmöglich !"}),
    ell(E::AchseTangente, bsp,
        {"m = -u/v = -1/2 = -0.5,  c = w/v = 10/2 = 5", "b² = 5² - (6·(-0.5))² = 16", "= 4",
         "x'² + (-7.2)·x' + 12.96 = 0", "D = (p/2)² - q = (-3.6)² - 12.96 = 0", "B(3.6/3.2)"}),
    ell(E::AchseTangente, [](auto& in) { in.t = gl(1, 1, 2); },
        {"b² = 2² - (6·(-1))² = -32", "Ellipse unmöglich !"}),
    ell(E::AchseTangente, [](auto& in) { in.t = gl(1, 0, 8); },
        {"t: 1x + 0y = 8", "x = w/u = 8/1 = 8", "Mx = k - a = 8 - 6 = 2", "b = a/2 = 3", "|x'| = a",
         "B(8/0)"}),
    ell(E::BrennpunktePunkt, bsp,
        {"M(-0.5/2)", "e = |F1x - Mx| = 2.5", "8.25 + -/(8.25² - 39.063) = 13.635", "= 3.693",
         "= 2.718", "2 + 5.385 = 7.385 = 2·3.693", "= -0.677", "t: y=-0.677*x + 5.354"}),
    ell(E::BrennpunktePunkt, [](auto& in) { in.F1 = P2(1, 4), in.F2 = P2(1, -2), in.P = P2(5, 1); },
        {"übereinander", "e = |F1y - My| = 3", "(0/4)", "= 12.5 + -/(12.5² - 0) = 25",
         "Zurückgetauscht: a = 4,  b = 5", "F1(1/-2)  F2(1/4)", "x = 16/4 + 1 = 5", "t: x = 5"}),
    ell(E::BrennpunktePunkt, [](auto& in) { in.P = P2(0, 2); },
        {"b² = a² - e² = 6.25 - 6.25 = 0", "zwischen den Brennpunkten", "Ellipse unmöglich !"}),
    ell(E::BrennpunktePunkt, [](auto& in) { in.F2 = in.F1; }, {"F1 = F2", "Ellipse unmöglich !"}),
    ell(E::BrennpunktPunktTangente, bsp,
        {"By = m·Px + c = (-0.5)·2 + 1 = 0  ==> B(2/0)", "m = 0.5,  By = 2·Fy - By = 4",
         "s = (By - Fy)/(Bx - Fx) = 2/(-5) = -0.4", "s < 0 ==> φ = -arctan(s) = 21.801°",
         "arctan(-1/m) + 180° = 116.565°", "δ = 180° - ψ - φ = 41.634°", "= 74.932°", "= 5.385",
         "= 2.769", "F2(1.462/2)", "M(4.231/2)", "a = (|BF1| + |BF2|)/2 = 3.728", "= 2.496"}),
    ell(E::BrennpunktPunktTangente,
        [](auto& in) { in.F1 = P2(0, 0), in.P = P2(3, 0), in.t = gl(-1, 1, 4); },
        {"B(3/7)", "s > 0 ==> φ = 180° - arctan(s) = 113.199°", "= 135°",
         "ρ = 180° - φ - 2δ = 203.199°", "= 6.667", "- (2e/0), da δ <= 90°:  F2(-13.333/0)",
         "M(-6.667/0)", "= 10.801"}),
    ell(E::BrennpunktPunktTangente,
        [](auto& in) { in.F1 = P2(0, 0), in.P = P2(5.1, 0), in.t = gl(10, 1, 50); },
        {"B(5.1/-1)", "ρ = 180° - φ - 2δ = -157.485°", "kein Dreieck",
         "Exakte Ellipse unmöglich !"}),
    ell(E::BrennpunktPunktTangente, [](auto& in) { in.t = gl(1, 0, 3); },
        {"senkrechte Tangente", "Exakte Ellipse unmöglich !"}),
    ell(E::BrennpunktTangente, bsp,
        {"e = |F1x| = 3", "b² = (3² - 9·(-0.5)²)/((-0.5)² + 1) = 6.75/1.25 = 5.4", "= 2.324",
         "-/(5.4 + 9) = 3.795", "D = (p/2)² - q = (-2.4)² - 5.76 = 0", "B(2.4/1.8)"}),
    ell(E::BrennpunktTangente, [](auto& in) { in.t = gl(1, 1, 1); },
        {"c² - e²·m² = 1² - 9·(-1)² = -8", "Ellipse unmöglich !"}),
    ell(E::BrennpunktTangente, [](auto& in) { in.t = gl(1, 0, 5); },
        {"a = |k| = 5", "-/(5² - 3²) = 4", "B(5/0)"}),
    ell(E::BrennpunktTangente, [](auto& in) { in.F1.y = 1; },
        {"nicht auf der x-Achse", "Ellipse unmöglich !"}),
    ell(E::MittelpunktZweiPunkte, bsp,
        {"p = P - M = (2/3.5),  q = Q - M = (-4/-2.5)", "(1)  4/a² + 12.25/b² = 1",
         "(2)  16/a² + 6.25/b² = 1", "= -171/(-6) = 28.5", "= 171/12 = 14.25",
         "a = 5.339,  b = 3.775", "tp: y=-0.286*x + 5.643", "tq: y=-0.8*x -3.1"}),
    ell(E::MittelpunktZweiPunkte, [](auto& in) { in.Q = P2(0, -2.5); },
        {"keine eindeutige", "Ellipse unmöglich !"}),
    ell(E::MittelpunktZweiPunkte,
        [](auto& in) { in.E.M = P2(0, 0), in.P = P2(1, 1), in.Q = P2(2, 3); },
        {"= 5/8 = 0.625", "= -5/3 = -1.667", "b² <= 0", "Ellipse unmöglich !"}),
    ell(E::MittelpunktAchseTangente, bsp,
        {"c' = m·Mx + c - My = (-0.5)·2 + 5 - 1 = 3", "b² = 3² - (4·(-0.5))² = 5", "= 2.236",
         "B(4.667/2.667)"}),
    ell(E::MittelpunktAchseTangente, [](auto& in) { in.t = gl(1, 1, 3); },
        {"b² = 0² - (4·(-1))² = -16", "Ellipse unmöglich !"}),
    ell(E::MittelpunktAchseTangente, [](auto& in) { in.t = gl(1, 0, 6); },
        {"|k - Mx| = |6 - 2| = 4,  a = 4", "b = a/2 = 2", "B(6/1)"}),
    ell(E::MittelpunktAchseTangente, [](auto& in) { in.t = gl(1, 0, 5); },
        {"|k - Mx| <> a", "Ellipse unmöglich !"}),
    ell(E::EllipsePunkt, bsp,
        {"2²/5² + 5²/3² = 0.16 + 2.778 = 2.938 > 1",
         "außerhalb der Ellipse:", "-(9·2)/(25·5) = -0.144", "Polare: y=-0.144*x + 4.088",
         "T1(6.629/3.133)  T2(-1.268/4.271)", "t1: y=-1.471*x + 12.882", "t2: y=0.518*x + 4.928"}),
    ell(E::EllipsePunkt, [](auto& in) { in.P = P2(2, 3); },
        {"0²/5² + 1²/3² = 0 + 0.111 = 0.111 < 1", "P innerhalb Ellipse:", "keine Tangente"}),
    ell(E::EllipsePunkt, [](auto& in) { in.P = P2(7, 2); },
        {"= 1 + 0 = 1 = 1", "P liegt auf der Ellipse:", "x = 25/5 + 2 = 7", "Tangente: x = 7"}),
    ell(E::EllipseGerade, bsp,
        {"c' = m·Mx + c - My = (-0.5)·(-1) + 3 - 1 = 2.5", "/15.25 = -4.098", "= -4.508", "= 8.707",
         "D > 0", "Schnittpunkte: g mit E", "B1(4/1)", "B2(-1.902/3.951)"}),
    ell(E::EllipseGerade, [](auto& in) { in.t = gl(1, 2, 20); },
        {"= -72.561", "D < 0", "g außerhalb Ellipse:"}),
    ell(E::EllipseGerade, [](auto& in) { in.t = gl(0, 1, 4); },
        {"= 0", "eine doppelte Lösung", "g ist Tangente:", "B(-1/4)"}),
    ell(E::EllipseGerade, [](auto& in) { in.t = gl(1, 0, 4); },
        {"x' = k - Mx = 4 - (-1) = 5", "5 = 5", "g ist Tangente:", "B(4/1)"}),
    ell(E::ZweiEllipsen, bsp,
        {"D = (3·4)² - (5·5)² = -481", "x² = (60² - 100²)/(-481) = 13.306", "= 3.648", "= 2.052",
         "P1(1.648/2.052)  P2(-5.648/2.052)", "P3(-5.648/-2.052)  P4(1.648/-2.052)"}),
    ell(E::ZweiEllipsen, [](auto& in) { in.E2.M = P2(0, 0); }, {"Mittelpunkte sind verschieden"}),
    ell(E::ZweiEllipsen, [](auto& in) { in.E2.a = 10, in.E2.b = 6; }, {"D = 0"}),
    ell(E::ZweiEllipsen, [](auto& in) { in.E2.a = 1, in.E2.b = 2; },
        {"x² < 0: keine Schnittpunkte"}),
    ell(E::ZweiEllipsen, [](auto& in) { in.E2.a = 4, in.E2.b = 2; }, {"< 0: keine Schnittpunkte"}),
    abb({0.5, s3, -s3, 0.5, 0, 0},
        [](auto& o) { o.Punkt1 = o.Kreis = true, o.A = P2(2, 0), o.A.Name = "A", o.r = 1; },
        {"x`= |   0.5 -0.866 | · x + | 0 |", "= 0.5·0.5 - (-0.866)·0.866 = 1", "F(0/0)",
         "k^2 + (-1)*k + (1) = 0", "= -0.75", "Δ < 0", "D R E H U N G:", "-/(1) = 1",
         "= 0.5  ==> Drehwinkel φ = 60°", "A(2/0)  -->  A´(1/1.732)",
         "A´ = |D|·π·r² = 1·3.142 = 3.142"}),
    abb({2, 0, 0, -2, 0, 0}, [](auto& o) { o.Kreis = true, o.r = 1; },
        {"STRECKSPIEGELUNG !", "A´ = |D|·π·r² = 4·3.142 = 12.566"}),
    abb({1, 0, 0, 1, 1, 1}, ohne,
        {"A = E, b <> o", "kein Fixpunkt !", "Jede Richtung ist fix !",
         "VERSCHIEBUNG:", "Richtung (1/1)"}),
    abb({1, 0, 1, 1, 0, 0}, ohne,
        {"D = Dx = Dy = 0", "Fixpunktgerade", "k = -p/2 = 1", "v1 = (1/0)", "SCHERUNG:"}),
    abb({2, 0, 0, -2, 0, 0},
        [](auto& o) { o.Dreieck = true, o.D[0] = P2(0, 0), o.D[1] = P2(1, 0), o.D[2] = P2(0, 1); },
        {"2·(-2) - 0·0 = -4", "k1 = 2,  k2 = -2", "v1 = (1/0)", "v2 = (0/1)", "STRECKSPIEGELUNG !",
         "A(0/0)  -->  A´(0/0)", "C(0/1)  -->  C´(0/-2)", "A = 0.5,  Bildfläche A´ = |D|·A = 2"}),
    abb({1, 0, 0, 0, 0, 0},
        [](auto& o) { o.Urbild = o.Gerade = true, o.H = P2(1, 2), o.g = gl(1, 1, 1); },
        {"D = 0: die Abbildung ist nicht umkehrbar.", "k1 = 1,  k2 = 0", "PARALLELSTRECKUNG:",
         "P(0/1)  -->  P´(0/0)", "g´: 0·x + 1·y = 0", "Kann Urbildpunkt nicht berechnen !"}),
    abb({2, 0, 0, 3, 1, 0}, [](auto& o) { o.Urbild = true, o.H = P2(5, 6); },
        {"Dx = -1·2 - 0·0 = -2", "F(-1/0)", "2.5 ± 0.5", "k1 = 3,  k2 = 2", "EULER-AFFINITÄT !",
         "Fixgerade: x = -1", "P´(5/6)  -->  P(2/2)"}),
    abb({},
        [](auto& o) {
            o.DreiPunkte = true;
            const TPunkt2 u[3] = {P2(0, 0), P2(1, 0), P2(0, 1)},
                          b[3] = {P2(1, 1), P2(3, 1), P2(1, 2)};
            for (int i = 0; i < 3; ++i) o.Urbilder[i] = u[i], o.Bilder[i] = b[i];
        },
        {"d = ux·vy - uy·vx = 1·1 - 0·0 = 1", "(2·1 - 0·0)/1 = 2", "= (1/1) - (0/0) = (1/1)",
         "D = 0, aber Dx oder Dy <> 0", "SCHUBPARALLELSTRECKUNG:", "Fixgerade: x = -1"}),
    abb({},
        [](auto& o) {
            o.DreiPunkte = true;
            for (int i = 0; i < 3; ++i) o.Urbilder[i] = o.Bilder[i] = P2(i, i);
        },
        {"= 1·2 - 1·2 = 0", "Kann Abbildung nicht berechnen !"}),
    abb({},
        [](auto& o) {
            o.Fixgerade = true, o.f = gl(0, 1, 0), o.FG[0] = P2(0, 1), o.FG[1] = P2(0, 2);
        },
        {"Fixpunktgerade: 0·x + 1·y = 0", "F1(0/0), F2(1/0)",
         "a22 = (Vy·ux - Uy·vx)/d = (-2·0 - (-2)·1)/1 = 2", "PARALLELSTRECKUNG:"}),
    {Szenenart::AffineAbbildung,
     [](Szene& z) { // map 1 after map 2: x´ = 2x + (1/0)
         AffineSlots& a = z.Abbildungen;
         a.Erste = affine::abbildung(1, 0, 0, 1, 1, 0);
         a.Zweite = affine::abbildung(2, 0, 0, 2, 0, 0);
         a.Abb[0] = Verkettung(a.Erste, a.Zweite);
         a.Verkettung = true, a.erste = 1, a.zweite = 2;
     },
     {"erst Abb.2, dann Abb.1:", "A = A1·A2,  b = A1·b2 + b1:", "F(-1/0)",
      "ZENTRISCHE STRECKUNG:"}},
};

std::string loesung(const Fall& f) {
    // What most cases share: g1 of the point with two lines, the triangle's first vertex, the
    // first three of four points, three unit vectors; each case sets the rest.
    Szene z;
    z.art = f.art;
    z.SzeneGerade1 = G(P(1, -1, 0), P(1, 2, 1));
    z.SzeneDreieck.A = P(2, 0, 0);
    z.SzeneTetraeder = {P(1, 0, 0), P(-1, 0, 0), P(0, 1, 0), P(0, 0, 0)};
    z.SzeneVek1 = P(1, 0, 0), z.SzeneVek2 = P(0, 1, 0), z.SzeneVek3 = P(0, 0, 1);
    f.setzen(z);
    std::string s;
    for (const std::string& zeile : workedSolution(z)) s += zeile + "\n";
    return s;
}

} // namespace

TEST(WorkedSolution, EveryWriterThroughItsCases) {
    for (const Fall& f : faelle) {
        const std::string s = loesung(f);
        const HelpKind* k = helpKind(f.art);
        ASSERT_TRUE(k && k->heading) << static_cast<int>(f.art);
        EXPECT_EQ(s.rfind(std::string(" \n") + k->heading + "\n \n", 0), 0u)
            << static_cast<int>(f.art);
        EXPECT_EQ(s.substr(s.size() - 4), " \n \n") << static_cast<int>(f.art);
        EXPECT_EQ(s.find("weiterrechnen"), std::string::npos) << static_cast<int>(f.art) << "\n"
                                                              << s;
        std::size_t ab = 0;
        for (const char* zeile : f.zeilen) {
            const std::size_t i = s.find(zeile, ab);
            EXPECT_NE(i, std::string::npos) << static_cast<int>(f.art) << ": " << zeile << "\n"
                                            << s;
            if (i != std::string::npos) ab = i + 1;
        }
    }
}

TEST(WorkedSolution, EveryWriterIsTestedAndEveryPageNamed) {
    for (const HelpKind& k : helpKinds()) {
        EXPECT_NE(std::string(k.page).find(".rtf"), std::string::npos);
        bool getestet = !k.write;
        for (const Fall& f : faelle) getestet = getestet || helpKind(f.art)->write == k.write;
        EXPECT_TRUE(getestet) << k.page;
    }
    // Kinds without a page and a writer give no solution; a line without direction (which the
    // input test rejects) ends the solution with the reason instead of an error box.
    Szene z;
    z.art = Szenenart::Viereck;
    EXPECT_TRUE(workedSolution(z).empty());
    z.art = Szenenart::GeradePunkt;
    z.SzenePunkt = P(1, 0, 0);
    std::vector<std::string> s;
    EXPECT_NO_THROW(s = workedSolution(z));
    EXPECT_GT(s.size(), 5u);
}
