// Every relation of the core against an oracle written out here independently of it: each
// classification against an exact computation in integers (every number times 1000), each
// computed value against its defining equations in long double, and no output NaN or above 1e12.
// The inputs are seeded random decimals (one to three decimals, read by the program's own number
// reader), many built to be degenerate: parallel, identical, through the centre, touching,
// coplanar, collinear, midpoint; then the worked decimal examples of mended faults, one row each.
#include "core/dependence.h"
#include "core/division_ratio.h"
#include "core/errors.h"
#include "core/number_input.h"
#include "core/number_text.h"
#include "core/tolerance.h"
#include "tests/core/helpers.h"

#include <algorithm>
#include <functional>
#include <map>
#include <random>

namespace {

using I = __int128;
using L = long double;

template <class T> struct Vec {
    T x = 0, y = 0, z = 0;
    Vec operator+(Vec b) const { return {x + b.x, y + b.y, z + b.z}; }
    Vec operator-(Vec b) const { return {x - b.x, y - b.y, z - b.z}; }
    Vec operator*(T s) const { return {x * s, y * s, z * s}; }
    T dot(Vec b) const { return x * b.x + y * b.y + z * b.z; }
    Vec cross(Vec b) const { return {y * b.z - z * b.y, z * b.x - x * b.z, x * b.y - y * b.x}; }
    bool null() const { return x == 0 && y == 0 && z == 0; }
    T operator[](int i) const { return i == 0 ? x : i == 1 ? y : z; }
    L len() const { return std::sqrt(static_cast<L>(dot(*this))); }
};
using IV = Vec<I>; // exact, in thousandths
using V = Vec<L>;  // the long-double oracle

double zahl(I k) {
    const long long a = static_cast<long long>(k < 0 ? -k : k);
    return parseNumber((k < 0 ? "-" : "") + std::to_string(a / 1000) + "." +
                       std::to_string(1000 + a % 1000).substr(1));
}
// A decimal vector: exact thousandths and the program's record read from the decimal text.
struct DP {
    IV e;
    TPunkt p;
    DP(IV v = {}) : e(v), p(punkt(zahl(v.x), zahl(v.y), zahl(v.z))) {}
    V x() const { return {L(e.x) / 1000, L(e.y) / 1000, L(e.z) / 1000}; }
    DP operator+(const DP& b) const { return e + b.e; }
    DP operator-(const DP& b) const { return e - b.e; }
    DP operator*(long long n) const { return e * n; }
};
DP dp(I x, I y, I z) {
    return IV{x, y, z};
}

class Zufall {
public:
    explicit Zufall(unsigned seed) : rng_(seed) {}
    long long ganz(long long lo, long long hi) {
        return std::uniform_int_distribution<long long>(lo, hi)(rng_);
    }
    // One to three decimals, |value| ≤ grenze, in thousandths.
    long long zahl(long long grenze = 100) {
        const long long stufe = ganz(1, 3) == 1 ? 100 : ganz(0, 1) ? 10 : 1;
        return ganz(-grenze * 1000 / stufe, grenze * 1000 / stufe) * stufe;
    }
    DP punkt_(long long g = 40) { return dp(zahl(g), zahl(g), zahl(g)); }
    DP richtung(long long g = 20) {
        const DP d = punkt_(g);
        return d.e.null() ? richtung(g) : d;
    }
    // Small whole components with zeros now and then reach every elimination branch.
    DP klein() {
        const DP d = dp(ganz(-2, 2) * 1000, ganz(-2, 2) * 1000, ganz(-2, 2) * 1000);
        return d.e.null() ? klein() : d;
    }
    long long faktor(long long n = 3) { // whole, non-zero, in [−n, n]
        const long long f = ganz(-n, n - 1);
        return f >= 0 ? f + 1 : f;
    }
    // A vector of whole length: a Pythagorean quadruple, shuffled and signed, times a step of
    // 0.25 … 2; t is the whole vector, tl its length, laenge the length in thousandths.
    DP vonLaenge(long long& laenge, IV& t, long long& tl) {
        static const long long q[][4] = {{3, 4, 0, 5},  {2, 3, 6, 7}, {1, 4, 8, 9},
                                         {2, 6, 9, 11}, {4, 4, 7, 9}, {0, 0, 1, 1}};
        const auto& w = q[ganz(0, 5)];
        const long long s = ganz(1, 8) * 250;
        long long c[3] = {w[0], w[1], w[2]};
        std::shuffle(c, c + 3, rng_);
        for (long long& x : c) x *= ganz(0, 1) ? 1 : -1;
        t = {c[0], c[1], c[2]}, tl = w[3], laenge = w[3] * s;
        return DP(t * s);
    }

private:
    std::mt19937 rng_;
};

const std::string worte[] = {lage::schneidend, lage::windschief, lage::identisch, lage::parallel};

} // namespace

// Each check takes exact decimal input, returns the exact class (−9: too close to call, skipped).
class Eigenschaften : public testing::Test {
protected:
    static V v(const TPunkt& p) { return {p.x, p.y, p.z}; }
    static L abstandG(V q, V p, V u) { return (q - p).cross(u).len() / u.len(); }
    static L seite(V q, V n, L d) { return (q.dot(n) - d) / n.len(); }
    static L gr(V a) { return 1 + a.len(); } // absolute near the origin, relative far from it
    static bool ok(std::initializer_list<double> w) {
        return std::all_of(w.begin(), w.end(), [](double x) { return std::fabs(x) <= 1e12; });
    }
    static bool ok(const TPunkt& p) { return ok({p.x, p.y, p.z}); }
    static bool ok(const TGerade& g) { return ok(g.Stuetz) && ok(g.Richtung); }
    static bool ok(const TEbeneNorm& e) { return ok(e.Normale) && ok({e.d}); }
    // Clear: exactly 0 or not tiny against its scale; in between any tolerance may go either way.
    static bool klar(I wert, L skala) { return wert == 0 || std::fabs(L(wert)) > 1e-6L * skala; }
    static TGerade g(const DP& p, const DP& u) { return gerade(p.p, u.p, 0x5A); }
    static TPunkt alt() { return punkt(7, 7, 7, 0x99, "alt"); } // what a result left alone shows
    static TKugel k(const DP& m, I r) {
        TKugel K = kugel(m.p, zahl(r), 0x44);
        K.M.Farbe = 0x45;
        return K;
    }

