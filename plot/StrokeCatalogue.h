#pragma once

#include <QChar>

// The fixed drawing routines. None takes arguments: the caller sets the origin, the pen colour
// of the letters and whatever fields a routine reads (penWidth, stepDelayMs, shiftX, shiftY, the
// range of the routines that take it) in plotState, and the routine traces its shape with the
// step loop. Afterwards paramStart, paramEnd and paramStep hold the routine's (last) range and
// paramValue its last value.

// Single strokes: one letter part shown as the graph of its function, in orange.
void VerticalGuideStroke();    // the full-height line at shiftX; leaves the pen maroon
void HorizontalGuideStroke();  // the full-width line at shiftY
void AbsCornerStroke();        // the V of y = |x| with its corner at (58, −2)
void SlantLineStroke();        // the straight line through the origin
void ParabolaArmStroke();      // the parabola arm, drawn without pauses

// The large letter, for the plane: every capital but "Ж", whose key draws it itself.
bool hasLargeLetterRoutine(QChar letter);
void LargeLetterRoutine(QChar letter);  // does nothing for a letter without a routine

// The small letter, for a slot: all 33 capitals.
bool hasSmallLetterRoutine(QChar letter);
void SmallLetterRoutine(QChar letter);  // does nothing for a character that is no capital
