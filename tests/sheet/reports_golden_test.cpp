// Every report of the corpus, entry by entry from the sheet's log (position, colour, text), with
// the anchors of its input numbers and the messages it gave; compared with the golden file. The
// entries stand in reading order, so a report that writes the same sheet in another order keeps
// the golden.
#include "support/corpus.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <tuple>
#include <vector>

namespace {

void spalte(std::ostream& o, const std::string& name, const ColumnAnchor& a) {
    if (a.gesetzt)
        o << "@" << name << ' ' << a.links << ' ' << a.rechts << ' ' << a.y0 << ' ' << a.y1 << ' '
          << a.y2 << ' ' << a.y3 << '\n';
}
void feld(std::ostream& o, const std::string& name, const FieldAnchor& a) {
    if (a.gesetzt)
        o << "@" << name << ' ' << a.links << ' ' << a.oben << ' ' << a.rechts << ' ' << a.unten
          << '\n';
}

void anker(std::ostream& o, const Anchors& a) {
    for (int i = 0; i < 4; ++i) {
        const PointAnchor& p = a.punkt[i];
        if (p.gesetzt)
            o << "@p" << i << ' ' << p.x1 << ' ' << p.x2 << ' ' << p.x3 << ' ' << p.y << '\n';
        spalte(o, "v" + std::to_string(i), a.vek[i]);
    }
    for (int i = 0; i < 2; ++i) {
        const std::string n = std::to_string(i);
        for (int k = 0; k < 2; ++k) spalte(o, "g" + n + std::to_string(k), a.gerade[i][k]);
        for (int k = 0; k < 3; ++k) spalte(o, "e" + n + std::to_string(k), a.ebenePar[i][k]);
        spalte(o, "n" + n, a.normale[i]);
        feld(o, "d" + n, a.d[i]);
        spalte(o, "m" + n, a.kugelM[i]);
        feld(o, "r" + n, a.kugelR[i]);
        spalte(o, "a" + n, a.kugelA[i]);
        feld(o, "c" + n, a.kugelC[i]);
    }
}

} // namespace

TEST(ReportsGolden, EveryCorpusCaseWritesItsRecordedReport) {
    std::ostringstream out;
    for (const CorpusCase& c : corpus()) {
        CorpusRun r(c);
        out << "== " << c.handler << ' ' << c.fields << '\n';
        // Row by row, left to right; texts at the same place keep their order (the last wins).
        std::vector<SheetText> log = r.session.sheet.protokoll();
        std::stable_sort(log.begin(), log.end(), [](const SheetText& a, const SheetText& b) {
            return std::tie(a.y, a.x) < std::tie(b.y, b.x);
        });
        for (const SheetText& t : log)
            out << t.x << ' ' << t.y << ' ' << std::hex << t.farbe << std::dec << ' ' << t.text
                << '\n';
        anker(out, r.session.sheet.anker);
        std::istringstream boxen(r.messages.str());
        for (std::string z; std::getline(boxen, z);) out << "! " << z << '\n';
        out << "beeps " << r.session.meldungen.beeps() << '\n';
    }
    expectGolden("sheet/golden/reports.txt", out.str());
}
