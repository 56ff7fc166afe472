#pragma once
// The text layout of the worked solutions: formulas set in a fixed-pitch font over several
// lines. A block is a few lines of equal width with one base line; blocks placed side by side
// line up on their base lines, so a column vector, a fraction or a root sits beside the text
// that names it.
#include "core/vector.h"

#include <string>
#include <vector>

struct Block {
    std::vector<std::string> rows;
    int base = 0; // the row that lines up with the neighbours' base rows
};

// Characters of a UTF-8 text (what it occupies in a fixed-pitch font).
int textWidth(const std::string& s);

// A number as the sheet writes it, trimmed ("2.5", "-3").
std::string num(double x);
// "-3" as "(-3)", so that it can follow an operator.
std::string numInBrackets(double x);

Block text(const std::string& s);
// x, y, z between single bars, one below the other, the middle on the base line.
Block column(const TPunkt& v);
// x, y, z between double bars: the length of the vector.
Block norm(const TPunkt& v);
// Side by side, on a common base line.
Block operator+(const Block& a, const Block& b);
Block operator+(const Block& a, const std::string& s);
Block operator+(const std::string& s, const Block& b);
// Numerator over a dashed bar over denominator, both centred.
Block fraction(const Block& numerator, const Block& denominator);
// "-/(" radicand ")" with a line of underscores above, from the bracket to the bracket.
Block root(const std::string& radicand);
// "label(x/y/z)".
std::string pointText(const std::string& label, const TPunkt& p);
// "x² + y² + z²" of a vector's coordinates, negative ones in brackets.
std::string squares(const TPunkt& v);

// The text of a worked solution, line by line.
class SolutionText {
public:
    // One line; an empty line is a single blank.
    void line(const std::string& s = " ");
    void block(const Block& b);
    // The heading of a writer: an empty line, the heading, an empty line.
    void heading(const std::string& h);
    // The end of a writer: two empty lines.
    void end();
    const std::vector<std::string>& lines() const { return lines_; }

private:
    std::vector<std::string> lines_;
};
