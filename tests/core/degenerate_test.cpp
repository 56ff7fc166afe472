// Every operation over zero vectors, equal points, huge and tiny coordinates: each either returns
// one of its documented answers or throws MathError. No NaN or infinity in any output, no other
// exception, no crash (the suite runs under the sanitizers).
#include "core/errors.h"
#include "core/number_text.h"
#include "tests/core/helpers.h"

#include <tuple>
#include <vector>

namespace {

const std::vector<TPunkt> P = {
    punkt(0, 0, 0),          punkt(-0.0, -0.0, -0.0),
    punkt(1, 2, 3),          punkt(1e300, 1e300, 1e300),
    punkt(-1e300, 1e300, 0), punkt(1e-300, 1e-300, 1e-300),
    punkt(1e-300, 0, 0),     punkt(0, 0, 1e300),
    punkt(1, 0, 0),          punkt(2, 4, 6),
};
const std::vector<double> Z = {0, 1, -2, 1e300, -1e300, 1e-300};
const std::vector<std::string> Schluessel = {"x12", "x23", "x13", "xyz"};

// Every point of P combined with every element of the second list.
template <class T, class A, class F> std::vector<T> paare(const std::vector<A>& zweite, F f) {
    std::vector<T> r;
    for (const auto& p : P)
        for (const auto& x : zweite) r.push_back(f(p, x));
    return r;
}
const auto G = paare<TGerade>(P, [](auto& p, auto& u) { return gerade(p, u); });
const auto E = paare<TEbeneNorm>(Z, [](auto& n, double d) { return ebene(n, d); });
const auto K = paare<TKugel>(Z, [](auto& m, double r) { return kugel(m, std::fabs(r)); });
const auto KV = paare<TKugelV>(Z, [](auto& a, double c) { return TKugelV{a, c, "", 0}; });

// A status code output that must end up in [lo, hi]; it starts outside.
template <int lo, int hi> struct Code {
    int wert = lo - 1;
    operator int&() { return wert; }
};
// A relation word output.
struct Wort {
    std::string text;
    operator std::string&() { return text; }
};

// Calls f(a..., outputs...) with fresh output records of the types R and returns them.
template <class... R, class F, class... A> std::tuple<R...> von(F f, const A&... a) {
    std::tuple<R...> r;
    std::apply([&](R&... o) { f(a..., o...); }, r);
    return r;
}

// Calls f with every combination of one element from each list.
template <class F> void jede(F&& f) {
    f();
}
template <class F, class L, class... R> void jede(F&& f, const L& l, const R&... r) {
    for (const auto& x : l) jede([&](const auto&... y) { f(x, y...); }, r...);
}

} // namespace

class Entartet : public testing::Test {
protected:
    // Runs every check over every combination of the argument lists. A MathError counts as a
    // documented answer; every check must also finish normally somewhere.
    template <class Listen, class... C> void pruefe(const Listen& listen, const C&... checks) {
        int nr = 0;
        auto eine = [&](const auto& check) {
            int gerechnet = 0;
            auto lauf = [&](const auto&... a) {
                try {
                    EXPECT_TRUE(check(a...)) << "check " << nr;
                    ++gerechnet;
                } catch (const MathError&) {
                    ++geworfen_;
                }
            };
            std::apply([&](const auto&... l) { jede(lauf, l...); }, listen);
            EXPECT_GT(gerechnet, 0) << "check " << nr++;
        };
        (eine(checks), ...);
    }
    // The inputs are degenerate enough to make some operation of each group throw.
    void TearDown() override { EXPECT_GT(geworfen_, 0); }

