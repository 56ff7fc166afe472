#include "app/menu_table.h"

#include <utility>

namespace {

// Writes the rows in menu order; a submenu's rows are written inside its block.
class Tabellenbauer {
public:
    std::vector<MenuZeile> zeilen;

    template <class Inhalt>
    void menue(const std::string& caption, Menuegruppe gruppe, Inhalt&& inhalt) {
        pfad_.push_back(caption);
        zeilen.push_back({pfad_, "", gruppe, false});
        inhalt();
        pfad_.pop_back();
    }
    template <class Inhalt> void menue(const std::string& caption, Inhalt&& inhalt) {
        menue(caption, Menuegruppe::immer, std::forward<Inhalt>(inhalt));
    }
    void eintrag(const std::string& caption, const std::string& befehl,
                 Menuegruppe gruppe = Menuegruppe::immer) {
        zeilen.push_back({mit(caption), befehl, gruppe, false});
    }
    void schalter(const std::string& caption, const std::string& befehl) {
        zeilen.push_back({mit(caption), befehl, Menuegruppe::immer, true});
    }

private:
    std::vector<std::string> mit(const std::string& caption) const {
        auto p = pfad_;
        p.push_back(caption);
        return p;
    }
    std::vector<std::string> pfad_;
};

void dateiUndBearbeiten(Tabellenbauer& t) {
    t.menue("&Datei", [&] {
        t.menue("&Drucken", [&] {
            t.eintrag("Zeichnung", "Zeichnung1Click");
            t.eintrag("Ergebnisse", "Ergebnisse1Click");
        });
        t.menue("&Speichern", [&] {
            t.menue("Zeichnung", [&] {
                t.eintrag("schwarz-weiss", "schwarzweiss2Click");
                t.eintrag("farbig", "farbig2Click");
            });
            t.eintrag("Ergebnisse", "Ergebnisse2Click");
        });
        t.eintrag("Druckereinrichtung", "Druckereinrichtung1Click");
        t.eintrag("&Beenden", "Beenden1Click");
    });
    t.menue("&Bearbeiten", [&] {
        t.menue("Zeichnung kopieren", [&] {
            t.eintrag("schwarz-weiss", "schwarzweiss1Click");
            t.eintrag("farbig", "Zeichnungkopieren1Click");
        });
        t.eintrag("Ergebnisse kopieren", "Ergebnissekopieren1Click");
        t.eintrag("Zeichnung löschen", "loeschen1Click", Menuegruppe::dreidim);
    });
}

void punkteUndGerade(Tabellenbauer& t) {
    t.menue("&Punkte", Menuegruppe::dreidim, [&] {
        t.eintrag("Punkt", "Punkt1Click");
        t.eintrag("Strecke", "Linie2Click");
        t.eintrag("Teilverhältnis", "Teilverhltnis1Click");
        t.eintrag("Dreieck", "Dreieck1Click");
        t.eintrag("Viereck (beliebig)", "Viereck1Click");
        t.eintrag("Tetraeder", "Tetraeder1Click");
        t.eintrag("Tetraeder mit Ebene", "TetraedermitEbene2Click");
        t.eintrag("Parallelogramm", "fehlendePunkte1Click");
        t.eintrag("Punkt und Gerade", "GerademitPunkt1Click");
        t.menue("Punkt und Ebene", [&] {
            t.eintrag("Ebene in Parameterform", "EbeneinParameterform2Click");
            t.eintrag("Ebene in Normalenform", "EbeneinNormalenform2Click");
        });
        t.menue("Punkt und Kugel", [&] {
            t.eintrag("Kugel in Mittelpunktsform", "KugelinMittelpunktsform3Click");
            t.eintrag("Kugel in Vektorform", "KugelinVektorform4Click");
        });
    });
    t.menue("&Gerade", Menuegruppe::dreidim, [&] {
        t.menue("Gerade", [&] {
            t.eintrag("Gerade druch 2 Punkte", "Geradeaus2Punkten1Click");
            t.eintrag("Gerade in Vektorform", "Gerade1Click");
        });
        t.eintrag("Gerade mit Punkt", "GerademitPunkt1Click");
        t.eintrag("Gerade mit Gerade", "GerademitGerade1Click");
        t.menue("Gerade mit Ebene", [&] {
            t.eintrag("Ebene in Parameterform", "EbeneinParameterform3Click");
            t.eintrag("Ebene in Normalenform", "EbeneinNormalenform3Click");
        });
        t.menue("Gerade mit Kugel", [&] {
            t.eintrag("Kugel in Mittelpunksform", "KugelinMittelpunksform1Click");
            t.eintrag("Kugel in Vektorform", "KugelinVektorform2Click");
        });
        t.eintrag("Gerade-Punkt-Gerade", "GeradeGeradePunkt1Click");
    });
}

void ebeneUndKugel(Tabellenbauer& t) {
    t.menue("&Ebene", Menuegruppe::dreidim, [&] {
        t.menue("Ebene", [&] {
            t.eintrag("Ebene durch 3 Punkte", "Ebenedurch3Punkte1Click");
            t.eintrag("in Parameterform", "inParameterform1Click");
            t.eintrag("in Normalenform", "inNormalenform1Click");
        });
        t.menue("Ebene mit Punkt", [&] {
            t.eintrag("Ebene in Parameterform", "EbeneinParameterform2Click");
            t.eintrag("Ebene in Normalenform", "EbeneinNormalenform2Click");
        });
        t.menue("Ebene mit Gerade", [&] {
            t.eintrag("Ebene in Parameterform", "EbeneinParameterform3Click");
            t.eintrag("Ebene in Normalenform", "EbeneinNormalenform3Click");
        });
        t.menue("Ebene mit Ebene", [&] {
            t.eintrag("beide in Parameterform", "beideinParameterform1Click");
            t.eintrag("Parameter/Normalenform", "ParameterNormalenform1Click");
            t.eintrag("beide in Normalenform", "beideinNormalenform1Click");
        });
        t.menue("Ebene mit Kugel", [&] {
            t.menue("Ebene in Normalenform", [&] {
                t.eintrag("Kugel in Mittelpunktsform", "KugelinMittelpunktsform5Click");
                t.eintrag("Kugel in Vektorform", "KugelinVektorform6Click");
            });
            t.menue("Ebene in Parameterform", [&] {
                t.eintrag("Kugel in Mittelpunktsform", "KugelinMittelpunktsform6Click");
                t.eintrag("Kugel in Vektorform", "KugelinVektorform7Click");
            });
        });
    });
    t.menue("&Kugel", Menuegruppe::dreidim, [&] {
        t.menue("Kugel", [&] {
            t.eintrag("Kugel in Mittelpunktsform", "KugelinMittelpunktsform2Click");
            t.eintrag("Kugel in Vektorform", "KugelinVektorform3Click");
        });
        t.menue("Kugel mit Punkt", [&] {
            t.eintrag("Kugel in Mittelpunktsform", "KugelinMittelpunktsform3Click");
            t.eintrag("Kugel in Vektorform", "KugelinVektorform4Click");
        });
        t.menue("Kugel mit Gerade", [&] {
            t.eintrag("Kugel in Mittelpunktsform", "KugelinMittelpunksform1Click");
            t.eintrag("Kugel in Vektorform", "KugelinVektorform2Click");
        });
        t.menue("Kugel mit Ebene", [&] {
            t.menue("Kugel in Mittelpunktsform", [&] {
                t.eintrag("Ebene in Parameterform", "KugelinMittelpunktsform6Click");
                t.eintrag("Ebene in Normalenform", "KugelinMittelpunktsform5Click");
            });
            t.menue("Kugel in Vektorform", [&] {
                t.eintrag("Ebene in Parameterform", "KugelinVektorform7Click");
                t.eintrag("Ebene in Normalenform", "KugelinVektorform6Click");
            });
        });
        t.menue("Kugel mit Kugel", [&] {
            t.eintrag("beide Kugeln in Mittelpunktsform", "beideKugelninMittelpunktsform1Click");
            t.eintrag("Mittelpunkts-/Vektorform", "MittelpunktsVektorform1Click");
            t.eintrag("beide Kugeln in Vektorform", "beideKugelninVektorform1Click");
        });
        t.eintrag("Kugel durch 4 Punkte", "Kugeldurch4Punkte1Click");
    });
}

void vektorMatrizenBeispiele(Tabellenbauer& t) {
    t.menue("&Vektor", Menuegruppe::dreidim, [&] {
        t.eintrag("Skalarprodukt", "Skalarprodukt1Click");
        t.eintrag("Vektorprodukt", "Vektorprodukt1Click");
        t.eintrag("Spatprodukt", "Spatprodukt1Click");
        t.menue("Lineare Abhängigkeit", [&] {
            t.eintrag("2 Vektoren", "N2Vektoren1Click");
            t.eintrag("3 Vektoren", "N3Vektoren1Click");
            t.eintrag("4 Vektoren", "N4Vektoren1Click");
        });
    });
    t.menue("&Matrizen", [&] {
        t.menue("Matrix", [&] { t.eintrag("2x2 - Matrix", "N2x2Matrix1Click"); });
        t.menue("Matrizenmultiplikation", [&] {
            t.eintrag("2x2 * 2x2", "N2x22x21Click");
            t.eintrag("3x3 * 3x3", "N3x33x31Click");
        });
        t.menue("Matrix und Vektor", [&] {
            t.eintrag("2x2 - Matrix", "N22Matrix1Click");
            t.eintrag("3x3 - Matrix", "N3x3Matrix2Click");
        });
        t.menue("Lineare Gleichungssystem", [&] {
            t.eintrag("2 x 2 - LGS", "N2x2LGS1Click");
            t.eintrag("3 x 3 - LGS", "N3x3LGS1Click");
        });
    });
    t.menue("Beispie&le", Menuegruppe::dreidim, [&] {
        static const char* const beispiele[][2] = {
            {"Punkt", "Punkt3Click"},
            {"Strecke", "Linie1Click"},
            {"Dreieck", "Dreieck2Click"},
            {"Tetraeder", "Tetraeder2Click"},
            {"Tetraeder mit Ebene", "TetraedermitEbene1Click"},
            {"Gerade", "Gerade3Click"},
            {"Gerade mit Punkt", "GerademitPunkt2Click"},
            {"Gerade mit Gerade", "zweiGeraden1Click"},
            {"Punkt, zwei Geraden", "PunktzweiGeraden1Click"},
            {"Ebene", "Ebene2Click"},
            {"Ebene mit Punkt", "EbenemitPunkt2Click"},
            {"Ebene mit Gerade", "EbenemitGerade2Click"},
            {"Ebene mit Ebene", "zweiEbenen1Click"},
            {"Kugel", "Kugel3Click"},
            {"Kugel mit Gerade", "KugelundGerade1Click"},
            {"Kugel mit Punkt", "KugelmitPunkt2Click"},
            {"Kugel mit Ebene", "KugelmitEbene2Click"},
            {"Kugel mit Kugel", "KugelmitKugel2Click"},
            {"Skalarprodukt", "Skalarprodukt2Click"},
            {"Vektorprodukt", "Vektorprodukt2Click"},
            {"Spatprodukt", "Spatprodukt2Click"},
        };
        for (const auto& b : beispiele) t.eintrag(b[0], b[1]);
    });
}

void ellipse(Tabellenbauer& t) {
    // Group caption, caption of its input entry, command of the input entry. Each group has an
    // example entry "Beispiel" first, handled by Beispiel1Click … Beispiel11Click in this order.
    static const char* const gruppen[][3] = {
        {"Mittelpunkt und Achsen", "Ellipse ((M, a, b)", "EllipseMab1Click"},
        {"Exzentr. und Pukt", "Eingabe (e, B)", "Eingabe1Click"},
        {"Halbachse und Tangente", "Eingabe (a, t)", "Eingabe2Click"},
        {"Brennpunkte und Punkt", "Eingabe (F1,F2, P)", "EingabeFP1Click"},
        {"Brennpunkt, Punkt und Tangente", "Eingabe(F,P, t);", "EingabeFPt1Click"},
        {"Brennpunkt und Tangente", "Eingabe (F, t)", "EingabeFt1Click"},
        {"Mittelpunkt und 2 Punkte", "Eingabe (M, P,Q)", "EingabeMPQ1Click"},
        {"Mittelpunkt, Achse a und Tangente", "Eingabe (M, a,t)", "EingabeMat1Click"},
        {"Lage: Ellipse-Punkt", "Eingabe (Ellipse, P)", "EingabeEllipseP1Click"},
        {"Lage: Ellipse-Gerade", "Eingabe (Ellipse, Gerade)", "EingabeEllipseGerade1Click"},
        {"Lage: Zwei Ellipsen", "Eingabe: (E1, E2)", "EingabeE1E21Click"},
    };
    t.menue("Ellipse", [&] {
        int n = 1;
        for (const auto& g : gruppen) {
            t.menue(g[0], [&] {
                t.eintrag("Beispiel", "Beispiel" + std::to_string(n) + "Click");
                t.eintrag(g[1], g[2]);
            });
            ++n;
        }
    });
}

void affineAbbildungen(Tabellenbauer& t) {
    t.menue("Affine Abbildungen", [&] {
        t.menue("Beispiele", [&] {
            static const char* const karten[][2] = {
                {"Verschiebung", "Verschiebung1Click"},
                {"Zentrische Streckung", "ZentrischeStreckung1Click"},
                {"Punktspiegelung", "Punktspiegelung1Click"},
                {"Parallelstreckung", "Parallelstreckung1Click"},
                {"Schrägspiegelung", "Schrgspiegelung1Click"},
                {"Euler-Affinität", "EulerAffinitt1Click"},
                {"Streckspiegelung", "Streckspiegelung1Click"},
                {"Schubparallelstreckung", "Schubparallelstreckung1Click"},
                {"Schubspiegelung", "Schubspiegelung1Click"},
                {"Scherung", "Scherung1Click"},
                {"Scherstreckung", "Scherstreckung1Click"},
                {"Schubscherung", "Schubscherung1Click"},
                {"Drehung", "Drehung1Click"},
                {"Drehstreckung", "Drehstreckung1Click"},
            };
            for (const auto& k : karten) t.eintrag(k[0], k[1]);
        });
        t.menue("Abbildung festlegen", [&] {
            t.eintrag("Abbildung 1 (Gleichung)", "Abbildung11Click");
            t.eintrag("Abbildung 2 (Gleichung)", "Abbildung21Click");
            t.eintrag("Abbildung 3 (Gleichung)", "Abbildung31Click");
            t.eintrag("Drei Punkte und Bildpunkte", "N3PunkteundBildpunkte1Click");
            t.eintrag("Punkt, Bildpunkt und 2 Fixpunkte", "PunkteundFixpunkte1Click");
            t.eintrag("Punkt, Bildpunkt und Fixpunktgerade", "PunkteundFixpunktgerade1Click");
        });
        t.menue("Inverse einer Aff. Abbildung", Menuegruppe::abbildung, [&] {
            t.eintrag("... von  Abbildung 1", "vonAbbildung11Click");
            t.eintrag("... von  Abbildung 2", "vonAbbildung12Click");
            t.eintrag("... von  Abbildung 3", "vonAbbildung31Click");
        });
        t.menue("Verkettung zweier Abbildungen", Menuegruppe::abbildung, [&] {
            t.eintrag("Abb.1 mit Abb.2", "Abb1mitAbb21Click");
            t.eintrag("Abb.2 mit Abb.1", "Abb1mitAbb22Click");
            t.eintrag("Abb.2 mit Abb.3", "Abb2mitAbb31Click");
            t.eintrag("Abb.3 mit Abb.2", "Abb3mitAbb21Click");
            t.eintrag("Abb.1 mit Abb.3", "Abb1mitAbb31Click");
            t.eintrag("Abb.3 mit Abb.1", "Abb3mitAbb11Click");
        });
        t.menue("Objekte - Bildobjekte", Menuegruppe::abbildung, [&] {
            t.schalter("Punkt1 --> Bildpunkt1", "PunktBildpunkt1Click");
            t.schalter("Punkt2 --> Bildpunkt2", "Punkt2Bildpunkt21Click");
            t.schalter("Dreieck --> Bilddreieck", "DreieckBilddreieck1Click");
            t.schalter("Gerade --> Bildgerade", "GeradeBildgerade1Click");
            t.schalter("Kreis --> Bildkreis", "KreisBild1Click");
            t.schalter("Bildpunkt --> Urbildpunkt", "BildpunktUrbildpunkt1Click");
        });
        t.menue("Optionen", Menuegruppe::abbildung, [&] {
            t.schalter("Fixgeradenbüschel zeigen", "Fixgeradenbschelzeigen1Click");
            t.schalter("Koordinatengitter", "Koordinatemngitter1Click");
            t.schalter("Konstruktion zeigen", "Konstruktionzeigen1Click");
            t.schalter("Normalform berechnen", "Normalformberechnen1Click");
            t.schalter("Invariantes Rechtwinkelpaar", "InvariantesRechtwinkelpaar1Click");
            t.schalter("Inverse Abb. ausgeben", "InverseAbbausgeben1Click");
        });
    });
}

std::vector<MenuZeile> baueTabelle() {
    Tabellenbauer t;
    dateiUndBearbeiten(t);
    punkteUndGerade(t);
    ebeneUndKugel(t);
    vektorMatrizenBeispiele(t);
    t.menue("2-&dim. Geometrie", [&] {
        t.menue("Dreieck", [&] {
            t.eintrag("Dreieck (Beispiel)", "Dreieck3Click");
            t.eintrag("Eingabe (Dreieck)", "Dreieck4Click");
        });
        ellipse(t);
        affineAbbildungen(t);
    });
    t.eintrag("&Rechenhilfe", "Rechenhilfe1Click");
    t.menue("Ei&nheiten", [&] {
        t.eintrag("10 Einheiten mehr", "N10Einheitenmehr1Click");
        t.eintrag("10 Einheiten weniger", "N10Einheitenweniger1Click");
    });
    t.eintrag("Copyright", "Copyright1Click");
    return std::move(t.zeilen);
}

} // namespace

const std::vector<MenuZeile>& menueTabelle() {
    static const std::vector<MenuZeile> tabelle = baueTabelle();
    return tabelle;
}

std::string ohneKaufmannsUnd(std::string_view caption) {
    std::string s;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        // "&&" stands for a literal "&"; a single "&" only marks the next letter.
        if (caption[i] == '&') {
            if (i + 1 < caption.size() && caption[i + 1] == '&') s += caption[++i];
            continue;
        }
        s += caption[i];
    }
    return s;
}

const MenuZeile* findeMenueintrag(const std::vector<std::string>& captionsOhneUnd) {
    for (const auto& z : menueTabelle()) {
        if (z.befehl.empty() || z.pfad.size() != captionsOhneUnd.size()) continue;
        bool gleich = true;
        for (std::size_t i = 0; i < z.pfad.size() && gleich; ++i)
            gleich = ohneKaufmannsUnd(z.pfad[i]) == captionsOhneUnd[i];
        if (gleich) return &z;
    }
    return nullptr;
}

std::vector<const MenuZeile*> zeilenMitBefehl(std::string_view befehl) {
    std::vector<const MenuZeile*> r;
    for (const auto& z : menueTabelle())
        if (z.befehl == befehl) r.push_back(&z);
    return r;
}
