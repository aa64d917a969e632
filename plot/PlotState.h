#pragma once

// The one process-wide record that every drawing reads and writes directly. Nothing resets it
// between drawings: each leaves its values behind for the next.
struct PlotState {
    int originX = 0;  // origin of the cell being drawn in, client pixels
    int originY = 0;  // screen y grows downwards: "up" in a letter is a smaller y
    int shiftX = 0;   // offset of the vertical guide line from originX
    int shiftY = 0;   // offset of the horizontal guide line from originY
    double paramStart = 0;
    double paramEnd = 0;  // the loop runs while the parameter is below this
    double paramStep = 0;
    double paramValue = 0;
    int stepDelayMs = 0;  // pause of the whole-letter routines; also the counted loops' counter
    int penWidth = 0;     // pen of the large whole-letter routines
};

inline PlotState plotState;