    static int zweiGeraden(const DP& p, const DP& u, const DP& q, const DP& w) {
        const IV n = u.e.cross(w.e);
        const I raum = (q.e - p.e).dot(n);
        if (!klar(raum, (q.e - p.e).len() * u.e.len() * w.e.len())) return -9;
        const int c = !n.null() ? (raum != 0) : (q.e - p.e).cross(u.e).null() ? 2 : 3;
        const GeradenLage r = lage2(g(p, u), g(q, w), {"", "alt", alt(), alt(), alt(), {}});
        EXPECT_EQ(Richtungen_parallel(u.p, w.p), n.null());
        EXPECT_EQ(r.wort, worte[c]);
        // S in the colour of g, the feet and their line in aqua; the rest stays as it was.
        EXPECT_EQ(r.S.Name + r.L1.Name + r.L2.Name + r.l.Name, c == 0   ? "Saltalt"
                                                               : c == 1 ? "altL1L2l:"
                                                                        : "altaltalt");
        EXPECT_TRUE(c != 0 || (r.S.Farbe == 0x5Au && r.text == "alt"));
        EXPECT_TRUE(c != 1 || (r.L1.Farbe == farbe::Aqua && r.l.Farbe == farbe::Aqua));
        const V P = p.x(), U = u.x(), Q = q.x(), W = w.x();
        if (c == 0) {
            EXPECT_TRUE(ok(r.S));
            EXPECT_LT(std::max(abstandG(v(r.S), P, U), abstandG(v(r.S), Q, W)), 1e-9 * gr(v(r.S)));
        } else if (c == 1) { // feet on the lines, their distance the exact one, l along u × v
            EXPECT_TRUE(ok(r.L1) && ok(r.L2) && ok(r.l));
            const L d = std::fabs(L(raum)) / n.len() / 1000,
                    tol = 1e-8 * (gr(v(r.L1)) + gr(v(r.L2)));
            EXPECT_LT(std::max(abstandG(v(r.L1), P, U), abstandG(v(r.L2), Q, W)), tol);
            EXPECT_NEAR(Abstand(r.L1, r.L2), d, tol);
            EXPECT_NEAR(std::stod(r.text), d, 0.0005 + tol);
            EXPECT_LT(v(r.l.Richtung).cross(U.cross(W)).len(),
                      1e-9 * v(r.l.Richtung).len() * U.cross(W).len());
        } else if (c == 3) {
            EXPECT_NEAR(std::stod(r.text), abstandG(Q, P, U), 0.0005 + 1e-9);
        }
        return c;
    }

    // Planes n1·x = d1, n2·x = d2.
    static int zweiEbenen(const DP& n1, I d1, const DP& n2, I d2) {
        const IV k = n1.e.cross(n2.e);
        if (!k.null() && k.len() < 1e-6L * n1.e.len() * n2.e.len()) return -9;
        const int c = !k.null() ? 0 : (n1.e * d2 - n2.e * d1).null() ? 2 : 3;
        std::string wort;
        TGerade s;
        s.Name = "alt";
        const TEbeneNorm E1 = ebene(n1.p, zahl(d1)), E2 = ebene(n2.p, zahl(d2));
        Lage_zweier_Ebenen(E1, E2, wort, s);
        EXPECT_EQ(wort, worte[c]);
        EXPECT_TRUE(c ? s.Name == "alt"
                      : s.Name == "s:" && s.Stuetz.Name == " P" && s.Farbe == farbe::Aqua &&
                            s.Stuetz.Farbe == farbe::Aqua && s.Richtung.Farbe == farbe::Aqua);
        if (c != 0) { // n2 = λ·n1: distance |d1·(n1·n2) − d2·(n1·n1)| / (|n1|·|n1·n2|)
            const I nn = n1.e.dot(n2.e);
            const L soll =
                std::fabs(L(nn * d1 - n1.e.dot(n1.e) * d2)) / (n1.e.len() * std::fabs(L(nn)));
            EXPECT_NEAR(Abstand_paralleler_Ebenen(E1, E2), soll, 1e-9 * (1 + soll));
            return c;
        }
        EXPECT_TRUE(ok(s)); // a modest support point of both planes, a direction along both
        const V w = v(s.Richtung);
        EXPECT_GT(w.len(), 0);
        for (const auto& [n, d] : {std::pair(n1.x(), d1), std::pair(n2.x(), d2)}) {
            const L D = L(d) / 1000;
            EXPECT_LT(std::fabs(seite(v(s.Stuetz), n, D)),
                      1e-9L * (1 + std::fabs(D) / n.len() + 100 * gr(v(s.Stuetz))));
            EXPECT_LT(std::fabs(w.dot(n)) / n.len(), 1e-9 * w.len());
        }
        return c;
    }

