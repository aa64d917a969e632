#include "Monkey.h"

#include <QAction>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include "ContestDialogs.h"
#include "ContestRound.h"
#include "Controls.h"
#include "Journal.h"
#include "Pacing.h"
#include "TForm1.h"
#include "WorkDialogs.h"

namespace {
// What a pupil might type: expressions, numbers, Russian and Latin letters, editing keys.
const QStringList kTyping = {
    "x",   "2-1.2*x*x", "sin(x)", "0",       "3",     ",",    ".",  "-",  "1,5",
    "abc", "ж",         "привет", "^",       "(",     ")",    "q",  "rt", "9999999999999",
    "\b",  "\b\b",      "x/0",    "sqrt(x)", "1e308", "((((", "абв"};

// Nested handlers beyond this depth are not started by the walk itself.
constexpr int kMaxDepth = 4;
}  // namespace

Monkey::Monkey(TForm1& form, quint64 seed, int events)
    : form_(form), random_(static_cast<quint32>(seed ^ (seed >> 32))), events_(events) {
    // The clock never fires these timers during a walk (the fixture takes it away); letTimePass()
    // does.
    timers_ =
        form_.findChildren<QTimer*>(QRegularExpression("^Timer\\d+$"), Qt::FindDirectChildrenOnly);
    answerWorkDialogs();
    answerContestDialogs();
    // The journal of works is written at every change of the list, as in the program.
    journal::setFolder(files_.filePath("journal"));
    journal::startSession();
    for (const QFileInfo& f : QDir(LITERON_PARSER_CORPUS).entryInfoList(QDir::Files, QDir::Name)) {
        QFile seed(f.absoluteFilePath());
        if (seed.open(QIODevice::ReadOnly))
            expressions_ << QString::fromUtf8(seed.readAll()).trimmed();
    }
    for (const char* e : {"2-1.2*x*x", "0.77+x", "1-cos(x)", "2.2+0.75*sin(x)", "2.3*abs(x)",
                          "0.86*x+1.15", "x", "0", "sqrt(x)", "x^2", "1/x", "x/0"})
        expressions_ << e;
}

Monkey::~Monkey() {
    journal::setFolder(QString());
    workdialogs::resetDialogs();
    contestdialogs::resetDialogs();
}

// The file questions get random answers: a work file of the fuzz corpus (good and bad ones) or one
// the walk saved itself, or no file; pictures in any format and scale; prints to PDF.
void Monkey::answerWorkDialogs() {
    QStringList works;
    for (const QFileInfo& f : QDir(LITERON_WORK_CORPUS).entryInfoList(QDir::Files))
        works << f.absoluteFilePath();
    auto pick = [this](const QStringList& from) {
        return from.at(int(random_.bounded(quint32(from.size()))));
    };
    auto saved = [this] { return files_.filePath(QString("walk%1").arg(random_.bounded(4u))); };
    workdialogs::setDialogs(workdialogs::Dialogs{
        [=, this](const QString&) {
            QStringList choices = works;
            choices << QString() << saved() + ".literon" << files_.filePath("missing.literon");
            const QString path = pick(choices);
            note("open " + QFileInfo(path).fileName());
            return path;
        },
        [=, this](const QString&, const QString&) -> std::optional<workdialogs::SaveChoice> {
            if (random_.bounded(5u) == 0) return std::nullopt;
            return workdialogs::SaveChoice{saved() + ".literon", "Группа " + pick(kTyping)};
        },
        [=, this](const QString&) -> std::optional<workdialogs::PictureChoice> {
            const auto format = static_cast<cellpicture::Format>(random_.bounded(3u));
            const char* suffix[] = {".png", ".pdf", ".svg"};
            return workdialogs::PictureChoice{saved() + suffix[int(format)], format,
                                              int(random_.bounded(1u, 5u))};
        },
        [=, this](QPrinter& printer,
                  bool worksheetOffered) -> std::optional<workdialogs::PrintChoice> {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(saved() + "-print.pdf");
            return workdialogs::PrintChoice{worksheetOffered && random_.bounded(2u) == 0};
        }});
}

