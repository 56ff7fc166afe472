#pragma once
// Reports of the sphere tasks.
#include "core/objects.h"
#include "core/scene.h"
#include "sheet/anchors.h"
#include "sheet/sheet.h"

void Ergebnis_Kugel(Sheet& s, const TKugel& K, int x, int& y);
void Ergebnis_KugelV(Sheet& s, const TKugelV& V, int x, int& y);
void Ergebnis_Kugel_Gerade(Sheet& s, const TKugel& K, const TGerade& g, int x, int& y);
void Ergebnis_KugelVF_Gerade(Sheet& s, const TKugelV& V, const TGerade& g, int x, int& y);
void Ergebnis_Kugel_Punkt(Sheet& s, const TKugel& K, const TPunkt& P, int x, int& y);
void Ergebnis_KugelV_Punkt(Sheet& s, const TKugelV& V, const TPunkt& P, int x, int& y);
void Ergebnis_Kugel_Ebene(Sheet& s, const TKugel& K, const TEbeneNorm& E, int x, int& y);
void Ergebnis_EbeneNorm_KugelM(Sheet& s, const TKugel& K, const TEbeneNorm& E, int x, int& y);
void Ergebnis_KugelV_EbeneNorm(Sheet& s, const TKugelV& V, const TEbeneNorm& E, int x, int& y);
void Ergebnis_KugelM_EbenePAR(Sheet& s, const TKugel& K, const TEbene& E, int x, int& y);
void Ergebnis_KugelV_EbenePAR(Sheet& s, const TKugelV& V, const TEbene& E, int x, int& y);
void Ergebnis_Kugel_Kugel(Sheet& s, const TKugel& K1, const TKugel& K2, int x, int& y);
void Ergebnis_KugelM_KugelV(Sheet& s, const TKugel& K1, const TKugelV& V2, int x, int& y);
void Ergebnis_KugelV_KugelV(Sheet& s, const TKugelV& V1, const TKugelV& V2, int x, int& y);
// A, B, C, D of the tetrahedron store and the sphere through them (computed by the caller).
void Ergebnis_Kugel4Punkte(Sheet& s, const TViereck& punkte, const TKugel& K, int x, int& y);

// --- The shared writers of the entry points above ---

// The form in which the task gave a sphere. Only the numbers of that form are registered as
// clickable; the other form is computed from it, and a sphere computed from points has none.
enum class KugelGegeben { Mittelpunktsform, Vektorform, keine };

// The form in which the task gave a plane (the other one is computed from it).
enum class EbeneGegeben { Normalenform, Parameterform };

// "Kugel", both forms of the sphere, then Kugel_weiteres_ausgeben. index: which sphere of the
// task (0 or 1) the clickable numbers belong to.
void Kugel_ausgeben(Sheet& s, const TKugel& K, const TKugelV& V, KugelGegeben gegeben, int x,
                    int& y, int index = 0);
// Centre and radius, the circles in the coordinate planes, the distance from the origin and the
// line from the origin through the centre.
void Kugel_weiteres_ausgeben(Sheet& s, const TKugel& K, int x, int& y);
// The line g (clickable) and everything about g and K.
void weiteres_Kugel_gerade_ausgeben(Sheet& s, const TKugel& K, const TGerade& g, int x, int& y);
void Kugel_Punkt_ausgeben(Sheet& s, const TKugel& K, const TKugelV& V, KugelGegeben gegeben,
                          const TPunkt& P, int x, int& y);
// En and Ep are the two forms of one plane.
void Kugel_Ebene_ausgeben(Sheet& s, const TKugel& K, const TKugelV& V, KugelGegeben kugel,
                          const TEbeneNorm& En, const TEbene& Ep, EbeneGegeben ebene, int x,
                          int& y);
void Kugel_Ebene_weiters_ausgeben(Sheet& s, const TKugel& K, const TEbeneNorm& E, int x, int& y);
void Kugel_Kugel_ausgeben(Sheet& s, const TKugel& K1, const TKugelV& V1, KugelGegeben gegeben1,
                          const TKugel& K2, const TKugelV& V2, KugelGegeben gegeben2, int x,
                          int& y);

// The anchors of sphere `index` in the form the task gave it, or null for the other form.
inline ColumnAnchor* ankerM(Sheet& s, KugelGegeben g, int index) {
    return g == KugelGegeben::Mittelpunktsform ? &s.anker.kugelM[index] : nullptr;
}
inline FieldAnchor* ankerR(Sheet& s, KugelGegeben g, int index) {
    return g == KugelGegeben::Mittelpunktsform ? &s.anker.kugelR[index] : nullptr;
}
inline ColumnAnchor* ankerA(Sheet& s, KugelGegeben g, int index) {
    return g == KugelGegeben::Vektorform ? &s.anker.kugelA[index] : nullptr;
}
inline FieldAnchor* ankerC(Sheet& s, KugelGegeben g, int index) {
    return g == KugelGegeben::Vektorform ? &s.anker.kugelC[index] : nullptr;
}
