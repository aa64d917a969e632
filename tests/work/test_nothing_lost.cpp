// A real lesson loses nothing: a failed build does not block saving, the journal keeps every work
// whatever ends it, commas in formulas are points or are refused aloud, the menus' shortcuts work
// in the edit boxes, the SVG holds what the screen holds, and saving behaves like any desktop
// program's.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPrinter>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "AlphabetGroups.h"
#include "CellPicture.h"
#include "ContestCommands.h"
#include "ContestDialogs.h"
#include "Fonts.h"
#include "FunctionScreen.h"
#include "GraphList.h"
#include "Journal.h"
#include "WorkCommands.h"
#include "WorkDialogs.h"
#include "WorkSaving.h"
#include "WorkScreen.h"

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Every file question answered, and counted.
struct Questions {
    QString savePath, picturePath;
    cellpicture::Format format = cellpicture::Format::Png;
    QString folderOffered;
    int open = 0, save = 0, picture = 0, print = 0;
};

struct LessonScreen : FunctionScreen {
    explicit LessonScreen(const char* key = "Label171") : FunctionScreen(',', key) {
        workdialogs::setDialogs(workdialogs::Dialogs{
            [this](const QString& folder) {
                ++asked.open;
                asked.folderOffered = folder;
                return QString();
            },
            [this](const QString& suggested,
                   const QString& comment) -> std::optional<workdialogs::SaveChoice> {
                ++asked.save;
                asked.folderOffered = QFileInfo(suggested).absolutePath();
                return workdialogs::SaveChoice{asked.savePath, comment};
            },
            [this](const QString& suggested) -> std::optional<workdialogs::PictureChoice> {
                ++asked.picture;
                asked.folderOffered = QFileInfo(suggested).absolutePath();
                if (asked.picturePath.isEmpty()) return std::nullopt;
                return workdialogs::PictureChoice{asked.picturePath, asked.format, 1};
            },
            [this](QPrinter&, bool) {
                ++asked.print;
                return std::optional<workdialogs::PrintChoice>();
            },
        });
    }
    ~LessonScreen() {
        workdialogs::resetDialogs();
        journal::setFolder(QString());
    }
    // Opens the menu "File" (which sets what is enabled) and chooses an item.
    void file(const char* item) {
        emit form().findChild<QMenu*>("File1Menu")->aboutToShow();
        menu(item);
    }
    void key(const char* name) {
        click(name);
        pacing::processPendingEvents();
    }
    Questions asked;
};

std::vector<std::string> formulasOf(const workfile::Work& w) {
    std::vector<std::string> out;
    for (const workfile::Graph& g : w.graphs) out.push_back(g.x + " | " + g.y);
    return out;
}

}  // namespace

class NothingLostTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { fonts::registerSubstitutions(); }

    // A mistyped formula leaves an empty line in the list; the letter still saves, the line is
    // left out and the pupil is told, and the file opens to the good graphs.
    void aFailedBuildDoesNotBlockSaving() {
        QTemporaryDir dir;
        LessonScreen f;
        f.build("0", "x", "0", "3");
        f.build("x+", "x", "0", "3");  // does not compile
        QCOMPARE(f.messages().shown().size(), std::size_t(1));
        f.build("x", "3", "0", "2");
        QCOMPARE(f.list().count(), 4);  // the hint, two graphs and the failed build's line
        QVERIFY(f.list().item(2)->text().startsWith("x(2)=;"));
        f.asked.savePath = dir.filePath("П.literon");
        f.file("SaveWork");
        QCOMPARE(f.messages().shown().size(), std::size_t(1));
        QCOMPARE(QString::fromUtf8(readAll(f.asked.savePath)),
                 "literon-work 1\nletter: П\ngraphs: 2\ngraph: 0; x; 0; 3\ngraph: x; 3; 0; 2\n");
        QVERIFY(workcommands::lastNote().contains("не записано: 1"));
        f.key("Label158");
        workcommands::openPath(f.asked.savePath);
        QCOMPARE(f.list().count(), 3);
        QCOMPARE(f.messages().shown().size(), std::size_t(1));
    }

    // The five ordinary ways a work used to vanish each leave it in "Недавние работы", and the
    // journal of an exit offers it at the next start.
    void everyEndOfAWorkLeavesItInTheJournal_data() {
        QTest::addColumn<QString>("how");
        for (const char* how : {"exit", "letter key", "mode and back", "delete all"})
            QTest::newRow(how) << how;
    }
    void everyEndOfAWorkLeavesItInTheJournal() {
        QFETCH(QString, how);
        QTemporaryDir dir;
        {
            LessonScreen f;
            journal::setFolder(dir.path());
            journal::startSession();
            f.build("0", "x", "0", "3");
            f.build("x", "3", "0", "2");
            if (how == "exit") f.click("Label31");
            if (how == "letter key") f.key("Label158");
            if (how == "mode and back") {
                f.click("Label145");
                f.click("Label147");
            }
            if (how == "delete all") f.click("Label226");
            const std::vector<journal::Entry> works = journal::recent();
            QCOMPARE(works.size(), std::size_t(1));
            QCOMPARE(formulasOf(works[0].work), (std::vector<std::string>{"0 | x", "x | 3"}));
            QVERIFY(journal::caption(works[0]).startsWith("Буква П — 2 графика — "));
            // The menu lists it and opens it.
            auto* menu = f.form().findChild<QMenu*>("RecentWorksMenu");
            QVERIFY(menu);
            emit menu->aboutToShow();
            QCOMPARE(menu->actions().size(), 1);
            if (how != "exit") {
                menu->actions().front()->trigger();
                pacing::processPendingEvents();
                QCOMPARE(graphlist::shownGraphs().size(), std::size_t(2));
                QCOMPARE(journal::recent().size(), std::size_t(1));  // the same work, kept once
            }
        }
        journal::setFolder(dir.path());
        const auto offered = journal::unsavedFromLastSession();
        QVERIFY(offered);
        QCOMPARE(offered->work.graphs.size(), std::size_t(2));
        journal::setFolder(QString());
    }

    // The offer at start: one click brings the work back; Esc puts it away; a saved work is not
    // offered.
    void theOfferBringsTheWorkBack() {
        QTemporaryDir dir;
        {
            LessonScreen f;
            journal::setFolder(dir.path());
            journal::startSession();
            f.build("0", "x", "0", "3");
            f.build("2", "x", "0", "3");
            f.build("x", "3", "0", "2");
        }
        {
            FormFixture f;
            journal::setFolder(dir.path());
            workcommands::offerRecovery(QString(), {});
            auto* offer = f.form().findChild<QWidget*>("RecoveryOffer");
            QVERIFY(offer && offer->isVisible());
            const QString text = static_cast<RecoveryOffer*>(offer)->text();
            QVERIFY2(text.startsWith("Работа: Буква П — 3 графика — "), qPrintable(text));
            QTest::keyClick(f.form().windowHandle(), Qt::Key_Escape);
            QVERIFY(!offer->isVisible());
        }
        {
            FormFixture f;
            journal::setFolder(dir.path());
            // The session that only looked at the offer kept nothing new; the work stays offered
            // to "Недавние работы" but no longer at start.
            workcommands::offerRecovery(QString(), {});
            QVERIFY(!f.form().findChild<QWidget*>("RecoveryOffer")->isVisible());
            QCOMPARE(journal::recent().size(), std::size_t(1));
        }
        journal::setFolder(QString());
    }

    // A round interrupted by an exit is offered again with its scores and whose turn it was.
    void anInterruptedRoundComesBack() {
        QTemporaryDir dir;
        qint64 now = 1000;
        contestcommands::setClock([&now] { return now; });
        {
            FormFixture f;
            journal::setFolder(dir.path());
            contestdialogs::setDialogs(contestdialogs::Dialogs{
                [](const contestdialogs::RoundSetup&) {
                    return std::optional<contestdialogs::RoundSetup>(
                        contestdialogs::RoundSetup{{"Звёздочки", "Ракеты"}, 2, QChar(), true});
                },
                [](const ContestRound&) {}, [](const QString&) { return QString(); },
                [](QPrinter&) { return false; }, [] { return true; }, [] {}});
            f.menu("NewRound");
            now += 30'000;
            f.menu("PassTurn");
            now += 10'000;
            f.click("Label31");  // "Выход" in the middle of the turn of «Ракеты»
        }
        {
            FormFixture f;
            journal::setFolder(dir.path());
            const QString round = contestcommands::interruptedRound();
            QVERIFY2(round.contains("ход группы «Ракеты»"), qPrintable(round));
            contestcommands::resumeRound();
            QVERIFY(contestcommands::roundRunning());
            ContestRound& r = *contestcommands::round();
            QCOMPARE(r.groupName(r.currentGroup(now)), QString("Ракеты"));
            // The journal hears of the clock every 5 s: at most that much of the turn is lost.
            QVERIFY(r.remainingMs(now) <= 120'000);
            QVERIFY(r.remainingMs(now) >= 115'000);
            QCOMPARE(r.scores().size(), std::size_t(2));
            f.menu("EndRound");
            QVERIFY(journal::kept("round").isEmpty());  // a finished round is not offered
        }
        contestdialogs::resetDialogs();
        contestcommands::setClock({});
        journal::setFolder(QString());
    }

    // "1,5" copied from a caption is 1.5 in a formula, typed or pasted; a comma that cannot be a
    // decimal comma is refused with a hint, never dropped silently; a file with one is refused in
    // Russian.
    void commasInFormulas() {
        for (QChar separator : {QChar(','), QChar('.')}) {
            LessonScreen f;
            localenumbers::setDecimalSeparator(separator);
            QLineEdit& e = f.edit(1);
            e.setFocus();
            typeText(&e, "1,5*x");
            QCOMPARE(e.text(), QString("1.5*x"));
            QCOMPARE(functionEntry.entryBuffer, QString("1.5*x"));
            QVERIFY(f.ctl("CommaHint").isHidden());
            typeText(&e, ",");  // after "x": no number goes on here
            QCOMPARE(e.text(), QString("1.5*x"));
            QVERIFY(!f.ctl("CommaHint").isHidden());
            e.clear();
            QVERIFY(f.ctl("CommaHint").isHidden());
            QGuiApplication::clipboard()->setText("2,25+sin(x,1)");
            QTest::keyClick(&e, Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(e.text(), QString("2.25+sin(x1)"));
            QVERIFY(!f.ctl("CommaHint").isHidden());
        }
        QTemporaryDir dir;
        LessonScreen f;
        const QString path = dir.filePath("comma.literon");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("literon-work 1\nletter: П\ngraphs: 1\ngraph: 1,5*x; x; 0; 1\n");
        file.close();
        workcommands::openPath(path);
        QCOMPARE(f.messages().last(),
                 "Файл «comma.literon» не открыт: в графике 1 в выражении «1,5*x» стоит "
                 "запятая, а в формулах дробную часть числа пишут через точку (1.5).");
        QCOMPARE(graphTable.graphCount, 0);
    }

    // Ctrl+O, Ctrl+S, Ctrl+E, Ctrl+P and F5 work while any edit box has the focus.
    void shortcutsWorkInTheEditBoxes() {
        LessonScreen f;
        f.build("0", "x", "0", "3");
        QTemporaryDir dir;
        f.asked.savePath = dir.filePath("a.literon");
        for (int box = 1; box <= 4; ++box) {
            QLineEdit& e = f.edit(box);
            QVERIFY(e.isVisible());
            e.setFocus();
            const Questions before = f.asked;
            for (QKeyCombination k : {Qt::CTRL | Qt::Key_O, Qt::CTRL | Qt::Key_E,
                                      Qt::CTRL | Qt::Key_P, Qt::CTRL | Qt::SHIFT | Qt::Key_S})
                QTest::keySequence(f.form().windowHandle(), QKeySequence(k));
            QCOMPARE(f.asked.open, before.open + 1);
            QCOMPARE(f.asked.picture, before.picture + 1);
            QCOMPARE(f.asked.print, before.print + 1);
            QCOMPARE(f.asked.save, before.save + 1);
            const std::size_t shown = f.messages().shown().size();
            QTest::keySequence(f.form().windowHandle(), QKeySequence(Qt::Key_F5));
            QVERIFY(contestcommands::lastCheck() != nullptr);
            QCOMPARE(f.messages().shown().size(), shown);
            QVERIFY(e.text().isEmpty() || !e.text().contains('\x05'));
        }
    }

    // Parts of "Я" picked in Alphabet mode, then "П" built in Function mode: the SVG shows no
    // stroke the screen does not.
    void theSvgHoldsWhatTheScreenHolds() {
        QTemporaryDir dir;
        LessonScreen f;
        f.click("Label145");
        f.key("Label35");  // "Я"
        int picked = 0;
        for (const QString& part : groups::letterPartControls()) {
            QWidget& w = f.ctl(part);
            if (!w.isVisible()) continue;
            QTest::mouseClick(&w, Qt::LeftButton, {}, w.rect().center());
            pacing::processPendingEvents();
            ++picked;
        }
        QVERIFY(picked >= 3);
        f.click("Label147");
        f.key("Label171");
        f.build("0", "x", "0", "3");
        f.asked.picturePath = dir.filePath("П.svg");
        f.asked.format = cellpicture::Format::Svg;
        f.file("SavePicture");
        QSvgRenderer svg(f.asked.picturePath);
        QVERIFY(svg.isValid());
        const QImage screen = cellpicture::screenImage(1);
        QImage drawn(screen.size(), QImage::Format_RGB32);
        drawn.fill(Qt::white);
        QPainter p(&drawn);
        svg.render(&p, QRectF(QPointF(0, 0), screen.size()));
        p.end();
        // Antialiased edges differ; a stroke of its own colour must not.
        auto orange = [](QRgb c) {
            return qRed(c) > 200 && qGreen(c) > 60 && qGreen(c) < 200 && qBlue(c) < 60;
        };
        int onlyInSvg = 0;
        for (int y = 0; y < screen.height(); ++y)
            for (int x = 0; x < screen.width(); ++x)
                if (orange(drawn.pixel(x, y)) && !orange(screen.pixel(x, y))) ++onlyInSvg;
        QCOMPARE(onlyInSvg, 0);
    }

    // Ctrl+S asks once, then writes at once with the comment kept; "Сохранить как…" asks again.
    // One folder for every question; the suffix typed wins; a note after each save.
    void savingLikeADesktopProgram() {
        QTemporaryDir dir;
        LessonScreen f;
        f.build("0", "x", "0", "3");
        f.asked.savePath = dir.filePath("П.literon");
        workdialogs::SaveChoice first{f.asked.savePath, "Группа «Ракеты»"};
        workdialogs::setDialogs(
            workdialogs::Dialogs{[&](const QString& folder) {
                                     f.asked.folderOffered = folder;
                                     return QString();
                                 },
                                 [&](const QString&, const QString&) {
                                     ++f.asked.save;
                                     return std::optional<workdialogs::SaveChoice>(first);
                                 },
                                 workdialogs::dialogs().picture, workdialogs::dialogs().print});
        f.file("SaveWork");
        QCOMPARE(f.asked.save, 1);
        QVERIFY(!f.form().findChild<QWidget*>("SaveNote")->isHidden());
        QCOMPARE(workcommands::lastNote(), QString("Работа сохранена: «П.literon»."));
        pacing::tick(*f.form().findChild<QTimer*>("SaveNoteTimer"));
        QVERIFY(f.form().findChild<QWidget*>("SaveNote")->isHidden());
        f.build("x", "3", "0", "2");
        f.file("SaveWork");
        QCOMPARE(f.asked.save, 1);  // no question the second time
        QVERIFY(readAll(f.asked.savePath).contains("comment: Группа «Ракеты»\ngraphs: 2\n"));
        f.file("SaveWorkAs");
        QCOMPARE(f.asked.save, 2);
        // The folder of the last save is where every question starts.
        f.file("OpenWork");
        QCOMPARE(QDir(f.asked.folderOffered), QDir(dir.path()));
        QCOMPARE(QDir(worksaving::defaultFolder()), QDir(dir.path()));
        // A new letter has no file: Ctrl+S asks again.
        f.key("Label158");
        f.build("0", "x", "0", "3");
        f.file("SaveWork");
        QCOMPARE(f.asked.save, 3);
        // Names every file system takes.
        QCOMPARE(worksaving::safeFileName("Итоги 10:05 «А/Б»?"), QString("Итоги 10-05 «А-Б»-"));
        QCOMPARE(workdialogs::pictureChoice(dir.filePath("P.svg"), 0).format,
                 cellpicture::Format::Svg);
        QCOMPARE(workdialogs::pictureChoice(dir.filePath("P.svg"), 0).path, dir.filePath("P.svg"));
        QCOMPARE(workdialogs::pictureChoice(dir.filePath("P"), 1).path, dir.filePath("P.pdf"));
    }
};

QTEST_MAIN(NothingLostTest)
#include "test_nothing_lost.moc"
