// The cost of one plot step with pauses off: the drawing a letter's 5 ms pause has to hold (a paced
// loop counts the drawing into its pause, so it keeps its rhythm while a step costs less than it).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cmath>

#include "Controls.h"
#include "Draw.h"
#include "Pacing.h"
#include "Plane.h"
#include "PlotState.h"
#include "StepLoop.h"
#include "Surface.h"

namespace {
ClientSurface* g_surface = nullptr;

// One step as the letters draw it: three growing segments with a 5 px pen (the preview of "Н").
void letterStep() {
    const double t = plotState.paramValue;
    draw::pen(QColor(0, 129, 129), 5);
    pacing::pause(5);
    draw::segment(1, -149, 1, 73.5 * t - 149);
    draw::segment(99.5, -149, 99.5, 73.5 * t - 149);
    draw::segment(1.5, -78, 47 * t + 1.5, -78);
}

void BM_PlotStepPausesOff(benchmark::State& state) {
    pacing::setPausesEnabled(false);
    plotState.originX = 942;
    plotState.originY = 328;
    // The input checked before it is timed: the loop runs 200 steps, each asking for its 5 ms.
    pacing::resetRequestedPause();
    plotState.paramStart = 0;
    plotState.paramEnd = 2;
    plotState.paramStep = 0.01;
    runStepLoop(letterStep);
    if (pacing::requestedPauseMs() != 200 * 5) {
        state.SkipWithError("the loop did not run its 200 steps");
        return;
    }
    long long steps = 0;
    for (auto _ : state) {
        plotState.paramStart = 0;
        plotState.paramEnd = 2;
        plotState.paramStep = 0.01;
        runStepLoop(letterStep);
        steps += 200;
    }
    state.counters["us_per_step"] = benchmark::Counter(
        static_cast<double>(steps), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.SetItemsProcessed(steps);
}
BENCHMARK(BM_PlotStepPausesOff)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                    : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    ClientSurface surface;
    auto* plane = new Picture(&surface);
    plane->setObjectName("Image10");
    plane->setGeometry(697, 86, plane::kWidth, plane::kHeight);
    plane->setPicture(plane::paintPicture());
    surface.arrangeLayers();
    surface.show();
    g_surface = &surface;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
