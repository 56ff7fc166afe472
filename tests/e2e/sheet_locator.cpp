// Finds the result sheet's picture in a screenshot, for the end-to-end test.
//
//   sheet_locator find SCREENSHOT SHEET        prints "X Y": the screen position of the sheet
//                                              picture's pixel (0, 0); exit 1 when not found
//   sheet_locator same SCREENSHOT SHEET X Y    exit 0 when the sheet's top left corner stands
//                                              at (X, Y) on the screen
//   sheet_locator topmost SCREENSHOT RRGGBB X0 X1 Y0
//                                              prints "X Y": the first pixel of exactly that
//                                              colour, row by row from Y0, between columns X0
//                                              and X1; exit 1 when there is none
//
// SHEET is the picture the headless runner saved for the same task. Its top left corner
// ("Ergebnisse:" and the first rows of the report) is compared by its dark pixels, so that
// colours and the smoothing of the font may differ a little between the two.
#include <QImage>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int EckeBreite = 140; // five rows of text
constexpr int EckeHoehe = 64;
constexpr int Dunkel = 128;
constexpr double Noetig = 0.97; // share of the corner's dark pixels that must match

bool dunkel(const QImage& bild, int x, int y) {
    return qGray(bild.pixel(x, y)) < Dunkel;
}

// The corner: which of its pixels are dark, row by row.
struct Ecke {
    std::vector<bool> dunkel;
    long anzahlDunkel = 0;
};

Ecke ecke(const QImage& sheet) {
    Ecke e;
    for (int y = 0; y < EckeHoehe; ++y)
        for (int x = 0; x < EckeBreite; ++x) {
            const bool d = x < sheet.width() && y < sheet.height() && dunkel(sheet, x, y);
            e.dunkel.push_back(d);
            e.anzahlDunkel += d;
        }
    return e;
}

// A few pixels may differ (the smoothing of the font); a dark background or an empty sheet
// differs at once, so the search over a whole screen stays fast.
bool passt(const QImage& schirm, const Ecke& e, int ox, int oy) {
    if (ox < 0 || oy < 0 || ox + EckeBreite > schirm.width() || oy + EckeHoehe > schirm.height())
        return false;
    const auto erlaubt = static_cast<long>((1 - Noetig) * static_cast<double>(e.anzahlDunkel));
    long anders = 0;
    for (int y = 0; y < EckeHoehe; ++y)
        for (int x = 0; x < EckeBreite; ++x)
            if (dunkel(schirm, ox + x, oy + y) != e.dunkel[y * EckeBreite + x] &&
                ++anders > erlaubt)
                return false;
    return true;
}

QImage laden(const char* pfad) {
    QImage bild(QString::fromLocal8Bit(pfad));
    if (bild.isNull()) {
        std::fprintf(stderr, "cannot read %s\n", pfad);
        std::exit(2);
    }
    return bild.convertToFormat(QImage::Format_RGB32);
}

} // namespace

// The topmost pixel of a colour in a band of columns (a figure's highest corner).
int oberstes(const QImage& schirm, QRgb farbe, int x0, int x1, int y0) {
    for (int y = std::max(0, y0); y < schirm.height(); ++y)
        for (int x = std::max(0, x0); x < std::min(x1, schirm.width()); ++x)
            if ((schirm.pixel(x, y) & 0xFFFFFF) == farbe) {
                std::printf("%d %d\n", x, y);
                return 0;
            }
    return 1;
}

int main(int argc, char** argv) {
    const std::string art = argc > 1 ? argv[1] : "";
    if (art == "topmost" && argc == 7)
        return oberstes(laden(argv[2]), static_cast<QRgb>(std::strtoul(argv[3], nullptr, 16)),
                        std::atoi(argv[4]), std::atoi(argv[5]), std::atoi(argv[6]));
    if (!((art == "find" && argc == 4) || (art == "same" && argc == 6))) {
        std::fprintf(stderr, "usage: %s find SCREENSHOT SHEET | same SCREENSHOT SHEET X Y\n",
                     argv[0]);
        return 2;
    }
    const QImage schirm = laden(argv[2]);
    const Ecke e = ecke(laden(argv[3]));
    if (e.anzahlDunkel == 0) return 1;
    if (art == "same") return passt(schirm, e, std::atoi(argv[4]), std::atoi(argv[5])) ? 0 : 1;
    for (int y = 0; y + EckeHoehe <= schirm.height(); ++y)
        for (int x = 0; x + EckeBreite <= schirm.width(); ++x)
            if (passt(schirm, e, x, y)) {
                std::printf("%d %d\n", x, y);
                return 0;
            }
    return 1;
}
