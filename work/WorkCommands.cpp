#include "WorkCommands.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeySequence>
#include <QMenu>
#include <QPrinter>
#include <QStandardPaths>
#include <algorithm>

#include "CellPicture.h"
#include "FunctionState.h"
#include "GraphList.h"
#include "GraphTable.h"
#include "LetterTemplates.h"
#include "Messages.h"
#include "Window.h"
#include "WorkDialogs.h"
#include "WorkFile.h"
#include "WorkPrint.h"
#include "WorkSaving.h"

namespace workcommands {
namespace {

const window::MenuCommand kCommands[] = {
    {"OpenWork", "Ctrl+O", OpenWorkClick},
    {"SaveWork", "Ctrl+S", SaveWorkClick},
    {"SavePicture", "Ctrl+E", SavePictureClick},
    {"PrintWork", "Ctrl+P", PrintWorkClick},
};

Screen g_screen;

// What the commands remember between uses: the folder last used, and the comment of the last
// work, offered again at the next save.
struct Memory {
    QString folder;
    QString comment;
};
Memory g_memory;

QString folder() {
    if (!g_memory.folder.isEmpty()) return g_memory.folder;
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

void remember(const QString& path) {
    g_memory.folder = QFileInfo(path).absolutePath();
}

bool workingScreen() {
    return g_screen.workingScreen && g_screen.workingScreen();
}

// Function mode with a letter begun: the print can name the letter and offer a worksheet.
bool letterOnScreen() {
    return letterBeginning.kind != LetterBeginning::None && letterwork::functionModeShown();
}

// The letter begun in Function mode; none for the blank key or outside the mode.
QString letterName() {
    const bool hasLetter = letterOnScreen() && letterBeginning.kind != LetterBeginning::Blank;
    return hasLetter ? QString(letterBeginning.letter) : QString();
}

QString suggestedName(const QString& suffix) {
    const QString letter = letterName();
    const QString base = letter.isEmpty() ? QString("Литерон") : "Буква " + letter;
    return QDir(folder()).filePath(base + "." + suffix);
}

// "Литерон. Буква «П»", "Рабочий лист. Буква без шаблона", or the program's name alone outside
// Function mode.
QString heading(bool worksheet) {
    if (!letterOnScreen()) return "Литерон";
    const QString letter =
        letterName().isEmpty() ? QString("без шаблона") : "«" + letterName() + "»";
    return (worksheet ? "Рабочий лист. Буква " : "Литерон. Буква ") + letter;
}

QStringList formulas() {
    QStringList lines;
    if (!letterwork::functionModeShown()) return lines;
    for (int k : graphlist::listedGraphs()) {
        const GraphSlot& s = graphTable.slot(k);
        lines << workprint::formulaLine(k, s.xExpr, s.yExpr, letterwork::typedNumber(s.startValue),
                                        letterwork::typedNumber(s.endValue));
    }
    return lines;
}

// A comment is one line of text: no control characters, at most as many letters as a file keeps.
QString plainComment(const QString& text) {
    QString out;
    std::size_t letters = 0;
    for (char32_t c : text.toUcs4()) {
        if (QChar::category(c) == QChar::Other_Control || c == 0x2028 || c == 0x2029) continue;
        if (++letters > workfile::kMaxCommentLetters) break;
        out += QString::fromUcs4(&c, 1);
    }
    return out;
}

QString fileName(const QString& path) {
    return QFileInfo(path).fileName();
}

// The class that refreshes the items before a key is tried as a shortcut.
class ShortcutWatch : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::ShortcutOverride) refresh();
        return false;
    }
};

}  // namespace

void refresh() {
    window::menuItem("OpenWork").setEnabled(true);
    window::menuItem("SaveWork").setEnabled(letterwork::canSave());
    window::menuItem("SavePicture").setEnabled(workingScreen());
    window::menuItem("PrintWork").setEnabled(workingScreen());
}

