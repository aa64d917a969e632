#include "Messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <exception>

#include "InternalError.h"

namespace messages {
namespace {
Sink g_sink;

void realBox(Kind kind, const QString& text) {
    QMessageBox box(kind == Kind::Info ? QMessageBox::NoIcon : QMessageBox::Critical,
                    QApplication::applicationDisplayName(), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.button(QMessageBox::Ok)->setText("ОК");  // in Cyrillic letters, as Russian writes it
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

void showInternal(const QString& what) {
    // Russian first; the program's own technical words, for whoever mends it, on the next line.
    const QString text =
        "Внутренняя ошибка программы: команда не выполнена до конца. Сообщите о ней, пожалуйста, "
        "автору программы.\n(" +
        what + ")";
    if (g_sink)
        g_sink(Kind::Internal, text);
    else
        realBox(Kind::Internal, text);
}

void setSink(Sink sink) {
    g_sink = std::move(sink);
}
void resetSink() {
    g_sink = nullptr;
}

namespace {
int g_depth = 0;
}

int handlersRunning() {
    return g_depth;
}

void dispatch(const std::function<void()>& handler) {
    struct Depth {
        Depth() { ++g_depth; }
        ~Depth() { --g_depth; }
    } depth;
    try {
        handler();
    } catch (const InternalError& e) {
        showInternal(QString::fromUtf8(e.what()));
    } catch (const std::exception& e) {
        showError(QString::fromUtf8(e.what()));
    } catch (...) {
        showError(
            QStringLiteral("Неизвестная ошибка: команда не выполнена до конца.\n(Unknown error)"));
    }
}

Recorder::Recorder() {
    setSink([this](Kind k, const QString& t) { shown_.push_back({k, t}); });
}

Recorder::~Recorder() {
    resetSink();
}

std::vector<Shown> Recorder::internal() const {
    std::vector<Shown> out;
    for (const Shown& s : shown_)
        if (s.kind == Kind::Internal) out.push_back(s);
    return out;
}

}  // namespace messages
