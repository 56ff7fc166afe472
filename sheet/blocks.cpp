#include "sheet/blocks.h"

#include "core/checked.h"
#include "core/number_text.h"
#include "core/relations.h"

#include <stdexcept>

namespace {

// A three-row block starts at y; names and operators stand on its middle row.
int mitte(const Sheet& s, int y) {
    return plus_int(y, s.h());
}

// The position after a text written at x.
int nachText(const Sheet& s, int x, const std::string& t) {
    return plus_int(x, s.textWidth(t));
}

// The position after a column of w characters written at x.
int nachSpalte(const Sheet& s, int x, int w) {
    return plus_int(x, mal_int(w, s.breiteM()));
}

// Registers the rectangle of a single number's text written at x on the row y.
void feldMerken(const Sheet& s, FieldAnchor* a, int links, int rechts, int y) {
    if (!a) return;
    a->links = links;
    a->oben = y;
    a->rechts = rechts;
    a->unten = plus_int(y, s.h());
    a->gesetzt = true;
}

// A parameter form: the name on the middle row, vector p, " + r", vector u, and for a plane
// " + s", vector v. Each anchor may be null.
void parameterForm(Sheet& s, const std::string& vorspann, int x, int y, const TPunkt& p,
                   ColumnAnchor* ap, const TPunkt& u, ColumnAnchor* au, const TPunkt* v = nullptr,
                   ColumnAnchor* av = nullptr) {
    const int m = mitte(s, y);
    s.Outtext(x, m, vorspann);
    x = nachText(s, x, vorspann);
    int w = 0;
    s.Vector_ausgeben(p, x, w, ap, y);
    x = nachSpalte(s, x, w);
    // The operator is drawn without its trailing blank, but the advance keeps one blank before
    // the next bracket.
    s.Outtext(x, m, " + r");
    x = nachText(s, x, " + r ");
    s.Vector_ausgeben(u, x, w, au, y);
    if (!v) return;
    x = nachSpalte(s, x, w);
    s.Outtext(x, m, " + s");
    x = nachText(s, x, " + s ");
    s.Vector_ausgeben(*v, x, w, av, y);
}

const TPunkt Ursprung = punkt(0, 0, 0, farbe::Weiss, "");

} // namespace

void Gerade_ausgeben(Sheet& s, const TGerade& g, int x, int y, ColumnAnchor* stuetz,
                     ColumnAnchor* richtung) {
    parameterForm(s, g.Name + " x = ", x, y, g.Stuetz, stuetz, g.Richtung, richtung);
}

void EbeneParameter_ausgeben(Sheet& s, const TEbene& E, int x, int y, ColumnAnchor* anker) {
    s.Schriftfarbe(farbe::Schwarz);
    parameterForm(s, E.Name + "x = ", x, y, E.Stuetz, anker ? &anker[0] : nullptr, E.Richtung1,
                  anker ? &anker[1] : nullptr, &E.Richtung2, anker ? &anker[2] : nullptr);
}

void EbeneParameter_ausgeben_OhneBox(Sheet& s, const TEbene& E, int x, int y) {
    EbeneParameter_ausgeben(s, E, x, y, nullptr);
}

void EbeneNormalenForm_ausgeben(Sheet& s, const TEbeneNorm& E, int x, int y, ColumnAnchor* normale,
                                FieldAnchor* d) {
    const int m = mitte(s, y);
    s.Outtext(x, m, E.Name);
    x = nachText(s, x, E.Name);
    int w = 0;
    s.Vector_ausgeben(E.Normale, x, w, normale, y);
    x = nachSpalte(s, x, w);
    const std::string dt = ZahlText(E.d);
    s.Outtext(x, m, "x - " + dt + " = 0");
    // The clickable d reaches to the blank after it.
    feldMerken(s, d, nachText(s, x, "x - "), nachText(s, x, "x - " + dt + " "), m);
    if (normale || d) s.dText = dt;
}

void EbeneNormalenForm_ausgeben_OhneBox(Sheet& s, const TEbeneNorm& E, int x, int y) {
    EbeneNormalenForm_ausgeben(s, E, x, y, nullptr, nullptr);
}

