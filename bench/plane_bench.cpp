// The plane triangle in the drawing window at 584 × 584, every option and the grid on: one
// redraw (under 0.5 ms), one mouse move of a vertex drag (map back, move, redraw; under 1 ms)
// and one release (recompute, rewrite the report, redraw; under 3 ms). The same for the heaviest
// ellipse task, the ellipse with a point outside, with its construction and the grid.
#include "core/messages.h"
#include "core/trig_tables.h"
#include "drawing/handover.h"
#include "drawing/plane_drag.h"
#include "drawing/plane_options.h"
#include "drawing/primitives.h"
#include "drawing/qt_canvas.h"
#include "drawing/scene_drawing.h"
#include "sheet/sheet.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

struct StilleMeldungen : Messages {
    void beep() override {}
    void errorBox(const std::string&) override {}
    void exceptionBox(const std::string&) override {}
    void cancelBox(const std::string&) override {}
    void infoBox(const std::string&) override {}
    bool askYesNo(const std::string&) override { return false; }
};

// The example triangle in plane mode with all special lines and the grid.
struct PlaneSession {
    ViewState view;
    Szene szene;
    Optionen optionen;
    bool farbig = true;
    Sheet sheet{1168, 1600, farbig};
    StilleMeldungen meldungen;
    SceneHandover handover{szene, optionen, sheet, meldungen};
    PlaneDrag drag{view, szene, sheet};
    QImage image{584, 584, QImage::Format_RGB32};

    explicit PlaneSession(bool ellipse = false) {
        view.setSize(584, 584);
        handover.ebene2Starten = [this] {
            view.resetPlaneView();
            view.zweidim = true;
        };
        if (ellipse) {
            handover.Ellipse_uebergeben(Szenenart::EllipsePunkt,
                                        Ellipse_Beispiel(Ellipsenart::EllipsePunkt));
            for (const char* p : {"Ellipse/Konstruktion zeigen", "Ellipse/mit Koordinatengitter"})
                applyPlaneOption(optionen, *findPlaneOption(p), &szene);
            drag.release();
            return;
        }
        TPunkt2 e[3];
        Dreieck2_Beispiel(e);
        handover.Dreieck2_uebergeben(e[0], e[1], e[2]);
        for (const char* p :
             {"Zweidim. Dreieck/allen besondere Linien", "Zweidim. Dreieck/mit Koordinatengitter"})
            applyPlaneOption(optionen, *findPlaneOption(p));
    }
    void redraw() {
        {
            QPainter painter(&image);
            QtCanvas canvas(painter);
            paintBackground(canvas, view);
            Zeichne_alles(canvas, view, szene, optionen);
        }
        benchmark::DoNotOptimize(image.constBits());
    }
};

void Redraw(benchmark::State& state) {
    PlaneSession s;
    for (auto _ : state) s.redraw();
}

void DragMove(benchmark::State& state) {
    PlaneSession s;
    int cx, cy;
    s.view.planeToScreen(0, 4, cx, cy);
    s.drag.press(cx, cy);
    int i = 0;
    for (auto _ : state) {
        double x, y;
        s.view.screenToPlane(cx + (i++ % 40), cy, x, y);
        s.drag.drag(x, y);
        s.redraw();
    }
}

void Release(benchmark::State& state) {
    PlaneSession s;
    for (auto _ : state) {
        s.drag.release();
        s.redraw();
    }
}

void EllipseRedraw(benchmark::State& state) {
    PlaneSession s(true);
    for (auto _ : state) s.redraw();
}

void EllipseRelease(benchmark::State& state) {
    PlaneSession s(true);
    for (auto _ : state) {
        s.drag.release();
        s.redraw();
    }
}

} // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    Tabellen_fuellen();
    benchmark::RegisterBenchmark("Dreieck2/redraw", Redraw)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Dreieck2/drag move", DragMove)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Dreieck2/release", Release)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Ellipse/redraw", EllipseRedraw)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Ellipse/release", EllipseRelease)->Unit(benchmark::kMicrosecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
