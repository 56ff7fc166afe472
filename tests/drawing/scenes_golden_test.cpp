// Every scene of the corpus as the dispatcher draws it on the recording canvas, once with the
// options the task set and once with every option of the context menu on; compared with the
// golden file. Rectangles (point marks) and texts stand there in full; the many segments and
// pixels as counts per pen and a hash of every coordinate, which still tells any change.
#include "core/errors.h"
#include "drawing/recording_canvas.h"
#include "drawing/scene_drawing.h"
#include "support/corpus.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <sstream>

namespace {

struct Summe {
    int anzahl = 0;
    std::uint64_t hash = 14695981039346656037u; // FNV-1a
    void add(std::initializer_list<long long> werte) {
        ++anzahl;
        for (long long w : werte)
            for (int i = 0; i < 8; ++i) hash = (hash ^ ((w >> (8 * i)) & 0xFF)) * 1099511628211u;
    }
};

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
    std::map<std::string, Summe> stifte;
    for (const auto& x : c.segments)
        stifte["s " + hex(x.colour) + ' ' + std::to_string(x.width) + ' ' +
               std::to_string(int(x.style))]
            .add({x.x1, x.y1, x.x2, x.y2});
    for (const auto& x : c.pixels) stifte["p " + hex(x.colour)].add({x.x, x.y});
    for (const auto& [stift, summe] : stifte)
        o << stift << ": " << summe.anzahl << ' ' << hex(TFarbe(summe.hash >> 32))
          << hex(TFarbe(summe.hash)) << '\n';
    for (const auto& x : c.rectangles)
        o << "r " << x.x1 << ' ' << x.y1 << ' ' << x.x2 << ' ' << x.y2 << ' ' << hex(x.pen) << ' '
          << hex(x.brush) << '\n';
    for (const auto& x : c.texts)
        o << "t " << x.x << ' ' << x.y << ' ' << hex(x.colour) << ' ' << x.font << ' ' << x.text
          << '\n';
    o << "events " << optionen << ' ' << nullvektor << " art " << int(s.szene.art) << " patch "
      << s.optionen.Parameterdarstellung << '\n';
}

} // namespace

TEST(ScenesGolden, EveryCorpusSceneDrawsItsRecordedPicture) {
    std::ostringstream out;
    for (const CorpusCase& c : corpus()) {
        CorpusRun r(c);
        out << "== " << c.handler << ' ' << c.fields << '\n';
        zeichnen(out, r.session);
        Optionen& o = r.session.optionen;
        for (bool* b :
             {&o.Spurpunkte, &o.Projektionsgeraden, &o.Ursprungslotgeraden, &o.KoordSchnittpunkte,
              &o.Spurgeraden, &o.Parameterdarstellung, &o.Quaderdarstellung, &o.Quaderschnittpunkte,
              &o.HilfsQuader, &o.DreieckHoehen, &o.TetraederKanten})
            *b = true;
        out << "-- all options\n";
        zeichnen(out, r.session);
    }
    expectGolden("drawing/golden/scenes.txt", out.str());
}
