// work_pictures [folder]: the pictures of keeping work (docs/ by default): the menu "File" open
// over an example letter, the same with "Недавние работы" open on three works of a journal, the
// cell saved as a PNG at 2×, the dialog "Открыть…" in Russian, the guide's window, and a printed
// worksheet page (printed to PDF, rendered to PNG by pdftoppm), and a lesson beside the letter
// its formulas build. Run offscreen:
// QT_QPA_PLATFORM=offscreen.
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "CellPicture.h"
#include "HelpWindow.h"
#include "Journal.h"
#include "LessonBuilding.h"
#include "LetterTemplates.h"
#include "Pacing.h"
#include "Plane.h"
#include "ScenePacing.h"
#include "Startup.h"
#include "TForm1.h"
#include "WorkDialogs.h"
#include "WorkPrint.h"

namespace {
void click(TForm1& form, const char* name) {
    emit form.ctl<GraphicControl>(name).clicked();
    pacing::processPendingEvents();
}

// The window with the menu "File" open under its title, as the pupil sees it.
QImage withFileMenu(TForm1& form) {
    QMenu* file = form.findChild<QMenu*>("File1Menu");
    emit file->aboutToShow();
    QImage shot = form.grab().toImage();
    file->popup(form.mapToGlobal(QPoint(0, form.menuBar()->height())));
    pacing::processPendingEvents();
    QPainter p(&shot);
    p.drawPixmap(QPoint(0, form.menuBar()->height()), file->grab());
    file->hide();
    return shot;
}

// Three works of a day in class, kept in a journal of their own with fixed times, so that the
// picture is the same at every run.
void fillJournal(const QString& folder) {
    journal::setFolder(folder);
    struct Kept {
        const char* letter;
        const char* comment;
        int graphs;
        int minute;
    };
    const Kept works[] = {{"Н", "", 2, 5}, {"П", "Группа «Ракеты»", 3, 20}, {"Ж", "5 «Б»", 4, 41}};
    for (const Kept& k : works) {
        workfile::Work w;
        w.letter = k.letter;
        w.comment = k.comment;
        for (int g = 0; g < k.graphs; ++g) w.graphs.push_back({"0", "x", 0, double(g + 1)});
        journal::closeWork();
        journal::workChanged(w);
    }
    int i = 0;
    for (const journal::Entry& e : journal::recent()) {
        QFile f(e.path);
        f.open(QIODevice::ReadWrite);
        f.setFileTime(QDateTime(QDate(2026, 12, 10), QTime(10, works[2 - i++].minute)),
                      QFileDevice::FileModificationTime);
    }
}

// The window with "Файл" and its "Недавние работы" open.
QImage withRecentWorks(TForm1& form) {
    QMenu* file = form.findChild<QMenu*>("File1Menu");
    QMenu* recent = form.findChild<QMenu*>("RecentWorksMenu");
    emit file->aboutToShow();
    emit recent->aboutToShow();
    QImage shot = form.grab().toImage();
    const QPoint fileAt(0, form.menuBar()->height());
    file->popup(form.mapToGlobal(fileAt));
    pacing::processPendingEvents();
    const QRect item = file->actionGeometry(&form.menuItem("RecentWorks"));
    recent->popup(form.mapToGlobal(fileAt + item.topRight()));
    pacing::processPendingEvents();
    QPainter p(&shot);
    p.drawPixmap(fileAt, file->grab());
    p.drawPixmap(fileAt + item.topRight(), recent->grab());
    recent->hide();
    file->hide();
    return shot;
}

bool printWorksheet(const QString& pdf) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageSize(QPageSize(QPageSize::A4));
    workprint::Sheet sheet;
    sheet.worksheet = true;
    sheet.heading = "Рабочий лист. Буква «Я»";
    sheet.comment = "Группа «Звёздочки», 5 «Б»";
    sheet.letterTemplate = lettertemplates::find(u'Я');
    return workprint::paint(printer, sheet);
}
}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString folder = startPictureTool(argc, argv);
    startup::loadQtTranslations(app);
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);

    TForm1 form;
    form.show();
    pacing::processPendingEvents();
    form.Label142Click();
    form.Label147Click();
    click(form, "Label155");         // "Й" opens the examples
    form.menuItem("N19").trigger();  // the example "Я"
    pacing::processPendingEvents();
    withFileMenu(form).save(QDir(folder).filePath("file-menu.png"));
    {
        QTemporaryDir journalFolder;
        fillJournal(journalFolder.path());
        withRecentWorks(form).save(QDir(folder).filePath("recent-works.png"));
        journal::setFolder(QString());
    }
    {
        // The dialog "Открыть…" on a class's folder of two works, as the desktop shows it in
        // Russian; the files' times are fixed so that the picture is the same on every run.
        const QString works = QDir::temp().filePath("Работы 5Б");
        QDir(works).removeRecursively();
        QDir().mkpath(works);
        for (const char* name : {"Буква П.literon", "Буква Я.literon"}) {
            QFile f(QDir(works).filePath(QString::fromUtf8(name)));
            f.open(QIODevice::WriteOnly);
            f.close();
            f.open(QIODevice::ReadWrite);
            f.setFileTime(QDateTime(QDate(2026, 12, 9), QTime(10, 30)),
                          QFileDevice::FileModificationTime);
        }
        QTimer::singleShot(0, [&] {
            if (QWidget* dialog = QApplication::activeModalWidget()) {
                // The list without sizes and dates, which Qt writes in the desktop's own language
                // (Russian on a Russian desktop, English on this tool's).
                if (auto* files = qobject_cast<QFileDialog*>(dialog))
                    files->setViewMode(QFileDialog::List);
                dialog->resize(760, 420);
                // The dialog reads the folder on a thread of its own: the picture waits until both
                // works are listed, sorted and with their icons (on a busy machine that takes a
                // while; at most about 10 s).
                const auto listed = [dialog] {
                    for (QListView* v : dialog->findChildren<QListView*>()) {
                        if (!v->isVisible() || !v->model()) continue;
                        const QModelIndex root = v->rootIndex();
                        if (v->model()->rowCount(root) != 2) return false;
                        for (int r = 0; r < 2; ++r)
                            if (v->model()->index(r, 0, root).data(Qt::DecorationRole).isNull())
                                return false;
                        return v->model()->index(0, 0, root).data().toString() <
                               v->model()->index(1, 0, root).data().toString();
                    }
                    return false;
                };
                for (int i = 0; i < 1000 && !listed(); ++i)
                    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
                for (int i = 0; i < 20; ++i)
                    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
                pacing::processPendingEvents();
                dialog->grab().save(QDir(folder).filePath("open-dialog.png"));
                dialog->close();
            }
        });
        workdialogs::dialogs().openPath(works);
        QDir(works).removeRecursively();
    }
    {
        // The guide beside the work, at its section on typing a function.
        form.menuItem("N3").trigger();
        HelpWindow* help = helpwindow::shown();
        help->resize(680, 600);
        help->showAt("typing");
        pacing::processPendingEvents();
        help->grab().save(QDir(folder).filePath("help-window.png"));
        help->close();
    }
    const QString png = QDir(folder).filePath("export-2x.png");
    if (const QString why = cellpicture::write(png, cellpicture::Format::Png, 2); !why.isEmpty()) {
        std::fprintf(stderr, "work_pictures: %s\n", qPrintable(why));
        return 1;
    }

    {
        // The lesson of "Ж" and, beside it, the letter its formulas build in Function mode.
        form.Label145Click();
        click(form, "Label9");
        const QImage lesson = form.surface().grab(plane::kRect).toImage();
        lessonbuilding::BuildFromFormulasClick();
        pacing::processPendingEvents();
        const QImage built = form.surface().grab(plane::kRect).toImage();
        QImage both(lesson.width() * 2 + 12, lesson.height(), QImage::Format_RGB32);
        both.fill(Qt::white);
        QPainter p(&both);
        p.drawImage(0, 0, lesson);
        p.drawImage(lesson.width() + 12, 0, built);
        p.end();
        both.save(QDir(folder).filePath("lesson-built.png"));
    }

    const QString pdf = QDir::temp().filePath("literon-worksheet.pdf");
    if (!printWorksheet(pdf)) return 1;
    // The page as a reader sees it, 60 dots an inch.
    const int rc = QProcess::execute(
        "pdftoppm", {"-png", "-r", "60", "-singlefile", pdf, QDir(folder).filePath("worksheet")});
    QFile::remove(pdf);
    return rc;
}