    // The plane p + r·u + s·v in normal form and back; zero normal components stay exact. Its
    // axis points and trace lines lie in it and on the axes and coordinate planes (none where
    // the normal has no part across).
    static void ebenenformen(const DP& p, const DP& u, const DP& w) {
        const IV n = u.e.cross(w.e);
        const TEbene par{p.p, u.p, w.p, 0x70, "E"};
        TEbeneNorm e, h;
        TEbene zurueck;
        Parameter_zu_Normalenform(par, e);
        for (int j = 0; j < 3; ++j) EXPECT_EQ(v(e.Normale)[j] == 0, n[j] == 0);
        TPunkt S[3] = {alt(), alt(), alt()}, x, y;
        TGerade s[3]; // x3 = 0, x2 = 0, x1 = 0
        for (TGerade& sj : s) sj.Name = "alt";
        bool da[3] = {}, daS[3] = {};
        Achsenschnittpunkte(e, S[0], S[1], S[2], daS[0], daS[1], daS[2]);
        Spurgeraden(e, s[0], s[1], s[2], da[0], da[1], da[2]);
        for (int j = 0; j < 3; ++j) {
            const int o = 2 - j; // the coordinate that is 0 on the trace line
            EXPECT_EQ(daS[j], n[j] != 0);
            EXPECT_EQ(da[j], n[(o + 1) % 3] != 0 || n[(o + 2) % 3] != 0);
            // In the plane's colour; where there is none the record stays as it was.
            EXPECT_EQ(S[j].Name, daS[j] ? "S" + std::to_string(j + 1) : "alt");
            EXPECT_EQ(s[j].Name, !da[j] ? "alt" : j == 0 ? "s12:" : j == 1 ? "s13:" : "s23:");
            EXPECT_TRUE((!daS[j] || S[j].Farbe == 0x70u) && (!da[j] || s[j].Farbe == 0x70u));
            if (daS[j]) {
                EXPECT_TRUE(ok(S[j]) && v(S[j])[(j + 1) % 3] == 0 && v(S[j])[(j + 2) % 3] == 0);
                EXPECT_LT(std::fabs(seite(v(S[j]), v(e.Normale), e.d)), 1e-9 * gr(v(S[j])));
            }
            if (!da[j]) continue;
            EXPECT_GT(v(s[j].Richtung).len(), 0);
            for (const V X : {v(s[j].Stuetz), v(s[j].Stuetz) + v(s[j].Richtung)}) {
                EXPECT_EQ(X[o], 0);
                EXPECT_LT(std::fabs(seite(X, v(e.Normale), e.d)), 1e-9 * gr(X));
            }
        }
        Normalen_zu_Parameterform(e, zurueck);
        Hesse_Normalform(e, h);
        EXPECT_TRUE(ok(zurueck.Stuetz));
        EXPECT_NEAR(v(h.Normale).len(), 1, 1e-12);
        const L tol = 1e-9 * (gr(p.x()) + 3 * (u.x().len() + w.x().len()));
        for (auto [r, s] : {std::pair(0.0, 0.0), {1.5, -1.0}, {-2.0, 3.0}}) {
            Punkt_auf_Ebene(par, r, s, x);
            Punkt_auf_Ebene(zurueck, r, s, y);
            const V X = p.x() + u.x() * r + w.x() * s;
            EXPECT_LT((X - v(x)).len(), tol);
            const L aus = std::max(std::fabs(seite(X, v(e.Normale), e.d)),
                                   std::fabs(seite(v(y), v(e.Normale), e.d)));
            EXPECT_LT(aus, tol);
            EXPECT_NEAR(Abstand_Punkt_Ebene(x, h), 0, tol);
        }
    }

    // The line q + t·w against the plane n·x = d, and its mirror image.
    static int geradeEbene(const DP& q, const DP& w, const DP& n, I d) {
        const I N = w.e.dot(n.e), Z = d * 1000 - q.e.dot(n.e);
        if (!klar(N, w.e.len() * n.e.len())) return -9;
        const int c = N != 0 ? 1 : Z == 0 ? 3 : 2;
        int code = 0;
        TPunkt S = alt();
        TGerade sg;
        const TEbeneNorm E = ebene(n.p, zahl(d));
        const V Q = q.x(), W = w.x(), Nn = n.x();
        const L D = L(d) / 1000;
        Schnittpunkt_Gerade_Ebene(g(q, w), E, code, S);
        EXPECT_EQ(code, c);
        EXPECT_TRUE(code == 1 ? S.Name == "S" && S.Farbe == farbe::Aqua : S.Name == "alt");
        if (code == 1) {
            EXPECT_TRUE(ok(S));
            EXPECT_LT(std::max(abstandG(v(S), Q, W), std::fabs(seite(v(S), Nn, D))),
                      1e-9 * gr(v(S)));
        }
        Spiegelgerade_an_Ebene(g(q, w), E, sg); // each point of it mirrors a point of g
        EXPECT_TRUE(sg.Name == "s: " && sg.Farbe == 0x5Au && sg.Stuetz.Name == "P`");
        for (L t : {0.0L, 1.0L, -2.5L}) {
            const V x = Q + W * t, bild = x - Nn * (2 * (Nn.dot(x) - D) / Nn.dot(Nn));
            EXPECT_LT(abstandG(bild, v(sg.Stuetz), v(sg.Richtung)), 1e-9 * gr(bild));
        }
        return c;
    }

