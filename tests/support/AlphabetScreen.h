#pragma once

// Alphabet mode entered as a user enters it (the start screen, then the menu), with the user's
// ways to run a lesson and to pick a part of the letter.
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QTest>

#include "FormFixture.h"

struct AlphabetFixture : FormFixture {
    // How the user picks a part: a press on a shape, a click on a strip or picture, or a right
    // click (the press, then the context request).
    enum How { Press, Click, Right };

    AlphabetFixture() {
        click("Label224");
        menu("N6");
        pacing::processPendingEvents();
    }
    WindowCanvas& canvas() { return form().surface().canvas(); }

    // Runs the lesson of a letter from its key on the alphabet keyboard.
    void lesson(const QString& letter) {
        for (Label* key : ctl("Panel3").findChildren<Label*>()) {
            if (key->objectName() != "Label38" && key->caption() == letter) {
                QTest::mouseClick(key, Qt::LeftButton, {}, key->rect().center());
                pacing::processPendingEvents();
                return;
            }
        }
        QFAIL(qPrintable("no key for " + letter));
    }

    // A point of a control where the user sees it, not covered by a control above it;
    // (−1, −1) when it is covered everywhere.
    QPoint visiblePoint(QWidget& w) {
        QWidget& surface = form().surface();
        const QPoint centre = w.rect().center();
        if (surface.childAt(w.mapTo(&surface, centre)) == &w) return centre;
        for (int y = 0; y < w.height(); ++y)
            for (int x = 0; x < w.width(); ++x)
                if (surface.childAt(w.mapTo(&surface, QPoint(x, y))) == &w) return QPoint(x, y);
        return QPoint(-1, -1);
    }

    // The user's gesture on a control at a point.
    static void pickAt(QWidget& w, QPoint at, How how, Qt::MouseButton button = Qt::LeftButton) {
        switch (how) {
            case Press:
                QTest::mousePress(&w, button, {}, at);
                QTest::mouseRelease(&w, button, {}, at);
                break;
            case Click:
                QTest::mouseClick(&w, Qt::LeftButton, {}, at);
                break;
            case Right: {
                QTest::mousePress(&w, Qt::RightButton, {}, at);
                QContextMenuEvent request(QContextMenuEvent::Mouse, at, w.mapToGlobal(at));
                QCoreApplication::sendEvent(&w, &request);
                QTest::mouseRelease(&w, Qt::RightButton, {}, at);
                break;
            }
        }
    }
};
