#include "StepLoop.h"

#include "Pacing.h"
#include "PlotState.h"

void runStepLoop(PlotState& ps, const std::function<void()>& step, StepLoopRun run) {
    ps.paramValue = ps.paramStart;
    while (ps.paramValue < run.belowFactor * ps.paramEnd && !(run.paced && pacing::quitting())) {
        ps.paramValue += ps.paramStep;
        step();
        if (run.paced) pacing::processPendingEvents();
    }
}

void runStepLoop(const std::function<void()>& step) {
    runStepLoop(plotState, step);
}
