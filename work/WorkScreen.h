#pragma once

#include <QFrame>
#include <QLabel>
#include <functional>

#include "OverSurface.h"
#include "TimedNote.h"

class QPushButton;
class QShortcut;
class QTimer;

// What keeping work shows in the window, standing over the client surface (see OverSurface).

// A short note after a save, above the plane, for a few seconds: no dialog to close.
class SaveNote : public TimedNote {
    Q_OBJECT
  public:
    static constexpr int kShownMs = 4000;
    explicit SaveNote(QWidget* surface);
    void say(const QString& text);
};

// The offer at start to go on with what the last session left unsaved: its work, its unfinished
// contest round, or both. One click takes it; Esc or "Не нужно" puts it away, and so does the
// start of work on the plane.
class RecoveryOffer : public QFrame {
    Q_OBJECT
  public:
    explicit RecoveryOffer(QWidget* surface);
    // Empty texts leave their line and button out.
    void offer(const QString& work, std::function<void()> continueWork, const QString& round,
               std::function<void()> continueRound);
    QString text() const;

  protected:
    void showEvent(QShowEvent*) override { over_.follow(); }
    void hideEvent(QHideEvent*) override;

  private:
    OverSurface over_;
    QLabel* lines_;
    QPushButton* work_;
    QPushButton* round_;
    QPushButton* ignore_;
    QShortcut* escape_;
    std::function<void()> continueWork_, continueRound_;
};
