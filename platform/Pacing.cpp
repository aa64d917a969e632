#include "Pacing.h"

#include <QCoreApplication>
#include <QTimer>
#include <QTimerEvent>
#include <chrono>
#include <thread>

namespace pacing {
namespace {
bool g_pauses = true;
bool g_quitting = false;
long long g_requested = 0;
bool g_clockDrivesTimers = true;
std::function<void()> g_eventPassHook;
const QEvent* g_tick = nullptr;  // the one timer event let through while the clock is away

// Drops the clock's timer events of an adopted timer while the clock does not drive them.
class TimerGate : public QObject {
  protected:
    bool eventFilter(QObject*, QEvent* e) override {
        return e->type() == QEvent::Timer && !g_clockDrivesTimers && e != g_tick;
    }
};

TimerGate& gate() {
    static TimerGate g;
    return g;
}
}  // namespace

void pause(int ms) {
    if (ms <= 0) return;
    g_requested += ms;
    if (!g_pauses) return;
    // The speed of an animation is its pauses, not the machine: a step of a 5 ms letter takes
    // 5 ms however fast the drawing is.
    using namespace std::chrono;
    static long long lastEnd = 0;
    const long long now =
        duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
    const PauseEnd end = planPause(now, lastEnd, ms);
    if (end.until > now)
        std::this_thread::sleep_until(steady_clock::time_point(microseconds(end.until)));
    lastEnd = end.counted;
}

PauseEnd planPause(long long now, long long lastEnd, int ms) {
    const long long wanted = 1000LL * ms;
    const bool continuing = now - lastEnd < 50'000;
    const long long until = (continuing ? lastEnd : now) + wanted;
    // Counted from the planned end, oversleeping does not add up step after step.
    return {until, until > now ? until : now};
}

void processPendingEvents() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    if (g_eventPassHook) g_eventPassHook();
}

void setEventPassHook(std::function<void()> hook) {
    g_eventPassHook = std::move(hook);
}

bool quitting() {
    return g_quitting;
}
void setQuitting(bool value) {
    g_quitting = value;
}

void adoptWindowTimer(QTimer* timer) {
    timer->installEventFilter(&gate());
}
void setClockDrivesTimers(bool drives) {
    g_clockDrivesTimers = drives;
}
bool clockDrivesTimers() {
    return g_clockDrivesTimers;
}

void tick(QTimer& timer) {
    if (!timer.isActive()) return;
    QTimerEvent event(timer.timerId());
    const QEvent* outer = g_tick;
    g_tick = &event;
    QCoreApplication::sendEvent(&timer, &event);
    g_tick = outer;
}

void setPausesEnabled(bool enabled) {
    g_pauses = enabled;
}
bool pausesEnabled() {
    return g_pauses;
}
long long requestedPauseMs() {
    return g_requested;
}
void resetRequestedPause() {
    g_requested = 0;
}

}  // namespace pacing
