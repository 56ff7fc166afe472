#pragma once
// The headless runner: runs one 3-D task or example without windows and prints the result
// sheet's text, one sheet row per line; it can also save the sheet's and the drawing's picture.
//
//   quillon --task "Gerade/Gerade mit Ebene/Ebene in Normalenform" --fields 1 2 3 1 0 0 0 0 1 4
//   quillon --example "Kugel mit Ebene" --drawing kugel.png --sheet kugel.bmp
//
// Messages the task shows go to the error stream; the program's error box (with the error's own
// message after it) ends the run with exit status 2.
#include <iosfwd>
#include <string>
#include <vector>

inline constexpr int headlessOk = 0;
inline constexpr int headlessUsageError = 1; // unknown option, task or example; wrong field count
inline constexpr int headlessInputError = 2; // the program's error box was shown

// True when the first argument is one of the runner's ("--task", "--help", ...).
bool isHeadlessCall(int argc, char** argv);

// Runs with the arguments after the program name. Needs a QGuiApplication (fonts and pictures);
// opens no window.
int runHeadless(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The program's entry when it got arguments: creates the application on the offscreen platform
// (unless another one is asked for) and runs.
int headlessMain(int argc, char** argv);

// The text of --help.
std::string headlessHelp();
