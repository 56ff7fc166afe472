#pragma once
// Every computation that relates two objects, or an object and the coordinate system: positions,
// feet of perpendiculars, distances, angles, intersections, traces, circles of intersection and
// the measures of figures.
//
// Results go to caller-supplied records, flags and codes; a record whose result does not exist
// keeps what it held before. Where a division by zero or an invalid operation cannot be avoided
// (the callers should have excluded it), the operation throws MathError instead of producing
// NaN or infinity.
#include "core/objects.h"

#include <string>

// Relation words.
namespace lage {
inline const std::string parallel = "parallel";
inline const std::string identisch = "identisch";
inline const std::string schneidend = "schneidend";
inline const std::string windschief = "windschief";
} // namespace lage

// The keys of the three coordinate planes, in the order in which the trace points and the
// circles in the coordinate planes are written and drawn: x3 = 0, x1 = 0, x2 = 0.
namespace koordinatenebene {
inline constexpr const char* x12 = "x12";
inline constexpr const char* x23 = "x23";
inline constexpr const char* x13 = "x13";
inline constexpr const char* alle[3] = {x12, x23, x13};
} // namespace koordinatenebene

// --- Points, lines and planes ---
double Abstand_Punkt_Ebene(const TPunkt& Q, const TEbeneNorm& E);
void Schnitt_Gerade_Ebene(const TGerade& g, const TEbeneNorm& E, TPunkt& S);
// code 1 = one point S (named "S", aqua), 2 = parallel, 3 = the line lies in the plane.
void Schnittpunkt_Gerade_Ebene(const TGerade& g, const TEbeneNorm& E, int& code, TPunkt& S);
void Lotfusspunkt(const TPunkt& Q, const TGerade& g, TPunkt& F);
double Abstand_Punkt_Gerade(const TPunkt& Q, const TGerade& g);
// flag 0 when Q lies on g (Q − F is the zero vector), else 1; l and F are written in both cases.
void Lot_Punkt_Gerade(const TPunkt& Q, const TGerade& g, TGerade& l, TPunkt& F, int& flag);
void Lot_auf_Ebene(const TPunkt& Q, const TEbeneNorm& E, TGerade& l, TPunkt& F);
void Ebene_durch_Punkt_parallel(const TEbeneNorm& E, const TPunkt& Q, TEbeneNorm& erg);
void Ebene_durch_Punkt_senkrecht(const TPunkt& u, const TPunkt& Q, TEbeneNorm& erg);
double Winkel_Gerade_Ebene(const TGerade& g, const TEbeneNorm& E);
// wort: one of the relation words; abstandText: Zahl9_3 text of the distance ("parallel",
// "identisch", "windschief"); S for "schneidend"; L1, L2, l (common perpendicular) for
// "windschief".
void Lage_zweier_Geraden(const TGerade& g, const TGerade& h, std::string& wort,
                         std::string& abstandText, TPunkt& S, TPunkt& L1, TPunkt& L2, TGerade& l);
bool Richtungen_parallel(const TPunkt& u, const TPunkt& v);
bool Parallel_mit_Faktor(const TPunkt& a, const TPunkt& b, double& k);
// wort: "schneidend" (then s is the intersection line), "parallel" or "identisch".
void Lage_zweier_Ebenen(const TEbeneNorm& E, const TEbeneNorm& F, std::string& wort, TGerade& s);
double Abstand_paralleler_Ebenen(const TEbeneNorm& E, const TEbeneNorm& F);
// code 1: f meets g in T and h in S; 2: P lies on g; 3: no meeting line (h parallel to the
// plane of P and g, or in it, or the meeting point would be at infinity on g).
void Treffgerade(const TPunkt& P, const TGerade& g, const TGerade& h, int& code, TGerade& f,
                 TPunkt& S, TPunkt& T);
// Mirror image of g in the plane E (support point named "P`", Name "s: "; colours those of g);
// used by the line-and-plane report and drawing. MathError for a zero normal.
void Spiegelgerade_an_Ebene(const TGerade& g, const TEbeneNorm& E, TGerade& s);

// --- Traces and the coordinate system ---
// key "x12" (x3 = 0), "x23" (x1 = 0) or "x13" (x2 = 0). S is reset to an unnamed aqua origin
// first, also when there is no trace point.
void Spurpunkt(const TGerade& g, const std::string& key, TPunkt& S, bool& da);
void Spurgeraden(const TEbeneNorm& E, TGerade& s12, TGerade& s13, TGerade& s23, bool& da12,
                 bool& da13, bool& da23);
void Achsenschnittpunkte(const TEbeneNorm& E, TPunkt& S1, TPunkt& S2, TPunkt& S3, bool& da1,
                         bool& da2, bool& da3);
void Winkel_Koordinatenebenen(const TEbeneNorm& E, double& w12, double& w13, double& w23);
void Winkel_Koordinatenachsen(const TEbeneNorm& E, double& w1, double& w2, double& w3);

// --- Spheres ---
// 0 inside, 1 on the sphere, 2 outside.
int Lage_Punkt_Kugel(const TKugel& K, const TPunkt& P);
void Schnitt_Gerade_Kugel(const TKugel& K, const TGerade& g, int& anzahl, TPunkt& S1, TPunkt& S2);
void Kugelpunkte_zur_Geraden(const TGerade& g, const TKugel& K, TPunkt& F1, TPunkt& F2);
// fehler set when there are no two tangent planes (g meets the sphere or passes through the
// centre); then nothing else is written. B1, B2 are the touching points (only x, y, z written).
void Tangentialebenen_durch_Gerade(const TKugel& K, const TGerade& g, bool& fehler, TEbeneNorm& T1,
                                   TEbeneNorm& T2, TPunkt& B1, TPunkt& B2);
// code 2 circle (centre Mk, radius rk), 1 touching point Mk (rk = 0), 0 no common point.
void Lage_Ebene_Kugel(const TEbeneNorm& E, const TKugel& K, int& code, TPunkt& Mk, double& rk);
void Pol(const TEbeneNorm& E, const TKugel& K, bool& da, TPunkt& P);
// −3 … 3, see the sphere reports.
int Lage_zweier_Kugeln(const TKugel& KA, const TKugel& KB);
void Radikalebene(const TKugel& KA, const TKugel& KB, TEbeneNorm& E);
// key "x23" (plane x1 = 0), "x13" (x2 = 0), "x12" (x3 = 0). Schnittkreis_Koordinatenebene
// throws MathError when the circle does not exist (ask Schnittkreis_existiert first).
bool Schnittkreis_existiert(const TKugel& K, const std::string& key);
void Schnittkreis_Koordinatenebene(const TKugel& K, const std::string& key, TPunkt& M, double& r);

// --- Measures of figures ---
double Dreiecksflaeche(const TPunkt& A, const TPunkt& B, const TPunkt& C);
double Parallelogrammflaeche(const TPunkt& a, const TPunkt& b);
double Tetraedervolumen(const TPunkt& A, const TPunkt& B, const TPunkt& C, const TPunkt& D);
// True when A, B and C lie on one line (up to rounding; also when two of them are the same point).
bool collinear(const TPunkt& A, const TPunkt& B, const TPunkt& C);
