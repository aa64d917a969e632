#pragma once

#include <functional>

class QTimer;

// Time and event pacing for every drawing loop. Loops call nothing else for time, so tests can
// switch the pauses off in one place and read back how long the program asked to wait.
namespace pacing {

// Blocks for ms milliseconds, as the drawing loops' Sleep does (no events are processed).
// Successive pauses of one drawing keep their own rhythm: the drawing done between two pauses
// is part of the second one.
void pause(int ms);

// The rhythm behind pause(), on a steady clock read in microseconds: a pause of `ms` asked for at
// `now`, the previous pause having been counted to end at `lastEnd`, lasts until `until`; the next
// pause counts from `counted`. Within a running drawing (less than 50 ms since the last end) the
// drawing done in between is part of the pause; after a longer break the pause starts afresh; a
// drawing that fell behind does not hurry to catch up, it starts again from now.
struct PauseEnd {
    long long until;
    long long counted;
};
PauseEnd planPause(long long now, long long lastEnd, int ms);

// Processes every pending window event once: repaints (which wipe strokes), clicks, timers.
void processPendingEvents();

// True once the main window has been closed: every drawing loop stops at its next test.
bool quitting();
void setQuitting(bool value);

// The window's interval timers tick by the clock in the program. Tests and the random walk take
// the clock away and tick the timers themselves, so that what they see never depends on how busy
// or fast the machine is. Every window timer is adopted once, when it is made.
void adoptWindowTimer(QTimer* timer);
void setClockDrivesTimers(bool drives);
bool clockDrivesTimers();
// One tick of a running window timer, as its interval would bring it; nothing when it is stopped.
void tick(QTimer& timer);

// Test hook: runs at the end of every event pass (a timer that ticks at each pass, say).
void setEventPassHook(std::function<void()> hook);

// Test hook: with pauses off, pause() only adds to the requested total.
void setPausesEnabled(bool enabled);
bool pausesEnabled();
long long requestedPauseMs();
void resetRequestedPause();

}  // namespace pacing
