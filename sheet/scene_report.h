#pragma once
// Writes the report of the task that the scene currently shows, from the scene stores, at the
// text origin (4, 14). The hand-over and the recomputation after a click on the sheet both use
// this one function.
#include "core/scene.h"
#include "sheet/sheet.h"

inline constexpr int BerichtX = 4;
inline constexpr int BerichtY = 14;

// Derives what the task's kind computes from its inputs (deriveScene), clears the sheet and
// writes the report of the kind; with no task shown the sheet stays empty.
void Bericht_schreiben(Sheet& s, Szene& szene);
