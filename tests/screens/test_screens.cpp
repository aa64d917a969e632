// The main window on a real X screen: where it fits it keeps its place and size; on a smaller
// screen the whole interface is scaled down and stays on screen and clickable; F11 scales it to
// fill the screen (the projector view), and clicks land on the control under the pointer.
#include <QGraphicsView>
#include <QLineEdit>
#include <QScreen>
#include <QtTest>

#include "ContestCommands.h"
#include "Controls.h"
#include "Fonts.h"
#include "FunctionEntry.h"
#include "Messages.h"
#include "Pacing.h"
#include "PlotState.h"
#include "Stage.h"
#include "TForm1.h"

namespace {

// The window as the program shows it (through the stage), pauses off, timers driven by the test.
class ShownWindow {
  public:
    ShownWindow() {
        pacing::setPausesEnabled(false);
        pacing::setQuitting(false);
        pacing::setClockDrivesTimers(false);
        plotState = PlotState{};
        stage::present(&form_, QPoint(61, 150));
        settle();
    }
    ~ShownWindow() {
        stage::release();
        pacing::setQuitting(false);
        pacing::setPausesEnabled(true);
        pacing::setClockDrivesTimers(true);
    }

    TForm1& form() { return form_; }
    QScreen* screen() const { return QGuiApplication::primaryScreen(); }

    // The top-level window the pupil sees, and its place on the screen.
    QWidget* shown() {
        if (QGraphicsView* view = stage::view(); view && view->isVisible()) return view;
        return &form_;
    }
    QRect onScreen() { return shown()->frameGeometry(); }

    // A click where the control `name` appears on the screen, delivered as X would: to the
    // window under the pointer, at that point.
    void clickOnScreen(const char* name) {
        QWidget& w = form_.ctl(name);
        const QPoint inForm = w.mapTo(&form_, w.rect().center());
        if (QGraphicsView* view = stage::view(); view && view->isVisible()) {
            const QPoint at = view->mapFromScene(QPointF(inForm));
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
        } else {
            QTest::mouseClick(&w, Qt::LeftButton, {}, w.rect().center());
        }
        settle();
    }

    void settle() {
        for (int i = 0; i < 5; ++i) pacing::processPendingEvents();
    }

  private:
    messages::Recorder recorder_;
    TForm1 form_;
};

}  // namespace

class ScreensTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        fonts::registerSubstitutions();
        qInfo("screen %dx%d", screen()->geometry().width(), screen()->geometry().height());
    }

    // The whole window is on screen, at its own place where it fits, and "Выход" closes it.
    void wholeWindowOnScreenAndExitCloses() {
        ShownWindow w;
        const QRect available = screen()->availableGeometry();
        QVERIFY2(available.contains(w.onScreen()), qPrintable(QString("%1,%2 %3x%4")
                                                                  .arg(w.onScreen().x())
                                                                  .arg(w.onScreen().y())
                                                                  .arg(w.onScreen().width())
                                                                  .arg(w.onScreen().height())));
        const QSize natural = w.form().size();
        if (available.contains(QRect(QPoint(61, 150), natural))) {
            QCOMPARE(w.onScreen().topLeft(), QPoint(61, 150));
            QCOMPARE(stage::factor(), 1.0);
        } else if (natural.width() > available.width() || natural.height() > available.height()) {
            QVERIFY(stage::factor() < 1.0);  // scaled down, uniformly
            QCOMPARE(w.onScreen().width(), int(natural.width() * stage::factor()));
            QCOMPARE(w.onScreen().height(), int(natural.height() * stage::factor()));
        }
        QVERIFY(w.form().ctl("Label31").isVisible());
        w.clickOnScreen("Label31");  // "Выход"
        QVERIFY(!w.form().isVisible());
        QVERIFY(!w.shown()->isVisible());
    }

    // F11 fills the screen, centred, aspect kept; a click on a letter key starts its lesson;
    // the canvas raster follows the scale; F11 again returns.
    void projectorViewFillsTheScreen() {
        ShownWindow w;
        w.clickOnScreen("Label224");  // "Старт программы"
        w.clickOnScreen("Label145");  // Режим АЛФАВИТА
        QTest::keyClick(&w.form(), Qt::Key_F11);
        w.settle();
        QVERIFY(stage::projector());
        const QRect screenArea = screen()->geometry();
        QCOMPARE(w.onScreen(), screenArea);
        const QSize natural = w.form().size();
        const double factor = std::min(screenArea.width() / double(natural.width()),
                                       screenArea.height() / double(natural.height()));
        QCOMPARE(stage::factor(), factor);
        // Centred: the margins left and right (or above and below) are equal to a pixel.
        QGraphicsView* view = stage::view();
        const QRect shownForm(view->mapFromScene(QPointF(0, 0)),
                              view->mapFromScene(QPointF(natural.width(), natural.height())));
        QVERIFY(std::abs(shownForm.left() - (screenArea.width() - shownForm.right())) <= 2);
        QVERIFY(std::abs(shownForm.top() - (screenArea.height() - shownForm.bottom())) <= 2);

        w.clickOnScreen("Label14");  // "Н" on the alphabet keyboard
        QCOMPARE(w.form().ctl<Label>("Label38").caption(), QString("Н"));
        QVERIFY(w.form().ctl("Label38").isVisible());
        const QImage& raster = w.form().surface().canvas().image();
        QCOMPARE(raster.devicePixelRatio(), w.form().devicePixelRatioF() * factor);
        // Crisp at the scale: a dot 5 client pixels across is 5 × factor raster pixels across,
        // every one of them solid.
        WindowCanvas& canvas = w.form().surface().canvas();
        canvas.setPenWidth(5);
        canvas.moveTo(300, 600);
        canvas.lineTo(300, 600);
        QRect dot;
        int partial = 0;
        for (int y = int(590 * raster.devicePixelRatio()); y < int(610 * raster.devicePixelRatio());
             ++y)
            for (int x = int(290 * raster.devicePixelRatio());
                 x < int(310 * raster.devicePixelRatio()); ++x) {
                const int alpha = qAlpha(canvas.image().pixel(x, y));
                if (alpha == 255)
                    dot |= QRect(x, y, 1, 1);
                else if (alpha != 0)
                    ++partial;
            }
        QCOMPARE(partial, 0);
        QVERIFY(std::abs(dot.width() - 5 * raster.devicePixelRatio()) <= 1);
        QCOMPARE(dot.width(), dot.height());

        QTest::keyClick(&w.form(), Qt::Key_Escape);
        w.settle();
        QVERIFY(!stage::projector());
        QVERIFY(screen()->availableGeometry().contains(w.onScreen()));
    }

    // The blue marks of a check land on the parts of the letter they mark, as the screen shows
    // them: at the window's own size, scaled down on a small screen, and in the projector view.
    void checkMarksLandOnTheLetter() {
        ShownWindow w;
        TForm1& form = w.form();
        const auto press = [&](const char* name) {
            emit form.ctl<GraphicControl>(name).clicked();
            w.settle();
        };
        press("Label224");
        press("Label147");
        press("Label171");                                  // "П"
        const QString entries[] = {"0.04", "x", "0", "3"};  // its left upright only
        for (int box = 1; box <= 4; ++box) {
            functionentry::edit(box).setText(entries[box - 1]);
            press("Label132");
        }
        press("Label148");
        form.menuItem("CheckLetter").trigger();
        w.settle();
        const std::vector<QPoint> marked = contestcommands::lastCheck()->uncovered;
        QVERIFY(marked.size() > 100);

        for (bool projector : {false, true}) {
            stage::setProjector(projector);
            w.settle();
            const QImage shot = screen()->grabWindow(0).toImage();
            // Where a point of the window's surface shows on the screen.
            const auto onScreen = [&](QPoint p) {
                const QPointF inForm = QPointF(form.surface().mapTo(&form, p)) + QPointF(0.5, 0.5);
                if (QGraphicsView* view = stage::view(); view && view->isVisible())
                    return view->viewport()->mapToGlobal(view->mapFromScene(inForm));
                return form.mapToGlobal(inForm.toPoint());
            };
            const auto blue = [&](QPoint p) {
                const QColor c = shot.pixelColor(onScreen(p));
                return c.blue() > 200 && c.red() < 90 && c.green() > 60 && c.green() < 180;
            };
            int missed = 0;
            for (QPoint p : marked) missed += !blue(p);
            QVERIFY2(missed == 0, qPrintable(QString("factor %1: %2 of %3 marks not on screen")
                                                 .arg(stage::factor())
                                                 .arg(missed)
                                                 .arg(marked.size())));
            // The built upright is not marked.
            for (int y = 200; y < 320; y += 10) QVERIFY(!blue(QPoint(944, y)));
        }
        stage::setProjector(false);
    }

  private:
    static QScreen* screen() { return QGuiApplication::primaryScreen(); }
};

QTEST_MAIN(ScreensTest)
#include "test_screens.moc"
