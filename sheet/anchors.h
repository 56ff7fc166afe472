#pragma once
// Where the input numbers of the current report stand on the sheet, so that a click on one can
// be mapped back to the number. The output primitives fill these records; a block that writes a
// derived (not editable) object is given no record.

struct PointAnchor { // a point written on one line: name(x/y/z)
    int x1 = 0;      // start of the written text (the name)
    int x2 = 0;      // end of the first coordinate (the first "/")
    int x3 = 0;      // start of the third coordinate
    int y = 0;       // the line's top
    bool gesetzt = false;
};

struct ColumnAnchor { // a vector written as a bracketed column of three rows
    int links = 0, rechts = 0;
    int y0 = 0, y1 = 0, y2 = 0, y3 = 0; // top of row 1, tops of rows 2 and 3, bottom of row 3
    bool gesetzt = false;
};

struct FieldAnchor { // one number (a plane's constant, a radius, a sphere's constant)
    int links = 0, oben = 0, rechts = 0, unten = 0;
    bool gesetzt = false;
};

struct PairAnchor {          // a plane point written as name(x/y)
    int x1 = 0;              // where the x value begins (after the name)
    int x2 = 0;              // where the y value begins (after the "/")
    int oben = 0, unten = 0; // the line's top and top plus the height of "M"
    bool gesetzt = false;
};

// All anchor records of the sheet. Index 0 is the first object of its kind in the report,
// index 1 the second (two lines, two planes, two spheres).
struct Anchors {
    PointAnchor punkt[4];        // the task's input points in order: P | P, Q | A, B, T | A..D
    ColumnAnchor gerade[2][2];   // line i: [0] support point, [1] direction
    ColumnAnchor ebenePar[2][3]; // plane i in parameter form: support point, two directions
    ColumnAnchor normale[2];     // plane i in normal form: normal vector
    FieldAnchor d[2];            //   and its constant
    ColumnAnchor kugelM[2];      // sphere i in centre form: centre
    FieldAnchor kugelR[2];       //   and radius
    ColumnAnchor kugelA[2];      // sphere i in vector form: vector of the equation
    FieldAnchor kugelC[2];       //   and constant
    ColumnAnchor vek[4];         // vectors p, q, r, s of the vector tasks
    PairAnchor paar[3];          // the plane task's input points (triangle: A, B, C)
    FieldAnchor matrix[2][9];    // the entries of matrix i (M or M1, M2), row by row
    FieldAnchor matrixVektor[3]; // the entries of the vector a matrix is multiplied with
    FieldAnchor zahl2[8];        // single numbers of a plane task (an ellipse's a, b, e, a line)
    // The affine scene: the shown map's six numbers (a11, a21, a12, a22, b1, b2), its input
    // points (definition points 0..5, A, B, the triangle, the circle's centre, H´: 6..12) and
    // its other numbers (the line's u, v, w, the radius, the fixed-point line's u, v, w).
    FieldAnchor abbildung[6];
    PairAnchor affinPunkt[13];
    FieldAnchor affinZahl[7];

    void leeren() { *this = Anchors{}; }
};
