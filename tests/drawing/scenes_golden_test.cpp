// Every scene of the corpus as the dispatcher draws it on the recording canvas, once with the
// options the task set and once with every option of the context menu on (the examples also in
// black and white); compared with the golden file. Rectangles (point marks) and texts stand there
// in full; the many segments and pixels as counts per pen and a hash of every coordinate, which
// still tells any change. Each list is sorted, so that drawing the same picture in another order
// keeps the golden.
#include "core/errors.h"
#include "drawing/scene_drawing.h"
#include "support/corpus.h"
#include "support/recording_canvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <sstream>
#include <vector>

namespace {

// The primitives of one pen, as a count and a hash of their sorted coordinates (FNV-1a): the
// order in which the drawing makes them does not change the picture.
std::string summe(std::vector<std::array<long long, 4>> v) {
    std::sort(v.begin(), v.end());
    std::uint64_t h = 14695981039346656037u;
    for (const auto& a : v)
        for (long long w : a)
            for (int i = 0; i < 8; ++i) h = (h ^ ((w >> (8 * i)) & 0xFF)) * 1099511628211u;
    std::ostringstream o;
    o << v.size() << ' ' << std::hex << h;
    return o.str();
}

void zeichnen(std::ostream& o, HeadlessSession& s) {
    RecordingCanvas c;
    int optionen = 0, nullvektor = 0;
    SceneDrawEvents ev{[&] { ++optionen; }, [&] { ++nullvektor; }};
    try {
        Zeichne_alles(c, s.view, s.szene, s.optionen, ev);
    } catch (const QuillonError& e) {
        o << "! " << e.what() << '\n';
    }
    auto hex = [](TFarbe f) {
        std::ostringstream h;
        h << std::hex << f;
        return h.str();
    };
    std::map<std::string, std::vector<std::array<long long, 4>>> stifte;
    for (const auto& x : c.segments)
        stifte["s " + hex(x.colour) + ' ' + std::to_string(x.width) + ' ' +
               std::to_string(int(x.style))]
            .push_back({x.x1, x.y1, x.x2, x.y2});
    for (const auto& x : c.pixels) stifte["p " + hex(x.colour)].push_back({x.x, x.y, 0, 0});
    for (const auto& [stift, v] : stifte) o << stift << ": " << summe(v) << '\n';
    std::vector<std::string> zeilen;
    for (const auto& x : c.rectangles)
        zeilen.push_back("r " + std::to_string(x.x1) + ' ' + std::to_string(x.y1) + ' ' +
                         std::to_string(x.x2) + ' ' + std::to_string(x.y2) + ' ' + hex(x.pen) +
                         ' ' + hex(x.brush));
    for (const auto& x : c.texts)
        zeilen.push_back("t " + std::to_string(x.x) + ' ' + std::to_string(x.y) + ' ' +
                         hex(x.colour) + ' ' + x.font + ' ' + x.text);
    std::sort(zeilen.begin(), zeilen.end());
    for (const auto& z : zeilen) o << z << '\n';
    o << "events " << optionen << ' ' << nullvektor << " art " << int(s.szene.art) << " patch "
      << s.optionen.Parameterdarstellung << '\n';
}

// The report and its clickable input numbers, as the scene's row of the drawing library's task
// table writes them: a count and a hash (the reports' golden has them in full).
void bericht(std::ostream& o, const Sheet& s) {
    std::vector<std::array<long long, 4>> v;
    for (const SheetText& t : s.protokoll()) {
        std::uint64_t h = 14695981039346656037u;
        for (unsigned char c : t.text) h = (h ^ c) * 1099511628211u;
        v.push_back({t.x, t.y, t.farbe, static_cast<long long>(h)});
    }
    const Anchors& a = s.anker;
    auto spalte = [&](const ColumnAnchor& c, int i) {
        if (c.gesetzt) v.push_back({i, c.links, c.y0, c.y3});
    };
    auto feld = [&](const FieldAnchor& f, int i) {
        if (f.gesetzt) v.push_back({i, f.links, f.oben, f.rechts});
    };
    for (int i = 0; i < 4; ++i) {
        if (a.punkt[i].gesetzt) v.push_back({i, a.punkt[i].x1, a.punkt[i].x3, a.punkt[i].y});
        spalte(a.vek[i], 10 + i);
    }
    for (int i = 0; i < 2; ++i) {
        for (int k = 0; k < 3; ++k) spalte(a.ebenePar[i][k], 20 + 3 * i + k);
        for (int k = 0; k < 2; ++k) spalte(a.gerade[i][k], 30 + 2 * i + k);
        spalte(a.normale[i], 40 + i), spalte(a.kugelM[i], 50 + i), spalte(a.kugelA[i], 60 + i);
        feld(a.d[i], 70 + i), feld(a.kugelR[i], 80 + i), feld(a.kugelC[i], 90 + i);
    }
    o << "report " << summe(v) << '\n';
}

} // namespace

TEST(ScenesGolden, EveryCorpusSceneDrawsItsRecordedPicture) {
    std::ostringstream out;
    for (const CorpusCase& c : corpus()) {
        CorpusRun r(c);
        out << "== " << c.handler << ' ' << c.fields << '\n';
        zeichnen(out, r.session);
        bericht(out, r.session.sheet);
        Optionen& o = r.session.optionen;
        for (bool* b :
             {&o.Spurpunkte, &o.Projektionsgeraden, &o.Ursprungslotgeraden, &o.KoordSchnittpunkte,
              &o.Spurgeraden, &o.Parameterdarstellung, &o.Quaderdarstellung, &o.Quaderschnittpunkte,
              &o.HilfsQuader, &o.DreieckHoehen, &o.TetraederKanten, &o.Seitenmitten,
              &o.Seitenhalbierende, &o.Mittelsenkrechte, &o.Hoehen, &o.Winkelhalbierende,
              &o.Eulergerade, &o.Koordinatengitter})
            *b = true;
        out << "-- all options\n";
        zeichnen(out, r.session);
        if (c.handler != "#") continue;
        r.session.view.farbig = false;
        out << "-- black and white\n";
        zeichnen(out, r.session);
    }
    expectGolden("drawing/golden/scenes.txt", out.str());
}
