#include "HelpWindow.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

#include "Window.h"

// The guide's resources live in this static library: registered before the first use (outside
// any namespace, where Q_INIT_RESOURCE declares its function).
static void registerGuide() {
    Q_INIT_RESOURCE(help);
}

HelpWindow::HelpWindow(QWidget* form) : QWidget(form, Qt::Window) {
    registerGuide();
    setObjectName("HelpWindow");
    setWindowTitle("Литерон — руководство");
    auto* layout = new QVBoxLayout(this);
    auto* buttons = new QHBoxLayout;
    auto* back = new QPushButton("Назад");
    auto* contents = new QPushButton("К содержанию");
    auto* close = new QPushButton("Закрыть");
    buttons->addWidget(back);
    buttons->addWidget(contents);
    buttons->addStretch();
    buttons->addWidget(close);
    layout->addLayout(buttons);
    browser_ = new QTextBrowser;
    browser_->setObjectName("HelpText");
    browser_->setOpenExternalLinks(true);
    browser_->setSource(QUrl(helpwindow::kGuide));
    layout->addWidget(browser_);
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QWidget::setEnabled);
    back->setEnabled(false);
    connect(contents, &QPushButton::clicked, browser_, &QTextBrowser::home);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    resize(680, 720);
}

void HelpWindow::showAt(const QString& anchor) {
    if (!anchor.isEmpty()) browser_->scrollToAnchor(anchor);
    if (!isVisible()) {
        // Beside the program's window where the screen has room, else over its right part.
        QWidget* form = parentWidget();
        const QRect screen =
            (form && form->screen() ? form->screen() : QGuiApplication::primaryScreen())
                ->availableGeometry();
        QPoint at = form ? form->frameGeometry().topRight() + QPoint(8, 0) : screen.topLeft();
        at.setX(std::min(at.x(), screen.right() - width()));
        at.setY(
            std::clamp(at.y(), screen.top(), std::max(screen.top(), screen.bottom() - height())));
        move(at);
    }
    show();
    raise();
    activateWindow();
}

namespace helpwindow {
namespace {
QPointer<HelpWindow> g_window;
QPointer<QWidget> g_form;

void open() {
    if (!g_window) g_window = new HelpWindow(g_form);
    g_window->showAt();
}

const window::MenuCommand kCommands[] = {{"N3", "F1", open}};
}  // namespace

void bind(QWidget* form) {
    g_form = form;
    window::bindMenuCommands(kCommands);
}

HelpWindow* shown() {
    return g_window && g_window->isVisible() ? g_window.data() : nullptr;
}

}  // namespace helpwindow
