#pragma once

#include <QAction>
#include <QKeySequence>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>

#include "Surface.h"

// The controls of the running main window by name, for the mode subsystems that cannot see the
// window class itself. Every lookup fails loudly (InternalError) when the window lacks the name.
namespace window {

// The one thrower of a missing control, for every lookup.
[[noreturn]] void missing(const QString& name);

// The names of a run of numbered controls: numbered("Label", 66, 71) is Label66 … Label71.
QStringList numbered(const char* prefix, int from, int to);

template <class T = QWidget>
T& control(const QString& name) {
    ClientSurface* s = ClientSurface::current();
    T* w = s ? s->control<T>(name) : nullptr;
    if (!w) missing(name);
    return *w;
}

QTimer& timer(const QString& name);
QAction& menuItem(const QString& name);

// Runs a handler the way every event handler runs: errors end it and go to the default error
// display (messages::dispatch).
void onClick(const QString& control, std::function<void()> handler);
// A press of any mouse button, with the position inside the control.
void onMouseDown(const QString& control, std::function<void(Qt::MouseButton, QPoint)> handler);
// A right click's context request (after the press), with the position inside the control.
void onContextPopup(const QString& control, std::function<void(QPoint)> handler);

// A command of the menu: its item, its shortcut ("" for none; it works anywhere in the program)
// and its handler.
struct MenuCommand {
    const char* item;
    const char* shortcut;
    void (*handler)();
};
template <std::size_t N>
void bindMenuCommands(const MenuCommand (&commands)[N]) {
    for (const MenuCommand& c : commands) {
        QAction& a = menuItem(c.item);
        if (*c.shortcut) {
            a.setShortcut(QKeySequence(QString::fromLatin1(c.shortcut)));
            a.setShortcutContext(Qt::ApplicationShortcut);
        }
        onClick(c.item, c.handler);
    }
}

}  // namespace window