void openPath(const QString& path) {
    const QFileInfo info(path);
    auto refuse = [&](const QString& why) {
        messages::show("Файл «" + info.fileName() + "» не открыт: " + why);
    };
    if (!info.exists()) return refuse("такого файла нет.");
    if (info.isDir()) return refuse("это папка, а не файл.");
    if (info.size() > qint64(workfile::kMaxBytes)) {
        workfile::ReadResult tooLarge;
        tooLarge.error = workfile::Error::TooLarge;
        return refuse(QString::fromStdString(tooLarge.message()));
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return refuse("его нельзя прочитать.");
    // A file that grew since it was measured is read no further than the limit.
    const QByteArray bytes = file.read(qint64(workfile::kMaxBytes) + 1);
    const workfile::ReadResult read =
        workfile::read(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    if (!read.work) return refuse(QString::fromStdString(read.message()));
    const QString problem = letterwork::openingProblem(*read.work);
    if (!problem.isEmpty()) return refuse(problem);
    remember(path);
    g_memory.comment = QString::fromStdString(read.work->comment);
    if (!letterwork::replay(*read.work, g_screen.steps))
        messages::show("Открытие файла «" + info.fileName() + "» прервано.");
}

QString workFileArgument(const QStringList& arguments) {
    for (const QString& arg : arguments.mid(1))
        if (!arg.startsWith("--")) return arg;
    return QString();
}

void OpenWorkClick() {
    const QString path = workdialogs::dialogs().openPath(folder());
    if (!path.isEmpty()) openPath(path);
}

void SaveWorkClick() {
    if (!letterwork::canSave()) return;
    const auto choice = workdialogs::dialogs().savePath(suggestedName("literon"), g_memory.comment);
    if (!choice) return;
    const workfile::Work work = letterwork::current(plainComment(choice->comment));
    const std::string bytes = workfile::write(work);
    // Never a file that would not open again: one that, say, many long formulas made larger than
    // a work file may be.
    const workfile::ReadResult check = workfile::read(bytes);
    const QString why =
        check.work ? worksaving::writeAtomically(choice->path, QByteArray::fromStdString(bytes))
                   : "такой файл не открылся бы: " + QString::fromStdString(check.message());
    if (!why.isEmpty()) {
        messages::show("Работа не сохранена в файл «" + fileName(choice->path) + "»: " + why);
        return;
    }
    remember(choice->path);
    g_memory.comment = choice->comment;
}

void SavePictureClick() {
    if (!workingScreen()) return;
    const auto choice = workdialogs::dialogs().picture(suggestedName("png"));
    if (!choice) return;
    const QString why =
        cellpicture::write(choice->path, choice->format, std::clamp(choice->scale, 1, 4));
    if (!why.isEmpty()) {
        messages::show("Рисунок не сохранён в файл «" + fileName(choice->path) + "»: " + why);
        return;
    }
    remember(choice->path);
}

void PrintWorkClick() {
    if (!workingScreen()) return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName("Литерон");
    printer.setPageSize(QPageSize(QPageSize::A4));
    const auto choice = workdialogs::dialogs().print(printer, letterOnScreen());
    if (!choice) return;
    workprint::Sheet sheet;
    sheet.worksheet = choice->worksheet && letterOnScreen();
    sheet.heading = heading(sheet.worksheet);
    sheet.comment = g_memory.comment;
    sheet.formulas = formulas();
    if (letterBeginning.kind != LetterBeginning::Blank)
        sheet.letterTemplate = lettertemplates::find(letterBeginning.letter.unicode());
    if (!workprint::paint(printer, sheet)) messages::show("Печать не удалась: принтер недоступен.");
}

void bind(const Screen& screen) {
    g_screen = screen;
    window::bindMenuCommands(kCommands);
    QAction& any = window::menuItem("OpenWork");
    if (auto* menu = qobject_cast<QMenu*>(any.parent()))
        QObject::connect(menu, &QMenu::aboutToShow, menu, refresh);
    qApp->installEventFilter(new ShortcutWatch(any.parent()));
    refresh();
}

}  // namespace workcommands
