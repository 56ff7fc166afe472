// The affine scene on the result sheet: definitions by points, the composition, the analysis,
// the options and the objects with their images.
#include "affine/affine_report.h"
#include "affine/report_writer.h"

#include <cmath>
#include <numbers>
#include <set>

using namespace affine;

namespace {

// "g: u*x + v*y = w" with each of the three numbers anchored.
void gleichungMitAnker(Schreiber& w, const TGeradeGl2& g, FieldAnchor* anker) {
    const std::string text = GeradeGl2Text(g);
    const std::string nums[3] = {zahl(g.u), zahl(std::fabs(g.v)), zahl(g.w)};
    // Where each number starts: after the name, after the sign of v, after "= ".
    const std::string vorU = g.Name + ": ";
    const std::string vorV = vorU + nums[0] + "*x" + (g.v < 0 ? " - " : " + ");
    const std::string vorW = vorV + nums[1] + "*y = ";
    const std::string* vor[3] = {&vorU, &vorV, &vorW};
    for (int i = 0; i < 3; ++i) w.s.markField(anker[i], w.x, *vor[i], nums[i], w.y);
    w.s.Schriftfarbe(farbe::Dunkelrot);
    w.zeile(text);
    w.s.Schriftfarbe(farbe::Schwarz);
}

// Returns false after its line when the points give no map.
bool definitionen(Schreiber& w, const Szene& z) {
    const AffineObjekte& o = z.Affin;
    PairAnchor* a = w.s.anker.affinPunkt;
    if (o.DreiPunkte) {
        w.zeile("Abbildung durch drei Punkte und Bildpunkte:");
        for (int i = 0; i < 3; ++i) w.paar(o.Urbilder[i], o.Bilder[i], &a[i], &a[3 + i]);
    }
    if (o.Fixpunkte) {
        w.zeile("Abbildung durch Punkte, Bildpunkt, 2 Fixpunkte:");
        w.paar(o.FP[0], o.FP[1], &a[0], &a[1]);
        for (int i = 2; i < 4; ++i) {
            w.eingabe(o.FP[i], w.x, &a[i]);
            w.luecke();
        }
    }
    if (o.Fixgerade) {
        w.zeile("Abbildung Punkt, Bildpunkt, Fixpunktgerade:");
        w.paar(o.FG[0], o.FG[1], &a[0], &a[1]);
        w.zeile("Fixpunktgerade:");
        gleichungMitAnker(w, o.f, &w.s.anker.affinZahl[4]);
    }
    if (!o.definition()) return true;
    if (z.AffinDaten.kollinear) {
        const bool ohneRichtung = o.Fixgerade && o.f.u == 0 && o.f.v == 0;
        w.zeile(ohneRichtung ? "Fixpunktgerade ohne Richtung: Kann Abbildung nicht berechnen !"
                             : "Punkte auf einer Geraden: Kann Abbildung nicht berechnen !");
        return false;
    }
    w.s.u(w.y);
    return true;
}

void optionen(Schreiber& w, const Szene& z) {
    const AffineOptionen& o = z.AffinOptionen;
    const TAbbildung2& m = z.AffinDaten.M;
    if (o.Rechtwinkelpaar) {
        const Rechtwinkelpaar r = rechtwinkelpaar(m);
        w.luecke();
        w.zeile("Invariantes Rechtwinkelpaar:");
        w.spalte("r1=", r.r1);
        w.spalte("r2=", r.r2);
        w.zeile("Bildvektoren:");
        w.spalte("r1´ = ", linear(m, r.r1));
        w.spalte("r2´ = ", linear(m, r.r2));
    }
    if (o.Inverse) {
        w.luecke();
        w.zeile("Inverse Abbildungsgleichung:");
        TAbbildung2 inv;
        if (Inverse(m, inv))
            Abbildung_ausgeben(w.s, "x`= ", inv, w.x, w.y);
        else
            w.zeile("Kann Inverse nicht berechnen !");
    }
    const AffineSlots& a = z.Abbildungen;
    if (o.Konstruktion && a.Verkettung && a.aktuell == 1) {
        w.luecke();
        for (const std::string& t : Verkettungstext(a.Erste, a.Zweite)) w.zeile(t);
    }
}

void objekte(Schreiber& w, const Szene& z) {
    const AffineObjekte& o = z.Affin;
    const TAbbildung2& m = z.AffinDaten.M;
    Anchors& an = w.s.anker;
    if (o.Punkt1 || o.Punkt2) {
        w.luecke();
        w.zeile("Punkt --> Bildpunkt:");
        if (o.Punkt1) w.paar(o.A, Bildpunkt(m, o.A), &an.affinPunkt[6]);
        if (o.Punkt2) w.paar(o.B, Bildpunkt(m, o.B), &an.affinPunkt[7]);
    }
    if (o.Dreieck) {
        w.luecke();
        w.zeile("Dreieck --> Bilddreieck:");
        TPunkt2 b[3];
        for (int i = 0; i < 3; ++i) {
            b[i] = Bildpunkt(m, o.D[i]);
            w.paar(o.D[i], b[i], &an.affinPunkt[8 + i]);
        }
        w.zeile("Dreiecksflaeche A = " + zahl(Dreiecksflaeche(o.D[0], o.D[1], o.D[2])));
        w.zeile("Bildfläche      A´= " + zahl(Dreiecksflaeche(b[0], b[1], b[2])));
    }
    if (o.Gerade) {
        w.luecke();
        w.zeile("Gerade --> Bildgerade:");
        gleichungMitAnker(w, o.g, &an.affinZahl[0]);
        TGeradeGl2 bild;
        TPunkt2 punkt;
        switch (Bildgerade(m, o.g, bild, punkt)) {
        case Bildgeradenfehler::keiner:
            w.zeile(GeradeGl2Text(bild));
            break;
        case Bildgeradenfehler::keineGerade:
            w.zeile("Keine Gerade: u und v sind beide 0 !");
            break;
        case Bildgeradenfehler::nurEinPunkt:
            punkt.Name = "P´";
            w.punkt("Bild der Geraden ist der Punkt ", punkt);
            break;
        }
    }
    if (o.Kreis) {
        w.luecke();
        w.zeile("Kreis --> Bild des Kreises:");
        w.paar(o.M, Bildpunkt(m, o.M), &an.affinPunkt[11]);
        const std::string vor = "Radius: r = ";
        w.s.markField(an.affinZahl[3], w.x, vor, zahl(o.r), w.y);
        w.zeile(vor + zahl(o.r));
        const double flaeche = std::numbers::pi * o.r * o.r;
        w.zeile("Flächeninhalt: A = " + zahl(flaeche));
        // The image's area is |det A|·π·r²: a reflection keeps the area positive.
        w.zeile("               A`= " + zahl(std::fabs(z.AffinDaten.analyse.D) * flaeche));
    }
    if (o.Urbild) {
        w.luecke();
        w.zeile("Bildpunkt --> Urbildpunkt:");
        TPunkt2 U;
        if (Urbildpunkt(m, o.H, U)) {
            w.paar(o.H, U, &an.affinPunkt[12]);
        } else {
            w.eingabe(o.H, w.x, &an.affinPunkt[12]);
            w.luecke();
            w.zeile("Kann Urbildpunkt nicht berechnen !");
            w.zeile("Wert nicht eindeutig:");
            w.zeile("(eventuell singuläre Matrix)");
        }
    }
}

} // namespace