    // The perpendicular from Q on the line q + t·w (flag 0: Q lies on it) and on the plane.
    static void punktGeradeEbene(const DP& Q, const DP& q, const DP& w, const DP& n, I d) {
        TGerade l;
        TPunkt F, sp;
        int flag = -1;
        const TGerade gq = g(q, w);
        Lot_Punkt_Gerade(Q.p, gq, l, F, flag);
        const IV c = (Q.e - q.e).cross(w.e);
        if (c.null() || c.len() > 1e-6L * w.e.len() * (Q.e - q.e).len()) {
            EXPECT_EQ(flag, c.null() ? 0 : 1);
        }
        const L abst = c.len() / w.e.len() / 1000, tol = 1e-9 * gr(Q.x());
        const V W = w.x(), Nn = n.x();
        if (flag == 1) { // foot and perpendicular in aqua
            EXPECT_TRUE(F.Name == "L" && F.Farbe == farbe::Aqua && l.Name == "l:" &&
                        l.Farbe == farbe::Aqua);
            EXPECT_LT(std::max(abstandG(Q.x(), v(l.Stuetz), v(l.Richtung)),
                               abstandG(v(F), v(l.Stuetz), v(l.Richtung))),
                      tol);
            Spiegelpunkt(Q.p, F, sp);
            EXPECT_LT(
                std::max(abstandG(v(F), q.x(), W), std::fabs((Q.x() - v(F)).dot(W)) / W.len()),
                tol);
            EXPECT_NEAR(Abstand_Punkt_Gerade(Q.p, gq), abst, tol);
            EXPECT_NEAR(abstandG(v(sp), q.x(), W), abst, tol);
            EXPECT_NEAR(Abstand(sp, Q.p), 2 * abst, tol);
        }
        const TEbeneNorm E = ebene(n.p, zahl(d));
        Lot_auf_Ebene(Q.p, E, l, F);
        EXPECT_TRUE(F.Name == "L" && F.Farbe == farbe::Aqua && l.Name == "L");
        EXPECT_LT(std::max(abstandG(Q.x(), v(l.Stuetz), v(l.Richtung)),
                           v(l.Richtung).cross(Nn).len() / v(l.Richtung).len() / Nn.len()),
                  tol);
        EXPECT_LT(std::fabs(seite(v(F), Nn, L(d) / 1000)), tol);
        EXPECT_LT((Q.x() - v(F)).cross(Nn).len() / Nn.len(), tol);
        EXPECT_NEAR(Abstand_Punkt_Ebene(Q.p, E), std::fabs(seite(Q.x(), Nn, L(d) / 1000)), tol);
    }

    // The line through P meeting p + s·u and q + t·w.
    static int treffgerade(const DP& P, const DP& p, const DP& u, const DP& q, const DP& w) {
        const IV N = (P.e - p.e).cross(u.e);
        int c = 2;
        if (!N.null() && !(P.e - q.e).cross(w.e).null()) {
            const I nw = N.dot(w.e);
            // S = q + t·w with t = N·(P − q) / N·w; S − P, scaled by N·w.
            const IV f = (q.e - P.e) * nw + w.e * N.dot(P.e - q.e);
            c = nw == 0 || f.null() || f.cross(u.e).null() ? 3 : 1;
            if (!klar(nw, N.len() * w.e.len())) return -9;
        }
        int code = 0;
        TGerade f;
        TPunkt S = alt(), T = alt(), Pf = P.p;
        f.Name = "alt";
        Pf.Farbe = 0x5B;
        Treffgerade(Pf, g(p, u), g(q, w), code, f, S, T);
        EXPECT_EQ(code, c);
        // f, S and T in the colour of P; none of them touched without a meeting line.
        EXPECT_EQ(f.Name + S.Name + T.Name, code == 1 ? "f:ST" : "altaltalt");
        EXPECT_TRUE(code != 1 || (f.Farbe == 0x5Bu && S.Farbe == 0x5Bu && T.Farbe == 0x5Bu));
        if (code == 1) { // S on h, T on g, P and T on f
            EXPECT_TRUE(ok(S) && ok(T) && ok(f));
            const V F = v(f.Stuetz), Fu = v(f.Richtung);
            EXPECT_LT(std::max({abstandG(v(S), q.x(), w.x()), abstandG(v(T), p.x(), u.x()),
                                abstandG(v(T), F, Fu), abstandG(P.x(), F, Fu)}),
                      1e-7 * (gr(v(S)) + gr(v(T))));
        }
        return c;
    }

    // A point and the sphere (m, r); the tangent plane in it when it lies on the sphere.
    static int kugelPunkt(const DP& m, I r, const DP& P) {
        const I e2 = (P.e - m.e).dot(P.e - m.e), r2 = r * r;
        if (!klar(e2 - r2, L(r2) * 1e2)) return -9;
        const int c = e2 == r2 ? 1 : e2 < r2 ? 0 : 2;
        EXPECT_EQ(Lage_Punkt_Kugel(k(m, r), P.p), c);
        if (c == 1) {
            TEbeneNorm t;
            Tangentialebene(k(m, r), P.p, t);
            EXPECT_TRUE(t.Name == "T: " && t.Farbe == farbe::Aqua && t.Normale.Farbe == 0x45u);
            EXPECT_LT(std::fabs(seite(P.x(), v(t.Normale), t.d)), 1e-9 * gr(P.x()));
            EXPECT_NEAR(std::fabs(seite(m.x(), v(t.Normale), t.d)), L(r) / 1000, 1e-9 * gr(P.x()));
        }
        return c;
    }

