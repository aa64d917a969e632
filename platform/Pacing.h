#pragma once

// Time and event pacing for every drawing loop. Loops call nothing else for time, so tests can
// switch the pauses off in one place and read back how long the program asked to wait.
namespace pacing {

// Blocks for ms milliseconds, as the drawing loops' Sleep does (no events are processed).
// Successive pauses of one drawing keep their own rhythm: the drawing done between two pauses
// is part of the second one.
void pause(int ms);

// Processes every pending window event once: repaints (which wipe strokes), clicks, timers.
void processPendingEvents();

// True once the main window has been closed: every drawing loop stops at its next test.
bool quitting();
void setQuitting(bool value);

// Test hook: with pauses off, pause() only adds to the requested total.
void setPausesEnabled(bool enabled);
bool pausesEnabled();
long long requestedPauseMs();
void resetRequestedPause();

}  // namespace pacing
