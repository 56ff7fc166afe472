#include "app/examples.h"

#include "app/menu_table.h"
#include "drawing/handover.h"
#include "plane/triangle.h"

namespace {

constexpr TFarbe gelb = farbe::Gelb;
constexpr TFarbe aqua = farbe::Aqua;
constexpr TFarbe lime = farbe::Lime;

// Records from constants; every vector of an object takes the object's colour.
TGerade gerade(const char* name, TPunkt P, TPunkt A, TFarbe f) {
    A.Farbe = f;
    return TGerade{std::move(P), std::move(A), f, name};
}
TEbeneNorm ebene(const char* name, double nx, double ny, double nz, double d, TFarbe f) {
    return TEbeneNorm{punkt(nx, ny, nz, f, "n"), d, f, name};
}
TKugel kugel(const char* name, TPunkt M, double r, TFarbe f) {
    return TKugel{std::move(M), r, name, f};
}
TViereck vier(TPunkt A, TPunkt B, TPunkt C, TPunkt D, TFarbe f) {
    return TViereck{std::move(A), std::move(B), std::move(C), std::move(D), f};
}

constexpr bool an = true;
constexpr bool aus = false;
const OptionSetting spurpunkte{&Optionen::Spurpunkte, an};
const OptionSetting lotAn{&Optionen::Ursprungslotgeraden, an};
const OptionSetting lotAus{&Optionen::Ursprungslotgeraden, aus};
const OptionSetting quader{&Optionen::Quaderdarstellung, an};
const OptionSetting hilfsquader{&Optionen::HilfsQuader, an};
const OptionSetting kanten{&Optionen::TetraederKanten, an};

std::vector<ExampleSpec> figures() {
    return {
        {"Punkt",
         "Punkt3Click",
         {},
         [](TaskContext& c) { c.handover.Punkt_uebergeben(punkt(2, 2, 4, gelb, "P")); }},
        {"Strecke",
         "Linie1Click",
         {},
         [](TaskContext& c) {
             c.handover.Linie_uebergeben(
                 TStrecke{punkt(2, 1, 1, aqua, "A"), punkt(6, 7, 8, aqua, "B"), aqua});
         }},
        {"Dreieck",
         "Dreieck2Click",
         {},
         [](TaskContext& c) {
             c.handover.Dreieck_uebergeben(TDreieck{punkt(2, 0, 0, lime, "A"),
                                                    punkt(0, 3, 0, lime, "B"),
                                                    punkt(0, 0, 5, lime, "C"), lime});
         }},
        {"Tetraeder",
         "Tetraeder2Click",
         {kanten},
         [](TaskContext& c) {
             c.handover.Tetraeder_uebergeben(
                 vier(punkt(1, 0, 0, lime, "A"), punkt(1, 4, 0, lime, "B"),
                      punkt(0, 2, 0, lime, "C"), punkt(1, 1, 4, lime, "D"), lime));
         }},
        {"Tetraeder mit Ebene",
         "TetraedermitEbene1Click",
         {kanten, quader, hilfsquader},
         [](TaskContext& c) {
             c.handover.Tetraeder_Ebene_uebergeben(
                 vier(punkt(3, 0, 0, lime, "A"), punkt(0, 5, 0, lime, "B"),
                      punkt(0, 0, 6, lime, "C"), punkt(-1, -1, 0, lime, "D"), lime),
                 ebene("Ebene E: ", 0, 0, 1, 2, gelb));
         }},
    };
}

std::vector<ExampleSpec> linesAndPlanes() {
    return {
        {"Gerade",
         "Gerade3Click",
         {spurpunkte, lotAn},
         [](TaskContext& c) {
             c.handover.Gerade_uebergeben(
                 gerade("g:", punkt(1, 4, 3, gelb, "P"), punkt(-1, 2, 1, gelb, "A"), gelb));
         }},
        {"Gerade mit Punkt",
         "GerademitPunkt2Click",
         {spurpunkte, lotAus},
         [](TaskContext& c) {
             c.handover.Gerade_Punkt_uebergeben(
                 gerade("g:", punkt(2, 2, 2, gelb, "P"), punkt(-1, 2, 1, gelb, "A"), gelb),
                 punkt(2, 2, 8, lime, "A"));
         }},
        {"Gerade mit Gerade",
         "zweiGeraden1Click",
         {spurpunkte, lotAn},
         [](TaskContext& c) {
             c.handover.ZweiGeraden_uebergeben(
                 gerade("g:", punkt(1, 4, 3, gelb, "P"), punkt(-1, 2, 1, gelb, "A"), gelb),
                 gerade("h:", punkt(-6, 2, 3, lime, "Q"), punkt(-1, 4, -3, lime, "B"), lime));
         }},
        // Both the free point and the support point of g are named "P".
        {"Punkt, zwei Geraden",
         "PunktzweiGeraden1Click",
         {spurpunkte, lotAus},
         [](TaskContext& c) {
             c.handover.Punkt_ZweiGeraden_uebergeben(
                 punkt(-4, 3, 3, gelb, "P"),
                 gerade("g:", punkt(1, -1, 0, gelb, "P"), punkt(1, 2, 1, aqua, "A"), aqua),
                 gerade("h:", punkt(0, 0, 2, lime, "Q"), punkt(-1, 2, 0, lime, "B"), lime));
         }},
        {"Ebene",
         "Ebene2Click",
         {quader, hilfsquader},
         [](TaskContext& c) { c.handover.Ebene_uebergeben(ebene("E: ", 1, -2, 1, 3, gelb)); }},
        {"Ebene mit Punkt",
         "EbenemitPunkt2Click",
         {quader, hilfsquader},
         [](TaskContext& c) {
             c.handover.Ebene_Punkt_uebergeben(ebene("E: ", 1, -1, 1, 3, gelb),
                                               punkt(2, 2, 6, lime, "P"));
         }},
        {"Ebene mit Gerade",
         "EbenemitGerade2Click",
         {spurpunkte, lotAus, quader, hilfsquader},
         [](TaskContext& c) {
             c.handover.Ebene_Gerade_uebergeben(
                 ebene("E: ", 1, -1, 1, 3, gelb),
                 gerade("g:", punkt(2, 2, 2, lime, "P"), punkt(-1, 2, 1, lime, "A"), lime));
         }},
        {"Ebene mit Ebene",
         "zweiEbenen1Click",
         {quader, hilfsquader},
         [](TaskContext& c) {
             c.handover.EbeneNorm_EbeneNorm_uebergeben(ebene("E1: ", 1, -2, 1, 3, gelb),
                                                       ebene("E2: ", -1, 2, 1, 4, lime));
         }},
    };
}

std::vector<ExampleSpec> spheresAndVectors() {
    return {
        {"Kugel",
         "Kugel3Click",
         {},
         [](TaskContext& c) {
             c.handover.Kugel_uebergeben(kugel("K: ", punkt(2, 3, 1, gelb, "M"), 4, gelb));
         }},
        {"Kugel mit Gerade",
         "KugelundGerade1Click",
         {spurpunkte, lotAus},
         [](TaskContext& c) {
             c.handover.Kugel_Gerade_uebergeben(
                 kugel("K: ", punkt(2, 1, 3, lime, "M"), 4, lime),
                 gerade("g:", punkt(2, 2, 2, gelb, "P"), punkt(-1, 2, 1, gelb, "A"), gelb));
         }},
        {"Kugel mit Punkt",
         "KugelmitPunkt2Click",
         {},
         [](TaskContext& c) {
             c.handover.Kugel_Punkt_uebergeben(kugel("K: ", punkt(2, 1, 3, lime, "M"), 4, lime),
                                               punkt(2, 2, 8, gelb, "P"));
         }},
        {"Kugel mit Ebene",
         "KugelmitEbene2Click",
         {quader, hilfsquader},
         [](TaskContext& c) {
             c.handover.Kugel_Ebene_uebergeben(kugel("K: ", punkt(0, 1, 0, gelb, "M"), 4, gelb),
                                               ebene("E: ", 0, 0, 1, 3, lime));
         }},
        {"Kugel mit Kugel",
         "KugelmitKugel2Click",
         {},
         [](TaskContext& c) {
             c.handover.Kugel_Kugel_uebergeben(kugel("K1: ", punkt(0, 1, 0, gelb, "M1"), 3, gelb),
                                               kugel("K2: ", punkt(0, 6, 0, lime, "M2"), 4, lime));
         }},
        // The vector examples keep their operands in the scene's vector stores, like the tasks.
        {"Skalarprodukt",
         "Skalarprodukt2Click",
         {},
         [](TaskContext& c) {
             Szene& s = c.szene;
             s.SzeneVek1 = punkt(2, 2, 0, gelb, "p");
             s.SzeneVek2 = punkt(1, 4, 6, lime, "q");
             c.handover.Skalarprodukt_Uebergeben(s.SzeneVek1, s.SzeneVek2);
         }},
        {"Vektorprodukt",
         "Vektorprodukt2Click",
         {},
         [](TaskContext& c) {
             Szene& s = c.szene;
             s.SzeneVek1 = punkt(2, 2, -1, gelb, "p");
             s.SzeneVek2 = punkt(1, 4, 3, lime, "q");
             c.handover.Vektorprodukt_Uebergeben(s.SzeneVek1, s.SzeneVek2);
         }},
        {"Spatprodukt",
         "Spatprodukt2Click",
         {},
         [](TaskContext& c) {
             Szene& s = c.szene;
             s.SzeneVek1 = punkt(2, 2, 0, gelb, "p");
             s.SzeneVek2 = punkt(8, 9, 4, lime, "q");
             s.SzeneVek3 = punkt(-1, 3, 5, aqua, "r");
             c.handover.Spatprodukt_Uebergeben(s.SzeneVek1, s.SzeneVek2, s.SzeneVek3);
         }},
    };
}

// The examples of "2-&dim. Geometrie".
std::vector<ExampleSpec> planeFigures() {
    return {
        {"Dreieck (Beispiel)",
         "Dreieck3Click",
         {},
         [](TaskContext& c) {
             TPunkt2 e[3];
             Dreieck2_Beispiel(e);
             c.handover.Dreieck2_uebergeben(e[0], e[1], e[2]);
         }},
    };
}

// The examples of "2-&dim. Geometrie" › "Ellipse": each group's "Beispiel", Beispiel1Click …
// Beispiel11Click in menu order (found by their menu path, the caption is the same for all).
template <int n> void ellipsenBeispiel(TaskContext& c) {
    const auto art = static_cast<Ellipsenart>(n);
    c.handover.Ellipse_uebergeben(ellipsenSzene(art), Ellipse_Beispiel(art));
}

std::vector<ExampleSpec> ellipses() {
    using Uebergabe = void (*)(TaskContext&);
    static const Uebergabe uebergaben[] = {
        ellipsenBeispiel<0>, ellipsenBeispiel<1>, ellipsenBeispiel<2>, ellipsenBeispiel<3>,
        ellipsenBeispiel<4>, ellipsenBeispiel<5>, ellipsenBeispiel<6>, ellipsenBeispiel<7>,
        ellipsenBeispiel<8>, ellipsenBeispiel<9>, ellipsenBeispiel<10>};
    std::vector<ExampleSpec> t;
    for (int i = 0; i < EllipsenartAnzahl; ++i)
        t.push_back({"Beispiel", "Beispiel" + std::to_string(i + 1) + "Click", {}, uebergaben[i]});
    return t;
}

} // namespace

const std::vector<ExampleSpec>& exampleTable() {
    static const std::vector<ExampleSpec> table = [] {
        std::vector<ExampleSpec> t = figures();
        for (auto* part :
             {&linesAndPlanes, &spheresAndVectors, &planeFigures, &ellipses, &affineExamples})
            for (ExampleSpec& e : part()) t.push_back(std::move(e));
        return t;
    }();
    return table;
}

const ExampleSpec* findExample(std::string_view caption) {
    for (const ExampleSpec& e : exampleTable())
        if (e.caption == caption) return &e;
    return nullptr;
}

const ExampleSpec* findExampleByPath(std::string_view path) {
    for (const ExampleSpec& e : exampleTable())
        for (const MenuZeile* row : zeilenMitBefehl(e.handler)) {
            std::string joined;
            for (const std::string& caption : row->pfad)
                joined += (joined.empty() ? "" : "/") + ohneKaufmannsUnd(caption);
            if (joined == path) return &e;
        }
    return nullptr;
}

void runExample(const ExampleSpec& example, TaskContext& context) {
    for (const OptionSetting& o : example.options) context.optionen.*o.flag = o.on;
    example.handOver(context);
}
