#include "StepLoop.h"

#include "Pacing.h"
#include "PlotState.h"

void runStepLoop(const std::function<void()>& step) {
    PlotState& ps = plotState;
    ps.paramValue = ps.paramStart;
    while (ps.paramValue < ps.paramEnd && !pacing::quitting()) {
        ps.paramValue += ps.paramStep;
        step();
        pacing::processPendingEvents();
    }
}
