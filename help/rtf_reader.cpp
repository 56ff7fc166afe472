#include "help/rtf_reader.h"

#include <algorithm>
#include <array>
#include <map>

namespace {

// Groups nested deeper than this keep the attributes of the deepest kept group; the braces are
// still counted, so the text after them is read as written.
constexpr std::size_t maxDepth = 200;
// Font names are copied into every run; a longer name is cut.
constexpr std::size_t maxFontName = 64;

// The characters 0x80 to 0x9F of Windows-1252; the others are those of Latin-1.
constexpr std::array<char32_t, 32> cp1252High = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

char32_t fromCp1252(unsigned char c) {
    return c >= 0x80 && c < 0xA0 ? cp1252High[c - 0x80] : char32_t(c);
}

void appendUtf8(std::string& s, char32_t c) {
    if (c >= 0xD800 && c < 0xE000) c = 0xFFFD;
    if (c < 0x80) {
        s += char(c);
    } else if (c < 0x800) {
        s += char(0xC0 | (c >> 6));
        s += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        s += char(0xE0 | (c >> 12));
        s += char(0x80 | ((c >> 6) & 0x3F));
        s += char(0x80 | (c & 0x3F));
    } else {
        s += char(0xF0 | (c >> 18));
        s += char(0x80 | ((c >> 12) & 0x3F));
        s += char(0x80 | ((c >> 6) & 0x3F));
        s += char(0x80 | (c & 0x3F));
    }
}

enum class Destination { text, skip, fontTable, colourTable };

struct State {
    bool bold = false, italic = false, underline = false;
    int halfPoints = 24;
    int font = -1;
    int colour = 0;
    int unicodeSkip = 1; // \uc: characters that follow \uN as its fallback
    RtfAlignment alignment = RtfAlignment::left;
    int leftIndent = 0, firstIndent = 0;
    Destination destination = Destination::text;
};

// Destinations whose content is no text of the page.
bool isSkippedDestination(std::string_view word) {
    static constexpr std::string_view skipped[] = {"stylesheet",
                                                   "info",
                                                   "pict",
                                                   "object",
                                                   "header",
                                                   "headerl",
                                                   "headerr",
                                                   "headerf",
                                                   "footer",
                                                   "footerl",
                                                   "footerr",
                                                   "footerf",
                                                   "footnote",
                                                   "fldinst",
                                                   "themedata",
                                                   "listtable",
                                                   "listoverridetable",
                                                   "rsidtbl",
                                                   "generator",
                                                   "xmlnstbl",
                                                   "filetbl",
                                                   "revtbl",
                                                   "latentstyles",
                                                   "datastore",
                                                   "nonshppict",
                                                   "colorschememapping",
                                                   "pgdsctbl",
                                                   "annotation",
                                                   "bkmkstart",
                                                   "bkmkend",
                                                   "shpinst",
                                                   "mmathPr",
                                                   "fldtype"};
    return std::find(std::begin(skipped), std::end(skipped), word) != std::end(skipped);
}

class Reader {
public:
    explicit Reader(std::string_view in) : in_(in) { doc_.paragraphs.emplace_back(); }

    RtfDocument read() {
        stack_.emplace_back();
        while (pos_ < in_.size()) step();
        closeParagraph();
        if (doc_.paragraphs.size() > 1 && doc_.paragraphs.back().runs.empty())
            doc_.paragraphs.pop_back();
        return std::move(doc_);
    }

private:
    State& state() { return stack_.back(); }

    void step() {
        const unsigned char c = static_cast<unsigned char>(in_[pos_++]);
        switch (c) {
        case '{':
            pendingSkip_ = 0;
            if (stack_.size() < maxDepth)
                stack_.push_back(stack_.back());
            else
                ++tooDeep_;
            return;
        case '}':
            pendingSkip_ = 0;
            if (tooDeep_ > 0)
                --tooDeep_;
            else if (stack_.size() > 1) {
                if (state().destination == Destination::fontTable) endFontName();
                stack_.pop_back();
            }
            return;
        case '\\':
            controlWord();
            return;
        case '\r':
        case '\n':
            return;
        default:
            if (c < 0x20 && c != '\t') return;
            character(fromCp1252(c));
        }
    }

    // A number after a control word: an optional minus and up to ten digits, clamped to the
    // 32-bit range; further digits are read and dropped.
    bool number(long long& value) {
        const bool minus = pos_ < in_.size() && in_[pos_] == '-';
        const std::size_t start = pos_ + (minus ? 1 : 0);
        std::size_t p = start;
        long long v = 0;
        while (p < in_.size() && in_[p] >= '0' && in_[p] <= '9') {
            if (p - start < 10) v = v * 10 + (in_[p] - '0');
            ++p;
        }
        if (p == start) return false;
        pos_ = p;
        v = std::min(v, 2147483647LL);
        value = minus ? -v : v;
        return true;
    }

