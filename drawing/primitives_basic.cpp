// The coordinate system, points, segments and the parallelepiped.
#include "drawing/primitives.h"

void DrawContext::moveTo(double x, double y, double z) {
    int sx, sy;
    view.RealToScr(x, y, z, sx, sy);
    canvas.spacePoint(x, y, z);
    canvas.moveTo(sx, sy);
}

void DrawContext::lineTo(double x, double y, double z) {
    int sx, sy;
    view.RealToScr(x, y, z, sx, sy);
    canvas.spacePoint(x, y, z);
    canvas.lineTo(sx, sy);
}

void DrawContext::pixel(double x, double y, double z, TFarbe c) {
    int sx, sy;
    view.RealToScr(x, y, z, sx, sy);
    canvas.spacePoint(x, y, z);
    canvas.setPixel(sx, sy, c);
}

void paintBackground(Canvas& canvas, const ViewState& view) {
    canvas.setPenWidth(1);
    canvas.setPenStyle(PenStyle::Solid);
    canvas.setPenColor(view.Hintergrundfarbe);
    canvas.setBrushColor(view.Hintergrundfarbe);
    canvas.rectangle(0, 0, view.Width, view.Height);
}

void Zeichne_koordinatensystem(DrawContext& z, TFarbe achsenfarbe) {
    Canvas& c = z.canvas;
    ViewState& v = z.view;
    c.setFontColor(z.colour(farbe::Gelb));
    c.setFontName("Arial");
    c.textOut(8, 3, "Zeichnung:");

    c.setPenColor(z.colour(achsenfarbe));
    c.setPenWidth(1);
    c.setPenStyle(PenStyle::Solid);
    v.computeSteps();

    const int ex = v.EinheitenX, ey = v.EinheitenY, ez = v.EinheitenZ;
    auto axis = [&](double x, double y, double zz) {
        z.moveTo(0, 0, 0);
        z.lineTo(x, y, zz);
    };
    axis(ex, 0, 0);
    axis(0, ey, 0);
    axis(0, 0, ez);

    // Negative half-axes dotted; the ticks stay dotted.
    c.setPenStyle(PenStyle::Dot);
    axis(-ex, 0, 0);
    axis(0, -ey, 0);
    axis(0, 0, -ez);

    int sx, sy;
    auto verticalTick = [&](double x, double y, double zz) {
        v.RealToScr(x, y, zz, sx, sy);
        c.moveTo(sx, sy - 3);
        c.lineTo(sx, sy + 3);
    };
    for (int i = 1; i <= ey; ++i) verticalTick(0, i, 0);
    for (int i = 1; i >= -ey; --i) verticalTick(0, i, 0);
    for (int i = 1; i <= ez; ++i) {
        v.RealToScr(0, 0, i, sx, sy);
        c.moveTo(sx - 3, sy);
        c.lineTo(sx + 3, sy);
    }
    for (int i = 1; i <= ex; ++i) verticalTick(i, 0, 0);
}

void PunktZeichnen(DrawContext& z, const TPunkt& P) {
    int sx, sy;
    z.view.RealToScr(P.x, P.y, P.z, sx, sy);
    const TFarbe f = z.colour(P.Farbe);
    z.canvas.setPenColor(f);
    z.canvas.spacePoint(P.x, P.y, P.z);
    z.canvas.rectangle(sx - 2, sy - 2, sx + 2, sy + 2);
    z.canvas.setFontColor(f);
    if (!P.Name.empty()) {
        z.canvas.spacePoint(P.x, P.y, P.z);
        z.canvas.textOut(sx + 4, sy - 4, P.Name);
    }
}

void Linie_zeichnen_Koord(DrawContext& z, const TKoord& A, const TKoord& B, TFarbe farbe,
                          PenStyle stil) {
    z.canvas.setPenStyle(stil);
    z.canvas.setPenColor(z.colour(farbe));
    z.moveTo(A);
    z.lineTo(B);
}

void LinieZeichnen(DrawContext& z, const TPunkt& A, const TPunkt& B, TFarbe farbe, PenStyle stil) {
    Linie_zeichnen_Koord(z, A.koord(), B.koord(), farbe, stil);
}

void Vektor_zeichnen(DrawContext& z, const TPunkt& A, const TPunkt& B, int breite, PenStyle stil) {
    z.canvas.setPenWidth(breite);
    LinieZeichnen(z, A, B, B.Farbe, stil);
}

void PunktZeichnen_mit_hilfslinien(DrawContext& z, const TPunkt& P) {
    PunktZeichnen(z, P);
    const TKoord p = P.koord();
    const TKoord fuss{P.x, P.y, 0};
    // Exact comparisons: a point on an axis plane gets no line of length zero.
    if (P.x != 0 && P.y != 0) Linie_zeichnen_Koord(z, p, fuss, P.Farbe, PenStyle::Dot);
    if (P.x != 0) Linie_zeichnen_Koord(z, fuss, {P.x, 0, 0}, P.Farbe, PenStyle::Dot);
    if (P.y != 0) Linie_zeichnen_Koord(z, fuss, {0, P.y, 0}, P.Farbe, PenStyle::Dot);
}

void PunktZeichnen_mit_Quader(DrawContext& z, const TPunkt& P) {
    PunktZeichnen(z, P);
    const double x = P.x, y = P.y, zz = P.z;
    const TKoord p{x, y, zz}, xy{x, y, 0}, xz{x, 0, zz}, yz{0, y, zz};
    const TKoord edges[9][2] = {{p, xy},          {p, xz},         {p, yz},
                                {xy, {x, 0, 0}},  {xy, {0, y, 0}}, {xz, {x, 0, 0}},
                                {xz, {0, 0, zz}}, {yz, {0, y, 0}}, {yz, {0, 0, zz}}};
    for (const auto& e : edges) Linie_zeichnen_Koord(z, e[0], e[1], P.Farbe, PenStyle::Dot);
}

void Linie2_zeichnen(DrawContext& z, const TPunkt& A, const TPunkt& B) {
    const double dx = (B.x - A.x) * 0.05, dy = (B.y - A.y) * 0.05, dz = (B.z - A.z) * 0.05;
    z.moveTo(A);
    for (int i = 1; i <= 20; ++i) {
        const double x = A.x + i * dx, y = A.y + i * dy, zz = A.z + i * dz;
        const bool positiv = x >= 0 && y >= 0 && zz >= 0;
        z.canvas.setPenStyle(positiv ? PenStyle::Solid : PenStyle::Dot);
        z.canvas.setPenWidth(positiv ? 2 : 1);
        z.lineTo(x, y, zz);
    }
    z.canvas.setPenWidth(1);
}

void SpatQuaderZeichnen(DrawContext& z, const TPunkt& a, const TPunkt& b, const TPunkt& c) {
    const TPunkt ab = summe(a, b), ac = summe(a, c), bc = summe(b, c), abc = summe(ab, c);
    const TPunkt* edges[9][2] = {{&a, &ab}, {&a, &ac},   {&b, &ab},   {&b, &bc},  {&c, &ac},
                                 {&c, &bc}, {&ab, &abc}, {&ac, &abc}, {&bc, &abc}};
    for (const auto& e : edges) Vektor_zeichnen(z, *e[0], *e[1], 1, PenStyle::Dot);
}
