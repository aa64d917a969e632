// Saving and opening a letter's work: the round trip of every example and of a pupil's own
// graphs, every kind of bad file, and saves that fail.
#include <sys/resource.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

#include "CellPicture.h"
#include "ExampleLetters.h"
#include "Fonts.h"
#include "FunctionScreen.h"
#include "GraphList.h"
#include "LessonBuilding.h"
#include "LessonFormulas.h"
#include "Startup.h"
#include "WorkCommands.h"
#include "WorkDialogs.h"
#include "WorkFile.h"

namespace {

// The screen after a pupil's steps: what the list says, what the table holds, and the plane.
struct Snapshot {
    QStringList list;
    std::vector<GraphSlot> table;
    QImage cell;
    bool operator==(const Snapshot& o) const {
        return list == o.list && cell == o.cell && table.size() == o.table.size() &&
               std::equal(table.begin(), table.end(), o.table.begin(), [](auto& a, auto& b) {
                   return a.xExpr == b.xExpr && a.yExpr == b.yExpr &&
                          a.startValue == b.startValue && a.endValue == b.endValue;
               });
    }
};

// Answers the save question with a path; counts the questions asked.
struct Answers {
    QString savePath;
    QString comment;
    QString suggested;  // the name the save question offered
    int asked = 0;
};

struct WorkScreen : FunctionScreen {
    explicit WorkScreen(QChar separator = ',') : FunctionScreen(separator) {
        workdialogs::setDialogs(workdialogs::Dialogs{
            [this](const QString&) {
                ++answers.asked;
                return answers.savePath;
            },
            [this](const QString& suggested,
                   const QString&) -> std::optional<workdialogs::SaveChoice> {
                ++answers.asked;
                answers.suggested = suggested;
                if (answers.savePath.isEmpty()) return std::nullopt;
                return workdialogs::SaveChoice{answers.savePath, answers.comment};
            },
            [](const QString&) { return std::optional<workdialogs::PictureChoice>(); },
            [](QPrinter&, bool) { return std::optional<workdialogs::PrintChoice>(); },
        });
    }
    ~WorkScreen() { workdialogs::resetDialogs(); }

    Snapshot snapshot() {
        pacing::processPendingEvents();
        Snapshot s;
        for (int row = 0; row < list().count(); ++row) s.list << list().item(row)->text();
        for (int k = 1; k <= graphTable.graphCount; ++k) s.table.push_back(graphTable.slot(k));
        const QRect cell = ctl("Image10").geometry();
        s.cell = form().surface().grab(cell).toImage().convertToFormat(QImage::Format_RGB32);
        return s;
    }
    void save(const QString& path, const QString& comment = QString()) {
        answers.savePath = path;
        answers.comment = comment;
        chooseFromFileMenu("SaveWork");
    }
    // Opens the menu "File" (which sets what is enabled) and chooses an item.
    void chooseFromFileMenu(const char* item) {
        QMenu* file = form().findChild<QMenu*>("File1Menu");
        QVERIFY(file);
        emit file->aboutToShow();
        menu(item);
    }
    void open(const QString& path) {
        workcommands::openPath(path);
        pacing::processPendingEvents();
    }
    // Starts afresh: another letter on the plane, the graphs gone.
    void startAfresh() {
        click("Label158");
        pacing::processPendingEvents();
    }

    Answers answers;
};

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

}  // namespace

class KeepingWorkTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { fonts::registerSubstitutions(); }

    // Load the example, save, start afresh, open: the table, the list and the plane's pixels are
    // the example's.
    void everyExampleComesBackAsItWas_data() {
        QTest::addColumn<QString>("menuItem");
        for (const ExampleLetter& e : exampleletters::rows())
            QTest::newRow(e.title) << QString::fromUtf8(e.menuItem);
    }
    void everyExampleComesBackAsItWas() {
        QFETCH(QString, menuItem);
        QTemporaryDir dir;
        WorkScreen f;
        f.click("Label155");  // "Й" opens the menu of examples
        f.menu(menuItem.toUtf8().constData());
        const Snapshot example = f.snapshot();
        QVERIFY(!example.table.empty());

        const QString path = dir.filePath("example.literon");
        f.save(path, "Группа «Звёздочки»");
        QVERIFY(f.messages().shown().empty());
        const QByteArray file = readAll(path);
        QVERIFY2(file.startsWith("literon-work 1\nexample: "), file.constData());
        QVERIFY(file.startsWith("literon-work 1\nexample: "));
        QVERIFY(file.contains("comment: Группа «Звёздочки»\n"));

        f.startAfresh();
        QVERIFY(!(f.snapshot() == example));
        f.open(path);
        QVERIFY2(f.messages().shown().empty(), qPrintable(f.messages().last()));
        const Snapshot opened = f.snapshot();
        QCOMPARE(opened.list, example.list);
        QVERIFY(opened.cell == example.cell);
        QVERIFY(opened == example);
        // Saved again under another name, the file is the same.
        f.answers.savePath = dir.filePath("again.literon");
        f.chooseFromFileMenu("SaveWorkAs");
        QCOMPARE(readAll(dir.filePath("again.literon")), file);
    }

    // A pupil's own letter: begun by its key, graphs typed, one deleted from the list. The file
    // keeps what the list shows, and opening builds it again through the keypad's steps.
    void aPupilsLetterComesBackAsListed() {
        QTemporaryDir dir;
        WorkScreen f;
        f.click("Label171");  // "П"
        f.build("0", "x", "0", "3");
        f.build("x", "3", "0", "2");
        f.build("2", "x", "0", "3");
        f.build("x*x", "1", "0", "1");
        graphlist::ListBox1Click(4);
        f.click("Label154");  // "Удалить график": the fourth graph leaves the list
        const QString path = dir.filePath("П.literon");
        f.save(path);
        QVERIFY(f.answers.suggested.endsWith("/Буква П.literon"));
        QCOMPARE(QString::fromUtf8(readAll(path)),
                 "literon-work 1\nletter: П\ngraphs: 3\n"
                 "graph: 0; x; 0; 3\ngraph: x; 3; 0; 2\ngraph: 2; x; 0; 3\n");

        f.startAfresh();
        f.open(path);
        QVERIFY2(f.messages().shown().empty(), qPrintable(f.messages().last()));
        QCOMPARE(graphTable.graphCount, 3);
        QCOMPARE(f.list().count(), 4);
        QCOMPARE(f.list().item(3)->text(),
                 "x(3)=2;     y(3)=x;       Нач. знач. перемен.(3)=0,00;   Конечн. знач. "
                 "перемен.(3)=3,00");
        QVERIFY(!f.ctl("ImPJ").isHidden());
        QCOMPARE(letterBeginning.kind, LetterBeginning::Key);
        // The entry is ready for the next graph, as after any build.
        QCOMPARE(functionEntry.entryStage, 1);
        QCOMPARE(f.form().surface().canvas().pixel(942, 325 - 49), QColor(255, 0, 0));  // x=0, y=1
    }

    // "Построить по формулам" after a lesson: Function mode opens on the same letter's template and
    // the lesson's formulas are built one by one, each where Function mode plots it, as a work the
    // pupil can change and save. Outside a lesson the command says what to choose first.
    void aLessonsFormulasBuildItsLetter() {
        WorkScreen f;
        f.menu(lessonbuilding::kItem);
        QVERIFY(f.messages().last().startsWith("Сначала выберите букву"));
        const int said = int(f.messages().shown().size());

        f.click("Label145");  // the caption "Алфавит"
        f.click("Label9");    // "Ж"
        pacing::processPendingEvents();
        f.menu(lessonbuilding::kItem);
        pacing::processPendingEvents();
        QCOMPARE(int(f.messages().shown().size()), said);
        QVERIFY(letterwork::functionModeShown());
        QCOMPARE(letterBeginning.kind, LetterBeginning::Key);
        QCOMPARE(letterBeginning.letter, QChar(u'Ж'));
        QVERIFY(!f.ctl("ImJEJ").isHidden());

        // The two arcs and the stem of "Ж", in the lesson's order.
        const std::vector<LessonGraph> lesson = readLessonFormulas(*findLesson(u'Ж'));
        QCOMPARE(int(lesson.size()), 3);
        QCOMPARE(graphTable.graphCount, 3);
        const QImage canvas = f.form().surface().canvas().image();
        for (int k = 1; k <= 3; ++k) {
            const GraphSlot& s = graphTable.slot(k);
            QCOMPARE(s.xExpr, lesson[k - 1].xExpr);
            QCOMPARE(s.yExpr, lesson[k - 1].yExpr);
            QCOMPARE(s.startValue, lesson[k - 1].from);
            QCOMPARE(s.endValue, lesson[k - 1].to);
            const std::vector<QPoint> dots = graphlist::graphDots(s, QPoint(942, 328));
            QVERIFY(dots.size() > 20);
            for (const QPoint& d : dots) QCOMPARE(QColor(canvas.pixel(d)), QColor(255, 0, 0));
        }
        // The stem x = 1,15 for x from 0 to 3 stands 57,5 px right of the origin (50 px a unit).
        QCOMPARE(lesson[2].xExpr, QString("1.15"));
        const QColor red(255, 0, 0);
        QVERIFY(QColor(canvas.pixel(942 + 57, 328 - 75)) == red ||
                QColor(canvas.pixel(942 + 58, 328 - 75)) == red);
    }

    // Opened on the start screen (a double click on a file, the command line), the work comes up
    // in Function mode through the start command and the mode's caption.
    void openingFromTheStartScreen() {
        QTemporaryDir dir;
        const QString path = dir.filePath("Я.literon");
        writeFile(path, "literon-work 1\nletter: Я\ngraphs: 1\ngraph: 2; x; 0; 3\n");
        QCOMPARE(startup::parse({"--fullscreen", path, "other"}).work, path);
        QCOMPARE(startup::parse({"--fullscreen"}).work, QString());
        FormFixture f;
        QVERIFY(!f.ctl("Label224").isHidden());  // "Старт программы" on the start screen
        workcommands::openPath(path);
        pacing::processPendingEvents();
        QVERIFY2(f.messages().shown().empty(), qPrintable(f.messages().last()));
        QVERIFY(f.ctl("Label224").isHidden());
        QVERIFY(!f.ctl("Panel1").isHidden());  // the mode bar, as the start command leaves it
        QVERIFY(!f.ctl("Panel5").isHidden());  // Function mode's letter keys
        QVERIFY(!f.ctl("ImYAJ").isHidden());
        QCOMPARE(graphTable.graphCount, 1);
        QCOMPARE(graphTable.slot(1).xExpr, "2");
        // x = 2 at y = 1: column 942 + 100, row 325 - 49.
        QCOMPARE(f.form().surface().canvas().pixel(1042, 276), QColor(255, 0, 0));
    }

    // The comment is kept as one plain line of text, however it was typed.
    void theCommentIsOnePlainLine() {
        QTemporaryDir dir;
        WorkScreen f;
        f.build("x", "x", "0", "1");
        f.save(dir.filePath("c.literon"), "Группа\b «Ёлки»\t5\x7f «Б»\n" + QString(300, u'я'));
        const QString text = QString::fromUtf8(readAll(dir.filePath("c.literon")));
        QVERIFY2(text.contains("\ncomment: Группа «Ёлки»5 «Б»" + QString(182, u'я') + "\n"),
                 qPrintable(text));
        f.startAfresh();
        f.open(dir.filePath("c.literon"));
        QVERIFY(f.messages().shown().empty());
    }

    // The blank key and numbers a point locale reads differently: the file always has a point.
    void blankKeyAndExactRanges() {
        QTemporaryDir dir;
        const QString path = dir.filePath("blank.literon");
        {
            WorkScreen f;  // begun with the blank key
            f.build("x", "0.5*x", "-0,75", "1,125");
            f.save(path);
            // No letter to name the file after: the program's name is offered.
            QVERIFY(f.answers.suggested.endsWith("/Литерон.literon"));
        }
        QVERIFY2(readAll(path).contains("letter: -\n"), readAll(path).constData());
        QVERIFY(readAll(path).contains("graph: x; 0.5*x; -0.75; 1.125\n"));
        WorkScreen f('.');
        f.startAfresh();
        f.open(path);
        QVERIFY2(f.messages().shown().empty(), qPrintable(f.messages().last()));
        QCOMPARE(letterBeginning.kind, LetterBeginning::Blank);
        QCOMPARE(graphTable.slot(1).startValue, -0.75);
        QCOMPARE(graphTable.slot(1).endValue, 1.125);
        QCOMPARE(f.edit(3).text(), "-0.75");
    }

    // Every bad file is refused with its reason, and the screen stays exactly as it was.
    void badFilesChangeNothing_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        const QByteArray head = "literon-work 1\nletter: П\n";
        QTest::newRow("empty") << QByteArray() << "файл пуст.";
        QTest::newRow("truncated")
            << head + "graphs: 3\ngraph: 0; x; 0; 3\ngraph: x; 3; 0; 2\n"
            << "файл обрезан: графиков в нём 3, а строк с графиками только 2.";
        QTest::newRow("binary junk")
            << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << "это не рабочий файл Литерона.";
        QTest::newRow("newer version") << QByteArray("literon-work 2\nletter: П\ngraphs: 0\n")
                                       << "файл записан более новой версией Литерона (формат 2), а "
                                          "эта версия читает формат 1.";
        QTest::newRow("a text the keys cannot type")
            << head + "graphs: 1\ngraph: x; exp(x); 0; 1\n"
            << "в графике 1 выражение «exp(x)» нельзя набрать на клавиатуре программы.";
        QTest::newRow("a number that does not convert") << head + "graphs: 1\ngraph: x; x; 1,5; 2\n"
                                                        << "в строке 4 число «1,5» не читается.";
        QByteArray many = head + "graphs: 20001\n";
        for (int k = 0; k < 20001; ++k) many += "graph: x; x; 0; 1\n";
        QTest::newRow("more graphs than the table holds")
            << many << "в файле 20001 графиков, а в таблице графиков помещается 20000.";
        QTest::newRow("a letter without a key")
            << QByteArray("literon-work 1\nletter: Q\ngraphs: 0\n")
            << "для буквы «Q» нет клавиши шаблона.";
        QTest::newRow("an example changed where the screen cannot")
            << QByteArray(
                   "literon-work 1\nexample: Ж\ngraphs: 3\ngraph: x; 1.5; 0; 2.3\n"
                   "graph: x; 1.5-1.15*(x-1.15)*(x-1.15); 0; 2.3\ngraph: 1.15; x; 0; 3\n")
            << "графики примера «Ж» в файле изменены так, как на экране их изменить нельзя.";
    }
    void badFilesChangeNothing() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        WorkScreen f;
        f.click("Label171");
        f.build("0", "x", "0", "3");
        const Snapshot before = f.snapshot();
        const auto shownBefore = f.visibility();
        const QString path = dir.filePath("bad.literon");
        writeFile(path, bytes);
        f.open(path);
        QCOMPARE(f.messages().last(), "Файл «bad.literon» не открыт: " + reason);
        QCOMPARE(f.messages().shown().size(), std::size_t(1));
        QVERIFY(f.snapshot() == before);
        QCOMPARE(f.visibility(), shownBefore);
    }

    // A 100 MB file is refused by its size, before a byte of it is read.
    void aHugeFileIsNotRead() {
        QTemporaryDir dir;
        WorkScreen f;
        const QString path = dir.filePath("huge.literon");
        QFile huge(path);
        QVERIFY(huge.open(QIODevice::WriteOnly));
        QVERIFY(huge.resize(100ll << 20));  // sparse: no 100 MB written
        huge.close();
        const Snapshot before = f.snapshot();
        f.open(path);
        QCOMPARE(f.messages().last(),
                 "Файл «huge.literon» не открыт: файл больше 8 МБ, это не рабочий файл Литерона.");
        QVERIFY(f.snapshot() == before);
        f.messages().clear();
        f.open(dir.filePath("missing.literon"));
        QCOMPARE(f.messages().last(), "Файл «missing.literon» не открыт: такого файла нет.");
    }

    // A save that cannot be finished says so and leaves the old file whole.
    void aFailedSaveKeepsTheOldFile() {
        QTemporaryDir dir;
        WorkScreen f;
        f.click("Label171");
        f.build("0", "x", "0", "3");
        const QString path = dir.filePath("old.literon");
        writeFile(path, "the old work\n");

        // A full disk: no file may grow past 16 bytes while the save runs.
        struct rlimit was;
        getrlimit(RLIMIT_FSIZE, &was);
        struct rlimit small = was;
        small.rlim_cur = 16;
        auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &small);
        f.save(path);
        setrlimit(RLIMIT_FSIZE, &was);
        std::signal(SIGXFSZ, oldHandler);
        QVERIFY(f.messages().last().startsWith("Работа не сохранена в файл «old.literon»: "));
        QCOMPARE(readAll(path), QByteArray("the old work\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"old.literon"});

        // A folder that is not there.
        f.messages().clear();
        f.save(dir.filePath("nowhere/new.literon"));
        QCOMPARE(f.messages().last(), "Работа не сохранена в файл «new.literon»: такой папки нет.");

        // A folder without the right to write (root may write anywhere, so only for a user).
        if (geteuid() != 0) {
            f.messages().clear();
            QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
            f.save(path);
            QFile::setPermissions(dir.path(),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QCOMPARE(f.messages().last(),
                     "Работа не сохранена в файл «old.literon»: в эту папку нельзя записывать.");
            QCOMPARE(readAll(path), QByteArray("the old work\n"));
        }

        // And a save that works replaces the old file.
        f.messages().clear();
        f.save(path);
        QVERIFY(f.messages().shown().empty());
        QVERIFY(readAll(path).startsWith("literon-work 1\n"));
    }

    // Save only with a graph in Function mode; the picture and the print on a working screen.
    void commandsAreEnabledWhereTheyMakeSense() {
        FormFixture f;
        letterBeginning = LetterBeginning{};
        graphTable.graphCount = 0;
        auto enabled = [&](const char* item) {
            emit f.form().findChild<QMenu*>("File1Menu")->aboutToShow();
            return f.form().menuItem(item).isEnabled();
        };
        QVERIFY(enabled("OpenWork"));
        QVERIFY(!enabled("SaveWork"));
        QVERIFY(!enabled("SavePicture"));  // the start screen
        QVERIFY(!enabled("PrintWork"));
        f.click("Label224");
        QVERIFY(enabled("SavePicture"));
        QVERIFY(enabled("PrintWork"));
        QVERIFY(!enabled("SaveWork"));
        f.menu("N1");  // the introduction covers the work area
        QVERIFY(!enabled("SavePicture"));
        f.click("Memo1");
        f.click("Label147");
        f.click("Label44");
        QVERIFY(!enabled("SaveWork"));  // a letter begun, no graph yet
        auto& e1 = functionentry::edit(1);
        for (int box = 1; box <= 4; ++box) {
            auto& e = functionentry::edit(box);
            e.setFocus();
            typeText(&e, box <= 2 ? "x" : box == 3 ? "0" : "1");
            f.click("Label132");
        }
        f.click("Label148");
        QVERIFY(enabled("SaveWork"));
        f.click("Label145");  // Alphabet mode: the graphs are not on screen
        QVERIFY(!enabled("SaveWork"));
        Q_UNUSED(e1);
    }

    // Ctrl+S asks where to save, as the menu does, even when the menu was last opened before the
    // first graph.
    void shortcutsFollowTheScreen() {
        WorkScreen f;
        emit f.form().findChild<QMenu*>("File1Menu")->aboutToShow();
        QVERIFY(!f.form().menuItem("SaveWork").isEnabled());
        f.build("x", "x", "0", "1");
        f.answers.asked = 0;
        QTest::keyClick(&f.edit(1), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(f.answers.asked, 1);
        QTest::keyClick(&f.edit(1), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(f.answers.asked, 2);
    }
};

QTEST_MAIN(KeepingWorkTest)
#include "test_keeping_work.moc"
