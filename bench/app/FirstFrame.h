#pragma once

#include <sys/resource.h>

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <ctime>

// Ends the program once a window has painted its first frame, and says how long that took from
// the moment the process was started (LITERON_START_NS, the wall clock in nanoseconds that
// bench/startup.sh reads just before it starts the program: loading, Qt's start and the program's
// own included, the way out left out); reports the peak memory (resident set, KiB) on the way out.
// Used by the start-up benchmark for both programs alike.
class FirstFrame : public QObject {
  public:
    explicit FirstFrame(QWidget& window) : QObject(&window) { window.installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint && !done_) {
            done_ = true;
            timespec now{};
            clock_gettime(CLOCK_REALTIME, &now);  // clock: printed only
            const long long ns = now.tv_sec * 1'000'000'000LL + now.tv_nsec;
            bool given = false;
            const long long start = qgetenv("LITERON_START_NS").toLongLong(&given);
            if (given) std::printf("first_frame_us %lld\n", (ns - start) / 1000);
            QTimer::singleShot(0, qApp, &QApplication::quit);
        }
        return false;
    }
    static void reportPeakMemory() {
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("peak_rss_kib %ld\n", usage.ru_maxrss);
    }

  private:
    bool done_ = false;
};
