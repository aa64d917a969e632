#pragma once

#include <QFrame>
#include <QLabel>
#include <QPoint>
#include <QWidget>
#include <vector>

#include "OverSurface.h"
#include "TimedNote.h"

// What the contest shows over the plane of Function mode, standing over the client surface (see
// OverSurface), at places given in the surface's 1212 × 731 coordinates.

// The check's verdict in plain Russian; a click puts it away.
class CheckPanel : public QFrame {
    Q_OBJECT
  public:
    explicit CheckPanel(QWidget* surface);
    void showText(const QString& summary, const QString& verdict, bool built);
    QString text() const;

  protected:
    void mousePressEvent(QMouseEvent*) override;
    void showEvent(QShowEvent*) override { over_.follow(); }

  private:
    OverSurface over_;
    QLabel* summary_;
    QLabel* verdict_;
};

// The template pixels no graph comes near, marked in a clear colour over the strokes. It lets
// every click through.
class UncoveredMarks : public QWidget {
    Q_OBJECT
  public:
    static constexpr QRgb kColour =
        0xff0078ff;  // a clear blue, unlike the red dots and the pale template

    explicit UncoveredMarks(QWidget* surface);
    // The points are in the window's coordinates.
    void mark(const std::vector<QPoint>& points);
    const std::vector<QPoint>& points() const { return points_; }

  protected:
    void paintEvent(QPaintEvent*) override;
    void showEvent(QShowEvent*) override { over_.follow(); }

  private:
    OverSurface over_;
    std::vector<QPoint> points_;
    QPoint origin_;  // where the widget's top left stands on the surface
};

// The round's clock: whose turn it is and what is left of it.
class RoundClock : public QLabel {
    Q_OBJECT
  public:
    explicit RoundClock(QWidget* surface);

  protected:
    void showEvent(QShowEvent*) override { over_.follow(); }

  private:
    OverSurface over_;
};

// The end of a turn and whose turn comes next, in large letters over the middle of the plane, to
// be read from the back of the room and on a projector; it goes after a few seconds or at a
// click.
class TurnAnnouncement : public TimedNote {
    Q_OBJECT
  public:
    static constexpr int kShownMs = 4000;
    explicit TurnAnnouncement(QWidget* surface);
    void announce(const QString& text) { say(text); }

  protected:
    void mousePressEvent(QMouseEvent*) override { hide(); }
};
