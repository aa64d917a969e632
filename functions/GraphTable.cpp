#include "GraphTable.h"

#include <stdexcept>
#include <string>

#include "InternalError.h"
#include "PlotState.h"

namespace {
int indexOf(int k) {
    if (!GraphTable::isSlot(k))
        throw InternalError("graph slot " + std::to_string(k) + " is outside 1..20000");
    return k - 1;
}
}  // namespace

GraphSlot& GraphTable::slot(int k) {
    return slots_[indexOf(k)];
}
const GraphSlot& GraphTable::slot(int k) const {
    return slots_[indexOf(k)];
}

GraphTableFull::GraphTableFull()
    : std::runtime_error("В букве уже 20000 графиков: больше построить нельзя !!!") {}

void GraphTable::checkRoomForAnotherGraph() const {
    if (graphCount >= kSlots) throw GraphTableFull();
}

GraphSlot& GraphTable::entrySlot() {
    checkRoomForAnotherGraph();
    return slot(graphCount + 1);
}

void ResetGraphSlots() {
    // The counter is the plot state's delay field: its value afterwards is part of the behaviour.
    for (plotState.stepDelayMs = 1; plotState.stepDelayMs < 11; ++plotState.stepDelayMs) {
        GraphSlot& s = graphTable.slot(plotState.stepDelayMs);
        s.startValue = 0;
        s.endValue = 0;
        s.xExpr.clear();
        s.yExpr.clear();
    }
}
