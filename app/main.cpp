#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QStandardPaths>
#include <QTimer>
#include <cstdio>
#include <exception>

#include "ContestCommands.h"
#include "Fonts.h"
#include "Journal.h"
#include "Messages.h"
#include "Pacing.h"
#include "Stage.h"
#include "Startup.h"
#include "TForm1.h"
#include "TParser.h"
#include "WorkCommands.h"

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    const startup::Options options = startup::parse(arguments);
    const auto say = [](std::FILE* to, const QString& text) {
        std::fputs(text.toLocal8Bit().constData(), to);
    };
    if (options.help) {
        say(stdout, startup::usage());
        return 0;
    }
    if (options.version) {
        say(stdout, startup::versionLine() + "\n");
        return 0;
    }
    if (!options.refused.isEmpty()) {
        say(stderr, QString("literon: неизвестный параметр «%1». Список параметров: literon "
                            "--help\n")
                        .arg(options.refused));
        return 2;
    }
    if (!startup::displayAvailable()) {
        say(stderr, startup::noDisplayMessage());
        return 1;
    }
    startup::sayWhenTheScreenCannotBeReached();
    QApplication app(argc, argv);
    startup::loadQtTranslations(app);
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
