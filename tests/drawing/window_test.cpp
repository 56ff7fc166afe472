#include "core/errors.h"
#include "drawing/drawing_window.h"
#include "drawing/primitives.h"
#include "drawing/qt_canvas.h"
#include "support/recording_messages.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QImage>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <gtest/gtest.h>

namespace {
struct Window {
    ViewState view;
    Optionen optionen;
    Szene szene;
    RecordingMeldungen meldungen;
    TZeichnungsDlg dlg{view, optionen, szene, meldungen};

    Window() { dlg.placeAt(0, 0, 584); }

    void mouse(QEvent::Type type, int x, int y, Qt::MouseButton button = Qt::LeftButton) {
        const QPointF p(x, y);
        QMouseEvent e(type, p, p, type == QEvent::MouseMove ? Qt::NoButton : button,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : button, Qt::NoModifier);
        QApplication::sendEvent(&dlg, &e);
    }
    void press(int x, int y) { mouse(QEvent::MouseButtonPress, x, y); }
    void move(int x, int y) { mouse(QEvent::MouseMove, x, y); }
    void release(int x, int y) { mouse(QEvent::MouseButtonRelease, x, y); }
    void click(const char* button) {
        auto* b = dlg.findChild<QAbstractButton*>(QString::fromLatin1(button));
        ASSERT_NE(b, nullptr) << button;
        b->click();
    }
    void pressOn(const char* name) {
        auto* w = dlg.findChild<QWidget*>(QString::fromLatin1(name));
        ASSERT_NE(w, nullptr) << name;
        QMouseEvent e(QEvent::MouseButtonPress, QPointF(3, 3), QPointF(3, 3), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }
    QImage render() {
        QImage image(dlg.size(), QImage::Format_RGB32);
        dlg.render(&image);
        return image;
    }
};

QRgb rgb(TFarbe c) {
    return toQColor(c).rgb();
}
} // namespace

TEST(DrawingWindow, GeometryOriginAndPanels) {
    Window w;
    EXPECT_EQ(w.dlg.width(), 584);
    EXPECT_EQ(w.dlg.height(), 584);
    EXPECT_EQ(w.view.UrsprungX, 171);
    EXPECT_EQ(w.view.UrsprungY, 412);
    auto at = [&](const char* name) {
        return w.dlg.findChild<QWidget*>(QString::fromLatin1(name))->geometry();
    };
    EXPECT_EQ(at("Panel1"), QRect(397, 497, 185, 85));
    EXPECT_EQ(at("Panel2"), QRect(429, 2, 153, 121));
    EXPECT_EQ(at("Panel3"), QRect(2, 565, 185, 17));
    EXPECT_EQ(at("Panel4"), QRect(445, 493, 137, 89));
    EXPECT_TRUE(w.dlg.findChild<QWidget*>("Panel4")->isHidden());
    EXPECT_TRUE(w.dlg.findChild<QWidget*>("Memo1")->isHidden());
}

TEST(DrawingWindow, UnitButtonsAndStandards) {
    Window w;
    w.click("SpeedButton2");
    EXPECT_EQ(w.view.EinheitenX, 5);
    w.click("SpeedButton2");
    EXPECT_EQ(w.view.EinheitenX, 5);
    w.click("SpeedButton1");
    EXPECT_EQ(w.view.EinheitenX, 15);
    w.click("SpeedButton3");
    w.click("SpeedButton6");
    EXPECT_EQ(w.view.EinheitenY, 20);
    EXPECT_EQ(w.view.EinheitenZ, 5);

    // Rotation standard: origin and angles back, units kept.
    w.dlg.findChild<QScrollBar*>("ScrollBar1")->setValue(90);
    w.dlg.findChild<QScrollBar*>("ScrollBar3")->setValue(-45);
    EXPECT_EQ(w.view.WinkelZ, 90);
    EXPECT_EQ(w.view.WinkelX, -45);
    w.view.UrsprungX = 50;
    w.click("BitBtn1");
    EXPECT_EQ(w.view.UrsprungX, 171);
    EXPECT_EQ(w.view.WinkelZ, 0);
    EXPECT_EQ(w.view.WinkelX, 0);
    EXPECT_EQ(w.dlg.findChild<QScrollBar*>("ScrollBar1")->value(), 0);
    EXPECT_EQ(w.view.EinheitenX, 15);

    // Units standard: units back, origin and angles kept.
    w.view.UrsprungX = 60;
    w.dlg.findChild<QScrollBar*>("ScrollBar2")->setValue(30);
    w.click("SpeedButton7");
    EXPECT_EQ(w.view.EinheitenX, 10);
    EXPECT_EQ(w.view.EinheitenY, 10);
    EXPECT_EQ(w.view.EinheitenZ, 10);
    EXPECT_EQ(w.view.UrsprungX, 60);
    EXPECT_EQ(w.view.WinkelY, 30);
}

TEST(DrawingWindow, OriginDragWithinFivePixels) {
    Window w;
    w.press(177, 412); // 6 pixels away: nothing
    w.press(171, 406);
    EXPECT_TRUE(w.meldungen.eintraege.empty());
    EXPECT_FALSE(w.view.Verschieben);
    w.move(200, 300);
    EXPECT_EQ(w.view.UrsprungX, 171);

    w.press(176, 417); // 5 pixels in both directions: beep and drag
    EXPECT_EQ(w.meldungen.arten(), std::vector<std::string>{"piep"});
    EXPECT_TRUE(w.view.Verschieben);
    w.move(200, 300);
    EXPECT_EQ(w.view.UrsprungX, 200);
    EXPECT_EQ(w.view.UrsprungY, 300);
    w.release(200, 300);
    EXPECT_FALSE(w.view.Verschieben);
    w.move(250, 250);
    EXPECT_EQ(w.view.UrsprungX, 200);

    // Other buttons do nothing.
    w.mouse(QEvent::MouseButtonPress, 200, 300, Qt::MiddleButton);
    EXPECT_FALSE(w.view.Verschieben);
    EXPECT_EQ(w.meldungen.eintraege.size(), 1u);
}

TEST(DrawingWindow, HintOnlyNearTheOrigin) {
    Window w;
    w.move(173, 410);
    EXPECT_TRUE(w.dlg.originHintShown());
    w.move(300, 300);
    EXPECT_FALSE(w.dlg.originHintShown());
}

TEST(DrawingWindow, BackgroundSquares) {
    Window w;
    w.pressOn("Shape6");
    EXPECT_EQ(w.view.Hintergrundfarbe, 0xFFFFFFu);
    EXPECT_FALSE(w.view.farbig);
    w.pressOn("Shape3");
    EXPECT_EQ(w.view.Hintergrundfarbe, 0xFF0000u);
    EXPECT_TRUE(w.view.farbig);
    w.pressOn("Shape1");
    EXPECT_EQ(w.view.Hintergrundfarbe, 0xDDDDDDu);
    w.pressOn("Shape5");
    EXPECT_EQ(w.view.Hintergrundfarbe, 0u);
    EXPECT_TRUE(w.view.farbig);
}

TEST(DrawingWindow, ContextMenuOptionsAndGroups) {
    Window w;
    QAction* spur = w.dlg.menuEntry("Gerade", "Spurpunke zeigen");
    ASSERT_NE(spur, nullptr);
    EXPECT_FALSE(spur->isChecked());
    spur->trigger();
    EXPECT_TRUE(w.optionen.Spurpunkte);
    EXPECT_TRUE(spur->isChecked());
    spur->trigger();
    EXPECT_FALSE(w.optionen.Spurpunkte);
    EXPECT_FALSE(spur->isChecked());

    const char* ebene[] = {"Koordinaten-Schnittpunkte zeigen", "Spurgeraden zeigen",
                           "Parameterdarstellung zeigen",      "Quaderdarstellung zeigen",
                           "Quaderschnittpunkte zeigen",       "HilfsQuader zeigen"};
    for (const char* caption : ebene)
        w.dlg.menuEntry("Ebene", QString::fromUtf8(caption))->trigger();
    EXPECT_TRUE(w.optionen.KoordSchnittpunkte && w.optionen.Spurgeraden &&
                w.optionen.Parameterdarstellung && w.optionen.Quaderdarstellung &&
                w.optionen.Quaderschnittpunkte && w.optionen.HilfsQuader);
    w.dlg.menuEntry("", QString::fromUtf8("Dreieck mit Höhengeraden"))->trigger();
    EXPECT_TRUE(w.optionen.DreieckHoehen);

    // A scene switches a flag: the check mark follows after the sync.
    w.optionen.Parameterdarstellung = false;
    w.optionen.Projektionsgeraden = true;
    w.dlg.syncOptionChecks();
    EXPECT_FALSE(w.dlg.menuEntry("Ebene", "Parameterdarstellung zeigen")->isChecked());
    EXPECT_TRUE(w.dlg.menuEntry("Gerade", "Projektonsgeraden zeigen")->isChecked());

    using G = TZeichnungsDlg::Gruppe;
    EXPECT_TRUE(w.dlg.isGroupEnabled(G::Gerade));
    EXPECT_TRUE(w.dlg.isGroupEnabled(G::Ebene));
    EXPECT_FALSE(w.dlg.isGroupEnabled(G::ZweidimDreieck));
    EXPECT_FALSE(w.dlg.isGroupEnabled(G::Ellipse));
    EXPECT_FALSE(w.dlg.isGroupEnabled(G::AffineAbbildungen));
    EXPECT_NE(w.dlg.menuEntry("Zweidim. Dreieck", "allen besondere Linien"), nullptr);
    EXPECT_NE(w.dlg.menuEntry("Affine Abbildungen", "Invariantes Rrechtwinkelpaar"), nullptr);
    w.dlg.setGroupEnabled(G::Ellipse, true);
    w.dlg.setGroupEnabled(G::Gerade, false);
    EXPECT_TRUE(w.dlg.isGroupEnabled(G::Ellipse));
    EXPECT_FALSE(w.dlg.isGroupEnabled(G::Gerade));

    int helpCalls = 0;
    w.dlg.onCalculationHelp = [&] { ++helpCalls; };
    w.dlg.menuEntry("", "Rechenhilfe")->trigger();
    EXPECT_EQ(helpCalls, 1);

    QAction* hilfe = w.dlg.menuEntry("", "Hilfe");
    hilfe->trigger();
    EXPECT_TRUE(w.dlg.helpVisible());
    hilfe->trigger();
    EXPECT_FALSE(w.dlg.helpVisible());
    hilfe->trigger();
    auto* memo = w.dlg.findChild<QPlainTextEdit*>("Memo1");
    EXPECT_TRUE(memo->toPlainText().startsWith("Hilfestellungen:\n\n1.)"));
    QMouseEvent e(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                  Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(memo->viewport(), &e);
    EXPECT_FALSE(w.dlg.helpVisible());
}

TEST(DrawingWindow, ClearingForgetsTheSceneButKeepsOptions) {
    Window w;
    w.szene.art = Szenenart::Kugel;
    w.optionen.Spurgeraden = true;
    w.dlg.loeschen();
    EXPECT_EQ(w.szene.art, Szenenart::keine);
    EXPECT_TRUE(w.optionen.Spurgeraden);
}

TEST(DrawingWindow, PlaneModeAndReturn) {
    Window w;
    w.szene.art = Szenenart::Gerade;
    w.dlg.switchToPlaneMode();
    EXPECT_TRUE(w.view.zweidim);
    EXPECT_EQ(w.szene.art, Szenenart::keine);
    EXPECT_EQ(w.view.Ursprung2X, 292);
    EXPECT_EQ(w.view.Schritt2X, 29);
    EXPECT_TRUE(w.dlg.findChild<QWidget*>("Panel1")->isHidden());
    EXPECT_FALSE(w.dlg.findChild<QWidget*>("Panel4")->isHidden());

    // Dragging the plane origin; the handles follow in model coordinates.
    std::vector<std::pair<double, double>> drags;
    int releases = 0;
    w.dlg.onPlanePress = [](int, int) { return false; };
    w.dlg.onPlaneDrag = [&](double x, double y) { drags.push_back({x, y}); };
    w.dlg.onPlaneRelease = [&] { ++releases; };
    w.press(295, 289);
    EXPECT_TRUE(w.view.Ursprung2Gewaehlt);
    EXPECT_TRUE(w.meldungen.eintraege.empty()); // no beep in 2-D
    w.move(300, 300);
    EXPECT_TRUE(w.view.Bewegt);
    EXPECT_EQ(w.view.Ursprung2X, 300);
    ASSERT_EQ(drags.size(), 1u);
    EXPECT_DOUBLE_EQ(drags[0].first, 0.0);
    w.release(300, 300);
    EXPECT_EQ(releases, 1);
    EXPECT_FALSE(w.view.Verschieben);

    bool back = false;
    w.dlg.setGroupEnabled(TZeichnungsDlg::Gruppe::Ellipse, true);
    w.dlg.onReturnTo3d = [&] { back = true; };
    w.dlg.Panel4Click();
    EXPECT_FALSE(w.view.zweidim);
    EXPECT_TRUE(back);
    EXPECT_FALSE(w.dlg.isGroupEnabled(TZeichnungsDlg::Gruppe::Ellipse));
    EXPECT_FALSE(w.dlg.findChild<QWidget*>("Panel1")->isHidden());
}

TEST(DrawingWindow, PaintsBackgroundThenTheHook) {
    Window w;
    // Without a hook: the coordinate system in white on the caption blue.
    QImage image = w.render();
    EXPECT_EQ(image.pixel(100, 100), rgb(0x6A240A));
    EXPECT_EQ(image.pixel(300, 412), rgb(farbe::Weiss)); // on the positive y-axis

    int calls = 0;
    w.dlg.setPaintHook3d([&](Canvas& c) {
        ++calls;
        Zeichner z{c, w.view, w.optionen};
        Zeichne_koordinatensystem(z, farbe::Weiss);
        PunktZeichnen(z, punkt(0, 5, 0, farbe::Rot, "P"));
    });
    w.pressOn("Shape6"); // white background, black drawing
    image = w.render();
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(image.pixel(100, 100), rgb(farbe::Weiss));
    EXPECT_EQ(image.pixel(300, 412), rgb(farbe::Schwarz));
    // The point's frame at (374 … 377, 410 … 413) is black too.
    EXPECT_EQ(image.pixel(374, 410), rgb(farbe::Schwarz));
}

TEST(DrawingWindow, PaintErrorIsReportedOnceAfterThePaint) {
    Window w;
    w.dlg.setPaintHook3d([](Canvas&) { throw RangeError(fehlertext::Bereichsfehler); });
    w.render();
    EXPECT_TRUE(w.meldungen.eintraege.empty()); // not from inside the paint
    QApplication::processEvents();
    EXPECT_EQ(w.meldungen.arten(), (std::vector<std::string>{"piep", "fehler", "ausnahme"}));
    EXPECT_EQ(w.meldungen.eintraege[2].text, fehlertext::Bereichsfehler);
    w.render(); // the repaint after the box fails the same way: no second report
    QApplication::processEvents();
    EXPECT_EQ(w.meldungen.eintraege.size(), 3u);
    w.dlg.neuZeichnen(); // a change of view or scene: report again
    w.render();
    QApplication::processEvents();
    EXPECT_EQ(w.meldungen.eintraege.size(), 6u);
}

TEST(QtCanvas, PaintsOnAnImage) {
    QImage image(584, 584, QImage::Format_RGB32);
    ViewState view;
    view.setSize(584, 584);
    Optionen optionen;
    {
        QPainter painter(&image);
        QtCanvas canvas(painter);
        paintBackground(canvas, view);
        Zeichner z{canvas, view, optionen};
        Zeichne_koordinatensystem(z, farbe::Weiss);
        PunktZeichnen(z, punkt(0, 5, 0, farbe::Rot, "P"));
        canvas.setPenWidth(2);
        LinieZeichnen(z, punkt(0, 0, 0), punkt(0, 0, 5), farbe::Gelb, PenStyle::Solid);
        canvas.setPixel(20, 20, farbe::Lime);
    }
    EXPECT_EQ(image.pixel(100, 100), rgb(0x6A240A));
    EXPECT_EQ(image.pixel(300, 412), rgb(farbe::Weiss));
    // Point frame: the rectangle (374, 410)–(378, 414) covers 374 … 377; inside the brush.
    EXPECT_EQ(image.pixel(374, 410), rgb(farbe::Rot));
    EXPECT_EQ(image.pixel(377, 413), rgb(farbe::Rot));
    EXPECT_EQ(image.pixel(378, 409), rgb(0x6A240A));
    // The yellow segment up the z-axis to (171, 207).
    EXPECT_EQ(image.pixel(171, 300), rgb(farbe::Gelb));
    EXPECT_EQ(image.pixel(20, 20), rgb(farbe::Lime));
}
