#pragma once
// "10 Einheiten mehr" and "10 Einheiten weniger": ten units more or fewer along the axes of the
// drawing window. In plane mode the two plane unit counts change and the pixels per unit follow;
// in 3-D mode the three axis counts change. Plain C++; the caller repaints.
struct ViewState;

void zehnEinheitenMehr(ViewState& v);
// A count that falls below 2 becomes 5 (15 -> 5, 12 -> 2, 11 -> 5).
void zehnEinheitenWeniger(ViewState& v);
