#pragma once
// The 3-D scene: the objects of the task that was computed last, which task that was, and the
// drawing options. Hand-overs fill it, the drawing redraws from it, the sheet's click editing
// changes it and recomputes.
#include "affine/affine_scene.h" // the affine maps' state (header only)
#include "core/objects.h"
#include "plane/ellipse_task.h" // the ellipse records and task stores (header only)
#include "plane/matrix.h"       // the matrix records (header only)
#include "plane/triangle.h"     // the plane records and the triangle store (header only)

struct TStrecke {
    TPunkt A, B;
    TFarbe Farbe = 0;
};
struct TDreieck {
    TPunkt A, B, C;
    TFarbe Farbe = 0;
};
struct TViereck {
    TPunkt A, B, C, D;
    TFarbe Farbe = 0;
};

// Which task the scene shows. At most one kind at a time; `keine` after the drawing is cleared.
enum class Szenenart {
    keine,
    Punkt,
    Linie, // Strecke
    Teilverhaeltnis,
    Dreieck,
    Viereck,
    Parallelogramm,
    Tetraeder,
    TetraederEbene,
    Gerade,
    Gerade2Punkte,
    GeradePunkt,
    ZweiGeraden,
    PunktZweiGeraden,
    Ebene, // normal form
    EbenePar,
    Ebene3Punkte,
    EbenePunkt,
    EbeneParPunkt,
    EbeneGerade,
    EbeneParGerade,
    EbeneNormEbeneNorm,
    EbeneParEbenePar,
    EbeneParEbeneNorm,
    Kugel,
    KugelV,
    KugelGerade,
    KugelVGerade,
    KugelPunkt,
    KugelVPunkt,
    KugelEbene, // sphere (centre form) with plane (normal form)
    EbeneNormKugelM,
    KugelVEbeneNorm,
    KugelMEbenePar,
    KugelVEbenePar,
    KugelKugel,
    KugelMKugelV,
    KugelVKugelV,
    Kugel4Punkte,
    Skalarprodukt,
    Vektorprodukt,
    Spatprodukt,
    LineareAbh2,
    LineareAbh3,
    LineareAbh4,
    // Plane tasks: the drawing window shows them in its 2-D mode.
    Dreieck2, // triangle in the plane
    // Matrix tasks: they write on the sheet and draw nothing.
    Matrix2,       // properties of a 2×2 matrix
    Matmult2,      // product of two 2×2 matrices
    Matmult3,      // product of two 3×3 matrices
    Matrix2Vektor, // 2×2 matrix times vector
    Matrix3Vektor, // 3×3 matrix times vector
    // Plane tasks: the ellipse tasks, in the order of the "Ellipse" menu (and of `Ellipsenart`).
    EllipseMab,
    EllipseEP,
    EllipseAT,
    EllipseFFP,
    EllipseFPT,
    EllipseFT,
    EllipseMPQ,
    EllipseMAT,
    EllipsePunkt,
    EllipseGerade,
    EllipseEllipse,
    // The affine scene (a plane task): the shown map with its definitions, objects and options.
    AffineAbbildung,
};

// The scene kind of an ellipse task and back (both enumerations follow the "Ellipse" menu).
inline Szenenart ellipsenSzene(Ellipsenart art) {
    return static_cast<Szenenart>(static_cast<int>(Szenenart::EllipseMab) + static_cast<int>(art));
}
inline Ellipsenart ellipsenart(Szenenart art) {
    return static_cast<Ellipsenart>(static_cast<int>(art) -
                                    static_cast<int>(Szenenart::EllipseMab));
}
static_assert(static_cast<int>(Szenenart::EllipseEllipse) -
                  static_cast<int>(Szenenart::EllipseMab) + 1 ==
              EllipsenartAnzahl);

// The last kind; the task-kind table is indexed up to it.
inline constexpr Szenenart LetzteSzenenart = Szenenart::AffineAbbildung;

// The input of the matrix tasks: the first and second matrix of each size and the vector (its
// first two entries for a 2×2 matrix).
struct MatrixAufgabe {
    TMatrix2 M2[2];
    TMatrix3 M3[2];
    double v[3] = {};
};

// The scene stores. Several tasks share a store (the segment and the line through two points
// both use SzeneStrecke, and so on); only `art` tells which one is current.
struct Szene {
    Szenenart art = Szenenart::keine;

