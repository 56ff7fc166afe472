#include "core/number_text.h"

#include "core/checked.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {
// True when x lies exactly halfway between two thousandths, that is x = (2k + 1)/2000. The
// product x·2000 needs at most 60 significant bits, so it is exact in extended precision.
bool genau_halb(double x) {
    const long double t = static_cast<long double>(x) * 2000;
    return std::truncl(t) == t && std::fmod(t, 2.0L) != 0;
}
} // namespace

std::string Zahl9_3(double x) {
    endlich(x);
    // An exact tie is rounded away from zero (0.0625 gives 0.063, as on paper), not to the even
    // neighbour as the C library does: the next double away from zero lies beyond the tie.
    if (genau_halb(x)) x = std::nextafter(x, x > 0 ? HUGE_VAL : -HUGE_VAL);
    char buf[64];
    // Beyond 1e36 the fixed-point text would run to dozens of digits; such values never come
    // from typed input, so they are written in exponent form instead.
    if (std::fabs(x) >= 1e36)
        std::snprintf(buf, sizeof buf, "%9.3E", x);
    else
        std::snprintf(buf, sizeof buf, "%9.3f", x);
    return buf;
}

namespace {
std::string trimmen(std::string s) {
    while (!s.empty() && s.back() == ' ') s.pop_back();
    size_t i = 0;
    while (i < s.size() && s[i] == ' ') ++i;
    return s.substr(i);
}
} // namespace

std::string Zahl9_3_getrimmt(double x) {
    return trimmen(Zahl9_3(x));
}

std::string ZahlText(double x) {
    std::string s = trimmen(Zahl9_3(x));
    size_t e = s.find('E');
    std::string exponent;
    if (e != std::string::npos) {
        exponent = s.substr(e);
        s.erase(e);
    }
    if (s.find('.') != std::string::npos) {
        while (!s.empty() && s.back() == '0') s.pop_back();
        if (!s.empty() && s.back() == '.') s.pop_back();
    }
    return s + exponent;
}

TSpaltenText SpaltenText(const TPunkt& v) {
    TSpaltenText t{ZahlText(v.x), ZahlText(v.y), ZahlText(v.z)};
    size_t n = std::max({t.x.size(), t.y.size(), t.z.size()});
    for (std::string* s : {&t.x, &t.y, &t.z}) s->insert(0, n - s->size(), ' ');
    return t;
}
