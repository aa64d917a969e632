#include "Window.h"

#include <QMenuBar>
#include <stdexcept>

#include "Controls.h"
#include "InternalError.h"
#include "Messages.h"

namespace window {

void missing(const QString& name) {
    throw InternalError("the window has no control " + name.toStdString());
}

QTimer& timer(const QString& name) {
    ClientSurface* s = ClientSurface::current();
    QTimer* t = s && s->window() ? s->window()->findChild<QTimer*>(name) : nullptr;
    if (!t) missing(name);
    return *t;
}

QAction& menuItem(const QString& name) {
    ClientSurface* s = ClientSurface::current();
    QAction* a = s && s->window() ? s->window()->findChild<QAction*>(name) : nullptr;
    if (!a) missing(name);
    return *a;
}

QStringList numbered(const char* prefix, int from, int to) {
    QStringList out;
    for (int k = from; k <= to; ++k) out << QString("%1%2").arg(QLatin1String(prefix)).arg(k);
    return out;
}

void onClick(const QString& name, std::function<void()> handler) {
    auto run = [h = std::move(handler)] { messages::dispatch(h); };
    ClientSurface* s = ClientSurface::current();
    if (auto* g = s ? s->control<GraphicControl>(name) : nullptr) {
        QObject::connect(g, &GraphicControl::clicked, g, run);
    } else if (auto* p = s ? s->control<Panel>(name) : nullptr) {
        QObject::connect(p, &Panel::clicked, p, run);
    } else {
        QAction& a = menuItem(name);
        QObject::connect(&a, &QAction::triggered, &a, run);
    }
}

void onMouseDown(const QString& name, std::function<void(Qt::MouseButton, QPoint)> handler) {
    auto& g = control<GraphicControl>(name);
    QObject::connect(&g, &GraphicControl::mouseDown, &g,
                     [h = std::move(handler)](Qt::MouseButton b, QPoint p) {
                         messages::dispatch([&] { h(b, p); });
                     });
}

void onContextPopup(const QString& name, std::function<void(QPoint)> handler) {
    auto& g = control<GraphicControl>(name);
    QObject::connect(&g, &GraphicControl::contextRequested, &g,
                     [h = std::move(handler)](QPoint p) { messages::dispatch([&] { h(p); }); });
}

}  // namespace window
