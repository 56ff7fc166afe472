#include "plane/triangle_report.h"

#include "core/checked.h"
#include "core/number_text.h"
#include "plane/plane_sheet.h"
#include "sheet/sheet.h"

#include <algorithm>
#include <cmath>

namespace {

// Writes the triangle's numbers: a value that is zero relative to the triangle's size (a
// rounding remainder) is written as 0, never as "-0".
struct Writer {
    Sheet& s;
    int x;
    int& y;
    double scale;

    double clean(double v) const { return tolerance::isZero(v, scale) ? 0.0 : v + 0.0; }
    std::string zahl(double v) const { return ZahlText(clean(v)); }
    TPunkt2 point(TPunkt2 P) const {
        P.x = clean(P.x);
        P.y = clean(P.y);
        return P;
    }

    void line(const std::string& text) {
        s.Outtext(x, y, text);
        s.newLine(y);
    }
    void gap() { s.newLine(y); }
    void equation(const char* name, const TGerade2& g) { line(name + Geradengleichung2(g)); }
    // A caption and a point after the caption's width ("Schwerpunkt: S(..)").
    void labelled(const std::string& caption, const TPunkt2& P) {
        s.Outtext(x, y, caption);
        Punkt2_ausgeben(s, point(P), plus_int(x, s.textWidth(caption + " ")), y);
    }
    void pointLine(const TPunkt2& P) {
        Punkt2_ausgeben(s, point(P), x, y);
        s.newLine(y);
    }
};

} // namespace

void Dreieck2_ausgeben(Sheet& s, const TPunkt2 (&ecken)[3], const TDreieck2Daten& d, int x,
                       int& y) {
    const TPunkt2 &A = ecken[0], &B = ecken[1], &C = ecken[2];
    double scale = std::max({d.a, d.b, d.c});
    for (const TPunkt2* P : {&A, &B, &C})
        scale = std::max({scale, std::fabs(P->x), std::fabs(P->y)});
    Writer w{s, x, y, scale};

    w.line("Dreieck:");
    s.Schriftfarbe(farbe::Dunkelrot);
    for (int i = 0; i < 3; ++i) {
        Punkt2_ausgeben(s, ecken[i], x, y, &s.anker.paar[i]);
        s.newLine(y);
    }
    s.Schriftfarbe(farbe::Schwarz);
    s.u(y);

    w.line("Seitenlängen:");
    w.line("a = " + w.zahl(d.a));
    w.line("b = " + w.zahl(d.b));
    s.Outtext(x, y, "c = " + w.zahl(d.c));
    s.movey(2, y);
    if (!d.Dreieck) {
        w.line("Die Eckpunkte liegen auf einer Geraden --> kein Dreieck !");
        return;
    }

    w.line("Dreieckswinkel:");
    w.line("alpha = " + w.zahl(d.alpha));
    w.line("beta  = " + w.zahl(d.beta));
    s.Outtext(x, y, "gamma = " + w.zahl(d.gamma));
    s.movey(2, y);

    w.line("Seitenmitten:");
    w.pointLine(d.Mc);
    w.pointLine(d.Mb);
    Punkt2_ausgeben(s, w.point(d.Ma), x, y);
    s.movey(2, y);

    w.line("Seitengeraden:");
    w.equation("ga: ", d.ga);
    w.equation("gb: ", d.gb);
    s.Outtext(x, y, "gc: " + Geradengleichung2(d.gc));
    s.movey(2, y);

    w.line("Seitenhalbierende:");
    w.equation("sa: ", d.sa);
    w.equation("sb: ", d.sb);
    w.equation("sc: ", d.sc);
    w.labelled("Schwerpunkt:", d.S);
    s.movey(2, y);

    w.line("Mittelsenkrechte:");
    w.equation("ma: ", d.ma);
    w.equation("mb: ", d.mb);
    w.equation("mc: ", d.mc);
    w.labelled("Umkreismittelpunkt:", d.M);
    w.gap();
    s.Outtext(x, y, "Umkreisradius: r = " + w.zahl(d.r));
    s.movey(2, y);

    w.line("Höhen:");
    w.equation("ha: ", d.ha);
    w.equation("hb: ", d.hb);
    w.equation("hc: ", d.hc);
    w.line("Höhenfußpunkte:");
    w.pointLine(d.Ha);
    w.pointLine(d.Hb);
    w.pointLine(d.Hc);
    w.line("Höhenlägen:");
    w.line("|ha| = " + w.zahl(plane::distance(d.Ha, A)));
    w.line("|hb| = " + w.zahl(plane::distance(d.Hb, B)));
    w.line("|hc| = " + w.zahl(plane::distance(d.Hc, C)));
    w.labelled("Höhenschnittpunkt:", d.H);
    s.movey(2, y);

    w.line("Winkelhalbierende:");
    w.equation("wa: ", d.wa);
    w.equation("wb: ", d.wb);
    w.equation("wc: ", d.wc);
    w.line("Winkelhalb. Schnittpunkte:");
    w.pointLine(d.Wa);
    w.pointLine(d.Wb);
    w.pointLine(d.Wc);
    w.labelled("Inkreismittelpunkt:", d.W);
    w.gap();
    s.Outtext(x, y, "Inkreisradius i = " + w.zahl(d.i));
    s.movey(2, y);

    w.line("Eulergerade:");
    w.line("e: " + Geradengleichung2(d.e));
}
