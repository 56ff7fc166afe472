#pragma once
// One row per kind of task for the calculation help: the help page that explains the kind and
// the writer of its worked solution with the task's own numbers. Kinds without a row have no
// page (the help shows its fallback page) and no worked solution.
#include "core/scene.h"

#include <span>
#include <string>
#include <vector>

class SolutionText;

struct HelpKind {
    Szenenart art;
    const char* page;    // the help page's file name, exactly as shipped
    const char* heading; // the worked solution's heading; nullptr when there is none
    void (*write)(SolutionText& out, const Szene& szene) = nullptr;
};

// The page shown when the current task has none.
inline constexpr const char* fallbackPage = "nohelp.rtf";

std::span<const HelpKind> helpKinds();
// The row of a kind, or nullptr.
const HelpKind* helpKind(Szenenart art);

// The worked solution of the scene's task, line by line (empty lines are a single blank);
// empty when the kind has no writer.
std::vector<std::string> workedSolution(const Szene& szene);
