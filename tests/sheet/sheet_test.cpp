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
