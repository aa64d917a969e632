#include "WorkCommands.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QPrinter>
#include <QStandardPaths>
#include <algorithm>

#include "CellPicture.h"
#include "FunctionControlNames.h"
#include "FunctionState.h"
#include "GraphList.h"
#include "GraphTable.h"
#include "Journal.h"
#include "LetterTemplates.h"
#include "Messages.h"
#include "Surface.h"
#include "Window.h"
#include "WorkDialogs.h"
#include "WorkFile.h"
#include "WorkPrint.h"
#include "WorkSaving.h"
#include "WorkScreen.h"

namespace workcommands {
namespace {

const window::MenuCommand kCommands[] = {
    {kOpenWorkItem, "Ctrl+O", OpenWorkClick},        {"SaveWork", "Ctrl+S", SaveWorkClick},
    {"SaveWorkAs", "Ctrl+Shift+S", SaveWorkAsClick}, {"SavePicture", "Ctrl+E", SavePictureClick},
    {"PrintWork", "Ctrl+P", PrintWorkClick},
};

Screen g_screen;

// What the commands remember between uses: the file of the work on screen, and the comment of
// the last work, offered again at the next save.
struct Memory {
    QString file;
    QString comment;
    QString note;
};
Memory g_memory;
SaveNote* g_note = nullptr;
RecoveryOffer* g_offer = nullptr;

QString folder() {
    return worksaving::defaultFolder();
}

void remember(const QString& path) {
    worksaving::rememberFolder(path);
}

void say(const QString& text) {
    g_memory.note = text;
    if (g_note) g_note->say(text);
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
    return QDir(folder()).filePath(worksaving::safeFileName(base) + "." + suffix);
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
    const std::vector<int> listed = graphlist::listedGraphs();
    const std::vector<GraphSlot> shown = graphlist::shownGraphs();
    for (std::size_t i = 0; i < shown.size() && i < listed.size(); ++i) {
        const GraphSlot& s = shown[i];
        lines << workprint::formulaLine(listed[i], s.xExpr, s.yExpr,
                                        letterwork::typedNumber(s.startValue),
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

// Refreshes the items before a key is tried as a shortcut. The menus' shortcuts work whatever
// has the focus: an edit box does not keep them for itself (a line edit takes Ctrl+E as "end of
// line" on this desktop, Ctrl+P as "previous line").
class ShortcutWatch : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() != QEvent::ShortcutOverride) return false;
        refresh();
        const QKeySequence pressed(static_cast<QKeyEvent*>(e)->keyCombination());
        ClientSurface* surface = ClientSurface::current();
        if (!surface || !surface->window()) return false;
        for (const QAction* a : surface->window()->findChildren<QAction*>())
            if (!a->shortcut().isEmpty() && a->shortcut() == pressed) return true;
        return false;
    }
};

}  // namespace

void refresh() {
    window::menuItem(kOpenWorkItem).setEnabled(true);
    window::menuItem("SaveWork").setEnabled(letterwork::canSave());
    window::menuItem("SaveWorkAs").setEnabled(letterwork::canSave());
    window::menuItem("RecentWorks").setEnabled(journal::enabled());
    window::menuItem("SavePicture").setEnabled(workingScreen());
    window::menuItem("PrintWork").setEnabled(workingScreen());
}

namespace {

// Opens a work file; a journal entry keeps no file of its own and leaves the folder as it was.
void openWork(const QString& path, bool journalEntry) {
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
    if (!journalEntry) remember(path);
    g_memory.comment = QString::fromStdString(read.work->comment);
    if (!letterwork::replay(*read.work, g_screen.steps)) {
        messages::show("Открытие файла «" + info.fileName() + "» прервано.");
        return;
    }
    if (journalEntry) return;
    g_memory.file = path;
    journal::markSaved(*read.work);
}

}  // namespace

void buildWork(const workfile::Work& work, const QString& what) {
    const QString problem = letterwork::openingProblem(work);
    if (!problem.isEmpty()) return messages::show(what + " не построены: " + problem);
    g_memory.comment = QString::fromStdString(work.comment);
    if (!letterwork::replay(work, g_screen.steps))
        messages::show(what + " построены не до конца: построение прервано.");
}

namespace {

// Writes the work on screen into `path`. A work that would not open again is a fault of the
// writer, not of the pupil: every state the screen reaches is one a file can keep.
bool saveTo(const QString& path, const QString& comment) {
    const workfile::Work work = letterwork::current(plainComment(comment));
    const std::string bytes = workfile::write(work);
    const workfile::ReadResult check = workfile::read(bytes);
    if (!check.work && check.error != workfile::Error::TooLarge) {
        messages::showInternal("рабочий файл «" + fileName(path) +
                               "» не открылся бы: " + QString::fromStdString(check.message()));
        return false;
    }
    const QString why = check.work
                            ? worksaving::writeAtomically(path, QByteArray::fromStdString(bytes))
                            : "работа больше 8 МБ, такой рабочий файл не открылся бы.";
    if (!why.isEmpty()) {
        messages::show("Работа не сохранена в файл «" + fileName(path) + "»: " + why);
        return false;
    }
    remember(path);
    g_memory.file = path;
    g_memory.comment = plainComment(comment);
    journal::markSaved(work);
    QString note = "Работа сохранена: «" + fileName(path) + "».";
    if (const int left = letterwork::leftOutRows())
        note += QString(" Пустых строк неудачных построений не записано: %1.").arg(left);
    say(note);
    return true;
}

void listChanged(graphlist::ListChange change) {
    if (change == graphlist::ListChange::Emptied) {
        g_memory.file.clear();
        journal::closeWork();
        return;
    }
    journal::workChanged(letterwork::current(plainComment(g_memory.comment)));
}

void fillRecentMenu(QMenu& menu) {
    menu.clear();
    const std::vector<journal::Entry> works = journal::recent();
    if (works.empty()) menu.addAction("Журнал работ пуст")->setEnabled(false);
    for (const journal::Entry& e : works) {
        const QString path = e.path;
        QObject::connect(menu.addAction(journal::caption(e)), &QAction::triggered, &menu,
                         [path] { messages::dispatch([&] { openJournalEntry(path); }); });
    }
}

// The offer goes once work begins on the plane.
class PlaneWatch : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Show && g_offer) g_offer->hide();
        return false;
    }
};

}  // namespace

