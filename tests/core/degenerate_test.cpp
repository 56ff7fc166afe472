// Every operation over zero vectors, equal points, huge and tiny coordinates: each either returns
// one of its documented answers or throws MathError. No NaN or infinity in any output, no other
// exception, no crash (the suite runs under the sanitizers).
#include "core/errors.h"
#include "core/number_text.h"
#include "core/relations.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

const std::vector<TPunkt>& punkte() {
    static const std::vector<TPunkt> p = {
        punkt(0, 0, 0),          punkt(-0.0, -0.0, -0.0),
        punkt(1, 2, 3),          punkt(1e300, 1e300, 1e300),
        punkt(-1e300, 1e300, 0), punkt(1e-300, 1e-300, 1e-300),
        punkt(1e-300, 0, 0),     punkt(0, 0, 1e300),
        punkt(1, 0, 0),          punkt(2, 4, 6),
    };
    return p;
}
const std::vector<double>& zahlen() {
    static const std::vector<double> z = {0, 1, -2, 1e300, -1e300, 1e-300};
    return z;
}

std::vector<TGerade> geraden() {
    std::vector<TGerade> g;
    for (const auto& p : punkte())
        for (const auto& u : punkte()) g.push_back(TGerade{p, u, 0, "g:"});
    return g;
}
std::vector<TEbeneNorm> ebenen() {
    std::vector<TEbeneNorm> e;
    for (const auto& n : punkte())
        for (double d : zahlen()) e.push_back(TEbeneNorm{n, d, 0, "E"});
    return e;
}
std::vector<TKugel> kugeln() {
    std::vector<TKugel> k;
    for (const auto& m : punkte())
        for (double r : zahlen()) k.push_back(TKugel{m, std::fabs(r), "K: ", 0});
    return k;
}

bool ok(double x) {
    return std::isfinite(x);
}
bool ok(const TPunkt& p) {
    return ok(p.x) && ok(p.y) && ok(p.z);
}
bool ok(const TGerade& g) {
    return ok(g.Stuetz) && ok(g.Richtung);
}
bool ok(const TEbene& e) {
    return ok(e.Stuetz) && ok(e.Richtung1) && ok(e.Richtung2);
}
bool ok(const TEbeneNorm& e) {
    return ok(e.Normale) && ok(e.d);
}
bool ok(const TKugel& k) {
    return ok(k.M) && ok(k.r);
}
bool ok(const TKugelV& k) {
    return ok(k.a) && ok(k.c);
}
bool ok(const std::string& s) {
    return s.find("nan") == std::string::npos && s.find("inf") == std::string::npos;
}
template <class... T> bool alle(const T&... x) {
    return (ok(x) && ...);
}

bool istWort(const std::string& w) {
    return w == lage::parallel || w == lage::identisch || w == lage::schneidend ||
           w == lage::windschief;
}

// Runs f; a MathError counts as a documented answer. Returns the number of calls that threw.
struct Zaehler {
    int geworfen = 0, gerechnet = 0;
    void operator()(const std::function<void()>& f) {
        try {
            f();
            ++gerechnet;
        } catch (const MathError&) {
            ++geworfen;
        }
    }
};

} // namespace

