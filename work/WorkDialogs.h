#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "CellPicture.h"

class QPrinter;

// The questions the work commands ask: the desktop's own file and print dialogs in the program,
// prepared answers in tests.
namespace workdialogs {

struct SaveChoice {
    QString path;
    QString comment;  // a free line kept with the work: the group's name, say
};

struct PictureChoice {
    QString path;
    cellpicture::Format format = cellpicture::Format::Png;
    int scale = 2;  // PNG only: 1 … 4 pixels per pixel of the screen
};

struct PrintChoice {
    bool worksheet = false;      // the template on the plane without the graphs, for work on paper
    bool screenColours = false;  // the screen's colours rather than little ink
};

struct Dialogs {
    // The file to open; empty: cancelled.
    std::function<QString(const QString& folder)> openPath;
    std::function<std::optional<SaveChoice>(const QString& suggested, const QString& comment)>
        savePath;
    std::function<std::optional<PictureChoice>(const QString& suggested)> picture;
    // What to print (the worksheet offered when there is a template), then the printer's own
    // dialog, which sets `printer` up.
    std::function<std::optional<PrintChoice>(QPrinter& printer, bool worksheetOffered)> print;
};

// The picture a name typed in the save question asks for, `chosenType` being the type chosen in
// the question's list (0 PNG, 1 PDF, 2 SVG): a suffix typed with the name wins; a name without
// one gets the chosen type's.
PictureChoice pictureChoice(const QString& typedPath, int chosenType);

const Dialogs& dialogs();
// Tests answer the questions themselves; resetDialogs() brings the desktop's dialogs back.
void setDialogs(Dialogs d);
void resetDialogs();

}  // namespace workdialogs
