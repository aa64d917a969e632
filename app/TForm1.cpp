#include "TForm1.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QTimer>
#include <stdexcept>

#include "AlphabetControls.h"
#include "AlphabetMode.h"
#include "AppPictures.h"
#include "ContestCommands.h"
#include "FunctionControls.h"
#include "FunctionMode.h"
#include "FunctionState.h"
#include "Handlers.h"
#include "HelpWindow.h"
#include "InternalError.h"
#include "KeyboardLayout.h"
#include "LessonBuilding.h"
#include "Messages.h"
#include "Pacing.h"
#include "PartPicking.h"
#include "SharedControls.h"
#include "ShellGroups.h"
#include "ShellTables.h"
#include "Stage.h"
#include "TextControls.h"
#include "TextMode.h"
#include "Window.h"
#include "WindowDescription.h"
#include "WorkCommands.h"

namespace {
struct TimerRow {
    const char* name;
    int intervalMs;
};
// All three are off until their screens start them.
constexpr TimerRow kTimers[] = {{"Timer1", 100}, {"Timer2", 70}, {"Timer3", 140}};

const char* const kCaptionsOverLetters[] = {
    shared::kFormulaCaptions[0], shared::kFormulaDescriptions[0], shared::kPrefixes[0],
    shared::kFormulaCaptions[1], shared::kFormulaDescriptions[1], shared::kPrefixes[1],
    shared::kFormulaCaptions[2], shared::kFormulaDescriptions[2], shared::kPrefixes[2],
    shared::kFormulaCaptions[3], shared::kFormulaDescriptions[3], shared::kPrefixes[3],
    shared::kFormulaCaptions[4], shared::kFormulaDescriptions[4], shared::kSixthPrefix,
    shared::kFormulaCaptions[5], shared::kFormulaDescriptions[5], shared::kBanner};
}  // namespace

TForm1::TForm1(QWidget* parent) : QMainWindow(parent) {
    setObjectName("Form1");
    // The task bar and the window switcher show the program's title.
    setWindowTitle("Литерон");
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    menuBar()->setObjectName("MainMenu1");
    menuBar()->setNativeMenuBar(false);
    windowdesc::buildMenu(*menuBar(), shellMenu());

    surface_ = new ClientSurface(this);
    QPalette pal = surface_->palette();
    pal.setColor(QPalette::Window, windowdesc::windowBackground());
    surface_->setPalette(pal);
    surface_->setAutoFillBackground(true);
    surface_->setFont(windowdesc::windowFont());
    setCentralWidget(surface_);
    const PictureSource pictures = appPictures();
    windowdesc::build(*surface_, shellControls(), pictures);
    windowdesc::build(*surface_, alphabetControls(), pictures);
    windowdesc::build(*surface_, functionControls(), pictures);
    windowdesc::build(*surface_, textControls(), pictures);
    // The formula captions and the banner stand over the letter pictures and under the hotspots.
    for (const char* n : kCaptionsOverLetters) ctl(n).stackUnder(&ctl("HV"));
    // The two formula captions of "Ё" reach up into the banner's place; they stay readable.
    for (const char* n : {shared::kFormulaCaptions[4], shared::kFormulaCaptions[5]})
        ctl(n).stackUnder(&ctl("HV"));

    for (const TimerRow& t : kTimers) {
        auto* timer = new QTimer(this);
        timer->setObjectName(t.name);
        timer->setInterval(t.intervalMs);
        pacing::adoptWindowTimer(timer);
    }

    setUpIntroduction();
    for (const char* edit : {"Edit1", "Edit2", "Edit3", "Edit4"})
        keyboardlayout::follow(&ctl(edit));
    bindHandlers();
    bindAlphabetMode();
    bindTextMode();
    new ParserComponent(surface_, "Parser1");
    new ParserComponent(surface_, "Parser2");
    bindFunctionMode();
    bindPartPicking();
    bindWorkCommands();
    selfCheck();
    move(61, 150);
}

TForm1::~TForm1() = default;

void TForm1::missingControl(const QString& name) {
    ::window::missing(name);
}

void TForm1::runHandler(void (TForm1::*handler)()) {
    messages::dispatch([this, handler] { (this->*handler)(); });
}

