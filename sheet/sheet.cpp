#include "sheet/sheet.h"

#include "core/checked.h"
#include "core/number_text.h"
#include "sheet/qt_colour.h"

#include <QColor>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QString>

#include <algorithm>
#include <cmath>
#include <map>

namespace {
// 96 dots per inch, so that fonts measure the same on the offscreen picture and on the screen.
constexpr int PunkteProMeter = 3780;
constexpr long MaxSpalte = 10000;

QString qtext(const std::string& s) {
    return QString::fromUtf8(s.data(), std::ssize(s));
}

QImage leeresBild(int breite, int hoehe) {
    // A null picture has no resolution and could not measure text; keep at least one pixel.
    QImage bild(std::max(breite, 1), std::max(hoehe, 1), QImage::Format_RGB32);
    bild.setDotsPerMeterX(PunkteProMeter);
    bild.setDotsPerMeterY(PunkteProMeter);
    bild.fill(Qt::white);
    return bild;
}
} // namespace

Sheet::Sheet(int breite, int hoehe, const bool& farbig)
    : bild_(leeresBild(breite, hoehe)), farbig_(farbig) {
    loeschen();
}

void Sheet::setGroesse(int breite, int hoehe) {
    bild_ = leeresBild(breite, hoehe);
    notifyChange();
}

void Sheet::resetCanvas() {
    schriftfarbe_ = farbe::Schwarz;
    schrift_ = QFont(QStringLiteral("Courier New"));
    schrift_.setFixedPitch(true);
    schrift_.setStyleHint(QFont::TypeWriter);
    schrift_.setBold(false);
    schrift_.setItalic(false);
    schrift_.setUnderline(false);
    schrift_.setStrikeOut(false);
    schrift_.setPointSize(8);
    // Full hinting gives whole-pixel advances (7 px a character), so that the width of a text
    // is its length times the width of "M" and the columns of the sheet line up.
    schrift_.setHintingPreference(QFont::PreferFullHinting);
}

void Sheet::loeschen() {
    resetCanvas();
    bild_.fill(Qt::white);
    protokoll_.clear();
    anker.leeren();
    letztesY_ = 0;
    if (geloescht) geloescht();
    Outtext(4, 1, "Ergebnisse:");
}

void Sheet::notifyChange() const {
    if (geaendert) geaendert();
}

int Sheet::textWidth(const std::string& text) const {
    return QFontMetrics(schrift_, &bild_).horizontalAdvance(qtext(text));
}

int Sheet::textHeight(const std::string& /*text*/) const {
    // The height of the font's cell, as the canvas reports it for any single-line text.
    return QFontMetrics(schrift_, &bild_).height();
}

int Sheet::h() const {
    return textHeight("M");
}

void Sheet::Gety(int& y) const {
    y = plus_int(letztesY_, h());
}
void Sheet::next_zeile(int& y) const {
    y = plus_int(y, h());
}
void Sheet::newLine(int& y) const {
    y = plus_int(y, h());
}
void Sheet::movey(int n, int& y) const {
    y = plus_int(y, mal_int(n, h()));
}

void Sheet::u(int& y) {
    Outtext(4, y, "--------------------------------");
    next_zeile(y);
}

void Sheet::Outtext(int x, int y, const std::string& text) {
    const QString t = qtext(text);
    const QFontMetrics fm(schrift_, &bild_);
    const long long breite = fm.horizontalAdvance(t);
    const long long hoehe = fm.height();
    // Text wholly outside the picture is clipped anyway; skipping it keeps far-off coordinates
    // away from the painter.
    const bool sichtbar =
        x < bild_.width() && y < bild_.height() && x + breite > 0 && y + hoehe > 0 && !t.isEmpty();
    letztesY_ = y;
    protokoll_.push_back(SheetText{x, y, text, schriftfarbe_});
    if (sichtbar) {
        QPainter p(&bild_);
        p.setFont(schrift_);
        textZeichnen(p, protokoll_.back(), 0);
    }
    notifyChange();
}

