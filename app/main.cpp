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
#include "TForm1.h"
#include "TParser.h"
#include "WorkCommands.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName("Литерон");
    QApplication::setApplicationName("Литерон");
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
        if (QApplication::arguments().contains("--fullscreen")) stage::setProjector(true);
        // A work file named on the command line (a double click on it) opens once the window
        // shows.
        // What the last session left unsaved is offered first; a file named on the command line (a
        // double click on it) then opens.
        const QString work = workcommands::workFileArgument(QApplication::arguments());
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
