// A sphere with a line, with a plane and with a second sphere.
#include "core/relations.h"
#include "sheet/blocks.h"
#include "sheet/report_layout.h"
#include "sheet/reports_spheres.h"

#include <cmath>

using namespace report;

namespace {

void beruehrpunkte_und_tangentialebenen(Sheet& s, const TKugel& K, const TGerade& g, int x,
                                        int& y) {
    bool fehler = true;
    TEbeneNorm T1, T2;
    TPunkt B1, B2;
    Tangentialebenen_durch_Gerade(K, g, fehler, T1, T2, B1, B2);
    if (fehler) return;
    s.Outtextln(x, y, "Tangentialebenen von g an K:");
    s.Outtextln(x, y, "Berührpunkte:");
    B1.Name = "B1";
    B2.Name = "B2";
    s.Punkt_ausgeben(B1, x, nullptr, y);
    s.next_zeile(y);
    s.Punkt_ausgeben(B2, x, nullptr, y);
    s.next_zeile(y);
    s.next_zeile(y);
    s.Outtextln(x, y, "Tangetialebenen:");
    EbeneNormalenForm_ausgeben(s, T1, x, y);
    s.movey(NachBlock, y);
    EbeneNormalenForm_ausgeben(s, T2, x, y);
    s.movey(NachBlock, y);
    s.Outtextln(x, y, "-----------------------------");
}

// Heading, both forms, centre, radius and distance from the origin of one of two spheres.
void kugel_mit_kugel_teil(Sheet& s, const std::string& titel, const TKugel& K, const TKugelV& V,
                          KugelGegeben gegeben, int index, int x, int& y) {
    s.Outtextln(x, y, titel);
    highlight(s);
    Kugel_Mittelpunktsform_ausgeben(s, K, x, y, ankerM(s, gegeben, index),
                                    ankerR(s, gegeben, index));
    Kugel_Vektorform_ausgeben(s, V, x, y, ankerA(s, gegeben, index), ankerC(s, gegeben, index));
    plain(s);
    s.next_zeile(y);
    s.Outtextln(x, y, "Mittelpunkt der Kugel: ");
    s.Punkt_ausgeben(K.M, x, nullptr, y);
    s.next_zeile(y);
    s.Outtext(x, y, "Radius: r = " + zahl(K.r));
    s.Gety(y);
    s.next_zeile(y);
    s.Outtext(x, y, "Abstand vom Ursprung: d = " + zahl(Abstand(UrsprungPunkt, K.M)));
    s.movey(Luecke, y);
    s.u(y);
}

// Two spheres count as identical within the tolerance with which they count as touching.
constexpr double IdentischToleranz = 1e-9;

} // namespace

