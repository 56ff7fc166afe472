#pragma once
// The scene drawing split by families of tasks; only the dispatcher uses these.
#include "core/scene.h"
#include "drawing/primitives.h"
#include "drawing/scene_drawing.h"

struct SzenenZeichner {
    Zeichner& z;
    Szene& szene;
    Optionen& optionen; // the same flags as z.optionen, writable
    const SceneDrawEvents& events;
};

// Points and figures.
void zeichnePunkt(SzenenZeichner& s);
void zeichneLinie(SzenenZeichner& s);
void zeichneTeilverhaeltnis(SzenenZeichner& s);
void zeichneDreieck(SzenenZeichner& s);
void zeichneViereck(SzenenZeichner& s);
void zeichneParallelogramm(SzenenZeichner& s);
void zeichneTetraeder(SzenenZeichner& s);
void zeichneTetraederEbene(SzenenZeichner& s);

// Lines and planes.
void zeichneGerade(SzenenZeichner& s);
void zeichneGerade2Punkte(SzenenZeichner& s);
void zeichneGeradePunkt(SzenenZeichner& s);
void zeichneZweiGeraden(SzenenZeichner& s);
void zeichnePunktZweiGeraden(SzenenZeichner& s);
void zeichneEbene(SzenenZeichner& s, const TEbeneNorm& E);
void zeichneEbene3Punkte(SzenenZeichner& s);
void zeichneEbenePunkt(SzenenZeichner& s, const TEbeneNorm& E);
void zeichneEbeneGerade(SzenenZeichner& s, const TEbeneNorm& E);
void zeichneZweiEbenen(SzenenZeichner& s, const TEbeneNorm& E1, const TEbeneNorm& E2);

// Spheres.
void zeichneKugelGerade(SzenenZeichner& s, const TKugel& K);
void zeichneKugelPunkt(SzenenZeichner& s, const TKugel& K);
void zeichneKugel4Punkte(SzenenZeichner& s);

// Vectors.
void zeichneSkalarprodukt(SzenenZeichner& s);
void zeichneVektorprodukt(SzenenZeichner& s);
void zeichneSpatprodukt(SzenenZeichner& s);
void zeichneVektoren(SzenenZeichner& s, int anzahl);

// Shared pieces.
// The plane in normal form of a plane given in parameter form (name and colour kept).
TEbeneNorm normalform(const TEbene& E);
// The sphere in centre form of a sphere given in vector form.
TKugel mittelpunktsform(const TKugelV& V);
// The trace points of g with their boxes, when "Spurpunke zeigen" is on.
void spurpunkteZeichnen(SzenenZeichner& s, const TGerade& g);
