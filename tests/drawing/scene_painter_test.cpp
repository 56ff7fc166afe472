// The painter: errors of a repaint reported afterwards and once, the queued vector-product
// message, the option check marks, and the picture through the real QPainter canvas.
#include "core/messages.h"
#include "drawing/scene_painter.h"
#include "support/recording_canvas.h"
#include "support/recording_messages.h"

#include <QCoreApplication>
#include <QImage>

#include <gtest/gtest.h>

#include <optional>

namespace {
struct PainterFixture {
    ViewState view;
    Szene szene;
    Optionen optionen;
    RecordingMessages meldungen;
    std::optional<ScenePainter> painter{std::in_place, view, szene, optionen, meldungen};
    RecordingCanvas canvas;

    explicit PainterFixture(Szenenart art = Szenenart::Punkt) {
        view.setSize(584, 584);
        szene.art = art;
    }
    // Paints, lets the queued calls run, and returns the number of messages so far.
    std::size_t paint(int times = 1) {
        for (int i = 0; i < times; ++i) {
            canvas.clear();
            painter->paint(canvas);
        }
        QCoreApplication::processEvents();
        return meldungen.eintraege.size();
    }
};
} // namespace

TEST(ScenePainter, PaintErrorIsReportedQueuedAndOnlyOncePerSceneAndView) {
    PainterFixture f;
    // Far outside the 32-bit pixel range: the projection raises the range error.
    f.szene.SzenePunkt = punkt(1e10, 0, 0, farbe::Gelb, "P");
    EXPECT_NO_THROW(f.painter->paint(f.canvas));
    EXPECT_TRUE(f.meldungen.eintraege.empty()); // nothing from inside the paint
    // The picture stopped at the failing point: the coordinate system is there.
    EXPECT_FALSE(f.canvas.segments.empty());
    QCoreApplication::processEvents();
    EXPECT_EQ(f.meldungen.arten(), (std::vector<std::string>{"piep", "fehler", "ausnahme"}));
    EXPECT_EQ(f.meldungen.eintraege[1].text, meldung::Eingabefehler);

    EXPECT_EQ(f.paint(2), 3u); // repaints of the same scene and view stay silent
    f.szene.SzenePunkt.x = 2e10;
    EXPECT_EQ(f.paint(), 6u); // a changed scene fails again and is reported again
    f.view.WinkelZ = 10;
    EXPECT_EQ(f.paint(), 9u); // so does a changed view
    // A working picture in between clears the memory: going back to the failing point fails
    // anew and is reported.
    f.szene.SzenePunkt.x = 1;
    f.paint();
    f.szene.SzenePunkt.x = 2e10;
    EXPECT_EQ(f.paint(), 12u);
}

TEST(ScenePainter, ErrorGoesToTheConnectedHandlerAndQueuedCallsDieWithThePainter) {
    PainterFixture f;
    int gemeldet = 0;
    f.painter->onError = [&](const std::exception*) { ++gemeldet; };
    f.szene.SzenePunkt = punkt(0, 0, 1e12, farbe::Gelb, "P");
    f.painter->paint(f.canvas);
    EXPECT_EQ(gemeldet, 0);
    EXPECT_EQ(f.paint(0), 0u);
    EXPECT_EQ(gemeldet, 1);

    PainterFixture g;
    g.szene.SzenePunkt = punkt(1e10, 0, 0);
    g.painter->paint(g.canvas);
    g.painter.reset();
    EXPECT_EQ(g.paint(0), 0u);
}

TEST(ScenePainter, ZeroVectorProductMessageQueuedOnce) {
    PainterFixture f(Szenenart::Vektorprodukt);
    f.szene.SzeneVek1 = punkt(1, 2, 3, farbe::Gelb, "p");
    f.szene.SzeneVek2 = punkt(-2, -4, -6, farbe::Lime, "q");
    f.painter->paint(f.canvas);
    EXPECT_TRUE(f.meldungen.eintraege.empty());
    EXPECT_EQ(f.szene.art, Szenenart::keine);
    f.paint();
    EXPECT_EQ(f.meldungen.eintraege, (std::vector<RecordingMessages::Eintrag>{
                                         {"abbrechen", meldung::Vektorprodukt_Null}}));
}

TEST(ScenePainter, OptionSwitchedOnByTheSceneReachesTheCheckMarks) {
    PainterFixture f(Szenenart::KugelPunkt);
    int syncs = 0;
    f.painter->onOptionsChanged = [&] { ++syncs; };
    f.szene.SzeneKugel.r = 3;
    f.szene.SzenePunkt = punkt(0, 3, 0, farbe::Gelb, "P");
    f.paint(2);
    EXPECT_TRUE(f.optionen.Parameterdarstellung);
    EXPECT_EQ(syncs, 1);
    // The user switches it off in the menu; the next picture switches it on again and says so.
    f.optionen.Parameterdarstellung = false;
    f.paint();
    EXPECT_EQ(syncs, 2);
}

TEST(SceneImage, RendersThroughQPainter) {
    PainterFixture f;
    f.szene.SzenePunkt = punkt(0, 0, 5, farbe::Gelb, "P");
    // P projects to (171, 412 − 5·41) = (171, 207).
    QImage bild = renderScene(f.view, f.szene, f.optionen);
    ASSERT_EQ(bild.size(), QSize(584, 584));
    const QRgb gelb = qRgb(0xFF, 0xFF, 0x00), weiss = qRgb(0xFF, 0xFF, 0xFF);
    EXPECT_EQ(bild.pixel(20, 300), qRgb(0x0A, 0x24, 0x6A)); // 0x6A240A in 0x00BBGGRR
    EXPECT_EQ(bild.pixel(400, 412), weiss); // the positive y-axis from (171, 412) to (581, 412)
    // The point's frame (x from 169 to 172) and the position vector, width 2, on the z-axis.
    EXPECT_EQ(bild.pixel(169, 207), gelb);
    EXPECT_EQ(bild.pixel(171, 300), gelb);
}
