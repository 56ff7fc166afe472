#include "core/number_input.h"

#include "core/errors.h"

#include <charconv>
#include <string>
#include <system_error>

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The offending text as quoted in the message: at most its first 40 characters, then "…", so that
// a pasted page of text does not become a box larger than the screen. Characters are counted in
// UTF-8, and a character is never cut in half.
std::string quoted(std::string_view text) {
    constexpr int MaxChars = 40;
    int chars = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool startsChar = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
        if (startsChar && chars++ == MaxChars) return std::string(text.substr(0, i)) + "\u2026";
    }
    return std::string(text);
}

[[noreturn]] void notANumber(std::string_view text) {
    throw ConversionError("'" + quoted(text) + "' ist kein gültiger Gleitkommawert.");
}

// The decimal exponent of the leading significant digit of an accepted number (1.5e3 -> 3,
// 0.02 -> -2), saturated far outside the double range. Only used to tell an overflow from an
// underflow when from_chars reports that the value is out of range.
long leadingExponent(std::string_view digits, std::string_view fraction, long exponent) {
    std::size_t skip = 0;
    while (skip < digits.size() && digits[skip] == '0') ++skip;
    if (skip < digits.size()) return exponent + static_cast<long>(digits.size() - skip) - 1;
    std::size_t zeros = 0;
    while (zeros < fraction.size() && fraction[zeros] == '0') ++zeros;
    return exponent - static_cast<long>(zeros) - 1;
}

} // namespace

double parseNumber(std::string_view text) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && isBlank(text[begin])) ++begin;
    while (end > begin && isBlank(text[end - 1])) --end;
    std::string_view s = text.substr(begin, end - begin);

    // Check the whole shape first: from_chars alone would accept "inf", "nan" and hex digits
    // after a prefix, and would stop silently at a comma.
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    const std::size_t numberStart = i;
    std::size_t digitsStart = i;
    while (i < s.size() && isDigit(s[i])) ++i;
    std::string_view digits = s.substr(digitsStart, i - digitsStart);
    std::string_view fraction;
    if (i < s.size() && s[i] == '.') {
        std::size_t fractionStart = ++i;
        while (i < s.size() && isDigit(s[i])) ++i;
        fraction = s.substr(fractionStart, i - fractionStart);
    }
    if (digits.empty() && fraction.empty()) notANumber(text);
    long exponent = 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        bool negativeExponent = false;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) negativeExponent = s[i++] == '-';
        if (i >= s.size() || !isDigit(s[i])) notANumber(text);
        while (i < s.size() && isDigit(s[i])) {
            if (exponent < 100000) exponent = exponent * 10 + (s[i] - '0');
            ++i;
        }
        if (negativeExponent) exponent = -exponent;
    }
    if (i != s.size()) notANumber(text);

    double value = 0.0;
    const char* first = s.data() + numberStart;
    const char* last = s.data() + s.size();
    auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        if (leadingExponent(digits, fraction, exponent) >= 0) notANumber(text);
        value = 0.0; // underflow: the nearest double is zero
    } else if (ec != std::errc() || ptr != last) {
        notANumber(text);
    }
    return negative ? -value : value;
}
