// The help pages' reader: the attributes and characters word processors write, the groups it
// leaves out, and a seeded fuzz run over random and damaged files (under the sanitizers).
#include "help/help_dialog.h"
#include "help/rtf_reader.h"

#include <QTextDocument>
#include <gtest/gtest.h>

#include <random>

namespace {

const std::string seite =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\fmodern Courier "
    "New;}}{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue128;}"
    "{\\stylesheet{\\s0 Normal;}}{\\info{\\author Lehrer}}{\\*\\generator Writer;}"
    "\\pard\\qc\\f0\\fs28\\b Gro\\'DFe\\b0\\par\\pard\\li360\\fi-240\\i kursiv\\i0  \\ul "
    "unter\\ulnone  "
    "{\\cf1 rot}{\\f1\\fs18 mono}\\par {\\pict\\pngblip\\bin4 }{}x} \\uc1\\u8364?\\'80 "
    "\\u-10179?\\u-8704? \\{\\}\\\\\\par}";

} // namespace

TEST(RtfReader, AttributesCharactersAndSkippedGroups) {
    const RtfDocument d = readRtf(seite);
    EXPECT_EQ(d.plainText(), "Große\nkursiv unter rotmono\n €€ \xF0\x9F\x98\x80 {}\\");
    ASSERT_EQ(d.paragraphs.size(), 3u);
    EXPECT_EQ(d.paragraphs[0].alignment, RtfAlignment::centre);
    EXPECT_EQ(d.paragraphs[0].leftIndent, 0);
    EXPECT_TRUE(d.paragraphs[1].leftIndent == 360 && d.paragraphs[1].firstIndent == -240);
    const RtfRun& gross = d.paragraphs[0].runs[0];
    EXPECT_TRUE(gross.bold);
    EXPECT_EQ(gross.halfPoints, 28);
    EXPECT_EQ(gross.font, "Arial");
    const std::vector<RtfRun>& r = d.paragraphs[1].runs;
    ASSERT_EQ(r.size(), 6u);
    EXPECT_TRUE(r[0].italic && !r[0].bold);
    EXPECT_TRUE(r[2].underline && !r[3].underline);
    EXPECT_TRUE(r[4].hasColour);
    EXPECT_EQ(r[4].rgb, 0xFF0000u);
    EXPECT_EQ(r[5].font, "Courier New");
    EXPECT_EQ(r[5].halfPoints, 18);
    EXPECT_FALSE(r[5].hasColour);
}

TEST(RtfReader, DamagedInputEndsWithWhatCanBeRead) {
    EXPECT_EQ(readRtf("{\\rtf1 a\\'4").plainText(), "a");
    EXPECT_EQ(readRtf("{\\rtf1 a\\u").plainText(), "a");
    EXPECT_EQ(readRtf("{\\rtf1 a\\u-").plainText(), "a-");
    EXPECT_EQ(readRtf("a}}}}b{{{c").plainText(), "abc");
    EXPECT_EQ(
        readRtf("\\fs99999999999999999999999 x\\bin99999999999 y").paragraphs[0].runs[0].halfPoints,
        400);
    const std::size_t tief = 100000;
    EXPECT_EQ(readRtf(std::string(tief, '{') + "\\b x" + std::string(tief, '}') + "y").plainText(),
              "xy");
}

// Random bytes, random RTF-like tokens and damaged copies of a real page: the reader returns,
// and what it returns stays in proportion to its input.
TEST(RtfReader, SeededFuzzNeverCrashesNorGrows) {
    std::mt19937 zufall(20261207);
    const std::vector<std::string> teile = {
        "{",     "}",    "\\",   "\\par ", "\\b",    "\\b0",        "\\fs",
        "\\u",   "\\'",  "\\*",  "\\bin",  "\\uc",   "\\fonttbl",   "\\colortbl",
        "\\red", ";",    "\\f",  "\\cf",   "-",      "99999999999", "e4",
        "x",     "\xC3", "\x00", "\n",     "\\pict", "\\'8",        "\\u-"};
    for (int runde = 0; runde < 3000; ++runde) {
        std::string s;
        const int art = runde % 3;
        const int laenge = static_cast<int>(zufall() % 400);
        if (art == 0) {
            for (int i = 0; i < laenge; ++i) s += static_cast<char>(zufall() % 256);
        } else if (art == 1) {
            for (int i = 0; i < laenge; ++i) s += teile[zufall() % teile.size()];
        } else {
            s = seite;
            for (int i = 0; i < 1 + laenge % 8; ++i) {
                const std::size_t pos = zufall() % (s.size() + 1);
                const unsigned wie = zufall() % 3;
                if (wie == 0) s.erase(pos, zufall() % 6);
                if (wie == 1) s.insert(pos, teile[zufall() % teile.size()]);
                if (wie == 2) s.resize(pos);
            }
        }
        const RtfDocument d = readRtf(s);
        std::size_t text = 0;
        for (const RtfParagraph& p : d.paragraphs)
            for (const RtfRun& r : p.runs) text += r.text.size();
        ASSERT_LE(text, 4 * s.size() + 4) << runde;
        ASSERT_LE(d.paragraphs.size(), s.size() + 1) << runde;
        if (runde % 10 == 0) {
            QTextDocument doc;
            appendRtf(doc, d);
        }
    }
}
