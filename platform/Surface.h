#pragma once

#include <QHash>
#include <QPointer>
#include <QRegion>
#include <QWidget>

#include "Canvas.h"

// The client area of the main window: the controls of every mode, and the window canvas
// stacked above the graphic controls and below the windowed ones.
//
// Erasing is invalidation, never redrawing: whenever part of the surface must repaint (a control
// shown, hidden, moved or resized, a visible graphic control changed), its old and new rectangles
// join a pending region. That region is wiped from the canvas when pending events are next
// processed — the next step of a drawing, or the return to the event loop — as a paint message
// would. Nothing drawn is ever drawn again.
class ClientSurface : public QWidget {
    Q_OBJECT
  public:
    explicit ClientSurface(QWidget* parent = nullptr);

    WindowCanvas& canvas() { return *canvas_; }

    // The surface a control lives on (nullptr outside one).
    static ClientSurface* of(QWidget* w);
    // The surface of the running program (the last one built).
    static ClientSurface* current();

    void invalidate(const QRect& rect);
    // The surface is shown at another scale: the canvas and the pictures remake their rasters.
    void rasterScaleChanged();
    const QRegion& pendingRegion() const { return pending_; }
    // Wipes the pending region from the canvas now, as the next pass of events would.
    void flushPending();

    // Puts the canvas above every graphic control and below every windowed one. Called once the
    // window description is built; controls created later are placed by kind as they arrive.
    void arrangeLayers();

    // Names a control of the window description and keeps it in the surface's index, so that
    // looking it up by name does not walk every control.
    void name(QWidget* control, const QString& name);

    // The control of that name and kind: from the index, or by a walk for a widget named
    // outside the description.
    template <class T = QWidget>
    T* control(const QString& name) const {
        if (QWidget* w = named_.value(name))
            if (T* t = qobject_cast<T*>(w)) return t;
        return findChild<T*>(name);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* e) override;
    void childEvent(QChildEvent* e) override;

  private:
    void watch(QWidget* child);

    WindowCanvas* canvas_;
    QRegion pending_;
    QHash<QString, QPointer<QWidget>> named_;  // a deleted control reads as null
    bool flushQueued_ = false;
};

// A windowed control sits above the canvas; a graphic one below it.
bool isWindowedControl(const QWidget* w);
