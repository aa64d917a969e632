#pragma once

// Alphabet mode's part picking: connects every hotspot and clickable letter picture of the
// window to its rows of the part-pick table (PartPicks.h).
void bindPartPicking();