    // The line p + t·u and the sphere: points in common, nearest and farthest points, the
    // tangent planes through the line.
    static int kugelGerade(const DP& m, I r, const DP& p, const DP& u) {
        const IV c = (m.e - p.e).cross(u.e);
        const I diff = c.dot(c) - r * r * u.e.dot(u.e);
        const L abstand = c.len() / u.e.len() / 1000, R = L(r) / 1000;
        if (diff != 0 && std::fabs(abstand - R) <= 1e-4L) return -9;
        const int soll = diff == 0 ? 1 : diff < 0 ? 2 : 0;
        const TKugel K = k(m, r);
        const V M = m.x(), P = p.x(), U = u.x();
        int anzahl = -1;
        bool fehler = true;
        TPunkt S[2] = {alt(), alt()}, F[2], B[2];
        TEbeneNorm T[2];
        T[0].Name = "alt";
        Schnitt_Gerade_Kugel(K, g(p, u), anzahl, S[0], S[1]);
        Kugelpunkte_zur_Geraden(g(p, u), K, F[0], F[1]);
        Tangentialebenen_durch_Gerade(K, g(p, u), fehler, T[0], T[1], B[0], B[1]);
        EXPECT_EQ(anzahl, soll);
        // Named in the line's colour where found; what is not found stays as it was.
        EXPECT_EQ(S[0].Name + S[1].Name, soll == 2 ? "S1S2" : soll == 1 ? "S1alt" : "altalt");
        EXPECT_EQ(S[0].Farbe, soll ? 0x5Au : 0x99u);
        EXPECT_TRUE(fehler ? T[0].Name == "alt" : T[0].Name == "T: " && T[1].Farbe == farbe::Aqua);
        EXPECT_TRUE(ok(S[0]));
        if (soll != 1) {
            EXPECT_EQ(fehler, soll == 2);
        }
        EXPECT_NEAR(abstandG(v(F[0]), P, U), std::fabs(abstand - R), 1e-8 * gr(v(F[0])));
        EXPECT_LE(abstandG(v(F[0]), P, U), abstandG(v(F[1]), P, U) + 1e-9); // nearer first
        for (int j = 0; j < 2; ++j) {
            EXPECT_NEAR((v(F[j]) - M).len(), R, 1e-9 * (1 + R));
            if (soll == 2) {
                EXPECT_LT(std::max(std::fabs((v(S[j]) - M).len() - R), abstandG(v(S[j]), P, U)),
                          1e-8 * gr(v(S[j])));
            }
            if (soll != 0) continue;
            const V n = v(T[j].Normale); // contains g, touches the sphere in B
            const L tol = 1e-8 * (gr(P) + gr(U));
            EXPECT_TRUE(ok(T[j]));
            EXPECT_LT(std::max(std::fabs(seite(P, n, T[j].d)), std::fabs(seite(P + U, n, T[j].d))),
                      tol);
            EXPECT_NEAR(std::fabs(seite(M, n, T[j].d)), R, tol);
            EXPECT_NEAR((v(B[j]) - M).len(), R, 1e-8 * gr(v(B[j])));
            EXPECT_LT(std::fabs(seite(v(B[j]), n, T[j].d)), 1e-7 * gr(v(B[j])));
        }
        return soll;
    }

    // The plane n·x = d and the sphere: circle, touching point or nothing; the pole.
    static int kugelEbene(const DP& m, I r, const DP& n, I d) {
        const I q = n.e.dot(m.e) - d * 1000, diff = q * q - r * r * n.e.dot(n.e);
        const TEbeneNorm E = ebene(n.p, zahl(d), 0x31);
        const V M = m.x(), N = n.x();
        const L a = seite(M, N, L(d) / 1000), R = L(r) / 1000;
        bool polDa = false;
        TPunkt pol = alt(), Mk = alt();
        Pol(E, k(m, r), polDa, pol);
        EXPECT_EQ(polDa, q != 0);
        EXPECT_TRUE(polDa ? pol.Name == "Pol" && pol.Farbe == farbe::Rot : pol.Name == "alt");
        if (polDa && klar(q, n.e.len() * 1e5)) {
            // The polar plane (pol − m)·(x − m) = r² is E: the foot of m on E lies on it.
            EXPECT_TRUE(ok(pol));
            const V fuss = M - N * (a / N.len());
            EXPECT_NEAR((v(pol) - M).dot(fuss - M), R * R,
                        1e-7 * (1 + (v(pol) - M).len() * gr(fuss)));
        }
        if (!klar(diff, L(r * r) * L(n.e.dot(n.e)))) return -9;
        int code = -1;
        double rk = 7;
        Lage_Ebene_Kugel(E, k(m, r), code, Mk, rk);
        EXPECT_EQ(code, diff == 0 ? 1 : diff < 0 ? 2 : 0);
        EXPECT_TRUE(code ? Mk.Name == "Mk" && Mk.Farbe == 0x31u : Mk.Name == "alt" && rk == 7);
        if (code > 0) { // the centre of the circle is the foot of m on E; r² = rk² + a²
            EXPECT_TRUE(ok(Mk) && ok({rk}));
            EXPECT_LT(std::fabs(seite(v(Mk), N, L(d) / 1000)), 1e-9 * gr(v(Mk)));
            EXPECT_NEAR((v(Mk) - M).len(), std::fabs(a), 1e-9 * gr(v(Mk)));
            EXPECT_NEAR(rk * rk + a * a, R * R, 1e-8 * (1 + R * R));
        }
        return (q == 0 ? 10 : 0) + (diff == 0 ? 1 : diff < 0 ? 2 : 0);
    }

    // Two spheres, decided as described with exact squares: e ≤ r ⇔ e² ≤ r².
    static int zweiKugeln(const DP& mA, I rA, const DP& mB, I rB) {
        const I ee = (mB.e - mA.e).dot(mB.e - mA.e), a2 = rA * rA, b2 = rB * rB;
        if ((ee != a2 && std::fabs(L(ee - a2)) < 1e3L) ||
            (ee != b2 && std::fabs(L(ee - b2)) < 1e3L))
            return -9;
        const bool innen = ee <= a2 || ee <= b2; // a centre on or in the other sphere
        const I d = ee - (innen ? (rA - rB) * (rA - rB) : (rA + rB) * (rA + rB));
        // Touching ±1; inside −3 (one within the other) or −2 (cutting); outside 3 or 2.
        const int c = (innen ? -1 : 1) * (d == 0 ? 1 : (d < 0) == innen ? 3 : 2);
        EXPECT_EQ(Lage_zweier_Kugeln(k(mA, rA), k(mB, rB)), c);
        EXPECT_EQ(Lage_zweier_Kugeln(k(mB, rB), k(mA, rA)), c);
        return c;
    }

    // The sphere x² − a·x − c = 0 with a = 2m, c = −(m.y² + m.z²) has r = |m.x|: x1 = 0 touches.
    static void kugelBeruehrtX23(I mx, I my, I mz) {
        const TKugelV KV{punkt(zahl(2 * mx), zahl(2 * my), zahl(2 * mz)),
                         -(zahl(my) * zahl(my) + zahl(mz) * zahl(mz)), "K", 0};
        if (!IstKugelV(KV)) return;
        TKugel K;
        TPunkt M23;
        double r23 = -1;
        Kugel_V_zu_M(KV, K);
        ASSERT_TRUE(Schnittkreis_existiert(K, "x23"));
        ASSERT_NO_THROW(Schnittkreis_Koordinatenebene(K, "x23", M23, r23));
        EXPECT_LT(r23, 1e-6);
    }

