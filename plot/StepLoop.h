#pragma once

#include <functional>

// The step loop shared by every drawing: t starts at paramStart and, while it is strictly below
// paramEnd (read afresh at every test, since a nested drawing may change it), is advanced by
// paramStep before the step is drawn; after each step pending events are processed. The sum is
// kept as a double, so the last value drawn may pass paramEnd by nearly one step.
//
// `step` sets the pen, pauses and draws the shape for t = plotState.paramValue. The loop also
// stops once the program is quitting.
void runStepLoop(const std::function<void()>& step);
