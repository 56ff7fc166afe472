#pragma once
// What the calculation help shows for the current task: its help page (or the fallback page),
// a note for each page that could not be found, and the worked solution. The dialog and the
// headless runner build it the same way.
#include "core/scene.h"
#include "help/rtf_reader.h"

#include <functional>
#include <string>
#include <vector>

// Full path of a help page by its name, or empty when it is nowhere.
using PageFinder = std::function<std::string(const std::string& name)>;

struct HelpContent {
    bool pageFound = false;
    RtfDocument page;               // the page that was found
    std::vector<std::string> notes; // "Die Hilfeseite ... wurde nicht gefunden."
    // The worked solution; empty when the task has none (the red line stands instead).
    std::vector<std::string> solution;
};

inline constexpr const char* solutionHeading = "Zwischenergebnisse:";
inline constexpr const char* noSolutionLine =
    "Keine weiteren Zwischenergebnisse bei diesem Objekt !";

HelpContent buildHelpContent(const Szene& szene, const PageFinder& find);

// The content as plain text, one paragraph per line: the notes, the page, the heading and the
// worked solution (or the red line).
std::string helpText(const HelpContent& c);
