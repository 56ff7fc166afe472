#pragma once
// Sines and cosines of the whole degrees 0 … 360, filled once at start-up; the sphere drawing
// reads them instead of calling sin and cos on every redraw.

struct TrigTabellen {
    double SinTab[361] = {};
    double CosTab[361] = {};
    bool gefuellt = false;
};

// The program's tables. Filled by FormCreate of the main window (and by the headless runner).
TrigTabellen& trigTabellen();
void Tabellen_fuellen();
