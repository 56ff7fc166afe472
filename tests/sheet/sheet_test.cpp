// The sheet's canvas, text cursor and the two layout primitives. "Courier New" 8 pt at 96 dpi is
// Liberation Mono: 7 px a character, 12 px a row; the expected pixels are counted from that.
#include "core/errors.h"
#include "sheet/sheet.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QFontInfo>

#include <climits>

namespace {
// Non-white pixels inside / outside the rectangle [x0, x1) × [y0, y1), and coloured ones.
struct Tinte {
    int innen = 0, aussen = 0, bunt = 0;
};
Tinte tinte(const QImage& bild, int x0, int y0, int x1, int y1) {
    Tinte t;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x) {
            const QColor c = bild.pixelColor(x, y);
            if (c == Qt::white) continue;
            (x >= x0 && x < x1 && y >= y0 && y < y1 ? t.innen : t.aussen)++;
            if (c.red() != c.green() || c.green() != c.blue()) t.bunt++;
        }
    return t;
}
} // namespace

TEST(Sheet, LoeschenLeavesOnlyTheHeadingInBlackCourier) {
    bool farbig = true;
    Sheet s(300, 200, farbig);
    s.Schriftfarbe(farbe::Rot);
    s.Outtext(50, 80, "Altes");
    s.anker.punkt[0].gesetzt = true;
    s.loeschen();

    ASSERT_EQ(s.protokoll().size(), 1u);
    const SheetText& t = s.protokoll()[0];
    EXPECT_EQ(std::tie(t.x, t.y, t.text, t.farbe), std::make_tuple(4, 1, "Ergebnisse:", 0u));
    EXPECT_FALSE(s.anker.punkt[0].gesetzt);
    const QFont& f = s.schrift();
    EXPECT_TRUE(f.family() == "Courier New" && f.pointSize() == 8 && f.fixedPitch() && !f.bold());
    EXPECT_EQ(QFontInfo(f).family(), "Liberation Mono");
    EXPECT_EQ(std::make_pair(s.h(), s.breiteM()), std::make_pair(12, 7));
    // White except the cell of "Ergebnisse:" (11 characters from (4, 1)), inked in grey.
    const Tinte i = tinte(s.bild(), 4, 1, 4 + 11 * 7, 13);
    EXPECT_TRUE(i.innen > 30 && i.aussen == 0 && i.bunt == 0);
}

TEST(Sheet, SchriftfarbeOnlyColoursInColourMode) {
    bool farbig = false;
    Sheet s(300, 100, farbig);
    s.Schriftfarbe(farbe::Dunkelrot);
    s.Outtext(4, 30, "P(1/2/5)");
    EXPECT_EQ(s.protokoll().back().farbe, farbe::Schwarz);
    EXPECT_EQ(tinte(s.bild(), 0, 0, 300, 100).bunt, 0);
    farbig = true; // read when the colour is chosen
    s.Schriftfarbe(farbe::Dunkelrot);
    s.Outtext(4, 60, "Q");
    EXPECT_GT(tinte(s.bild(), 0, 0, 300, 100).bunt, 5);
}

TEST(Sheet, TextCursorAdvancesByTheHeightOfM) {
    bool farbig = true;
    Sheet s(300, 200, farbig);
    int y = 14, g = 0;
    s.Gety(g);
    EXPECT_EQ(g, 13); // below "Ergebnisse:"
    s.next_zeile(y);
    s.newLine(y);
    s.movey(3, y);
    EXPECT_EQ(y, 74);
    s.Outtextln(10, y, "Zeile");
    s.Gety(g);
    s.u(y);
    EXPECT_EQ(std::make_pair(y, g), std::make_pair(98, 86));
    EXPECT_EQ(s.zeilen().back(), " " + std::string(32, '-'));
}

TEST(Sheet, PunktAusgebenAnchorsTheCoordinates) {
    bool farbig = true;
    Sheet s(400, 100, farbig);
    PointAnchor a;
    s.Punkt_ausgeben(punkt(1, 2, 3, 0, "M1"), 10, &a, 20);
    EXPECT_EQ(s.protokoll().back().text, "M1(1/2/3)");
    // x2 = 10 + 4·7 is where the first "/" starts, x3 = 10 + 7·7 the start of the "3".
    EXPECT_EQ(std::tie(a.x1, a.x2, a.x3, a.y), std::make_tuple(10, 38, 59, 20));

    s.Punkt_ausgeben(punkt(-12.5, 0.0006, 100, 0, "P"), 4, &a, 40);
    EXPECT_EQ(s.protokoll().back().text, "P(-12.5/0.001/100)");
    EXPECT_EQ(std::tie(a.x2, a.x3), std::make_tuple(4 + 7 * 7, 4 + 14 * 7));
}

TEST(Sheet, VectorAusgebenWritesAnAlignedColumn) {
    bool farbig = true;
    Sheet s(400, 200, farbig);
    ColumnAnchor a;
    int w = 0;
    s.Vector_ausgeben(punkt(1, -12.5, 100), 32, w, &a, 50);
    EXPECT_EQ(w, 9);
    const std::vector<std::string> zeilen = {" Ergebnisse:", "     |     1 |", "     | -12.5 |",
                                             "     |   100 |"};
    EXPECT_EQ(s.zeilen(), zeilen);
    EXPECT_EQ(std::tie(a.links, a.rechts), std::make_tuple(32, 32 + 7 * 7)); // " -12.5 "
    EXPECT_EQ(std::tie(a.y0, a.y1, a.y2, a.y3), std::make_tuple(50, 62, 74, 86));

    s.Vector_ausgeben(punkt(3, 4, 5), 100, w, &a, 0);
    EXPECT_EQ(w, 5);
    EXPECT_EQ(a.rechts, 100 + 3 * 7);
}

TEST(Sheet, PixelArithmeticRaisesOverflowInsteadOfWrapping) {
    bool farbig = true;
    Sheet s(100, 100, farbig);
    int y = INT_MAX - 5;
    EXPECT_THROW(s.next_zeile(y), OverflowError);
    EXPECT_EQ(y, INT_MAX - 5);
    y = 0;
    EXPECT_THROW(s.movey(INT_MAX / 6, y), OverflowError);
    PointAnchor a;
    EXPECT_THROW(s.Punkt_ausgeben(punkt(1, 2, 3, 0, "P"), INT_MAX - 10, &a, 0), OverflowError);
    s.Outtext(INT_MAX, INT_MAX, "weit weg"); // clipped, not drawn
    EXPECT_THROW(s.Gety(y), OverflowError);
}

TEST(Sheet, ZeilenLaysTheLogOutInCharacterColumns) {
    bool farbig = true;
    Sheet s(600, 200, farbig);
    s.Outtext(4, 14, "A");
    s.Outtext(4 + 3 * 7, 14, "B  ");
    s.Outtext(4, 40, "Größe ´x´");
    s.Outtext(4 + 2 * 7, 40, "ü"); // over the "ö", as on the picture
    s.Outtext(4, -11, "2");
    const std::vector<std::string> erwartet = {" 2", " Ergebnisse:", " A  B", " Grüße ´x´"};
    EXPECT_EQ(s.zeilen(), erwartet);
}
