#include "help/help_content.h"

#include "help/help_table.h"

#include <fstream>
#include <iterator>

namespace {

// Help pages are a few kilobytes; a file beyond this is no help page and is read no further.
constexpr std::streamsize maxPageSize = 8 << 20;

bool loadPage(const std::string& name, const PageFinder& find, HelpContent& c) {
    const std::string path = find(name);
    std::ifstream in(path, std::ios::binary);
    if (path.empty() || !in) {
        c.notes.push_back("Die Hilfeseite \"" + name + "\" wurde nicht gefunden.");
        return false;
    }
    std::string data(static_cast<std::size_t>(maxPageSize), '\0');
    in.read(data.data(), maxPageSize);
    data.resize(static_cast<std::size_t>(in.gcount()));
    c.page = readRtf(data);
    c.pageFound = true;
    return true;
}

} // namespace

HelpContent buildHelpContent(const Szene& szene, const PageFinder& find) {
    HelpContent c;
    const HelpKind* k = helpKind(szene.art);
    // A task whose own page is missing says so and keeps its worked solution; the fallback page
    // would tell the user to choose a task first, which is wrong for it.
    if (k && k->page)
        loadPage(k->page, find, c);
    else
        loadPage(fallbackPage, find, c);
    c.solution = workedSolution(szene);
    return c;
}

std::string helpText(const HelpContent& c) {
    std::string s;
    for (const std::string& n : c.notes) s += n + "\n";
    if (c.pageFound) s += c.page.plainText() + "\n";
    s += std::string(" \n") + solutionHeading + "\n \n";
    if (c.solution.empty()) s += std::string(" \n") + noSolutionLine + "\n";
    for (const std::string& line : c.solution) s += line + "\n";
    return s;
}