// A round of two to eight groups (or a refused one, or none), results looked at, saved and
// printed to PDF.
void Monkey::answerContestDialogs() {
    contestdialogs::setDialogs(contestdialogs::Dialogs{
        [this](const contestdialogs::RoundSetup&) -> std::optional<contestdialogs::RoundSetup> {
            if (random_.bounded(5u) == 0) return std::nullopt;
            contestdialogs::RoundSetup setup;
            const int groups = int(random_.bounded(1u, 10u));
            for (int i = 0; i < groups; ++i) setup.groups << QString("Группа %1").arg(i % 7);
            setup.minutesPerTurn = int(random_.bounded(1u, 61u));
            setup.bell = random_.bounded(2u) == 0;
            if (random_.bounded(2u) == 0) setup.letter = QChar(u'А' + int(random_.bounded(32u)));
            note(QString("round of %1").arg(groups));
            return setup;
        },
        [this](const ContestRound& r) { note(QString("results of %1").arg(r.scores().size())); },
        [this](const QString&) { return files_.filePath("round.csv"); },
        [this](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(files_.filePath("round.pdf"));
            return true;
        },
        [this] { return random_.bounded(2u) == 0; },
        [] {},
    });
}

int Monkey::run() {
    QEventLoop loop;
    loop_ = &loop;
    schedule();
    loop.exec();
    loop_ = nullptr;
    return sent_;
}

// Every event has its own zero timer, scheduled before the event is sent: a drawing that the
// event starts processes events at each step, so the next event arrives inside it.
void Monkey::schedule() {
    QTimer::singleShot(0, this, [this] {
        if (sent_ >= events_ || pacing::quitting()) {
            if (depth_ == 0 && loop_)
                loop_->quit();
            else if (loop_)
                QTimer::singleShot(0, this, [this] {
                    if (loop_) loop_->quit();
                });
            return;
        }
        schedule();
        // Inside a running drawing the pupil acts only now and then, so that drawings also run to
        // their end and much of the walk happens on a quiet window.
        if (depth_ > 0 && random_.bounded(nestedOdds_) != 0) return;
        step();
    });
}

void Monkey::step() {
    if (depth_ >= kMaxDepth) return;
    ++depth_;
    maxDepth_ = std::max(maxDepth_, depth_);
    ++sent_;
    if (exitAt_ != 0 && sent_ == exitAt_) {
        note("exit");
        form_.menuItem("N10").trigger();
    } else {
        act();
    }
    --depth_;
}

void Monkey::act() {
    const int roll = static_cast<int>(random_.bounded(100));
    if (roll < 57)
        clickSomething(Qt::LeftButton);
    else if (roll < 65)
        clickSomething(Qt::RightButton);
    else if (roll < 80)
        typeSomething();
    else if (roll < 90)
        chooseMenuItem();
    else if (roll < 96)
        buildAGraph();
    else
        letTimePass();
}

void Monkey::clickSomething(Qt::MouseButton button) {
    QList<QWidget*> targets;
    for (QWidget* w : form_.surface().findChildren<QWidget*>())
        if (w->isVisible() && w->isEnabled() && !w->objectName().isEmpty() &&
            w->objectName() != "WindowCanvas" &&
            w->objectName() != "Label31")  // "Выход" comes only when the walk chooses to end
            targets << w;
    if (targets.isEmpty()) return;
    QWidget* w =
        targets.at(static_cast<int>(random_.bounded(static_cast<quint32>(targets.size()))));
    const QPoint at(
        static_cast<int>(random_.bounded(static_cast<quint32>(std::max(1, w->width())))),
        static_cast<int>(random_.bounded(static_cast<quint32>(std::max(1, w->height())))));
    note(QString("%1 %2 (%3,%4)")
             .arg(button == Qt::LeftButton ? "click" : "right")
             .arg(w->objectName())
             .arg(at.x())
             .arg(at.y()));
    QWidget* receiver = w;
    if (auto* list = qobject_cast<QListWidget*>(w)) receiver = list->viewport();
    if (auto* memo = qobject_cast<QPlainTextEdit*>(w)) receiver = memo->viewport();
    QPointer<QWidget> alive(receiver);
    QTest::mousePress(receiver, button, {}, at);
    if (alive) QTest::mouseRelease(receiver, button, {}, at);
    // The context request goes to the window's own controls; an edit box's standard menu would
    // open a popup that waits for a person.
    if (alive && button == Qt::RightButton && qobject_cast<GraphicControl*>(receiver)) {
        QContextMenuEvent menu(QContextMenuEvent::Mouse, at, receiver->mapToGlobal(at));
        QCoreApplication::sendEvent(receiver, &menu);
    }
}

