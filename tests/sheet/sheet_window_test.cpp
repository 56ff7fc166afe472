// The sheet's window, rendered offscreen; each new report starts at its top.
#include "sheet/sheet_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>

namespace {
int dunkel(const QImage& bild, const QRect& r) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) n += bild.pixelColor(x, y).lightness() < 128;
    return n;
}
} // namespace

TEST(SheetWindow, ShowsThePictureTwiceItsSizeAndPassesClicksOn) {
    bool farbig = true;
    Sheet s(10, 10, farbig);
    TErgebnisDLG fenster(s);
    fenster.setzeGeometrie(20, 30, 300, 900);
    EXPECT_EQ(fenster.geometry(), QRect(20, 30, 300, 900));
    EXPECT_EQ(s.bild().size(), QSize(600, 1800));
    EXPECT_EQ(fenster.bildWidget()->size(), QSize(600, 1800));
    // A low window still gets a picture high enough for the longest report.
    fenster.setzeGeometrie(20, 30, 300, 200);
    EXPECT_EQ(s.bild().size(), QSize(600, MindestBildhoehe));
    EXPECT_EQ(fenster.bildWidget()->toolTip(), QString::fromUtf8(" Werte ändern mit Maustaste "));

    fenster.show();
    QApplication::processEvents();
    EXPECT_GT(dunkel(fenster.grab().toImage(), QRect(4, 1, 77, 12)), 20); // "Ergebnisse:"
    EXPECT_EQ(dunkel(fenster.grab().toImage(), QRect(100, 60, 100, 60)), 0);
    s.Outtext(120, 70, "MMMMMMMMMM"); // shown after the repaint the sheet asks for
    QApplication::processEvents();
    EXPECT_GT(dunkel(fenster.grab().toImage(), QRect(100, 60, 100, 60)), 50);

    // Scrolled by (50, 30): a click at (10, 10) of the visible area is (60, 40) on the picture.
    fenster.horizontalScrollBar()->setValue(50);
    fenster.verticalScrollBar()->setValue(30);
    QApplication::processEvents();
    std::vector<std::tuple<bool, int, int>> klicks;
    fenster.mausGedrueckt = [&](bool links, int x, int y) { klicks.emplace_back(links, x, y); };
    QWidget* bild = fenster.bildWidget();
    const QPointF pos = bild->mapFrom(fenster.viewport(), QPoint(10, 10));
    for (Qt::MouseButton knopf : {Qt::LeftButton, Qt::RightButton}) {
        QMouseEvent e(QEvent::MouseButtonPress, pos, bild->mapToGlobal(pos), knopf, knopf,
                      Qt::NoModifier);
        QApplication::sendEvent(bild, &e);
    }
    const std::vector<std::tuple<bool, int, int>> erwartet = {{true, 60, 40}, {false, 60, 40}};
    EXPECT_EQ(klicks, erwartet);
}

TEST(SheetWindow, ANewReportStartsAtTheTopOfTheSheet) {
    bool farbig = true;
    Sheet s(10, 10, farbig);
    TErgebnisDLG fenster(s);
    fenster.setzeGeometrie(0, 0, 200, 150);
    fenster.show();
    QApplication::processEvents();
    QScrollBar* senkrecht = fenster.verticalScrollBar();
    ASSERT_GT(senkrecht->maximum(), 100);
    auto unten = [&] {
        senkrecht->setValue(senkrecht->maximum());
        fenster.horizontalScrollBar()->setValue(50);
    };

    unten();
    s.loeschen(); // a task writes a new report
    EXPECT_EQ(senkrecht->value(), 0);
    EXPECT_EQ(fenster.horizontalScrollBar()->value(), 0);

    // A click on a number writes the report again where the user is looking.
    fenster.mausGedrueckt = [&](bool, int, int) { s.loeschen(); };
    unten();
    const int vorher = senkrecht->value();
    fenster.bildGeklickt(true, 10, 10);
    EXPECT_EQ(senkrecht->value(), vorher);
    s.loeschen();
    EXPECT_EQ(senkrecht->value(), 0);
}
