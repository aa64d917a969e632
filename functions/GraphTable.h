#pragma once

#include <QString>
#include <stdexcept>
#include <vector>

// One graph of the letter being composed in Function mode: the two expressions as typed and
// the range of the parameter x.
struct GraphSlot {
    QString xExpr;
    QString yExpr;
    double startValue = 0;
    double endValue = 0;
};

// The graph table of Function mode: slots numbered 1 to 20000, of which 1 to graphCount hold
// the graphs built so far, and the slot chosen in the graph list (0 for none).
class GraphTable {
  public:
    static constexpr int kSlots = 20000;

    static bool isSlot(int k) { return k >= 1 && k <= kSlots; }
    // Slot k, 1-based; a number outside 1 … 20000 is a fault of the program (InternalError).
    GraphSlot& slot(int k);
    const GraphSlot& slot(int k) const;

    // The slot of the graph being entered, graphCount + 1. A letter holds at most 20000
    // graphs: past that the pupil is told so (GraphTableFull) and nothing is written.
    GraphSlot& entrySlot();
    void checkRoomForAnotherGraph() const;

    int graphCount = 0;
    int selectedGraph = 0;

  private:
    std::vector<GraphSlot> slots_ = std::vector<GraphSlot>(kSlots);
};

class GraphTableFull : public std::runtime_error {
  public:
    GraphTableFull();
};

inline GraphTable graphTable;

// Clears the texts and the range of slots 1 to 10, counting them with plotState.stepDelayMs,
// which is left at 11 (so a letter routine called next without setting it pauses 11 ms a step).
// graphCount and selectedGraph stay as they are.
void ResetGraphSlots();
