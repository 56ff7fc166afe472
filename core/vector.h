#pragma once
// The point/vector record of space and its arithmetic, the small linear-algebra helpers and the
// reduction of vectors to a simple form before they are shown.
//
// The operations follow the record semantics of the program: a result is written into a
// caller-supplied record, and only the fields that the operation names are written (so a result
// keeps its Name and Farbe unless the operation sets them).
#include "core/palette.h"

#include <string>

struct TKoord {
    double x = 0, y = 0, z = 0;
};

// A named, coloured point or vector. Direction and normal vectors use the same record; their
// Name and Farbe are carried along and mean nothing for the arithmetic.
struct TPunkt {
    double x = 0, y = 0, z = 0;
    TFarbe Farbe = 0;
    std::string Name; // at most 255 characters; some names begin with blanks, which are printed

    TKoord koord() const { return {x, y, z}; }
};

// Builds a point record in one expression.
inline TPunkt punkt(double x, double y, double z, TFarbe f = 0, std::string name = {}) {
    return TPunkt{x, y, z, f, std::move(name)};
}

// --- Arithmetic (only x, y, z of the result are written unless said otherwise) ---
void Vielfaches(const TPunkt& p, double s, TPunkt& erg);       // s·p
void Summe(const TPunkt& a, const TPunkt& b, TPunkt& erg);     // a + b
void Differenz(const TPunkt& a, const TPunkt& b, TPunkt& erg); // a − b; Farbe := b.Farbe
double Skalarprodukt(const TPunkt& a, const TPunkt& b);
void Kreuzprodukt(const TPunkt& a, const TPunkt& b, TPunkt& erg);
double Laenge(const TPunkt& v);
double Laenge_gerundet(const TPunkt& v);           // squared length < 1e-8 → 0
void Einheitsvektor(const TPunkt& v, TPunkt& erg); // throws MathError for 0
double Abstand(const TPunkt& a, const TPunkt& b);
std::string AbstandText(const TPunkt& a, const TPunkt& b);       // ZahlText(Abstand)
void Mittelpunkt(const TPunkt& a, const TPunkt& b, TPunkt& erg); // Name "M", Farbe a
void Schwerpunkt(const TPunkt& a, const TPunkt& b, const TPunkt& c, TPunkt& erg); // "S", a
void Spiegelpunkt(const TPunkt& a, const TPunkt& f, TPunkt& erg); // a + 2(f − a); "SpA", a
bool IstNullvektor(const TPunkt& v);
bool GleichePunkte(const TPunkt& a, const TPunkt& b);
double Winkel(const TPunkt& a, const TPunkt& b); // acute angle in degrees; MathError for 0

// Value-returning forms for expressions; they start from a copy of the first operand, so Name
// and Farbe come from it (Differenz: Farbe from b, as above).
TPunkt summe(const TPunkt& a, const TPunkt& b);
TPunkt differenz(const TPunkt& a, const TPunkt& b);
TPunkt vielfaches(const TPunkt& p, double s);
TPunkt kreuzprodukt(const TPunkt& a, const TPunkt& b);

// --- Simple forms ---
// For x, y, z in turn: when the other two components divided by this one are whole numbers, this
// component becomes 1 and the others are divided by its old value (a negative factor reverses the
// orientation; 0 / −2 gives −0). MathError when a quotient leaves the double range.
void Vereinfachen(TPunkt& v);
// Divides out the common whole-number factors k = 100, 99, …, 2 in this order.
void Kuerzen(TPunkt& v);

// True when q is a whole number, tested in the highest precision available.
bool IstGanzzahl(long double q);

// --- Determinants ---
double Det3(const TPunkt& a, const TPunkt& b, const TPunkt& c); // rows a, b, c
// True when the determinant of the rows a, b, c is 0 up to rounding (relative to the sizes of the
// rows): the three vectors are linearly dependent.
bool determinantIsZero(const TPunkt& a, const TPunkt& b, const TPunkt& c);
// Solves the system whose rows are (a.x a.y a.z | r.x) etc.: a, b, c are the coefficient rows,
// r holds the three right-hand sides in x, y, z. On D ≠ 0 (determinantIsZero false) sets geloest
// and writes x, y, z of erg; otherwise clears geloest and leaves erg untouched.
void Cramer3(const TPunkt& a, const TPunkt& b, const TPunkt& c, const TPunkt& r, bool& geloest,
             TPunkt& erg);
double Det2_gerundet(double a, double b, double c, double d); // a·d − c·b, snapped to 1 or 0

inline constexpr double PI = 3.141592653589793;