    TPunkt SzenePunkt;
    TStrecke SzeneStrecke;
    TDreieck SzeneDreieck;
    TViereck SzeneViereck;
    TViereck SzeneTetraeder;
    TGerade SzeneGerade, SzeneGerade1, SzeneGerade2;
    TEbene SzeneEbenePar, SzeneEbenePar1, SzeneEbenePar2;
    TEbeneNorm SzeneEbene, SzeneEbene1, SzeneEbene2;
    TKugel SzeneKugel, SzeneKugel1, SzeneKugel2;
    TKugelV SzeneKugelV, SzeneKugelV1, SzeneKugelV2;
    TPunkt SzeneVek1, SzeneVek2, SzeneVek3, SzeneVek4;
    TPunkt SzeneTeilpunkte[3];    // A, B and the dividing point T
    TPunkt SzeneSchnittpunkte[6]; // tetrahedron edges AB, BC, AC, BD, AD, CD with the plane
    int SzeneSchnittpunktDa[6] = {0, 0, 0, 0, 0, 0};

    // The plane triangle: the vertices A, B, C (dragging and the sheet's click editing change
    // them) and what the task derives from them.
    TPunkt2 SzeneDreieck2[3];
    TDreieck2Daten Dreieck2;

    // The ellipse tasks: the stored data (dragging and click editing change it) and what the
    // current task derives from it.
    EllipsenEingabe SzeneEllipse;
    EllipsenDaten Ellipse2;
    // "Konstruktion zeigen": the ellipse tasks add their construction to report and drawing.
    // The context menu's check mark (`Optionen::EllipseKonstruktion`) sets it.
    bool EllipseKonstruktion = false;

    // The matrix tasks' input (the sheet's click editing changes it).
    MatrixAufgabe Matrizen;

    // The affine maps: the three slots (kept for the whole run), the definitions and objects
    // of the affine scene, and what it derives from them.
    AffineSlots Abbildungen;
    AffineObjekte Affin;
    AffineOptionen AffinOptionen;
    AffineDaten AffinDaten;

    // The vector-product hand-over has just shown its "linearly dependent" box for the current
    // vectors; the next repaint gives the scene up without showing the same box a second time.
    bool VektorproduktGemeldet = false;
};

// Drawing options: the context-menu entries (all start unchecked) and the two flags that the
// tasks set.
struct Optionen {
    bool Spurpunkte = false;           // "Spurpunke zeigen"
    bool Projektionsgeraden = false;   // "Projektonsgeraden zeigen"
    bool Ursprungslotgeraden = false;  // "Ursprungslotgeraden zeigen"
    bool KoordSchnittpunkte = false;   // "Koordinaten-Schnittpunkte zeigen"
    bool Spurgeraden = false;          // "Spurgeraden zeigen"
    bool Parameterdarstellung = false; // "Parameterdarstellung zeigen"
    bool Quaderdarstellung = false;    // "Quaderdarstellung zeigen"
    bool Quaderschnittpunkte = false;  // "Quaderschnittpunkte zeigen"
    bool HilfsQuader = false;          // "HilfsQuader zeigen"
    bool DreieckHoehen = false;        // "Dreieck mit Höhengeraden"

    // The plane triangle's entries of the group "Zweidim. Dreieck"; they stay across tasks.
    bool Seitenmitten = false;        // "mit_Seitenmitten"
    bool Seitenhalbierende = false;   // "mit Seitenhalbierende"
    bool Mittelsenkrechte = false;    // "mit Mittelsenkrechte"
    bool Hoehen = false;              // "mit Höhen"
    bool Winkelhalbierende = false;   // "mit Winkelhalbierende"
    bool Eulergerade = false;         // "mit Eulergerade"
    bool AlleLinien = false;          // the check mark of "allen besondere Linien"
    bool Koordinatengitter = false;   // "mit Koordinatengitter", shared by the plane groups
    bool EllipseKonstruktion = false; // "Konstruktion zeigen" of the group "Ellipse"

    bool TetraederKanten = false;   // set by the tetrahedron tasks and the sphere through 4 points
    bool KugelEbenenpunkte = false; // set by every sphere task, never cleared
};

// The quadrilateral of the parallelogram through A, B, C: D = A + C - B, in lime and named "  D",
// the figure in the colour of the three points.
TViereck completeParallelogram(const TDreieck& abc);

// Where the six edges AB, BC, AC, BD, AD, CD of the tetrahedron meet the plane: `da[i]` is 1
// when edge i's line has exactly one common point with it, S[i] (named "Sab" … "Scd", in the
// plane's colour) is that point.
void cutTetrahedronEdges(const TViereck& t, const TEbeneNorm& E, TPunkt S[6], int da[6]);

// The origin as a point record: white, no name. Position vectors start here.
inline const TPunkt UrsprungPunkt{0, 0, 0, farbe::Weiss, ""};
