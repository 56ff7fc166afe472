#pragma once
// Reading a report back from the sheet's text log, for the report tests, and short builders for
// the input records.
#include "core/objects.h"
#include "sheet/sheet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace berichttest {

using Texte = std::vector<std::string>;
inline const std::string Strich(32, '-'); // the separator

// A sheet large enough for the longest report, in colour mode.
struct TestBlatt {
    bool farbig = true;
    Sheet s{1400, 6000, farbig};
    int x = 4, y = 14;
};

inline TGerade gerade(TPunkt p, TPunkt u, std::string name = "g:") {
    return {std::move(p), std::move(u), farbe::Blau, std::move(name)};
}
inline TEbeneNorm ebeneNorm(TPunkt n, double d, std::string name = "E: ") {
    return {std::move(n), d, farbe::Lime, std::move(name)};
}
inline TEbene ebenePar(TPunkt p, TPunkt u, TPunkt v, std::string name = "E: ") {
    return {std::move(p), std::move(u), std::move(v), farbe::Lime, std::move(name)};
}

// Every text written since the last loeschen, in writing order.
inline Texte texte(const Sheet& s) {
    Texte t;
    for (const SheetText& e : s.protokoll()) t.push_back(e.text);
    return t;
}

// Runs a report with these inputs on the test sheet at its text origin; returns its texts.
template <class Bericht, class... Eingaben>
Texte bericht(TestBlatt& b, Bericht f, const Eingaben&... e) {
    f(b.s, e..., b.x, b.y);
    return texte(b.s);
}

inline std::string liste(const Texte& v) {
    std::string r;
    for (const auto& t : v) r += "  [" + t + "]\n";
    return r;
}

// Succeeds when the expected entries occur in `ist` in this order; others may stand between.
inline ::testing::AssertionResult inFolge(const Texte& ist, const Texte& erwartet) {
    std::size_t i = 0;
    for (const auto& e : erwartet) {
        while (i < ist.size() && ist[i] != e) ++i;
        if (i == ist.size())
            return ::testing::AssertionFailure()
                   << "missing or out of order: [" << e << "]\nwritten:\n"
                   << liste(ist);
        ++i;
    }
    return ::testing::AssertionSuccess();
}

// Succeeds when the expected entries occur in `ist` one right after the other.
inline ::testing::AssertionResult amStueck(const Texte& ist, const Texte& erwartet) {
    if (std::search(ist.begin(), ist.end(), erwartet.begin(), erwartet.end()) != ist.end())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "not found together:\n"
                                         << liste(erwartet) << "in:\n"
                                         << liste(ist);
}

// The first entry of the log with exactly this text (or containing it), or null.
inline const SheetText* finde(const Sheet& s, const std::string& text, bool teil = false) {
    for (const SheetText& e : s.protokoll())
        if (teil ? e.text.find(text) != std::string::npos : e.text == text) return &e;
    return nullptr;
}
inline bool hatText(const Sheet& s, const std::string& text) {
    return finde(s, text) != nullptr;
}

// The rows of the first entries with these texts, counted in row heights from the reports' first
// row (y = 14); -1000 for a text that was not written.
inline std::vector<int> reihen(const Sheet& s, const Texte& texte) {
    std::vector<int> r;
    for (const auto& t : texte) {
        const SheetText* e = finde(s, t);
        r.push_back(e ? (e->y - 14) / s.h() : -1000);
    }
    return r;
}
// How many rows lie between the first texts a and b (1 = b stands on the row below a), and
// between each two neighbours of a list of texts.
inline std::vector<int> abstaende(const Sheet& s, const Texte& texte) {
    const std::vector<int> r = reihen(s, texte);
    std::vector<int> d;
    for (std::size_t i = 1; i < r.size(); ++i)
        d.push_back(r[i - 1] == -1000 || r[i] == -1000 ? -1000 : r[i] - r[i - 1]);
    return d;
}
inline int zeilenAbstand(const Sheet& s, const std::string& a, const std::string& b) {
    return abstaende(s, {a, b})[0];
}

// The character drawn at pixel (X, Y): the sheet font has a fixed pitch of width("M"). The text
// written last over the point wins, as on the picture. 0 when there is none.
inline char zeichenBei(const Sheet& s, int X, int Y) {
    char c = 0;
    const int m = s.breiteM();
    for (const SheetText& e : s.protokoll()) {
        if (Y < e.y || Y >= e.y + s.h() || X < e.x) continue;
        const std::size_t i = static_cast<std::size_t>((X - e.x) / m);
        if (i < e.text.size()) c = e.text[i];
    }
    return c;
}

// The characters under a click inside an anchor: in a column, the right edge of row `zeile` (the
// last character of that component); in a field, its left edge (the number's first character);
// in a point line, the last character of the first coordinate, the character after the first
// "/" and the first character of the third coordinate.
inline char inSpalte(const Sheet& s, const ColumnAnchor& a, int zeile) {
    const int oben[3] = {a.y0, a.y1, a.y2};
    return zeichenBei(s, a.rechts - 1, oben[zeile] + s.h() / 2);
}
inline char imFeld(const Sheet& s, const FieldAnchor& a) {
    return zeichenBei(s, a.links + 1, (a.oben + a.unten) / 2);
}
inline std::string imPunkt(const Sheet& s, const PointAnchor& a) {
    const int y = a.y + s.h() / 2;
    return {zeichenBei(s, a.x2 - 1, y), zeichenBei(s, a.x2 + 8, y), zeichenBei(s, a.x3 + 1, y)};
}

// The first row of the sheet, as Sheet::zeilen() lays it out, that contains the text; empty
// when there is none.
inline std::string zeileMit(const Sheet& s, const std::string& text) {
    for (const std::string& z : s.zeilen())
        if (z.find(text) != std::string::npos) return z;
    return {};
}

} // namespace berichttest
