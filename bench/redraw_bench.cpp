// Redraw time of each 3-D example scene on a 584 × 584 off-screen picture through the QPainter
// canvas, with every drawing option on. Every scroll event and every mouse move of an origin
// drag redraws the whole picture, so the heaviest scene should stay well below a frame.
#include "core/messages.h"
#include "core/scene.h"
#include "core/trig_tables.h"
#include "drawing/handover.h"
#include "drawing/primitives.h"
#include "drawing/qt_canvas.h"
#include "drawing/scene_drawing.h"
#include "sheet/sheet.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {
constexpr TFarbe Gelb = farbe::Gelb, Aqua = farbe::Aqua, Lime = farbe::Lime;

TPunkt P(double x, double y, double z, TFarbe f, const char* name) {
    return punkt(x, y, z, f, name);
}

TGerade G(const char* name, TPunkt p, TPunkt u, TFarbe f) {
    TGerade g;
    g.Stuetz = std::move(p);
    g.Richtung = std::move(u);
    g.Farbe = f;
    g.Name = name;
    return g;
}

TEbeneNorm E(const char* name, double nx, double ny, double nz, double d, TFarbe f) {
    TEbeneNorm e;
    e.Normale = punkt(nx, ny, nz);
    e.d = d;
    e.Farbe = f;
    e.Name = name;
    return e;
}

TKugel K(const char* name, double mx, double my, double mz, double r, TFarbe f) {
    TKugel k;
    k.M = punkt(mx, my, mz, f, "M");
    k.r = r;
    k.Farbe = f;
    k.Name = name;
    return k;
}

// The examples show no message; any that came would be dropped.
struct StilleMeldungen : Messages {
    void beep() override {}
    void errorBox(const std::string&) override {}
    void exceptionBox(const std::string&) override {}
    void cancelBox(const std::string&) override {}
    void infoBox(const std::string&) override {}
    bool askYesNo(const std::string&) override { return true; }
};

using Example = std::function<void(SceneHandover&)>;