    // a, b, c dependent exactly when det = 0: zero representations, the sphere through A and
    // A + a, A + b, A + c, cross products.
    static int abhaengig(const DP& A, const DP& a, const DP& b, const DP& c) {
        const I d = a.e.dot(b.e.cross(c.e));
        const bool klarD = klar(d, a.e.len() * b.e.len() * c.e.len());
        const DP Q[4] = {A, A + a, A + b, A + c};
        bool geloest = true;
        TKugel K{alt(), 4, "alt", 6};
        Kugel_durch_4_Punkte(Q[0].p, Q[1].p, Q[2].p, Q[3].p, geloest, K);
        // Named "K: " with centre "M" in yellow; no sphere leaves the record as it was.
        EXPECT_TRUE(geloest ? K.Name == "K: " && K.Farbe == farbe::Gelb && K.M.Name == "M" &&
                                  K.M.Farbe == farbe::Gelb
                            : K.Name == "alt" && K.r == 4 && K.M.Name == "alt" && K.Farbe == 6);
        if (geloest) {
            EXPECT_TRUE(ok(K.M) && ok({K.r}));
            for (const DP& x : Q) EXPECT_NEAR((x.x() - v(K.M)).len(), K.r, 1e-7 * (1 + K.r));
        }
        EXPECT_EQ(IstNullvektor(kreuzprodukt(a.p, b.p)), a.e.cross(b.e).null());
        if (!klarD) return -9;
        EXPECT_EQ(geloest, d != 0);
        EXPECT_EQ(determinantIsZero(a.p, b.p, c.p), d == 0);
        if (d != 0) return 1;
        double la = 0, lb = 0, lc = 0, l4 = 0;
        Nulldarstellung3(a.p, b.p, c.p, la, lb, lc);
        const L s =
            std::fabs(la) * a.x().len() + std::fabs(lb) * b.x().len() + std::fabs(lc) * c.x().len();
        EXPECT_GT(s, 0);
        EXPECT_LT((a.x() * la + b.x() * lb + c.x() * lc).len(), 1e-9 * s);
        Nulldarstellung4(a.p, b.p, punkt(1, 0, 0), c.p, la, lb, lc, l4);
        EXPECT_EQ(lc, 0); // a, b, c dependent: the third vector is not needed
        return 0;
    }

    static void kollinear(const DP& A, const DP& B, const DP& C) {
        const IV kr = (B.e - A.e).cross(C.e - A.e);
        if (kr.null() || kr.len() > 1e-6L * (B.e - A.e).len() * (C.e - A.e).len()) {
            EXPECT_EQ(collinear(A.p, B.p, C.p), kr.null());
        }
    }

    // T divides AB in the ratio 1 exactly when it is the midpoint: then no fourth harmonic point.
    static void teilverhaeltnis(const DP& A, const DP& B, const DP& T) {
        const I at = (T.e - A.e).dot(T.e - A.e), tb = (B.e - T.e).dot(B.e - T.e);
        if (tb == 0) return;
        EXPECT_EQ(divisionRatioIsOne(A.p, B.p, T.p), at == tb);
        TPunkt H;
        if (at != tb) {
            fourthHarmonicPoint(A.p, B.p, T.p, H);
            EXPECT_TRUE(ok(H));
        } else {
            EXPECT_THROW(fourthHarmonicPoint(A.p, B.p, T.p, H), MathError);
        }
    }
};

