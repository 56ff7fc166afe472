// The hand-overs: clearing, storing, marking, redraw request and report, without and with the
// drawing window.
#include "core/messages.h"
#include "drawing/handover.h"
#include "drawing/scene_window.h"
#include "scene_picture.h"
#include "sheet/sheet.h"
#include "support/recording_messages.h"

#include <QAction>
#include <QApplication>
#include <QImage>

#include <gtest/gtest.h>

namespace {
struct Headless {
    ScenePicture bild;
    bool farbig = true;
    Sheet sheet{600, 2000, farbig};
    RecordingMeldungen meldungen;
    int redraws = 0;
    // The scene kind and the number of boxes shown at the last redraw request.
    Szenenart artAtRedraw = Szenenart::keine;
    std::size_t boxesAtRedraw = 0;
    SceneHandover h{bild.szene, bild.optionen, sheet, meldungen, [this] {
                        ++redraws;
                        artAtRedraw = bild.szene.art;
                        boxesAtRedraw = meldungen.eintraege.size();
                    }};

    // The sheet's first written row after "Ergebnisse:".
    std::string ersterText() const {
        const auto& p = sheet.protokoll();
        return p.size() > 1 ? p[1].text : "";
    }
};
} // namespace

TEST(SceneHandover, PointAfterSphereLeavesOnlyThePoint) {
    Headless t;
    t.h.Kugel_uebergeben(kugel({2, 3, 1}, 4, farbe::Gelb));
    EXPECT_EQ(t.bild.szene.art, Szenenart::Kugel);
    EXPECT_TRUE(t.bild.optionen.KugelEbenenpunkte);
    EXPECT_EQ(t.redraws, 1);
    EXPECT_EQ(t.ersterText(), "Kugel");
    t.bild.draw();
    EXPECT_FALSE(t.bild.canvas.pixels.empty()); // the sphere's dotted arcs

    t.h.Punkt_uebergeben(punkt(2, 2, 4, farbe::Gelb, "P"));
    EXPECT_EQ(t.bild.szene.art, Szenenart::Punkt);
    EXPECT_EQ(t.redraws, 2);
    EXPECT_EQ(t.ersterText(), "Punkt:");
    // The sheet was cleared first: nothing of the sphere report is left.
    for (const auto& z : t.sheet.protokoll()) EXPECT_NE(z.text, "Kugel");
    t.bild.draw();
    EXPECT_TRUE(t.bild.canvas.pixels.empty());
    EXPECT_EQ(t.bild.canvas.rectangles.size(), 1u);
    // The plane points stay on for later spheres.
    EXPECT_TRUE(t.bild.optionen.KugelEbenenpunkte);
}

TEST(SceneHandover, ArgumentsMayLiveInTheSceneStores) {
    Headless t;
    t.h.ZweiGeraden_uebergeben(gerade({0, 0, 1}, {1, 0, 0}, farbe::Gelb, "g:"),
                               gerade({0, 2, 3}, {0, 1, 0}, farbe::Lime, "h:"));
    Szene& s = t.bild.szene;
    // The sheet's recomputation hands the stored lines over again, here swapped.
    t.h.ZweiGeraden_uebergeben(s.SzeneGerade2, s.SzeneGerade1);
    EXPECT_EQ(s.SzeneGerade1.Name, "h:");
    EXPECT_EQ(s.SzeneGerade2.Name, "g:");
    EXPECT_EQ(s.SzeneGerade1.Stuetz.z, 3);
}

TEST(SceneHandover, WorksWithoutARedrawCallback) {
    ScenePicture bild;
    bool farbig = true;
    Sheet sheet(600, 2000, farbig);
    RecordingMeldungen meldungen;
    SceneHandover h(bild.szene, bild.optionen, sheet, meldungen);
    EXPECT_NO_THROW(h.Gerade_uebergeben(gerade({1, 4, 3}, {-1, 2, 1}, farbe::Gelb)));
    EXPECT_EQ(bild.szene.art, Szenenart::Gerade);
    EXPECT_FALSE(sheet.protokoll().empty());
}

TEST(SceneHandover, ZeroVectorProductShowsTheClearedDrawingAndTheBox) {
    Headless t;
    t.h.Kugel_uebergeben(kugel({2, 3, 1}, 4, farbe::Gelb));
    t.redraws = 0;
    t.h.Vektorprodukt_Uebergeben(punkt(1, 2, 3, farbe::Gelb, "p"),
                                 punkt(2, 4, 6, farbe::Lime, "q"));
    ASSERT_EQ(t.meldungen.eintraege.size(), 1u);
    EXPECT_EQ(t.meldungen.eintraege[0].art, "abbrechen");
    EXPECT_EQ(t.meldungen.eintraege[0].text, meldung::Vektorprodukt_Null);
    // The only redraw request comes before the box, for the cleared drawing (the sphere must
    // not stay on screen); the vector scene asks for none.
    EXPECT_EQ(t.redraws, 1);
    EXPECT_EQ(t.artAtRedraw, Szenenart::keine);
    EXPECT_EQ(t.boxesAtRedraw, 0u);
    EXPECT_EQ(t.bild.szene.art, Szenenart::Vektorprodukt); // marked all the same
    EXPECT_GT(t.sheet.protokoll().size(), 1u);             // and reported

    // The repaint after the box closes gives the scene up without a second box.
    t.bild.draw();
    EXPECT_EQ(t.bild.szene.art, Szenenart::keine);
    EXPECT_EQ(t.bild.zeroCrossProducts, 0);

    t.h.Vektorprodukt_Uebergeben(punkt(2, 2, -1, farbe::Gelb, "p"),
                                 punkt(1, 4, 3, farbe::Lime, "q"));
    EXPECT_EQ(t.meldungen.eintraege.size(), 1u);
    EXPECT_EQ(t.redraws, 2);
    EXPECT_EQ(t.artAtRedraw, Szenenart::Vektorprodukt);
    EXPECT_EQ(t.bild.szene.SzeneVek2.y, 4);
}

