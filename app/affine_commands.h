#pragma once
// The commands of "Affine Abbildungen" that open no dialog: the inverse of a map, the
// composition of two, and the entries of "Objekte - Bildobjekte" and "Optionen", as one table.
// The menu, the drawing window's context group "Affine Abbildungen" and the headless runner run
// them through it.
#include "app/tasks.h"

#include <string>
#include <string_view>
#include <vector>

struct AffineCommand {
    std::string handler; // "vonAbbildung11Click"
    // Runs the command; the message boxes of a missing map go through the context's messages.
    void (*run)(TaskContext& context);
    // The scene flag whose state the entry's check mark shows; nullptr for plain entries.
    bool (*checked)(const Szene& szene, const Optionen& optionen) = nullptr;
};

const std::vector<AffineCommand>& affineCommands();
// The command at the caption path without "&", joined by "/"; nullptr when there is none.
const AffineCommand* findAffineCommandByPath(std::string_view path);
// The command behind an entry of the context group "Affine Abbildungen" (by its caption).
const AffineCommand* affineContextCommand(std::string_view caption);

// The steps every affine task shares: a map was stored into slot n; the plane scene is cleared
// and the map shown.
void Abbildung_zeigen(TaskContext& c, int n);