QAction& TForm1::menuItem(const char* name) const {
    auto* a = menuBar()->findChild<QAction*>(QString::fromUtf8(name));
    if (!a) missingControl(name);
    return *a;
}

QTimer& TForm1::timer(const char* name) const {
    auto* t = findChild<QTimer*>(QString::fromUtf8(name));
    if (!t) missingControl(name);
    return *t;
}

void TForm1::bindHandlers() {
    for (const HandlerBinding& b : handlerBindings()) {
        const QString name = QString::fromUtf8(b.control);
        auto run = [this, b] { runHandler(b.handler); };
        if (auto* a = menuBar()->findChild<QAction*>(name)) {
            connect(a, &QAction::triggered, this, run);
        } else if (auto* t = findChild<QTimer*>(name)) {
            connect(t, &QTimer::timeout, this, run);
        } else if (auto* g = surface_->findChild<GraphicControl*>(name)) {
            connect(g, &GraphicControl::clicked, this, run);
        } else if (auto* p = surface_->findChild<Panel*>(name)) {
            connect(p, &Panel::clicked, this, run);
        } else {
            missingControl(b.control);
        }
    }
}

// Opening a work file takes the steps a pupil would: out of the introduction or the author panel,
// the start command where the start screen shows, then the caption "Ввод ФУНКЦИЙ".
void TForm1::bindWorkCommands() {
    letterwork::ScreenSteps steps;
    steps.startProgram = [this] {
        if (ctl("Memo1").isVisible()) Memo1Click();
        if (ctl("Panel2").isVisible()) Panel2Click();
        // "Старт программы": on the start screen, or on the author panel.
        if (ctl("Label224").isVisible() || ctl("Label142").isVisible()) Label142Click();
    };
    steps.enterFunctionMode = [this] { Label147Click(); };
    workcommands::bind({steps, [this] { return workingScreen(); }});
    contestcommands::bind();
    lessonbuilding::bind();
    helpwindow::bind(this);
}

bool TForm1::workingScreen() const {
    return ctl(shared::kPlane).isVisible() && !ctl("Memo1").isVisible() &&
           !ctl("Panel2").isVisible();
}

void TForm1::selfCheck() const {
    QStringList names;
    for (const HandlerBinding& b : handlerBindings()) names << QString::fromUtf8(b.control);
    const QStringList missing = windowdesc::missingNames(*this, names);
    if (!missing.isEmpty())
        throw InternalError("the window lacks controls: " + missing.join(", ").toStdString());
}

// Esc hides the introduction and the author panel as a click does; with neither on show it ends
// the projector view, which F11 turns on and off.
void TForm1::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_F11) {
        stage::setProjector(!stage::projector());
    } else if (e->key() == Qt::Key_Escape) {
        const bool intro = ctl("Memo1").isVisible(), author = ctl("Panel2").isVisible();
        if (intro) runHandler(&TForm1::Memo1Click);
        if (author) runHandler(&TForm1::Panel2Click);
        if (!intro && !author) stage::setProjector(false);
    } else {
        QMainWindow::keyPressEvent(e);
    }
}

void TForm1::closeEvent(QCloseEvent* e) {
    // Every running drawing stops at its next step; the loops unwind, then the event loop ends.
    pacing::setQuitting(true);
    e->accept();
}

// --- Start command and exit -------------------------------------------------------------------

// The start screen gives way to the work area: the caption and the author panel go, the mode bar,
// the work-area picture and the plane come, with no formula caption on them.
void TForm1::openWorkArea() {
    ctl("Label142").hide();
    ctl("Panel2").hide();
    ctl("Label181").hide();
    ctl("Panel1").show();
    ctl("Image38").show();
    ctl(shared::kPlane).show();
    for (const QString& n : groups::formulaLabels()) ctl(n).hide();
    ctl("Panel2").hide();
}

void TForm1::Label142Click() {
    openWorkArea();
    ctl("Label224").hide();
}

void TForm1::N9Click() {
    ctl("Panel2").show();
    ctl("Label224").hide();
    openWorkArea();
}

void TForm1::Label31Click() {
    close();
}
void TForm1::N10Click() {
    close();
}
