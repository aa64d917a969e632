#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "LetterWork.h"

// The commands of the menu "File" that keep work: "Открыть…" (Ctrl+O), "Сохранить" (Ctrl+S),
// "Сохранить как…" (Ctrl+Shift+S), "Недавние работы", "Сохранить рисунок…" (Ctrl+E) and
// "Печать…" (Ctrl+P). Each is enabled only where it makes sense: saving needs a graph in Function
// mode, the picture and printing a working screen. Every change of the graph list is written to
// the journal of works.
namespace workcommands {

struct Screen {
    letterwork::ScreenSteps steps;
    // Whether the work area is on screen (not the start screen, the introduction or the author).
    std::function<bool()> workingScreen;
};

// Binds the menu items (OpenWork, SaveWork, SaveWorkAs, RecentWorks, SavePicture, PrintWork) of
// the window's menu and makes the save note and the recovery offer.
void bind(const Screen& screen);
// Sets the items' enabled state from the screen (done before the menu opens and before a key
// is tried as a shortcut).
void refresh();

void OpenWorkClick();

// Builds a work that comes from no file (the formulas of a lesson) as opening a file would: the
// letter begins afresh and every graph is entered through the same steps a pupil takes. `what`
// names the work in what the pupil is told: «Формулы буквы «Ж»».
void buildWork(const workfile::Work& work, const QString& what);

// The menu item "Открыть…", which other modes' rules name (a contest counts it as a change).
inline constexpr char kOpenWorkItem[] = "OpenWork";
// Writes the work again into its file at once (the comment kept); a work without a file asks,
// as "Сохранить как…" does.
void SaveWorkClick();
void SaveWorkAsClick();
void SavePictureClick();
void PrintWorkClick();

// Opens a work file (the command line, "Открыть…"). A file that cannot be opened is reported in
// Russian and changes nothing on screen.
void openPath(const QString& path);
// Opens a work of the journal: as a file is opened, but the work keeps no file of its own.
void openJournalEntry(const QString& path);

// The file the work on screen is kept in (saved to or opened from); empty when it has none. A new
// letter, an example or "Удалить все графики" leave the work without a file.
QString workFile();

// At start: offers to go on with the work the last session left unsaved, and with an unfinished
// contest round (described by `round`, empty for none), then begins this session's journal.
void offerRecovery(const QString& round, std::function<void()> resumeRound);
// The message of the last save (for tests): the note shown in the window.
QString lastNote();

}  // namespace workcommands
