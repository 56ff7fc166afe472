// The painter: errors of a repaint reported afterwards and once, the queued vector-product
// message, the option check marks, and the picture through the real QPainter canvas.
#include "core/messages.h"
#include "drawing/recording_canvas.h"
#include "drawing/scene_painter.h"
#include "support/recording_messages.h"

#include <QCoreApplication>
#include <QImage>

#include <gtest/gtest.h>

namespace {
struct PainterFixture {
    ViewState view;
    Szene szene;
    Optionen optionen;
    RecordingMeldungen meldungen;
    ScenePainter painter{view, szene, optionen, meldungen};
    RecordingCanvas canvas;

    PainterFixture() { view.setSize(584, 584); }
    void paint() {
        canvas.clear();
        painter.paint(canvas);
    }
    static void runQueued() { QCoreApplication::processEvents(); }
};

const std::vector<std::string> EinFehler = {"piep", "fehler", "ausnahme"};
} // namespace

TEST(ScenePainter, PaintErrorIsReportedQueuedAndOnlyOnce) {
    PainterFixture f;
    f.szene.art = Szenenart::Punkt;
    // Far outside the 32-bit pixel range: the projection raises the range error.
    f.szene.SzenePunkt = punkt(1e10, 0, 0, farbe::Gelb, "P");

    EXPECT_NO_THROW(f.paint());
    EXPECT_TRUE(f.meldungen.eintraege.empty()); // nothing from inside the paint
    f.runQueued();
    EXPECT_EQ(f.meldungen.arten(), EinFehler);
    EXPECT_EQ(f.meldungen.eintraege[1].text, meldung::Eingabefehler);
    // The picture stopped at the failing point: the coordinate system is there.
    EXPECT_FALSE(f.canvas.segments.empty());

    // Repaints of the same scene and view stay silent.
    f.paint();
    f.paint();
    f.runQueued();
    EXPECT_EQ(f.meldungen.eintraege.size(), 3u);

    // A changed scene fails again and is reported again.
    f.szene.SzenePunkt.x = 2e10;
    f.paint();
    f.runQueued();
    EXPECT_EQ(f.meldungen.eintraege.size(), 6u);

    // So does a changed view.
    f.view.WinkelZ = 10;
    f.paint();
    f.runQueued();
    EXPECT_EQ(f.meldungen.eintraege.size(), 9u);

    // A working picture in between clears the memory: going back to the failing point fails
    // anew and is reported.
    f.szene.SzenePunkt.x = 1;
    f.paint();
    f.szene.SzenePunkt.x = 2e10;
    f.paint();
    f.runQueued();
    EXPECT_EQ(f.meldungen.eintraege.size(), 12u);
}

TEST(ScenePainter, ErrorGoesToTheConnectedHandler) {
    PainterFixture f;
    std::vector<std::string> gemeldet;
    f.painter.onError = [&](const std::exception* e) { gemeldet.push_back(e ? e->what() : "?"); };
    f.szene.art = Szenenart::Punkt;
    f.szene.SzenePunkt = punkt(0, 0, 1e12, farbe::Gelb, "P");
    f.paint();
    EXPECT_TRUE(gemeldet.empty());
    f.runQueued();
    ASSERT_EQ(gemeldet.size(), 1u);
    EXPECT_TRUE(f.meldungen.eintraege.empty());
}

TEST(ScenePainter, QueuedCallsDieWithThePainter) {
    ViewState view;
    view.setSize(584, 584);
    Szene szene;
    szene.art = Szenenart::Punkt;
    szene.SzenePunkt = punkt(1e10, 0, 0);
    Optionen optionen;
    RecordingMeldungen meldungen;
    {
        ScenePainter painter(view, szene, optionen, meldungen);
        RecordingCanvas canvas;
        painter.paint(canvas);
    }
    QCoreApplication::processEvents();
    EXPECT_TRUE(meldungen.eintraege.empty());
}

TEST(ScenePainter, ZeroVectorProductMessageQueuedOnce) {
    PainterFixture f;
    f.szene.art = Szenenart::Vektorprodukt;
    f.szene.SzeneVek1 = punkt(1, 2, 3, farbe::Gelb, "p");
    f.szene.SzeneVek2 = punkt(-2, -4, -6, farbe::Lime, "q");
    f.paint();
    EXPECT_TRUE(f.meldungen.eintraege.empty());
    EXPECT_EQ(f.szene.art, Szenenart::keine);
    f.paint();
    f.runQueued();
    ASSERT_EQ(f.meldungen.eintraege.size(), 1u);
    EXPECT_EQ(f.meldungen.eintraege[0].art, "abbrechen");
    EXPECT_EQ(f.meldungen.eintraege[0].text, meldung::Vektorprodukt_Null);
}

TEST(ScenePainter, OptionSwitchedOnByTheSceneReachesTheCheckMarks) {
    PainterFixture f;
    int syncs = 0;
    f.painter.onOptionsChanged = [&] { ++syncs; };
    f.szene.art = Szenenart::KugelPunkt;
    TKugel K;
    K.M = punkt(0, 0, 0, farbe::Lime, "M");
    K.r = 3;
    K.Farbe = farbe::Lime;
    f.szene.SzeneKugel = K;
    f.szene.SzenePunkt = punkt(0, 3, 0, farbe::Gelb, "P");
    f.paint();
    EXPECT_TRUE(f.optionen.Parameterdarstellung);
    EXPECT_EQ(syncs, 1);
    f.paint();
    EXPECT_EQ(syncs, 1);
    // The user switches it off in the menu; the next picture switches it on again and says so.
    f.optionen.Parameterdarstellung = false;
    f.paint();
    EXPECT_EQ(syncs, 2);
}

TEST(SceneImage, RendersThroughQPainter) {
    ViewState view;
    view.setSize(584, 584);
    Szene szene;
    Optionen optionen;
    szene.art = Szenenart::Punkt;
    szene.SzenePunkt = punkt(0, 0, 5, farbe::Gelb, "P");

    // P projects to (171, 412 − 5·41) = (171, 207).
    QImage bild = renderScene(view, szene, optionen);
    ASSERT_EQ(bild.width(), 584);
    ASSERT_EQ(bild.height(), 584);
    const QRgb hintergrund = qRgb(0x0A, 0x24, 0x6A); // 0x6A240A in 0x00BBGGRR
    const QRgb gelb = qRgb(0xFF, 0xFF, 0x00);
    EXPECT_EQ(bild.pixel(20, 300), hintergrund);
    // The positive y-axis, solid white from (171, 412) to (581, 412).
    EXPECT_EQ(bild.pixel(400, 412), qRgb(0xFF, 0xFF, 0xFF));
    // The point's frame (x from 169 to 172) and the position vector, width 2, on the z-axis.
    EXPECT_EQ(bild.pixel(169, 207), gelb);
    EXPECT_EQ(bild.pixel(171, 300), gelb);

    // Black and white: white background, black strokes.
    view.Hintergrundfarbe = 0xFFFFFF;
    view.farbig = false;
    bild = renderScene(view, szene, optionen);
    EXPECT_EQ(bild.pixel(20, 300), qRgb(0xFF, 0xFF, 0xFF));
    EXPECT_EQ(bild.pixel(171, 300), qRgb(0, 0, 0));
    EXPECT_EQ(bild.pixel(400, 412), qRgb(0, 0, 0));
}
