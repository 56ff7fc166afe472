#include "help/solution_layout.h"

#include "core/number_text.h"

#include <algorithm>

int textWidth(const std::string& s) {
    int n = 0;
    for (unsigned char c : s)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

std::string num(double x) {
    // Adding +0 turns an exact -0 (from 0 / -2, say) into 0; a worked solution has no use for
    // the sign of zero.
    return ZahlText(x + 0.0);
}

std::string numInBrackets(double x) {
    const std::string t = num(x);
    return t[0] == '-' ? "(" + t + ")" : t;
}

namespace {

int blockWidth(const Block& b) {
    int w = 0;
    for (const std::string& r : b.rows) w = std::max(w, textWidth(r));
    return w;
}

std::string padded(const std::string& s, int w) {
    return s + std::string(static_cast<std::size_t>(std::max(0, w - textWidth(s))), ' ');
}

std::string centred(const std::string& s, int w) {
    const int links = (w - textWidth(s)) / 2;
    return padded(std::string(static_cast<std::size_t>(std::max(0, links)), ' ') + s, w);
}

Block between(const TPunkt& v, const std::string& bar) {
    const TSpaltenText t = SpaltenText(v);
    return {{bar + t.x + bar, bar + t.y + bar, bar + t.z + bar}, 1};
}

} // namespace

Block text(const std::string& s) {
    return {{s}, 0};
}

Block column(const TPunkt& v) {
    return between(v, "|");
}

Block norm(const TPunkt& v) {
    return between(v, "||");
}

Block operator+(const Block& a, const Block& b) {
    const int above = std::max(a.base, b.base);
    const int below = std::max(static_cast<int>(a.rows.size()) - a.base,
                               static_cast<int>(b.rows.size()) - b.base);
    const int wa = blockWidth(a);
    Block r{{}, above};
    for (int i = -above; i < below; ++i) {
        const int ia = i + a.base, ib = i + b.base;
        std::string row =
            padded(ia >= 0 && ia < static_cast<int>(a.rows.size()) ? a.rows[ia] : "", wa);
        if (ib >= 0 && ib < static_cast<int>(b.rows.size())) row += b.rows[ib];
        r.rows.push_back(std::move(row));
    }
    const int w = blockWidth(r);
    for (std::string& row : r.rows) row = padded(row, w);
    return r;
}

Block operator+(const Block& a, const std::string& s) {
    return a + text(s);
}

Block operator+(const std::string& s, const Block& b) {
    return text(s) + b;
}

Block fraction(const Block& numerator, const Block& denominator) {
    const int w = std::max({blockWidth(numerator), blockWidth(denominator), 8});
    Block r;
    for (const std::string& row : numerator.rows) r.rows.push_back(centred(row, w));
    r.base = static_cast<int>(r.rows.size());
    r.rows.push_back(std::string(static_cast<std::size_t>(w), '-'));
    for (const std::string& row : denominator.rows) r.rows.push_back(centred(row, w));
    return r;
}

Block root(const std::string& radicand) {
    const std::string unten = "-/(" + radicand + ")";
    const std::string oben =
        "  " + std::string(static_cast<std::size_t>(textWidth(radicand) + 2), '_');
    return {{padded(oben, textWidth(unten)), unten}, 1};
}

std::string pointText(const std::string& label, const TPunkt& p) {
    return label + "(" + num(p.x) + "/" + num(p.y) + "/" + num(p.z) + ")";
}

std::string squares(const TPunkt& v) {
    return numInBrackets(v.x) + "² + " + numInBrackets(v.y) + "² + " + numInBrackets(v.z) + "²";
}

void SolutionText::line(const std::string& s) {
    lines_.push_back(s.empty() ? " " : s);
}

void SolutionText::block(const Block& b) {
    for (std::string row : b.rows) {
        while (!row.empty() && row.back() == ' ') row.pop_back();
        line(row);
    }
}

void SolutionText::heading(const std::string& h) {
    line();
    line(h);
    line();
}

void SolutionText::end() {
    line();
    line();
}