    void controlWord() {
        if (pos_ >= in_.size()) return;
        const char c = in_[pos_];
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (!letter) {
            ++pos_;
            controlSymbol(c);
            return;
        }
        const std::size_t start = pos_;
        while (pos_ < in_.size() &&
               ((in_[pos_] >= 'a' && in_[pos_] <= 'z') || (in_[pos_] >= 'A' && in_[pos_] <= 'Z')))
            ++pos_;
        const std::string_view word = in_.substr(start, std::min<std::size_t>(pos_ - start, 32));
        long long value = 0;
        const bool hasValue = number(value);
        if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;
        apply(word, hasValue, value);
    }

    void controlSymbol(char c) {
        switch (c) {
        case '\'': {
            int v = 0, digits = 0;
            while (digits < 2 && pos_ < in_.size()) {
                const char h = in_[pos_];
                const int d = h >= '0' && h <= '9'   ? h - '0'
                              : h >= 'a' && h <= 'f' ? h - 'a' + 10
                              : h >= 'A' && h <= 'F' ? h - 'A' + 10
                                                     : -1;
                if (d < 0) break;
                v = v * 16 + d;
                ++digits;
                ++pos_;
            }
            if (digits == 2) character(fromCp1252(static_cast<unsigned char>(v)));
            return;
        }
        case '{':
        case '}':
        case '\\':
            character(char32_t(static_cast<unsigned char>(c)));
            return;
        case '~':
            character(0x00A0);
            return;
        case '_':
            character(U'-');
            return;
        case '*':
            state().destination = Destination::skip;
            return;
        case '\r':
        case '\n':
            paragraph();
            return;
        default:
            skipOne();
        }
    }

    void apply(std::string_view w, bool hasValue, long long v) {
        State& s = state();
        if (w == "bin") {
            // Binary data: the given number of bytes, whatever they are.
            pos_ += static_cast<std::size_t>(std::clamp<long long>(v, 0, in_.size() - pos_));
            return;
        }
        if (s.destination == Destination::skip) return;
        const bool on = !hasValue || v != 0;
        if (w == "fonttbl") {
            s.destination = Destination::fontTable;
        } else if (w == "colortbl") {
            s.destination = Destination::colourTable;
            colourSet_ = false;
            red_ = green_ = blue_ = 0;
        } else if (isSkippedDestination(w)) {
            s.destination = Destination::skip;
        } else if (s.destination == Destination::fontTable) {
            if (w == "f" && hasValue) {
                fontNumber_ = static_cast<int>(v);
                fontName_.clear();
            }
        } else if (s.destination == Destination::colourTable) {
            const int component = static_cast<int>(std::clamp<long long>(v, 0, 255));
            if (w == "red") red_ = component, colourSet_ = true;
            if (w == "green") green_ = component, colourSet_ = true;
            if (w == "blue") blue_ = component, colourSet_ = true;
        } else if (w == "par" || w == "line" || w == "sect" || w == "page") {
            paragraph();
        } else if (w == "pard") {
            s.alignment = RtfAlignment::left;
            s.leftIndent = s.firstIndent = 0;
        } else if ((w == "li" || w == "fi") && hasValue) {
            // A page is at most a few inches wide; larger values are clamped, not trusted.
            (w == "li" ? s.leftIndent : s.firstIndent) =
                static_cast<int>(std::clamp<long long>(v, -14400, 14400));
        } else if (w == "plain") {
            s.bold = s.italic = s.underline = false;
            s.halfPoints = 24;
            s.font = defaultFont_;
            s.colour = 0;
        } else if (w == "b") {
            s.bold = on;
        } else if (w == "i") {
            s.italic = on;
        } else if (w == "ul") {
            s.underline = on;
        } else if (w == "ulnone") {
            s.underline = false;
        } else if (w == "fs" && hasValue) {
            s.halfPoints = static_cast<int>(std::clamp<long long>(v, 2, 400));
        } else if (w == "f" && hasValue) {
            s.font = static_cast<int>(v);
        } else if (w == "deff" && hasValue) {
            defaultFont_ = static_cast<int>(v);
            if (stack_.size() == 1 || s.font < 0) s.font = defaultFont_;
        } else if (w == "cf" && hasValue) {
            s.colour = static_cast<int>(v);
        } else if (w == "uc" && hasValue) {
            s.unicodeSkip = static_cast<int>(std::clamp<long long>(v, 0, 8));
        } else if (w == "u" && hasValue) {
            unicode(v);
        } else if (w == "qc") {
            s.alignment = RtfAlignment::centre;
        } else if (w == "qr") {
            s.alignment = RtfAlignment::right;
        } else if (w == "qj") {
            s.alignment = RtfAlignment::justify;
        } else if (w == "ql") {
            s.alignment = RtfAlignment::left;
        } else if (w == "tab") {
            character(U'\t');
        } else if (w == "emdash") {
            character(0x2014);
        } else if (w == "endash") {
            character(0x2013);
        } else if (w == "bullet") {
            character(0x2022);
        } else if (w == "lquote") {
            character(0x2018);
        } else if (w == "rquote") {
            character(0x2019);
        } else if (w == "ldblquote") {
            character(0x201C);
        } else if (w == "rdblquote") {
            character(0x201D);
        } else {
            skipOne();
        }
    }

