// screen_views FILE.png [--projector]: on a real X screen (run under xvfb-run with the screen
// size wanted), shows the window as the program does, starts a lesson of "Л" in Alphabet mode,
// optionally turns the projector view on, and saves the whole screen. Pauses off.
//
// screen_views --enter-key FILE.png: the keypad with "Ввод" enabled and disabled, side by side.
#include <QApplication>
#include <QEventLoop>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include "Fonts.h"
#include "Pacing.h"
#include "ScenePacing.h"
#include "Stage.h"
#include "TForm1.h"

namespace {
void click(TForm1& form, const char* name) {
    emit form.ctl<GraphicControl>(name).clicked();
}

// Lets the X server show what was drawn: the stage repaints a few event passes later.
void settle() {
    QEventLoop wait;
    QTimer::singleShot(300, &wait, &QEventLoop::quit);
    wait.exec();
}

int enterKey(const QString& file) {
    TForm1 form;
    form.show();
    form.Label142Click();
    form.Label147Click();
    click(form, "Label44");
    form.ctl<QLineEdit>("Edit1").setText("2-1.2*x*x");
    settle();
    QWidget& pad = form.ctl("Panel7");
    const QImage enabled = pad.grab().toImage();
    click(form, "Label132");  // "Ввод" disables itself until the next entry
    form.ctl("Label132").setEnabled(false);
    settle();
    const QImage disabled = pad.grab().toImage();
    QImage both(enabled.width() * 2 + 16, enabled.height(), QImage::Format_RGB32);
    both.fill(form.palette().color(QPalette::Window));
    QPainter p(&both);
    p.drawImage(0, 0, enabled);
    p.drawImage(enabled.width() + 16, 0, disabled);
    p.end();
    return both.save(file) ? 0 : 1;
}
}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName("Литерон");
    fonts::registerSubstitutions();
    paceByScenesOnly();
    const QStringList args = QApplication::arguments();
    if (args.size() > 2 && args[1] == "--enter-key") return enterKey(args[2]);
    if (args.size() < 2) return 2;

    TForm1 form;
    stage::present(&form, form.pos());
    settle();
    form.Label142Click();
    form.Label145Click();
    if (args.contains("--projector")) stage::setProjector(true);
    settle();
    click(form, "Label12");  // "Л"
    settle();
    const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0);
    stage::release();
    return shot.save(args[1]) ? 0 : 1;
}
