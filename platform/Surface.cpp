#include "Surface.h"

#include <QChildEvent>
#include <QMoveEvent>
#include <QPointer>
#include <QResizeEvent>

#include "Controls.h"

namespace {
QPointer<ClientSurface> g_current;
}

bool isWindowedControl(const QWidget* w) {
    return !qobject_cast<const GraphicControl*>(w);
}

ClientSurface::ClientSurface(QWidget* parent) : QWidget(parent) {
    setObjectName("ClientSurface");
    setFixedSize(1212, 731);
    canvas_ = new WindowCanvas(this);
    g_current = this;
}

void ClientSurface::name(QWidget* control, const QString& name) {
    control->setObjectName(name);
    named_.insert(name, control);
}

ClientSurface* ClientSurface::current() {
    return g_current;
}

ClientSurface* ClientSurface::of(QWidget* w) {
    for (; w; w = w->parentWidget())
        if (auto* s = qobject_cast<ClientSurface*>(w)) return s;
    return nullptr;
}

void ClientSurface::invalidate(const QRect& rect) {
    if (rect.isEmpty()) return;
    pending_ += rect;
    if (flushQueued_) return;
    flushQueued_ = true;
    QMetaObject::invokeMethod(this, &ClientSurface::flushPending, Qt::QueuedConnection);
}

void ClientSurface::flushPending() {
    flushQueued_ = false;
    canvas_->erase(pending_);
    pending_ = QRegion();
}

void ClientSurface::arrangeLayers() {
    canvas_->raise();
    for (QObject* o : children())
        if (auto* w = qobject_cast<QWidget*>(o); w && w != canvas_) {
            if (isWindowedControl(w)) w->raise();
            watch(w);
        }
}

void ClientSurface::watch(QWidget* child) {
    child->removeEventFilter(this);
    child->installEventFilter(this);
}

void ClientSurface::childEvent(QChildEvent* e) {
    QWidget::childEvent(e);
    if (e->type() != QEvent::ChildPolished) return;
    auto* w = qobject_cast<QWidget*>(e->child());
    if (!w || w == canvas_) return;
    if (isWindowedControl(w))
        w->raise();
    else
        w->stackUnder(canvas_);
    watch(w);
}

bool ClientSurface::eventFilter(QObject* watched, QEvent* e) {
    auto* w = qobject_cast<QWidget*>(watched);
    if (!w || w->parentWidget() != this) return false;
    switch (e->type()) {
        case QEvent::Show:
        case QEvent::Hide:
            invalidate(w->geometry());
            break;
        case QEvent::Move:
            if (w->isVisible()) {
                auto* m = static_cast<QMoveEvent*>(e);
                invalidate(QRect(m->oldPos(), w->size()));
                invalidate(w->geometry());
            }
            break;
        case QEvent::Resize:
            if (w->isVisible()) {
                auto* r = static_cast<QResizeEvent*>(e);
                invalidate(QRect(w->pos(), r->oldSize()));
                invalidate(w->geometry());
            }
            break;
        default:
            break;
    }
    return false;
}

void ClientSurface::rasterScaleChanged() {
    canvas_->rescale();
    update();
}
