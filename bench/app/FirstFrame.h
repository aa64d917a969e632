#pragma once

#include <sys/resource.h>

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>

// Ends the program once a window has painted its first frame, and reports the peak memory
// (resident set, KiB) on the way out. Used by the start-up benchmark for both programs alike.
class FirstFrame : public QObject {
  public:
    explicit FirstFrame(QWidget& window) { window.installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint && !done_) {
            done_ = true;
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
