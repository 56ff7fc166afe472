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
using Arten = std::vector<std::string>;
using Ints = std::vector<int>;

void mouse(QWidget* w, QEvent::Type type, int x, int y, Qt::MouseButton b = Qt::LeftButton) {
    QMouseEvent e(type, QPointF(x, y), QPointF(x, y), type == QEvent::MouseMove ? Qt::NoButton : b,
                  type == QEvent::MouseButtonRelease ? Qt::NoButton : b, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

struct Window {
    ViewState view;
    Optionen optionen;
    Szene szene;
    RecordingMessages meldungen;
    TZeichnungsDlg dlg{view, optionen, szene, meldungen};

    Window() { dlg.placeAt(0, 0, 584); }

    QWidget* child(const char* name) { return dlg.findChild<QWidget*>(QString::fromLatin1(name)); }
    QScrollBar* bar(const char* name) { return dlg.findChild<QScrollBar*>(name); }
    void press(int x, int y) { mouse(&dlg, QEvent::MouseButtonPress, x, y); }
    void move(int x, int y) { mouse(&dlg, QEvent::MouseMove, x, y); }
    void release(int x, int y) { mouse(&dlg, QEvent::MouseButtonRelease, x, y); }
    void click(const char* button) {
        dlg.findChild<QAbstractButton*>(QString::fromLatin1(button))->click();
    }
    void pressOn(const char* name) { mouse(child(name), QEvent::MouseButtonPress, 3, 3); }
    void trigger(const char* group, const char* caption) {
        dlg.menuEntry(group, QString::fromUtf8(caption))->trigger();
    }
    Ints units() const { return {view.EinheitenX, view.EinheitenY, view.EinheitenZ}; }
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
    EXPECT_EQ(w.dlg.size(), QSize(584, 584));
    EXPECT_EQ(Ints({w.view.UrsprungX, w.view.UrsprungY}), Ints({171, 412}));
    EXPECT_EQ(w.child("Panel1")->geometry(), QRect(397, 497, 185, 85));
    EXPECT_EQ(w.child("Panel2")->geometry(), QRect(429, 2, 153, 121));
    EXPECT_EQ(w.child("Panel3")->geometry(), QRect(2, 565, 185, 17));
    EXPECT_EQ(w.child("Panel4")->geometry(), QRect(445, 493, 137, 89));
    EXPECT_EQ(w.child("SpeedButton7")->geometry(), QRect(6, 99, 139, 18));
    EXPECT_EQ(w.child("Memo1")->geometry(), QRect(10, 30, 313, 217)); // the help needs no scrolling
    EXPECT_TRUE(w.child("Panel4")->isHidden() && w.child("Memo1")->isHidden());
}

TEST(DrawingWindow, UnitButtonsAndStandards) {
    Window w;
    w.click("SpeedButton2");
    w.click("SpeedButton2"); // never below 5
    EXPECT_EQ(w.view.EinheitenX, 5);
    w.click("SpeedButton1");
    w.click("SpeedButton3");
    w.click("SpeedButton6");
    EXPECT_EQ(w.units(), Ints({15, 20, 5}));

    // Rotation standard: origin and angles back, units kept.
    w.bar("ScrollBar1")->setValue(90);
    w.bar("ScrollBar3")->setValue(-45);
    EXPECT_EQ(Ints({w.view.WinkelZ, w.view.WinkelX}), Ints({90, -45}));
    w.view.UrsprungX = 50;
    w.click("BitBtn1");
    EXPECT_EQ(Ints({w.view.UrsprungX, w.view.WinkelZ, w.view.WinkelX, w.bar("ScrollBar1")->value(),
                    w.view.EinheitenX}),
              Ints({171, 0, 0, 0, 15}));

    // Units standard: units back, origin and angles kept.
    w.view.UrsprungX = 60;
    w.bar("ScrollBar2")->setValue(30);
    w.click("SpeedButton7");
    EXPECT_EQ(w.units(), Ints({10, 10, 10}));
    EXPECT_EQ(Ints({w.view.UrsprungX, w.view.WinkelY}), Ints({60, 30}));
}

TEST(DrawingWindow, OriginDragWithinFivePixelsAndItsHint) {
    Window w;
    w.move(173, 410);
    EXPECT_TRUE(w.dlg.originHintShown());
    w.move(300, 300);
    EXPECT_FALSE(w.dlg.originHintShown());

    w.press(177, 412); // 6 pixels away: nothing
    w.press(171, 406);
    w.move(200, 300);
    EXPECT_TRUE(w.meldungen.eintraege.empty());
    EXPECT_EQ(w.view.UrsprungX, 171);

    w.press(176, 417); // 5 pixels in both directions: beep and drag
    EXPECT_EQ(w.meldungen.arten(), Arten{"piep"});
    w.move(200, 300);
    EXPECT_EQ(Ints({w.view.UrsprungX, w.view.UrsprungY}), Ints({200, 300}));
    w.release(200, 300);
    w.move(250, 250);
    EXPECT_EQ(w.view.UrsprungX, 200);

    // Other buttons do nothing.
    mouse(&w.dlg, QEvent::MouseButtonPress, 200, 300, Qt::MiddleButton);
    EXPECT_FALSE(w.view.Verschieben);
    EXPECT_EQ(w.meldungen.eintraege.size(), 1u);
}

TEST(DrawingWindow, BackgroundSquares) {
    Window w;
    const std::tuple<const char*, TFarbe, bool> squares[] = {{"Shape6", 0xFFFFFF, false},
                                                             {"Shape3", 0xFF0000, true},
                                                             {"Shape1", 0xDDDDDD, true},
                                                             {"Shape5", 0, true}};
    for (auto [name, colour, farbig] : squares) {
        w.pressOn(name);
        EXPECT_EQ(std::make_pair(w.view.Hintergrundfarbe, w.view.farbig),
                  std::make_pair(colour, farbig))
            << name;
    }
}

TEST(DrawingWindow, ContextMenuOptionsGroupsAndHelp) {
    Window w;
    QAction* spur = w.dlg.menuEntry("Gerade", "Spurpunke zeigen");
    for (bool on : {true, false}) {
        spur->trigger();
        EXPECT_EQ(std::make_pair(w.optionen.Spurpunkte, spur->isChecked()), std::make_pair(on, on));
    }
    for (const char* caption :
         {"Koordinaten-Schnittpunkte zeigen", "Spurgeraden zeigen", "Parameterdarstellung zeigen",
          "Quaderdarstellung zeigen", "Quaderschnittpunkte zeigen", "HilfsQuader zeigen"})
        w.trigger("Ebene", caption);
    w.trigger("", "Dreieck mit Höhengeraden");
    const Optionen& o = w.optionen;
    EXPECT_TRUE(o.KoordSchnittpunkte && o.Spurgeraden && o.Parameterdarstellung &&
                o.Quaderdarstellung && o.Quaderschnittpunkte && o.HilfsQuader && o.DreieckHoehen);

    // A scene switches a flag: the check mark follows after the sync.
    w.optionen.Parameterdarstellung = false;
    w.optionen.Projektionsgeraden = true;
    w.dlg.syncOptionChecks();
    EXPECT_FALSE(w.dlg.menuEntry("Ebene", "Parameterdarstellung zeigen")->isChecked());
    EXPECT_TRUE(w.dlg.menuEntry("Gerade", "Projektonsgeraden zeigen")->isChecked());

    // The 3-D groups start enabled, the plane ones disabled but present.
    using G = TZeichnungsDlg::Gruppe;
    EXPECT_TRUE(w.dlg.isGroupEnabled(G::Gerade) && w.dlg.isGroupEnabled(G::Ebene));
    EXPECT_FALSE(w.dlg.isGroupEnabled(G::ZweidimDreieck) || w.dlg.isGroupEnabled(G::Ellipse) ||
                 w.dlg.isGroupEnabled(G::AffineAbbildungen));
    EXPECT_NE(w.dlg.menuEntry("Zweidim. Dreieck", "allen besondere Linien"), nullptr);
    EXPECT_NE(w.dlg.menuEntry("Affine Abbildungen", "Invariantes Rrechtwinkelpaar"), nullptr);

    // "Rechenhilfe" is off until a calculation help is attached.
    QAction* rechenhilfe = w.dlg.menuEntry("", "Rechenhilfe");
    QMenu* popup = w.dlg.findChild<QMenu*>("PopupMenu1");
    emit popup->aboutToShow();
    EXPECT_FALSE(rechenhilfe->isEnabled());
    int helpCalls = 0;
    w.dlg.onCalculationHelp = [&] { ++helpCalls; };
    emit popup->aboutToShow();
    EXPECT_TRUE(rechenhilfe->isEnabled());
    w.trigger("", "Rechenhilfe");
    EXPECT_EQ(helpCalls, 1);
    // "Hilfe" toggles the memo; a click into it closes it.
    w.trigger("", "Hilfe");
    EXPECT_TRUE(w.dlg.helpVisible());
    w.trigger("", "Hilfe");
    EXPECT_FALSE(w.dlg.helpVisible());
    w.trigger("", "Hilfe");
    auto* memo = w.dlg.findChild<QPlainTextEdit*>("Memo1");
    EXPECT_TRUE(memo->toPlainText().startsWith("Hilfestellungen:\n\n1.)"));
    mouse(memo->viewport(), QEvent::MouseButtonPress, 5, 5);
    EXPECT_FALSE(w.dlg.helpVisible());
}

TEST(DrawingWindow, ClearingPlaneModeAndReturn) {
    Window w;
    w.szene.art = Szenenart::Kugel;
    w.optionen.Spurgeraden = true;
    w.dlg.loeschen(); // forgets the scene, keeps the options
    EXPECT_EQ(w.szene.art, Szenenart::keine);
    EXPECT_TRUE(w.optionen.Spurgeraden);

    w.szene.art = Szenenart::Gerade;
    w.dlg.switchToPlaneMode();
    EXPECT_TRUE(w.view.zweidim && w.child("Panel1")->isHidden() && !w.child("Panel4")->isHidden());
    EXPECT_EQ(w.szene.art, Szenenart::keine);
    EXPECT_EQ(Ints({w.view.Ursprung2X, w.view.Schritt2X}), Ints({292, 29}));

    // Dragging the plane origin without a beep; the handles follow in model coordinates.
    std::vector<double> drags;
    int releases = 0;
    w.dlg.onPlanePress = [](int, int) { return false; };
    w.dlg.onPlaneDrag = [&](double x, double) { drags.push_back(x); };
    w.dlg.onPlaneRelease = [&] { ++releases; };
    w.press(295, 289);
    EXPECT_TRUE(w.view.Ursprung2Gewaehlt && w.meldungen.eintraege.empty());
    w.move(300, 300);
    EXPECT_TRUE(w.view.Bewegt);
    EXPECT_EQ(w.view.Ursprung2X, 300);
    EXPECT_EQ(drags, std::vector<double>{0.0});
    w.release(300, 300);
    EXPECT_EQ(releases, 1);
    EXPECT_FALSE(w.view.Verschieben);

    // Back to 3-D: the plane groups are disabled again.
    bool back = false;
    w.dlg.setGroupEnabled(TZeichnungsDlg::Gruppe::Ellipse, true);
    w.dlg.onReturnTo3d = [&] { back = true; };
    w.dlg.Panel4Click();
    EXPECT_TRUE(back && !w.view.zweidim && !w.child("Panel1")->isHidden());
    EXPECT_FALSE(w.dlg.isGroupEnabled(TZeichnungsDlg::Gruppe::Ellipse));
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
        DrawContext z{c, w.view, w.optionen};
        Zeichne_koordinatensystem(z, farbe::Weiss);
    });
    w.pressOn("Shape6"); // white background, black drawing
    image = w.render();
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(image.pixel(100, 100), rgb(farbe::Weiss));
    EXPECT_EQ(image.pixel(300, 412), rgb(farbe::Schwarz));
}