void weiteres_Kugel_gerade_ausgeben(Sheet& s, const TKugel& K, const TGerade& g, int x, int& y) {
    y = stiftZeile(s);
    s.movey(Luecke, y);
    s.u(y);
    s.Outtextln(x, y, "Gerade:");
    highlight(s);
    Gerade_ausgeben(s, g, x, y, &s.anker.gerade[0][0], &s.anker.gerade[0][1]);
    plain(s);
    s.Gety(y);
    s.next_zeile(y);
    s.Outtextln(x, y, "Abstand vom Ursprung: d = " + zahl(Abstand_Punkt_Gerade(UrsprungPunkt, g)));

    TGerade lot;
    TPunkt fuss;
    int nichtAufG = 0;
    Lot_Punkt_Gerade(UrsprungPunkt, g, lot, fuss, nichtAufG);
    s.Outtextln(x, y, "Lotfußpunkt vom Ursprung:");
    s.Punkt_ausgeben(fuss, x, nullptr, y);
    s.movey(Luecke, y);
    SpurPunkte_ausgeben(s, g, x, y);
    s.next_zeile(y);
    s.u(y);

    s.Outtextln(x, y, "Schnittpunkte Kugel-Gerade:");
    int anzahl = 0;
    TPunkt S1, S2;
    Schnitt_Gerade_Kugel(K, g, anzahl, S1, S2);
    if (anzahl == 0) {
        s.Outtextln(x, y, "Gerade schneidet Kugel nicht !");
        s.Outtextln(x, y, "Abstand der Geraden vom Mittelpunkt M");
        s.Outtext(x, y, "d = " + zahl(Abstand_Punkt_Gerade(K.M, g)));
        s.movey(2, y);
        beruehrpunkte_und_tangentialebenen(s, K, g, x, y);
    } else if (anzahl == 1) {
        s.Outtextln(x, y, "Gerade berührt Kugel:");
        s.Punkt_ausgeben(S1, x, nullptr, y);
        s.next_zeile(y);
    } else {
        s.Punkt_ausgeben(S1, x, nullptr, y);
        s.next_zeile(y);
        s.Punkt_ausgeben(S2, x, nullptr, y);
        s.next_zeile(y);
        s.Outtext(x, y, "Abstand der Schnittpunkte: d =" + AbstandText(S1, S2));
    }

    y = stiftZeile(s);
    s.movey(Luecke, y);
    s.Outtextln(x, y, "Entfernteste Punkte von g auf K:");
    TPunkt F1, F2;
    Kugelpunkte_zur_Geraden(g, K, F1, F2);
    s.Punkt_ausgeben(F1, x, nullptr, y);
    s.next_zeile(y);
    s.Punkt_ausgeben(F2, x, nullptr, y);
    s.movey(Luecke, y);

    s.Outtextln(x, y, "Lot von M auf g:");
    Lot_Punkt_Gerade(K.M, g, lot, fuss, nichtAufG);
    if (nichtAufG == 1) {
        Gerade_ausgeben(s, lot, x, y);
        s.movey(NachBlock, y);
        s.Punkt_ausgeben(fuss, x, nullptr, y);
    } else {
        s.Outtext(x, y, "M liegt auf g !");
    }
    s.movey(Luecke, y);
}

void Kugel_Ebene_ausgeben(Sheet& s, const TKugel& K, const TKugelV& V, KugelGegeben kugel,
                          const TEbeneNorm& En, const TEbene& Ep, EbeneGegeben ebene, int x,
                          int& y) {
    s.Outtext(x, y, "Kugel und Ebene:");
    s.movey(Luecke, y);
    Kugel_ausgeben(s, K, V, kugel, x, y);
    s.Gety(y);
    s.u(y);
    s.Outtextln(x, y, "Ebene:");
    const bool normalform = ebene == EbeneGegeben::Normalenform;
    highlight(s);
    EbeneNormalenForm_ausgeben(s, En, x, y, normalform ? &s.anker.normale[0] : nullptr,
                               normalform ? &s.anker.d[0] : nullptr);
    plain(s);
    s.movey(NachBlock, y);
    EbeneParameter_ausgeben(s, Ep, x, y, normalform ? nullptr : s.anker.ebenePar[0]);
    Kugel_Ebene_weiters_ausgeben(s, K, En, x, y);
}

