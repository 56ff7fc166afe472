// The sheet's window, rendered offscreen.
#include "sheet/sheet_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QMouseEvent>
#include <QPixmap>
#include <QScrollBar>

namespace {
int dunklePixel(const QImage& bild, const QRect& r) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (bild.pixelColor(x, y).lightness() < 128) ++n;
    return n;
}

void klicke(QWidget* w, QPoint pos, Qt::MouseButton knopf) {
    QMouseEvent e(QEvent::MouseButtonPress, QPointF(pos), w->mapToGlobal(QPointF(pos)), knopf,
                  knopf, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}
} // namespace

TEST(SheetWindow, ShowsThePictureTwiceItsSizeAndPassesClicksOn) {
    bool farbig = true;
    Sheet s(10, 10, farbig);
    TErgebnisDLG fenster(s);
    fenster.setzeGeometrie(20, 30, 300, 200);
    EXPECT_EQ(fenster.geometry(), QRect(20, 30, 300, 200));
    EXPECT_EQ(s.breite(), 600);
    EXPECT_EQ(s.hoehe(), 400);
    EXPECT_EQ(fenster.bildWidget()->size(), QSize(600, 400));
    EXPECT_EQ(fenster.bildWidget()->toolTip(), QString::fromUtf8(" Werte ändern mit Maustaste "));
    EXPECT_EQ(s.zeilen(), std::vector<std::string>{" Ergebnisse:"});

    fenster.show();
    QApplication::processEvents();
    // The heading is visible at the top left, the rest of the visible part is white.
    QImage bild = fenster.grab().toImage();
    EXPECT_GT(dunklePixel(bild, QRect(4, 1, 77, 12)), 20);
    EXPECT_EQ(dunklePixel(bild, QRect(100, 60, 100, 60)), 0);

    // A text written later shows after the repaint the sheet asks for.
    s.Outtext(120, 70, "MMMMMMMMMM");
    QApplication::processEvents();
    bild = fenster.grab().toImage();
    EXPECT_GT(dunklePixel(bild, QRect(100, 60, 100, 60)), 50);

    // Scrolled by (50, 30): a click at (10, 10) in the visible area is (60, 40) on the picture.
    fenster.horizontalScrollBar()->setValue(50);
    fenster.verticalScrollBar()->setValue(30);
    QApplication::processEvents();
    std::vector<std::tuple<bool, int, int>> klicks;
    fenster.mausGedrueckt = [&](bool links, int x, int y) { klicks.emplace_back(links, x, y); };
    QWidget* bildW = fenster.bildWidget();
    klicke(bildW, bildW->mapFrom(fenster.viewport(), QPoint(10, 10)), Qt::LeftButton);
    klicke(bildW, bildW->mapFrom(fenster.viewport(), QPoint(10, 10)), Qt::RightButton);
    const std::vector<std::tuple<bool, int, int>> erwartet = {{true, 60, 40}, {false, 60, 40}};
    EXPECT_EQ(klicks, erwartet);
}
