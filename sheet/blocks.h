#pragma once
// Output blocks: one object (a line, a plane in one of its forms, a sphere in one of its forms)
// or one group of derived facts, written at a position on the sheet. Blocks that write several
// rows take y by reference and leave it below what they wrote.
//
// The anchor arguments say where the block registers the positions of its numbers so that a
// click can change them; a null pointer writes the same text without registering anything
// (the "OhneBox" variants).
#include "core/objects.h"
#include "sheet/sheet.h"

#include <string>

// middle row g.Name + " x = ", column p, " + r", column u.
void Gerade_ausgeben(Sheet& s, const TGerade& g, int x, int y, ColumnAnchor* stuetz = nullptr,
                     ColumnAnchor* richtung = nullptr);
// anker: an array of three records (support point, first and second direction) or null.
void EbeneParameter_ausgeben(Sheet& s, const TEbene& E, int x, int y,
                             ColumnAnchor* anker = nullptr);
void EbeneParameter_ausgeben_OhneBox(Sheet& s, const TEbene& E, int x, int y);
void EbeneNormalenForm_ausgeben(Sheet& s, const TEbeneNorm& E, int x, int y,
                                ColumnAnchor* normale = nullptr, FieldAnchor* d = nullptr);
void EbeneNormalenForm_ausgeben_OhneBox(Sheet& s, const TEbeneNorm& E, int x, int y);
void Kugel_Mittelpunktsform_ausgeben(Sheet& s, const TKugel& K, int x, int& y,
                                     ColumnAnchor* m = nullptr, FieldAnchor* r = nullptr);
void Kugel_Vektorform_ausgeben(Sheet& s, const TKugelV& V, int x, int& y, ColumnAnchor* a = nullptr,
                               FieldAnchor* c = nullptr);
void SpurPunkte_ausgeben(Sheet& s, const TGerade& g, int x, int& y);
void Projektionsgeraden_ausgeben(Sheet& s, const TGerade& g, int x, int& y);
void KoordinatenSchnittPunkte_ausgaben(Sheet& s, const TEbeneNorm& E, int x, int& y);
// key "12", "13" or "23".
void Gerade_koordinatenform_ausgeben(Sheet& s, const TEbeneNorm& E, const std::string& key, int x,
                                     int& y);
void Spurgeraden_ausgeben(Sheet& s, const TEbeneNorm& E, int x, int& y);
void Schnittwinkel_mit_Koordinatenebene_ausgeben(Sheet& s, const TEbeneNorm& E, int x, int& y);
void Schnittwinkel_mit_KoordinatenAchsen_ausgeben(Sheet& s, const TEbeneNorm& E, int x, int& y);
void Lot_vom_Ursprung_ausgeben(Sheet& s, const TEbeneNorm& E, int x, int& y);
void Schnittkreise_mit_koordinatenEbenen_ausgeben(Sheet& s, const TKugel& K, int x, int& y);

// The coordinate equation of a projected line; key "12", "13" or "23".
std::string Koordinatengleichung_Text(const TGerade& g, const std::string& key);
