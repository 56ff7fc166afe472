// The sheet's canvas, text cursor and the two layout primitives. "Courier New" 8 pt at 96 dpi is
// Liberation Mono: 7 px a character, 12 px a row; the expected pixels below are counted from that.
#include "core/errors.h"
#include "sheet/sheet.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QFontInfo>

#include <climits>

namespace {

// Non-white pixels inside and outside the rectangle [x0, x1) × [y0, y1).
struct Tinte {
    int innen = 0, aussen = 0, bunt = 0, rot = 0;
};
Tinte tinteZaehlen(const QImage& bild, int x0, int y0, int x1, int y1) {
    Tinte t;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x) {
            const QColor c = bild.pixelColor(x, y);
            if (c == Qt::white) continue;
            const bool drin = x >= x0 && x < x1 && y >= y0 && y < y1;
            (drin ? t.innen : t.aussen)++;
            if (c.red() != c.green() || c.green() != c.blue()) t.bunt++;
            if (c.red() > c.green() + 40 && c.red() > c.blue() + 40) t.rot++;
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
    s.dText = "7";

    s.loeschen();

    ASSERT_EQ(s.protokoll().size(), 1u);
    EXPECT_EQ(s.protokoll()[0].x, 4);
    EXPECT_EQ(s.protokoll()[0].y, 1);
    EXPECT_EQ(s.protokoll()[0].text, "Ergebnisse:");
    EXPECT_EQ(s.protokoll()[0].farbe, farbe::Schwarz);
    EXPECT_EQ(s.schriftfarbe(), farbe::Schwarz);
    EXPECT_FALSE(s.anker.punkt[0].gesetzt);

    EXPECT_EQ(s.schrift().family(), "Courier New");
    EXPECT_EQ(s.schrift().pointSize(), 8);
    EXPECT_TRUE(s.schrift().fixedPitch());
    EXPECT_FALSE(s.schrift().bold() || s.schrift().italic() || s.schrift().underline() ||
                 s.schrift().strikeOut());
    EXPECT_EQ(QFontInfo(s.schrift()).family(), "Liberation Mono");
    EXPECT_EQ(s.h(), 12);
    EXPECT_EQ(s.breiteM(), 7);

    // White everywhere except the text cell of "Ergebnisse:" (11 characters from (4, 1)), and
    // the ink there is grey, not coloured.
    const Tinte t = tinteZaehlen(s.bild(), 4, 1, 4 + 11 * 7, 1 + 12);
    EXPECT_GT(t.innen, 30);
    EXPECT_EQ(t.aussen, 0);
    EXPECT_EQ(t.bunt, 0);

    int y = 0;
    s.Gety(y);
    EXPECT_EQ(y, 13); // below the heading
}

TEST(Sheet, SchriftfarbeOnlyColoursInColourMode) {
    bool farbig = false;
    Sheet s(300, 100, farbig);
    s.Schriftfarbe(farbe::Dunkelrot);
    s.Outtext(4, 30, "P(1/2/5)");
    EXPECT_EQ(s.protokoll().back().farbe, farbe::Schwarz);
    EXPECT_EQ(tinteZaehlen(s.bild(), 0, 0, 300, 100).bunt, 0);

    // The flag is read when the colour is chosen.
    farbig = true;
    s.Schriftfarbe(farbe::Rot);
    s.Outtext(4, 60, "Q(1/2/5)");
    EXPECT_EQ(s.protokoll().back().farbe, farbe::Rot);
    EXPECT_GT(tinteZaehlen(s.bild(), 0, 0, 300, 100).rot, 10);
    s.Schriftfarbe(0);
    s.Outtext(4, 80, "R");
    EXPECT_EQ(s.protokoll().back().farbe, farbe::Schwarz);
}

TEST(Sheet, TextCursorAdvancesByTheHeightOfM) {
    bool farbig = true;
    Sheet s(300, 200, farbig);
    int y = 14;
    s.next_zeile(y);
    EXPECT_EQ(y, 26);
    s.newLine(y);
    EXPECT_EQ(y, 38);
    s.movey(3, y);
    EXPECT_EQ(y, 74);
    s.movey(-2, y);
    EXPECT_EQ(y, 50);

    s.Outtextln(10, y, "Zeile");
    EXPECT_EQ(y, 62);
    int g = 0;
    s.Gety(g);
    EXPECT_EQ(g, 62); // pen row 50 + 12

    s.u(y);
    EXPECT_EQ(y, 74);
    EXPECT_EQ(s.protokoll().back().x, 4);
    EXPECT_EQ(s.protokoll().back().y, 62);
    EXPECT_EQ(s.protokoll().back().text, std::string(32, '-'));
}

TEST(Sheet, PunktAusgebenAnchorsTheCoordinates) {
    bool farbig = true;
    Sheet s(400, 100, farbig);
    PunktAnker a;
    s.Punkt_ausgeben(punkt(1, 2, 3, 0, "M1"), 10, &a, 20);
    EXPECT_EQ(s.protokoll().back().text, "M1(1/2/3)");
    EXPECT_EQ(s.protokoll().back().x, 10);
    EXPECT_EQ(s.protokoll().back().y, 20);
    EXPECT_TRUE(a.gesetzt);
    EXPECT_EQ(a.x1, 10);
    EXPECT_EQ(a.x2, 10 + 4 * 7); // "M1(1" — the first "/" starts here
    EXPECT_EQ(a.x2, 10 + s.textBreite("M1(1"));
    EXPECT_EQ(a.x3, 10 + 7 * 7); // "M1(1/2/"
    EXPECT_EQ(a.y, 20);

    s.Punkt_ausgeben(punkt(-12.5, 0.0006, 100, 0, "P"), 4, &a, 40);
    EXPECT_EQ(s.protokoll().back().text, "P(-12.5/0.001/100)");
    EXPECT_EQ(a.x2, 4 + 7 * 7);  // "P(-12.5"
    EXPECT_EQ(a.x3, 4 + 14 * 7); // "P(-12.5/0.001/"

    // Without a record nothing is registered, the text is the same.
    s.Punkt_ausgeben(punkt(1, 2, 3, 0, "M1"), 10, nullptr, 60);
    EXPECT_EQ(s.protokoll().back().text, "M1(1/2/3)");
}

TEST(Sheet, VectorAusgebenWritesAnAlignedColumn) {
    bool farbig = true;
    Sheet s(400, 200, farbig);
    SpaltenAnker a;
    int w = 0;
    s.Vector_ausgeben(punkt(1, -12.5, 100), 30, w, &a, 50);
    EXPECT_EQ(w, 9);
    const auto& p = s.protokoll();
    ASSERT_GE(p.size(), 4u);
    EXPECT_EQ(p[p.size() - 3].text, "|     1 |");
    EXPECT_EQ(p[p.size() - 2].text, "| -12.5 |");
    EXPECT_EQ(p[p.size() - 1].text, "|   100 |");
    EXPECT_EQ(p[p.size() - 3].y, 50);
    EXPECT_EQ(p[p.size() - 2].y, 62);
    EXPECT_EQ(p[p.size() - 1].y, 74);
    EXPECT_EQ(p[p.size() - 1].x, 30);
    EXPECT_TRUE(a.gesetzt);
    EXPECT_EQ(a.links, 30);
    EXPECT_EQ(a.rechts, 30 + 7 * 7); // " -12.5 "
    EXPECT_EQ(a.y0, 50);
    EXPECT_EQ(a.y1, 62);
    EXPECT_EQ(a.y2, 74);
    EXPECT_EQ(a.y3, 86);

    s.Vector_ausgeben(punkt(3, 4, 5), 100, w, &a, 0);
    EXPECT_EQ(w, 5);
    EXPECT_EQ(s.protokoll().back().text, "| 5 |");
    EXPECT_EQ(a.rechts, 100 + 3 * 7);
    int g = 0;
    s.Gety(g);
    EXPECT_EQ(g, 36); // the pen stands on the third row
}

TEST(Sheet, PixelArithmeticRaisesOverflowInsteadOfWrapping) {
    bool farbig = true;
    Sheet s(100, 100, farbig);
    int y = INT_MAX - 5;
    EXPECT_THROW(s.next_zeile(y), OverflowError);
    EXPECT_THROW(s.newLine(y), OverflowError);
    EXPECT_EQ(y, INT_MAX - 5);
    y = 0;
    EXPECT_THROW(s.movey(INT_MAX / 6, y), OverflowError);
    y = INT_MIN + 5;
    EXPECT_THROW(s.movey(-1, y), OverflowError);

    // Writing far outside the picture is clipped; the anchors that need sums overflow.
    PunktAnker a;
    EXPECT_THROW(s.Punkt_ausgeben(punkt(1, 2, 3, 0, "P"), INT_MAX - 10, &a, 0), OverflowError);
    SpaltenAnker b;
    int w = 0;
    EXPECT_THROW(s.Vector_ausgeben(punkt(1, 2, 3), 0, w, &b, INT_MAX - 20), OverflowError);
    s.Outtext(INT_MAX, INT_MAX, "weit weg");
    EXPECT_THROW(s.Gety(y), OverflowError);
}

TEST(Sheet, ZeilenLaysTheLogOutInCharacterColumns) {
    bool farbig = true;
    Sheet s(600, 200, farbig);
    s.Outtext(4, 14, "A");
    s.Outtext(4 + 3 * 7, 14, "B  ");
    s.Outtext(4, 40, "Größe ´x´");
    s.Outtext(4 + 2 * 7, 40, "ü"); // over the "ö", as on the picture
    s.Outtext(4, 60, "   ");       // a row of blanks shows nothing
    s.Outtext(4, -11, "2");        // a raised exponent above everything
    const std::vector<std::string> erwartet = {" 2", " Ergebnisse:", " A  B", " Grüße ´x´"};
    EXPECT_EQ(s.zeilen(), erwartet);
}

TEST(Sheet, ReportsEveryChange) {
    bool farbig = true;
    Sheet s(100, 100, farbig);
    int meldungen = 0;
    s.geaendert = [&] { ++meldungen; };
    s.loeschen();
    EXPECT_GE(meldungen, 1);
    meldungen = 0;
    s.Outtext(4, 20, "x");
    EXPECT_EQ(meldungen, 1);
    s.setGroesse(50, 40);
    EXPECT_EQ(meldungen, 2);
    EXPECT_EQ(s.breite(), 50);
    EXPECT_EQ(s.hoehe(), 40);
}