void Kugel_Mittelpunktsform_ausgeben(Sheet& s, const TKugel& K, int x, int& y, ColumnAnchor* m,
                                     FieldAnchor* r) {
    s.Outtextln(x, y, "In Mittelpunktsform:");
    const int oben = y, mittel = mitte(s, y);
    const std::string vorspann = K.Name + "( x - ";
    s.Outtext(x, mittel, vorspann);
    int xs = nachText(s, x, vorspann);
    int w = 0;
    s.Vector_ausgeben(K.M, xs, w, m, oben);
    xs = nachSpalte(s, xs, w);
    const std::string rt = ZahlText(K.r);
    const int ende = nachText(s, xs, ") = " + rt);
    // The raised "2"s go first: the block's last text then stands on its middle row, as in the
    // vector form, so a report that continues below the last text leaves the same gap after
    // either form.
    s.Outtext(nachText(s, xs, ")"), oben, "2");
    s.Outtext(ende, oben, "2");
    s.Outtext(xs, mittel, ") = " + rt);
    feldMerken(s, r, nachText(s, xs, ") = "), ende, mittel);
    s.movey(3, y);
}

void Kugel_Vektorform_ausgeben(Sheet& s, const TKugelV& V, int x, int& y, ColumnAnchor* a,
                               FieldAnchor* c) {
    s.Outtextln(x, y, "In Vektorform:");
    const int oben = y, mittel = mitte(s, y);
    const std::string vorspann = V.Name + "x - ";
    s.Outtext(x, mittel, vorspann);
    s.Outtext(nachText(s, x, V.Name + "x"), oben, "2");
    int xs = nachText(s, x, vorspann);
    int w = 0;
    s.Vector_ausgeben(V.a, xs, w, a, oben);
    xs = nachSpalte(s, xs, w);
    // x² − a·x − c = 0 with the constant's sign written out. A constant of zero is written as
    // +0 (not as the "+-0" that negating 0 would give).
    double konstante = -V.c;
    if (konstante == 0) konstante = 0.0;
    const std::string kt = ZahlText(konstante);
    const std::string vor = konstante >= 0 ? "x +" : "x ";
    s.Outtext(xs, mittel, vor + kt + " = 0");
    feldMerken(s, c, nachText(s, xs, vor), nachText(s, xs, vor + kt), mittel);
    s.movey(3, y);
}

void SpurPunkte_ausgeben(Sheet& s, const TGerade& g, int x, int& y) {
    s.Outtextln(x, y, "Spurpunkte:");
    for (const char* key : {"x12", "x23", "x13"}) {
        TPunkt S;
        bool da = false;
        Spurpunkt(g, key, S, da);
        if (!da) continue;
        s.Punkt_ausgeben(S, x, nullptr, y);
        s.next_zeile(y);
    }
}

void Projektionsgeraden_ausgeben(Sheet& s, const TGerade& g, int x, int& y) {
    s.Outtextln(x, y, "Projektionsgeraden:");
    struct Projektion {
        const char* name;
        const char* key;
        double TPunkt::*weg; // the coordinate that the projection drops
    };
    for (const Projektion& pr :
         {Projektion{"p23:", "23", &TPunkt::x}, Projektion{"p13:", "13", &TPunkt::y},
          Projektion{"p12:", "12", &TPunkt::z}}) {
        TGerade p = g;
        p.Stuetz.*pr.weg = 0;
        p.Richtung.*pr.weg = 0;
        p.Name = pr.name;
        Gerade_ausgeben(s, p, x, y);
        s.movey(3, y);
        s.Outtext(x, y, Koordinatengleichung_Text(p, pr.key));
        s.movey(2, y);
    }
}

void KoordinatenSchnittPunkte_ausgaben(Sheet& s, const TEbeneNorm& E, int x, int& y) {
    TPunkt S[3];
    bool da[3] = {false, false, false};
    Achsenschnittpunkte(E, S[0], S[1], S[2], da[0], da[1], da[2]);
    s.Outtextln(x, y, "Koordinatenschnittpunkte:");
    for (int i = 0; i < 3; ++i) {
        if (!da[i]) continue;
        s.Punkt_ausgeben(S[i], x, nullptr, y);
        s.next_zeile(y);
    }
}

void Gerade_koordinatenform_ausgeben(Sheet& s, const TEbeneNorm& E, const std::string& key, int x,
                                     int& y) {
    const TPunkt& n = E.Normale;
    std::string text;
    if (key == "12")
        text = ZahlText(n.x) + " x + " + ZahlText(n.y) + " y - ";
    else if (key == "13")
        text = ZahlText(n.x) + " x + " + ZahlText(n.z) + " z - ";
    else if (key == "23")
        text = ZahlText(n.y) + " y + " + ZahlText(n.z) + " z - ";
    else
        throw std::invalid_argument("Gerade_koordinatenform_ausgeben: key " + key);
    s.Outtext(x, y, "   " + text + ZahlText(E.d) + " = 0");
    s.next_zeile(y);
}

