#pragma once
// The eleven ellipse tasks: what each stores (the typed data), what it derives from that for the
// report and the drawing, its input test and its example. Plain C++.
#include "plane/ellipse.h"

// The tasks in the order of the "Ellipse" menu.
enum class Ellipsenart {
    MittelpunktAchsen,        // "Ellipse ((M, a, b)"
    ExzentrizitaetPunkt,      // "Eingabe (e, B)"
    AchseTangente,            // "Eingabe (a, t)"
    BrennpunktePunkt,         // "Eingabe (F1,F2, P)"
    BrennpunktPunktTangente,  // "Eingabe(F,P, t);"
    BrennpunktTangente,       // "Eingabe (F, t)"
    MittelpunktZweiPunkte,    // "Eingabe (M, P,Q)"
    MittelpunktAchseTangente, // "Eingabe (M, a,t)"
    EllipsePunkt,             // "Eingabe (Ellipse, P)"
    EllipseGerade,            // "Eingabe (Ellipse, Gerade)"
    ZweiEllipsen,             // "Eingabe: (E1, E2)"
};
inline constexpr int EllipsenartAnzahl = 11;

// The stored data of the ellipse tasks (one store shared by all of them): the ellipse (or its
// centre and semi-axis a), the second ellipse, the linear eccentricity, the foci F1 and F2, the
// points P and Q and the line t or g. Dragging and the sheet's click editing change it.
struct EllipsenEingabe {
    TEllipse2 E, E2;
    double e = 0;
    TPunkt2 F1, F2, P, Q;
    TGeradeGl2 t;
};

// What a task derives from its stored data.
struct EllipsenDaten {
    bool moeglich = false; // false: "Ellipse unmöglich !", nothing of the ellipse is drawn
    TEllipse2 E, E2;       // the ellipse(s) with semi-axes ≥ 0
    Ellipsenpunkte punkte, punkte2;
    TPunkt2 P;                         // the task's point (for F, P, t: moved onto the tangent)
    TPunkt2 F2;                        // the second focus found from F, P, t
    bool hatGerade = false;            // the given tangent or line g
    Gerade2MC g;                       //
    bool hatTp = false, hatTq = false; // tangent (or polar) at P, tangent at Q
    Gerade2MC tp, tq;                  //
    int lage = 0;                      // point or line task: LageEllipsePunkt / LageEllipseGerade
    int anzahl = 0;                    // points of contact, intersection points, T1 and T2
    TPunkt2 S[4];                      //
    Gerade2MC t1, t2;                  // the tangents from P through T1 and T2
};

EllipsenDaten Ellipse_berechnen(Ellipsenart art, const EllipsenEingabe& in);
// The input test of the task's dialog: false rejects the input (error box, nothing started).
// Tasks that take an ellipse as it is typed have none.
bool Ellipse_gueltig(Ellipsenart art, const EllipsenEingabe& in);
// The task's example data.
EllipsenEingabe Ellipse_Beispiel(Ellipsenart art);