std::vector<std::string> Verkettungstext(const TAbbildung2& erste, const TAbbildung2& zweite) {
    const std::set<Typ> t = {analysieren(erste).typ, analysieren(zweite).typ};
    auto ist = [&](Typ a, Typ b) { return t == std::set<Typ>{a, b}; };
    const std::string blank = "                   - Verschiebung";
    if (ist(Typ::Scherung, Typ::Verschiebung))
        return {"Verkettung: Scherung-Verschiebung !", "Konstruktion siehe - Scherung,", blank};
    if (ist(Typ::Parallelstreckung, Typ::Verschiebung))
        return {"Verkettung: Parallelstreck.-Verschiebung !",
                "Konstruktion siehe - Paralleltsreckung.", blank};
    if (ist(Typ::Schraegspiegelung, Typ::Verschiebung))
        return {"Verkettung: Schrägspieglung-Verschiebung !",
                "Konstruktion siehe - Schrägspiegelung", blank};
    const std::string dort = "(für einzelne Konstruktion siehe dort)";
    if (ist(Typ::ZentrischeStreckung, Typ::Scherung))
        return {"Verkettung: Zentr. Streckung mit Scherung !", dort};
    if (ist(Typ::ZentrischeStreckung, Typ::Drehung))
        return {"Verkettung: Zentr. Streckung mit Drehung !", dort};
    if (t == std::set<Typ>{Typ::Parallelstreckung})
        return {"Verkettung zweier Parallelstreckungen !", dort};
    if (ist(Typ::Parallelstreckung, Typ::Schraegspiegelung))
        return {"Verkettung: Parallelstreckungen mit Schrägspiegelung !"};
    return {"Keine Konstruktion implementiert !"};
}

void Affin_ausgeben(Sheet& s, const Szene& z, int x, int& y) {
    Schreiber w{s, x, y};
    if (!definitionen(w, z)) return;
    const AffineSlots& a = z.Abbildungen;
    if (a.Verkettung && a.aktuell == 1) {
        w.zeile("Verkettung zweier Abbildungen:");
        w.zeile("Erste Abbildung:");
        Abbildung_ausgeben(s, "x`=", a.Erste, x, y);
        w.zeile("Zweite Abbildung:");
        Abbildung_ausgeben(s, "x`=", a.Zweite, x, y);
        s.u(y);
    }
    if (!z.AffinDaten.gezeigt) return;
    FieldAnchor* anker = z.Affin.definition() ? nullptr : s.anker.abbildung;
    Abbildung_analysieren(s, z.AffinDaten.M, z.AffinDaten.analyse, z.AffinOptionen.Normalform,
                          anker, x, y);
    optionen(w, z);
    objekte(w, z);
}
