#pragma once
// Reading a report back from the sheet's text log, for the report tests.
#include "sheet/sheet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace berichttest {

// A sheet large enough for the longest report, in colour mode.
struct TestBlatt {
    bool farbig = true;
    Sheet s{1400, 6000, farbig};
    int x = 4, y = 14;
};

// Every text written since the last loeschen, in writing order.
inline std::vector<std::string> texte(const Sheet& s) {
    std::vector<std::string> t;
    for (const SheetText& e : s.protokoll()) t.push_back(e.text);
    return t;
}

inline std::string liste(const std::vector<std::string>& v) {
    std::string r;
    for (const auto& t : v) r += "  [" + t + "]\n";
    return r;
}

// Succeeds when the expected entries occur in `ist` in this order; others may stand between.
inline ::testing::AssertionResult inFolge(const std::vector<std::string>& ist,
                                          const std::vector<std::string>& erwartet) {
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
inline ::testing::AssertionResult amStueck(const std::vector<std::string>& ist,
                                           const std::vector<std::string>& erwartet) {
    auto it = std::search(ist.begin(), ist.end(), erwartet.begin(), erwartet.end());
    if (it != ist.end() || erwartet.empty()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "not found together:\n"
                                         << liste(erwartet) << "in:\n"
                                         << liste(ist);
}

// The first entry of the log with exactly this text, or null.
inline const SheetText* finde(const Sheet& s, const std::string& text) {
    for (const SheetText& e : s.protokoll())
        if (e.text == text) return &e;
    return nullptr;
}

// The first entry of the log that contains this text, or null.
inline const SheetText* findeTeil(const Sheet& s, const std::string& teil) {
    for (const SheetText& e : s.protokoll())
        if (e.text.find(teil) != std::string::npos) return &e;
    return nullptr;
}

// How many rows lie between the first texts a and b (1 = b stands on the row below a).
inline int zeilenAbstand(const Sheet& s, const std::string& a, const std::string& b) {
    const SheetText* ta = finde(s, a);
    const SheetText* tb = finde(s, b);
    if (!ta || !tb) {
        ADD_FAILURE() << "text not written: " << (ta ? b : a);
        return -1000;
    }
    return (tb->y - ta->y) / s.h();
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

// The character under a click inside an anchor: in a column, the right edge of row `zeile`
// (the last character of that component); in a field, its left edge (the number's first
// character).
inline char inSpalte(const Sheet& s, const SpaltenAnker& a, int zeile) {
    const int oben[3] = {a.y0, a.y1, a.y2};
    return zeichenBei(s, a.rechts - 1, oben[zeile] + s.h() / 2);
}
inline char imFeld(const Sheet& s, const FeldAnker& a) {
    return zeichenBei(s, a.links + 1, (a.oben + a.unten) / 2);
}

// Row of a log entry, counted in row heights from the reports' first row (y = 14).
inline int reihe(const Sheet& s, const SheetText& t) {
    return (t.y - 14) / s.h();
}

// Row of the first entry with exactly this text; -1000 when it was not written.
inline int reiheVon(const Sheet& s, const std::string& text) {
    const SheetText* t = finde(s, text);
    return t ? reihe(s, *t) : -1000;
}

inline bool hatText(const Sheet& s, const std::string& text) {
    return finde(s, text) != nullptr;
}

// The first row of the sheet, as Sheet::zeilen() lays it out, that contains the text; empty
// when there is none.
inline std::string zeileMit(const Sheet& s, const std::string& text) {
    for (const std::string& z : s.zeilen())
        if (z.find(text) != std::string::npos) return z;
    return {};
}

} // namespace berichttest