TEST(DrawingWindow, PaintErrorIsReportedOnceAfterThePaint) {
    Window w;
    w.dlg.setPaintHook3d([](Canvas&) { throw RangeError(fehlertext::Bereichsfehler); });
    w.render();
    EXPECT_TRUE(w.meldungen.eintraege.empty()); // not from inside the paint
    QApplication::processEvents();
    EXPECT_EQ(w.meldungen.arten(), (Arten{"piep", "fehler", "ausnahme"}));
    EXPECT_EQ(w.meldungen.eintraege[2].text, fehlertext::Bereichsfehler);
    w.render(); // the repaint after the box fails the same way: no second report
    QApplication::processEvents();
    EXPECT_EQ(w.meldungen.eintraege.size(), 3u);
    w.dlg.redraw(); // a change of view or scene: report again
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
        DrawContext z{canvas, view, optionen};
        Zeichne_koordinatensystem(z, farbe::Weiss);
        PunktZeichnen(z, punkt(0, 5, 0, farbe::Rot, "P"));
        canvas.setPixel(20, 20, farbe::Lime);
        canvas.setPixel(24, 20, farbe::Rot); // a new colour needs a new pen
    }
    // Point frame: the rectangle (374, 410)–(378, 414) covers 374 … 377; inside the brush.
    EXPECT_EQ(image.pixel(374, 410), rgb(farbe::Rot));
    EXPECT_EQ(image.pixel(377, 413), rgb(farbe::Rot));
    EXPECT_EQ(image.pixel(378, 409), rgb(0x6A240A));
    EXPECT_EQ(image.pixel(20, 20), rgb(farbe::Lime));
    EXPECT_EQ(image.pixel(24, 20), rgb(farbe::Rot));
    for (int d : {-1, 1}) EXPECT_NE(image.pixel(20 + d, 20 + d), rgb(farbe::Lime)); // one pixel
}
