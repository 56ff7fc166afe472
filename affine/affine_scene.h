#pragma once
// The state of the affine maps: the three map slots with the shown one and the composition, the
// definitions by points and the objects of "Objekte - Bildobjekte" with their "shown" flags, and
// what the scene derives from them for report and drawing. Plain C++, header only: the scene
// holds it.
#include "affine/analysis.h"

// The three maps. They live for the whole run; only a new definition, an inverse or a
// composition changes them.
struct AffineSlots {
    TAbbildung2 Abb[3];
    int aktuell = 1;         // the map shown, 1..3
    bool Verkettung = false; // map 1 holds the composition of Erste after Zweite
    int erste = 0, zweite = 0;
    TAbbildung2 Erste, Zweite;

    TAbbildung2& gezeigt() { return Abb[aktuell - 1]; }
    const TAbbildung2& gezeigt() const { return Abb[aktuell - 1]; }
    bool eineFestgelegt() const {
        return Abb[0].festgelegt || Abb[1].festgelegt || Abb[2].festgelegt;
    }
};

// The definitions by points and the objects to be mapped; each flag says that its data are
// shown. A new map clears them (with the other plane flags).
struct AffineObjekte {
    bool DreiPunkte = false; // three points and their images
    TPunkt2 Urbilder[3], Bilder[3];
    bool Fixpunkte = false; // a point, its image and two fixed points
    TPunkt2 FP[4];          // P, P', F1, F2
    bool Fixgerade = false; // a point, its image and a line of fixed points
    TPunkt2 FG[2];          // P, P'
    TGeradeGl2 f;

    bool Punkt1 = false, Punkt2 = false;
    TPunkt2 A, B;
    bool Dreieck = false;
    TPunkt2 D[3];
    bool Gerade = false;
    TGeradeGl2 g;
    bool Kreis = false;
    TPunkt2 M;
    double r = 0;
    bool Urbild = false;
    TPunkt2 H;

    bool definition() const { return DreiPunkte || Fixpunkte || Fixgerade; }
    void zuruecksetzen() {
        DreiPunkte = Fixpunkte = Fixgerade = false;
        Punkt1 = Punkt2 = Dreieck = Gerade = Kreis = Urbild = false;
    }
};

// The entries of "Optionen" (the grid is the plane groups' shared option). They stay across
// tasks; the report and the drawing both read them.
struct AffineOptionen {
    bool Fixgeradenbueschel = false; // "Fixgeradenbüschel zeigen"
    bool Konstruktion = false;       // "Konstruktion zeigen"
    bool Normalform = false;         // "Normalform berechnen"
    bool Rechtwinkelpaar = false;    // "Invariantes Rechtwinkelpaar"
    bool Inverse = false;            // "Inverse Abb. ausgeben"
};

// What report and drawing both read, derived from the slots and the objects.
struct AffineDaten {
    // The points of a definition lie on one line: no map, and the report says why.
    bool kollinear = false;
    bool gezeigt = false; // a map is shown (the slot is defined)
    TAbbildung2 M;        // the shown map
    affine::Analyse analyse;
};

// Works out the map of a definition by points into slot 1 (points on one line give none: the
// slot keeps its map and `kollinear` is set) and analyses the shown map.
void Affin_ableiten(AffineSlots& slots, const AffineObjekte& o, AffineDaten& d);
