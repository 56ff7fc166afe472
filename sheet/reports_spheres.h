#pragma once
// Reports of the sphere tasks.
#include "core/objects.h"
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
void Ergebnis_Kugel4Punkte(Sheet& s, const TViereck& punkte, const TKugel& K, int x, int& y);
