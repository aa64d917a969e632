#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

class QCoreApplication;

// What the program does before its window: the command line, the check for a screen to show on,
// and Qt's own texts in Russian.
namespace startup {

struct Options {
    bool help = false;
    bool version = false;
    bool fullscreen = false;
    QString work;     // a work file to open
    QString refused;  // the first argument the program does not know; empty: none
};

// The arguments after the program's name.
Options parse(const QStringList& arguments);

// "Использование: literon [ПАРАМЕТРЫ] [ФАЙЛ.literon]" and what each option does.
QString usage();
// "Литерон 1.0"
QString versionLine();

// Whether there is a graphical screen to open the window on (or an offscreen platform asked for
// by name). Without one the program says so in Russian instead of Qt's English abort.
bool displayAvailable();
QString noDisplayMessage();
// Turns Qt's fatal failure to reach the screen into the same Russian message and exit status 1.
void sayWhenTheScreenCannotBeReached();

// Loads Qt's Russian translations, so that the file, print and question dialogs speak Russian as
// the rest of the program does, whatever the desktop's language, and writes sizes and dates in
// them the Russian way. Returns whether the translations were found.
bool loadQtTranslations(QCoreApplication& app);

// The program's window, from the QApplication made to its end: Qt's texts in Russian, the fonts,
// the journal, the window on its screen (in the projector view with --fullscreen), the offer of
// unsaved work and the work file named. `beforeShowing` sees the window before it is first shown
// (the start-up benchmark watches for its first frame). Returns the exit status.
int runProgram(const Options& options, const std::function<void(QWidget&)>& beforeShowing = {});

}  // namespace startup
