#include "Pacing.h"

#include <QCoreApplication>
#include <QThread>

namespace pacing {
namespace {
bool g_pauses = true;
bool g_quitting = false;
long long g_requested = 0;
}  // namespace

void pause(int ms) {
    if (ms <= 0) return;
    g_requested += ms;
    if (g_pauses) QThread::msleep(static_cast<unsigned long>(ms));
}

void processPendingEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

bool quitting() { return g_quitting; }
void setQuitting(bool value) { g_quitting = value; }

void setPausesEnabled(bool enabled) { g_pauses = enabled; }
bool pausesEnabled() { return g_pauses; }
long long requestedPauseMs() { return g_requested; }
void resetRequestedPause() { g_requested = 0; }

}  // namespace pacing