// What a pupil types into the four boxes of a graph: expressions from the parser's fuzz seeds
// and the examples, now and then two of them joined or one cut short; numbers, good and bad.
QString Monkey::someExpression() {
    const QString a = expressions_.at(int(random_.bounded(quint32(expressions_.size()))));
    switch (random_.bounded(6u)) {
        case 0: {
            const QString b = expressions_.at(int(random_.bounded(quint32(expressions_.size()))));
            const char* ops[] = {"+", "*", "/", "-", "^", ""};
            return a + ops[random_.bounded(6u)] + b;
        }
        case 1:
            return a.left(int(random_.bounded(quint32(a.size() + 1))));
        default:
            return a;
    }
}

QString Monkey::someNumber() {
    const QStringList numbers = {"0",
                                 "3",
                                 "-1",
                                 "0,5",
                                 "2,3",
                                 "-0,75",
                                 "250",
                                 "1,2,3",
                                 "-",
                                 "",
                                 "7",
                                 ",5",
                                 "99999999999999999999"};
    return numbers.at(int(random_.bounded(quint32(numbers.size()))));
}

// A graph as a pupil builds one: each box emptied and typed into, "Ввод" after each, then
// "Построить график" when it shows. Any step may find the screen changed by a drawing it started.
void Monkey::buildAGraph() {
    auto* first = form_.surface().findChild<QLineEdit*>("Edit1");
    if (!first || !first->isVisible() || !first->isEnabled()) return;
    note("graph");
    for (int box = 1; box <= 4; ++box) {
        QPointer<QLineEdit> e = form_.surface().findChild<QLineEdit*>(QString("Edit%1").arg(box));
        if (!e || !e->isVisible() || !e->isEnabled()) return;
        e->setFocus();
        e->clear();
        const QString text = box <= 2 ? someExpression() : someNumber();
        note(QString("type %1 \"%2\"").arg(e->objectName(), text));
        for (QChar c : text) {
            if (!e) return;
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(e, &press);
        }
        if (!pressIfThere("Label132")) return;
    }
    pressIfThere("Label148");
}

bool Monkey::pressIfThere(const char* name) {
    auto* key = form_.surface().findChild<GraphicControl*>(name);
    if (!key || !key->isVisible() || !key->isEnabled()) return false;
    note(QString("click %1").arg(name));
    emit key->clicked();
    return true;
}

void Monkey::typeSomething() {
    QList<QWidget*> boxes;
    for (QWidget* w : form_.surface().findChildren<QWidget*>())
        if ((qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w)) && w->isVisible() &&
            w->isEnabled())
            boxes << w;
    if (boxes.isEmpty()) return;
    QWidget* box = boxes.at(static_cast<int>(random_.bounded(static_cast<quint32>(boxes.size()))));
    const QString text =
        kTyping.at(static_cast<int>(random_.bounded(static_cast<quint32>(kTyping.size()))));
    note(QString("type %1 \"%2\"").arg(box->objectName(), text));
    QPointer<QWidget> alive(box);
    box->setFocus();
    for (QChar c : text) {
        if (!alive) return;
        const int key = c == '\b' ? Qt::Key_Backspace : 0;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(box, &press);
        if (!alive) return;
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(box, &release);
    }
}

void Monkey::chooseMenuItem() {
    QList<QAction*> items;
    for (QAction* a : form_.menuBar()->findChildren<QAction*>())
        if (a->isEnabled() && !a->objectName().isEmpty() && a->objectName() != "N10" && !a->menu())
            items << a;
    if (items.isEmpty()) return;
    QAction* a = items.at(static_cast<int>(random_.bounded(static_cast<quint32>(items.size()))));
    note("menu " + a->objectName());
    a->trigger();
}

// A while passes: every running timer ticks a few times, as its interval would make it.
void Monkey::letTimePass() {
    const int ticks = 1 + static_cast<int>(random_.bounded(40u));
    note(QString("wait %1 ticks").arg(ticks));
    for (QTimer* t : timers_) {
        for (int i = 0; i < ticks && t->isActive(); ++i) pacing::tick(*t);
    }
}

void Monkey::traceTo(const QString& path) {
    trace_.setFileName(path);
    if (!trace_.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        qWarning("cannot write the walk's trace to %s", qPrintable(path));
}

void Monkey::note(const QString& line) {
    log_ << line;
    if (!trace_.isOpen()) return;
    trace_.write(QString("%1 d%2 %3\n").arg(sent_).arg(depth_).arg(line).toUtf8());
    trace_.flush();
}
