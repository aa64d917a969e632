#include "Pacing.h"

#include <QCoreApplication>
#include <chrono>
#include <thread>

namespace pacing {
namespace {
bool g_pauses = true;
bool g_quitting = false;
long long g_requested = 0;
}  // namespace

void pause(int ms) {
    if (ms <= 0) return;
    g_requested += ms;
    if (!g_pauses) return;
    // The speed of an animation is its pauses, not the machine: within a running drawing the
    // time spent drawing since the previous pause counts toward this one, so a step of a 5 ms
    // letter takes 5 ms however fast the drawing is. A pause after a longer break starts afresh.
    using clock = std::chrono::steady_clock;
    static clock::time_point lastEnd;
    const auto now = clock::now();
    const auto wanted = std::chrono::milliseconds(ms);
    const bool continuing = now - lastEnd < std::chrono::milliseconds(50);
    const auto until = (continuing ? lastEnd : now) + wanted;
    if (until > now) std::this_thread::sleep_until(until);
    // Count from the planned end, so that oversleeping does not add up step after step; when the
    // drawing has fallen behind, start again from now rather than hurrying to catch up.
    lastEnd = until > now ? until : now;
}

void processPendingEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

bool quitting() { return g_quitting; }
void setQuitting(bool value) { g_quitting = value; }

void setPausesEnabled(bool enabled) { g_pauses = enabled; }
bool pausesEnabled() { return g_pauses; }
long long requestedPauseMs() { return g_requested; }
void resetRequestedPause() { g_requested = 0; }

}  // namespace pacing