TEST(Entartet, VectorOperationsAndNumberText) {
    Zaehler z;
    for (const auto& a : punkte()) {
        for (const auto& b : punkte()) {
            z([&] {
                TPunkt e;
                Summe(a, b, e);
                EXPECT_TRUE(ok(e));
            });
            z([&] {
                TPunkt e;
                Differenz(a, b, e);
                EXPECT_TRUE(ok(e));
            });
            z([&] {
                TPunkt e;
                Kreuzprodukt(a, b, e);
                EXPECT_TRUE(ok(e));
            });
            z([&] { EXPECT_TRUE(ok(Skalarprodukt(a, b))); });
            z([&] { EXPECT_TRUE(ok(Abstand(a, b))); });
            z([&] { EXPECT_TRUE(ok(AbstandText(a, b))); });
            z([&] {
                const double w = Winkel(a, b);
                EXPECT_TRUE(w >= 0 && w <= 90);
            });
            z([&] {
                TPunkt e;
                Mittelpunkt(a, b, e);
                EXPECT_TRUE(ok(e));
                Spiegelpunkt(a, b, e);
                EXPECT_TRUE(ok(e));
                Schwerpunkt(a, b, a, e);
                EXPECT_TRUE(ok(e));
            });
            z([&] {
                bool g = false;
                TPunkt e;
                Cramer3(a, b, punkt(0, 1, 1), a, g, e);
                EXPECT_TRUE(ok(e));
                EXPECT_TRUE(ok(Det3(a, b, b)));
            });
        }
        z([&] {
            TPunkt e = a;
            Vereinfachen(e);
            EXPECT_TRUE(ok(e));
        });
        z([&] {
            TPunkt e = a;
            Kuerzen(e);
            EXPECT_TRUE(ok(e));
        });
        z([&] {
            TPunkt e;
            Einheitsvektor(a, e);
            EXPECT_TRUE(ok(e));
        });
        z([&] { EXPECT_TRUE(ok(Laenge(a)) && ok(Laenge_gerundet(a))); });
        z([&] {
            const TSpaltenText t = SpaltenText(a);
            EXPECT_TRUE(ok(t.x) && ok(t.y) && ok(t.z));
        });
    }
    for (double x : zahlen()) EXPECT_TRUE(ok(Zahl9_3(x)) && ok(ZahlText(x)));
    EXPECT_GT(z.geworfen, 0);
    EXPECT_GT(z.gerechnet, 0);
}

TEST(Entartet, ObjectsConstructionsAndInputTests) {
    Zaehler z;
    const auto& P = punkte();
    for (const auto& a : P) {
        for (const auto& b : P) {
            z([&] {
                TGerade g;
                Gerade_durch_2_Punkte(a, b, g);
                EXPECT_TRUE(ok(g));
                IstGerade(g);
            });
            for (const auto& c : P) {
                z([&] {
                    TEbene e;
                    Ebene_durch_3_Punkte(a, b, c, e);
                    EXPECT_TRUE(ok(e));
                    IstEbenePar(e);
                    TEbeneNorm n;
                    Parameter_zu_Normalenform(e, n);
                    EXPECT_TRUE(ok(n));
                });
                for (const auto& d : P) {
                    z([&] {
                        TKugel k;
                        bool geloest = false;
                        Kugel_durch_4_Punkte(a, b, c, d, geloest, k);
                        EXPECT_TRUE(ok(k));
                        if (geloest) {
                            EXPECT_GE(k.r, 0);
                        }
                    });
                }
            }
        }
    }
    for (const auto& e : ebenen()) {
        z([&] {
            TEbene p;
            Normalen_zu_Parameterform(e, p);
            EXPECT_TRUE(ok(p));
        });
        z([&] {
            TEbeneNorm h;
            Hesse_Normalform(e, h);
            EXPECT_TRUE(ok(h));
        });
        IstEbeneNorm(e);
    }
    for (const auto& k : kugeln()) {
        z([&] {
            TKugelV v;
            Kugel_M_zu_V(k, v);
            EXPECT_TRUE(ok(v));
            z([&] { IstKugelV(v); });
            TKugel m;
            Kugel_V_zu_M(v, m);
            EXPECT_TRUE(ok(m));
        });
        IstKugel(k);
        for (const auto& p : P) {
            z([&] {
                TEbeneNorm t;
                Tangentialebene(k, p, t);
                EXPECT_TRUE(ok(t));
            });
            z([&] {
                TPunkt e;
                Punkt_auf_Gerade(TGerade{k.M, p, 0, ""}, k.r, e);
                EXPECT_TRUE(ok(e));
                Punkt_auf_Ebene(TEbene{p, k.M, p, 0, ""}, k.r, -k.r, e);
                EXPECT_TRUE(ok(e));
            });
        }
    }
    EXPECT_GT(z.geworfen, 0);
    EXPECT_GT(z.gerechnet, 0);
}

