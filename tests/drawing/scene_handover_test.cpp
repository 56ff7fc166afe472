// The hand-overs: clearing, storing, marking, redraw request and report, without and with the
// drawing window.
#include "core/messages.h"
#include "drawing/handover.h"
#include "drawing/scene_window.h"
#include "picture.h"
#include "sheet/sheet.h"
#include "support/recording_messages.h"

#include <QAction>
#include <QImage>

#include <gtest/gtest.h>

namespace {
struct Headless {
    Picture bild;
    bool farbig = true;
    Sheet sheet{600, 2000, farbig};
    RecordingMessages meldungen;
    int redraws = 0;
    // The scene kind and the number of boxes shown at the last redraw request.
    Szenenart artAtRedraw = Szenenart::keine;
    std::size_t boxesAtRedraw = 0;
    SceneHandover h{bild.szene, bild.optionen, sheet, meldungen, [this] {
                        ++redraws;
                        artAtRedraw = bild.szene.art;
                        boxesAtRedraw = meldungen.eintraege.size();
                    }};

    // The scene kind, the redraw requests and the sheet's first row after "Ergebnisse:".
    std::tuple<Szenenart, int, std::string> stand() const {
        const auto& p = sheet.protokoll();
        return {bild.szene.art, redraws, p.size() > 1 ? p[1].text : ""};
    }
};
} // namespace

TEST(SceneHandover, PointAfterSphereLeavesOnlyThePoint) {
    Headless t;
    t.h.Kugel_uebergeben(kugel({2, 3, 1}, 4, Gelb));
    EXPECT_EQ(t.stand(), std::make_tuple(Szenenart::Kugel, 1, std::string("Kugel")));
    EXPECT_TRUE(t.bild.optionen.KugelEbenenpunkte);

    t.h.Punkt_uebergeben(punkt(2, 2, 4, Gelb, "P"));
    EXPECT_EQ(t.stand(), std::make_tuple(Szenenart::Punkt, 2, std::string("Punkt:")));
    // The sheet was cleared first: nothing of the sphere report is left (what a point scene
    // draws is in the scenes' golden).
    for (const auto& z : t.sheet.protokoll()) EXPECT_NE(z.text, "Kugel");
    EXPECT_TRUE(t.bild.optionen.KugelEbenenpunkte); // stays on for later spheres
}

TEST(SceneHandover, ArgumentsMayLiveInTheSceneStoresAndRedrawIsOptional) {
    Headless t;
    t.h.ZweiGeraden_uebergeben(gerade({0, 0, 1}, {1, 0, 0}, Gelb, "g:"),
                               gerade({0, 2, 3}, {0, 1, 0}, Lime, "h:"));
    Szene& s = t.bild.szene;
    // The sheet's recomputation hands the stored lines over again, here swapped.
    t.h.ZweiGeraden_uebergeben(s.SzeneGerade2, s.SzeneGerade1);
    EXPECT_EQ(std::tie(s.SzeneGerade1.Name, s.SzeneGerade2.Name, s.SzeneGerade1.Stuetz.z),
              std::make_tuple(std::string("h:"), std::string("g:"), 3.0));

    SceneHandover ohne(s, t.bild.optionen, t.sheet, t.meldungen);
    EXPECT_NO_THROW(ohne.Gerade_uebergeben(gerade({1, 4, 3}, {-1, 2, 1})));
    EXPECT_EQ(std::make_pair(s.art, t.redraws), std::make_pair(Szenenart::Gerade, 2));
    EXPECT_GT(t.sheet.protokoll().size(), 1u);
}

TEST(SceneHandover, ZeroVectorProductShowsTheClearedDrawingAndTheBox) {
    Headless t;
    t.h.Kugel_uebergeben(kugel({2, 3, 1}, 4, Gelb));
    t.redraws = 0;
    t.h.Vektorprodukt_Uebergeben(punkt(1, 2, 3, Gelb, "p"), punkt(2, 4, 6, Lime, "q"));
    EXPECT_EQ(t.meldungen.eintraege, (std::vector<RecordingMessages::Eintrag>{
                                         {"abbrechen", meldung::Vektorprodukt_Null}}));
    // The only redraw request comes before the box, for the cleared drawing (the sphere must
    // not stay on screen); the vector scene asks for none. The scene is marked and reported
    // all the same.
    EXPECT_EQ(std::make_tuple(t.redraws, t.artAtRedraw, t.boxesAtRedraw),
              std::make_tuple(1, Szenenart::keine, std::size_t{0}));
    EXPECT_EQ(t.bild.szene.art, Szenenart::Vektorprodukt);
    EXPECT_GT(t.sheet.protokoll().size(), 1u);

    // The repaint after the box closes gives the scene up without a second box.
    t.bild.draw();
    EXPECT_EQ(t.bild.szene.art, Szenenart::keine);
    EXPECT_EQ(t.bild.zeroCrossProducts, 0);

    t.h.Vektorprodukt_Uebergeben(punkt(2, 2, -1, Gelb, "p"), punkt(1, 4, 3, Lime, "q"));
    EXPECT_EQ(t.meldungen.eintraege.size(), 1u);
    EXPECT_EQ(std::make_tuple(t.redraws, t.artAtRedraw),
              std::make_tuple(2, Szenenart::Vektorprodukt));
    EXPECT_EQ(t.bild.szene.SzeneVek2.y, 4);
}

TEST(SceneHandoverWindow, SceneSwitchingAnOptionOnReachesTheMenuThroughTheWindow) {
    Headless t;
    Picture& b = t.bild;
    TZeichnungsDlg fenster(b.view, b.optionen, b.szene, t.meldungen);
    fenster.placeAt(0, 0, 584);
    ScenePainter painter(b.view, b.szene, b.optionen, t.meldungen);
    verbinden(fenster, painter);

    // A point on the sphere: the repaint switches the patch on, and the menu shows it.
    t.h.KugelM_Punkt_uebergeben(kugel({0, 0, 0}, 3, Lime), punkt(0, 3, 0, Gelb, "P"));
    QAction* patch = fenster.menuEntry("Ebene", "Parameterdarstellung zeigen");
    ASSERT_NE(patch, nullptr);
    EXPECT_FALSE(patch->isChecked());
    QImage image(fenster.size(), QImage::Format_RGB32);
    fenster.render(&image);
    EXPECT_TRUE(b.optionen.Parameterdarstellung && patch->isChecked());
    // Choosing the entry now switches it off and unchecks it.
    patch->trigger();
    EXPECT_FALSE(b.optionen.Parameterdarstellung || patch->isChecked());
}
