#pragma once

#include <QApplication>
#include <memory>

#include "Controls.h"
#include "Pacing.h"
#include "Plane.h"
#include "PlotState.h"
#include "Surface.h"

// A bare client surface with the plane Image10 at its place, for drawing tests that need no
// main window. Pauses are off while it lives.
class TestSurface {
  public:
    TestSurface() : surface_(std::make_unique<ClientSurface>()) {
        pacing::setPausesEnabled(false);
        pacing::resetRequestedPause();
        plotState = PlotState{};
        auto* plane = new Picture(surface_.get());
        plane->setObjectName("Image10");
        plane->setGeometry(697, 86, plane::kWidth, plane::kHeight);
        plane->setPicture(plane::paintPicture());
        surface_->arrangeLayers();
        surface_->show();
        pacing::processPendingEvents();
    }
    ~TestSurface() { pacing::setPausesEnabled(true); }

    ClientSurface& surface() { return *surface_; }
    WindowCanvas& canvas() { return surface_->canvas(); }

  private:
    std::unique_ptr<ClientSurface> surface_;
};
