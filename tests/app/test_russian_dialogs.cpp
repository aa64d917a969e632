// Every dialog the program can open, as the desktop shows it (Qt's own file, print and question
// dialogs with Qt's Russian translations loaded, and the program's own), speaks Russian: no word
// of Latin letters in any text it shows, file names and the names of file formats aside.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>

#include "ContestDialogs.h"
#include "ContestRound.h"
#include "Messages.h"
#include "Startup.h"
#include "WorkDialogs.h"

namespace {

// Words of Latin letters a Russian dialog may show: the names of file formats.
const QStringList kFormats = {"PNG",     "PDF", "SVG", "CSV", "UTF",
                              "literon", "png", "pdf", "svg", "csv"};

// The Latin words of a text, file names and paths left out.
QStringList latinWords(QString text) {
    text.remove(QRegularExpression("<[^>]*>"));                     // markup
    text.remove(QRegularExpression("\\(\\*\\.[^)]*\\)"));           // "(*.png)"
    text.remove(QRegularExpression("\\S*[/\\\\]\\S*"));             // paths
    text.remove(QRegularExpression("\\S+\\.[A-Za-z0-9]{1,7}\\b"));  // "Буква П.literon"
    QStringList words;
    const QRegularExpression word("[A-Za-z]{2,}");
    for (auto m = word.globalMatch(text); m.hasNext();) {
        const QString w = m.next().captured();
        if (!kFormats.contains(w)) words << w;
    }
    return words;
}

// Looks at each modal dialog as it opens, writes down every Latin word it shows, and answers it
// so that the next dialog of the same command opens: a file dialog with a file that exists (so
// that the question whether to replace it comes), a question with "yes", a print dialog with
// "cancel", the program's own questions with their first answer.
class Walker {
  public:
    explicit Walker(QString file) : file_(std::move(file)) {}

    // Runs a command that opens dialogs, looking at each.
    void walk(const QString& what, const std::function<void()>& command) {
        what_ = what;
        running_ = true;
        QTimer::singleShot(0, [this] { look(); });
        command();
        running_ = false;
    }

    QStringList found;
    int dialogsSeen = 0;

  private:
    void note(const QString& where, const QString& text) {
        for (const QString& w : latinWords(text))
            found << QString("%1, %2: «%3» in «%4»").arg(what_, where, w, text.left(80));
    }

    void read(QWidget* dialog) {
        note("title", dialog->windowTitle());
        for (QWidget* w : dialog->findChildren<QWidget*>()) {
            if (!w->isVisibleTo(dialog)) continue;
            note("tooltip", w->toolTip());
            if (auto* l = qobject_cast<QLabel*>(w)) note("label", l->text());
            if (auto* b = qobject_cast<QAbstractButton*>(w)) note("button", b->text());
            if (auto* e = qobject_cast<QLineEdit*>(w)) note("placeholder", e->placeholderText());
            if (auto* g = qobject_cast<QGroupBox*>(w)) note("group", g->title());
            if (auto* t = qobject_cast<QTextBrowser*>(w)) note("text", t->toPlainText());
            if (auto* c = qobject_cast<QComboBox*>(w); c && !qobject_cast<QFileDialog*>(dialog))
                for (int i = 0; i < c->count(); ++i) note("list", c->itemText(i));
            if (auto* tabs = qobject_cast<QTabBar*>(w))
                for (int i = 0; i < tabs->count(); ++i) note("tab", tabs->tabText(i));
            if (auto* h = qobject_cast<QHeaderView*>(w); h && h->model())
                for (int i = 0; i < h->count(); ++i)
                    note("header", h->model()->headerData(i, h->orientation()).toString());
        }
    }

    void look() {
        if (!running_) return;
        QWidget* top = QApplication::activeModalWidget();
        auto* dialog = qobject_cast<QDialog*>(top);
        const bool again = dialog && std::any_of(seen_.begin(), seen_.end(),
                                                 [&](const auto& d) { return d == dialog; });
        if (!dialog || again) {
            if (again) dialog->reject();  // asked again: enough
            QTimer::singleShot(0, [this] { look(); });
            return;
        }
        seen_.emplace_back(dialog);
        ++dialogsSeen;
        read(dialog);
        if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
            if (QAbstractButton* yes = box->button(QMessageBox::Yes))
                yes->click();
            else
                box->reject();
        } else if (auto* files = qobject_cast<QFileDialog*>(dialog)) {
            files->selectFile(file_);
            dialog->accept();
        } else if (qobject_cast<QPrintDialog*>(dialog)) {
            dialog->reject();
        } else {
            dialog->accept();
        }
        QTimer::singleShot(0, [this] { look(); });
    }

    QString file_;
    QString what_;
    bool running_ = false;
    std::vector<QPointer<QDialog>> seen_;  // a closed dialog's place may serve the next
};

}  // namespace

class RussianDialogsTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        QVERIFY2(startup::loadQtTranslations(*QCoreApplication::instance()),
                 "Qt's Russian translations (qt6-translations-l10n) are not installed");
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        QApplication::setApplicationDisplayName("Литерон");  // as the program names itself
    }

    void everyDialogSpeaksRussian() {
        QTemporaryDir dir;
        const QString file = dir.filePath("Буква П.literon");
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        Walker walker(file);
        workdialogs::resetDialogs();
        contestdialogs::resetDialogs();
        const workdialogs::Dialogs& work = workdialogs::dialogs();
        walker.walk("Открыть…", [&] { work.openPath(dir.path()); });
        walker.walk("Сохранить", [&] { work.savePath(file, "5Б"); });
        walker.walk("Сохранить рисунок", [&] { work.picture(dir.filePath("П.png")); });
        QPrinter printer;
        walker.walk("Печать", [&] { work.print(printer, true); });

        const contestdialogs::Dialogs& contest = contestdialogs::dialogs();
        walker.walk("Новый раунд", [&] {
            contest.newRound({{"Группа 1", "Группа 2"}, 5, {}, true});
        });
        ContestRound round({"Звёздочки", "Ракеты"}, 60'000, 0);
        round.letterBuilt(u'П', 1, 20'000);
        walker.walk("Итоги раунда", [&] { contest.results(round); });
        walker.walk("Сохранить итоги", [&] { contest.savePath(dir.filePath("итоги.csv")); });
        walker.walk("Печать итогов", [&] { contest.print(printer); });
        walker.walk("Закончить раунд", [&] { contest.confirmEnd(); });
        walker.walk("сообщение", [] { messages::show("Работа сохранена."); });
        walker.walk("ошибка", [] { messages::showError("Поле «1-ая переменная»: пусто."); });

        // Open, save (its file dialog, the question to replace, the comment), the picture's
        // (file, replace, scale), print (what, the printer), the round's six (new, results, the
        // file and the question to replace, print, end), two messages.
        QVERIFY2(walker.dialogsSeen == 17, qPrintable(QString::number(walker.dialogsSeen)));
        QVERIFY2(walker.found.isEmpty(), qPrintable(walker.found.join("\n")));
    }

    // The check itself finds English.
    void latinWordsAreFound() {
        QCOMPARE(latinWords("Look in: /home/pupil"), (QStringList{"Look", "in"}));
        QCOMPARE(latinWords("Рисунок PNG (*.png); файл «Буква П.literon»"), QStringList{});
        QCOMPARE(latinWords("<b>Отмена</b>"), QStringList{});
    }
};

QTEST_MAIN(RussianDialogsTest)
#include "test_russian_dialogs.moc"