    // \uN: N is a signed 16-bit number; a high surrogate waits for its low half.
    void unicode(long long v) {
        if (v < 0) v += 65536;
        const char32_t c = v >= 0 && v <= 0xFFFF ? char32_t(v) : char32_t(0xFFFD);
        if (c >= 0xD800 && c < 0xDC00) {
            highSurrogate_ = c;
        } else if (c >= 0xDC00 && c < 0xE000 && highSurrogate_) {
            const char32_t full = 0x10000 + ((highSurrogate_ - 0xD800) << 10) + (c - 0xDC00);
            highSurrogate_ = 0;
            emit(full);
        } else {
            emit(c);
        }
        pendingSkip_ = state().unicodeSkip;
    }

    // A character of the document: the fallback of a \u, a font name, a colour-table
    // separator, or text.
    void character(char32_t c) {
        if (skipOne()) return;
        State& s = state();
        if (s.destination == Destination::fontTable) {
            if (c == U';')
                endFontName();
            else if (fontName_.size() < maxFontName)
                appendUtf8(fontName_, c);
        } else if (s.destination == Destination::colourTable) {
            if (c != U';') return;
            colours_.push_back(colourSet_ ? (std::uint32_t(red_) << 16) | (green_ << 8) | blue_
                                          : autoColour);
            colourSet_ = false;
            red_ = green_ = blue_ = 0;
        } else if (s.destination == Destination::text) {
            emit(c);
        }
    }

    // Drops the character when it is the fallback of a \u; true when it was dropped.
    bool skipOne() {
        if (pendingSkip_ == 0) return false;
        --pendingSkip_;
        return true;
    }

    void endFontName() {
        if (fontNumber_ < 0) return;
        while (!fontName_.empty() && fontName_.back() == ' ') fontName_.pop_back();
        const std::size_t first = fontName_.find_first_not_of(' ');
        fonts_[fontNumber_] = first == std::string::npos ? std::string() : fontName_.substr(first);
        fontNumber_ = -1;
        fontName_.clear();
    }

    void emit(char32_t c) {
        if (state().destination != Destination::text) return;
        if (highSurrogate_ && (c < 0xDC00 || c >= 0xE000)) {
            highSurrogate_ = 0;
            emitRun(0xFFFD);
        }
        emitRun(c);
    }

    void emitRun(char32_t c) {
        const State& s = state();
        RtfRun r;
        r.bold = s.bold;
        r.italic = s.italic;
        r.underline = s.underline;
        r.halfPoints = s.halfPoints;
        if (auto f = fonts_.find(s.font); f != fonts_.end()) r.font = f->second;
        if (s.colour > 0 && s.colour < static_cast<int>(colours_.size()) &&
            colours_[s.colour] != autoColour) {
            r.hasColour = true;
            r.rgb = colours_[s.colour];
        }
        std::vector<RtfRun>& runs = doc_.paragraphs.back().runs;
        if (runs.empty() || !sameAttributes(runs.back(), r)) runs.push_back(std::move(r));
        appendUtf8(runs.back().text, c);
    }

    static bool sameAttributes(const RtfRun& a, const RtfRun& b) {
        return a.bold == b.bold && a.italic == b.italic && a.underline == b.underline &&
               a.halfPoints == b.halfPoints && a.font == b.font && a.hasColour == b.hasColour &&
               a.rgb == b.rgb;
    }

    // The paragraph takes the paragraph attributes that stand at its end, as word processors do.
    void closeParagraph() {
        RtfParagraph& p = doc_.paragraphs.back();
        p.alignment = state().alignment;
        p.leftIndent = state().leftIndent;
        p.firstIndent = state().firstIndent;
    }

    void paragraph() {
        if (state().destination != Destination::text) return;
        closeParagraph();
        doc_.paragraphs.emplace_back();
    }

    static constexpr std::uint32_t autoColour = 0xFF000000u;

    std::string_view in_;
    std::size_t pos_ = 0;
    std::vector<State> stack_;
    std::size_t tooDeep_ = 0;
    int pendingSkip_ = 0;
    char32_t highSurrogate_ = 0;
    int defaultFont_ = -1;
    std::map<int, std::string> fonts_;
    int fontNumber_ = -1;
    std::string fontName_;
    std::vector<std::uint32_t> colours_;
    bool colourSet_ = false;
    int red_ = 0, green_ = 0, blue_ = 0;
    RtfDocument doc_;
};

} // namespace

RtfDocument readRtf(std::string_view rtf) {
    return Reader(rtf).read();
}

std::string RtfDocument::plainText() const {
    std::string s;
    for (const RtfParagraph& p : paragraphs) {
        if (&p != &paragraphs.front()) s += '\n';
        for (const RtfRun& r : p.runs) s += r.text;
    }
    return s;
}