TEST_F(Eigenschaften, SeededDecimalInputsAgainstTheExactOracle) {
    Zufall z(7);
    std::map<std::pair<int, int>, int> gesehen; // (relation, exact class) → how often
    for (int i = 0; i < 3000; ++i) {
        SCOPED_TRACE(i);
        const DP p = z.punkt_(), u = i % 3 ? z.richtung() : z.klein(), P = z.punkt_();
        DP q = z.punkt_(), w = i % 5 < 2 ? z.klein() : z.richtung();
        // Lines: parallel, identical, intersecting, random (skew).
        if (i % 4 == 0) w = u * z.faktor();
        if (i % 4 == 1) w = u * z.faktor(), q = p + u * z.faktor();
        if (i % 4 == 2) q = p + u * z.faktor() - w * z.faktor();
        ++gesehen[{1, zweiGeraden(p, u, q, w)}];

        // Planes: parallel, identical, random.
        const long long d1 = z.zahl(), f = z.faktor(2);
        const DP n2 = i % 3 == 2 ? z.richtung() : u * f;
        ++gesehen[{2, zweiEbenen(u, d1, n2, i % 3 == 1 ? d1 * f : z.zahl())}];

        // A plane whose normal has exact zeros (directions sharing a zero minor, or along the
        // axes), then a line against the plane n·x = n·X with whole X: parallel to it, in it, or
        // random; a point on the line or off it.
        const long long a = z.zahl(20), b = z.zahl(20);
        const DP v1 = i % 4 == 1 ? dp(a, 0, 0) : i % 4 == 2 ? dp(0, b, 0) : dp(a, b, z.zahl(20));
        const DP v2 = i % 4 == 0   ? dp(a * f, b * f, z.zahl(20))
                      : i % 8 == 5 ? dp(0, b, 0)
                                   : z.richtung();
        if (!v1.e.cross(v2.e).null()) ebenenformen(p, v1, v2);
        const DP X = dp(z.ganz(-20, 20) * 1000, z.ganz(-20, 20) * 1000, z.ganz(-20, 20) * 1000);
        const DP n = dp(a, b, 0), lw = i % 3 == 2 ? z.richtung() : dp(-b, a, z.zahl(20));
        const I d = n.e.dot(X.e) / 1000;
        const DP lq = i % 3 == 0 ? X + lw * z.faktor() : q;
        if (!n.e.null()) {
            ++gesehen[{3, geradeEbene(lq, lw, n, d)}];
            punktGeradeEbene(i % 2 ? lq + lw * z.faktor() : P, lq, lw, n, d);
        }

        // Meeting line through P: P on g, parallel lines, h parallel to the plane of P and g.
        const DP Pt = i % 4 == 0 ? p + u * z.faktor() : P, h = z.punkt_(30);
        DP hw = z.richtung(10);
        if (i % 4 == 1) hw = u * z.faktor();
        if (i % 4 == 2) hw = (Pt - p) * z.faktor() + u * z.faktor();
        ++gesehen[{4, treffgerade(Pt, p, u, h, hw)}];

        // Sphere (m, r) with |t| = r: a point on it, a line touching it (through m + t,
        // perpendicular to t) or through the centre, a plane touching it or through the centre.
        long long r = 0, tl = 0;
        IV t;
        const DP m = z.punkt_(30), mt = z.vonLaenge(r, t, tl), kp = m + z.punkt_(10);
        ++gesehen[{5, kugelPunkt(m, r, i % 2 ? m + mt : kp)}];
        DP ku = z.richtung(10), kq = z.punkt_(30);
        if (i % 3 == 0) {
            ku = mt.e.z == 0 ? dp(-mt.e.y, mt.e.x, z.zahl(5)) : dp(mt.e.z, 0, -mt.e.x);
            kq = m + mt + ku * z.faktor();
        }
        if (i % 3 == 1) kq = m + ku * z.faktor();
        ++gesehen[{6, kugelGerade(m, r, kq, ku)}];
        DP kn = z.richtung(10);
        I kd = z.zahl();
        if (i % 3 == 0) kn = DP(t * 1000), kd = t.dot(m.e) + (z.ganz(0, 1) ? r : -r) * tl;
        if (i % 3 == 1) {
            kn = dp(z.faktor(9) * 1000, z.ganz(-9, 9) * 1000, z.ganz(-9, 9) * 1000);
            kd = kn.e.dot(m.e) / 1000;
        }
        ++gesehen[{7, kugelEbene(m, r, kn, kd)}];

        // Two spheres: touching from outside, from inside, B's centre on A, concentric, random.
        long long rA = z.ganz(1, 400) * 25, rB = z.ganz(1, 400) * 25;
        if (i % 5 == 0 && r > 250) rA = z.ganz(1, r / 25 - 1) * 25, rB = r - rA;
        if (i % 5 == 1) rB = rA + r;
        if (i % 5 == 2) rA = r;
        ++gesehen[{8, zweiKugeln(m, rA, i % 5 == 4 ? m : m + mt, rB)}];
        kugelBeruehrtX23(z.ganz(-300, 300) * 10, z.ganz(-300, 300) * 10, z.ganz(-300, 300) * 10);

        // Dependent or not, collinear or not, the midpoint or not.
        const DP c3 = i % 2 ? u * z.faktor() + w * z.faktor() : z.richtung();
        ++gesehen[{9, abhaengig(p, i % 7 ? u : w * z.faktor(), w, c3)}];
        kollinear(p, p + w, i % 2 ? p + w * z.faktor() : p + c3);
        teilverhaeltnis(p, p + w * 2, i % 2 ? p + w : p + w * z.ganz(-2, 3));
    }
    // Every exact class of every relation came up often.
    std::string klassen;
    for (const auto& [rk, anzahl] : gesehen)
        if (rk.second != -9 && anzahl >= 30)
            klassen += std::to_string(rk.first) + ":" + std::to_string(rk.second) + " ";
    EXPECT_EQ(klassen,
              "1:0 1:1 1:2 1:3 2:0 2:2 2:3 3:1 3:2 3:3 4:1 4:2 4:3 5:0 5:1 5:2 6:0 6:1 6:2 "
              "7:0 7:1 7:2 7:12 8:-3 8:-2 8:-1 8:1 8:2 8:3 9:0 9:1 ");
}

