#pragma once
// Applies one click on the sheet to the input objects of the current task. A task kind's row
// calls these in the order in which its report writes its inputs; every number that the click
// hits is changed (the left button raises it, any other button lowers it).
#include "affine/map.h"
#include "core/objects.h"
#include "plane/matrix.h"
#include "plane/records.h"
#include "sheet/anchors.h"

class InputClicks {
public:
    InputClicks(const Anchors& anker, bool links, int X, int Y)
        : anker_(anker), links_(links), X_(X), Y_(Y) {}

    void punkt(int i, TPunkt& P);
    void vektor(int i, TPunkt& v);
    void gerade(int i, TGerade& g);
    void ebene(int i, TEbeneNorm& E);
    void ebene(int i, TEbene& E);
    // A sphere that fails its input test after the click (a radius of 0 or below; a vector
    // form whose radius would be the root of a negative number) marks the click as invalid.
    void kugel(int i, TKugel& K);
    void kugel(int i, TKugelV& V);
    // A plane point written with Punkt2_ausgeben (its pair anchor i).
    void paar(int i, TPunkt2& P);
    // The entries of matrix i and of the vector multiplied with it, each changed by 0.5.
    void matrix(int i, TMatrix2& M);
    void matrix(int i, TMatrix3& M);
    void matrixVektor(double* v, int n);
    // A single number of a plane task in the rectangle zahl2[i], changed by 0.2.
    void zahl2(int i, double& wert);
    // A line u·x + v·y = w written as "y=m*x + c" (slope in zahl2[i], intercept in zahl2[i + 1])
    // or "x = k" (k in zahl2[i]): the click changes the number it hits by 0.2 and the equation
    // follows (v, or u for a vertical line, stays).
    void gleichung2(int i, TGeradeGl2& g);
    // The affine scene: its input point i (1 per click), its other number i (changed by
    // `schritt` per click) and the shown map's six numbers (1 per click).
    void affinPunkt(int i, TPunkt2& P);
    void affinZahl(int i, double& wert, double schritt);
    void abbildung(TAbbildung2& m);

    void punkte(TPunkt& A, TPunkt& B) {
        punkt(0, A);
        punkt(1, B);
    }
    void punkte(TPunkt& A, TPunkt& B, TPunkt& C) {
        punkte(A, B);
        punkt(2, C);
    }

    bool hit() const { return hit_; }
    bool invalid() const { return invalid_; }

private:
    void note(bool hit) { hit_ = hit_ || hit; }

    const Anchors& anker_;
    bool links_;
    int X_, Y_;
    bool hit_ = false;
    bool invalid_ = false;
};
