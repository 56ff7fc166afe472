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
    static bool ok(const TKugel& k) { return ok(k.M) && ok(k.r); }
    static bool ok(const TKugelV& k) { return ok(k.a) && ok(k.c); }
    template <class... T> static bool ok(const std::tuple<T...>& t) {
        return std::apply([](const auto&... x) { return (ok(x) && ...); }, t);
    }
    static bool zwischen(double lo, double x, double hi) { return lo <= x && x <= hi; }

private:
    int geworfen_ = 0;
};

TEST_F(Entartet, VectorOperationsAndNumberText) {
    pruefe(
        std::tie(P, P), [](auto& a, auto& b) { return ok(von<TPunkt>(Summe, a, b)); },
        [](auto& a, auto& b) { return ok(von<TPunkt>(Differenz, a, b)); },
        [](auto& a, auto& b) { return ok(von<TPunkt>(Kreuzprodukt, a, b)); },
        [](auto& a, auto& b) { return ok(von<TPunkt>(Mittelpunkt, a, b)); },
        [](auto& a, auto& b) { return ok(von<TPunkt>(Spiegelpunkt, a, b)); },
        [](auto& a, auto& b) { return ok(von<TPunkt>(Schwerpunkt, a, b, a)); },
        [](auto& a, auto& b) { return ok(Skalarprodukt(a, b)); },
        [](auto& a, auto& b) { return ok(Abstand(a, b)) && ok(AbstandText(a, b)); },
        [](auto& a, auto& b) { return zwischen(0, Winkel(a, b), 90); },
        [](auto& a, auto& b) { return ok(Det3(a, b, b)); },
        [](auto& a, auto& b) { return ok(von<bool, TPunkt>(Cramer3, a, b, punkt(0, 1, 1), a)); });
    pruefe(
        std::tie(P), [](TPunkt a) { return Vereinfachen(a), ok(a); },
        [](TPunkt a) { return Kuerzen(a), ok(a); },
        [](auto& a) { return ok(von<TPunkt>(Einheitsvektor, a)); },
        [](auto& a) { return ok(Laenge(a)) && ok(Laenge_gerundet(a)); },
        [](auto& a) {
            const TSpaltenText t = SpaltenText(a);
            return ok(t.x) && ok(t.y) && ok(t.z);
        });
    pruefe(std::tie(Z), [](double x) { return ok(Zahl9_3(x)) && ok(ZahlText(x)); });
}

TEST_F(Entartet, ObjectsConstructionsAndInputTests) {
    pruefe(std::tie(P, P), [](auto& a, auto& b) {
        const auto [g] = von<TGerade>(Gerade_durch_2_Punkte, a, b);
        return IstGerade(g), ok(g);
    });
    pruefe(std::tie(P, P, P), [](auto& a, auto& b, auto& c) {
        const auto [e] = von<TEbene>(Ebene_durch_3_Punkte, a, b, c);
        return IstEbenePar(e), ok(e) && ok(von<TEbeneNorm>(Parameter_zu_Normalenform, e));
    });
    pruefe(std::tie(P, P, P, P), [](auto& a, auto& b, auto& c, auto& d) {
        const auto [geloest, k] = von<bool, TKugel>(Kugel_durch_4_Punkte, a, b, c, d);
        return ok(k) && (!geloest || k.r >= 0);
    });
    pruefe(
        std::tie(E),
        [](auto& e) { return IstEbeneNorm(e), ok(von<TEbene>(Normalen_zu_Parameterform, e)); },
        [](auto& e) { return ok(von<TEbeneNorm>(Hesse_Normalform, e)); });
    pruefe(std::tie(K), [](auto& k) {
        const auto [v] = von<TKugelV>(Kugel_M_zu_V, k);
        return IstKugel(k), IstKugelV(v), ok(v) && ok(von<TKugel>(Kugel_V_zu_M, v));
    });
    pruefe(
        std::tie(K, P), [](auto& k, auto& p) { return ok(von<TEbeneNorm>(Tangentialebene, k, p)); },
        [](auto& k, auto& p) { return ok(von<TPunkt>(Punkt_auf_Gerade, gerade(k.M, p), k.r)); },
        [](auto& k, auto& p) {
            return ok(von<TPunkt>(Punkt_auf_Ebene, TEbene{p, k.M, p, 0, ""}, k.r, -k.r));
        });
}

