// The one procedure of the part picks, and the binding of every hotspot to its rows.
#include "PartPicking.h"

#include <QSet>
#include <algorithm>

#include "Controls.h"
#include "Draw.h"
#include "PartPicks.h"
#include "Plane.h"
#include "PlotState.h"
#include "SharedControls.h"
#include "Window.h"

namespace {

// The letter of the current lesson: the caption of the selection marker.
QString currentLetter() {
    return window::control<Label>(shared::kLetterMarker).caption();
}

bool servesLetter(const PartPick& pick, const QString& letter) {
    if (!pick.letters) return true;
    return letter.size() == 1 && QStringView(pick.letters).contains(letter.front());
}

void runFor(const QString& control, PartPick::Event event, QPoint fillStart) {
    if (const PartPick* pick = findPartPick(control, event, currentLetter()))
        runPartPick(*pick, fillStart);
}

}  // namespace

const PartPick* findPartPick(const QString& control, PartPick::Event event, const QString& letter) {
    for (const PartPick& pick : partPicks()) {
        if (pick.event != event) continue;
        const bool named = std::any_of(pick.controls.begin(), pick.controls.end(),
                                       [&](const char* c) { return control == QLatin1String(c); });
        if (named && servesLetter(pick, letter)) return &pick;
    }
    return nullptr;
}

void runPartPick(const PartPick& pick, QPoint fillStart) {
    // The clearing repaints the plane only when events are next processed, at the drawing's
    // first step: the highlight starts on an empty plane, the letter picture and hotspots stay.
    if (pick.clearsPlane) plane::reset(fillStart);
    for (const char* name : pick.hides) window::control(name).hide();
    for (const char* name : pick.shows) window::control(name).show();
    if (pick.description) {
        auto& banner = window::control<Label>(shared::kBanner);
        banner.setCaption(window::control<Label>(pick.description).caption());
        if (pick.showsBanner) banner.show();
    }
    PlotState& ps = plotState;
    if (pick.shiftX) ps.shiftX = *pick.shiftX;
    if (pick.shiftY) ps.shiftY = *pick.shiftY;
    if (pick.originAtPlane) draw::originAtCentreOf(plane::image10());
    if (pick.colourOnce) draw::penColour(QColor::fromRgb(*pick.colourOnce));
    if (pick.stroke) pick.stroke();
    for (const StrokeLoop& loop : pick.loops) runStrokeLoop(loop);
}

void bindPartPicking() {
    // One connection per control and event; the letter picks the row when the user clicks.
    QSet<QString> bound;
    for (const PartPick& pick : partPicks()) {
        for (const char* c : pick.controls) {
            const QString name = QString::fromLatin1(c);
            const QString key = name + QChar(u'#') + QString::number(pick.event);
            if (bound.contains(key)) continue;
            bound.insert(key);
            switch (pick.event) {
                case PartPick::MouseDown:
                    window::onMouseDown(name, [name](Qt::MouseButton, QPoint pos) {
                        runFor(name, PartPick::MouseDown, pos);
                    });
                    break;
                case PartPick::Click:
                    window::onClick(name, [name] { runFor(name, PartPick::Click, QPoint(0, 0)); });
                    break;
                case PartPick::ContextPopup:
                    window::onContextPopup(name, [name](QPoint) {
                        runFor(name, PartPick::ContextPopup, QPoint(0, 0));
                    });
                    break;
            }
        }
    }
}