void Kugel_Ebene_weiters_ausgeben(Sheet& s, const TKugel& K, const TEbeneNorm& E, int x, int& y) {
    s.Gety(y);
    s.next_zeile(y);
    s.Outtextln(x, y, "Abstand vom Ursprung: d = " + zahl(Abstand_Punkt_Ebene(UrsprungPunkt, E)));
    s.Outtext(x, y, "Abstand vom KugelMittelpunkt e = " + zahl(Abstand_Punkt_Ebene(K.M, E)));
    s.movey(Luecke, y);

    int lage = 0;
    TPunkt Mk;
    double rk = 0;
    Lage_Ebene_Kugel(E, K, lage, Mk, rk);
    if (lage == 2) {
        s.Outtextln(x, y, "Ebene schneidet Kugel:");
        s.Outtextln(x, y, "Schnittkreis:");
        s.Punkt_ausgeben(Mk, x, nullptr, y);
        s.next_zeile(y);
        s.Outtextln(x, y, "Radius r = " + zahl(rk));
        s.Outtextln(x, y, "Schnittkreisfläche: A = " + zahl(PI * rk * rk));
    } else if (lage == 1) {
        s.Outtextln(x, y, "Ebene ist Tangentialebene:");
        s.Outtextln(x, y, "Berührpunkt:");
        s.Punkt_ausgeben(Mk, x, nullptr, y);
        s.next_zeile(y);
    } else {
        s.Outtextln(x, y, "Ebene schneidet Kugel nicht !");
    }

    bool polda = false;
    TPunkt pol;
    Pol(E, K, polda, pol);
    if (!polda) {
        s.next_zeile(y);
        s.Outtextln(x, y, "Ebene geht durch M: kein Pol !");
        return;
    }
    s.next_zeile(y);
    s.Outtextln(x, y, "Pol:");
    s.u(y);
    s.Punkt_ausgeben(pol, x, nullptr, y);
    s.next_zeile(y);
    s.Outtextln(x, y, "Abstand: Pol-Polarebene:");
    const double h = Abstand_Punkt_Ebene(pol, E);
    s.Outtextln(x, y, "d = " + zahl(h));
    // For a plane that misses the sphere the circle radius rk is 0, and so is the volume.
    s.Outtextln(x, y, "Tangetialkegel vom Pol aus:");
    s.Outtextln(x, y, "Volumen = " + zahl(PI * h * rk * rk / 3));
}

void Kugel_Kugel_ausgeben(Sheet& s, const TKugel& K1, const TKugelV& V1, KugelGegeben gegeben1,
                          const TKugel& K2, const TKugelV& V2, KugelGegeben gegeben2, int x,
                          int& y) {
    s.Outtext(x, y, "Kugel und Kugel:");
    s.movey(Luecke, y);
    kugel_mit_kugel_teil(s, "Kugel K1:", K1, V1, gegeben1, 0, x, y);
    kugel_mit_kugel_teil(s, "Kugel K2", K2, V2, gegeben2, 1, x, y);

    const double e = Abstand(K1.M, K2.M);
    s.Outtextln(x, y, "Abstand Kugelmittelpunkte: e = " + zahl(e));

    // The same sphere twice has no plane of a common circle (its normal would be zero).
    if (e < IdentischToleranz && std::fabs(K1.r - K2.r) < IdentischToleranz) {
        s.Outtextln(x, y, "K1 und K2 sind identisch !");
        return;
    }

    const int lage = Lage_zweier_Kugeln(K1, K2);
    if (lage == 2 || lage == -2)
        s.Outtext(x, y, "K1 und K2 schneiden sich !");
    else if (lage == 1 || lage == -1)
        s.Outtext(x, y, "K1 und K2 berühren sich !");
    else
        s.Outtext(x, y, "K1 und K2 schneiden sich nicht !");
    s.next_zeile(y);

    TEbeneNorm Es;
    Radikalebene(K1, K2, Es);
    Es.Name = "Es: ";
    if (lage == 3 || lage == -3) {
        s.Outtextln(x, y, "Ebene:");
        EbeneNormalenForm_ausgeben(s, Es, x, y);
        s.movey(3, y);
        return;
    }

    int kreis = 0;
    TPunkt Mk;
    double rk = 0;
    Lage_Ebene_Kugel(Es, K1, kreis, Mk, rk);
    if (kreis == 0) {
        // Touching spheres whose plane came out a hair beyond the sphere: the circle is the
        // touching point, the foot of the perpendicular from the centre on the plane.
        TGerade lot;
        Lot_auf_Ebene(K1.M, Es, lot, Mk);
        Mk.Name = "Mk";
        rk = 0;
    }
    s.Outtextln(x, y, "Schnittebene:");
    EbeneNormalenForm_ausgeben(s, Es, x, y);
    s.Gety(y);
    s.movey(Luecke, y);
    s.Outtextln(x, y, "Schnittkreis:");
    s.Punkt_ausgeben(Mk, x, nullptr, y);
    s.next_zeile(y);
    s.Outtextln(x, y, "Radius: rk = " + zahl(rk));
}
