#pragma once
// Reports of the line and plane tasks.
#include "core/objects.h"
#include "sheet/sheet.h"

void Gerade_alles_ausgeben(Sheet& s, const TGerade& g, int x, int& y);
void Ergebnis_Gerade(Sheet& s, const TGerade& g, int x, int& y);
void Ergebnis_Gerade2Punkte(Sheet& s, const TPunkt& A, const TPunkt& B, const TGerade& g, int x,
                            int& y);
void Ergebnis_Gerade_Punkt(Sheet& s, const TGerade& g, const TPunkt& A, int x, int& y);
void Ergebnis_ZweiGeraden(Sheet& s, const TGerade& g1, const TGerade& g2, int x, int& y);
void Ergebnis_Punkt_ZweiGeraden(Sheet& s, const TPunkt& P, const TGerade& g1, const TGerade& g2,
                                int x, int& y);
void Ergebnis_EbeneNormalenform(Sheet& s, const TEbeneNorm& E, int x, int& y);
void Ergebnis_EbeneParameterform(Sheet& s, const TEbene& E, int x, int& y);
void Ergebnis_Ebene3Punkte(Sheet& s, const TPunkt& A, const TPunkt& B, const TPunkt& C,
                           const TEbene& E, int x, int& y);
void Ergebnis_Ebene_Punkt(Sheet& s, const TEbeneNorm& E, const TPunkt& P, int x, int& y);
void Ergebnis_EbenePAR_Punkt(Sheet& s, const TEbene& E, const TPunkt& P, int x, int& y);
void Ergebnis_Ebene_Gerade(Sheet& s, const TEbeneNorm& E, const TGerade& g, int x, int& y);
void Ergebnis_EbenePar_Gerade(Sheet& s, const TEbene& E, const TGerade& g, int x, int& y);
void Ergebnis_ZweiEbenenNormalenform(Sheet& s, const TEbeneNorm& E1, const TEbeneNorm& E2, int x,
                                     int& y);
void Ergebnis_EbenenPar_EbeneNorm(Sheet& s, const TEbene& E1, const TEbeneNorm& E2, int x, int& y);
void Ergebnis_EbenenPar_EbenePar(Sheet& s, const TEbene& E1, const TEbene& E2, int x, int& y);
