#include "Startup.h"

#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QTimer>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>

#include "ContestCommands.h"
#include "Fonts.h"
#include "Journal.h"
#include "Messages.h"
#include "Pacing.h"
#include "Stage.h"
#include "TForm1.h"
#include "TParser.h"
#include "WorkCommands.h"

namespace startup {

namespace {
// Qt's own options, which the window's toolkit takes for itself: with a value, and without.
const QStringList kQtWithValue = {
    "platform", "platformpluginpath", "platformtheme", "style",       "stylesheet", "display",
    "geometry", "qwindowgeometry",    "qwindowtitle",  "qwindowicon", "session",    "name",
    "title"};
const QStringList kQtAlone = {"reverse", "nograb", "dograb", "sync", "widgetcount"};

QString qtName(const QString& a) {
    return a.mid(a.startsWith("--") ? 2 : 1);
}
}  // namespace

Options parse(const QStringList& arguments) {
    Options o;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a.startsWith('-') && kQtWithValue.contains(qtName(a))) {
            ++i;  // the toolkit's option and its value
            continue;
        }
        if (a.startsWith('-') && kQtAlone.contains(qtName(a))) continue;
        if (a == "--help" || a == "-h")
            o.help = true;
        else if (a == "--version" || a == "-v")
            o.version = true;
        else if (a == "--fullscreen")
            o.fullscreen = true;
        else if (a.startsWith('-') && a != "-") {
            if (o.refused.isEmpty()) o.refused = a;
        } else if (o.work.isEmpty())
            o.work = a;
    }
    return o;
}

QString usage() {
    return "Использование: literon [ПАРАМЕТРЫ] [ФАЙЛ.literon]\n"
           "Литерон показывает, как заглавные буквы русского алфавита строятся из графиков "
           "функций.\n"
           "\n"
           "Параметры:\n"
           "  -h, --help        показать эту справку и выйти\n"
           "  -v, --version     показать версию программы и выйти\n"
           "      --fullscreen  открыть окно на весь экран (вид для проектора; F11 — "
           "переключить, Esc — выйти)\n"
           "\n"
           "ФАЙЛ.literon — работа, которую открыть при запуске.\n"
           "В программе F1 открывает руководство.\n";
}

QString versionLine() {
    return QString("Литерон %1").arg(LITERON_VERSION);
}

bool displayAvailable() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith("xcb") && !platform.startsWith("wayland"))
        return true;  // offscreen, vnc and the like need no desktop screen
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

QString noDisplayMessage() {
    return "Литерон: нет графического экрана, на котором можно открыть окно программы. "
           "Запустите Литерон в графическом сеансе (на рабочем столе).\n";
}

namespace {
QtMessageHandler g_previous = nullptr;

void onMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg && (text.contains("could not connect to display") ||
                               text.contains("Could not load the Qt platform plugin") ||
                               text.contains("no Qt platform plugin could be initialized"))) {
        std::fputs(noDisplayMessage().toLocal8Bit().constData(), stderr);
        std::fflush(stderr);
        _exit(1);
    }
    if (g_previous) g_previous(type, context, text);
}
}  // namespace

void sayWhenTheScreenCannotBeReached() {
    g_previous = qInstallMessageHandler(onMessage);
}

bool loadQtTranslations(QCoreApplication& app) {
    auto* qt = new QTranslator(&app);
    if (!qt->load(QLocale(QLocale::Russian, QLocale::Russia), "qtbase", "_",
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete qt;
        return false;
    }
    QCoreApplication::installTranslator(qt);
    // What Qt's widgets write themselves (a file's size and date, the types of files) is written
    // the Russian way too. The program's own numbers keep the desktop's decimal separator: they
    // are read and written through QLocale::system().
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    return true;
}

int runProgram(const Options& options, const std::function<void(QWidget&)>& beforeShowing) {
    loadQtTranslations(*QCoreApplication::instance());
    QApplication::setApplicationDisplayName("Литерон");
    QApplication::setApplicationName("Литерон");
    // The desktop entry the package installs: the window gets its icon and name from it.
    QGuiApplication::setDesktopFileName("io.github.literon.Literon");
    fonts::registerSubstitutions();
    // The parser reads locale numbers with the desktop's decimal separator.
    TParser::SetSystemDecimalSeparator(QLocale::system().decimalPoint().toStdString());
    // The journal of works lives in the user's data folder (~/.local/share/Литерон/journal).
    journal::setFolder(QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
                           .filePath("journal"));
    try {
        TForm1 form;
        if (beforeShowing) beforeShowing(form);
        stage::present(&form, form.pos());
        // --fullscreen opens in the projector view, as F11 does.
        if (options.fullscreen) stage::setProjector(true);
        // Once the window shows, what the last session left unsaved is offered first; a file named
        // on the command line (a double click on it) then opens.
        const QString work = options.work;
        QTimer::singleShot(0, &form, [work] {
            messages::dispatch([&] {
                workcommands::offerRecovery(contestcommands::interruptedRound(),
                                            contestcommands::resumeRound);
                if (!work.isEmpty()) workcommands::openPath(work);
            });
        });
        const int rc = QApplication::exec();
        pacing::setQuitting(true);
        stage::release();
        return rc;
    } catch (const std::exception& e) {
        // A window description that names a missing control fails loudly at start.
        std::fprintf(stderr, "literon: %s\n", e.what());
        return 1;
    }
}

}  // namespace startup