TEST(SceneHandover, TetrahedronTasksDrawTheirEdgesAndSectionPoints) {
    Headless t;
    const TViereck tetra{punkt(3, 0, 0, farbe::Lime, "A"), punkt(0, 5, 0, farbe::Lime, "B"),
                         punkt(0, 0, 6, farbe::Lime, "C"), punkt(-1, -1, 0, farbe::Lime, "D"),
                         farbe::Lime};
    t.h.Tetraeder_Ebene_uebergeben(tetra, ebene({0, 0, 1}, 2, farbe::Gelb, "Ebene E: "));
    EXPECT_TRUE(t.bild.optionen.TetraederKanten);
    // The report found the section points of BC, AC and CD; the edges in z = 0 give none.
    const int erwartet[6] = {0, 1, 1, 0, 0, 1};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(t.bild.szene.SzeneSchnittpunktDa[i], erwartet[i]) << i;
    t.bild.draw();
    EXPECT_EQ(t.bild.segmentsIn(farbe::Lime, 2, PenStyle::Solid).size(), 6u);
    const TKoord bc{0, 10.0 / 3, 2}, ac{2, 0, 2};
    EXPECT_EQ(t.bild.canvas.segmentsBetween(ac, bc, 1e-9).size(), 1u);
}

TEST(SceneHandover, ParallelogramReportAndDrawingAgreeOnD) {
    Headless t;
    t.h.Parallelogramm_uebergeben({punkt(0, 0, 0, farbe::Gelb, "A"),
                                   punkt(2, 0, 0, farbe::Gelb, "B"),
                                   punkt(2, 2, 0, farbe::Gelb, "C"), farbe::Gelb});
    EXPECT_EQ(t.bild.szene.SzeneViereck.D.Name, "  D");
    t.bild.draw();
    EXPECT_EQ(t.bild.labels("  D", {0, 2, 0}, farbe::Lime), 1);
}

TEST(SceneHandoverWindow, RedrawCheckMarksAndQueuedErrorsThroughTheWindow) {
    ViewState view;
    Szene szene;
    Optionen optionen;
    RecordingMeldungen meldungen;
    TZeichnungsDlg fenster(view, optionen, szene, meldungen);
    fenster.placeAt(0, 0, 584);
    ScenePainter painter(view, szene, optionen, meldungen);
    verbinden(fenster, painter);
    bool farbig = true;
    Sheet sheet(600, 2000, farbig);
    SceneHandover h(szene, optionen, sheet, meldungen, [&] { fenster.neuZeichnen(); });
    auto render = [&] {
        QImage image(fenster.size(), QImage::Format_RGB32);
        fenster.render(&image);
        return image;
    };

    // A point on the sphere: the repaint switches the patch on, and the menu shows it.
    h.KugelM_Punkt_uebergeben(kugel({0, 0, 0}, 3, farbe::Lime), punkt(0, 3, 0, farbe::Gelb, "P"));
    QAction* patch = fenster.menuEntry("Ebene", "Parameterdarstellung zeigen");
    ASSERT_NE(patch, nullptr);
    EXPECT_FALSE(patch->isChecked());
    render();
    EXPECT_TRUE(optionen.Parameterdarstellung);
    EXPECT_TRUE(patch->isChecked());
    // Choosing the entry now switches it off and unchecks it.
    patch->trigger();
    EXPECT_FALSE(optionen.Parameterdarstellung);
    EXPECT_FALSE(patch->isChecked());

    // A point far outside the pixel range: the window paints what it can, the error comes
    // after the paint and only once.
    h.Punkt_uebergeben(punkt(0, 1e10, 0, farbe::Gelb, "P"));
    meldungen.leeren();
    render();
    render();
    EXPECT_TRUE(meldungen.eintraege.empty());
    QApplication::processEvents();
    EXPECT_EQ(meldungen.arten(), (std::vector<std::string>{"piep", "fehler", "ausnahme"}));
    render();
    QApplication::processEvents();
    EXPECT_EQ(meldungen.eintraege.size(), 3u);

    // A drawable point: P = (0, 0, 5) stands at (171, 207) in the 584 × 584 window.
    h.Punkt_uebergeben(punkt(0, 0, 5, farbe::Gelb, "P"));
    const QImage bild = render();
    EXPECT_EQ(bild.pixel(171, 300), qRgb(0xFF, 0xFF, 0x00));
}
