// The task-kind table: every kind of the scene has exactly one complete row, and every number
// its report marks as clickable reaches its inputs.
#include "sheet/input_clicks.h"
#include "sheet/task_kind.h"
#include "support/corpus.h"

#include <gtest/gtest.h>

TEST(TaskKinds, EveryKindHasOneCompleteRow) {
    EXPECT_EQ(taskKind(Szenenart::keine), nullptr);
    for (int i = 1; i <= static_cast<int>(LetzteSzenenart); ++i) {
        const auto art = static_cast<Szenenart>(i);
        const TaskKind* row = taskKind(art);
        ASSERT_NE(row, nullptr) << i;
        EXPECT_TRUE(row->art == art && row->report && row->draw && row->inputs) << i;
        // Only the plane figures are dragged; tasks in space and the matrices are not.
        if (!isPlaneKind(art)) {
            EXPECT_TRUE(!row->handles && !row->contextGroup) << i;
        }
    }
}

// Every input number that a report marks as clickable answers a click through its kind's row:
// a row that offers the wrong anchor index, or forgets an input, leaves a number dead.
TEST(TaskKinds, EveryMarkedNumberOfEveryCorpusReportAnswersAClick) {
    for (const CorpusCase& c : corpus()) {
        CorpusRun r(c);
        const TaskKind* row = taskKind(r.session.szene.art);
        if (!row) continue;
        const Anchors a = r.session.sheet.anker;
        std::vector<std::pair<std::string, std::pair<int, int>>> stellen;
        auto feld = [&](const std::string& n, const FieldAnchor& f) {
            if (f.gesetzt) stellen.push_back({n, {f.links, f.oben}});
        };
        auto spalte = [&](const std::string& n, const ColumnAnchor& s) {
            if (s.gesetzt) stellen.push_back({n, {s.links + 1, s.y0 + 1}});
        };
        auto paar = [&](const std::string& n, const PairAnchor& p) {
            if (p.gesetzt) stellen.push_back({n, {p.x1 + 1, p.oben + 1}});
        };
        for (int i = 0; i < 4; ++i) {
            const PointAnchor& p = a.punkt[i];
            if (p.gesetzt) stellen.push_back({"punkt" + std::to_string(i), {p.x1 + 1, p.y + 1}});
            spalte("vek" + std::to_string(i), a.vek[i]);
        }
        for (int i = 0; i < 2; ++i) {
            const std::string n = std::to_string(i);
            for (int k = 0; k < 3; ++k) spalte("ebenePar" + n, a.ebenePar[i][k]);
            for (int k = 0; k < 2; ++k) spalte("gerade" + n, a.gerade[i][k]);
            spalte("normale" + n, a.normale[i]), spalte("kugelM" + n, a.kugelM[i]);
            spalte("kugelA" + n, a.kugelA[i]), feld("d" + n, a.d[i]);
            feld("kugelR" + n, a.kugelR[i]), feld("kugelC" + n, a.kugelC[i]);
            for (const FieldAnchor& f : a.matrix[i]) feld("matrix" + n, f);
        }
        for (int i = 0; i < 3; ++i) paar("paar" + std::to_string(i), a.paar[i]);
        for (const FieldAnchor& f : a.matrixVektor) feld("matrixVektor", f);
        for (int i = 0; i < 8; ++i) feld("zahl2 " + std::to_string(i), a.zahl2[i]);
        for (const FieldAnchor& f : a.abbildung) feld("abbildung", f);
        for (int i = 0; i < 13; ++i) paar("affinPunkt" + std::to_string(i), a.affinPunkt[i]);
        for (int i = 0; i < 7; ++i) feld("affinZahl" + std::to_string(i), a.affinZahl[i]);
        for (const auto& [name, xy] : stellen) {
            // The parallelogram is written as a quadrilateral; its D follows from A, B and C.
            if (r.session.szene.art == Szenenart::Parallelogramm && name == "punkt3") continue;
            Szene z = r.session.szene;
            InputClicks k(a, true, xy.first, xy.second);
            row->inputs(z, k);
            EXPECT_TRUE(k.hit()) << c.handler << ' ' << c.fields << ": " << name;
        }
    }
}
