#pragma once
// The whole main menu as one table: every row is an entry with its caption path (captions
// exactly as the user sees them, "&" marking the access key), the name of the command behind it
// and the group whose mode switches enable or disable it. Rows without a command declare a
// submenu, so that a submenu can carry a group of its own. Rows are in menu order; a submenu
// appears where its first row appears.
//
// Plain C++: the main window builds its menu bar from this table, the headless runner finds a
// task's command by its caption path.
#include <string>
#include <string_view>
#include <vector>

// Which mode switch governs an entry.
enum class Menuegruppe {
    immer,    // never switched by a mode
    dreidim,  // enabled in 3-D mode only (the 3-D task menus, the examples, "Zeichnung löschen")
    abbildung // enabled while an affine map exists (four submenus of "Affine Abbildungen")
};

struct MenuZeile {
    std::vector<std::string> pfad; // captions from the top-level entry down, with "&"
    std::string befehl;            // command name ("Punkt1Click"); empty for a submenu row
    Menuegruppe gruppe = Menuegruppe::immer;
    bool abhakbar = false; // the entry carries a check mark that its command toggles
};

// The table, top to bottom.
const std::vector<MenuZeile>& menueTabelle();

// The caption without the access-key marker: "Beispie&le" -> "Beispiele".
std::string ohneKaufmannsUnd(std::string_view caption);

// The command row whose path, compared without the "&" markers, equals the given captions;
// null when there is none (or when the path names a submenu).
const MenuZeile* findeMenueintrag(const std::vector<std::string>& captionsOhneUnd);

// Every row that runs the command (an entry reachable from two places has two rows).
std::vector<const MenuZeile*> zeilenMitBefehl(std::string_view befehl);
