#pragma once

#include <QKeyEvent>
#include <QMap>
#include <QString>
#include <QTest>
#include <memory>

#include "FunctionState.h"
#include "GraphTable.h"
#include "Messages.h"
#include "Pacing.h"
#include "PlotState.h"
#include "TForm1.h"

// Types text as a keyboard would, one key press and release per character (any alphabet).
inline void typeText(QWidget* w, const QString& text) {
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(w, &release);
    }
}

// A fresh main window, offscreen, with pauses off and message boxes recorded. The window's timers
// tick only when a test says so (pacing::tick), never by the clock.
class FormFixture {
  public:
    FormFixture() {
        pacing::setPausesEnabled(false);
        pacing::setQuitting(false);
        pacing::resetRequestedPause();
        pacing::setClockDrivesTimers(false);
        // The program's process-wide state, as at its start.
        plotState = PlotState{};
        functionEntry = FunctionEntry{};
        letterBeginning = LetterBeginning{};
        graphTable.graphCount = 0;
        graphTable.selectedGraph = 0;
        form_ = std::make_unique<TForm1>();
        form_->show();
        pacing::processPendingEvents();
    }
    ~FormFixture() {
        // A fault of the program shown as a message fails the test that met it.
        for (const messages::Shown& s : recorder_.internal())
            QTest::qFail(qPrintable(s.text), __FILE__, __LINE__);
        pacing::setEventPassHook(nullptr);
        form_.reset();
        pacing::setQuitting(false);
        pacing::setPausesEnabled(true);
        pacing::setClockDrivesTimers(true);
    }

    TForm1& form() { return *form_; }
    messages::Recorder& messages() { return recorder_; }

    template <class T = QWidget>
    T& ctl(const char* name) {
        return form_->ctl<T>(name);
    }
    template <class T = QWidget>
    T& ctl(const QString& name) {
        return form_->ctl<T>(name);
    }

    // Clicks a control as a user would (press and release of the left button at its centre).
    void click(const char* name) {
        QWidget& w = ctl(name);
        QTest::mouseClick(&w, Qt::LeftButton, {}, w.rect().center());
    }
    void menu(const char* name) { form_->menuItem(name).trigger(); }

    // Name → visible-to-its-parent of every named control on the surface.
    QMap<QString, bool> visibility() {
        QMap<QString, bool> out;
        for (QWidget* w : form_->surface().findChildren<QWidget*>())
            if (!w->objectName().isEmpty()) out.insert(w->objectName(), !w->isHidden());
        return out;
    }

  private:
    messages::Recorder recorder_;
    std::unique_ptr<TForm1> form_;
};