// The 3-D examples with their objects.
const std::vector<std::pair<std::string, Example>>& examples() {
    static const std::vector<std::pair<std::string, Example>> list = {
        {"Punkt", [](SceneHandover& h) { h.Punkt_uebergeben(P(2, 2, 4, Gelb, "P")); }},
        {"Strecke",
         [](SceneHandover& h) {
             h.Linie_uebergeben({P(2, 1, 1, Aqua, "A"), P(6, 7, 8, Aqua, "B"), Aqua});
         }},
        {"Dreieck",
         [](SceneHandover& h) {
             h.Dreieck_uebergeben(
                 {P(2, 0, 0, Lime, "A"), P(0, 3, 0, Lime, "B"), P(0, 0, 5, Lime, "C"), Lime});
         }},
        {"Tetraeder",
         [](SceneHandover& h) {
             h.Tetraeder_uebergeben({P(1, 0, 0, Lime, "A"), P(1, 4, 0, Lime, "B"),
                                     P(0, 2, 0, Lime, "C"), P(1, 1, 4, Lime, "D"), Lime});
         }},
        {"Tetraeder mit Ebene",
         [](SceneHandover& h) {
             h.Tetraeder_Ebene_uebergeben({P(3, 0, 0, Lime, "A"), P(0, 5, 0, Lime, "B"),
                                           P(0, 0, 6, Lime, "C"), P(-1, -1, 0, Lime, "D"), Lime},
                                          E("Ebene E: ", 0, 0, 1, 2, Gelb));
         }},
        {"Gerade",
         [](SceneHandover& h) {
             h.Gerade_uebergeben(G("g:", P(1, 4, 3, Gelb, "P"), P(-1, 2, 1, Gelb, "A"), Gelb));
         }},
        {"Gerade mit Punkt",
         [](SceneHandover& h) {
             h.Gerade_Punkt_uebergeben(G("g:", P(2, 2, 2, Gelb, "P"), P(-1, 2, 1, Gelb, "A"), Gelb),
                                       P(2, 2, 8, Lime, "A"));
         }},
        {"Gerade mit Gerade",
         [](SceneHandover& h) {
             h.ZweiGeraden_uebergeben(
                 G("g:", P(1, 4, 3, Gelb, "P"), P(-1, 2, 1, Gelb, "A"), Gelb),
                 G("h:", P(-6, 2, 3, Lime, "Q"), P(-1, 4, -3, Lime, "B"), Lime));
         }},
        {"Punkt, zwei Geraden",
         [](SceneHandover& h) {
             h.Punkt_ZweiGeraden_uebergeben(
                 P(-4, 3, 3, Gelb, "P"),
                 G("g:", P(1, -1, 0, Gelb, "P"), P(1, 2, 1, Aqua, "A"), Aqua),
                 G("h:", P(0, 0, 2, Lime, "Q"), P(-1, 2, 0, Lime, "B"), Lime));
         }},
        {"Ebene", [](SceneHandover& h) { h.Ebene_uebergeben(E("E: ", 1, -2, 1, 3, Gelb)); }},
        {"Ebene mit Punkt",
         [](SceneHandover& h) {
             h.Ebene_Punkt_uebergeben(E("E: ", 1, -1, 1, 3, Gelb), P(2, 2, 6, Lime, "P"));
         }},
        {"Ebene mit Gerade",
         [](SceneHandover& h) {
             h.Ebene_Gerade_uebergeben(
                 E("E: ", 1, -1, 1, 3, Gelb),
                 G("g:", P(2, 2, 2, Lime, "P"), P(-1, 2, 1, Lime, "A"), Lime));
         }},
        {"Ebene mit Ebene",
         [](SceneHandover& h) {
             h.EbeneNorm_EbeneNorm_uebergeben(E("E1: ", 1, -2, 1, 3, Gelb),
                                              E("E2: ", -1, 2, 1, 4, Lime));
         }},
        {"Kugel", [](SceneHandover& h) { h.Kugel_uebergeben(K("K: ", 2, 3, 1, 4, Gelb)); }},
        {"Kugel mit Gerade",
         [](SceneHandover& h) {
             h.Kugel_Gerade_uebergeben(K("K: ", 2, 1, 3, 4, Lime), G("g:", P(2, 2, 2, Gelb, "P"),
                                                                     P(-1, 2, 1, Gelb, "A"), Gelb));
         }},
        {"Kugel mit Punkt",
         [](SceneHandover& h) {
             h.KugelM_Punkt_uebergeben(K("K: ", 2, 1, 3, 4, Lime), P(2, 2, 8, Gelb, "P"));
         }},
        {"Kugel mit Ebene",
         [](SceneHandover& h) {
             h.Kugel_Ebene_uebergeben(K("K: ", 0, 1, 0, 4, Gelb), E("E: ", 0, 0, 1, 3, Lime));
         }},
        {"Kugel mit Kugel",
         [](SceneHandover& h) {
             h.KugelM_KugelM_uebergeben(K("K1: ", 0, 1, 0, 3, Gelb), K("K2: ", 0, 6, 0, 4, Lime));
         }},
        {"Skalarprodukt",
         [](SceneHandover& h) {
             h.Skalarprodukt_Uebergeben(P(2, 2, 0, Gelb, "p"), P(1, 4, 6, Lime, "q"));
         }},
        {"Vektorprodukt",
         [](SceneHandover& h) {
             h.Vektorprodukt_Uebergeben(P(2, 2, -1, Gelb, "p"), P(1, 4, 3, Lime, "q"));
         }},
        {"Spatprodukt",
         [](SceneHandover& h) {
             h.Spatprodukt_Uebergeben(P(2, 2, 0, Gelb, "p"), P(8, 9, 4, Lime, "q"),
                                      P(-1, 3, 5, Aqua, "r"));
         }},
    };
    return list;
}

void allOptionsOn(Optionen& o) {
    for (bool* b :
         {&o.Spurpunkte, &o.Projektionsgeraden, &o.Ursprungslotgeraden, &o.KoordSchnittpunkte,
          &o.Spurgeraden, &o.Parameterdarstellung, &o.Quaderdarstellung, &o.Quaderschnittpunkte,
          &o.HilfsQuader, &o.DreieckHoehen, &o.TetraederKanten, &o.KugelEbenenpunkte})
        *b = true;
}

void redraw(benchmark::State& state, const Example& example) {
    ViewState view;
    view.setSize(584, 584);
    Szene szene;
    Optionen optionen;
    allOptionsOn(optionen);
    bool farbig = true;
    Sheet sheet(600, 3000, farbig);
    StilleMeldungen meldungen;
    SceneHandover handover(szene, optionen, sheet, meldungen);
    example(handover);
    allOptionsOn(optionen);

    QImage image(view.Width, view.Height, QImage::Format_RGB32);
    for (auto _ : state) {
        {
            QPainter painter(&image);
            QtCanvas canvas(painter);
            paintBackground(canvas, view);
            Zeichne_alles(canvas, view, szene, optionen);
        }
        benchmark::DoNotOptimize(image.constBits());
    }
}
} // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    Tabellen_fuellen();
    for (const auto& [name, example] : examples())
        benchmark::RegisterBenchmark(name.c_str(), [ex = example](benchmark::State& s) {
            redraw(s, ex);
        })->Unit(benchmark::kMicrosecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