TEST(Entartet, PointsLinesAndPlanes) {
    Zaehler z;
    const auto G = geraden();
    const auto E = ebenen();
    for (const auto& g : G) {
        for (const auto& q : punkte()) {
            z([&] {
                TGerade l;
                TPunkt f;
                int flag = -1;
                Lot_Punkt_Gerade(q, g, l, f, flag);
                EXPECT_TRUE(alle(l, f));
                EXPECT_TRUE(flag == 0 || flag == 1);
            });
            z([&] { EXPECT_TRUE(ok(Abstand_Punkt_Gerade(q, g))); });
        }
        for (const auto& h : G) {
            z([&] {
                std::string wort, text;
                TPunkt S, L1, L2;
                TGerade l;
                Lage_zweier_Geraden(g, h, wort, text, S, L1, L2, l);
                EXPECT_TRUE(istWort(wort));
                EXPECT_TRUE(alle(text, S, L1, L2, l));
            });
            z([&] { Richtungen_parallel(g.Richtung, h.Richtung); });
            z([&] {
                double k = 0;
                Parallel_mit_Faktor(g.Richtung, h.Richtung, k);
                EXPECT_TRUE(ok(k));
            });
        }
        for (const auto& e : E) {
            z([&] {
                int code = 0;
                TPunkt s;
                Schnittpunkt_Gerade_Ebene(g, e, code, s);
                EXPECT_TRUE(code >= 1 && code <= 3);
                EXPECT_TRUE(ok(s));
            });
            z([&] {
                TPunkt s;
                Schnitt_Gerade_Ebene(g, e, s);
                EXPECT_TRUE(ok(s));
            });
            z([&] { EXPECT_TRUE(ok(Winkel_Gerade_Ebene(g, e))); });
            z([&] {
                TGerade s;
                Spiegelgerade_an_Ebene(g, e, s);
                EXPECT_TRUE(ok(s));
            });
        }
        for (const char* key : {"x12", "x23", "x13", "xyz"}) {
            z([&] {
                TPunkt s;
                bool da = false;
                Spurpunkt(g, key, s, da);
                EXPECT_TRUE(ok(s));
            });
        }
    }
    for (const auto& e : E) {
        for (const auto& q : punkte()) {
            z([&] { EXPECT_TRUE(ok(Abstand_Punkt_Ebene(q, e))); });
            z([&] {
                TGerade l;
                TPunkt f;
                Lot_auf_Ebene(q, e, l, f);
                EXPECT_TRUE(alle(l, f));
            });
            z([&] {
                TEbeneNorm a, b;
                Ebene_durch_Punkt_parallel(e, q, a);
                Ebene_durch_Punkt_senkrecht(q, e.Normale, b);
                EXPECT_TRUE(alle(a, b));
            });
        }
        for (const auto& f : E) {
            z([&] {
                std::string wort;
                TGerade s;
                Lage_zweier_Ebenen(e, f, wort, s);
                EXPECT_TRUE(wort == lage::parallel || wort == lage::identisch ||
                            wort == lage::schneidend);
                EXPECT_TRUE(ok(s));
            });
            z([&] { EXPECT_TRUE(ok(Abstand_paralleler_Ebenen(e, f))); });
        }
        z([&] {
            TGerade a, b, c;
            bool x = false, y = false, w = false;
            Spurgeraden(e, a, b, c, x, y, w);
            EXPECT_TRUE(alle(a, b, c));
        });
        z([&] {
            TPunkt a, b, c;
            bool x = false, y = false, w = false;
            Achsenschnittpunkte(e, a, b, c, x, y, w);
            EXPECT_TRUE(alle(a, b, c));
        });
        z([&] {
            double a = 0, b = 0, c = 0;
            Winkel_Koordinatenebenen(e, a, b, c);
            EXPECT_TRUE(alle(a, b, c));
            Winkel_Koordinatenachsen(e, a, b, c);
            EXPECT_TRUE(alle(a, b, c));
        });
    }
    EXPECT_GT(z.geworfen, 0);
    EXPECT_GT(z.gerechnet, 0);
}