TEST_F(Entartet, PointsLinesAndPlanes) {
    pruefe(
        std::tie(G, P),
        [](auto& g, auto& q) {
            const auto r = von<TGerade, TPunkt, int>(Lot_Punkt_Gerade, q, g);
            return ok(r) && zwischen(0, std::get<2>(r), 1);
        },
        [](auto& g, auto& q) { return ok(Abstand_Punkt_Gerade(q, g)); });
    pruefe(
        std::tie(G, G),
        [](auto& g, auto& h) {
            const GeradenLage r = lage2(g, h);
            return (r.wort == lage::parallel || r.wort == lage::identisch ||
                    r.wort == lage::schneidend || r.wort == lage::windschief) &&
                   ok(std::tie(r.text, r.S, r.L1, r.L2, r.l));
        },
        [](auto& g, auto& h) { return Richtungen_parallel(g.Richtung, h.Richtung), true; },
        [](auto& g, auto& h) {
            double k = 0;
            return Parallel_mit_Faktor(g.Richtung, h.Richtung, k), ok(k);
        });
    pruefe(
        std::tie(G, E),
        [](auto& g, auto& e) {
            const auto r = von<int, TPunkt>(Schnittpunkt_Gerade_Ebene, g, e);
            return ok(r) && zwischen(1, std::get<0>(r), 3);
        },
        [](auto& g, auto& e) { return ok(von<TPunkt>(Schnitt_Gerade_Ebene, g, e)); },
        [](auto& g, auto& e) { return ok(Winkel_Gerade_Ebene(g, e)); },
        [](auto& g, auto& e) { return ok(von<TGerade>(Spiegelgerade_an_Ebene, g, e)); });
    pruefe(std::tie(G, Schluessel),
           [](auto& g, auto& key) { return ok(von<TPunkt, bool>(Spurpunkt, g, key)); });
    pruefe(
        std::tie(E, P), [](auto& e, auto& q) { return ok(Abstand_Punkt_Ebene(q, e)); },
        [](auto& e, auto& q) { return ok(von<TGerade, TPunkt>(Lot_auf_Ebene, q, e)); },
        [](auto& e, auto& q) { return ok(von<TEbeneNorm>(Ebene_durch_Punkt_parallel, e, q)); },
        [](auto& e, auto& q) {
            return ok(von<TEbeneNorm>(Ebene_durch_Punkt_senkrecht, q, e.Normale));
        });
    pruefe(
        std::tie(E, E),
        [](auto& e, auto& f) {
            const auto [wort, s] = von<std::string, TGerade>(Lage_zweier_Ebenen, e, f);
            return ok(s) &&
                   (wort == lage::parallel || wort == lage::identisch || wort == lage::schneidend);
        },
        [](auto& e, auto& f) { return ok(Abstand_paralleler_Ebenen(e, f)); });
    pruefe(
        std::tie(E),
        [](auto& e) {
            return ok(von<TGerade, TGerade, TGerade, bool, bool, bool>(Spurgeraden, e));
        },
        [](auto& e) {
            return ok(von<TPunkt, TPunkt, TPunkt, bool, bool, bool>(Achsenschnittpunkte, e));
        },
        [](auto& e) { return ok(von<double, double, double>(Winkel_Koordinatenebenen, e)); },
        [](auto& e) { return ok(von<double, double, double>(Winkel_Koordinatenachsen, e)); });
}

TEST_F(Entartet, MeetingLine) {
    pruefe(std::tie(P, G, G), [](auto& p, auto& g, auto& h) {
        const auto r = von<int, TGerade, TPunkt, TPunkt>(Treffgerade, p, g, h);
        return ok(r) && zwischen(1, std::get<0>(r), 3);
    });
}

TEST_F(Entartet, Spheres) {
    pruefe(std::tie(K, P), [](auto& k, auto& p) { return zwischen(0, Lage_Punkt_Kugel(k, p), 2); });
    pruefe(
        std::tie(K, G),
        [](auto& k, auto& g) {
            const auto r = von<int, TPunkt, TPunkt>(Schnitt_Gerade_Kugel, k, g);
            return ok(r) && zwischen(0, std::get<0>(r), 2);
        },
        [](auto& k, auto& g) { return ok(von<TPunkt, TPunkt>(Kugelpunkte_zur_Geraden, g, k)); },
        [](auto& k, auto& g) {
            return ok(von<bool, TEbeneNorm, TEbeneNorm, TPunkt, TPunkt>(
                Tangentialebenen_durch_Gerade, k, g));
        });
    pruefe(
        std::tie(K, E),
        [](auto& k, auto& e) {
            const auto r = von<int, TPunkt, double>(Lage_Ebene_Kugel, e, k);
            return ok(r) && zwischen(0, std::get<0>(r), 2);
        },
        [](auto& k, auto& e) { return ok(von<bool, TPunkt>(Pol, e, k)); });
    pruefe(
        std::tie(K, K),
        [](auto& a, auto& b) {
            const int c = Lage_zweier_Kugeln(a, b);
            return zwischen(-3, c, 3) && c != 0;
        },
        [](auto& a, auto& b) { return ok(von<TEbeneNorm>(Radikalebene, a, b)); });
    pruefe(std::tie(K, Schluessel), [](auto& k, auto& key) {
        return Schnittkreis_existiert(k, key),
               ok(von<TPunkt, double>(Schnittkreis_Koordinatenebene, k, key));
    });
}

TEST_F(Entartet, Measures) {
    pruefe(std::tie(P, P), [](auto& a, auto& b) { return ok(Parallelogrammflaeche(a, b)); });
    pruefe(std::tie(P, P, P, P), [](auto& a, auto& b, auto& c, auto& d) {
        return ok(Dreiecksflaeche(a, b, c)) && ok(Tetraedervolumen(a, b, c, d));
    });
}
