#pragma once

#include <functional>

struct PlotState;

// The step loop shared by every drawing: t starts at paramStart and, while it is strictly below
// paramEnd (read afresh at every test, since a nested drawing may change it), is advanced by
// paramStep before the step is drawn; after each step pending events are processed. The sum is
// kept as a double, so the last value drawn may pass paramEnd by nearly one step.
//
// `step` sets the pen, pauses and draws the shape for t = ps.paramValue. A paced loop (the
// window's) also stops once the program is quitting; an unpaced one (a picture) neither lets
// events in nor looks at the program's state. `belowFactor` scales the end in the test ("З" of
// Alphabet mode runs while t < 2 × paramEnd).
struct StepLoopRun {
    bool paced = true;
    double belowFactor = 1;
};
void runStepLoop(PlotState& ps, const std::function<void()>& step, StepLoopRun run = {});
void runStepLoop(const std::function<void()>& step);  // on plotState, paced