TEST(Entartet, MeetingLine) {
    Zaehler z;
    const auto G = geraden();
    for (const auto& p : punkte()) {
        for (const auto& g : G) {
            for (const auto& h : G) {
                z([&] {
                    int code = 0;
                    TGerade f;
                    TPunkt S, T;
                    Treffgerade(p, g, h, code, f, S, T);
                    EXPECT_TRUE(code >= 1 && code <= 3);
                    EXPECT_TRUE(alle(f, S, T));
                });
            }
        }
    }
    EXPECT_GT(z.geworfen, 0);
    EXPECT_GT(z.gerechnet, 0);
}

TEST(Entartet, Spheres) {
    Zaehler z;
    const auto K = kugeln();
    for (const auto& k : K) {
        for (const auto& p : punkte()) {
            z([&] {
                const int c = Lage_Punkt_Kugel(k, p);
                EXPECT_TRUE(c >= 0 && c <= 2);
            });
        }
        for (const auto& g : geraden()) {
            z([&] {
                int n = -1;
                TPunkt a, b;
                Schnitt_Gerade_Kugel(k, g, n, a, b);
                EXPECT_TRUE(n >= 0 && n <= 2);
                EXPECT_TRUE(alle(a, b));
            });
            z([&] {
                TPunkt a, b;
                Kugelpunkte_zur_Geraden(g, k, a, b);
                EXPECT_TRUE(alle(a, b));
            });
            z([&] {
                bool fehler = false;
                TEbeneNorm a, b;
                TPunkt c, d;
                Tangentialebenen_durch_Gerade(k, g, fehler, a, b, c, d);
                EXPECT_TRUE(alle(a, b, c, d));
            });
        }
        for (const auto& e : ebenen()) {
            z([&] {
                int c = -1;
                TPunkt m;
                double r = 0;
                Lage_Ebene_Kugel(e, k, c, m, r);
                EXPECT_TRUE(c >= 0 && c <= 2);
                EXPECT_TRUE(alle(m, r));
            });
            z([&] {
                bool da = false;
                TPunkt p;
                Pol(e, k, da, p);
                EXPECT_TRUE(ok(p));
            });
        }
        for (const auto& b : K) {
            z([&] {
                const int c = Lage_zweier_Kugeln(k, b);
                EXPECT_TRUE(c >= -3 && c <= 3 && c != 0);
            });
            z([&] {
                TEbeneNorm e;
                Radikalebene(k, b, e);
                EXPECT_TRUE(ok(e));
            });
        }
        for (const char* key : {"x12", "x23", "x13"}) {
            z([&] {
                Schnittkreis_existiert(k, key);
                TPunkt m;
                double r = 0;
                Schnittkreis_Koordinatenebene(k, key, m, r);
                EXPECT_TRUE(alle(m, r));
            });
        }
    }
    EXPECT_GT(z.geworfen, 0);
    EXPECT_GT(z.gerechnet, 0);
}

TEST(Entartet, Measures) {
    Zaehler z;
    const auto& P = punkte();
    for (const auto& a : P) {
        for (const auto& b : P) {
            z([&] { EXPECT_TRUE(ok(Parallelogrammflaeche(a, b))); });
            for (const auto& c : P) {
                z([&] { EXPECT_TRUE(ok(Dreiecksflaeche(a, b, c))); });
                for (const auto& d : P) z([&] { EXPECT_TRUE(ok(Tetraedervolumen(a, b, c, d))); });
            }
        }
    }
    EXPECT_GT(z.geworfen, 0);
    EXPECT_GT(z.gerechnet, 0);
}
