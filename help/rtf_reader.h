#pragma once
// A reader for the rich text that word processors write: paragraphs, bold, italic, underline,
// font sizes, the font and colour tables, characters as \'xx (Windows-1252) and \uN, and the
// groups that carry no text (style sheet, document info, pictures, \* destinations) skipped.
//
// The help pages are files that teachers edit, so the reader takes any bytes at all: it never
// fails, never recurses, and what it returns grows at most linearly with its input. Whatever it
// does not know it leaves out.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A piece of text in one set of character attributes.
struct RtfRun {
    std::string text; // UTF-8
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int halfPoints = 24;    // font size in half points (\fs)
    std::string font;       // family name from the font table, empty when unknown
    bool hasColour = false; // false: the automatic colour (black)
    std::uint32_t rgb = 0;  // 0xRRGGBB
};

enum class RtfAlignment { left, centre, right, justify };

struct RtfParagraph {
    std::vector<RtfRun> runs;
    RtfAlignment alignment = RtfAlignment::left;
    // Indents in twips (\li, \fi): the left margin, and the first line's offset from it (negative
    // for a hanging indent, where a tab after a bullet reaches the left margin).
    int leftIndent = 0, firstIndent = 0;
};

struct RtfDocument {
    std::vector<RtfParagraph> paragraphs;
    // The text without attributes, one paragraph per line.
    std::string plainText() const;
};

RtfDocument readRtf(std::string_view rtf);