    // Every number finite, every text made of digits, sign, point and exponent only.
    static bool ok(double x) { return std::isfinite(x); }
    static bool ok(const std::string& s) {
        return s.find_first_not_of("0123456789.-+E ") == s.npos;
    }
    static bool ok(const TPunkt& p) { return ok(p.x) && ok(p.y) && ok(p.z); }
    static bool ok(const TGerade& g) { return ok(g.Stuetz) && ok(g.Richtung); }
    static bool ok(const TEbene& e) { return ok(e.Stuetz) && ok(e.Richtung1) && ok(e.Richtung2); }
    static bool ok(const TEbeneNorm& e) { return ok(e.Normale) && ok(e.d); }
    static bool ok(const TKugel& k) { return ok(k.M) && ok(k.r) && k.r >= 0; }
    static bool ok(const TKugelV& k) { return ok(k.a) && ok(k.c); }
    template <class... T> static bool ok(const std::tuple<T...>& t) {
        return std::apply([](const auto&... x) { return (ok(x) && ...); }, t);
    }
    template <int lo, int hi> static bool ok(const Code<lo, hi>& c) {
        return lo <= c.wert && c.wert <= hi;
    }
    static bool ok(const Wort& w) {
        return w.text == lage::parallel || w.text == lage::identisch ||
               w.text == lage::schneidend || w.text == lage::windschief;
    }
    // Checks that call f with the arguments and then check its outputs of the types R, or the
    // value it returns.
    template <class... R, class F> static auto aus(F f) {
        return [f](const auto&... a) { return ok(von<R...>(f, a...)); };
    }
    template <class F> static auto wert(F f) {
        return [f](const auto&... a) { return ok(f(a...)); };
    }
    static bool zwischen(double lo, double x, double hi) { return lo <= x && x <= hi; }

private:
    int geworfen_ = 0;
};

TEST_F(Entartet, VectorOperationsAndNumberText) {
    pruefe(std::tie(P, P), aus<TPunkt>(Summe), aus<TPunkt>(Differenz), aus<TPunkt>(Kreuzprodukt),
           aus<TPunkt>(Mittelpunkt), aus<TPunkt>(Spiegelpunkt), wert(Skalarprodukt), wert(Abstand),
           wert(AbstandText), [](auto& a, auto& b) { return zwischen(0, Winkel(a, b), 90); });
    pruefe(std::tie(P, P, P), aus<TPunkt>(Schwerpunkt), wert(Det3));
    pruefe(std::tie(P, P, P, P), aus<bool, TPunkt>(Cramer3));
    pruefe(
        std::tie(P), [](TPunkt a) { return Vereinfachen(a), ok(a); },
        [](TPunkt a) { return Kuerzen(a), ok(a); }, aus<TPunkt>(Einheitsvektor), wert(Laenge),
        wert(Laenge_gerundet),
        [](auto& a) {
            const TSpaltenText t = SpaltenText(a);
            return ok(t.x) && ok(t.y) && ok(t.z);
        });
    pruefe(std::tie(Z), wert(Zahl9_3), wert(ZahlText));
}

TEST_F(Entartet, ObjectsConstructionsAndInputTests) {
    pruefe(std::tie(P, P), aus<TGerade>(Gerade_durch_2_Punkte));
    pruefe(std::tie(P, P, P), aus<TEbene>(Ebene_durch_3_Punkte), [](auto& p, auto& u, auto& v) {
        const TEbene e{p, u, v, 0, ""};
        return IstEbenePar(e), ok(von<TEbeneNorm>(Parameter_zu_Normalenform, e));
    });
    pruefe(std::tie(P, P, P, Z), [](auto& p, auto& u, auto& v, double r) {
        return ok(von<TPunkt>(Punkt_auf_Ebene, TEbene{p, u, v, 0, ""}, r, -r));
    });
    pruefe(std::tie(P, P, P, P), aus<bool, TKugel>(Kugel_durch_4_Punkte));
    pruefe(std::tie(G), wert(IstGerade));
    pruefe(std::tie(G, Z), aus<TPunkt>(Punkt_auf_Gerade));
    pruefe(std::tie(E), aus<TEbene>(Normalen_zu_Parameterform), aus<TEbeneNorm>(Hesse_Normalform),
           wert(IstEbeneNorm));
    pruefe(std::tie(K), aus<TKugelV>(Kugel_M_zu_V), wert(IstKugel));
    pruefe(std::tie(KV), aus<TKugel>(Kugel_V_zu_M), wert(IstKugelV));
    pruefe(std::tie(K, P), aus<TEbeneNorm>(Tangentialebene));
}

