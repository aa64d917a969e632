#pragma once

#include <QApplication>
#include <QDir>
#include <QString>

#include "Fonts.h"
#include "Pacing.h"

// A tool's pictures never depend on the machine that makes them: drawings run without pauses,
// and the window's timers tick only when a scene says so.
inline void paceByScenesOnly() {
    pacing::setPausesEnabled(false);
    pacing::setClockDrivesTimers(false);
}

// The start of a tool that makes pictures into a folder, once its QApplication exists: the
// program's name and fonts, scenes paced by themselves, and the folder (the first argument,
// docs/ by default) made. Returns the folder.
inline QString startPictureTool(int argc, char** argv) {
    QApplication::setApplicationDisplayName("Литерон");
    fonts::registerSubstitutions();
    paceByScenesOnly();
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString("docs");
    QDir().mkpath(folder);
    return folder;
}
