#include "Startup.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>

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

}  // namespace startup
