#include "OverSurface.h"

#include <QWidget>

OverSurface::OverSurface(QWidget* self, QWidget* surface, QRect place)
    : self_(self), surface_(surface), place_(place) {
    follow();
}

void OverSurface::follow() {
    self_->move(surface_->mapTo(surface_->window(), place_.topLeft()));
    if (self_->width() != place_.width()) self_->resize(place_.width(), self_->height());
}