TEST_F(Entartet, PointsLinesAndPlanes) {
    pruefe(std::tie(P, G), aus<TGerade, TPunkt, Code<0, 1>>(Lot_Punkt_Gerade),
           wert(Abstand_Punkt_Gerade));
    pruefe(std::tie(P, P), wert(Richtungen_parallel), aus<double>(Parallel_mit_Faktor),
           aus<TEbeneNorm>(Ebene_durch_Punkt_senkrecht));
    pruefe(std::tie(G, G),
           aus<Wort, std::string, TPunkt, TPunkt, TPunkt, TGerade>(Lage_zweier_Geraden));
    pruefe(std::tie(G, E), aus<Code<1, 3>, TPunkt>(Schnittpunkt_Gerade_Ebene),
           aus<TPunkt>(Schnitt_Gerade_Ebene), wert(Winkel_Gerade_Ebene),
           aus<TGerade>(Spiegelgerade_an_Ebene));
    pruefe(std::tie(G, Schluessel), aus<TPunkt, bool>(Spurpunkt));
    pruefe(std::tie(P, E), wert(Abstand_Punkt_Ebene), aus<TGerade, TPunkt>(Lot_auf_Ebene));
    pruefe(std::tie(E, P), aus<TEbeneNorm>(Ebene_durch_Punkt_parallel));
    pruefe(std::tie(E, E), wert(Abstand_paralleler_Ebenen), [](auto& e, auto& f) {
        const auto [wort, s] = von<Wort, TGerade>(Lage_zweier_Ebenen, e, f);
        return ok(wort) && ok(s) && wort.text != lage::windschief;
    });
    pruefe(std::tie(E), aus<TGerade, TGerade, TGerade, bool, bool, bool>(Spurgeraden),
           aus<TPunkt, TPunkt, TPunkt, bool, bool, bool>(Achsenschnittpunkte),
           aus<double, double, double>(Winkel_Koordinatenebenen),
           aus<double, double, double>(Winkel_Koordinatenachsen));
}

TEST_F(Entartet, MeetingLine) {
    pruefe(std::tie(P, G, G), aus<Code<1, 3>, TGerade, TPunkt, TPunkt>(Treffgerade));
}

TEST_F(Entartet, Spheres) {
    pruefe(std::tie(K, P), [](auto& k, auto& p) { return zwischen(0, Lage_Punkt_Kugel(k, p), 2); });
    pruefe(std::tie(K, G), aus<Code<0, 2>, TPunkt, TPunkt>(Schnitt_Gerade_Kugel),
           aus<bool, TEbeneNorm, TEbeneNorm, TPunkt, TPunkt>(Tangentialebenen_durch_Gerade));
    pruefe(std::tie(G, K), aus<TPunkt, TPunkt>(Kugelpunkte_zur_Geraden));
    pruefe(std::tie(E, K), aus<Code<0, 2>, TPunkt, double>(Lage_Ebene_Kugel),
           aus<bool, TPunkt>(Pol));
    pruefe(std::tie(K, K), aus<TEbeneNorm>(Radikalebene), [](auto& a, auto& b) {
        const int c = Lage_zweier_Kugeln(a, b);
        return zwischen(-3, c, 3) && c != 0;
    });
    pruefe(std::tie(K, Schluessel), wert(Schnittkreis_existiert),
           aus<TPunkt, double>(Schnittkreis_Koordinatenebene));
}

TEST_F(Entartet, Measures) {
    pruefe(std::tie(P, P), wert(Parallelogrammflaeche));
    pruefe(std::tie(P, P, P), wert(Dreiecksflaeche));
    pruefe(std::tie(P, P, P, P), wert(Tetraedervolumen));
}