void Spurgeraden_ausgeben(Sheet& s, const TEbeneNorm& E, int x, int& y) {
    TGerade sg[3];
    bool da[3] = {false, false, false};
    Spurgeraden(E, sg[0], sg[1], sg[2], da[0], da[1], da[2]);
    s.Outtextln(x, y, "Spurgeraden:");
    const char* const keys[3] = {"12", "13", "23"};
    for (int i = 0; i < 3; ++i) {
        if (!da[i]) continue;
        Gerade_ausgeben(s, sg[i], x, y);
        s.movey(3, y);
        Gerade_koordinatenform_ausgeben(s, E, keys[i], x, y);
    }
}

namespace {
void winkelAusgeben(Sheet& s, int x, int& y, const char* ueberschrift, const char* const namen[3],
                    const double w[3]) {
    // Start two rows below the last text written.
    s.Gety(y);
    s.next_zeile(y);
    s.Outtextln(x, y, ueberschrift);
    for (int i = 0; i < 3; ++i) s.Outtextln(x, y, namen[i] + Zahl9_3_getrimmt(w[i]));
}
} // namespace

void Schnittwinkel_mit_Koordinatenebene_ausgeben(Sheet& s, const TEbeneNorm& E, int x, int& y) {
    double w[3];
    Winkel_Koordinatenebenen(E, w[0], w[1], w[2]);
    const char* const namen[3] = {" w12 = ", " w13 = ", " w23 = "};
    winkelAusgeben(s, x, y, "Schnittwinkel mit den Koordinatenebenen:", namen, w);
}

void Schnittwinkel_mit_KoordinatenAchsen_ausgeben(Sheet& s, const TEbeneNorm& E, int x, int& y) {
    double w[3];
    Winkel_Koordinatenachsen(E, w[0], w[1], w[2]);
    const char* const namen[3] = {" w1 = ", " w2 = ", " w3 = "};
    winkelAusgeben(s, x, y, "Schnittwinkel mit den Koordinatenachsen:", namen, w);
}

void Lot_vom_Ursprung_ausgeben(Sheet& s, const TEbeneNorm& E, int x, int& y) {
    s.Gety(y);
    s.next_zeile(y);
    TGerade l;
    TPunkt F;
    Lot_auf_Ebene(Ursprung, E, l, F);
    s.Outtextln(x, y, "Lotgerade vom Ursprung:");
    Gerade_ausgeben(s, l, x, y);
    s.movey(3, y);
    s.Outtextln(x, y, "Lotfußpunkt vom Ursprung:");
    s.Punkt_ausgeben(F, x, nullptr, y);
    s.next_zeile(y);
}

void Schnittkreise_mit_koordinatenEbenen_ausgeben(Sheet& s, const TKugel& K, int x, int& y) {
    s.Outtextln(x, y, "Schnittkreise mit der Koordinatenebenen:");
    // The planes x3 = 0, x1 = 0, x2 = 0 in this order.
    for (const char* key : {"x12", "x23", "x13"}) {
        if (!Schnittkreis_existiert(K, key)) continue;
        TPunkt M;
        double r = 0;
        Schnittkreis_Koordinatenebene(K, key, M, r);
        s.Punkt_ausgeben(M, x, nullptr, y);
        s.next_zeile(y);
    }
}

std::string Koordinatengleichung_Text(const TGerade& g, const std::string& key) {
    const TPunkt& p = g.Stuetz;
    const TPunkt& u = g.Richtung;
    if (key == "12")
        return "  " + ZahlText(u.y) + " x - (" + ZahlText(u.x) +
               ") y =" + ZahlText(p.x * u.y - p.y * u.x);
    if (key == "13")
        return "  " + ZahlText(u.z) + " x - (" + ZahlText(u.x) +
               ") z =" + ZahlText(p.x * u.z - p.z * u.x);
    if (key == "23")
        return "  " + ZahlText(u.z) + " y - (" + ZahlText(u.y) +
               ") z =" + ZahlText(p.y * u.z - p.z * u.y);
    throw std::invalid_argument("Koordinatengleichung_Text: key " + key);
}
