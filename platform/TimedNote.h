#pragma once

#include <QLabel>
#include <QRect>

#include "OverSurface.h"

class QTimer;

// A note over the client surface (see OverSurface) that goes by itself a few seconds after it is
// said: no dialog to close. Its timer is a window timer named after the note ("…Timer"), so tests
// tick it. The kinds of note give it their look.
class TimedNote : public QLabel {
    Q_OBJECT
  public:
    TimedNote(QWidget* surface, QRect place, const QString& name, int shownMs);
    void say(const QString& text);
    QTimer& timer() { return *timer_; }

  protected:
    void showEvent(QShowEvent*) override { over_.follow(); }
    // The background and the text in these colours, a frame of `frameWidth` around.
    void look(QColor back, QColor text, int frameWidth);

  private:
    OverSurface over_;
    QTimer* timer_;
};