void openPath(const QString& path) {
    openWork(path, false);
}

void openJournalEntry(const QString& path) {
    openWork(path, true);
}

QString workFile() {
    return g_memory.file;
}

QString lastNote() {
    return g_memory.note;
}

void offerRecovery(const QString& round, std::function<void()> resumeRound) {
    const std::optional<journal::Entry> work = journal::unsavedFromLastSession();
    journal::startSession();
    if (!g_offer || (!work && round.isEmpty())) return;
    QString workText;
    std::function<void()> continueWork;
    if (work) {
        workText = journal::caption(*work);
        continueWork = [path = work->path] { openJournalEntry(path); };
    }
    g_offer->offer(workText, continueWork, round, std::move(resumeRound));
}

void OpenWorkClick() {
    const QString path = workdialogs::dialogs().openPath(folder());
    if (!path.isEmpty()) openPath(path);
}

void SaveWorkClick() {
    if (!letterwork::canSave()) return;
    if (g_memory.file.isEmpty()) return SaveWorkAsClick();
    saveTo(g_memory.file, g_memory.comment);
}

void SaveWorkAsClick() {
    if (!letterwork::canSave()) return;
    const QString suggested = g_memory.file.isEmpty() ? suggestedName("literon") : g_memory.file;
    const auto choice = workdialogs::dialogs().savePath(suggested, g_memory.comment);
    if (!choice) return;
    saveTo(choice->path, choice->comment);
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
    say("Рисунок сохранён: «" + fileName(choice->path) + "».");
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
    sheet.screenColours = choice->screenColours;
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
    QAction& any = window::menuItem(kOpenWorkItem);
    if (auto* menu = qobject_cast<QMenu*>(any.parent()))
        QObject::connect(menu, &QMenu::aboutToShow, menu, refresh);
    qApp->installEventFilter(new ShortcutWatch(any.parent()));
    if (auto* file = qobject_cast<QMenu*>(any.parent())) {
        auto* recent = new QMenu(file);
        recent->setObjectName("RecentWorksMenu");
        window::menuItem("RecentWorks").setMenu(recent);
        QObject::connect(recent, &QMenu::aboutToShow, recent,
                         [recent] { fillRecentMenu(*recent); });
    }
    ClientSurface* surface = ClientSurface::current();
    g_note = new SaveNote(surface);
    g_offer = new RecoveryOffer(surface);
    window::control(fnctl::kPlane).installEventFilter(new PlaneWatch(g_offer));
    g_memory = Memory{};
    graphlist::setListWatcher(listChanged);
    refresh();
}

}  // namespace workcommands
