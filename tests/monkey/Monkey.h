#pragma once

#include <QEventLoop>
#include <QFile>
#include <QObject>
#include <QRandomGenerator>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <functional>

class TForm1;

// A seeded random walk over the window as a restless pupil would make it: clicks, right clicks,
// key presses and typed text on every visible, enabled control of whatever screen is up, menu
// commands, and all of it also while a drawing runs (the walk goes on from inside the drawing's
// event processing, so handlers nest). The window's interval timers tick only when the walk lets
// time pass, so a walk depends on its seed alone and not on the speed of the machine.
class Monkey : public QObject {
    Q_OBJECT
  public:
    Monkey(TForm1& form, quint64 seed, int events);
    ~Monkey() override;

    // Runs the walk to its end; returns the number of events sent.
    int run();

    // Chooses "Выход" at this event (0: never).
    void exitAt(int event) { exitAt_ = event; }
    // While a drawing runs, one in this many of its event turns brings the next event (1: every
    // turn, so nearly the whole walk happens inside drawings).
    void setNestedOdds(quint32 odds) { nestedOdds_ = std::max<quint32>(1, odds); }
    // Also writes every event to this file as it is sent, so a walk that hangs or dies names its
    // last event.
    void traceTo(const QString& path);
    int maxDepth() const { return maxDepth_; }
    const QStringList& log() const { return log_; }

  private:
    void schedule();
    void step();
    void act();
    void clickSomething(Qt::MouseButton button);
    void typeSomething();
    void chooseMenuItem();
    void letTimePass();
    void answerWorkDialogs();
    void answerContestDialogs();
    void buildAGraph();
    bool pressIfThere(const char* name);
    QString someExpression();
    QString someNumber();
    void note(const QString& line);

    TForm1& form_;
    QRandomGenerator random_;
    int events_;
    int sent_ = 0;
    int exitAt_ = 0;
    quint32 nestedOdds_ = 256;
    int depth_ = 0;
    int maxDepth_ = 0;
    QList<QTimer*> timers_;  // the window's interval timers; they tick when the walk says so
    QStringList log_;
    QFile trace_;
    QEventLoop* loop_ = nullptr;
    QTemporaryDir files_;  // where the walk saves work, pictures and prints
    QStringList expressions_;
};