void Sheet::malen(QPainter& painter) const {
    const QRect flaeche(0, 0, bild_.width(), bild_.height());
    painter.save();
    painter.fillRect(flaeche, Qt::white);
    painter.setClipRect(flaeche, Qt::IntersectClip);
    // The picture's font measured in pixels, so that a scaled painter scales it with the rest.
    QFont f = schrift_;
    f.setPixelSize(QFontInfo(schrift_).pixelSize());
    painter.setFont(f);
    for (const SheetText& t : protokoll_)
        if (t.x < bild_.width() && t.y < bild_.height()) textZeichnen(painter, t, breiteM());
    painter.restore();
}

void Sheet::textZeichnen(QPainter& p, const SheetText& t, int zeichenbreite) const {
    const QString text = qtext(t.text);
    // Cells are measured on the picture, whatever device the painter draws on.
    const QFontMetrics fm(schrift_, &bild_);
    // The text cell is filled with the white brush first, as the canvas writes opaquely.
    p.fillRect(QRect(t.x, t.y, fm.horizontalAdvance(text), fm.height()), Qt::white);
    p.setPen(toQColor(t.farbe));
    if (zeichenbreite == 0) {
        p.drawText(QPoint(t.x, t.y + fm.ascent()), text);
        return;
    }
    // Character by character in the picture's columns: other devices round the font's advances
    // differently.
    for (qsizetype i = 0; i < text.size(); ++i)
        p.drawText(QPointF(t.x + static_cast<double>(i) * zeichenbreite, t.y + fm.ascent()),
                   QString(text[i]));
}

void Sheet::Outtextln(int x, int& y, const std::string& text) {
    Outtext(x, y, text);
    next_zeile(y);
}

void Sheet::Punkt_ausgeben(const TPunkt& P, int x, PointAnchor* anker, int y) {
    const std::string xs = ZahlText(P.x), ys = ZahlText(P.y), zs = ZahlText(P.z);
    Outtext(x, y, P.Name + "(" + xs + "/" + ys + "/" + zs + ")");
    if (anker) {
        anker->x1 = x;
        anker->x2 = plus_int(x, textWidth(P.Name + "(" + xs));
        anker->x3 = plus_int(x, textWidth(P.Name + "(" + xs + "/" + ys + "/"));
        anker->y = y;
        anker->gesetzt = true;
    }
}

void Sheet::Vector_ausgeben(const TPunkt& V, int x, int& w, ColumnAnchor* anker, int y) {
    const TSpaltenText s = SpaltenText(V);
    w = static_cast<int>(s.x.size()) + 4;
    int zeile = y;
    Outtext(x, zeile, "| " + s.x + " |");
    next_zeile(zeile);
    Outtext(x, zeile, "| " + s.y + " |");
    next_zeile(zeile);
    Outtext(x, zeile, "| " + s.z + " |");
    if (anker) {
        const int hh = h();
        anker->links = x;
        anker->rechts = plus_int(x, textWidth(" " + s.x + " "));
        anker->y0 = y;
        anker->y1 = plus_int(y, hh);
        anker->y2 = plus_int(y, mal_int(2, hh));
        anker->y3 = plus_int(y, mal_int(3, hh));
        anker->gesetzt = true;
    }
}

void Sheet::Schriftfarbe(TFarbe c) {
    schriftfarbe_ = farbig_ ? c : farbe::Schwarz;
}

std::vector<std::string> Sheet::zeilen() const {
    const int m = std::max(breiteM(), 1);
    std::map<int, QString> reihen;
    for (const SheetText& t : protokoll_) {
        QString& reihe = reihen[t.y];
        const long spalte = std::max(0L, std::lround(static_cast<double>(t.x) / m));
        // Far beyond any picture: such a text cannot be seen, and it would make rows of millions
        // of blanks.
        if (spalte > MaxSpalte) continue;
        const QString text = qtext(t.text);
        const long ende = spalte + text.size();
        if (reihe.size() < ende) reihe.append(QString(ende - reihe.size(), QLatin1Char(' ')));
        reihe.replace(spalte, text.size(), text);
    }
    std::vector<std::string> ergebnis;
    for (auto& [y, reihe] : reihen) {
        while (!reihe.isEmpty() && reihe.back() == QLatin1Char(' ')) reihe.chop(1);
        if (!reihe.isEmpty()) ergebnis.push_back(reihe.toStdString());
    }
    return ergebnis;
}
