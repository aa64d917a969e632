#pragma once

#include "Pacing.h"

// A tool's pictures never depend on the machine that makes them: drawings run without pauses,
// and the window's timers tick only when a scene says so.
inline void paceByScenesOnly() {
    pacing::setPausesEnabled(false);
    pacing::setClockDrivesTimers(false);
}