TEST_F(Eigenschaften, WorkedDecimalExamplesOfMendedFaults) {
    const DP a = dp(100, 200, 300), b = dp(400, 500, 600), c = dp(700, 800, 900);
    const DP m = dp(1040, -2510, -2260);
    const std::pair<const char*, std::function<void()>> faelle[] = {
        // The minor 2.5·4.83 − 1.75·6.9 is 0 in decimals; its remainder put the support point at
        // (−1.2e16, 0, −3.4e16).
        {"support point of two planes",
         [] { zweiEbenen(dp(6900, 100, -2500), -8300, dp(4830, 8600, -1750), 2900); }},
        {"same line, other support point, doubled direction: identical, not parallel at 0.000",
         [] {
             EXPECT_EQ(zweiGeraden(dp(18900, 2250, 0), dp(300, 700, 1100), dp(21000, 7150, 7700),
                                   dp(600, 1400, 2200)),
                       2);
         }},
        {"a point of that line lies on it",
         [&] {
             punktGeradeEbene(dp(19800, 4350, 3300), dp(18900, 2250, 0), dp(300, 700, 1100), b, 0);
         }},
        {"c = 2b − a: dependent although Det3 leaves a remainder; parallel vectors have the exact "
         "zero vector as cross product; four points of one plane give no sphere",
         [&] {
             EXPECT_NE(Det3(a.p, b.p, c.p), 0);
             EXPECT_EQ(abhaengig(a, a, b, c), 0);
             abhaengig(a, a, dp(300, 600, 900), c);
         }},
        // n = (−1, 4, 8), |n| = 9, d = n·m + 9r: it was reported as cutting with r = 0.000.
        {"tangent plane", [&] { EXPECT_EQ(kugelEbene(m, 300, dp(-1000, 4000, 8000), -26460), 1); }},
        {"plane through the centre has no pole (it was printed near 1e15)",
         [&] { EXPECT_EQ(kugelEbene(m, 300, dp(-1000, 3000, -2100), -3824), 12); }},
        {"line through the centre",
         [&] { kugelGerade(m, 300, dp(1340, -1810, -1160), dp(300, 700, 1100)); }},
        // x² − (2.2, 0.6, 0.8)·x + 0.25 = 0: m = (1.1, 0.3, 0.4), r = 1.1 = m.x up to rounding.
        {"x1 = 0 touches in a circle of radius 0, without an error",
         [] { kugelBeruehrtX23(1100, 300, 400); }},
        {"centres 2.5 apart, radii 2.5 and 5: touching from inside",
         [&] { EXPECT_EQ(zweiKugeln(a, 2500, dp(1600, 2200, 300), 5000), -1); }},
        // tau came out as 1.0000000000000004 and T´ near 1.4e15.
        {"the midpoint of the division ratio",
         [&] {
             teilverhaeltnis(dp(100, 0, 0), dp(700, 0, 0), dp(400, 0, 0));
             teilverhaeltnis(dp(100, 0, 0), dp(700, 0, 0), dp(250, 0, 0));
         }},
        {"collinear points", [&] { kollinear(a, dp(1300, 2600, 3900), dp(700, 1400, 2100)); }},
        {"corner cases: dependent vectors of the plane x2 = 0; a difference of size 1",
         [&] {
             EXPECT_EQ(abhaengig(a, dp(1000, 0, 2000), dp(3000, 0, 1000), dp(4000, 0, 3000)), 0);
             kollinear(dp(0, 0, 0), dp(1000, 0, 0), dp(5000, 1000, 0));
         }},
    };
    for (const auto& [was, pruefe] : faelle) {
        SCOPED_TRACE(was);
        pruefe();
    }
}

TEST(Zufallszahlen, SimplifiedVectorsAndNumberTexts) {
    Zufall z(188);
    for (int i = 0; i < 3000; ++i) {
        const double x = z.ganz(-1000000, 1000000) * 1e-6 * std::pow(10.0, z.ganz(-4, 9));
        const std::string t = Zahl9_3(x);
        EXPECT_GE(t.size(), 9u);
        EXPECT_NEAR(std::stod(t), x, 0.0005 + 1e-9 * std::fabs(x));
        EXPECT_EQ(std::stod(ZahlText(x)), std::stod(t));
        EXPECT_EQ(t.find_first_of("einEIN"), std::string::npos);
        const TPunkt a = punkt(z.ganz(-60, 60), z.ganz(-60, 60), z.ganz(-60, 60));
        if (IstNullvektor(a)) continue;
        TPunkt b = a, c = a;
        Vereinfachen(b);
        Kuerzen(c);
        const V A = {a.x, a.y, a.z}, B = {b.x, b.y, b.z}, C = {c.x, c.y, c.z};
        EXPECT_EQ(A.cross(B).len() + A.cross(C).len(), 0);
        EXPECT_GT(A.dot(C), 0); // Kuerzen never reverses
        for (double k : {c.x, c.y, c.z}) EXPECT_EQ(k, std::trunc(k));
        TPunkt d = c; // nothing left to divide out
        Kuerzen(d);
        EXPECT_TRUE(GleichePunkte(c, d));
    }
}

TEST(Toleranz, ZeroRelativeToTheScaleNeverAbsolute) {
    using namespace tolerance;
    EXPECT_TRUE(isZero(1.8e-15, 18.9));
    EXPECT_FALSE(isZero(1e-6, 18.9));
    EXPECT_TRUE(isZero(1e-6, 1e4)); // the same remainder of larger numbers
    EXPECT_FALSE(isZero(1e-300, 0));
    EXPECT_TRUE(isZero(0, 0));
    EXPECT_FALSE(isZero(std::nan(""), 1));
    EXPECT_TRUE(areEqual(0.1 + 0.2, 0.3));
    EXPECT_FALSE(areEqual(1e-12, 2e-12));
    EXPECT_EQ(std::signbit(snapped(-1e-17, 1)), true); // a snapped zero keeps its sign
    // A configuration and its copies scaled by 1e-300 and 1e12 are classed alike.
    const TPunkt a = punkt(0.1, 0.2, 0.3), b = punkt(0.4, 0.5, 0.6), c = punkt(0.7, 0.8, 0.9);
    const TPunkt d = punkt(0.7, 0.8, 0.95);
    for (double s : {1e-300, 1.0, 1e12}) {
        auto k = [s](const TPunkt& p) { return punkt(p.x * s, p.y * s, p.z * s); };
        EXPECT_TRUE(determinantIsZero(k(a), k(b), k(c))) << s;
        EXPECT_FALSE(determinantIsZero(k(a), k(b), k(d))) << s;
        EXPECT_TRUE(collinear(k(a), k(punkt(1.3, 2.6, 3.9)), k(punkt(0.7, 1.4, 2.1)))) << s;
        EXPECT_FALSE(collinear(k(a), k(b), k(d))) << s;
    }
}

TEST(Zahleingabe, ErrorQuotesAtMostFortyCharacters) {
    auto meldung = [](const std::string& text) {
        try {
            parseNumber(text);
        } catch (const ConversionError& e) {
            return std::string(e.what());
        }
        return std::string("keine");
    };
    const std::string ende = "' ist kein gültiger Gleitkommawert.";
    EXPECT_EQ(meldung("1,5"), "'1,5" + ende);
    const std::string vierzig = "äöü4567890123456789012345678901234567890"; // 40 characters
    EXPECT_EQ(meldung(vierzig), "'" + vierzig + ende);
    EXPECT_EQ(meldung(vierzig + "ß und noch mehr"), "'" + vierzig + "\u2026" + ende);
}
