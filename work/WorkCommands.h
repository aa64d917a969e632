#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "LetterWork.h"

// The commands of the menu "File" that keep work: "Открыть…" (Ctrl+O), "Сохранить…" (Ctrl+S),
// "Сохранить рисунок…" (Ctrl+E) and "Печать…" (Ctrl+P). Each is enabled only where it makes
// sense: saving needs a graph in Function mode, the picture and printing a working screen.
namespace workcommands {

struct Screen {
    letterwork::ScreenSteps steps;
    // Whether the work area is on screen (not the start screen, the introduction or the author).
    std::function<bool()> workingScreen;
};

// Binds the four menu items (OpenWork, SaveWork, SavePicture, PrintWork) of the window's menu.
void bind(const Screen& screen);
// Sets the items' enabled state from the screen (done before the menu opens and before a key
// is tried as a shortcut).
void refresh();

void OpenWorkClick();
void SaveWorkClick();
void SavePictureClick();
void PrintWorkClick();

// Opens a work file (the command line, "Открыть…"). A file that cannot be opened is reported in
// Russian and changes nothing on screen.
void openPath(const QString& path);

// The work file named on a command line (the program's name first, options start with "--"):
// empty when there is none.
QString workFileArgument(const QStringList& arguments);

}  // namespace workcommands
