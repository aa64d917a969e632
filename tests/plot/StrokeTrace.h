#pragma once

#include <QString>
#include <QStringList>
#include <QtTest>
#include <cmath>

#include "Canvas.h"
#include "Pacing.h"
#include "PlotState.h"

// The trace of a stroke routine as short tokens, in the order the canvas saw them:
//   w3             pen width 3
//   c#ff961b       pen colour
//   p7             the pauses asked for since the previous operation (7 ms in all)
//   896,327>896,257  MoveTo then LineTo, client pixels
//   955,328        MoveTo and LineTo the same point: a dot
//   [908,244,915,251]  an ellipse in that box
class StrokeTrace : public CanvasListener {
  public:
    explicit StrokeTrace(WindowCanvas& canvas)
        : canvas_(canvas), paused_(pacing::requestedPauseMs()) {
        canvas_.setListener(this);
    }
    ~StrokeTrace() override { canvas_.setListener(nullptr); }
    StrokeTrace(const StrokeTrace&) = delete;
    StrokeTrace& operator=(const StrokeTrace&) = delete;

    void canvasOp(const CanvasOp& op) override {
        notePause();
        switch (op.kind) {
            case CanvasOp::PenWidth:
                tokens_ << QString("w%1").arg(op.a);
                break;
            case CanvasOp::PenColor:
                tokens_ << QString("c#%1").arg(op.a, 6, 16, QChar('0'));
                break;
            case CanvasOp::BrushColor:
                tokens_ << QString("b#%1").arg(op.a, 6, 16, QChar('0'));
                break;
            case CanvasOp::MoveTo:
                at_ = QPoint(op.a, op.b);
                break;
            case CanvasOp::LineTo:
                tokens_
                    << (at_ == QPoint(op.a, op.b)
                            ? QString("%1,%2").arg(op.a).arg(op.b)
                            : QString("%1,%2>%3,%4").arg(at_.x()).arg(at_.y()).arg(op.a).arg(op.b));
                at_ = QPoint(op.a, op.b);
                break;
            case CanvasOp::Ellipse:
                tokens_ << QString("[%1,%2,%3,%4]").arg(op.a).arg(op.b).arg(op.c).arg(op.d);
                break;
        }
    }

    // Everything traced so far, with any pause after the last operation.
    QStringList tokens() {
        notePause();
        return tokens_;
    }

  private:
    void notePause() {
        const long long now = pacing::requestedPauseMs();
        if (now != paused_) tokens_ << QString("p%1").arg(now - paused_);
        paused_ = now;
    }

    WindowCanvas& canvas_;
    long long paused_;
    QPoint at_;
    QStringList tokens_;
};

// The large cell's origin, and the caller's settings the traces of these tests assume: a pen of
// 3 (to tell penWidth from the fixed widths), a delay of 7 ms, guides at 30 across, 20 up.
inline void setUpCaller() {
    plotState.originX = 942;
    plotState.originY = 328;
    plotState.penWidth = 3;
    plotState.stepDelayMs = 7;
    plotState.shiftX = 30;
    plotState.shiftY = -20;
}

// Every step of a routine leaves the same tokens: splits the trace into steps of the length of
// the expected first step, and compares the first and the last step and the number of steps.
inline void compareSteps(const QStringList& trace, int steps, const QString& first,
                         const QString& last) {
    const int n = int(first.split(' ').size());
    QCOMPARE(trace.size(), qsizetype(steps) * n);
    QCOMPARE(trace.mid(0, n).join(' '), first);
    QCOMPARE(trace.mid(trace.size() - n).join(' '), last);
}

// The data rows of a letter routine: its range, whether the range is the caller's, its steps,
// its pauses in all, its last t and the trace tokens of its first and last step.
inline void addLetterRoutineColumns() {
    QTest::addColumn<QString>("letter");
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("end");
    QTest::addColumn<double>("step");
    QTest::addColumn<bool>("caller");  // the range is the caller's (start, end)
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("pauseMs");  // in all, at 7 ms a step where the delay is the field
    QTest::addColumn<double>("lastT");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
}

inline void letterRoutineRow(const char* letter, double start, double end, double step, bool caller,
                             int steps, int pauseMs, double lastT, const char* first,
                             const char* last) {
    QTest::newRow(letter) << QString::fromUtf8(letter) << start << end << step << caller << steps
                          << pauseMs << lastT << QString(first) << QString(last);
}

// Runs the routine of the current data row in the caller's colour and checks its trace and what
// it leaves in the plot state.
inline void checkLetterRoutine(WindowCanvas& canvas, bool (*has)(QChar), void (*routine)(QChar),
                               QColor colour) {
    QFETCH(QString, letter);
    QFETCH(double, start);
    QFETCH(double, end);
    QFETCH(double, step);
    QFETCH(bool, caller);
    QFETCH(int, steps);
    QFETCH(int, pauseMs);
    QFETCH(double, lastT);
    QFETCH(QString, first);
    QFETCH(QString, last);
    setUpCaller();
    // A routine with its own range must not care what the last drawing left.
    plotState.paramStart = caller ? start : 50;
    plotState.paramEnd = caller ? end : -50;
    canvas.setPenColor(colour);
    StrokeTrace trace(canvas);
    QVERIFY(has(letter[0]));
    routine(letter[0]);
    compareSteps(trace.tokens(), steps, first, last);
    QCOMPARE(pacing::requestedPauseMs(), pauseMs);
    QCOMPARE(plotState.paramStart, start);
    QCOMPARE(plotState.paramEnd, end);
    QCOMPARE(plotState.paramStep, step);
    QVERIFY(std::abs(plotState.paramValue - lastT) < 1e-9);
    QCOMPARE(canvas.penColor(), colour);  // the letter keeps the caller's colour
}
