#include "Messages.h"

#include <QApplication>
#include <QMessageBox>
#include <exception>

namespace messages {
namespace {
Sink g_sink;

void realBox(Kind kind, const QString& text) {
    QMessageBox box(kind == Kind::Error ? QMessageBox::Critical : QMessageBox::NoIcon,
                    QApplication::applicationDisplayName(), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}
}  // namespace

void show(const QString& text) {
    if (g_sink)
        g_sink(Kind::Info, text);
    else
        realBox(Kind::Info, text);
}

void showError(const QString& text) {
    if (g_sink)
        g_sink(Kind::Error, text);
    else
        realBox(Kind::Error, text);
}

void setSink(Sink sink) {
    g_sink = std::move(sink);
}
void resetSink() {
    g_sink = nullptr;
}

void dispatch(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& e) {
        showError(QString::fromUtf8(e.what()));
    } catch (...) {
        showError(QStringLiteral("Unknown error"));
    }
}

Recorder::Recorder() {
    setSink([this](Kind k, const QString& t) { shown_.push_back({k, t}); });
}

Recorder::~Recorder() {
    resetSink();
}

}  // namespace messages
