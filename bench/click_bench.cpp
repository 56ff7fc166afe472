// Replays clicks on input numbers of the heaviest 3-D tasks: each click changes one number,
// recomputes the task, rewrites the sheet and redraws the scene onto a 584 x 584 picture, as
// the program does. A click should take well under 5 ms.
//
//   click_bench                      every task, drawing options off and all on
//   click_bench --benchmark_filter=Tetraeder
#include "core/messages.h"
#include "core/objects.h"
#include "core/scene.h"
#include "drawing/handover.h"
#include "drawing/scene_painter.h"
#include "drawing/view.h"
#include "sheet/editing.h"
#include "sheet/sheet.h"

#include <QGuiApplication>
#include <QImage>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <functional>
#include <string>

namespace {

struct Stumm : Messages {
    int boxen = 0;
    void beep() override {}
    void errorBox(const std::string&) override { ++boxen; }
    void exceptionBox(const std::string&) override { ++boxen; }
    void cancelBox(const std::string&) override { ++boxen; }
    void infoBox(const std::string&) override {}
    bool askYesNo(const std::string&) override { return true; }
};

// The program's windows on a 1366 x 768 screen: the square drawing window, and the sheet's
// picture twice the size of the strip to its right.
constexpr int Zeichnung = 584;
constexpr int SheetBreite = 2 * (1366 - Zeichnung);
constexpr int SheetHoehe = 2 * Zeichnung;

struct Sitzung {
    Stumm meldungen;
    ViewState ansicht;
    Optionen optionen;
    Szene szene;
    Sheet sheet{SheetBreite, SheetHoehe, ansicht.farbig};
    QImage bild;
    SceneHandover uebergabe{szene, optionen, sheet, meldungen};
    SheetEditing editieren{szene, sheet, meldungen};

    explicit Sitzung(bool alleOptionen) {
        ansicht.setSize(Zeichnung, Zeichnung);
        ansicht.resetOrigin();
        if (alleOptionen) {
            for (bool* o :
                 {&optionen.Spurpunkte, &optionen.Projektionsgeraden, &optionen.Ursprungslotgeraden,
                  &optionen.KoordSchnittpunkte, &optionen.Spurgeraden,
                  &optionen.Parameterdarstellung, &optionen.Quaderdarstellung,
                  &optionen.Quaderschnittpunkte, &optionen.HilfsQuader, &optionen.DreieckHoehen})
                *o = true;
        }
        auto zeichnen = [this] { bild = renderScene(ansicht, szene, optionen); };
        uebergabe.redraw = zeichnen;
        editieren.redraw = zeichnen;
        editieren.Kugel4Punkte_uebergeben = [this](const TViereck& p, const TKugel& K) {
            uebergabe.Kugel4Punkte_uebergeben(p, K);
        };
    }
};

TViereck vierPunkte() {
    return {punkt(3, 0, 0, farbe::Lime, "A"), punkt(0, 5, 0, farbe::Lime, "B"),
            punkt(0, 0, 6, farbe::Lime, "C"), punkt(-1, -1, 0, farbe::Lime, "D"), farbe::Lime};
}
TEbeneNorm ebene(double nx, double ny, double nz, double d, const char* name) {
    return {punkt(nx, ny, nz, farbe::Aqua), d, farbe::Aqua, name};
}
TKugel kugel() {
    return {punkt(1, 2, 1, farbe::Gelb, "M"), 3, "K: ", farbe::Gelb};
}

struct Fall {
    std::function<void(Sitzung&)> uebergeben;
    // The number to click, from the anchors of the report the hand-over wrote.
    std::function<void(const Anchors&, int& X, int& Y)> wo;
};

void mitte(const ColumnAnchor& a, int& X, int& Y) {
    X = (a.links + a.rechts) / 2;
    Y = (a.y0 + a.y1) / 2;
}

const Fall TetraederMitEbene{[](Sitzung& p) {
                                 p.uebergabe.Tetraeder_Ebene_uebergeben(vierPunkte(),
                                                                        ebene(1, 1, 1, 2, "E: "));
                             },
                             [](const Anchors& a, int& X, int& Y) { mitte(a.normale[0], X, Y); }};
const Fall KugelMitEbene{
    [](Sitzung& p) { p.uebergabe.Kugel_Ebene_uebergeben(kugel(), ebene(1, 2, 2, 3, "E: ")); },
    [](const Anchors& a, int& X, int& Y) { mitte(a.kugelM[0], X, Y); }};
const Fall ZweiEbenen{[](Sitzung& p) {
                          p.uebergabe.EbeneNorm_EbeneNorm_uebergeben(ebene(1, 2, 2, 3, "E1: "),
                                                                     ebene(2, -1, 1, 1, "E2: "));
                      },
                      [](const Anchors& a, int& X, int& Y) { mitte(a.normale[1], X, Y); }};
const Fall KugelDurch4Punkte{[](Sitzung& p) {
                                 const TViereck v = vierPunkte();
                                 bool geloest = false;
                                 TKugel K;
                                 Kugel_durch_4_Punkte(v.A, v.B, v.C, v.D, geloest, K);
                                 p.optionen.TetraederKanten = true;
                                 p.uebergabe.Kugel4Punkte_uebergeben(v, K);
                             },
                             [](const Anchors& a, int& X, int& Y) {
                                 X = (a.punkt[3].x1 + a.punkt[3].x2) / 2;
                                 Y = a.punkt[3].y + 5;
                             }};

// One iteration = one click; left and right clicks alternate, so the number swings between two
// values and every click does the full work.
void BM_Klick(benchmark::State& state, const Fall* fall) {
    Sitzung p(state.range(0) != 0);
    fall->uebergeben(p);
    int X = 0, Y = 0;
    fall->wo(p.sheet.anker, X, Y);
    bool links = true;
    for (auto _ : state) {
        p.editieren.Image1MouseDown(links, X, Y);
        links = !links;
        benchmark::DoNotOptimize(p.bild.constBits());
    }
    if (p.meldungen.boxen != 0) state.SkipWithError("a click showed a message box");
    state.SetLabel(state.range(0) ? "all options" : "no options");
}

BENCHMARK_CAPTURE(BM_Klick, TetraederMitEbene, &TetraederMitEbene)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Klick, KugelMitEbene, &KugelMitEbene)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Klick, ZweiEbenen, &ZweiEbenen)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Klick, KugelDurch4Punkte, &KugelDurch4Punkte)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
