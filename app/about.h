#pragma once
// What the program says about itself: its version, the about box's text and dialog, its icon,
// and where its data files (the help pages) are found.
#include <string>

class QIcon;
class QWidget;

// "0.2.0".
std::string quillonVersion();

// The about box's text: product name, version, what the program does, the licence and the
// notice line of the window caption. Lines are separated by "\r\n" like the program's boxes.
std::string aboutText();

// The icon of the windows and the about box, painted in the sizes a desktop asks for; the same
// picture as the installed icon file.
QIcon quillonIcon();

// The about box ("Copyright"): the icon beside the about text, one OK button; modal.
void showAboutBox(QWidget* parent, const std::string& text);

// The full path of the data file `name` (a help page): beside the program first, then in the
// data folder of an installation (../share/quillon from the program, then the folder it was
// built for), then in the current folder. Empty when it is nowhere.
std::string findDataFile(const std::string& name);

// The folder in which data files are looked for first that holds `name`, for --version; empty
// when none does.
std::string dataFolderOf(const std::string& name);
